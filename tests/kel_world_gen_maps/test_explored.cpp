// The human's starting view and the animated ocean squares.
#include <gtest/gtest.h>

#include "Gen_Maps_Fixture.h"
#include "worldgen/Explored_Start.h"

namespace {

using WorldGen_Explored = Gen_Maps_Test;

// Rows fy - 2 .. fy + 2, columns fx - 2 .. fx + 2.
const uint8_t m_view[5][5] = {
    {0, 8, 9, 1, 0}, {8, 13, 15, 11, 1}, {12, 15, 15, 15, 3}, {4, 14, 15, 7, 2}, {0, 4, 6, 2, 0},
};

int Explored(int wx, int wy, int wp) { return _square_explored[World_Square_Index(wx, wy, wp)]; }

TEST_F(WorldGen_Explored, StartViewIsARoughDiscOnTheFortressPlaneOnly)
{
    memset(_square_explored, 0x5A, NUM_PLANES * WORLD_SIZE);
    _FORTRESSES[0] = Fortress_Record{30, 20, 1, 1};
    _FORTRESSES[1] = Fortress_Record{10, 10, 0, 1};
    Init_Square_Explored();
    int explored = 0;
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) explored += _square_explored[i] != 0;
    EXPECT_EQ(explored, 21);
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) EXPECT_EQ(Explored(30 + dx, 20 + dy, 1), m_view[dy + 2][dx + 2]) << dx << dy;
}

TEST_F(WorldGen_Explored, StartViewIsClippedAtTheEdgesNotWrapped)
{
    struct Case {
        uint8_t fx, fy;
    };
    for (const Case c : {Case{0, 0}, Case{59, 39}, Case{1, 38}, Case{58, 1}}) {
        _FORTRESSES[0] = Fortress_Record{c.fx, c.fy, 0, 1};
        Init_Square_Explored();
        int on_map = 0;
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++) {
                const int x = c.fx + dx, y = c.fy + dy;
                if (x < 0 || x >= WORLD_WIDTH || y < 0 || y >= WORLD_HEIGHT) continue;
                EXPECT_EQ(Explored(x, y, 0), m_view[dy + 2][dx + 2]) << (int)c.fx << "," << (int)c.fy;
                on_map += m_view[dy + 2][dx + 2] != 0;
            }
        int explored = 0;
        for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) explored += _square_explored[i] != 0;
        EXPECT_EQ(explored, on_map) << (int)c.fx << "," << (int)c.fy;
    }
    Set_Square_Explored_Bits(0, -1, 5, 15);
    Set_Square_Explored_Bits(0, 60, 5, 15);
    Set_Square_Explored_Bits(1, 5, 40, 15);
    EXPECT_EQ(Explored(59, 5, 0), 0);
    EXPECT_EQ(Explored(0, 5, 0), 0);
}

TEST_F(WorldGen_Explored, AboutOnePlainOceanInFiveIsAnimatedAndNothingElseChanges)
{
    const int16_t tiles[4] = {tt_Ocean_Edge, 762, 40, tt_Grasslands};
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) _world_maps[i] = tiles[i % 4];
    const uint64_t draws = g_random_call_count;
    Animate_Oceans();
    EXPECT_EQ(g_random_call_count - draws, (uint64_t)(NUM_PLANES * WORLD_SIZE / 2));
    int animated[2] = {};
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) {
        const int16_t t = _world_maps[i];
        switch (i % 4) {
        case 0:
            ASSERT_TRUE(t == 0 || t == 601) << i;
            animated[0] += t == 601;
            break;
        case 1:
            ASSERT_TRUE(t == 762 || t == 1363) << i;
            animated[1] += t == 1363;
            break;
        default: ASSERT_EQ(t, tiles[i % 4]) << i;
        }
    }
    for (int k = 0; k < 2; k++) {
        EXPECT_GT(animated[k], 1200 / 5 - 60);
        EXPECT_LT(animated[k], 1200 / 5 + 60);
    }
}

}  // namespace
