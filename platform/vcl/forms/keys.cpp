#include "vcl/forms/keys.h"

#include <QKeySequence>
#include <Qt>
#include <cctype>

namespace {

struct KeyName {
    uint16_t key;
    const char* name;
    int qt;
};

constexpr KeyName kKeys[] = {
    {VK_BACK, "BkSp", Qt::Key_Backspace}, {VK_TAB, "Tab", Qt::Key_Tab},       {VK_RETURN, "Enter", Qt::Key_Return},
    {VK_ESCAPE, "Esc", Qt::Key_Escape},    {VK_SPACE, "Space", Qt::Key_Space}, {VK_PRIOR, "PgUp", Qt::Key_PageUp},
    {VK_NEXT, "PgDn", Qt::Key_PageDown},   {VK_END, "End", Qt::Key_End},       {VK_HOME, "Home", Qt::Key_Home},
    {VK_LEFT, "Left", Qt::Key_Left},       {VK_UP, "Up", Qt::Key_Up},          {VK_RIGHT, "Right", Qt::Key_Right},
    {VK_DOWN, "Down", Qt::Key_Down},       {VK_INSERT, "Ins", Qt::Key_Insert}, {VK_DELETE, "Del", Qt::Key_Delete},
};

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

uint16_t KeyOfName(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(name[0])));
    for (const auto& k : kKeys) {
        if (SameText(name, k.name)) return k.key;
    }
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        const std::string digits = name.substr(1);
        if (digits.find_first_not_of("0123456789") == std::string::npos && digits.size() <= 2) {
            const int n = std::stoi(digits);
            if (n >= 1 && n <= 12) return static_cast<uint16_t>(VK_F1 + n - 1);
        }
    }
    return 0;
}

std::string NameOfKey(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    for (const auto& k : kKeys) {
        if (k.key == key) return k.name;
    }
    return {};
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    TShortCut result = key & 0xFF;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

TShortCut TextToShortCut(const std::string& text) {
    TShortCut modifiers = 0;
    std::string rest = text;
    for (;;) {
        const size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size()) break;
        const std::string word = rest.substr(0, plus);
        if (SameText(word, "Ctrl")) modifiers |= scCtrl;
        else if (SameText(word, "Shift")) modifiers |= scShift;
        else if (SameText(word, "Alt")) modifiers |= scAlt;
        else return 0;
        rest.erase(0, plus + 1);
    }
    const uint16_t key = KeyOfName(rest);
    return key == 0 ? 0 : static_cast<TShortCut>(modifiers | key);
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = NameOfKey(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + key;
}

uint16_t VirtualKeyOfQtKey(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    if (qtKey == Qt::Key_Enter) return VK_RETURN;
    if (qtKey == Qt::Key_Shift) return VK_SHIFT;
    if (qtKey == Qt::Key_Control) return VK_CONTROL;
    if (qtKey == Qt::Key_Alt) return VK_MENU;
    for (const auto& k : kKeys) {
        if (k.qt == qtKey) return k.key;
    }
    return 0;
}

int QtKeyOfShortCut(TShortCut shortCut) {
    const uint16_t key = shortCut & 0xFF;
    int qt = 0;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) qt = key;
    else if (key >= VK_F1 && key <= VK_F12) qt = Qt::Key_F1 + (key - VK_F1);
    for (const auto& k : kKeys) {
        if (k.key == key) qt = k.qt;
    }
    if (qt == 0) return 0;
    if (shortCut & scShift) qt |= Qt::SHIFT;
    if (shortCut & scCtrl) qt |= Qt::CTRL;
    if (shortCut & scAlt) qt |= Qt::ALT;
    return qt;
}

TShiftState ShiftStateOfQt(int modifiers, int buttons) {
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift.Include(ssShift);
    if (modifiers & Qt::ControlModifier) shift.Include(ssCtrl);
    if (modifiers & Qt::AltModifier) shift.Include(ssAlt);
    if (buttons & Qt::LeftButton) shift.Include(ssLeft);
    if (buttons & Qt::RightButton) shift.Include(ssRight);
    if (buttons & Qt::MiddleButton) shift.Include(ssMiddle);
    return shift;
}
