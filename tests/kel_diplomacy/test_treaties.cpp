// Treaties made, broken, war and peace: both records of a pair always agree.
#include <gtest/gtest.h>

#include "Diplomacy_Test_Fixture.h"
#include "turn/Treaties.h"

namespace {

using Diplomacy_Treaties = Diplomacy_Test;

void Expect_Patience_Both_Ways(int a, int b, int treaty, int exchange, int peace)
{
    for (auto [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        EXPECT_EQ(_players[x].Dipl_Treaty_Patience[y], treaty) << x << " toward " << y;
        EXPECT_EQ(_players[x].Dipl_Exchange_Patience[y], exchange) << x << " toward " << y;
        EXPECT_EQ(_players[x].Dipl_Peace_Patience[y], peace) << x << " toward " << y;
    }
}

int16_t Add_Unit(int8_t owner, uint8_t status)
{
    int16_t idx = _units++;
    memset(&_UNITS[idx], 0, sizeof(Unit_Record));
    _UNITS[idx].owner_idx = owner;
    _UNITS[idx].Status = status;
    return idx;
}

TEST_F(Diplomacy_Treaties, SetTreatyWritesBothRecordsAndDropsStandingOrders)
{
    _players[1].Hostility[2] = 3;
    _players[2].Hostility[1] = 3;
    int16_t patrol = Add_Unit(1, us_Patrol);
    int16_t road = Add_Unit(1, us_BuildRoad);
    // Orders are dropped from every unit whose type builds no roads.
    _UNITS[patrol].type = 0;
    _UNITS[road].type = 1;
    const auto construction = _unit_type_table[1].Construction;
    _unit_type_table[0].Construction = 0;
    _unit_type_table[1].Construction = 1;
    Set_Treaty(1, 2, tt_Alliance);
    EXPECT_EQ(_players[1].Dipl_Treaty[2], tt_Alliance);
    EXPECT_EQ(_players[2].Dipl_Treaty[1], tt_Alliance);
    EXPECT_EQ(_players[1].Hostility[2], 0);
    EXPECT_EQ(_players[2].Hostility[1], 0);
    EXPECT_EQ(_UNITS[patrol].Status, us_Patrol) << "neither is the current player";

    _current_player_idx = 1;
    Set_Treaty(1, 2, tt_Wizard_Pact);
    EXPECT_EQ(_UNITS[patrol].Status, us_Ready);
    EXPECT_EQ(_UNITS[road].Status, us_BuildRoad);
    _unit_type_table[1].Construction = construction;
    EXPECT_EQ(_players[2].Dipl_Treaty[1], tt_Wizard_Pact);

    Player_Record before[NUM_PLAYERS];
    memcpy(before, _players, sizeof(before));
    Set_Treaty(1, 6, tt_War);
    EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0);
}

TEST_F(Diplomacy_Treaties, BreakingATreatyCostsGoodwillByKindAndPersonality)
{
    struct Case {
        const char *what;
        uint8_t treaty;
        int personality, goodwill, default_relation, mark;
    } cases[] = {
        {"lawful breaks an alliance", tt_Alliance, pt_Lawful, -40, -40, 2},
        {"chaotic breaks an alliance", tt_Alliance, pt_Chaotic, -20, -20, 2},
        {"chaotic breaks a pact", tt_Wizard_Pact, pt_Chaotic, -10, 0, 1},
        {"lawful breaks a pact", tt_Wizard_Pact, pt_Lawful, -20, 0, 1},
        {"no treaty to break", tt_None, pt_Lawful, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        Set_Treaty_Both(1, 2, c.treaty);
        Set_Relation(1, 2, 30);
        _players[1].Personality = static_cast<int16_t>(c.personality);
        _players[1].Dipl_Named_Wizard[2] = 3;
        _players[2].Dipl_Named_Wizard[1] = 3;
        std::vector<int> draws = c.treaty != tt_None ? Peek_Draws({20, 10, 10}) : Peek_Draws({10, 10});
        int drop = c.treaty != tt_None ? draws[0] : 0;

        Break_Treaties(1, 2);

        EXPECT_EQ(_players[1].Dipl_Goodwill[2], c.goodwill) << c.what;
        EXPECT_EQ(_players[2].Dipl_Goodwill[1], 0) << c.what;
        for (int k : {0, 3, 4, 5}) EXPECT_EQ(_players[k].Dipl_Goodwill[2], -5) << c.what << " " << k;
        EXPECT_EQ(_players[1].Dipl_Default_Relation[2], c.default_relation) << c.what;
        EXPECT_EQ(_players[2].Dipl_Default_Relation[1], c.default_relation) << c.what;
        EXPECT_EQ(_players[1].Dipl_Broken_Treaty[2], c.mark) << c.what;
        EXPECT_EQ(_players[2].Dipl_Broken_Treaty[1], c.mark) << c.what;
        EXPECT_EQ(_players[1].Dipl_Relation[2], 30 - drop) << c.what;
        EXPECT_EQ(_players[2].Dipl_Relation[1], 30 - drop) << c.what;
        EXPECT_EQ(_players[1].Dipl_Treaty[2], tt_None) << c.what;
        EXPECT_EQ(_players[2].Dipl_Treaty[1], tt_None) << c.what;
        EXPECT_EQ(_players[1].Dipl_Named_Wizard[2], 0) << c.what;
        EXPECT_EQ(_players[2].Dipl_Named_Wizard[1], 0) << c.what;
        Expect_Patience_Both_Ways(1, 2, -200, -200, -200);
        EXPECT_EQ(_players[1].Reevaluate_Hostility_Countdown, 15 + draws[draws.size() - 2]) << c.what;
        EXPECT_EQ(_players[2].Reevaluate_Hostility_Countdown, 15 + draws[draws.size() - 1]) << c.what;
    }
}

TEST_F(Diplomacy_Treaties, BreakingLeavesWarsAndStrayIndicesAlone)
{
    for (uint8_t treaty : {tt_War, tt_Final_War}) {
        Set_Treaty_Both(1, 2, treaty);
        Player_Record before[NUM_PLAYERS];
        memcpy(before, _players, sizeof(before));
        Break_Treaties(1, 2);
        Break_Treaties(6, 1);
        Break_Treaties(1, -1);
        EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0);
    }
    // A goodwill already at the bottom of its byte stays there.
    Set_Treaty_Both(1, 3, tt_Alliance);
    _players[1].Personality = pt_Lawful;
    _players[1].Dipl_Goodwill[3] = -120;
    _players[1].Dipl_Default_Relation[3] = -90;
    Break_Treaties(1, 3);
    EXPECT_EQ(_players[1].Dipl_Goodwill[3], INT8_MIN);
    EXPECT_EQ(_players[1].Dipl_Default_Relation[3], -100);
    EXPECT_EQ(_players[3].Dipl_Default_Relation[1], -100);
}

TEST_F(Diplomacy_Treaties, WarOnAnAllyBreaksTheAllianceThenSetsTheWarRelation)
{
    Set_Treaty_Both(0, 2, tt_Alliance);
    Set_Relation(0, 2, 60);
    _players[0].Dipl_Default_Relation[2] = 20;
    _players[2].Dipl_Default_Relation[0] = 20;
    // Breaking: relation drop, two countdowns; war: relation, two countdowns.
    std::vector<int> draws = Peek_Draws({20, 10, 10, 25, 10, 10});

    Declare_War(2, 0);

    EXPECT_EQ(_players[0].Dipl_First_Contact[2], 1);
    EXPECT_EQ(_players[0].Dipl_Broken_Treaty[2], 2);
    EXPECT_EQ(_players[2].Dipl_Broken_Treaty[0], 2);
    EXPECT_EQ(_players[2].Dipl_Goodwill[0], -20);
    EXPECT_EQ(_players[2].Dipl_Default_Relation[0], -5);
    EXPECT_EQ(_players[0].Dipl_Default_Relation[2], -5);
    EXPECT_EQ(_players[2].Dipl_Relation[0], -75 - draws[3]);
    EXPECT_EQ(_players[0].Dipl_Relation[2], -75 - draws[3]);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_War);
    EXPECT_EQ(_players[2].Dipl_Treaty[0], tt_War);
    Expect_Patience_Both_Ways(0, 2, -200, -200, -130);
    EXPECT_EQ(_players[0].Hostility[2], 3);
    EXPECT_EQ(_players[2].Hostility[0], 3);
    EXPECT_EQ(_players[0].Reevaluate_Hostility_Countdown, 15 + draws[4]);
    EXPECT_EQ(_players[2].Reevaluate_Hostility_Countdown, 15 + draws[5]);

