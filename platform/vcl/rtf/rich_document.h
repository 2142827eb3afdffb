#pragma once
// TRichDocument: the text of a rich-edit control without the window, as
// paragraphs of formatted runs.
//
// Positions count characters as the control counts them for SelStart and
// SelLength: every character of a paragraph is one position and every
// paragraph end between two paragraphs is one more (the "\r" the control
// keeps there). The last paragraph has no end of its own, so Length() is the
// number of characters plus the number of paragraphs minus one, and a
// document always holds at least one (maybe empty) paragraph. Text() joins
// the paragraphs with "\r\n", as the control's Text does; TextRange() gives
// one character per position, "\r" for a paragraph end, as SelText does.
//
// Every position and length argument is clamped into the document, so no
// call can reach outside it. Adjacent runs with equal attributes are always
// merged and empty runs never kept, so two documents with the same text and
// formatting compare equal.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vcl/rtf/rich_attributes.h"

struct TRichRun {
    std::string Text;  // ANSI bytes; never holds "\r" or "\n"
    TRichAttributes Attributes;

    friend bool operator==(const TRichRun&, const TRichRun&) = default;
};

struct TRichParagraph {
    std::vector<TRichRun> Runs;

    int32_t Length() const;
    std::string Text() const;

    friend bool operator==(const TRichParagraph&, const TRichParagraph&) = default;
};

class TRichDocument {
public:
    // An empty document whose default attributes are the control's font:
    // Arial, 10 points, automatic colour.
    TRichDocument() = default;
    explicit TRichDocument(TRichAttributes defaults) : defaults_(std::move(defaults)) {}

    // The attributes of text where no character gives any (an empty
    // document, the start of the text).
    const TRichAttributes& DefaultAttributes() const { return defaults_; }
    void SetDefaultAttributes(const TRichAttributes& defaults) { defaults_ = defaults; }

    const std::vector<TRichParagraph>& Paragraphs() const { return paragraphs_; }
    int32_t Length() const;
    std::string Text() const;
    std::string TextRange(int32_t start, int32_t length) const;

    // The character at `pos` ("\r" for a paragraph end); 0 outside the text.
    char CharAt(int32_t pos) const;
    bool IsParagraphEnd(int32_t pos) const;
    // The attributes of the character at `pos`. A paragraph end, and the
    // end of the text, report the attributes of the character before them
    // without protection (a paragraph end is never protected); with no
    // character before them, the default attributes.
    TRichAttributes AttributesAt(int32_t pos) const;
    // The attributes of the character just before `pos` (protection
    // included); the default attributes at the start or after a paragraph
    // end with no character before it in the text.
    TRichAttributes AttributesBefore(int32_t pos) const;

    // Inserts `text` at `pos` with `attributes`; "\r\n", "\r" and "\n" in
    // the text each end a paragraph. Returns the number of positions
    // inserted (each line break counting one).
    int32_t Insert(int32_t pos, std::string_view text, const TRichAttributes& attributes);
    void Delete(int32_t start, int32_t length);
    void ApplyAttributes(int32_t start, int32_t length, const TRichAttributeChange& change);
    // Starts a new paragraph at the end (the reader's \par).
    void AppendParagraph();
    // Appends to the end of the text; line breaks end paragraphs as in
    // Insert. Cheaper than Insert at Length() for building a document.
    void AppendText(std::string_view text, const TRichAttributes& attributes);
    void Clear();

    // The range [start, start + length) cut to the document: {start, end}.
    // A negative length is an empty range.
    std::pair<int32_t, int32_t> ClampRange(int32_t start, int32_t length) const;

    // True when a character of the range is protected.
    bool AnyProtected(int32_t start, int32_t length) const;
    // The TRichConsistent bits of the attributes that every character of the
    // range shares (paragraph ends do not count); caAll for a range without
    // characters.
    uint32_t ConsistentAttributes(int32_t start, int32_t length) const;

    friend bool operator==(const TRichDocument& a, const TRichDocument& b) { return a.paragraphs_ == b.paragraphs_; }

private:
    struct Place {
        size_t paragraph;
        int32_t offset;
    };
    Place Locate(int32_t pos) const;
    int32_t Clamp(int32_t pos) const;
    // Calls visit(attributes) for each run piece of the characters in range.
    template <class Visit>
    void ForEachPiece(int32_t start, int32_t length, Visit visit) const;

    TRichAttributes defaults_;
    std::vector<TRichParagraph> paragraphs_{TRichParagraph{}};
};
