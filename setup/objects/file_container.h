#pragma once
// TFileContainer: a container of install files and sub-containers (the
// directory, the group and the install driver), with progress counters and
// a companion path specifier (TpsFileContainer) through which other objects
// name its destination.
//
// InstallObjects shows the hourglass cursor while it runs and reports the
// shared archive engine's Abort flag to OnAfterInstallObjects.
//
// Notifications: while BusyState is not 0 the container handles the status
// codes (replacing, status, new disk, download, skipped files) and passes
// every code on to its own Container with itself as sender; an idle
// container neither handles nor forwards.

#include <string>

#include "objects/file_related.h"

class TpsFileContainer;
class TFileStatusParameter;
class TDiskParameter;

class TFileContainer : public TFileRelated {
public:
    explicit TFileContainer(TComponent* owner) : TFileContainer(owner, true) {}
    ~TFileContainer() override;
    std::string ClassName() const override { return "TFileContainer"; }

    int32_t KindNumber() const override { return knFileContainer; }
    bool HasPathSpecifier() const { return hasPathSpecifier_; }

    void DoInformationEventControl(TObject* sender, int32_t code, TObject* po) override;
    // OnNewDisk with a copy of the parameter's path; when answered, the
    // file's Tag becomes 1 and the answer goes back into the parameter.
    virtual void DoNewDisk(TCustomInstallFile* file, TDiskParameter* parameter);
    // OnReplacing and the -997 broadcast.
    virtual void DoReplacing(TCustomInstallFile* file);
    // OnStatus and the -998 broadcast.
    virtual void DoStatus(TCustomInstallFile* file, TFileStatusParameter* parameter);

    void InstallObjects() override;

    // Sizes of the files that will install (all files with `all`), of this
    // container alone or with its sub-containers.
    virtual int32_t SumFileSizes(bool all, bool recursive);
    int32_t FileSize(bool all) { return SumFileSizes(all, false); }
    int32_t TotalFileSize(bool all) { return SumFileSizes(all, true); }
    // Every file reads its archive information, then every sub-container.
    virtual void ReadInfoFromArchive();
    // Frees every attached install file.
    void ClearFiles();

    int32_t TotalSize() const { return totalSize_; }
    int32_t DoneSize() const { return doneSize_; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& description) { description_ = description; }
    uint8_t BusyState() const { return busyState_; }
    TpsFileContainer* PathSpecifier() const { return pathSpecifier_; }
    // Makes `specifier` the companion (a declared one replacing the one made
    // at creation, which is freed).
    void AdoptPathSpecifier(TpsFileContainer* specifier);

    const TInstallFileStatusEvent& OnStatus() const { return onStatus_; }
    void SetOnStatus(TInstallFileStatusEvent e) { onStatus_ = std::move(e); }
    const TInstallFileNewDiskEvent& OnNewDisk() const { return onNewDisk_; }
    void SetOnNewDisk(TInstallFileNewDiskEvent e) { onNewDisk_ = std::move(e); }
    const TInstallFileNotifyEvent& OnReplacing() const { return onReplacing_; }
    void SetOnReplacing(TInstallFileNotifyEvent e) { onReplacing_ = std::move(e); }
    const TAfterInstallObjectsEvent& OnAfterInstallObjects() const { return onAfterInstallObjects_; }
    void SetOnAfterInstallObjects(TAfterInstallObjectsEvent e) { onAfterInstallObjects_ = std::move(e); }
    const TInstallContainerNotifyEvent& OnBeforeInstallObjects() const { return onBeforeInstallObjects_; }
    void SetOnBeforeInstallObjects(TInstallContainerNotifyEvent e) { onBeforeInstallObjects_ = std::move(e); }

protected:
    // The install driver makes no companion specifier.
    TFileContainer(TComponent* owner, bool hasPathSpecifier);
    void Notification(TComponent* component, TOperation operation) override;
    void SetBusyState(uint8_t state) { busyState_ = state; }
    void SetTotalSize(int32_t size) { totalSize_ = size; }
    void SetDoneSize(int32_t size) { doneSize_ = size; }

private:
    void HandleInformation(int32_t code, TObject* po);
    void HandleStatus(TObject* po);
    void HandleNewDisk(TObject* po);
    void HandleDataReceived(TObject* po);
    void HandleFileDone(TObject* po);
    TCustomInstallFile* InstallFileParameter(TObject* po) const;

    bool hasPathSpecifier_;
    int32_t totalSize_ = 0;
    int32_t doneSize_ = 0;
    std::string description_;
    TInstallFileStatusEvent onStatus_;
    TInstallFileNewDiskEvent onNewDisk_;
    TInstallFileNotifyEvent onReplacing_;
    uint8_t busyState_ = busyNone;
    TAfterInstallObjectsEvent onAfterInstallObjects_;
    TInstallContainerNotifyEvent onBeforeInstallObjects_;
    TpsFileContainer* pathSpecifier_ = nullptr;
};
