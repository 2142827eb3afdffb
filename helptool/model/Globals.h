#pragma once
// The project-wide state of the help tool: the help file to make, the help
// window's colours, position and size, the table of contents, the project
// file and its modified flag. One instance per running program, held by the
// project (HelpProject.h).

#include <cstdint>
#include <string>

#include "vcl/classes/strings.h"

class TTocObject;

// White, the start value of both colours (0x00BBGGRR).
inline constexpr int32_t kDefaultWindowColor = 0xFFFFFF;

class TGlobals {
public:
    TGlobals() = default;
    TGlobals(const TGlobals&) = delete;
    TGlobals& operator=(const TGlobals&) = delete;
    ~TGlobals();

    // Frees every contents entry and empties TocList.
    void ClearToc();

    // Base name of the help file, without path or extension.
    std::string HelpFileName;
    // Backgrounds of the help window's scrolling and non-scrolling regions.
    int32_t PageColor = kDefaultWindowColor;
    int32_t HeaderColor = kDefaultWindowColor;
    // Position and size of the help window, passed unchanged to the help
    // project's window definition.
    int32_t WindowLeft = 0;
    int32_t WindowTop = 0;
    int32_t WindowWidth = 0;
    int32_t WindowHeight = 0;
    // The table of contents in outline form: one line per entry in tree
    // order, the entry's name after one tab per nesting level; the owned
    // TTocObject attached. The object's Name, not the line, is what the
    // help build writes.
    TStringList TocList;
    // Full path of the project file last opened or saved; empty for a
    // project never saved.
    std::string ProjectFileName;
    // The project changed since it was last saved, opened or made new.
    bool Modified = false;
};

// The TTocObject attached to entry `index` of TocList.
TTocObject* TocAt(const TStrings& tocList, int index);
