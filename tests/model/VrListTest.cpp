#include "model/VrList.h"

#include <gtest/gtest.h>

namespace {

// Counts live instances so the test sees the list free its elements.
struct Tracked {
    static inline int alive = 0;
    int value;
    explicit Tracked(int v) : value(v) { ++alive; }
    ~Tracked() { --alive; }
};

} // namespace

TEST(VrList, GrowsInStepsOfTenAndOwnsItsElements) {
    {
        TVrList<Tracked> list;
        EXPECT_EQ(list.Capacity(), 10);
        for (int i = 0; i < 11; ++i)
            list.Add(std::make_unique<Tracked>(i));
        EXPECT_EQ(list.Capacity(), 20);
        EXPECT_EQ(list.Count(), 11);
        EXPECT_EQ(Tracked::alive, 11);
        list.Clear();
        EXPECT_EQ(Tracked::alive, 0);
        EXPECT_EQ(list.Capacity(), 10);
        list.Add(std::make_unique<Tracked>(1));
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST(VrList, GetOutOfRangeAndRemoveOfAForeignElement) {
    TVrList<Tracked> list;
    Tracked* a = list.Add(std::make_unique<Tracked>(1));
    list.Add(std::make_unique<Tracked>(2));
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Get(2), nullptr);
    Tracked foreign(3);
    EXPECT_FALSE(list.Remove(&foreign));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Remove(a));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0)->value, 2);
    EXPECT_EQ(Tracked::alive, 2); // the remaining element and `foreign`
}
