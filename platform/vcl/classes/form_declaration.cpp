#include "vcl/classes/form_declaration.h"

#include <cerrno>
#include <cstdlib>

#include "vcl/classes/text_compare.h"
#include "win32/codepage.h"

namespace {

// Deeper nesting than any real form is refused, so that hostile input
// cannot exhaust the stack.
constexpr int kMaxDepth = 100;

enum class Tok { End, Ident, String, Number, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // Ident name, String value, Number spelling, Symbol
    int line = 1;
};

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

// A character code of a #nn escape as ANSI bytes: codes above 255 are
// Unicode and go through the machine's code page.
std::string CharacterCode(uint32_t code) {
    if (code < 256) return std::string(1, static_cast<char>(code));
    std::string utf8;
    if (code < 0x800) {
        utf8 += static_cast<char>(0xC0 | (code >> 6));
    } else {
        utf8 += static_cast<char>(0xE0 | (code >> 12));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
    return win32::Utf8ToAnsi(utf8);
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) { Next(); }

    const Token& Current() const { return token_; }
    int Line() const { return token_.line; }

    void Next() {
        SkipBlanks();
        token_ = Token{};
        token_.line = line_;
        if (pos_ >= text_.size()) return;
        const char c = text_[pos_];
        if (IsIdentStart(c)) {
            const size_t start = pos_;
            while (pos_ < text_.size() && (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
            token_.kind = Tok::Ident;
            token_.text = text_.substr(start, pos_ - start);
        } else if (c == '\'' || c == '#') {
            token_.kind = Tok::String;
            token_.text = ReadString();
        } else if (IsDigit(c) || c == '$') {
            token_.kind = Tok::Number;
            token_.text = ReadNumber();
        } else {
            token_.kind = Tok::Symbol;
            token_.text = std::string(1, c);
            ++pos_;
        }
    }

    // The bytes of a `{ hex }` block; the current token is the "{".
    std::string ReadBinary() {
        std::string bytes;
        int pending = -1;
        while (true) {
            SkipBlanks();
            if (pos_ >= text_.size()) Fail("Unexpected end of file");
            const char c = text_[pos_++];
            if (c == '}') break;
            if (!IsHex(c)) Fail("Invalid binary value");
            if (pending < 0) {
                pending = HexValue(c);
            } else {
                bytes += static_cast<char>(pending * 16 + HexValue(c));
                pending = -1;
            }
        }
        if (pending >= 0) Fail("Invalid binary value");
        Next();
        return bytes;
    }

    [[noreturn]] void Fail(const std::string& reason) const { throw EFormDeclarationError(line_, reason); }

private:
    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) ++line_;
            if (static_cast<unsigned char>(c) > ' ') break;
            ++pos_;
        }
    }

    std::string ReadString() {
        std::string value;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\'') {
                ++pos_;
                while (true) {
                    if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n')
                        Fail("Invalid string constant");
                    const char d = text_[pos_++];
                    if (d == '\'') {
                        if (pos_ < text_.size() && text_[pos_] == '\'') {
                            value += '\'';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    value += d;
                }
            } else if (c == '#') {
                ++pos_;
                uint32_t code = 0;
                size_t digits = 0;
                const bool hex = pos_ < text_.size() && text_[pos_] == '$';
                if (hex) ++pos_;
                while (pos_ < text_.size() && (hex ? IsHex(text_[pos_]) : IsDigit(text_[pos_]))) {
                    code = code * (hex ? 16 : 10) + static_cast<uint32_t>(HexValue(text_[pos_]));
                    ++pos_;
                    if (++digits > 5 || code > 0xFFFF) Fail("Invalid string constant");
                }
                if (digits == 0) Fail("Invalid string constant");
                value += CharacterCode(code);
            } else {
                break;
            }
        }
        return value;
    }

    std::string ReadNumber() {
        const size_t start = pos_;
        if (text_[pos_] == '$') {
            ++pos_;
            while (pos_ < text_.size() && IsHex(text_[pos_])) ++pos_;
            return text_.substr(start, pos_ - start);
        }
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
            ++pos_;
            while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            size_t p = pos_ + 1;
            if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
            if (p < text_.size() && IsDigit(text_[p])) {
                pos_ = p;
                while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
            }
        }
        std::string spelling = text_.substr(start, pos_ - start);
        // The type suffixes of single, currency and date values.
        if (pos_ < text_.size() && std::string("scdSCD").find(text_[pos_]) != std::string::npos) {
            spelling += '.';  // read as a float whatever its digits
            ++pos_;
        }
        return spelling;
    }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 1;
    Token token_;
};

class Parser {
public:
    explicit Parser(const std::string& text) : lex_(text) {}

    TFormObject Declaration() {
        if (lex_.Current().kind == Tok::End) Fail("Unexpected end of file");
        TFormObject root = Object(0);
        if (lex_.Current().kind != Tok::End) Fail("End of file expected");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw EFormDeclarationError(lex_.Line(), reason);
    }
    [[noreturn]] void Expected(const std::string& what) const {
        if (lex_.Current().kind == Tok::End) Fail("Unexpected end of file");
        Fail(what + " expected");
    }

    bool IsSymbol(const char* s) const { return lex_.Current().kind == Tok::Symbol && lex_.Current().text == s; }
    bool IsWord(const char* w) const {
        return lex_.Current().kind == Tok::Ident && textcompare::SameText(lex_.Current().text, w);
    }
    bool AtObject() const { return IsWord("object") || IsWord("inherited") || IsWord("inline"); }

