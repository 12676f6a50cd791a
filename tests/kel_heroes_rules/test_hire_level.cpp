// Hero, mercenary and merchant offers, and a hero's rise in level.
#include "Heroes_Fixture.h"
#include "Standin_Data.h"
#include "heroes/Hero_Popups.h"
#include "magic/Hero_Spells.h"

using namespace heroes_test;

namespace {

using HeroLevelUp = Heroes_Test;

constexpr int HERO_TYPE = 4;

struct Offer {
    int16_t kind;
    int16_t price;
};
std::vector<Offer> offers;
int16_t offer_answer = 0;

void Install_Offers(void)
{
    offers.clear();
    Heroes_Services services = {};
    services.hero_offer = [](int16_t, int16_t kind, int16_t price) -> int16_t {
        offers.push_back({kind, price});
        return offer_answer;
    };
    services.merchant_offer = [](int16_t, int16_t price) -> int16_t {
        offers.push_back({-1, price});
        return offer_answer;
    };
    Heroes_Set_Services(services);
}

class Hire_Test : public Heroes_Test {
protected:
    void SetUp() override
    {
        Heroes_Test::SetUp();
        Test_Search_Standin_Data();
        _FORTRESSES[0] = {8, 8, 0, 1};
        _FORTRESSES[1] = {20, 20, 0, 1};
        _unit_type_table[HERO_TYPE].cost = 100;
        offer_answer = 0;
        Install_Offers();
    }
};
using HireOffersPaid = Hire_Test;

TEST_F(HireOffersPaid, PriceRisesWithLevelIsHalvedByCharismaButTheFullPriceIsNeeded)
{
    struct Case {
        int16_t gold;
        uint8_t charismatic;
        int shown_price;  // 0: not shown
    } cases[] = {{150, 0, 150}, {149, 0, 0}, {150, 1, 75}, {149, 1, 0}};
    for (const Case &c : cases) {
        _units = 0;
        offers.clear();
        _players[0].Heroes[0].unit_idx = -1;
        _HEROES2[0][HERO_TYPE].Level = 2;
        _players[0].gold_reserve = c.gold;
        _players[0].retorts[rtr_Charismatic] = c.charismatic;
        EXPECT_EQ(Hire_Hero_Popup(0, HERO_TYPE, 0), 0);
        if (c.shown_price == 0) {
            EXPECT_TRUE(offers.empty());
        } else {
            ASSERT_EQ(offers.size(), 1u);
            EXPECT_EQ(offers[0].price, c.shown_price);
        }
        EXPECT_EQ(_players[0].Heroes[0].unit_idx, -1);
        EXPECT_EQ(_players[0].gold_reserve, c.gold);
    }
}

TEST_F(HireOffersPaid, RejectedHeroReturnsOneLevelHigherUpToFour)
{
    _players[0].gold_reserve = 5000;
    for (int16_t level : {(int16_t)3, (int16_t)4}) {
        _units = 0;
        _HEROES2[0][HERO_TYPE].Level = level;
        EXPECT_EQ(Hire_Hero_Popup(0, HERO_TYPE, 0), 0);
        EXPECT_EQ(_HEROES2[0][HERO_TYPE].Level, 4) << level;
        EXPECT_EQ(_players[0].Heroes[0].unit_idx, -1);
        EXPECT_EQ(_units, 0) << "the offered unit leaves no record";
    }
    _units = 0;
    _HEROES2[0][HERO_TYPE].Level = 1;
    Hire_Hero_Popup(0, HERO_TYPE, 2);
    EXPECT_EQ(_HEROES2[0][HERO_TYPE].Level, 1) << "a prisoner turned away does not rise";
}

TEST_F(HireOffersPaid, HiredHeroJoinsPaysAndSummonedChampionStandsOnTheSummoningSquare)
{
    offer_answer = 1;
    _players[0].gold_reserve = 500;
    _HEROES2[0][HERO_TYPE].Level = 0;
    EXPECT_EQ(Hire_Hero_Popup(2, HERO_TYPE, 0), 1);
    EXPECT_EQ(_players[0].gold_reserve, 400);
    EXPECT_EQ(_HEROES2[0][HERO_TYPE].Level, -20);
    const int16_t unit = _players[0].Heroes[2].unit_idx;
    ASSERT_EQ(unit, _units - 1);
    EXPECT_EQ(_UNITS[unit].wx, 8);
    EXPECT_GT(strlen(_players[0].Heroes[2].name), 0u);
    _players[0].summon_wx = 30;
    _players[0].summon_wy = 31;
    _players[0].summon_wp = 1;
    _HEROES2[0][HERO_TYPE + 1].Level = 0;
    EXPECT_EQ(Hire_Hero_Popup(3, HERO_TYPE + 1, 3), 1);
    EXPECT_EQ(_players[0].gold_reserve, 400) << "a summoned hero is not paid for";
    const Unit_Record &champion = _UNITS[_units - 1];
    EXPECT_EQ(champion.wx, 30);
    EXPECT_EQ(champion.wy, 31);
    EXPECT_EQ(champion.wp, 1);
}

TEST_F(HireOffersPaid, ComputerTakesAHeroWithinNinetyPercentOfItsGold)
{
    for (int16_t cost : {(int16_t)99, (int16_t)100}) {
        _units = 0;
        _players[1].Heroes[0].unit_idx = -1;
        _HEROES2[1][HERO_TYPE].Level = 0;
        _players[1].gold_reserve = 110;
        _unit_type_table[HERO_TYPE].cost = cost;
        AI_Accept_Hero(1, 0, HERO_TYPE);
        if (cost == 99) {
            EXPECT_GE(_players[1].Heroes[0].unit_idx, 0);
            EXPECT_EQ(_players[1].gold_reserve, 11);
            EXPECT_EQ(_HEROES2[1][HERO_TYPE].Level, -20);
        } else {
            EXPECT_EQ(_players[1].Heroes[0].unit_idx, -1);
            EXPECT_EQ(_players[1].gold_reserve, 110);
        }
    }
    _units = 0;
    _players[1].Heroes[0].unit_idx = -1;
    _players[1].gold_reserve = 30000;
    _unit_type_table[HERO_TYPE].cost = 2000;
    AI_Accept_Hero(1, 0, HERO_TYPE);
    EXPECT_EQ(_players[1].gold_reserve, 28000) << "90% of the gold taken in 32 bits";
}

TEST_F(HireOffersPaid, MerchantRejectedFreesTheItemBoughtGoesToThePool)
{
    GUI_InHeroNaming = Add_Item(5, it_Sword, 300);
    _players[0].gold_reserve = 1000;
    _players[0].retorts[rtr_Charismatic] = 1;
    Merchant_Popup();
    EXPECT_LT(_ITEMS[5].cost, 1);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].price, 150);
    offer_answer = 1;
    GUI_InHeroNaming = Add_Item(5, it_Sword, 300);
    Merchant_Popup();
    EXPECT_EQ(_players[0].gold_reserve, 850);
    EXPECT_EQ(_players[0].Vault_Items[0], 5);
}

