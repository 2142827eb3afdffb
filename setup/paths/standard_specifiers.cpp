#include "paths/standard_specifiers.h"

#include "objects/file_related.h"
#include "objects/install_driver.h"
#include "objects/install_group.h"
#include "support/routines_API.h"
#include "paths/routines_ExpandPaths.h"
#include "paths/routines_Registry.h"
#include "support/IException.h"
#include "support/translator_entry.h"
#include "vcl/system/paths.h"
#include "vcl/system/strutils.h"

namespace {

// The database engine keeps its DLL folder under its maker's key.
const char* const kDatabaseEngineKey = "\\Software\\Borland\\Database Engine";
const char* const kDatabaseEngineFolder = "Borland\\Common Files\\BDE";

std::string NameOf(const TComponent* object) { return object != nullptr ? object->Name() : std::string(); }

// The container rule; returns the object as an install object.
TInstallObject* CheckContainer(TComponent* object, const std::string& specifierName, const char* noContainerText) {
    auto* installObject = dynamic_cast<TInstallObject*>(object);
    if (installObject == nullptr)
        throw IEPathSpecifier("%s must be a %s to use the %s path specifier",
                              {NameOf(object), "TInstallObject", specifierName});
    if (installObject->Container() == nullptr) throw IEPathSpecifier(noContainerText, {NameOf(object)});
    return installObject;
}

TInstallDriver* CheckInstall(TComponent* object) {
    TInstallDriver* driver = InstallDriver();
    if (driver == nullptr)
        throw IEPathSpecifier("There is no TInstall component so the path specifier could not be expanded for %s",
                              {NameOf(object)});
    return driver;
}

}  // namespace

TpsBDEDLL::TpsBDEDLL(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName("psBDEDLL"); }
std::string TpsBDEDLL::GetDescription() { return "Borland Database Engine DLL Path"; }
std::string TpsBDEDLL::GetPath(TComponent* object) {
    (void)object;
    std::string path = ReadRegistryString(hkLocalMachine, kDatabaseEngineKey, "DLLPath", "");
    if (path.empty()) path = IncludeTrailingBackslash(GetProgramFilesDir()) + kDatabaseEngineFolder;
    const auto semicolon = path.find(';');
    return semicolon == std::string::npos ? path : path.substr(0, semicolon);
}

TpsCommonFiles::TpsCommonFiles(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psCommonFiles");
}
std::string TpsCommonFiles::GetDescription() {
    return "Path of the common files directory under the program files directory";
}
std::string TpsCommonFiles::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetCommonFilesDir());
}

TpsContainerArchiveFile::TpsContainerArchiveFile(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psContainerArchiveFile");
}
void TpsContainerArchiveFile::CheckObject(TComponent* object) {
    TInstallObject* installObject =
        CheckContainer(object, DefaultName(), "Cannot use ddContainerArchiveFile for %s unless you assign a Container");
    if (dynamic_cast<TFileRelated*>(installObject->Container()) == nullptr)
        throw IEPathSpecifier(
            "Cannot use the ddContainerArchiveFile path specifier for %s because the Container is not a TFileRelated "
            "descendant",
            {NameOf(object)});
}
std::string TpsContainerArchiveFile::GetPath(TComponent* object) {
    CheckObject(object);
    auto* container = dynamic_cast<TFileRelated*>(dynamic_cast<TInstallObject*>(object)->Container());
    return ExcludeTrailingBackslash(container->GetArchivePath());
}

