#include "win32/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "win32/attribute_store.h"
#include "win32/attributes.h"
#include "win32/drives.h"
#include "win32/errors.h"
#include "win32/floppy.h"
#include "win32/host_errors.h"
#include "win32/machine_lock.h"
#include "win32/open_file.h"
#include "win32/share_locks.h"
#include "win32/short_names.h"

namespace win32 {

namespace {
uint32_t RightsOf(uint32_t access) {
    uint32_t rights = 0;
    if (access & (GENERIC_READ | GENERIC_ALL | FILE_READ_DATA | GENERIC_EXECUTE)) rights |= kRightRead;
    if (access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA | FILE_APPEND_DATA)) rights |= kRightWrite;
    if (access & (DELETE | GENERIC_ALL)) rights |= kRightDelete;
    return rights;
}

OpenFile* FileOf(HANDLE handle) {
    OpenFile* file = HandleObject<OpenFile>(handle);
    if (file == nullptr) SetLastError(ERROR_INVALID_HANDLE);
    return file;
}

int64_t RoundToSector(int64_t bytes) {
    return (bytes + kFloppySectorSize - 1) / kFloppySectorSize * kFloppySectorSize;
}

int64_t HostSize(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 ? static_cast<int64_t>(info.st_size) : 0;
}

// How many of `count` bytes at `position` fit on the disk of `file`; all of
// them except on a floppy.
int64_t BytesThatFit(const OpenFile& file, int64_t position, int64_t count) {
    if (file.path.drive != 'A') return count;
    const int64_t size = HostSize(file.fd);
    const int64_t end = position + count;
    if (end <= size) return count;
    const int64_t free = std::max<int64_t>(0, kFloppyCapacity - FloppyUsedBytes());
    const int64_t limit = RoundToSector(size) + free;
    return std::clamp<int64_t>(limit - position, 0, count);
}

void NoteWrite(OpenFile& file) {
    if (file.written) return;
    file.written = true;
    MarkArchive(file.host);
}
}  // namespace

OpenFile::~OpenFile() {
    if (fd >= 0) close(fd);
}

