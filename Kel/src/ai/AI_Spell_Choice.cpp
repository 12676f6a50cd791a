#include "ai/AI_Spell_Choice.h"

#include <initializer_list>

#include "Memory_Util.h"
#include "ai/AI_Data.h"
#include "ai/AI_Spell_Selectors.h"
#include "magic/Overland_Casting.h"
#include "random.h"
#include "turn/Offers.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

int16_t AI_NodeOpportunity = 0;

namespace {

constexpr int32_t WEIGHT_MAX = 32767;
constexpr int REALM_NATURE = 0;
constexpr int REALM_CHAOS = 2;
constexpr int REALM_LIFE = 3;
constexpr int REALM_DEATH = 4;

bool Flag_Set(std::initializer_list<int> codes)
{
    for (int c : codes) {
        if (g_ai_spell_group_flags[c] != 0) return true;
    }
    return false;
}

bool Realm_Is(int16_t realm, std::initializer_list<int> realms)
{
    for (int r : realms) {
        if (realm == r) return true;
    }
    return false;
}

bool Either_Realm_Is(const Player_Record &wizard, std::initializer_list<int> realms)
{
    return Realm_Is(wizard.Prim_Realm, realms) || Realm_Is(wizard.Sec_Realm, realms);
}

int16_t Any_Wizard_Holds(std::initializer_list<int> slots)
{
    for (int16_t p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
        for (int slot : slots) {
            if (AI_Holds_Enchantment(p, slot)) return 1;
        }
    }
    return 0;
}

int32_t Saturate(int32_t weight) { return weight > WEIGHT_MAX ? WEIGHT_MAX : (weight < 0 ? 0 : weight); }

int32_t Summoning_Weight(int16_t player_idx)
{
    const Player_Record &wizard = _players[player_idx];
    int32_t weight = 100 + 10 * (6 - Player_Hero_Count(player_idx));
    if (wizard.Magic_Strategy == 3) weight += 30;

    AI_NodeOpportunity = 0;
    int16_t plane = wizard.summon_wp;
    bool has_melder = false;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx == player_idx && unit.wp == plane && (_unit_type_table[unit.type].Abilities & UA_MELD)) {
            has_melder = true;
            break;
        }
    }
    if (!has_melder) {
        for (int node = 0; node < NUM_NODES; node++) {
            if (_NODES[node].wp == plane && _NODES[node].owner_idx != player_idx) {
                AI_NodeOpportunity = 1;
                weight += 30;
                break;
            }
        }
    }
    if (wizard.retorts[rtr_Conjurer] != 0 || wizard.retorts[rtr_Channeler] != 0) {
        weight = weight * 3 / 2;
    }
    if (Player_Summon_City_Is_Fortress_City(player_idx) == 0) {
        weight *= 5;
    }
    return weight;
}

int32_t Disenchant_Weight(int16_t player_idx)
{
    if (!AI_Knows_Spell(player_idx, 204) && !AI_Knows_Spell(player_idx, 52)) {
        return 0;
    }
    int32_t weight = 0;
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.owner_idx == player_idx) {
            for (int entry : {ce_Chaos_Rift, ce_Evil_Presence, ce_Cursed_Lands, ce_Pestilence, ce_Famine}) {
                if (city.enchantments[entry] != 0) weight += 40;
            }
        }
        if (city.owner_idx == HUMAN_PLAYER_IDX && city.enchantments[ce_Flying_Fortress] != 0) weight += 300;
    }
    for (int node = 0; node < NUM_NODES; node++) {
        if (_NODES[node].owner_idx == player_idx && (_NODES[node].flags & 1) != 0) weight += 100;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    if (fortress.wp <= 1 && fortress.wx < WORLD_WIDTH && fortress.wy < WORLD_HEIGHT) {
        uint8_t landmass = _landmasses[World_Square_Index(fortress.wx, fortress.wy, fortress.wp)];
        for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
            const Unit_Record &unit = _UNITS[unit_idx];
            if (unit.owner_idx == HUMAN_PLAYER_IDX && unit.enchantments != 0 && unit.wp <= 1 && unit.wx < WORLD_WIDTH &&
                unit.wy < WORLD_HEIGHT && _landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)] == landmass) {
                weight += 5;
            }
        }
    }
    return weight;
}

