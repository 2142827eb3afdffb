#include "support_rich_text.h"

namespace richtest {

TRichAttributes Plain() { return TRichAttributes{}; }

TRichAttributes Bold() {
    TRichAttributes a;
    a.Bold = true;
    return a;
}

TRichAttributes Marker() {
    TRichAttributes a;
    a.Color = 0x008000;
    a.Underline = true;
    a.Protected = true;
    return a;
}

TRichAttributes Colored(int32_t color) {
    TRichAttributes a;
    a.Color = color;
    return a;
}

TRichAttributes InFont(const std::string& name, int32_t halfPoints) {
    TRichAttributes a;
    a.Font = FontForName(name);
    a.HalfPoints = halfPoints;
    return a;
}

TRichDocument Build(std::initializer_list<Paragraph> paragraphs) {
    TRichDocument document;
    bool first = true;
    for (const Paragraph& paragraph : paragraphs) {
        if (!first) document.AppendParagraph();
        first = false;
        for (const Run& run : paragraph) document.AppendText(run.text, run.attributes);
    }
    return document;
}

TRichDocument PlainDocument(const std::string& text) {
    TRichDocument document;
    document.AppendText(text, Plain());
    return document;
}

}  // namespace richtest

void PrintTo(const TRichDocument& document, std::ostream* out) {
    for (const TRichParagraph& paragraph : document.Paragraphs()) {
        *out << "\n  [";
        for (const TRichRun& run : paragraph.Runs) {
            const TRichAttributes& a = run.Attributes;
            *out << "{\"" << run.Text << "\" " << a.Font.Name << " " << a.HalfPoints << (a.Bold ? " b" : "")
                 << (a.Italic ? " i" : "") << (a.Underline ? " u" : "") << (a.StrikeOut ? " s" : "")
                 << (a.Protected ? " p" : "") << " c" << std::hex << a.Color << std::dec << "}";
        }
        *out << "]";
    }
}
