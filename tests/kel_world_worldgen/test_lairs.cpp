// Lair placement, guardians and treasure, and the log of every treasure step.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "Geometry.h"
#include "World_Fixture.h"
#include "Worldgen_Test_Support.h"
#include "random.h"
#include "world/Unit_Type_Record.h"
#include "worldgen/Lairs.h"
#include "worldgen/Landmasses.h"
#include "worldgen/Nodes_Towers.h"

namespace {

class WorldGen_Lairs : public World_Test {};

// The treasure the log says was handed out, step by step, for one lair.
struct Logged_Treasure {
    int gold = 0, mana = 0, items = 0, prisoner = 0;
    int last_value = 0;
    int finals = 0;
    bool saw_init = false;
};

Logged_Treasure Read_Treasure(const std::string &text, int lair)
{
    Logged_Treasure t;
    char prefix[64];
    snprintf(prefix, sizeof prefix, "[LAIR_VAL] lair=%d step=", lair);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        size_t at = line.find(prefix);
        if (at == std::string::npos) continue;
        std::string rest = line.substr(at + strlen(prefix));
        int value = 0;
        size_t v = rest.find("value=");
        if (v != std::string::npos) value = atoi(rest.c_str() + v + 6);
        t.last_value = value;
        int amount = 0;
        if (rest.rfind("init_guard1", 0) == 0) t.saw_init = true;
        if (rest.rfind("switch_case_0_1_gold ", 0) == 0 &&
            sscanf(strstr(rest.c_str(), "Loot_Gold="), "Loot_Gold=%d", &amount) == 1)
            t.gold += amount;
        if (rest.rfind("switch_case_2_3_mana ", 0) == 0 &&
            sscanf(strstr(rest.c_str(), "Loot_Mana="), "Loot_Mana=%d", &amount) == 1)
            t.mana += amount;
        if (rest.rfind("switch_case_4_5_6_7_8_item ", 0) == 0) t.items++;
        if (rest.rfind("switch_case_9_prisoner ", 0) == 0) t.prisoner = 1;
        if (rest.rfind("final ", 0) == 0) t.finals++;
    }
    return t;
}

void Check_Guards(const Lair_Record &lair)
{
    EXPECT_LE(lair.guard1_count, 8);
    EXPECT_LE(lair.guard1_count + lair.guard2_count, 9);
    if (lair.guard1_unit_type == 0) {
        EXPECT_EQ(lair.guard1_count, 0);
    }
    if (lair.guard2_unit_type == 0) {
        EXPECT_EQ(lair.guard2_count, 0);
    }
    for (uint8_t type : {lair.guard1_unit_type, lair.guard2_unit_type}) {
        if (type == 0) continue;
        EXPECT_GE(type, GUARD_FIRST_TYPE);
        EXPECT_GE(_unit_type_table[type].race, GUARD_REALM_NATURE);
        EXPECT_LE(_unit_type_table[type].race, GUARD_REALM_DEATH);
        EXPECT_EQ(_unit_type_table[type].Transport, 0);
    }
    if (lair.guard1_unit_type != 0 && lair.guard2_unit_type != 0) {
        EXPECT_NE(lair.guard1_unit_type, lair.guard2_unit_type);
        EXPECT_EQ(_unit_type_table[lair.guard1_unit_type].race, _unit_type_table[lair.guard2_unit_type].race)
            << "both groups come from one realm";
    }
    EXPECT_LE(lair.Item_Count, 3);
    EXPECT_GE(lair.Item_Count, 0);
    for (int i = 0; i < lair.Item_Count; i++) {
        EXPECT_GE(lair.Item_Values[i], 0);
        EXPECT_LE(lair.Item_Values[i], 3000);
        EXPECT_EQ(lair.Item_Values[i] % 10, 0);
    }
    EXPECT_GE(lair.Loot_Gold, 0);
    EXPECT_GE(lair.Loot_Mana, 0);
    if (lair.Spell_n_Special > 4) {
        EXPECT_EQ(lair.Loot_Gold, 0) << "a spell book or retort holds nothing else";
        EXPECT_EQ(lair.Loot_Mana, 0);
        EXPECT_EQ(lair.Item_Count, 0);
        EXPECT_EQ(lair.Misc_Flags, 0);
    }
}

