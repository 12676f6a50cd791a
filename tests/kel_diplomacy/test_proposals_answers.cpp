// The human's side of an audience: the acceptance test, the price a wizard asks on top, the four
// dialogues of the human's menu and the answers to a computer wizard's proposals. Menus are
// answered by a script and responses recorded, so no screen is needed.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "Diplomacy_Test_Fixture.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Proposals_Answers.h"
#include "turn/Relations.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Diplomacy_Screen.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t W = 1;
// Arcane spells: no spell books are needed to trade them.
constexpr int16_t CHEAP_SPELL = 201;     // research 2: worth 3
constexpr int16_t DEAR_SPELL = 202;      // research 400: worth 600, more than a byte holds
constexpr int16_t MIDDLE_SPELL = 203;    // research 200: worth 300
constexpr int16_t EXTRA_SPELL = 204;     // research 100: worth 150
constexpr int16_t STRONG_UNIT_TYPE = 1;  // a unit type with a price, for the army near a fortress

struct Menu_Seen {
    std::string message;
    std::vector<std::string> lines;
    std::vector<int16_t> enabled;
    bool under_statement;
    int16_t break_treaty_player;
};

std::deque<int16_t> g_picks;
std::vector<Menu_Seen> g_menus;
std::vector<std::pair<int16_t, int16_t>> g_responses;

int16_t Scripted_Pick(const Diplomacy_Menu &menu)
{
    Menu_Seen seen{menu.message, {}, {}, menu.under_statement, Diplomacy_Break_Treaty_Player()};
    for (int16_t n = 0; n < menu.count; n++) {
        seen.lines.emplace_back(menu.lines[n]);
        seen.enabled.push_back(menu.enabled[n]);
    }
    g_menus.push_back(seen);
    if (g_picks.empty()) return -1;
    int16_t pick = g_picks.front();
    g_picks.pop_front();
    return pick;
}

void Recorded_Response(int16_t statement, int16_t tier) { g_responses.emplace_back(statement, tier); }

class Diplomacy_Proposals : public Diplomacy_Test {
protected:
    void SetUp() override
    {
        Diplomacy_Test::SetUp();
        g_picks.clear();
        g_menus.clear();
        g_responses.clear();
        Turn_Services services = {};
        services.diplomacy_pick = Scripted_Pick;
        services.diplomacy_respond = Recorded_Response;
        Turn_Set_Services(services);
        Diplomacy_Set_Wizard_On_Screen(W);
        _turn = 50;
        _units = 0;
        for (int i = 0; i < NUM_PLAYERS; i++) {
            for (int j = 0; j < NUM_PLAYERS; j++) {
                _players[i].Dipl_Ally_Enemy[j] = 255;
            }
        }
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        Set_Spell(CHEAP_SPELL, "Cheap", 2);
        Set_Spell(DEAR_SPELL, "Dear", 400);
        Set_Spell(MIDDLE_SPELL, "Middle", 200);
        Set_Spell(EXTRA_SPELL, "Extra", 100);
        _unit_type_table[STRONG_UNIT_TYPE].cost = 100;
        strcpy(_players[2].name, "Bryn");
        strcpy(_players[3].name, "Cael");
    }
    void TearDown() override
    {
        Turn_Set_Services({});
        Diplomacy_Set_Wizard_On_Screen(0);
        Diplomacy_Test::TearDown();
    }

    static void Set_Spell(int16_t spell, const char *name, int16_t research)
    {
        strcpy(spell_data_table[spell].name, name);
        spell_data_table[spell].research_cost = research;
    }
    static void Knows(int16_t player, int16_t spell) { Player_Set_Spell_Status(player, spell, SS_KNOWN); }
    static bool Has(int16_t player, int16_t spell) { return Player_Spell_Status(player, spell) == SS_KNOWN; }
    static void Picks(std::initializer_list<int16_t> picks) { g_picks.assign(picks); }

    // A unit of the owner beside the wizard's fortress: it makes the army near it stronger.
    static void Add_Unit_Near_Fortress(int8_t owner)
    {
        Unit_Record &unit = _UNITS[_units++];
        memset(&unit, 0, sizeof unit);
        unit.owner_idx = owner;
        unit.type = STRONG_UNIT_TYPE;
        unit.wx = static_cast<uint8_t>(_FORTRESSES[W].wx + 1);
        unit.wy = _FORTRESSES[W].wy;
        unit.wp = _FORTRESSES[W].wp;
    }

    // The bar that makes the next Diplomacy_Test's value come out at target (no army on either side:
    // superiority +50).
    static int16_t Bar_For(int target, bool allied)
    {
        const Player_Record &human = _players[0];
        int draw = Peek_Draws({100})[0];
        return static_cast<int16_t>(human.Dipl_Goodwill[W] + human.Dipl_Relation[W] +
                                    Diplomacy_Personality_Mod(_players[W].Personality) + human.Dipl_Treaty_Patience[W] +
                                    50 + draw + (allied ? 40 : 0) - target);
    }

