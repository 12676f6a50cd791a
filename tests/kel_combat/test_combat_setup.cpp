#include <set>
#include <utility>

#include "Combat_Fixture.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Setup.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Stack_Movement.h"

using CombatSetup = Combat_Test;
using CombatDeploy = Combat_Test;
using CombatMove = Combat_Test;
using BattlefieldGen = Combat_Test;
using CombatPath = Combat_Test;

namespace {

const int16_t NO_ROADS[9] = {};

void Generate(int16_t structure, int16_t terrain, int16_t walls = 0, int16_t population = 0,
              int16_t attacker_island = 0)
{
    Generate_Combat_Map(structure, 0, NO_ROADS, 0, terrain, NO_ROADS, 0, attacker_island, 0, walls, population, 0);
}

std::set<std::pair<int, int>> Houses(void)
{
    std::set<std::pair<int, int>> cells;
    for (int h = 0; h < battlefield->house_count; h++) cells.insert({battlefield->house_x[h], battlefield->house_y[h]});
    return cells;
}

bool Corner(int x, int y) { return (x == 5 || x == 8) && (y == 10 || y == 13); }

}  // namespace

TEST_F(BattlefieldGen, HousesFollowPopulationAndWalls)
{
    Generate(2, 1, 1, 5);
    std::set<std::pair<int, int>> houses = Houses();
    EXPECT_EQ(houses.size(), 5u);
    for (auto [x, y] : houses) EXPECT_FALSE(Corner(x, y)) << x << "," << y;
    EXPECT_EQ(battlefield->walls, 1);
    int standing = 0;
    for (auto &row : battlefield->wall_sections)
        for (int16_t s : row) standing += s == WALL_SECTION_STANDING;
    EXPECT_EQ(standing, 12);
    EXPECT_EQ(battlefield->wall_sections[1][1], 0);

    Generate(2, 1, 1, 20);
    houses = Houses();
    EXPECT_EQ(houses.size(), 12u);
    for (auto [x, y] : houses) EXPECT_FALSE(Corner(x, y));

    Generate(2, 1, 0, 20);
    EXPECT_EQ(battlefield->house_count, 12);
    for (auto [x, y] : Houses()) EXPECT_TRUE(y >= 10 && y <= 12);
    EXPECT_EQ(battlefield->walls, 0);

    Generate(3, 2, 0, 20);
    EXPECT_EQ(battlefield->centre_code, ccc_Fortress_City);
    EXPECT_EQ(Houses().count({6, 11}), 0u);
    for (int g = 0; g < NUM_COMBAT_COST_GRIDS; g++) EXPECT_EQ(battlefield->costs[g][Combat_Cell(6, 11)], 255);
}

TEST_F(BattlefieldGen, CostsAndTilesAgreeWithKindsAndTheDiamond)
{
    for (int16_t terrain : {1, 2, 3, 4, 5, 6}) {
        Set_Random_Seed(1000 + terrain);
        Generate(0, terrain);
        for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
            for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
                const int cell = Combat_Cell(x, y);
                const bool on = x + y >= 11 && x + y <= 31 && x - y >= -9 && x - y <= 9;
                const uint8_t kind = battlefield->terrain_kinds[cell];
                const int16_t tile = battlefield->tiles[cell];
                const uint8_t ground = battlefield->costs[ccg_Ground][cell];
                if (!on) {
                    for (int g = 0; g < NUM_COMBAT_COST_GRIDS; g++) EXPECT_EQ(battlefield->costs[g][cell], 255);
                    continue;
                }
                EXPECT_EQ(battlefield->costs[ccg_Air][cell], 2);
                EXPECT_EQ(battlefield->costs[ccg_Water][cell], 255);
                const int base = battlefield->roads[cell] ? 1 : kind == ctk_Rough ? 4 : 2;
                EXPECT_GE(ground, base);
                EXPECT_LE(ground, base == 4 ? 4 : base + 2);  // a tree and a rock add one each
                EXPECT_EQ(battlefield->costs[ccg_Second_Ground][cell], ground);
                if (kind == ctk_Plain) {
                    EXPECT_TRUE(tile >= 0 && tile <= 31 && !(tile >= 4 && tile <= 7)) << tile;
                }
                if (kind == ctk_Dirt) {
                    EXPECT_TRUE(tile >= 4 && tile <= 7);
                }
                if (kind == ctk_Rough) {
                    EXPECT_TRUE(tile >= 32 && tile <= 47);
                }
            }
        }
    }
}