int32_t Disjunction_Weight(int16_t player_idx)
{
    if (!AI_Knows_Spell(player_idx, 210) && !AI_Knows_Spell(player_idx, 61)) {
        return 0;
    }
    const Player_Record &caster = _players[player_idx];
    int32_t weight = 0;
    for (int16_t q = 0; q < _num_players && q < NUM_PLAYERS; q++) {
        if (q == player_idx) continue;
        const Player_Record &rival = _players[q];
        auto holds = [q](int slot) { return AI_Holds_Enchantment(q, slot); };
        if (holds(0) && caster.Prim_Realm != REALM_DEATH) weight += 100;
        if (holds(1)) {
            if (Realm_Is(rival.Prim_Realm, {REALM_LIFE, REALM_NATURE})) weight += 300;
            if (Realm_Is(rival.Sec_Realm, {REALM_LIFE, REALM_NATURE})) weight += 150;
        }
        if (holds(2)) weight += 100;
        if (holds(3)) weight += 50;
        if (holds(4)) weight += 25;
        if (holds(5)) weight += 2000;
        if (holds(8)) {
            if (Realm_Is(rival.Prim_Realm, {REALM_DEATH, REALM_CHAOS})) weight += 400;
            if (Realm_Is(rival.Sec_Realm, {REALM_DEATH, REALM_CHAOS})) weight += 200;
        }
        if (holds(9)) weight += 50;
        if (holds(10) && !Either_Realm_Is(rival, {REALM_CHAOS})) weight += 100;
        if (holds(11)) weight += 200;
        if (holds(12)) weight += 50;
        if (holds(13)) weight += 100;
        if (holds(14)) weight += 200;
        if (holds(15)) {
            if (rival.Prim_Realm == REALM_CHAOS) weight += 500;
            if (rival.Sec_Realm == REALM_CHAOS) weight += 250;
        }
        if (holds(16)) {
            if (rival.Prim_Realm == REALM_DEATH) weight += 500;
            if (rival.Sec_Realm == REALM_DEATH) weight += 250;
        }
        if (holds(17)) weight += 100;
        if (holds(18)) weight += 10;
        if (holds(19)) weight += 100;
        if (holds(20)) {
            if (q == HUMAN_PLAYER_IDX || RANDOM(5) == 1) weight += 200;
            weight += 25;
        }
        if (holds(21)) weight += 200;
    }
    return weight;
}

// The spell-target opponent and its weight, or -1 and 0.
int16_t Choose_Spell_Target_Opponent(int16_t player_idx, int32_t *chosen_weight)
{
    *chosen_weight = 0;
    int16_t count = _cp_hostile_opponent_count;
    if (count < 1) {
        return -1;
    }
    if (count > 6) count = 6;
    const Player_Record &caster = _players[player_idx];
    uint16_t weights[6] = {};
    for (int k = 0; k < count; k++) {
        int16_t o = _cp_hostile_opponents[k];
        if (o < 0 || o >= NUM_PLAYERS) continue;
        int32_t weight = 100 - caster.Dipl_Relation[o] - 2 * caster.Dipl_Goodwill[o];
        if (weight < 0) weight = 0;
        if (caster.Dipl_Treaty[o] >= 3) weight += 50;
        if (o == HUMAN_PLAYER_IDX) weight *= _difficulty + 1;
        weights[k] = (uint16_t)Saturate(weight);
    }
    int16_t target = Get_Weighted_Choice(weights, count);
    // The draw halves the weights in place; the attack weight reads them as the draw left them.
    *chosen_weight = weights[target];
    return target;
}

struct Global_Row {
    int16_t spell;
    int16_t slot;  // -1: no slot to test
    int16_t group;
    int16_t human_realms;  // bit r: the human's primary or secondary realm must be r; 0: no test
};

constexpr int16_t REALM_BITS_DEATH_CHAOS = (1 << REALM_DEATH) | (1 << REALM_CHAOS);
constexpr int16_t REALM_BITS_LIFE_NATURE = (1 << REALM_LIFE) | (1 << REALM_NATURE);

const Global_Row GLOBAL_ROWS[] = {
    {38, 9, asg_Global, 0},
    {40, 8, asg_Suppression, REALM_BITS_DEATH_CHAOS},
    {57, 4, asg_Global, 0},
    {209, 23, asg_Global, 0},
    {59, 3, asg_Global, 0},
    {79, 5, asg_Suppression, 0},
    {76, -1, asg_Global, 0},
    {114, 12, asg_Global, 0},
    {116, 10, asg_Global, 0},
    {117, 11, asg_Global, 0},
    {113, 13, asg_Global, 0},
    {120, 14, asg_Global, 0},
    {127, 18, asg_Global, 0},
    {154, 19, asg_Global, 0},
    {160, 21, asg_Global, 0},
    {158, 17, asg_Global, 0},
    {75, -1, asg_Global, 0},
    {199, -1, asg_Global, 0},
    {156, 16, asg_Suppression, 1 << REALM_DEATH},
    {157, 15, asg_Suppression, 1 << REALM_CHAOS},
    {197, 0, asg_Global, 0},
    {198, 1, asg_Suppression, REALM_BITS_LIFE_NATURE},
    {188, 2, asg_Global, 0},
};

