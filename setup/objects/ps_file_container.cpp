#include "objects/ps_file_container.h"

#include "objects/file_container.h"
#include "objects/install_file.h"
#include "paths/routines_ExpandPaths.h"

namespace {
int nameClashCounter = 1;
}

TpsFileContainer::TpsFileContainer(TComponent* owner) : TCustomPathSpecifier(owner) {}

void TpsFileContainer::SetName(const std::string& name) {
    TComponent* holder = Owner() != nullptr && !name.empty() ? Owner()->FindComponent(name) : nullptr;
    if (holder != nullptr && holder != this)
        MakeUniqueComponentName(holder, "nameClash" + std::to_string(nameClashCounter++));
    TCustomPathSpecifier::SetName(name);
}

void TpsFileContainer::CheckObject(TComponent* object) {
    if (dynamic_cast<TFileContainer*>(object) != nullptr || dynamic_cast<TCustomInstallFile*>(object) != nullptr)
        throw IEPathSpecifier("A file container cannot reference another file container or group");
}

std::string TpsFileContainer::GetDescription() {
    if (fileContainer_ == nullptr) return "Path specifier for unknown file container";
    return "Path into which " + fileContainer_->Description() + " will be installed";
}

std::string TpsFileContainer::GetShortName() {
    if (fileContainer_ == nullptr) return "Path specifier for unknown file container";
    return "<" + fileContainer_->Description() + ">";
}

std::string TpsFileContainer::GetPath(TComponent* object) {
    CheckObject(object);
    return fileContainer_ != nullptr ? fileContainer_->GetDestPath() : std::string();
}

void TpsFileContainer::SetFileContainer(TFileContainer* container) {
    fileContainer_ = container;
    if (container != nullptr) container->FreeNotification(this);
}

void TpsFileContainer::Loaded() {
    TCustomPathSpecifier::Loaded();
    if (fileContainer_ != nullptr && fileContainer_->PathSpecifier() != this) fileContainer_->AdoptPathSpecifier(this);
}

void TpsFileContainer::Notification(TComponent* component, TOperation operation) {
    TCustomPathSpecifier::Notification(component, operation);
    if (operation == opRemove && component != nullptr && component == fileContainer_) fileContainer_ = nullptr;
}
