// The players' first values of a new game: casting skill, shares, characters, relations, gold.
#include <cstring>
#include <set>

#include "World_Fixture.h"
#include "newgame/New_Game_Resets.h"
#include "newgame/Player_Setup.h"
#include "random.h"
#include "turn/Report_Queues.h"
#include "world/Events_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Wizard_Presets.h"

namespace {

// Books in realm order: Nature, Sorcery, Chaos, Life, Death.
struct Books {
    int16_t n, s, c, l, d;
};

void Give_Books(int p, Books b)
{
    int16_t *books = _players[p].spellranks;
    books[sbr_Nature] = b.n;
    books[sbr_Sorcery] = b.s;
    books[sbr_Chaos] = b.c;
    books[sbr_Life] = b.l;
    books[sbr_Death] = b.d;
}

constexpr int16_t MASTERY_COST = 12000;

}  // namespace

class NewGame_Players : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        spell_data_table[spl_Spell_Of_Mastery].research_cost = MASTERY_COST;
    }

    // A game of n wizards, each with books, a fortress and a home city of its own.
    void Make_Game(int wizards, int16_t difficulty)
    {
        _num_players = (int16_t)wizards;
        _difficulty = difficulty;
        const Books sets[5] = {{0, 10, 0, 0, 0}, {5, 0, 0, 5, 0}, {0, 0, 10, 0, 0}, {0, 0, 0, 0, 9}, {4, 0, 0, 0, 5}};
        for (int p = 0; p < wizards; p++) {
            Give_Books(p, sets[p]);
            _FORTRESSES[p] = {(uint8_t)(10 + p), (uint8_t)(5 + p), (uint8_t)(p % 2), 1};
            _CITIES[p].race = (uint8_t)(3 + p);
        }
        _cities = (int16_t)wizards;
    }
};

TEST_F(NewGame_Players, StartingRelationsFromBooks)
{
    struct Case {
        Books a, b;
        int expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, 30},     // two Life wizards: 2 x 10 + 2 x 5
        {{0, 0, 0, 5, 0}, {0, 0, 0, 0, 5}, -50},    // Life meets Death: -5 x (5 + 5)
        {{0, 0, 0, 11, 0}, {0, 0, 0, 0, 11}, -90},  // floor
        {{0, 0, 10, 0, 0}, {0, 0, 10, 0, 0}, 0},    // -2 x 10 + 2 x 10
        {{5, 0, 0, 0, 0}, {0, 0, 0, 0, 5}, -15},    // Death alone: -3 x 5
        {{5, 6, 0, 0, 0}, {4, 5, 0, 0, 0}, 18},     // 2 x 5 + 2 x 4
        {{0, 0, 4, 4, 0}, {0, 0, 2, 0, 6}, -54},    // -5 x 10 - 2 x 4 + 2 x 2
        {{0, 0, 0, 11, 0}, {0, 0, 0, 11, 0}, 66},   // no upper bound short of the byte
    };
    for (const Case &c : cases) {
        Give_Books(0, c.a);
        Give_Books(1, c.b);
        EXPECT_EQ(Starting_Relation(0, 1), c.expected) << c.expected;
        EXPECT_EQ(Starting_Relation(1, 0), c.expected) << c.expected;
    }
}

TEST_F(NewGame_Players, RelationsWrittenBothWaysWithPeaceCountdowns)
{
    Make_Game(4, 2);
    Give_Books(0, {0, 0, 0, 5, 0});
    Give_Books(1, {0, 0, 0, 5, 0});
    grand_vizier = 1;
    Init_CP_Strategy();
    Init_Diplomatic_Relations();
    EXPECT_EQ(grand_vizier, 0);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ((uint8_t)_players[i].peace_duration[i], 255) << i;
        for (int j = 0; j < 4; j++) {
            if (i == j) continue;
            int expected = Starting_Relation((int16_t)i, (int16_t)j);
            EXPECT_EQ(_players[i].Dipl_Relation[j], expected) << i << " " << j;
            EXPECT_EQ(_players[i].Dipl_Default_Relation[j], expected) << i << " " << j;
            EXPECT_EQ(_players[i].peace_duration[j], 0) << i << " " << j;
        }
    }
    EXPECT_EQ(_players[0].Dipl_Relation[1], 30);
    EXPECT_EQ(_players[1].Dipl_Default_Relation[0], 30);
    EXPECT_EQ(_players[0].Dipl_Relation[4], 0);  // no fifth wizard in this game
}