TEST_F(HireOffersPaid, MercenaryOfferLeavesNoUnitAndRejectsWhenNoneCanBeMade)
{
    static int16_t merc_answer;
    Heroes_Services services = {};
    services.merc_offer = [](int16_t, int16_t) -> int16_t { return merc_answer; };
    Heroes_Set_Services(services);
    for (int16_t answer : {(int16_t)0, (int16_t)1}) {
        merc_answer = answer;
        _units = 0;
        EXPECT_EQ(Hire_Merc_Popup(40, 2, 1, 120), answer);
        EXPECT_EQ(_units, 0);
    }
}

TEST_F(HeroLevelUp, LevelRisesUpToEightAndOnlyForWizardsHeroes)
{
    const int16_t hero = Add_Hero(0, 0, HERO_TYPE, 1, 5, 6);
    _UNITS[hero].Level = 7;
    Hero_LevelUp_Popup(hero);
    EXPECT_EQ(_UNITS[hero].Level, 8);
    Hero_LevelUp_Popup(hero);
    EXPECT_EQ(_UNITS[hero].Level, 8);
    const int16_t plain = Add_Unit(40, 0, 5, 5, 0);
    _UNITS[plain].Level = 2;
    Hero_LevelUp_Popup(plain);
    EXPECT_EQ(_UNITS[plain].Level, 2);
    const int16_t neutral = Add_Unit(HERO_TYPE, NEUTRAL_PLAYER_IDX, 5, 5, 0);
    _UNITS[neutral].Hero_Slot = 0;
    Hero_LevelUp_Popup(neutral);
    EXPECT_EQ(_UNITS[neutral].Level, 0);
}

std::vector<std::string> Lines(int16_t unit)
{
    Hero_Special_Line list[HERO_SPECIALS_ROOM];
    int16_t count = 0;
    Hero_Build_Specials_List(unit, list, &count);
    std::vector<std::string> lines;
    for (int i = 0; i < count; i++) lines.push_back(list[i].text);
    return lines;
}

TEST_F(HeroLevelUp, SpecialsAtTheNewLevel)
{
    const int16_t hero = Add_Hero(0, 0, HERO_TYPE, 1, 5, 6);
    _HEROES2[0][HERO_TYPE].abilities = hab_Leadership | hab_Blademaster | hab_Sage_Super | hab_Lucky;
    _UNITS[hero].Level = 1;
    EXPECT_EQ(Lines(hero), (std::vector<std::string>{"Myrmidon", "Blademaster +1", "Sage} 9 rp"}));
    _UNITS[hero].Level = 8;
    EXPECT_EQ(Lines(hero),
              (std::vector<std::string>{"Demi-God", "+1 To Hit", "Leadership +3", "Blademaster +4", "Sage} 40 rp"}));
    _HEROES2[0][HERO_TYPE].abilities = 0xFFFFFFFF;
    EXPECT_EQ(Lines(hero).size(), 1u + 1u + 20u);
}

}  // namespace
