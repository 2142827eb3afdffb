#include "vcl/forms/graphics.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack},       {"clMaroon", clMaroon},         {"clGreen", clGreen},
    {"clOlive", clOlive},       {"clNavy", clNavy},             {"clPurple", clPurple},
    {"clTeal", clTeal},         {"clGray", clGray},             {"clSilver", clSilver},
    {"clRed", clRed},           {"clLime", clLime},             {"clYellow", clYellow},
    {"clBlue", clBlue},         {"clFuchsia", clFuchsia},       {"clAqua", clAqua},
    {"clWhite", clWhite},       {"clNone", clNone},             {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clMenu", clMenu},         {"clWindow", clWindow},         {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},       {"clBtnHighlight", clBtnHighlight},
    {"clInfoBk", clInfoBk},
};

// The standard Windows scheme, indexed by the system colour number.
constexpr int32_t kSystemColors[] = {
    0xC8D0D4, 0x6E3A00, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF,
};

bool SameText(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

int32_t ColorToRGB(TColor color) {
    if ((static_cast<uint32_t>(color) & 0xFF000000u) == 0x80000000u) {
        const auto index = static_cast<size_t>(color & 0xFF);
        return index < std::size(kSystemColors) ? kSystemColors[index] : 0;
    }
    return color & 0x00FFFFFF;
}

bool IdentToColor(const std::string& text, TColor& color) {
    for (const auto& named : kNamedColors) {
        if (SameText(text, named.name)) {
            color = named.color;
            return true;
        }
    }
    if (text.empty()) return false;
    const bool hex = text[0] == '$';
    const std::string digits = hex ? text.substr(1) : text;
    if (digits.empty()) return false;
    char* end = nullptr;
    const long long value = std::strtoll(digits.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || value < INT32_MIN || value > UINT32_MAX) return false;
    color = static_cast<TColor>(static_cast<uint32_t>(value));
    return true;
}

const std::vector<std::pair<std::string, int32_t>>& ColorIdents() {
    static const std::vector<std::pair<std::string, int32_t>> idents = [] {
        std::vector<std::pair<std::string, int32_t>> list;
        for (const auto& named : kNamedColors) list.emplace_back(named.name, named.color);
        return list;
    }();
    return idents;
}

std::string ColorToString(TColor color) {
    for (const auto& named : kNamedColors) {
        if (named.color == color) return named.name;
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<uint32_t>(color));
    return text;
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetSize(int32_t size) {
    if (size == size_) return;
    size_ = size;
    Changed();
}

int32_t TFont::Height() const { return -((size_ * 96 + 36) / 72); }

void TFont::SetHeight(int32_t height) {
    const int32_t pixels = height < 0 ? -height : height;
    SetSize((pixels * 72 + 48) / 96);
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(int32_t charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_) return;
    pitch_ = pitch;
    Changed();
}

void TFont::Assign(const TPersistent* source) {
    if (const auto* font = dynamic_cast<const TFont*>(source)) {
        if (*font == *this) return;
        name_ = font->name_;
        size_ = font->size_;
        color_ = font->color_;
        style_ = font->style_;
        charset_ = font->charset_;
        pitch_ = font->pitch_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool operator==(const TFont& a, const TFont& b) {
    return a.name_ == b.name_ && a.size_ == b.size_ && a.color_ == b.color_ && a.style_ == b.style_ &&
           a.charset_ == b.charset_ && a.pitch_ == b.pitch_;
}

void TFont::Changed() {
    if (onChange_) onChange_(this);
}
