// The orders of the main screen's action buttons, the direction keys, the Earth Gate shortcut,
// the route shown for a road builder, and the steps that resume a game just read.
#include <gtest/gtest.h>

#include <cstring>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "World_Fixture.h"
#include "overland/Main_Screen.h"
#include "overland/Resume_Game.h"
#include "overland/Stack_Orders.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/City_Area.h"
#include "world/Game_Settings.h"
#include "world/Move_Path.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

class MainScreenOrders : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        _unit_stack_count = 0;
        all_units_moved = 0;
        _map_x = 0;
        _map_y = 0;
        _map_plane = 0;
        _current_player_idx = 0;
    }

    // A unit of the owner at the square, with the moves given, ready.
    static int16_t Add_Unit(int8_t owner, int wx, int wy, int wp, int moves, int type = 40)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.owner_idx = owner;
        unit.type = (uint8_t)type;
        unit.Hero_Slot = -1;
        unit.moves2 = (uint8_t)moves;
        unit.moves2_max = (uint8_t)moves;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
    static void Stack_Of(std::initializer_list<int16_t> units, std::initializer_list<int16_t> active)
    {
        _unit_stack_count = 0;
        auto mark = active.begin();
        for (int16_t unit_idx : units) {
            _unit_stack[_unit_stack_count].unit_idx = unit_idx;
            _unit_stack[_unit_stack_count].active = *mark++;
            _unit_stack_count++;
        }
    }
    static int16_t Add_City(int8_t owner, int wx, int wy, int wp, uint8_t earth_gate)
    {
        int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        memset(&city, 0, sizeof(city));
        city.owner_idx = owner;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.size = 2;
        city.population = 4;
        city.enchantments[ce_Earth_Gate] = earth_gate;
        return idx;
    }
    static void Act(int16_t action, int16_t wx = 0, int16_t wy = 0)
    {
        Stack_Action(0, &_map_x, &_map_y, &_map_plane, action, wx, wy);
    }
};

TEST_F(MainScreenOrders, DirectionKeysWrapAtTheSeamAndStayOnTheRows)
{
    struct Case {
        int16_t key, x, y, to_x, to_y;
    };
    const Case cases[] = {
        {4, 0, 10, 59, 10}, {6, 59, 10, 0, 10}, {7, 0, 10, 59, 9}, {9, 59, 10, 0, 9},   {1, 0, 10, 59, 11},
        {3, 59, 10, 0, 11}, {8, 30, 1, 30, 0},  {8, 30, 0, 30, 0}, {2, 30, 39, 30, 39}, {6, 30, 20, 31, 20},
    };
    for (const Case &c : cases) {
        int16_t to_x = -1, to_y = -1;
        ASSERT_EQ(Stack_DirKey_Target(c.key, c.x, c.y, &to_x, &to_y), 1) << "key " << c.key;
        EXPECT_EQ(to_x, c.to_x) << "key " << c.key << " from " << c.x << "," << c.y;
        EXPECT_EQ(to_y, c.to_y) << "key " << c.key << " from " << c.x << "," << c.y;
    }
    int16_t to_x = -1, to_y = -1;
    for (int16_t key : {0, 5, 10, 120}) EXPECT_EQ(Stack_DirKey_Target(key, 3, 3, &to_x, &to_y), 0) << key;
}

// A stack standing on the other plane is never carried onto the shown one by a key, whether or
// not it could travel between planes; without a stack or moves nothing happens either.
TEST_F(MainScreenOrders, DirectionKeysLeaveAStackOnTheOtherPlaneOrWithoutMoves)
{
    int16_t unit = Add_Unit(0, 59, 10, 1, 4);
    Stack_Of({unit}, {1});
    _map_plane = 0;
    Move_Stack_DirKey(6);
    EXPECT_EQ(_UNITS[unit].wx, 59);
    EXPECT_EQ(_UNITS[unit].wp, 1);
    EXPECT_EQ(_UNITS[unit].moves2, 4);

    _map_plane = 1;
    _UNITS[unit].moves2 = 0;
    Move_Stack_DirKey(6);
    EXPECT_EQ(_UNITS[unit].wx, 59);
    _unit_stack_count = 0;
    Move_Stack_DirKey(6);
    EXPECT_EQ(_UNITS[unit].wx, 59);
}