    void Expect(const char* symbol) {
        if (!IsSymbol(symbol)) Expected(std::string("'") + symbol + "'");
        lex_.Next();
    }
    std::string Ident() {
        if (lex_.Current().kind != Tok::Ident) Expected("Identifier");
        std::string name = lex_.Current().text;
        lex_.Next();
        return name;
    }
    // Ident { "." Ident }
    std::string DottedIdent() {
        std::string name = Ident();
        while (IsSymbol(".")) {
            lex_.Next();
            name += "." + Ident();
        }
        return name;
    }
    void Nest(int depth) const {
        if (depth > kMaxDepth) Fail("Declaration nested too deeply");
    }
    void SkipIndex() {
        if (!IsSymbol("[")) return;
        lex_.Next();
        if (lex_.Current().kind != Tok::Number) Expected("Number");
        lex_.Next();
        Expect("]");
    }

    TFormObject Object(int depth) {
        Nest(depth);
        TFormObject object;
        object.line = lex_.Line();
        object.kind = IsWord("inherited") ? TFormObject::Inherited
                      : IsWord("inline")  ? TFormObject::Inline
                                          : TFormObject::Object;
        lex_.Next();
        std::string first = Ident();
        if (IsSymbol(":")) {
            lex_.Next();
            object.name = first;
            object.className = Ident();
        } else {
            object.className = first;
        }
        SkipIndex();
        while (!IsWord("end")) {
            if (lex_.Current().kind == Tok::End) Fail("Unexpected end of file");
            if (AtObject()) {
                object.children.push_back(Object(depth + 1));
            } else {
                object.properties.push_back(Property(depth));
            }
        }
        lex_.Next();
        return object;
    }

    TFormProperty Property(int depth) {
        TFormProperty property;
        property.line = lex_.Line();
        property.name = DottedIdent();
        Expect("=");
        property.value = Value(depth + 1);
        return property;
    }

    TFormValue Value(int depth) {
        Nest(depth);
        TFormValue value;
        value.line = lex_.Line();
        const Token& t = lex_.Current();
        if (t.kind == Tok::String) {
            value.kind = TFormValue::String;
            value.text = t.text;
            lex_.Next();
            while (IsSymbol("+")) {
                lex_.Next();
                if (lex_.Current().kind != Tok::String) Expected("String");
                value.text += lex_.Current().text;
                lex_.Next();
            }
        } else if (t.kind == Tok::Number || IsSymbol("-")) {
            Number(value);
        } else if (t.kind == Tok::Ident) {
            value.kind = TFormValue::Ident;
            value.text = DottedIdent();
        } else if (IsSymbol("[")) {
            value.kind = TFormValue::Set;
            lex_.Next();
            if (!IsSymbol("]")) {
                value.names.push_back(Ident());
                while (IsSymbol(",")) {
                    lex_.Next();
                    value.names.push_back(Ident());
                }
            }
            Expect("]");
        } else if (IsSymbol("(")) {
            value.kind = TFormValue::List;
            lex_.Next();
            while (!IsSymbol(")")) {
                if (lex_.Current().kind == Tok::End) Fail("Unexpected end of file");
                value.items.push_back(Value(depth + 1));
            }
            lex_.Next();
        } else if (IsSymbol("{")) {
            value.kind = TFormValue::Binary;
            value.text = lex_.ReadBinary();
        } else if (IsSymbol("<")) {
            Collection(value, depth);
        } else {
            Expected("Property value");
        }
        return value;
    }

    void Number(TFormValue& value) {
        bool negative = false;
        if (IsSymbol("-")) {
            negative = true;
            lex_.Next();
        }
        if (lex_.Current().kind != Tok::Number) Expected("Number");
        const std::string spelling = lex_.Current().text;
        lex_.Next();
        errno = 0;
        char* end = nullptr;
        if (spelling[0] == '$') {
            if (spelling.size() == 1 || spelling.size() > 17) Fail("Invalid integer value " + spelling);
            const unsigned long long bits = std::strtoull(spelling.c_str() + 1, &end, 16);
            value.kind = TFormValue::Integer;
            // Hex digits are a bit pattern: $FFFFFFFF is the 32-bit -1.
            value.integer = bits <= 0xFFFFFFFFull && bits > 0x7FFFFFFFull
                                ? static_cast<int32_t>(static_cast<uint32_t>(bits))
                                : static_cast<int64_t>(bits);
        } else if (spelling.find_first_of(".eE") == std::string::npos) {
            value.kind = TFormValue::Integer;
            value.integer = std::strtoll(spelling.c_str(), &end, 10);
            if (errno == ERANGE) Fail("Invalid integer value " + spelling);
        } else {
            value.kind = TFormValue::Float;
            value.number = std::strtod(spelling.c_str(), &end);
            if (errno == ERANGE) Fail("Invalid floating point value " + spelling);
        }
        if (negative) {
            value.integer = -value.integer;
            value.number = -value.number;
        }
    }

    void Collection(TFormValue& value, int depth) {
        value.kind = TFormValue::Collection;
        lex_.Next();
        while (!IsSymbol(">")) {
            if (!IsWord("item")) Expected("'item'");
            value.collectionItemLines.push_back(lex_.Line());
            lex_.Next();
            SkipIndex();
            std::vector<TFormProperty> properties;
            while (!IsWord("end")) {
                if (lex_.Current().kind == Tok::End) Fail("Unexpected end of file");
                properties.push_back(Property(depth));
            }
            lex_.Next();
            value.collectionItems.push_back(std::move(properties));
        }
        lex_.Next();
    }

    Lexer lex_;
};

}  // namespace

TFormObject ParseFormDeclaration(const std::string& text) { return Parser(text).Declaration(); }
