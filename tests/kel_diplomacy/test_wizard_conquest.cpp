// A wizard who loses his fortress or his last city: banished while he can come back, eliminated
// otherwise, and the game ends when no rival is left or the human falls.
#include <gtest/gtest.h>

#include <string>

#include "Diplomacy_Test_Fixture.h"
#include "ai/AI_Services.h"
#include "turn/End_Of_Turn.h"
#include "turn/Turn_Services.h"
#include "turn/Wizard_Conquest.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

std::string m_question;
int16_t m_answer = 0;
int m_redraws = 0;

void Fake_Redraw(void) { m_redraws++; }

int16_t Fake_Ask(const char *text)
{
    m_question = text;
    return m_answer;
}

constexpr int16_t SUMMONED_TYPE = 160;
constexpr int16_t PLAIN_TYPE = 40;

class Diplomacy_Conquest : public Diplomacy_Test {
protected:
    void SetUp() override
    {
        Diplomacy_Test::SetUp();
        Turn_Services services = {};
        services.conquest_redraw = Fake_Redraw;
        services.conquest_ask = Fake_Ask;
        Turn_Set_Services(services);
        m_question.clear();
        m_answer = 0;
        m_redraws = 0;
        magic_master_idx = -1;
        g_conquest_winner_idx = -1;
        _unit_type_table[SUMMONED_TYPE].Abilities |= UA_FANTASTIC;
        _unit_type_table[PLAIN_TYPE].Abilities &= static_cast<uint16_t>(~UA_FANTASTIC);
        for (int p = 0; p < 4; p++) {
            _FORTRESSES[p].active = 1;
            _players[p].spell_casting_skill = 1640;  // base skill 40
            _players[p].mana_reserve = 300;
            _players[p].gold_reserve = 200;
            _players[p].Nominal_Skill = 40;
        }
        Set_Relation(1, 3, 0);
        Set_Relation(1, 0, 0);
    }
    void TearDown() override
    {
        Turn_Set_Services({});
        Diplomacy_Test::TearDown();
    }

    static int16_t Add_City(int8_t owner, uint8_t wx)
    {
        int16_t idx = _cities++;
        memset(&_CITIES[idx], 0, sizeof(City_Record));
        _CITIES[idx].owner_idx = owner;
        _CITIES[idx].wx = wx;
        _CITIES[idx].wy = 10;
        return idx;
    }
    static int16_t Add_Unit(int8_t owner, int16_t type, uint8_t wx, int8_t hero_slot = -1)
    {
        int16_t idx = _units++;
        memset(&_UNITS[idx], 0, sizeof(Unit_Record));
        _UNITS[idx].owner_idx = owner;
        _UNITS[idx].type = static_cast<uint8_t>(type);
        _UNITS[idx].wx = wx;
        _UNITS[idx].wy = 10;
        _UNITS[idx].Hero_Slot = hero_slot;
        _UNITS[idx].Rd_Constr_Left = -1;
        if (hero_slot >= 0) _players[owner].Heroes[hero_slot].unit_idx = idx;
        return idx;
    }
    static int16_t Return_Cost(void)
    {
        return spell_data_table != nullptr ? spell_data_table[spl_Spell_Of_Return].casting_cost : 0;
    }
};

TEST_F(Diplomacy_Conquest, LosingTheFortressWithAnotherCityBanishes)
{
    int16_t fortress = Add_City(2, 5);
    int16_t other = Add_City(2, 30);
    Add_City(3, 50);
    int16_t guard = Add_Unit(2, PLAIN_TYPE, 30);

    Resolve_Wizard_Conquest(2, 1, fortress);

    EXPECT_EQ(_FORTRESSES[2].active, 0);
    EXPECT_EQ(_players[2].casting_spell_idx, spl_Spell_Of_Return);
    EXPECT_EQ(_players[2].casting_cost_remaining, Return_Cost());
    EXPECT_EQ(_players[2].casting_cost_original, Return_Cost());
    EXPECT_EQ(_players[2].mana_reserve, 150);
    EXPECT_EQ(_players[1].mana_reserve, 450);
    EXPECT_EQ(_players[1].fame, 5);
    EXPECT_LT(_players[3].Dipl_Relation[1], 0) << "a third wizard thinks worse of the conqueror";
    EXPECT_EQ(_players[1].Dipl_Relation[3], _players[3].Dipl_Relation[1]);
    EXPECT_EQ(_players[0].Dipl_Relation[1], 0) << "the human's regard is not kept";
    EXPECT_EQ(_CITIES[fortress].owner_idx, 2) << "the city changes hands after the conquest";
    EXPECT_EQ(_CITIES[other].owner_idx, 2);
    EXPECT_EQ(_UNITS[guard].owner_idx, 2);
    EXPECT_EQ(_players[2].Dipl_Contacted[1], 1);
    EXPECT_EQ(g_conquest_winner_idx, -1);
    EXPECT_EQ(m_redraws, 1);
    EXPECT_TRUE(m_question.empty());
}

