#pragma once
// Virtual-key codes, shift states and menu shortcuts ("Ctrl+N") of the
// class library, and their Qt counterparts.

#include <cstdint>
#include <string>

#include "vcl/classes/set.h"

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum : uint16_t {
    VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12,
    VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
    VK_F1 = 0x70, VK_F12 = 0x7B,
};

// A shortcut: the key code with scShift, scCtrl, scAlt added.
using TShortCut = uint16_t;
enum : uint16_t { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Ctrl+N", "Shift+Ctrl+F1", "Del"; 0 for a text that names no shortcut.
TShortCut TextToShortCut(const std::string& text);
// The class library's spelling: "Ctrl+N" (empty for 0).
std::string ShortCutToText(TShortCut shortCut);

// A Qt key (Qt::Key) as a virtual-key code, 0 when there is none.
uint16_t VirtualKeyOfQtKey(int qtKey);
// The Qt key combination of a shortcut (QKeyCombination's int form).
int QtKeyOfShortCut(TShortCut shortCut);
// Shift state of Qt keyboard modifiers and mouse buttons (their int forms).
TShiftState ShiftStateOfQt(int modifiers, int buttons);
