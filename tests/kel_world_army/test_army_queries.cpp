// Unit, city, fortress and node queries; towers joining the planes; plane shifting; exploring a
// block; the Nature Awareness reveal; the settle offer.
#include "Army_Fixture.h"
#include "world/Army_Queries.h"
#include "world/Plane_Shift.h"
#include "world/Unit_Stack.h"

using namespace army_test;

class ArmyQueries : public Army_Test {};

TEST_F(ArmyQueries, TowerUnitStandsOnBothPlanesForTheTowerAwareQueries)
{
    const int16_t u = Add_Unit(WALKER, 1, 50, 30, 0);
    _UNITS[u].in_tower = UNIT_IN_TOWER;
    Add_City(1, 50, 30, 1);
    int16_t list[ARMY_AT_SQUARE_MAX];
    int16_t n = -1;
    for (int16_t plane = 0; plane < 2; plane++) {
        Player_Army_At_Square(50, 30, plane, 1, &n, list);
        EXPECT_EQ(n, 1) << plane;
        Enemy_Army_At_Square(50, 30, plane, 0, &n, list);
        EXPECT_EQ(n, 1) << plane;
        Army_At_Square_2(50, 30, plane, &n, list);
        EXPECT_EQ(n, 1) << plane;
    }
    Army_At_Square_3(50, 30, 1, &n, list);
    EXPECT_EQ(n, 0);
    Army_At_Square_3(50, 30, 0, &n, list);
    EXPECT_EQ(n, 1);
    Army_At_City(0, &n, list);
    EXPECT_EQ(n, 0);
    Enemy_Army_At_Square(50, 30, 0, 1, &n, list);
    EXPECT_EQ(n, 0);
}

TEST_F(ArmyQueries, CityAndSquareTwoStopAtNineTheOthersListAll)
{
    Add_City(0, 5, 5, 0);
    Add_Unit(WALKER, 0, 5, 5, 1);  // other plane
    Add_Units(12, WALKER, 0, 5, 5, 0);
    const int16_t dead = Add_Unit(WALKER, 0, 5, 5, 0);
    _UNITS[dead].owner_idx = -1;
    int16_t list[ARMY_AT_SQUARE_MAX];
    int16_t n = 0;
    Army_At_City(0, &n, list);
    EXPECT_EQ(n, 9);
    EXPECT_EQ(list[0], 1);
    Army_At_Square_2(5, 5, 0, &n, list);
    EXPECT_EQ(n, 9);
    Player_Army_At_Square(5, 5, 0, 0, &n, list);
    EXPECT_EQ(n, 12);
    EXPECT_EQ(list[11], 12);
    Army_At_Square_3(5, 5, 0, &n, list);
    EXPECT_EQ(n, 12);
}

TEST_F(ArmyQueries, FortressSummoningCircleAndNode)
{
    Add_City(2, 7, 7, 0);
    const int16_t home = Add_City(1, 8, 8, 1);
    _FORTRESSES[1] = Fortress_Record{8, 8, 1, 1};
    _FORTRESSES[2] = Fortress_Record{7, 7, 0, 0};  // destroyed
    _FORTRESSES[5] = Fortress_Record{7, 7, 0, 1};
    _players[1].summon_wx = 8, _players[1].summon_wy = 8, _players[1].summon_wp = 1;
    _players[5].summon_wx = 8, _players[5].summon_wy = 8, _players[5].summon_wp = 1;
    EXPECT_EQ(Player_Fortress_City(1), home);
    EXPECT_EQ(Player_Fortress_City(2), -1);
    EXPECT_EQ(Player_Fortress_City(5), -1);
    EXPECT_EQ(Player_Summon_City(1), home);
    EXPECT_EQ(Player_Summon_City(5), -1);
    EXPECT_EQ(Player_Summon_City(0), -1);
    _NODES[4].wx = 3, _NODES[4].wy = 4, _NODES[4].wp = 1;
    EXPECT_EQ(Get_Map_Square_Magic_Node(3, 4, 1), 4);
    EXPECT_EQ(Get_Map_Square_Magic_Node(3, 4, 0), -1);
}

TEST_F(ArmyQueries, ExploredBlockKeepsItsSideAtRowZeroAndWrapsAtColumnZero)
{
    Set_Square_Explored_Flags_Range(10, 0, 0, 3);
    ASSERT_EQ(m_recorder.explored.size(), 25u);
    EXPECT_EQ(m_recorder.explored.front(), (Square{8, 0, 0}));
    EXPECT_EQ(m_recorder.explored.back(), (Square{12, 4, 0}));
    m_recorder.explored.clear();
    Set_Square_Explored_Flags_Range(0, 20, 1, 3);
    ASSERT_EQ(m_recorder.explored.size(), 25u);
    std::vector<int> columns;
    for (int i = 0; i < 5; i++) columns.push_back(std::get<0>(m_recorder.explored[i]));
    EXPECT_EQ(columns, (std::vector<int>{58, 59, 0, 1, 2}));
    EXPECT_EQ(std::get<1>(m_recorder.explored.front()), 18);
    m_recorder.explored.clear();
    Set_Square_Explored_Flags_Range(30, 39, 0, 2);  // rows 38 and 39 only
    EXPECT_EQ(m_recorder.explored.size(), 6u);
    m_recorder.explored.clear();
    Set_Square_Explored_Flags_Range(30, 20, 0, 0);
    EXPECT_TRUE(m_recorder.explored.empty());
    Set_Square_Explored_Flags_Range(30, 20, 0, 1);
    EXPECT_EQ(m_recorder.explored, (std::vector<Square>{{30, 20, 0}}));
}

