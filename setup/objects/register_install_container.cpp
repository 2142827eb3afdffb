#include "objects/register_install_container.h"

#include "objects/base_quorvel_form.h"
#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "objects/install_group.h"
#include "objects/ps_file_container.h"
#include "paths/register_path_specifiers.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/forms_registration.h"

namespace {

const std::initializer_list<const char*> kInstallTypeNames = {"itFull", "itDefault", "itCompact", "itCustom"};
const std::initializer_list<const char*> kOSNames = {"os31win32", "oswin95",  "oswinNT", "oswinNT351", "osUnidentified",
                                                     "osLinux",   "oswin2K",  "oswin98", "oswinME",    "oswinXP"};
const TInstallTypeSet kDefaultInstallTypes{itFull, itDefault, itCompact};

template <class T>
void AddArchiveProperties(TClassBuilder<T>& c) {
    c.Enum("AddToArchive", {"lzcOverwrite", "lzcOnlyAdd"}, &T::AddToArchive, &T::SetAddToArchive, lzcOverwrite)
        .String("ArchiveFile", &T::ArchiveFile, &T::SetArchiveFile)
        .template Component<TCustomPathSpecifier>("ArchiveFileType", &T::ArchiveFileType, &T::SetArchiveFileType)
        .template Component<TInstallContainer>("Container", &T::Container, &T::SetContainer);
}

// The published list of directories and groups, in type-information order;
// groups insert DialogOptions after DestDirType.
template <class T>
void AddFileContainerProperties(TClassBuilder<T>& c, bool withDialogOptions) {
    AddArchiveProperties(c);
    c.String("Description", &T::Description, &T::SetDescription)
        .String("DestDir", &T::DestDir, &T::SetDestDir)
        .template Component<TCustomPathSpecifier>("DestDirType", &T::DestDirType, &T::SetDestDirType);
    if constexpr (std::is_base_of_v<TCustomInstallGroup, T>)
        if (withDialogOptions) c.Persistent("DialogOptions", [](T& g) { return g.DialogOptions(); });
    c.Boolean("Include", &T::Include, &T::SetInclude, true)
        .Set("InstallTypes", kInstallTypeNames, &T::InstallTypes, &T::SetInstallTypes, kDefaultInstallTypes)
        .template Component<TComponent>("NetLocation", &T::NetLocation, &T::SetNetLocation)
        .Set("OS", kOSNames, &T::OS, &T::SetOS, DefaultOS)
        .template Event<TAfterInstallObjectsEvent>("OnAfterInstallObjects", &T::OnAfterInstallObjects,
                                                   &T::SetOnAfterInstallObjects)
        .template Event<TInstallContainerNotifyEvent>("OnAfterProcess", &T::OnAfterProcess, &T::SetOnAfterProcess)
        .template Event<TInstallContainerNotifyEvent>("OnBeforeInstallObjects", &T::OnBeforeInstallObjects,
                                                      &T::SetOnBeforeInstallObjects)
        .template Event<TInstallContainerNotifyEvent>("OnBeforeProcess", &T::OnBeforeProcess, &T::SetOnBeforeProcess)
        .template Event<TDataReceivedEvent>("OnDataReceived", &T::OnDataReceived, &T::SetOnDataReceived)
        .template Event<TInstallFileNewDiskEvent>("OnNewDisk", &T::OnNewDisk, &T::SetOnNewDisk)
        .template Event<TInstallFileNotifyEvent>("OnReplacing", &T::OnReplacing, &T::SetOnReplacing)
        .template Event<TInstallFileStatusEvent>("OnStatus", &T::OnStatus, &T::SetOnStatus);
}

}  // namespace

void RegisterInstallContainerClasses() {
    RegisterPathSpecifierClasses();
    RegisterFormsClasses();

    RegisterClass(DeclareClass<TInstallContainer, TComponent>("TInstallContainer"));
    RegisterClass(DeclareClass<TInstallObject, TInstallContainer>("TInstallObject"));
    RegisterClass(DeclareClass<TFileRelated, TInstallObject>("TFileRelated"));
    RegisterClass(DeclareClass<TFileContainer, TFileRelated>("TFileContainer"));
    RegisterClass(DeclareClass<TCustomInstallGroup, TFileContainer>("TCustomInstallGroup"));

    RegisterClass(DeclareClass<TInstallGroupDialogOptions, TPersistent>("TInstallGroupDialogOptions")
                      .Boolean("AllowChangeDir", &TInstallGroupDialogOptions::AllowChangeDir,
                               &TInstallGroupDialogOptions::SetAllowChangeDir, true)
                      .Boolean("AllowExcludeInclude", &TInstallGroupDialogOptions::AllowExcludeInclude,
                               &TInstallGroupDialogOptions::SetAllowExcludeInclude, true)
                      .Strings("Description", [](TInstallGroupDialogOptions& o) { return o.Description(); })
                      .Boolean("DisplayDirectory", &TInstallGroupDialogOptions::DisplayDirectory,
                               &TInstallGroupDialogOptions::SetDisplayDirectory, true)
                      .Boolean("ShowRegardlessOfInclude", &TInstallGroupDialogOptions::ShowRegardlessOfInclude,
                               &TInstallGroupDialogOptions::SetShowRegardlessOfInclude, true));

    auto directory = DeclareClass<TInstallDirectory, TFileContainer>("TInstallDirectory");
    AddFileContainerProperties(directory, false);
    RegisterClass(directory);

    auto group = DeclareClass<TInstallGroup, TCustomInstallGroup>("TInstallGroup");
    AddFileContainerProperties(group, true);
    RegisterClass(group);

    RegisterClass(DeclareClass<TCustomInstallFile, TFileRelated>("TCustomInstallFile"));
    auto file = DeclareClass<TInstallFile, TCustomInstallFile>("TInstallFile");
    AddArchiveProperties(file);
    file.String("DestDir", &TInstallFile::DestDir, &TInstallFile::SetDestDir)
        .Component<TCustomPathSpecifier>("DestDirType", &TInstallFile::DestDirType, &TInstallFile::SetDestDirType)
        .String("FileName", &TInstallFile::FileName, &TInstallFile::SetFileName)
        .Boolean("Include", &TInstallFile::Include, &TInstallFile::SetInclude, true)
        .String("IncludeFromDir", &TInstallFile::IncludeFromDir, &TInstallFile::SetIncludeFromDir)
        .Set("InstallTypes", kInstallTypeNames, &TInstallFile::InstallTypes, &TInstallFile::SetInstallTypes,
             kDefaultInstallTypes)
        .Set("OS", kOSNames, &TInstallFile::OS, &TInstallFile::SetOS, DefaultOS)
        .Integer("Size", &TInstallFile::Size, &TInstallFile::SetSize)
        .Boolean("Uninstall", &TInstallFile::UninstallEnabled, &TInstallFile::SetUninstallEnabled, true);
    RegisterClass(file);

    RegisterClass(DeclareClass<TpsFileContainer, TCustomPathSpecifier>("TpsFileContainer")
                      .Component<TFileContainer>("FileContainer", &TpsFileContainer::FileContainer,
                                                 &TpsFileContainer::SetFileContainer));

    RegisterClass(DeclareClass<TBaseQuorvelForm, TForm>("TBaseQuorvelForm")
                      .Boolean("AutoSetFont", &TBaseQuorvelForm::AutoSetFont, &TBaseQuorvelForm::SetAutoSetFont, true)
                      .Boolean("AutoTranslate", &TBaseQuorvelForm::AutoTranslate, &TBaseQuorvelForm::SetAutoTranslate,
                               true));
}
