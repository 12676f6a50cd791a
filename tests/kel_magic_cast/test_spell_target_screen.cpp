// The target screen's rules: map cells pulled in from the edges, explored squares, the wrap of
// the window, the entities each kind accepts and the prompt.
#include "Cast_Fixture.h"
#include "magic/Spell_Casting_Screen.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
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

namespace {

class SpellTargetScreenClicks : public Cast_Test {
protected:
    void SetUp() override
    {
        Cast_Test::SetUp();
        _map_x = 50;
        _map_y = 10;
        _map_plane = 1;
        _osc_spell_idx = 5;
        Reset_Spell_Casting_Map_Draw();
        for (int i = 0; i < NUM_NODES; i++) _NODES[i].wx = 255;
        _NODES[4].wx = 51;  // column 1, row 2
        _NODES[4].wy = 12;
        _NODES[4].wp = 1;
        _cities = 2;
        _CITIES[0].owner_idx = 0;  // own, empty
        _CITIES[1].owner_idx = 1;  // a rival's, with unit 1 in it
        _CITIES[1].wx = 55;
        _CITIES[1].wy = 15;
        _CITIES[1].wp = 1;
        _units = 2;
        _UNITS[0].owner_idx = 0;
        _UNITS[0].wx = 40;
        _UNITS[1].owner_idx = 1;
        _UNITS[1].wx = 55;
        _UNITS[1].wy = 15;
        _UNITS[1].wp = 1;
        _square_explored[1 * WORLD_SIZE + 12 * WORLD_WIDTH + 3] = 1;  // (3, 12): column 13 wraps to it
    }
};

TEST_F(SpellTargetScreenClicks, ALeftClickEndsOnAValidTargetOnlyAndReportsItsIndex)
{
    struct Case {
        int16_t kind, column, row, entity;
        int16_t click, wx, wy, wp, unit;
    };
    const Case cases[] = {
        {stk_Friendly_Group, 3, 3, 0, stc_Chosen, 0, -1, -1, -1},
        {stk_Friendly_Unit, 3, 3, 0, stc_Pick_Unit, -1, -1, -1, 0},
        {stk_Enemy_Unit, 5, 5, 1001, stc_Pick_Unit, -1, -1, -1, 1},  // the rival city's army
        {stk_Enemy_Group, 5, 5, 1001, stc_Chosen, 1, -1, -1, -1},
        {stk_Friendly_Group, 5, 5, 1001, stc_Ignored, -1, -1, -1, -1},
        {stk_Friendly_Unit, 4, 4, 1000, stc_Ignored, -1, -1, -1, -1},  // own city without units
        {stk_Friendly_City, 4, 4, 1000, stc_Chosen, 0, -1, -1, -1},
        {stk_Enemy_City, 4, 4, 1000, stc_Ignored, -1, -1, -1, -1},
        {stk_Enemy_City, 5, 5, 1001, stc_Chosen, 1, -1, -1, -1},
        {stk_Magic_Node, 1, 2, -1, stc_Chosen, 4, -1, -1, -1},  // the node is looked up on the square
        {stk_Magic_Node, 2, 2, 0, stc_Ignored, -1, -1, -1, -1},
        {stk_Friendly_Group, 6, 6, -1, stc_Ignored, -1, -1, -1, -1},
        {stk_Map_Square, 6, 6, -1, stc_Ignored, -1, -1, -1, -1},  // unexplored
    };
    for (const Case &c : cases) {
        Reset_Spell_Casting_Map_Draw();
        int16_t unit = -7;
        EXPECT_EQ(Spell_Casting_Left_Click(c.kind, c.column, c.row, c.entity, 0, &unit), c.click)
            << c.kind << "/" << c.entity;
        EXPECT_EQ(_osc_wx, c.wx) << c.kind << "/" << c.entity;
        EXPECT_EQ(_osc_wy, c.wy) << c.kind << "/" << c.entity;
        EXPECT_EQ(_osc_wp, c.wp) << c.kind << "/" << c.entity;
        EXPECT_EQ(unit, c.unit) << c.kind << "/" << c.entity;
    }
    int16_t unit = 0;
    _map_x = 52;  // column 11 is x 3 after the wrap
    EXPECT_EQ(Spell_Casting_Left_Click(stk_Map_Square, 11, 2, 1000, 0, &unit), stc_Chosen) << "explored";
    EXPECT_EQ(_osc_wx, 3);
    EXPECT_EQ(_osc_wy, 12);
    EXPECT_EQ(_osc_wp, 1);
    EXPECT_EQ(_osc_main_map_grid_x, 10) << "the rightmost column reports from column 10";
    Reset_Spell_Casting_Map_Draw();
    EXPECT_EQ(Spell_Casting_Left_Click(stk_Friendly_City, 0, 0, 1000, 0, &unit), stc_Chosen);
    EXPECT_EQ(_osc_main_map_grid_x, 1);
    EXPECT_EQ(_osc_main_map_grid_y, 1);
}

TEST_F(SpellTargetScreenClicks, PointerAndRightClickFollowTheKindsSide)
{
    struct Case {
        int16_t kind, entity, target, view, index;
    };
    const Case cases[] = {
        {stk_Friendly_Unit, 0, 1, stv_Units, 0},    {stk_Friendly_Unit, 1, 0, stv_None, -1},
        {stk_Enemy_Group, 1, 1, stv_Units, 1},      {stk_Enemy_Group, 1001, 1, stv_City, 1},
        {stk_Friendly_Group, 1000, 0, stv_City, 0},  // an empty own city is seen but not a target
        {stk_Friendly_City, 1000, 1, stv_City, 0},  {stk_Enemy_City, 1000, 0, stv_None, -1},
        {stk_Map_Square, 1001, 0, stv_None, -1},    {stk_Magic_Node, 1104, 1, stv_None, -1},
        {stk_Enemy_Unit, -1, 0, stv_None, -1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Spell_Casting_Cell_Is_Target(c.kind, 4, 4, c.entity, 0), c.target) << c.kind << "/" << c.entity;
        int16_t index = -7;
        EXPECT_EQ(Spell_Casting_Right_Click_View(c.kind, c.entity, 0, &index), c.view) << c.kind << "/" << c.entity;
        EXPECT_EQ(index, c.index) << c.kind << "/" << c.entity;
    }
    _map_x = 52;
    EXPECT_EQ(Spell_Casting_Cell_Is_Target(stk_Map_Square, 11, 2, -1, 0), 1) << "explored (3, 12)";
    EXPECT_EQ(Spell_Casting_Cell_Is_Target(stk_Map_Square, 10, 2, -1, 0), 0);
    _osc_spell_idx = 10;
    EXPECT_EQ(Spell_Casting_Cell_Is_Target(stk_Map_Square, 10, 2, -1, 0), 1) << "Earth Lore";

    int16_t first = Spell_Casting_Next_Target_Image();
    for (int i = 1; i <= 5; i++) {
        const int16_t image = Spell_Casting_Next_Target_Image();
        EXPECT_GE(image, 9);
        EXPECT_LE(image, 13);
        EXPECT_EQ(image, 9 + (first - 9 + i) % 5);
    }
}

}  // namespace
