#include "win32/find_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "win32/attribute_store.h"
#include "win32/errors.h"
#include "win32/host_names.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/short_names.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
class Search : public KernelObject {
public:
    std::vector<WIN32_FIND_DATA> entries;
    size_t next = 0;
};

WIN32_FIND_DATA Describe(const fs::path& host, const std::string& name, const std::string& shortName) {
    WIN32_FIND_DATA data;
    struct stat info {};
    stat(host.c_str(), &info);
    data.dwFileAttributes = ReadHostAttributes(host);
    data.ftCreationTime = HostTimeToFileTime(info.st_mtim);
    data.ftLastAccessTime = HostTimeToFileTime(info.st_atim);
    data.ftLastWriteTime = HostTimeToFileTime(info.st_mtim);
    if (!S_ISDIR(info.st_mode)) {
        data.nFileSizeLow = static_cast<uint32_t>(info.st_size);
        data.nFileSizeHigh = static_cast<uint32_t>(static_cast<uint64_t>(info.st_size) >> 32);
    }
    data.cFileName = name;
    data.cAlternateFileName = IsShortName(name) ? "" : shortName;
    return data;
}

bool Match(const char* p, const char* n) {
    for (; *p; ++p) {
        if (*p == '*') {
            while (p[1] == '*') ++p;
            for (const char* rest = n;; ++rest) {
                if (Match(p + 1, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (*p == '?') {
            if (*n) ++n;  // "?" also matches nothing at the end of a name
            continue;
        }
        if (!*n) return false;
        if (*p != *n) return false;
        ++n;
    }
    return *n == '\0';
}
}  // namespace

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    std::string p = UpperName(pattern);
    std::string n = UpperName(name);
    // "x.*" also matches "x": Windows treats a final ".*" as optional.
    if (p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 && n.find('.') == std::string::npos)
        p.erase(p.size() - 2);
    if (p == "*") return true;
    return Match(p.c_str(), n.c_str());
}

HANDLE FindFirstFile(const std::string& fileName, WIN32_FIND_DATA& findFileData) {
    const auto parsed = ParseWindowsPath(fileName, true);
    if (!parsed) return INVALID_HANDLE_VALUE;
    if (parsed->IsRoot()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    MachineLock lock;
    const auto folder = ResolvePath(parsed->Parent());
    if (!folder) return INVALID_HANDLE_VALUE;
    if (!folder->exists || !folder->isDirectory) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const std::string pattern = parsed->Name();
    auto search = std::make_unique<Search>();
    std::vector<std::pair<std::string, WIN32_FIND_DATA>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder->host, error)) {
        const std::string name = HostNameToAnsi(entry.path().filename().string());
        const bool wild = pattern.find_first_of("*?") != std::string::npos;
        const bool longMatch = wild ? MatchesWildcard(pattern, name) : SameName(pattern, name);
        std::string shortName = IsShortName(name) || !longMatch ? "" : ShortNameOf(folder->host, name);
        if (!longMatch) {
            // A pattern may name the short form ("PROGRA~1", "*~1").
            shortName = ShortNameOf(folder->host, name);
            if (!(wild ? MatchesWildcard(pattern, shortName) : SameName(pattern, shortName))) continue;
        }
        if (shortName.empty()) shortName = name;
        found.emplace_back(UpperName(name), Describe(entry.path(), name, shortName));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (!folder->path.IsRoot()) {
        for (const char* dot : {"..", "."})
            if (MatchesWildcard(pattern, dot) && pattern.find_first_of("*?") != std::string::npos)
                found.insert(found.begin(), {dot, Describe(folder->host, dot, "")});
    }
    if (found.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    for (auto& [key, data] : found) search->entries.push_back(std::move(data));
    findFileData = search->entries[0];
    search->next = 1;
    SetLastError(ERROR_SUCCESS);
    return AddHandle(std::move(search));
}

bool FindNextFile(HANDLE findFile, WIN32_FIND_DATA& findFileData) {
    Search* search = HandleObject<Search>(findFile);
    if (search == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (search->next >= search->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return false;
    }
    findFileData = search->entries[search->next++];
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool FindClose(HANDLE findFile) {
    if (HandleObject<Search>(findFile) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return CloseHandle(findFile);
}

}  // namespace win32
