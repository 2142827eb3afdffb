#include "win32/shell/change_notify.h"

#include <fstream>

#include "win32/machine.h"
#include "win32/machine_lock.h"
#include "win32/shell/shell_folder_locations.h"

namespace win32 {

namespace {

constexpr const char* kLogFile = "shell-changes.log";

// Items are written with their tabs, CRs and LFs escaped so that a line is
// one event.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out.push_back(c);
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char c = text[++i];
        out.push_back(c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c);
    }
    return out;
}

std::string ItemText(uint32_t flags, const void* item) {
    if (item == nullptr) return {};
    switch (flags & SHCNF_TYPE) {
        case SHCNF_PATH: return static_cast<const char*>(item);
        case SHCNF_IDLIST: return static_cast<const ITEMIDLIST*>(item)->path;
        case SHCNF_DWORD: return std::to_string(*static_cast<const uint32_t*>(item));
        default: return {};
    }
}

}  // namespace

void SHChangeNotify(int32_t eventId, uint32_t flags, const void* item1, const void* item2) {
    MachineLock lock;
    std::ofstream log(CurrentMachine().Folder() / kLogFile, std::ios::app | std::ios::binary);
    log << eventId << '\t' << flags << '\t' << Escape(ItemText(flags, item1)) << '\t' << Escape(ItemText(flags, item2))
        << '\n';
}

std::vector<ShellChangeEvent> RecordedShellChanges() {
    std::vector<ShellChangeEvent> events;
    std::ifstream log(CurrentMachine().Folder() / kLogFile, std::ios::binary);
    std::string line;
    while (std::getline(log, line)) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        if (fields.size() != 4) continue;  // a line cut short by a crash
        try {
            events.push_back({std::stoi(fields[0]), static_cast<uint32_t>(std::stoul(fields[1])), Unescape(fields[2]),
                              Unescape(fields[3])});
        } catch (const std::exception&) {
            continue;
        }
    }
    return events;
}

}  // namespace win32
