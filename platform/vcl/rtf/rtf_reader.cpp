#include "vcl/rtf/rtf_reader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "vcl/rtf/rtf_tokenizer.h"
#include "win32/codepage.h"

namespace {

// Nesting deeper than this is skipped whole (it cannot be real rich text,
// and it would cost memory for nothing).
constexpr size_t kMaxDepth = 1000;
constexpr int32_t kMinHalfPoints = 2;
constexpr int32_t kMaxHalfPoints = 3276;
constexpr int32_t kMaxFallback = 10;

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    TRichAttributes attributes;  // Font and Color are resolved when text is added
    int32_t fontNumber = -1;     // -1: the default font (\deff)
    int32_t colorNumber = -1;    // -1: the automatic colour
    int32_t fallback = 1;        // \uc
};

struct FontEntry {
    int32_t number = 0;
    TRichFont font{"", TRichFontFamily::ffNil, 0, 0};
    std::string name;
};

struct ColorEntry {
    std::optional<int32_t> color;  // empty: the automatic colour
};

const std::set<std::string>& SkippedDestinations() {
    static const std::set<std::string> words{
        "stylesheet", "info",      "pict",        "object",    "header",       "headerl",         "headerr",
        "headerf",    "footer",    "footerl",     "footerr",   "footerf",      "footnote",        "listtable",
        "listoverridetable",       "revtbl",      "rsidtbl",   "generator",    "xmlnstbl",        "themedata",
        "colorschememapping",      "latentstyles", "datastore", "pntext",      "pn",              "nonshppict",
        "fldinst",    "private",   "xe",          "tc",        "txe",          "filetbl",         "mmathPr",
        "listtext",   "bkmkstart", "bkmkend",     "annotation", "atnid",       "atnauthor",       "pgdsctbl",
        "userprops",  "docvar",    "falt",        "panose",    "fontemb",      "fontfile",        "template",
    };
    return words;
}

// Named punctuation and the Unicode character it stands for.
const std::map<std::string, char16_t>& NamedCharacters() {
    static const std::map<std::string, char16_t> words{
        {"emdash", u'\u2014'},    {"endash", u'\u2013'},    {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"bullet", u'\u2022'}, {"enspace", u' '},
        {"emspace", u' '},        {"qmspace", u' '},        {"zwnj", 0},           {"zwj", 0},
    };
    return words;
}

const std::set<std::string>& UnderlineWords() {
    static const std::set<std::string> words{
        "ul",    "uld",  "uldash", "uldashd", "uldashdd", "uldb",      "ulhwave",    "ulldash", "ulth",
        "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",
    };
    return words;
}

TRichFontFamily FamilyOf(const std::string& word) {
    static const std::map<std::string, TRichFontFamily> families{
        {"fnil", TRichFontFamily::ffNil},       {"froman", TRichFontFamily::ffRoman},
        {"fswiss", TRichFontFamily::ffSwiss},   {"fmodern", TRichFontFamily::ffModern},
        {"fscript", TRichFontFamily::ffScript}, {"fdecor", TRichFontFamily::ffDecor},
        {"ftech", TRichFontFamily::ffTech},     {"fbidi", TRichFontFamily::ffBidi},
    };
    const auto found = families.find(word);
    return found == families.end() ? TRichFontFamily::ffNil : found->second;
}

bool IsFamilyWord(const std::string& word) {
    return word == "fnil" || word == "froman" || word == "fswiss" || word == "fmodern" || word == "fscript" ||
           word == "fdecor" || word == "ftech" || word == "fbidi";
}

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

class Reader {
public:
    explicit Reader(const TRichAttributes& defaults) : document_(defaults) {}

    TRichDocument Read(std::string_view rtf) {
        TRtfTokenizer tokenizer(rtf);
        GroupState root;
        root.attributes = document_.DefaultAttributes();
        root.attributes.Protected = false;
        stack_.push_back(root);
        bool started = false;
        for (TRtfToken token = tokenizer.Next(); token.kind != TRtfToken::tkEnd; token = tokenizer.Next()) {
            if (!started) {
                // The document's own group; nothing before it is text.
                if (token.kind == TRtfToken::tkGroupOpen) started = true;
                continue;
            }
            if (!Take(token)) break;
        }
        Flush();
        if (breakAtEnd_) document_.Delete(document_.Length() - 1, 1);
        return std::move(document_);
    }

private:
    GroupState& State() { return stack_.back(); }

