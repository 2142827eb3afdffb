#include "win32/module.h"

#include <filesystem>

#include "win32/errors.h"
#include "win32/paths.h"

namespace win32 {

std::string GetModuleFileName(void* module) {
    if (module != nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return "";
    }
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return "";
    }
    SetLastError(ERROR_SUCCESS);
    return HostToWindowsPath(self);
}

std::string GetProgramDirectory() {
    const std::string file = GetModuleFileName();
    const size_t slash = file.rfind('\\');
    if (slash == std::string::npos) return file;
    return file.substr(0, slash == 2 ? 3 : slash);
}

}  // namespace win32
