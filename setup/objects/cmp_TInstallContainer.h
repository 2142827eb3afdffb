#pragma once
// TInstallContainer: the base of every installable thing of the setup
// program's component tree, and TInstallObject, which adds the Container
// it is attached to.
//
// Attaching (AddObject): children stay sorted by KindNumber; a new child
// goes before the first child of equal or greater kind (so within a kind
// the later one stands first), except a class named "TINSTALLBDE" (any
// case), which always goes first. Attaching an object to itself or to one
// of its own descendants raises "Circular reference" and changes nothing.
//
// Messages: SendToHelpers broadcasts a code down to the children of kind
// 2000 and above (ReceiveMessage); DoInformationEventControl carries a
// notification up to the Container (the base does nothing with it).
//
// Install: the OS filter (Include is cleared when the running Windows is
// not in OS), OnBeforeProcess, the install-type filter, InstallObjects,
// the uninstall record, OnAfterProcess. EAbort ends one object's install
// silently.
//
// While the declaration that holds an object is being loaded, its setters
// only store: no specifier checks and no default references.
//
// Every container joins the all-containers registry when created and
// leaves it when destroyed, telling every other container (ObjectDestroyed)
// so that no reference to it survives.

#include <string>
#include <typeindex>
#include <vector>

#include "objects/install_events.h"
#include "objects/install_types.h"
#include "vcl/classes/component.h"

class TCustomPathSpecifier;
class TCustomInstallFile;
class TFileContainer;

class TInstallContainer : public TComponent {
public:
    explicit TInstallContainer(TComponent* owner);
    ~TInstallContainer() override;
    std::string ClassName() const override { return "TInstallContainer"; }

    // The type tag and install order key; raises "Class must declare a
    // registered type" for classes that are not meant to be attached.
    virtual int32_t KindNumber() const;

    // Children (attached objects). Bad indexes raise IEInstallContainer.
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TInstallContainer* Children(int index) const;
    // Number of children of class T (or derived) and the index-th of them;
    // Comp raises IEInstallContainer when there is none.
    template <class T>
    int CompCount() const;
    template <class T>
    T* Comp(int index) const;
    int FileContainerCount() const;
    TFileContainer* FileContainers(int index) const;
    int FileCount() const;
    TCustomInstallFile* Files(int index) const;
    // The attached install file whose IncludeFromDir + "\" + FileName equals
    // `sourcePath` ignoring case, or nullptr.
    TCustomInstallFile* FindFile(const std::string& sourcePath) const;
    // Frees every child of class T, the last first.
    template <class T>
    void FreeChildren();

    // Attachment bookkeeping; AddObject raises IEInstallContainer for nil,
    // for itself and for circular references.
    virtual void AddObject(TInstallContainer* object);
    virtual void RemoveObject(TInstallContainer* object);
    // `object` is being destroyed: drop every reference to it.
    virtual void ObjectDestroyed(TInstallContainer* object);

    // Sets CurrentInstallType here and in every attached object, recursively.
    void SetInstallType(TInstallType installType);

    // Destination: DestDirType's path for this object followed by DestDir,
    // one trailing backslash removed (DestDir alone without a specifier).
    virtual std::string GetDestPath();

    // Messages.
    void SendToHelpers(TObject* sender, int32_t code, TObject* po);
    virtual void ReceiveMessage(TObject* sender, int32_t code, TObject* po);
    virtual void DoInformationEventControl(TObject* sender, int32_t code, TObject* po);
    virtual void ShowStatusMessage(const std::string& text);
    void HideStatusMessage();

    // Installation.
    bool WillInstall() const;
    virtual void Install();
    virtual void InstallObjects();
    virtual void Uninstall() {}
    virtual void UninstallObjects() {}
    virtual void CompleteAfterRestart() {}
    virtual void WriteUninstallInfo(const std::string& key) { (void)key; }