TEST_F(BattlefieldGen, WaterFieldWithTheAttackersIsland)
{
    Generate(0, 0, 0, 0, 1);
    for (int y = 10; y <= 12; y++)
        for (int x = 16; x <= 18; x++) EXPECT_EQ(battlefield->costs[ccg_Ground][Combat_Cell(x, y)], 1);
    EXPECT_EQ(battlefield->costs[ccg_Ground][Combat_Cell(19, 12)], 255);
    EXPECT_EQ(battlefield->costs[ccg_Water][Combat_Cell(19, 12)], 2);
    EXPECT_EQ(battlefield->tree_count, 0);
    EXPECT_EQ(battlefield->rock_count, 0);
}

TEST_F(CombatSetup, TheSameSquareGivesTheSameBattlefieldAndKeepsTheRandomState)
{
    Set_Random_Seed(111);
    Build_Battlefield(20, 20, 0);
    Battlefield_Record first = *battlefield;
    EXPECT_EQ(Get_Random_Seed(), 111u);
    Set_Random_Seed(98765);
    Build_Battlefield(20, 20, 0);
    EXPECT_EQ(memcmp(&first, battlefield, sizeof first), 0);
    EXPECT_EQ(Get_Random_Seed(), 98765u);
    // A tower gives the tower's centre on both planes.
    _TOWERS[0].wx = 20, _TOWERS[0].wy = 20;
    Build_Battlefield(20, 20, 1);
    EXPECT_EQ(battlefield->centre_code, ccc_Tower);
    EXPECT_EQ(battlefield->plane, 1);
}

TEST_F(CombatSetup, PreparesBothSidesAndTheirBonuses)
{
    _combat_defender_player = -1;
    const int16_t a = Overland_Unit(0);
    const int16_t island = Overland_Unit(0, ISLAND_TYPE);
    EXPECT_EQ(Prepare_All_Battle_Units(2, std::vector<int16_t>{a, island}.data()), 0);
    EXPECT_EQ(_combat_defender_player, COMBAT_NO_SIDE);
    EXPECT_EQ(_combat_total_unit_count, 2);
    EXPECT_EQ(battle_units[1].Status, bus_Not_Deployed);
    EXPECT_EQ(attacker_on_floating_island, 1);
    EXPECT_EQ(battle_units[0].Grid_X, 14);
    EXPECT_EQ(battle_units[0].Target_X, 13);
    EXPECT_EQ(battle_units[2].Status, bus_Destroyed);

    // City defenders gain 3 defence in the automatic resolution only.
    Combat_Tables_Reset();
    _combat_defender_player = 1;
    Battle_Unit_Record &d = Unit(0, 1, 3, 2);
    Calc_Battlefield_Bonuses(1);
    EXPECT_EQ(d.Defense, 5);
    Calc_Battlefield_Bonuses(0);
    EXPECT_EQ(d.Defense, 5);
}

TEST_F(CombatSetup, ActionMapMarksUnitsAndReachableCells)
{
    Open_Field();
    Battle_Unit_Record &a = Unit(0, 0);
    a.Grid_X = 14, a.Grid_Y = 12, a.Move_Halves = 2;
    Battle_Unit_Record &d = Unit(1, 1);
    d.Grid_X = 12, d.Grid_Y = 12;
    _active_battle_unit = 0;
    Assign_Combat_Grids();
    EXPECT_EQ(g_combat_grid_action_map[12][14], 0);
    EXPECT_EQ(g_combat_grid_action_map[12][12], 1);
    EXPECT_EQ(g_combat_grid_action_map[12][13], ACTION_MAP_MOVE);
    EXPECT_EQ(g_combat_grid_action_map[11][13], ACTION_MAP_MOVE);
    EXPECT_EQ(g_combat_grid_action_map[12][16], ACTION_MAP_NOTHING);
}

