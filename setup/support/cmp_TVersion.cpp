#include "support/cmp_TVersion.h"

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "support/routines_FileSystem.h"
#include "vcl/classes/class_builder.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/convert.h"
#include "vcl/system/strutils.h"
#include "win32/module.h"
#include "win32/version/version_info.h"

uint16_t LanguageIdentifier(TLanguage language) {
    static constexpr uint16_t kSecondary[] = {0x0804, 0x0807, 0x0809, 0x080A, 0x080C, 0x0810,
                                              0x0813, 0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C};
    if (language <= lnBahasa) return static_cast<uint16_t>(0x0401 + language);
    return kSecondary[language - lnSimplifiedChinese];
}

uint16_t CodePageOf(TCharacterSet characterSet) {
    static constexpr uint16_t kCodePages[] = {0, 932, 949, 950, 1200, 1250, 1251, 1252, 1253, 1254, 1255, 1256};
    return kCodePages[characterSet];
}

void TVersionInfo::Assign(const TPersistent* source) {
    if (auto* info = dynamic_cast<const TVersionInfo*>(source)) {
        Comment = info->Comment;
        CompanyName = info->CompanyName;
        FileDescription = info->FileDescription;
        FileVersion = info->FileVersion;
        InternalName = info->InternalName;
        LegalCopyright = info->LegalCopyright;
        LegalTradeMarks = info->LegalTradeMarks;
        OriginalFileName = info->OriginalFileName;
        PrivateBuild = info->PrivateBuild;
        ProductName = info->ProductName;
        ProductVersion = info->ProductVersion;
        SpecialBuild = info->SpecialBuild;
        FileOS = info->FileOS;
        FileType = info->FileType;
        FileSubType = info->FileSubType;
        return;
    }
    TPersistent::Assign(source);
}

void TVersionInfo::Clear() {
    TVersionInfo empty;
    Assign(&empty);
}

namespace {

std::string VersionText(uint32_t ms, uint32_t ls) {
    return IntToStr(ms >> 16) + "." + IntToStr(ms & 0xFFFF) + "." + IntToStr(ls >> 16) + "." + IntToStr(ls & 0xFFFF);
}

std::string FileOSText(uint32_t os) {
    switch (os) {
    case 0x00000001: return "Windows 3.0 or later";
    case 0x00000002: return "16 bit OS/2 Presentation Manager";
    case 0x00000003: return "32 bit OS/2 Presentation Manager";
    case 0x00000004: return "32 bit Windows";
    case 0x00010000: return "MS-Dos";
    case 0x00010001: return "Windows 3.0 or later with MS-Dos";
    case 0x00010004: return "32 bit Windows with MS-Dos";
    case 0x00020000: return "16 bit OS/2";
    case 0x00020002: return "16 bit OS/2 with Presentation Manager";
    case 0x00030000: return "32 bit OS/2";
    case 0x00030003: return "32 bit OS/2 with Presentation Manager";
    case 0x00040000: return "Windows NT";
    case 0x00040004: return "Windows NT with 32 bit Windows";
    default: return "Unknown";
    }
}

std::string FileTypeText(uint32_t type) {
    switch (type) {
    case 1: return "Application";
    case 2: return "Dynamic-Link Library";
    case 3: return "Device Driver";
    case 4: return "Font";
    case 5: return "Virtual Device Driver";
    case 7: return "Static-Link Library";
    default: return "Unknown";
    }
}

std::string FileSubTypeText(uint32_t type, uint32_t subtype) {
    static const char* const kDrivers[] = {"Printer", "Keyboard", "Language", "Display", "Mouse",
                                           "Network", "System", "Installable", "Sound", "Communications"};
    static const char* const kFonts[] = {"Raster", "Vector", "TrueType"};
    if (type == 3) return subtype >= 1 && subtype <= 10 ? kDrivers[subtype - 1] : "Unknown";
    if (type == 4) return subtype >= 1 && subtype <= 3 ? kFonts[subtype - 1] : "Unknown";
    return "";
}

// The text of `path` in `data`, or nullopt when the resource lacks it.
std::optional<std::string> QueryText(const std::vector<uint8_t>& data, const std::string& path) {
    const void* value = nullptr;
    uint32_t length = 0;
    if (!win32::VerQueryValue(data.data(), path, &value, &length)) return std::nullopt;
    // The text is NUL-terminated; the length counts the NUL when present.
    return std::string(static_cast<const char*>(value), strnlen(static_cast<const char*>(value), length));
}

}  // namespace

TVersionResource::TVersionResource(TComponent* owner)
    : TComponent(owner), fileName_(win32::GetModuleFileName()), versionInfo_(new TVersionInfo) {
    ReadVersionInfo();
}

TVersionResource::~TVersionResource() { delete versionInfo_; }

void TVersionResource::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
    Changed();
}

