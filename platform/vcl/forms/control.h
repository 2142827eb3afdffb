#pragma once
// TControl and TWinControl: the class library's controls over Qt widgets.
//
// - Every control owns one QWidget (Widget()); giving the control a Parent
//   puts the widget inside the parent's ClientWidget(). A control without
//   a parent is never shown. Freeing a windowed control frees its child
//   controls first, as the class library does.
// - Left/Top/Width/Height are kept by the control and mirrored to the
//   widget; a window resized by the user reports its new size back.
// - Align lays children out as the class library does: in a parent's client
//   rectangle, alTop controls are stacked from the top (in order of Top),
//   alBottom from the bottom, then alLeft and alRight, and alClient takes
//   what is left; alNone controls keep their bounds. Hidden controls take
//   no room. Layout waits while the parent is loading.
// - Events fired by the user through Qt run guarded (application.h);
//   the same methods called by code (Click()) let exceptions through.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "vcl/classes/component.h"
#include "vcl/classes/events.h"
#include "vcl/forms/graphics.h"
#include "vcl/forms/keys.h"

class QEvent;
class TWinControl;
class TPopupMenu;
class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

using TMouseEvent = TMethod<TObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/, int32_t /*X*/,
                            int32_t /*Y*/>;
using TKeyEvent = TMethod<TObject* /*Sender*/, uint16_t& /*Key*/, TShiftState /*Shift*/>;
using TKeyPressEvent = TMethod<TObject* /*Sender*/, char& /*Key*/>;

struct TRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

class TControl : public TComponent {
public:
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    QWidget* Widget() const { return widget_; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* outer) override;
    TComponent* GetParentComponent() const override;

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetLeft(int32_t v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int32_t v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int32_t v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int32_t v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual int32_t ClientWidth() const { return width_; }
    virtual int32_t ClientHeight() const { return height_; }
    void SetClientWidth(int32_t v) { SetWidth(width_ - ClientWidth() + v); }
    void SetClientHeight(int32_t v) { SetHeight(height_ - ClientHeight() + v); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont* font) { font_.Assign(font); }
    // Takes the parent's font while true; changing Font clears it.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    // ShowHint is kept for the declaration; hints always show as tool tips.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }
    int32_t HelpContext() const { return helpContext_; }
    void SetHelpContext(int32_t context) { helpContext_ = context; }
    int32_t Cursor() const { return cursor_; }
    void SetCursor(int32_t cursor);

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // Fires OnClick (buttons do more first).
    virtual void Click();
    void DblClick();
    // Repaints the widget now.
    void Repaint();
    void Update() { Repaint(); }
    void BringToFront();

    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent h) { onClick_ = std::move(h); }
    const TNotifyEvent& OnDblClick() const { return onDblClick_; }
    void SetOnDblClick(TNotifyEvent h) { onDblClick_ = std::move(h); }
    const TMouseEvent& OnMouseDown() const { return onMouseDown_; }
    void SetOnMouseDown(TMouseEvent h) { onMouseDown_ = std::move(h); }
    const TMouseEvent& OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(TMouseEvent h) { onMouseUp_ = std::move(h); }
    const TNotifyEvent& OnResize() const { return onResize_; }
    void SetOnResize(TNotifyEvent h) { onResize_ = std::move(h); }

    // Fires OnMouseDown, then opens the popup menu for a right button.
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);

protected:
    // `widget` becomes the control's (the control deletes it).
    TControl(TComponent* owner, QWidget* widget);
    // Qt events of the widget (and of a scroll area's viewport); true eats
    // the event. The base maps mouse, context-menu and resize events.
    virtual bool WidgetEvent(QEvent* event);
    virtual void CaptionChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    // Moves the widget to the stored bounds.
    virtual void ApplyBounds();
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Watches the Qt events of `object` too.
    void WatchEvents(QObject* object);
    bool Loading() const { return ComponentState().Contains(csLoading); }

private:
    friend class TWinControl;
    class EventFilter;
    void ApplyVisibility();
    void ParentFontChanged();

    QPointer<QWidget> widget_;
    EventFilter* filter_;
    TWinControl* parent_ = nullptr;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TColor color_ = clBtnFace;
    bool colorSet_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool followingParentFont_ = false;
    std::string hint_;
    bool showHint_ = false;
    int32_t helpContext_ = 0;
    int32_t cursor_ = 0;
    TPopupMenu* popupMenu_ = nullptr;
    TNotifyEvent onClick_, onDblClick_, onResize_;
    TMouseEvent onMouseDown_, onMouseUp_;
};

class TWinControl : public TControl {
public:
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The widget children go into (the control's own widget by default).
    virtual QWidget* ClientWidget() const { return Widget(); }
    // The rectangle aligned children share, in client coordinates.
    virtual TRect AlignRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // Lays out the aligned children now.
    void Realign();
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    bool Focused() const;
    void SetFocus();
    bool CanFocus() const;
    int32_t TabOrder() const { return tabOrder_; }
    void SetTabOrder(int32_t order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool stop);

    const TNotifyEvent& OnEnter() const { return onEnter_; }
    void SetOnEnter(TNotifyEvent h) { onEnter_ = std::move(h); }
    const TNotifyEvent& OnExit() const { return onExit_; }
    void SetOnExit(TNotifyEvent h) { onExit_ = std::move(h); }
    const TKeyEvent& OnKeyDown() const { return onKeyDown_; }
    void SetOnKeyDown(TKeyEvent h) { onKeyDown_ = std::move(h); }
    const TKeyEvent& OnKeyUp() const { return onKeyUp_; }
    void SetOnKeyUp(TKeyEvent h) { onKeyUp_ = std::move(h); }
    const TKeyPressEvent& OnKeyPress() const { return onKeyPress_; }
    void SetOnKeyPress(TKeyPressEvent h) { onKeyPress_ = std::move(h); }

protected:
    TWinControl(TComponent* owner, QWidget* widget);
    bool WidgetEvent(QEvent* event) override;
    void FontChanged() override;
    void Loaded() override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    std::vector<TControl*> controls_;
    bool realigning_ = false;
    int32_t tabOrder_ = -1;
    bool tabStop_ = false;
    TNotifyEvent onEnter_, onExit_;
    TKeyEvent onKeyDown_, onKeyUp_;
    TKeyPressEvent onKeyPress_;
};

// The form a control sits on, nullptr when it is on none.
TForm* GetParentForm(const TControl* control);
