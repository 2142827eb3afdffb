#include "objects/owner_kind.h"

#include "vcl/classes/class_registry.h"
#include "vcl/classes/component.h"
#include "vcl/forms/form.h"
#include "vcl/system/ansistrings.h"

bool IsFormOrDataModule(const TComponent* component) {
    if (component == nullptr) return false;
    if (dynamic_cast<const TForm*>(component) != nullptr) return true;
    for (const TClassInfo* info = ClassInfoOf(*component); info != nullptr; info = info->Parent())
        if (AnsiSameText(info->Name(), "TCustomForm") || AnsiSameText(info->Name(), "TDataModule")) return true;
    return false;
}