TEST_F(NewGame_Players, CastingSkillFromBooks)
{
    struct Case {
        Books books;
        bool archmage;
        int16_t skill;
        int32_t points;
    };
    const Case cases[] = {
        {{0, 5, 0, 5, 0}, true, 30, 381},  // 2 x (10 + 5): 20 from the points, 10 from the retort
        {{0, 5, 0, 5, 0}, false, 20, 381},  {{0, 0, 0, 0, 1}, false, 2, 3}, {{0, 0, 0, 0, 0}, false, 0, 0},
        {{0, 0, 0, 0, 0}, true, 11, 1},  // the first point already passes the target of 10
        {{11, 1, 0, 0, 0}, false, 24, 553},
    };
    _num_players = 2;
    for (const Case &c : cases) {
        Give_Books(1, c.books);
        _players[1].retorts[rtr_Archmage] = c.archmage ? 1 : 0;
        _players[1].Nominal_Skill = 99;
        _players[1].spell_casting_skill = 12345;
        Init_Players();
        EXPECT_EQ(_players[1].Nominal_Skill, c.skill) << c.skill;
        EXPECT_EQ((int)_players[1].spell_casting_skill, c.points) << c.skill;
    }
}

TEST_F(NewGame_Players, PlayerFieldsStartClean)
{
    Make_Game(3, 1);
    for (int p = 0; p < NUM_PLAYERS; p++) {
        Player_Record &w = _players[p];
        memset(w.Globals, 1, sizeof(w.Globals));
        w.mana_reserve = 40;
        w.research_cost_remaining = 7;
        w.researching_spell_idx = 9;
        w.casting_spell_idx = 11;
        w.casting_cost_remaining = 12;
        w.volcanoes = 3;
        for (Hero_Slot_Record &slot : w.Heroes) slot.unit_idx = 4;
        for (int16_t &item : w.Vault_Items) item = 2;
    }
    _players[2].retorts[rtr_Famous] = 1;
    Init_Players();
    for (int p = 0; p < 3; p++) {
        const Player_Record &w = _players[p];
        EXPECT_EQ(w.fame, p == 2 ? 10 : 0);
        EXPECT_EQ(w.research_ratio, 34);
        EXPECT_EQ(w.mana_ratio, 33);
        EXPECT_EQ(w.skill_ratio, 33);
        EXPECT_EQ(w.tax_rate, 2);
        EXPECT_EQ(w.spells_list[spl_Spell_Of_Mastery - 1], SS_RESEARCH_LIST);
        EXPECT_EQ(w.mana_reserve, 0);
        EXPECT_EQ(w.research_cost_remaining, 0);
        EXPECT_EQ(w.researching_spell_idx, 0);
        EXPECT_EQ(w.casting_spell_idx, 0);
        EXPECT_EQ(w.casting_cost_remaining, 0);
        EXPECT_EQ(w.volcanoes, 0);
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) EXPECT_EQ(w.Globals[k], 0) << p << " " << k;
        for (const Hero_Slot_Record &slot : w.Heroes) EXPECT_EQ(slot.unit_idx, -1);
        for (int16_t item : w.Vault_Items) EXPECT_EQ(item, -1);
    }
    // Records of players outside the game are left alone.
    EXPECT_EQ(_players[3].mana_reserve, 40);
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].Globals[0], 1);
}

TEST_F(NewGame_Players, PrimaryAndSecondaryRealms)
{
    struct Case {
        Books books;
        int primary, secondary;
    };
    const Case cases[] = {
        {{5, 0, 0, 5, 0}, sbr_Nature, sbr_Nature},  // a tie keeps the first; Nature primary keeps Nature
        {{5, 6, 0, 0, 0}, sbr_Sorcery, sbr_Nature}, {{0, 0, 0, 0, 9}, sbr_Death, sbr_Death},  // one realm only
        {{0, 0, 4, 4, 0}, sbr_Chaos, sbr_Life},     {{0, 5, 0, 0, 5}, sbr_Sorcery, sbr_Death},
        {{2, 3, 6, 0, 4}, sbr_Chaos, sbr_Death},    {{0, 0, 0, 0, 0}, sbr_Nature, sbr_Nature},
    };
    _num_players = 2;
    for (const Case &c : cases) {
        Give_Books(0, c.books);
        Init_Magic_Personalities_Objectives();
        EXPECT_EQ(_players[0].Prim_Realm, c.primary) << c.primary << c.secondary;
        EXPECT_EQ(_players[0].Sec_Realm, c.secondary) << c.primary << c.secondary;
    }
}

