#pragma once
// Pages found by name the way the help build looks them up: the first page
// of the page list whose name equals the name, ignoring case with the
// system's locale-aware comparison. Built once per build, so that a
// project of many pages with many links is looked up in constant time.

#include <string>
#include <unordered_map>
#include <vector>

class TPageObject;
class TStringList;

class TPageIndex {
public:
    // `pages` is the page list, a TPageObject attached to every entry; it
    // must not change while the index is used.
    explicit TPageIndex(const TStringList& pages);

    // The first page named `name`, or null.
    const TPageObject* Find(const std::string& name) const;

private:
    const TStringList& pages_;
    // Page positions under the upper-case form of their names.
    std::unordered_map<std::string, std::vector<int>> byName_;
};
