#pragma once
// The core standard specifiers: locations relative to the installation and
// the classic Windows folders, registered in this order.
//
// Check rules (IEPathSpecifier, filled with the asking object's name):
// - container rule (psContainerDestDir): the object is a TInstallObject
//   with a Container;
// - container archive rule (psContainerArchiveFile): the same, and the
//   Container is a TFileRelated;
// - install rule (psInstallSource, psMainInstall, psMainArchiveFile): an
//   install driver exists; psMainInstall also refuses the driver itself.
// The checked kinds check again in GetPath; the others never raise.

#include <string>

#include "paths/cmp_TPathSpecifier.h"

class TpsBDEDLL : public TStandardPathSpecifier {
public:
    explicit TpsBDEDLL(TComponent* owner);
    std::string ClassName() const override { return "TpsBDEDLL"; }
    std::string GetDescription() override;
    std::string GetShortName() override { return "BDE DLL"; }
    // The first ";"-separated entry of the engine's DLLPath, else its
    // default folder under Program Files.
    std::string GetPath(TComponent* object) override;
};

class TpsCommonFiles : public TStandardPathSpecifier {
public:
    explicit TpsCommonFiles(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonFiles"; }
    std::string GetDescription() override;
    std::string GetShortName() override { return "Common files"; }
    std::string GetPath(TComponent* object) override;
};

class TpsContainerArchiveFile : public TStandardPathSpecifier {
public:
    explicit TpsContainerArchiveFile(TComponent* owner);
    std::string ClassName() const override { return "TpsContainerArchiveFile"; }
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override { return "Path to the archive file of the container"; }
    std::string GetShortName() override { return "Container archive file"; }
    std::string GetPath(TComponent* object) override;
};

class TpsContainerDestDir : public TStandardPathSpecifier {
public:
    explicit TpsContainerDestDir(TComponent* owner);
    std::string ClassName() const override { return "TpsContainerDestDir"; }
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override { return "Path of the group (container)"; }
    // Names the container as the object sees it ("Path of the <Tools>
    // directory"); the plain description when the object may not use it.
    std::string GetObjectDescription(TComponent* object) override;
    std::string GetObjectShortName(TComponent* object) override;
    std::string GetPath(TComponent* object) override;
};

class TpsDesktopMenu : public TStandardPathSpecifier {
public:
    explicit TpsDesktopMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsDesktopMenu"; }
    std::string GetDescription() override { return "Path of the Desktop"; }
    std::string GetShortName() override { return "Desktop"; }
    std::string GetPath(TComponent* object) override;
};

class TpsInstallSource : public TStandardPathSpecifier {
public:
    explicit TpsInstallSource(TComponent* owner);
    std::string ClassName() const override { return "TpsInstallSource"; }
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override { return "Path from which the user ran the install"; }
    std::string GetShortName() override { return "Install source"; }
    std::string GetPath(TComponent* object) override;
};

class TpsMainInstall : public TStandardPathSpecifier {
public:
    explicit TpsMainInstall(TComponent* owner);
    std::string ClassName() const override { return "TpsMainInstall"; }
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override { return "Main installation directory"; }
    std::string GetShortName() override { return "Main install dir"; }
    std::string GetPath(TComponent* object) override;
};

class TpsProgramFiles : public TStandardPathSpecifier {
public:
    explicit TpsProgramFiles(TComponent* owner);
    std::string ClassName() const override { return "TpsProgramFiles"; }
    std::string GetDescription() override { return "Path of the program files directory"; }
    std::string GetShortName() override { return "Program files"; }
    std::string GetPath(TComponent* object) override;
};

class TpsProgramMenu : public TStandardPathSpecifier {
public:
    explicit TpsProgramMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsProgramMenu"; }
    std::string GetDescription() override { return "Path of the Programs folder under the Start Menu"; }
    std::string GetShortName() override { return "Program menu"; }
    std::string GetPath(TComponent* object) override;
};

class TpsStartMenu : public TStandardPathSpecifier {
public:
    explicit TpsStartMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsStartMenu"; }
    std::string GetDescription() override { return "Path of Start Menu"; }
    std::string GetShortName() override { return "Start menu"; }
    std::string GetPath(TComponent* object) override;
};

class TpsStartupMenu : public TStandardPathSpecifier {
public:
    explicit TpsStartupMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsStartupMenu"; }
    std::string GetDescription() override;
    std::string GetShortName() override { return "Startup menu"; }
    std::string GetPath(TComponent* object) override;
};

class TpsSystem : public TStandardPathSpecifier {
public:
    explicit TpsSystem(TComponent* owner);
    std::string ClassName() const override { return "TpsSystem"; }
    std::string GetDescription() override { return "Path of system directory"; }
    std::string GetShortName() override { return "System dir"; }
    std::string GetPath(TComponent* object) override;
};

// The main archive: a file path ("...\files.1", or the self-extracting
// setup named by "-e").
class TpsMainArchiveFile : public TStandardPathSpecifier {
public:
    explicit TpsMainArchiveFile(TComponent* owner);
    std::string ClassName() const override { return "TpsMainArchiveFile"; }
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override;
    std::string GetShortName() override { return "Main archive"; }
    std::string GetPath(TComponent* object) override;

    // When not blank, the directory of the main archive instead of the
    // install source (the disk the user inserted after a disk change).
    const std::string& ArchiveDirectory() const { return archiveDirectory_; }
    void SetArchiveDirectory(const std::string& dir) { archiveDirectory_ = dir; }

private:
    std::string archiveDirectory_;
};

class TpsWindow : public TStandardPathSpecifier {
public:
    explicit TpsWindow(TComponent* owner);
    std::string ClassName() const override { return "TpsWindow"; }
    std::string GetDescription() override { return "Path of the Windows directory"; }
    std::string GetShortName() override { return "Windows dir"; }
    std::string GetPath(TComponent* object) override;
};
