// How one wizard's regard for another changes, and the turn steps that let relations drift and
// patience recover.
#include <gtest/gtest.h>

#include "Diplomacy_Test_Fixture.h"
#include "turn/Relations.h"

namespace {

using Diplomacy_Relations = Diplomacy_Test;

TEST_F(Diplomacy_Relations, DampingPersonalityCharismaAndLateGame)
{
    struct Case {
        const char *what;
        int a, relation, amount, personality, charismatic, turn, treaty, expected;
    } cases[] = {
        {"warm relation slows praise", 1, 90, 8, pt_Chaotic, 0, 11, tt_Alliance, 92},
        {"without an alliance at most 65", 1, 90, 8, pt_Chaotic, 0, 11, tt_None, 65},
        {"cold relation doubles praise", 1, -60, 3, pt_Chaotic, 0, 11, tt_None, -54},
        {"praise lifts a cold relation to 10 at most", 1, -5, 20, pt_Chaotic, 0, 11, tt_None, 10},
        {"neutral praise", 1, 5, 10, pt_Chaotic, 0, 11, tt_None, 15},
        {"cold relation softens offence", 1, -50, -10, pt_Chaotic, 0, 11, tt_None, -53},
        {"warm relation doubles offence", 1, 30, -10, pt_Chaotic, 0, 11, tt_None, 10},
        {"lawful doubles offence again", 1, 30, -10, pt_Lawful, 0, 11, tt_None, -10},
        {"maniacal takes offence by half again", 1, 0, -10, pt_Maniacal, 0, 11, tt_None, -15},
        {"maniacal takes praise by three quarters", 1, 0, 8, pt_Maniacal, 0, 11, tt_None, 6},
        {"charismatic doubles praise", 1, 0, 8, pt_Chaotic, 1, 11, tt_None, 16},
        {"charismatic halves offence", 1, 0, -10, pt_Chaotic, 1, 11, tt_None, -5},
        {"late game doubles praise between rivals", 1, 0, 4, pt_Chaotic, 0, 250, tt_None, 8},
        {"late game divides offence by difficulty", 1, 0, -9, pt_Chaotic, 0, 250, tt_None, -4},
        {"late game leaves the human's changes alone", 0, 0, 4, pt_Chaotic, 0, 250, tt_None, 4},
        {"a sum past the byte is clamped", 1, -100, -120, pt_Lawful, 0, 11, tt_None, -100},
    };
    for (const Case &c : cases) {
        SetUp();
        _turn = static_cast<int16_t>(c.turn);
        const int b = 2;
        Set_Relation(c.a, b, c.relation);
        Set_Treaty_Both(c.a, b, static_cast<uint8_t>(c.treaty));
        _players[b].Personality = static_cast<int16_t>(c.personality);
        _players[c.a].retorts[rtr_Charismatic] = static_cast<uint8_t>(c.charismatic);
        int countdown = 15 + Peek_Draws({10})[0];

        Change_Relations(static_cast<int16_t>(c.amount), static_cast<int16_t>(c.a), b, 0, 0, 0);

        EXPECT_EQ(_players[b].Dipl_Relation[c.a], c.expected) << c.what;
        EXPECT_EQ(_players[c.a].Dipl_Relation[b], c.expected) << c.what;
        EXPECT_EQ(_players[b].Reevaluate_Hostility_Countdown, countdown) << c.what;
    }
}

TEST_F(Diplomacy_Relations, PatienceFollowsTheChangeInBothRecords)
{
    Set_Relation(1, 2, 0);
    _players[2].Dipl_Treaty_Patience[1] = 30;
    _players[2].Dipl_Exchange_Patience[1] = 40;
    _players[2].Dipl_Peace_Patience[1] = 50;
    _players[1].Dipl_Peace_Patience[2] = 60;
    Change_Relations(-20, 1, 2, 0, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[1], 10);
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[2], 10);
    EXPECT_EQ(_players[2].Dipl_Exchange_Patience[1], 20);
    EXPECT_EQ(_players[1].Dipl_Exchange_Patience[2], 20);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[1], 45);
    EXPECT_EQ(_players[1].Dipl_Peace_Patience[2], 65);

    // A charismatic wizard's offence moves the relation by half, the peace patience by the whole.
    _players[1].retorts[rtr_Charismatic] = 1;
    Set_Relation(1, 2, 0);
    Change_Relations(-20, 1, 2, 0, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Relation[1], -10);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[1], 40);
    EXPECT_EQ(_players[1].Dipl_Peace_Patience[2], 70);

    // Praise raises only the regarding wizard's peace patience, by the base change.
    Set_Relation(1, 2, 0);
    Change_Relations(6, 1, 2, 0, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[1], 46);
    EXPECT_EQ(_players[1].Dipl_Peace_Patience[2], 70);

    // Saturating, not wrapping.
    _players[2].Dipl_Treaty_Patience[1] = 32760;
    Change_Relations(20, 1, 2, 0, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[1], INT16_MAX);
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[2], INT16_MAX);
}

