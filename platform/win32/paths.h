#pragma once
// Windows paths of the machine: parsing, resolution onto the host without
// regard to case, the process's current directory, and the conversion of
// host paths at the edges of the programs (command line, file dialogs).
//
// Parsing follows Windows: "/" is taken for "\", "." and ".." are folded,
// trailing spaces and dots of every name are dropped, a path without drive
// is taken from the current directory, "X:name" from the current directory
// when it is on X: (else the root of X:). Network paths ("\\server\share")
// are refused with ERROR_BAD_NETPATH, names with characters Windows forbids
// with ERROR_INVALID_NAME, paths of MAX_PATH characters or more with
// ERROR_FILENAME_EXCED_RANGE.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

inline constexpr size_t MAX_PATH = 260;

struct WindowsPath {
    char drive = 'C';                // upper-case drive letter
    std::vector<std::string> names;  // the names below the root, ANSI

    // "C:\" for a root, else "C:\dir\name".
    std::string Text() const;
    bool IsRoot() const { return names.empty(); }
    WindowsPath Parent() const;
    // The last name; empty for a root.
    std::string Name() const { return names.empty() ? std::string() : names.back(); }
    WindowsPath Child(const std::string& name) const;
};

// A full path from `path`; nullopt with the last error set for a bad path.
// With `wildcards` the last name may hold "*" and "?".
std::optional<WindowsPath> ParseWindowsPath(const std::string& path, bool wildcards = false);

struct ResolvedPath {
    WindowsPath path;            // with the case of the names that exist
    std::filesystem::path host;  // where it is (or would be) on the host
    bool exists = false;         // the whole path names an existing entry
    bool parentExists = false;   // the folder that would hold it exists
    bool isDirectory = false;
};

// Resolves a path onto the host, matching existing names without regard to
// case (and short names to their long names); names that do not exist keep
// their case. Nullopt with the last error for a bad path or a drive that
// does not exist (ERROR_PATH_NOT_FOUND).
std::optional<ResolvedPath> ResolveWindowsPath(const std::string& path, bool wildcards = false);
std::optional<ResolvedPath> ResolvePath(const WindowsPath& path);
// ResolveWindowsPath for a path that must exist: nullopt with
// ERROR_FILE_NOT_FOUND (or ERROR_PATH_NOT_FOUND when its folder is missing)
// otherwise.
std::optional<ResolvedPath> ResolveExisting(const std::string& path);

// The process's current directory (initially the host's working directory
// seen through the machine's drives).
const WindowsPath& CurrentDirectoryPath();
void SetCurrentDirectoryPath(const WindowsPath& path);
// Sets the current directory, or with nullopt lets it start again from the
// host's working directory at the next use; returns the previous setting.
std::optional<WindowsPath> SwapCurrentDirectoryPath(std::optional<WindowsPath> path);

// Host path to Windows path: a path inside the machine's drive C: folder (or
// the disk in drive A:) is seen on that drive, any other on Z: ("/home/ann/x"
// is "Z:\home\ann\x"). Relative host paths are taken from the host's working
// directory.
std::string HostToWindowsPath(const std::filesystem::path& host);
// Windows path to host path; nullopt with the last error for a bad path.
std::optional<std::filesystem::path> WindowsToHostPath(const std::string& path);

}  // namespace win32
