#pragma once
// TForm: a window of the program, with its menu bar, its client area for
// controls and the class library's life cycle:
//
// - Show fires OnShow then OnActivate (and OnActivate again whenever the
//   window becomes active after having been inactive).
// - Close asks OnCloseQuery (CanClose), then OnClose (Action: caHide by
//   default; caNone keeps the window, caFree frees it soon after). Closing
//   the main form terminates the application. The window's close box
//   calls Close.
// - ShowModal shows the form and runs until ModalResult is set (a button
//   with a ModalResult, Close giving mrCancel); then the same close
//   questions run, and a refusal (CanClose false or caNone) keeps the form
//   open with ModalResult cleared. While a scripted dialogs service is
//   installed, the service works the form in the user's place
//   (scripted_dialogs.h), so tests need no human.
// - Enter clicks the Default button and Escape the Cancel button.

#include <QPointer>

#include "vcl/forms/control.h"
#include "vcl/forms/dialog_types.h"
#include "vcl/system/exception.h"

class QMenuBar;
class TMainMenu;

enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter,
};
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TMethod<TObject* /*Sender*/, TCloseAction& /*Action*/>;
using TCloseQueryEvent = TMethod<TObject* /*Sender*/, bool& /*CanClose*/>;

// An operation not allowed in the object's state ("Cannot make a visible
// window modal").
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    std::string ClassName() const override { return "TForm"; }
    void BeforeDestruction() override;

    QWidget* ClientWidget() const override { return client_; }
    int32_t ClientHeight() const override;
    void SetVisible(bool visible) override;

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    // EInvalidOperation for a form already shown or modal.
    TModalResult ShowModal();
    void Close();
    // OnCloseQuery's answer (true without a handler).
    bool CloseQuery();
    // Frees the form once the current event is done.
    void Release();
    // Fires OnCreate; the code that made the form (and read its
    // declaration) calls it once.
    void DoCreate();

    const TNotifyEvent& OnCreate() const { return onCreate_; }
    void SetOnCreate(TNotifyEvent h) { onCreate_ = std::move(h); }
    const TNotifyEvent& OnDestroy() const { return onDestroy_; }
    void SetOnDestroy(TNotifyEvent h) { onDestroy_ = std::move(h); }
    const TNotifyEvent& OnShow() const { return onShow_; }
    void SetOnShow(TNotifyEvent h) { onShow_ = std::move(h); }
    const TNotifyEvent& OnHide() const { return onHide_; }
    void SetOnHide(TNotifyEvent h) { onHide_ = std::move(h); }
    const TNotifyEvent& OnActivate() const { return onActivate_; }
    void SetOnActivate(TNotifyEvent h) { onActivate_ = std::move(h); }
    const TNotifyEvent& OnDeactivate() const { return onDeactivate_; }
    void SetOnDeactivate(TNotifyEvent h) { onDeactivate_ = std::move(h); }
    const TCloseEvent& OnClose() const { return onClose_; }
    void SetOnClose(TCloseEvent h) { onClose_ = std::move(h); }
    const TCloseQueryEvent& OnCloseQuery() const { return onCloseQuery_; }
    void SetOnCloseQuery(TCloseQueryEvent h) { onCloseQuery_ = std::move(h); }

protected:
    bool WidgetEvent(QEvent* event) override;
    void CaptionChanged() override;
    void ApplyBounds() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowWindow();
    void HideWindow();
    void Activated();
    void CloseModal();
    void RebuildMenuBar();
    void LayOutClient();
    // Clicks the visible, enabled button that is Default (or Cancel).
    bool ClickDialogButton(bool cancel);

    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    bool keyPreview_ = false;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool active_ = false;
    bool showAfterLoading_ = false;
    TNotifyEvent onCreate_, onDestroy_, onShow_, onHide_, onActivate_, onDeactivate_;
    TCloseEvent onClose_;
    TCloseQueryEvent onCloseQuery_;
};
