#include "ai/AI_Unit_Wizard_Targets.h"

#include <cstdio>

#include "EXIT.h"
#include "Geometry.h"
#include "Release.h"
#include "STU_Log.h"
#include "ai/AI_Data.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int REALM_NATURE = 0;
constexpr int REALM_CHAOS = 2;
constexpr int REALM_LIFE = 3;
constexpr int REALM_DEATH = 4;
// Own units guard a fixed radius around them against enemy stacks.
constexpr int16_t OWN_UNIT_THREAT_RADIUS = 2;
constexpr int16_t UNIT_TYPE_NO_PLAIN_ENCHANTMENT = 190;
constexpr uint8_t NODE_WARPED = 0x01;

struct Unit_Enchantment_Row {
    int16_t spell;
    int8_t bit;  // -1: no enchantment bit excludes a unit
    bool regular_only;
    bool above_type_40_only;
    bool creatures_only;
    bool mobility_mode;
};

const Unit_Enchantment_Row UNIT_ENCHANTMENT_ROWS[] = {
    {2, 9, false, false, false, false},    {4, 27, true, false, false, false},    {7, 11, false, false, false, false},
    {8, 8, false, false, false, true},     {16, 7, false, false, false, false},   {21, 10, false, false, false, false},
    {24, 12, false, false, false, false},  {31, 6, false, false, false, false},   {41, 18, false, false, false, false},
    {44, 1, false, false, false, false},   {54, 14, false, false, true, false},   {56, 17, false, false, false, true},
    {62, 15, false, false, false, false},  {63, 16, false, false, false, false},  {69, 19, false, false, false, false},
    {86, 21, true, false, false, false},   {93, -1, true, false, false, false},   {94, 20, true, false, false, false},
    {99, 0, false, false, false, false},   {121, 25, false, false, false, false}, {123, 13, false, false, false, false},
    {124, 23, true, false, false, false},  {126, 29, false, false, false, false}, {130, 24, false, false, false, false},
    {131, 22, false, false, false, false}, {138, 28, false, false, false, true},  {141, 26, false, false, false, false},
    {143, 31, false, false, false, false}, {144, 30, false, false, false, false}, {164, 3, false, false, false, false},
    {173, -1, true, true, false, false},   {175, 4, false, false, false, false},  {181, 5, false, false, false, false},
};

bool Has_Realm(const Player_Record &wizard, int realm)
{
    return wizard.Prim_Realm == realm || wizard.Sec_Realm == realm;
}

bool On_City_Square(int wx, int wy, int wp)
{
    for (int16_t c = 0; c < _cities; c++) {
        if (_CITIES[c].wx == wx && _CITIES[c].wy == wy && _CITIES[c].wp == wp) return true;
    }
    return false;
}

bool On_City_Column(int wx, int wy)
{
    for (int16_t c = 0; c < _cities; c++) {
        if (_CITIES[c].wx == wx && _CITIES[c].wy == wy) return true;
    }
    return false;
}

int16_t Hostile_Opponent_Pick(void)
{
    if (RANDOM(2) == 1) return _cp_hostile_opponents[0];
    int16_t count = _cp_hostile_opponent_count > 6 ? 6 : _cp_hostile_opponent_count;
    return _cp_hostile_opponents[RANDOM(count) - 1];
}

bool Square_On_Map(int wx, int wy, int wp)
{
    return wp >= 0 && wp <= 1 && wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT;
}

}  // namespace

void Cast_Spell_Target_Error(int16_t spell_idx)
{
    char text[64];
    const char *name = (spell_data_table != nullptr && spell_idx >= 0 && spell_idx < NUM_SPELLS)
                           ? spell_data_table[spell_idx].name
                           : "?";
    snprintf(text, sizeof(text), "%.19s could not be found for CP.", name);
    if (Check_Release_Version() != 0) {
        STU_LOG(SEV_ERROR, LC_AIDUDES, "%s", text);
        return;
    }
    Exit_With_Message(text);
}

