#pragma once
// Version resources and the overwrite decisions built on them.
//
// TVersionResource reads the version resource of a file into its
// TVersionInfo: the fixed part (file and product version, OS, type and
// subtype as texts) and the strings of one string table, chosen by
// Language and CharacterSet (by default \StringFileInfo\040904E4\). Setting
// FileName, Language or CharacterSet reads again at once. A file without a
// version resource, or with an unreadable one, leaves every field empty.
//
// The comparisons decide whether a new file replaces an existing one under
// an overwrite rule; they read versions through the program-wide reader
// (VersionReader) and dates from the open files.

#include <cstdint>
#include <string>

#include "vcl/classes/component.h"
#include "vcl/system/datetime.h"

enum TLanguage {
    lnArabic, lnBulgarian, lnCatalan, lnTraditionalChinese, lnCzech, lnDanish, lnGerman, lnGreek,
    lnUSEnglish, lnCastilianSpanish, lnFinnish, lnFrench, lnHebrew, lnHungarian, lnIcelandic, lnItalian,
    lnJapanese, lnKorean, lnDutch, lnNorwegianBokmal, lnPolish, lnBrazilianPortuguese, lnRhaetoRomanic,
    lnRomanian, lnRussian, lnCroatoSerbian, lnSlovak, lnAlbanian, lnSwedish, lnThai, lnTurkish, lnUrdu,
    lnBahasa, lnSimplifiedChinese, lnSwissGerman, lnUKEnglish, lnMexicanSpanish, lnBelgianFrench,
    lnSwissItalian, lnBelgianDutch, lnNorwegianNynorsk, lnPortuguese, lnSerboCroatian, lnCanadianFrench,
    lnSwissFrench,
};

enum TCharacterSet {
    csASCII, csJapan, csKorea, csTaiwan, csUnicode, csLatin2, csCyrillic, csMultilingual, csGreek,
    csTurkish, csHebrew, csArabic,
};

// The rule for an existing destination file.
enum TOverwriteType { owAlways, owNever, owVersion, owDate, owVersionDate, owAsk };

// The Windows language identifier (0x0409 for lnUSEnglish) and code page
// (1252 for csMultilingual) of a string table.
uint16_t LanguageIdentifier(TLanguage language);
uint16_t CodePageOf(TCharacterSet characterSet);

class TVersionInfo : public TPersistent {
public:
    std::string ClassName() const override { return "TVersionInfo"; }
    void Assign(const TPersistent* source) override;
    // Empties every field.
    void Clear();

    std::string Comment, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
        LegalTradeMarks, OriginalFileName, PrivateBuild, ProductName, ProductVersion, SpecialBuild, FileOS,
        FileType, FileSubType;
};

class TVersionResource : public TComponent {
public:
    // Reads the running program's own file.
    explicit TVersionResource(TComponent* owner);
    ~TVersionResource() override;
    std::string ClassName() const override { return "TVersionResource"; }

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName);
    TLanguage Language() const { return language_; }
    void SetLanguage(TLanguage language);
    TCharacterSet CharacterSet() const { return characterSet_; }
    void SetCharacterSet(TCharacterSet characterSet);
    // Owned; setting it copies the content.
    TVersionInfo* VersionInfo() const { return versionInfo_; }
    void SetVersionInfo(const TVersionInfo* info);

protected:
    void Loaded() override;

private:
    void ReadVersionInfo();
    void Changed();

    std::string fileName_;
    TLanguage language_ = lnUSEnglish;
    TCharacterSet characterSet_ = csMultilingual;
    TVersionInfo* versionInfo_;
};

// Declares TVersionInfo and TVersionResource to the class registry.
void RegisterVersionClasses();

// The program-wide reader; made again when it has been freed.
TVersionResource& VersionReader();
void FreeVersionReader();

// Results of the comparisons.
inline constexpr int kCompareFailed = 0;
inline constexpr int kCompareSame = 1;     // keep the existing file
inline constexpr int kCompareReplace = 2;  // replace the existing file
inline constexpr int kCompareKeep = 3;     // keep it: it is newer, or the rule forbids replacing
inline constexpr int kCompareAsk = 4;      // ask the user

// 0 when equal, 1 when `a` is greater, 2 when `b` is. Parts between "."
// compare as numbers when both are integers, else character by character;
// the first empty part ends the comparison (the shorter version is less).
int CompareVersions(const std::string& a, const std::string& b);

// Compares two files on disk: their FileVersion and last-write dates.
int IsFileNewerByName(const std::string& newFile, const std::string& existingFile, TOverwriteType rule);
// Compares a version and date known for the new file (from an archive)
// with a file on disk.
int IsFileNewerByVersion(const std::string& newVersion, const std::string& existingFile, TOverwriteType rule,
                         TDateTime newDate);
