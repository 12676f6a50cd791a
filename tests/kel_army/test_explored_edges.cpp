// Exploring squares for the map (edge rules, corner repair, the map's top and bottom rows) and the
// contacts a player's sight makes.
#include <gtest/gtest.h>

#include <cstring>

#include "World_Fixture.h"
#include "overland/Explored_Edges.h"
#include "world/ALLOC.h"

namespace {

uint8_t &At(int x, int y, int p) { return _square_explored[World_Square_Index(x, y, p)]; }

int Explored_Count(int p)
{
    int n = 0;
    for (int sq = 0; sq < WORLD_SIZE; sq++) n += _square_explored[p * WORLD_SIZE + sq] != 0;
    return n;
}

}  // namespace

class ScoutingExploredEdges : public World_Test {};

TEST_F(ScoutingExploredEdges, LoneSquareGivesItsNeighboursTheSharedCorners)
{
    Set_Square_Explored_Flags(0, 10, 1);
    const uint8_t expected[3][3] = {{8, 9, 1}, {12, 15, 3}, {4, 6, 2}};
    const int columns[3] = {59, 0, 1};
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) EXPECT_EQ(At(columns[c], 9 + r, 1), expected[r][c]) << r << " " << c;
    EXPECT_EQ(Explored_Count(1), 9);
    EXPECT_EQ(Explored_Count(0), 0);
}

TEST_F(ScoutingExploredEdges, RowZeroSetsOnlyThatSquare)
{
    Set_Square_Explored_Flags(30, 0, 0);
    EXPECT_EQ(At(30, 0, 0), 15);
    EXPECT_EQ(Explored_Count(0), 1);
    EXPECT_EQ(Explored_Count(1), 0);
}

TEST_F(ScoutingExploredEdges, RowThirtyNineStaysOnItsPlaneAndRows)
{
    for (int x : {0, 30, 59}) Set_Square_Explored_Flags((int16_t)x, 39, 0);
    EXPECT_EQ(Explored_Count(1), 0);
    EXPECT_EQ(At(30, 39, 0), 15);
    EXPECT_EQ(At(30, 38, 0), 9);
    for (int y = 0; y < 38; y++)
        for (int x = 0; x < WORLD_WIDTH; x++) ASSERT_EQ(At(x, y, 0), 0) << x << " " << y;
    // On the last plane nothing lands beyond the array: the world block after it keeps its bytes.
    const uint8_t after = _square_explored[NUM_PLANES * WORLD_SIZE];
    Set_Square_Explored_Flags(30, 39, 1);
    EXPECT_EQ(_square_explored[NUM_PLANES * WORLD_SIZE], after);
    EXPECT_EQ(At(30, 39, 1), 15);
}

TEST_F(ScoutingExploredEdges, EdgeRulesLastMatchDecidesTheSquare)
{
    At(20, 20, 0) = 1;
    At(21, 20, 0) = 8;
    Set_Square_Explored_Flags_Fix(20, 20, 0);
    EXPECT_EQ(At(20, 20, 0), 9);
    EXPECT_EQ(At(21, 20, 0), 9);
    // Value 2 with 12 east and 9 south: the east rule, then the south rule, which decides the square.
    // The square is the last one visited, so the rules of its neighbours do not change it after.
    memset(_square_explored, 0, NUM_PLANES * WORLD_SIZE);
    At(40, 15, 1) = 2;
    At(41, 15, 1) = 12;
    At(40, 16, 1) = 9;
    Set_Square_Explored_Flags_Fix(38, 13, 1);
    EXPECT_EQ(At(40, 15, 1), 3);
    EXPECT_EQ(At(41, 15, 1), 15);
    EXPECT_EQ(At(40, 16, 1), 11);
}

