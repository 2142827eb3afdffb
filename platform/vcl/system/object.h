#pragma once
// TObject: the root of the class library's classes.
//
// Conventions of the whole class library (and of the system code over it):
// - Delphi properties become a getter named like the property and a setter
//   prefixed with Set: `Count()` / `SetCount(n)`. Record fields stay public
//   members with the property's name.
// - Strings are std::string of 8-bit ANSI bytes in the machine's code page.
// - Objects are owned by raw pointers the way the class library owns them
//   (components by their owner, list items by their list); nothing is
//   reference counted.

#include <string>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name as declared ("TObject", "TComponent", "TInstall", ...).
    // Every class that the class registry or a form declaration names
    // overrides it.
    virtual std::string ClassName() const { return "TObject"; }

    // Runs before the destructor when an object is freed with Free, while
    // the object is still whole: components tell their owner and the
    // components that asked for free notification here, so that those see
    // the complete object. `delete` alone skips it; classes must stay
    // correct either way.
    virtual void BeforeDestruction() {}
};

// Frees `object` (nothing for nullptr): BeforeDestruction, then delete.
inline void Free(TObject* object) {
    if (object == nullptr) return;
    object->BeforeDestruction();
    delete object;
}

// Frees `object` and sets the pointer to nullptr first, so that nothing
// reached during destruction sees a dangling pointer.
template <class T>
void FreeAndNil(T*& object) {
    T* doomed = object;
    object = nullptr;
    Free(doomed);
}
