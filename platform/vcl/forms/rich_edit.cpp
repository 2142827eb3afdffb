#include "vcl/forms/rich_edit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/qt_graphics.h"
#include "vcl/forms/qt_text.h"
#include "vcl/forms/rich_edit_lines.h"
#include "vcl/forms/rich_text_widget.h"
#include "vcl/rtf/rtf_reader.h"
#include "vcl/rtf/rtf_writer.h"

namespace {

// Marks protected characters in the Qt document, for looking at it.
constexpr int kProtectedProperty = QTextFormat::UserProperty + 1;

QTextCharFormat FormatOf(const TRichAttributes& attributes) {
    QTextCharFormat format;
    format.setFontFamilies({ToQString(attributes.Font.Name)});
    format.setFontPointSize(attributes.HalfPoints / 2.0);
    format.setFontWeight(attributes.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.Italic);
    format.setFontUnderline(attributes.Underline);
    format.setFontStrikeOut(attributes.StrikeOut);
    if (attributes.Color != TRichAttributes::AutoColor) format.setForeground(ToQColor(attributes.Color));
    if (attributes.Protected) format.setProperty(kProtectedProperty, true);
    return format;
}

// Writes the document's positions [start, start + length) at `cursor`.
void InsertRange(QTextCursor& cursor, const TRichDocument& document, int32_t start, int32_t length) {
    const int32_t end = start + length;
    const auto& paragraphs = document.Paragraphs();
    int32_t pos = 0;
    for (size_t p = 0; p < paragraphs.size() && pos < end; ++p) {
        for (const TRichRun& run : paragraphs[p].Runs) {
            const int32_t runEnd = pos + static_cast<int32_t>(run.Text.size());
            const int32_t from = std::max(pos, start);
            const int32_t to = std::min(runEnd, end);
            if (from < to) {
                cursor.insertText(ToQString(run.Text.substr(static_cast<size_t>(from - pos), static_cast<size_t>(to - from))),
                                  FormatOf(run.Attributes));
            }
            pos = runEnd;
        }
        if (p + 1 < paragraphs.size()) {
            if (pos >= start && pos < end) cursor.insertBlock();
            ++pos;
        }
    }
}

}  // namespace