TpsContainerDestDir::TpsContainerDestDir(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psContainerDestDir");
}
void TpsContainerDestDir::CheckObject(TComponent* object) {
    CheckContainer(object, DefaultName(), "Cannot use ddContainerDestDir for %s unless you assign a Container");
}
std::string TpsContainerDestDir::GetObjectDescription(TComponent* object) {
    try {
        CheckObject(object);
    } catch (const Exception&) {
        return GetDescription();
    }
    TInstallContainer* container = dynamic_cast<TInstallObject*>(object)->Container();
    if (dynamic_cast<TInstallDriver*>(container) != nullptr) return "Main installation directory";
    if (auto* group = dynamic_cast<TCustomInstallGroup*>(container))
        return Format(MainTranslateText("Path of the <%s> group"), {group->Description()});
    if (auto* files = dynamic_cast<TFileContainer*>(container))
        return Format(MainTranslateText("Path of the <%s> directory"), {files->Description()});
    return Format(MainTranslateText("Path of the <%s> group"), {container->Name()});
}
std::string TpsContainerDestDir::GetObjectShortName(TComponent* object) {
    try {
        CheckObject(object);
    } catch (const Exception&) {
        return GetShortName();
    }
    TInstallContainer* container = dynamic_cast<TInstallObject*>(object)->Container();
    if (dynamic_cast<TInstallDriver*>(container) != nullptr) return "Main installation directory";
    if (auto* files = dynamic_cast<TFileContainer*>(container)) return "<" + files->Description() + ">";
    return "<" + container->Name() + ">";
}
std::string TpsContainerDestDir::GetPath(TComponent* object) {
    CheckObject(object);
    return ExcludeTrailingBackslash(dynamic_cast<TInstallObject*>(object)->Container()->GetDestPath());
}

TpsDesktopMenu::TpsDesktopMenu(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psDesktopMenu");
}
std::string TpsDesktopMenu::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetDesktopDir());
}

TpsInstallSource::TpsInstallSource(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psInstallSource");
}
void TpsInstallSource::CheckObject(TComponent* object) { CheckInstall(object); }
std::string TpsInstallSource::GetPath(TComponent* object) {
    return ExcludeTrailingBackslash(CheckInstall(object)->InstallSourceDir());
}

TpsMainInstall::TpsMainInstall(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psMainInstall");
}
void TpsMainInstall::CheckObject(TComponent* object) {
    TInstallDriver* driver = CheckInstall(object);
    if (object == driver) throw IEPathSpecifier("Cannot use the ddMainInstallDir path specifier for a TInstall component");
}
std::string TpsMainInstall::GetPath(TComponent* object) {
    CheckObject(object);
    return ExcludeTrailingBackslash(InstallDriver()->GetDestPath());
}

TpsProgramFiles::TpsProgramFiles(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psProgramFiles");
}
std::string TpsProgramFiles::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetProgramFilesDir());
}

TpsProgramMenu::TpsProgramMenu(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psProgramMenu");
}
std::string TpsProgramMenu::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetProgramsMenuDir());
}

TpsStartMenu::TpsStartMenu(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName("psStartMenu"); }
std::string TpsStartMenu::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetStartMenuDir());
}

TpsStartupMenu::TpsStartupMenu(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psStartupMenu");
}
std::string TpsStartupMenu::GetDescription() {
    return "Path of the Startup folder in the Programs folder under the Start Menu";
}
std::string TpsStartupMenu::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetStartupDir());
}

TpsSystem::TpsSystem(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName("psSystem"); }
std::string TpsSystem::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetSystemDir());
}

TpsMainArchiveFile::TpsMainArchiveFile(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psMainArchiveFile");
}
void TpsMainArchiveFile::CheckObject(TComponent* object) { CheckInstall(object); }
std::string TpsMainArchiveFile::GetDescription() {
    return "Archive containing most or all non-internet installation files";
}
std::string TpsMainArchiveFile::GetPath(TComponent* object) {
    TInstallDriver* driver = CheckInstall(object);
    if (driver->SelfExtracting()) {
        const std::string name = driver->SelfExtractingName();
        if (Trim(name).empty())
            throw IException(
                "You forgot to pass in the name of the self-extracting executable. Usage example: \"-eSetup.exe\"");
        return IncludeTrailingBackslash(driver->InstallSourceDir()) + name;
    }
    if (!Trim(archiveDirectory_).empty()) return IncludeTrailingBackslash(archiveDirectory_) + "files.1";
    return IncludeTrailingBackslash(driver->InstallSourceDir()) + "files.1";
}

TpsWindow::TpsWindow(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName("psWindow"); }
std::string TpsWindow::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(GetWindowsDir());
}
