#include "Turn_Fixture.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Results.h"
#include "world/Player_Record.h"

using CombatTurn = Turn_Test;

TEST_F(CombatTurn, TurnFiftyOneGoesToTheDefender)
{
    struct Case {
        int16_t attacker, defender, code;
    } cases[] = {{0, 1, crc_Turn_Limit}, {1, 0, crc_Won}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Combat_Turn_State_Reset();
        Sides(c.attacker, c.defender);
        Fighter(0, c.attacker, 3, 3);
        Fighter(1, c.defender, 15, 15);
        _combat_turn = 49;
        Begin_Combat_Turn();
        EXPECT_EQ(Check_For_Winner(), -1) << "turn 50 goes on";
        Begin_Combat_Turn();
        EXPECT_EQ(_combat_turn, COMBAT_TURN_LIMIT);
        const int16_t winner = Check_For_Winner();
        EXPECT_EQ(winner, c.defender);
        EXPECT_EQ(Combat_End_Code(winner), c.code) << "human attacks: " << (c.attacker == 0);
    }
}

TEST_F(CombatTurn, AHopelessComputerFleesOnlyFromTurnTwoInTheOpenAndNeverAsNeutral)
{
    struct Case {
        int16_t turn, siege, defender;
        bool flees;
    } cases[] = {{1, 0, 1, false}, {2, 1, 1, false}, {2, 0, NEUTRAL_PLAYER_IDX, false}, {2, 0, 1, true}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Combat_Turn_State_Reset();
        Sides(0, c.defender);
        for (int i = 0; i < 6; i++) Fighter(i, 0, 3, 3 + i).Melee = 20;
        Battle_Unit_Record &hero = Fighter(6, c.defender, 15, 15);
        _UNITS[hero.unit_idx].Hero_Slot = 0;
        hero.Melee = 1;
        _combat_turn = c.turn;
        _computer_player_city_seige = c.siege;
        const int16_t winner = Check_For_Winner();
        EXPECT_EQ(winner, c.flees ? 0 : -1) << "turn " << c.turn << " siege " << c.siege << " side " << c.defender;
        EXPECT_EQ(_computer_player_did_flee, c.flees ? 1 : 0);
        EXPECT_EQ(hero.Status, c.flees ? bus_Fled : bus_Fighting);
        if (c.flees) {
            EXPECT_EQ(Combat_End_Code(winner), crc_Computer_Fled);
        }
    }
}

TEST_F(CombatTurn, TheComputerDefenderActsBeforeTheHumanAttackerInEveryTurn)
{
    Battle_Unit_Record &human = Fighter(0, 0, 3, 10);
    Battle_Unit_Record &computer = Fighter(1, 1, 12, 10);
    _combat_turn = 0;
    Begin_Combat_Turn();
    m_cp_took_turn = 1;  // the defender acted at the start of turn 1
    human.Move_Halves = 0;
    Combat_Next_Turn();
    EXPECT_EQ(_combat_turn, 2);
    EXPECT_EQ(_combat_winner, -1);
    EXPECT_EQ(m_cp_took_turn, 1);
    EXPECT_EQ(m_turn_is_local, 1);
    EXPECT_LT(computer.Grid_X, 12) << "the defender closed in at the start of turn 2";
    EXPECT_EQ(human.Grid_X, 3);
    EXPECT_EQ(human.Move_Halves, Battle_Unit_Moves2(&human)) << "the human's units still have all their moves";
}

TEST_F(CombatTurn, WebAndSleepHoldAUnitThatStillCountsAsAlive)
{
    struct Case {
        uint8_t web;
        int16_t curses;
        uint8_t web_after;
        bool done, moves;
    } cases[] = {
        {0, 0, 0, false, true},
        {10, 0, 6, true, false},
        {3, 0, 0, false, false},  // torn free, but the turn went in tearing
        {0, BUC_BLACK_SLEEP, 0, true, false},
    };
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Fighter(0, 0, 3, 3);
        Battle_Unit_Record &held = Fighter(1, 1, 15, 15);
        held.Web_Strength = c.web;
        held.Curses = c.curses;
        Begin_Combat_Turn();
        EXPECT_EQ(held.Web_Strength, c.web_after) << "web " << (int)c.web;
        EXPECT_EQ(held.Action == BUA_DONE, c.done) << "web " << (int)c.web << " curses " << c.curses;
        EXPECT_EQ(held.Move_Halves > 0, c.moves) << "web " << (int)c.web << " curses " << c.curses;
        EXPECT_EQ(Check_For_Winner(), -1);
    }
}

TEST_F(CombatTurn, WindMasteryQuickensTheHoldersShipsAndSlowsTheOthers)
{
    struct Case {
        bool owner_holds, enemy_holds;
        int moves;
    } cases[] = {{false, false, 4}, {true, false, 6}, {false, true, 2}, {true, true, 4}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &ship = Fighter(0, 0, 3, 3);
        _unit_type_table[FOOT_TYPE].Move_Halves = 4;
        ship.Transport = 2;
        _players[0].Globals[ge_Wind_Mastery] = c.owner_holds ? 1 : 0;
        _players[1].Globals[ge_Wind_Mastery] = c.enemy_holds ? 1 : 0;
        EXPECT_EQ(Battle_Unit_Moves2(&ship), c.moves) << c.owner_holds << c.enemy_holds;
    }
}

TEST_F(CombatTurn, AConfusedUnitServingTheOtherSideStillCountsForItsOwnAndGoesBackWhenClosed)
{
    Battle_Unit_Record &own = Fighter(0, 0, 3, 3);
    Battle_Unit_Record &confused = Fighter(1, 1, 15, 15);
    confused.Curses = BUC_CONFUSION;
    confused.Confusion_State = 2;
    confused.owner_idx = 0;
    EXPECT_EQ(Check_For_Winner(), -1) << "the defender still has its confused unit";
    own.Status = bus_Dead;
    EXPECT_EQ(Check_For_Winner(), 1) << "the attacker has no unit of its own left";
    Combat_Close_Battle_Unit(&confused);
    EXPECT_EQ(confused.owner_idx, 1);
    EXPECT_EQ(confused.Action, BUA_DONE);
    EXPECT_EQ(confused.Move_Halves, 0);
}
