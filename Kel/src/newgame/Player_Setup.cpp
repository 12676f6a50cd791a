#include "newgame/Player_Setup.h"

#include <cstring>

#include "newgame/New_Game_Resets.h"
#include "random.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Wizard_Presets.h"
#include "worldgen/Computer_Wizards.h"
#include "worldgen/World_Generation.h"

const char *const _personality_type_names[NUM_PERSONALITIES] = {
    "Maniacal", "Ruthless", "Aggressive", "Chaotic", "Lawful", "Peaceful",
};
const char *const _objective_type_names[NUM_OBJECTIVES] = {
    "Pragmatist", "Militarist", "Theurgist", "Perfectionist", "Expansionist",
};

namespace {

// clang-format off
// Per primary realm (Nature, Sorcery, Chaos, Life, Death).
const uint16_t TBL_AI_Realm_PRS[NUM_REALMS][NUM_PERSONALITIES] = {
    {0, 1, 1, 1, 5, 2},
    {1, 2, 3, 1, 2, 1},
    {1, 2, 2, 5, 0, 0},
    {0, 1, 2, 0, 2, 5},
    {3, 3, 2, 1, 1, 0},
};
const uint16_t TBL_AI_Realm_OBJ[NUM_REALMS][NUM_OBJECTIVES] = {
    {0, 2, 2, 4, 2},
    {0, 1, 4, 2, 3},
    {0, 3, 2, 2, 3},
    {0, 2, 3, 4, 1},
    {0, 4, 1, 1, 4},
};

struct Retort_Leaning {
    int retort;
    int personality;  // -1: none
    uint16_t personality_add;
    int objective;  // -1: none
    uint16_t objective_add;
};
// A retort with two leanings of one kind takes two rows.
const Retort_Leaning RETORT_LEANINGS[] = {
    {rtr_Warlord,        pt_Ruthless,   2, obj_Militarist,    2},
    {rtr_Warlord,        pt_Aggressive, 3, obj_Expansionist,  3},
    {rtr_Chaos_Mastery,  pt_Chaotic,    3, obj_Theurgist,     1},
    {rtr_Nature_Mastery, pt_Lawful,     3, obj_Theurgist,     1},
    {rtr_Infernal_Power, pt_Maniacal,   4, -1,                0},
    {rtr_Divine_Power,   pt_Peaceful,   4, -1,                0},
    {rtr_Channeler,      pt_Aggressive, 2, -1,                0},
    {rtr_Alchemy,        -1,             0, obj_Perfectionist, 2},
    {rtr_Archmage,       -1,             0, obj_Theurgist,     4},
    {rtr_Myrran,         -1,             0, obj_Expansionist,  4},
    {rtr_Conjurer,       -1,             0, obj_Militarist,    3},
};

// Per primary realm: the spell a computer wizard knows from the start, and the one opened for
// research at Hard and Impossible.
const int16_t PRIMARY_REALM_SPELLS[NUM_REALMS][2] = {
    {9, 20}, {49, 60}, {84, 100}, {129, 136}, {166, 180},
};
// clang-format on

constexpr int16_t DIFFICULTY_HARD = 3;
constexpr int16_t START_TAX_RATE = 2;
constexpr int16_t FAMOUS_START_FAME = 10;
constexpr int16_t ARCHMAGE_SKILL_BOOKS = 5;
constexpr uint8_t SKILL_SHARE_START = 33;
constexpr uint8_t MANA_SHARE_START = 33;
constexpr uint8_t RESEARCH_SHARE_START = 34;
constexpr int8_t PEACE_COUNTDOWN_NONE = -1;  // 255 as the byte holds it

// The wizards of this game: players 0 to _num_players - 1, never the neutral record.
int Wizard_Count(void)
{
    if (_num_players < 0) return 0;
    return _num_players > NEUTRAL_PLAYER_IDX ? NEUTRAL_PLAYER_IDX : _num_players;
}

int Realm_Of(int16_t value) { return (value >= 0 && value < NUM_REALMS) ? value : (int)sbr_Nature; }

int16_t Smaller(int16_t a, int16_t b) { return a < b ? a : b; }
int16_t Larger(int16_t a, int16_t b) { return a > b ? a : b; }

// r from 1 to the sum of the weights; the first index at which the running subtraction is no
// longer positive. All weights 0 gives index 0.
int16_t Draw_By_Weights(const uint16_t *weights, int count)
{
    int32_t total = 0;
    for (int i = 0; i < count; i++) total += weights[i];
    if (total <= 0) return 0;
    int32_t r = RANDOM((int16_t)(total > 32767 ? 32767 : total));
    for (int i = 0; i < count; i++) {
        r -= weights[i];
        if (r <= 0) return (int16_t)i;
    }
    return (int16_t)(count - 1);
}

void Set_Primary_And_Secondary_Realm(Player_Record &wizard)
{
    int primary = 0;
    for (int realm = 1; realm < NUM_REALMS; realm++) {
        if (wizard.spellranks[realm] > wizard.spellranks[primary]) primary = realm;
    }
    int secondary = sbr_Nature;
    int16_t secondary_books = wizard.spellranks[sbr_Nature];
    for (int realm = 1; realm < NUM_REALMS; realm++) {
        if (realm != primary && wizard.spellranks[realm] > secondary_books) {
            secondary = realm;
            secondary_books = wizard.spellranks[realm];
        }
    }
    if (secondary_books == 0) secondary = primary;
    wizard.Prim_Realm = (int16_t)primary;
    wizard.Sec_Realm = (int16_t)secondary;
}

}  // namespace

