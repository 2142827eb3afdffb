#pragma once
// The topic writer's scanner: one page's RTF source (its Content or its
// Header) turned into topic text of the topic file, in a single pass over
// the characters.
//
// Scanning starts just after the first "\pard" (found ignoring case, and
// the space that may end it) and goes to the end of the source; a source
// without one gives nothing. Line ends of the source are not copied. Along
// the way:
// - \fN is renumbered into the merged font table and \cfN into the merged
//   colour table (a colour beyond the page's table becomes \cf0);
// - \ul... words set the link mode, \ulnone ends it; the control's
//   \protect and \protect0 vanish, and so does its underline;
// - every other control word is copied, followed by a line break; the
//   space that ends a control word is dropped, the one after a control
//   symbol (\'hh, \\, \{, \}) is text and is kept;
// - in link mode "##name##" becomes the link's hotspot and hidden topic ID,
//   "#path#" a bitmap reference \{bmc path\}; a marker without its closing
//   "#" on its line is copied as text;
// - a group the source opens is closed where the source closes it (or when
//   the conversion stops); the "}" that closes the source itself is
//   dropped.
// A conversion stops on the first error, after showing its message; what
// was written stays.

#include <string>

class IBuildMessages;
class TPageIndex;
class TStringList;
struct TMergedTables;
struct TSourceNumbering;

// What the topic writer needs of the build.
struct TTopicContext {
    const TMergedTables& Tables;
    const TPageIndex& Pages;
    IBuildMessages& Messages;
};

enum class TConversionResult {
    Done,
    BadFont,   // "Illegal font found in file."
    BadColor,  // "Illegal color found in file."
    BadLink,   // "Illegal link found in file." or "Link to invalid page."
};

// Appends the topic text of `source` to `out`. `numbering` is the
// source's, from merging the tables. `links` is the page's link list (a
// TLinkObject attached to each entry), or null for a header, in which any
// link marker is an error.
TConversionResult ConvertRichText(const TStringList& source, const TSourceNumbering& numbering,
                                  const TStringList* links, const TTopicContext& context, std::string& out);
