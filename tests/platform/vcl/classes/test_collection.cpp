#include "vcl/classes/collection.h"

#include <gtest/gtest.h>

#include "vcl/system/exception.h"

namespace {

class TEntry : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TEntry"; }
    void Assign(const TPersistent* source) override {
        if (const auto* e = dynamic_cast<const TEntry*>(source)) {
            value = e->value;
            return;
        }
        TCollectionItem::Assign(source);
    }
    int value = 0;
};

class TCountingCollection : public TCollection {
public:
    using TCollection::TCollection;
    int updates = 0;

protected:
    void Update(TCollectionItem*) override { ++updates; }
};

}  // namespace

TEST(Collection, ItemsKnowTheirCollectionAndIndex) {
    TCollection entries(nullptr, ItemClassOf<TEntry>("TEntry"));
    auto* a = static_cast<TEntry*>(entries.Add());
    auto* b = static_cast<TEntry*>(entries.Add());
    auto* c = static_cast<TEntry*>(entries.Insert(0));
    EXPECT_EQ(entries.Count(), 3);
    EXPECT_EQ(entries.Items(0), c);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(b->Collection(), &entries);
    EXPECT_EQ(entries.ItemClass().name, "TEntry");
    EXPECT_EQ(entries.FindItemID(b->ID()), b);
    b->SetIndex(0);
    EXPECT_EQ(entries.Items(0), b);
    delete a;  // an item deleted directly leaves its collection
    EXPECT_EQ(entries.Count(), 2);
    entries.Delete(0);
    EXPECT_EQ(entries.Items(0), c);
    EXPECT_THROW(entries.Items(1), EListError);
    entries.Clear();
    EXPECT_EQ(entries.Count(), 0);
}

TEST(Collection, AssignCopiesItemsAndUpdatesOnce) {
    TCollection source(nullptr, ItemClassOf<TEntry>("TEntry"));
    for (int v : {3, 5}) static_cast<TEntry*>(source.Add())->value = v;
    TCountingCollection copy(nullptr, ItemClassOf<TEntry>("TEntry"));
    copy.Add();
    copy.Add();
    copy.Add();
    copy.updates = 0;
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(static_cast<TEntry*>(copy.Items(1))->value, 5);
    EXPECT_EQ(copy.updates, 1);
    TEntry loose(nullptr);
    EXPECT_THROW(copy.Assign(&loose), EConvertError);
}
