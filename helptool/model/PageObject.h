#pragma once
// TPageObject: one page of the project, which becomes one help topic.
//
// Content and Header hold the lines of the RTF source the rich-edit control
// writes; an empty Header means the page has no header. Links lists the
// page's links under their names with the TLinkObjects attached, which the
// page owns and frees with itself. Pictures holds the full paths of the
// bitmap files the page may show, in the order they were added.

#include <string>

#include "vcl/classes/strings.h"
#include "vcl/system/object.h"

class TPageObject : public TObject {
public:
    TPageObject() = default;
    explicit TPageObject(std::string name) : Name(std::move(name)) {}
    ~TPageObject() override;
    std::string ClassName() const override { return "TPageObject"; }

    // The name shown in the page list; links and contents topics refer to
    // the page by it.
    std::string Name;
    // The context string jumps to this page use; may be empty.
    std::string TopicID;
    std::string TopicTitle;
    // Keywords separated by semicolons, written unchanged to the help file.
    std::string IndexKeywords;

    TStringList Content;
    TStringList Header;
    TStringList Links;
    TStringList Pictures;
};

// The TLinkObject attached to entry `index` of a page's Links (or of the
// main window's link list).
class TLinkObject;
TLinkObject* LinkAt(const TStrings& links, int index);
