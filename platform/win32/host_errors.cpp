#include "win32/host_errors.h"

#include <cerrno>

#include "win32/errors.h"

namespace win32 {

uint32_t WindowsErrorFromErrno(int error) {
    switch (error) {
        case 0: return ERROR_SUCCESS;
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS: return ERROR_ACCESS_DENIED;
        case EEXIST: return ERROR_ALREADY_EXISTS;
        case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
        case ENOSPC:
        case EDQUOT: return ERROR_DISK_FULL;
        case EMFILE:
        case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        case EXDEV: return ERROR_NOT_SAME_DEVICE;
        case EBUSY: return ERROR_BUSY;
        case EINVAL: return ERROR_INVALID_PARAMETER;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        case EIO: return ERROR_GEN_FAILURE;
        default: return ERROR_GEN_FAILURE;
    }
}

bool FailFromErrno() {
    SetLastError(WindowsErrorFromErrno(errno));
    return false;
}

}  // namespace win32
