#include "styling/core/skrects.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SkRects, CentringGrowingIntersectingAndEmptiness)
{
    const std::pair<RECT, RECT> cases[] = {
        {CenterRect({0, 0, 10, 10}, {0, 0, 25, 25}), {7, 7, 17, 17}},  // halves towards zero
        {CenterRect({3, 4, 28, 29}, {0, 0, 10, 10}), {-7, -7, 18, 18}},
        {CenterRectVert({5, 5, 15, 15}, {100, 0, 200, 31}), {100, 10, 110, 20}},
        {GrowRect({10, 10, 20, 20}, -2), {12, 12, 18, 18}},
        {IntersectRects({0, 0, 10, 10}, {5, -5, 20, 7}), {5, 0, 10, 7}},
        {IntersectRects({0, 0, 10, 10}, {10, 0, 20, 7}), {0, 0, 0, 0}}};
    for (const auto& [got, want] : cases)
        EXPECT_TRUE(RectsEqual(got, want)) << got.left << "," << got.top << "," << got.right << "," << got.bottom;
    EXPECT_EQ(RectWidth({INT_MIN, 0, INT_MAX, 1}), INT_MAX);  // saturated, and not empty
    EXPECT_FALSE(IsRectEmptyEx({INT_MIN, 0, INT_MAX, 1}));
    for (RECT empty : {RECT{0, 0, 0, 5}, RECT{5, 5, 10, 4}, RECT{INT_MAX, 0, INT_MIN, 5}})
        EXPECT_TRUE(IsRectEmptyEx(empty));
}
