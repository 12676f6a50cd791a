// The unit list window: its size by the number of rows, the units it lists and its title.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "World_Fixture.h"
#include "overland/Unit_List_Window.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

TEST(Unit_List_Geometry, HeightTopAndBottomByRows)
{
    struct Case {
        int16_t rows, height, top, bottom;
    } cases[] = {{1, 43, 76, 119}, {9, 195, 0, 195}, {0, 24, 85, 109}, {4, 100, 47, 147}};
    for (const Case &c : cases) {
        int16_t height = -1, top = -1, bottom = -1;
        Unit_List_Window_Geometry(c.rows, &height, &top, &bottom);
        EXPECT_EQ(height, c.height) << c.rows;
        EXPECT_EQ(top, c.top) << c.rows;
        EXPECT_EQ(bottom, c.bottom) << c.rows;
    }
}

constexpr int16_t PLAIN_TYPE = 40;
constexpr int16_t SUMMONED_TYPE = 160;

class Unit_List_Window_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        Unit_Type_Table_Reset();
        _units = 0;
        _current_player_idx = 0;
    }
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        World_Test::TearDown();
    }
    static int16_t Unit(int8_t owner, int16_t type, uint8_t wx, uint8_t wp = 0)
    {
        int16_t u = _units++;
        _UNITS[u] = Unit_Record{};
        _UNITS[u].owner_idx = owner;
        _UNITS[u].type = (uint8_t)type;
        _UNITS[u].Hero_Slot = -1;
        _UNITS[u].wx = wx;
        _UNITS[u].wy = 12;
        _UNITS[u].wp = wp;
        return u;
    }
    static std::vector<int16_t> Troops(int16_t unit_idx)
    {
        int16_t troops[ULW_MAX_TROOPS + 2];
        int16_t count = -1;
        Unit_List_Window_Gather_Troops(unit_idx, troops, &count);
        return std::vector<int16_t>(troops, troops + count);
    }
};

TEST_F(Unit_List_Window_Test, ListsTheStackInIndexOrderAndAtMostNine)
{
    int16_t first = Unit(1, PLAIN_TYPE, 20);
    Unit(1, PLAIN_TYPE, 21);  // another square
    Unit(2, PLAIN_TYPE, 20);  // another owner
    int16_t other_plane = Unit(1, PLAIN_TYPE, 20, 1);
    int16_t in_tower = Unit(1, PLAIN_TYPE, 20, 1);
    _UNITS[in_tower].in_tower = UNIT_IN_TOWER;
    int16_t second = Unit(1, PLAIN_TYPE, 20);
    EXPECT_EQ(Troops(second), (std::vector<int16_t>{first, in_tower, second}));
    EXPECT_EQ(Troops(other_plane), (std::vector<int16_t>{other_plane, in_tower}))
        << "a unit in a tower is listed whichever plane is shown";
    for (int i = 0; i < 10; ++i) Unit(1, PLAIN_TYPE, 20);
    EXPECT_EQ(Troops(first).size(), (size_t)ULW_MAX_TROOPS);
}

TEST_F(Unit_List_Window_Test, AnotherPlayersInvisibleUnitsAreLeftOut)
{
    int16_t seen = Unit(1, PLAIN_TYPE, 20);
    int16_t hidden = Unit(1, PLAIN_TYPE, 20);
    _UNITS[hidden].enchantments = UE_INVISIBILITY;
    EXPECT_EQ(Troops(seen), (std::vector<int16_t>{seen}));
    _UNITS[seen].enchantments = UE_INVISIBILITY;
    EXPECT_TRUE(Troops(seen).empty()) << "an all-invisible enemy stack lists no row";
    _current_player_idx = 1;
    EXPECT_EQ(Troops(seen), (std::vector<int16_t>{seen, hidden})) << "one's own invisible units are listed";
}

TEST_F(Unit_List_Window_Test, Titles)
{
    snprintf(_players[1].name, sizeof _players[1].name, "Merlin");
    _unit_type_table[SUMMONED_TYPE].Abilities = 0x0001;
    _unit_type_table[PLAIN_TYPE].Abilities = 0;
    int16_t monster = Unit(NEUTRAL_PLAYER_IDX, SUMMONED_TYPE, 30);
    int16_t raider = Unit(NEUTRAL_PLAYER_IDX, PLAIN_TYPE, 31);
    int16_t wizards = Unit(1, PLAIN_TYPE, 32);
    char title[ULW_TITLE_SIZE];
    Unit_List_Window_Title(NEUTRAL_PLAYER_IDX, monster, title, sizeof title);
    EXPECT_STREQ(title, "Rampaging Monsters");
    Unit_List_Window_Title(NEUTRAL_PLAYER_IDX, raider, title, sizeof title);
    EXPECT_STREQ(title, "Raiders");
    Unit_List_Window_Title(1, wizards, title, sizeof title);
    EXPECT_STREQ(title, "Merlin Units");
    // A name that fills its 20 bytes without a terminator is cut there.
    memset(_players[1].name, 'W', sizeof _players[1].name);
    Unit_List_Window_Title(1, wizards, title, sizeof title);
    EXPECT_STREQ(title, "WWWWWWWWWWWWWWWWWWWW Units");
}

}  // namespace
