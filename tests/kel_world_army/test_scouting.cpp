// Scouted squares of the current player and the contacts they make.
#include "Army_Fixture.h"
#include "world/Army_Queries.h"
#include "world/Scouting.h"

using namespace army_test;

namespace {

void Explore_All(int wp) { memset(_square_explored + wp * WORLD_SIZE, 15, WORLD_SIZE); }

std::vector<std::pair<int, int>> Scouted_Squares(int wp)
{
    std::vector<std::pair<int, int>> squares;
    for (int y = 0; y < WORLD_HEIGHT; y++)
        for (int x = 0; x < WORLD_WIDTH; x++)
            if (Check_Square_Scouted((int16_t)x, (int16_t)y, (int16_t)wp)) squares.push_back({x, y});
    return squares;
}

}  // namespace

class Scouting : public Army_Test {
protected:
    void SetUp() override
    {
        Army_Test::SetUp();
        _num_players = 4;
        Clear_Square_Scouted_Flags(0);
        Clear_Square_Scouted_Flags(1);
    }
};

TEST_F(Scouting, BlocksStayOnTheMapAtRowOneAndWrapAtColumnFiftyNine)
{
    Explore_All(0);
    Set_Square_Scouted_Flags(20, 1, 0, 2);
    auto squares = Scouted_Squares(0);
    ASSERT_EQ(squares.size(), 25u);
    EXPECT_EQ(squares.front(), (std::pair<int, int>{18, 0}));
    EXPECT_EQ(squares.back(), (std::pair<int, int>{22, 4}));
    Clear_Square_Scouted_Flags(0);
    Set_Square_Scouted_Flags(59, 20, 0, 2);
    squares = Scouted_Squares(0);
    ASSERT_EQ(squares.size(), 25u);
    std::vector<int> columns;
    for (int i = 0; i < 5; i++) columns.push_back(squares[i].first);
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 57, 58, 59}));
    Clear_Square_Scouted_Flags(0);
    Set_Square_Scouted_Flags(30, 39, 0, 1);
    EXPECT_EQ(Scouted_Squares(0).size(), 6u);
    EXPECT_TRUE(Scouted_Squares(1).empty());
}

TEST_F(Scouting, UnexploredSquaresAreNeverScouted)
{
    _square_explored[World_Square_Index(10, 10, 0)] = 15;
    _square_explored[World_Square_Index(11, 10, 0)] = 3;  // partly explored counts
    Set_Square_Scouted_Flags(10, 10, 0, 3);
    EXPECT_EQ(Scouted_Squares(0), (std::vector<std::pair<int, int>>{{10, 10}, {11, 10}}));
    // Under Nature Awareness too.
    _players[0].Globals[ge_Natures_Awareness] = 1;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 2u);
    EXPECT_TRUE(Scouted_Squares(1).empty());
}

TEST_F(Scouting, UnitRangesByFlightPatrolAndScoutingValue)
{
    Explore_All(0);
    Explore_All(1);
    struct Case {
        const char *what;
        int type;
        uint8_t sight;
        uint8_t status;
        size_t squares;
    } cases[] = {
        {"flying, value 1", FLYER, 1, us_Ready, 25},   {"patrol, value 1", WALKER, 1, us_Patrol, 25},
        {"standing, value 1", WALKER, 1, us_Ready, 9}, {"value 0", WALKER, 0, us_Ready, 0},
        {"flying, value 3", FLYER, 3, us_Ready, 49},
    };
    for (const Case &c : cases) {
        _units = 0;
        const int16_t u = Add_Unit(c.type, 0, 30, 20, 1);
        _UNITS[u].Sight_Range = c.sight;
        _UNITS[u].Status = c.status;
        Update_Scouted_And_Contacted();
        EXPECT_EQ(Scouted_Squares(1).size(), c.squares) << c.what;
        EXPECT_TRUE(Scouted_Squares(0).empty()) << c.what;
    }
    // In a tower the unit scouts both planes.
    _units = 0;
    const int16_t u = Add_Unit(WALKER, 0, 50, 30, 1);
    _UNITS[u].Sight_Range = 1;
    _UNITS[u].in_tower = UNIT_IN_TOWER;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 9u);
    EXPECT_EQ(Scouted_Squares(1).size(), 9u);
}

