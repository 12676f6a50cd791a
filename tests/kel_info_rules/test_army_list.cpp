// The rows of the army list: squares and planes, tower units, paging, the hero search and the
// clamp after units were dismissed.
#include "World_Fixture.h"
#include "info/Army_List.h"
#include "world/Unit_Record.h"

class ArmyList : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        _current_player_idx = 0;
        _units = 0;
        armylist_first_item = 0;
    }
    static int16_t Add_Unit(int8_t owner, uint8_t wx, uint8_t wy, uint8_t wp, int16_t in_tower = 0)
    {
        Unit_Record &unit = _UNITS[_units];
        unit.owner_idx = owner;
        unit.wx = wx;
        unit.wy = wy;
        unit.wp = wp;
        unit.in_tower = in_tower;
        unit.Hero_Slot = -1;
        return _units++;
    }
    static void Armies(int count)
    {
        for (int a = 0; a < count; a++) Add_Unit(0, (uint8_t)(2 * a), 5, 0);
    }
    static void Build()
    {
        Build_Army_List();
        Build_Army_List_Counts();
    }
};

// Two stacks on one square of different planes make two rows; a tower unit joins the first row
// of its square whatever that row's plane, but a row shows only the units of its own plane.
TEST_F(ArmyList, RowsBySquarePlaneAndTower)
{
    Add_Unit(0, 10, 10, 0);
    Add_Unit(1, 10, 10, 0);  // a rival's unit is no row
    Add_Unit(0, 10, 10, 1);
    Add_Unit(0, 10, 10, 1, 1);
    Add_Unit(0, 10, 10, 0);
    Add_Unit(0, 3, 4, 1, 1);
    Build();
    EXPECT_EQ(m_army_list_count, 3);
    EXPECT_EQ(armylist_unit_count, 5);
    EXPECT_EQ(m_armies_wp[0], 0);
    EXPECT_EQ(m_armies_wp[1], 1);
    EXPECT_EQ(m_armies_wx[2], 3);
    EXPECT_EQ(armylist_list_item_count[0], 2);
    EXPECT_EQ(list_armies[0], 0);
    EXPECT_EQ(list_armies[1], 4);
    EXPECT_EQ(armylist_list_item_count[1], 2);  // the plane-1 units, the tower unit among them
    EXPECT_EQ(list_armies[2], 2);
    EXPECT_EQ(list_armies[3], 3);
    EXPECT_EQ(armylist_list_item_count[2], 1);
}

// Six armies or fewer never scroll; seven scroll down once, and then no further.
TEST_F(ArmyList, PagingWithSixAndSevenArmies)
{
    Armies(6);
    Build();
    EXPECT_FALSE(ArmyList_Can_Scroll_Up());
    EXPECT_FALSE(ArmyList_Can_Scroll_Down());
    EXPECT_FALSE(ArmyList_Scroll_Down());

    Add_Unit(0, 40, 20, 0);
    Build();
    EXPECT_EQ(m_army_list_count, 7);
    EXPECT_TRUE(ArmyList_Can_Scroll_Down());
    EXPECT_FALSE(ArmyList_Can_Scroll_Up());
    EXPECT_TRUE(ArmyList_Scroll_Down());
    EXPECT_EQ(armylist_first_item, 1);
    EXPECT_EQ(list_armies[0], 1);
    EXPECT_EQ(list_armies[5], 6);
    EXPECT_FALSE(ArmyList_Can_Scroll_Down());
    EXPECT_FALSE(ArmyList_Scroll_Down());
    EXPECT_TRUE(ArmyList_Can_Scroll_Up());
    EXPECT_TRUE(ArmyList_Scroll_Up());
    EXPECT_EQ(armylist_first_item, 0);
}

// A unit on a later page scrolls the list until its row is the last one shown; a unit already
// shown keeps the page; a tower unit of the other plane is in no row and moves nothing.
TEST_F(ArmyList, HeroSearchScrolls)
{
    Armies(10);
    int16_t hidden = Add_Unit(0, 0, 5, 1, 1);  // joins row 0, which shows plane 0 only
    Build();
    EXPECT_EQ(Get_List_Armies_Index(8), 5);
    EXPECT_EQ(armylist_first_item, 3);
    EXPECT_EQ(Get_List_Armies_Index(4), 1);
    EXPECT_EQ(armylist_first_item, 3);
    EXPECT_EQ(Get_List_Armies_Index(hidden), -1);
    EXPECT_EQ(armylist_first_item, 3);
    EXPECT_EQ(list_armies[0], 3);
}

// Units dismissed in the statistics window shorten the list; the last page then ends at the
// last row.
TEST_F(ArmyList, FirstRowClampedAfterADismissal)
{
    Armies(10);
    Build();
    armylist_first_item = 4;
    Build_Army_List_Counts();
    for (int u = 6; u < 10; u++) _UNITS[u].owner_idx = -1;
    Build_Army_List();
    ArmyList_Clamp_First_Item();
    Build_Army_List_Counts();
    EXPECT_EQ(armylist_first_item, 0);
    EXPECT_EQ(armylist_item_count, 6);
    EXPECT_FALSE(ArmyList_Can_Scroll_Down());

    _units = 0;
    Build_Army_List();
    ArmyList_Clamp_First_Item();
    Build_Army_List_Counts();
    EXPECT_EQ(armylist_first_item, 0);
    EXPECT_EQ(armylist_item_count, 0);
}

// Ten units on one square: the row shows nine, and six such rows fill the 54 places.
TEST_F(ArmyList, RowHoldsAtMostNineUnits)
{
    for (int row = 0; row < 6; row++)
        for (int k = 0; k < 10; k++) Add_Unit(0, (uint8_t)(5 * row), 7, 0);
    Build();
    for (int row = 0; row < 6; row++) EXPECT_EQ(armylist_list_item_count[row], 9) << row;
    EXPECT_EQ(ArmyList_Visible_Unit_Count(), 54);
    EXPECT_EQ(list_armies[9], 10);
    int16_t x1, y1, x2, y2;
    ArmyList_UnitFigure_Coordinates(10, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 77 + 18 - 1);
    EXPECT_EQ(y1, 24 + 22 - 1);
    EXPECT_EQ(x2, x1 + 18);
    EXPECT_EQ(y2, y1 + 16);
    ArmyList_Hero_Portrait_Coords(3, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 277);
    EXPECT_EQ(y1, 56);
}