TEST_F(ArmyQueries, StackEnteringATowerStandsOnBothPlanesAndLeavesOntoItsPlane)
{
    const int16_t a = Add_Unit(WALKER, 0, 51, 30, 1);
    const int16_t b = Add_Unit(WALKER, 0, 51, 30, 1);
    const int16_t list[2] = {a, b};
    Units_In_Tower(2, list, 1);
    EXPECT_EQ(_UNITS[a].in_tower, UNIT_IN_TOWER);
    EXPECT_EQ(_UNITS[b].in_tower, UNIT_IN_TOWER);
    EXPECT_EQ(_TOWERS[1].owner_idx, 0);
    EXPECT_EQ(m_recorder.explored, (std::vector<Square>{{51, 30, 0}, {51, 30, 1}}));
    // Moved off the tower onto plane 0: they take that plane.
    _UNITS[a].wy = _UNITS[b].wy = 31;
    Units_In_Tower(2, list, 0);
    EXPECT_EQ(_UNITS[a].wp, 0);
    EXPECT_EQ(_UNITS[a].in_tower, 0);
    EXPECT_EQ(_UNITS[b].wp, 0);
    // A computer player's stack takes the tower but explores nothing for the human.
    m_recorder.explored.clear();
    const int16_t c = Add_Unit(WALKER, 2, 53, 30, 0);
    Units_In_Tower(1, &c, 0);
    EXPECT_EQ(_TOWERS[3].owner_idx, 2);
    EXPECT_TRUE(m_recorder.explored.empty());
    Units_In_Tower(0, &c, 1);
    EXPECT_EQ(_UNITS[c].wp, 0);
}

TEST_F(ArmyQueries, AllUnitsInTowersMarksExactlyTheTowerSquares)
{
    const int16_t on = Add_Unit(WALKER, 1, 55, 30, 1);
    const int16_t off = Add_Unit(WALKER, 1, 55, 31, 1);
    _UNITS[off].in_tower = UNIT_IN_TOWER;
    All_Units_In_Towers();
    EXPECT_EQ(_UNITS[on].in_tower, UNIT_IN_TOWER);
    EXPECT_EQ(_UNITS[off].in_tower, 0);
}

TEST_F(ArmyQueries, FourMayShiftOntoFiveButNotOntoSix)
{
    struct Case {
        int already;
        int16_t expected;
    } cases[] = {{0, PLANE_SHIFT_ALLOWED}, {5, PLANE_SHIFT_ALLOWED}, {6, PLANE_SHIFT_REFUSED}};
    for (const Case &c : cases) {
        _units = 0;
        const int16_t first = Add_Unit(WALKER, 0, 20, 20, 0);
        Add_Units(3, WALKER, 0, 20, 20, 0);
        Select_Stack({first, 1, 2, 3});
        Add_Units(c.already, WALKER, 0, 20, 20, 1);
        EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), c.expected) << c.already;
    }
}

TEST_F(ArmyQueries, StackShiftIsRefusedByEnemiesLairsAndWater)
{
    const int16_t first = Add_Unit(WALKER, 0, 20, 20, 0);
    Select_Stack({first});
    EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), PLANE_SHIFT_ALLOWED);
    const int16_t enemy = Add_Unit(WALKER, 3, 20, 20, 1);
    EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), PLANE_SHIFT_REFUSED);
    _UNITS[enemy].owner_idx = -1;
    m_recorder.lairs.push_back({20, 20, 1});
    EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), PLANE_SHIFT_REFUSED);
    m_recorder.lairs.clear();
    Water(20, 20, 1);
    EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), PLANE_SHIFT_REFUSED);
    _UNITS[first].type = FLYER;
    EXPECT_EQ(Check_Stack_Plane_Shift(first, 1), PLANE_SHIFT_ALLOWED);
}

