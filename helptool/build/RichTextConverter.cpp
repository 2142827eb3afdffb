#include "build/RichTextConverter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "build/BuildMessages.h"
#include "build/MergedTables.h"
#include "build/PageIndex.h"
#include "build/RtfText.h"
#include "build/SameName.h"
#include "build/TextAppender.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/classes/strings.h"

namespace {

// What the scanner makes of each byte, looked up once per byte rather
// than tested. Control words are ASCII, whatever the locale.
enum : uint8_t {
    kDigit = 1,
    kLetter = 2,
    kEndsWord = 4,       // a space, "\\", "{" or "}"
    kActsOn = 8,         // "\\", "{" or "}"
    kActsOnInLink = 16,  // those and "#"
};

constexpr auto kByteClasses = [] {
    std::array<uint8_t, 256> classes{};
    for (int c = '0'; c <= '9'; ++c) classes[c] |= kDigit;
    for (int c = 'a'; c <= 'z'; ++c) classes[c] |= kLetter;
    for (int c = 'A'; c <= 'Z'; ++c) classes[c] |= kLetter;
    for (const char c : {' ', '\\', '{', '}'}) classes[static_cast<uint8_t>(c)] |= kEndsWord;
    for (const char c : {'\\', '{', '}'}) classes[static_cast<uint8_t>(c)] |= kActsOn | kActsOnInLink;
    classes['#'] |= kActsOnInLink;
    return classes;
}();

bool Is(char c, uint8_t byteClass) { return (kByteClasses[static_cast<uint8_t>(c)] & byteClass) != 0; }
bool IsDigit(char c) { return Is(c, kDigit); }
bool IsLetter(char c) { return Is(c, kLetter); }

template <size_t N>
bool StartsWith(std::string_view text, size_t pos, const char (&word)[N]) {
    return text.size() >= pos && text.size() - pos >= N - 1 && std::memcmp(text.data() + pos, word, N - 1) == 0;
}

// Appends `word` (a few letters) and `number` (not negative) in decimal,
// in one piece.
void AppendNumbered(TTextAppender& out, std::string_view word, int number) {
    char text[16];
    char* digits = text + sizeof text;
    auto rest = static_cast<unsigned>(number);
    do {
        *--digits = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    char* first = digits - word.size();
    std::memcpy(first, word.data(), word.size());
    out.append(first, static_cast<size_t>(text + sizeof text - first));
}

class Scanner {
public:
    Scanner(const TSourceNumbering& numbering, const TStringList* links, const TTopicContext& context,
            TTextAppender& out)
        : numbering_(numbering), links_(links), context_(context), out_(out) {
        // Pages name a few links; room for them saves growing the list.
        markers_.reserve(4);
    }

    // Scans `line` from `pos`; false when the conversion stopped.
    bool ScanLine(std::string_view line, size_t pos) {
        while (pos < line.size()) {
            // Plain text up to the next character the scanner acts on is
            // copied in one piece.
            const uint8_t actsOn = linkMode_ ? kActsOnInLink : kActsOn;
            size_t plainEnd = pos;
            while (plainEnd < line.size() && !Is(line[plainEnd], actsOn)) ++plainEnd;
            out_.append(line.data() + pos, plainEnd - pos);
            pos = plainEnd;
            if (pos == line.size()) break;
            const char c = line[pos];
            if (c == '\\') {
                if (!ControlWord(line, pos)) return false;
            } else if (c == '#' && linkMode_) {
                if (pos + 1 < line.size() && line[pos + 1] == '#') {
                    if (!LinkMarker(line, pos)) return false;
                } else {
                    PictureMarker(line, pos);
                }
            } else if (c == '{') {
                out_ += c;
                ++openGroups_;
                ++pos;
            } else if (c == '}') {
                // Closes a group opened in the scanned text, or else the
                // source itself, whose brace the topic file does not want.
                if (openGroups_ > 0) {
                    out_ += c;
                    --openGroups_;
                }
                ++pos;
            }
        }
        return true;
    }

    // Closes the groups the source left open, so that the topic file stays
    // well formed after a stop.
    void CloseGroups() {
        out_.append(openGroups_, '}');
        openGroups_ = 0;
    }

    TConversionResult Result() const { return result_; }

private:
    bool Stop(TConversionResult result, const char* message) {
        result_ = result;
        context_.Messages.Show(message);
        return false;
    }

    // The number of the digits from `pos`; false when there are none or
    // they do not fit 32 bits. `pos` moves past the digits.
    static bool ReadNumber(std::string_view line, size_t& pos, int64_t& number) {
        const size_t start = pos;
        number = 0;
        bool fits = true;
        while (pos < line.size() && IsDigit(line[pos])) {
            if (fits) number = number * 10 + (line[pos] - '0');
            if (number > std::numeric_limits<int32_t>::max()) fits = false;
            ++pos;
        }
        return pos > start && fits;
    }

    // The control word or symbol at `pos`. Most words are copied as they
    // stand; renumbered and removed words write their replacement and
    // copy only the rest of the word after it.
    bool ControlWord(std::string_view line, size_t& pos) {
        size_t p = pos + 1;
        size_t copyFrom = pos;
        bool spaceRule = true;
        if (p < line.size()) {
            const char second = p + 1 < line.size() ? line[p + 1] : '\0';
            switch (line[p]) {
            case 'f':
                if (IsDigit(second)) {
                    if (!RenumberFont(line, p)) return false;
                    copyFrom = p;
                }
                break;
            case 'c':
                if (second == 'f') {
                    if (!RenumberColor(line, p)) return false;
                    copyFrom = p;
                }
                break;
            case 'u':
                if (second == 'l') {
                    Underline(line, p);
                    copyFrom = p;
                }
                break;
            case 'p':
                // The control's protection marks have no place in a topic.
                if (StartsWith(line, p, "protect")) {
                    p += StartsWith(line, p, "protect0") ? 8 : 7;
                    copyFrom = p;
                }
                break;
            case '\'':
                // A character escape: the space after it is text.
                spaceRule = false;
                break;
            default:
                if (!IsLetter(line[p])) {
                    // A control symbol (\\, \{, \}, \~, ...) is copied whole:
                    // its second character must not begin a control word of
                    // its own, and the space after it is text.
                    ++p;
                    spaceRule = false;
                }
            }
        }
        CopyWord(line, pos, copyFrom, p, spaceRule);
        return true;
    }

    // \fN at `p` (the "f"), written as \f and the merged number of the
    // page's font N; `p` moves past the number.
    bool RenumberFont(std::string_view line, size_t& p) {
        ++p;
        int64_t number = 0;
        if (!ReadNumber(line, p, number)) return Stop(TConversionResult::BadFont, "Illegal font found in file.");
        const int merged = numbering_.MergedFont(number);
        if (merged < 0) return Stop(TConversionResult::BadFont, "Illegal font found in file.");
        AppendNumbered(out_, "\\f", merged);
        return true;
    }

    // \cfN at `p` (the "c"), written as \cf and the merged number of the
    // page's colour N counted from the topic file's empty first entry, or
    // \cf0 for a colour beyond the page's table; `p` moves past the number.
    bool RenumberColor(std::string_view line, size_t& p) {
        p += 2;
        int64_t number = 0;
        if (!ReadNumber(line, p, number)) return Stop(TConversionResult::BadColor, "Illegal color found in file.");
        if (number >= static_cast<int64_t>(numbering_.Colors.size()))
            out_ += "\\cf0";
        else
            AppendNumbered(out_, "\\cf", numbering_.Colors[static_cast<size_t>(number)] + 1);
        return true;
    }

    // An underline word at `p` (the "u"): \ulnone ends link mode, \uldb
    // and the others (\ul, \ulw, \uld, ...) start it; the word goes, all
    // of it, so that none of it is left as text. `p` moves past it.
    void Underline(std::string_view line, size_t& p) {
        p += 2;
        if (StartsWith(line, p, "db")) {
            linkMode_ = true;
            p += 2;
        } else if (StartsWith(line, p, "none")) {
            linkMode_ = false;
            p += 4;
        } else {
            linkMode_ = true;
            while (p < line.size() && (IsLetter(line[p]) || IsDigit(line[p]))) ++p;
        }
    }

    // Copies the control word at `pos` from `copyFrom` on, with the rest of
    // the word (from `restFrom`, up to a space, the next control word, a
    // brace or the end of the line), and a line break; `pos` moves past it
    // and, when `spaceRule` holds, past the space that ends it.
    void CopyWord(std::string_view line, size_t& pos, size_t copyFrom, size_t restFrom, bool spaceRule) {
        size_t end = restFrom;
        while (end < line.size() && !Is(line[end], kEndsWord)) ++end;
        out_.AppendLine(line.data() + copyFrom, end - copyFrom);
        if (spaceRule && end < line.size() && line[end] == ' ') ++end;
        pos = end;
    }

    // A link marker's name as the source writes it, with what a marker of
    // that name writes: its link's hotspot and, when the link's page
    // exists, the hidden topic ID. A page names the same few links in many
    // markers, so each name is looked up and written out once.
    struct KnownMarker {
        std::string rawName;
        bool linkFound = false;
        bool pageFound = false;
        // "{\uldb text}" (for a popup "{\ul text}"), then "{\v ID}".
        std::string written;
        size_t hotspotSize = 0;
    };

    // The marker named `rawName`, its link being the first of the page's
    // links with the unescaped name, ignoring case.
    const KnownMarker& Marker(std::string_view rawName) {
        for (const KnownMarker& known : markers_)
            if (known.rawName == rawName) return known;
        KnownMarker& marker = markers_.emplace_back();
        marker.rawName = rawName;
        // The control writes bytes above 0x7F and braces of the name escaped.
        const std::string name = RtfUnescaped(rawName);
        const TLinkObject* link = nullptr;
        for (int i = 0; links_ && i < links_->Count() && !link; ++i)
            if (SameName(links_->StringAt(i), name)) link = LinkAt(*links_, i);
        if (!link) return marker;
        marker.linkFound = true;
        marker.written = link->Popup ? "{\\ul " : "{\\uldb ";
        AppendRtfEscaped(link->Text, marker.written);
        marker.written += '}';
        marker.hotspotSize = marker.written.size();
        const TPageObject* page = context_.Pages.Find(link->PageName);
        if (!page) return marker;
        marker.pageFound = true;
        marker.written += "{\\v ";
        AppendRtfEscaped(page->TopicID, marker.written);
        marker.written += '}';
        return marker;
    }

    bool LinkMarker(std::string_view line, size_t& pos) {
        const size_t close = line.find('#', pos + 2);
        if (close == std::string::npos) {
            // No closing "#" on this line: not a marker, only text.
            out_ += "##";
            pos += 2;
            return true;
        }
        const KnownMarker& marker = Marker(line.substr(pos + 2, close - pos - 2));
        if (!marker.linkFound) return Stop(TConversionResult::BadLink, "Illegal link found in file.");
        if (!marker.pageFound) {
            out_.append(marker.written.data(), marker.hotspotSize);
            return Stop(TConversionResult::BadLink, "Link to invalid page.");
        }
        out_ += marker.written;
        pos = std::min(close + 2, line.size());
        return true;
    }

    void PictureMarker(std::string_view line, size_t& pos) {
        const size_t close = line.find('#', pos + 1);
        if (close == std::string::npos) {
            out_ += '#';
            ++pos;
            return;
        }
        // The path as the source has it, its backslashes still doubled.
        out_ += "\\{bmc ";
        out_.append(line.substr(pos + 1, close - pos - 1));
        out_ += "\\}\r\n";
        pos = close + 1;
    }

    const TSourceNumbering& numbering_;
    const TStringList* links_;
    const TTopicContext& context_;
    TTextAppender& out_;
    std::vector<KnownMarker> markers_;
    bool linkMode_ = false;
    size_t openGroups_ = 0;
    TConversionResult result_ = TConversionResult::Done;
};

}  // namespace

TConversionResult ConvertRichText(const TStringList& source, const TSourceNumbering& numbering,
                                  const TStringList* links, const TTopicContext& context, std::string& out) {
    int first = 0;
    size_t start = std::string_view::npos;
    for (; first < source.Count(); ++first) {
        start = FindIgnoringCase(source.StringAt(first), "\\PARD");
        if (start != std::string_view::npos) break;
    }
    if (start == std::string_view::npos) return TConversionResult::Done;
    const std::string_view line = source.StringAt(first);
    start += 5;
    // The space that ends the word is not text.
    if (start < line.size() && line[start] == ' ') ++start;
    TTextAppender appender(out);
    Scanner scanner(numbering, links, context, appender);
    bool scanning = scanner.ScanLine(line, start);
    for (int i = first + 1; scanning && i < source.Count(); ++i) scanning = scanner.ScanLine(source.StringAt(i), 0);
    scanner.CloseGroups();
    return scanner.Result();
}
