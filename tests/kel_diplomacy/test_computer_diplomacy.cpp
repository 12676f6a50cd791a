// The computer wizards' diplomacy of the world turn: first contacts, their treaties with each
// other, wars, border complaints and what they propose to the human.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "Diplomacy_Test_Fixture.h"
#include "turn/Computer_Diplomacy.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Relations.h"
#include "turn/Treaties.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int UNIT_TYPE = 60;  // a normal unit; its abilities are set by the tests that use it

class Diplomacy_Computer : public Diplomacy_Test {
protected:
    Spell_Data_Record spells[NUM_SPELLS] = {};
    Spell_Data_Record *saved_spells = nullptr;

    void SetUp() override
    {
        Diplomacy_Test::SetUp();
        if (saved_spells == nullptr) {
            saved_spells = spell_data_table;
        }
        memset(spells, 0, sizeof(spells));
        spell_data_table = spells;
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _FORTRESSES[p].active = 1;
            for (int j = 0; j < NUM_PLAYERS; j++) {
                _players[p].peace_duration[j] = 0;
            }
        }
        _unit_type_table[UNIT_TYPE].Abilities = 0;
        _unit_type_table[UNIT_TYPE].Construction = 0;
        _unit_type_table[UNIT_TYPE].cost = 10;
    }

    void TearDown() override
    {
        spell_data_table = saved_spells;
        Diplomacy_Test::TearDown();
    }

    // Puts the stream at the first seed whose next draws of these ranges satisfy wanted, and
    // returns those draws.
    static std::vector<int> Seed_Where(std::initializer_list<int> ranges,
                                       const std::function<bool(const std::vector<int> &)> &wanted)
    {
        for (uint32_t seed = 1; seed < 200000; seed++) {
            Set_Random_Seed(seed);
            std::vector<int> draws = Peek_Draws(ranges);
            if (wanted(draws)) {
                return draws;
            }
        }
        ADD_FAILURE() << "no seed gives the draws wanted";
        return std::vector<int>(ranges.size(), 0);
    }

    static void Set_Patience_Both(int a, int b, int treaty, int exchange, int peace)
    {
        for (auto [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
            _players[x].Dipl_Treaty_Patience[y] = static_cast<int16_t>(treaty);
            _players[x].Dipl_Exchange_Patience[y] = static_cast<int16_t>(exchange);
            _players[x].Dipl_Peace_Patience[y] = static_cast<int16_t>(peace);
        }
    }

    static int16_t Add_Unit(int8_t owner, int wx, int wy, int wp, int type = UNIT_TYPE)
    {
        int16_t idx = _units++;
        memset(&_UNITS[idx], 0, sizeof(Unit_Record));
        _UNITS[idx].owner_idx = owner;
        _UNITS[idx].wx = static_cast<uint8_t>(wx);
        _UNITS[idx].wy = static_cast<uint8_t>(wy);
        _UNITS[idx].wp = static_cast<uint8_t>(wp);
        _UNITS[idx].type = static_cast<uint8_t>(type);
        return idx;
    }

    static int16_t Add_City(int8_t owner, int wx, int wy, int wp)
    {
        int16_t idx = _cities++;
        memset(&_CITIES[idx], 0, sizeof(City_Record));
        _CITIES[idx].owner_idx = owner;
        _CITIES[idx].wx = static_cast<uint8_t>(wx);
        _CITIES[idx].wy = static_cast<uint8_t>(wy);
        _CITIES[idx].wp = static_cast<uint8_t>(wp);
        return idx;
    }

    // A common Nature spell that costs the given research to a wizard who may research it.
    void Set_Spell_Cost(int spell, int cost) { spells[spell].research_cost = static_cast<int16_t>(cost); }

    static void Give_Nature_Books(std::initializer_list<int> players)
    {
        for (int p : players) {
            _players[p].spellranks[0] = 3;
            for (int s = 1; s <= 40; s++) {
                Player_Set_Spell_Status(p, s, SS_RESEARCHABLE);
            }
        }
    }
};

uint8_t Order(int k) { return _players[0].Dipl_Pending_Order[k]; }

