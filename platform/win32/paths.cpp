#include "win32/paths.h"

#include <unistd.h>

#include <cctype>
#include <mutex>

#include "win32/drives.h"
#include "win32/errors.h"
#include "win32/floppy.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/short_names.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
bool IsForbidden(unsigned char c, bool wildcards) {
    if (c < 32) return true;
    if (wildcards && (c == '*' || c == '?')) return false;
    return std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

// Windows drops trailing spaces and dots of a name ("a. " is "a").
std::string TrimName(const std::string& name) {
    if (name == "." || name == "..") return name;
    const size_t end = name.find_last_not_of(" .");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::optional<WindowsPath>& CurrentSlot() {
    static std::optional<WindowsPath> current;
    return current;
}

// `prefix` contains `path` on the host (both absolute and normal).
std::optional<fs::path> RelativeInside(const fs::path& path, const fs::path& prefix) {
    auto p = path.begin();
    for (auto q = prefix.begin(); q != prefix.end(); ++q, ++p) {
        if (q->empty()) continue;  // the empty name after a trailing "/"
        if (p == path.end() || *p != *q) return std::nullopt;
    }
    fs::path rest;
    for (; p != path.end(); ++p)
        if (!p->empty()) rest /= *p;
    return rest;
}

std::string JoinOnDrive(char drive, const fs::path& relative) {
    WindowsPath path;
    path.drive = drive;
    for (const auto& part : relative) path.names.push_back(HostNameToAnsi(part.string()));
    return path.Text();
}
}  // namespace

std::string WindowsPath::Text() const {
    std::string text{drive, ':', '\\'};
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += '\\';
        text += names[i];
    }
    return text;
}

WindowsPath WindowsPath::Parent() const {
    WindowsPath parent = *this;
    if (!parent.names.empty()) parent.names.pop_back();
    return parent;
}

WindowsPath WindowsPath::Child(const std::string& name) const {
    WindowsPath child = *this;
    child.names.push_back(name);
    return child;
}

std::optional<WindowsPath> ParseWindowsPath(const std::string& text, bool wildcards) {
    std::string path = text;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        SetLastError(ERROR_BAD_NETPATH);
        return std::nullopt;
    }
    WindowsPath result;
    size_t pos = 0;
    const bool hasDrive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    const WindowsPath& current = CurrentDirectoryPath();
    if (hasDrive) {
        result.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        pos = 2;
        if (pos >= path.size() || path[pos] != '\\') {
            if (current.drive == result.drive) result.names = current.names;
        }
    } else {
        result.drive = current.drive;
        if (path[0] != '\\') result.names = current.names;
    }
    std::vector<std::string> parts;
    for (size_t start = pos; start <= path.size();) {
        const size_t end = std::min(path.find('\\', start), path.size());
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const std::string name = TrimName(parts[i]);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!result.names.empty()) result.names.pop_back();
            continue;
        }
        for (unsigned char c : name) {
            if (IsForbidden(c, wildcards && last)) {
                SetLastError(ERROR_INVALID_NAME);
                return std::nullopt;
            }
        }
        if (name.size() > 255) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return std::nullopt;
        }
        result.names.push_back(name);
    }
    if (result.Text().size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return std::nullopt;
    }
    return result;
}

std::optional<ResolvedPath> ResolvePath(const WindowsPath& path) {
    const auto root = DriveHostRoot(path.drive);
    if (!root) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    ResolvedPath resolved;
    resolved.path.drive = path.drive;
    resolved.host = *root;
    std::error_code error;
    bool present = fs::is_directory(*root, error);
    resolved.parentExists = present;
    resolved.isDirectory = present;
    for (size_t i = 0; i < path.names.size(); ++i) {
        const std::string& wanted = path.names[i];
        std::optional<std::string> found;
        if (present && resolved.isDirectory) {
            if (fs::exists(fs::symlink_status(resolved.host / AnsiToHostName(wanted), error))) {
                found = wanted;
            } else {
                for (const auto& entry : fs::directory_iterator(resolved.host, error)) {
                    const std::string name = HostNameToAnsi(entry.path().filename().string());
                    if (SameName(name, wanted)) {
                        found = name;
                        break;
                    }
                }
                if (!found && wanted.find('~') != std::string::npos) found = LongNameOfShort(resolved.host, wanted);
            }
        }
        resolved.parentExists = present && resolved.isDirectory;
        present = found.has_value();
        const std::string name = found.value_or(wanted);
        resolved.path.names.push_back(name);
        resolved.host /= AnsiToHostName(name);
        resolved.isDirectory = present && fs::is_directory(resolved.host, error);
    }
    resolved.exists = present;
    if (path.names.empty()) resolved.parentExists = present;
    return resolved;
}

std::optional<ResolvedPath> ResolveWindowsPath(const std::string& path, bool wildcards) {
    const auto parsed = ParseWindowsPath(path, wildcards);
    if (!parsed) return std::nullopt;
    return ResolvePath(*parsed);
}

std::optional<ResolvedPath> ResolveExisting(const std::string& path) {
    auto resolved = ResolveWindowsPath(path);
    if (!resolved) return std::nullopt;
    if (!resolved->exists) {
        SetLastError(resolved->parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    return resolved;
}

const WindowsPath& CurrentDirectoryPath() {
    auto& current = CurrentSlot();
    if (!current) {
        std::error_code error;
        const fs::path here = fs::current_path(error);
        WindowsPath start;
        start.drive = 'C';
        if (!error) {
            const std::string text = HostToWindowsPath(here);
            start.drive = text[0];
            for (size_t s = 3; s < text.size();) {
                const size_t e = std::min(text.find('\\', s), text.size());
                start.names.push_back(text.substr(s, e - s));
                s = e + 1;
            }
        }
        current = start;
    }
    return *current;
}

void SetCurrentDirectoryPath(const WindowsPath& path) { CurrentSlot() = path; }

std::optional<WindowsPath> SwapCurrentDirectoryPath(std::optional<WindowsPath> path) {
    std::swap(CurrentSlot(), path);
    return path;
}

std::string HostToWindowsPath(const fs::path& host) {
    std::error_code error;
    const fs::path full = fs::absolute(host, error).lexically_normal();
    const Machine& machine = CurrentMachine();
    const fs::path driveC = fs::weakly_canonical(machine.DriveCFolder(), error);
    if (auto inside = RelativeInside(full, driveC)) return JoinOnDrive('C', *inside);
    if (auto inside = RelativeInside(full, machine.DriveCFolder().lexically_normal()))
        return JoinOnDrive('C', *inside);
    if (auto inside = RelativeInside(full, InsertedFloppyFolder().lexically_normal()))
        return JoinOnDrive('A', *inside);
    return JoinOnDrive('Z', full.relative_path());
}

std::optional<fs::path> WindowsToHostPath(const std::string& path) {
    const auto resolved = ResolveWindowsPath(path);
    if (!resolved) return std::nullopt;
    return resolved->host;
}

}  // namespace win32
