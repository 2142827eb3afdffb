#include "win32/errors.h"

#include <map>

namespace win32 {

namespace {
thread_local uint32_t lastError = ERROR_SUCCESS;

const std::map<uint32_t, std::string>& SystemTexts() {
    static const std::map<uint32_t, std::string> texts = {
        {ERROR_SUCCESS, "The operation completed successfully."},
        {ERROR_INVALID_FUNCTION, "Incorrect function."},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
        {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
        {ERROR_ACCESS_DENIED, "Access is denied."},
        {ERROR_INVALID_HANDLE, "The handle is invalid."},
        {ERROR_NOT_ENOUGH_MEMORY, "Not enough storage is available to process this command."},
        {ERROR_BAD_FORMAT, "An attempt was made to load a program with an incorrect format."},
        {ERROR_INVALID_ACCESS, "The access code is invalid."},
        {ERROR_INVALID_DATA, "The data is invalid."},
        {ERROR_OUTOFMEMORY, "Not enough storage is available to complete this operation."},
        {ERROR_INVALID_DRIVE, "The system cannot find the drive specified."},
        {ERROR_CURRENT_DIRECTORY, "The directory cannot be removed."},
        {ERROR_NOT_SAME_DEVICE, "The system cannot move the file to a different disk drive."},
        {ERROR_NO_MORE_FILES, "There are no more files."},
        {ERROR_WRITE_PROTECT, "The media is write protected."},
        {ERROR_NOT_READY, "The device is not ready."},
        {ERROR_WRITE_FAULT, "The system cannot write to the specified device."},
        {ERROR_READ_FAULT, "The system cannot read from the specified device."},
        {ERROR_GEN_FAILURE, "A device attached to the system is not functioning."},
        {ERROR_SHARING_VIOLATION,
         "The process cannot access the file because it is being used by another process."},
        {ERROR_LOCK_VIOLATION,
         "The process cannot access the file because another process has locked a portion of the file."},
        {ERROR_WRONG_DISK, "The wrong diskette is in the drive."},
        {ERROR_HANDLE_EOF, "Reached the end of the file."},
        {ERROR_HANDLE_DISK_FULL, "The disk is full."},
        {ERROR_NOT_SUPPORTED, "The request is not supported."},
        {ERROR_BAD_NETPATH, "The network path was not found."},
        {ERROR_FILE_EXISTS, "The file exists."},
        {ERROR_CANNOT_MAKE, "The directory or file cannot be created."},
        {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
        {ERROR_BROKEN_PIPE, "The pipe has been ended."},
        {ERROR_DISK_FULL, "There is not enough space on the disk."},
        {ERROR_CALL_NOT_IMPLEMENTED, "This function is not supported on this system."},
        {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
        {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect."},
        {ERROR_MOD_NOT_FOUND, "The specified module could not be found."},
        {ERROR_PROC_NOT_FOUND, "The specified procedure could not be found."},
        {ERROR_NEGATIVE_SEEK, "An attempt was made to move the file pointer before the beginning of the file."},
        {ERROR_DIR_NOT_EMPTY, "The directory is not empty."},
        {ERROR_BAD_PATHNAME, "The specified path is invalid."},
        {ERROR_BUSY, "The requested resource is in use."},
        {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
        {ERROR_BAD_EXE_FORMAT, "%1 is not a valid Win32 application."},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."},
        {ERROR_MORE_DATA, "More data is available."},
        {ERROR_NO_MORE_ITEMS, "No more data is available."},
        {ERROR_DIRECTORY, "The directory name is invalid."},
        {ERROR_NOT_OWNER, "Attempt to release mutex not owned by caller."},
        {ERROR_BADDB, "The configuration registry database is corrupt."},
        {ERROR_BADKEY, "The configuration registry key is invalid."},
        {ERROR_CANTOPEN, "The configuration registry key could not be opened."},
        {ERROR_CANTREAD, "The configuration registry key could not be read."},
        {ERROR_CANTWRITE, "The configuration registry key could not be written."},
        {ERROR_REGISTRY_CORRUPT,
         "The registry is corrupted. The structure of one of the files containing registry data is "
         "corrupted, or the system's memory image of the file is corrupted, or the file could not be "
         "recovered because the alternate copy or log was absent or corrupted."},
        {ERROR_KEY_DELETED, "Illegal operation attempted on a registry key that has been marked for deletion."},
        {ERROR_CHILD_MUST_BE_VOLATILE,
         "Cannot create a stable subkey under a volatile parent key."},
        {ERROR_PRIVILEGE_NOT_HELD, "A required privilege is not held by the client."},
        {ERROR_RESOURCE_DATA_NOT_FOUND, "The specified image file did not contain a resource section."},
        {ERROR_RESOURCE_TYPE_NOT_FOUND, "The specified resource type cannot be found in the image file."},
        {ERROR_RESOURCE_NAME_NOT_FOUND, "The specified resource name cannot be found in the image file."},
    };
    return texts;
}
}  // namespace

uint32_t GetLastError() { return lastError; }
void SetLastError(uint32_t code) { lastError = code; }

std::string SystemErrorMessage(uint32_t code) {
    const auto& texts = SystemTexts();
    const auto it = texts.find(code);
    if (it != texts.end()) return it->second;
    return "Unknown error " + std::to_string(code);
}

std::string InOutErrorMessage(uint32_t code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return "File not found";
        case ERROR_PATH_NOT_FOUND: return "Path not found";
        case ERROR_TOO_MANY_OPEN_FILES: return "Too many open files";
        case ERROR_ACCESS_DENIED: return "File access denied";
        case ERROR_INVALID_NAME: return "Invalid filename";
        case ERROR_SHARING_VIOLATION: return "Sharing violation";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case IOERROR_DISK_FULL: return "Disk full";
        case IOERROR_READ_BEYOND_END: return "Read beyond end of file";
        case IOERROR_INVALID_INPUT: return "Invalid numeric input";
        default: return SystemErrorMessage(code);
    }
}

}  // namespace win32
