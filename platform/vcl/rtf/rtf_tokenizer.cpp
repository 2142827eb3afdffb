#include "vcl/rtf/rtf_tokenizer.h"

#include <algorithm>
#include <limits>

namespace {

constexpr size_t kMaxWordLetters = 32;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

TRtfToken TRtfTokenizer::Next() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (c == '\r' || c == '\n') continue;
        TRtfToken token;
        if (c == '{') {
            token.kind = TRtfToken::tkGroupOpen;
        } else if (c == '}') {
            token.kind = TRtfToken::tkGroupClose;
        } else if (c != '\\') {
            token.kind = TRtfToken::tkText;
            token.ch = c;
        } else if (pos_ >= text_.size()) {
            break;
        } else if (IsLetter(text_[pos_])) {
            return ReadWord();
        } else if (text_[pos_] == '\r' || text_[pos_] == '\n') {
            ++pos_;
            token.kind = TRtfToken::tkWord;
            token.word = "par";
        } else if (text_[pos_] == '\'' && pos_ + 2 < text_.size() && HexValue(text_[pos_ + 1]) >= 0 &&
                   HexValue(text_[pos_ + 2]) >= 0) {
            token.kind = TRtfToken::tkHex;
            token.ch = static_cast<char>(HexValue(text_[pos_ + 1]) * 16 + HexValue(text_[pos_ + 2]));
            pos_ += 3;
        } else {
            token.kind = TRtfToken::tkSymbol;
            token.ch = text_[pos_++];
        }
        return token;
    }
    return TRtfToken{};
}

TRtfToken TRtfTokenizer::ReadWord() {
    TRtfToken token;
    token.kind = TRtfToken::tkWord;
    while (pos_ < text_.size() && IsLetter(text_[pos_])) {
        if (token.word.size() < kMaxWordLetters) token.word += text_[pos_];
        ++pos_;
    }
    const bool negative = pos_ + 1 < text_.size() && text_[pos_] == '-' && IsDigit(text_[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < text_.size() && IsDigit(text_[pos_])) {
        int64_t value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            value = std::min<int64_t>(value * 10 + (text_[pos_] - '0'), int64_t{1} << 32);
            ++pos_;
        }
        if (negative) value = -value;
        token.hasParam = true;
        token.param = static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                               std::numeric_limits<int32_t>::max()));
    }
    if (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    if (token.word == "bin" && token.hasParam && token.param > 0)
        pos_ += std::min<size_t>(static_cast<size_t>(token.param), text_.size() - pos_);
    return token;
}
