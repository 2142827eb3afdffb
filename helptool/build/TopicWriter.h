#pragma once
// The topic file (.qrt): an RTF document with the merged font and colour
// tables and one topic per page, in page-list order.
//
// A topic is its footnotes (# topic ID, $ title, K keywords, each only when
// not empty), the page header as a non-scrolling region (\keepn, the
// header, \pard and \b0) when the page has one, and the converted page
// text. A page whose text cannot be converted is reported with
// "Error on page - " and its name, and the build goes on with the next one.
//
// Large projects are converted on two threads; the file and the messages
// are byte for byte and one for one those of a conversion page by page.

#include <string>

class TBuildTextFile;
class TPageObject;
class TStrings;
struct TPageNumbering;
struct TTopicContext;

struct TTopicFileResult {
    // Some page's text or header holds a link marker that names no link of
    // the page, or a link to a page that does not exist.
    bool LinkErrors = false;
};

// Appends the topic body of `page`, listed as `pageName` and numbered
// `numbering` by the merge, to `out`; returns whether its text or header
// stopped on a link error.
bool WriteTopic(const TPageObject& page, const std::string& pageName, const TPageNumbering& numbering,
                const TTopicContext& context, std::string& out);

// Writes the whole topic file for the page list `pages` (a TPageObject
// attached to every entry).
TTopicFileResult WriteTopicFile(TBuildTextFile& file, const TStrings& pages, const TTopicContext& context);
