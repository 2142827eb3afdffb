#include "objects/install_registries.h"

#include "archive/cmp_TQrvlCompress.h"
#include "objects/install_exceptions.h"

int TInstallContainerList::Add(TInstallContainer* container) {
    if (container == nullptr) throw IEContainerList("Cannot add a blank entry to the TInstallContainerList object");
    return TList::Add(container);
}

int TCustomInstallFileList::Add(TCustomInstallFile* file) {
    if (file == nullptr)
        throw IECustomInstallFileList("Cannot add a blank entry to the TCustomInstallFileList object");
    return TList::Add(file);
}

TInstallContainerList& AllContainers() {
    static TInstallContainerList list;
    return list;
}

TCustomInstallFileList& AllInstallFiles() {
    static TCustomInstallFileList list;
    return list;
}

TCustomInstallFileList& DeferredRegistrations() {
    static TCustomInstallFileList list;
    return list;
}

TList& OpenForms() {
    static TList list;
    return list;
}

TQrvlCompress& SharedArchiveEngine() {
    static TQrvlCompress engine(nullptr);
    return engine;
}

namespace {
std::string& InstallKeyText() {
    static std::string key;
    return key;
}
}  // namespace

const std::string& InstallKey() { return InstallKeyText(); }
void SetInstallKey(const std::string& key) { InstallKeyText() = key; }
