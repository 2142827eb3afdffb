#include "win32/delayed_moves.h"

#include <algorithm>

#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/machine.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/profile_text.h"
#include "win32/registry/registry.h"
#include "win32/short_paths.h"

namespace win32 {

namespace {
constexpr const char* kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kPendingValue = "PendingFileRenameOperations";
constexpr const char* kObjectPrefix = "\\??\\";

// The list's strings, read by the value's length: a deletion's empty
// target makes a double zero inside the list, so the usual end mark of a
// multi-string cannot be trusted.
std::vector<std::string> ReadStrings() {
    std::vector<std::string> strings;
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return strings;
    uint32_t size = 0;
    std::string data;
    if (RegQueryValueEx(key, kPendingValue, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        data.resize(size);
        if (RegQueryValueEx(key, kPendingValue, nullptr, nullptr, reinterpret_cast<uint8_t*>(data.data()), &size) !=
            ERROR_SUCCESS)
            data.clear();
        data.resize(size);
    }
    RegCloseKey(key);
    if (!data.empty() && data.back() == '\0') data.pop_back();  // the list's end mark
    size_t start = 0;
    while (start < data.size()) {
        const size_t end = std::min(data.find('\0', start), data.size());
        strings.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}

bool WriteStrings(const std::vector<std::string>& strings) {
    HKEY key = 0;
    LONG rc = RegCreateKeyEx(HKEY_LOCAL_MACHINE, kSessionManager, 0, "", REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                             &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        std::string data;
        for (const std::string& s : strings) data += s + '\0';
        data += '\0';
        rc = RegSetValueEx(key, kPendingValue, 0, REG_MULTI_SZ, reinterpret_cast<const uint8_t*>(data.data()),
                           static_cast<uint32_t>(data.size()));
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        SetLastError(static_cast<uint32_t>(rc));
        return false;
    }
    return true;
}

bool RecordInWininit(const WindowsPath& source, const std::optional<WindowsPath>& destination) {
    const std::string shortSource = GetShortPathName(source.Text());
    if (shortSource.empty()) return false;
    std::string key = "NUL";
    if (destination) {
        // The destination may not exist yet: its folder's short path and the name.
        const std::string folder = GetShortPathName(destination->Parent().Text());
        if (folder.empty()) return false;
        const std::string file = destination->Name();
        const auto existing = GetShortPathName(destination->Text());
        key = !existing.empty() ? existing : folder + (folder.back() == '\\' ? "" : "\\") + file;
        SetLastError(ERROR_SUCCESS);
    }
    const std::string wininit = GetWindowsDirectory() + "\\WININIT.INI";
    const auto bytes = ReadWholeFile(wininit);
    if (!bytes && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    ProfileText text(bytes.value_or(""));
    text.AppendLine("Rename", key + "=" + shortSource);
    return WriteWholeFile(wininit, text.Bytes());
}
}  // namespace

bool RecordDelayedMove(const std::string& source, const std::optional<std::string>& destination, bool replace) {
    const auto from = ParseWindowsPath(source);
    if (!from) return false;
    std::optional<WindowsPath> to;
    if (destination) {
        to = ParseWindowsPath(*destination);
        if (!to) return false;
    }
    MachineLock lock;
    if (Is9xFamily(CurrentMachine().Config().version)) return RecordInWininit(*from, to);
    std::vector<std::string> strings = ReadStrings();
    strings.push_back(kObjectPrefix + from->Text());
    strings.push_back(to ? (replace ? "!" : "") + std::string(kObjectPrefix) + to->Text() : "");
    if (!WriteStrings(strings)) return false;
    SetLastError(ERROR_SUCCESS);
    return true;
}

std::vector<PendingMove> PendingFileRenameOperations() {
    MachineLock lock;
    const std::vector<std::string> strings = ReadStrings();
    std::vector<PendingMove> moves;
    auto strip = [](std::string text) {
        if (text.rfind(kObjectPrefix, 0) == 0) text.erase(0, 4);
        return text;
    };
    for (size_t i = 0; i + 1 < strings.size(); i += 2) {
        PendingMove move;
        move.source = strip(strings[i]);
        std::string target = strings[i + 1];
        move.replace = !target.empty() && target[0] == '!';
        if (move.replace) target.erase(0, 1);
        move.destination = strip(target);
        moves.push_back(move);
    }
    return moves;
}

void ClearPendingFileRenameOperations() {
    MachineLock lock;
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValue(key, kPendingValue);
    RegCloseKey(key);
}

}  // namespace win32
