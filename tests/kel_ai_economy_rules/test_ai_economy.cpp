// A computer wizard's power shares, reserves, tax rate and farmers, and the neutral cities' farmers.
#include "AI_Fixture.h"
#include "ai/AI_City_Production.h"
#include "ai/AI_Economy.h"
#include "world/City_Area.h"

namespace {

class AiEconomy : public AI_Test {};

struct Shares_Case {
    const char *name;
    int16_t turn;
    bool researchable;
    int16_t researching;
    int16_t casting;
    int research, skill, mana;
};

}  // namespace

TEST_F(AiEconomy, PowerSharesOverridesAndNothingToResearch)
{
    const Shares_Case cases[] = {
        {"before turn 30", 29, true, 5, 0, 35, 25, 40},
        {"researching spell 90", 100, true, 90, 0, 70, 10, 20},
        {"casting the Spell of Mastery", 100, true, 90, 213, 0, 10, 90},
        {"turn 29 wins over the Spell of Mastery", 29, true, 5, 213, 35, 25, 40},
        {"nothing to research: skill = research / 2", 100, false, 0, 0, 0, 20, 80},
    };
    for (const Shares_Case &c : cases) {
        SCOPED_TRACE(c.name);
        Player_Record &wizard = _players[1];
        for (int s = 1; s <= NUM_SPELLS_STATUS; s++) Player_Set_Spell_Status(1, s, SS_NOT_OBTAINABLE);
        if (c.researchable) Know(1, {7}, SS_RESEARCHABLE);
        Know(1, {8}, SS_RESEARCH_LIST);
        _turn = c.turn;
        wizard.researching_spell_idx = c.researching;
        wizard.casting_spell_idx = c.casting;
        wizard.research_ratio = 40;
        wizard.skill_ratio = 30;
        wizard.mana_ratio = 30;
        wizard.Reevaluate_Magic_Power_Countdown = 1;
        AI_Update_Magic_Power(1);
        EXPECT_EQ(wizard.research_ratio, c.research);
        EXPECT_EQ(wizard.skill_ratio, c.skill);
        EXPECT_EQ(wizard.mana_ratio, c.mana);
        EXPECT_GE(wizard.Reevaluate_Magic_Power_Countdown, 16);
        EXPECT_LE(wizard.Reevaluate_Magic_Power_Countdown, 25);
    }
}

TEST_F(AiEconomy, PowerSharesWaitForTheCountdownAndOtherwiseSumToAHundredInTens)
{
    Player_Record &wizard = _players[1];
    Know(1, {7}, SS_RESEARCHABLE);
    wizard.research_ratio = 33;
    wizard.skill_ratio = 33;
    wizard.mana_ratio = 34;
    wizard.Reevaluate_Magic_Power_Countdown = 2;
    AI_Update_Magic_Power(1);
    EXPECT_EQ(wizard.research_ratio, 33);
    EXPECT_EQ(wizard.Reevaluate_Magic_Power_Countdown, 1);

    wizard.Objective = obj_Theurgist;
    wizard.retorts[rtr_Alchemy] = 1;
    wizard.mana_reserve = 2000;
    for (uint32_t seed = 1; seed <= 200; seed++) {
        wizard.Reevaluate_Magic_Power_Countdown = 0;
        AI_Update_Magic_Power(1);
        EXPECT_EQ(wizard.research_ratio + wizard.skill_ratio + wizard.mana_ratio, 100);
        EXPECT_EQ(wizard.research_ratio % 10, 0);
        EXPECT_GE(wizard.research_ratio, 10);
        EXPECT_GE(wizard.skill_ratio, 10);
        EXPECT_GE(wizard.mana_ratio, 30);
    }
}

struct Reserves_Case {
    const char *name;
    bool alchemy;
    int16_t turn;
    int16_t casting;
    int16_t gold, mana;
    int16_t expect_gold, expect_mana;
};

TEST_F(AiEconomy, ReservesWithAlchemySpellOfReturnAndAnEmptyManaPool)
{
    const Reserves_Case cases[] = {
        {"Alchemy from turn 150: 70% mana", true, 200, 0, 1000, 0, 300, 700},
        {"Alchemy before turn 150: 90% gold", true, 149, 0, 1000, 0, 900, 100},
        {"Alchemy keeps both under the cap", true, 100, 0, 30000, 10000, 30000, 10000},
        {"no Alchemy, empty mana pool: a quarter is lost", false, 100, 0, 400, 0, 200, 100},
        {"Spell of Return without Alchemy: mana becomes half the gold", false, 100, 214, 100, 77, 0, 50},
        {"Spell of Return with Alchemy: all the gold, then split", true, 200, 214, 1000, 5, 300, 700},
    };
    for (const Reserves_Case &c : cases) {
        SCOPED_TRACE(c.name);
        Player_Record &wizard = _players[1];
        wizard.retorts[rtr_Alchemy] = c.alchemy ? 1 : 0;
        _turn = c.turn;
        wizard.casting_spell_idx = c.casting;
        wizard.gold_reserve = c.gold;
        wizard.mana_reserve = c.mana;
        AI_Update_Gold_And_Mana_Reserves(1);
        EXPECT_EQ(wizard.gold_reserve, c.expect_gold);
        EXPECT_EQ(wizard.mana_reserve, c.expect_mana);
    }
}

