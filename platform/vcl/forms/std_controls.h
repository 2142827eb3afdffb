#pragma once
// The standard controls: TLabel, TButton, TEdit, TMemo, TCheckBox,
// TRadioButton, TGroupBox, TPanel, TListBox and TComboBox.
//
// Lines and Items are string lists kept by the control and shown by the
// widget; changing the list changes the widget, and what the user does
// changes the list. OnChange fires for every change of an edit's text,
// the program's included, as in the class library; list boxes fire OnClick
// when the user selects an entry (also when clicking the selected one),
// not when ItemIndex is set by code.

#include <string>

#include "vcl/classes/strings.h"
#include "vcl/forms/control.h"
#include "vcl/forms/dialog_types.h"

class QLabel;
class QPushButton;
class QLineEdit;
class QPlainTextEdit;
class QCheckBox;
class QRadioButton;
class QGroupBox;
class QListWidget;
class QComboBox;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control) { focusControl_ = control; }

protected:
    void CaptionChanged() override;
    void FontChanged() override;
    // A label read from a form declaration takes the size of its caption in
    // its font once the whole declaration is read.
    void Loaded() override;
    bool WidgetEvent(QEvent* event) override;

private:
    void AdjustSize();
    QLabel* label_;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
    TWinControl* focusControl_ = nullptr;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }
    // Sets the parent form's ModalResult to ModalResult (when not
    // mrNone), then fires OnClick.
    void Click() override;
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

protected:
    void CaptionChanged() override;

private:
    QPushButton* button_;
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    int32_t MaxLength() const { return maxLength_; }
    void SetMaxLength(int32_t length);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    int32_t SelStart() const;
    void SetSelStart(int32_t start);
    int32_t SelLength() const;
    void SetSelLength(int32_t length);
    std::string SelText() const;
    void SetSelText(const std::string& text);
    void SelectAll();
    void Clear() { SetText(""); }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent h) { onChange_ = std::move(h); }

protected:
    void CaptionChanged() override;

private:
    QLineEdit* edit_;
    bool readOnly_ = false;
    int32_t maxLength_ = 0;
    char passwordChar_ = '\0';
    bool modified_ = false;
    bool updating_ = false;
    TNotifyEvent onChange_;
};

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    std::string ClassName() const override { return "TMemo"; }
    TStrings* Lines() { return lines_; }
    void SetLines(const TStrings* lines) { lines_->Assign(lines); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool want);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    void Clear() { lines_->Clear(); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent h) { onChange_ = std::move(h); }

private:
    void LinesChanged();
    void UserChanged();

    QPlainTextEdit* edit_;
    TStringList* lines_;
    bool readOnly_ = false, wordWrap_ = true, wantTabs_ = false;
    TScrollStyle scrollBars_ = ssNone;
    bool updating_ = false;
    TNotifyEvent onChange_;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    // A change fires OnClick, the program's too.
    void SetChecked(bool checked);

protected:
    void CaptionChanged() override;

private:
    QCheckBox* box_;
    bool checked_ = false;
};

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }
    bool Checked() const { return checked_; }
    // Checking one unchecks the other radio buttons of the same parent.
    void SetChecked(bool checked);

protected:
    void CaptionChanged() override;

private:
    QRadioButton* button_;
    bool checked_ = false;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TGroupBox"; }
    TRect AlignRect() const override;

protected:
    void CaptionChanged() override;

private:
    QGroupBox* group_;
};

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    std::string ClassName() const override { return "TPanel"; }
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel) { bevelInner_ = bevel; }
    int32_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int32_t width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TRect AlignRect() const override;

protected:
    void CaptionChanged() override;
    bool WidgetEvent(QEvent* event) override;

private:
    QLabel* panel_;
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int32_t borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    std::string ClassName() const override { return "TListBox"; }

    // The entries, each with its object.
    TStrings* Items() { return items_; }
    void SetItems(const TStrings* items) { items_->Assign(items); }
    // -1 when nothing is selected; an index outside the list selects
    // nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted) { items_->SetSorted(sorted); }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    // EListError for a bad index.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    // The entry at the point (client coordinates); -1 when there is none
    // there and `existing` is true, else the count.
    int ItemAtPos(int32_t x, int32_t y, bool existing) const;
    int32_t ItemHeight() const;
    int TopIndex() const;
    void Clear() { items_->Clear(); }

protected:
    // A right button press selects nothing, as in a Windows list box.
    bool WidgetEvent(QEvent* event) override;

private:
    void ItemsChanged();

    QListWidget* list_;
    TStringList* items_;
    bool multiSelect_ = false;
    bool programChange_ = false;
    bool clickedAfterChange_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    std::string ClassName() const override { return "TComboBox"; }

    TStrings* Items() { return items_; }
    void SetItems(const TStrings* items) { items_->Assign(items); }
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted) { items_->SetSorted(sorted); }
    int32_t DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int32_t count);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent h) { onChange_ = std::move(h); }

protected:
    // A drop-down list shows only its entries: its Text is the selected
    // entry's, and setting Text selects the entry of that text (none if
    // none matches).
    void CaptionChanged() override;

private:
    void ItemsChanged();
    void SyncText();

    QComboBox* combo_;
    TStringList* items_;
    TComboBoxStyle style_ = csDropDown;
    int32_t dropDownCount_ = 8;
    bool updating_ = false;
    TNotifyEvent onChange_;
};
