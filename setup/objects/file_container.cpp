#include "objects/file_container.h"

#include "archive/cmp_TQrvlCompress.h"
#include "objects/install_exceptions.h"
#include "objects/install_file.h"
#include "objects/install_parameters.h"
#include "objects/install_registries.h"
#include "objects/ps_file_container.h"
#include "vcl/classes/list.h"
#include "vcl/forms/screen.h"
#include "vcl/system/rounding.h"

namespace {

// The companion's name: "psFileContainer", else with the smallest free number.
std::string FreeCompanionName(const TComponent* owner) {
    const std::string base = "psFileContainer";
    if (owner == nullptr || owner->FindComponent(base) == nullptr) return base;
    for (int n = 1;; ++n)
        if (owner->FindComponent(base + std::to_string(n)) == nullptr) return base + std::to_string(n);
}

// The hourglass over every window while it lives; the cursor that was shown
// before comes back, also when an error passes through.
class HourglassCursor {
public:
    HourglassCursor() : previous_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~HourglassCursor() { Screen->SetCursor(previous_); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    TCursor previous_;
};

}  // namespace

TFileContainer::TFileContainer(TComponent* owner, bool hasPathSpecifier)
    : TFileRelated(owner), hasPathSpecifier_(hasPathSpecifier) {
    if (!hasPathSpecifier_) return;
    auto* companion = new TpsFileContainer(owner);
    try {
        companion->SetName(FreeCompanionName(owner));
        companion->SetFileContainer(this);
    } catch (...) {
        Free(companion);
        throw;
    }
    AdoptPathSpecifier(companion);
}

TFileContainer::~TFileContainer() {
    ClearFiles();
    if (pathSpecifier_ != nullptr && !pathSpecifier_->ComponentState().Contains(csDestroying))
        FreeAndNil(pathSpecifier_);
}

void TFileContainer::AdoptPathSpecifier(TpsFileContainer* specifier) {
    if (specifier == pathSpecifier_) return;
    TpsFileContainer* previous = pathSpecifier_;
    pathSpecifier_ = specifier;
    if (specifier != nullptr) specifier->FreeNotification(this);
    Free(previous);
}

void TFileContainer::Notification(TComponent* component, TOperation operation) {
    TFileRelated::Notification(component, operation);
    if (operation == opRemove && component != nullptr && component == pathSpecifier_) pathSpecifier_ = nullptr;
}

void TFileContainer::DoInformationEventControl(TObject* sender, int32_t code, TObject* po) {
    (void)sender;
    if (busyState_ == busyNone) return;
    HandleInformation(code, po);
    if (Container() != nullptr) Container()->DoInformationEventControl(this, code, po);
}

void TFileContainer::HandleInformation(int32_t code, TObject* po) {
    switch (code) {
        case ieReplacing:
            DoReplacing(InstallFileParameter(po));
            break;
        case ieInstallStatus:
        case ieCompressStatus:
        case ieCopyStatus:
            HandleStatus(po);
            break;
        case ieNewDisk:
            HandleNewDisk(po);
            break;
        case ieDataReceived:
            HandleDataReceived(po);
            break;
        case ieFileSkipped:
        case ieFileNotCopied:
            HandleFileDone(po);
            break;
        default:
            break;
    }
}

TCustomInstallFile* TFileContainer::InstallFileParameter(TObject* po) const {
    if (po == nullptr) throw IEFileContainer("%s got a nil PO parameter", {Name()});
    auto* file = dynamic_cast<TCustomInstallFile*>(po);
    if (file == nullptr) throw IEFileContainer("DoInformationEventControl parameter is not TInstallFile");
    return file;
}

void TFileContainer::HandleStatus(TObject* po) {
    if (po == nullptr) throw IEFileContainer("%s got a nil PO parameter", {Name()});
    auto* list = dynamic_cast<TList*>(po);
    if (list == nullptr) throw IEFileContainer("DoInformationEventControl--PO is not a TList object");
    if (list->Count() < 2) throw IEFileContainer("DoInformationEventControl--Not engouh parameters for status event");
    auto* file = dynamic_cast<TCustomInstallFile*>(static_cast<TObject*>(list->Items(0)));
    if (file == nullptr) throw IEFileContainer("DoInformationEventControl says bad first parameter");
    auto* parameter = dynamic_cast<TFileStatusParameter*>(static_cast<TObject*>(list->Items(1)));
    if (parameter == nullptr) throw IEFileContainer("DoInformationEventControl says bad second parameter");
    parameter->TotalBytesDone = doneSize_ + parameter->BytesDone;
    parameter->TotalPercentDone = Percentage(parameter->TotalBytesDone, totalSize_);
    DoStatus(file, parameter);
    if (parameter->FileStats.Done) doneSize_ += parameter->FileStats.FileSize;
}

void TFileContainer::HandleNewDisk(TObject* po) {
    if (po == nullptr) throw IEFileContainer("%s got a nil PO parameter", {Name()});
    auto* list = dynamic_cast<TList*>(po);
    if (list == nullptr) throw IEFileContainer("DoInformationEventControl--PO is not a TList object");
    if (list->Count() < 2) throw IEFileContainer("DoInformationEventControl--Not engouh parameters for status event");
    auto* file = dynamic_cast<TCustomInstallFile*>(static_cast<TObject*>(list->Items(0)));
    if (file == nullptr) throw IEFileContainer("DoInformationEventControl says bad %d parameter", {1});
    auto* parameter = dynamic_cast<TDiskParameter*>(static_cast<TObject*>(list->Items(1)));
    if (parameter == nullptr) throw IEFileContainer("DoInformationEventControl says bad %d parameter", {2});
    DoNewDisk(file, parameter);
    SendToHelpers(this, hmNewDisk, list);
}

void TFileContainer::HandleDataReceived(TObject* po) {
    auto* parameter = dynamic_cast<TDownloadStatusParameter*>(po);
    if (parameter == nullptr)
        throw IEFileContainer("The PO object passed to %s is not a TDownloadStatusParameter object", {Name()});
    if (OnDataReceived())
        OnDataReceived()(this, parameter->FileName, parameter->Bytes, parameter->TotalBytes, parameter->FileSize,
                         nullptr);
    SendToHelpers(this, hmDataReceived, parameter);
}

void TFileContainer::HandleFileDone(TObject* po) {
    TCustomInstallFile* file = InstallFileParameter(po);
    TFileStatusParameter parameter;
    parameter.BytesDone = file->Size();
    parameter.FilePercentDone = 100;
    parameter.FileName = file->FileName();
    parameter.TotalBytesDone = doneSize_ + file->Size();
    parameter.TotalPercentDone = Percentage(parameter.TotalBytesDone, totalSize_);
    DoStatus(file, &parameter);
    doneSize_ += file->Size();
}

void TFileContainer::DoNewDisk(TCustomInstallFile* file, TDiskParameter* parameter) {
    if (!onNewDisk_) return;
    std::string path = parameter->Path;
    onNewDisk_(file, parameter->DiskNumber, path);
    file->SetTag(1);
    parameter->Path = path;
}

void TFileContainer::DoReplacing(TCustomInstallFile* file) {
    if (onReplacing_) onReplacing_(file);
    SendToHelpers(this, hmReplacing, file);
}

void TFileContainer::DoStatus(TCustomInstallFile* file, TFileStatusParameter* parameter) {
    if (onStatus_) onStatus_(file, parameter->FilePercentDone, parameter->TotalPercentDone);
    SendToHelpers(this, hmStatus, parameter);
}

void TFileContainer::InstallObjects() {
    busyState_ = busyInstall;
    try {
        const HourglassCursor hourglass;
        std::string localArchive;
        if (FindLocalArchive(localArchive)) SetLocalArchivePath(localArchive);
        ReadInfoFromArchive();
        SendToHelpers(this, hmBeforeInstallObjects, nullptr);
        if (Container() != nullptr) Container()->DoInformationEventControl(this, ieContainerStarted, this);
        totalSize_ = TotalFileSize(false);
        doneSize_ = 0;
        if (onBeforeInstallObjects_) onBeforeInstallObjects_(this);
        TFileRelated::InstallObjects();
        if (Container() != nullptr) Container()->DoInformationEventControl(this, ieContainerEnded, this);
    } catch (...) {
        busyState_ = busyNone;
        throw;
    }
    const bool wasAborted = SharedArchiveEngine().Abort();
    busyState_ = busyNone;
    SendToHelpers(this, hmOperationEnded, nullptr);
    if (onAfterInstallObjects_) onAfterInstallObjects_(this, wasAborted);
}

int32_t TFileContainer::SumFileSizes(bool all, bool recursive) {
    int32_t sum = 0;
    for (int i = 0; i < ChildCount(); ++i) {
        TInstallContainer* child = Children(i);
        if (!all && !child->WillInstall()) continue;
        if (auto* file = dynamic_cast<TCustomInstallFile*>(child))
            sum += file->Size();
        else if (auto* container = dynamic_cast<TFileContainer*>(child); container != nullptr && recursive)
            sum += container->TotalFileSize(all);
    }
    return sum;
}

void TFileContainer::ReadInfoFromArchive() {
    for (int i = 0; i < FileCount(); ++i) Files(i)->ReadInfoFromArchive();
    for (int i = 0; i < FileContainerCount(); ++i) FileContainers(i)->ReadInfoFromArchive();
    SetInfoRead();
}

void TFileContainer::ClearFiles() { FreeChildren<TCustomInstallFile>(); }