int16_t Select_Unit_For_Enchantment(int16_t player_idx, uint32_t enchantment_mask, int16_t *unit_idx,
                                    int16_t regular_only, int16_t creatures_only, int16_t above_type_40_only,
                                    int16_t mobility_mode)
{
    int stack = -1;
    int16_t best_strength = 0;
    int16_t count = _ai_all_own_stack_count > AI_OWN_STACKS_MAX ? AI_OWN_STACKS_MAX : _ai_all_own_stack_count;
    for (int s = 0; s < count; s++) {
        const AI_Own_Stack &own = _ai_all_own_stacks[s];
        if (own.strength > best_strength && !On_City_Square(own.wx, own.wy, own.wp)) {
            best_strength = own.strength;
            stack = s;
        }
    }
    if (stack < 0) {
        const Fortress_Record &fortress = _FORTRESSES[player_idx];
        for (int s = 0; s < count; s++) {
            const AI_Own_Stack &own = _ai_all_own_stacks[s];
            if (own.wx == fortress.wx && own.wy == fortress.wy && own.wp == fortress.wp) stack = s;
        }
    }
    if (stack < 0) return 0;
    const AI_Own_Stack &chosen = _ai_all_own_stacks[stack];
    int best_score = 0;
    int16_t found = 0;
    for (int16_t u = 0; u < _units; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != player_idx || unit.wx != chosen.wx || unit.wy != chosen.wy || unit.wp != chosen.wp) {
            continue;
        }
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if (regular_only && unit.type >= NUM_SUMMONED_TYPE_FIRST) continue;
        if (creatures_only && unit.type < NUM_SUMMONED_TYPE_FIRST) continue;
        if (type.Transport > 0 || (type.Abilities & (UA_CREATEOUTPOST | UA_MELD)) != 0) continue;
        if (above_type_40_only && unit.type <= 40) continue;
        if ((unit.enchantments & enchantment_mask) != 0) continue;
        if (unit.type == UNIT_TYPE_NO_PLAIN_ENCHANTMENT && !mobility_mode) continue;
        int score = type.Upkeep;
        if (mobility_mode && (type.Move_Flags & (MV_SWIMMING | MV_FLYING)) != 0) score = 0;
        if (score > best_score) {
            best_score = score;
            *unit_idx = u;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Unit_Enchantment(int16_t kind, int16_t *unit_idx, int16_t spell_idx, int16_t player_idx)
{
    if (kind != 0) {
        Cast_Spell_Target_Error(spell_idx);
        return 0;
    }
    if (spell_idx == 51) return 0;
    for (const Unit_Enchantment_Row &row : UNIT_ENCHANTMENT_ROWS) {
        if (row.spell != spell_idx) continue;
        uint32_t mask = row.bit < 0 ? 0 : (uint32_t)1 << row.bit;
        return Select_Unit_For_Enchantment(player_idx, mask, unit_idx, row.regular_only, row.creatures_only,
                                           row.above_type_40_only, row.mobility_mode);
    }
    Cast_Spell_Target_Error(spell_idx);
    return 0;
}

int16_t AITP_Attack_Stack(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    int32_t best = 0;
    int16_t found = 0;
    int16_t count = _ai_all_enemy_stack_count > AI_ENEMY_STACKS_MAX ? AI_ENEMY_STACKS_MAX : _ai_all_enemy_stack_count;
    for (int s = 0; s < count; s++) {
        const AI_Enemy_Stack &enemy = _ai_all_enemy_stacks[s];
        int32_t strength = (uint16_t)enemy.strength;
        if (strength <= best) continue;
        bool threat = false;
        for (int16_t c = 0; c < _cities && !threat; c++) {
            const City_Record &city = _CITIES[c];
            if (city.owner_idx != player_idx || city.wp != enemy.wp) continue;
            int16_t radius = 2;
            if (City_Building_Stands(city, bt_City_Walls)) radius = 3;
            if (City_Building_Stands(city, bt_Seers_Tower)) radius = 5;
            threat = Delta_XY_With_Wrap(enemy.wx, enemy.wy, city.wx, city.wy, WORLD_WIDTH) <= radius;
        }
        for (int16_t u = 0; u < _units && !threat; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx != player_idx || unit.wp != enemy.wp) continue;
            threat = Delta_XY_With_Wrap(enemy.wx, enemy.wy, unit.wx, unit.wy, WORLD_WIDTH) <= OWN_UNIT_THREAT_RADIUS;
        }
        if (threat) {
            best = strength;
            *wx = enemy.wx;
            *wy = enemy.wy;
            *wp = enemy.wp;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Disenchant(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx == HUMAN_PLAYER_IDX && city.enchantments[ce_Flying_Fortress] != 0 && RANDOM(2) == 1) {
            *wx = city.wx;
            *wy = city.wy;
            *wp = city.wp;
            return 1;
        }
    }
    int best = 0;
    int node_found = -1;
    for (int n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.owner_idx == player_idx && (node.flags & NODE_WARPED) != 0 && node.power > best) {
            best = node.power;
            node_found = n;
        }
    }
    if (node_found >= 0) {
        *wx = _NODES[node_found].wx;
        *wy = _NODES[node_found].wy;
        *wp = _NODES[node_found].wp;
        return 1;
    }
    int16_t best_value = 0;
    int city_found = -1;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        bool cursed = city.enchantments[ce_Cursed_Lands] != 0 || city.enchantments[ce_Famine] != 0 ||
                      city.enchantments[ce_Chaos_Rift] != 0 || city.enchantments[ce_Evil_Presence] != 0;
        if (city.owner_idx == player_idx && cursed && _ai_all_own_city_values[c] > best_value) {
            best_value = _ai_all_own_city_values[c];
            city_found = c;
        }
    }
    if (city_found >= 0) {
        *wx = _CITIES[city_found].wx;
        *wy = _CITIES[city_found].wy;
        *wp = _CITIES[city_found].wp;
        return 1;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    if (!Square_On_Map(fortress.wx, fortress.wy, fortress.wp)) return 0;
    uint8_t landmass = _landmasses[World_Square_Index(fortress.wx, fortress.wy, fortress.wp)];
    int best_cost = 0;
    int unit_found = -1;
    for (int16_t u = 0; u < _units; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != HUMAN_PLAYER_IDX || unit.enchantments == 0 || !Square_On_Map(unit.wx, unit.wy, unit.wp) ||
            _landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)] != landmass) {
            continue;
        }
        int cost = _unit_type_table[unit.type].cost;
        if (cost > best_cost) {
            best_cost = cost;
            unit_found = u;
        }
    }
    if (unit_found < 0) return 0;
    *wx = _UNITS[unit_found].wx;
    *wy = _UNITS[unit_found].wy;
    *wp = _UNITS[unit_found].wp;
    return 1;
}