// ---- first contacts and greetings ----

TEST_F(Diplomacy_Computer, AWizardMetThisTurnGreetsTheHumanBeforeAnyOtherOrder)
{
    _players[0].Dipl_Contacted[1] = 1;
    _players[0].Dipl_Contacted[2] = 0;
    _players[0].Dipl_First_Contact[3] = 2;
    Set_Treaty_Both(0, 1, tt_War);
    _players[1].Personality = pt_Lawful;
    _players[0].Dipl_Pending_Order[1] = do_Unit_Attacked;

    Determine_First_Contacts();
    EXPECT_EQ(_players[0].Dipl_First_Contact[1], 1);
    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_None);
    EXPECT_EQ(_players[1].Dipl_Treaty[0], tt_None);
    EXPECT_EQ(_players[0].Dipl_First_Contact[2], 0) << "not met";
    EXPECT_EQ(_players[0].Dipl_First_Contact[3], 2) << "already greeted";

    NPC_To_Human_Diplomacy();
    EXPECT_EQ(Order(1), do_Greeting_First + int{pt_Lawful});
    EXPECT_EQ(_players[0].Dipl_First_Contact[1], 2);
}

TEST_F(Diplomacy_Computer, AFallenWizardOrAFinalWarSaysNothing)
{
    _players[0].Dipl_First_Contact[1] = 1;
    _FORTRESSES[1].active = 0;
    _players[0].Dipl_Pending_Order[1] = do_Unit_Attacked;
    Set_Treaty_Both(0, 2, tt_Final_War);
    _players[0].Dipl_Pending_Order[2] = do_War_Declared;
    _players[0].Dipl_First_Contact[3] = 2;
    _players[0].Dipl_Pending_Order[3] = do_War_Surprise;

    NPC_To_Human_Diplomacy();
    EXPECT_EQ(Order(1), 0);
    EXPECT_EQ(_players[0].Dipl_First_Contact[1], 1) << "no greeting from a wizard without a fortress";
    EXPECT_EQ(Order(2), 0);
    EXPECT_EQ(Order(3), do_War_Surprise) << "a declaration of war is kept for its audience";
}

// ---- treaties between computer wizards ----

// Wizards 1 and 2 only; the draws are arranged so that 1 talks to 2 first with a known score.
class Diplomacy_Computer_Talks : public Diplomacy_Computer {
protected:
    int score = 0;

    void SetUp() override
    {
        Diplomacy_Computer::SetUp();
        _num_players = 3;
        _players[1].Personality = pt_Peaceful;
        _players[2].Personality = pt_Peaceful;
        Set_Patience_Both(1, 2, -200, 1000, 0);
        std::vector<int> draws = Seed_Where({15 - 2 * _difficulty, 100, 5}, [](auto &d) { return d[0] == 1; });
        score = 50 + draws[1] + (draws[2] + 3) * _difficulty;
    }

    // 1's treaty patience toward 2 that makes score + patience equal total.
    void Set_Total(int total, uint8_t treaty)
    {
        int bonus = treaty == tt_Wizard_Pact ? 10 : treaty == tt_Alliance ? 20 : 0;
        _players[1].Dipl_Treaty_Patience[2] = static_cast<int16_t>(total - score - bonus);
    }
};

TEST_F(Diplomacy_Computer_Talks, ScoreAndPatienceDecideAllianceAndPact)
{
    struct Case {
        const char *what;
        uint8_t before;
        int total;
        uint8_t after;
    } cases[] = {
        {"151 makes an alliance", tt_None, 151, tt_Alliance},
        {"150 makes a pact", tt_None, 150, tt_Wizard_Pact},
        {"101 makes a pact", tt_None, 101, tt_Wizard_Pact},
        {"100 makes no treaty", tt_None, 100, tt_None},
        {"a pact becomes an alliance at 151", tt_Wizard_Pact, 151, tt_Alliance},
        {"a pact stays a pact below 151", tt_Wizard_Pact, 150, tt_Wizard_Pact},
        {"an alliance is never lowered to a pact", tt_Alliance, 120, tt_Alliance},
        {"an alliance stays at a low score", tt_Alliance, 0, tt_Alliance},
        {"a war is no ground for a pact", tt_War, 120, tt_War},
    };
    for (const Case &c : cases) {
        SetUp();
        Set_Treaty_Both(1, 2, c.before);
        Set_Total(c.total, c.before);
        NPC_To_NPC_Treaty_Negotiations();
        EXPECT_EQ(_players[1].Dipl_Treaty[2], c.after) << c.what;
        EXPECT_EQ(_players[2].Dipl_Treaty[1], c.after) << c.what;
    }
}

