#include <cstring>
#include <string>

#include "../kel_combat/Combat_Fixture.h"
#include "combat/Combat_Spell_Targets.h"
#include "world/ALLOC.h"

class CombatTargeting : public Combat_Test {
protected:
    void SetUp() override
    {
        Combat_Test::SetUp();
        memset(g_combat_grid_action_map, ACTION_MAP_NOTHING, sizeof g_combat_grid_action_map);
    }
    static void Spell(int16_t spell, int type, const char *name = "Bolt", int realm = 2, uint32_t param = 0)
    {
        Spell_Data_Record &s = spell_data_table[spell];
        memset(s.name, 0, sizeof s.name);
        strncpy(s.name, name, sizeof s.name - 1);
        s.type = (uint8_t)type;
        s.magic_realm = (uint8_t)realm;
        s.Param_Mask = param;
    }
    static Battle_Unit_Record &Placed(int slot, int owner, int x, int y)
    {
        Battle_Unit_Record &bu = Unit(slot, owner);
        bu.Grid_X = (int16_t)x, bu.Grid_Y = (int16_t)y;
        g_combat_grid_action_map[y][x] = (uint8_t)slot;
        return bu;
    }
};

TEST_F(CombatTargeting, KindByType)
{
    struct Case {
        int16_t spell;
        int type;
        int16_t kind;
    } cases[] = {
        {30, 0, ctk_Attacker_Half},
        {7, 1, ctk_Own},
        {20, 4, ctk_Enemy},
        {21, 22, ctk_Enemy},
        {23, 12, ctk_Enemy},
        {25, 13, ctk_Enemy},
        {27, 14, ctk_Enemy},
        {29, 23, ctk_Enemy},
        {130, 15, ctk_Own_Normal},
        {32, 16, ctk_Enemy_Normal},
        {33, 18, ctk_Unit_Or_Vortex},
        {125, 5, ctk_Own},
        {137, 5, ctk_Attacker_Half},
        {195, 5, ctk_Attacker_Half},
        {89, 5, ctk_Enemy},
        {73, 5, ctk_Enemy},
        {81, 5, ctk_Enemy},
        {1, 5, ctk_Any_Cell},
        {11, 5, ctk_Any_Cell},
        {105, 5, ctk_Empty_Cell},
        {82, 5, ctk_Wall_Cell},
        {205, 5, ctk_Own_Hero},
        {47, 5, ctk_Own},
        {0, 0, ctk_Empty_Cell},
    };
    for (const Case &c : cases) {
        if (c.spell) Spell(c.spell, c.type);
        EXPECT_EQ(Combat_Spell_Target_Kind(c.spell), c.kind) << "spell " << c.spell;
    }
    _combat_attacker_player = 1;
    EXPECT_EQ(Combat_Spell_Target_Kind(30), ctk_Defender_Half);
    // A special spell without a kind of its own: any cell, whatever was aimed before.
    Spell(149, 5);
    EXPECT_EQ(Combat_Spell_Target_Kind(82), ctk_Wall_Cell);
    EXPECT_EQ(Combat_Spell_Target_Kind(149), ctk_Any_Cell);
}

TEST_F(CombatTargeting, TheWarningBeatsAValidKind)
{
    Spell(73, 5, "Binding", 1);
    Placed(0, 0, 5, 5);
    Battle_Unit_Record &enemy = Placed(1, 1, 9, 9);
    enemy.race = 3;
    Combat_Target_Verdict v = Combat_Spell_Target_Check(73, ctk_Enemy, 9, 9);
    EXPECT_EQ(v.result, -1);
    EXPECT_EQ(v.warning, TARGET_WARN_NORMAL_UNIT);
    enemy.race = 16;
    v = Combat_Spell_Target_Check(73, ctk_Enemy, 9, 9);
    EXPECT_EQ(v.result, 1);
    EXPECT_EQ(v.warning, 0);
}

