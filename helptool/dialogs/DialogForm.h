#pragma once
// Dialog forms of the help tool: made from their form declaration when
// needed and freed after use.
//
//   TDialogForm<TfrmAbout> form = CreateDialogForm<TfrmAbout>(owner, kDeclaration);
//   form->ShowModal();
//
// The form class T publishes its handlers with a static Register() that
// CreateDialogForm calls before reading the declaration.

#include <memory>
#include <string>

#include "vcl/classes/component.h"
#include "vcl/classes/form_reader.h"
#include "vcl/forms/forms_registration.h"

struct TFreeComponent {
    void operator()(TObject* object) const { Free(object); }
};
template <class T>
using TDialogForm = std::unique_ptr<T, TFreeComponent>;

// A new form of class T owned by `owner`, read from `declaration`, its
// OnCreate fired.
template <class T>
TDialogForm<T> CreateDialogForm(TComponent* owner, const std::string& declaration) {
    RegisterFormsClasses();
    T::Register();
    TDialogForm<T> form(new T(owner));
    ReadFormDeclaration(form.get(), declaration);
    form->DoCreate();
    return form;
}

// The component `name` of `root`, of class C; EComponentError naming it when
// the declaration has no such component (a fault of the declaration).
template <class C>
C& DeclaredPart(const TComponent& root, const std::string& name) {
    C* part = dynamic_cast<C*>(root.FindComponent(name));
    if (part == nullptr) throw EComponentError("The form " + root.Name() + " declares no " + name);
    return *part;
}
