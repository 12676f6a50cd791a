#include <string>

#include "Combat_Fixture.h"
#include "Log_Capture.h"
#include "STU_File.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Cache.h"
#include "combat/Combat_Rolls.h"

using CombatStrength = Combat_Test;
using CombatRolls = Combat_Test;
using CombatCache = Combat_Test;

TEST_F(CombatStrength, EffectiveValuesFollowTheirFormulasAndSaturate)
{
    EXPECT_EQ(Get_Effective_Hits(10, 4), 60);
    EXPECT_EQ(Get_Effective_Hits(10, 5), 120);
    EXPECT_EQ(Get_Effective_Hits(10, 3), 24);
    EXPECT_EQ(Get_Effective_Hits(10, -2), 30);
    // 8 figures of 40 hits at defence 12: 960 x 50 no longer turns negative.
    EXPECT_EQ(Get_Effective_Hits(320, 12), 32767);
    EXPECT_EQ(Get_Effective_Melee_Strength(0, 5, 4, 0, rk_Fire_Breath), 0);
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 6, 0, -1), 240);
    // Flags negative as a signed word change nothing.
    EXPECT_EQ(Get_Effective_Ranged_Strength(4, 6, (int16_t)0x8001), 240);
    EXPECT_EQ(Get_Effective_Ranged_Strength(4, 6, UAF_ARMOR_PIERCING), 300);
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 6, UAF_POISON, -1), 300);
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 6, 0, rk_Doom_Gaze), 1440);
    EXPECT_EQ(Get_Effective_Melee_Strength(120, 120, 8, UAF_STONING_TOUCH, -1), 32767);
    Battle_Unit_Record &big = Unit(0, 0, 0, 12, 40, 8);
    EXPECT_EQ(Effective_Battle_Unit_Strength(&big), 32767);
}

TEST_F(CombatStrength, CommitDamageKillsFiguresAndNamesTheDeath)
{
    struct Case {
        int16_t damage[3];
        uint8_t status;
    } cases[] = {
        {{8, 0, 8}, bus_Destroyed},  // equal ordinary and destroying damage
        {{4, 8, 4}, bus_Drained},    // mostly life-draining
        {{10, 3, 3}, bus_Dead},      // mostly ordinary
        {{4, 6, 6}, bus_Destroyed},  // ties go to the higher kind
    };
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &bu = Unit(0, 1, 3, 2, 2, 4);
        Unit(1, 0);
        Battle_Unit_Commit_Damage(&bu, c.damage);
        EXPECT_EQ(bu.Status, c.status);
        EXPECT_EQ(bu.Cur_Figures, 0);
        EXPECT_EQ(_combat_winner, 0);
    }
    Combat_Tables_Reset();
    Battle_Unit_Record &bu = Unit(0, 1, 3, 2, 3, 4);
    Unit(1, 0);
    const int16_t none[3] = {0, 0, 0};
    Battle_Unit_Commit_Damage(&bu, none);
    EXPECT_EQ(bu.Cur_Figures, 4);
    const int16_t some[3] = {4, 0, 0};
    Battle_Unit_Commit_Damage(&bu, some);
    EXPECT_EQ(bu.Cur_Figures, 3);
    EXPECT_EQ(bu.Front_Figure_Damage, 1);
    EXPECT_EQ(bu.Status, bus_Fighting);
    EXPECT_EQ(_combat_winner, -1);
    const int16_t huge[3] = {250, 150, 0};
    Battle_Unit_Commit_Damage(&bu, huge);
    EXPECT_EQ(bu.Damage, DAMAGE_COUNTER_MAX);
    EXPECT_EQ(bu.Drain_Damage, 150);
    EXPECT_EQ(bu.Cur_Figures, 0);
    // A unit out of the fight takes nothing.
    Battle_Unit_Commit_Damage(&bu, huge);
    EXPECT_EQ(bu.Drain_Damage, 150);
}