TEST_F(WorldGen_Lairs, TreasureMatchesItsLogLinesUnderFixedSeeds)
{
    struct Case {
        int16_t lair_class;
        int16_t plane;
        int32_t budget;
        int16_t difficulty;
    };
    const Case cases[] = {
        {LAIR_CLASS_TOWER, 0, 1200, 2},       {LAIR_CLASS_SORCERY_NODE, 1, 4000, 4}, {LAIR_CLASS_CHAOS_NODE, 0, 600, 0},
        {LAIR_CLASS_NATURE_NODE, 1, 8400, 3}, {LAIR_CLASS_OTHER, 0, 1500, 1},        {LAIR_CLASS_OTHER, 1, 2500, 4},
        {LAIR_CLASS_OTHER, 0, 10, 2},
    };
    for (uint32_t seed : {11u, 12u, 13u, 14u, 15u}) {
        for (const Case &c : cases) {
            World_Clear();
            _difficulty = c.difficulty;
            Set_Random_Seed(seed);
            std::string text = Logged_Text([&] { Create_Lair(50, c.plane, 20, 21, c.lair_class, c.budget); });
            const Lair_Record &lair = _LAIRS[50];
            SCOPED_TRACE(testing::Message() << "seed " << seed << " class " << c.lair_class << " budget " << c.budget);
            EXPECT_EQ(lair.wx, 20);
            EXPECT_EQ(lair.wy, 21);
            EXPECT_EQ(lair.wp, c.plane);
            EXPECT_EQ(lair.Intact, 1);
            Check_Guards(lair);
            Logged_Treasure t = Read_Treasure(text, 50);
            EXPECT_TRUE(t.saw_init);
            EXPECT_EQ(Lines_With(text, "[LAIR_VAL] lair=50 step=init_guard1 "), 1);
            EXPECT_EQ(Lines_With(text, "[LAIR_VAL] lair=50 step=add_guard2 "), 1);
            EXPECT_EQ(Lines_With(text, "step=difficulty_scale "), c.difficulty == 4 ? 0 : 1);
            EXPECT_EQ(Lines_With(text, c.plane == 0 ? "step=plane_scale_duravav " : "step=plane_scale_dudaze "), 1);
            EXPECT_EQ(Lines_With(text, "step=temple_subtract "), c.lair_class == LAIR_CLASS_TOWER ? 1 : 0);
            EXPECT_EQ(Lines_With(text, "[INFO ] [GENERAL ", "[LAIR_VAL] lair=50"), Lines_With(text, "[LAIR_VAL]"))
                << "every step is INFO in the general category";
            EXPECT_GT(t.finals, 0) << "a lair always receives some treasure";
            EXPECT_LT(t.last_value, 50) << "the draws go on until the value is spent";
            if (lair.Spell_n_Special <= 4) {
                EXPECT_EQ(lair.Loot_Gold, t.gold);
                EXPECT_EQ(lair.Loot_Mana, t.mana);
                EXPECT_EQ(lair.Item_Count, t.items);
                EXPECT_EQ(lair.Misc_Flags, t.prisoner);
            }
            if (c.lair_class == LAIR_CLASS_TOWER) {
                EXPECT_GE(lair.Spell_n_Special, 1) << "a tower always holds a spell, book or retort";
                EXPECT_EQ(lair.type, 0);
            }
        }
    }
}

TEST_F(WorldGen_Lairs, TooSmallABudgetLeavesNoGuardsButStillTreasure)
{
    Set_Random_Seed(3);
    std::string text = Logged_Text([] { Create_Lair(70, 0, 5, 6, LAIR_CLASS_OTHER, 10); });
    const Lair_Record &lair = _LAIRS[70];
    EXPECT_EQ(lair.guard1_unit_type, 0);
    EXPECT_EQ(lair.guard1_count, 0);
    EXPECT_EQ(lair.guard2_unit_type, 0);
    EXPECT_EQ(lair.guard2_count, 0);
    EXPECT_EQ(Lines_With(text, "step=floor_50                             value=50  (SETMIN max(value,50))"), 1)
        << text;
    EXPECT_GE(Lines_With(text, "step=final "), 1);
    EXPECT_TRUE(lair.type >= 4 && lair.type <= 10);
}

TEST_F(WorldGen_Lairs, AGuardianWithoutACostIsPassedOver)
{
    // Every chaos creature but one costs nothing: only that one can be bought, and nothing
    // divides by a zero cost.
    int priced = 0;
    for (int type = GUARD_FIRST_TYPE; type < NUM_UNIT_TYPES; type++) {
        if (_unit_type_table[type].race != GUARD_REALM_CHAOS) continue;
        if (priced == 0 && _unit_type_table[type].Transport == 0) {
            priced = type;
            _unit_type_table[type].cost = 40;
        } else {
            _unit_type_table[type].cost = 0;
        }
    }
    ASSERT_NE(priced, 0);
    Set_Random_Seed(6);
    Create_Lair(12, 0, 8, 9, LAIR_CLASS_CHAOS_NODE, 2000);
    EXPECT_EQ(_LAIRS[12].guard1_unit_type, priced);
    EXPECT_EQ(_LAIRS[12].guard2_unit_type, 0) << "no other chaos creature has a price";
    Check_Guards(_LAIRS[12]);
    Unit_Type_Table_Reset();
}

