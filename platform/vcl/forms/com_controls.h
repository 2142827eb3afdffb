#pragma once
// Common controls: TStatusBar (with its panels), TUpDown and TSpinButton.

#include <cstdint>
#include <string>

#include "vcl/classes/collection.h"
#include "vcl/forms/control.h"

class QLabel;
class QToolButton;
class TStatusBar;

class TStatusPanel : public TCollectionItem {
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
    std::string ClassName() const override { return "TStatusPanel"; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int32_t Width() const { return width_; }
    void SetWidth(int32_t width);

private:
    std::string text_;
    int32_t width_ = 50;
};

// A bar along the bottom: SimpleText across the whole bar while
// SimplePanel is set or there are no panels, else the panels side by side
// (the last one takes the rest).
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;
    std::string ClassName() const override { return "TStatusBar"; }
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    TCollection* Panels() { return panels_; }
    // EListError for a bad index.
    TStatusPanel* Panel(int index) const;
    // What the bar shows, panels separated by "|", for tests and hints.
    std::string ShownText() const;
    // Shows the current texts (panels tell it when they change).
    void UpdateBar();

private:
    QLabel* simple_;
    TCollection* panels_;
    std::string simpleText_;
    bool simplePanel_ = false;
};

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = TMethod<TObject* /*Sender*/, TUDBtnType /*Button*/>;
using TUDChangingEvent = TMethod<TObject* /*Sender*/, bool& /*AllowChange*/>;

// A spin button with a Position between Min and Max. Each press asks
// OnChanging, moves Position by Increment (wrapping past the ends with
// Wrap, else stopping there), writes it into the Associate control's text
// and fires OnClick with the button pressed.
class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner);
    std::string ClassName() const override { return "TUpDown"; }
    int32_t Min() const { return min_; }
    void SetMin(int32_t min) { min_ = min; }
    int32_t Max() const { return max_; }
    void SetMax(int32_t max) { max_ = max; }
    int32_t Position() const { return position_; }
    void SetPosition(int32_t position);
    int32_t Increment() const { return increment_; }
    void SetIncrement(int32_t increment) { increment_ = increment; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool wrap) { wrap_ = wrap; }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* control);
    // A press of the up (btNext) or down (btPrev) button.
    void Press(TUDBtnType button);

    const TUDClickEvent& OnClick() const { return onClick_; }
    void SetOnClick(TUDClickEvent h) { onClick_ = std::move(h); }
    const TUDChangingEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TUDChangingEvent h) { onChanging_ = std::move(h); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowInAssociate();
    QToolButton* up_;
    QToolButton* down_;
    int32_t min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = udVertical;
    TWinControl* associate_ = nullptr;
    TUDClickEvent onClick_;
    TUDChangingEvent onChanging_;
};

// Two arrow buttons with no value of their own.
class TSpinButton : public TWinControl {
public:
    explicit TSpinButton(TComponent* owner);
    std::string ClassName() const override { return "TSpinButton"; }
    void UpClick();
    void DownClick();
    const TNotifyEvent& OnUpClick() const { return onUpClick_; }
    void SetOnUpClick(TNotifyEvent h) { onUpClick_ = std::move(h); }
    const TNotifyEvent& OnDownClick() const { return onDownClick_; }
    void SetOnDownClick(TNotifyEvent h) { onDownClick_ = std::move(h); }

private:
    TNotifyEvent onUpClick_, onDownClick_;
};
