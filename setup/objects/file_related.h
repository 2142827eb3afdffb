#pragma once
// TFileRelated: an install object that has an archive (ArchiveFile relative
// to ArchiveFileType) and may take its data from a net install location.
// It is installed by its container's InstallObjects pass.
//
// Attached (not while loading) to a file-related object or a group, its
// archive becomes the container's (psContainerArchiveFile); attached to
// anything else it leaves a container-archive specifier.

#include <string>

#include "archive/cmp_TQrvlCompress.h"
#include "objects/cmp_TInstallContainer.h"

class TFileRelated : public TInstallObject {
public:
    explicit TFileRelated(TComponent* owner);
    std::string ClassName() const override { return "TFileRelated"; }

    void SetContainer(TInstallContainer* value) override;

    // ArchiveFileType's path for this object followed by ArchiveFile, one
    // trailing backslash removed.
    virtual std::string GetArchivePath();

    // The recorded local copy of this object's net archive: the registry
    // value "LocalFile" under InstallKey + "\" + Name (HKEY_LOCAL_MACHINE),
    // when it names an existing file.
    bool FindLocalArchive(std::string& path);
    // Records `path` as that local copy; a failed write is ignored.
    virtual void SetLocalArchive(const std::string& path);
    virtual bool IsArchiveLocal();

    // A block of a download arrived: OnDataReceived, the -988 broadcast and
    // the 1014 notification to the container.
    virtual void DataReceived(TObject* sender, const std::string& fileName, int32_t bytes, int32_t totalBytes,
                              int32_t fileSize, const char* buffer);

    const std::string& LocalArchivePath() const { return localArchivePath_; }
    void SetLocalArchivePath(const std::string& path) { localArchivePath_ = path; }
    TlzhCommand AddToArchive() const { return addToArchive_; }
    void SetAddToArchive(TlzhCommand command) { addToArchive_ = command; }
    bool InfoRead() const { return infoRead_; }
    const std::string& ArchiveFile() const { return archiveFile_; }
    // Stored as given while loading; otherwise empty when the archive is the
    // container's or the main archive.
    virtual void SetArchiveFile(const std::string& archiveFile);
    TCustomPathSpecifier* ArchiveFileType() const { return archiveFileType_; }
    virtual void SetArchiveFileType(TCustomPathSpecifier* specifier);
    bool Net() const { return net_; }
    virtual void SetNet(bool net) { net_ = net; }
    TComponent* NetLocation() const { return netLocation_; }
    virtual void SetNetLocation(TComponent* location);
    const TDataReceivedEvent& OnDataReceived() const { return onDataReceived_; }
    void SetOnDataReceived(TDataReceivedEvent e) { onDataReceived_ = std::move(e); }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void SetInfoRead() { infoRead_ = true; }

private:
    std::string localArchivePath_;
    TlzhCommand addToArchive_ = lzcOverwrite;
    bool infoRead_ = false;
    std::string archiveFile_;
    TCustomPathSpecifier* archiveFileType_ = nullptr;
    bool net_ = true;
    TComponent* netLocation_ = nullptr;
    TDataReceivedEvent onDataReceived_;
};