TEST_F(Diplomacy_Computer_Talks, BelowThePactThresholdTheyTradeOneSpellEach)
{
    struct Case {
        const char *what;
        int margin;  // how far the score exceeds the exchange patience + 80
        bool two_has_one;
        bool traded;
    } cases[] = {
        {"a score above the exchange patience + 80 trades", 1, true, true},
        {"a score just at it does not", 0, true, false},
        {"nothing to receive: no trade at all", 1, false, false},
    };
    for (const Case &c : cases) {
        SetUp();
        Give_Nature_Books({1, 2});
        Set_Spell_Cost(2, 100);
        Set_Spell_Cost(3, 100);
        Player_Set_Spell_Status(1, 2, SS_KNOWN);
        if (c.two_has_one) {
            Player_Set_Spell_Status(2, 3, SS_KNOWN);
        }
        Set_Total(100, tt_None);
        _players[1].Dipl_Exchange_Patience[2] = static_cast<int16_t>(score - 80 - c.margin);

        NPC_To_NPC_Treaty_Negotiations();
        EXPECT_EQ(Player_Spell_Status(1, 3) == SS_KNOWN, c.traded) << c.what;
        EXPECT_EQ(Player_Spell_Status(2, 2) == SS_KNOWN, c.traded) << c.what;
        EXPECT_EQ(_players[1].Dipl_Treaty[2], tt_None) << c.what;
    }
}

TEST_F(Diplomacy_Computer_Talks, PeaceComesWhenPeacePatienceExceeds100)
{
    for (int patience : {100, 101}) {
        SetUp();
        Set_Treaty_Both(1, 2, tt_War);
        Set_Relation(1, 2, -60);  // -20 after peace: not cold enough for a new war
        _players[1].Dipl_Peace_Patience[2] = static_cast<int16_t>(patience);
        NPC_To_NPC_Treaty_Negotiations();
        uint8_t expected = patience > 100 ? tt_None : tt_War;
        EXPECT_EQ(_players[1].Dipl_Treaty[2], expected) << patience;
        EXPECT_EQ(_players[2].Dipl_Treaty[1], expected) << patience;
        EXPECT_EQ(_players[0].peace_duration[1], 0) << "no truce between computer wizards";
    }
}

TEST_F(Diplomacy_Computer, AnAllyJoinsTheWarOfItsAlly)
{
    _num_players = 5;
    for (int i = 1; i < 5; i++) {
        for (int j = 1; j < 5; j++) {
            _players[i].Dipl_Contacted[j] = 0;  // no talks, only the alliances' duty
        }
    }
    Set_Treaty_Both(1, 2, tt_Alliance);
    Set_Treaty_Both(3, 1, tt_War);
    NPC_To_NPC_Treaty_Negotiations();
    EXPECT_EQ(_players[2].Dipl_Treaty[3], tt_War);
    EXPECT_EQ(_players[3].Dipl_Treaty[2], tt_War);
    EXPECT_EQ(_players[1].Dipl_Treaty[2], tt_Alliance);
    EXPECT_EQ(_players[4].Dipl_Treaty[2], tt_None);
    EXPECT_EQ(_players[4].Dipl_Treaty[3], tt_None);

    // A dead ally owes nothing.
    SetUp();
    _num_players = 5;
    for (int i = 1; i < 5; i++) {
        for (int j = 1; j < 5; j++) {
            _players[i].Dipl_Contacted[j] = 0;
        }
    }
    Set_Treaty_Both(1, 2, tt_Alliance);
    Set_Treaty_Both(3, 1, tt_War);
    _FORTRESSES[2].active = 0;
    NPC_To_NPC_Treaty_Negotiations();
    EXPECT_EQ(_players[2].Dipl_Treaty[3], tt_None);
}

