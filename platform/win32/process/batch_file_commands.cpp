#include "win32/process/batch_file_commands.h"

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/find_files.h"
#include "win32/host_names.h"
#include "win32/machine.h"

namespace win32 {

namespace {

bool Is9x() { return Is9xFamily(CurrentMachine().Config().version); }

bool IsSwitch(const std::string& arg) { return arg.size() >= 2 && arg[0] == '/'; }

// Splits the arguments into switches (upper-cased, without "/") and names.
struct Arguments {
    std::vector<std::string> switches;
    std::vector<std::string> names;
};
Arguments SplitArguments(const std::vector<std::string>& args) {
    Arguments split;
    for (const std::string& arg : args)
        (IsSwitch(arg) ? split.switches : split.names).push_back(IsSwitch(arg) ? UpperName(arg.substr(1)) : arg);
    return split;
}

// Refuses switches other than `allowed` with the prompt's message.
bool CheckSwitches(const Arguments& args, std::initializer_list<const char*> allowed, BatchCommandResult& result) {
    for (const std::string& s : args.switches) {
        bool known = false;
        for (const char* a : allowed) known = known || s == a;
        if (!known) {
            result.ok = false;
            result.messages.push_back("Invalid switch - /" + s);
            return false;
        }
    }
    return true;
}

bool HasSwitch(const Arguments& args, const char* name) {
    for (const std::string& s : args.switches)
        if (s == name) return true;
    return false;
}

bool HasWildcards(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

std::string FolderOf(const std::string& full) {
    const size_t slash = full.rfind('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

struct Match {
    std::string path;
    bool directory = false;
};

// The entries a name stands for: every match of its wildcards, or the
// entry itself; empty when nothing exists.
std::vector<Match> Matches(const std::string& name) {
    std::vector<Match> matches;
    const std::string full = GetFullPathName(name);
    if (full.empty()) return matches;
    if (!HasWildcards(full)) {
        const uint32_t attributes = GetFileAttributes(full);
        if (attributes != INVALID_FILE_ATTRIBUTES) matches.push_back({full, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        return matches;
    }
    WIN32_FIND_DATA data;
    const HANDLE find = FindFirstFile(full, data);
    if (find == INVALID_HANDLE_VALUE) return matches;
    do {
        if (data.cFileName == "." || data.cFileName == "..") continue;
        matches.push_back({FolderOf(full) + data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFile(find, data));
    FindClose(find);
    return matches;
}

void Fail(BatchCommandResult& result, const std::string& message) {
    result.ok = false;
    result.messages.push_back(message);
}

void FailWithLastError(BatchCommandResult& result) { Fail(result, SystemErrorMessage(GetLastError())); }

void NotFound(BatchCommandResult& result, const std::string& name) {
    Fail(result, Is9x() ? "File not found" : "Could Not Find " + GetFullPathName(name));
}

bool DeleteTree(const std::string& folder) {
    WIN32_FIND_DATA data;
    const HANDLE find = FindFirstFile(folder + "\\*", data);
    if (find != INVALID_HANDLE_VALUE) {
        bool ok = true;
        do {
            if (data.cFileName == "." || data.cFileName == "..") continue;
            const std::string child = folder + "\\" + data.cFileName;
            SetFileAttributes(child, FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ok = DeleteTree(child) && ok;
            else ok = DeleteFile(child) && ok;
        } while (FindNextFile(find, data));
        const uint32_t error = GetLastError();
        FindClose(find);
        SetLastError(error);
        if (!ok) return false;
    }
    SetFileAttributes(folder, FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectory(folder);
}

// The target of one source inside or at `destination`.
std::string TargetOf(const std::string& source, const std::string& destination, bool intoFolder) {
    if (!intoFolder) return destination;
    const std::string folder = destination.back() == '\\' ? destination : destination + "\\";
    return folder + source.substr(source.rfind('\\') + 1);
}

enum class Transfer { Move, Copy };

BatchCommandResult TransferCommand(const std::vector<std::string>& args, Transfer kind) {
    BatchCommandResult result;
    const Arguments split = SplitArguments(args);
    if (!CheckSwitches(split, {"Y", "-Y"}, result)) return result;
    if (split.names.size() != 2) {
        Fail(result, "The syntax of the command is incorrect.");
        return result;
    }
    const std::vector<Match> sources = Matches(split.names[0]);
    if (sources.empty()) {
        Fail(result, Is9x() ? "File not found" : SystemErrorMessage(ERROR_FILE_NOT_FOUND));
        return result;
    }
    const std::string destination = GetFullPathName(split.names[1]);
    const uint32_t destAttributes = GetFileAttributes(destination);
    const bool intoFolder = destAttributes != INVALID_FILE_ATTRIBUTES && (destAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (sources.size() > 1 && !intoFolder) {
        Fail(result, "Cannot move multiple files to a single file.");
        return result;
    }
    for (const Match& source : sources) {
        const std::string target = TargetOf(source.path, destination, intoFolder);
        bool ok;
        if (kind == Transfer::Move)
            ok = source.directory ? MoveFile(source.path, target)
                                  : MoveFileEx(source.path, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
        else if (source.directory)
            continue;  // COPY copies files only
        else
            ok = CopyFile(source.path, target, false);
        if (!ok) FailWithLastError(result);
    }
    return result;
}

}  // namespace

bool PathExists(const std::string& path) { return !Matches(path).empty(); }

bool CreateDirectoryTree(const std::string& fullPath) {
    // Parents first, from the first missing one down.
    for (size_t pos = fullPath.find('\\', 3);; pos = fullPath.find('\\', pos + 1)) {
        const std::string prefix = pos == std::string::npos ? fullPath : fullPath.substr(0, pos);
        if (GetFileAttributes(prefix) == INVALID_FILE_ATTRIBUTES && !CreateDirectory(prefix, nullptr)) return false;
        if (pos == std::string::npos) return true;
    }
}

BatchCommandResult EraseCommand(const std::vector<std::string>& args) {
    BatchCommandResult result;
    const Arguments split = SplitArguments(args);
    if (!CheckSwitches(split, {"Q", "F"}, result)) return result;
    if (split.names.empty()) Fail(result, Is9x() ? "Required parameter missing" : "The syntax of the command is incorrect.");
    const bool force = HasSwitch(split, "F");
    for (const std::string& name : split.names) {
        bool found = false;
        for (const Match& match : Matches(name)) {
            if (match.directory) continue;
            found = true;
            if (force) SetFileAttributes(match.path, FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFile(match.path)) FailWithLastError(result);
        }
        if (!found) NotFound(result, name);
    }
    return result;
}

BatchCommandResult DeltreeCommand(const std::vector<std::string>& args) {
    BatchCommandResult result;
    const Arguments split = SplitArguments(args);
    if (!CheckSwitches(split, {"Y"}, result)) return result;
    if (split.names.empty()) Fail(result, "Required parameter missing");
    for (const std::string& name : split.names)
        for (const Match& match : Matches(name)) {
            SetFileAttributes(match.path, FILE_ATTRIBUTE_NORMAL);
            if (!(match.directory ? DeleteTree(match.path) : DeleteFile(match.path))) FailWithLastError(result);
        }
    return result;
}

BatchCommandResult MoveCommand(const std::vector<std::string>& args) { return TransferCommand(args, Transfer::Move); }

BatchCommandResult CopyCommand(const std::vector<std::string>& args) { return TransferCommand(args, Transfer::Copy); }

BatchCommandResult MakeDirectoryCommand(const std::vector<std::string>& args) {
    BatchCommandResult result;
    const Arguments split = SplitArguments(args);
    if (!CheckSwitches(split, {}, result)) return result;
    if (split.names.size() != 1) {
        Fail(result, "The syntax of the command is incorrect.");
        return result;
    }
    const std::string full = GetFullPathName(split.names[0]);
    if (full.empty()) {
        FailWithLastError(result);
        return result;
    }
    if (GetFileAttributes(full) != INVALID_FILE_ATTRIBUTES) {
        Fail(result, "A subdirectory or file " + split.names[0] + " already exists.");
        return result;
    }
    if (!CreateDirectoryTree(full)) FailWithLastError(result);
    return result;
}

BatchCommandResult RemoveDirectoryCommand(const std::vector<std::string>& args) {
    BatchCommandResult result;
    const Arguments split = SplitArguments(args);
    if (!CheckSwitches(split, {"S", "Q"}, result)) return result;
    if (split.names.size() != 1) {
        Fail(result, "The syntax of the command is incorrect.");
        return result;
    }
    const std::string full = GetFullPathName(split.names[0]);
    const bool ok = HasSwitch(split, "S") ? DeleteTree(full) : RemoveDirectory(full);
    if (!ok) FailWithLastError(result);
    return result;
}

}  // namespace win32
