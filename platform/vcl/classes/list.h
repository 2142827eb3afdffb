#pragma once
// TList: the class library's list of untyped pointers. It never owns what
// its items point to. Bad indexes raise EListError
// "List index out of bounds (n)".

#include <cstdint>
#include <vector>

#include "vcl/system/object.h"

// <0, 0 or >0 as `a` sorts before, with or after `b`.
using TListSortCompare = int (*)(void* a, void* b);

class TList : public TObject {
public:
    std::string ClassName() const override { return "TList"; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Grows with nullptr items or cuts the list; negative raises
    // "List count out of bounds (n)".
    void SetCount(int count);
    int Capacity() const { return capacity_; }
    // Below Count or negative raises "List capacity out of bounds (n)".
    void SetCapacity(int capacity);

    void* Items(int index) const;
    void SetItems(int index, void* item);

    int Add(void* item);
    // Index may be Count (append).
    void Insert(int index, void* item);
    void Delete(int index);
    // Deletes the first occurrence; returns its index, or -1.
    int Remove(void* item);
    // Like Remove, returning the item (nullptr when absent).
    void* Extract(void* item);
    int IndexOf(const void* item) const;
    void Exchange(int index1, int index2);
    // Takes the item at `curIndex` out and puts it at `newIndex`.
    void Move(int curIndex, int newIndex);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    // Stable sort by `compare`.
    void Sort(TListSortCompare compare);
    // Removes every nullptr item.
    void Pack();
    void Clear();

private:
    void CheckIndex(int index) const;
    void Grow();

    std::vector<void*> items_;
    int capacity_ = 0;
};
