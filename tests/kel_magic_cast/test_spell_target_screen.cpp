// The target screen's rules: map cells pulled in from the edges, explored squares, the wrap of
// the window, the entities each kind accepts and the prompt.
#include "Cast_Fixture.h"
#include "magic/Spell_Casting_Screen.h"
#include "shell/Map_Window.h"
#include "world/City_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"

namespace {

class SpellTargetScreen : public Cast_Test {};

TEST_F(SpellTargetScreen, CellsArePulledInFromTheEdgesAndOnlyExploredSquaresCount)
{
    _map_x = 55;
    _map_y = 3;
    _map_plane = 0;
    _osc_spell_idx = 5;
    EXPECT_EQ(Map_Square_Is_Targetable(0, 9), 0) << "unexplored";
    EXPECT_EQ(_osc_wx, -1);
    EXPECT_EQ(_osc_wy, -1);
    EXPECT_EQ(_osc_wp, -1);
    EXPECT_EQ(_osc_main_map_grid_x, 1) << "column 0 reports from column 1";
    EXPECT_EQ(_osc_main_map_grid_y, 8) << "row 9 from row 8";
    _osc_spell_idx = 10;
    EXPECT_EQ(Map_Square_Is_Targetable(7, 0), 1) << "Earth Lore takes any square";
    EXPECT_EQ(_osc_wx, 2) << "55 + 7 wraps to 2";
    EXPECT_EQ(_osc_wy, 3);
    EXPECT_EQ(_osc_wp, 0);
    EXPECT_EQ(_osc_main_map_grid_x, 7);
    EXPECT_EQ(_osc_main_map_grid_y, 1);
    Map_Square_Is_Targetable(11, 4);
    EXPECT_EQ(_osc_main_map_grid_x, 10);

    int16_t x = 2;
    int16_t y = 5;
    EXPECT_EQ(World_To_Screen(55, 3, &x, &y), 1) << "x 2 is on a window whose left column is 55";
    EXPECT_EQ(x, 7 * 20);
    EXPECT_EQ(y, 2 * 18 + 20);
    x = 20;
    y = 5;
    EXPECT_EQ(World_To_Screen(55, 3, &x, &y), 0);
    EXPECT_EQ(x, 0);
    Reset_Spell_Casting_Map_Draw();
    EXPECT_EQ(_osc_wx, -1) << "a cancel leaves the target at -1";
}

TEST_F(SpellTargetScreen, EachKindAcceptsItsOwnSideAndACityByItsFirstUnit)
{
    _cities = 2;
    _CITIES[0].owner_idx = 0;
    _CITIES[0].wx = 5;
    _CITIES[0].wy = 5;
    _CITIES[1].owner_idx = 1;
    _CITIES[1].wx = 8;
    _CITIES[1].wy = 8;
    _units = 2;
    _UNITS[0].owner_idx = 0;
    _UNITS[0].wx = 20;
    _UNITS[1].owner_idx = 1;
    _UNITS[1].wx = 8;
    _UNITS[1].wy = 8;
    int16_t target = 0;
    struct Case {
        int16_t kind, entity, valid, target;
    };
    const Case cases[] = {
        {stk_Friendly_Unit, 0, 1, 0},       {stk_Friendly_Unit, 1, 0, 1},       {stk_Enemy_Group, 1, 1, 1},
        {stk_Map_Square, 1, 1, 1},          {stk_Friendly_City, 1000, 1, 1000}, {stk_Enemy_City, 1000, 0, 1000},
        {stk_Friendly_Unit, 1000, 0, 1000},  // an own city with no units
        {stk_Enemy_Unit, 1001, 1, 1},        // the army's first unit
        {stk_Magic_Node, 1103, 1, 1103},    {stk_Enemy_City, 1103, 0, 1103},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Spell_Target_Entity_Valid(c.kind, c.entity, 0, &target), c.valid) << c.kind << "/" << c.entity;
        if (c.valid) {
            EXPECT_EQ(target, c.target) << c.kind << "/" << c.entity;
        }
    }
    char text[120];
    Build_Select_Target_String(stk_Enemy_City, "Earthquake", text, sizeof text);
    EXPECT_STREQ(text, "Select an enemy city as the target for an \002Earthquake\001 spell.");
}

}  // namespace
