#pragma once
// TInstallDirectory: the published file container for one destination
// directory.

#include <string>

#include "objects/file_container.h"

class TInstallDirectory : public TFileContainer {
public:
    using TFileContainer::TFileContainer;
    std::string ClassName() const override { return "TInstallDirectory"; }

    // Frees, last to first, every attached install file whose source file
    // does not exist.
    virtual void RemoveMissingFiles();
};
