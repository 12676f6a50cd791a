#include "Casting_Fixture.h"

class CombatCasting : public Casting_Test {
protected:
    // The human wizard knows the spell and has mana and skill to spare; his fortress lies the given
    // distance west of the battle on its plane.
    void Human_Wizard(int16_t spell, int mana, int distance)
    {
        Player_Record &human = _players[0];
        human.spells_list[spell - 1] = SS_KNOWN;
        human.mana_reserve = (int16_t)mana;
        human.Cmbt_Skill_Left = 500;
        _FORTRESSES[0].wx = (uint8_t)(_combat_wx - distance);
        _FORTRESSES[0].wy = (uint8_t)_combat_wy;
        _FORTRESSES[0].wp = (uint8_t)_combat_wp;
    }
};

TEST_F(CombatCasting, AUnitWithInnateBitsZeroAndTwoCastsHealing)
{
    Spell(125, 5, 3, 15);
    Spell(104, 4, 2, 10);
    Battle_Unit_Record &healer = Unit(0, 0);
    Battle_Unit_Record &wounded = Unit(1, 0, 3, 2, 5, 2);
    wounded.Damage = 6;
    healer.Innate_Spells = 0x05;
    g_target = 1;
    EXPECT_EQ(Combat_Cast_Spell(0, 0, 0, 0), 2);
    EXPECT_EQ(g_targeted, std::vector<int16_t>{125});
    EXPECT_EQ(healer.Innate_Spells, 0x04) << "the one-shot spell is spent";
    EXPECT_EQ(healer.Move_Halves, 0);
    EXPECT_LT(wounded.Damage, 6);
}

TEST_F(CombatCasting, CounterMagicLosesFivePointsForEverySpellItFaces)
{
    Spell(48, 10, 1, 20, 20);
    Spell(104, 10, 2, 10, 4);
    combat_enchantments[21] = 7;
    Battle_Unit_Record &caster = Unit(0, 0);
    for (int expected : {2, 0}) {
        caster.Innate_Spells = 0x04;
        EXPECT_EQ(Combat_Cast_Spell(0, 0, 0, 0), 2);
        EXPECT_EQ(combat_enchantments[21], expected);
        EXPECT_EQ(caster.Innate_Spells, 0) << "used or countered, the spell is gone";
    }
    // Met by nothing the spell goes off.
    caster.Innate_Spells = 0x04;
    g_fizzles.clear();
    Combat_Cast_Spell(0, 0, 0, 0);
    EXPECT_TRUE(g_fizzles.empty());
    EXPECT_EQ(combat_enchantments[4], 1);
}

TEST_F(CombatCasting, ANodeNeverStopsItsOwnRealmNorANodeMaster)
{
    Spell(104, 10, 2, 1, 4);
    Spell(96, 10, 1, 1, 5);
    battlefield->centre_code = ccc_Chaos_Node;
    struct Case {
        uint8_t innate;
        uint8_t mastery;
        bool stopped;
    } cases[] = {{0x04, 0, false}, {0x02, 1, false}, {0x02, 0, true}};
    for (const Case &c : cases) {
        _players[0].retorts[rtr_Node_Mastery] = c.mastery;
        int fizzles = 0;
        for (uint32_t seed = 1; seed <= 20; seed++) {
            Set_Random_Seed(seed);
            Battle_Unit_Record &caster = Unit(0, 0);
            caster.Innate_Spells = c.innate;
            g_fizzles.clear();
            EXPECT_EQ(Combat_Cast_Spell(0, 0, 0, 0), 2);
            fizzles += (int)g_fizzles.size();
        }
        if (c.stopped) {
            EXPECT_GT(fizzles, 15) << "strength 1 against the node's 50";
        } else {
            EXPECT_EQ(fizzles, 0) << "innate " << (int)c.innate << " mastery " << (int)c.mastery;
        }
    }
    ASSERT_FALSE(g_fizzles.empty());
    EXPECT_EQ(g_fizzles[0], "The power of Chaos Node has caused the 's Spell 96 spell to fizzle.");
}