    // A second declaration changes nothing and draws nothing.
    Player_Record before[NUM_PLAYERS];
    memcpy(before, _players, sizeof(before));
    uint32_t seed = Get_Random_Seed();
    Declare_War(0, 2);
    Declare_War(0, 9);
    Declare_War(-2, 0);
    EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0);
    EXPECT_EQ(Get_Random_Seed(), seed);
}

TEST_F(Diplomacy_Treaties, PeaceGivesTheHumanATruceAndEndsTheEnemysCityEnchantments)
{
    Set_Treaty_Both(0, 1, tt_War);
    Set_Relation(0, 1, -80);
    _players[0].Hostility[1] = 3;
    _players[1].Hostility[0] = 3;
    _cities = 3;
    _CITIES[0].owner_idx = 0;
    _CITIES[0].enchantments[2] = 2;  // cast by wizard 1 on the human's city
    _CITIES[0].enchantments[3] = 3;  // cast by wizard 2
    _CITIES[0].enchantments[4] = 1;  // the human's own
    _CITIES[1].owner_idx = 1;
    _CITIES[1].enchantments[0] = 1;  // cast by the human on wizard 1's city
    _CITIES[1].enchantments[1] = 2;
    _CITIES[2].owner_idx = 2;
    _CITIES[2].enchantments[5] = 1;
    std::vector<int> draws = Peek_Draws({6, 10, 10});

    Declare_Peace(1, 0);

    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_None);
    EXPECT_EQ(_players[1].Dipl_Treaty[0], tt_None);
    EXPECT_EQ(_players[1].Dipl_Relation[0], -40);
    EXPECT_EQ(_players[0].Dipl_Relation[1], -40);
    EXPECT_EQ(_players[0].peace_duration[1], 7 + draws[0]);
    EXPECT_EQ(_players[0].Hostility[1], 0);
    EXPECT_EQ(_players[1].Hostility[0], 0);
    EXPECT_EQ(_players[1].Reevaluate_Hostility_Countdown, 15 + draws[1]);
    EXPECT_EQ(_players[0].Reevaluate_Hostility_Countdown, 15 + draws[2]);
    EXPECT_EQ(_CITIES[0].enchantments[2], 0);
    EXPECT_EQ(_CITIES[0].enchantments[3], 3);
    EXPECT_EQ(_CITIES[0].enchantments[4], 1);
    EXPECT_EQ(_CITIES[1].enchantments[0], 0);
    EXPECT_EQ(_CITIES[1].enchantments[1], 2);
    EXPECT_EQ(_CITIES[2].enchantments[5], 1) << "a third wizard's city keeps what it holds";

    // Between two rivals: no truce; the relation stops at 100.
    Set_Treaty_Both(2, 3, tt_War);
    Set_Relation(2, 3, 80);
    _players[2].peace_duration[3] = 0;
    Declare_Peace(2, 3);
    EXPECT_EQ(_players[2].Dipl_Relation[3], 100);
    EXPECT_EQ(_players[3].Dipl_Relation[2], 100);
    EXPECT_EQ(_players[2].peace_duration[3], 0);
    EXPECT_EQ(_players[0].peace_duration[2], 0);
    EXPECT_EQ(_players[0].peace_duration[3], 0);
}

