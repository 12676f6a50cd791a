#include <string>

#include "../kel_combat_turn/Turn_Fixture.h"
#include "Log_Capture.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Spell_Effects.h"
#include "world/Player_Record.h"

using BattlefieldSpells = Turn_Test;

namespace {

// The generator state after the draws, the generator left where it was.
uint32_t State_After(std::initializer_list<std::pair<int16_t, int>> draws)
{
    const uint32_t seed = Get_Random_Seed();
    for (const auto &[n, times] : draws) {
        for (int i = 0; i < times; i++) RANDOM(n);
    }
    const uint32_t after = Get_Random_Seed();
    Set_Random_Seed(seed);
    return after;
}

}  // namespace

TEST_F(BattlefieldSpells, DeathSpellRollsOncePerStartingFigureOfEachEnemyItMayTouch)
{
    struct Case {
        const char *what;
        int16_t resist;
        uint32_t enchantments;
        uint16_t immunities;
        int draws;
        int figures_left;
    } cases[] = {
        {"every roll fails", 0, 0, 0, 4, 0},
        {"every roll resists", 12, 0, 0, 4, 4},
        {"Wraith Form", 0, UE_WRAITHFORM, 0, 0, 4},
        {"Death Immunity", 0, 0, UI_DEATH_IMMUNITY, 0, 4},
    };
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &own = Unit(0, 0, 3, 2, 1, 4);
        own.Resist = 0;
        Battle_Unit_Record &enemy = Unit(1, 1, 3, 2, 1, 4);
        enemy.Resist = (int8_t)c.resist;
        enemy.Combat_Enchantments = c.enchantments;
        enemy.Attribs_1 = c.immunities;
        const uint32_t expected = State_After({{10, c.draws}});
        Apply_Death_Spell(0);
        EXPECT_EQ(Get_Random_Seed(), expected) << c.what;
        EXPECT_EQ(enemy.Cur_Figures, c.figures_left) << c.what;
        EXPECT_EQ(own.Cur_Figures, 4) << c.what;
    }
}

TEST_F(BattlefieldSpells, HolyWordSparesNormalUnitsAndHitsUndeadSevenWorse)
{
    struct Case {
        uint8_t race;
        bool undead;
        int16_t modifier;  // -1: no roll
    } cases[] = {{0, false, -1}, {16, false, -2}, {16, true, -7}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &enemy = Fighter(0, 1, 10, 10);
        enemy.race = c.race;
        enemy.Resist = 8;
        if (c.undead) _UNITS[enemy.unit_idx].mutations |= UM_UNDEAD;
        const std::vector<int> draws = Next_Draws(enemy.Cur_Figures);
        int expected = enemy.Cur_Figures;
        if (c.modifier != -1) {
            for (int d : draws) expected -= d > 8 + c.modifier ? 1 : 0;
        }
        const uint32_t before = Get_Random_Seed();
        Apply_Holy_Word(0);
        EXPECT_EQ(enemy.Cur_Figures, expected) << "race " << (int)c.race << " undead " << c.undead;
        if (c.modifier == -1) {
            EXPECT_EQ(Get_Random_Seed(), before);
        } else if (enemy.Cur_Figures < 4) {
            EXPECT_GT(enemy.Destroy_Damage, 0);
        }
    }
}

TEST_F(BattlefieldSpells, CallLightningGivesUpAfterThirtyFailedPicksInARow)
{
    Unit(0, 0);
    Battle_Unit_Record &dead = Unit(1, 1);
    dead.Status = bus_Dead;
    const uint32_t expected = State_After({{3, 1}, {2, 30}});
    Apply_Call_Lightning(0);
    EXPECT_EQ(Get_Random_Seed(), expected);
}

TEST_F(BattlefieldSpells, WarpCreatureGivesAMissingEffectAndNothingToAUnitWithAllThree)
{
    Battle_Unit_Record &bu = Unit(0, 1);
    bu.Curses = (int16_t)(BUC_WARP_CREATURE_MELEE | BUC_WARP_CREATURE_RESIST);
    Apply_Warp_Creature(0);
    const int16_t all = (int16_t)(BUC_WARP_CREATURE_MELEE | BUC_WARP_CREATURE_DEFENSE | BUC_WARP_CREATURE_RESIST);
    EXPECT_EQ(bu.Curses, all);
    const uint32_t before = Get_Random_Seed();
    Apply_Warp_Creature(0);
    EXPECT_EQ(bu.Curses, all);
    EXPECT_EQ(Get_Random_Seed(), before);
}

