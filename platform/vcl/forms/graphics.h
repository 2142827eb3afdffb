#pragma once
// Colours and fonts of the visual class library.
//
// TColor is 0x00BBGGRR; values with the top byte 0x80 name a system colour
// (clWindowText, clBtnFace, ...) that ColorToRGB resolves to the colours
// of the standard Windows scheme.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "vcl/classes/events.h"
#include "vcl/classes/persistent.h"
#include "vcl/classes/set.h"

using TColor = int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = static_cast<TColor>(0x80000000);
constexpr TColor clBackground = static_cast<TColor>(0x80000001);
constexpr TColor clActiveCaption = static_cast<TColor>(0x80000002);
constexpr TColor clWindow = static_cast<TColor>(0x80000005);
constexpr TColor clWindowFrame = static_cast<TColor>(0x80000006);
constexpr TColor clMenu = static_cast<TColor>(0x80000004);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
constexpr TColor clCaptionText = static_cast<TColor>(0x80000009);
constexpr TColor clHighlight = static_cast<TColor>(0x8000000D);
constexpr TColor clHighlightText = static_cast<TColor>(0x8000000E);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010);
constexpr TColor clGrayText = static_cast<TColor>(0x80000011);
constexpr TColor clBtnText = static_cast<TColor>(0x80000012);
constexpr TColor clBtnHighlight = static_cast<TColor>(0x80000014);
constexpr TColor clInfoBk = static_cast<TColor>(0x80000018);

// The plain 0x00BBGGRR value of `color`, system colours resolved.
int32_t ColorToRGB(TColor color);
// The colour of a colour name ("clRed") or a number ("$00FF8000", "255");
// false for anything else.
bool IdentToColor(const std::string& text, TColor& color);
// The colour names with their values, for declarations ("Color = clBtnFace").
const std::vector<std::pair<std::string, int32_t>>& ColorIdents();
// "clRed" for a named colour, else "$00BBGGRR".
std::string ColorToString(TColor color);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// A control's font. Setting a property that changes it fires OnChange,
// through which the control shows the new font.
class TFont : public TPersistent {
public:
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Points; Height is the negative pixel height at 96 dots per inch.
    int32_t Size() const { return size_; }
    void SetSize(int32_t size);
    int32_t Height() const;
    void SetHeight(int32_t height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int32_t Charset() const { return charset_; }
    void SetCharset(int32_t charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    // Copies another TFont (one OnChange).
    void Assign(const TPersistent* source) override;
    friend bool operator==(const TFont& a, const TFont& b);

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int32_t size_ = 8;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int32_t charset_ = 1;  // DEFAULT_CHARSET
    TFontPitch pitch_ = fpDefault;
    TNotifyEvent onChange_;
};
