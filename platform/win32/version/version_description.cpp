#include "win32/version/version_description.h"

#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string>

#include "win32/codepage.h"

namespace win32 {
namespace {

[[noreturn]] void Fail(size_t line, const std::string& what)
{
    throw std::invalid_argument("version description line " + std::to_string(line) + ": " + what);
}

uint64_t Number(std::string_view text, int base, uint64_t max, size_t line)
{
    if (base == 10 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > max)
        Fail(line, "bad number \"" + std::string(text) + "\"");
    return value;
}

// "1.0.0.23" as the two double words of the fixed part.
void FourPartVersion(std::string_view text, uint32_t& ms, uint32_t& ls, size_t line)
{
    uint32_t parts[4];
    for (int i = 0; i < 4; ++i) {
        const size_t dot = i < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos)
            Fail(line, "a version needs four parts");
        parts[i] = uint32_t(Number(text.substr(0, dot), 10, 0xFFFF, line));
        text.remove_prefix(i < 3 ? dot + 1 : dot);
    }
    ms = parts[0] << 16 | parts[1];
    ls = parts[2] << 16 | parts[3];
}

bool IsHex(std::string_view text, size_t digits)
{
    if (text.size() != digits)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

}  // namespace

VersionBlockContents ParseVersionDescription(std::string_view text)
{
    VersionBlockContents contents;
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line[0] == '#')
            continue;
        const size_t space = line.find(' ');
        const std::string_view word = line.substr(0, space);
        const std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        VS_FIXEDFILEINFO& fixed = contents.fixed;

        if (word == "file-version")
            FourPartVersion(rest, fixed.dwFileVersionMS, fixed.dwFileVersionLS, lineNumber);
        else if (word == "product-version")
            FourPartVersion(rest, fixed.dwProductVersionMS, fixed.dwProductVersionLS, lineNumber);
        else if (word == "file-flags")
            fixed.dwFileFlags = uint32_t(Number(rest, 10, 0xFFFFFFFF, lineNumber));
        else if (word == "file-os")
            fixed.dwFileOS = uint32_t(Number(rest, 10, 0xFFFFFFFF, lineNumber));
        else if (word == "file-type")
            fixed.dwFileType = uint32_t(Number(rest, 10, 0xFFFFFFFF, lineNumber));
        else if (word == "file-subtype")
            fixed.dwFileSubtype = uint32_t(Number(rest, 10, 0xFFFFFFFF, lineNumber));
        else if (word == "table") {
            if (!IsHex(rest, 8))
                Fail(lineNumber, "a table is named by eight hex digits");
            contents.stringTables.push_back({MultiByteToWideChar(CP_UTF8, rest), {}});
        } else if (word == "string") {
            const size_t equals = rest.find('=');
            if (contents.stringTables.empty())
                Fail(lineNumber, "a string before any table");
            if (equals == std::string_view::npos || equals == 0)
                Fail(lineNumber, "a string is written Key=Value");
            contents.stringTables.back().strings.emplace_back(MultiByteToWideChar(CP_UTF8, rest.substr(0, equals)),
                                                              MultiByteToWideChar(CP_UTF8, rest.substr(equals + 1)));
        } else if (word == "translation") {
            const size_t gap = rest.find(' ');
            if (gap == std::string_view::npos || !IsHex(rest.substr(0, gap), 4) || !IsHex(rest.substr(gap + 1), 4))
                Fail(lineNumber, "a translation is two four-digit hex numbers");
            contents.translations.push_back({uint16_t(Number(rest.substr(0, gap), 16, 0xFFFF, lineNumber)),
                                             uint16_t(Number(rest.substr(gap + 1), 16, 0xFFFF, lineNumber))});
        } else {
            Fail(lineNumber, "unknown statement \"" + std::string(word) + "\"");
        }
    }
    return contents;
}

}  // namespace win32