TEST_F(Diplomacy_Relations, IgnoredChangesTouchNothingAndDrawNothing)
{
    struct Case {
        const char *what;
        int amount, a, b;
        void (*prepare)();
    } cases[] = {
        {"the human's regard is not kept", -20, 1, 0, [] {}},
        {"the same wizard", -20, 1, 1, [] {}},
        {"no amount", 0, 1, 2, [] {}},
        {"not yet met", -20, 1, 2, [] { _players[1].Dipl_Contacted[2] = 0; }},
        {"final war", -20, 1, 2, [] { Set_Treaty_Both(1, 2, tt_Final_War); }},
        {"beyond the wizards in play", -20, 1, 4, [] {}},
        {"the neutral player", -20, 5, 1, [] {}},
        {"a stray index", -20, -3, 1, [] {}},
        {"a direct order from a rival", -10000, 1, 2, [] {}},
    };
    for (const Case &c : cases) {
        SetUp();
        Set_Relation(1, 2, 20);
        c.prepare();
        Player_Record before[NUM_PLAYERS];
        memcpy(before, _players, sizeof(before));
        uint32_t seed = Get_Random_Seed();
        Change_Relations(static_cast<int16_t>(c.amount), static_cast<int16_t>(c.a), static_cast<int16_t>(c.b), 5, 0, 0);
        EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0) << c.what;
        EXPECT_EQ(Get_Random_Seed(), seed) << c.what;
    }
}

TEST_F(Diplomacy_Relations, WarKeepsRelationsColdAndTurnsOffenceIntoPeacePatience)
{
    Set_Treaty_Both(0, 2, tt_War);
    Set_Relation(0, 2, -30);
    _players[2].Dipl_Peace_Patience[0] = 0;
    _players[0].Dipl_Peace_Patience[2] = 0;
    Change_Relations(-40, 0, 2, 8, 0, 0);  // -40 / (1 + 1) = -20
    EXPECT_EQ(_players[2].Dipl_Relation[0], -30);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[0], -5);
    EXPECT_EQ(_players[0].Dipl_Peace_Patience[2], 5);
    EXPECT_EQ(_players[2].Hostility[0], 3);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 0) << "an offence absorbed by war makes no order";

    // Between two rivals the offence is simply absorbed.
    Set_Treaty_Both(1, 2, tt_War);
    Set_Relation(1, 2, -30);
    _players[2].Dipl_Peace_Patience[1] = 7;
    Change_Relations(-40, 1, 2, 8, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Relation[1], -30);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[1], 7);

    // Praise at war still leaves the relation at -25 at best; reasons from 15 up are not absorbed.
    Set_Relation(1, 2, -30);
    Change_Relations(8, 1, 2, 0, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Relation[1], -25);
    EXPECT_EQ(_players[1].Dipl_Relation[2], -25);
    Set_Relation(1, 2, -30);
    Change_Relations(-40, 1, 2, 30, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Relation[1], -50);
}