TEST_F(Scouting, CityRangesLastTestWins)
{
    Explore_All(0);
    const int16_t c = Add_City(0, 30, 20, 0);
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 25u);
    _CITIES[c].bldg_status[35] = 1;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 49u);
    _CITIES[c].enchantments[ce_Natures_Eye] = 1;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 121u);
    _CITIES[c].bldg_status[18] = 0;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(Scouted_Squares(0).size(), 81u);
}

TEST_F(Scouting, NoContactWithInvisibleUnitsOrNeutrals)
{
    Explore_All(0);
    const int16_t scout = Add_Unit(WALKER, 0, 30, 20, 0);
    _UNITS[scout].Sight_Range = 2;
    const int16_t invisible = Add_Unit(WALKER, 1, 31, 20, 0);
    _UNITS[invisible].enchantments = UE_INVISIBILITY;
    Add_Unit(WALKER, 5, 32, 20, 0);
    Add_City(5, 29, 21, 0);
    Add_Unit(WALKER, 2, 35, 20, 0);  // out of sight
    Update_Scouted_And_Contacted();
    for (int j = 1; j < NUM_PLAYERS; j++) {
        EXPECT_EQ(_players[0].Dipl_Contacted[j], 0) << j;
        EXPECT_EQ(_players[j].Dipl_Contacted[0], 0) << j;
    }
    // The same wizard's visible unit, or its city, makes contact both ways.
    _UNITS[invisible].enchantments = 0;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(_players[0].Dipl_Contacted[1], 1);
    EXPECT_EQ(_players[1].Dipl_Contacted[0], 1);
    Add_City(3, 28, 19, 0);
    Update_Scouted_And_Contacted();
    EXPECT_EQ(_players[0].Dipl_Contacted[3], 1);
    EXPECT_EQ(_players[3].Dipl_Contacted[0], 1);
    // Contacts are never withdrawn.
    _units = 0;
    _cities = 0;
    Update_Scouted_And_Contacted();
    EXPECT_EQ(_players[0].Dipl_Contacted[1], 1);
    EXPECT_EQ(_players[3].Dipl_Contacted[0], 1);
    EXPECT_EQ(_players[0].Dipl_Contacted[2], 0);
}

TEST_F(Scouting, NatureAwarenessContactsEveryWizardInPlay)
{
    _players[0].Globals[ge_Natures_Awareness] = 1;
    Update_Scouted_And_Contacted();
    for (int j = 0; j < 4; j++) {
        EXPECT_EQ(_players[0].Dipl_Contacted[j], 1) << j;
        EXPECT_EQ(_players[j].Dipl_Contacted[0], 1) << j;
    }
    EXPECT_EQ(_players[0].Dipl_Contacted[4], 0);
    EXPECT_EQ(_players[1].Dipl_Contacted[2], 0);
}

TEST_F(Scouting, ContactThroughOneUnit)
{
    Explore_All(1);
    Set_Square_Scouted(40, 10, 1);
    const int16_t enemy = Add_Unit(WALKER, 2, 40, 10, 1);
    Contact_Other_Player(enemy, 0);  // not on that plane
    EXPECT_EQ(_players[0].Dipl_Contacted[2], 0);
    Contact_Other_Player(enemy, 1);
    EXPECT_EQ(_players[0].Dipl_Contacted[2], 1);
    EXPECT_EQ(_players[2].Dipl_Contacted[0], 1);
    const int16_t mine = Add_Unit(WALKER, 0, 40, 10, 1);
    Contact_Other_Player(mine, 1);
    EXPECT_EQ(_players[0].Dipl_Contacted[0], 0);
}
