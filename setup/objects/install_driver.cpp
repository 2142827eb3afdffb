#include "objects/install_driver.h"

#include "objects/install_registries.h"

TInstallDriver* InstallDriver() {
    TInstallContainerList& all = AllContainers();
    for (int i = 0; i < all.Count(); ++i)
        if (auto* driver = dynamic_cast<TInstallDriver*>(all.Items(i))) return driver;
    return nullptr;
}
