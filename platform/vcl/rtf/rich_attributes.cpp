#include "vcl/rtf/rich_attributes.h"

#include <array>
#include <string_view>
#include <strings.h>

namespace {

struct KnownFont {
    std::string_view name;
    TRichFontFamily family;
    int32_t charset;
};

constexpr std::array<KnownFont, 22> kKnownFonts{{
    {"Arial", TRichFontFamily::ffSwiss, 0},
    {"Arial Black", TRichFontFamily::ffSwiss, 0},
    {"Helvetica", TRichFontFamily::ffSwiss, 0},
    {"MS Sans Serif", TRichFontFamily::ffSwiss, 0},
    {"Microsoft Sans Serif", TRichFontFamily::ffSwiss, 0},
    {"Tahoma", TRichFontFamily::ffSwiss, 0},
    {"Verdana", TRichFontFamily::ffSwiss, 0},
    {"Trebuchet MS", TRichFontFamily::ffSwiss, 0},
    {"Calibri", TRichFontFamily::ffSwiss, 0},
    {"Segoe UI", TRichFontFamily::ffSwiss, 0},
    {"Times New Roman", TRichFontFamily::ffRoman, 0},
    {"Times", TRichFontFamily::ffRoman, 0},
    {"MS Serif", TRichFontFamily::ffRoman, 0},
    {"Georgia", TRichFontFamily::ffRoman, 0},
    {"Cambria", TRichFontFamily::ffRoman, 0},
    {"Courier New", TRichFontFamily::ffModern, 0},
    {"Courier", TRichFontFamily::ffModern, 0},
    {"Lucida Console", TRichFontFamily::ffModern, 0},
    {"Consolas", TRichFontFamily::ffModern, 0},
    {"Comic Sans MS", TRichFontFamily::ffScript, 0},
    {"Symbol", TRichFontFamily::ffTech, 2},
    {"Wingdings", TRichFontFamily::ffNil, 2},
}};

}  // namespace

TRichFont FontForName(const std::string& name) {
    TRichFont font{name, TRichFontFamily::ffNil, 0, 0};
    for (const KnownFont& known : kKnownFonts) {
        if (known.name.size() == name.size() && strncasecmp(known.name.data(), name.data(), name.size()) == 0) {
            font.Family = known.family;
            font.Charset = known.charset;
            break;
        }
    }
    return font;
}

TRichAttributes TRichAttributeChange::AppliedTo(TRichAttributes attributes) const {
    if (Font) attributes.Font = *Font;
    if (HalfPoints) attributes.HalfPoints = *HalfPoints;
    if (Bold) attributes.Bold = *Bold;
    if (Italic) attributes.Italic = *Italic;
    if (Underline) attributes.Underline = *Underline;
    if (StrikeOut) attributes.StrikeOut = *StrikeOut;
    if (Color) attributes.Color = *Color;
    if (Protected) attributes.Protected = *Protected;
    return attributes;
}

uint32_t AgreeingAttributes(const TRichAttributes& a, const TRichAttributes& b) {
    uint32_t bits = 0;
    if (a.Font == b.Font) bits |= caFace;
    if (a.HalfPoints == b.HalfPoints) bits |= caSize;
    if (a.Bold == b.Bold) bits |= caBold;
    if (a.Italic == b.Italic) bits |= caItalic;
    if (a.Underline == b.Underline) bits |= caUnderline;
    if (a.StrikeOut == b.StrikeOut) bits |= caStrikeOut;
    if (a.Color == b.Color) bits |= caColor;
    if (a.Protected == b.Protected) bits |= caProtected;
    return bits;
}
