#pragma once
// Whether a component is a form or a data module: the owners on which
// install containers make sure the standard path specifiers exist: a
// TForm, or a class the class registry derives from "TCustomForm" or
// "TDataModule" (the class library has no data module of its own).

class TComponent;

bool IsFormOrDataModule(const TComponent* component);
