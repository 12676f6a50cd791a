// Overland routes of stacks: cost maps by mode, blocking, the search box and the path cache.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Paths_Fixture.h"
#include "world/Map_Square_Record.h"
#include "world/Move_Path.h"
#include "world/Move_Path_Cache.h"
#include "world/Movement_Modes.h"
#include "world/Unit_Type_Record.h"

namespace {

enum : uint8_t { T_FOOT = 100, T_SHIP = 101 };

class MovePath : public Paths_Test {
protected:
    uint8_t xs[256], ys[256], cs[256];
    const int16_t walking[6] = {0, 0, 0, 0, 0, 0};

    void SetUp() override
    {
        Paths_Test::SetUp();
        for (int i = 0; i < AI_MOVE_PATH_ENTRIES; i++) {
            AI_Move_Path_Entries()[i].from_x = -1;
        }
        _ai_move_path_idx = -1;
        dbg_ai_move_path_cache_hits = dbg_ai_move_path_cache_misses = 0;
        _unit_type_table[T_FOOT].Move_Flags = MV_FOOT;
        _unit_type_table[T_FOOT].Transport = 0;
        _unit_type_table[T_SHIP].Move_Flags = MV_SAILING;
        _unit_type_table[T_SHIP].Transport = 3;
        // Plane 0: one land corridor along row 10, columns 0 to 58, walkable at cost 1; all else impassable.
        memset(Movement_Cost_Map_Of(0, mcm_Walking), 255, WORLD_SIZE);
        for (int x = 0; x < WORLD_WIDTH - 1; x++) {
            Set_Walk(x, 10, 1);
        }
        memset(_landmasses, 1, NUM_PLANES * WORLD_SIZE);
        memset(xs, 0xEE, sizeof(xs));
    }
    void Set_Walk(int x, int y, uint8_t cost) { Movement_Cost_Map_Of(0, mcm_Walking)[y * WORLD_WIDTH + x] = cost; }
    int16_t Unit(uint8_t type, int owner, int x, int y)
    {
        Unit_Record &u = _UNITS[_units];
        u = Unit_Record{};
        u.type = type;
        u.owner_idx = (int8_t)owner;
        u.Hero_Slot = -1;
        u.wx = (uint8_t)x;
        u.wy = (uint8_t)y;
        u.wp = 0;
        return _units++;
    }
    int16_t Route(int fx, int fy, int tx, int ty, int n = 1, int player = 0, int room = MOVEPATH_MAIN_SCREEN_ROOM)
    {
        return Make_Move_Path(walking, (int16_t)fx, (int16_t)fy, (int16_t)tx, (int16_t)ty, 0, xs, ys, cs, (int16_t)room,
                              (int16_t)n, (int16_t)player);
    }
};

}  // namespace

