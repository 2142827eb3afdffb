#pragma once
// TCollection and TCollectionItem: an owned, ordered list of items of one
// class, as components publish them (columns, registry entries, ...).
//
// An item belongs to at most one collection: creating it with a collection
// appends it there, deleting it takes it out. The collection frees its
// items. The item class is given as a factory, normally ItemClassOf<T>():
//
//   TCollection entries(this, ItemClassOf<TRegistryEntry>(), "TRegistryEntry");

#include <functional>
#include <string>
#include <vector>

#include "vcl/classes/persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;
    std::string ClassName() const override { return "TCollectionItem"; }

    TCollection* Collection() const { return collection_; }
    // Moves the item to another collection (nullptr: none).
    void SetCollection(TCollection* collection);
    // Position in the collection, -1 without one.
    int Index() const;
    // Moves the item within its collection (clamped to the valid range).
    void SetIndex(int index);
    // A number unique in the collection, given when the item is added.
    int ID() const { return id_; }
    virtual std::string DisplayName() const { return ClassName(); }
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection that this item changed (`all`: the whole
    // collection is affected).
    void Changed(bool all);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

struct TCollectionItemClass {
    std::string name;
    std::function<TCollectionItem*(TCollection*)> create;
};

template <class T>
TCollectionItemClass ItemClassOf(std::string name) {
    return {std::move(name), [](TCollection* c) -> TCollectionItem* { return new T(c); }};
}

class TCollection : public TPersistent {
public:
    TCollection(TPersistent* owner, TCollectionItemClass itemClass);
    ~TCollection() override;
    std::string ClassName() const override { return "TCollection"; }

    const TCollectionItemClass& ItemClass() const { return itemClass_; }
    TPersistent* GetOwner() const override { return owner_; }
    TPersistent* Owner() const { return owner_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // EListError "List index out of bounds (n)" for a bad index.
    TCollectionItem* Items(int index) const;
    // A new item of ItemClass at the end.
    TCollectionItem* Add();
    // A new item at `index`.
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Makes this collection a copy of another: as many items, each
    // assigned from its counterpart.
    void Assign(const TPersistent* source) override;

    void BeginUpdate();
    void EndUpdate();

protected:
    // Called after a change: `item` changed, or nullptr when the whole
    // collection did; not during BeginUpdate/EndUpdate.
    virtual void Update(TCollectionItem* item) { (void)item; }

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void Changed();

    TPersistent* owner_;
    TCollectionItemClass itemClass_;
    std::vector<TCollectionItem*> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};
