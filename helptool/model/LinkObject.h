#pragma once
// TLinkObject: one link of a page. The page text refers to the link by its
// Name through a link marker ("##" Name "##"); PageName names the page the
// link leads to (by name, never by object).

#include <string>

#include "vcl/system/object.h"

class TLinkObject : public TObject {
public:
    TLinkObject() = default;
    explicit TLinkObject(std::string name) : Name(std::move(name)) {}
    std::string ClassName() const override { return "TLinkObject"; }

    std::string Name;
    std::string PageName;
    // The hotspot text shown in the help topic in place of the marker.
    std::string Text;
    // True: the target opens as a popup; false: the link jumps to it.
    bool Popup = false;
};