TEST_F(CombatStrength, HealingBringsFiguresBackButNotDestroyingDamage)
{
    Battle_Unit_Record &bu = Unit(0, 0, 3, 2, 4, 4);
    bu.Cur_Figures = 3;
    bu.Front_Figure_Damage = 3;
    bu.Damage = 7;
    Battle_Unit_Heal(&bu, 5, 0);
    EXPECT_EQ(bu.Cur_Figures, 4);
    EXPECT_EQ(bu.Front_Figure_Damage, 2);
    EXPECT_EQ(bu.Damage, 2);
    bu.Cur_Figures = 3, bu.Front_Figure_Damage = 3, bu.Damage = 7, bu.Destroy_Damage = 9;
    Battle_Unit_Heal(&bu, 10, 0);
    EXPECT_EQ(bu.Cur_Figures, 4);
    EXPECT_EQ(bu.Front_Figure_Damage, 0);
    EXPECT_EQ(bu.Extra_Hits, 0);
    EXPECT_EQ(bu.Destroy_Damage, 9);
}

TEST_F(CombatStrength, ResistanceAndFlight)
{
    Battle_Unit_Record &bu = Unit(0, 0);
    bu.Resist = 4;
    bu.Combat_Enchantments = UE_ELEMENTALARMOR | UE_BLESS | UE_RESISTMAGIC;
    EXPECT_EQ(Combat_Effective_Resistance(REALM_CHAOS, &bu), 4 + 10 + 3 + 5);
    EXPECT_EQ(Combat_Effective_Resistance(REALM_LIFE, &bu), 4 + 5);
    EXPECT_EQ(Combat_Effective_Resistance(REALM_NONE, &bu), 4);
    bu.Attribs_1 = UI_MAGIC_IMMUNITY;
    EXPECT_EQ(Combat_Effective_Resistance(REALM_LIFE, &bu), 4 + 5 + 30);
    // One draw: resisted when at most the resistance plus the modifier, else the margin.
    for (int modifier : {-3, 0, -8}) {
        const int draw = Next_Draws(1)[0];
        const int resistance = Combat_Effective_Resistance(REALM_NONE, &bu) + modifier;
        EXPECT_EQ(Combat_Resistance_Check((int16_t)modifier, REALM_NONE, &bu),
                  draw <= resistance ? 0 : draw - resistance);
    }
    bu.Move_Flags = MV_FLYING;
    EXPECT_EQ(Battle_Unit_Is_Airborne(&bu), 1);
    EXPECT_EQ(Battle_Unit_Has_Flight(&bu), 1);
    bu.Curses = BUC_WEB;
    EXPECT_EQ(Battle_Unit_Is_Airborne(&bu), 0);
    EXPECT_EQ(Battle_Unit_Has_Flight(&bu), 0);
    bu.Curses = 0, bu.Move_Flags = MV_FOOT, bu.Combat_Enchantments = UE_FLIGHT;
    EXPECT_EQ(Battle_Unit_Is_Airborne(&bu), 0);
    EXPECT_EQ(Battle_Unit_Has_Flight(&bu), 1);
}

TEST_F(CombatRolls, ToHitAndToBlockMoveTheThreshold)
{
    // To-hit 3: every draw of 5 or more hits; -5: only a 10; to-block -3: nothing ever blocks.
    std::vector<int> draws = Next_Draws(200);
    int expect = 0;
    for (int d : draws) expect += d >= 5;
    EXPECT_EQ(Combat_Roll_Damage_Dealt(200, 3), expect);
    draws = Next_Draws(200);
    expect = 0;
    for (int d : draws) expect += d == 10;
    EXPECT_GT(expect, 0);
    EXPECT_EQ(Combat_Roll_Damage_Dealt(200, -5), expect);
    EXPECT_EQ(Combat_Roll_Damage_Blocked(200, -3), 0);
    const uint64_t before = g_random_call_count;
    EXPECT_EQ(Combat_Roll_Damage_Dealt(0, 0), 0);
    EXPECT_EQ(g_random_call_count, before);
}

