#include "win32/machine_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <mutex>

#include "win32/machine.h"

namespace win32 {

namespace {
struct LockState {
    std::recursive_mutex mutex;
    int depth = 0;
    int fd = -1;
};
LockState& State() {
    static LockState state;
    return state;
}
}  // namespace

MachineLock::MachineLock() { Acquire(CurrentMachine().Folder()); }
MachineLock::MachineLock(const std::filesystem::path& folder) { Acquire(folder); }

void MachineLock::Acquire(const std::filesystem::path& folder) {
    LockState& state = State();
    state.mutex.lock();
    if (state.depth++ > 0) return;
    const std::string file = (folder / kMachineLockFile).string();
    state.fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (state.fd < 0) return;  // a read-only machine folder: nothing to share with then
    while (flock(state.fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

MachineLock::~MachineLock() {
    LockState& state = State();
    if (--state.depth == 0 && state.fd >= 0) {
        flock(state.fd, LOCK_UN);
        close(state.fd);
        state.fd = -1;
    }
    state.mutex.unlock();
}

}  // namespace win32
