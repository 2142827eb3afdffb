#pragma once
// TInstallDriver: what the object model and the path specifiers ask of the
// install driver (TCustomInstall, the root of the tree), which derives from
// it. There is at most one in a running setup; InstallDriver() finds it
// among the live containers on every call.

#include <string>

#include "objects/file_container.h"

class TInstallDriver : public TFileContainer {
public:
    explicit TInstallDriver(TComponent* owner) : TFileContainer(owner, false) {}
    std::string ClassName() const override { return "TInstallDriver"; }

    // An installation is running (objects then wait for their container).
    virtual bool IsInstalling() const = 0;
    // Information.ProductName, the name of the uninstall key.
    virtual std::string ProductName() const = 0;
    // The directory the user ran the setup from, without trailing backslash.
    virtual std::string InstallSourceDir() const = 0;
    // The setup runs from a self-extracting file (the "-e" switch), and the
    // switch's value.
    virtual bool SelfExtracting() const = 0;
    virtual std::string SelfExtractingName() const = 0;
    virtual TDistributeType DistributeType() const = 0;
};

// The live install driver, or nullptr.
TInstallDriver* InstallDriver();