    // Sets goodwill, personality and the armies so that the next threat's value is target.
    static void Aim_Threat(int target)
    {
        const std::vector<int> draws = Peek_Draws({100, 100});
        const int sum = draws[0] + draws[1];
        for (int superiority : {100, -100}) {
            for (int16_t personality = 0; personality < NUM_PERSONALITIES; personality++) {
                int goodwill = target - Diplomacy_Personality_Mod(personality) - superiority - sum;
                if (goodwill >= -128 && goodwill <= 127) {
                    _players[W].Personality = personality;
                    _players[0].Dipl_Goodwill[W] = static_cast<int8_t>(goodwill);
                    _units = 0;
                    if (superiority < 0) {
                        Unit_Record &unit = _UNITS[_units++];
                        memset(&unit, 0, sizeof unit);
                        unit.owner_idx = W;
                        unit.type = STRONG_UNIT_TYPE;
                    }
                    return;
                }
            }
        }
        FAIL() << "no threat of value " << target;
    }

    static void Set_All_Patience(int16_t value)
    {
        Player_Record &human = _players[0];
        human.Dipl_Treaty_Patience[W] = value;
        human.Dipl_Exchange_Patience[W] = value;
        human.Dipl_Peace_Patience[W] = value;
    }
};

TEST_F(Diplomacy_Proposals, TestTiersFollowTheValueAndEveryTestCostsPatience)
{
    struct Case {
        int value;
        int16_t tier;
    };
    const Case cases[] = {{120, 3}, {0, 3}, {-1, 2}, {-50, 2}, {-51, 1}, {-75, 1}, {-76, 0}, {-400, 0}};
    for (const Case &c : cases) {
        for (bool allied : {false, true}) {
            Set_Treaty_Both(0, W, allied ? tt_Alliance : tt_None);
            Set_Relation(0, W, 20);
            _players[0].Dipl_Goodwill[W] = 5;
            Set_All_Patience(40);
            const int16_t bar = Bar_For(c.value, allied);
            const int second_draw = Peek_Draws({100, 30})[1];
            EXPECT_EQ(::Diplomacy_Test(bar, 0), c.tier) << "value " << c.value << (allied ? " allied" : "");
            EXPECT_EQ(Diplomacy_Test_Value(), c.value);
            EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 40 - 10 - 20 - second_draw);
            EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], 30);
            EXPECT_EQ(_players[0].Dipl_Peace_Patience[W], 30);
        }
    }
}

TEST_F(Diplomacy_Proposals, TestWeighsTheArmiesNearTheWizardsFortress)
{
    // No army: +50 (the bar assumes it); the wizard's alone: -50; the wizard's 200 against the
    // human's 100: -(200 x 100 / 100) - 50; the human's 300 against 200: 300 x 100 / 200 - 50.
    Set_All_Patience(0);
    const int16_t bar = Bar_For(0, false);
    ::Diplomacy_Test(bar, 0);
    EXPECT_EQ(Diplomacy_Test_Value(), 0);

    Set_All_Patience(0);
    Add_Unit_Near_Fortress(W);
    const int16_t bar_alone = Bar_For(0, false);
    ::Diplomacy_Test(bar_alone, 0);
    EXPECT_EQ(Diplomacy_Test_Value(), -100);

    Set_All_Patience(0);
    Add_Unit_Near_Fortress(W);
    Add_Unit_Near_Fortress(0);
    const int16_t bar_mixed = Bar_For(0, false);
    ::Diplomacy_Test(bar_mixed, 0);
    EXPECT_EQ(Diplomacy_Test_Value(), -300);

    Set_All_Patience(0);
    Add_Unit_Near_Fortress(0);
    Add_Unit_Near_Fortress(0);
    const int16_t bar_stronger = Bar_For(0, false);
    ::Diplomacy_Test(bar_stronger, 0);
    EXPECT_EQ(Diplomacy_Test_Value(), 50);
}

TEST_F(Diplomacy_Proposals, PactAtRelationTenIsRefusedWithoutATest)
{
    Set_Relation(0, W, 10);
    Set_All_Patience(50);
    Picks({0});
    Diplomacy_Propose_Treaty__WIP();
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{51}, int16_t{0}));
    EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_None);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 50) << "no test, no patience lost";

    // At 11 the test runs; a willing wizard signs.
    g_responses.clear();
    Set_Relation(0, W, 11);
    _players[0].Dipl_Goodwill[W] = 100;
    Picks({0});
    Diplomacy_Propose_Treaty__WIP();
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{51}, int16_t{3}));
    EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_Wizard_Pact);
    EXPECT_EQ(_players[W].Dipl_Treaty[0], tt_Wizard_Pact);
    EXPECT_LT(_players[0].Dipl_Treaty_Patience[W], 50 - 10 - 20);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], 40);
}

