#include "vcl/rtf/rich_selection.h"

#include <algorithm>

int32_t TRichSelection::SelStart() const { return std::clamp(start_, 0, document_.Length()); }

void TRichSelection::SetSelStart(int32_t start) {
    start_ = std::clamp(start, 0, document_.Length());
    length_ = 0;
    insertionFormat_.reset();
}

int32_t TRichSelection::SelLength() const { return std::clamp(length_, 0, document_.Length() - SelStart()); }

void TRichSelection::SetSelLength(int32_t length) {
    start_ = SelStart();
    length_ = std::clamp(length, 0, document_.Length() - start_);
    insertionFormat_.reset();
}

void TRichSelection::SelectAll() {
    SetSelStart(0);
    SetSelLength(document_.Length());
}

std::string TRichSelection::SelText() const { return document_.TextRange(SelStart(), SelLength()); }

void TRichSelection::SetSelText(std::string_view text) {
    const TRichAttributes attributes = TypingAttributes();
    const int32_t start = SelStart();
    document_.Delete(start, SelLength());
    const int32_t inserted = document_.Insert(start, text, attributes);
    SetSelStart(start + inserted);
}

TRichAttributes TRichSelection::SelAttributes() const {
    if (SelLength() > 0) return document_.AttributesAt(SelStart());
    if (insertionFormat_) return *insertionFormat_;
    return document_.AttributesBefore(SelStart());
}

void TRichSelection::SetSelAttributes(const TRichAttributeChange& change) {
    if (SelLength() > 0)
        document_.ApplyAttributes(SelStart(), SelLength(), change);
    else
        insertionFormat_ = change.AppliedTo(TypingAttributes());
}

uint32_t TRichSelection::SelConsistentAttributes() const {
    return document_.ConsistentAttributes(SelStart(), SelLength());
}

TRichAttributes TRichSelection::TypingAttributes() const {
    if (SelLength() == 0 && insertionFormat_) return *insertionFormat_;
    TRichAttributes attributes = SelLength() > 0 ? document_.AttributesAt(SelStart()) : document_.AttributesBefore(SelStart());
    if (attributes.Protected) {
        attributes.Protected = false;
        attributes.Underline = false;
        attributes.Color = TRichAttributes::AutoColor;
    }
    return attributes;
}
