#include "support/program_process.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"

namespace testsupport {

std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

ToolRun RunProgramProcess(const std::string& command) {
    const TempDir scratch("quillery-program-run");
    const std::filesystem::path errors = scratch / "stderr";
    ToolRun run;
    FILE* pipe = popen((command + " 2>" + ShellWord(errors.string())).c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    for (size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = std::filesystem::exists(errors) ? ReadHostFile(errors) : std::string();
    return run;
}

}  // namespace testsupport
