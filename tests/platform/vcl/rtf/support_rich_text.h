#pragma once
// Small builders for the rich-text tests: attributes by name and documents
// written as paragraphs of (text, attributes) runs.

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "vcl/rtf/rich_document.h"

namespace richtest {

// Arial 10, automatic colour: the control's default.
TRichAttributes Plain();
TRichAttributes Bold();
// A link or picture marker as the page editor sets it: green, underlined,
// protected.
TRichAttributes Marker();
TRichAttributes Colored(int32_t color);
TRichAttributes InFont(const std::string& name, int32_t halfPoints);

struct Run {
    std::string text;
    TRichAttributes attributes = Plain();
};
using Paragraph = std::vector<Run>;

TRichDocument Build(std::initializer_list<Paragraph> paragraphs);
// One paragraph per line of `text` ("\r\n" between them), all Plain().
TRichDocument PlainDocument(const std::string& text);

}  // namespace richtest

// Shows a document in test failures as its paragraphs of runs.
void PrintTo(const TRichDocument& document, std::ostream* out);
