#include "build/RichTextConverter.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "build/BuildMessages.h"
#include "build/MergedTables.h"
#include "build/PageIndex.h"
#include "build/PageTables.h"
#include "build/RtfText.h"
#include "build/SameName.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/classes/strings.h"

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

template <size_t N>
bool StartsWith(std::string_view text, size_t pos, const char (&word)[N]) {
    return text.size() >= pos && text.size() - pos >= N - 1 && std::memcmp(text.data() + pos, word, N - 1) == 0;
}

// Appends `word` and `number` in decimal, without a temporary string.
void AppendNumbered(std::string& out, std::string_view word, int number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out += word;
    out.append(digits, end);
}

class Scanner {
public:
    Scanner(const TStrings& source, const TStrings* links, const TTopicContext& context, std::string& out)
        : links_(links),
          context_(context),
          out_(out),
          fonts_(ExtractFontTable(source)),
          colors_(ExtractColorTable(source)) {
        // Each entry's place in the merged tables, found once per page and
        // not at every \f and \cf: the comparison ignoring case is costly.
        for (const TPageFont& font : fonts_)
            mergedFonts_.push_back(MergedPosition(context_.Tables.Fonts, font.Description));
        for (const std::string& color : colors_)
            mergedColors_.push_back(MergedPosition(context_.Tables.Colors, color));
    }

