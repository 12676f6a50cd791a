#include "world/Wizard_Economy.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Ids.h"

#include <bit>
#include <cstring>

#include "STU_Wrappers.h"
#include "world/ALLOC.h"
#include "world/City_Economy.h"
#include "world/Events_Record.h"
#include "world/LOADER.h"
#include "world/Unit_Type_Record.h"

int16_t g_timestop_player_num;

namespace {

constexpr uint32_t HA_SAGE = 0x200000;
constexpr uint32_t HA_SAGE_SUPER = 0x400000;
constexpr uint32_t HA_NOBLE = 0x20000000;
constexpr int NOBLE_GOLD = 10;
constexpr int FAME_BONUS = 10;
constexpr int NUM_BOOK_REALMS = 5;

bool Player_Valid(int player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }
bool Unit_Valid(int unit_idx) { return unit_idx >= 0 && unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY; }

bool Unit_Owned_By(const Unit_Record &unit, int player_idx) { return unit.owner_idx == player_idx; }

const Unit_Type_Record &Type_Of(const Unit_Record &unit)
{
    return _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
}

bool Lasting(int word) { return events_table != nullptr && events_table->words[word] == EVENT_STATE_LASTING; }

int16_t Clamp16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }

// The hero record's ability bits of a hero unit, through the owner's heroes.
uint32_t Hero_Abilities(const Unit_Record &unit)
{
    if (!Player_Valid(unit.owner_idx) || unit.type >= NUM_HERO_TYPES || _HEROES2[unit.owner_idx] == nullptr) {
        return 0;
    }
    return _HEROES2[unit.owner_idx][unit.type].abilities;
}

}  // namespace

int16_t Unit_Gold_Upkeep(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx)) {
        return 0;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = Type_Of(unit);
    if ((type.Abilities & UA_FANTASTIC) || unit.type == ht_Incarnation_Hero || (unit.mutations & UM_UNDEAD)) {
        return 0;
    }
    if (unit.type < NUM_HERO_TYPES) {
        bool noble = unit.owner_idx == -1 ? (Stack_Garbage() & 1) != 0 : (Hero_Abilities(unit) & HA_NOBLE) != 0;
        if (noble) {
            return 0;
        }
    }
    int32_t upkeep = type.Upkeep;
    if (unit.owner_idx != 0) {
        if (_difficulty == 4) {
            upkeep /= 2;
        } else if (_difficulty == 3) {
            upkeep = upkeep * 3 / 4;
        }
    }
    return (int16_t)upkeep;
}

int16_t Unit_Mana_Upkeep(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx)) {
        return 0;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = Type_Of(unit);
    int32_t upkeep = 0;
    if (type.Abilities & UA_FANTASTIC) {
        upkeep = type.Upkeep;
        if (unit.mutations & UM_UNDEAD) {
            upkeep = upkeep * 3 / 2;
        }
    }
    if (unit.owner_idx >= 0 && unit.owner_idx < _num_players && unit.owner_idx < NUM_PLAYERS &&
        _players[unit.owner_idx].retorts[rtr_Conjurer]) {
        upkeep = (upkeep * 3 + 3) / 4;
    }
    static_assert(NUM_UNIT_ENCHANTMENTS == 32, "one enchantment a bit of the word");
    for (uint32_t bits = unit.enchantments; bits != 0; bits &= bits - 1) {
        upkeep += unit_enchantment_upkeep_table[std::countr_zero(bits)];
    }
    return (int16_t)upkeep;
}

int16_t Player_Fame(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    const Player_Record &wizard = _players[player_idx];
    return Clamp16(wizard.fame + (wizard.Globals[ge_Fame_Bonus] ? FAME_BONUS : 0));
}

int16_t Player_Armies_Gold_Upkeep(int16_t player_idx)
{
    int32_t upkeep = 0;
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (Unit_Owned_By(_UNITS[u], player_idx)) {
            upkeep += Unit_Gold_Upkeep((int16_t)u);
        }
    }
    upkeep -= Player_Fame(player_idx);
    return Clamp16(upkeep < 0 ? 0 : upkeep);
}

static bool Unit_Eats_Food(const Unit_Record &unit)
{
    return !(Type_Of(unit).Abilities & UA_FANTASTIC) && unit.type >= NUM_HERO_TYPES && !(unit.mutations & UM_UNDEAD);
}

int16_t Player_Armies_Food_Upkeep(int16_t player_idx)
{
    int count = 0;
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (Unit_Owned_By(_UNITS[u], player_idx) && Unit_Eats_Food(_UNITS[u])) {
            count++;
        }
    }
    return (int16_t)count;
}