TEST_F(Diplomacy_Proposals, ProposalLinesFollowTheTreatyAndTheThirdWizards)
{
    struct Case {
        uint8_t treaty;
        std::vector<int16_t> enabled;
    };
    // Wizard 2 is met by both and at peace with W; wizard 3 is W's ally.
    Set_Treaty_Both(W, 3, tt_Alliance);
    const Case cases[] = {
        {tt_None, {1, 1, 0, 1, 1, 1}}, {tt_Wizard_Pact, {0, 1, 0, 1, 1, 1}}, {tt_Alliance, {0, 0, 0, 1, 1, 1}},
        {tt_War, {0, 0, 1, 0, 1, 1}},  {tt_Final_War, {0, 0, 1, 0, 1, 1}},
    };
    for (const Case &c : cases) {
        Set_Treaty_Both(0, W, c.treaty);
        g_menus.clear();
        Picks({5});
        Diplomacy_Propose_Treaty__WIP();
        ASSERT_EQ(g_menus.size(), 1u);
        EXPECT_EQ(g_menus[0].message, "You propose a treaty: ");
        EXPECT_EQ(g_menus[0].lines[3], "[ Declaration of War on Another Wizard");
        EXPECT_EQ(g_menus[0].enabled, c.enabled) << "treaty " << int(c.treaty);
        EXPECT_TRUE(g_responses.empty()) << "Forget It says nothing";
    }

    // Nobody left to name: W is at war with 2 and has no ally.
    Set_Treaty_Both(0, W, tt_None);
    Set_Treaty_Both(W, 2, tt_War);
    Set_Treaty_Both(W, 3, tt_None);
    _players[0].Dipl_Contacted[3] = 0;
    g_menus.clear();
    Picks({5});
    Diplomacy_Propose_Treaty__WIP();
    EXPECT_EQ(g_menus[0].enabled, (std::vector<int16_t>{1, 1, 0, 0, 0, 1}));
}

TEST_F(Diplomacy_Proposals, SweetenerAsksGoldOrASpellAndIsPaidOnlyOnAgreement)
{
    struct Case {
        int16_t tier;
        int16_t human_gold;
        bool human_has_spell;
        const char *asks;  // "gold", "spell" or nullptr for nothing
    };
    const Case cases[] = {
        {2, 10000, true, "gold"},  {1, 10000, true, "spell"}, {2, 0, true, "spell"},
        {1, 10000, false, "gold"}, {2, 0, false, nullptr},
    };
    for (const Case &c : cases) {
        for (bool agree : {true, false}) {
            Player_Set_Spell_Status(0, DEAR_SPELL, c.human_has_spell ? SS_KNOWN : SS_NOT_OBTAINABLE);
            Player_Set_Spell_Status(W, DEAR_SPELL, SS_NOT_OBTAINABLE);
            _players[0].gold_reserve = c.human_gold;
            _players[W].gold_reserve = 0;
            g_menus.clear();
            std::vector<int> draws = Peek_Draws({8, 8});
            const int gold = (draws[0] + draws[1]) * _turn / 25 * 25;
            Picks({static_cast<int16_t>(agree ? 0 : 1)});
            int16_t result = Diplomacy_Ask_For_Sweetener(c.tier);
            const std::string what = std::string("tier ") + std::to_string(c.tier) + " gold " +
                                     std::to_string(c.human_gold) + (agree ? " agreed" : " declined");
            if (c.asks == nullptr) {
                EXPECT_EQ(result, DIPL_SWEETENER_NONE) << what;
                EXPECT_TRUE(g_menus.empty()) << what;
                continue;
            }
            ASSERT_EQ(g_menus.size(), 1u) << what;
            EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Agree    ", "[ Forget It"})) << what;
            const std::string price =
                std::string(c.asks) == "spell" ? std::string("Dear spell") : std::to_string(gold) + " gold";
            EXPECT_NE(g_menus[0].message.find(price), std::string::npos) << what << ": " << g_menus[0].message;
            EXPECT_EQ(result, agree ? DIPL_SWEETENER_PAID : DIPL_SWEETENER_DECLINED) << what;
            if (std::string(c.asks) == "spell") {
                EXPECT_EQ(Has(W, DEAR_SPELL), agree) << what;
                EXPECT_EQ(_players[0].gold_reserve, c.human_gold) << what;
            } else {
                EXPECT_EQ(_players[0].gold_reserve, agree ? c.human_gold - gold : c.human_gold) << what;
                EXPECT_EQ(_players[W].gold_reserve, agree ? gold : 0) << what;
            }
        }
    }
}

TEST_F(Diplomacy_Proposals, SweetenerSpellWorthMoreThanAByteStillQualifies)
{
    // The Dear spell is worth 600 to W: on turn 300 it is asked for, though its low byte is 88.
    _turn = 300;
    Knows(0, DEAR_SPELL);
    _players[0].gold_reserve = 0;
    Picks({0});
    EXPECT_EQ(Diplomacy_Ask_For_Sweetener(DIPL_TIER_ASK_SPELL), DIPL_SWEETENER_PAID);
    EXPECT_TRUE(Has(W, DEAR_SPELL));
}

TEST_F(Diplomacy_Proposals, DeclinedPriceEndsTheProposalWithoutAnswer)
{
    // A pact (bar 75) whose test lands on -10: a price in gold is asked.
    Set_Relation(0, W, 30);
    _players[0].gold_reserve = 5000;
    for (bool agree : {false, true}) {
        Set_Treaty_Both(0, W, tt_None);
        Set_All_Patience(0);
        g_responses.clear();
        // 30 relation + 30 personality + 50 superiority + draw + patience - 75 = -10.
        _players[0].Dipl_Treaty_Patience[W] = static_cast<int16_t>(-45 - Peek_Draws({100})[0]);
        Picks({0, static_cast<int16_t>(agree ? 0 : 1)});
        Diplomacy_Propose_Treaty__WIP();
        if (agree) {
            ASSERT_EQ(g_responses.size(), 1u);
            EXPECT_EQ(g_responses[0], std::make_pair(int16_t{51}, int16_t{3}));
            EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_Wizard_Pact);
        } else {
            EXPECT_TRUE(g_responses.empty());
            EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_None);
        }
    }
}

