#include "Casting_Fixture.h"
#include "combat/Combat_Checks.h"

class CombatSpellEffects : public Casting_Test {};

TEST_F(CombatSpellEffects, BlackSleepTakesTheFullStrengthAndMagicImmunityTakesNothing)
{
    Spell(30, 4, 2, 10).Param_Bytes[0] = 6;
    struct Case {
        int16_t curses;
        uint16_t immunities;
        int damage;
    } cases[] = {{BUC_BLACK_SLEEP, 0, 6}, {BUC_BLACK_SLEEP, UI_MAGIC_IMMUNITY, 0}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &target = Unit(0, 1, 3, 20, 10, 1);
        target.Curses = c.curses;
        target.Attribs_1 = c.immunities;
        Combat_Cast_Apply_Spell_Effect(30, 0, COMBAT_CASTER_WIZARD, 0, 0, 10, 1);
        EXPECT_EQ(target.Damage, c.damage) << "immunities " << c.immunities;
    }
}

TEST_F(CombatSpellEffects, DisintegrateDestroysBelowResistanceTenWithoutARoll)
{
    Spell(112, 12, 2, 25);
    for (int resist : {9, 10}) {
        Combat_Tables_Reset();
        Battle_Unit_Record &target = Unit(0, 1, 3, 2, 5, 2);
        target.Resist = (int8_t)resist;
        const uint32_t seed = Get_Random_Seed();
        Combat_Cast_Apply_Spell_Effect(112, 0, COMBAT_CASTER_WIZARD, 0, 0, 25, 1);
        EXPECT_EQ(Get_Random_Seed(), seed) << "no draw";
        EXPECT_EQ(target.Status, resist == 9 ? bus_Destroyed : bus_Fighting) << "resistance " << resist;
    }
}

TEST_F(CombatSpellEffects, ABattleWideEnchantmentTakesTheCastersSideSlot)
{
    Spell(33, 10, 3, 20, 6);
    Spell(48, 10, 1, 20, 20);
    struct Case {
        int16_t caster;
        int16_t spell;
        int16_t mana;
        int slot;
        int value;
    } cases[] = {
        {20, 33, 20, 6, 1}, {21, 33, 20, 7, 1}, {21, 33, 55, 7, 1}, {21, 48, 35, 21, 35}, {21, 48, 40, 21, 40}};
    for (const Case &c : cases) {
        Combat_Cast_Apply_Spell_Effect(c.spell, SPELL_TARGET_NONE, c.caster, 0, 0, c.mana, 1);
        EXPECT_EQ(combat_enchantments[c.slot], c.value) << "caster " << c.caster << " spell " << c.spell;
    }
    EXPECT_EQ(combat_enchantments[6], 1);
    // A slot past the table, from an installation's spell row, changes nothing.
    Spell(34, 10, 3, 20, 40);
    int8_t before[NUM_COMBAT_ENCHANTMENTS];
    memcpy(before, combat_enchantments, sizeof(before));
    Combat_Cast_Apply_Spell_Effect(34, SPELL_TARGET_NONE, 21, 0, 0, 20, 1);
    EXPECT_EQ(memcmp(before, combat_enchantments, sizeof(before)), 0);
}

TEST_F(CombatSpellEffects, HasteGivesTheNewAllowanceOnlyToAUnitThatHasNotMoved)
{
    Spell(70, 1, 1, 15);
    Battle_Unit_Record &fresh = Fighter(0, 0, 3, 3);
    Battle_Unit_Record &moved = Fighter(1, 0, 4, 4);
    fresh.Move_Halves = (uint8_t)Battle_Unit_Moves2(&fresh);
    const int full = fresh.Move_Halves;
    moved.Move_Halves = 1;
    Combat_Cast_Apply_Spell_Effect(70, 0, COMBAT_CASTER_WIZARD, 3, 3, 15, 1);
    Combat_Cast_Apply_Spell_Effect(70, 1, COMBAT_CASTER_WIZARD, 4, 4, 15, 1);
    EXPECT_TRUE(fresh.Curses & BUC_HASTE);
    EXPECT_EQ(fresh.Move_Halves, Battle_Unit_Moves2(&fresh));
    EXPECT_GT(fresh.Move_Halves, full) << "hasted";
    EXPECT_EQ(moved.Move_Halves, 1) << "keeps what it had left";
}

TEST_F(CombatSpellEffects, EarthToMudMudsOpenGroundAroundTheCellAndWrapsRows)
{
    Spell(1, 5, 0, 15);
    battlefield->terrain_kinds[Combat_Cell(1, 5)] = ctk_Rough;
    battlefield->terrain_kinds[Combat_Cell(0, 6)] = ctk_Dirt;
    Combat_Cast_Apply_Spell_Effect(1, SPELL_TARGET_NONE, COMBAT_CASTER_WIZARD, 0, 5, 15, 1);
    struct Case {
        int x, y;
        bool mud;
    } cases[] = {{0, 5, true},  {2, 7, true},  {0, 6, true},   {1, 5, false}, {3, 5, false},
                 {19, 4, true}, {20, 4, true}, {18, 4, false}, {19, 6, true}, {0, 8, false}};
    for (const Case &c : cases) {
        const int cell = Combat_Cell(c.x, c.y);
        EXPECT_EQ(battlefield->mud[cell], c.mud ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(battlefield->costs[ccg_Ground][cell], c.mud ? COMBAT_COST_MUD : 2) << c.x << "," << c.y;
        EXPECT_EQ(battlefield->costs[ccg_Second_Ground][cell], c.mud ? COMBAT_COST_MUD : 2);
        EXPECT_EQ(battlefield->costs[ccg_Air][cell], 2) << "the air grid stays";
    }
    // Near the grid's first cell only the index is tested: nothing is written before it.
    Apply_Earth_To_Mud(0, 0);
    EXPECT_EQ(battlefield->mud[0], 1);
}

TEST_F(CombatSpellEffects, ASummonsWithEveryBattleUnitSlotTakenMakesNoUnit)
{
    Spell(30, 0, 2, 20, 190);
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) Unit(i, i % 2);
    const int16_t units = _units;
    Combat_Cast_Apply_Spell_Effect(30, SPELL_TARGET_NONE, COMBAT_CASTER_WIZARD, 12, 10, 20, 1);
    EXPECT_EQ(_units, units) << "no overland unit left on the battle's plane";
    EXPECT_EQ(_combat_total_unit_count, MAX_BATTLE_UNITS);
}