void Players_Normal_Units(int16_t *counts)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        counts[p] = 0;
    }
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx >= 0 && unit.owner_idx <= _num_players && unit.owner_idx < NUM_PLAYERS &&
            Unit_Eats_Food(unit)) {
            counts[unit.owner_idx]++;
        }
    }
}

int16_t Player_City_Enchantments_Upkeep(int16_t city_idx, int16_t player_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return 0;
    }
    const uint8_t *enchantments = _CITIES[city_idx].enchantments;
    if (std::memchr(enchantments, player_idx + 1, NUM_CITY_ENCHANTMENTS) == nullptr) {
        return 0;
    }
    int upkeep = 0;
    for (int k = 0; k < NUM_CITY_ENCHANTMENTS; k++) {
        if (enchantments[k] == player_idx + 1) {
            upkeep += city_enchantment_upkeep_table[k];
        }
    }
    return (int16_t)upkeep;
}

int16_t Player_Overland_Enchantments_Upkeep(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int upkeep = 0;
    for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) {
        if (_players[player_idx].Globals[k]) {
            upkeep += overland_enchantment_upkeep_table[k];
        }
    }
    return (int16_t)upkeep;
}

int16_t Player_Armies_And_Enchantments_Mana_Upkeep(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int32_t upkeep = 0;
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (Unit_Owned_By(_UNITS[u], player_idx)) {
            upkeep += Unit_Mana_Upkeep((int16_t)u);
        }
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        upkeep += Player_City_Enchantments_Upkeep((int16_t)c, player_idx);
    }
    upkeep += Player_Overland_Enchantments_Upkeep(player_idx);
    if (_players[player_idx].retorts[rtr_Channeler]) {
        upkeep /= 2;
    }
    return Clamp16(upkeep);
}

void Players_Update_Magic_Power(void)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        _players[p].Power_Base = 0;
    }
    if (Lasting(ev_Mana_Short_State)) {
        return;
    }
    int32_t power[NUM_PLAYERS] = {0, 0, 0, 0, 0, 0};
    for (int n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (!Player_Valid(node.owner_idx)) {
            continue;
        }
        if (node.flags & 1) {
            power[node.owner_idx] -= 5;
            continue;
        }
        int32_t strength = node.power * (_magic + 1) / 2;
        if (Lasting(ev_Red_Conjunction_State)) {
            strength = node.type == nt_Chaos ? strength * 2 : strength / 2;
        }
        if (Lasting(ev_Blue_Conjunction_State)) {
            strength = node.type == nt_Sorcery ? strength * 2 : strength / 2;
        }
        if (Lasting(ev_Green_Conjunction_State)) {
            strength = node.type == nt_Nature ? strength * 2 : strength / 2;
        }
        const Player_Record &owner = _players[node.owner_idx];
        if ((node.type == nt_Sorcery && owner.retorts[rtr_Sorcery_Mastery]) ||
            (node.type == nt_Chaos && owner.retorts[rtr_Chaos_Mastery]) ||
            (node.type == nt_Nature && owner.retorts[rtr_Nature_Mastery])) {
            strength *= 2;
        }
        if (owner.retorts[rtr_Node_Mastery]) {
            strength *= 2;
        }
        power[node.owner_idx] += strength;
    }
    for (int p = 1; p < _num_players && p < NUM_PLAYERS; p++) {
        power[p] = power[p] * Difficulty_Modifier_Percent(dm_Mana) / 100;
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx >= 0 && city.owner_idx < NEUTRAL_PLAYER_IDX) {
            power[city.owner_idx] += city.mana_units;
        }
    }
    for (int p = 0; p < NUM_PLAYERS; p++) {
        if (_players[p].casting_spell_idx == spl_Spell_Of_Return) {
            power[p] = 0;
            continue;
        }
        power[p] += _players[p].volcanoes;
        _players[p].Power_Base = Clamp16(power[p] < 0 ? 0 : power[p]);
    }
}