int16_t AITP_Plane_Shift(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    int16_t best = 0;
    int16_t found = 0;
    int16_t count = _ai_all_own_stack_count > AI_OWN_STACKS_MAX ? AI_OWN_STACKS_MAX : _ai_all_own_stack_count;
    for (int s = 0; s < count; s++) {
        const AI_Own_Stack &own = _ai_all_own_stacks[s];
        if (own.wp != 0 || (own.flags & AI_STACK_SETTLER) == 0 || own.strength <= best ||
            On_City_Column(own.wx, own.wy)) {
            continue;
        }
        bool suits = (own.flags & AI_STACK_TRANSPORT) != 0 ? Square_Is_Sailable(own.wx, own.wy, 1) != 0
                                                           : Square_Is_OceanLike(own.wx, own.wy, 1) == 0;
        if (!suits) continue;
        best = own.strength;
        *wx = own.wx;
        *wy = own.wy;
        *wp = own.wp;
        found = 1;
    }
    return found;
}

int16_t AITP_Node(int16_t *node_idx, int16_t spell_idx)
{
    if (spell_idx != 186 || _cp_hostile_opponent_count < 1) return 0;
    int16_t owner = Hostile_Opponent_Pick();
    int best = 0;
    int16_t found = 0;
    for (int16_t n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.owner_idx == owner && (node.flags & NODE_WARPED) == 0 && node.power > best) {
            best = node.power;
            *node_idx = n;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Attack_Wizard(int16_t *wizard_idx, int16_t spell_idx, int16_t caster_idx)
{
    if (spell_idx != 58 && spell_idx != 171 && spell_idx != 177 && spell_idx != 191) {
        Cast_Spell_Target_Error(spell_idx);
        return 0;
    }
    if (_cp_hostile_opponent_count < 1 || caster_idx < 0 || caster_idx >= NUM_PLAYERS) return 0;
    int16_t victim = Hostile_Opponent_Pick();
    if (victim < 0 || victim >= NUM_PLAYERS) return 0;
    const Player_Record &target = _players[victim];
    int32_t invested = (int32_t)target.casting_cost_original - target.casting_cost_remaining;
    if (target.casting_spell_idx == 0 || (int32_t)_players[caster_idx].mana_reserve - 50 < invested) return 0;
    *wizard_idx = victim;
    return 1;
}

int16_t AITP_Disjunction(int16_t *wizard_idx, int16_t *slot, int16_t spell_idx, int16_t caster_idx)
{
    bool binding = spell_idx == 76;
    if (!binding && spell_idx != 61 && spell_idx != 210) {
        Cast_Spell_Target_Error(spell_idx);
        return 0;
    }
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS) return 0;
    const Player_Record &caster = _players[caster_idx];
    bool life = Has_Realm(caster, REALM_LIFE);
    bool nature = Has_Realm(caster, REALM_NATURE);
    bool chaos = Has_Realm(caster, REALM_CHAOS);
    bool death = Has_Realm(caster, REALM_DEATH);
    int16_t scores[NUM_OVERLAND_ENCHANTMENTS] = {};
    if (binding) {
        const int16_t table[NUM_OVERLAND_ENCHANTMENTS] = {(int16_t)(death ? 30 : 100),
                                                          10,
                                                          50,
                                                          20,
                                                          15,
                                                          100,
                                                          10,
                                                          10,
                                                          20,
                                                          20,
                                                          (int16_t)(chaos ? 30 : 100),
                                                          50,
                                                          20,
                                                          30,
                                                          40,
                                                          30,
                                                          30,
                                                          20,
                                                          15,
                                                          30,
                                                          10,
                                                          60,
                                                          1,
                                                          1};
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) scores[k] = table[k];
    } else {
        const int16_t table[NUM_OVERLAND_ENCHANTMENTS] = {(int16_t)(life ? 200 : 50),
                                                          (int16_t)(life || nature ? 200 : 0),
                                                          50,
                                                          20,
                                                          15,
                                                          250,
                                                          10,
                                                          10,
                                                          (int16_t)(death || chaos ? 200 : 0),
                                                          (int16_t)(caster.Prim_Realm == REALM_DEATH ? 0 : 50),
                                                          (int16_t)(chaos ? 0 : 100),
                                                          50,
                                                          20,
                                                          30,
                                                          40,
                                                          (int16_t)(chaos ? 200 : 0),
                                                          (int16_t)(death ? 200 : 0),
                                                          20,
                                                          15,
                                                          30,
                                                          10,
                                                          60,
                                                          1,
                                                          1};
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) scores[k] = table[k];
    }
    int16_t best = 0;
    int16_t found = 0;
    for (int16_t k = 0; k < _num_players && k < NUM_PLAYERS; k++) {
        if (k == caster_idx) continue;
        for (int16_t s = 0; s < NUM_OVERLAND_ENCHANTMENTS; s++) {
            if (_players[k].Globals[s] != 0 && scores[s] > best) {
                best = scores[s];
                *wizard_idx = k;
                *slot = s;
                found = 1;
            }
        }
    }
    return found;
}

void AI_Sanity_Check_Overland_Enchantments(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    Player_Record &wizard = _players[player_idx];
    uint8_t *held = wizard.Globals;
    if (held[ge_Eternal_Night] != 0 && !Has_Realm(wizard, REALM_DEATH)) held[ge_Eternal_Night] = 0;
    if (held[ge_Evil_Omens] != 0 && (Has_Realm(wizard, REALM_LIFE) || Has_Realm(wizard, REALM_NATURE))) {
        held[ge_Evil_Omens] = 0;
    }
    if (held[ge_Chaos_Surge] != 0 && !Has_Realm(wizard, REALM_CHAOS)) held[ge_Chaos_Surge] = 0;
    if (held[ge_Tranquility] != 0 && Has_Realm(wizard, REALM_CHAOS)) held[ge_Tranquility] = 0;
    if (held[ge_Life_Force] != 0 && Has_Realm(wizard, REALM_DEATH)) held[ge_Life_Force] = 0;
    if (wizard.mana_reserve == 0) {
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) held[k] = 0;
    }
}
