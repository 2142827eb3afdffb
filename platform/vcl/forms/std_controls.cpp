#include "vcl/forms/std_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "vcl/forms/application.h"
#include "vcl/forms/form.h"
#include "vcl/forms/qt_text.h"

namespace {

Qt::Alignment QtAlignmentOf(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
        case taCenter: return Qt::AlignCenter;
        case taLeftJustify: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

// TLabel

TLabel::TLabel(TComponent* owner) : TControl(owner, MakeWidget<QLabel>()), label_(static_cast<QLabel*>(Widget())) {
    label_->setAlignment(QtAlignmentOf(alignment_));
    SetBounds(0, 0, 65, 13);
}

void TLabel::CaptionChanged() {
    label_->setText(ToQString(Caption()));
    AdjustSize();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    AdjustSize();
}

void TLabel::Loaded() {
    TControl::Loaded();
    AdjustSize();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_ || wordWrap_ || Loading()) return;
    const QSize size = label_->sizeHint();
    SetBounds(Left(), Top(), size.width(), size.height());
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    label_->setAlignment(QtAlignmentOf(alignment));
}

void TLabel::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    label_->setWordWrap(wrap);
}

bool TLabel::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Click();
    return TControl::WidgetEvent(event);
}

// TButton

TButton::TButton(TComponent* owner) : TWinControl(owner, MakeWidget<QPushButton>()), button_(static_cast<QPushButton*>(Widget())) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    QObject::connect(button_, &QPushButton::clicked, [this] { RunGuarded(this, [this] { Click(); }); });
}

void TButton::CaptionChanged() { button_->setText(ToQString(Caption())); }

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    button_->setDefault(isDefault);
}

void TButton::Click() {
    if (modalResult_ != mrNone) {
        if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    }
    TWinControl::Click();
}

// TEdit

TEdit::TEdit(TComponent* owner) : TWinControl(owner, MakeWidget<QLineEdit>()), edit_(static_cast<QLineEdit*>(Widget())) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QObject::connect(edit_, &QLineEdit::textChanged, [this](const QString& text) {
        if (updating_) return;
        RunGuarded(this, [&] {
            updating_ = true;
            SetCaption(FromQString(text));
            updating_ = false;
            modified_ = true;
            if (onChange_) onChange_(this);
        });
    });
}

void TEdit::CaptionChanged() {
    if (updating_) return;
    updating_ = true;
    edit_->setText(ToQString(Caption()));
    updating_ = false;
    if (onChange_ && !Loading()) onChange_(this);
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    edit_->setReadOnly(readOnly);
}

void TEdit::SetMaxLength(int32_t length) {
    maxLength_ = length;
    edit_->setMaxLength(length > 0 ? length : 32767);
}

void TEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    edit_->setEchoMode(c == '\0' ? QLineEdit::Normal : QLineEdit::Password);
}

int32_t TEdit::SelStart() const { return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition(); }

void TEdit::SetSelStart(int32_t start) { edit_->setCursorPosition(start); }

int32_t TEdit::SelLength() const { return static_cast<int32_t>(edit_->selectedText().size()); }

void TEdit::SetSelLength(int32_t length) { edit_->setSelection(SelStart(), length); }

std::string TEdit::SelText() const { return FromQString(edit_->selectedText()); }

void TEdit::SetSelText(const std::string& text) { edit_->insert(ToQString(text)); }

void TEdit::SelectAll() { edit_->selectAll(); }

// TMemo

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, MakeWidget<QPlainTextEdit>()), edit_(static_cast<QPlainTextEdit*>(Widget())), lines_(new TStringList) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    edit_->setTabChangesFocus(true);
    lines_->SetOnChange(TNotifyEvent(this, [this](TObject*) { LinesChanged(); }));
    QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] { RunGuarded(this, [this] { UserChanged(); }); });
}

TMemo::~TMemo() { delete lines_; }

void TMemo::LinesChanged() {
    if (updating_) return;
    updating_ = true;
    std::string text = lines_->Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    QString shown = ToQString(text);
    shown.replace("\r\n", "\n");
    edit_->setPlainText(shown);
    updating_ = false;
    if (onChange_ && !Loading()) onChange_(this);
}

void TMemo::UserChanged() {
    if (updating_) return;
    updating_ = true;
    lines_->SetText(FromQString(edit_->toPlainText()));
    updating_ = false;
    if (onChange_) onChange_(this);
}

void TMemo::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    edit_->setReadOnly(readOnly);
}

void TMemo::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    edit_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetWantTabs(bool want) {
    wantTabs_ = want;
    edit_->setTabChangesFocus(!want);
}

