#pragma once
// File-name parts of Windows paths ("C:\Program Files\Tool\help.hlp").
// The delimiters are "\" and the drive colon; "/" is an ordinary character.

#include <string>
#include <string_view>

// Up to and including the last "\" or ":": "C:\a\b.txt" -> "C:\a\".
std::string ExtractFilePath(std::string_view fileName);
// As ExtractFilePath without the final "\" unless that is the root's:
// "C:\a\b.txt" -> "C:\a", "C:\b.txt" -> "C:\".
std::string ExtractFileDir(std::string_view fileName);
// After the last "\" or ":".
std::string ExtractFileName(std::string_view fileName);
// From the last "." of the name part on, dot included; "" when the name
// has no dot.
std::string ExtractFileExt(std::string_view fileName);
// "C:" of "C:\a", "\\server\share" of "\\server\share\a", else "".
std::string ExtractFileDrive(std::string_view fileName);
// The name with its extension replaced by `extension` (which carries its
// dot) or added when it has none.
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);

// Adds "\" unless the path already ends with one (so "" becomes "\", as
// the class library does).
std::string IncludeTrailingBackslash(std::string_view path);
// Removes one trailing "\".
std::string ExcludeTrailingBackslash(std::string_view path);
// True when the character at the 1-based `index` is "\".
bool IsPathDelimiter(std::string_view path, int index);