TEST_F(MovePath, CostMapByMode)
{
    const uint8_t base[6] = {0, 10, 20, 30, 40, 50};  // a fill per cost map
    for (int m = 1; m < MOVEMENT_MAPS; m++) {
        memset(Movement_Cost_Map_Of(1, m), base[m], WORLD_SIZE);
    }
    // Square 0: impassable for the swimmer only; square 1: free walking; square 2: walking impassable.
    Movement_Cost_Map_Of(1, mcm_Swimming)[0] = 255;
    Movement_Cost_Map_Of(1, mcm_Walking)[1] = 0;
    Movement_Cost_Map_Of(1, mcm_Walking)[2] = 255;
    Movement_Cost_Map_Of(1, mcm_Swimming)[3] = 5;
    _map_square_flags[WORLD_SIZE + 4] = sf_Road;
    _map_square_flags[WORLD_SIZE + 5] = sf_Enchanted_Road;
    struct Case {
        const char *name;
        int16_t modes[6];  // walking, forester, mountaineer, swimming, sailing, flying
        uint8_t sq0, sq1, sq2, sq3, sq4, sq6;
    } cases[] = {
        {"flying: 2, roads free", {0, 0, 0, 1, 1, 1}, 2, 2, 2, 2, 0, 2},
        {"sailing: map 5", {0, 1, 1, 1, 1, 0}, 50, 50, 50, 50, 50, 50},
        {"forester, mountaineer, swimming: all 1", {0, 1, 1, 1, 0, 0}, 1, 1, 1, 1, 1, 1},
        {"forester and mountaineer: walking's 0 and 255 kept", {0, 1, 1, 0, 0, 0}, 1, 0, 255, 1, 1, 1},
        {"forester with swimming: signed minimum", {0, 1, 0, 1, 0, 0}, 255, 20, 20, 5, 20, 20},
        {"forester", {0, 1, 0, 0, 0, 0}, 20, 20, 20, 20, 20, 20},
        {"mountaineer with swimming", {0, 0, 1, 1, 0, 0}, 255, 30, 30, 5, 30, 30},
        {"mountaineer", {0, 0, 1, 0, 0, 0}, 30, 30, 30, 30, 30, 30},
        {"swimming: map 4", {0, 0, 0, 1, 0, 0}, 255, 40, 40, 5, 40, 40},
        {"walking: map 1", {0, 0, 0, 0, 0, 0}, 10, 0, 255, 10, 10, 10},
    };
    for (const Case &c : cases) {
        Init_MovePathMap(c.modes, 1);
        const uint8_t *m = movepath_cost_map;
        EXPECT_EQ((std::vector<int>{m[0], m[1], m[2], m[3], m[4], m[6]}),
                  (std::vector<int>{c.sq0, c.sq1, c.sq2, c.sq3, c.sq4, c.sq6}))
            << c.name;
    }
    const int16_t flying[6] = {0, 0, 0, 0, 0, 1};
    Init_MovePathMap(flying, 1);
    EXPECT_EQ(movepath_cost_map[5], 0);
}

TEST_F(MovePath, RouteAlongTheCorridor)
{
    ASSERT_EQ(Route(5, 10, 9, 10), 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(xs[i], 6 + i);
        EXPECT_EQ(ys[i], 10);
        EXPECT_EQ(cs[i], 1);
    }
    EXPECT_EQ(Route(5, 10, 5, 10), 0);
    EXPECT_EQ(Route(5, 10, 9, 11), 0);   // the destination is impassable
    EXPECT_EQ(Route(5, 10, 60, 10), 0);  // off the map
}

TEST_F(MovePath, CitiesAndLairsBlockUnlessTheyAreTheDestination)
{
    _cities = 1;
    _CITIES[0].wx = 10;
    _CITIES[0].wy = 10;
    _CITIES[0].wp = 0;
    _CITIES[0].owner_idx = 1;
    EXPECT_EQ(Route(5, 10, 10, 10), 5);
    EXPECT_EQ(Route(5, 10, 15, 10), 0);
    _CITIES[0].owner_idx = 0;  // an own city is open
    EXPECT_EQ(Route(5, 10, 15, 10), 10);

    _LAIRS[3] = Lair_Record{};
    _LAIRS[3].wx = 12;
    _LAIRS[3].wy = 10;
    _LAIRS[3].Intact = 1;
    EXPECT_EQ(Route(5, 10, 12, 10), 7);
    EXPECT_EQ(Route(5, 10, 15, 10), 0);
    _LAIRS[3].Intact = 0;
    EXPECT_EQ(Route(5, 10, 15, 10), 10);
    _LAIRS[3].Intact = 1;
    _LAIRS[3].wp = 1;  // on the other plane
    EXPECT_EQ(Route(5, 10, 15, 10), 10);
}

