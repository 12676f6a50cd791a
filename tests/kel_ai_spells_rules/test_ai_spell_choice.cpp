// A computer wizard's choice of spell group, the group selectors and the start of its cast.
#include "../kel_ai_economy_rules/AI_Fixture.h"
#include "ai/AI_Spell_Choice.h"
#include "ai/AI_Spell_Selectors.h"

namespace {

class AiSpellChoice : public AI_Test {
protected:
    int32_t weights[AI_SPELL_GROUPS] = {};

    void SetUp() override
    {
        AI_Test::SetUp();
        for (int n = 0; n < NUM_NODES; n++) {
            _NODES[n].owner_idx = -1;
            _NODES[n].wp = 9;
        }
        for (int p = 0; p < NUM_PLAYERS; p++) {
            memset(_players[p].Globals, 0, sizeof(_players[p].Globals));
            _players[p].casting_spell_idx = 0;
            _players[p].Target_Wizard = 0;
        }
        AI_NodeOpportunity = 0;
    }
    void Weigh(int16_t player = 1)
    {
        AI_Compute_Spells_Info(player);
        AI_Spell_Group_Weights(player, weights);
    }
    // The wizard's fortress city is also its summoning point.
    void Summon_At_Fortress(int16_t player)
    {
        Add_City(player, rt_Orc, 12, 12, 0, 4, 0);
        _FORTRESSES[player] = {12, 12, 0, 1};
        _players[player].summon_wx = 12;
        _players[player].summon_wy = 12;
        _players[player].summon_wp = 0;
    }
};

}  // namespace

TEST_F(AiSpellChoice, SummoningWeightGrowsWithConjurerAndFivefoldAwayFromTheFortress)
{
    Weigh();
    EXPECT_EQ(weights[asg_Summon], 160 * 5) << "no heroes: 100 + 60; no fortress city: x5";
    _players[1].retorts[rtr_Conjurer] = 1;
    Weigh();
    EXPECT_EQ(weights[asg_Summon], 240 * 5);
    Summon_At_Fortress(1);
    Weigh();
    EXPECT_EQ(weights[asg_Summon], 240);
    EXPECT_EQ(Player_Summon_City_Is_Fortress_City(1), 1);

    _NODES[3] = {};
    _NODES[3].owner_idx = 2;
    Weigh();
    EXPECT_EQ(AI_NodeOpportunity, 1);
    EXPECT_EQ(weights[asg_Summon], 190 * 3 / 2) << "a rival's node on the summoning plane";
}

TEST_F(AiSpellChoice, NoHostileOpponentMeansTargetMinusOneAndNoAttack)
{
    Set_Spell(25, 9, 100);
    Know(1, {25});
    _players[1].mana_reserve = 1000;
    Weigh();
    EXPECT_EQ(_players[1].Target_Wizard, -1);
    EXPECT_EQ(weights[asg_Attack], 0);

    _cp_hostile_opponents[0] = 0;
    _cp_hostile_opponent_count = 1;
    _players[1].Dipl_Relation[0] = -20;
    _players[1].Personality = pt_Maniacal;
    _difficulty = 1;
    Weigh();
    EXPECT_EQ(_players[1].Target_Wizard, 0);
    EXPECT_EQ(weights[asg_Attack], (120 * 2 + 40) / 4) << "(100 + 20) x (difficulty + 1), plus the war mod, / 4";
}

TEST_F(AiSpellChoice, GlobalAndSuppressionNeedTwoHundredMana)
{
    Set_Spell(38, 0, 500);
    Set_Spell(79, 0, 500);
    Know(1, {38, 79});
    _players[1].mana_reserve = 200;
    Weigh();
    EXPECT_EQ(weights[asg_Global], 100);
    EXPECT_EQ(weights[asg_Suppression], 100);
    _players[1].Globals[9] = 2;
    Weigh();
    EXPECT_EQ(weights[asg_Global], 0) << "slot 9 held";
    _players[1].mana_reserve = 199;
    Weigh();
    EXPECT_EQ(weights[asg_Suppression], 0);
    EXPECT_EQ(weights[asg_None], 1);
}

TEST_F(AiSpellChoice, UnitAndCityEnchantmentWeightsByTurnAndContact)
{
    struct Case {
        int16_t turn;
        std::initializer_list<int> codes;
        int32_t unit, city;
    };
    const Case cases[] = {
        {49, {6}, 0, 0},  {50, {6}, 100, 0},     {200, {6}, 200, 0}, {21, {7}, 114, 0},
        {20, {7}, 25, 0}, {100, {6, 7}, 175, 0}, {100, {8}, 0, 5},   {100, {8, 37}, 0, 150},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "turn " << c.turn);
        for (int s = 1; s <= 40; s++) Player_Set_Spell_Status(1, s, SS_NOT_OBTAINABLE);
        int spell = 1;
        for (int code : c.codes) {
            Set_Spell(spell, (uint8_t)code, 10);
            Know(1, {spell++});
        }
        _turn = c.turn;
        Weigh();
        EXPECT_EQ(weights[asg_Unit_Enchantment], c.unit);
        EXPECT_EQ(weights[asg_City_Enchantment], c.city);
    }
    _players[0].Dipl_Contacted[1] = 1;
    Weigh();
    EXPECT_EQ(weights[asg_City_Enchantment], 150);
}