TEST_F(Diplomacy_Proposals, WarOnAnotherWizardAndBreakingAnAllianceNameTheirTarget)
{
    // Allied to the human, who is at war with 2: W agrees on a draw of 1..4 out of 8.
    Set_Treaty_Both(0, W, tt_Alliance);
    Set_Treaty_Both(0, 2, tt_War);
    Set_Relation(0, W, 60);
    const bool yes = Peek_Draws({8})[0] <= 4;
    _players[0].gold_reserve = 0;
    Picks({3, 0});
    Diplomacy_Propose_Treaty__WIP();
    ASSERT_GE(g_menus.size(), 2u);
    EXPECT_EQ(g_menus[1].message, "Who should I declare war on?");
    EXPECT_EQ(g_menus[1].lines, (std::vector<std::string>{"[ Bryn", "[ Cael", "[ Forget It"}));
    EXPECT_EQ(Target_Player, 2);
    EXPECT_EQ(_players[W].Dipl_Treaty[2] == tt_War, yes);
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0].first, 56);

    // Breaking W's alliance with 3, while W thinks little of the human: tier 2, and the price paid.
    g_menus.clear();
    g_responses.clear();
    Set_Treaty_Both(0, W, tt_None);
    Set_Treaty_Both(W, 3, tt_Alliance);
    Set_Relation(0, W, 20);
    _players[0].gold_reserve = 10000;
    Picks({4, 0, 0});
    Diplomacy_Propose_Treaty__WIP();
    ASSERT_EQ(g_menus.size(), 3u);
    EXPECT_EQ(g_menus[1].message, "Who should I break my treaty with?");
    EXPECT_EQ(g_menus[1].lines, (std::vector<std::string>{"[ Cael", "[ Forget It"}));
    EXPECT_EQ(Diplomacy_Break_Treaty_Player(), 3) << "the statement names the ally given up";
    EXPECT_EQ(_players[W].Dipl_Treaty[3], tt_None);
    EXPECT_EQ(_players[3].Dipl_Treaty[W], tt_None);
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{55}, int16_t{3}));

    // Forget It in the list of wizards: nothing happens.
    g_responses.clear();
    Set_Treaty_Both(W, 3, tt_Alliance);
    Picks({4, 1});
    Diplomacy_Propose_Treaty__WIP();
    EXPECT_TRUE(g_responses.empty());
    EXPECT_EQ(_players[W].Dipl_Treaty[3], tt_Alliance);
}

