#pragma once
// 8.3 short names, made as Windows makes them: the long name upper-cased,
// without spaces and inner dots, characters invalid in short names turned
// into "_", the first six characters of the base, "~" and the lowest free
// number, and the first three characters of the extension ("Program Files"
// -> "PROGRA~1", "setup.config" -> "SETUP~1.CON"). A name that is already a
// valid 8.3 name is its own short name, upper-cased ("Setup.ini" ->
// "SETUP.INI") as a FAT directory holds it.
//
// A short name is made once and stored with the file (an extended attribute
// of the host file), so it stays the same across runs and leads back to its
// long name. Where the host refuses to store it the name is made anew on
// each request. Callers hold the machine lock while names are made.

#include <filesystem>
#include <optional>
#include <string>

namespace win32 {

// Whether `name` is a valid 8.3 name (any case).
bool IsShortName(const std::string& name);

// The short name of the entry `longName` (ANSI) of the host folder `dir`:
// its stored short name, the upper-cased name when it is 8.3, else a new one
// unique in `dir`, stored.
std::string ShortNameOf(const std::filesystem::path& dir, const std::string& longName);

// The long name (ANSI) of the entry of `dir` whose short name is `shortName`
// (compared without regard to case).
std::optional<std::string> LongNameOfShort(const std::filesystem::path& dir, const std::string& shortName);

// Drops the stored short name of a host file, after it moved to another
// name or folder; the next request makes a new one there.
void ForgetShortName(const std::filesystem::path& hostFile);

}  // namespace win32