TEST_F(CombatTargeting, RefusalsOfEnemyAndOwnUnits)
{
    Battle_Unit_Record &enemy = Placed(1, 1, 9, 9);
    Battle_Unit_Record &own = Placed(0, 0, 5, 5);
    Spell(5, 14, "Web", 0);
    Spell(25, 13, "Shatter", 2, BUC_SHATTER);
    Spell(26, 13, "Confusion", 1, BUC_CONFUSION);
    Spell(28, 13, "Black Sleep", 4, BUC_BLACK_SLEEP);
    Spell(122, 4, "Holy Smite", 3);
    Spell(81, 5, "Warp Wood", 2);
    Spell(125, 5, "Healing", 3);
    Spell(7, 1, "Stone Skin", 0, UE_STONESKIN);
    Spell(70, 1, "Haste", 1, 0);
    Spell(62, 1, "Invisibility", 1, UE_INVISIBILITY);
    enemy.Curses = BUC_SHATTER;
    enemy.Abilities = UA_NONCORPOREAL;
    enemy.Attribs_1 = UI_ILLUSIONS_IMMUNITY | UI_DEATH_IMMUNITY;
    own.race = 20;
    own.Combat_Enchantments = UE_STONESKIN;
    own.Curses = BUC_HASTE;
    own.Abilities = UA_INVISIBILITY;
    struct Case {
        int16_t spell, kind, x, y, warning;
        const char *text;
    } cases[] = {
        {5, ctk_Enemy, 9, 9, TARGET_WARN_NON_CORPOREAL, ""},
        {25, ctk_Enemy, 9, 9, 0, "That unit already has Shatter cast on it"},
        {26, ctk_Enemy, 9, 9, TARGET_WARN_ILLUSIONS_IMMUNE, ""},
        {28, ctk_Enemy, 9, 9, 0, "That unit is immune to Death spells"},
        {122, ctk_Enemy, 9, 9, TARGET_WARN_NOT_CHAOS_DEATH, ""},
        {81, ctk_Enemy, 9, 9, TARGET_WARN_NOT_MISSILE, ""},
        {125, ctk_Own, 5, 5, TARGET_WARN_UNDEAD, ""},
        {7, ctk_Own, 5, 5, 0, "That unit already has Stone Skin cast on it"},
        {70, ctk_Own, 5, 5, 0, "That unit already has Haste cast on it"},
        {62, ctk_Own, 5, 5, TARGET_WARN_NATIVE, ""},
    };
    for (const Case &c : cases) {
        const Combat_Target_Verdict v = Combat_Spell_Target_Check(c.spell, c.kind, c.x, c.y);
        EXPECT_EQ(v.result, -1) << "spell " << c.spell;
        EXPECT_EQ(v.warning, c.warning) << "spell " << c.spell;
        EXPECT_EQ(std::string(v.text), c.text) << "spell " << c.spell;
    }
    enemy.Web_Strength = 2;
    enemy.Abilities = 0;
    EXPECT_EQ(std::string(Combat_Spell_Target_Check(5, ctk_Enemy, 9, 9).text), "That unit already has Web cast on it");
}

TEST_F(CombatTargeting, TheHumanAttackersSummonsTakesAnEmptyCellOfItsHalf)
{
    Spell(30, 0);
    Placed(0, 1, 12, 10);
    Battle_Unit_Record &hidden = Unit(1, 1);  // not in the action map: the human does not see it
    hidden.Grid_X = 13, hidden.Grid_Y = 10;
    struct Case {
        int16_t x, y, result, warning;
    } cases[] = {
        {10, 10, -1, 0}, {11, 10, 99, 0}, {12, 10, -1, TARGET_WARN_OCCUPIED}, {13, 10, -1, TARGET_WARN_OCCUPIED}};
    for (const Case &c : cases) {
        const Combat_Target_Verdict v = Combat_Spell_Target_Check(30, ctk_Attacker_Half, c.x, c.y);
        EXPECT_EQ(v.result, c.result) << c.x;
        EXPECT_EQ(v.warning, c.warning) << c.x;
    }
}

TEST_F(CombatTargeting, PointerOverCellsAndUnits)
{
    Placed(0, 0, 5, 5);
    Placed(1, 1, 9, 9).race = 16;
    struct Case {
        int16_t kind, x, y, allowed;
    } cases[] = {
        {ctk_Empty_Cell, 3, 3, 1},
        {ctk_Enemy, 3, 3, 0},
        {ctk_Enemy, 9, 9, 1},
        {ctk_Enemy, 5, 5, 0},
        {ctk_Own, 5, 5, 1},
        {ctk_Enemy_Normal, 9, 9, 0},
        {ctk_Any_Cell, 9, 9, 1},
        {ctk_Attacker_Half, 10, 3, 0},
        {ctk_Attacker_Half, 11, 3, 1},
        {ctk_Defender_Half, 11, 3, 0},
        {ctk_Own_Hero, 5, 5, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Combat_Target_Cell_Allowed(c.kind, c.x, c.y), c.allowed) << "kind " << c.kind << " at " << c.x;
    }
    _vortexes[0] = {3, 3, 3, 3, 0, 0};
    _vortex_count = 1;
    EXPECT_EQ(Combat_Target_Cell_Allowed(ctk_Unit_Or_Vortex, 3, 3), 1);
    EXPECT_EQ(Combat_Spell_Target_Check(0, ctk_Unit_Or_Vortex, 3, 3).result, 99);
}

TEST_F(CombatTargeting, ThePromptNamesTheSpell)
{
    Spell(20, 4, "Fire Bolt");
    char text[80];
    Combat_Spell_Target_Prompt(20, text, sizeof text);
    EXPECT_STREQ(text, "Select a target for a Fire Bolt spell.");
}