bool Human_Realm_In(int16_t realm_bits)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    auto in = [realm_bits](int16_t realm) { return realm >= 0 && realm < 16 && (realm_bits & (1 << realm)) != 0; };
    return in(human.Prim_Realm) || in(human.Sec_Realm);
}

}  // namespace

int16_t Player_Summon_City_Is_Fortress_City(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    const Player_Record &wizard = _players[player_idx];
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    int fortress_city = -1;
    int summon_city = -1;
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.wx == fortress.wx && city.wy == fortress.wy && city.wp == fortress.wp) fortress_city = city_idx;
        if (city.wx == wizard.summon_wx && city.wy == wizard.summon_wy && city.wp == wizard.summon_wp) {
            summon_city = city_idx;
        }
    }
    return (fortress_city >= 0 && fortress_city == summon_city) ? 1 : 0;
}

int16_t AI_Has_More_Dudaze_Cities(int16_t player_idx)
{
    int human = 0;
    int own = 0;
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.wp != 1) continue;
        if (city.owner_idx == HUMAN_PLAYER_IDX) human++;
        if (city.owner_idx == player_idx) own++;
    }
    return own > human ? 1 : 0;
}

int16_t SPL_IsLifeSupressed(void) { return Any_Wizard_Holds({ge_Evil_Omens}); }
int16_t CRP_SPL_IsNatSuppressed(void) { return Any_Wizard_Holds({ge_Evil_Omens}); }
int16_t SPL_IsDthSuppressed(void) { return Any_Wizard_Holds({ge_Life_Force, ge_Natures_Wrath}); }
int16_t SPL_IsChsSuppressed(void) { return Any_Wizard_Holds({ge_Natures_Wrath}); }

int16_t AI_Has_Targetable_City(int16_t player_idx)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        if (Test_Bit_Field(player_idx, (const uint8_t *)&_CITIES[city_idx].contacts) != 0) return 1;
    }
    return 0;
}

void AI_Compute_Spells_Info(int16_t player_idx)
{
    static const int EXCLUDED[] = {0, 1, 5, 12, 16, 17, 19, 20, 24, 31, 35, 36, 43, 47, 55, 59, 60, 70, 77, 81, 82};
    for (int c = 0; c < AI_SPELL_GROUP_CODES; c++) g_ai_spell_group_flags[c] = 0;
    if (spell_data_table == nullptr) {
        return;
    }
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
        if (!AI_Knows_Spell(player_idx, spell)) continue;
        int code = spell_data_table[spell].AI_Group;
        bool excluded = code >= AI_SPELL_GROUP_CODES;
        for (int e : EXCLUDED) excluded = excluded || code == e;
        if (!excluded) g_ai_spell_group_flags[code] = 1;
    }
}

