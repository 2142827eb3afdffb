#include "support_peak_memory.h"

#include <fstream>
#include <string>

namespace archivetest {

namespace {

// A "Name:   1234 kB" field of /proc/self/status; -1 when it is missing.
int64_t StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1));
    return -1;
}

bool ResetPeak() {
    std::ofstream refs("/proc/self/clear_refs");
    refs << "5";
    refs.flush();
    return bool(refs);
}

}  // namespace

int64_t PeakGrowthKiB(const std::function<void()>& work) {
    if (!ResetPeak()) return -1;
    const int64_t before = StatusKiB("VmRSS");
    work();
    const int64_t peak = StatusKiB("VmHWM");
    return before < 0 || peak < 0 ? -1 : peak - before;
}

}  // namespace archivetest