TEST_F(CombatDeploy, SlotsOfBothSides)
{
    std::vector<int16_t> army;
    for (int i = 0; i < 9; i++) army.push_back(Overland_Unit(0));
    battlefield->walls = 1;
    battlefield->centre_code = ccc_City;
    for (int i = 0; i < 9; i++) Overland_Unit(1);
    battlefield->centre_code = ccc_Fortress_City;
    _combat_skip_map_generation = 1;
    Prepare_All_Battle_Units((int16_t)army.size(), army.data());
    _combat_skip_map_generation = 0;
    const int expected[9][2] = {{14, 12}, {14, 11}, {14, 13}, {14, 10}, {15, 12},
                                {15, 11}, {15, 13}, {15, 10}, {16, 12}};
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(battle_units[i].Grid_X, expected[i][0]) << i;
        EXPECT_EQ(battle_units[i].Grid_Y, expected[i][1]) << i;
    }
    const int walled[9][2] = {{8, 12}, {8, 11}, {7, 12}, {7, 11}, {7, 13}, {7, 10}, {6, 12}, {6, 13}, {6, 10}};
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(battle_units[9 + i].Grid_X, walled[i][0]) << i;
        EXPECT_EQ(battle_units[9 + i].Grid_Y, walled[i][1]) << i;
        EXPECT_EQ(battle_units[9 + i].Target_X, walled[i][0] + 1);
    }
}

TEST_F(CombatDeploy, ArchersToTheFrontAndUnitsOnWater)
{
    for (int i = 0; i < 6; i++) {
        Battle_Unit_Record &bu = Unit(i, 0, i == 3 ? 5 : i == 1 ? 4 : 1);
        bu.Ranged_Type = rk_Bow_First;
        bu.Ranged = 3;
    }
    Deploy_Battle_Units(0);
    EXPECT_EQ(battle_units[3].Grid_X, 14);
    EXPECT_EQ(battle_units[3].Grid_Y, 12);
    EXPECT_EQ(battle_units[1].Grid_Y, 11);
    EXPECT_EQ(battle_units[0].Grid_Y, 13);

    Combat_Tables_Reset();
    const int16_t ocean = (int16_t)World_Square_Index(_combat_wx, _combat_wy, _combat_wp);
    _world_maps[ocean] = tt_Ocean_Edge;
    Unit(0, 0);
    Battle_Unit_Record &walker = Unit(1, 0);
    EXPECT_EQ(Undeployable_Battle_Units_On_Water(0), 2);
    EXPECT_EQ(walker.Status, bus_Not_Deployed);
    Unit(0, 0);
    Battle_Unit_Record &wind = Unit(1, 0);
    wind.Abilities = UA_WINDWALKING;
    EXPECT_EQ(Undeployable_Battle_Units_On_Water(0), 0);
    EXPECT_EQ(battle_units[0].Status, bus_Fighting);
}

TEST_F(CombatDeploy, FigureSetsAndRetreat)
{
    Battle_Unit_Record &a = Unit(0, 0);
    a.Figure_Set = 0;
    Unit(1, 0).Figure_Set = 1;
    EXPECT_EQ(Battle_Unit_Pict_Open(), 2);
    a.Status = bus_Dead;
    EXPECT_EQ(Battle_Unit_Pict_Open(), 0);
    // A side of builders may flee when it is hopeless.
    Combat_Tables_Reset();
    Battle_Unit_Record &settler = Unit(0, 1, 0);
    settler.Abilities = UA_CREATEOUTPOST;
    Unit(1, 0, 9, 9);
    EXPECT_EQ(AI_Retreat_Check(1), 1);
    Unit(2, 1, 0);
    EXPECT_EQ(AI_Retreat_Check(1), 0);
}

