#pragma once
// The font and colour tables of the whole topic file: every entry of the
// pages' own tables once, in first-seen order (page by page, each page's
// content before its header), compared ignoring case. A topic refers to
// merged font n as \fn and to merged colour n as \cf(n+1), the topic
// file's colour table beginning with an empty entry.

#include <string>
#include <vector>

class TStrings;

struct TMergedTables {
    std::vector<std::string> Fonts;
    // Begins with black as soon as any page has a colour table, so that the
    // topic file's default colour \cf1 is black.
    std::vector<std::string> Colors;
};

// `pages` is the page list, a TPageObject attached to every entry.
TMergedTables MergeTables(const TStrings& pages);

// The position of `entry` in a merged list, -1 when it is not there.
int MergedPosition(const std::vector<std::string>& merged, const std::string& entry);
