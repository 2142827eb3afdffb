// hcrtf.exe -x PROJECT.qhp: the help compiler stand-in started by Quillery.
//
// It checks the help project and the sources it names (help_sources.h),
// writes its report as PROJECT.log next to the help project and exits 0
// when the sources are sound, 1 when they have errors, 2 when it was not
// given a help project. It writes no help file, and its report says so.

#include <iostream>
#include <string>
#include <vector>

#include "help_sources.h"
#include "vcl/system/paths.h"
#include "win32/codepage.h"
#include "win32/files.h"
#include "win32/paths.h"

namespace {

// A Windows path as given ("C:\..."), else a host path seen through the
// machine's drives.
std::string WindowsPathOf(const std::string& argument) {
    if (argument.size() > 2 && argument[1] == ':' && argument[2] == '\\') return argument;
    return win32::HostToWindowsPath(argument);
}

std::string Report(const std::string& helpProject, const THelpSourcesReport& report) {
    std::string text = "Help compiler stand-in: checks of " + helpProject + "\r\n";
    for (const std::string& file : report.Checked) text += "Read " + file + "\r\n";
    text += std::to_string(report.Topics) + " topics\r\n";
    for (const std::string& error : report.Errors) text += "Error: " + error + "\r\n";
    text += std::to_string(report.Errors.size()) + (report.Errors.size() == 1 ? " error" : " errors") + "\r\n";
    text += "No help file was written: this stand-in only checks the sources of a help file.\r\n";
    return text;
}

bool WriteLog(const std::string& fileName, const std::string& text) {
    const win32::HANDLE file =
        win32::CreateFile(fileName, win32::GENERIC_WRITE, 0, nullptr, win32::CREATE_ALWAYS, 0, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE) return false;
    uint32_t written = 0;
    const bool ok = win32::WriteFile(file, text.data(), static_cast<uint32_t>(text.size()), &written, nullptr) &&
                    written == text.size();
    win32::CloseHandle(file);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.size() != 2 || (words[0] != "-x" && words[0] != "-X")) {
        std::cerr << "usage: hcrtf.exe -x PROJECT.qhp" << std::endl;
        return 2;
    }
    const std::string helpProject = WindowsPathOf(words[1]);
    const THelpSourcesReport report = CheckHelpSources(helpProject);
    const std::string log = ChangeFileExt(helpProject, ".log");
    if (!WriteLog(log, Report(helpProject, report))) {
        std::cerr << "hcrtf.exe: cannot write " << win32::AnsiToUtf8(log) << std::endl;
        return 2;
    }
    return report.Errors.empty() ? 0 : 1;
}