TEST_F(Diplomacy_Computer, NothingIsNegotiatedWhileTheHumanReturns)
{
    _players[0].casting_spell_idx = spl_Spell_Of_Return;
    _players[0].Dipl_Pending_Order[1] = do_Offer_Peace;
    _players[0].Dipl_First_Contact[2] = 1;
    Player_Record before[NUM_PLAYERS];
    memcpy(before, _players, sizeof(before));
    uint32_t seed = Get_Random_Seed();

    NPC_To_NPC_Treaty_Negotiations();
    NPC_To_Human_Diplomacy();
    Resolve_Delayed_Diplomacy_Orders();
    EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0);
    EXPECT_EQ(Get_Random_Seed(), seed);
}

// ---- wars ----

TEST_F(Diplomacy_Computer, AChaoticNeighbourStartsSurpriseWarsOnlyAboveDifficulty0)
{
    _turn = 150;
    _players[2].Personality = pt_Chaotic;
    _difficulty = 0;
    for (uint32_t seed = 1; seed <= 600; seed++) {
        Set_Random_Seed(seed);
        G_DIPL_NeedForWar(1, 2);
        ASSERT_EQ(_players[1].Dipl_Treaty[2], tt_None) << "seed " << seed;
    }

    _difficulty = 4;
    Seed_Where({300}, [](auto &d) { return d[0] <= 4; });
    G_DIPL_NeedForWar(0, 2);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_War);
    EXPECT_EQ(_players[2].Dipl_Treaty[0], tt_War);
    EXPECT_EQ(Order(2), do_War_Surprise);
    EXPECT_EQ(_players[0].Dipl_Pending_Strength[2], 2000);

    // A truce with the human holds it back.
    SetUp();
    _turn = 150;
    _difficulty = 4;
    _players[2].Personality = pt_Chaotic;
    _players[0].peace_duration[2] = 5;
    Seed_Where({300}, [](auto &d) { return d[0] <= 4; });
    G_DIPL_NeedForWar(0, 2);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_None);
    EXPECT_EQ(Order(2), 0);
}

TEST_F(Diplomacy_Computer, TheHumanIsSparedWarsOfChoiceBeforeTurn100)
{
    _difficulty = 4;
    _turn = 99;
    _players[2].Personality = pt_Chaotic;
    Set_Relation(0, 2, -90);
    for (uint32_t seed = 1; seed <= 300; seed++) {
        Set_Random_Seed(seed);
        G_DIPL_NeedForWar(0, 2);
        ASSERT_EQ(_players[0].Dipl_Treaty[2], tt_None) << "seed " << seed;
    }
}

TEST_F(Diplomacy_Computer, SuperiorityWarDeclaresOrBreaksByTreaty)
{
    struct Case {
        const char *what;
        uint8_t treaty;
        int relation, difficulty, truce;
        uint8_t after;
        int order;
    } cases[] = {
        {"hostile, no treaty", tt_None, -10, 0, 0, tt_War, do_War_Hostile},
        {"friendly, no treaty", tt_None, 10, 0, 0, tt_War, do_War_Declared},
        {"a truce holds", tt_None, -10, 0, 3, tt_None, 0},
        {"a pact at difficulty 1 holds", tt_Wizard_Pact, 60, 1, 0, tt_Wizard_Pact, 0},
        {"an expansionist breaks a pact", tt_Wizard_Pact, 60, 2, 0, tt_None, do_Break_Treaty},
    };
    for (const Case &c : cases) {
        SetUp();
        _players[2].Objective = 4;  // Expansionist
        Set_Treaty_Both(0, 2, c.treaty);
        Set_Relation(0, 2, c.relation);
        _difficulty = static_cast<int16_t>(c.difficulty);
        _players[0].peace_duration[2] = static_cast<int8_t>(c.truce);
        G_DIPL_SuperiorityWar(0, 2);
        EXPECT_EQ(_players[0].Dipl_Treaty[2], c.after) << c.what;
        EXPECT_EQ(_players[2].Dipl_Treaty[0], c.after) << c.what;
        EXPECT_EQ(Order(2), c.order) << c.what;
        if (c.order == do_Break_Treaty) {
            EXPECT_EQ(_players[0].Dipl_Relation[2], 30) << c.what;
            EXPECT_EQ(_players[2].Dipl_Relation[0], 30) << c.what;
            EXPECT_EQ(_players[0].Dipl_Broken_Treaty[2], tt_Wizard_Pact) << c.what;
        }
    }
}