TEST_F(Diplomacy_Proposals, ThreatOutcomesByValue)
{
    struct Case {
        int value;
        bool wizard_has_spell;
        int16_t wizard_gold;
        int16_t statement;
    };
    const Case cases[] = {
        {250, true, 0, 70},       // a spell
        {250, false, 0, 67},      // nothing to give
        {150, false, 10000, 69},  // gold from the treasury
        {150, false, 400, 69},    // a quarter of a small treasury
        {150, false, 0, 67},      // an empty treasury
        {50, true, 10000, 67},    // unmoved
        {-10, true, 10000, 39},   // war
    };
    for (const Case &c : cases) {
        const std::string what = "value " + std::to_string(c.value);
        Set_Treaty_Both(0, W, tt_None);
        Set_Relation(0, W, 0);
        Set_All_Patience(0);
        _players[0].Dipl_Threat_Count[W] = 1;
        _players[0].peace_duration[W] = 0;
        _players[0].gold_reserve = 0;
        _players[W].gold_reserve = c.wizard_gold;
        Player_Set_Spell_Status(0, MIDDLE_SPELL, SS_NOT_OBTAINABLE);
        Player_Set_Spell_Status(W, MIDDLE_SPELL, c.wizard_has_spell ? SS_KNOWN : SS_NOT_OBTAINABLE);
        g_responses.clear();
        Aim_Threat(c.value);
        // The draws after the two of the value: pending strength, relation, then gold or truce.
        const std::vector<int> after = Peek_Draws({100, 100, 5, 15, 8, 15});
        Picks({2});
        Diplomacy_Break_Treaty();
        ASSERT_EQ(g_responses.size(), 1u) << what;
        EXPECT_EQ(g_responses[0], std::make_pair(c.statement, int16_t{3})) << what;
        EXPECT_EQ(_players[0].Dipl_Threat_Count[W], 2) << what;
        if (c.statement != 39) {
            EXPECT_EQ(_players[0].Dipl_Relation[W], -after[3]) << what;
        }
        EXPECT_EQ(_players[W].Dipl_Relation[0], _players[0].Dipl_Relation[W]) << what;
        EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], c.statement == 39 ? -200 - 100 : -120 - 100) << what;
        EXPECT_EQ(Has(0, MIDDLE_SPELL), c.statement == 70) << what;
        if (c.statement == 70) {
            EXPECT_EQ(Spell_Index, MIDDLE_SPELL);
            EXPECT_GE(_players[0].peace_duration[W], 6) << "a truce of 6..20 turns";
            EXPECT_LE(_players[0].peace_duration[W], 20);
        }
        if (c.statement == 69) {
            int gold = (after[4] + 2) * _turn / 25 * 25;
            if (c.wizard_gold < gold) gold = c.wizard_gold / 4;
            EXPECT_EQ(_players[0].gold_reserve, gold) << what;
            EXPECT_EQ(_players[W].gold_reserve, c.wizard_gold) << "the wizard's treasury is not reduced";
            EXPECT_GE(_players[0].peace_duration[W], 6);
            EXPECT_LE(_players[0].peace_duration[W], 20);
        }
        if (c.statement == 39) {
            EXPECT_EQ(_players[W].Dipl_Treaty[0], tt_War);
        }
    }
}

TEST_F(Diplomacy_Proposals, BreakingATreatyOrForgettingItCostsTenPatienceDrops)
{
    Set_Treaty_Both(0, W, tt_Alliance);
    Set_All_Patience(0);
    Picks({3});
    Diplomacy_Break_Treaty();
    EXPECT_TRUE(g_responses.empty());
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], -100);
    EXPECT_EQ(g_menus[0].enabled, (std::vector<int16_t>{0, 1, 1, 1}));

    Picks({1});
    Diplomacy_Break_Treaty();
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{5}, int16_t{3}));
    EXPECT_EQ(_players[W].Dipl_Treaty[0], tt_None);
    EXPECT_EQ(_players[0].Dipl_Broken_Treaty[W], tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], -300) << "-200 for the break, then ten drops";
}

TEST_F(Diplomacy_Proposals, TributeAmountsFollowTheWizardsTreasury)
{
    struct Case {
        int16_t wizard_gold;
        std::vector<std::string> amounts;
    };
    const Case cases[] = {
        {0, {}},
        {60, {"[ 25 gold", "[ 50 gold"}},
        {99, {"[ 25 gold", "[ 50 gold", "[ 75 gold"}},
        {100, {"[ 25 gold", "[ 50 gold", "[ 75 gold", "[ 100 gold"}},
        {1010, {"[ 250 gold", "[ 500 gold", "[ 750 gold", "[ 1000 gold"}},
        {32000, {"[ 7500 gold", "[ 15000 gold", "[ 22500 gold", "[ 30000 gold"}},
    };
    _players[0].gold_reserve = 600;
    for (const Case &c : cases) {
        _players[W].gold_reserve = c.wizard_gold;
        g_menus.clear();
        Picks({-1});
        EXPECT_EQ(Diplomacy_Offer_Tribute(), 0);
        ASSERT_EQ(g_menus.size(), 1u);
        std::vector<std::string> expected = c.amounts;
        expected.emplace_back("[ Spells");
        expected.emplace_back("[ Forget It");
        EXPECT_EQ(g_menus[0].lines, expected) << c.wizard_gold;
        EXPECT_EQ(g_menus[0].message, "What do you offer as tribute?");
        for (size_t k = 0; k < c.amounts.size(); k++) {
            const int amount = std::stoi(c.amounts[k].substr(2));
            EXPECT_EQ(g_menus[0].enabled[k], amount <= 600 ? 1 : 0) << c.amounts[k];
        }
    }
}

TEST_F(Diplomacy_Proposals, TributeOfGoldBuysRelation)
{
    struct Case {
        int16_t line;
        int16_t army;
        int factor;
    };
    const Case cases[] = {{0, 10, 4}, {1, 10, 8}, {3, 10, 16}, {0, 0, 8}, {3, 0, 8}};
    for (const Case &c : cases) {
        _players[0].gold_reserve = 2000;
        _players[W].gold_reserve = 1000;
        _players[W].Astr_Army_Strength = c.army;
        Set_Relation(0, W, -20);
        g_responses.clear();
        const int draw = Peek_Draws({3})[0];
        const int paid = 250 * (c.line + 1);
        Picks({c.line});
        EXPECT_EQ(Diplomacy_Offer_Tribute(), 1);
        const int gain = c.factor * (c.line + 1) * draw / 10;
        EXPECT_EQ(_players[0].Dipl_Relation[W], -20 + gain) << "line " << c.line;
        EXPECT_EQ(_players[W].Dipl_Relation[0], -20 + gain);
        EXPECT_EQ(_players[0].gold_reserve, 2000 - paid);
        EXPECT_EQ(_players[W].gold_reserve, 1000 + paid);
        ASSERT_EQ(g_responses.size(), 1u);
        EXPECT_EQ(g_responses[0], std::make_pair(int16_t{1}, int16_t{3}));
    }
}

