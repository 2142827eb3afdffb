#pragma once
// The font and colour tables of one page's RTF source, as the topic writer
// renumbers them. Only a table that stands on one line is read (the
// rich-edit control writes each table on one line); a source without a
// table gives an empty list.

#include <cstdint>
#include <string>
#include <vector>

class TStrings;

// One font of a page's font table: the number the page's text uses (\fN)
// and the description after it up to and including ";}" ("\fswiss Arial;}").
struct TPageFont {
    int32_t Number = 0;
    std::string Description;
};

// The fonts in table order. Fonts with equal descriptions are all kept, so
// that every number the text uses still finds its font.
std::vector<TPageFont> ExtractFontTable(const TStrings& lines);
// The description of font `number`, or null when the table has none.
const std::string* FindPageFont(const std::vector<TPageFont>& fonts, int64_t number);

// The colours in table order, each as its words with ";" appended
// ("\red0\green128\blue0;"), so that colour n of the page's text is entry
// n. An empty entry (the automatic colour) stands as black
// "\red0\green0\blue0;". When the table does not begin with an empty entry
// (the older control's shape, whose first colour is already black), no
// entry is added in front of it.
std::vector<std::string> ExtractColorTable(const TStrings& lines);

// "\red0\green0\blue0;"
extern const std::string kBlackColorEntry;