// ---- border complaints ----

TEST_F(Diplomacy_Computer, AUnitNearAPartnersCityDrawsAComplaintThenSilenceThenABreak)
{
    Set_Treaty_Both(0, 1, tt_Wizard_Pact);
    Set_Relation(0, 1, 20);
    Add_City(1, 30, 20, 0);
    int16_t city = Add_City(1, 10, 10, 0);
    Add_Unit(0, 12, 11, 0);

    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(Order(1), do_Border_Warning);
    EXPECT_EQ(_players[0].Dipl_Pending_City[1], city);
    EXPECT_EQ(_players[0].Dipl_Border_Warning[1], 1);
    Modifier_Diplomacy_Adjustments();

    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(Order(1), 0) << "a silent turn";
    EXPECT_EQ(_players[0].Dipl_Border_Warning[1], 2);
    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_Wizard_Pact);

    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(Order(1), do_Treaty_Broken);
    EXPECT_EQ(_players[0].Dipl_Border_Warning[1], 0);
    for (auto [x, y] : {std::pair{0, 1}, std::pair{1, 0}}) {
        EXPECT_EQ(_players[x].Dipl_Treaty[y], tt_None) << x;
        EXPECT_EQ(_players[x].Dipl_Broken_Treaty[y], tt_Wizard_Pact) << x;
    }
}

TEST_F(Diplomacy_Computer, WhichUnitsTroubleACity)
{
    struct Case {
        const char *what;
        int dx, wp, in_tower, abilities, construction;
        bool violation;
    } cases[] = {
        {"two squares away", -2, 0, 0, 0, 0, true},
        {"two squares away across the wrap", 2, 0, 0, 0, 0, true},
        {"three squares away across the wrap", 3, 0, 0, 0, 0, false},
        {"on the other plane", 1, 1, 0, 0, 0, false},
        {"in a tower, seen from both planes", 1, 1, 1, 0, 0, true},
        {"a settler", 1, 0, 0, UA_CREATEOUTPOST, 0, false},
        {"a road builder", 1, 0, 0, 0, 2, false},
    };
    for (const Case &c : cases) {
        SetUp();
        Set_Treaty_Both(0, 1, tt_Alliance);
        _players[0].Dipl_Border_Warning[1] = 1;
        Add_City(1, 59, 10, 0);
        int16_t unit = Add_Unit(0, (59 + c.dx + 60) % 60, 10, c.wp);
        _UNITS[unit].in_tower = static_cast<int16_t>(c.in_tower);
        _unit_type_table[UNIT_TYPE].Abilities = static_cast<uint16_t>(c.abilities);
        _unit_type_table[UNIT_TYPE].Construction = static_cast<int8_t>(c.construction);
        DIPL_GetOffMyLawn(1, 0);
        EXPECT_EQ(_players[0].Dipl_Border_Warning[1], c.violation ? 2 : 0) << c.what;
    }
}