TEST_F(AiSpellChoice, AnUnaffordableSpellIsDroppedAndFixedGroupsNeedNoTarget)
{
    Set_Spell(213, 0, 30000);
    Know(1, {213});
    _players[1].mana_reserve = 5999;
    for (int k = 0; k < 100; k++) {
        AI_Spell_Select(1);
        EXPECT_EQ(_players[1].casting_spell_idx, 0) << "599 mana / 10 is below 30,000 / 50";
    }
    _players[1].mana_reserve = 6000;
    int mastery = 0;
    for (int k = 0; k < 100 && mastery == 0; k++) {
        AI_Spell_Select(1);
        if (_players[1].casting_spell_idx == 213) mastery++;
    }
    EXPECT_EQ(mastery, 1);
    EXPECT_GE(_players[1].casting_cost_original, 30000);
    EXPECT_GE(_players[1].casting_cost_original, _players[1].casting_cost_remaining);

    Set_Spell(203, 0, 100);
    Know(1, {203});
    Add_City(1, rt_Orc, 5, 5, 0, 3, 0);
    AI_Set_Reevaluate_Summoning_Circle_Countdown(1, -1);
    Weigh();
    EXPECT_EQ(weights[asg_Summoning_Circle], 100);
    AI_Set_Reevaluate_Summoning_Circle_Countdown(1, 0);
    Weigh();
    EXPECT_EQ(weights[asg_Summoning_Circle], 0);
}

TEST_F(AiSpellChoice, SummonSelectorSquaresBeforeSuppressionAndSaturates)
{
    Set_Spell(6, 10, 2000);  // 200 squared saturates
    Set_Spell(9, 10, 150);   // 15 squared
    Set_Spell(65, 10, 150);  // entry 11 keeps cost / 10
    Know(1, {6, 9, 65});
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[1], 32767);
    EXPECT_EQ(AI_OVL_SplPriorities[2], 225);
    EXPECT_EQ(AI_OVL_SplPriorities[11], 15);

    _players[2].Globals[ge_Evil_Omens] = 3;
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[1], 32767 * 2 / 3);
    EXPECT_EQ(AI_OVL_SplPriorities[2], 150) << "squared first, then two thirds";
}

TEST_F(AiSpellChoice, SummonSelectorNodeSpellsAndOneHeroSpell)
{
    Know(1, {129, 201, 142, 212, 208});
    AI_NodeOpportunity = 1;
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[36], 200);
    EXPECT_EQ(AI_OVL_SplPriorities[37], 0) << "201 is never weighed beside 129";
    EXPECT_EQ(AI_OVL_SplPriorities[40], 0);
    EXPECT_EQ(AI_OVL_SplPriorities[41], 400) << "no unit of type 39: the champion";
    EXPECT_EQ(AI_OVL_SplPriorities[42], 0);

    Add_Unit(39, 1, 3, 3, 0);
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[40], 500);
    EXPECT_EQ(AI_OVL_SplPriorities[41], 0);

    Player_Set_Spell_Status(1, 129, SS_NOT_OBTAINABLE);
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[37], 100);

    for (int k = 0; k < NUM_HERO_SLOTS; k++) _players[1].Heroes[k].unit_idx = Add_Unit(1, 1, 3, 3, 0);
    AI_Select_Spell_Group_Summon(1);
    EXPECT_EQ(AI_OVL_SplPriorities[40] + AI_OVL_SplPriorities[41] + AI_OVL_SplPriorities[42], 0) << "six heroes";
}

TEST_F(AiSpellChoice, AttackSelectorWithoutAKnownCity)
{
    Set_Spell(25, 9, 100);
    Set_Spell(26, 9, 100);
    Set_Spell(85, 9, 100);
    Know(1, {25, 26, 85});
    AI_Select_Spell_Group_Attack(1);
    EXPECT_EQ(AI_OVL_SplPriorities[1], 10);
    EXPECT_EQ(AI_OVL_SplPriorities[2], 0);
    EXPECT_EQ(AI_OVL_SplPriorities[6], 0);
    int16_t city = Add_City(2, rt_Orc, 5, 5, 0, 3, 0);
    _CITIES[city].contacts = 1 << 1;
    AI_Select_Spell_Group_Attack(1);
    EXPECT_EQ(AI_OVL_SplPriorities[2], 10);
    EXPECT_EQ(AI_OVL_SplPriorities[6], 20);
}

TEST_F(AiSpellChoice, SelectorsOfOneSpellPreferTheCheaperAndUnknownGroupsGiveNothing)
{
    EXPECT_EQ(AI_Select_Spell_Group_Disenchant(1), 0);
    EXPECT_EQ(AI_Select_Spell_Group_Global(1), 0);
    Know(1, {52, 204, 61, 210});
    EXPECT_EQ(AI_Select_Spell_Group_Disenchant(1), 52);
    EXPECT_EQ(AI_Select_Spell_Group_Disjunction(1), 61);
}

TEST_F(AiSpellChoice, SuppressionTestsReadEveryWizard)
{
    EXPECT_EQ(SPL_IsDthSuppressed() + SPL_IsChsSuppressed() + SPL_IsLifeSupressed(), 0);
    _players[2].Globals[ge_Life_Force] = 3;
    EXPECT_EQ(SPL_IsDthSuppressed(), 1);
    EXPECT_EQ(SPL_IsChsSuppressed(), 0);
    _players[0].Globals[ge_Natures_Wrath] = 1;
    EXPECT_EQ(SPL_IsChsSuppressed(), 1);
    _players[4].Globals[ge_Evil_Omens] = 5;
    EXPECT_EQ(CRP_SPL_IsNatSuppressed(), 0) << "wizard 4 is not in a game of three";
}