TRichEdit::TRichEdit(TComponent* owner)
    : TWinControl(owner, MakeWidget<TRichTextWidget>(*this)),
      editor_(static_cast<TRichTextWidget*>(Widget())),
      lines_(std::make_unique<TRichEditLines>(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    QObject::connect(editor_->document(), &QTextDocument::contentsChanged, [this] {
        // Nothing changes the widget's text but the rich edit; anything
        // else is put back from the document.
        if (!drawing_) QTimer::singleShot(0, editor_, [this] { RedrawAll(); });
    });
    QObject::connect(editor_, &QTextEdit::cursorPositionChanged, [this] {
        if (!drawing_ && onSelectionChange_) RunGuarded(this, [this] { onSelectionChange_(this); });
    });
}

TRichEdit::~TRichEdit() = default;

TStrings* TRichEdit::Lines() { return lines_.get(); }

void TRichEdit::SetLines(const TStrings* lines) { lines_->Assign(lines); }

std::vector<std::string> TRichEdit::RtfLines() const { return WriteRtfLines(document_); }

bool TRichEdit::LoadRtfLines(const TStrings& lines) { return LoadRichText(lines.Text()); }

bool TRichEdit::LoadRichText(const std::string& rtf) {
    TRichDocument loaded = ReadRtf(rtf, document_.DefaultAttributes());
    if (!Allowed({TRichChangeKind::ckText, 0, document_.Length(), loaded.Text()})) return false;
    document_ = std::move(loaded);
    selection_.SetSelStart(0);
    RedrawAll();
    ShowSelection();
    Changed();
    return true;
}

void TRichEdit::Clear() { ReplaceRange(0, document_.Length(), ""); }

int32_t TRichEdit::SelStart() const { return editor_->textCursor().selectionStart(); }

void TRichEdit::SetSelStart(int32_t start) {
    selection_.SetSelStart(start);
    ShowSelection();
}

int32_t TRichEdit::SelLength() const {
    const QTextCursor cursor = editor_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TRichEdit::SetSelLength(int32_t length) {
    SyncSelectionFromWidget();
    selection_.SetSelLength(length);
    ShowSelection();
}

void TRichEdit::SelectAll() {
    selection_.SelectAll();
    ShowSelection();
}

std::string TRichEdit::SelText() const { return document_.TextRange(SelStart(), SelLength()); }

void TRichEdit::SetSelText(const std::string& text) { ReplaceRange(SelStart(), SelLength(), text); }

void TRichEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    editor_->setReadOnly(readOnly);
}

void TRichEdit::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    editor_->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle bars) {
    scrollBars_ = bars;
    const bool vertical = bars == ssVertical || bars == ssBoth;
    const bool horizontal = bars == ssHorizontal || bars == ssBoth;
    editor_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    editor_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void TRichEdit::UserReplace(int32_t start, int32_t length, const std::string& text) {
    if (readOnly_) return;
    ReplaceRange(start, length, text);
}

bool TRichEdit::Allowed(const TRichChange& change) {
    const TRichProtectHook hook = [this](int32_t startPos, int32_t endPos) {
        bool allow = false;
        if (onProtectChange_) onProtectChange_(this, startPos, endPos, allow);
        return allow;
    };
    return ReviewChange(document_, change, hook).Apply;
}

bool TRichEdit::ReplaceRange(int32_t start, int32_t length, const std::string& text) {
    start = std::clamp(start, 0, document_.Length());
    length = std::clamp(length, 0, document_.Length() - start);
    if (!Allowed({TRichChangeKind::ckText, start, length, text})) return false;
    SyncSelectionFromWidget();
    if (selection_.SelStart() != start || selection_.SelLength() != length) {
        selection_.SetSelStart(start);
        selection_.SetSelLength(length);
    }
    const int32_t before = document_.Length();
    selection_.SetSelText(text);
    Redraw(start, length, document_.Length() - (before - length));
    ShowSelection();
    Changed();
    return true;
}

TRichAttributes TRichEdit::SelectionAttributes() {
    SyncSelectionFromWidget();
    return selection_.SelAttributes();
}

uint32_t TRichEdit::SelectionConsistentAttributes() {
    SyncSelectionFromWidget();
    return selection_.SelConsistentAttributes();
}

bool TRichEdit::ChangeSelectionAttributes(const TRichAttributeChange& change) {
    SyncSelectionFromWidget();
    const int32_t start = selection_.SelStart();
    const int32_t length = selection_.SelLength();
    if (length > 0 && !Allowed({TRichChangeKind::ckFormat, start, length, {}})) return false;
    selection_.SetSelAttributes(change);
    if (length > 0) {
        Redraw(start, length, length);
        ShowSelection();
        Changed();
    }
    return true;
}

void TRichEdit::ChangeDefaultAttributes(const TRichAttributeChange& change) {
    document_.SetDefaultAttributes(change.AppliedTo(document_.DefaultAttributes()));
}

void TRichEdit::FontChanged() {
    TWinControl::FontChanged();
    TRichAttributeChange change;
    change.Font = FontForName(Font()->Name());
    change.HalfPoints = Font()->Size() * 2;
    change.Color = Font()->Color();
    change.Bold = Font()->Style().Contains(fsBold);
    change.Italic = Font()->Style().Contains(fsItalic);
    change.Underline = Font()->Style().Contains(fsUnderline);
    change.StrikeOut = Font()->Style().Contains(fsStrikeOut);
    ChangeDefaultAttributes(change);
}

void TRichEdit::SyncSelectionFromWidget() {
    const int32_t start = SelStart();
    const int32_t length = SelLength();
    if (start != selection_.SelStart() || length != selection_.SelLength()) {
        selection_.SetSelStart(start);
        selection_.SetSelLength(length);
    }
}

void TRichEdit::ShowSelection() {
    drawing_ = true;
    QTextCursor cursor(editor_->document());
    cursor.setPosition(selection_.SelStart());
    cursor.setPosition(selection_.SelStart() + selection_.SelLength(), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    drawing_ = false;
}

void TRichEdit::Redraw(int32_t start, int32_t oldLength, int32_t newLength) {
    drawing_ = true;
    QTextCursor cursor(editor_->document());
    cursor.setPosition(start);
    cursor.setPosition(start + oldLength, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    InsertRange(cursor, document_, start, newLength);
    drawing_ = false;
}

void TRichEdit::RedrawAll() {
    drawing_ = true;
    editor_->document()->clear();
    QTextCursor cursor(editor_->document());
    InsertRange(cursor, document_, 0, document_.Length());
    drawing_ = false;
    ShowSelection();
}

void TRichEdit::Changed() {
    if (onChange_ && !Loading()) onChange_(this);
}