    // Returns false once the document's group has closed.
    bool Take(const TRtfToken& token) {
        if (overflow_ > 0) {
            if (token.kind == TRtfToken::tkGroupOpen) ++overflow_;
            if (token.kind == TRtfToken::tkGroupClose) --overflow_;
            return true;
        }
        switch (token.kind) {
        case TRtfToken::tkGroupOpen:
            fallbackLeft_ = 0;
            if (stack_.size() >= kMaxDepth) {
                overflow_ = 1;
            } else {
                stack_.push_back(State());
                groupJustOpened_ = true;
            }
            return true;
        case TRtfToken::tkGroupClose:
            fallbackLeft_ = 0;
            EndGroup();
            if (stack_.size() == 1) return false;
            stack_.pop_back();
            return true;
        case TRtfToken::tkWord:
            Word(token);
            break;
        case TRtfToken::tkSymbol:
            Symbol(token.ch);
            break;
        case TRtfToken::tkHex:
        case TRtfToken::tkText:
            Character(token.ch);
            break;
        case TRtfToken::tkEnd:
            break;
        }
        groupJustOpened_ = false;
        return true;
    }

    void EndGroup() {
        if (State().destination == Destination::FontTable) FinishFont();
    }

    void Symbol(char c) {
        if (c == '*') {
            if (groupJustOpened_) State().destination = Destination::Skip;
            return;
        }
        if (c == '\\' || c == '{' || c == '}') return Character(c);
        if (c == '~') return Character('\xA0');
        if (c == '_') return Character('-');
        // "\-" (optional hyphen), "\:" and unknown symbols show nothing; they
        // still count as a fallback character.
        if (fallbackLeft_ > 0) --fallbackLeft_;
    }

