#include "objects/file_related.h"

#include "objects/install_group.h"
#include "objects/install_parameters.h"
#include "objects/install_registries.h"
#include "paths/routines_Registry.h"
#include "paths/standard_specifiers.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/paths.h"
#include "vcl/system/strutils.h"

namespace {

bool IsContainerOrMainArchive(const TCustomPathSpecifier* specifier) {
    return dynamic_cast<const TpsContainerArchiveFile*>(specifier) != nullptr ||
           dynamic_cast<const TpsMainArchiveFile*>(specifier) != nullptr;
}

}  // namespace

TFileRelated::TFileRelated(TComponent* owner) : TInstallObject(owner) { SetInstallWithContainer(true); }

void TFileRelated::SetContainer(TInstallContainer* value) {
    const bool changed = value != Container();
    TInstallObject::SetContainer(value);
    if (!changed || IsLoading()) return;
    if (dynamic_cast<TFileRelated*>(value) != nullptr || dynamic_cast<TCustomInstallGroup*>(value) != nullptr) {
        archiveFileType_ = StandardPathSpecifiers().Find<TpsContainerArchiveFile>();
        if (archiveFileType_ != nullptr) archiveFileType_->FreeNotification(this);
        archiveFile_.clear();
    } else if (dynamic_cast<TpsContainerArchiveFile*>(archiveFileType_) != nullptr) {
        archiveFileType_ = nullptr;
    }
}

std::string TFileRelated::GetArchivePath() {
    const std::string base = archiveFileType_ != nullptr ? archiveFileType_->GetPath(this) : std::string();
    return ExcludeTrailingBackslash(base + archiveFile_);
}

bool TFileRelated::FindLocalArchive(std::string& path) {
    if (Trim(Name()).empty()) return false;
    const std::string found = ReadRegistryString(hkLocalMachine, InstallKey() + "\\" + Name(), "LocalFile", "");
    if (Trim(found).empty() || !FileExists(found)) return false;
    path = found;
    return true;
}

void TFileRelated::SetLocalArchive(const std::string& path) {
    if (Trim(Name()).empty() || Trim(path).empty()) return;
    try {
        WriteRegistryString(hkLocalMachine, InstallKey() + "\\" + Name(), "LocalFile", path);
    } catch (const Exception&) {
        // The record only saves a later download; the install goes on without it.
    }
}

bool TFileRelated::IsArchiveLocal() {
    if (!Trim(localArchivePath_).empty()) return true;
    std::string path;
    return FindLocalArchive(path);
}

void TFileRelated::DataReceived(TObject* sender, const std::string& fileName, int32_t bytes, int32_t totalBytes,
                                int32_t fileSize, const char* buffer) {
    (void)sender;
    TDownloadStatusParameter parameter(bytes, fileName, fileSize, totalBytes);
    if (onDataReceived_) onDataReceived_(this, fileName, bytes, totalBytes, fileSize, buffer);
    SendToHelpers(this, hmDataReceived, &parameter);
    if (Container() != nullptr) Container()->DoInformationEventControl(this, ieDataReceived, &parameter);
}

void TFileRelated::SetArchiveFile(const std::string& archiveFile) {
    archiveFile_ = !IsLoading() && IsContainerOrMainArchive(archiveFileType_) ? std::string() : archiveFile;
}

void TFileRelated::SetArchiveFileType(TCustomPathSpecifier* specifier) {
    if (!IsLoading() && specifier != nullptr) specifier->CheckObject(this);
    archiveFileType_ = specifier;
    if (specifier != nullptr) specifier->FreeNotification(this);
    if (IsContainerOrMainArchive(specifier)) archiveFile_.clear();
}

void TFileRelated::SetNetLocation(TComponent* location) {
    netLocation_ = location;
    if (location != nullptr) location->FreeNotification(this);
}

void TFileRelated::Loaded() {
    TInstallObject::Loaded();
    std::string path;
    if (FindLocalArchive(path)) localArchivePath_ = path;
}

void TFileRelated::Notification(TComponent* component, TOperation operation) {
    TInstallObject::Notification(component, operation);
    if (operation != opRemove || component == nullptr) return;
    if (component == archiveFileType_) archiveFileType_ = nullptr;
    if (component == netLocation_) SetNetLocation(nullptr);
}
