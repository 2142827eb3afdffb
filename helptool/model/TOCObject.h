#pragma once
// TTocObject: one entry of the table of contents, a group (a book holding
// further entries) or a topic that opens the page named PageName.

#include <string>

#include "vcl/system/object.h"

class TTocObject : public TObject {
public:
    TTocObject() = default;
    // A new contents entry: PageName stays empty until a topic is given one.
    TTocObject(std::string name, bool isGroup) : Name(std::move(name)), IsGroup(isGroup) {}
    std::string ClassName() const override { return "TTocObject"; }

    // The entry's text in the contents tree (what the help build writes).
    std::string Name;
    // For a topic the name of the page it opens; always empty for groups.
    std::string PageName;
    bool IsGroup = false;
};
