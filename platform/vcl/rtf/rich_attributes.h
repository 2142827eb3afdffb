#pragma once
// Character formatting of the rich-edit control's text: the font (as its
// font-table entry needs it), the size, the styles, the colour and the
// protection of one run of characters.
//
// Colours are TColor values 0x00BBGGRR. The automatic colour (the text
// colour of the window, what RTF's empty colour-table entry means) is the
// distinct value AutoColor, which is clWindowText's value, so the control can
// hand it to the class library unchanged. Sizes are kept in half points, as
// RTF's \fs counts them; SizePoints() rounds down as the control's
// SelAttributes.Size does.

#include <cstdint>
#include <optional>
#include <string>

// The font family word of a font-table entry (\fnil, \froman, ...).
enum class TRichFontFamily { ffNil, ffRoman, ffSwiss, ffModern, ffScript, ffDecor, ffTech, ffBidi };

struct TRichFont {
    std::string Name = "Arial";
    TRichFontFamily Family = TRichFontFamily::ffSwiss;
    int32_t Charset = 0;  // \fcharset: 0 ANSI, 2 symbol, ...
    int32_t Pitch = 0;    // \fprq: 0 default (not written), 1 fixed, 2 variable

    friend bool operator==(const TRichFont&, const TRichFont&) = default;
};

// The font-table entry a font name gets when nothing else is known about the
// font: the family and charset Windows gives the common fonts, ffNil and
// charset 0 for the others.
TRichFont FontForName(const std::string& name);

struct TRichAttributes {
    static constexpr int32_t AutoColor = static_cast<int32_t>(0x80000008);

    TRichFont Font;
    int32_t HalfPoints = 20;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int32_t Color = AutoColor;
    bool Protected = false;

    int32_t SizePoints() const { return HalfPoints / 2; }
    void SetSizePoints(int32_t points) { HalfPoints = points * 2; }

    friend bool operator==(const TRichAttributes&, const TRichAttributes&) = default;
};

// A change of some attributes: the fields that hold a value are set, the
// others are left as each character has them (as setting one property of
// the control's SelAttributes does).
struct TRichAttributeChange {
    std::optional<TRichFont> Font = std::nullopt;
    std::optional<int32_t> HalfPoints = std::nullopt;
    std::optional<bool> Bold = std::nullopt;
    std::optional<bool> Italic = std::nullopt;
    std::optional<bool> Underline = std::nullopt;
    std::optional<bool> StrikeOut = std::nullopt;
    std::optional<int32_t> Color = std::nullopt;
    std::optional<bool> Protected = std::nullopt;

    // `attributes` with this change applied.
    TRichAttributes AppliedTo(TRichAttributes attributes) const;
};

// Which attributes are the same over every character of a range (the
// control's ConsistentAttributes).
enum TRichConsistent : uint32_t {
    caFace = 1u << 0,  // font name, family, charset and pitch
    caSize = 1u << 1,
    caBold = 1u << 2,
    caItalic = 1u << 3,
    caUnderline = 1u << 4,
    caStrikeOut = 1u << 5,
    caColor = 1u << 6,
    caProtected = 1u << 7,
    caAll = (1u << 8) - 1,
};

// The consistency bits of two characters' attributes: set where they agree.
uint32_t AgreeingAttributes(const TRichAttributes& a, const TRichAttributes& b);