TEST_F(CombatMove, WalkingPaysThePathAndTeleportingPaysTwo)
{
    Open_Field();
    Battle_Unit_Record &bu = Unit(0, 0);
    bu.Grid_X = 14, bu.Grid_Y = 12, bu.Move_Halves = 6;
    Move_Battle_Unit(&bu, 12, 12);
    EXPECT_EQ(bu.Grid_X, 12);
    EXPECT_EQ(bu.Move_Halves, 2);
    EXPECT_EQ(bu.Target_X, 11);
    // An unreachable target changes nothing.
    Battle_Unit_Record &blocker = Unit(1, 1);
    blocker.Grid_X = 11, blocker.Grid_Y = 12;
    Move_Battle_Unit(&bu, 11, 12);
    EXPECT_EQ(bu.Grid_X, 12);
    EXPECT_EQ(bu.Move_Halves, 2);
    EXPECT_EQ(bu.Target_X, 11);

    Battle_Unit_Record &port = Unit(2, 0);
    port.Move_Flags = MV_TELEPORTING;
    port.Grid_X = 15, port.Grid_Y = 12, port.Move_Halves = 6;
    Move_Battle_Unit(&port, 8, 8);
    EXPECT_EQ(port.Grid_X, 8);
    EXPECT_EQ(port.Move_Halves, 4);
    port.Move_Halves = 2;
    Move_Battle_Unit(&port, 9, 9);
    EXPECT_EQ(port.Move_Halves, 0);
}

TEST_F(CombatMove, WallsAndTheFlyingCityCloseCells)
{
    Open_Field();
    battlefield->walls = 1;
    battlefield->centre_code = ccc_City;
    for (auto &row : battlefield->wall_sections)
        for (int16_t &s : row) s = WALL_SECTION_STANDING;
    battlefield->wall_sections[1][1] = battlefield->wall_sections[1][2] = 0;
    battlefield->wall_sections[2][1] = battlefield->wall_sections[2][2] = 0;
    Battle_Unit_Record &outside = Unit(0, 0);
    outside.Grid_X = 12, outside.Grid_Y = 12;
    Combat_Build_Unit_Cost_Map(&outside);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(8, 11)], 255);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(8, 12)], 2);  // the gate
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(7, 12)], 2);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(6, 11)], 255);  // the centre
    Battle_Unit_Record &inside = Unit(1, 1);
    inside.Grid_X = 6, inside.Grid_Y = 11;
    Combat_Build_Unit_Cost_Map(&inside);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(9, 11)], 255);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(4, 9)], 255);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(9, 12)], 2);  // beyond the gate
    inside.Move_Flags = MV_FLYING;
    Combat_Build_Unit_Cost_Map(&inside);
    EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(9, 11)], 2);

    // A flying city without walls: no walker crosses its edge either way, the gate included.
    Open_Field();
    battlefield->centre_code = ccc_City;
    battlefield->city_enchantments[ce_Flying_Fortress] = 1;
    Combat_Build_Unit_Cost_Map(&outside);
    for (int y = 10; y <= 13; y++)
        for (int x = 5; x <= 8; x++) EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(x, y)], 255) << x << "," << y;
    inside.Move_Flags = MV_FOOT;
    Combat_Build_Unit_Cost_Map(&inside);
    for (int y = 9; y <= 14; y++) {
        EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(4, y)], 255);
        EXPECT_EQ(_cmbt_movepath_cost_map[Combat_Cell(9, y)], 255);
    }
    Move_Battle_Unit(&inside, 12, 11);
    EXPECT_EQ(inside.Grid_X, 6);
}

