#include "vcl/forms/forms_registration.h"

#include "vcl/classes/class_builder.h"
#include "vcl/forms/com_controls.h"
#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/ext_controls.h"
#include "vcl/forms/image_list.h"
#include "vcl/forms/form.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"
#include "vcl/forms/tree_view.h"

namespace {

// Declaration-only values: kept so they read back, without effect.
int32_t IgnoredInteger(const TObject&) { return 0; }
void IgnoreInteger(TObject&, int32_t) {}
bool IgnoredBoolean(const TObject&) { return false; }
void IgnoreBoolean(TObject&, bool) {}

void RegisterGraphics() {
    RegisterClass(DeclareClass<TFont, TPersistent>("TFont")
                      .Integer("Charset", &TFont::Charset, &TFont::SetCharset, 1)
                      .Integer("Color", &TFont::Color, &TFont::SetColor, clWindowText, ColorIdents())
                      .Integer("Height", &TFont::Height, &TFont::SetHeight, -11)
                      .String("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif")
                      .Enum("Pitch", {"fpDefault", "fpVariable", "fpFixed"}, &TFont::Pitch, &TFont::SetPitch, fpDefault)
                      .Integer("Size", &TFont::Size, &TFont::SetSize, 8)
                      .Set("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style,
                           &TFont::SetStyle, TFontStyles{}));
}

void RegisterControlBase() {
    RegisterClass(DeclareClass<TControl, TComponent>("TControl")
                      .Integer("Left", &TControl::Left, &TControl::SetLeft)
                      .Integer("Top", &TControl::Top, &TControl::SetTop)
                      .Integer("Width", &TControl::Width, &TControl::SetWidth)
                      .Integer("Height", &TControl::Height, &TControl::SetHeight)
                      .Enum("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}, &TControl::Align,
                            &TControl::SetAlign, alNone)
                      .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
                      .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
                      .String("Caption", &TControl::Caption, &TControl::SetCaption)
                      .String("Text", &TControl::Text, &TControl::SetText)
                      .Integer("Color", &TControl::Color, &TControl::SetColor, clBtnFace, ColorIdents())
                      .Persistent("Font", [](TControl& c) { return c.Font(); })
                      .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
                      .String("Hint", &TControl::Hint, &TControl::SetHint)
                      .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
                      .Integer("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext)
                      .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
                      .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
                      .Boolean("ParentColor", IgnoredBoolean, IgnoreBoolean)
                      .Boolean("ParentShowHint", IgnoredBoolean, IgnoreBoolean)
                      .Event<TNotifyEvent>("OnClick", &TControl::OnClick, &TControl::SetOnClick)
                      .Event<TNotifyEvent>("OnDblClick", &TControl::OnDblClick, &TControl::SetOnDblClick)
                      .Event<TMouseEvent>("OnMouseDown", &TControl::OnMouseDown, &TControl::SetOnMouseDown)
                      .Event<TMouseEvent>("OnMouseUp", &TControl::OnMouseUp, &TControl::SetOnMouseUp)
                      .Event<TNotifyEvent>("OnResize", &TControl::OnResize, &TControl::SetOnResize));
    RegisterClass(DeclareClass<TWinControl, TControl>("TWinControl")
                      .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
                      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                      .Event<TNotifyEvent>("OnEnter", &TWinControl::OnEnter, &TWinControl::SetOnEnter)
                      .Event<TNotifyEvent>("OnExit", &TWinControl::OnExit, &TWinControl::SetOnExit)
                      .Event<TKeyEvent>("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown)
                      .Event<TKeyEvent>("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp)
                      .Event<TKeyPressEvent>("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress));
}

void RegisterForm() {
    RegisterClass(
        DeclareClass<TForm, TWinControl>("TForm")
            .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .Enum("Position",
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                   "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                  &TForm::Position, &TForm::SetPosition, poDesigned)
            .Enum("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                  &TForm::BorderStyle, &TForm::SetBorderStyle, bsSizeable)
            .Enum("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, &TForm::FormStyle,
                  &TForm::SetFormStyle, fsNormal)
            .Enum("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"}, &TForm::WindowState,
                  &TForm::SetWindowState, wsNormal)
            .Component<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
            .Component<TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
            .Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
            .Default("Visible", int64_t{0})
            .Integer("PixelsPerInch", IgnoredInteger, IgnoreInteger)
            .Integer("TextHeight", IgnoredInteger, IgnoreInteger)
            .Boolean("OldCreateOrder", IgnoredBoolean, IgnoreBoolean)
            .Boolean("Scaled", IgnoredBoolean, IgnoreBoolean)
            .Event<TNotifyEvent>("OnCreate", &TForm::OnCreate, &TForm::SetOnCreate)
            .Event<TNotifyEvent>("OnDestroy", &TForm::OnDestroy, &TForm::SetOnDestroy)
            .Event<TNotifyEvent>("OnShow", &TForm::OnShow, &TForm::SetOnShow)
            .Event<TNotifyEvent>("OnHide", &TForm::OnHide, &TForm::SetOnHide)
            .Event<TNotifyEvent>("OnActivate", &TForm::OnActivate, &TForm::SetOnActivate)
            .Event<TNotifyEvent>("OnDeactivate", &TForm::OnDeactivate, &TForm::SetOnDeactivate)
            .Event<TCloseEvent>("OnClose", &TForm::OnClose, &TForm::SetOnClose)
            .Event<TCloseQueryEvent>("OnCloseQuery", &TForm::OnCloseQuery, &TForm::SetOnCloseQuery));
}

const std::initializer_list<const char*> kAlignments{"taLeftJustify", "taRightJustify", "taCenter"};
const std::initializer_list<const char*> kBevels{"bvNone", "bvLowered", "bvRaised", "bvSpace"};

void RegisterStandardControls() {
    RegisterClass(DeclareClass<TLabel, TControl>("TLabel")
                      .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
                      .Enum("Alignment", kAlignments, &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify)
                      .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
                      .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
                      .Component<TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl));
    RegisterClass(DeclareClass<TButton, TWinControl>("TButton")
                      .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone,
                               {{"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}, {"mrAbort", mrAbort},
                                {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore}, {"mrYes", mrYes}, {"mrNo", mrNo},
                                {"mrAll", mrAll}, {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}})
                      .Boolean("Default", &TButton::Default, &TButton::SetDefault)
                      .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel));
    RegisterClass(DeclareClass<TEdit, TWinControl>("TEdit")
                      .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
                      .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
                      .Char("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar)
                      .Event<TNotifyEvent>("OnChange", &TEdit::OnChange, &TEdit::SetOnChange));
    RegisterClass(DeclareClass<TMemo, TWinControl>("TMemo")
                      .Strings("Lines", [](TMemo& m) { return m.Lines(); })
                      .Boolean("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)
                      .Boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap, true)
                      .Boolean("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs)
                      .Enum("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, &TMemo::ScrollBars,
                            &TMemo::SetScrollBars, ssNone)
                      .Event<TNotifyEvent>("OnChange", &TMemo::OnChange, &TMemo::SetOnChange));
    RegisterClass(DeclareClass<TCheckBox, TWinControl>("TCheckBox")
                      .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked));
    RegisterClass(DeclareClass<TRadioButton, TWinControl>("TRadioButton")
                      .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked));
    RegisterClass(DeclareClass<TGroupBox, TWinControl>("TGroupBox"));
    RegisterClass(DeclareClass<TPanel, TWinControl>("TPanel")
                      .Enum("BevelOuter", kBevels, &TPanel::BevelOuter, &TPanel::SetBevelOuter, bvRaised)
                      .Enum("BevelInner", kBevels, &TPanel::BevelInner, &TPanel::SetBevelInner, bvNone)
                      .Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth)
                      .Enum("Alignment", kAlignments, &TPanel::Alignment, &TPanel::SetAlignment, taCenter));
    RegisterClass(DeclareClass<TListBox, TWinControl>("TListBox")
                      .Strings("Items", [](TListBox& l) { return l.Items(); })
                      .Boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
                      .Boolean("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect)
                      .Integer("ItemHeight", IgnoredInteger, IgnoreInteger));
    RegisterClass(DeclareClass<TComboBox, TWinControl>("TComboBox")
                      .Strings("Items", [](TComboBox& c) { return c.Items(); })
                      .Enum("Style", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"},
                            &TComboBox::Style, &TComboBox::SetStyle, csDropDown)
                      .Boolean("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted)
                      .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8)
                      .Integer("ItemHeight", IgnoredInteger, IgnoreInteger)
                      .Event<TNotifyEvent>("OnChange", &TComboBox::OnChange, &TComboBox::SetOnChange));
}

void RegisterRichEdit() {
    RegisterClass(
        DeclareClass<TRichEdit, TWinControl>("TRichEdit")
            .Strings("Lines", [](TRichEdit& r) { return r.Lines(); })
            .Boolean("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText)
            .Boolean("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly)
            .Boolean("WantTabs", &TRichEdit::WantTabs, &TRichEdit::SetWantTabs)
            .Boolean("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap, true)
            .Boolean("HideSelection", &TRichEdit::HideSelection, &TRichEdit::SetHideSelection, true)
            .Enum("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, &TRichEdit::ScrollBars,
                  &TRichEdit::SetScrollBars, ssNone)
            .Event<TRichEditProtectChangeEvent>("OnProtectChange", &TRichEdit::OnProtectChange,
                                                &TRichEdit::SetOnProtectChange)
            .Event<TNotifyEvent>("OnChange", &TRichEdit::OnChange, &TRichEdit::SetOnChange)
            .Event<TNotifyEvent>("OnSelectionChange", &TRichEdit::OnSelectionChange, &TRichEdit::SetOnSelectionChange));
}

void RegisterMoreControls() {
    RegisterClass(DeclareClass<TBevel, TControl>("TBevel")
                      .Enum("Shape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
                            &TBevel::Shape, &TBevel::SetShape, bsBox)
                      .Enum("Style", {"bsLowered", "bsRaised"}, &TBevel::Style, &TBevel::SetStyle, bsLowered));
    RegisterClass(DeclareClass<TSplitter, TControl>("TSplitter")
                      .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
                      .Event<TNotifyEvent>("OnMoved", &TSplitter::OnMoved, &TSplitter::SetOnMoved)
                      .Default("Align", int64_t{alLeft}));
    RegisterClass(DeclareClass<TImage, TControl>("TImage")
                      .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
                      .Boolean("Center", &TImage::Center, &TImage::SetCenter)
                      .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
                      .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent));
    RegisterClass(DeclareClass<TTimer, TComponent>("TTimer")
                      .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
                      .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
                      .Event<TNotifyEvent>("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer));
    RegisterClass(DeclareClass<TStatusPanel, TCollectionItem>("TStatusPanel")
                      .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
                      .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50));
    RegisterClass(DeclareClass<TStatusBar, TWinControl>("TStatusBar")
                      .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
                      .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
                      .Collection("Panels", [](TStatusBar& b) { return b.Panels(); })
                      .Default("Align", int64_t{alBottom}));
    RegisterClass(DeclareClass<TUpDown, TWinControl>("TUpDown")
                      .Integer("Min", &TUpDown::Min, &TUpDown::SetMin)
                      .Integer("Max", &TUpDown::Max, &TUpDown::SetMax, 100)
                      .Integer("Position", &TUpDown::Position, &TUpDown::SetPosition)
                      .Integer("Increment", &TUpDown::Increment, &TUpDown::SetIncrement, 1)
                      .Boolean("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
                      .Enum("Orientation", {"udHorizontal", "udVertical"}, &TUpDown::Orientation,
                            &TUpDown::SetOrientation, udVertical)
                      .Component<TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
                      .Event<TUDClickEvent>("OnClick", &TUpDown::OnClick, &TUpDown::SetOnClick)
                      .Event<TUDChangingEvent>("OnChanging", &TUpDown::OnChanging, &TUpDown::SetOnChanging));
    RegisterClass(DeclareClass<TSpinButton, TWinControl>("TSpinButton")
                      .Event<TNotifyEvent>("OnUpClick", &TSpinButton::OnUpClick, &TSpinButton::SetOnUpClick)
                      .Event<TNotifyEvent>("OnDownClick", &TSpinButton::OnDownClick, &TSpinButton::SetOnDownClick));
    RegisterClass(DeclareClass<TImageList, TComponent>("TImageList")
                      .Integer("Width", &TImageList::Width, &TImageList::SetWidth, 16)
                      .Integer("Height", &TImageList::Height, &TImageList::SetHeight, 16));
    RegisterClass(DeclareClass<TTreeView, TWinControl>("TTreeView")
                      .Component<TImageList>("Images", &TTreeView::Images, &TTreeView::SetImages)
                      .Boolean("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly)
                      .Integer("Indent", &TTreeView::Indent, &TTreeView::SetIndent, 19)
                      .Boolean("RightClickSelect", &TTreeView::RightClickSelect, &TTreeView::SetRightClickSelect)
                      .Boolean("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection, true)
                      .Event<TTVChangedEvent>("OnChange", &TTreeView::OnChange, &TTreeView::SetOnChange));
}

void RegisterMenus() {
    RegisterClass(DeclareClass<TMenuItem, TComponent>("TMenuItem")
                      .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                      .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                      .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
                      .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                      .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
                      .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
                      .Event<TNotifyEvent>("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick));
    RegisterClass(DeclareClass<TMenu, TComponent>("TMenu"));
    RegisterClass(DeclareClass<TMainMenu, TMenu>("TMainMenu"));
    RegisterClass(DeclareClass<TPopupMenu, TMenu>("TPopupMenu")
                      .Event<TNotifyEvent>("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup));
}

void RegisterDialogs() {
    RegisterClass(DeclareClass<TCommonDialog, TComponent>("TCommonDialog")
                      .Integer("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext));
    RegisterClass(
        DeclareClass<TOpenDialog, TCommonDialog>("TOpenDialog")
            .String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
            .String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
            .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
            .Integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1)
            .String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
            .String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
            .Set("Options",
                 {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
                  "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
                  "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
                  "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"},
                 &TOpenDialog::Options, &TOpenDialog::SetOptions, TOpenOptions{ofHideReadOnly}));
    RegisterClass(DeclareClass<TSaveDialog, TOpenDialog>("TSaveDialog"));
    RegisterClass(DeclareClass<TFontDialog, TCommonDialog>("TFontDialog")
                      .Persistent("Font", [](TFontDialog& d) { return d.Font(); }));
    RegisterClass(DeclareClass<TColorDialog, TCommonDialog>("TColorDialog")
                      .Integer("Color", &TColorDialog::Color, &TColorDialog::SetColor, clBlack, ColorIdents()));
}

}  // namespace

void RegisterFormsClasses() {
    static const bool registered = [] {
        RegisterGraphics();
        RegisterControlBase();
        RegisterForm();
        RegisterStandardControls();
        RegisterRichEdit();
        RegisterMoreControls();
        RegisterMenus();
        RegisterDialogs();
        return true;
    }();
    (void)registered;
}
