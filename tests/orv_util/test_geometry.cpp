#include <gtest/gtest.h>

#include <vector>

#include "Geometry.h"

TEST(Geometry, RangeAndWrappedDistance)
{
    EXPECT_EQ(Range(0, 0, 4, 3), 5);
    EXPECT_EQ(Range(0, 0, 3, 3), 4);
    EXPECT_EQ(Range(4, 3, 0, 0), 5);
    EXPECT_EQ(Delta_XY_With_Wrap(1, 5, 58, 5, 60), 3);
    EXPECT_EQ(Delta_XY_With_Wrap(58, 5, 1, 5, 60), 3);
    EXPECT_EQ(Delta_XY_With_Wrap(10, 0, 20, 30, 60), 30);
}

TEST(Geometry, PathWrapSteps)
{
    const struct {
        int16_t x1, y1, x2, y2;
        std::vector<int> xs, ys;
    } cases[] = {
        {58, 10, 1, 10, {59, 0, 1}, {10, 10, 10}},
        {1, 10, 58, 10, {0, 59, 58}, {10, 10, 10}},
        {5, 5, 5, 5, {}, {}},
        {0, 0, 3, 3, {1, 2, 3}, {1, 2, 3}},
        {10, 10, 14, 12, {11, 12, 13, 14}, {11, 11, 12, 12}},
        {20, 20, 21, 16, {20, 21, 21, 21}, {19, 18, 17, 16}},
    };
    for (const auto &c : cases) {
        uint8_t xs[64] = {}, ys[64] = {};
        int16_t n = Path_Wrap(c.x1, c.y1, c.x2, c.y2, xs, ys, 60);
        ASSERT_EQ(n, (int16_t)c.xs.size()) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_EQ(std::vector<int>(xs, xs + n), c.xs);
        EXPECT_EQ(std::vector<int>(ys, ys + n), c.ys);
    }
}
