#include "vcl/forms/com_controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/qt_text.h"
#include "vcl/system/exception.h"

namespace {

// Two arrow buttons in `box`, stacked or side by side.
std::pair<QToolButton*, QToolButton*> MakeArrows(QWidget* box, bool vertical) {
    auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(box);
    auto* down = new QToolButton(box);
    up->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* b : {up, down}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    return {up, down};
}

class TStatusBarPanels : public TCollection {
public:
    TStatusBarPanels(TStatusBar& bar)
        : TCollection(&bar, ItemClassOf<TStatusPanel>("TStatusPanel")), bar_(bar) {}

protected:
    void Update(TCollectionItem* item) override {
        (void)item;
        bar_.UpdateBar();
    }

private:
    TStatusBar& bar_;
};

}  // namespace

// TStatusBar

void TStatusPanel::SetText(const std::string& text) {
    text_ = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int32_t width) {
    width_ = width;
    Changed(true);
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner, MakeWidget<QWidget>()), simple_(new QLabel(Widget())), panels_(new TStatusBarPanels(*this)) {
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    auto* layout = new QHBoxLayout(Widget());
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(simple_);
}

TStatusBar::~TStatusBar() { delete panels_; }

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    UpdateBar();
}

void TStatusBar::SetSimplePanel(bool simple) {
    simplePanel_ = simple;
    UpdateBar();
}

TStatusPanel* TStatusBar::Panel(int index) const {
    // nullptr for a panel still being made (the collection reports it
    // before its own constructor has run).
    return dynamic_cast<TStatusPanel*>(panels_->Items(index));
}

std::string TStatusBar::ShownText() const {
    if (simplePanel_ || panels_->Count() == 0) return simpleText_;
    std::string text;
    for (int i = 0; i < panels_->Count(); ++i) text += (i > 0 ? "|" : "") + (Panel(i) ? Panel(i)->Text() : "");
    return text;
}

void TStatusBar::UpdateBar() {
    auto* layout = static_cast<QHBoxLayout*>(Widget()->layout());
    for (QLabel* label : Widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label != simple_) delete label;
    }
    const bool simple = simplePanel_ || panels_->Count() == 0;
    simple_->setVisible(simple);
    simple_->setText(ToQString(simpleText_));
    if (simple) return;
    for (int i = 0; i < panels_->Count(); ++i) {
        if (Panel(i) == nullptr) {
            QTimer::singleShot(0, Widget(), [this] { UpdateBar(); });
            return;
        }
        auto* label = new QLabel(ToQString(Panel(i)->Text()), Widget());
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (i + 1 < panels_->Count()) label->setFixedWidth(Panel(i)->Width());
        layout->addWidget(label, i + 1 < panels_->Count() ? 0 : 1);
    }
}

// TUpDown

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner, MakeWidget<QWidget>()) {
    SetBounds(0, 0, 15, 25);
    std::tie(up_, down_) = MakeArrows(Widget(), true);
    QObject::connect(up_, &QToolButton::clicked, [this] { RunGuarded(this, [this] { Press(btNext); }); });
    QObject::connect(down_, &QToolButton::clicked, [this] { RunGuarded(this, [this] { Press(btPrev); }); });
}

void TUpDown::SetPosition(int32_t position) {
    position_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
    ShowInAssociate();
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
    orientation_ = orientation;
    up_->setArrowType(orientation == udVertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(orientation == udVertical ? Qt::DownArrow : Qt::LeftArrow);
    static_cast<QBoxLayout*>(Widget()->layout())
        ->setDirection(orientation == udVertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft);
}

void TUpDown::SetAssociate(TWinControl* control) {
    associate_ = control;
    if (control != nullptr) {
        control->FreeNotification(this);
        ShowInAssociate();
    }
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::ShowInAssociate() {
    if (associate_ != nullptr) associate_->SetText(std::to_string(position_));
}

void TUpDown::Press(TUDBtnType button) {
    bool allow = true;
    if (onChanging_) onChanging_(this, allow);
    if (allow) {
        const int32_t low = std::min(min_, max_), high = std::max(min_, max_);
        int64_t next = int64_t{position_} + (button == btNext ? increment_ : -int64_t{increment_});
        if (next > high) next = wrap_ ? low : high;
        if (next < low) next = wrap_ ? high : low;
        position_ = static_cast<int32_t>(next);
        ShowInAssociate();
    }
    if (onClick_) onClick_(this, button);
}

// TSpinButton

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner, MakeWidget<QWidget>()) {
    SetBounds(0, 0, 20, 25);
    auto [up, down] = MakeArrows(Widget(), true);
    QObject::connect(up, &QToolButton::clicked, [this] { RunGuarded(this, [this] { UpClick(); }); });
    QObject::connect(down, &QToolButton::clicked, [this] { RunGuarded(this, [this] { DownClick(); }); });
}

void TSpinButton::UpClick() {
    if (onUpClick_) onUpClick_(this);
}

void TSpinButton::DownClick() {
    if (onDownClick_) onDownClick_(this);
}