void Personality_Weights(int16_t player_idx, uint16_t weights[NUM_PERSONALITIES])
{
    memset(weights, 0, sizeof(uint16_t) * NUM_PERSONALITIES);
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    const Player_Record &wizard = _players[player_idx];
    int realm = Realm_Of(wizard.Prim_Realm);
    for (int i = 0; i < NUM_PERSONALITIES; i++) weights[i] = TBL_AI_Realm_PRS[realm][i];
    for (const Retort_Leaning &leaning : RETORT_LEANINGS) {
        if (wizard.retorts[leaning.retort] != 0 && leaning.personality >= 0) {
            weights[leaning.personality] += leaning.personality_add;
        }
    }
    if (realm == sbr_Life) weights[pt_Maniacal] = 0;
    if (realm == sbr_Death) weights[pt_Peaceful] = 0;
}

void Objective_Weights(int16_t player_idx, uint16_t weights[NUM_OBJECTIVES])
{
    memset(weights, 0, sizeof(uint16_t) * NUM_OBJECTIVES);
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    const Player_Record &wizard = _players[player_idx];
    int realm = Realm_Of(wizard.Prim_Realm);
    for (int i = 0; i < NUM_OBJECTIVES; i++) weights[i] = TBL_AI_Realm_OBJ[realm][i];
    for (const Retort_Leaning &leaning : RETORT_LEANINGS) {
        if (wizard.retorts[leaning.retort] != 0 && leaning.objective >= 0) {
            weights[leaning.objective] += leaning.objective_add;
        }
    }
}

int16_t Starting_Relation(int16_t player_a, int16_t player_b)
{
    if (player_a < 0 || player_a >= NUM_PLAYERS || player_b < 0 || player_b >= NUM_PLAYERS) return 0;
    const int16_t *a = _players[player_a].spellranks;
    const int16_t *b = _players[player_b].spellranks;
    int32_t death = Larger(a[sbr_Death], b[sbr_Death]);
    int32_t life = (int32_t)a[sbr_Life] + b[sbr_Life];
    int32_t chaos = Larger(a[sbr_Chaos], b[sbr_Chaos]);
    int32_t v = (life > 0 && death > 0) ? -5 * (life + death) : 2 * life - 3 * death;
    v = v - 2 * chaos + 2 * Smaller(a[sbr_Sorcery], b[sbr_Sorcery]) + 2 * Smaller(a[sbr_Chaos], b[sbr_Chaos]) +
        2 * Smaller(a[sbr_Nature], b[sbr_Nature]) + 2 * Smaller(a[sbr_Life], b[sbr_Life]);
    if (v < STARTING_RELATION_FLOOR) v = STARTING_RELATION_FLOOR;
    return (int16_t)(v > 32767 ? 32767 : v);
}

void Init_Players(void)
{
    for (int p = 0; p < Wizard_Count(); p++) {
        Player_Record &wizard = _players[p];
        wizard.fame = wizard.retorts[rtr_Famous] != 0 ? FAMOUS_START_FAME : 0;

        wizard.Nominal_Skill = 0;
        wizard.spell_casting_skill = 0;
        int32_t books = 0;
        for (int realm = 0; realm < NUM_REALMS; realm++) books += wizard.spellranks[realm];
        if (wizard.retorts[rtr_Archmage] != 0) books += ARCHMAGE_SKILL_BOOKS;
        uint16_t target = (uint16_t)(2 * books);
        while ((uint16_t)wizard.Nominal_Skill < target) {
            wizard.spell_casting_skill++;
            wizard.Nominal_Skill = Player_Base_Casting_Skill((int16_t)p);
        }

        wizard.research_cost_remaining = 0;
        wizard.mana_reserve = 0;
        wizard.researching_spell_idx = 0;
        wizard.skill_ratio = SKILL_SHARE_START;
        wizard.mana_ratio = MANA_SHARE_START;
        wizard.research_ratio = RESEARCH_SHARE_START;
        wizard.spells_list[spl_Spell_Of_Mastery - 1] = SS_RESEARCH_LIST;
        wizard.casting_spell_idx = 0;
        wizard.casting_cost_remaining = 0;
        // Every overland enchantment byte: a new game inherits none from the previous one.
        memset(wizard.Globals, 0, sizeof(wizard.Globals));
        wizard.volcanoes = 0;
        wizard.tax_rate = START_TAX_RATE;
        for (int16_t &item : wizard.Vault_Items) item = -1;
        for (Hero_Slot_Record &slot : wizard.Heroes) slot.unit_idx = -1;
    }
}

