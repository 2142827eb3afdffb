#pragma once
// TRichEdit: the rich-edit control. Its text is a TRichDocument
// (vcl/rtf/rich_document.h); the Qt editor shows it.
//
// - Every change, the user's and the program's, is reviewed first
//   (vcl/rtf/rich_protection.h): a change that would touch protected text
//   asks OnProtectChange(Sender, StartPos, EndPos, AllowChange) and is made
//   only when the handler answers true (AllowChange starts false); without
//   a handler it is refused. Changes that touch nothing protected are made
//   without asking.
// - Lines are the paragraphs as plain text, as the class library's Lines;
//   Lines->SaveToStream writes and LoadFromStream reads rich text unless
//   PlainText is set. RtfLines / LoadRtfLines do the same with string
//   lists, in the Windows control's shape (vcl/rtf/rtf_writer.h).
// - Positions count a paragraph end as one character, as SelStart does.
// - Font is the default format (DefAttributes) of new text.

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vcl/classes/strings.h"
#include "vcl/forms/control.h"
#include "vcl/forms/text_attributes.h"
#include "vcl/rtf/rich_document.h"
#include "vcl/rtf/rich_protection.h"
#include "vcl/rtf/rich_selection.h"

class TRichTextWidget;
class TRichEditLines;

using TRichEditProtectChangeEvent =
    TMethod<TObject* /*Sender*/, int32_t /*StartPos*/, int32_t /*EndPos*/, bool& /*AllowChange*/>;

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;
    std::string ClassName() const override { return "TRichEdit"; }

    const TRichDocument& Document() const { return document_; }

    TStrings* Lines();
    void SetLines(const TStrings* lines);
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool plain) { plainText_ = plain; }
    // The text written as rich text, one string per line.
    std::vector<std::string> RtfLines() const;
    // Replaces the whole text by the rich text of `lines` (a reviewed
    // change); false when it was refused.
    bool LoadRtfLines(const TStrings& lines);
    bool LoadRichText(const std::string& rtf);
    // The paragraphs joined by CR LF.
    std::string Text() const { return document_.Text(); }
    void Clear();

    int32_t SelStart() const;
    void SetSelStart(int32_t start);
    int32_t SelLength() const;
    void SetSelLength(int32_t length);
    void SelectAll();
    std::string SelText() const;
    // Replaces the selection (a reviewed change).
    void SetSelText(const std::string& text);
    TTextAttributes* SelAttributes() { return &selAttributes_; }
    void SetSelAttributes(const TTextAttributes* attributes) { selAttributes_.Assign(attributes); }
    TTextAttributes* DefAttributes() { return &defAttributes_; }
    void SetDefAttributes(const TTextAttributes* attributes) { defAttributes_.Assign(attributes); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool want) { wantTabs_ = want; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide) { hideSelection_ = hide; }

    const TRichEditProtectChangeEvent& OnProtectChange() const { return onProtectChange_; }
    void SetOnProtectChange(TRichEditProtectChangeEvent h) { onProtectChange_ = std::move(h); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent h) { onChange_ = std::move(h); }
    const TNotifyEvent& OnSelectionChange() const { return onSelectionChange_; }
    void SetOnSelectionChange(TNotifyEvent h) { onSelectionChange_ = std::move(h); }

    // The user's replacement of `length` positions from `start` by `text`
    // (the editor widget calls it); the same review as every change.
    void UserReplace(int32_t start, int32_t length, const std::string& text);

    // For TTextAttributes and the lines.
    TRichAttributes SelectionAttributes();
    uint32_t SelectionConsistentAttributes();
    bool ChangeSelectionAttributes(const TRichAttributeChange& change);
    void ChangeDefaultAttributes(const TRichAttributeChange& change);
    // Replaces `length` positions from `start` by `text` after review;
    // false when refused. The selection ends after the new text.
    bool ReplaceRange(int32_t start, int32_t length, const std::string& text);

protected:
    void FontChanged() override;

private:
    bool Allowed(const TRichChange& change);
    void SyncSelectionFromWidget();
    void ShowSelection();
    // Rewrites the widget's positions [start, start + oldLength) with the
    // document's [start, start + newLength).
    void Redraw(int32_t start, int32_t oldLength, int32_t newLength);
    void RedrawAll();
    void Changed();

    TRichDocument document_;
    TRichSelection selection_{document_};
    TRichTextWidget* editor_;
    std::unique_ptr<TRichEditLines> lines_;
    TTextAttributes selAttributes_{*this, atSelected};
    TTextAttributes defAttributes_{*this, atDefaultText};
    bool plainText_ = false;
    bool readOnly_ = false;
    bool wantTabs_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    bool hideSelection_ = true;
    bool drawing_ = false;
    TRichEditProtectChangeEvent onProtectChange_;
    TNotifyEvent onChange_, onSelectionChange_;
};