TEST_F(Diplomacy_Conquest, TheLastCityOrAWizardTooWeakToReturnIsEliminated)
{
    struct Case {
        const char *what;
        int32_t skill_points;
        int16_t mana;
        bool second_city;
    } cases[] = {
        {"last city, fortress elsewhere", 1640, 300, false},
        {"casting skill 39", 1560, 300, true},
        {"no mana", 1640, 0, true},
    };
    for (const Case &c : cases) {
        SetUp();
        _players[2].spell_casting_skill = c.skill_points;
        _players[2].mana_reserve = c.mana;
        Set_Treaty_Both(2, 3, tt_Alliance);
        int16_t taken = Add_City(2, 5);
        int16_t kept = c.second_city ? Add_City(2, 30) : Add_City(3, 30);
        Add_City(3, 50);                    // wizard 3 lives on
        _CITIES[kept].enchantments[1] = 3;  // cast by wizard 2
        _CITIES[kept].enchantments[2] = 4;
        int16_t soldier = Add_Unit(2, PLAIN_TYPE, 30);
        int16_t summoned = Add_Unit(2, SUMMONED_TYPE, 30);
        int16_t hero = Add_Unit(2, 3, 30, 0);
        int16_t abroad = Add_Unit(2, PLAIN_TYPE, 44);
        _NODES[4].owner_idx = 2;
        _NODES[4].flags = 3;
        _players[2].Globals[ge_Crusade] = 3;

        Resolve_Wizard_Conquest(2, 1, taken);

        EXPECT_EQ(_CITIES[taken].owner_idx, 1) << c.what;
        EXPECT_EQ(_FORTRESSES[2].active, 0) << c.what;
        EXPECT_EQ(_players[1].gold_reserve, 300) << c.what;
        EXPECT_EQ(_CITIES[kept].enchantments[1], 0) << c.what;
        EXPECT_EQ(_CITIES[kept].enchantments[2], 4) << c.what;
        if (c.second_city) {
            EXPECT_EQ(_CITIES[kept].owner_idx, NEUTRAL_PLAYER_IDX) << c.what;
            EXPECT_EQ(_UNITS[soldier].owner_idx, NEUTRAL_PLAYER_IDX) << c.what;
        } else {
            EXPECT_EQ(_UNITS[soldier].owner_idx, -1) << c.what << ": a unit outside the loser's cities dies";
        }
        EXPECT_EQ(_UNITS[summoned].owner_idx, -1) << c.what;
        EXPECT_EQ(_UNITS[hero].owner_idx, -1) << c.what;
        EXPECT_EQ(_UNITS[abroad].owner_idx, -1) << c.what;
        EXPECT_EQ(_NODES[4].owner_idx, -1) << c.what;
        EXPECT_EQ(_NODES[4].flags, 0) << c.what;
        EXPECT_EQ(_players[2].Globals[ge_Crusade], 0) << c.what;
        for (int w = 0; w < 4; w++) {
            EXPECT_EQ(_players[w].Dipl_Treaty[2], 0) << c.what;
            EXPECT_EQ(_players[2].Dipl_Treaty[w], 0) << c.what;
            EXPECT_EQ(_players[w].Dipl_Contacted[2], 0) << c.what;
            EXPECT_EQ(_players[2].Dipl_Contacted[w], 0) << c.what;
        }
        EXPECT_LT(_players[3].Dipl_Relation[1], 0) << c.what;
        EXPECT_EQ(g_conquest_winner_idx, -1) << c.what << ": wizard 3 is still in the game";
    }
}