void Init_CP_Strategy(void)
{
    for (int p = 0; p < Wizard_Count(); p++) {
        Player_Record &wizard = _players[p];
        wizard.Reevaluate_Hostility_Countdown = 0;
        wizard.Reevaluate_Magic_Strategy_Countdown = 0;
        wizard.Reevaluate_Magic_Power_Countdown = 0;
        for (int other = 0; other < Wizard_Count(); other++) wizard.peace_duration[other] = PEACE_COUNTDOWN_NONE;
        wizard.Target_Wizard = -1;
        wizard.Primary_Target = -1;
        wizard.Spell_Group_Target = -1;
        wizard.Secondary_Target = -1;
    }
}

void Init_Magic_Personalities_Objectives(void)
{
    for (int p = 0; p < Wizard_Count(); p++) Set_Primary_And_Secondary_Realm(_players[p]);
    for (int p = 1; p < Wizard_Count(); p++) {
        Player_Record &wizard = _players[p];
        const int16_t *spells = PRIMARY_REALM_SPELLS[Realm_Of(wizard.Prim_Realm)];
        Player_Set_Spell_Status(p, spells[0], SS_KNOWN);
        if (_difficulty >= DIFFICULTY_HARD && Player_Spell_Status(p, spells[1]) == SS_NOT_OBTAINABLE) {
            Player_Set_Spell_Status(p, spells[1], SS_RESEARCHABLE);
        }
        uint16_t personality[NUM_PERSONALITIES];
        uint16_t objective[NUM_OBJECTIVES];
        Personality_Weights((int16_t)p, personality);
        Objective_Weights((int16_t)p, objective);
        wizard.Personality = Draw_By_Weights(personality, NUM_PERSONALITIES);
        wizard.Objective = Draw_By_Weights(objective, NUM_OBJECTIVES);
    }
}

void Init_Summoning_Circle_And_Spell_Of_Mastery(void)
{
    int32_t mastery_cost = spell_data_table != nullptr ? spell_data_table[spl_Spell_Of_Mastery].research_cost : 0;
    for (int p = 0; p < Wizard_Count(); p++) {
        Player_Record &wizard = _players[p];
        if (_FORTRESSES != nullptr) {
            wizard.summon_wx = _FORTRESSES[p].wx;
            wizard.summon_wy = _FORTRESSES[p].wy;
            wizard.summon_wp = _FORTRESSES[p].wp;
        }
        bool full_realm = false;
        for (int realm = 0; realm < NUM_REALMS; realm++) full_realm |= wizard.spellranks[realm] == REALM_BOOKS_MAX;
        int32_t cost = mastery_cost - (full_realm ? MASTERY_COST_RELIEF : 0);
        wizard.som_research_cost = (int16_t)(cost < -32768 ? -32768 : cost);
    }
}

// A new game starts with empty report queues, as every world turn does.
void Initialize_Messages(void) { Initialize_Reports(); }

void Init_Diplomatic_Relations(void)
{
    grand_vizier = 0;
    for (int i = 0; i < Wizard_Count(); i++) {
        for (int j = i + 1; j < Wizard_Count(); j++) {
            int8_t v = (int8_t)Starting_Relation((int16_t)i, (int16_t)j);
            _players[i].Dipl_Relation[j] = v;
            _players[j].Dipl_Relation[i] = v;
            _players[i].Dipl_Default_Relation[j] = v;
            _players[j].Dipl_Default_Relation[i] = v;
            _players[i].peace_duration[j] = 0;
            _players[j].peace_duration[i] = 0;
        }
    }
}

void Init_Runtime(void)
{
    Draw_Building_The_Worlds(100);
    Initialize_Items();
    Init_Heroes();
    Init_Players();
    Init_CP_Strategy();
    Init_Magic_Personalities_Objectives();
    Init_Summoning_Circle_And_Spell_Of_Mastery();
    Initialize_Messages();
    for (int p = 0; p < Wizard_Count(); p++) {
        if (_CITIES != nullptr && p < _cities) _players[p].capital_race = _CITIES[p].race;
    }
    Init_Diplomatic_Relations();
    _players[0].gold_reserve = (int16_t)((5 - _difficulty) * 25);
    for (int p = 1; p < Wizard_Count(); p++) {
        _players[p].gold_reserve = COMPUTER_WIZARD_START_GOLD;
        AI_Set_Reevaluate_Summoning_Circle_Countdown(
            p, (int16_t)(SUMMONING_CIRCLE_REVIEW_BASE + RANDOM(SUMMONING_CIRCLE_REVIEW_SPREAD)));
    }
}
