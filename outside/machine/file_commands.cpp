// ls and cat.

#include <cstdint>
#include <string>

#include "machine_commands.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/find_files.h"
#include "win32/paths.h"

namespace machinetool {

namespace {
// `text` padded with blanks on the left (right) to `width` columns.
std::string RightAligned(const std::string& text, size_t width) {
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}
std::string LeftAligned(const std::string& text, size_t width) {
    return text + std::string(text.size() < width ? width - text.size() : 0, ' ');
}
}  // namespace

int ListCommand(const Invocation& call, std::ostream& out) {
    if (call.rest.size() != 1) throw ToolError("usage: machine ls WINPATH");
    OpenMachine(call.folder);
    const std::string path = Typed(call.rest[0]);
    const auto resolved = win32::ResolveExisting(path);
    if (!resolved) throw ToolError(LastErrorText(path));
    const std::string pattern = resolved->isDirectory ? resolved->path.Child("*").Text() : resolved->path.Text();
    win32::WIN32_FIND_DATA data;
    const win32::HANDLE search = win32::FindFirstFile(pattern, data);
    if (search == win32::INVALID_HANDLE_VALUE) {
        if (win32::GetLastError() == win32::ERROR_FILE_NOT_FOUND) return 0;  // an empty root
        throw ToolError(LastErrorText(path));
    }
    do {
        if (data.cFileName == "." || data.cFileName == "..") continue;
        const bool folder = data.dwFileAttributes & win32::FILE_ATTRIBUTE_DIRECTORY;
        const uint64_t size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        out << RightAligned(folder ? "<DIR>" : std::to_string(size), 12) << "  "
            << LeftAligned(Shown(data.cAlternateFileName), 12) << "  " << Shown(data.cFileName) << "\n";
    } while (win32::FindNextFile(search, data));
    win32::FindClose(search);
    return 0;
}

int CatCommand(const Invocation& call, std::ostream& out) {
    if (call.rest.size() != 1) throw ToolError("usage: machine cat WINPATH");
    OpenMachine(call.folder);
    const std::string path = Typed(call.rest[0]);
    const auto bytes = win32::ReadWholeFile(path);
    if (!bytes) throw ToolError(LastErrorText(path));
    out << *bytes;
    return 0;
}

}  // namespace machinetool