TEST_F(MovePath, UnitsBlockAsTheirOwnerAndNumbersSay)
{
    // A stack of 9 cannot pass a square holding one more unit of its own player; 8 can.
    Unit(T_FOOT, 0, 8, 10);
    EXPECT_EQ(Route(5, 10, 12, 10, 9), 0);
    EXPECT_EQ(Route(5, 10, 12, 10, 8), 7);
    // Units on the origin do not count against the stack.
    for (int i = 0; i < 8; i++) {
        Unit(T_FOOT, 0, 5, 10);
    }
    EXPECT_EQ(Route(5, 10, 7, 10, 8), 2);

    // A neutral unit blocks unless it is the destination; for the neutral player unless it is the origin.
    _units = 0;
    Unit(T_FOOT, 5, 8, 10);
    EXPECT_EQ(Route(5, 10, 12, 10), 0);
    EXPECT_EQ(Route(5, 10, 8, 10), 3);
    EXPECT_EQ(Route(8, 10, 12, 10, 1, 5), 4);

    // Another wizard's units: open only to a hostile stack at least as large.
    _units = 0;
    Unit(T_FOOT, 2, 8, 10);
    Unit(T_FOOT, 2, 8, 10);
    EXPECT_EQ(Route(5, 10, 12, 10, 3), 0);
    EXPECT_EQ(Route(5, 10, 8, 10, 1), 3);
    _players[2].Dipl_Relation[0] = -41;
    EXPECT_EQ(Route(5, 10, 12, 10, 1), 0);
    EXPECT_EQ(Route(5, 10, 12, 10, 2), 7);
    _players[2].Dipl_Relation[0] = -40;
    EXPECT_EQ(Route(5, 10, 12, 10, 2), 0);
}

TEST_F(MovePath, BoardingAnOwnShipOnWater)
{
    // Sea at (20, 10): impassable walking; the player's ship there carries the stack aboard.
    Set_Walk(20, 10, 255);
    _landmasses[10 * WORLD_WIDTH + 20] = 0;
    EXPECT_EQ(Route(19, 10, 20, 10), 0);
    Unit(T_SHIP, 0, 20, 10);
    ASSERT_EQ(Route(19, 10, 20, 10), 1);
    EXPECT_EQ(cs[0], 2);
    // A foreign ship is no boat.
    _UNITS[0].owner_idx = 1;
    EXPECT_EQ(Route(19, 10, 20, 10), 0);
}

TEST_F(MovePath, SearchBox)
{
    struct Case {
        int fx, fy, tx, ty;
        int x1, y1, x2, y2;
    } cases[] = {
        {10, 10, 18, 18, 8, 8, 20, 20},  {18, 2, 10, 30, 8, 0, 20, 37},  // y1 held to the map, y2 is not
        {1, 20, 21, 20, 56, 20, 26, 20},                                 // x1 below 0 gains 60
        {40, 5, 59, 5, 36, 5, 3, 5},                                     // x2 of 60 or more loses 60
        {5, 20, 45, 20, 40, 20, 10, 20},                                 // 40 columns apart: across the seam
        {0, 0, 31, 0, 26, 0, 5, 0},      {0, 0, 30, 0, 53, 0, 37, 0},
    };
    for (const Case &c : cases) {
        int16_t x1, y1, x2, y2;
        Move_Path_Search_Box((int16_t)c.fx, (int16_t)c.fy, (int16_t)c.tx, (int16_t)c.ty, &x1, &y1, &x2, &y2);
        EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{c.x1, c.y1, c.x2, c.y2}))
            << c.fx << "," << c.fy << " -> " << c.tx << "," << c.ty;
    }
}

TEST_F(MovePath, ComputerPlayerBoxAcrossTheSeam)
{
    // All land: the route from column 5 to column 45 goes across the seam, inside the box.
    memset(Movement_Cost_Map_Of(0, mcm_Walking), 1, WORLD_SIZE);
    ASSERT_EQ(Route(5, 20, 45, 20, 1, 1), 20);
    for (int i = 0; i < 20; i++) {
        EXPECT_TRUE(xs[i] <= 10 || xs[i] >= 40) << (int)xs[i];
        EXPECT_EQ(ys[i], 20);
    }
    EXPECT_EQ(xs[19], 45);
    EXPECT_EQ(dbg_ai_move_path_cache_misses, 1);
}

