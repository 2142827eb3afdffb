#include "win32/delayed_moves.h"

#include <fstream>
#include <iterator>

#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/machine.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/profile_text.h"
#include "win32/short_paths.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
constexpr const char* kNote =
    "; PendingFileRenameOperations of HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager, kept here until "
    "the registry holds it";
constexpr const char* kObjectPrefix = "\\??\\";

fs::path ListFile() { return CurrentMachine().Folder() / kPendingRenamesFile; }

std::vector<std::string> ReadStrings() {
    std::ifstream in(ListFile(), std::ios::binary);
    std::vector<std::string> strings;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first && line.rfind(";", 0) == 0) {
            first = false;
            continue;
        }
        first = false;
        strings.push_back(line);
    }
    return strings;
}

bool WriteStrings(const std::vector<std::string>& strings) {
    const fs::path temporary = ListFile().string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << kNote << "\r\n";
        for (const std::string& s : strings) out << s << "\r\n";
        if (!out.flush()) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, ListFile(), error);
    if (error) {
        SetLastError(ERROR_WRITE_FAULT);
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
    std::error_code error;
    fs::remove(ListFile(), error);
}

}  // namespace win32
