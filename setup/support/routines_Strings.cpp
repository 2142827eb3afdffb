#include "support/routines_Strings.h"

std::string AddTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

std::string EntryPath(std::string_view entry) { return std::string(entry.substr(0, entry.find(';'))); }