void AI_Spell_Group_Weights(int16_t player_idx, int32_t *weights)
{
    for (int g = 0; g < AI_SPELL_GROUPS; g++) weights[g] = 0;
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    Player_Record &wizard = _players[player_idx];
    weights[asg_Summon] = Summoning_Weight(player_idx);
    weights[asg_Disenchant] = Disenchant_Weight(player_idx);
    weights[asg_Disjunction] = Disjunction_Weight(player_idx);
    if (AI_Knows_Spell(player_idx, spl_Spell_Of_Mastery)) weights[asg_Spell_Of_Mastery] = 500;

    int32_t opponent_weight = 0;
    wizard.Target_Wizard = Choose_Spell_Target_Opponent(player_idx, &opponent_weight);
    if (wizard.Target_Wizard != -1 && Flag_Set({9, 14, 28, 33, 38, 39, 41, 52, 57, 74, 79, 84, 86})) {
        int16_t personality = (wizard.Personality >= 0 && wizard.Personality < 6) ? wizard.Personality : 0;
        int32_t weight = (opponent_weight + TBL_AI_PRS_War_Mod[personality]) / 4;
        weights[asg_Attack] = weight < 0 ? 0 : weight;
    }

    if (Flag_Set({8, 27})) {
        weights[asg_City_Enchantment] = _players[HUMAN_PLAYER_IDX].Dipl_Contacted[player_idx] == 1 ? 50 : 5;
    }
    if (Flag_Set({37, 51, 66, 73})) weights[asg_City_Enchantment] = 150;

    if (Flag_Set({6, 25, 48, 71})) {
        weights[asg_Unit_Enchantment] = _turn < 50 ? 0 : (_turn < 200 ? 100 : 200);
    }
    if (Flag_Set({7, 10, 18, 26, 29, 50, 53, 72, 75})) {
        weights[asg_Unit_Enchantment] += (_turn >= 21 && _turn <= 199) ? (250 - _turn) / 2 : 25;
    }

    for (const Global_Row &row : GLOBAL_ROWS) {
        if (!AI_Knows_Spell(player_idx, row.spell)) continue;
        if (row.slot >= 0 && AI_Holds_Enchantment(player_idx, row.slot)) continue;
        if (row.human_realms != 0 && !Human_Realm_In(row.human_realms)) continue;
        weights[row.group] += row.spell == 209 ? 500 : (row.spell == 57 ? 75 : 100);
    }
    if (weights[asg_Global] > 400) weights[asg_Global] = 300;
    if (AI_Knows_Spell(player_idx, 135) && !AI_Holds_Enchantment(player_idx, ge_Planar_Seal) &&
        AI_Has_More_Dudaze_Cities(player_idx) == 1) {
        weights[asg_Global] += 50;
    }
    if (wizard.mana_reserve < 200) {
        weights[asg_Suppression] = 0;
        weights[asg_Global] = 0;
    }

    bool owns_city = false;
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        if (_CITIES[city_idx].owner_idx == player_idx) owns_city = true;
    }
    if (AI_Knows_Spell(player_idx, 203) && AI_Reevaluate_Summoning_Circle_Countdown(player_idx) < 0 && owns_city) {
        weights[asg_Summoning_Circle] = 100;
    }
    weights[asg_None] = 1;
    for (int g = 0; g < AI_SPELL_GROUPS; g++) weights[g] = Saturate(weights[g]);
}

int16_t AI_Select_Spell_Group(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return asg_None;
    }
    int32_t weights[AI_SPELL_GROUPS] = {};
    AI_Spell_Group_Weights(player_idx, weights);
    uint16_t draw[AI_SPELL_GROUPS] = {};
    for (int g = 0; g < AI_SPELL_GROUPS; g++) draw[g] = (uint16_t)weights[g];
    int16_t group = Get_Weighted_Choice(draw, AI_SPELL_GROUPS);
    _players[player_idx].Spell_Group_Target = group;
    return group;
}

int16_t AI_Spell_Select(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    AI_Compute_Spells_Info(player_idx);
    int16_t spell = 0;
    switch (AI_Select_Spell_Group(player_idx)) {
    case asg_Summon: spell = AI_Select_Spell_Group_Summon(player_idx); break;
    case asg_Unit_Enchantment: spell = AI_Select_Spell_Group_Unit_Enchantment(player_idx); break;
    case asg_City_Enchantment: spell = AI_Select_Spell_Group_City_Enchantment(player_idx); break;
    case asg_Disenchant: spell = AI_Select_Spell_Group_Disenchant(player_idx); break;
    case asg_Disjunction: spell = AI_Select_Spell_Group_Disjunction(player_idx); break;
    case asg_Summoning_Circle: spell = 203; break;
    case asg_Attack: spell = AI_Select_Spell_Group_Attack(player_idx); break;
    case asg_Suppression: spell = AI_Select_Spell_Group_Suppression(player_idx); break;
    case asg_Global: spell = AI_Select_Spell_Group_Global(player_idx); break;
    case asg_Spell_Of_Mastery: spell = spl_Spell_Of_Mastery; break;
    default: spell = 0; break;
    }
    int16_t gold_income = 0;
    int16_t food_income = 0;
    int16_t mana_income = 0;
    Player_Resource_Income_Total(player_idx, &gold_income, &food_income, &mana_income);
    if (spell > 0 && spell < NUM_SPELLS && spell_data_table != nullptr &&
        _players[player_idx].mana_reserve / 10 + mana_income < spell_data_table[spell].casting_cost / 50) {
        spell = 0;
    }
    return Cast_Spell_Overland_Do(player_idx, spell, 0);
}
