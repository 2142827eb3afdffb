#include "paths/register_path_specifiers.h"

#include "paths/office_folder_specifiers.h"
#include "paths/windows_folder_specifiers.h"
#include "paths/standard_specifiers.h"
#include "vcl/classes/class_builder.h"

namespace {

template <class T>
void RegisterStandardKind(const char* name) {
    RegisterSpecifierClass(&RegisterClass(DeclareClass<T, TStandardPathSpecifier>(name)));
}

void RegisterCoreSpecifiers() {
    RegisterClass(DeclareClass<TCustomPathSpecifier, TComponent>("TCustomPathSpecifier"));
    RegisterClass(DeclareClass<TPathSpecifier, TCustomPathSpecifier>("TPathSpecifier")
                      .String("Description", &TPathSpecifier::Description, &TPathSpecifier::SetDescription,
                              "My cool new path specifier")
                      .Event<TGetPathEvent>("OnGetPath", &TPathSpecifier::OnGetPath, &TPathSpecifier::SetOnGetPath));
    RegisterClass(DeclareClass<TStandardPathSpecifier, TCustomPathSpecifier>("TStandardPathSpecifier"));
    RegisterStandardKind<TpsBDEDLL>("TpsBDEDLL");
    RegisterStandardKind<TpsCommonFiles>("TpsCommonFiles");
    RegisterStandardKind<TpsContainerArchiveFile>("TpsContainerArchiveFile");
    RegisterStandardKind<TpsContainerDestDir>("TpsContainerDestDir");
    RegisterStandardKind<TpsDesktopMenu>("TpsDesktopMenu");
    RegisterStandardKind<TpsInstallSource>("TpsInstallSource");
    RegisterStandardKind<TpsMainInstall>("TpsMainInstall");
    RegisterStandardKind<TpsProgramFiles>("TpsProgramFiles");
    RegisterStandardKind<TpsProgramMenu>("TpsProgramMenu");
    RegisterStandardKind<TpsStartMenu>("TpsStartMenu");
    RegisterStandardKind<TpsStartupMenu>("TpsStartupMenu");
    RegisterStandardKind<TpsSystem>("TpsSystem");
    RegisterStandardKind<TpsMainArchiveFile>("TpsMainArchiveFile");
    RegisterStandardKind<TpsWindow>("TpsWindow");
}


void RegisterWindowsSpecifiers() {
    RegisterClass(DeclareClass<TpsShellFolder, TStandardPathSpecifier>("TpsShellFolder"));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsPrinters, TpsShellFolder>("TpsPrinters")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsRecent, TpsShellFolder>("TpsRecent")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsSendTo, TpsShellFolder>("TpsSendTo")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsStartup, TpsShellFolder>("TpsStartup")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsControlPanel, TpsShellFolder>("TpsControlPanel")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsFavorites, TpsShellFolder>("TpsFavorites")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsBitBucket, TpsShellFolder>("TpsBitBucket")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCookies, TpsShellFolder>("TpsCookies")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonAltStartup, TpsShellFolder>("TpsCommonAltStartup")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonStartup, TpsShellFolder>("TpsCommonStartup")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonDesktopDirectory, TpsShellFolder>("TpsCommonDesktopDirectory")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonFavorites, TpsShellFolder>("TpsCommonFavorites")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonPrograms, TpsShellFolder>("TpsCommonPrograms")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsCommonStartMenu, TpsShellFolder>("TpsCommonStartMenu")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsQuickLaunchMenu, TStandardPathSpecifier>("TpsQuickLaunchMenu")));
}

void RegisterOfficeSpecifiers() {
    RegisterClass(DeclareClass<TpsWordOptionFolder, TStandardPathSpecifier>("TpsWordOptionFolder"));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeUserTemplates, TStandardPathSpecifier>("TpsOfficeUserTemplates")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeWorkgroupTemplates, TStandardPathSpecifier>("TpsOfficeWorkgroupTemplates")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeClipartDirectory, TpsWordOptionFolder>("TpsOfficeClipartDirectory")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeStartupDirectory, TpsWordOptionFolder>("TpsOfficeStartupDirectory")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeToolsDirectory, TpsWordOptionFolder>("TpsOfficeToolsDirectory")));
    RegisterSpecifierClass(&RegisterClass(DeclareClass<TpsOfficeFavoritesDirectory, TStandardPathSpecifier>("TpsOfficeFavoritesDirectory")));
}

}  // namespace

void RegisterPathSpecifierClasses() {
    RegisterCoreSpecifiers();
    RegisterWindowsSpecifiers();
    RegisterOfficeSpecifiers();
}
