#include "win32/process/program_search.h"

#include <vector>

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/files.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/module.h"
#include "win32/paths.h"
#include "win32/process/command_line.h"
#include "win32/short_paths.h"

namespace win32 {

namespace {

bool HasFolder(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

std::string ReadMagic(const std::string& fullPath) {
    const HANDLE file = CreateFile(fullPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char magic[4] = {};
    uint32_t read = 0;
    ReadFile(file, magic, sizeof magic, &read, nullptr);
    CloseHandle(file);
    return std::string(magic, read);
}

// The candidates a name stands for: with ".exe" added when it has no
// extension, then as it is.
std::vector<std::string> NameForms(const std::string& name) {
    if (!UpperFileExtension(name).empty()) return {name};
    return {name + ".exe", name};
}

std::vector<std::string> SearchFolders() {
    std::vector<std::string> folders = {GetProgramDirectory(), GetCurrentDirectory(), GetSystemDirectory()};
    if (IsNTFamily(CurrentMachine().Config().version)) folders.push_back(GetWindowsDirectory() + "\\system");
    folders.push_back(GetWindowsDirectory());
    return folders;
}

// Looks for one name from a command line; nullopt with the last error.
std::optional<Program> SearchName(const std::string& name) {
    std::vector<std::string> paths;
    for (const std::string& form : NameForms(name)) {
        if (HasFolder(form)) {
            paths.push_back(GetFullPathName(form));
        } else {
            for (const std::string& folder : SearchFolders())
                paths.push_back(folder + (folder.back() == '\\' ? "" : "\\") + form);
        }
    }
    uint32_t firstError = ERROR_FILE_NOT_FOUND;
    bool haveError = false;
    for (const std::string& path : paths) {
        if (path.empty()) continue;
        const uint32_t attributes = GetFileAttributes(path);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            if (!haveError && attributes == INVALID_FILE_ATTRIBUTES) firstError = GetLastError();
            haveError = true;
            continue;
        }
        return IdentifyProgram(path);
    }
    SetLastError(firstError);
    return std::nullopt;
}

}  // namespace

std::string UpperFileExtension(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : UpperName(name.substr(dot));
}

std::optional<Program> IdentifyProgram(const std::string& fullPath) {
    const uint32_t attributes = GetFileAttributes(fullPath);
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        SetLastError(ERROR_ACCESS_DENIED);
        return std::nullopt;
    }
    const std::optional<std::filesystem::path> host = WindowsToHostPath(fullPath);
    if (!host) return std::nullopt;
    Program program{GetLongPathName(fullPath), *host, ProgramKind::Host};
    if (program.path.empty()) program.path = fullPath;
    const std::string extension = UpperFileExtension(fullPath);
    if (extension == ".BAT" || extension == ".CMD") {
        program.kind = ProgramKind::Batch;
        return program;
    }
    const std::string magic = ReadMagic(fullPath);
    if (magic == "\x7F" "ELF" || magic.rfind("#!", 0) == 0) return program;
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return std::nullopt;
}

std::optional<Program> FindProgram(const std::string& applicationName, const std::string& commandLine) {
    if (!applicationName.empty()) {
        const std::string full = GetFullPathName(applicationName);
        if (full.empty()) return std::nullopt;
        return IdentifyProgram(full);
    }
    const CommandLineHead head = SplitCommandLine(commandLine);
    if (head.program.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    if (head.quoted || head.rest.empty()) return SearchName(head.program);
    // Unquoted with blanks: each prefix up to a blank, shortest first.
    const std::string text = head.program + " " + head.rest;
    uint32_t firstError = 0;
    for (size_t end = text.find(' ');; end = text.find(' ', end + 1)) {
        const std::string candidate = text.substr(0, end);
        if (const std::optional<Program> found = SearchName(candidate)) return found;
        const uint32_t error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return std::nullopt;  // found, unusable
        if (firstError == 0) firstError = error;
        if (end == std::string::npos) break;
    }
    SetLastError(firstError);
    return std::nullopt;
}

}  // namespace win32
