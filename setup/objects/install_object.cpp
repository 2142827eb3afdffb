#include "objects/cmp_TInstallContainer.h"
#include "objects/install_driver.h"
#include "paths/standard_specifiers.h"

TInstallObject::TInstallObject(TComponent* owner) : TInstallContainer(owner) {
    SetDefaultDestDirType(StandardPathSpecifiers().Find<TpsContainerDestDir>());
}

void TInstallObject::Attach(TInstallContainer* value) {
    if (value == container_) return;
    if (value != nullptr) value->AddObject(this);
    if (container_ != nullptr) container_->RemoveObject(this);
    container_ = value;
}

void TInstallObject::SetContainer(TInstallContainer* value) {
    const bool changed = value != container_;
    Attach(value);
    if (!changed || IsLoading()) return;
    if (value != nullptr) {
        SetDefaultDestDirType(StandardPathSpecifiers().Find<TpsContainerDestDir>());
        SetDestDir("");
    } else if (dynamic_cast<TpsContainerDestDir*>(DestDirType()) != nullptr) {
        SetDefaultDestDirType(nullptr);
    }
}

void TInstallObject::ObjectDestroyed(TInstallContainer* object) {
    TInstallContainer::ObjectDestroyed(object);
    if (object != nullptr && object == container_) SetContainer(nullptr);
}

void TInstallObject::Install() {
    TInstallDriver* driver = InstallDriver();
    if (driver == nullptr || !driver->IsInstalling() || container_ == nullptr || container_->Processed())
        TInstallContainer::Install();
}