TEST_F(Diplomacy_Proposals, TributeSpellsListEverySpellTheWizardLacks)
{
    // The Cheap spell is worth 3 to W: it is offered all the same. W's own spells are not.
    Knows(0, CHEAP_SPELL);
    Knows(0, MIDDLE_SPELL);
    Knows(W, MIDDLE_SPELL);
    _players[W].gold_reserve = 0;
    _players[0].Dipl_Goodwill[W] = 28;
    _players[0].Dipl_Peace_Patience[W] = 195;
    Set_Relation(0, W, 50);
    // The spell list makes its 100 draws over its one candidate before the goodwill's two.
    const uint32_t seed = Get_Random_Seed();
    for (int k = 0; k < 100; k++) Random(1);
    const std::vector<int> after_list = Peek_Draws({8, 8, 8});
    random_seed = seed;
    Picks({0, 0});
    EXPECT_EQ(Diplomacy_Offer_Tribute(), 1);
    ASSERT_EQ(g_menus.size(), 2u);
    EXPECT_EQ(g_menus[1].lines, (std::vector<std::string>{"[ Cheap", "[ Forget It"}));
    EXPECT_TRUE(Has(W, CHEAP_SPELL));
    const int gain = (100 - 50) / 10 * (after_list[0] + after_list[1]) / 10;
    EXPECT_EQ(_players[0].Dipl_Relation[W], 50 + gain);
    EXPECT_EQ(_players[0].Dipl_Peace_Patience[W], std::min(195 + gain, 200));
    EXPECT_EQ(_players[0].Dipl_Goodwill[W], 30) << "goodwill stops at 30";
    EXPECT_EQ(_players[0].Dipl_Tribute_Spell[W], CHEAP_SPELL);

    // Nothing left that W lacks: statement 71, and the menu of the audience ends with it.
    g_menus.clear();
    g_responses.clear();
    Picks({0});
    EXPECT_EQ(Diplomacy_Offer_Tribute(), 71);
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{71}, int16_t{3}));

    g_menus.clear();
    g_responses.clear();
    _players[0].gold_reserve = 100;
    Picks({2, 0});
    Diplomacy_Human_Menu();
    EXPECT_EQ(g_menus.size(), 2u) << "no second round of the menu";
}

TEST_F(Diplomacy_Proposals, HumanMenuLinesAndItsEnd)
{
    struct Case {
        uint8_t treaty;
        int16_t gold;
        bool spell_to_give;
        std::vector<int16_t> enabled;
    };
    const Case cases[] = {
        {tt_None, 25, false, {1, 1, 1, 1, 1}},
        {tt_War, 25, false, {1, 0, 1, 0, 1}},
        {tt_None, 24, false, {1, 1, 0, 1, 1}},
        {tt_None, 0, true, {1, 1, 1, 1, 1}},
    };
    for (const Case &c : cases) {
        Set_Treaty_Both(0, W, c.treaty);
        _players[0].gold_reserve = c.gold;
        Player_Set_Spell_Status(0, CHEAP_SPELL, c.spell_to_give ? SS_KNOWN : SS_NOT_OBTAINABLE);
        g_menus.clear();
        Picks({4});
        Diplomacy_Human_Menu();
        ASSERT_EQ(g_menus.size(), 1u);
        EXPECT_EQ(g_menus[0].message, "How may I serve you:");
        EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Propose Treaty", "[ Threaten/Break Treaty",
                                                              "[ Offer Tribute", "[ Exchange Spells", "[ Good Bye"}));
        EXPECT_EQ(g_menus[0].enabled, c.enabled);
    }

    // The menu comes back after a dialogue and ends on a cancel.
    g_menus.clear();
    Set_Treaty_Both(0, W, tt_None);
    Picks({1, 3, -1});
    Diplomacy_Human_Menu();
    EXPECT_EQ(g_menus.size(), 3u);

    // Out of patience: the wizard will not listen.
    g_menus.clear();
    g_responses.clear();
    Set_All_Patience(0);
    _players[0].Dipl_Peace_Patience[W] = -101;
    Diplomacy_Human_Menu();
    EXPECT_TRUE(g_menus.empty());
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0], std::make_pair(int16_t{71}, int16_t{3}));
}

