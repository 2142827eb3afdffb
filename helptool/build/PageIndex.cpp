#include "build/PageIndex.h"

#include "build/SameName.h"
#include "model/PageObject.h"
#include "win32/codepage.h"

TPageIndex::TPageIndex(const TStringList& pages) : pages_(pages), next_(static_cast<size_t>(pages.Count()), -1) {
    for (size_t byte = 0; byte < upper_.size(); ++byte) upper_[byte] = win32::CharUpper(static_cast<char>(byte));
    size_t size = 16;
    while (size < 2 * next_.size()) size *= 2;
    slots_.resize(size);
    for (int i = 0; i < pages.Count(); ++i) {
        const std::string_view name = pages.StringAt(i);
        const uint64_t hash = UpperHash(name);
        Slot& slot = slots_[SlotOf(name, hash)];
        if (slot.first < 0) {
            slot = {hash, i, i};
        } else {
            next_[static_cast<size_t>(slot.last)] = i;
            slot.last = i;
        }
    }
}

const TPageObject* TPageIndex::Find(std::string_view name) const {
    const Slot& slot = slots_[SlotOf(name, UpperHash(name))];
    for (int i = slot.first; i >= 0; i = next_[static_cast<size_t>(i)])
        if (SameName(pages_.StringAt(i), name)) return static_cast<const TPageObject*>(pages_.Objects(i));
    // A name the locale takes as equal to a page name without sharing its
    // upper-case form is rare; it is found the slow way.
    for (int i = 0; i < pages_.Count(); ++i)
        if (SameName(pages_.StringAt(i), name)) return static_cast<const TPageObject*>(pages_.Objects(i));
    return nullptr;
}

uint64_t TPageIndex::UpperHash(std::string_view name) const {
    uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (const char c : name) {
        hash ^= static_cast<uint8_t>(upper_[static_cast<uint8_t>(c)]);
        hash *= 1099511628211u;
    }
    return hash;
}

bool TPageIndex::SameUpper(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper_[static_cast<uint8_t>(a[i])] != upper_[static_cast<uint8_t>(b[i])]) return false;
    return true;
}

size_t TPageIndex::SlotOf(std::string_view name, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = static_cast<size_t>(hash) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.first < 0 || (slot.hash == hash && SameUpper(pages_.StringAt(slot.first), name))) return i;
    }
}
