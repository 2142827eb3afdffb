#include "vcl/forms/control.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/form.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/qt_graphics.h"
#include "vcl/forms/qt_text.h"
#include "vcl/forms/screen.h"

class TControl::EventFilter : public QObject {
public:
    explicit EventFilter(TControl* control) : control_(control) {}
    void Detach() { control_ = nullptr; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        (void)watched;
        if (control_ == nullptr) return false;
        bool eaten = false;
        RunGuarded(control_, [&] { eaten = control_->WidgetEvent(event); });
        return eaten;
    }

private:
    TControl* control_;
};

namespace {

TMouseButton MouseButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return mbRight;
    if (button == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}

}  // namespace

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), widget_(widget) {
    EnsureQtApplication();
    filter_ = new EventFilter(this);
    WatchEvents(widget_);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) WatchEvents(area->viewport());
    font_.SetOnChange(TNotifyEvent(this, [this](TObject*) {
        if (!followingParentFont_) parentFont_ = false;
        FontChanged();
    }));
    width_ = widget_->width();
    height_ = widget_->height();
}

TControl::~TControl() {
    filter_->Detach();
    if (parent_ != nullptr) parent_->RemoveControl(this);
    parent_ = nullptr;
    delete widget_.data();
    delete filter_;
}

void TControl::WatchEvents(QObject* object) { object->installEventFilter(filter_); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EComponentError("A control cannot have itself as its parent");
    TWinControl* old = parent_;
    if (old != nullptr) old->RemoveControl(this);
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->InsertControl(this);
        widget_->setParent(parent_->ClientWidget());
        if (parentFont_) ParentFontChanged();
    } else {
        widget_->setParent(nullptr);
    }
    ApplyBounds();
    ApplyVisibility();
    if (align_ != alNone) {
        if (old != nullptr) old->Realign();
        if (parent_ != nullptr) parent_->Realign();
    }
}

void TControl::SetParentComponent(TComponent* outer) {
    if (auto* parent = dynamic_cast<TWinControl*>(outer)) SetParent(parent);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    const bool resized = width != width_ || height != height_;
    if (left == left_ && top == top_ && !resized) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyBounds();
    if (align_ != alNone && parent_ != nullptr) parent_->Realign();
    if (resized && onResize_ && !Loading()) onResize_(this);
}

void TControl::ApplyBounds() {
    if (parent_ != nullptr) widget_->setGeometry(left_, top_, width_, height_);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_ != nullptr) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ApplyVisibility();
    if (align_ != alNone && parent_ != nullptr) parent_->Realign();
}

void TControl::ApplyVisibility() {
    if (parent_ != nullptr) widget_->setVisible(visible_);
}

bool TControl::Showing() const {
    if (!visible_) return false;
    if (parent_ != nullptr) return parent_->Showing();
    return widget_->isVisible();
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    CaptionChanged();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    colorSet_ = true;
    ColorChanged();
}

void TControl::ColorChanged() {
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, ToQColor(color_));
    palette.setColor(QPalette::Base, ToQColor(color_));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (parent_ == nullptr) return;
    followingParentFont_ = true;
    font_.Assign(parent_->Font());
    followingParentFont_ = false;
}

void TControl::FontChanged() {
    widget_->setFont(ToQFont(font_));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(font_.Color()));
    palette.setColor(QPalette::Text, ToQColor(font_.Color()));
    palette.setColor(QPalette::ButtonText, ToQColor(font_.Color()));
    widget_->setPalette(palette);
}

void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    widget_->setToolTip(ToQString(hint));
}

