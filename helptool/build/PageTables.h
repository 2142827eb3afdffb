#pragma once
// The font and colour tables of one page's RTF source, as the topic writer
// renumbers them. Only a table that stands on one line is read (the
// rich-edit control writes each table on one line); a source without a
// table gives an empty list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStringList;

// One font of a page's font table: the number the page's text uses (\fN)
// and the description after it up to and including ";}" ("\fswiss Arial;}").
struct TPageFont {
    int32_t Number = 0;
    std::string Description;
};

// The words that open the tables, as FindTableLine looks for them.
inline constexpr std::string_view kFontTableWord = "FONTTBL";
inline constexpr std::string_view kColorTableWord = "COLORTBL";

// The rest of the first of `lines` that holds `tableWord` (ignoring case),
// after the word; false when no line holds it.
bool FindTableLine(const TStringList& lines, std::string_view tableWord, std::string_view& rest);

// The fonts of the rest of the font table's line, in table order. Fonts
// with equal descriptions are all kept, so that every number the text
// uses still finds its font.
std::vector<TPageFont> ParseFontTable(std::string_view table);

// The colours of the rest of the colour table's line, in table order,
// each as its words with ";" appended
// ("\red0\green128\blue0;"), so that colour n of the page's text is entry
// n. An empty entry (the automatic colour) stands as black
// "\red0\green0\blue0;". When the table does not begin with an empty entry
// (the older control's shape, whose first colour is already black), no
// entry is added in front of it.
std::vector<std::string> ParseColorTable(std::string_view table);

// "\red0\green0\blue0;"
extern const std::string kBlackColorEntry;
