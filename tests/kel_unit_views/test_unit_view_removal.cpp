// Switching off an enchantment that keeps units on the water: warnings, who drowns, and the
// units that depend on a wind walker.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "World_Fixture.h"
#include "overland/Unit_Enchantment_Removal.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"

namespace {

enum Test_Type : int16_t { WALKER = 40, SWIMMER = 41, FLYER = 42, SHIP = 43 };
constexpr int SEA_X = 20, SEA_Y = 20, LAND_X = 30, LAND_Y = 20;

std::string g_question;
int g_asked = 0;
int16_t g_answer = 1;

int16_t Answer(const char *text)
{
    g_question = text;
    ++g_asked;
    return g_answer;
}

const char DIES[] = "  This unit will die if the spell is removed!";
const char ALL_DIE[] = "  This unit and other units will die if the spell is removed!";

class Unit_View_Removal : public World_Test {
protected:
    char message[UV_REMOVAL_MESSAGE_SIZE];

    void SetUp() override
    {
        World_Test::SetUp();
        for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) _world_maps[sq] = tt_Grasslands;
        _world_maps[World_Square_Index(SEA_X, SEA_Y, 0)] = tt_Ocean;
        Unit_Type_Table_Reset();
        struct {
            int16_t type;
            uint16_t moves;
            uint8_t transport;
        } kinds[] = {{WALKER, MV_FOOT, 0}, {SWIMMER, MV_SWIMMING, 0}, {FLYER, MV_FLYING, 0}, {SHIP, MV_SAILING, 3}};
        for (auto &k : kinds) {
            Unit_Type_Record &t = _unit_type_table[k.type];
            t.Move_Flags = k.moves;
            t.Transport = k.transport;
            t.Abilities = 0;
        }
        _units = 0;
        g_question.clear();
        g_asked = 0;
        g_answer = 1;
    }
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        World_Test::TearDown();
    }
    static int16_t Unit(int16_t type, uint32_t enchantments, bool at_sea = true)
    {
        int16_t u = _units++;
        _UNITS[u] = Unit_Record{};
        _UNITS[u].type = (uint8_t)type;
        _UNITS[u].owner_idx = 0;
        _UNITS[u].Hero_Slot = -1;
        _UNITS[u].wx = at_sea ? SEA_X : LAND_X;
        _UNITS[u].wy = at_sea ? SEA_Y : LAND_Y;
        _UNITS[u].enchantments = enchantments;
        _UNITS[u].Rd_Constr_Left = -1;
        return u;
    }
    static bool Alive(int16_t u) { return _UNITS[u].owner_idx == 0; }
    std::string Warning() const { return g_question.substr(g_question.find(" spell?") + 7); }
};

TEST_F(Unit_View_Removal, QuestionNamesTheSpell)
{
    int16_t u = Unit(WALKER, UE_BLESS, false);
    EXPECT_EQ(UV_Remove_Unit_Enchantment_Asking(u, UE_BLESS, message, Answer), 0);
    EXPECT_EQ(g_question, "Do you wish to turn off the \x02"
                          "Bless\x01 spell?");
    EXPECT_EQ(_UNITS[u].enchantments, 0u);
    // A bit outside the table is ignored without a question.
    EXPECT_EQ(UV_Remove_Unit_Enchantment_Asking(u, 0x3, message, Answer), 0);
    EXPECT_EQ(g_asked, 1);
}

