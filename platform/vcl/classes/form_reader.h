#pragma once
// The form reader: makes the components of a form declaration (see
// form_declaration.h for the text format) and sets their published
// properties through the class registry.
//
// - Every declared component is created with the root (the form) as owner,
//   gets csLoading and csReading, its name, then SetParentComponent(the
//   object it is declared inside), then its properties in order, then its
//   nested objects. `inherited` objects are found by name among the root's
//   components instead of created; `inline` ones are found or created.
// - Component references and event handlers are resolved once the whole
//   declaration is read: references by name among the root's components
//   ("Form1.Button1" through the root's name or another form found by the
//   global lookup below), handlers among the root class's published
//   methods.
// - Then Loaded runs on the root and every created component in creation
//   order, and csLoading is cleared everywhere.
// - Any fault raises EFormDeclarationError "Line 12: Property Foo does not
//   exist"; the components the reader created are freed again (the root
//   too when the reader created it) and nothing is left half loaded.

#include <functional>
#include <string>

#include "vcl/classes/form_declaration.h"

class TComponent;

// Reads `text` into `root`, an existing component whose class the
// declaration's top object names.
void ReadFormDeclaration(TComponent* root, const std::string& text);
// Creates the top object's class with `owner` and reads the declaration
// into it; returns the new root.
TComponent* CreateFromFormDeclaration(const std::string& text, TComponent* owner);

// Finds a form by name for references to components of other forms
// ("Form2.Button1"); none by default.
using TFindGlobalComponent = std::function<TComponent*(const std::string& name)>;
void SetFindGlobalComponent(TFindGlobalComponent find);