// East of column 59 is column 0: the key moves the stack across the seam on open land.
TEST_F(MainScreenOrders, DirectionKeyMovesTheStackAcrossTheSeam)
{
    _unit_type_table[40].Move_Halves = 4;
    for (int map = 0; map < MOVEMENT_MAPS; map++) memset(Movement_Cost_Map_Of(0, map), 2, WORLD_SIZE);
    memset(_landmasses, 1, WORLD_SIZE);
    int16_t unit = Add_Unit(0, 59, 10, 0, 4);
    Stack_Of({unit}, {1});
    Move_Stack_DirKey(6);
    EXPECT_EQ(_UNITS[unit].wx, 0);
    EXPECT_EQ(_UNITS[unit].wy, 10);
    EXPECT_EQ(_UNITS[unit].wp, 0);
    EXPECT_LT(_UNITS[unit].moves2, 4);
}

TEST_F(MainScreenOrders, ActionButtonsTouchOnlyTheUnitsTheirOrderNames)
{
    _unit_type_table[41].Abilities = UA_PURIFY;
    int16_t ready = Add_Unit(0, 5, 5, 0, 4);
    int16_t going = Add_Unit(0, 5, 5, 0, 4);
    int16_t purifying = Add_Unit(0, 5, 5, 0, 4, 41);
    int16_t unselected = Add_Unit(0, 5, 5, 0, 4);
    int16_t spent = Add_Unit(0, 5, 5, 0, 0);
    _UNITS[going].Status = us_GOTO;
    _UNITS[going].dst_wx = 9;
    _UNITS[purifying].Status = us_Purify;

    Stack_Of({ready, going, purifying, unselected, spent}, {1, 1, 1, 0, 1});
    Act(so_Done);
    EXPECT_EQ(_UNITS[ready].Status, us_ReachedDest);
    EXPECT_EQ(_UNITS[ready].moves2, 0);
    EXPECT_EQ(_UNITS[ready].Finished, 1);
    EXPECT_EQ(_unit_stack[0].active, 0);
    EXPECT_EQ(_UNITS[going].Status, us_GOTO) << "done leaves go-to orders";
    EXPECT_EQ(_UNITS[going].dst_wx, 9);
    EXPECT_EQ(_UNITS[purifying].Status, us_Purify) << "done leaves purify orders";
    EXPECT_EQ(_UNITS[unselected].Status, us_Ready);
    EXPECT_EQ(_stack_selection_changed, 1);
    EXPECT_EQ(_move_stack_hook_called, 0);

    Stack_Of({ready, going, unselected, spent}, {1, 1, 0, 1});
    _UNITS[ready] = _UNITS[unselected];
    _UNITS[spent].Finished = 1;
    Act(so_Wait);
    EXPECT_EQ(_UNITS[ready].Status, us_Wait);
    EXPECT_EQ(_unit_stack[0].active, 0);
    EXPECT_EQ(_UNITS[unselected].Status, us_Ready) << "wait skips the unselected";
    EXPECT_EQ(_UNITS[spent].Status, us_ReachedDest) << "wait skips a unit without moves";

    Act(so_Clear_Orders);
    for (int16_t unit : {ready, going, unselected}) {
        EXPECT_EQ(_UNITS[unit].Status, us_Ready) << unit;
        EXPECT_EQ(_UNITS[unit].Finished, 0) << unit;
        EXPECT_EQ(_UNITS[unit].dst_wx, 0) << unit;
    }
    EXPECT_EQ(_UNITS[spent].Status, us_ReachedDest);
    EXPECT_EQ(_UNITS[spent].Finished, 1);
    for (int i = 0; i < 3; i++) EXPECT_EQ(_unit_stack[i].active, 1) << i;

    _UNITS[unselected].Status = us_Patrol;
    Act(so_GoTo, 20, 21);
    EXPECT_EQ(_UNITS[ready].Status, us_GOTO);
    EXPECT_EQ(_UNITS[ready].dst_wx, 20);
    EXPECT_EQ(_UNITS[ready].dst_wy, 21);
    EXPECT_EQ(_UNITS[spent].Status, us_GOTO) << "a done unit takes the go-to";
    EXPECT_EQ(_UNITS[unselected].Status, us_Patrol) << "a patrol keeps its order";

    Stack_Of({ready, purifying}, {1, 1});
    _UNITS[purifying].Status = us_Ready;
    Act(so_Purify);
    EXPECT_EQ(_UNITS[ready].Status, us_GOTO) << "only a purifier purifies";
    EXPECT_EQ(_UNITS[purifying].Status, us_Purify);
    EXPECT_EQ(_UNITS[purifying].moves2, 0);

    _UNITS[ready].Status = us_Ready;
    Stack_Of({ready}, {1});
    Act(so_Patrol);
    EXPECT_EQ(_UNITS[ready].Status, us_Patrol);
    EXPECT_EQ(_UNITS[ready].Finished, 1);
    EXPECT_EQ(_unit_stack[0].active, 0);
}

