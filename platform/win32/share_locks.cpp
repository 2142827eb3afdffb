#include "win32/share_locks.h"

#include <fcntl.h>
#include <unistd.h>

namespace win32 {

namespace {
constexpr off_t kBase = off_t{1} << 62;
constexpr uint32_t kRights[] = {kRightRead, kRightWrite, kRightDelete};

off_t UseByte(int index) { return kBase + index; }
off_t DenyByte(int index) { return kBase + 3 + index; }

// Whether another open file description holds a lock on `byte`.
bool Held(int fd, off_t byte) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    if (fcntl(fd, F_OFD_GETLK, &lock) != 0) return false;
    return lock.l_type != F_UNLCK;
}

bool Take(int fd, off_t byte) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool Conflicts(int fd, uint32_t rights, uint32_t share) {
    for (int i = 0; i < 3; ++i) {
        if ((rights & kRights[i]) && Held(fd, DenyByte(i))) return true;
        if (!(share & kRights[i]) && Held(fd, UseByte(i))) return true;
    }
    return false;
}
}  // namespace

bool TakeShareLocks(int fd, uint32_t rights, uint32_t share) {
    if (Conflicts(fd, rights, share)) return false;
    for (int i = 0; i < 3; ++i) {
        if (rights & kRights[i]) Take(fd, UseByte(i));
        if (!(share & kRights[i])) Take(fd, DenyByte(i));
    }
    return true;
}

bool RightsAvailable(const std::filesystem::path& host, uint32_t rights) {
    const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return true;  // nothing open can hold what cannot be opened
    const bool available = !Conflicts(fd, rights, kRightRead | kRightWrite | kRightDelete);
    close(fd);
    return available;
}

}  // namespace win32
