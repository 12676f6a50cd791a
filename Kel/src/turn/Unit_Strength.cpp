#include "turn/Unit_Strength.h"

#include "combat/Battle_Unit_Scores.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int RANGED_MISSILE_OR_MAGIC_TENS = 4;
constexpr int RANGED_MAGIC_END = 40;
constexpr int RANGED_SPECIAL_FIRST = 100;

int16_t Saturate16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }

int16_t Melee_Term(int16_t melee, int16_t ranged, int16_t figures, int16_t flags, int16_t kind)
{
    if (kind < RANGED_SPECIAL_FIRST) {
        return Get_Effective_Melee_Strength(melee, 0, figures, flags, -1);
    }
    return Get_Effective_Melee_Strength(melee, ranged, figures, flags, kind);
}

bool Fortress_Alive(int player_idx) { return _FORTRESSES != nullptr && _FORTRESSES[player_idx].active == 1; }

}  // namespace

int16_t Effective_Unit_Type_Strength(int16_t unit_type)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) {
        return 0;
    }
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    int16_t kind = type.Ranged_Type;
    int32_t score = Get_Effective_Hits((int16_t)(type.Hits * type.Figures), type.Defense);
    if (kind / 10 < RANGED_MISSILE_OR_MAGIC_TENS) {
        score += 2 * Get_Effective_Ranged_Strength(type.Ranged, type.Figures, (int16_t)type.Attack_Flags);
    }
    score += Melee_Term(type.Melee, type.Ranged, type.Figures, (int16_t)type.Attack_Flags, kind);
    return Saturate16(score);
}

int16_t Effective_Unit_Strength(int16_t unit_idx)
{
    if (unit_idx < 0 || unit_idx >= _units || unit_idx >= UNIT_TABLE_CAPACITY) {
        return 0;
    }
    Battle_Unit_Record *bu = global_battle_unit;
    Load_Battle_Unit(unit_idx, bu);
    int16_t kind = (int8_t)bu->Ranged_Type;
    int16_t hits = Saturate16(bu->Hits * bu->Max_Figures - bu->Damage);
    int32_t score = Get_Effective_Hits(hits, bu->Defense);
    if (kind != -1 && kind < RANGED_MAGIC_END) {
        score += 2 * Get_Effective_Ranged_Strength(bu->Ranged, bu->Max_Figures,
                                                   (int16_t)(bu->Attack_Flags | bu->Item_Ranged_Attack_Flags));
    }
    score += Melee_Term(bu->Melee, bu->Ranged, bu->Max_Figures,
                        (int16_t)(bu->Attack_Flags | bu->Item_Melee_Attack_Flags), kind);
    return Saturate16(score);
}

void AI_Calculate_Average_Unit_Cost(void)
{
    int32_t sums[NUM_PLAYERS] = {};
    int32_t counts[NUM_PLAYERS] = {};
    for (int unit_idx = 0; unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx < 1 || unit.owner_idx > 4 || unit.type >= NUM_UNIT_TYPES) {
            continue;
        }
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if ((type.Abilities & (UA_CREATEOUTPOST | UA_MELD)) || type.Construction != 0 || type.Transport != 0) {
            continue;
        }
        sums[unit.owner_idx] += type.cost;
        counts[unit.owner_idx]++;
    }
    for (int player_idx = 1; player_idx < NUM_PLAYERS; player_idx++) {
        if (counts[player_idx] > 0) {
            _players[player_idx].average_unit_cost = Saturate16(sums[player_idx] / counts[player_idx]);
        }
    }
}

int16_t Player_Units_Max_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp)
{
    int16_t range = 1;
    for (int unit_idx = 0; unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx || unit.wx != wx || unit.wy != wy) {
            continue;
        }
        if ((unit.wp == wp || unit.in_tower == UNIT_IN_TOWER) && unit.Sight_Range > range) {
            range = unit.Sight_Range;
        }
    }
    return range;
}

int16_t N_Living_Players(void)
{
    int16_t count = 0;
    for (int player_idx = 0; player_idx < _num_players && player_idx < NUM_PLAYERS; player_idx++) {
        if (Fortress_Alive(player_idx)) {
            count++;
        }
    }
    return count;
}

int16_t N_Living_Human_Players(void) { return Fortress_Alive(0) ? 1 : 0; }