TEST_F(Diplomacy_Proposals, ExchangeGroupsCompareFullSpellValues)
{
    // W offers Middle (worth 300 to the human); the human's Dear is worth 600 to W, whose low byte
    // (88) would fall short; Cheap is worth 3 and falls short.
    Knows(W, MIDDLE_SPELL);
    Knows(0, DEAR_SPELL);
    Knows(0, CHEAP_SPELL);
    Set_Relation(0, W, 0);
    Set_All_Patience(100);
    Picks({0, 0});
    Diplomacy_Exchange_Spell__WIP();
    ASSERT_EQ(g_menus.size(), 2u);
    EXPECT_EQ(g_menus[0].message, "What type of spell interests you?");
    EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Middle"}));
    EXPECT_EQ(g_menus[1].message, "What will you trade for it?");
    EXPECT_EQ(g_menus[1].lines, (std::vector<std::string>{"[ Dear", "[ Forget It"}));
    EXPECT_TRUE(Has(0, MIDDLE_SPELL));
    EXPECT_TRUE(Has(W, DEAR_SPELL));
    // Middle's research (200) is below Dear's (400): W is pleased.
    EXPECT_EQ(_players[0].Dipl_Relation[W], 5);
    EXPECT_EQ(_players[W].Dipl_Relation[0], 5);
}

TEST_F(Diplomacy_Proposals, ExchangeWithNothingToMatchSaysSo)
{
    Knows(W, MIDDLE_SPELL);
    Knows(0, CHEAP_SPELL);
    Set_All_Patience(100);
    Diplomacy_Exchange_Spell__WIP();
    EXPECT_TRUE(g_menus.empty());
    ASSERT_EQ(g_responses.size(), 1u);
    EXPECT_EQ(g_responses[0].first, 72);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 100);

    // With Dear (600 to W) the trade is offered; cancelling it keeps both spells where they were
    // and still costs patience, the exchange patience ending at most at 50.
    Knows(0, DEAR_SPELL);
    _players[0].Dipl_Exchange_Patience[W] = 300;
    g_responses.clear();
    Picks({0, 1});
    Diplomacy_Exchange_Spell__WIP();
    EXPECT_FALSE(Has(0, MIDDLE_SPELL));
    EXPECT_FALSE(Has(W, DEAR_SPELL));
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 100 - 10 - 30);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], 50) << "capped at the end";
}

