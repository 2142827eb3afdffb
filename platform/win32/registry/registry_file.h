#pragma once
// Export and import of registry keys in the registry editor's text format.
//
// Written files start with "Windows Registry Editor Version 5.00" or
// "REGEDIT4", then one block per key: "[HKEY_LOCAL_MACHINE\SOFTWARE\Key]"
// followed by its values and an empty line. Keys come in the registry's
// listing order, parents before their sub-keys, values in their order.
// Value lines:
//   @="default value"          "name"="text with \\ and \" escaped"
//   "n"=dword:0000000a          "b"=hex:01,02,ff
//   "e"=hex(2):25,00,...        "m"=hex(7):...   (any other type: hex(<type in hex>):)
// Hex data is wrapped as the registry editor wraps it: a line ends with
// "," and "\" once it reaches 77 columns (so no line is longer than 80), and
// continuation lines start with two blanks.
//
// Encoding. Real Windows writes version 5.00 files in UTF-16; ours are
// 8-bit ANSI text (code page 1252) with CR LF line ends for both versions.
// In version 5.00 files the hex data of string types (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ) is UTF-16LE, as in Windows' files; in REGEDIT4 files it is
// the ANSI bytes. A REG_SZ that a quoted text cannot hold exactly (no
// terminating zero, a zero or line break inside) is written as hex(1) so
// that nothing is lost; a REG_DWORD that is not 4 bytes long as hex(4).
//
// Import reads ANSI files and UTF-16LE or UTF-8 files that begin with a
// byte order mark, with CR LF or LF line ends. "[-key]" deletes the key
// with its sub-keys, "name"=- deletes a value; lines starting with ";" are
// comments. Key paths may use the usual root abbreviations (HKLM, HKCU,
// ...). The whole file is checked before anything is changed and then
// applied in one transaction, so a bad file changes nothing. Import works
// as the machine's administrator: it ignores the user's read-only marks.

#include <stdexcept>
#include <string>

#include "win32/registry/registry_store.h"

namespace win32 {

enum class RegistryFileFormat { Version5, Regedit4 };

// A file that cannot be imported, or a key that cannot be exported.
// Line() is the 1-based line of the fault in the file (0 when the fault is
// not in a file); the message names it ("Line 4: ...").
class RegistryFileError : public std::runtime_error {
public:
    RegistryFileError(int line, const std::string& message);
    int Line() const { return line_; }

private:
    int line_;
};

// The file text of the key `keyPath` ("HKEY_CURRENT_USER\Software\Tarn",
// or a root alone) with everything below it; an empty path exports the
// whole registry (each stored hive once: HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_CURRENT_CONFIG, HKEY_DYN_DATA). A missing key is a RegistryFileError.
std::string ExportRegistry(RegistryStore& store, const std::string& keyPath, RegistryFileFormat format);

// Applies a registry file (its bytes as read from disk).
void ImportRegistry(RegistryStore& store, const std::string& fileBytes);

}  // namespace win32
