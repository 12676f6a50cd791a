// The neutral player: raids out of its cities, monsters out of lairs, its field stacks' targets and
// its garrisons.
#include <gtest/gtest.h>

#include <cstring>

#include "Army_Fixture.h"
#include "Geometry.h"
#include "ai/AI_Neutral_Player.h"

namespace {

class NeutralPlayer : public Army_Test {
protected:
    void SetUp() override
    {
        Army_Test::SetUp();
        Land(5, 5, 25, 25, 1);
        // A raid copies only types above 40.
        foot = Find_Type(
            [](const Unit_Type_Record &r) {
                return r.Transport == 0 && r.Construction == 0 && !(r.Abilities & UA_CREATEOUTPOST) && r.Melee > 0;
            },
            41);
        ASSERT_GT(foot, 40);
    }

    // A neutral city at (10, 10) holding `units` foot soldiers, and a wizard's city on its landmass.
    void Raid_World(int16_t units)
    {
        Add_City(NEUTRAL_PLAYER_IDX, 10, 10);
        Add_City(1, 20, 20);
        for (int16_t i = 0; i < units; i++) Add_Unit(foot, NEUTRAL_PLAYER_IDX, 10, 10);
        _players[NEUTRAL_PLAYER_IDX].raider_counter = 29;
    }

    static int16_t Count_At(int16_t x, int16_t y)
    {
        int16_t n = 0;
        for (int16_t k = 0; k < _units; k++) {
            const Unit_Record &u = _UNITS[k];
            n += u.owner_idx == NEUTRAL_PLAYER_IDX && u.wx == x && u.wy == y;
        }
        return n;
    }

    int16_t foot = -1;
};

TEST_F(NeutralPlayer, TheRaiderCounterLivesAtByte74AndRaidsComeEveryThirtyTurnsAtDifficultyZero)
{
    _difficulty = 0;
    Add_City(NEUTRAL_PLAYER_IDX, 10, 10);  // no other city on the landmass: every attempt finds no target
    Add_Unit(foot, NEUTRAL_PLAYER_IDX, 10, 10);
    const uint8_t *record = reinterpret_cast<const uint8_t *>(&_players[NEUTRAL_PLAYER_IDX]);
    for (int turn = 1; turn <= 29; turn++) Make_Raiders();
    int16_t at_74 = 0;
    std::memcpy(&at_74, record + 74, 2);
    EXPECT_EQ(at_74, 29);
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].average_unit_cost, 0);
    Make_Raiders();  // the 30th turn: an attempt, reset, and 15 for the monsters as none was made
    std::memcpy(&at_74, record + 74, 2);
    EXPECT_EQ(at_74, 0);
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].average_unit_cost, 15);
    EXPECT_EQ(_players[1].raider_counter, 0);
}

TEST_F(NeutralPlayer, RaidSizeFollowsGarrisonDifficultyAndHalfStrength)
{
    struct Case {
        int16_t garrison;
        int16_t difficulty;
        bool half;
        int16_t created;
        int16_t left;
    };
    const Case cases[] = {
        {9, 4, false, 6, 7},  // 9 x 4 / 6 = 6 picks; 2 of the garrison leave with them
        {9, 4, true, 4, 8},   // 6 x 2 / 3 = 4
        {1, 4, false, 1, 1},  // at least one pick
    };
    for (const Case &c : cases) {
        SetUp();
        _difficulty = c.difficulty;
        Raid_World(c.garrison);
        if (c.half) {
            _FORTRESSES[1] = {20, 20, 0, 1};
        }
        const int16_t before = _units;
        Make_Raiders();
        EXPECT_EQ(_units - before, c.created) << c.garrison << (c.half ? " half" : "");
        EXPECT_EQ(Count_At(10, 10), c.left) << c.garrison;
        EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].raider_counter, 0);
    }
}

TEST_F(NeutralPlayer, RaidersLevelWithTheTurn)
{
    const struct {
        int16_t turn;
        int level;
    } cases[] = {{40, 0}, {41, 1}, {120, 1}, {121, 2}, {250, 2}, {251, 3}};
    for (const auto &c : cases) {
        SetUp();
        _turn = c.turn;
        Raid_World(6);
        const int16_t first_new = _units;
        Make_Raiders();
        ASSERT_GT(_units, first_new) << c.turn;
        EXPECT_EQ(_UNITS[first_new].XP, TBL_Experience[c.level]) << c.turn;
    }
}

TEST_F(NeutralPlayer, RefusedRaidersAreNotCountedAndTakeNobodyFromTheGarrison)
{
    _difficulty = 4;
    Raid_World(9);
    const int16_t garrison_end = _units;
    while (_units <= UNIT_SOFT_CAP_COMPUTER) {
        const int16_t k = Add_Unit(foot, 2, 30, 30);
        _UNITS[k].owner_idx = -1;  // dead records still count toward the cap
    }
    const int16_t before = _units;
    Make_Raiders();
    EXPECT_EQ(_units, before);
    for (int16_t k = 0; k < garrison_end; k++) EXPECT_EQ(_UNITS[k].owner_idx, NEUTRAL_PLAYER_IDX);
}

