#pragma once
// TPersistent: an object whose content can be copied into another with
// Assign and that can carry published properties (see class_registry.h).
//
// Assign(source) asks the destination first; a class that cannot take the
// source passes it on to source->AssignTo(this), and when neither side
// knows the other the copy fails with EConvertError
// "Cannot assign a TFont to a TStrings." (source class, then destination).

#include <string>

#include "vcl/system/object.h"

class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }

    // Copies the content of `source` (nullptr names "nil" in the error).
    // Overrides handle the classes they know and call the inherited Assign
    // for the rest.
    virtual void Assign(const TPersistent* source);

    // The object that owns this one, for naming property paths (a font's
    // owner is its control, a collection's owner its component).
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    // Copies this object into `dest` when `dest`'s class does not know this
    // one; the default raises the assignment error.
    virtual void AssignTo(TPersistent* dest) const;
    // Raises EConvertError for an assignment from `source` to this object.
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
