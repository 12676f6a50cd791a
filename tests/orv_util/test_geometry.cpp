#include <gtest/gtest.h>

#include <cstring>
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
        int16_t n = Path_Wrap(c.x1, c.y1, c.x2, c.y2, xs, ys, (int16_t)sizeof xs, 60);
        ASSERT_EQ(n, (int16_t)c.xs.size()) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_EQ(std::vector<int>(xs, xs + n), c.xs);
        EXPECT_EQ(std::vector<int>(ys, ys + n), c.ys);
    }
}

// A line from a square far off the map (a damaged saved game) is longer than any caller's arrays:
// only as many squares as the caller has room for are written.
TEST(Geometry, PathWrapKeepsToTheCallersRoom)
{
    for (int16_t room : {0, 1, 10, 120}) {
        uint8_t xs[130], ys[130];
        memset(xs, 0xEE, sizeof xs);
        memset(ys, 0xEE, sizeof ys);
        int16_t n = Path_Wrap(255, 255, 10, 10, xs, ys, room, 60);
        EXPECT_EQ(n, room);
        for (int i = room; i < (int)sizeof xs; i++) {
            ASSERT_EQ(xs[i], 0xEE) << "room " << room << ", entry " << i;
            ASSERT_EQ(ys[i], 0xEE) << "room " << room << ", entry " << i;
        }
    }
    uint8_t xs[4], ys[4];
    EXPECT_EQ(Path_Wrap(58, 10, 1, 10, xs, ys, 4, 60), 3) << "a line shorter than the room is whole";
}