TEST_F(Diplomacy_Conquest, TheGameEndsWhenNoRivalIsLeft)
{
    _num_players = 3;
    _FORTRESSES[2].active = 0;
    int16_t last = Add_City(1, 5);
    Resolve_Wizard_Conquest(1, 0, last);
    EXPECT_EQ(g_conquest_winner_idx, 0);
    EXPECT_EQ(_CITIES[last].owner_idx, 0);
}

TEST_F(Diplomacy_Conquest, TheHumanBanishedMayResignAndLosesTheGame)
{
    for (int16_t answer : {0, 1}) {
        SetUp();
        m_answer = answer;
        _players[0].Nominal_Skill = 0;  // counts as 1
        int16_t fortress = Add_City(0, 5);
        int16_t other = Add_City(0, 30);
        Add_City(3, 50);
        Resolve_Wizard_Conquest(0, 2, fortress);

        std::string turns = std::to_string(static_cast<uint16_t>(Return_Cost()));
        EXPECT_EQ(m_question,
                  "There are at least " + turns + " turns remaining until you may return. Do you wish to resign?");
        if (answer == 0) {
            EXPECT_EQ(g_conquest_winner_idx, -1);
            EXPECT_EQ(_CITIES[other].owner_idx, 0);
        } else {
            EXPECT_EQ(g_conquest_winner_idx, 2);
            EXPECT_EQ(_CITIES[fortress].owner_idx, 2);
            EXPECT_EQ(_CITIES[other].owner_idx, 0) << "the human's cities are not handed to the neutral player";
        }
    }

    // Falling with the last city ends the game at once, with no question.
    SetUp();
    int16_t last = Add_City(0, 5);
    Resolve_Wizard_Conquest(0, 3, last);
    EXPECT_TRUE(m_question.empty());
    EXPECT_EQ(g_conquest_winner_idx, 3);
}

// While the computer plays every wizard (the soak), the human's wizard falls as a computer wizard
// does: no question, its other cities go to the neutral player and the game goes on.
TEST_F(Diplomacy_Conquest, TheComputerPlayedHumanFallsAsAComputerWizard)
{
    AI_Services services = {};
    services.computer_plays_human = [] { return (int16_t)1; };
    AI_Set_Services(services);
    int16_t last = Add_City(0, 5);
    Add_City(3, 50);
    Resolve_Wizard_Conquest(0, 3, last);
    EXPECT_EQ(g_conquest_winner_idx, -1);
    EXPECT_EQ(_CITIES[last].owner_idx, 3);
    EXPECT_EQ(_FORTRESSES[0].active, 0);

    SetUp();
    int16_t fortress = Add_City(0, 5);
    int16_t other = Add_City(0, 30);
    Add_City(3, 50);
    Resolve_Wizard_Conquest(0, 2, fortress);
    EXPECT_TRUE(m_question.empty());
    EXPECT_EQ(g_conquest_winner_idx, -1);
    EXPECT_EQ(_FORTRESSES[0].active, 0);
    EXPECT_EQ(_players[0].casting_spell_idx, spl_Spell_Of_Return);
    EXPECT_EQ(_CITIES[other].owner_idx, 0) << "banished, not eliminated: the wizard keeps its other city";
    AI_Set_Services({});
}

TEST_F(Diplomacy_Conquest, AMasteryWinnerOrAStrayIndexChangesNothing)
{
    int16_t fortress = Add_City(2, 5);
    magic_master_idx = 1;
    Resolve_Wizard_Conquest(2, 1, fortress);
    EXPECT_EQ(_FORTRESSES[2].active, 1);
    EXPECT_EQ(_CITIES[fortress].owner_idx, 2);

    magic_master_idx = -1;
    Resolve_Wizard_Conquest(NEUTRAL_PLAYER_IDX, 1, fortress);
    Resolve_Wizard_Conquest(9, 1, fortress);
    Resolve_Wizard_Conquest(2, -4, fortress);
    EXPECT_EQ(_FORTRESSES[2].active, 1);
    EXPECT_EQ(_CITIES[fortress].owner_idx, 2);
    EXPECT_EQ(g_conquest_winner_idx, -1);
}

}  // namespace
