#pragma once
// Finding the program CreateProcess starts, the way Windows finds it, and
// what kind of program the file is.
//
// With an application name: that file, from the current directory, no
// search and no extension added. Without one: the first word of the command
// line; a quoted word is taken whole, an unquoted command line with blanks
// is tried at each blank from the shortest prefix on ("C:\Program Files\a
// b.exe" tries "C:\Program" first). A name without extension gets ".exe",
// and is then also tried as it is, for host programs without extension. A
// name without folder is searched in the running program's folder, the
// current directory, the system folder, (on the NT family) the 16-bit
// system folder, and the Windows folder.
//
// Kinds: ".bat" and ".cmd" files are batch files; files starting with the
// ELF magic or "#!" are host programs; anything else (a Windows PE file
// included) is ERROR_BAD_EXE_FORMAT, a folder ERROR_ACCESS_DENIED.

#include <filesystem>
#include <optional>
#include <string>

namespace win32 {

enum class ProgramKind { Host, Batch };

struct Program {
    std::string path;            // full Windows path
    std::filesystem::path host;  // the file on the host
    ProgramKind kind = ProgramKind::Host;
};

// The program of a CreateProcess call; nullopt with the last error set
// (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_BAD_EXE_FORMAT,
// ERROR_ACCESS_DENIED, ERROR_INVALID_PARAMETER for no program at all).
std::optional<Program> FindProgram(const std::string& applicationName, const std::string& commandLine);

// The extension of the last name of a path, upper-cased with its dot
// (".EXE"); empty when it has none.
std::string UpperFileExtension(const std::string& path);

// The kind of the existing file `fullPath`; nullopt with the last error.
std::optional<Program> IdentifyProgram(const std::string& fullPath);

}  // namespace win32
