#pragma once
// TRichTextWidget: the Qt text editor under TRichEdit. It makes no change
// of its own to the text: every edit the user makes (typing, deleting,
// cutting, pasting, dropping, input methods) is handed to its TRichEdit as
// a proposed replacement, which the rich edit reviews and applies.
// Navigation and copying stay Qt's.

#include <QTextEdit>
#include <string>

class TRichEdit;

class TRichTextWidget : public QTextEdit {
public:
    explicit TRichTextWidget(TRichEdit& owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The user's replacement of the positions [start, start + length).
    void Propose(int start, int length, const std::string& text);
    void ProposeOverSelection(const std::string& text);

    TRichEdit& owner_;
};
