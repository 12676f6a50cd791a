#include <cstring>

#include "../kel_combat/Combat_Fixture.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_AI_Spells.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

namespace {

void Spell(int16_t spell, int type, int realm = 0, int cost = 10, uint32_t param = 0)
{
    Spell_Data_Record &s = spell_data_table[spell];
    s.type = (uint8_t)type;
    s.magic_realm = (uint8_t)realm;
    s.casting_cost = (int16_t)cost;
    s.Eligibility = 2;
    s.Param_Mask = param;
}

}  // namespace

class CombatSpellChoice : public Combat_Test {
protected:
    void SetUp() override
    {
        Combat_Test::SetUp();
        for (int s = 1; s < NUM_SPELLS; s++) Spell((int16_t)s, 99);
        _active_battle_unit = 0;
    }
    static void Wizard(int player, int mana, int skill)
    {
        _players[player].mana_reserve = (int16_t)mana;
        _players[player].Cmbt_Skill_Left = (int16_t)skill;
    }
    // A lone weak unit of player 1 against four strong units of player 0: mode 0 for player 1.
    static void Hopeless_Battle(void)
    {
        Unit(0, 1, 1, 1, 1, 1).Grid_X = 6;
        for (int i = 1; i <= 4; i++) Unit(i, 0, 9, 6, 4, 8).Grid_X = (int16_t)(12 + i);
    }
};

TEST_F(CombatSpellChoice, InModeZeroOnlyTheAllOutRowIsChosen)
{
    Hopeless_Battle();
    ASSERT_EQ(AI_Player_Mode(1), 0);
    Spell(7, 1, 0, 10, UE_STONESKIN);  // an own-unit enchantment of the first row
    Spell(13, 19);                     // cast without a target, all-out row
    Player_Set_Spell_Status(1, 7, SS_KNOWN);
    Wizard(1, 500, 500);
    for (int round = 0; round < 10; round++) {
        EXPECT_LT(AI_Score_Combat_Spell(1, 7, 0), 0);
        EXPECT_GE(AI_Score_Combat_Spell(1, 13, 0), 500);
        EXPECT_EQ(AI_Select_Combat_Spell(21), 0) << "only the first-row spell is known";
    }
    Player_Set_Spell_Status(1, 13, SS_KNOWN);
    EXPECT_EQ(AI_Select_Combat_Spell(21), 13);
}

TEST_F(CombatSpellChoice, NoTargetScoresMinusOneAndNoEnemyMinusHundred)
{
    Hopeless_Battle();
    Spell(125, 5);  // Healing: nobody is hurt
    EXPECT_EQ(AI_Score_Combat_Spell(1, 125, 3), -1);
    for (int i = 1; i <= 4; i++) battle_units[i].Status = bus_Dead;
    Spell(13, 19);
    EXPECT_EQ(AI_Score_Combat_Spell(1, 13, 3), -100);
}

TEST_F(CombatSpellChoice, AWizardSpendsAtMostItsManaTimesTenOverTheFactor)
{
    Unit(0, 1);
    Spell(13, 19, 5, 50);
    Spell(14, 19, 5, 51);
    Player_Set_Spell_Status(1, 13, SS_KNOWN);
    Player_Set_Spell_Status(1, 14, SS_KNOWN);
    Wizard(1, 100, 1000);
    int16_t list[AI_CASTABLE_LIST_MAX];
    ASSERT_EQ(AI_Build_Castable_Combat_Spell_List(21, list, 20), 1);
    EXPECT_EQ(list[0], 13);
    Wizard(1, 1000, 50);
    EXPECT_EQ(AI_Build_Castable_Combat_Spell_List(21, list, 20), 1) << "the skill left caps it too";
    spell_data_table[14].Eligibility = 1;
    Wizard(1, 1000, 1000);
    EXPECT_EQ(AI_Build_Castable_Combat_Spell_List(21, list, 20), 1) << "place code 1 is never listed";
    EXPECT_EQ(AI_Build_Castable_Combat_Spell_List(25, list, 10), 0) << "no wizard past the fifth";
}

