#pragma once
// The help window's position and size: TfrmWindowPositionSize with the
// edits Left, Top (group "Screen Position"), Width and Height (group
// "Window Size"). The window closes only when all four hold whole numbers
// that fit in 32 bits; otherwise "Invalid number in form." is shown and it
// stays open.

#include <cstdint>
#include <string>

#include "vcl/forms/form.h"

class THelpProject;
class TEdit;

class TfrmWindowPositionSize : public TForm {
public:
    explicit TfrmWindowPositionSize(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TfrmWindowPositionSize"; }
    static void Register();

    TEdit& LeftEdit() const;
    TEdit& TopEdit() const;
    TEdit& WidthEdit() const;
    TEdit& HeightEdit() const;

    // Lets the window close only when the four edits hold valid numbers,
    // which it then keeps as Values.
    void FormCloseQuery(TObject* sender, bool& canClose);

    struct TValues {
        int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    };
    // The numbers of the edits when the window last closed.
    const TValues& Values() const { return values_; }

private:
    // False when an edit holds no valid number.
    bool ReadValues(TValues& values) const;

    TValues values_;
};

// "Help Window &Position / Size": the window with WindowLeft, WindowTop,
// WindowWidth and WindowHeight in decimal; once it closes the four numbers
// are stored. Modified is not set.
void RunWindowPositionSize(THelpProject& project, TComponent* owner);
