#include <algorithm>

#include "objects/cmp_TInstallContainer.h"
#include "objects/install_driver.h"
#include "objects/install_exceptions.h"
#include "objects/install_file.h"
#include "objects/install_parameters.h"
#include "objects/install_registries.h"
#include "objects/owner_kind.h"
#include "support/routines_API.h"
#include "support/translator_entry.h"
#include "paths/cmp_TPathSpecifier.h"
#include "vcl/classes/class_registry.h"
#include "vcl/system/ansistrings.h"
#include "vcl/system/paths.h"

TInstallContainer::TInstallContainer(TComponent* owner) : TComponent(owner) {
    if (IsFormOrDataModule(owner)) EnsureSpecifiers(owner, true);
    os_ = DefaultOS;
    (void)CurrentOS();  // an undetectable Windows aborts the creation
    AllContainers().Add(this);
}

TInstallContainer::~TInstallContainer() {
    AllContainers().Remove(this);
    TInstallContainerList& all = AllContainers();
    for (int i = all.Count() - 1; i >= 0; --i)
        if (i < all.Count()) all.Items(i)->ObjectDestroyed(this);
}

int32_t TInstallContainer::KindNumber() const { throw IEInstallContainer("Class must declare a registered type"); }

TInstallContainer* TInstallContainer::Children(int index) const {
    if (index < 0 || index >= ChildCount())
        throw IEInstallContainer(
            "Tried to reference a helper component in the following component: %s. The following index was used: %d",
            {Name(), index});
    return children_[static_cast<size_t>(index)];
}

void RaiseBadCompCall(int index, std::type_index requestedClass) {
    const TClassInfo* info = ClassInfoOf(requestedClass);
    const std::string className = info != nullptr ? info->Name() : requestedClass.name();
    // The class takes the place of the second number.
    std::string text = MainTranslateText(
        "Bad call to the Comp procedure which returns a TInstallObject for a TInstallContainer component. "
        "The parameters are probably reversed. Index: %d, ComponentType: %d");
    if (const auto at = text.rfind("%d"); at != std::string::npos) text.replace(at, 2, "%s");
    throw IEInstallContainer(Format(text, {index, className}));
}

int TInstallContainer::FileContainerCount() const { return CompCount<TFileContainer>(); }
TFileContainer* TInstallContainer::FileContainers(int index) const { return Comp<TFileContainer>(index); }
int TInstallContainer::FileCount() const { return CompCount<TCustomInstallFile>(); }
TCustomInstallFile* TInstallContainer::Files(int index) const { return Comp<TCustomInstallFile>(index); }

TCustomInstallFile* TInstallContainer::FindFile(const std::string& sourcePath) const {
    for (TInstallContainer* child : children_)
        if (auto* file = dynamic_cast<TCustomInstallFile*>(child);
            file != nullptr && AnsiSameText(file->SourcePath(), sourcePath))
            return file;
    return nullptr;
}

int TInstallContainer::InsertPosition(const TInstallContainer* object) const {
    if (AnsiSameText(object->ClassName(), "TINSTALLBDE")) return 0;
    const int32_t kind = object->KindNumber();
    for (int i = 0; i < ChildCount(); ++i)
        if (children_[static_cast<size_t>(i)]->KindNumber() >= kind) return i;
    return ChildCount();
}

void TInstallContainer::AddObject(TInstallContainer* object) {
    if (object == nullptr) throw IEInstallContainer("Cannot add a blank base helper component to %s", {Name()});
    if (object == this) throw IEInstallContainer("Circular reference");
    for (auto* up = dynamic_cast<TInstallObject*>(this); up != nullptr;
         up = dynamic_cast<TInstallObject*>(up->Container()))
        if (up->Container() == object) throw IEInstallContainer("Circular reference");
    const int at = InsertPosition(object);
    children_.insert(children_.begin() + at, object);
}

void TInstallContainer::RemoveObject(TInstallContainer* object) {
    if (object == nullptr) return;
    if (auto it = std::find(children_.begin(), children_.end(), object); it != children_.end()) children_.erase(it);
}

void TInstallContainer::ObjectDestroyed(TInstallContainer* object) { RemoveObject(object); }

void TInstallContainer::SetInstallType(TInstallType installType) {
    currentInstallType_ = installType;
    for (TInstallContainer* child : children_) child->SetInstallType(installType);
}

std::string TInstallContainer::GetDestPath() {
    const std::string base = destDirType_ != nullptr ? destDirType_->GetPath(this) : std::string();
    return ExcludeTrailingBackslash(base + destDir_);
}

void TInstallContainer::SendToHelpers(TObject* sender, int32_t code, TObject* po) {
    // A receiver may detach children while the broadcast runs: work on a copy.
    const std::vector<TInstallContainer*> receivers = children_;
    for (TInstallContainer* child : receivers)
        if (child->KindNumber() >= knInstallFile) child->ReceiveMessage(sender, code, po);
}

void TInstallContainer::ReceiveMessage(TObject* sender, int32_t code, TObject* po) {
    (void)sender;
    (void)code;
    (void)po;
}

void TInstallContainer::DoInformationEventControl(TObject* sender, int32_t code, TObject* po) {
    (void)sender;
    (void)code;
    (void)po;
}

void TInstallContainer::ShowStatusMessage(const std::string& text) {
    TMessageParameter parameter;
    parameter.MessageText = text;
    SendToHelpers(this, hmShowStatus, &parameter);
}

void TInstallContainer::HideStatusMessage() { SendToHelpers(this, hmHideStatus, nullptr); }

bool TInstallContainer::WillInstall() const {
    return include_ && (currentInstallType_ == itCustom || installTypes_.Contains(currentInstallType_));
}

void TInstallContainer::Install() {
    const TOSVerType os = CurrentOS();
    if (!os_.Contains(os) || static_cast<int>(os) > 15) include_ = false;
    try {
        if (onBeforeProcess_) onBeforeProcess_(this);
        SendToHelpers(this, hmBeforeProcess, nullptr);
        if (!include_) return;
        SendToHelpers(this, hmBeforeInstallObject, nullptr);
        if (currentInstallType_ != itCustom && !installTypes_.Contains(currentInstallType_)) return;
        InstallObjects();
        processed_ = true;
        if (TInstallDriver* driver = InstallDriver(); driver != nullptr && uninstall_)
            WriteUninstallInfo("\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + driver->ProductName());
        if (onAfterProcess_) onAfterProcess_(this);
        SendToHelpers(this, hmAfterProcess, nullptr);
    } catch (const EAbort&) {
        // A silent abort skips this object only.
    }
}

void TInstallContainer::InstallObjects() {
    processed_ = true;
    const std::vector<TInstallContainer*> children = children_;
    for (TInstallContainer* child : children)
        if (child->InstallWithContainer()) child->Install();
}

void TInstallContainer::SetDestDirType(TCustomPathSpecifier* specifier) {
    if (!IsLoading() && specifier != nullptr) specifier->CheckObject(this);
    ReferenceSpecifier(destDirType_, specifier);
}

void TInstallContainer::SetInstallTypes(TInstallTypeSet installTypes) {
    installTypes_ = installTypes.Empty() ? TInstallTypeSet{itFull} : installTypes;
}

void TInstallContainer::ReferenceSpecifier(TCustomPathSpecifier*& field, TCustomPathSpecifier* specifier) {
    field = specifier;
    if (specifier != nullptr) specifier->FreeNotification(this);
}

void TInstallContainer::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component != nullptr && component == destDirType_) destDirType_ = nullptr;
}