TEST_F(Diplomacy_Treaties, AWizardAlliedToBothSidesOfAWarDropsBoth)
{
    _num_players = 5;
    Set_Treaty_Both(1, 2, tt_Alliance);
    Set_Treaty_Both(1, 3, tt_Alliance);
    Set_Treaty_Both(2, 3, tt_War);
    Set_Treaty_Both(1, 4, tt_Alliance);
    Set_Treaty_Both(0, 2, tt_Alliance);  // the human is not bound by this rule
    Set_Treaty_Both(0, 3, tt_Alliance);
    G_DIPL_PickSides();
    EXPECT_EQ(_players[1].Dipl_Treaty[2], tt_None);
    EXPECT_EQ(_players[3].Dipl_Treaty[1], tt_None);
    EXPECT_EQ(_players[2].Dipl_Broken_Treaty[1], 2);
    EXPECT_EQ(_players[1].Dipl_Treaty[4], tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Treaty[3], tt_Alliance);
    EXPECT_EQ(_players[2].Dipl_Treaty[3], tt_War);

    // Allies of two wizards at peace keep both alliances.
    Set_Treaty_Both(2, 4, tt_None);
    Set_Treaty_Both(3, 4, tt_Alliance);
    Set_Treaty_Both(3, 2, tt_Alliance);
    Set_Treaty_Both(2, 4, tt_Wizard_Pact);
    G_DIPL_PickSides();
    EXPECT_EQ(_players[3].Dipl_Treaty[4], tt_Alliance);
    EXPECT_EQ(_players[2].Dipl_Treaty[3], tt_Alliance);
}

}  // namespace