    // Properties.
    bool InstallWithContainer() const { return installWithContainer_; }
    bool Include() const { return include_; }
    void SetInclude(bool include) { include_ = include; }
    bool Processed() const { return processed_; }
    TInstallType CurrentInstallType() const { return currentInstallType_; }
    bool UninstallEnabled() const { return uninstall_; }
    void SetUninstallEnabled(bool uninstall) { uninstall_ = uninstall; }
    OSSet OS() const { return os_; }
    void SetOS(OSSet os) { os_ = os; }
    const TInstallContainerNotifyEvent& OnAfterProcess() const { return onAfterProcess_; }
    void SetOnAfterProcess(TInstallContainerNotifyEvent e) { onAfterProcess_ = std::move(e); }
    const TInstallContainerNotifyEvent& OnBeforeProcess() const { return onBeforeProcess_; }
    void SetOnBeforeProcess(TInstallContainerNotifyEvent e) { onBeforeProcess_ = std::move(e); }
    const std::string& DestDir() const { return destDir_; }
    virtual void SetDestDir(const std::string& destDir) { destDir_ = destDir; }
    TCustomPathSpecifier* DestDirType() const { return destDirType_; }
    // Checks `specifier` against this object unless loading; a refused
    // specifier raises and the old one stays.
    virtual void SetDestDirType(TCustomPathSpecifier* specifier);
    TInstallTypeSet InstallTypes() const { return installTypes_; }
    // The empty set stores [itFull].
    void SetInstallTypes(TInstallTypeSet installTypes);
    int32_t Order() const { return order_; }
    void SetOrder(int32_t order) { order_ = order; }

    bool IsLoading() const { return ComponentState().Contains(csLoading); }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Stores a specifier reference and asks to hear of its destruction.
    void ReferenceSpecifier(TCustomPathSpecifier*& field, TCustomPathSpecifier* specifier);
    // A default reference, set by code rather than by the user.
    void SetDefaultDestDirType(TCustomPathSpecifier* specifier) { ReferenceSpecifier(destDirType_, specifier); }
    void SetInstallWithContainer(bool value) { installWithContainer_ = value; }
    void SetProcessed() { processed_ = true; }
    // Where AddObject inserts `object` among the children.
    int InsertPosition(const TInstallContainer* object) const;

private:
    bool installWithContainer_ = false;
    std::vector<TInstallContainer*> children_;
    bool include_ = true;
    bool processed_ = false;
    TInstallType currentInstallType_ = itFull;
    bool uninstall_ = true;
    OSSet os_ = DefaultOS;
    TInstallContainerNotifyEvent onAfterProcess_;
    TInstallContainerNotifyEvent onBeforeProcess_;
    std::string destDir_;
    TCustomPathSpecifier* destDirType_ = nullptr;
    TInstallTypeSet installTypes_{itFull, itDefault, itCompact};
    int32_t order_ = -1;
};

class TInstallObject : public TInstallContainer {
public:
    explicit TInstallObject(TComponent* owner);
    std::string ClassName() const override { return "TInstallObject"; }

    TInstallContainer* Container() const { return container_; }
    // Attaches to `value` (AddObject; its errors change nothing), detaches
    // from the old container, and, unless loading, points DestDirType at
    // the container's destination (psContainerDestDir) or away from it.
    virtual void SetContainer(TInstallContainer* value);

    void ObjectDestroyed(TInstallContainer* object) override;
    // Installs only when no installation is running, or the container has
    // already started its own install.
    void Install() override;

protected:
    // Attaching and detaching without the default-reference rules.
    void Attach(TInstallContainer* value);

private:
    TInstallContainer* container_ = nullptr;
};

// The message "Bad call to the Comp procedure ..." for a missing child.
[[noreturn]] void RaiseBadCompCall(int index, std::type_index requestedClass);

template <class T>
int TInstallContainer::CompCount() const {
    int count = 0;
    for (TInstallContainer* child : children_)
        if (dynamic_cast<T*>(child) != nullptr) ++count;
    return count;
}

template <class T>
T* TInstallContainer::Comp(int index) const {
    int seen = 0;
    for (TInstallContainer* child : children_)
        if (auto* match = dynamic_cast<T*>(child); match != nullptr && seen++ == index) return match;
    RaiseBadCompCall(index, typeid(T));
}

template <class T>
void TInstallContainer::FreeChildren() {
    for (int i = ChildCount() - 1; i >= 0; --i)
        if (i < ChildCount() && dynamic_cast<T*>(children_[i]) != nullptr) Free(children_[i]);
}