TEST_F(CombatSpellChoice, RealmThreatsAreRebuiltEachBattle)
{
    Unit(0, 0);
    Unit(1, 1);
    g_ai_combat_attacker_realm_flags = 0x1F;
    g_ai_combat_defender_realm_flags = 0x1F;
    Spell(30, 4, REALM_CHAOS);
    Player_Set_Spell_Status(0, 30, SS_KNOWN);
    Wizard(0, 500, 500);
    AI_Prepare_Combat_Realm_Threats();
    EXPECT_EQ(g_ai_combat_attacker_realm_flags, 1 << REALM_CHAOS);
    EXPECT_EQ(g_ai_combat_defender_realm_flags, 0);
}

TEST_F(CombatSpellChoice, UnitRealmPercentagesSplitTheArmysThreat)
{
    Battle_Unit_Record &breath = Unit(0, 0, 2, 2, 2, 2);
    breath.Ranged = 4, breath.Ranged_Type = 101;  // fire breath: 8 of Chaos
    Battle_Unit_Record &killer = Unit(1, 0, 0, 2, 2, 1);
    killer.Attack_Flags = UAF_DEATH_TOUCH;  // 5 of Death
    int16_t v[AI_UNIT_REALMS];
    AI_Build_Unit_Realm_Threat_Percentages(0, v);
    // S = 2 x (2 + 4) + 0 + 5 = 17
    EXPECT_EQ(v[REALM_CHAOS], 8 * 100 / 17);
    EXPECT_EQ(v[REALM_DEATH], 5 * 100 / 17);
    EXPECT_EQ(v[REALM_NATURE], 0);
    Unit(0, 0, 0, 2, 2, 2);
    Battle_Unit_Record &idle = battle_units[1];
    idle.Attack_Flags = 0;
    AI_Build_Unit_Realm_Threat_Percentages(0, v);
    for (int r = 0; r < AI_UNIT_REALMS; r++) EXPECT_EQ(v[r], 0);
}

TEST_F(CombatSpellChoice, HealingIgnoresUnitsThatLostFewerThanThreeHits)
{
    struct Case {
        int lost_figures, front_damage;
        int16_t expected;
    } cases[] = {{0, 2, -1}, {0, 3, 0}, {1, 0, -1}, {1, 1, 0}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &bu = Unit(0, 1, 3, 2, 2, 4);
        bu.Cur_Figures = (uint8_t)(4 - c.lost_figures);
        bu.Front_Figure_Damage = (uint8_t)c.front_damage;
        EXPECT_EQ(AITP_Healing(1), c.expected) << c.lost_figures << " " << c.front_damage;
    }
}

TEST_F(CombatSpellChoice, HolyWordWantsAFightingFantasticEnemyWithoutSpellLock)
{
    struct Case {
        int race;
        uint32_t enchantments;
        int status;
        int16_t expected;
    } cases[] = {{16, 0, bus_Fighting, 99},
                 {16, UE_SPELLLOCK, bus_Fighting, -1},
                 {3, 0, bus_Fighting, -1},
                 {16, 0, bus_Dead, -1}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Unit(0, 1);
        Battle_Unit_Record &enemy = Unit(1, 0);
        enemy.race = (uint8_t)c.race;
        enemy.Combat_Enchantments = c.enchantments;
        enemy.Status = (uint8_t)c.status;
        EXPECT_EQ(AITP_HolyWord(1), c.expected) << "race " << c.race;
    }
}

TEST_F(CombatSpellChoice, SummonsLandOnTheCastersSide)
{
    Spell(30, 0);
    Unit(0, 0);
    Unit(1, 1);
    for (int round = 0; round < 40; round++) {
        for (int16_t player : {0, 1}) {
            int16_t x = -1, y = -1;
            ASSERT_EQ(AITP_Combat_Spell(30, player, &x, &y), 99);
            if (player == _combat_attacker_player) {
                EXPECT_TRUE(x >= 11 && x <= 13) << x;
            } else {
                EXPECT_TRUE(x >= 8 && x <= 10) << x;
            }
            EXPECT_TRUE(y >= 9 && y <= 11) << y;
        }
    }
    for (int i = 2; i < 10; i++) Unit(i, 1);
    int16_t x, y;
    EXPECT_EQ(AITP_Combat_Spell(30, 1, &x, &y), -1) << "nine own units already fight";
}