void TMemo::SetScrollBars(TScrollStyle bars) {
    scrollBars_ = bars;
    const bool vertical = bars == ssVertical || bars == ssBoth;
    const bool horizontal = bars == ssHorizontal || bars == ssBoth;
    edit_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

// TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner, MakeWidget<QCheckBox>()), box_(static_cast<QCheckBox*>(Widget())) {
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    QObject::connect(box_, &QCheckBox::toggled, [this](bool on) { RunGuarded(this, [&] { SetChecked(on); }); });
}

void TCheckBox::CaptionChanged() { box_->setText(ToQString(Caption())); }

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    box_->setChecked(checked);
    if (!Loading()) Click();
}

// TRadioButton

TRadioButton::TRadioButton(TComponent* owner)
    : TWinControl(owner, MakeWidget<QRadioButton>()), button_(static_cast<QRadioButton*>(Widget())) {
    SetTabStop(true);
    SetBounds(0, 0, 113, 17);
    QObject::connect(button_, &QRadioButton::toggled, [this](bool on) { RunGuarded(this, [&] { SetChecked(on); }); });
}

void TRadioButton::CaptionChanged() { button_->setText(ToQString(Caption())); }

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    button_->setChecked(checked);
    if (checked && Parent() != nullptr) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
            if (other != nullptr && other != this) other->SetChecked(false);
        }
    }
    if (checked && !Loading()) Click();
}

// TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner, MakeWidget<QGroupBox>()), group_(static_cast<QGroupBox*>(Widget())) {
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::CaptionChanged() { group_->setTitle(ToQString(Caption())); }

TRect TGroupBox::AlignRect() const {
    const QRect inside = group_->contentsRect();
    const int top = std::max(inside.top(), group_->fontMetrics().height());
    return {2, top, std::max(ClientWidth() - 2, 2), std::max(ClientHeight() - 2, top)};
}

// TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner, MakeWidget<QLabel>()), panel_(static_cast<QLabel*>(Widget())) {
    panel_->setAlignment(Qt::AlignCenter);
    SetBevelOuter(bvRaised);
    SetBounds(0, 0, 185, 41);
}

void TPanel::CaptionChanged() { panel_->setText(ToQString(Caption())); }

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    panel_->setFrameShape(bevel == bvNone || bevel == bvSpace ? QFrame::NoFrame : QFrame::Panel);
    panel_->setFrameShadow(bevel == bvLowered ? QFrame::Sunken : QFrame::Raised);
    Realign();
}

void TPanel::SetBorderWidth(int32_t width) {
    borderWidth_ = width;
    Realign();
}

void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    panel_->setAlignment(QtAlignmentOf(alignment));
}

TRect TPanel::AlignRect() const {
    const int32_t inset = (bevelOuter_ == bvNone ? 0 : 1) + (bevelInner_ == bvNone ? 0 : 1) + borderWidth_;
    return {inset, inset, std::max(ClientWidth() - inset, inset), std::max(ClientHeight() - inset, inset)};
}

bool TPanel::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Click();
    return TWinControl::WidgetEvent(event);
}

// TListBox

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner, MakeWidget<QListWidget>()), list_(static_cast<QListWidget*>(Widget())), items_(new TStringList) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    items_->SetOnChange(TNotifyEvent(this, [this](TObject*) { ItemsChanged(); }));
    QObject::connect(list_, &QListWidget::itemSelectionChanged, [this] {
        if (programChange_) return;
        clickedAfterChange_ = true;
        RunGuarded(this, [this] { Click(); });
    });
    QObject::connect(list_, &QListWidget::itemClicked, [this](QListWidgetItem*) {
        if (clickedAfterChange_) {
            clickedAfterChange_ = false;
            return;
        }
        RunGuarded(this, [this] { Click(); });
    });
}

TListBox::~TListBox() { delete items_; }

void TListBox::ItemsChanged() {
    programChange_ = true;
    const int row = list_->currentRow();
    list_->clear();
    for (int i = 0; i < items_->Count(); ++i) list_->addItem(ToQString(items_->Strings(i)));
    list_->setCurrentRow(row < items_->Count() ? row : -1);
    if (list_->currentRow() < 0) list_->clearSelection();
    programChange_ = false;
}

bool TListBox::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        clickedAfterChange_ = false;
        const bool right = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        return TWinControl::WidgetEvent(event) || right;
    }
    return TWinControl::WidgetEvent(event);
}

int TListBox::ItemIndex() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= items_->Count()) return -1;
    return multiSelect_ || list_->item(row)->isSelected() ? row : -1;
}

