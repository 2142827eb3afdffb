#include "win32/shell/shell_execute.h"

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/host_names.h"
#include "win32/process/command_line.h"
#include "win32/process/processes.h"
#include "win32/process/program_search.h"
#include "win32/profile_files.h"
#include "win32/registry/registry.h"

namespace win32 {

namespace {

constexpr intptr_t kStarted = 42;  // any value above 32 means success

bool IsProgramExtension(const std::string& ext) {
    return ext.empty() || ext == ".EXE" || ext == ".COM" || ext == ".BAT" || ext == ".CMD";
}

intptr_t ErrorResult(uint32_t error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return SE_ERR_FNF;
        case ERROR_PATH_NOT_FOUND: case ERROR_DIRECTORY: return SE_ERR_PNF;
        case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
        case ERROR_BAD_EXE_FORMAT: return SE_ERR_BAD_FORMAT;
        case ERROR_SHARING_VIOLATION: return SE_ERR_SHARE;
        default: return SE_ERR_OOM;
    }
}

intptr_t Start(const std::string& commandLine, const std::string& directory, int32_t showCmd) {
    STARTUPINFO startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<uint16_t>(showCmd);
    PROCESS_INFORMATION pi;
    if (!CreateProcess("", commandLine, nullptr, nullptr, false, NORMAL_PRIORITY_CLASS, nullptr, directory, startup, pi))
        return ErrorResult(GetLastError());
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return kStarted;
}

// The default value of a key of HKEY_CLASSES_ROOT; empty when missing.
std::string ClassesValue(const std::string& subKey) {
    std::string value;
    return RegQueryValue(HKEY_CLASSES_ROOT, subKey, value) == ERROR_SUCCESS ? value : std::string();
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + with.size()))
        text.replace(pos, what.size(), with);
}

// The command line of `verb` for a class, filled with the target; empty
// when the class has no such command.
std::string ClassCommand(const std::string& className, const std::string& verb, const std::string& target,
                         const std::string& parameters) {
    if (className.empty()) return {};
    std::string command = ClassesValue(className + "\\shell\\" + verb + "\\command");
    if (command.empty()) return {};
    const bool hasTarget = command.find("%1") != std::string::npos || command.find("%L") != std::string::npos ||
                           command.find("%l") != std::string::npos;
    ReplaceAll(command, "%1", target);
    ReplaceAll(command, "%L", target);
    ReplaceAll(command, "%l", target);
    ReplaceAll(command, "%*", parameters);
    if (!hasTarget) command += " " + QuoteCommandLineWord(target);
    return command;
}

bool IsAddress(const std::string& file) {
    const std::string upper = UpperName(file);
    return upper.rfind("HTTP://", 0) == 0 || upper.rfind("HTTPS://", 0) == 0 || upper.rfind("FTP://", 0) == 0 ||
           upper.rfind("MAILTO:", 0) == 0;
}

intptr_t OpenAddress(const std::string& verb, const std::string& address, const std::string& directory,
                     int32_t showCmd) {
    const std::string protocol = address.substr(0, address.find(':'));
    const std::string command = ClassCommand(protocol, verb, address, "");
    return command.empty() ? SE_ERR_NOASSOC : Start(command, directory, showCmd);
}

}  // namespace

intptr_t ShellExecute(void* /*hwnd*/, const std::string& operation, const std::string& file,
                      const std::string& parameters, const std::string& directory, int32_t showCmd) {
    const std::string verb = operation.empty() ? "open" : operation;
    if (IsAddress(file)) return OpenAddress(verb, file, directory, showCmd);
    const bool hasFolder = file.find_first_of("\\/:") != std::string::npos;
    const std::string full = GetFullPathName(file);
    if (full.empty()) return SE_ERR_FNF;
    const uint32_t attributes = GetFileAttributes(full);
    const std::string ext = UpperFileExtension(full);

    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const uint32_t missing = GetLastError();
        // A bare program name is searched for.
        if (!hasFolder && IsProgramExtension(ext) && FindProgram("", QuoteCommandLineWord(file)))
            return Start(QuoteCommandLineWord(file) + (parameters.empty() ? "" : " " + parameters), directory, showCmd);
        return ErrorResult(missing);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return SE_ERR_NOASSOC;
    if (IsProgramExtension(ext) && SameName(verb, "open"))
        return Start(QuoteCommandLineWord(full) + (parameters.empty() ? "" : " " + parameters), directory, showCmd);

    const std::string command = ClassCommand(ClassesValue(ext), verb, full, parameters);
    if (!command.empty()) return Start(command, directory, showCmd);
    if (ext == ".URL") {
        const std::string address = GetPrivateProfileString("InternetShortcut", "URL", "", full);
        if (!address.empty()) return OpenAddress(verb, address, directory, showCmd);
    }
    return SE_ERR_NOASSOC;
}

}  // namespace win32