TEST_F(NewGame_Players, ComputerWizardsKnowTheirRealmsSpell)
{
    struct Case {
        Books books;
        int16_t difficulty;
        int known, opened;
    };
    const Case cases[] = {
        {{10, 0, 0, 0, 0}, 2, 9, 0},    {{10, 0, 0, 0, 0}, 3, 9, 20},    {{0, 10, 0, 0, 0}, 4, 49, 60},
        {{0, 0, 10, 0, 0}, 3, 84, 100}, {{0, 0, 0, 10, 0}, 4, 129, 136}, {{0, 0, 0, 0, 10}, 1, 166, 0},
    };
    _num_players = 2;
    for (const Case &c : cases) {
        memset(_players[1].spells_list, 0, NUM_SPELLS_STATUS);
        memset(_players[0].spells_list, 0, NUM_SPELLS_STATUS);
        Give_Books(0, c.books);
        Give_Books(1, c.books);
        _difficulty = c.difficulty;
        Init_Magic_Personalities_Objectives();
        EXPECT_EQ(_players[1].spells_list[c.known - 1], SS_KNOWN) << c.known;
        EXPECT_EQ(_players[0].spells_list[c.known - 1], SS_NOT_OBTAINABLE) << "the human is not given it";
        int count = 0;
        for (int s = 0; s < NUM_SPELLS_STATUS; s++) count += _players[1].spells_list[s] != 0;
        EXPECT_EQ(count, c.opened != 0 ? 2 : 1) << c.known;
        if (c.opened != 0) {
            EXPECT_EQ(_players[1].spells_list[c.opened - 1], SS_RESEARCHABLE);
        }
    }
    // A spell already known stays known.
    memset(_players[1].spells_list, 0, NUM_SPELLS_STATUS);
    Give_Books(1, {0, 0, 10, 0, 0});
    _players[1].spells_list[100 - 1] = SS_KNOWN;
    _difficulty = 4;
    Init_Magic_Personalities_Objectives();
    EXPECT_EQ(_players[1].spells_list[100 - 1], SS_KNOWN);
}

TEST_F(NewGame_Players, PersonalityAndObjectiveWeights)
{
    uint16_t prs[NUM_PERSONALITIES];
    uint16_t obj[NUM_OBJECTIVES];
    // Life primary with Infernal Power: the Maniacal weight goes back to 0.
    _players[1].Prim_Realm = sbr_Life;
    _players[1].retorts[rtr_Infernal_Power] = 1;
    _players[1].retorts[rtr_Warlord] = 1;
    Personality_Weights(1, prs);
    const uint16_t life_warlord[NUM_PERSONALITIES] = {0, 3, 5, 0, 2, 5};
    for (int i = 0; i < NUM_PERSONALITIES; i++) EXPECT_EQ(prs[i], life_warlord[i]) << i;
    Objective_Weights(1, obj);
    const uint16_t life_warlord_obj[NUM_OBJECTIVES] = {0, 4, 3, 4, 4};
    for (int i = 0; i < NUM_OBJECTIVES; i++) EXPECT_EQ(obj[i], life_warlord_obj[i]) << i;
    // Death primary with Divine Power: Peaceful goes back to 0.
    memset(_players[1].retorts, 0, NUM_RETORTS);
    _players[1].Prim_Realm = sbr_Death;
    _players[1].retorts[rtr_Divine_Power] = 1;
    _players[1].retorts[rtr_Archmage] = 1;
    _players[1].retorts[rtr_Myrran] = 1;
    Personality_Weights(1, prs);
    const uint16_t death[NUM_PERSONALITIES] = {3, 3, 2, 1, 1, 0};
    for (int i = 0; i < NUM_PERSONALITIES; i++) EXPECT_EQ(prs[i], death[i]) << i;
    Objective_Weights(1, obj);
    const uint16_t death_obj[NUM_OBJECTIVES] = {0, 4, 5, 1, 8};
    for (int i = 0; i < NUM_OBJECTIVES; i++) EXPECT_EQ(obj[i], death_obj[i]) << i;
}

