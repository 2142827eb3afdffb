#pragma once
// The contents file (.cnt): the ":Base" line naming the help file, then one
// line per contents entry in outline order, "level name" for a group and
// "level name=topic ID" for a topic, the level being 1 plus the entry's
// nesting depth.
//
// A topic whose page does not exist is reported with
// "Error in Table of contents!" and "Topic linked to page that does not
// exist."; it and the entries after it are left out.

#include <string>

class IBuildMessages;
class TBuildTextFile;
class TPageIndex;
class TStrings;

// Writes the contents of `tocList` (the outline lines with their
// TTocObjects); false after a contents error.
bool WriteContentsFile(TBuildTextFile& file, const std::string& helpFileName, const TStrings& tocList,
                       const TPageIndex& pages, IBuildMessages& messages);