void Player_Magic_Power_Distribution(int16_t *mana, int16_t *skill, int16_t *research, int16_t player_idx)
{
    *mana = *skill = *research = 0;
    if (!Player_Valid(player_idx)) {
        return;
    }
    const Player_Record &wizard = _players[player_idx];
    int32_t power = wizard.Power_Base;
    int32_t m = (power * wizard.mana_ratio + 50) / 100;
    int32_t s = (power * wizard.skill_ratio + 50) / 100;
    int32_t r = power - m - s;
    if (wizard.research_ratio == 0 && r > 0) {
        if (wizard.skill_ratio != 0) {
            s = power - m;
        } else {
            m = power - s;
        }
        r = 0;
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        if (_CITIES[c].owner_idx == player_idx) {
            r += _CITIES[c].research_units;
        }
    }
    for (int slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        int u = wizard.Heroes[slot].unit_idx;
        if (u < 0 || u >= _units || u >= UNIT_TABLE_CAPACITY) {
            continue;
        }
        const Unit_Record &hero = _UNITS[u];
        uint32_t abilities = Hero_Abilities(hero);
        if (abilities & HA_SAGE) {
            r += 3 * hero.Level;
        }
        if (abilities & HA_SAGE_SUPER) {
            r += 9 * hero.Level;
        }
    }
    if (wizard.retorts[rtr_Mana_Focusing]) {
        m += m / 4;
    }
    *mana = Clamp16(m);
    *skill = Clamp16(s);
    *research = Clamp16(r);
}

int16_t Player_Spell_Research_Bonus(int16_t player_idx, int16_t spell_idx)
{
    if (!Player_Valid(player_idx) || spell_idx < 0 || spell_idx >= NUM_SPELLS || spell_data_table == nullptr) {
        return 0;
    }
    const Player_Record &wizard = _players[player_idx];
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    int bonus = 0;
    if (wizard.retorts[rtr_Sage_Master]) {
        bonus += 25;
    }
    if (wizard.retorts[rtr_Conjurer] && spell.type == 0) {
        bonus += 25;
    }
    int realm = spell.magic_realm;
    if ((realm == 0 && wizard.retorts[rtr_Nature_Mastery]) || (realm == 1 && wizard.retorts[rtr_Sorcery_Mastery]) ||
        (realm == 2 && wizard.retorts[rtr_Chaos_Mastery])) {
        bonus += 15;
    }
    if (realm < NUM_BOOK_REALMS && wizard.spellranks[realm] > 7) {
        bonus += wizard.spellranks[realm] * 10 - 70;
    }
    if (realm == 5 && wizard.retorts[rtr_Runemaster]) {
        bonus += 25;
    }
    return (int16_t)bonus;
}

void Player_Magic_Power_Income_Total(int16_t *mana, int16_t *research, int16_t *skill, int16_t player_idx)
{
    *mana = *research = *skill = 0;
    if (!Player_Valid(player_idx) || _players[player_idx].casting_spell_idx == spl_Spell_Of_Return) {
        return;
    }
    Player_Magic_Power_Distribution(mana, skill, research, player_idx);
    if (*mana < 0) *mana = 0;
    if (*skill < 0) *skill = 0;
    if (*research < 0) *research = 0;
    int32_t bonus = Player_Spell_Research_Bonus(player_idx, _players[player_idx].researching_spell_idx);
    *research = Clamp16(*research + (int32_t)*research * bonus / 100);
}

void Player_Resource_Income_Total(int16_t player_idx, int16_t *gold, int16_t *food, int16_t *mana)
{
    *gold = *food = *mana = 0;
    if (!Player_Valid(player_idx)) {
        return;
    }
    int16_t mana_income = 0;
    int16_t research = 0;
    int16_t skill = 0;
    Player_Magic_Power_Income_Total(&mana_income, &research, &skill, player_idx);
    if (g_timestop_player_num == player_idx + 1) {
        *mana = -200;
        return;
    }
    int32_t mana_upkeep = Player_Armies_And_Enchantments_Mana_Upkeep(player_idx);
    int32_t gold_upkeep = Player_Armies_Gold_Upkeep(player_idx);
    int32_t food_upkeep = Player_Armies_Food_Upkeep(player_idx);
    if (player_idx != 0) {
        int percent = Difficulty_Modifier_Percent(dm_Upkeep);
        mana_upkeep = mana_upkeep * percent / 100;
        gold_upkeep = gold_upkeep * percent / 100;
        food_upkeep = food_upkeep * percent / 100;
    }
    int32_t g = 0;
    int32_t f = 0;
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx == player_idx) {
            g += city.gold_units - city.building_maintenance;
            f += city.food_units - city.population;
        }
    }
    const Player_Record &wizard = _players[player_idx];
    for (int slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        int u = wizard.Heroes[slot].unit_idx;
        if (u >= 0 && u < _units && u < UNIT_TABLE_CAPACITY && (Hero_Abilities(_UNITS[u]) & HA_NOBLE)) {
            g += NOBLE_GOLD;
        }
    }
    f -= food_upkeep;
    if (f > 0) {
        g += f / 2;
    }
    g -= gold_upkeep;
    *gold = Clamp16(g);
    *food = Clamp16(f);
    *mana = Clamp16(mana_income - mana_upkeep);
}
