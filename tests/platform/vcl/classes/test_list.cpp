#include "vcl/classes/list.h"

#include <gtest/gtest.h>

#include <functional>

#include "vcl/system/exception.h"

namespace {

int values[6] = {0, 1, 2, 3, 4, 5};
void* P(int i) { return &values[i]; }
int CompareInts(void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); }

}  // namespace

TEST(List, EditsKeepOrder) {
    TList list;
    EXPECT_EQ(list.Add(P(1)), 0);
    EXPECT_EQ(list.Add(P(3)), 1);
    list.Insert(1, P(2));
    list.Insert(0, P(0));
    list.Insert(4, P(4));  // Count is a valid insert position
    ASSERT_EQ(list.Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Items(i), P(i));
    EXPECT_EQ(list.First(), P(0));
    EXPECT_EQ(list.Last(), P(4));
    list.Move(0, 4);
    EXPECT_EQ(list.Items(4), P(0));
    EXPECT_EQ(list.Items(0), P(1));
    list.Exchange(0, 4);
    EXPECT_EQ(list.Items(0), P(0));  // 0 2 3 4 1
    EXPECT_EQ(list.Remove(P(2)), 1);
    EXPECT_EQ(list.Remove(P(2)), -1);
    EXPECT_EQ(list.IndexOf(P(3)), 1);
    EXPECT_EQ(list.Extract(P(3)), P(3));
    EXPECT_EQ(list.Extract(P(3)), nullptr);
    list.Delete(0);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), P(4));
    EXPECT_EQ(list.Items(1), P(1));
}

TEST(List, SortPackCountAndCapacity) {
    TList list;
    for (int i : {4, 1, 5, 0, 3}) list.Add(P(i));
    list.Sort(CompareInts);
    const int sorted[] = {0, 1, 3, 4, 5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Items(i), P(sorted[i]));
    list.SetCount(8);
    EXPECT_EQ(list.Items(7), nullptr);
    EXPECT_GE(list.Capacity(), 8);
    list.SetItems(6, P(2));
    list.Pack();
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Last(), P(2));
    EXPECT_THROW(list.SetCapacity(3), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(List, BadIndexesRaiseWithTheIndex) {
    TList list;
    list.Add(P(0));
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {[&] { list.Items(1); }, "List index out of bounds (1)"},
        {[&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Insert(2, nullptr); }, "List index out of bounds (2)"},
        {[&] { list.Delete(5); }, "List index out of bounds (5)"},
        {[&] { list.Exchange(0, 3); }, "List index out of bounds (3)"},
        {[&] { list.Move(0, 1); }, "List index out of bounds (1)"},
        {[&] { list.SetCount(-2); }, "List count out of bounds (-2)"},
        {[&] { TList().Last(); }, "List index out of bounds (-1)"},
        {[&] { TList().First(); }, "List index out of bounds (0)"},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.message << " not raised";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(list.Count(), 1);
}
