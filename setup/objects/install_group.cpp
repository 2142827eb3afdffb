#include "objects/install_group.h"

#include "objects/install_driver.h"
#include "objects/install_exceptions.h"
#include "vcl/classes/strings.h"

TInstallGroupDialogOptions::TInstallGroupDialogOptions() : description_(new TStringList) {}

TInstallGroupDialogOptions::~TInstallGroupDialogOptions() { Free(description_); }

void TInstallGroupDialogOptions::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TInstallGroupDialogOptions*>(source);
    if (other == nullptr) return TPersistent::Assign(source);
    allowChangeDir_ = other->allowChangeDir_;
    allowExcludeInclude_ = other->allowExcludeInclude_;
    description_->Assign(other->description_);
    displayDirectory_ = other->displayDirectory_;
    showRegardlessOfInclude_ = other->showRegardlessOfInclude_;
}

TCustomInstallGroup::TCustomInstallGroup(TComponent* owner)
    : TFileContainer(owner), dialogOptions_(new TInstallGroupDialogOptions) {}

TCustomInstallGroup::~TCustomInstallGroup() { Free(dialogOptions_); }

void TCustomInstallGroup::SetContainer(TInstallContainer* value) {
    if (value != nullptr && dynamic_cast<TInstallDriver*>(value) == nullptr &&
        dynamic_cast<TCustomInstallGroup*>(value) == nullptr)
        throw IEInstallGroup(
            "A TInstallGroup component can only be contained by a TInstall, or another TInstallGroup component");
    TFileContainer::SetContainer(value != nullptr ? value : InstallDriver());
}
