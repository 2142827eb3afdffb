#pragma once
// SHChangeNotify: the machine has no shell windows to refresh, so every
// event is recorded, one line each, in the file "shell-changes.log" of the
// machine folder, where tests and the machine tool read it back.

#include <cstdint>
#include <string>
#include <vector>

namespace win32 {

enum : int32_t {
    SHCNE_RENAMEITEM = 0x00000001,
    SHCNE_CREATE = 0x00000002,
    SHCNE_DELETE = 0x00000004,
    SHCNE_MKDIR = 0x00000008,
    SHCNE_RMDIR = 0x00000010,
    SHCNE_UPDATEDIR = 0x00001000,
    SHCNE_UPDATEITEM = 0x00002000,
    SHCNE_ASSOCCHANGED = 0x08000000,
    SHCNE_ALLEVENTS = 0x7FFFFFFF,
};

enum : uint32_t {
    SHCNF_IDLIST = 0x0000,  // items are ITEMIDLIST pointers
    SHCNF_PATH = 0x0001,    // items are ANSI path texts (const char*)
    SHCNF_DWORD = 0x0003,
    SHCNF_FLUSH = 0x1000,
    SHCNF_FLUSHNOWAIT = 0x2000,
    SHCNF_TYPE = 0x00FF,
};

// Records an event. Items are read by the type in `flags`: a path text, an
// item list (its path), a number; null items are recorded empty.
void SHChangeNotify(int32_t eventId, uint32_t flags, const void* item1, const void* item2);

struct ShellChangeEvent {
    int32_t eventId = 0;
    uint32_t flags = 0;
    std::string item1, item2;
    bool operator==(const ShellChangeEvent&) const = default;
};

// The events recorded in the current machine, oldest first.
std::vector<ShellChangeEvent> RecordedShellChanges();

}  // namespace win32