TEST_F(Diplomacy_Computer, NoComplaintsInWarAndOnlyRareOnesWithoutATreaty)
{
    Add_City(1, 10, 10, 0);
    Add_Unit(0, 11, 10, 0);
    Set_Treaty_Both(0, 1, tt_War);
    _players[0].Dipl_Border_Warning[1] = 1;
    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(_players[0].Dipl_Border_Warning[1], 1) << "at war nothing is weighed";

    Set_Treaty_Both(0, 1, tt_None);
    Seed_Where({100, 5, 5}, [](auto &d) { return d[0] < 6 && d[2] == 1; });
    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(_players[0].Dipl_Border_Warning[1], 0);
    EXPECT_EQ(Order(1), do_Border_Warning);
    EXPECT_LT(_players[1].Dipl_Relation[0], 0);

    Modifier_Diplomacy_Adjustments();
    Set_Relation(0, 1, 0);
    Seed_Where({100}, [](auto &d) { return d[0] >= 6; });
    DIPL_GetOffMyLawn(1, 0);
    EXPECT_EQ(Order(1), 0);
    EXPECT_EQ(_players[1].Dipl_Relation[0], 0);
}

// ---- offers to the human ----

TEST_F(Diplomacy_Computer, ProposalsOfPactAndAlliance)
{
    struct Case {
        const char *what;
        uint8_t treaty;
        int relation;
        int order;
    } cases[] = {
        {"a friendly wizard without a treaty proposes a pact", tt_None, 40, do_Propose_Pact},
        {"a warm partner proposes an alliance", tt_Wizard_Pact, 60, do_Propose_Alliance},
        {"a warm wizard without a treaty goes straight to an alliance", tt_None, 60, do_Propose_Alliance},
        {"a cool partner proposes nothing", tt_Wizard_Pact, 40, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        _players[1].Personality = pt_Maniacal;
        Set_Treaty_Both(0, 1, c.treaty);
        Set_Relation(0, 1, c.relation);
        _players[0].Dipl_Treaty_Patience[1] = 100;
        _players[0].Dipl_Goodwill[1] = 0;
        _players[1].Pop_Div_10k = 0;  // no sweetener, no division by it
        _players[0].Pop_Div_10k = 5;
        _players[0].Dipl_Exchange_Patience[1] = -200;
        NPC_Diplo_s74420(0, 1);
        EXPECT_EQ(Order(1), c.order) << c.what;
    }
}

TEST_F(Diplomacy_Computer, ASpellExchangeOffersOnlySpellsWorthNoMoreThanThePrice)
{
    _players[1].Personality = pt_Peaceful;  // mood 50: an exchange is always weighed
    Give_Nature_Books({0, 1});
    const int wanted = 4, cheap = 5, dear = 6;
    Set_Spell_Cost(wanted, 1000);
    Set_Spell_Cost(cheap, 300);
    Set_Spell_Cost(dear, 520);  // its low byte (8) would pass any price
    Player_Set_Spell_Status(0, wanted, SS_KNOWN);
    Player_Set_Spell_Status(1, cheap, SS_KNOWN);
    Player_Set_Spell_Status(1, dear, SS_KNOWN);
    _players[0].Dipl_Exchange_Patience[1] = 0;
    _players[1].Dipl_Exchange_Patience[0] = 40;

    Exchange_Spell_List list = Build_Exchange_Spell_List(1, 0, 0);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.values[0], 300);
    EXPECT_EQ(list.values[1], 520);

    // The price is 1000 x 100 / (200 .. 299): 334 .. 500.
    NPC_Diplo_s74420(0, 1);
    EXPECT_EQ(Order(1), do_Offer_Exchange);
    EXPECT_EQ(_players[0].Dipl_Exchange_Count[1], 1);
    EXPECT_EQ(_players[0].Dipl_Exchange_Spells[1][0], cheap);
    EXPECT_EQ(_players[0].Dipl_Wanted_Spell[1], wanted);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[1], 0);
    EXPECT_EQ(_players[1].Dipl_Exchange_Patience[0], 0);
}

TEST_F(Diplomacy_Computer, PeaceOfferWithSweetenerWhenTheHumansPopulationIsZero)
{
    _turn = 40;
    Set_Treaty_Both(0, 1, tt_War);
    Set_Relation(0, 1, -60);
    _players[1].Personality = pt_Peaceful;
    _players[0].Dipl_Peace_Patience[1] = 100;
    _players[0].Dipl_Pending_Strength[1] = -5;
    _players[0].Pop_Div_10k = 0;  // counts as 1
    _players[1].Pop_Div_10k = 90;
    std::vector<int> draws = Seed_Where({100, 8, 100, 4, 3}, [](auto &d) { return d[1] == 1 && d[3] >= 2; });

    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(Order(1), do_Offer_Peace);
    EXPECT_EQ(_players[0].Dipl_Offer_Gold[1], (90 / (draws[4] + 1) + 40) / 25 * 25);
}

