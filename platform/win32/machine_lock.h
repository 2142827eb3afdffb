#pragma once
// The machine-wide lock: held while a call checks and changes state that
// several processes of the machine share (share-mode locks, short names,
// delayed moves, the floppy in the drive). It is an exclusive lock on the
// file "machine.lock" of the machine folder, re-entrant within a process;
// the host releases it when the process dies.

#include <filesystem>

namespace win32 {

class MachineLock {
public:
    // Locks the current machine.
    MachineLock();
    // Locks the machine in `folder`.
    explicit MachineLock(const std::filesystem::path& folder);
    ~MachineLock();
    MachineLock(const MachineLock&) = delete;
    MachineLock& operator=(const MachineLock&) = delete;

private:
    void Acquire(const std::filesystem::path& folder);
};

}  // namespace win32