// One row per case: the enchanted unit, what stands beside it, the bit removed, the warning, and
// whether the unit lives after a yes.
TEST_F(Unit_View_Removal, WarningAndDeathMatrix)
{
    struct Case {
        const char *name;
        int16_t type;
        uint32_t enchantments;
        bool at_sea;
        int16_t beside;  // -1 none
        uint32_t beside_enchantments;
        uint32_t bit;
        const char *warning;
        bool lives;
    } cases[] = {
        {"flight from a walker at sea", WALKER, UE_FLIGHT, true, -1, 0, UE_FLIGHT, DIES, false},
        {"flight from a swimmer", SWIMMER, UE_FLIGHT, true, -1, 0, UE_FLIGHT, "", true},
        {"flight beside water walking", WALKER, UE_FLIGHT | UE_WATERWALKING, true, -1, 0, UE_FLIGHT, "", true},
        {"flight from a flying type", FLYER, UE_FLIGHT, true, -1, 0, UE_FLIGHT, DIES, false},
        {"water walking on land", WALKER, UE_WATERWALKING, false, -1, 0, UE_WATERWALKING, "", true},
        {"water walking at sea", WALKER, UE_WATERWALKING, true, -1, 0, UE_WATERWALKING, DIES, false},
        {"water walking from a flyer", FLYER, UE_WATERWALKING, true, -1, 0, UE_WATERWALKING, "", true},
        {"water walking from a wind walker", WALKER, UE_WATERWALKING | UE_WINDWALKING, true, -1, 0, UE_WATERWALKING, "",
         true},
        {"flight beside a ship", WALKER, UE_FLIGHT, true, SHIP, 0, UE_FLIGHT, "", true},
        {"water walking beside a ship", WALKER, UE_WATERWALKING, true, SHIP, 0, UE_WATERWALKING, "", true},
        {"wind walking beside a ship", WALKER, UE_WINDWALKING, true, SHIP, 0, UE_WINDWALKING, "", true},
        {"wind walking beside a wind walker", WALKER, UE_WINDWALKING, true, WALKER, UE_WINDWALKING, UE_WINDWALKING, "",
         true},
        {"flight beside a wind walker", WALKER, UE_FLIGHT, true, WALKER, UE_WINDWALKING, UE_FLIGHT, "", true},
        {"wind walking alone at sea", WALKER, UE_WINDWALKING, true, -1, 0, UE_WINDWALKING, ALL_DIE, false},
        {"wind walking on land", WALKER, UE_WINDWALKING, false, -1, 0, UE_WINDWALKING, "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        _units = 0;
        int16_t u = Unit(c.type, c.enchantments, c.at_sea);
        if (c.beside >= 0) Unit(c.beside, c.beside_enchantments, c.at_sea);
        int16_t gone = UV_Remove_Unit_Enchantment_Asking(u, c.bit, message, Answer);
        EXPECT_EQ(Warning(), c.warning);
        EXPECT_EQ(_UNITS[u].enchantments & c.bit, 0u);
        EXPECT_EQ(Alive(u), c.lives);
        EXPECT_EQ(gone, c.lives ? 0 : 1);
        if (c.beside >= 0) {
            EXPECT_TRUE(Alive(1));
        }
    }
}

TEST_F(Unit_View_Removal, WindWalkerTakesTheUnitsThatCannotSwimOrFly)
{
    int16_t walker_ww = Unit(WALKER, UE_WINDWALKING);
    int16_t walker = Unit(WALKER, 0);
    int16_t swimmer = Unit(SWIMMER, 0);
    int16_t flyer = Unit(FLYER, 0);
    int16_t floater = Unit(WALKER, UE_WATERWALKING);

    int16_t list[9];
    int16_t count = -1;
    UNIT_GetDependants__WIP(walker_ww, &count, list);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(list[0], walker);

    g_answer = 0;  // declining changes nothing
    EXPECT_EQ(UV_Remove_Unit_Enchantment_Asking(walker_ww, UE_WINDWALKING, message, Answer), 0);
    EXPECT_EQ(Warning(), ALL_DIE);
    EXPECT_EQ(_UNITS[walker_ww].enchantments, (uint32_t)UE_WINDWALKING);
    for (int16_t u : {walker_ww, walker, swimmer, flyer, floater}) EXPECT_TRUE(Alive(u));

    g_answer = 1;
    EXPECT_EQ(UV_Remove_Unit_Enchantment_Asking(walker_ww, UE_WINDWALKING, message, Answer), 1);
    EXPECT_FALSE(Alive(walker_ww));
    EXPECT_FALSE(Alive(walker));
    for (int16_t u : {swimmer, flyer, floater}) EXPECT_TRUE(Alive(u));
}

TEST_F(Unit_View_Removal, DependantsOnlyAtSeaWithOneWindWalker)
{
    int16_t list[9];
    int16_t count = -1;
    int16_t on_land = Unit(WALKER, UE_WINDWALKING, false);
    Unit(WALKER, 0, false);
    UNIT_GetDependants__WIP(on_land, &count, list);
    EXPECT_EQ(count, 0);

    int16_t first = Unit(WALKER, UE_WINDWALKING);
    Unit(WALKER, 0);
    Unit(WALKER, UE_WINDWALKING);
    UNIT_GetDependants__WIP(first, &count, list);
    EXPECT_EQ(count, 0);

    _UNITS[first].owner_idx = -1;
    UNIT_GetDependants__WIP(first, &count, list);
    EXPECT_EQ(count, 0);
}

TEST_F(Unit_View_Removal, DrowningCheck)
{
    int16_t walker = Unit(WALKER, 0);
    int16_t swimmer = Unit(SWIMMER, 0);
    IDK_Drown_Units(swimmer);
    EXPECT_TRUE(Alive(swimmer));
    IDK_Drown_Units(walker);
    EXPECT_FALSE(Alive(walker));

    _units = 0;
    walker = Unit(WALKER, 0);
    Unit(SHIP, 0);
    IDK_Drown_Units(walker);
    EXPECT_TRUE(Alive(walker));

    _units = 0;
    walker = Unit(WALKER, 0, false);
    IDK_Drown_Units(walker);
    EXPECT_TRUE(Alive(walker));
}

}  // namespace
