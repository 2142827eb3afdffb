#include "vcl/forms/rich_text_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include "vcl/forms/application.h"
#include "vcl/forms/qt_text.h"
#include "vcl/forms/rich_edit.h"

TRichTextWidget::TRichTextWidget(TRichEdit& owner) : owner_(owner) {
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
}

void TRichTextWidget::Propose(int start, int length, const std::string& text) {
    RunGuarded(&owner_, [&] { owner_.UserReplace(start, length, text); });
}

void TRichTextWidget::ProposeOverSelection(const std::string& text) {
    const QTextCursor cursor = textCursor();
    Propose(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), text);
}

void TRichTextWidget::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly() || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (textCursor().hasSelection()) {
            copy();
            ProposeOverSelection("");
        }
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        insertFromMimeData(QApplication::clipboard()->mimeData());
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return;

    const int key = event->key();
    const bool word = event->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        QTextCursor range = textCursor();
        if (!range.hasSelection()) {
            const bool back = key == Qt::Key_Backspace;
            range.movePosition(back ? (word ? QTextCursor::PreviousWord : QTextCursor::PreviousCharacter)
                                    : (word ? QTextCursor::NextWord : QTextCursor::NextCharacter),
                               QTextCursor::KeepAnchor);
        }
        if (range.hasSelection()) Propose(range.selectionStart(), range.selectionEnd() - range.selectionStart(), "");
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ProposeOverSelection("\r");
        return;
    }
    if (key == Qt::Key_Tab && !owner_.WantTabs()) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && (text[0].isPrint() || text[0] == '\t') &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable) {
        ProposeOverSelection(FromQString(text));
        return;
    }
    QTextEdit::keyPressEvent(event);  // navigation
}

void TRichTextWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && (!event->commitString().isEmpty() || event->replacementLength() > 0)) {
        const QTextCursor cursor = textCursor();
        int start = cursor.selectionStart();
        int length = cursor.selectionEnd() - start;
        if (event->replacementLength() > 0 || event->replacementStart() != 0) {
            start = cursor.position() + event->replacementStart();
            length = event->replacementLength();
        }
        Propose(start, length, FromQString(event->commitString()));
    }
    // What is still being composed is shown by Qt, outside the text.
    QInputMethodEvent preedit(event->preeditString(), event->attributes());
    QTextEdit::inputMethodEvent(&preedit);
}

void TRichTextWidget::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || source == nullptr || !source->hasText()) return;
    ProposeOverSelection(FromQString(source->text()));
}

void TRichTextWidget::dropEvent(QDropEvent* event) {
    // A drop inserts a copy at the drop point; moving text out of its place
    // would be a second change the drop cannot have reviewed.
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    const int at = cursorForPosition(event->position().toPoint()).position();
    Propose(at, 0, FromQString(event->mimeData()->text()));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TRichTextWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The rich edit's PopupMenu is shown by the control; Qt's own menu
    // would edit past the review.
    event->ignore();
}