TEST_F(NewGame_Players, PersonalitiesAndObjectivesFollowTheirWeights)
{
    // Many draws: a choice of weight 0 never comes, and every choice of positive weight does.
    _num_players = 5;
    _difficulty = 2;
    const Books realms[4] = {{0, 0, 0, 9, 0}, {0, 0, 0, 0, 9}, {9, 0, 0, 0, 0}, {0, 0, 9, 0, 0}};
    std::set<int> seen_prs[4], seen_obj[4];
    for (int p = 1; p < 5; p++) Give_Books(p, realms[p - 1]);
    Set_Random_Seed(4321);
    for (int game = 0; game < 300; game++) {
        Init_Magic_Personalities_Objectives();
        for (int p = 1; p < 5; p++) {
            uint16_t prs[NUM_PERSONALITIES];
            uint16_t obj[NUM_OBJECTIVES];
            Personality_Weights((int16_t)p, prs);
            Objective_Weights((int16_t)p, obj);
            int personality = _players[p].Personality;
            int objective = _players[p].Objective;
            ASSERT_GE(personality, 0);
            ASSERT_LT(personality, NUM_PERSONALITIES);
            ASSERT_GE(objective, 0);
            ASSERT_LT(objective, NUM_OBJECTIVES);
            EXPECT_GT(prs[personality], 0) << p << " " << game;
            EXPECT_GT(obj[objective], 0) << p << " " << game;
            seen_prs[p - 1].insert(personality);
            seen_obj[p - 1].insert(objective);
        }
    }
    const int positive_prs[4] = {4, 5, 5, 4};  // Life, Death, Nature, Chaos rows
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ((int)seen_prs[k].size(), positive_prs[k]) << k;
        EXPECT_EQ((int)seen_obj[k].size(), 4) << k;  // Pragmatist weighs 0 in every realm
    }
}

TEST_F(NewGame_Players, SummoningCirclesAndMasteryCost)
{
    Make_Game(3, 2);
    Give_Books(1, {11, 0, 0, 0, 0});
    Give_Books(2, {0, 0, 0, 10, 1});
    Init_Summoning_Circle_And_Spell_Of_Mastery();
    for (int p = 0; p < 3; p++) {
        EXPECT_EQ(_players[p].summon_wx, 10 + p);
        EXPECT_EQ(_players[p].summon_wy, 5 + p);
        EXPECT_EQ(_players[p].summon_wp, p % 2);
    }
    EXPECT_EQ(_players[0].som_research_cost, MASTERY_COST);
    EXPECT_EQ(_players[1].som_research_cost, MASTERY_COST - 3000);
    EXPECT_EQ(_players[2].som_research_cost, MASTERY_COST);
}

TEST_F(NewGame_Players, RuntimeSetUpOfAWholeGame)
{
    const int16_t human_gold[5] = {125, 100, 75, 50, 25};
    for (int16_t difficulty = 0; difficulty <= 4; difficulty++) {
        World_Clear();
        spell_data_table[spl_Spell_Of_Mastery].research_cost = MASTERY_COST;
        Make_Game(5, difficulty);
        // Queues left over from a game played before.
        uint8_t *counters[] = {&MSG_UnitKilled_Count, &MSG_CityGrowth_Count, &MSG_CityDeath_Count,
                               &MSG_BldLost_Count,    &MSG_UEsLost_Count,    &MSG_CEsLost_Count,
                               &MSG_GEs_Lost,         &MSG_CityLost_Count,   &MSG_CityGained_Count};
        for (uint8_t *counter : counters) *counter = 3;
        msg_unit_lost_ctr = 5;
        events_table->words[ev_Last_Event_Turn] = 77;
        Set_Random_Seed(1000u + (uint32_t)difficulty);
        Init_Runtime();
        EXPECT_EQ(_players[0].gold_reserve, human_gold[difficulty]);
        EXPECT_EQ(AI_Reevaluate_Summoning_Circle_Countdown(0), 0);
        for (int p = 0; p < 5; p++) {
            EXPECT_EQ(_players[p].capital_race, 3 + p);
            EXPECT_EQ(_players[p].tax_rate, 2);
            if (p == 0) continue;
            EXPECT_EQ(_players[p].gold_reserve, 150);
            int16_t countdown = AI_Reevaluate_Summoning_Circle_Countdown(p);
            EXPECT_GE(countdown, 81);
            EXPECT_LE(countdown, 120);
            EXPECT_EQ(_players[p].Target_Wizard, -1);
            EXPECT_EQ(_players[p].Secondary_Target, -1);
        }
        EXPECT_EQ(msg_unit_lost_ctr, 0);
        for (size_t q = 0; q < sizeof counters / sizeof counters[0]; q++) EXPECT_EQ(*counters[q], 0) << "queue " << q;
        EXPECT_EQ(events_table->words[ev_Last_Event_Turn], 77) << "the events are reset before, not here";
        EXPECT_EQ((uint32_t)_HEROES2[0][0].abilities, (uint32_t)hab_Constitution);
    }
}

TEST_F(NewGame_Players, SameSeedSameGame)
{
    auto run = [this](uint32_t seed) {
        World_Clear();
        spell_data_table[spl_Spell_Of_Mastery].research_cost = MASTERY_COST;
        Make_Game(5, 4);
        Set_Random_Seed(seed);
        Init_Runtime();
        return World_Image();
    };
    std::vector<uint8_t> a = run(99);
    std::vector<uint8_t> b = run(99);
    std::vector<uint8_t> c = run(100);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == c);
}