TEST_F(CombatSpellChoice, ABattlefieldEnchantmentTheSideHoldsIsNotCastAgain)
{
    Spell(40, 10, 0, 10, 4);  // the attacker's slot 4, the defender's 5
    Unit(0, 0);
    Unit(1, 1);
    int16_t x, y;
    combat_enchantments[5] = 1;
    EXPECT_EQ(AITP_Combat_Spell(40, 0, &x, &y), 99);
    EXPECT_EQ(AITP_Combat_Spell(40, 1, &x, &y), -1);
}

TEST_F(CombatSpellChoice, EarthToMudGoesWhereEnemiesOutnumberOwnUnits)
{
    Battle_Unit_Record &a = Unit(0, 1);
    a.Grid_X = 5, a.Grid_Y = 5;
    Battle_Unit_Record &e = Unit(1, 0);
    e.Grid_X = 6, e.Grid_Y = 5;
    int16_t x = -1, y = -1;
    // Sums reach 1 at best; scanning column by column, the enemy's own cell comes first.
    EXPECT_EQ(AITP_EarthToMud(1, &x, &y), 99);
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 5);
    a.Grid_X = 6;  // the same cell: every sum is 0
    EXPECT_EQ(AITP_EarthToMud(1, &x, &y), -1);
    a.Grid_X = 5;
    e.Move_Flags = MV_FLYING;
    EXPECT_EQ(AITP_EarthToMud(1, &x, &y), -1) << "a flier is not bogged down";
    e.Move_Flags = MV_FOOT;
    _combat_structure = 6;
    EXPECT_EQ(AITP_EarthToMud(1, &x, &y), -1);
}

TEST_F(CombatSpellChoice, RecallHeroPrefersTheBadlyHurtHeroAndNeverAtHome)
{
    auto hero = [](int slot, int melee, int front_damage) {
        Battle_Unit_Record &bu = Unit(slot, 1, melee, 2, 10, 1);
        bu.unit_idx = Overland_Unit(1);
        _UNITS[bu.unit_idx].Hero_Slot = (int8_t)slot;
        bu.Front_Figure_Damage = (uint8_t)front_damage;
        return &bu;
    };
    hero(0, 12, 0);
    hero(1, 6, 8);
    Unit(2, 1, 30, 9, 10, 1);  // strongest of all, but no hero
    Unit(3, 0);
    _FORTRESSES[1] = {1, 1, 0, 1};
    EXPECT_EQ(AITP_RecallHero(1), 1);
    _FORTRESSES[1] = {(uint8_t)_combat_wx, (uint8_t)_combat_wy, (uint8_t)_combat_wp, 1};
    EXPECT_EQ(AITP_RecallHero(1), -1);
}

TEST_F(CombatSpellChoice, DisruptAndCracksCallAgainstWalls)
{
    Unit(0, 0);
    Unit(1, 1).Move_Flags = MV_FLYING;
    battlefield->walls = 1;
    battlefield->wall_sections[3][3] = WALL_SECTION_BREACHED;  // (8, 13)
    battlefield->wall_sections[1][3] = WALL_SECTION_STANDING;  // (8, 11)
    int16_t x = 0, y = 0;
    EXPECT_EQ(AITP_Disrupt(0, &x, &y), 99);
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 11);
    EXPECT_EQ(AITP_Disrupt(1, &x, &y), -1) << "a defender never breaches its own walls";
    EXPECT_EQ(AITP_CracksCall(1, &x, &y), 0) << "the defender aims at units only";
    EXPECT_EQ(AITP_CracksCall(0, &x, &y), 99) << "no walking enemy: the wall";
}