    void Character(char c) {
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        switch (State().destination) {
        case Destination::Text:
            Emit(std::string(1, c));
            break;
        case Destination::FontTable:
            if (c == ';')
                FinishFont();
            else if (font_)
                font_->name += c;
            break;
        case Destination::ColorTable:
            if (c == ';') {
                colors_.push_back(color_);
                color_ = ColorEntry{};
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void Word(const TRtfToken& token) {
        const std::string& w = token.word;
        GroupState& state = State();
        if (state.destination == Destination::Skip) return;
        const int32_t param = token.param;
        if (fallbackLeft_ > 0 && state.destination == Destination::Text) {
            --fallbackLeft_;
            return;
        }
        if (w == "fonttbl") {
            state.destination = Destination::FontTable;
        } else if (w == "colortbl") {
            state.destination = Destination::ColorTable;
        } else if (SkippedDestinations().count(w)) {
            state.destination = Destination::Skip;
        } else if (state.destination == Destination::FontTable) {
            FontWord(w, token);
        } else if (state.destination == Destination::ColorTable) {
            const int32_t value = std::clamp(param, 0, 255);
            if (w == "red") color_.color = (color_.color.value_or(0) & ~0xFF) | value;
            if (w == "green") color_.color = (color_.color.value_or(0) & ~0xFF00) | (value << 8);
            if (w == "blue") color_.color = (color_.color.value_or(0) & ~0xFF0000) | (value << 16);
        } else {
            TextWord(w, token);
        }
    }

    void FontWord(const std::string& w, const TRtfToken& token) {
        if (w == "f" && token.hasParam) {
            FinishFont();
            font_ = FontEntry{};
            font_->number = token.param;
        } else if (!font_) {
            return;
        } else if (IsFamilyWord(w)) {
            font_->font.Family = FamilyOf(w);
        } else if (w == "fcharset") {
            font_->font.Charset = std::clamp(token.param, 0, 255);
        } else if (w == "fprq") {
            font_->font.Pitch = std::clamp(token.param, 0, 2);
        }
    }

    void FinishFont() {
        if (!font_) return;
        font_->font.Name = Trimmed(font_->name);
        if (!fonts_.count(font_->number)) fonts_[font_->number] = font_->font;
        font_.reset();
    }

    void TextWord(const std::string& w, const TRtfToken& token) {
        GroupState& state = State();
        TRichAttributes& a = state.attributes;
        const bool on = !token.hasParam || token.param != 0;
        if (w == "par" || w == "line" || w == "row") {
            Break();
        } else if (w == "tab" || w == "cell") {
            Emit("\t");
        } else if (w == "plain") {
            const int32_t fallback = state.fallback;
            const Destination destination = state.destination;
            state = GroupState{};
            state.attributes = document_.DefaultAttributes();
            state.attributes.Protected = false;
            state.fallback = fallback;
            state.destination = destination;
        } else if (w == "deff") {
            defaultFont_ = token.param;
        } else if (w == "f") {
            state.fontNumber = token.param;
        } else if (w == "fs") {
            a.HalfPoints = token.hasParam ? std::clamp(token.param, kMinHalfPoints, kMaxHalfPoints)
                                          : document_.DefaultAttributes().HalfPoints;
        } else if (w == "b") {
            a.Bold = on;
        } else if (w == "i") {
            a.Italic = on;
        } else if (w == "strike") {
            a.StrikeOut = on;
        } else if (w == "protect") {
            a.Protected = on;
        } else if (w == "ulnone") {
            a.Underline = false;
        } else if (UnderlineWords().count(w)) {
            // Every kind of underline is underline here; \ul0 ends it.
            a.Underline = on;
        } else if (w == "cf") {
            state.colorNumber = token.param;
        } else if (w == "uc") {
            state.fallback = std::clamp(token.param, 0, kMaxFallback);
        } else if (w == "u" && token.hasParam) {
            Unicode(static_cast<char16_t>(token.param < 0 ? token.param + 65536 : token.param));
        } else if (const auto named = NamedCharacters().find(w); named != NamedCharacters().end()) {
            if (named->second != 0) EmitUnicode(named->second);
        }
    }

    // \uN: the character in the machine's code page, or else its fallback.
    void Unicode(char16_t ch) {
        bool unmappable = false;
        const std::string ansi = win32::WideCharToMultiByte(win32::CP_ACP, std::u16string(1, ch), &unmappable);
        if (!unmappable) {
            Emit(ansi);
            fallbackLeft_ = State().fallback;
        } else if (State().fallback == 0) {
            Emit("?");
        }
    }

    void EmitUnicode(char16_t ch) { Emit(win32::WideCharToMultiByte(win32::CP_ACP, std::u16string(1, ch))); }

    TRichAttributes Resolved() {
        const GroupState& state = State();
        TRichAttributes a = state.attributes;
        auto font = fonts_.find(state.fontNumber < 0 ? defaultFont_ : state.fontNumber);
        if (font == fonts_.end()) font = fonts_.find(defaultFont_);
        a.Font = font == fonts_.end() || font->second.Name.empty() ? document_.DefaultAttributes().Font : font->second;
        a.Color = TRichAttributes::AutoColor;
        if (state.colorNumber >= 0 && static_cast<size_t>(state.colorNumber) < colors_.size() &&
            colors_[state.colorNumber].color)
            a.Color = *colors_[state.colorNumber].color;
        return a;
    }

    void Emit(const std::string& text) {
        if (State().destination != Destination::Text || text.empty()) return;
        const TRichAttributes attributes = Resolved();
        if (!pending_.empty() && attributes != pendingAttributes_) Flush();
        pendingAttributes_ = attributes;
        pending_ += text;
        breakAtEnd_ = false;
    }

    void Break() {
        if (State().destination != Destination::Text) return;
        Flush();
        document_.AppendParagraph();
        breakAtEnd_ = true;
    }

    void Flush() {
        if (pending_.empty()) return;
        document_.AppendText(pending_, pendingAttributes_);
        pending_.clear();
    }

    TRichDocument document_;
    std::vector<GroupState> stack_;
    size_t overflow_ = 0;
    bool groupJustOpened_ = false;
    int32_t fallbackLeft_ = 0;
    int32_t defaultFont_ = 0;
    std::map<int32_t, TRichFont> fonts_;
    std::optional<FontEntry> font_;
    std::vector<ColorEntry> colors_;
    ColorEntry color_;
    std::string pending_;
    TRichAttributes pendingAttributes_;
    bool breakAtEnd_ = false;
};

bool IsRtf(std::string_view text) {
    const size_t begin = text.find_first_not_of(" \t\r\n");
    return begin != std::string_view::npos && text.substr(begin).starts_with("{\\rtf");
}

}  // namespace

TRichDocument ReadRtf(std::string_view rtf, const TRichAttributes& defaults) {
    if (IsRtf(rtf)) return Reader(defaults).Read(rtf);
    TRichDocument document(defaults);
    if (rtf.ends_with("\r\n"))
        rtf.remove_suffix(2);
    else if (rtf.ends_with("\n") || rtf.ends_with("\r"))
        rtf.remove_suffix(1);
    TRichAttributes attributes = defaults;
    attributes.Protected = false;
    document.AppendText(rtf, attributes);
    return document;
}

TRichDocument ReadRtfLines(const std::vector<std::string>& lines, const TRichAttributes& defaults) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return ReadRtf(text, defaults);
}
