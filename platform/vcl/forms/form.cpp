#include "vcl/forms/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "vcl/forms/application.h"
#include "vcl/forms/dialog_service.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/qt_text.h"
#include "vcl/forms/std_controls.h"

namespace {

// Runs `cleanup` when the scope ends, also by an exception.
class ScopeExit {
public:
    explicit ScopeExit(std::function<void()> cleanup) : cleanup_(std::move(cleanup)) {}
    ~ScopeExit() { cleanup_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    std::function<void()> cleanup_;
};

void CollectButtons(const TWinControl* parent, std::vector<TButton*>& buttons) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (auto* button = dynamic_cast<TButton*>(control)) buttons.push_back(button);
        if (auto* container = dynamic_cast<TWinControl*>(control)) CollectButtons(container, buttons);
    }
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner, MakeWidget<QWidget>(nullptr, Qt::Window)), client_(new QWidget(Widget())) {
    TControl::SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() { Application->FormDestroyed(this); }

void TForm::BeforeDestruction() {
    if (onDestroy_) onDestroy_(this);
    TWinControl::BeforeDestruction();
}

int32_t TForm::ClientHeight() const {
    const int32_t bar = menuBar_ != nullptr && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
    return std::max(Height() - bar, 0);
}

void TForm::ApplyBounds() {
    Widget()->setGeometry(Left(), Top(), Width(), Height());
    LayOutClient();
}

void TForm::LayOutClient() {
    int32_t bar = 0;
    if (menuBar_ != nullptr && !menuBar_->isHidden()) {
        bar = menuBar_->sizeHint().height();
        menuBar_->setGeometry(0, 0, Width(), bar);
    }
    client_->setGeometry(0, bar, Width(), std::max(Height() - bar, 0));
}

void TForm::CaptionChanged() { Widget()->setWindowTitle(ToQString(Caption())); }

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    Qt::WindowFlags flags = Qt::Window;
    if (style == bsNone) flags |= Qt::FramelessWindowHint;
    if (style == bsDialog || style == bsToolWindow) flags |= Qt::Dialog;
    if (style == bsToolWindow || style == bsSizeToolWin) flags |= Qt::Tool;
    if (formStyle_ == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    const bool shown = Widget()->isVisible();
    Widget()->setWindowFlags(flags);
    if (shown) Widget()->show();
}

void TForm::SetFormStyle(TFormStyle style) {
    formStyle_ = style;
    SetBorderStyle(borderStyle_);
}

void TForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    Widget()->setWindowState(state == wsMinimized   ? Qt::WindowMinimized
                             : state == wsMaximized ? Qt::WindowMaximized
                                                    : Qt::WindowNoState);
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr) menu_->SetOnItemsChanged(nullptr);
    menu_ = menu;
    if (menu_ != nullptr) {
        menu_->FreeNotification(this);
        menu_->SetOnItemsChanged(TNotifyEvent(this, [this](TObject*) { RebuildMenuBar(); }));
    }
    RebuildMenuBar();
}

void TForm::RebuildMenuBar() {
    if (menu_ == nullptr) {
        delete menuBar_;
        menuBar_ = nullptr;
    } else {
        if (menuBar_ == nullptr) menuBar_ = new QMenuBar(Widget());
        menuBar_->clear();
        TMenuItem* items = menu_->Items();
        for (int i = 0; i < items->Count(); ++i) menuBar_->addAction(items->Items(i)->Action());
        menuBar_->show();
    }
    LayOutClient();
    Realign();
}

void TForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control != nullptr && Visible()) control->SetFocus();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == menu_) {
        menu_ = nullptr;
        RebuildMenuBar();
    }
    if (component == activeControl_) activeControl_ = nullptr;
}

void TForm::SetVisible(bool visible) {
    if (Loading()) {
        showAfterLoading_ = visible;
        return;
    }
    if (visible == Visible()) return;
    if (visible)
        ShowWindow();
    else
        HideWindow();
}

void TForm::Loaded() {
    TWinControl::Loaded();
    if (showAfterLoading_) ShowWindow();
}

void TForm::ShowWindow() {
    if (position_ == poScreenCenter || position_ == poDesktopCenter || position_ == poMainFormCenter ||
        position_ == poOwnerFormCenter) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(),
                      Height());
        }
    }
    TControl::SetVisible(true);
    ApplyBounds();
    Widget()->show();
    if (onShow_) onShow_(this);
    if (activeControl_ != nullptr) activeControl_->SetFocus();
    Widget()->activateWindow();
    Activated();
}

void TForm::HideWindow() {
    TControl::SetVisible(false);
    Widget()->hide();
    if (active_) {
        active_ = false;
        if (onDeactivate_) onDeactivate_(this);
    }
    if (onHide_) onHide_(this);
}

void TForm::Activated() {
    if (active_) return;
    active_ = true;
    if (onActivate_) onActivate_(this);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (onCloseQuery_) onCloseQuery_(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (onClose_) onClose_(this, action);
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        HideWindow();
        Application->Terminate();
    } else if (action == caHide) {
        HideWindow();
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        Release();
    }
}

void TForm::Release() {
    QTimer::singleShot(0, Widget(), [this] { Free(this); });
}

void TForm::DoCreate() {
    if (onCreate_) onCreate_(this);
}

TModalResult TForm::ShowModal() {
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    modal_ = true;
    modalResult_ = mrNone;
    Widget()->setWindowModality(Qt::ApplicationModal);
    ScopeExit restore([this] {
        modal_ = false;
        if (Visible()) HideWindow();
        Widget()->setWindowModality(Qt::NonModal);
    });
    ShowWindow();
    for (;;) {
        if (!DialogService().DriveModalForm(*this))
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (Application->Terminated()) modalResult_ = mrCancel;
        if (modalResult_ != mrNone) {
            CloseModal();
            if (modalResult_ != mrNone) break;
        }
    }
    return modalResult_;
}

void TForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            if (onClose_) onClose_(this, action);
        }
        if (action == caNone) modalResult_ = mrNone;
        if (action == caFree) Release();
    } catch (...) {
        modalResult_ = mrNone;
        Application->HandleException(this);
    }
}

bool TForm::ClickDialogButton(bool cancel) {
    std::vector<TButton*> buttons;
    CollectButtons(this, buttons);
    for (TButton* button : buttons) {
        if ((cancel ? button->Cancel() : button->Default()) && button->Showing() && button->Enabled()) {
            button->Click();
            return true;
        }
    }
    return false;
}

bool TForm::WidgetEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            event->ignore();
            Close();
            return true;
        case QEvent::Resize:
            if (Widget()->width() != Width() || Widget()->height() != Height())
                SetBounds(Left(), Top(), Widget()->width(), Widget()->height());
            return false;
        case QEvent::WindowActivate:
            Activated();
            return false;
        case QEvent::WindowDeactivate:
            if (active_ && !modal_) {
                active_ = false;
                if (OnDeactivate()) OnDeactivate()(this);
            }
            return false;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ClickDialogButton(false)) return true;
            if (key == Qt::Key_Escape && ClickDialogButton(true)) return true;
            return TWinControl::WidgetEvent(event);
        }
        default:
            return TWinControl::WidgetEvent(event);
    }
}