TEST_F(Diplomacy_Computer, AnOffendedWizardThreatensThenBreaksThenDeclaresWar)
{
    Set_Treaty_Both(0, 1, tt_Wizard_Pact);
    Set_Relation(0, 1, -50);
    _players[1].Personality = pt_Maniacal;
    _players[0].Dipl_Goodwill[1] = -100;
    _players[0].Dipl_Treaty_Patience[1] = -200;
    _players[0].Dipl_Pending_Strength[1] = -40;

    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(_players[0].Dipl_Threat_Count[1], 1) << "first a threat";
    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_Wizard_Pact);

    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(_players[0].Dipl_Threat_Count[1], 2);
    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_None) << "then the pact is broken";
    EXPECT_EQ(_players[1].Dipl_Treaty[0], tt_None);

    _players[0].Dipl_Treaty_Patience[1] = -200;
    Set_Relation(0, 1, -50);
    Seed_Where({100, 100}, [](auto &d) { return d[1] < 40; });
    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(_players[0].Dipl_Treaty[1], tt_War);
    EXPECT_EQ(Order(1), do_War_Hostile);
    EXPECT_EQ(_players[0].Dipl_Threat_Count[1], 1);

    // A hated wizard declares war outright; without contact or an offence nothing happens.
    SetUp();
    Set_Relation(0, 1, -75);
    _players[0].Dipl_Pending_Strength[1] = -1;
    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(Order(1), do_War_Hostile);
    EXPECT_EQ(_players[1].Dipl_Treaty[0], tt_War);
    SetUp();
    Set_Relation(0, 1, -90);
    _players[0].Dipl_Pending_Order[1] = do_Unit_Attacked;
    DIPL_HumanWarOrPeace(1);
    EXPECT_EQ(Order(1), 0);
    EXPECT_EQ(_players[1].Dipl_Treaty[0], tt_None);
}

TEST_F(Diplomacy_Computer, AnAllyNamesTheEnemyItWantsTheHumanToFight)
{
    _num_players = 5;
    Set_Treaty_Both(0, 1, tt_Alliance);
    Set_Treaty_Both(1, 2, tt_War);
    Set_Treaty_Both(1, 3, tt_War);
    Set_Treaty_Both(1, 4, tt_War);
    Set_Treaty_Both(0, 4, tt_War);  // already the human's enemy
    _players[0].Dipl_Pending_Order[1] = do_Unit_Attacked;
    Seed_Where({10}, [](auto &d) { return d[0] == 1; });
    NPC_Required_Alliances(1);
    EXPECT_EQ(_players[0].Dipl_Ally_Enemy[1], 3) << "the last enemy the human knows and is not fighting";
    EXPECT_EQ(Order(1), 0);

    _players[0].Dipl_Contacted[2] = 0;
    _players[0].Dipl_Contacted[3] = 0;
    Seed_Where({10}, [](auto &d) { return d[0] == 1; });
    NPC_Required_Alliances(1);
    EXPECT_EQ(_players[0].Dipl_Ally_Enemy[1], 255);
}

// ---- army strength ----