HANDLE CreateFile(const std::string& fileName, uint32_t desiredAccess, uint32_t shareMode, void* securityAttributes,
                  uint32_t creationDisposition, uint32_t flagsAndAttributes, HANDLE templateFile) {
    if (securityAttributes != nullptr || templateFile != nullptr || creationDisposition < CREATE_NEW ||
        creationDisposition > TRUNCATE_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const uint32_t rights = RightsOf(desiredAccess);
    if (creationDisposition == TRUNCATE_EXISTING && !(rights & kRightWrite)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    MachineLock lock;
    const auto resolved = ResolveWindowsPath(fileName);
    if (!resolved) return INVALID_HANDLE_VALUE;
    if (!resolved->parentExists || resolved->path.IsRoot()) {
        SetLastError(resolved->path.IsRoot() ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const bool exists = resolved->exists;
    if (exists && resolved->isDirectory) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (exists && creationDisposition == CREATE_NEW) {
        SetLastError(ERROR_FILE_EXISTS);
        return INVALID_HANDLE_VALUE;
    }
    if (!exists && (creationDisposition == OPEN_EXISTING || creationDisposition == TRUNCATE_EXISTING)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const bool truncate = exists && (creationDisposition == CREATE_ALWAYS || creationDisposition == TRUNCATE_EXISTING);
    if (exists && (ReadHostAttributes(resolved->host) & FILE_ATTRIBUTE_READONLY) &&
        ((rights & (kRightWrite | kRightDelete)) || truncate)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    const int mode = (rights & kRightWrite) || truncate ? O_RDWR : O_RDONLY;
    const int fd = open(resolved->host.c_str(), mode | O_CLOEXEC | (exists ? 0 : O_CREAT | O_EXCL), 0666);
    if (fd < 0) {
        FailFromErrno();
        return INVALID_HANDLE_VALUE;
    }
    if (!TakeShareLocks(fd, rights, shareMode)) {
        close(fd);
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncate && ftruncate(fd, 0) != 0) {
        FailFromErrno();
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    if (!exists) {
        ShortNameOf(resolved->host.parent_path(), resolved->path.Name());
        const uint32_t given = flagsAndAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                                     FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE);
        WriteHostAttributes(resolved->host, given | FILE_ATTRIBUTE_ARCHIVE);
    } else if (truncate) {
        MarkArchive(resolved->host);
    }
    auto file = std::make_unique<OpenFile>(fd, rights, resolved->path, resolved->host);
    SetLastError(exists && (creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS)
                     ? ERROR_ALREADY_EXISTS
                     : ERROR_SUCCESS);
    const uint32_t result = GetLastError();
    HANDLE handle = AddHandle(std::move(file));
    SetLastError(result);
    return handle;
}

bool ReadFile(HANDLE handle, void* buffer, uint32_t bytesToRead, uint32_t* bytesRead, void* overlapped) {
    if (bytesRead) *bytesRead = 0;
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    if (overlapped != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (!(file->rights & kRightRead)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    uint32_t done = 0;
    while (done < bytesToRead) {
        const ssize_t n = pread(file->fd, static_cast<char*>(buffer) + done, bytesToRead - done, file->position);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FailFromErrno();
        if (n == 0) break;
        done += static_cast<uint32_t>(n);
        file->position += n;
    }
    if (bytesRead) *bytesRead = done;
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool WriteFile(HANDLE handle, const void* buffer, uint32_t bytesToWrite, uint32_t* bytesWritten, void* overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    if (overlapped != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (!(file->rights & kRightWrite)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    NoteWrite(*file);
    const int64_t fits = BytesThatFit(*file, file->position, bytesToWrite);
    int64_t done = 0;
    while (done < fits) {
        const ssize_t n = pwrite(file->fd, static_cast<const char*>(buffer) + done,
                                 static_cast<size_t>(fits - done), file->position);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (bytesWritten) *bytesWritten = static_cast<uint32_t>(done);
            return FailFromErrno();
        }
        done += n;
        file->position += n;
    }
    if (bytesWritten) *bytesWritten = static_cast<uint32_t>(done);
    if (done < bytesToWrite) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool SetFilePointerEx(HANDLE handle, int64_t distanceToMove, int64_t* newFilePointer, uint32_t moveMethod) {
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    int64_t base = 0;
    switch (moveMethod) {
        case FILE_BEGIN: base = 0; break;
        case FILE_CURRENT: base = file->position; break;
        case FILE_END: base = HostSize(file->fd); break;
        default: SetLastError(ERROR_INVALID_PARAMETER); return false;
    }
    const int64_t target = base + distanceToMove;
    if (target < 0) {
        SetLastError(ERROR_NEGATIVE_SEEK);
        return false;
    }
    file->position = target;
    if (newFilePointer) *newFilePointer = target;
    SetLastError(ERROR_SUCCESS);
    return true;
}

uint32_t SetFilePointer(HANDLE handle, int32_t distanceToMove, int32_t* distanceToMoveHigh, uint32_t moveMethod) {
    // Without a high part the distance is a signed 32-bit number.
    const int64_t distance = distanceToMoveHigh
                                 ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceToMoveHigh)) << 32) |
                                                        static_cast<uint32_t>(distanceToMove))
                                 : distanceToMove;
    int64_t position = 0;
    if (!SetFilePointerEx(handle, distance, &position, moveMethod)) return INVALID_SET_FILE_POINTER;
    if (distanceToMoveHigh) *distanceToMoveHigh = static_cast<int32_t>(position >> 32);
    return static_cast<uint32_t>(position);
}

bool SetEndOfFile(HANDLE handle) {
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    if (!(file->rights & kRightWrite)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const int64_t size = HostSize(file->fd);
    if (file->position > size && BytesThatFit(*file, size, file->position - size) < file->position - size) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    NoteWrite(*file);
    if (ftruncate(file->fd, file->position) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool GetFileSizeEx(HANDLE handle, int64_t* fileSize) {
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    if (fileSize) *fileSize = HostSize(file->fd);
    SetLastError(ERROR_SUCCESS);
    return true;
}

uint32_t GetFileSize(HANDLE handle, uint32_t* fileSizeHigh) {
    int64_t size = 0;
    if (!GetFileSizeEx(handle, &size)) return INVALID_FILE_SIZE;
    if (fileSizeHigh) *fileSizeHigh = static_cast<uint32_t>(static_cast<uint64_t>(size) >> 32);
    return static_cast<uint32_t>(size);
}

bool FlushFileBuffers(HANDLE handle) {
    OpenFile* file = FileOf(handle);
    if (file == nullptr) return false;
    if (!(file->rights & kRightWrite)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (fsync(file->fd) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace win32
