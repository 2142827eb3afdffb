#pragma once
// Publishes the visual classes (controls, forms, menus, dialogs, TFont)
// in the class registry, so that form declarations can name them.
// Call before reading a form; calling again does nothing.
//
// Besides the properties of each class, every control accepts the
// declaration-only properties the class library writes (PixelsPerInch,
// TextHeight, OldCreateOrder, Scaled, TabOrder, ParentShowHint, ...),
// which it keeps without effect, so such declarations read unchanged.

void RegisterFormsClasses();