TEST_F(Diplomacy_Computer, ArmyStrengthCountsUnitsOnTheFortressLandmass)
{
    _FORTRESSES[2] = {20, 20, 0, 1};
    for (int x = 15; x <= 25; x++) {
        _landmasses[World_Square_Index(x, 20, 0)] = 3;
        _landmasses[World_Square_Index(x, 20, 1)] = 3;
    }
    _landmasses[World_Square_Index(40, 20, 0)] = 4;
    Add_Unit(1, 16, 20, 0);
    Add_Unit(1, 17, 20, 0);
    Add_Unit(1, 40, 20, 0);  // another landmass
    Add_Unit(1, 16, 20, 1);  // the other plane
    Add_Unit(2, 20, 20, 0);
    Add_Unit(3, 20, 20, 0);  // a third wizard

    int32_t sa = -1, sb = -1;
    EXPECT_EQ(Army_Strength_Near_Fortress(1, 2, &sa, &sb), 1);
    EXPECT_EQ(sa, 20);
    EXPECT_EQ(sb, 10);
    EXPECT_EQ(Army_Strength_Near_Fortress(1, 5, &sa, &sb), 0);
    EXPECT_EQ(sa, 0);
    EXPECT_EQ(sb, 0);
}

TEST_F(Diplomacy_Computer, SuperiorityIsBoundedOnlyWhereOneSideHasNothing)
{
    struct Case {
        int32_t sa, sb;
        int16_t bound;
        int32_t superiority;
    } cases[] = {
        {0, 0, 100, 100},
        {0, 5, 100, -100},
        {5, 0, 50, 50},
        {10, 5, 100, 150},
        {5, 10, 100, -250},
        {10, 10, 100, 50},
        {1, 30000000, 100, INT32_MIN},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Diplomacy_Superiority(c.sa, c.sb, c.bound), c.superiority) << c.sa << " vs " << c.sb;
    }
}

// ---- many turns ----

TEST_F(Diplomacy_Computer, ManyTurnsKeepEveryPairMirrored)
{
    _num_players = 5;
    _turn = 120;
    _difficulty = 4;
    Give_Nature_Books({0, 1, 2, 3, 4});
    for (int s = 1; s <= 10; s++) {
        Set_Spell_Cost(s, 50 * s);
        Player_Set_Spell_Status(s % 5, s, SS_KNOWN);
    }
    for (int p = 0; p < 5; p++) {
        _players[p].Personality = static_cast<int16_t>(p);
        _players[p].Objective = static_cast<int16_t>(p % 5);
        _players[p].Pop_Div_10k = static_cast<uint16_t>(p * 3);
        _players[0].Dipl_First_Contact[p] = 2;
        _FORTRESSES[p] = {static_cast<uint8_t>(10 * p), 10, 0, 1};
        Add_City(static_cast<int8_t>(p), 10 * p, 12, 0);
        Add_Unit(static_cast<int8_t>((p + 1) % 5), 10 * p + 1, 12, 0);
    }
    Set_Random_Seed(77);
    bool seen[NUM_TREATY_TYPES] = {};
    for (int turn = 0; turn < 150; turn++) {
        Decrease_Peace_Duration();
        Diplomacy_Growth();
        Determine_First_Contacts();
        NPC_To_NPC_Treaty_Negotiations();
        NPC_To_Human_Diplomacy();
        End_Of_Turn_Diplomacy_Adjustments();
        Modifier_Diplomacy_Adjustments();
        _turn++;
        for (int a = 0; a < 5; a++) {
            ASSERT_EQ(_players[a].Dipl_Relation[a], 0) << "turn " << turn;
            ASSERT_GE(_players[0].peace_duration[a], 0);
            ASSERT_LE(_players[0].peace_duration[a], 20);
            for (int b = 0; b < 5; b++) {
                ASSERT_EQ(_players[a].Dipl_Treaty[b], _players[b].Dipl_Treaty[a]) << a << "-" << b << " turn " << turn;
                ASSERT_EQ(_players[a].Dipl_Relation[b], _players[b].Dipl_Relation[a])
                    << a << "-" << b << " turn " << turn;
                ASSERT_GE(_players[a].Dipl_Relation[b], -100);
                ASSERT_LE(_players[a].Dipl_Relation[b], 100);
                seen[_players[a].Dipl_Treaty[b] % NUM_TREATY_TYPES] = true;
            }
        }
    }
    EXPECT_TRUE(seen[tt_Wizard_Pact] || seen[tt_Alliance]) << "the wizards made no treaty at all";
    EXPECT_TRUE(seen[tt_War]) << "the wizards went to no war at all";
}

}  // namespace
