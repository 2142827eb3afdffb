#pragma once
// Whether a component is a form or a data module: the owners on which
// install containers make sure the standard path specifiers exist. Known
// by the class registry's lineage (a class derived from "TCustomForm" or
// "TDataModule").

class TComponent;

bool IsFormOrDataModule(const TComponent* component);