TEST_F(WorldGen_Lairs, AHugeBudgetSaturatesInsteadOfWrapping)
{
    for (uint32_t seed : {21u, 22u, 23u}) {
        World_Clear();
        _difficulty = 4;
        Set_Random_Seed(seed);
        // A 16-bit budget times five would wrap negative and buy nothing.
        Create_Lair(42, 1, 30, 30, LAIR_CLASS_OTHER, 30000);
        const Lair_Record &lair = _LAIRS[42];
        EXPECT_NE(lair.guard1_unit_type, 0) << "seed " << seed;
        Check_Guards(lair);
        EXPECT_TRUE(lair.Loot_Gold > 0 || lair.Loot_Mana > 0 || lair.Spell_n_Special > 4 || lair.Item_Count > 0);
    }
}

TEST_F(WorldGen_Lairs, GeneratedLairsFillTheirSlotsOnLandAndCopyTheTowers)
{
    for (uint32_t seed : {7u, 8u}) {
        World_Clear();
        memset(_LAIRS, 0xCC, sizeof(Lair_Record) * NUM_LAIRS);  // as the new-game reset leaves them
        _difficulty = 2;
        _magic = 2;
        Fill_Plane(0, TT_GRASSLAND);
        Fill_Plane(1, TT_OCEAN);
        for (int y = 10; y < 30; y++)
            for (int x = 10; x < 50; x++) Tile(x, y, 1) = TT_FOREST;
        Set_Random_Seed(seed);
        Generate_Nodes();
        Generate_Towers();
        std::string text = Logged_Text([] { Generate_Lairs(); });
        for (int i = 0; i < NUM_LAIRS; i++) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " lair " << i);
            char line[64];
            snprintf(line, sizeof line, "[LAIR_VAL] lair=%d step=init_guard1 ", i);
            bool created = (i < 6) || (i >= 12 && i < 99);
            EXPECT_EQ(Lines_With(text, line), created ? 1 : 0);
            if (i >= 99) {
                Lair_Record empty;
                memset(&empty, 0, sizeof empty);
                EXPECT_EQ(memcmp(&empty, &_LAIRS[i], sizeof empty), 0) << "an unused slot is cleared whole";
                continue;
            }
            EXPECT_EQ(_LAIRS[i].Intact, 1);
            Check_Guards(_LAIRS[i]);
            if (i >= 6 && i < 12) {
                Lair_Record copy = _LAIRS[i - 6];
                copy.wp = 1;
                EXPECT_EQ(memcmp(&copy, &_LAIRS[i], sizeof copy), 0) << "a tower holds the same on both planes";
            }
            if (i >= 12 && i < 42) {
                const Node_Record &node = _NODES[i - 12];
                EXPECT_EQ(_LAIRS[i].wx, node.wx);
                EXPECT_EQ(_LAIRS[i].wp, node.wp);
                EXPECT_EQ(_LAIRS[i].type, 3 - node.type);
            }
            if (i >= 42) {
                const Lair_Record &lair = _LAIRS[i];
                EXPECT_EQ(Square_Is_Ocean_NewGame(lair.wx, lair.wy, lair.wp), 0);
                EXPECT_TRUE(lair.wx >= 3 && lair.wx <= 56 && lair.wy >= 3 && lair.wy <= 36);
                for (int j = 0; j < i; j++) {
                    EXPECT_GE(Delta_XY_With_Wrap(lair.wx, lair.wy, _LAIRS[j].wx, _LAIRS[j].wy, WORLD_WIDTH), 2);
                }
            }
        }
    }
}

TEST_F(WorldGen_Lairs, AnAllOceanWorldLeavesTheLandLairsEmptyAndSaysSo)
{
    // Towers and nodes make their squares land, so here they stay as cleared records.
    Set_Random_Seed(9);
    std::string text = Logged_Text([] { Generate_Lairs(); });
    for (int i = LAIR_FIRST_NORMAL; i < NUM_LAIRS; i++) EXPECT_EQ(_LAIRS[i].Intact, 0) << i;
    EXPECT_EQ(Lines_With(text, "Generate_Lairs: lair ", "has no land to stand on"),
              LAIR_FIRST_EMPTY - LAIR_FIRST_NORMAL);
    for (int i = 0; i < LAIR_FIRST_NORMAL; i++) EXPECT_EQ(_LAIRS[i].Intact, 1) << "towers and nodes keep theirs";
}

TEST_F(WorldGen_Lairs, StartingGuardCountsGoIntoTheHighNibble)
{
    _LAIRS[0].guard1_count = 3;
    _LAIRS[0].guard2_count = 0;
    _LAIRS[101].guard1_count = 9;
    Set_Upper_Lair_Guardian_Count();
    EXPECT_EQ(_LAIRS[0].guard1_count, 0x33);
    EXPECT_EQ(_LAIRS[0].guard2_count, 0);
    EXPECT_EQ(_LAIRS[101].guard1_count, 0x99);
}

}  // namespace
