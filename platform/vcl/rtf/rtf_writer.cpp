#include "vcl/rtf/rtf_writer.h"

#include <algorithm>
#include <optional>

#include "win32/codepage.h"

namespace {

const char* FamilyWord(TRichFontFamily family) {
    switch (family) {
    case TRichFontFamily::ffRoman: return "\\froman";
    case TRichFontFamily::ffSwiss: return "\\fswiss";
    case TRichFontFamily::ffModern: return "\\fmodern";
    case TRichFontFamily::ffScript: return "\\fscript";
    case TRichFontFamily::ffDecor: return "\\fdecor";
    case TRichFontFamily::ffTech: return "\\ftech";
    case TRichFontFamily::ffBidi: return "\\fbidi";
    case TRichFontFamily::ffNil: break;
    }
    return "\\fnil";
}

int32_t RgbOf(int32_t color) { return color & 0xFFFFFF; }

template <class T>
int32_t IndexOf(const std::vector<T>& items, const T& item) {
    return static_cast<int32_t>(std::find(items.begin(), items.end(), item) - items.begin());
}

template <class T>
void AddOnce(std::vector<T>& items, const T& item) {
    if (std::find(items.begin(), items.end(), item) == items.end()) items.push_back(item);
}

// Appends RTF text and keeps track of whether the last thing written was a
// control word, which a following plain character must be parted from by a
// space.
class RtfOut {
public:
    void Word(const std::string& word) {
        line += word;
        afterWord_ = true;
    }
    void Symbol(const std::string& symbol) {
        line += symbol;
        afterWord_ = false;
    }
    void Plain(char c) {
        if (afterWord_) line += ' ';
        line += c;
        afterWord_ = false;
    }
    void Text(const std::string& text) {
        static const char* const kHex = "0123456789abcdef";
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\\' || c == '{' || c == '}')
                Symbol(std::string{'\\', c});
            else if (c == '\t')
                Word("\\tab");
            else if (byte >= 0x80 || byte < 0x20)
                Symbol(std::string{'\\', '\'', kHex[byte >> 4], kHex[byte & 15]});
            else
                Plain(c);
        }
    }
    std::string line;

private:
    bool afterWord_ = false;
};

std::string FontName(const std::string& name) {
    RtfOut out;
    std::string kept = name;
    std::erase(kept, ';');
    out.Text(kept);
    return out.line;
}

void Switch(RtfOut& out, bool was, bool now, const char* on, const char* off) {
    if (was != now) out.Word(now ? on : off);
}

// The formatting words that change `from` into `to`; a missing `from`
// writes everything.
void WriteChanges(RtfOut& out, const std::optional<TRichAttributes>& from, const TRichAttributes& to,
                  const std::vector<TRichFont>& fonts, const std::vector<int32_t>& colors) {
    const TRichAttributes base = from.value_or(TRichAttributes{});
    auto colorIndex = [&](int32_t color) {
        return color == TRichAttributes::AutoColor ? 0 : IndexOf(colors, RgbOf(color)) + 1;
    };
    if (colorIndex(base.Color) != colorIndex(to.Color)) out.Word("\\cf" + std::to_string(colorIndex(to.Color)));
    Switch(out, base.Underline, to.Underline, "\\ul", "\\ulnone");
    Switch(out, base.Bold, to.Bold, "\\b", "\\b0");
    Switch(out, base.Italic, to.Italic, "\\i", "\\i0");
    Switch(out, base.StrikeOut, to.StrikeOut, "\\strike", "\\strike0");
    Switch(out, base.Protected, to.Protected, "\\protect", "\\protect0");
    if (!from || from->Font != to.Font) out.Word("\\f" + std::to_string(IndexOf(fonts, to.Font)));
    if (!from || from->HalfPoints != to.HalfPoints) out.Word("\\fs" + std::to_string(to.HalfPoints));
}

}  // namespace

std::vector<std::string> WriteRtfLines(const TRichDocument& document) {
    const auto& paragraphs = document.Paragraphs();
    const TRichAttributes initial =
        paragraphs.front().Runs.empty() ? document.DefaultAttributes() : paragraphs.front().Runs.front().Attributes;

    std::vector<TRichFont> fonts{initial.Font};
    std::vector<int32_t> colors;
    for (const TRichParagraph& paragraph : paragraphs) {
        for (const TRichRun& run : paragraph.Runs) {
            AddOnce(fonts, run.Attributes.Font);
            if (run.Attributes.Color != TRichAttributes::AutoColor) AddOnce(colors, RgbOf(run.Attributes.Color));
        }
    }

    std::vector<std::string> lines;
    std::string header = "{\\rtf1\\ansi\\ansicpg" + std::to_string(win32::GetACP()) + "\\deff0\\deflang1033{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        header += "{\\f" + std::to_string(i) + FamilyWord(fonts[i].Family);
        if (fonts[i].Pitch != 0) header += "\\fprq" + std::to_string(fonts[i].Pitch);
        header += "\\fcharset" + std::to_string(fonts[i].Charset) + " " + FontName(fonts[i].Name) + ";}";
    }
    lines.push_back(header + "}");
    if (!colors.empty()) {
        std::string table = "{\\colortbl ;";
        for (int32_t rgb : colors) {
            table += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
                     std::to_string((rgb >> 16) & 0xFF) + ";";
        }
        lines.push_back(table + "}");
    }

    std::optional<TRichAttributes> current;
    for (size_t p = 0; p < paragraphs.size(); ++p) {
        RtfOut out;
        if (p == 0) {
            out.Word("\\viewkind4\\uc1\\pard");
            WriteChanges(out, current, initial, fonts, colors);
            current = initial;
        }
        for (const TRichRun& run : paragraphs[p].Runs) {
            WriteChanges(out, current, run.Attributes, fonts, colors);
            current = run.Attributes;
            out.Text(run.Text);
        }
        out.Word("\\par");
        lines.push_back(out.line);
    }
    lines.push_back("}");
    return lines;
}

std::string WriteRtf(const TRichDocument& document) {
    std::string rtf;
    for (const std::string& line : WriteRtfLines(document)) rtf += line + "\r\n";
    return rtf;
}
