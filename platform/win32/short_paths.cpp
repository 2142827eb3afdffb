#include "win32/short_paths.h"

#include "win32/errors.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/short_names.h"

namespace win32 {

std::string GetShortPathName(const std::string& longPath) {
    MachineLock lock;
    const auto resolved = ResolveExisting(longPath);
    if (!resolved) return "";
    WindowsPath shortPath{resolved->path.drive, {}};
    auto host = resolved->host;
    std::vector<std::filesystem::path> folders;
    for (size_t i = resolved->path.names.size(); i-- > 0;) {
        host = host.parent_path();
        folders.insert(folders.begin(), host);
    }
    for (size_t i = 0; i < resolved->path.names.size(); ++i)
        shortPath.names.push_back(ShortNameOf(folders[i], resolved->path.names[i]));
    SetLastError(ERROR_SUCCESS);
    return shortPath.Text();
}

std::string GetLongPathName(const std::string& shortPath) {
    const auto resolved = ResolveExisting(shortPath);
    if (!resolved) return "";
    SetLastError(ERROR_SUCCESS);
    return resolved->path.Text();
}

}  // namespace win32