void TControl::SetCursor(int32_t cursor) {
    cursor_ = cursor;
    widget_->setCursor(cursor == crHourGlass ? Qt::WaitCursor : cursor == crIBeam ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    popupMenu_ = menu;
    if (menu != nullptr) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Click() {
    if (onClick_) onClick_(this);
}

void TControl::DblClick() {
    if (onDblClick_) onDblClick_(this);
}

void TControl::Repaint() { widget_->repaint(); }

void TControl::BringToFront() { widget_->raise(); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (onMouseDown_) onMouseDown_(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (onMouseUp_) onMouseUp_(this, button, shift, x, y);
}

bool TControl::WidgetEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            MouseDown(MouseButtonOf(mouse->button()),
                      ShiftStateOfQt(static_cast<int>(mouse->modifiers()), static_cast<int>(mouse->buttons())), at.x(),
                      at.y());
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            MouseUp(MouseButtonOf(mouse->button()),
                    ShiftStateOfQt(static_cast<int>(mouse->modifiers()), static_cast<int>(mouse->buttons())), at.x(),
                    at.y());
            return false;
        }
        case QEvent::MouseButtonDblClick:
            DblClick();
            return false;
        case QEvent::ContextMenu:
            if (popupMenu_ != nullptr) {
                const QPoint global = static_cast<QContextMenuEvent*>(event)->globalPos();
                popupMenu_->Popup(global.x(), global.y());
                return true;
            }
            return false;
        default:
            return false;
    }
}

void TControl::Loaded() {
    TComponent::Loaded();
    ApplyBounds();
    ApplyVisibility();
}

TWinControl::TWinControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {}

TWinControl::~TWinControl() {
    filter_->Detach();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        child->SetParent(nullptr);
        Free(child);
    }
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) { controls_.push_back(control); }

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    const bool resized = std::max(width, 0) != Width() || std::max(height, 0) != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
}

void TWinControl::Realign() {
    if (realigning_ || Loading()) return;
    realigning_ = true;
    TRect rect = AlignRect();
    auto ordered = [this](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : controls_) {
            if (c->Align() == align && c->Visible()) list.push_back(c);
        }
        std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
            switch (align) {
                case alTop: return a->Top() < b->Top();
                case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
                case alLeft: return a->Left() < b->Left();
                case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
                default: return false;
            }
        });
        return list;
    };
    for (TControl* c : ordered(alTop)) {
        c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
        rect.Top += c->Height();
    }
    for (TControl* c : ordered(alBottom)) {
        c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
        rect.Bottom -= c->Height();
    }
    for (TControl* c : ordered(alLeft)) {
        c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
        rect.Left += c->Width();
    }
    for (TControl* c : ordered(alRight)) {
        c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
        rect.Right -= c->Width();
    }
    for (TControl* c : ordered(alClient)) c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    realigning_ = false;
}

bool TWinControl::Focused() const { return Widget()->hasFocus(); }

void TWinControl::SetFocus() { Widget()->setFocus(); }

bool TWinControl::CanFocus() const { return Showing() && Enabled(); }

void TWinControl::SetTabStop(bool stop) {
    tabStop_ = stop;
    Widget()->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : controls_) {
        if (c->ParentFont()) c->ParentFontChanged();
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

bool TWinControl::WidgetEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            uint16_t key = VirtualKeyOfQtKey(keyEvent->key());
            const TShiftState shift = ShiftStateOfQt(static_cast<int>(keyEvent->modifiers()), 0);
            if (onKeyDown_ && key != 0) {
                onKeyDown_(this, key, shift);
                if (key == 0) return true;
            }
            const std::string text = FromQString(keyEvent->text());
            if (onKeyPress_ && text.size() == 1) {
                char c = text[0];
                onKeyPress_(this, c);
                if (c == 0) return true;
            }
            return false;
        }
        case QEvent::KeyRelease: {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            uint16_t key = VirtualKeyOfQtKey(keyEvent->key());
            if (onKeyUp_ && key != 0) {
                onKeyUp_(this, key, ShiftStateOfQt(static_cast<int>(keyEvent->modifiers()), 0));
                return key == 0;
            }
            return false;
        }
        case QEvent::FocusIn:
            if (onEnter_) onEnter_(this);
            return false;
        case QEvent::FocusOut:
            if (onExit_) onExit_(this);
            return false;
        default:
            return TControl::WidgetEvent(event);
    }
}

TForm* GetParentForm(const TControl* control) {
    const TControl* top = control;
    while (top != nullptr && top->Parent() != nullptr) top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}