TEST_F(Diplomacy_Proposals, AnswersToPactAllianceAndPeace)
{
    struct Case {
        int16_t proposal;
        uint8_t treaty_before;
        uint8_t treaty_if_accepted;
    };
    const Case cases[] = {
        {45, tt_None, tt_Wizard_Pact},
        {46, tt_Wizard_Pact, tt_Alliance},
        {49, tt_War, tt_None},
    };
    for (const Case &c : cases) {
        for (int16_t answer : {0, 1, -1}) {
            const std::string what = std::to_string(c.proposal) + " answer " + std::to_string(answer);
            Set_Treaty_Both(0, W, c.treaty_before);
            Set_Relation(0, W, c.proposal == 49 ? -50 : 30);
            Set_All_Patience(0);
            _players[0].gold_reserve = 0;
            _players[0].Dipl_Offer_Gold[W] = 75;
            _players[0].Dipl_Offer_Spell[W] = EXTRA_SPELL;
            Player_Set_Spell_Status(0, EXTRA_SPELL, SS_NOT_OBTAINABLE);
            g_menus.clear();
            Picks({answer});
            Npc_Proposal__WIP(c.proposal);
            ASSERT_EQ(g_menus.size(), 1u) << what;
            EXPECT_TRUE(g_menus[0].under_statement) << what;
            EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Accept", "[ Reject"})) << what;
            EXPECT_EQ(m_IDK_diplomatic_order, c.proposal) << what;
            const bool accepted = answer == 0;
            EXPECT_EQ(_players[W].Dipl_Treaty[0], accepted ? c.treaty_if_accepted : c.treaty_before) << what;
            EXPECT_EQ(_players[0].gold_reserve, accepted ? 75 : 0) << what;
            EXPECT_EQ(Has(0, EXTRA_SPELL), accepted) << what;
            if (c.proposal == 49) {
                EXPECT_EQ(_players[0].Dipl_Relation[W], accepted ? -50 + 40 + 20 : -50) << what;
                EXPECT_LE(_players[0].Dipl_Peace_Patience[W], (accepted ? -30 : -10) - 51) << what;
            } else {
                EXPECT_LE(_players[0].Dipl_Treaty_Patience[W], -10 - 21) << what;
                EXPECT_EQ(_players[0].Dipl_Peace_Patience[W], -10) << what;
            }
        }
    }
}

TEST_F(Diplomacy_Proposals, AcceptedSpellExchangeIsTwoSided)
{
    Player_Record &human = _players[0];
    human.Dipl_Exchange_Spells[W][0] = EXTRA_SPELL;
    human.Dipl_Exchange_Spells[W][1] = MIDDLE_SPELL;
    human.Dipl_Exchange_Count[W] = 2;
    human.Dipl_Wanted_Spell[W] = DEAR_SPELL;
    Knows(0, DEAR_SPELL);
    Knows(W, EXTRA_SPELL);
    Knows(W, MIDDLE_SPELL);
    Set_All_Patience(0);
    Picks({1});
    Npc_Proposal__WIP(48);
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Extra", "[ Middle", "[ Forget It"}));
    EXPECT_TRUE(Has(0, MIDDLE_SPELL));
    EXPECT_FALSE(Has(0, EXTRA_SPELL));
    EXPECT_TRUE(Has(W, DEAR_SPELL)) << "the wizard gets the spell it asked for";
    EXPECT_LE(human.Dipl_Exchange_Patience[W], -10 - 21);

    // A wanted spell the human does not know is not given, nor is anything on Forget It.
    Player_Set_Spell_Status(W, DEAR_SPELL, SS_NOT_OBTAINABLE);
    Player_Set_Spell_Status(0, DEAR_SPELL, SS_NOT_OBTAINABLE);
    Picks({0});
    Npc_Proposal__WIP(48);
    EXPECT_TRUE(Has(0, EXTRA_SPELL));
    EXPECT_FALSE(Has(W, DEAR_SPELL));

    Player_Set_Spell_Status(0, EXTRA_SPELL, SS_NOT_OBTAINABLE);
    Knows(0, DEAR_SPELL);
    Picks({2});
    Npc_Proposal__WIP(48);
    EXPECT_FALSE(Has(0, EXTRA_SPELL));
    EXPECT_FALSE(Has(W, DEAR_SPELL));
}

TEST_F(Diplomacy_Proposals, WizardAtWarWithTheHumansAllyAsksFirstAndNamesThatAlly)
{
    // W is at war with 2 and 3, both allied to the human: the question is about the last, 3.
    Set_Treaty_Both(W, 2, tt_War);
    Set_Treaty_Both(W, 3, tt_War);
    Set_Treaty_Both(0, 2, tt_Alliance);
    Set_Treaty_Both(0, 3, tt_Alliance);
    _players[0].Dipl_Ally_Enemy[W] = 2;
    Set_Relation(0, W, 30);
    Set_All_Patience(0);

    // Agree: the human breaks with 3, then hears the pact and accepts it.
    Picks({0, 0});
    Npc_Proposal__WIP(45);
    ASSERT_EQ(g_menus.size(), 2u);
    EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Agree", "[ Forget It"}));
    EXPECT_EQ(g_menus[0].break_treaty_player, 3);
    EXPECT_EQ(g_menus[1].break_treaty_player, 2) << "the wizard of the proposal's own request comes back";
    EXPECT_EQ(_players[0].Dipl_Treaty[3], tt_None);
    EXPECT_EQ(_players[3].Dipl_Treaty[0], tt_None);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_Wizard_Pact);

    // Forget It: W's regard falls to -100 both ways and the proposal is never heard.
    Set_Treaty_Both(0, W, tt_None);
    Set_Treaty_Both(0, 3, tt_Alliance);
    g_menus.clear();
    Set_All_Patience(0);
    Picks({1});
    Npc_Proposal__WIP(45);
    EXPECT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(_players[0].Dipl_Relation[W], -100);
    EXPECT_EQ(_players[W].Dipl_Relation[0], -100);
    EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_None);
    EXPECT_EQ(_players[0].Dipl_Treaty[3], tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], -10) << "only the one patience drop";
}

TEST_F(Diplomacy_Proposals, RequestToFightAThirdWizard)
{
    _players[0].Dipl_Ally_Enemy[W] = 2;
    Set_Treaty_Both(0, W, tt_Alliance);
    for (int16_t answer : {0, 1}) {
        Set_Treaty_Both(0, W, tt_Alliance);
        Set_Treaty_Both(0, 2, tt_None);
        g_menus.clear();
        Picks({answer});
        Npc_Proposal__WIP(47);
        ASSERT_EQ(g_menus.size(), 1u);
        EXPECT_EQ(g_menus[0].lines, (std::vector<std::string>{"[ Agree", "[ Forget It"}));
        if (answer == 0) {
            EXPECT_EQ(_players[2].Dipl_Treaty[0], tt_War);
            EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_Alliance);
        } else {
            EXPECT_EQ(_players[2].Dipl_Treaty[0], tt_None);
            EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_None) << "W breaks the alliance";
            EXPECT_EQ(_players[0].Dipl_Broken_Treaty[W], tt_Alliance);
        }
    }
}

TEST_F(Diplomacy_Proposals, LowestPatienceIsTowardTheWizardOnScreen)
{
    Player_Record &human = _players[0];
    human.Dipl_Treaty_Patience[W] = 30;
    human.Dipl_Exchange_Patience[W] = -40;
    human.Dipl_Peace_Patience[W] = 10;
    human.Dipl_Peace_Patience[2] = -150;
    _players[W].Dipl_Treaty_Patience[0] = -199;
    EXPECT_EQ(Lowest_Patience(), -40);
    Diplomacy_Set_Wizard_On_Screen(2);
    EXPECT_EQ(Lowest_Patience(), -150);
    Diplomacy_Set_Wizard_On_Screen(6);
    EXPECT_EQ(Lowest_Patience(), 0) << "no such wizard";
}

}  // namespace
