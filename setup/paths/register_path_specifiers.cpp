#include "paths/register_path_specifiers.h"

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

}  // namespace

void RegisterPathSpecifierClasses() {
    RegisterCoreSpecifiers();
}
