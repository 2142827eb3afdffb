#include "objects/install_file.h"

#include "objects/install_registries.h"
#include "vcl/system/paths.h"

TCustomInstallFile::TCustomInstallFile(TComponent* owner) : TFileRelated(owner) {
    SetNet(false);
    AllInstallFiles().Add(this);
}

TCustomInstallFile::~TCustomInstallFile() {
    AllInstallFiles().Remove(this);
    DeferredRegistrations().Remove(this);
}

std::string TCustomInstallFile::SourcePath() const { return IncludeTrailingBackslash(includeFromDir_) + fileName_; }

void TCustomInstallFile::InstallObjects() {
    throw ENotImplemented("Installing a file is not implemented yet (" + Name() + ")");
}

void TCustomInstallFile::ReadInfoFromArchive() {
    throw ENotImplemented("Reading a file's archive information is not implemented yet (" + Name() + ")");
}
