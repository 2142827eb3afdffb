#pragma once
// TIniFile: the class library's INI file over the machine's profile calls
// (win32/profile_files.h). Every call reads or writes the file at once;
// writing keeps the rest of the file. A name without folder lives in the
// Windows directory. Writes that fail raise EIniFileException
// "Unable to write to <file>".

#include <cstdint>
#include <string>

#include "vcl/classes/strings.h"
#include "vcl/system/exception.h"
#include "vcl/system/object.h"

class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

class TIniFile : public TObject {
public:
    explicit TIniFile(const std::string& fileName) : fileName_(fileName) {}
    std::string ClassName() const override { return "TIniFile"; }

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue) const;
    // The value as a decimal or "$"-hexadecimal number; `defaultValue` when
    // missing or not a number.
    int32_t ReadInteger(const std::string& section, const std::string& ident, int32_t defaultValue) const;
    // A number other than 0 is true.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
    // Writes "1" or "0".
    void WriteBool(const std::string& section, const std::string& ident, bool value);

    // The key names of a section, in file order.
    void ReadSection(const std::string& section, TStrings& strings) const;
    void ReadSections(TStrings& strings) const;
    // The "key=value" lines of a section.
    void ReadSectionValues(const std::string& section, TStrings& strings) const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& ident);
    // A section counts as existing when it holds a key.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;

private:
    std::string fileName_;
};