TEST_F(CombatCasting, TheWizardPaysThePriceTimesTheDistanceFactorOnceAndNeverBelowNothing)
{
    Spell(33, 21, 3, 20, 6);
    struct Case {
        int mana;
        int distance;
        int strength;
        int mana_after;
    } cases[] = {{100, 12, 50, 0}, {100, 12, 30, 40}, {100, 0, 30, 85}, {100, 12, 60, 0}, {300, 25, 2000, 0}};
    for (const Case &c : cases) {
        memset(combat_enchantments, 0, sizeof(combat_enchantments));
        Human_Wizard(33, c.mana, c.distance);
        _players[0].Cmbt_Skill_Left = 3000;
        g_book_spell = 33;
        g_adder_strength = (int16_t)c.strength;
        EXPECT_EQ(Combat_Cast_Spell(COMBAT_CASTER_WIZARD, 0, 0, 0), 2) << "strength " << c.strength;
        EXPECT_EQ(_players[0].mana_reserve, c.mana_after) << "strength " << c.strength << " distance " << c.distance;
        EXPECT_EQ(_players[0].Cmbt_Skill_Left, 3000 - c.strength);
        EXPECT_EQ(combat_enchantments[6], 1);
    }
}

TEST_F(CombatCasting, CasterCodesPastTheWizardsNeverCast)
{
    Spell(33, 10, 3, 20, 6);
    for (int16_t caster : {25, 26, 300, -1}) {
        g_book_spell = 33;
        EXPECT_EQ(Combat_Cast_Spell(caster, 0, 0, 0), 1);
        EXPECT_EQ(combat_enchantments[6], 0);
    }
}

TEST_F(CombatCasting, TheLegalityCheckNamesEachReason)
{
    Spell(33, 10, 3, 20, 6);
    Spell(30, 0, 2, 20, 190);
    EXPECT_EQ(Do_Legal_Spell_Check(33), 0);
    combat_enchantments[6] = 1;
    EXPECT_EQ(Do_Legal_Spell_Check(33), 1);
    for (int i = 0; i < 9; i++) Unit(i, 0);
    EXPECT_EQ(Do_Legal_Spell_Check(30), 1);
    EXPECT_EQ(g_refusals, (std::vector<int16_t>{82, 84}));
    EXPECT_EQ(Do_Legal_Spell_Check(0), 0);
}

TEST_F(CombatCasting, TheBannerSaysHasOrHaveByTheFigures)
{
    Spell(30, 4, 2, 10);
    const int16_t single = Overland_Unit(0, 41);
    const int16_t troop = Overland_Unit(0, 42);
    _unit_type_table[41].name = "Wyrm";
    _unit_type_table[41].Figures = 1;
    _unit_type_table[42].name = "Archers";
    _unit_type_table[42].Figures = 4;
    Unit(0, 0).unit_idx = single;
    Unit(1, 0).unit_idx = troop;
    char text[128];
    Combat_Cast_Spell_Message_Text(text, sizeof(text), 0, 30);
    EXPECT_STREQ(text, "The Wyrm has cast Spell 30");
    Combat_Cast_Spell_Message_Text(text, sizeof(text), 1, 30);
    EXPECT_STREQ(text, "The Archers have cast Spell 30");
    Combat_Cast_Spell_Message_Text(text, sizeof(text), 20, 0);
    EXPECT_STREQ(text, "Merlin has cast summon demon");
}

TEST_F(CombatCasting, ADemonComesOnlyWhileSummoningsAndFreeCellsLast)
{
    Battle_Unit_Record &summoner = Unit(0, 1);
    summoner.Attribs_1 = 0x0800;  // one summoning left
    const int16_t units = _units;
    Summon_Demon(0);
    ASSERT_EQ(_combat_total_unit_count, 2);
    const Battle_Unit_Record &demon = battle_units[1];
    EXPECT_GE(demon.Grid_X, 8);
    EXPECT_LE(demon.Grid_X, 10);
    EXPECT_GE(demon.Grid_Y, 9);
    EXPECT_LE(demon.Grid_Y, 11);
    EXPECT_EQ(summoner.Attribs_1 & 0x1800, 0);
    EXPECT_EQ(_units, units + 1);
    Summon_Demon(0);
    EXPECT_EQ(_combat_total_unit_count, 2) << "no summoning left";
    // Every candidate cell taken: nothing made and nothing spent.
    summoner.Attribs_1 = 0x1000;
    for (int i = 0; i < 9; i++) {
        Battle_Unit_Record &blocker = Unit(2 + i, 0);
        blocker.Grid_X = (int16_t)(8 + i % 3), blocker.Grid_Y = (int16_t)(9 + i / 3);
    }
    battle_units[1].Grid_X = 15;
    Summon_Demon(0);
    EXPECT_EQ(_combat_total_unit_count, 11);
    EXPECT_EQ(summoner.Attribs_1 & 0x1800, 0x1000);
}
