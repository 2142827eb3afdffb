#pragma once
// Test fixtures of the install object model: a form class (a data module,
// so containers on it make the standard specifiers), an install driver
// stand-in with settable answers, and a helper that records broadcasts.

#include <string>
#include <vector>

#include "objects/install_driver.h"

// A data module stand-in for the class library's, and the test form.
class TTestDataModule : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TDataModule"; }
};
class TSetupForm : public TTestDataModule {
public:
    using TTestDataModule::TTestDataModule;
    std::string ClassName() const override { return "TSetupForm"; }
};

// The install driver as far as the object model asks it; published as
// "TInstall" so declarations can name it.
class TTestInstall : public TInstallDriver {
public:
    using TInstallDriver::TInstallDriver;
    std::string ClassName() const override { return "TInstall"; }
    bool IsInstalling() const override { return installing; }
    std::string ProductName() const override { return "Quillery"; }
    std::string InstallSourceDir() const override { return sourceDir; }
    bool SelfExtracting() const override { return selfExtracting; }
    std::string SelfExtractingName() const override { return selfExtractingName; }
    TDistributeType DistributeType() const override { return dtTraditional; }

    bool installing = false;
    std::string sourceDir = "Z:\\dist";
    bool selfExtracting = false;
    std::string selfExtractingName;
};

// A helper of kind 9000 that records what it receives.
class TRecorder : public TInstallObject {
public:
    using TInstallObject::TInstallObject;
    std::string ClassName() const override { return "TRecorder"; }
    int32_t KindNumber() const override { return kind; }
    void ReceiveMessage(TObject* sender, int32_t code, TObject* po) override;

    int32_t kind = 9000;
    std::vector<int32_t> codes;
    std::vector<TObject*> parameters;
    std::string lastStatusText;
};

// Registers every class the tests declare (once).
void RegisterTestClasses();