void TVersionResource::SetLanguage(TLanguage language) {
    language_ = language;
    Changed();
}

void TVersionResource::SetCharacterSet(TCharacterSet characterSet) {
    characterSet_ = characterSet;
    Changed();
}

void TVersionResource::SetVersionInfo(const TVersionInfo* info) { versionInfo_->Assign(info); }

void TVersionResource::Loaded() {
    TComponent::Loaded();
    ReadVersionInfo();
}

// While the form is read, the setters only store; Loaded reads once.
void TVersionResource::Changed() {
    if (!ComponentState().Contains(csLoading)) ReadVersionInfo();
}

void TVersionResource::ReadVersionInfo() {
    TVersionInfo& info = *versionInfo_;
    info.Clear();
    uint32_t handle = 0;
    const uint32_t size = win32::GetFileVersionInfoSize(fileName_, &handle);
    if (size == 0) return;
    std::vector<uint8_t> data(size);
    if (!win32::GetFileVersionInfo(fileName_, handle, size, data.data())) return;

    const void* value = nullptr;
    uint32_t length = 0;
    if (!win32::VerQueryValue(data.data(), "\\", &value, &length) || length < sizeof(win32::VS_FIXEDFILEINFO))
        return;
    win32::VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    info.FileVersion = VersionText(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
    info.ProductVersion = VersionText(fixed.dwProductVersionMS, fixed.dwProductVersionLS);
    info.FileOS = FileOSText(fixed.dwFileOS);
    info.FileType = FileTypeText(fixed.dwFileType);
    info.FileSubType = FileSubTypeText(fixed.dwFileType, fixed.dwFileSubtype);

    const std::string table = "\\StringFileInfo\\" + IntToHex(uint32_t(LanguageIdentifier(language_)), 4) +
                              IntToHex(uint32_t(CodePageOf(characterSet_)), 4) + "\\";
    const std::pair<const char*, std::string TVersionInfo::*> keys[] = {
        {"Comments", &TVersionInfo::Comment},
        {"CompanyName", &TVersionInfo::CompanyName},
        {"FileDescription", &TVersionInfo::FileDescription},
        {"InternalName", &TVersionInfo::InternalName},
        {"LegalCopyright", &TVersionInfo::LegalCopyright},
        {"LegalTradeMarks", &TVersionInfo::LegalTradeMarks},
        {"OriginalFileName", &TVersionInfo::OriginalFileName},
        {"PrivateBuild", &TVersionInfo::PrivateBuild},
        {"ProductName", &TVersionInfo::ProductName},
        {"ProductVersion", &TVersionInfo::ProductVersion},
        {"SpecialBuild", &TVersionInfo::SpecialBuild},
    };
    for (const auto& [key, field] : keys)
        if (std::optional<std::string> text = QueryText(data, table + key)) info.*field = *text;
}

void RegisterVersionClasses() {
    using I = TVersionInfo;
    auto text = [](std::string I::*field) {
        return std::pair{[field](I& i) { return i.*field; }, [field](I& i, const std::string& v) { i.*field = v; }};
    };
    auto info = DeclareClass<I, TPersistent>("TVersionInfo");
    const std::pair<const char*, std::string I::*> fields[] = {
        {"Comment", &I::Comment},
        {"CompanyName", &I::CompanyName},
        {"FileDescription", &I::FileDescription},
        {"FileVersion", &I::FileVersion},
        {"InternalName", &I::InternalName},
        {"LegalCopyright", &I::LegalCopyright},
        {"LegalTradeMarks", &I::LegalTradeMarks},
        {"OriginalFileName", &I::OriginalFileName},
        {"PrivateBuild", &I::PrivateBuild},
        {"ProductName", &I::ProductName},
        {"ProductVersion", &I::ProductVersion},
        {"SpecialBuild", &I::SpecialBuild},
        {"FileOS", &I::FileOS},
        {"FileType", &I::FileType},
        {"FileSubType", &I::FileSubType},
    };
    for (const auto& [name, field] : fields) {
        auto [get, set] = text(field);
        info.String(name, get, set);
    }
    RegisterClass(info);

    using R = TVersionResource;
    RegisterClass(
        DeclareClass<R, TComponent>("TVersionResource")
            .String("FileName", &R::FileName, &R::SetFileName)
            .Enum("Language",
                  {"lnArabic", "lnBulgarian", "lnCatalan", "lnTraditionalChinese", "lnCzech", "lnDanish", "lnGerman",
                   "lnGreek", "lnUSEnglish", "lnCastilianSpanish", "lnFinnish", "lnFrench", "lnHebrew",
                   "lnHungarian", "lnIcelandic", "lnItalian", "lnJapanese", "lnKorean", "lnDutch",
                   "lnNorwegianBokmal", "lnPolish", "lnBrazilianPortuguese", "lnRhaetoRomanic", "lnRomanian",
                   "lnRussian", "lnCroatoSerbian", "lnSlovak", "lnAlbanian", "lnSwedish", "lnThai", "lnTurkish",
                   "lnUrdu", "lnBahasa", "lnSimplifiedChinese", "lnSwissGerman", "lnUKEnglish",
                   "lnMexicanSpanish", "lnBelgianFrench", "lnSwissItalian", "lnBelgianDutch",
                   "lnNorwegianNynorsk", "lnPortuguese", "lnSerboCroatian", "lnCanadianFrench", "lnSwissFrench"},
                  &R::Language, &R::SetLanguage, lnUSEnglish)
            .Enum("CharacterSet",
                  {"csASCII", "csJapan", "csKorea", "csTaiwan", "csUnicode", "csLatin2", "csCyrillic",
                   "csMultilingual", "csGreek", "csTurkish", "csHebrew", "csArabic"},
                  &R::CharacterSet, &R::SetCharacterSet, csMultilingual)
            .Persistent("VersionInfo", [](R& r) { return r.VersionInfo(); }));
}

namespace {
std::unique_ptr<TVersionResource>& Reader() {
    static std::unique_ptr<TVersionResource> reader;
    return reader;
}
}  // namespace

TVersionResource& VersionReader() {
    if (!Reader()) Reader() = std::make_unique<TVersionResource>(nullptr);
    return *Reader();
}

void FreeVersionReader() { Reader().reset(); }

int CompareVersions(const std::string& a, const std::string& b) {
    // The part of `text` from `from` to the next "." (or the end); `from`
    // moves past that dot.
    auto nextPart = [](const std::string& text, size_t& from) {
        if (from > text.size()) return std::string();
        const size_t dot = text.find('.', from);
        const size_t end = dot == std::string::npos ? text.size() : dot;
        std::string part = text.substr(from, end - from);
        from = dot == std::string::npos ? text.size() + 1 : dot + 1;
        return part;
    };
    size_t ia = 0, ib = 0;
    for (;;) {
        const std::string pa = nextPart(a, ia), pb = nextPart(b, ib);
        if (pa.empty() || pb.empty()) {
            if (pa.empty() && pb.empty()) return 0;
            return pa.empty() ? 2 : 1;
        }
        int32_t na = 0, nb = 0;
        const int order = TryStrToInt(pa, na) && TryStrToInt(pb, nb) ? (na > nb) - (na < nb) : CompareStr(pa, pb);
        if (order != 0) return order > 0 ? 1 : 2;
    }
}

namespace {

std::string FileVersionOf(const std::string& fileName) {
    VersionReader().SetFileName(fileName);
    return VersionReader().VersionInfo()->FileVersion;
}

int ByVersion(const std::string& newVersion, const std::string& existingVersion) {
    static constexpr int kResult[] = {kCompareSame, kCompareReplace, kCompareKeep};
    return kResult[CompareVersions(newVersion, existingVersion)];
}

int ByDate(TDateTime newDate, const std::string& existingFile) {
    const std::optional<TDateTime> existingDate = ReadFileDate(existingFile);
    if (!existingDate) return kCompareFailed;
    if (newDate > *existingDate) return kCompareReplace;
    return newDate == *existingDate ? kCompareSame : kCompareKeep;
}

// The shared rules; the new file's version and date are asked for only
// when the rule needs them (a date that cannot be read fails the
// comparison).
template <class NewVersion, class NewDate>
int Decide(TOverwriteType rule, const std::string& existingFile, NewVersion newVersion, NewDate newDate) {
    auto byDate = [&]() {
        const std::optional<TDateTime> date = newDate();
        return date ? ByDate(*date, existingFile) : kCompareFailed;
    };
    switch (rule) {
    case owAlways: return kCompareReplace;
    case owNever: return !Trim(existingFile).empty() && FileExists(existingFile) ? kCompareKeep : kCompareReplace;
    case owDate: return byDate();
    case owVersion:
    case owVersionDate: {
        const std::string version = newVersion();  // the new file first, then the existing one
        const std::string existing = FileVersionOf(existingFile);
        if (rule == owVersion || CompareVersions(version, existing) != 0) return ByVersion(version, existing);
        return byDate();
    }
    case owAsk: return kCompareAsk;
    }
    return kCompareFailed;
}

}  // namespace

int IsFileNewerByName(const std::string& newFile, const std::string& existingFile, TOverwriteType rule) {
    return Decide(rule, existingFile, [&] { return FileVersionOf(newFile); }, [&] { return ReadFileDate(newFile); });
}

int IsFileNewerByVersion(const std::string& newVersion, const std::string& existingFile, TOverwriteType rule,
                         TDateTime newDate) {
    return Decide(rule, existingFile, [&] { return newVersion; }, [&] { return std::optional<TDateTime>(newDate); });
}