TEST_F(CombatMove, WallOfFireBurnsWalkersOnTheWayIn)
{
    Open_Field();
    battlefield->wall_of_fire = 1;
    Battle_Unit_Record &bu = Unit(0, 0, 3, 0, 1, 1);
    bu.Grid_X = 10, bu.Grid_Y = 12, bu.Move_Halves = 10;
    spell_data_table[96].Param_Words[1] = 0x0010;  // no rolls: 10 points
    Move_Battle_Unit(&bu, 7, 12);
    EXPECT_EQ(bu.Status, bus_Dead);
    EXPECT_EQ(bu.Grid_X, 8);
    Battle_Unit_Record &flyer = Unit(1, 0, 3, 0, 1, 1);
    flyer.Move_Flags = MV_FLYING;
    flyer.Grid_X = 10, flyer.Grid_Y = 11, flyer.Move_Halves = 10;
    Move_Battle_Unit(&flyer, 7, 11);
    EXPECT_EQ(flyer.Status, bus_Fighting);
    EXPECT_EQ(flyer.Grid_X, 7);
}

TEST_F(CombatPath, CostsNeighboursAndReach)
{
    Open_Field();
    memcpy(_cmbt_movepath_cost_map, battlefield->costs[ccg_Ground], COMBAT_GRID_CELLS);
    Combat_Move_Path_Find(10, 10, 11, 11);
    ASSERT_EQ(movement_path_grid_cell_count, 1);
    EXPECT_EQ(_cmbt_mvpth_c[Combat_Cell(11, 11)], 3);  // diagonal: the entry cost plus 1
    EXPECT_EQ(_cmbt_mvpth_c[Combat_Cell(11, 10)], 2);
    // The bottom row's one playable cell is reachable.
    memcpy(_cmbt_movepath_cost_map, battlefield->costs[ccg_Ground], COMBAT_GRID_CELLS);
    Combat_Move_Path_Find(11, 11, 11, 20);
    EXPECT_EQ(movement_path_grid_cell_count, 9);
    EXPECT_EQ(_cmbt_mvpth_x[8], 11);
    EXPECT_EQ(_cmbt_mvpth_y[8], 20);
    // A blocked target needs no search.
    _cmbt_movepath_cost_map[Combat_Cell(12, 12)] = 255;
    Combat_Move_Path_Find(11, 11, 12, 12);
    EXPECT_EQ(movement_path_grid_cell_count, 0);
    // With 2 moves a rough neighbour is still enterable.
    memcpy(_cmbt_movepath_cost_map, battlefield->costs[ccg_Ground], COMBAT_GRID_CELLS);
    _cmbt_movepath_cost_map[Combat_Cell(11, 10)] = 4;
    Combat_Move_Path_Valid(10, 10, 2);
    EXPECT_EQ(_cmbt_path_data[Combat_Cell(11, 10)], 1);
    EXPECT_EQ(_cmbt_path_data[Combat_Cell(12, 10)], 0);
    // Column 0 looks at no neighbour on its left: nothing wraps into the row above.
    memset(_cmbt_movepath_cost_map, 1, COMBAT_GRID_CELLS);
    Combat_Move_Path_Valid(0, 5, 1);
    EXPECT_EQ(_cmbt_path_data[Combat_Cell(20, 4)], 0);
    EXPECT_EQ(_cmbt_path_data[Combat_Cell(1, 5)], 1);
}

TEST_F(CombatPath, ALongPathKeepsItsFirstThirtyCells)
{
    memset(_cmbt_movepath_cost_map, 255, COMBAT_GRID_CELLS);
    // A winding corridor: rows 0, 2, 4 joined at alternate ends.
    for (int x = 0; x < 21; x++) _cmbt_movepath_cost_map[Combat_Cell(x, 0)] = 1;
    _cmbt_movepath_cost_map[Combat_Cell(20, 1)] = 1;
    for (int x = 0; x < 21; x++) _cmbt_movepath_cost_map[Combat_Cell(x, 2)] = 1;
    Combat_Move_Path_Find(0, 0, 0, 2);
    ASSERT_EQ(movement_path_grid_cell_count, COMBAT_PATH_MAX);
    EXPECT_EQ(_cmbt_mvpth_x[0], 1);
    EXPECT_EQ(_cmbt_mvpth_y[0], 0);
    EXPECT_GT(_cmbt_mvpth_c[Combat_Cell(0, 2)], COMBAT_PATH_MAX);
}
