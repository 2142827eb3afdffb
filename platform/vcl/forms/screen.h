#pragma once
// TScreen and the Screen global: the screen's size and the cursor shown
// over every window of the program (crHourGlass while busy).

#include <cstdint>
#include <string>

#include "vcl/classes/component.h"

using TCursor = int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crHandPoint = -21;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TScreen"; }
    TCursor Cursor() const { return cursor_; }
    // Shown over every window until set back to crDefault.
    void SetCursor(TCursor cursor);
    int32_t Width() const;
    int32_t Height() const;

private:
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;
