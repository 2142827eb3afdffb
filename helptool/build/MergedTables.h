#pragma once
// The font and colour tables of the whole topic file: every entry of the
// pages' own tables once, in first-seen order (page by page, each page's
// content before its header), compared ignoring case. A topic refers to
// merged font n as \fn and to merged colour n as \cf(n+1), the topic
// file's colour table beginning with an empty entry.
//
// Merging also gives each source (a page's content or header) its
// numbering: where each of its own fonts and colours stands in the merged
// tables, so that the topic writer renumbers without reading the source's
// tables again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TStringList;
class TStrings;

// One source's fonts and colours as merged positions.
struct TSourceNumbering {
    struct Font {
        int32_t Number;  // the \fN the source's text uses
        int Merged;
    };
    // In the source's table order; several entries may share a number.
    std::vector<Font> Fonts;
    // Merged position of the source's colour n, for n below its size.
    std::vector<int> Colors;

    // The merged position of the first of the source's fonts numbered
    // `number`, or -1 when the source has no such font.
    int MergedFont(int64_t number) const;
};

struct TPageNumbering {
    const TSourceNumbering& Content;
    const TSourceNumbering& Header;
};

struct TMergedTables {
    std::vector<std::string> Fonts;
    // Begins with black as soon as any page has a colour table, so that the
    // topic file's default colour \cf1 is black.
    std::vector<std::string> Colors;

    // The numbering of page `page` of the merged page list.
    TPageNumbering PageNumbering(size_t page) const;

    // The sources' numberings; a source whose table lines are byte for
    // byte those of the same source of the page before shares its
    // numbering, as pages mostly do.
    std::vector<TSourceNumbering> Numberings;
    struct PageSources {
        size_t Content;
        size_t Header;
    };
    std::vector<PageSources> Pages;  // indexes into Numberings
};

// `pages` is the page list, a TPageObject attached to every entry.
TMergedTables MergeTables(const TStrings& pages);

// Adds the entries of `source`'s tables that `tables` lacks and gives the
// source's numbering. It leaves the page numberings alone.
TSourceNumbering MergeSource(TMergedTables& tables, const TStringList& source);