TEST_F(BattlefieldSpells, CracksCallSparesFliersButBreaksTheWallSection)
{
    battlefield->walls = 1;
    for (auto &row : battlefield->wall_sections) {
        for (int16_t &s : row) s = WALL_SECTION_STANDING;
    }
    Battle_Unit_Record &flier = Unit(0, 1);
    flier.Move_Flags = MV_FLYING;
    flier.Grid_X = 5, flier.Grid_Y = 10;
    for (int i = 0; i < 20; i++) Apply_Cracks_Call(5, 10);
    EXPECT_EQ(flier.Status, bus_Fighting);
    EXPECT_EQ(flier.Cur_Figures, 4);
    EXPECT_EQ(battlefield->wall_sections[0][0], WALL_SECTION_BREACHED);
    EXPECT_EQ(battlefield->wall_sections[0][1], WALL_SECTION_STANDING);
}

TEST_F(BattlefieldSpells, LifeDrainLowersResistanceByOneEveryFiveExtraManaAndFeedsTheWizard)
{
    spell_data_table[SPELL_LIFE_DRAIN].casting_cost = 10;
    struct Case {
        int16_t strength;
        int16_t bonus;
    } cases[] = {{10, 0}, {14, 0}, {15, 1}, {30, 4}, {5, 0}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &target = Unit(0, 1);
        target.Resist = 6;
        const int draw = Next_Draws(1)[0];
        const int margin = draw > 6 - c.bonus ? draw - (6 - c.bonus) : 0;
        _players[0].spell_casting_skill = 100;
        int16_t damage[NUM_DAMAGE_KINDS] = {7, 7, 7};
        Apply_Life_Drain(0, damage, COMBAT_CASTER_WIZARD, c.strength);
        EXPECT_EQ(damage[0], 0);
        EXPECT_EQ(damage[1], margin) << "strength " << c.strength;
        EXPECT_EQ(damage[2], 0);
        EXPECT_EQ(+_players[0].spell_casting_skill, 100 + 3 * margin);
    }
}

TEST_F(BattlefieldSpells, WrackHurtsEachEnemyOncePerFailedFigureRoll)
{
    Battle_Unit_Record &enemy = Unit(1, 1, 3, 2, 3, 4);
    enemy.Resist = 4;
    const std::vector<int> draws = Next_Draws(4);
    int failures = 0;
    for (int d : draws) failures += d > 5 ? 1 : 0;
    Apply_Wrack(0);
    EXPECT_EQ(enemy.Damage, failures);
}

TEST_F(BattlefieldSpells, SlotsOutsideTheBattleWideTableAndDisruptOutsideTheCityChangeNothing)
{
    Log_Capture log;
    Combat_Set_Battle_Enchantment(4, 1, 1);
    EXPECT_EQ(combat_enchantments[5], 1);
    Combat_Set_Battle_Enchantment(20, 1, 200);
    EXPECT_EQ(combat_enchantments[21], 127);
    int8_t before[NUM_COMBAT_ENCHANTMENTS];
    memcpy(before, combat_enchantments, sizeof before);
    Combat_Set_Battle_Enchantment(29, 1, 1);
    Combat_Set_Battle_Enchantment(-1, 0, 1);
    EXPECT_EQ(memcmp(before, combat_enchantments, sizeof before), 0);
    Apply_Disrupt(6, 11);
    EXPECT_EQ(battlefield->wall_sections[1][1], WALL_SECTION_BREACHED);
    Apply_Disrupt(9, 11);
    Apply_Disrupt(4, 13);
    int breached = 0;
    for (auto &row : battlefield->wall_sections) {
        for (int16_t s : row) breached += s == WALL_SECTION_BREACHED;
    }
    EXPECT_EQ(breached, 1);
    const std::string text = log.Finish();
    EXPECT_NE(text.find("slot 30 of parameter 29"), std::string::npos);
    EXPECT_NE(text.find("slot -1 of parameter -1"), std::string::npos);
    EXPECT_NE(text.find("cell (9, 11) lies outside the city block"), std::string::npos);
    EXPECT_NE(text.find("cell (4, 13) lies outside the city block"), std::string::npos);
}