void TListBox::SetItemIndex(int index) {
    programChange_ = true;
    if (index < 0 || index >= items_->Count()) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    } else {
        list_->setCurrentRow(index);
    }
    programChange_ = false;
}

void TListBox::SetMultiSelect(bool multiSelect) {
    multiSelect_ = multiSelect;
    list_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int index) const {
    CheckListIndex(index, items_->Count());
    return list_->item(index)->isSelected();
}

void TListBox::SetSelected(int index, bool selected) {
    CheckListIndex(index, items_->Count());
    programChange_ = true;
    if (multiSelect_)
        list_->item(index)->setSelected(selected);
    else if (selected)
        list_->setCurrentRow(index);
    else if (list_->currentRow() == index)
        SetItemIndex(-1);
    programChange_ = false;
}

int TListBox::SelCount() const {
    return multiSelect_ ? static_cast<int>(list_->selectedItems().size()) : -1;
}

int32_t TListBox::ItemHeight() const {
    if (items_->Count() > 0) {
        const int h = list_->visualItemRect(list_->item(0)).height();
        if (h > 0) return h;
    }
    return list_->fontMetrics().height();
}

int TListBox::TopIndex() const {
    QListWidgetItem* top = list_->itemAt(0, 0);
    return top == nullptr ? 0 : list_->row(top);
}

int TListBox::ItemAtPos(int32_t x, int32_t y, bool existing) const {
    if (QListWidgetItem* item = list_->itemAt(x, y)) return list_->row(item);
    if (!list_->isVisible() && x >= 0 && y >= 0) {
        // Not laid out yet: count rows of ItemHeight from the top.
        const int row = TopIndex() + y / std::max(ItemHeight(), 1);
        if (row < items_->Count()) return row;
    }
    return existing ? -1 : items_->Count();
}

// TComboBox

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, MakeWidget<QComboBox>()), combo_(static_cast<QComboBox*>(Widget())), items_(new TStringList) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    combo_->setEditable(true);
    items_->SetOnChange(TNotifyEvent(this, [this](TObject*) { ItemsChanged(); }));
    QObject::connect(combo_, &QComboBox::currentIndexChanged, [this](int) {
        if (updating_) return;
        RunGuarded(this, [this] {
            SyncText();
            if (onChange_) onChange_(this);
        });
    });
    QObject::connect(combo_, &QComboBox::editTextChanged, [this](const QString&) {
        if (updating_ || style_ == csDropDownList) return;
        RunGuarded(this, [this] {
            SyncText();
            if (onChange_) onChange_(this);
        });
    });
}

TComboBox::~TComboBox() { delete items_; }

void TComboBox::SyncText() {
    updating_ = true;
    SetCaption(style_ == csDropDownList ? (ItemIndex() >= 0 ? items_->Strings(ItemIndex()) : std::string())
                                        : FromQString(combo_->currentText()));
    updating_ = false;
}

void TComboBox::ItemsChanged() {
    updating_ = true;
    const QString text = combo_->currentText();
    combo_->clear();
    for (int i = 0; i < items_->Count(); ++i) combo_->addItem(ToQString(items_->Strings(i)));
    if (style_ == csDropDownList)
        combo_->setCurrentIndex(-1);
    else
        combo_->setEditText(text);
    updating_ = false;
    SyncText();
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    style_ = style;
    updating_ = true;
    combo_->setEditable(style != csDropDownList);
    if (style == csDropDownList) combo_->setCurrentIndex(items_->IndexOf(Caption()));
    updating_ = false;
    SyncText();
}

int TComboBox::ItemIndex() const {
    const int index = combo_->currentIndex();
    if (index < 0 || index >= items_->Count()) return -1;
    if (style_ != csDropDownList && combo_->currentText() != combo_->itemText(index)) return -1;
    return index;
}

void TComboBox::SetItemIndex(int index) {
    updating_ = true;
    combo_->setCurrentIndex(index >= 0 && index < items_->Count() ? index : -1);
    if (index < 0 && style_ != csDropDownList) combo_->setEditText(QString());
    updating_ = false;
    SyncText();
}

void TComboBox::SetDropDownCount(int32_t count) {
    dropDownCount_ = count;
    combo_->setMaxVisibleItems(std::max(count, 1));
}

void TComboBox::CaptionChanged() {
    if (updating_) return;
    updating_ = true;
    if (style_ == csDropDownList)
        combo_->setCurrentIndex(items_->IndexOf(Caption()));
    else
        combo_->setEditText(ToQString(Caption()));
    updating_ = false;
    SyncText();
}
