// Founding outposts, room on a square and eviction from an overfull square.
#include "Army_Fixture.h"
#include "world/Army_Queries.h"
#include "world/Battlefield.h"
#include "world/Unit_Order_Rules.h"

using namespace army_test;

class Settling : public Army_Test {
protected:
    void TearDown() override
    {
        _combat_wx = _combat_wy = -1;
        Army_Test::TearDown();
    }
};

TEST_F(Settling, UndeadSettlerFoundsNothing)
{
    const int16_t settler = Add_Unit(SETTLER, 0, 12, 12, 0);
    _UNITS[settler].mutations = UM_UNDEAD;
    EXPECT_EQ(Army_Do_Settle(1, &settler), 0);
    EXPECT_TRUE(m_recorder.outposts.empty());
}

TEST_F(Settling, FirstLivingSettlerFoundsWhereverItStandsInTheList)
{
    const int16_t walker = Add_Unit(WALKER, 2, 12, 12, 1);
    const int16_t undead = Add_Unit(SETTLER, 2, 12, 12, 1);
    _UNITS[undead].mutations = UM_UNDEAD;
    const int16_t settler = Add_Unit(SETTLER, 2, 12, 12, 1);
    const int16_t list[3] = {walker, undead, settler};
    EXPECT_EQ(Army_Do_Settle(3, list), 1);
    ASSERT_EQ(m_recorder.outposts.size(), 1u);
    EXPECT_EQ(m_recorder.outposts[0], (std::tuple<int, int, int, int, int, int>{12, 12, 1, rt_Dwarven, 2, settler}));
    m_recorder.outpost_answer = 0;  // the site is refused
    EXPECT_EQ(Army_Do_Settle(3, list), 0);
}

TEST_F(Settling, RoomOnASquare)
{
    Water(40, 5, 0);
    Water(41, 5, 0);
    const int16_t walker = Add_Unit(WALKER, 0, 1, 1, 0);
    const int16_t ship = Add_Unit(SHIP, 0, 1, 1, 0);
    const int16_t flying_ship = Add_Unit(SHIP, 0, 1, 1, 0);
    _UNITS[flying_ship].enchantments = UE_FLIGHT;
    const int16_t swimmer = Add_Unit(SWIMMER, 0, 1, 1, 0);
    Add_Units(3, WALKER, 0, 30, 5, 0);
    Add_Unit(WALKER, 1, 31, 5, 0);
    const int16_t wind_walker = Add_Unit(WALKER, 0, 41, 5, 0);
    _UNITS[wind_walker].enchantments = UE_WINDWALKING;
    struct Case {
        int x, unit;
        int16_t room;
    } cases[] = {
        {20, walker, 9}, {20, ship, 0},   {20, flying_ship, 9}, {30, walker, 6}, {31, walker, 0},
        {50, walker, 0}, {40, walker, 0}, {40, swimmer, 9},     {41, walker, 8}, {40, ship, 9},
    };
    for (const Case &c : cases) {
        const int wy = c.x == 50 ? 30 : 5;  // (50, 30) is a tower
        EXPECT_EQ(Unit_Space_At_Square((int16_t)c.x, (int16_t)wy, 0, 0, (int16_t)c.unit), c.room)
            << c.x << " unit " << c.unit;
    }
    Add_Units(6, WALKER, 0, 30, 5, 0);
    EXPECT_EQ(Unit_Space_At_Square(30, 5, 0, 0, walker), 0);
}

TEST_F(Settling, EvictionAtTheTopRowLooksAtRowsZeroToTwo)
{
    Add_Units(9, WALKER, 0, 10, 0, 0);
    const int16_t unit = Add_Unit(WALKER, 0, 10, 0, 0);
    Add_Units(9, WALKER, 0, 9, 0, 0);
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].wx, 11);
    EXPECT_EQ(_UNITS[unit].wy, 0);
    // Rows 0 and 1 taken: the block still has three rows.
    _UNITS[unit].wx = 10;
    Add_Units(9, WALKER, 0, 11, 0, 0);
    for (int x = 9; x <= 11; x++) Add_Units(9, WALKER, 0, x, 1, 0);
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].wx, 9);
    EXPECT_EQ(_UNITS[unit].wy, 2);
    EXPECT_EQ(_UNITS[unit].wp, 0);
}

TEST_F(Settling, EvictionAtColumnZeroTriesColumnFiftyNineFirst)
{
    Add_Units(9, WALKER, 0, 0, 10, 1);
    const int16_t unit = Add_Unit(WALKER, 0, 0, 10, 1);
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].wx, 59);
    EXPECT_EQ(_UNITS[unit].wy, 9);
    EXPECT_EQ(_UNITS[unit].wp, 1);
}

TEST_F(Settling, EvictionSkipsTheBattleSquareLairsOwnCitiesAndFullSquares)
{
    Add_Units(9, WALKER, 0, 20, 20, 0);
    const int16_t unit = Add_Unit(WALKER, 0, 20, 20, 0);
    _combat_wx = 19, _combat_wy = 19;                 // on plane 1 it would still count
    m_recorder.lairs.push_back({20, 19, 0});          // lair
    m_recorder.own_cities.push_back({21, 19, 0, 0});  // own city
    Add_Unit(WALKER, 3, 19, 20, 0);                   // another owner
    Water(21, 20, 0);                                 // water
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].wx, 19);
    EXPECT_EQ(_UNITS[unit].wy, 21);
    EXPECT_EQ(_UNITS[unit].owner_idx, 0);
}

TEST_F(Settling, UnitWithNowhereToGoIsRemoved)
{
    Add_Units(9, WALKER, 0, 20, 20, 0);
    const int16_t unit = Add_Unit(WALKER, 0, 20, 20, 0);
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy) Water(20 + dx, 20 + dy, 0);
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].owner_idx, -1);
}

TEST_F(Settling, UnitEvictedFromATowerLeavesOntoItsPlane)
{
    Add_Units(9, WALKER, 0, 52, 30, 0);
    const int16_t unit = Add_Unit(WALKER, 0, 52, 30, 1);
    _UNITS[unit].in_tower = UNIT_IN_TOWER;
    Evict_Unit(unit);
    EXPECT_EQ(_UNITS[unit].wx, 51);
    EXPECT_EQ(_UNITS[unit].wy, 29);
    EXPECT_EQ(_UNITS[unit].wp, 1);
    EXPECT_EQ(_UNITS[unit].in_tower, 0);
}
