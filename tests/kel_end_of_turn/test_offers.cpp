// Offers of items, mercenaries and heroes: their chances, who gets them, and which hero comes.
#include "End_Of_Turn_Fixture.h"
#include "Standin_Data.h"
#include "turn/Offers.h"
#include "world/Army_Services.h"
#include "world/Site_Evaluation.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Ids.h"

namespace {

class EndOfTurn_Offers : public End_Of_Turn_Test {
protected:
    void SetUp() override
    {
        End_Of_Turn_Test::SetUp();
        _num_players = 2;
        _FORTRESSES[0].active = 1;
        _FORTRESSES[1].active = 1;
    }
    static void Fill_Hero_Slots(int player_idx, int count)
    {
        for (int k = 0; k < count; k++) _players[player_idx].Heroes[k].unit_idx = (int16_t)(100 + k);
    }
};

TEST_F(EndOfTurn_Offers, ChancesRiseWithFameAndFavourComputerWizards)
{
    struct Case {
        int player, fame, heroes;
        bool famous;
        int merchant, mercenary, hero;
    };
    const Case cases[] = {
        {0, 0, 0, false, 2, 1, 3},     {0, 0, 0, true, 4, 2, 6},      {1, 0, 0, false, 2, 11, 13},
        {0, 200, 5, false, 10, 10, 2}, {1, 200, 5, false, 10, 20, 5}, {0, 100, 1, false, 6, 6, 3},
    };
    for (const Case &c : cases) {
        World_Clear();
        SetUp();
        _players[c.player].retorts[rtr_Famous] = c.famous ? 1 : 0;
        Fill_Hero_Slots(c.player, c.heroes);
        EXPECT_EQ(Merchant_Offer_Chance(c.player, c.fame), c.merchant) << c.player << " " << c.fame;
        EXPECT_EQ(Mercenary_Offer_Chance(c.player, c.fame), c.mercenary) << c.player << " " << c.fame;
        EXPECT_EQ(Hero_Offer_Chance(c.player, c.fame), c.hero) << c.player << " " << c.fame;
    }
}

// Each wizard that takes part draws at least once; one that does not, never.
TEST_F(EndOfTurn_Offers, OnlyLivingWizardsNotBanishedTakePart)
{
    _FORTRESSES[0].active = 0;
    _players[1].casting_spell_idx = spl_Spell_Of_Return;
    uint32_t seed = Get_Random_Seed();
    Determine_Offer();
    EXPECT_EQ(Get_Random_Seed(), seed) << "no draw at all";
}

TEST_F(EndOfTurn_Offers, NoMercenariesOrHeroesFromNineHundredFortySevenUnits)
{
    _FORTRESSES[1].active = 0;
    _units = 947;
    // The human's merchant is the only draw.
    std::vector<int> draws = Peek_Draws({100, 100});
    Determine_Offer();
    EXPECT_EQ(Random(100), draws[1]);
}

TEST_F(EndOfTurn_Offers, PickRandomHeroHonoursFameBooksAndAvailability)
{
    for (int t = 0; t < 35; t++) {
        _HEROES2[0][t].Level = -20;  // all in service
        _unit_type_table[t].cost = 100;
    }
    EXPECT_EQ(Pick_Random_Hero(0, 1, 0), -1);

    _HEROES2[0][5].Level = 0;
    _unit_type_table[5].cost = 150;  // needs fame 5
    _players[0].fame = 0;
    EXPECT_EQ(Pick_Random_Hero(0, 0, 0), -1) << "fame 0 is too little";
    EXPECT_EQ(Pick_Random_Hero(0, 1, 0), 5) << "fame counted as 200, with 100 tries";

    // Kind 1 draws among 0..23, kind 2 among 24..33 first.
    _HEROES2[0][ht_Champion_4].Level = 0;
    EXPECT_EQ(Pick_Random_Hero(0, 1, 1), 5);
    _players[0].spellranks[sbr_Life] = 1;
    EXPECT_EQ(Pick_Random_Hero(0, 1, 2), ht_Champion_4);
    _players[0].spellranks[sbr_Life] = 0;
    _HEROES2[0][5].Level = -20;
    EXPECT_EQ(Pick_Random_Hero(0, 1, 2), -1) << "27 needs Life books, and nobody else is free";
}

TEST_F(EndOfTurn_Offers, HeroCounts)
{
    Fill_Hero_Slots(1, 3);
    EXPECT_EQ(Player_Hero_Count(1), 3);
    for (int t = 0; t < 35; t++) _HEROES2[1][t].Level = 0;
    _HEROES2[1][2].Level = -20;
    _HEROES2[1][3].Level = -1;
    _HEROES2[1][7].Level = -5;
    _HEROES2[1][ht_Incarnation_Hero].Level = -1;  // not counted
    EXPECT_EQ(Player_Dead_Hero_Count(1), 2);
}

int16_t Accept_Every_Band(int16_t, int16_t) { return 1; }

// A computer wizard takes every band it can pay: the units stand at its fortress at the offered
// level, ready to move, and the price is paid once.
TEST_F(EndOfTurn_Offers, ComputerWizardHiresABandAtItsFortress)
{
    Army_World_Services services = army_world_services;
    services.accept_mercenaries = Accept_Every_Band;
    Army_Set_World_Services(services);
    _turn = 2000;
    _FORTRESSES[0].active = 0;
    _FORTRESSES[1] = {12, 14, 0, 1};
    bool hired = false;
    for (uint32_t seed = 1; seed < 3000 && !hired; seed++) {
        World_Clear();
        SetUp();
        _turn = 2000;
        _FORTRESSES[0].active = 0;
        _FORTRESSES[1] = {12, 14, 0, 1};
        Add_Unit(1, 40, 30, 30, 0);  // a presence on the first plane
        _players[1].gold_reserve = 30000;
        // Every hero slot taken, so that no hero is hired beside the band; merchants' items are
        // made from the stand-in's prefabs.
        for (Hero_Slot_Record &slot : _players[1].Heroes) slot.unit_idx = 0;
        Test_Search_Standin_Data();
        Set_Random_Seed(seed);
        Determine_Offer();
        if (_units == 1) continue;
        hired = true;
        ASSERT_GE(_units, 2);
        ASSERT_LE(_units, 4);
        EXPECT_LT(_players[1].gold_reserve, 30000);
        for (int u = 1; u < _units; u++) {
            const Unit_Record &unit = _UNITS[u];
            EXPECT_EQ(unit.owner_idx, 1);
            EXPECT_EQ(unit.wx, 12);
            EXPECT_EQ(unit.wy, 14);
            EXPECT_EQ(unit.Finished, 0);
            EXPECT_EQ(unit.moves2, unit.moves2_max);
            EXPECT_GE(unit.Level, 1);
            EXPECT_EQ(unit.XP, TBL_Experience[unit.Level]);
            EXPECT_EQ(unit.type, _UNITS[1].type);
        }
    }
    Army_Set_World_Services({});
    EXPECT_TRUE(hired) << "no seed brought a band";
}

}  // namespace