TEST_F(Diplomacy_Relations, MasterySpellDeclaresWarOnlyOnALowDrawOfARealChange)
{
    // Damped to nothing: no draw for war, only the countdown's.
    Set_Relation(1, 2, -100);
    int countdown = 15 + Peek_Draws({10})[0];
    Change_Relations(-1, 1, 2, 10, 0, 0);
    EXPECT_EQ(_players[2].Dipl_Treaty[1], tt_None);
    EXPECT_EQ(_players[2].Reevaluate_Hostility_Countdown, countdown);

    // Find streams where the war draw is low, and where it is not.
    for (bool want_war : {true, false}) {
        SetUp();
        uint32_t seed = 1;
        for (;; seed++) {
            random_seed = seed;
            if ((Peek_Draws({100})[0] < 11) == want_war) break;
        }
        Set_Relation(1, 2, 0);
        Change_Relations(-10, 1, 2, 10, 0, 0);
        EXPECT_EQ(_players[2].Dipl_Treaty[1], want_war ? tt_War : tt_None);
        EXPECT_EQ(_players[1].Dipl_Treaty[2], want_war ? tt_War : tt_None);
        if (want_war) {
            EXPECT_LE(_players[2].Dipl_Relation[1], -76);
            EXPECT_EQ(_players[2].Hostility[1], 3);
        } else {
            EXPECT_EQ(_players[2].Dipl_Relation[1], -10);
        }
    }
}

TEST_F(Diplomacy_Relations, OrdersForTheHumanKeepTheStrongestCause)
{
    Set_Relation(0, 2, 0);
    Change_Relations(-10, 0, 2, 8, 3, 77);
    EXPECT_EQ(_players[0].Dipl_Pending_Strength[2], -10);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 8);
    EXPECT_EQ(_players[0].Dipl_Pending_City[2], 3);
    EXPECT_EQ(_players[0].Dipl_Pending_Param[2], 77);

    Change_Relations(-5, 0, 2, 9, 4, 1);  // a weaker cause is not told
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 8);
    Change_Relations(-30, 0, 2, 9, 4, 1);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 9);
    EXPECT_EQ(_players[0].Dipl_Pending_City[2], 4);

    Change_Relations(0, 0, 2, 0, 0, 0);
    Change_Relations(-10000, 0, 2, 39, 0, 12);
    EXPECT_EQ(_players[0].Dipl_Pending_Strength[2], DIPL_ORDER_DIRECT);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 39);
    EXPECT_EQ(_players[0].Dipl_Pending_Param[2], 12);
    Set_Relation(0, 2, 0);
    Change_Relations(-100, 0, 2, 9, 0, 0);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 39) << "a direct order is never replaced";
    EXPECT_EQ(_players[2].Dipl_Relation[0], -100);

    // A change without a reason leaves the order as it is.
    _players[0].Dipl_Pending_Strength[3] = 0;
    Change_Relations(-50, 0, 3, 0, 0, 0);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[3], 0);
}

TEST_F(Diplomacy_Relations, DriftMovesTowardTheDefaultAndMirrorsEveryPair)
{
    _num_players = 3;
    _turn = 11;
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) {
            _players[i].Dipl_Relation[j] = 0;
            _players[i].Dipl_Default_Relation[j] = 5;
        }
    _players[2].Dipl_Relation[2] = 40;
    _players[2].Dipl_Pending_Strength[0] = -8;  // an order holds the relation this turn
    _players[0].Dipl_Relation[1] = 77;          // the human's copy is overwritten by the mirror

    // Growth draws once per pair (no treaty), then per computer wizard and player a draw of 105
    // and, as every relation here is below it, a step of 1..2.
    std::vector<int> draws = Peek_Draws({2, 2, 2, 105, 2, 105, 2, 105, 2, 105, 2, 105, 2, 105, 2});
    auto step = [&](int i, int j) { return draws[3 + ((i - 1) * 3 + j) * 2 + 1]; };
    Diplomacy_Growth();

    EXPECT_EQ(_players[1].Dipl_Relation[0], step(1, 0));
    EXPECT_EQ(_players[1].Dipl_Relation[2], step(2, 1)) << "the higher-numbered wizard's value wins";
    EXPECT_EQ(_players[2].Dipl_Relation[0], 0);
    EXPECT_EQ(_players[2].Dipl_Relation[1], step(2, 1));
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(_players[i].Dipl_Relation[i], 0);
        for (int j = i + 1; j < 3; j++) EXPECT_EQ(_players[i].Dipl_Relation[j], _players[j].Dipl_Relation[i]);
    }

    // Above the default a relation falls only on a tenth turn, and never past the default.
    for (int turn : {11, 20}) {
        SetUp();
        _num_players = 2;
        _turn = static_cast<int16_t>(turn);
        Set_Relation(0, 1, 6);
        _players[1].Dipl_Default_Relation[0] = 5;
        std::vector<int> fall = Peek_Draws({2, 105});
        ASSERT_GT(fall[1], 6) << "the stream must allow a step";
        Diplomacy_Growth();
        EXPECT_EQ(_players[1].Dipl_Relation[0], turn == 20 ? 5 : 6) << turn;
        EXPECT_EQ(_players[0].Dipl_Relation[1], _players[1].Dipl_Relation[0]);
    }
}

