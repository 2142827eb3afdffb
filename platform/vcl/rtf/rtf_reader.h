#pragma once
// Reads rich text (RTF) into a document, as the rich-edit control loads it.
//
// Reads the shape the control writes (vcl/rtf/rtf_writer.h) and the older
// one of earlier controls (font entries without \fcharset, a colour table
// starting with black instead of the empty automatic entry), and RTF of
// other writers as far as a rich edit shows it:
// - fonts (\f with \deff, the font table with families, \fcharset, \fprq),
//   sizes (\fs), \b, \i, \ul and its variants (\ulnone and \ul0 end it),
//   \strike, colours (\cf into the colour table; its empty entries and
//   numbers beyond it are the automatic colour), \protect, \plain;
// - groups save and restore the formatting; \* destinations and the
//   destinations a rich edit does not show (style sheet, information,
//   pictures, objects, headers, footers, lists, ...) are skipped, as are
//   unknown control words;
// - \'hh, \uN with its fallback (\ucN: used when the machine's code page
//   cannot hold the character, skipped otherwise), \tab, \par, \line (a
//   paragraph end here), \cell (a tab), \row, \~, \_, and the named
//   punctuation (\emdash, \lquote, \bullet, ...).
// - A \par at the very end of the text is the control's final paragraph
//   mark, not an empty paragraph.
// Attributes that the text does not give come from `defaults` (font, size),
// which also become the document's default attributes. Input that does not
// begin with "{\rtf" is plain text: its lines are the paragraphs (a final
// line end ends the last one). Malformed input never fails: a group left
// open ends with the text, text after the closing brace of the document is
// ignored, numbers are limited to sensible ranges.

#include <string>
#include <string_view>
#include <vector>

#include "vcl/rtf/rich_document.h"

TRichDocument ReadRtf(std::string_view rtf, const TRichAttributes& defaults = TRichAttributes{});
// The lines joined with "\r\n", as the control loads a string list.
TRichDocument ReadRtfLines(const std::vector<std::string>& lines, const TRichAttributes& defaults = TRichAttributes{});
