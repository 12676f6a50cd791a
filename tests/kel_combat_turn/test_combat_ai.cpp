#include <string>

#include "Log_Capture.h"
#include "Turn_Fixture.h"
#include "combat/Combat_AI.h"
#include "combat/Combat_Results.h"

using CombatAI = Turn_Test;

TEST_F(CombatAI, OfEqualTargetsMeleeTakesTheOneWithMoreHitsAndMissilesTheOneWithFewer)
{
    struct Case {
        int16_t ranged;
        int16_t chosen;
    } cases[] = {{0, 2}, {1, 1}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &chooser = c.ranged ? Archer(0, 1, 10, 10) : Unit(0, 1);
        chooser.Grid_X = 10, chooser.Grid_Y = 10;
        Battle_Unit_Record &hurt = Unit(1, 0);
        hurt.Grid_X = 10, hurt.Grid_Y = 14;
        hurt.Front_Figure_Damage = 1;
        Battle_Unit_Record &whole = Unit(2, 0);
        whole.Grid_X = 14, whole.Grid_Y = 10;
        int16_t mode = 0;
        EXPECT_EQ(Choose_Target_And_Action(0, &mode, c.ranged), c.chosen) << "ranged " << c.ranged;
    }
}

TEST_F(CombatAI, AHeroAvoidsTooStrongAMeleeTargetUntilTheSafetyCheckIsOff)
{
    Battle_Unit_Record &hero = Fighter(0, 1, 10, 10);
    _UNITS[hero.unit_idx].Hero_Slot = 0;
    hero.Melee = 2;
    Battle_Unit_Record &wall = Unit(1, 0, 3, 6);
    wall.Grid_X = 12, wall.Grid_Y = 10;
    int16_t mode = 0;
    EXPECT_EQ(Choose_Target_And_Action(0, &mode, 0), -1);
    _ai_disable_hero_melee_safety_check = 1;
    EXPECT_EQ(Choose_Target_And_Action(0, &mode, 0), 1);
}

TEST_F(CombatAI, AnAttackersVortexEndsTheDefendersHoldOnTheCity)
{
    struct Case {
        int16_t vortex_owner;
        int16_t stays;
    } cases[] = {{-1, 1}, {1, 1}, {0, 0}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        battlefield->walls = 1;
        Fighter(0, 0, 2, 2);
        Fighter(1, 1, 6, 12);
        _ai_stay_in_city = 1;
        if (c.vortex_owner >= 0) {
            _vortexes[0] = {15, 15, 15, 15, 0, c.vortex_owner};
            _vortex_count = 1;
        }
        Auto_Do_Combat_Turn(1);
        EXPECT_EQ(_ai_stay_in_city, c.stays) << "vortex of " << c.vortex_owner;
        EXPECT_EQ(_ai_battlefield_city_walls, c.stays ? 1 : 0);
    }
}

TEST_F(CombatAI, TwoComputerSidesFightABattleToItsEndAndTraceTheirMovesAndAttacks)
{
    Log_Capture log("[Logging]\nCOMBAT_TEST = yes\n");
    Sides(0, 1);
    for (int i = 0; i < 3; i++) Fighter(i, 0, 2, 8 + 2 * i);
    for (int i = 0; i < 3; i++) Fighter(3 + i, 1, 16, 8 + 2 * i);
    _auto_combat_flag = 1;
    _combat_turn = 0;
    Begin_Combat_Turn();
    Auto_Cast_Spell_And_Do_Combat_Turn(1);
    m_cp_took_turn = 1;
    Auto_Cast_Spell_And_Do_Combat_Turn(0);
    for (int turn = 0; turn < 60 && _combat_winner == -1; turn++) Combat_Next_Turn();
    const std::string text = log.Finish();
    EXPECT_TRUE(_combat_winner == 0 || _combat_winner == 1) << "winner " << _combat_winner;
    EXPECT_LE(_combat_turn, COMBAT_TURN_LIMIT);
    EXPECT_NE(text.find("MOVE turn=1 unit="), std::string::npos);
    EXPECT_NE(text.find("MOVE_STEP unit="), std::string::npos);
    EXPECT_NE(text.find("mode=melee"), std::string::npos);
}
