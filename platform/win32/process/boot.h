#pragma once
// Starting the machine's Windows again: what Windows does at start before
// anyone logs on, in its order.
//
// 1. The recorded restart request (restart.h) is cleared.
// 2. NT family: the pending file moves (PendingFileRenameOperations) in
//    their order; a move without target deletes its source, a replacing
//    move replaces the target, any other fails when the target exists. The
//    list is emptied.
// 3. 9x family: the [Rename] lines of WININIT.INI in the Windows folder in
//    their order, "target=source" replacing the target, "NUL=source"
//    deleting the source; then WININIT.INI becomes WININIT.BAK.
// 4. Keys created volatile leave the registry.
// 5. The RunOnce commands of HKEY_LOCAL_MACHINE, then those of
//    HKEY_CURRENT_USER (key Software\Microsoft\Windows\CurrentVersion\RunOnce),
//    each in value order: the value is removed, then its command runs (a
//    name starting with "!" is removed only after the command ran), and the
//    boot waits for it to end. Commands start in the system folder (the
//    Windows folder on 9x).
//
// A step that fails is reported and the others still run. The registry is
// opened for the current machine when no registry is open.

#include <string>
#include <vector>

namespace win32 {

struct BootStep {
    std::string action;  // "Delayed move C:\a.1 -> C:\a", "RunOnce HKEY_LOCAL_MACHINE Name: command", ...
    bool ok = true;
    std::string detail;  // the failure's text, or a command's exit code
};

struct BootReport {
    std::vector<BootStep> steps;

    bool AllSucceeded() const;
    // One line a step: "ok: <action>" or "FAILED: <action>: <detail>", with
    // the detail of successful steps in brackets when there is one.
    std::string Text() const;
};

// Boots the current machine.
BootReport BootMachine();

}  // namespace win32
