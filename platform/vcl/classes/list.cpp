#include "vcl/classes/list.h"

#include <algorithm>
#include <string>

#include "vcl/system/exception.h"

namespace {

[[noreturn]] void ListError(const char* what, int value) {
    throw EListError(std::string(what) + " (" + std::to_string(value) + ")");
}

}  // namespace

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) ListError("List index out of bounds", index);
}

void TList::Grow() {
    if (Count() < capacity_) return;
    // The class library's growth steps: 4, 8, then a quarter more.
    const int delta = capacity_ > 64 ? capacity_ / 4 : (capacity_ > 8 ? 16 : 4);
    SetCapacity(capacity_ + delta);
}

void TList::SetCount(int count) {
    if (count < 0) ListError("List count out of bounds", count);
    if (count > capacity_) SetCapacity(count);
    items_.resize(static_cast<size_t>(count), nullptr);
}

void TList::SetCapacity(int capacity) {
    if (capacity < Count()) ListError("List capacity out of bounds", capacity);
    capacity_ = capacity;
    items_.reserve(static_cast<size_t>(capacity));
}

void* TList::Items(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
    CheckIndex(index);
    items_[static_cast<size_t>(index)] = item;
}

int TList::Add(void* item) {
    Grow();
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) ListError("List index out of bounds", index);
    Grow();
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

int TList::Remove(void* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) { return Remove(item) >= 0 ? item : nullptr; }

int TList::IndexOf(const void* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckIndex(newIndex);
    void* item = Items(curIndex);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

void TList::Sort(TListSortCompare compare) {
    std::stable_sort(items_.begin(), items_.end(), [compare](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Clear() {
    items_.clear();
    items_.shrink_to_fit();
    capacity_ = 0;
}
