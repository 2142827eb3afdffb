#pragma once
// ShellExecute: the shell's "open" (and other verbs) on a program, a
// document or an address.
//
// - A program (".exe", ".com", ".bat", ".cmd", or a file without extension)
//   is started with `parameters` (processes.h); a bare name is searched as
//   CreateProcess searches it.
// - A document is opened by its registered class: HKEY_CLASSES_ROOT\.ext
//   names the class, whose shell\<verb>\command holds the command line;
//   "%1" and "%L" become the document's full path, "%*" the parameters; a
//   command without "%1" gets the quoted path appended.
// - An address ("http://...", "ftp://...", "mailto:...") is opened by the
//   command of its protocol's class (HKEY_CLASSES_ROOT\http, ...).
// - An internet shortcut (".URL") without a registered class opens the
//   address of its [InternetShortcut] URL value.
// - A folder has no browser here: SE_ERR_NOASSOC.
// The verb is "open" when empty. The show state reaches the program's
// start-up record. The started program is not waited for.
//
// Returns a value above 32 on success, else one of the codes below.

#include <cstdint>
#include <string>

namespace win32 {

enum : intptr_t {
    SE_ERR_FNF = 2,
    SE_ERR_PNF = 3,
    SE_ERR_ACCESSDENIED = 5,
    SE_ERR_OOM = 8,
    SE_ERR_BAD_FORMAT = 11,  // ERROR_BAD_FORMAT: not a program this machine can run
    SE_ERR_SHARE = 26,
    SE_ERR_ASSOCINCOMPLETE = 27,
    SE_ERR_NOASSOC = 31,
};

intptr_t ShellExecute(void* hwnd, const std::string& operation, const std::string& file, const std::string& parameters,
                      const std::string& directory, int32_t showCmd);

}  // namespace win32