TEST_F(CombatRolls, DefenceAgainstOneAttack)
{
    Battle_Unit_Record &bu = Unit(0, 1, 3, 4);
    // An illusion ignores defence unless the unit sees through it.
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, 0, UI_ILLUSIONS_IMMUNITY, 0, -1), 0);
    bu.Attribs_1 = UI_ILLUSIONS_IMMUNITY;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, 0, UI_ILLUSIONS_IMMUNITY, 0, -1), 4);
    // Weapon Immunity raises to 10, never 50, even against a magical attack.
    bu.Attribs_1 = UI_WEAPON_IMMUNITY;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, rk_Bow_First, UI_WEAPON_IMMUNITY, 0, -1), 10);
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, 0, UI_WEAPON_IMMUNITY, 0, -1), 10);
    // Another shared immunity on a magical attack is 50.
    bu.Attribs_1 = UI_MISSILES_IMMUNITY;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, rk_Bow_First, UI_MISSILES_IMMUNITY, 0, -1), DEFENSE_IMMUNE);
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, 0, UI_MISSILES_IMMUNITY, 0, -1), 4);
    bu.Attribs_1 = UI_MAGIC_IMMUNITY;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, rk_Magic_First, 0, 0, REALM_CHAOS), DEFENSE_IMMUNE);
    // Large Shield and Elemental Armor before armour piercing halves.
    bu.Attribs_1 = 0;
    bu.Abilities = UA_LARGESHIELD;
    bu.Combat_Enchantments = UE_ELEMENTALARMOR;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, rk_Magic_First, 0, UAF_ARMOR_PIERCING, REALM_CHAOS), (4 + 2 + 10) / 2);
    bu.Abilities = 0, bu.Combat_Enchantments = 0, bu.Defense = -3;
    EXPECT_EQ(Battle_Unit_Defense_Special(&bu, 0, 0, UAF_ARMOR_PIERCING, -1), -1);
}

TEST_F(CombatRolls, EliminatedOpponentAndFiringChecks)
{
    EXPECT_EQ(Eliminated_Opponent(), 1);  // neither side: the defender
    Battle_Unit_Record &a = Unit(0, 0);
    Battle_Unit_Record &d = Unit(1, 1);
    EXPECT_EQ(Eliminated_Opponent(), -1);
    // A defender gone over to the attacker still counts for the defender.
    d.owner_idx = 0;
    d.Confusion_State = 2;
    EXPECT_EQ(Eliminated_Opponent(), -1);
    d.Status = bus_Dead;
    EXPECT_EQ(Eliminated_Opponent(), 0);
    d.Status = 0, d.owner_idx = 1, d.Confusion_State = 0;
    a.Grid_X = 12, a.Grid_Y = 12, d.Grid_X = 6, d.Grid_Y = 12;
    EXPECT_EQ(Check_Attack_Ranged(&a, &d), 0);
    d.Abilities = UA_INVISIBILITY;
    EXPECT_EQ(Check_Attack_Ranged(&a, &d), 1);
    battlefield->wall_of_darkness = 1;
    EXPECT_EQ(Check_Attack_Ranged(&a, &d), 2);
    a.Combat_Enchantments = UE_TRUESIGHT;
    EXPECT_EQ(Check_Attack_Ranged(&a, &d), 0);
}

TEST_F(CombatCache, RoundTripAndAFailedWriteLeavesTheBlockIntact)
{
    const size_t bytes = (size_t)tmp_World_Data_Paras * 16;
    ASSERT_EQ(bytes, 56304u);
    for (size_t i = 0; i < bytes; i++) World_Data[i] = (uint8_t)(i * 7 + 1);
    std::vector<uint8_t> before(World_Data, World_Data + bytes);
    ASSERT_EQ(Combat_Cache_Write(), 1);
    std::vector<unsigned char> file;
    ASSERT_TRUE(STU_Read_File(User_Path("COMBAT.TMP").c_str(), file));
    EXPECT_EQ(file.size(), 32752u + 23552u);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), before.begin()));
    memset(World_Data, 0xEE, bytes);
    ASSERT_EQ(Combat_Cache_Read(), 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), World_Data));

    Log_Capture log;
    STU_GRAF_Set_User_Data_Dir((user / "missing/folder").c_str());
    EXPECT_EQ(Combat_Cache_Write(), 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), World_Data));
    memset(World_Data, 0x11, 16);
    EXPECT_EQ(Combat_Cache_Read(), 0);
    EXPECT_EQ(World_Data[0], 0x11);
    const std::string text = log.Finish();
    EXPECT_NE(text.find("FATAL: Combat_Cache_Write() failed to open"), std::string::npos);
    EXPECT_NE(text.find("; the world data cannot be saved before combat"), std::string::npos);
    EXPECT_NE(text.find("FATAL: Combat_Cache_Read() failed to open"), std::string::npos);
}