    // Scans `line` from `pos`; false when the conversion stopped.
    bool ScanLine(std::string_view line, size_t pos) {
        while (pos < line.size()) {
            // Plain text up to the next character the scanner acts on is
            // copied in one piece.
            size_t plainEnd = pos;
            while (plainEnd < line.size() && !ActsOn(line[plainEnd])) ++plainEnd;
            out_.append(line.substr(pos, plainEnd - pos));
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
    bool ActsOn(char c) const { return c == '\\' || c == '{' || c == '}' || (c == '#' && linkMode_); }

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

    bool ControlWord(std::string_view line, size_t& pos) {
        size_t p = pos + 1;
        bool spaceRule = true;
        const char next = p < line.size() ? line[p] : '\0';
        if (next == 'f' && p + 1 < line.size() && IsDigit(line[p + 1])) {
            ++p;
            int64_t number = 0;
            if (!ReadNumber(line, p, number)) return Stop(TConversionResult::BadFont, "Illegal font found in file.");
            const int merged = MergedFont(number);
            if (merged < 0) return Stop(TConversionResult::BadFont, "Illegal font found in file.");
            AppendNumbered(out_, "\\f", merged);
        } else if (next == 'f') {
            out_ += "\\f";
            ++p;
        } else if (StartsWith(line, p, "cf")) {
            p += 2;
            int64_t number = 0;
            if (!ReadNumber(line, p, number))
                return Stop(TConversionResult::BadColor, "Illegal color found in file.");
            if (number >= static_cast<int64_t>(colors_.size()))
                out_ += "\\cf0";
            else
                AppendNumbered(out_, "\\cf", mergedColors_[static_cast<size_t>(number)] + 1);
        } else if (next == 'c') {
            out_ += "\\c";
            ++p;
        } else if (StartsWith(line, p, "uldb")) {
            linkMode_ = true;
            p += 4;
        } else if (StartsWith(line, p, "ulnone")) {
            linkMode_ = false;
            p += 6;
        } else if (StartsWith(line, p, "ul")) {
            // Any other underline word (\ul, \ulw, \uld, ...) starts underlined
            // text; the whole word goes, so that none of it is left as text.
            linkMode_ = true;
            p += 2;
            while (p < line.size() && (IsLetter(line[p]) || IsDigit(line[p]))) ++p;
        } else if (next == 'u') {
            out_ += "\\u";
            ++p;
        } else if (StartsWith(line, p, "protect0")) {
            p += 8;
        } else if (StartsWith(line, p, "protect")) {
            p += 7;
        } else if (next == '\'') {
            // A character escape: the space after it is text.
            out_ += '\\';
            spaceRule = false;
        } else if (p < line.size() && !IsLetter(next)) {
            // A control symbol (\\, \{, \}, \~, ...) is copied whole: its second
            // character must not begin a control word of its own, and the space
            // after it is text.
            out_ += '\\';
            out_ += next;
            ++p;
            spaceRule = false;
        } else {
            out_ += '\\';
        }
        // The rest of the word, up to a space, the next control word, a brace
        // or the end of the line.
        size_t end = p;
        while (end < line.size() && line[end] != ' ' && line[end] != '\\' && line[end] != '{' && line[end] != '}')
            ++end;
        out_.append(line.substr(p, end - p));
        out_ += "\r\n";
        if (spaceRule && end < line.size() && line[end] == ' ') ++end;
        pos = end;
        return true;
    }

    // The merged position of the page's font `number` (the first of the
    // page's fonts with that number), or -1 when the page has no such font.
    int MergedFont(int64_t number) const {
        const std::string* font = FindPageFont(fonts_, number);
        for (size_t i = 0; font && i < fonts_.size(); ++i)
            if (&fonts_[i].Description == font) return mergedFonts_[i];
        return -1;
    }

    // The first of the page's links named `name` ignoring case. A page
    // names the same few links in many markers, so each name is looked up
    // once.
    const TLinkObject* FindLink(const std::string& name) {
        if (!links_) return nullptr;
        const auto known = foundLinks_.find(name);
        if (known != foundLinks_.end()) return known->second;
        const TLinkObject* found = nullptr;
        for (int i = 0; i < links_->Count() && !found; ++i)
            if (SameName(links_->Strings(i), name)) found = LinkAt(*links_, i);
        foundLinks_.emplace(name, found);
        return found;
    }

    bool LinkMarker(std::string_view line, size_t& pos) {
        const size_t close = line.find('#', pos + 2);
        if (close == std::string::npos) {
            // No closing "#" on this line: not a marker, only text.
            out_ += "##";
            pos += 2;
            return true;
        }
        // The control writes bytes above 0x7F and braces of the name escaped.
        const std::string name = RtfUnescaped(line.substr(pos + 2, close - pos - 2));
        const TLinkObject* link = FindLink(name);
        if (!link) return Stop(TConversionResult::BadLink, "Illegal link found in file.");
        out_ += link->Popup ? "{\\ul " : "{\\uldb ";
        AppendRtfEscaped(link->Text, out_);
        out_ += '}';
        const TPageObject* target = context_.Pages.Find(link->PageName);
        if (!target) return Stop(TConversionResult::BadLink, "Link to invalid page.");
        out_ += "{\\v ";
        AppendRtfEscaped(target->TopicID, out_);
        out_ += '}';
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

    const TStrings* links_;
    const TTopicContext& context_;
    std::string& out_;
    const std::vector<TPageFont> fonts_;
    const std::vector<std::string> colors_;
    std::vector<int> mergedFonts_;
    std::vector<int> mergedColors_;
    std::unordered_map<std::string, const TLinkObject*> foundLinks_;
    bool linkMode_ = false;
    size_t openGroups_ = 0;
    TConversionResult result_ = TConversionResult::Done;
};

}  // namespace

TConversionResult ConvertRichText(const TStrings& source, const TStrings* links, const TTopicContext& context,
                                  std::string& out) {
    // The list gives its lines by value: each is fetched once.
    int first = 0;
    size_t start = std::string::npos;
    std::string line;
    for (; first < source.Count(); ++first) {
        line = source.Strings(first);
        start = FindIgnoringCase(line, "\\PARD");
        if (start != std::string::npos) break;
    }
    if (start == std::string::npos) return TConversionResult::Done;
    start += 5;
    // The space that ends the word is not text.
    if (start < line.size() && line[start] == ' ') ++start;
    Scanner scanner(source, links, context, out);
    bool scanning = scanner.ScanLine(line, start);
    for (int i = first + 1; scanning && i < source.Count(); ++i) {
        line = source.Strings(i);
        scanning = scanner.ScanLine(line, 0);
    }
    scanner.CloseGroups();
    return scanner.Result();
}