TEST_F(ArmyQueries, ComputerArmyShiftRules)
{
    // Army of 8 onto empty land: yes; of 9: never.
    Add_Units(8, WALKER, 1, 10, 10, 0);
    EXPECT_EQ(Map_Square_Troops_Can_Plane_Shift(10, 10, 0), 1);
    Add_Unit(WALKER, 1, 10, 10, 0);
    EXPECT_EQ(Map_Square_Troops_Can_Plane_Shift(10, 10, 0), 0);
    EXPECT_EQ(Map_Square_Troops_Can_Plane_Shift(11, 10, 0), 0);  // nobody there

    struct Case {
        const char *what;
        int army_type;
        int army_count;
        int there_owner;  // -1 none
        int there_count;
        bool water;
        bool lair;
        bool own_city;
        int expected;
    } cases[] = {
        {"own units, sum 9", WALKER, 4, 1, 5, false, false, false, 1},
        {"own units, sum 10", WALKER, 4, 1, 6, false, false, false, 0},
        {"another owner's units", WALKER, 1, 2, 1, false, false, false, 0},
        {"lair", WALKER, 1, -1, 0, false, true, false, 0},
        {"own city", WALKER, 1, -1, 0, false, false, true, 0},
        {"ship onto land", SHIP, 1, -1, 0, false, false, false, 0},
        {"walker onto water", WALKER, 1, -1, 0, true, false, false, 0},
        {"swimmer onto water", SWIMMER, 2, -1, 0, true, false, false, 1},
        {"flyer onto water", FLYER, 1, -1, 0, true, false, false, 1},
    };
    for (const Case &c : cases) {
        _units = 0;
        m_recorder.lairs.clear();
        m_recorder.own_cities.clear();
        _world_maps[World_Square_Index(30, 15, 1)] = c.water ? tt_Ocean : tt_Grasslands;
        Add_Units(c.army_count, c.army_type, 1, 30, 15, 0);
        if (c.there_owner >= 0) Add_Units(c.there_count, WALKER, c.there_owner, 30, 15, 1);
        if (c.lair) m_recorder.lairs.push_back({30, 15, 1});
        if (c.own_city) m_recorder.own_cities.push_back({30, 15, 1, 1});
        EXPECT_EQ(Map_Square_Troops_Can_Plane_Shift(30, 15, 0), c.expected) << c.what;
    }
    // A wind walker already across carries walkers over water.
    _units = 0;
    Water(30, 15, 1);
    Add_Unit(WALKER, 1, 30, 15, 0);
    const int16_t walker = Add_Unit(WALKER, 1, 30, 15, 1);
    _UNITS[walker].enchantments = UE_WINDWALKING;
    EXPECT_EQ(Map_Square_Troops_Can_Plane_Shift(30, 15, 0), 1);
}

TEST_F(ArmyQueries, PlaneButtonCrossingMovesTheSelectedUnitsAndChargesTwoHalfMoves)
{
    const int16_t a = Add_Unit(WALKER, 0, 51, 30, 0);
    const int16_t b = Add_Unit(WALKER, 0, 51, 30, 0);
    const int16_t c = Add_Unit(WALKER, 0, 51, 30, 0);
    _UNITS[a].moves2 = 5;
    _UNITS[b].moves2 = 1;
    Select_Stack({a, b, c});
    _unit_stack[2].active = 0;
    Active_Stack_Take_Plane(1);
    EXPECT_EQ(_UNITS[a].wp, 1);
    EXPECT_EQ(_UNITS[a].moves2, 3);
    EXPECT_EQ(_UNITS[a].Finished, 0);
    EXPECT_EQ(_UNITS[b].wp, 1);
    EXPECT_EQ(_UNITS[b].moves2, 0);
    EXPECT_EQ(_UNITS[b].Finished, 1);
    EXPECT_EQ(_UNITS[c].wp, 0);
    // Standing on a tower they are in it again.
    EXPECT_EQ(_UNITS[a].in_tower, UNIT_IN_TOWER);
    // None selected: all cross.
    Select_Stack({a, c}, false);
    Active_Stack_Take_Plane(0);
    EXPECT_EQ(_UNITS[a].wp, 0);
    EXPECT_EQ(_UNITS[c].wp, 0);
}

TEST_F(ArmyQueries, NatureAwarenessRevealsBothPlanesAndContactsEveryWizardInPlay)
{
    _num_players = 3;
    _current_player_idx = 0;
    Cheat_Reveal();
    for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) ASSERT_EQ(_square_explored[sq], 15) << sq;
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) EXPECT_EQ(_players[i].Dipl_Contacted[j], 1) << i << " " << j;
    EXPECT_EQ(_players[0].Dipl_Contacted[3], 0);
    EXPECT_EQ(_players[3].Dipl_Contacted[0], 0);
    EXPECT_EQ(_players[0].Globals[ge_Natures_Awareness], 1);
    EXPECT_EQ(m_recorder.redraws, 1);
}

TEST_F(ArmyQueries, SettleOfferNeedsALivingSettlerAndAFreeSite)
{
    const int16_t walker = Add_Unit(WALKER, 0, 12, 12, 0);
    const int16_t settler = Add_Unit(SETTLER, 0, 12, 12, 0);
    const int16_t list[2] = {walker, settler};
    special_action_flag = -1;
    _UNITS[settler].mutations = UM_UNDEAD;
    EXPECT_EQ(Unit_Action_Special_Settle(2, list), 0);
    EXPECT_EQ(special_action_flag, -1);
    _UNITS[settler].mutations = 0;
    m_recorder.survey = 5;
    EXPECT_EQ(Unit_Action_Special_Settle(2, list), 0);
    m_recorder.survey = 0;
    EXPECT_EQ(Unit_Action_Special_Settle(2, list), 1);
    EXPECT_EQ(special_action_flag, 1);
}