TEST_F(ScoutingExploredEdges, CornerRepairJoinsFourSquaresWithNoSideUnexplored)
{
    At(10, 10, 0) = 5, At(11, 10, 0) = 7, At(10, 11, 0) = 10, At(11, 11, 0) = 14;
    Set_Square_Explored_Flags_Bottom_Right_Corner(10, 10, 0);
    EXPECT_EQ(At(10, 10, 0), 13);
    EXPECT_EQ(At(11, 10, 0), 7);
    EXPECT_EQ(At(10, 11, 0), 14);
    EXPECT_EQ(At(11, 11, 0), 14);
    At(59, 20, 0) = 5, At(0, 20, 0) = 3, At(59, 21, 0) = 10, At(0, 21, 0) = 14;  // 3 has a side open
    Set_Square_Explored_Flags_Bottom_Right_Corner(59, 20, 0);
    EXPECT_EQ(At(59, 20, 0), 5);
    At(5, 39, 0) = 5;
    Set_Square_Explored_Flags_Bottom_Right_Corner(5, 39, 0);  // no row 40
    EXPECT_EQ(At(5, 39, 0), 5);
    EXPECT_EQ(_square_explored[WORLD_SIZE + 5], 0);
}

TEST_F(ScoutingExploredEdges, DiagonalNeighboursShareTheirCorner)
{
    Set_Square_Explored_Flags(10, 10, 0);
    Set_Square_Explored_Flags(11, 11, 0);
    EXPECT_EQ(At(11, 10, 0) & 1, 1);
    EXPECT_EQ(At(10, 11, 0) & 4, 4);
    EXPECT_EQ(At(10, 10, 0), 15);
    EXPECT_EQ(At(11, 11, 0), 15);
}

class ScoutingRange : public World_Test {
protected:
    int16_t Unit(int owner, int x, int y, int p)
    {
        int16_t u = _units++;
        _UNITS[u] = Unit_Record{};
        _UNITS[u].owner_idx = (int8_t)owner;
        _UNITS[u].wx = (uint8_t)x, _UNITS[u].wy = (uint8_t)y, _UNITS[u].wp = (uint8_t)p;
        return u;
    }
    int16_t City(int owner, int x, int y, int p)
    {
        int16_t c = _cities++;
        _CITIES[c] = City_Record{};
        _CITIES[c].owner_idx = (int8_t)owner;
        _CITIES[c].wx = (uint8_t)x, _CITIES[c].wy = (uint8_t)y, _CITIES[c].wp = (uint8_t)p;
        return c;
    }
};

TEST_F(ScoutingRange, ComputerWizardsMeetTheHumanDoesNot)
{
    Unit(2, 58, 10, 0);                      // 3 away across the seam
    const int16_t last = Unit(0, 1, 12, 0);  // the human's unit, 2 away
    Unit(5, 1, 10, 0);                       // neutral
    Unit(3, 1, 10, 1);                       // other plane
    EXPECT_EQ(Contact_Players_In_Scouting_Range(1, 1, 10, 0, 0), -1);
    EXPECT_EQ(_players[1].Dipl_Contacted[2], 0);
    EXPECT_EQ(Contact_Players_In_Scouting_Range(1, 1, 10, 0, 3), last);
    EXPECT_EQ(_players[1].Dipl_Contacted[2], 1);
    EXPECT_EQ(_players[2].Dipl_Contacted[1], 1);
    EXPECT_EQ(_players[1].Dipl_Contacted[0], 0);
    EXPECT_EQ(_players[0].Dipl_Contacted[1], 0);
    EXPECT_EQ(_players[1].Dipl_Contacted[3], 0);
    EXPECT_EQ(_players[1].Dipl_Contacted[5], 0);
    // The human's own sight: no contact bytes from here.
    EXPECT_EQ(Contact_Players_In_Scouting_Range(0, 58, 10, 0, 1), 0);
    EXPECT_EQ(_players[0].Dipl_Contacted[2], 0);
}

TEST_F(ScoutingRange, CitiesWithinThreeBecomeKnown)
{
    const int16_t near = City(2, 13, 10, 0);
    const int16_t far = City(2, 14, 10, 0);
    const int16_t neutral = City(5, 11, 10, 0);
    const int16_t human = City(0, 12, 11, 0);
    Contact_Players_In_Scouting_Range(1, 10, 10, 0, 1);
    EXPECT_EQ(_CITIES[near].contacts, 1u << 1);
    EXPECT_EQ(_CITIES[far].contacts, 0u);
    EXPECT_EQ(_CITIES[neutral].contacts, 0u);
    EXPECT_EQ(_CITIES[human].contacts, 1u << 1);
    EXPECT_EQ(_players[1].Dipl_Contacted[2], 1);
    EXPECT_EQ(_players[2].Dipl_Contacted[1], 1);
    EXPECT_EQ(_players[1].Dipl_Contacted[0], 0);
}
