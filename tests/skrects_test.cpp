#include "styling/core/skrects.h"

#include <gtest/gtest.h>

namespace {

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (RectsEqual(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.left << "," << actual.top << "," << actual.right << ","
           << actual.bottom << ")";
}

} // namespace

TEST(SkRects, CentringHalvesOffsetsTowardsZero)
{
    EXPECT_TRUE(SameRect(CenterRect({0, 0, 10, 10}, {0, 0, 25, 25}), {7, 7, 17, 17}));
    EXPECT_TRUE(SameRect(CenterRect({3, 4, 28, 29}, {0, 0, 10, 10}), {-7, -7, 18, 18}));
    EXPECT_TRUE(SameRect(CenterRect({0, 0, 4, 2}, {100, 50, 110, 60}), {103, 54, 107, 56}));
    EXPECT_TRUE(SameRect(CenterRectVert({5, 5, 15, 15}, {100, 0, 200, 31}), {100, 10, 110, 20}));
}

TEST(SkRects, GrowEmptinessAndEquality)
{
    EXPECT_TRUE(SameRect(GrowRect({10, 10, 20, 20}, 3), {7, 7, 23, 23}));
    EXPECT_TRUE(SameRect(GrowRect({10, 10, 20, 20}, -2), {12, 12, 18, 18}));
    EXPECT_FALSE(IsRectEmptyEx({0, 0, 1, 1}));
    EXPECT_TRUE(IsRectEmptyEx({0, 0, 0, 5}));
    EXPECT_TRUE(IsRectEmptyEx({5, 5, 10, 4}));
    EXPECT_TRUE(IsRectEmptyEx({10, 0, 5, 5}));
    EXPECT_FALSE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 5}));
    EXPECT_TRUE(SameRect(IntersectRects({0, 0, 10, 10}, {5, -5, 20, 7}), {5, 0, 10, 7}));
    EXPECT_TRUE(IsRectEmptyEx(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 7})));
}