TEST_F(MovePath, BoxFallsBackToTheWholePlane)
{
    // The box of a straight row holds only that row; a wall across it forces the detour outside.
    for (int y = 5; y <= 15; y++) {
        for (int x = 0; x < WORLD_WIDTH; x++) {
            Set_Walk(x, y, 1);
        }
    }
    Set_Walk(15, 10, 255);
    const int16_t n = Route(10, 10, 20, 10, 1, 1);
    ASSERT_EQ(n, 10);
    bool left_the_row = false;
    for (int i = 0; i < n; i++) {
        left_the_row |= ys[i] != 10;
    }
    EXPECT_TRUE(left_the_row);
    EXPECT_EQ(xs[n - 1], 20);
    EXPECT_EQ(ys[n - 1], 10);
}

TEST_F(MovePath, CacheHitAndInvalidation)
{
    ASSERT_EQ(Route(5, 10, 12, 10, 1, 2), 7);
    EXPECT_EQ(_ai_move_path_idx, -1);
    // The stack stands on the first square of the path arrays; the rest is kept.
    uint8_t px[40], py[40], pc[40];
    memset(px, 0, sizeof(px));
    memset(py, 0, sizeof(py));
    px[0] = 5, py[0] = 10, pc[0] = 0;
    for (int i = 0; i < 7; i++) {
        px[i + 1] = xs[i], py[i + 1] = ys[i], pc[i + 1] = cs[i];
    }
    Cache_AI_Move_Path(2, 5, 10, 12, 10, 0, px, py, pc);
    EXPECT_EQ(_ai_move_path_idx, 0);
    EXPECT_EQ(AI_Move_Path_Entries()[0].count, 7);
    // A second identical store is refused; so is one for the human player.
    _ai_move_path_idx = -1;
    Cache_AI_Move_Path(2, 5, 10, 12, 10, 0, px, py, pc);
    EXPECT_EQ(AI_Move_Path_Entries()[1].from_x, -1);
    Cache_AI_Move_Path(0, 6, 10, 12, 10, 0, px, py, pc);
    EXPECT_EQ(AI_Move_Path_Entries()[1].from_x, -1);
    // The destination before the stack's square: nothing kept.
    Cache_AI_Move_Path(2, 12, 10, 6, 10, 0, px, py, pc);
    EXPECT_EQ(AI_Move_Path_Entries()[1].from_x, -1);

    // Block the corridor: the cached route is still the answer, without a search.
    Set_Walk(8, 10, 255);
    memset(xs, 0, sizeof(xs));
    ASSERT_EQ(Route(5, 10, 12, 10, 1, 2), 7);
    EXPECT_EQ(dbg_ai_move_path_cache_hits, 1);
    EXPECT_EQ(_ai_move_path_idx, 0);
    EXPECT_EQ(xs[0], 6);
    EXPECT_EQ(xs[6], 12);
    // The human player never reads the cache.
    EXPECT_EQ(Route(5, 10, 12, 10, 1, 0), 0);
    // A failed move frees the entry; the next request searches and finds the corridor blocked.
    ASSERT_EQ(Route(5, 10, 12, 10, 1, 2), 7);
    Invalidate_AI_Move_Path();
    EXPECT_EQ(AI_Move_Path_Entries()[0].from_x, -1);
    EXPECT_EQ(Route(5, 10, 12, 10, 1, 2), 0);
    EXPECT_EQ(dbg_ai_move_path_cache_misses, 2);

    // A store after a hit takes the entry of that hit: the rest of the route from the new square.
    Set_Walk(8, 10, 1);
    Cache_AI_Move_Path(2, 5, 10, 12, 10, 0, px, py, pc);
    ASSERT_EQ(Route(5, 10, 12, 10, 1, 2), 7);
    Cache_AI_Move_Path(2, 7, 10, 12, 10, 0, px, py, pc);
    EXPECT_EQ(AI_Move_Path_Entries()[0].from_x, 7);
    EXPECT_EQ(AI_Move_Path_Entries()[0].count, 5);
    EXPECT_EQ(AI_Move_Path_Entries()[0].x[0], 8);
}

