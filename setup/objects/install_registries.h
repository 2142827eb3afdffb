#pragma once
// The global registries of the install object model: every live container
// and install file in creation order, the install files whose ActiveX
// registration is retried at the end of a run, the open dialog forms, the
// shared archive engine and the registry key of the current installation.
//
// The lists do not own their entries; objects add themselves when created
// and remove themselves when destroyed.

#include <string>

#include "vcl/classes/list.h"

class TInstallContainer;
class TCustomInstallFile;
class TQrvlCompress;

class TInstallContainerList : public TList {
public:
    std::string ClassName() const override { return "TInstallContainerList"; }
    // nullptr raises IEContainerList.
    int Add(TInstallContainer* container);
    TInstallContainer* Items(int index) const { return static_cast<TInstallContainer*>(TList::Items(index)); }
};

class TCustomInstallFileList : public TList {
public:
    std::string ClassName() const override { return "TCustomInstallFileList"; }
    // nullptr raises IECustomInstallFileList.
    int Add(TCustomInstallFile* file);
    TCustomInstallFile* Items(int index) const { return static_cast<TCustomInstallFile*>(TList::Items(index)); }
};

TInstallContainerList& AllContainers();
TCustomInstallFileList& AllInstallFiles();
TCustomInstallFileList& DeferredRegistrations();
// Every live TBaseQuorvelForm.
TList& OpenForms();

// The archive engine that does all archive work unless a caller makes its
// own; the copy dialog's Cancel sets its Abort flag.
TQrvlCompress& SharedArchiveEngine();

// The registry key (under HKEY_LOCAL_MACHINE) of the current installation,
// set by the install driver; empty until then.
const std::string& InstallKey();
void SetInstallKey(const std::string& key);

