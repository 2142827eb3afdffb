#pragma once
// Pages found by name the way the help build looks them up: the first page
// of the page list whose name equals the name, ignoring case with the
// system's locale-aware comparison. Built once per build, so that a
// project of many pages with many links is looked up in constant time.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class TPageObject;
class TStringList;

class TPageIndex {
public:
    // `pages` is the page list, a TPageObject attached to every entry; it
    // must not change while the index is used.
    explicit TPageIndex(const TStringList& pages);

    // The first page named `name`, or null.
    const TPageObject* Find(std::string_view name) const;

private:
    // Pages are kept under the upper-case form of their names (in the ANSI
    // code page), in an open-addressed table: one slot for each form, its
    // pages chained in list order.
    struct Slot {
        uint64_t hash = 0;
        int first = -1;  // -1: an empty slot
        int last = -1;
    };
    uint64_t UpperHash(std::string_view name) const;
    bool SameUpper(std::string_view a, std::string_view b) const;
    // The slot of `name`'s upper-case form, or of the empty slot it would take.
    size_t SlotOf(std::string_view name, uint64_t hash) const;

    const TStringList& pages_;
    std::array<char, 256> upper_{};
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::vector<int> next_;    // the next page of the same form, -1 at the end
};