TEST_F(AiEconomy, OneInTenTurnsTheReservesAreRebalanced)
{
    Player_Record &wizard = _players[1];
    _turn = 150;
    int moved = 0;
    for (uint32_t seed = 1; seed <= 100; seed++) {
        wizard.gold_reserve = 1000;
        wizard.mana_reserve = 10;
        AI_Update_Gold_And_Mana_Reserves(1);
        if (wizard.gold_reserve == 1000) {
            EXPECT_EQ(wizard.mana_reserve, 10);
        } else {
            moved++;
            EXPECT_EQ(wizard.gold_reserve, 500);
            EXPECT_EQ(wizard.mana_reserve, 260);
        }
    }
    EXPECT_GT(moved, 0);
    EXPECT_LT(moved, 30);
}

struct Tax_Case {
    int16_t gold_income;
    int16_t tax_before;
    int16_t expect_tax;
};

TEST_F(AiEconomy, TaxFollowsTheGoldIncomeAndNeverEndsAboveFour)
{
    // Turn 100: income below 150 raises the rate, above 200 lowers it.
    const Tax_Case cases[] = {{100, 2, 3}, {300, 3, 2}, {300, 1, 1}, {170, 2, 2},
                              {100, 5, 4}, {100, 6, 4}, {300, 6, 4}};
    int16_t first = Add_City(1, rt_Orc, 10, 10, 0, 4, 0);
    int16_t second = Add_City(1, rt_Orc, 20, 10, 0, 4, 0);
    _CITIES[first].food_units = 4;
    _CITIES[second].food_units = 4;
    for (const Tax_Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "income " << c.gold_income << ", rate " << c.tax_before);
        _CITIES[first].gold_units = (uint8_t)(c.gold_income / 2);
        _CITIES[second].gold_units = (uint8_t)(c.gold_income - c.gold_income / 2);
        _players[1].tax_rate = c.tax_before;
        AI_Update_Gold_Income_And_Food_Income(1);
        EXPECT_EQ(_players[1].tax_rate, c.expect_tax);
    }
}

TEST_F(AiEconomy, FoodDeficitAddsFarmersToTheWizardsOwnCities)
{
    int16_t hungry = Add_City(1, rt_Orc, 10, 10, 0, 6, 0);
    int16_t rival = Add_City(2, rt_Orc, 20, 10, 0, 6, 0);
    int16_t full = Add_City(1, rt_Orc, 30, 10, 0, 2, 2);
    _CITIES[full].food_units = 2;
    AI_Update_Gold_Income_And_Food_Income(1);
    EXPECT_EQ(_CITIES[hungry].farmer_count, 3) << "a deficit of 6 takes three farmers";
    EXPECT_EQ(_CITIES[rival].farmer_count, 0);
    EXPECT_EQ(_CITIES[full].farmer_count, 2);
}

TEST_F(AiEconomy, FoodDeficitWithoutCitiesDrawsNothing)
{
    _cities = 0;
    Add_Unit(40, 1, 10, 10, 0);
    Add_Unit(40, 1, 10, 10, 0);
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(1, &gold, &food, &mana);
    ASSERT_LT(food, 0);
    _players[1].tax_rate = 2;
    uint64_t draws = g_random_call_count;
    AI_Update_Gold_Income_And_Food_Income(1);
    EXPECT_EQ(g_random_call_count, draws);
}

TEST_F(AiEconomy, NeutralFarmersFeedPopulationAndGarrisonHalflingsAndHealersByThirds)
{
    struct Farmers_Case {
        int race;
        bool healers;
        int units;
        int population;
    };
    const Farmers_Case cases[] = {
        {rt_Orc, false, 0, 6}, {rt_Orc, false, 5, 6}, {rt_Halfling, false, 5, 6},
        {rt_Orc, true, 5, 6},  {rt_Orc, false, 9, 3},
    };
    for (const Farmers_Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "race " << c.race << " healers " << c.healers << " units " << c.units);
        _cities = 0;
        _units = 0;
        int16_t city = Add_City(NEUTRAL_PLAYER_IDX, c.race, 10, 10, 0, c.population, 0);
        if (c.healers) _CITIES[city].bldg_status[bt_Healers_Grove] = 1;
        int16_t wizard_city = Add_City(1, c.race, 30, 10, 0, c.population, 1);
        for (int u = 0; u < c.units; u++) Add_Unit(40, NEUTRAL_PLAYER_IDX, 10, 10, 0);
        int need = City_Minimum_Farmers(city) + c.units;
        int third = c.race == rt_Halfling || c.healers;
        int expect = third ? (need + 2) / 3 : (need + 1) / 2;
        if (expect > c.population) expect = c.population;
        NPC_Farmers();
        EXPECT_EQ(_CITIES[city].farmer_count, expect);
        EXPECT_EQ(_CITIES[wizard_city].farmer_count, 1);
    }
}