// With 8 of the human's units in the target city only one more may come through the gate; both
// cities need the gate, the same owner and the same plane.
TEST_F(MainScreenOrders, EarthGateWithEightUnitsThere)
{
    int16_t origin = Add_City(0, 10, 10, 0, 1);
    int16_t target = Add_City(0, 30, 12, 0, 1);
    for (int i = 0; i < 8; i++) Add_Unit(0, 30, 12, 0, 2);
    int16_t a = Add_Unit(0, 10, 10, 0, 4);
    int16_t b = Add_Unit(0, 10, 10, 0, 2);

    Stack_Of({a, b}, {1, 1});
    EXPECT_EQ(EarthGateTeleport__WIP(30, 12, 0), 0) << "two more would make ten";
    EXPECT_EQ(_UNITS[a].wx, 10);
    EXPECT_EQ(_UNITS[b].wx, 10);

    Stack_Of({a, b}, {0, 1});
    _CITIES[target].enchantments[ce_Earth_Gate] = 0;
    EXPECT_EQ(EarthGateTeleport__WIP(30, 12, 0), 0) << "the target has no gate";
    _CITIES[target].enchantments[ce_Earth_Gate] = 1;
    _CITIES[target].owner_idx = 1;
    EXPECT_EQ(EarthGateTeleport__WIP(30, 12, 0), 0) << "another owner's city";
    _CITIES[target].owner_idx = 0;
    EXPECT_EQ(EarthGateTeleport__WIP(31, 12, 0), 0) << "no city there";
    EXPECT_EQ(_UNITS[b].wx, 10);

    EXPECT_EQ(EarthGateTeleport__WIP(30, 12, 0), 1);
    EXPECT_EQ(_UNITS[b].wx, 30);
    EXPECT_EQ(_UNITS[b].wy, 12);
    EXPECT_EQ(_UNITS[b].moves2, 0);
    EXPECT_EQ(_UNITS[b].Finished, 1) << "a unit the gate leaves without moves is finished";
    EXPECT_EQ(_UNITS[a].wx, 10) << "an unselected unit stays";
    EXPECT_EQ(_active_world_x, 30);
    EXPECT_EQ(_active_world_y, 12);
    (void)origin;
}

// A road builder's route shows the rest of its road line after its own square; a stack with no
// go-to unit gets no route.
TEST_F(MainScreenOrders, RoadBuilderRouteStartsAfterItsSquare)
{
    int16_t builder = Add_Unit(0, 12, 5, 0, 2);
    Stack_Of({builder}, {1});
    _active_stack_has_path = 0;
    Set_Active_Stack_Movement_Path(builder);
    EXPECT_EQ(_active_stack_has_path, 0);

    _UNITS[builder].Status = us_GOTO;
    _UNITS[builder].Rd_Constr_Left = 2;
    _UNITS[builder].Rd_From_X = 10;
    _UNITS[builder].Rd_From_Y = 5;
    _UNITS[builder].dst_wx = 15;
    _UNITS[builder].dst_wy = 5;
    Set_Active_Stack_Movement_Path(builder);
    EXPECT_EQ(_active_stack_has_path, 1);
    ASSERT_EQ(_active_stack_path_length, 3);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(movepath_x_array[2 + i], 13 + i);
        EXPECT_EQ(movepath_y_array[2 + i], 5);
    }
}

