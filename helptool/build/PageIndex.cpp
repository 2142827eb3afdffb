#include "build/PageIndex.h"

#include "build/SameName.h"
#include "model/PageObject.h"
#include "vcl/system/ansistrings.h"

TPageIndex::TPageIndex(const TStringList& pages) : pages_(pages) {
    for (int i = 0; i < pages.Count(); ++i) byName_[AnsiUpperCase(pages.StringAt(i))].push_back(i);
}

const TPageObject* TPageIndex::Find(const std::string& name) const {
    const auto found = byName_.find(AnsiUpperCase(name));
    if (found != byName_.end())
        for (const int i : found->second)
            if (SameName(pages_.StringAt(i), name)) return static_cast<const TPageObject*>(pages_.Objects(i));
    // A name the locale takes as equal to a page name without sharing its
    // upper-case form is rare; it is found the slow way.
    for (int i = 0; i < pages_.Count(); ++i)
        if (SameName(pages_.StringAt(i), name)) return static_cast<const TPageObject*>(pages_.Objects(i));
    return nullptr;
}
