// The small square queries of the lairs, combat, cities, the casting screen and the turn, and the
// army rules using them once start-up has installed them.
#include <gtest/gtest.h>

#include "World_Fixture.h"
#include "cities/Outposts.h"
#include "combat/Combat_Entry.h"
#include "heroes/Lairs.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Army_World_Hooks.h"
#include "overland/Plane_Button.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Map_Square_Record.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"

class ArmyQueriesServices : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) _world_maps[sq] = tt_Grasslands;
        for (int t = 0; t < NUM_TOWERS; t++) _TOWERS[t] = Tower_Record{(uint8_t)(50 + t), 30, -1, 0};
        for (int n = 0; n < NUM_NODES; n++) _NODES[n] = Node_Record{}, _NODES[n].wx = 59, _NODES[n].wy = 39;
        Army_Install_World_Hooks();
    }
    void TearDown() override
    {
        Army_Set_World_Services(Army_World_Services{});
        World_Test::TearDown();
    }
    static int16_t City(int owner, int x, int y, int p)
    {
        int16_t c = _cities++;
        _CITIES[c] = City_Record{};
        _CITIES[c].owner_idx = (int8_t)owner;
        _CITIES[c].wx = (uint8_t)x, _CITIES[c].wy = (uint8_t)y, _CITIES[c].wp = (uint8_t)p;
        return c;
    }
    static void Lair(int i, int x, int y, int p, int intact)
    {
        _LAIRS[i] = Lair_Record{};
        _LAIRS[i].wx = (uint8_t)x, _LAIRS[i].wy = (uint8_t)y, _LAIRS[i].wp = (uint8_t)p;
        _LAIRS[i].Intact = (uint8_t)intact;
    }
};

TEST_F(ArmyQueriesServices, LairsAndPlayersCities)
{
    Lair(3, 10, 10, 0, 0);
    Lair(7, 10, 10, 0, 1);
    Lair(9, 10, 10, 1, 1);
    EXPECT_EQ(Square_Has_Lair(10, 10, 0), 7);
    EXPECT_EQ(Square_Has_Lair(10, 10, 1), 9);
    EXPECT_EQ(Square_Has_Lair(11, 10, 0), -1);
    City(1, 5, 5, 0);
    const int16_t mine = City(2, 5, 5, 0);
    EXPECT_EQ(Player_City_At_Square(5, 5, 0, 2), mine);
    EXPECT_EQ(Player_City_At_Square(5, 5, 1, 2), -1);
    EXPECT_EQ(Player_City_At_Square(5, 5, 0, 3), -1);
}

TEST_F(ArmyQueriesServices, WorldToScreenWrapsColumns)
{
    struct Case {
        int map_x, map_y, x, y;
        int16_t shown, sx, sy;
    } cases[] = {
        {10, 5, 10, 5, 1, 0, 20}, {10, 5, 21, 14, 1, 220, 182}, {55, 0, 2, 3, 1, 140, 74},
        {10, 5, 22, 5, 0, 0, 0},  {10, 5, 10, 15, 0, 0, 0},     {10, 5, 9, 5, 0, 0, 0},
    };
    for (const Case &c : cases) {
        int16_t x = (int16_t)c.x, y = (int16_t)c.y;
        EXPECT_EQ(World_To_Screen((int16_t)c.map_x, (int16_t)c.map_y, &x, &y), c.shown) << c.x << "," << c.y;
        EXPECT_EQ(x, c.sx);
        EXPECT_EQ(y, c.sy);
    }
}

TEST_F(ArmyQueriesServices, SurveyAnswersInItsOrder)
{
    _world_maps[World_Square_Index(20, 20, 0)] = tt_Ocean;
    Lair(0, 50, 30, 0, 1);  // on a tower: the tower answers first
    _NODES[2].wx = 30, _NODES[2].wy = 20, _NODES[2].wp = 0;
    Lair(1, 30, 20, 0, 1);  // on a node: the node answers first
    Lair(2, 35, 20, 0, 1);
    City(1, 58, 5, 1);
    struct Case {
        int x, y, p;
        int16_t code;
    } cases[] = {
        {20, 20, 0, sts_Water}, {50, 30, 0, sts_Tower},   {50, 30, 1, sts_Tower}, {30, 20, 0, sts_Node},
        {35, 20, 0, sts_Lair},  {1, 8, 1, sts_City_Near}, {2, 8, 1, sts_Free},    {1, 8, 0, sts_Free},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Map_Square_Survey((int16_t)c.x, (int16_t)c.y, (int16_t)c.p), c.code) << c.x << "," << c.y;
}

TEST_F(ArmyQueriesServices, WinnerByMasteryFirst)
{
    m_magic_winner_idx = -1;
    g_conquest_winner_idx = -1;
    EXPECT_EQ(Get_Winner(), -1);
    g_conquest_winner_idx = 2;
    EXPECT_EQ(Get_Winner(), 2);
    m_magic_winner_idx = 1;
    EXPECT_EQ(Get_Winner(), 1);
    m_magic_winner_idx = g_conquest_winner_idx = -1;
}

TEST_F(ArmyQueriesServices, EvictionAvoidsRealLairsAndOwnCities)
{
    for (int i = 0; i < 10; i++) {
        Unit_Record &u = _UNITS[_units++];
        u = Unit_Record{};
        u.type = 40;
        u.owner_idx = 1;
        u.wx = 20, u.wy = 20, u.wp = 0;
    }
    Lair(4, 19, 19, 0, 1);
    City(1, 20, 19, 0);
    Evict_Unit(9);
    EXPECT_EQ(_UNITS[9].wx, 21);
    EXPECT_EQ(_UNITS[9].wy, 19);
}

TEST_F(ArmyQueriesServices, PlaneButtonWithoutPlanarTravelOnlyTurnsTheView)
{
    int16_t map_x = 5, map_y = 6, plane = 0;
    _unit_stack_count = 0;
    _active_stack_has_path = 1;
    Do_Plane_Button__WIP(0, &map_x, &map_y, &plane);
    EXPECT_EQ(plane, 1);
    EXPECT_EQ(_active_stack_has_path, 0);
    Do_Plane_Button__WIP(0, &map_x, &map_y, &plane);
    EXPECT_EQ(plane, 0);
    EXPECT_EQ(map_x, 5);
    EXPECT_EQ(map_y, 6);
}