// Selecting by a unit or by the summoning square takes the human's stack there and clears "all
// units moved", so the stack can be ordered at once.
TEST_F(MainScreenOrders, SelectingByUnitOrSummoningSquareTakesTheHumansStackThere)
{
    Add_Unit(1, 7, 8, 0, 4);
    int16_t summoned = Add_Unit(0, 7, 8, 0, 4);
    int16_t other = Add_Unit(0, 30, 30, 0, 4);
    _players[0].summon_wx = 7;
    _players[0].summon_wy = 8;
    _players[0].summon_wp = 0;
    all_units_moved = 1;
    Select_Stack_At_Summon();
    ASSERT_EQ(_unit_stack_count, 1);
    EXPECT_EQ(_unit_stack[0].unit_idx, summoned);
    EXPECT_EQ(all_units_moved, 0);

    all_units_moved = 1;
    Select_Stack_At_Unit(other);
    ASSERT_EQ(_unit_stack_count, 1);
    EXPECT_EQ(_unit_stack[0].unit_idx, other);
    EXPECT_EQ(all_units_moved, 0);
}

// The resume: the human becomes the current player first, so the other players' units get their
// new turn and his keep theirs; dead units go, area bits are rebuilt from the cities, and the
// computer players' averages, random events at difficulty 0 and time stop are settled.
TEST_F(MainScreenOrders, ResumeStepsStartWithTheHumanAsCurrentPlayer)
{
    _num_players = 3;
    _difficulty = 0;
    magic_set.words[GS_RANDOM_EVENTS] = 1;
    _FORTRESSES[0] = {20, 15, 1, 1};
    Add_City(0, 20, 15, 1, 0);
    int16_t human = Add_Unit(0, 20, 15, 1, 1);
    _UNITS[human].moves2_max = 4;
    int16_t rival = Add_Unit(2, 40, 30, 0, 0);
    _UNITS[rival].Finished = 1;
    _UNITS[rival].Status = us_ReachedDest;
    int16_t patrol = Add_Unit(2, 41, 30, 0, 0);
    _UNITS[patrol].Status = us_Patrol;
    int16_t dead = Add_Unit(1, 1, 1, 0, 1);
    _UNITS[dead].owner_idx = -1;
    for (int p = 1; p < NUM_PLAYERS; p++) _players[p].average_unit_cost = 77;
    _players[2].Globals[ge_Time_Stop] = 3;
    _current_player_idx = 2;
    _unit_stack_count = 4;
    _combat_wx = 5;
    memset(city_area_bits, 0, 2 * CITY_AREA_BITS_PLANE_BYTES);

    Loaded_Game_Update();

    EXPECT_EQ(_current_player_idx, 0);
    EXPECT_EQ(_units, 3) << "the dead unit is compacted away";
    EXPECT_EQ(_UNITS[human].moves2, 1) << "the human's units keep their moves";
    EXPECT_EQ(_UNITS[rival].moves2, _UNITS[rival].moves2_max);
    EXPECT_GT(_UNITS[rival].moves2, 0);
    EXPECT_EQ(_UNITS[rival].Finished, 0);
    EXPECT_EQ(_UNITS[patrol].Finished, 1);
    for (int p = 1; p < NUM_PLAYERS; p++) EXPECT_EQ(_players[p].average_unit_cost, 0) << p;
    EXPECT_EQ(magic_set.words[GS_RANDOM_EVENTS], 0);
    EXPECT_EQ(g_timestop_player_num, 3);
    EXPECT_EQ(_map_plane, 1) << "the map shows the fortress's plane";
    EXPECT_EQ(_unit_window_start_x, 247);
    EXPECT_EQ(_unit_window_start_y, 79);
    EXPECT_EQ(_combat_wx, -1);
    EXPECT_EQ(_combat_wy, -1);
    EXPECT_EQ(_players[0].Dipl_Contacted[0], 1);
    int area_bits = 0;
    for (int i = 0; i < 2 * CITY_AREA_BITS_PLANE_BYTES; i++) area_bits += city_area_bits[i] != 0;
    EXPECT_GT(area_bits, 0) << "the cities' area bits are rebuilt, not merely cleared";
}

}  // namespace