// The table begins as zero bytes: every entry reads as a route from (0,0) in use, so a lookup
// for (0,0) "hits" a route of no steps and a store finds no free entry. A loaded game frees the
// first 100 entries; the 40 behind them keep what they held.
TEST_F(MovePath, LoadedGameFreesTheFirstHundredEntries)
{
    memset(_ai_move_path_table, 0, AI_MOVE_PATH_CACHE_SIZE);
    AI_Move_Path_Record &kept = AI_Move_Path_Entries()[120];
    kept.from_x = 3, kept.from_y = 4, kept.to_x = 9, kept.to_y = 9, kept.count = 2;
    _ai_move_path_idx = 17;

    Free_AI_Move_Path_Entries();
    EXPECT_EQ(_ai_move_path_idx, -1);
    for (int i = 0; i < AI_MOVE_PATH_ENTRIES; i++) {
        EXPECT_EQ(AI_Move_Path_Entries()[i].from_x, i < AI_MOVE_PATH_ENTRIES_FREED ? -1 : (i == 120 ? 3 : 0))
            << "entry " << i;
    }
    EXPECT_EQ(kept.count, 2);

    EXPECT_EQ(AI_Move_Path_Lookup(0, 0, 0, 0, 0), -1);
    EXPECT_EQ(dbg_ai_move_path_cache_misses, 1);
    ASSERT_EQ(Route(5, 10, 12, 10, 1, 2), 7);
    uint8_t px[40] = {5}, py[40] = {10}, pc[40] = {0};
    for (int i = 0; i < 7; i++) {
        px[i + 1] = xs[i], py[i + 1] = ys[i], pc[i + 1] = cs[i];
    }
    Cache_AI_Move_Path(2, 5, 10, 12, 10, 0, px, py, pc);
    EXPECT_EQ(_ai_move_path_idx, 0);
    EXPECT_EQ(AI_Move_Path_Entries()[0].from_x, 5);
    EXPECT_EQ(AI_Move_Path_Entries()[0].count, 7);
    EXPECT_EQ(AI_Move_Path_Lookup(5, 10, 12, 10, 0), 0);
}

TEST_F(MovePath, LongRoutesKeepTheirFirstStepsWithinTheRoom)
{
    // A serpentine through rows 1..13 on plane 0: far more than 256 steps.
    memset(Movement_Cost_Map_Of(0, mcm_Walking), 255, WORLD_SIZE);
    for (int y = 1; y <= 13; y++) {
        for (int x = 0; x < 59; x++) {
            Set_Walk(x, y, (y % 2) ? 1 : 255);
        }
    }
    for (int y = 2; y <= 12; y += 2) {
        Set_Walk((y / 2) % 2 ? 58 : 0, y, 1);
    }
    for (int room : {118, 35}) {
        memset(xs, 0xEE, sizeof(xs));
        ASSERT_EQ(Route(0, 1, 30, 13, 1, 0, room), room);
        for (int i = 0; i < room && i < 57; i++) {
            EXPECT_EQ(xs[i], i + 1);
            EXPECT_EQ(ys[i], 1);
        }
        EXPECT_EQ(xs[room], 0xEE);
    }
    ASSERT_EQ(Route(0, 1, 30, 13, 1, 0, 255), 255);
    ASSERT_EQ(Route(0, 1, 30, 13, 1, 0, 256), 256);
    ASSERT_EQ(Route(0, 1, 30, 13, 1, 0, 1000), 256);
}
