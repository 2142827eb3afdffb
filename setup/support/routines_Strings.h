#pragma once
// Path text helpers used throughout the setup program.

#include <string>
#include <string_view>

// Adds "\" unless `path` is empty or already ends with one.
std::string AddTrailingBackslash(std::string_view path);
// The part of a source entry before its first ";" ("C:\a.txt;1" -> "C:\a.txt").
std::string EntryPath(std::string_view entry);
