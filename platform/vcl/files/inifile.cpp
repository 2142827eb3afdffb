#include "vcl/files/inifile.h"

#include <charconv>

#include "win32/codepage.h"
#include "win32/profile_files.h"

namespace {
std::string KeyOf(const std::string& line) {
    std::string key = line.substr(0, line.find('='));
    key.erase(key.find_last_not_of(" \t") + 1);
    return key;
}

// The class library's StrToIntDef: optional sign, decimal or "$"/"0x" hex.
int32_t ToInteger(const std::string& text, int32_t fallback) {
    std::string digits = text;
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative || (!digits.empty() && digits[0] == '+')) digits.erase(0, 1);
    int base = 10;
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.erase(0, 1);
    } else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return fallback;
    value = negative ? -value : value;
    if (base == 16 && value > INT32_MAX && value <= UINT32_MAX) return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (value < INT32_MIN || value > INT32_MAX) return fallback;
    return static_cast<int32_t>(value);
}
}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    return win32::GetPrivateProfileString(section, ident, defaultValue, fileName_);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident, int32_t defaultValue) const {
    return ToInteger(ReadString(section, ident, ""), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    if (!win32::WritePrivateProfileString(section, ident, value, fileName_))
        throw EIniFileException("Unable to write to " + fileName_);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    for (const std::string& line : win32::GetPrivateProfileSection(section, fileName_)) strings.Add(KeyOf(line));
    strings.EndUpdate();
}

void TIniFile::ReadSections(TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    for (const std::string& name : win32::GetPrivateProfileSectionNames(fileName_)) strings.Add(name);
    strings.EndUpdate();
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    for (const std::string& line : win32::GetPrivateProfileSection(section, fileName_)) strings.Add(line);
    strings.EndUpdate();
}

void TIniFile::EraseSection(const std::string& section) {
    if (!win32::WritePrivateProfileString(section, std::nullopt, std::nullopt, fileName_))
        throw EIniFileException("Unable to write to " + fileName_);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    if (!win32::WritePrivateProfileString(section, ident, std::nullopt, fileName_))
        throw EIniFileException("Unable to write to " + fileName_);
}

bool TIniFile::SectionExists(const std::string& section) const {
    return !win32::GetPrivateProfileSection(section, fileName_).empty();
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
    for (const std::string& line : win32::GetPrivateProfileSection(section, fileName_)) {
        const std::string key = KeyOf(line);
        if (win32::CompareString(win32::LOCALE_USER_DEFAULT, win32::NORM_IGNORECASE, key, ident) == win32::CSTR_EQUAL)
            return true;
    }
    return false;
}
