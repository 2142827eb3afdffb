#pragma once
// TRichSelection: the selection of a rich-edit control over its document,
// with the control's SelStart, SelLength, SelText and SelAttributes.
//
// - SetSelStart collapses the selection there; SetSelLength moves its end.
//   Both are clamped into the document; the values read back are clamped
//   again, so a document that shrank under the selection is harmless.
// - SelAttributes are those of the selection's first character, also for a
//   selection whose characters differ (SelConsistentAttributes tells which
//   attributes hold for all of it). An empty selection reports the
//   insertion format: set by SetSelAttributes on that empty selection, or
//   else the attributes of the character before the cursor, protection
//   included (so "the text at the cursor is protected" can be asked).
// - New text (SetSelText, and what the user types) takes TypingAttributes():
//   the insertion format when one was set, else those of the replaced first
//   character or of the character before the cursor; when those belong to
//   protected text (a marker), the new text gets them without protection,
//   underline and colour, so that typing next to a marker writes ordinary
//   text instead of growing the marker.
// Protection is not checked here; the control reviews every change first
// (vcl/rtf/rich_protection.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vcl/rtf/rich_document.h"

class TRichSelection {
public:
    explicit TRichSelection(TRichDocument& document) : document_(document) {}

    int32_t SelStart() const;
    void SetSelStart(int32_t start);
    int32_t SelLength() const;
    void SetSelLength(int32_t length);
    void SelectAll();

    std::string SelText() const;
    // Replaces the selection with `text`; the cursor follows the new text.
    void SetSelText(std::string_view text);

    TRichAttributes SelAttributes() const;
    void SetSelAttributes(const TRichAttributeChange& change);
    uint32_t SelConsistentAttributes() const;
    TRichAttributes TypingAttributes() const;

private:
    TRichDocument& document_;
    int32_t start_ = 0;
    int32_t length_ = 0;
    std::optional<TRichAttributes> insertionFormat_;
};