TEST_F(Diplomacy_Relations, PatienceRecoversAndTheTurnsOrdersAreCleared)
{
    _players[1].Dipl_Treaty_Patience[2] = 95;
    _players[1].Dipl_Exchange_Patience[2] = 100;
    _players[1].Dipl_Peace_Patience[2] = -200;
    _players[1].Dipl_Treaty_Patience[1] = 0;
    End_Of_Turn_Diplomacy_Adjustments();
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[2], 105);
    EXPECT_EQ(_players[1].Dipl_Exchange_Patience[2], 100);
    EXPECT_EQ(_players[1].Dipl_Peace_Patience[2], -190);
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[1], 0);

    _players[0].Dipl_Treaty_Patience[1] = -10;
    _players[0].Dipl_Exchange_Patience[1] = 60;
    _players[0].Dipl_Peace_Patience[1] = 250;
    Set_Treaty_Both(0, 2, tt_Final_War);
    _players[0].Dipl_Treaty_Patience[2] = -10;
    _players[0].Dipl_Pending_Strength[2] = 300;
    _players[0].Dipl_Pending_Order[2] = 7;
    _players[0].Dipl_Exchange_Count[2] = 4;
    _players[0].Dipl_Offer_Spell[2] = 12;
    _players[0].Dipl_Wanted_Spell[2] = 13;
    _players[0].Dipl_Offer_Gold[2] = 75;
    _players[0].Dipl_Pending_Param[2] = 9;
    Modifier_Diplomacy_Adjustments();
    EXPECT_GE(_players[0].Dipl_Treaty_Patience[1], -8);
    EXPECT_LE(_players[0].Dipl_Treaty_Patience[1], 0);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[1], 60);
    EXPECT_EQ(_players[0].Dipl_Peace_Patience[1], 200);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[2], -10) << "final war recovers nothing";
    EXPECT_EQ(_players[0].Dipl_Pending_Strength[2], 0);
    EXPECT_EQ(_players[0].Dipl_Pending_Order[2], 0);
    EXPECT_EQ(_players[0].Dipl_Exchange_Count[2], 0);
    EXPECT_EQ(_players[0].Dipl_Offer_Spell[2], 0);
    EXPECT_EQ(_players[0].Dipl_Wanted_Spell[2], 0);
    EXPECT_EQ(_players[0].Dipl_Offer_Gold[2], 0);
    EXPECT_EQ(_players[0].Dipl_Pending_Param[2], 9);

    _players[2].Dipl_Treaty_Patience[1] = 150;
    _players[2].Dipl_Treaty_Patience[3] = -300;
    Clamp_Treaty_Patience();
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[1], 120);
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[3], -200);

    _players[2].Dipl_Peace_Patience[1] = 0;
    _players[2].Dipl_Exchange_Patience[1] = 0;
    Lower_Patience(2, 1);
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[1], 110);
    EXPECT_EQ(_players[2].Dipl_Exchange_Patience[1], -10);
    EXPECT_EQ(_players[2].Dipl_Peace_Patience[1], -10);
}

TEST_F(Diplomacy_Relations, TruceCountsDownToZero)
{
    _players[0].peace_duration[1] = 5;
    _players[0].peace_duration[2] = 0;
    _players[0].peace_duration[3] = -1;  // as a new game stores it
    _players[0].peace_duration[0] = 3;
    _players[0].peace_duration[4] = 9;  // not a wizard in play
    Decrease_Peace_Duration();
    EXPECT_EQ(_players[0].peace_duration[1], 4);
    EXPECT_EQ(_players[0].peace_duration[2], 0);
    EXPECT_EQ(_players[0].peace_duration[3], 0);
    EXPECT_EQ(_players[0].peace_duration[0], 3);
    EXPECT_EQ(_players[0].peace_duration[4], 9);
}

}  // namespace