TEST_F(NeutralPlayer, MonstersWaitForTurnFiftyAndSpendABudgetOfTheTurn)
{
    const int16_t guard = Type_Where([](const Unit_Type_Record &r) { return r.race == 16; }, 154);
    ASSERT_GE(guard, 0);
    auto lair_world = [&]() {
        Add_City(1, 20, 20);
        Lair_Record &lair = _LAIRS[0];
        lair = {};
        lair.wx = 12;
        lair.wy = 12;
        lair.wp = 0;
        lair.Intact = 1;
        lair.guard1_unit_type = (uint8_t)guard;
        lair.guard1_count = 3;
    };
    _difficulty = 4;
    _turn = 49;
    lair_world();
    _players[NEUTRAL_PLAYER_IDX].average_unit_cost = 100;
    int16_t before = _units;
    Make_Monsters();
    EXPECT_EQ(_units, before);
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].average_unit_cost, 0);  // reset even before turn 50

    // Turn 100, difficulty 2: (2..6) x 100 / 5 = 40..120 of summoned types of the guard's realm.
    int16_t made = 0;
    for (uint32_t seed = 1; seed <= 40; seed++) {
        SetUp();
        _difficulty = 2;
        _turn = 100;
        lair_world();
        _players[NEUTRAL_PLAYER_IDX].average_unit_cost = 40;
        Set_Random_Seed(seed);
        before = _units;
        Make_Monsters();
        int32_t spent = 0;
        for (int16_t k = before; k < _units; k++) {
            const Unit_Type_Record &type = _unit_type_table[_UNITS[k].type];
            EXPECT_EQ(type.race, 16);
            EXPECT_EQ(_UNITS[k].owner_idx, NEUTRAL_PLAYER_IDX);
            EXPECT_EQ(Delta_XY_With_Wrap(_UNITS[k].wx, _UNITS[k].wy, 12, 12, 60), 1);
            spent += type.cost;
        }
        EXPECT_LE(spent, 120) << seed;
        made = (int16_t)(made + _units - before);
    }
    EXPECT_GT(made, 0);
}

TEST_F(NeutralPlayer, MonsterListHoldsAtMostNineTypesOfTheRealmWithinTheBudget)
{
    int16_t list[9];
    for (int16_t realm = 16; realm <= 20; realm++) {
        const int16_t n = Make_Monster_List(30000, realm, list);
        EXPECT_LE(n, 9);
        for (int16_t i = 0; i < n; i++) {
            EXPECT_EQ(_unit_type_table[list[i]].race, realm);
            EXPECT_EQ(_unit_type_table[list[i]].Transport, 0);
        }
    }
    EXPECT_EQ(Make_Monster_List(24, 16, list), 0);  // nothing is drawn at 24 or less
    EXPECT_EQ(Make_Monster_List(-50, 16, list), 0);
}

TEST_F(NeutralPlayer, FieldStacksHeadForTheBestCityOrAreRemoved)
{
    const int16_t a = Add_Unit(foot, NEUTRAL_PLAYER_IDX, 6, 6);
    const int16_t b = Add_Unit(foot, NEUTRAL_PLAYER_IDX, 6, 6);
    const int16_t alone = Add_Unit(foot, NEUTRAL_PLAYER_IDX, 10, 10, 1);  // no city on its plane
    Add_City(1, 9, 9);
    Add_City(2, 20, 20);
    NPC_Destinations();
    EXPECT_EQ(_UNITS[a].Status, us_GOTO);
    EXPECT_EQ(_UNITS[a].dst_wx, 9);
    EXPECT_EQ(_UNITS[b].dst_wy, 9);
    EXPECT_EQ(_UNITS[alone].owner_idx, -1);
}

TEST_F(NeutralPlayer, AnOverFullGarrisonLosesItsCheapestUnitEachTurn)
{
    const int16_t city = Add_City(NEUTRAL_PLAYER_IDX, 10, 10, 0, 4);
    std::memset(_CITIES[city].bldg_status, -1, sizeof _CITIES[city].bldg_status);
    _CITIES[city].bldg_status[29] = 1;  // allowed: 4 + 2
    static int16_t foot_cost;
    foot_cost = _unit_type_table[foot].cost;
    const int16_t cheap = Find_Type([](const Unit_Type_Record &r) { return r.cost > 0 && r.cost < foot_cost; });
    ASSERT_GE(cheap, 0);
    int16_t cheapest = -1;
    for (int i = 0; i < 7; i++) {
        const int16_t k = Add_Unit(i == 3 ? cheap : foot, NEUTRAL_PLAYER_IDX, 10, 10);
        if (i == 3) cheapest = k;
    }
    NPC_Excess_Garrison();
    EXPECT_EQ(_UNITS[cheapest].owner_idx, -1);
    int16_t alive = 0;
    for (int16_t k = 0; k < _units; k++) alive += _UNITS[k].owner_idx == NEUTRAL_PLAYER_IDX;
    EXPECT_EQ(alive, 6);
    NPC_Excess_Garrison();
    alive = 0;
    for (int16_t k = 0; k < _units; k++) alive += _UNITS[k].owner_idx == NEUTRAL_PLAYER_IDX;
    EXPECT_EQ(alive, 6);
}

}  // namespace
