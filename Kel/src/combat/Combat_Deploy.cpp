#include "combat/Combat_Deploy.h"

#include <cstdlib>
#include <cstring>

#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Tables.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SPELL_FLOATING_ISLAND = 43;
// The columns of each side; rows in each column 12, 11, 13, 10.
constexpr int16_t ATTACKER_COLUMNS[3] = {14, 15, 16};
constexpr int16_t DEFENDER_COLUMNS[3] = {8, 7, 6};
constexpr int16_t SLOT_ROWS[4] = {12, 11, 13, 10};

// A figure set for the type: a free one, else one already holding the same type, else -1.
int16_t Figure_Set_For(int16_t unit_type, int16_t self)
{
    const int16_t set = Battle_Unit_Pict_Open();
    if (set >= 0) {
        return set;
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &other = battle_units[i];
        if (i != self && other.Status == bus_Fighting && other.Figure_Set >= 0 && other.unit_idx >= 0 &&
            other.unit_idx < _units && _UNITS[other.unit_idx].type == unit_type) {
            return other.Figure_Set;
        }
    }
    return -1;
}

}  // namespace

Battle_Unit_Record *Prepare_Battle_Unit(int16_t slot, int16_t owner, int16_t unit_idx, int16_t x, int16_t y)
{
    Battle_Unit_Record *bu = &battle_units[slot];
    bu->Status = bus_Destroyed;  // the slot does not hold a figure set while it is filled
    bu->Figure_Set = -1;
    Load_Battle_Unit(unit_idx, bu);
    const int16_t type = _UNITS[unit_idx].type;
    bu->Status = bus_Fighting;
    const int16_t set = Figure_Set_For(type, slot);
    bu->Figure_Set = set;
    const Combat_Rule_Hooks &hooks = Combat_Hooks();
    if (set >= 0 && hooks.figure_load) hooks.figure_load(type, set);
    bu->owner_idx = (int8_t)owner;
    bu->Grid_X = x;
    bu->Grid_Y = y;
    bu->Target_X = x;
    bu->Target_Y = y;
    bu->Move_Step = 0;
    bu->Blood_Figures = 0;
    bu->Outline_Colour = 0;
    bu->Moving = 0;
    bu->Action = 0;
    return bu;
}

int16_t Battle_Unit_Pict_Open(void)
{
    bool used[NUM_FIGURE_SETS] = {};
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.Figure_Set >= 0 && bu.Figure_Set < NUM_FIGURE_SETS) {
            used[bu.Figure_Set] = true;
        }
    }
    for (int s = 0; s < NUM_FIGURE_SETS; s++) {
        if (!used[s]) return (int16_t)s;
    }
    return -1;
}

int16_t Undeployable_Battle_Units_On_Water(int16_t player)
{
    if (!Square_Is_Sailable(_combat_wx, _combat_wy, _combat_wp)) {
        return 0;
    }
    const int16_t island = spell_data_table ? spell_data_table[SPELL_FLOATING_ISLAND].Param_Words[0] : (int16_t)-1;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != player) {
            continue;
        }
        if (bu.Abilities & UA_WINDWALKING) {
            return 0;
        }
        if (bu.unit_idx >= 0 && bu.unit_idx < _units &&
            ((_UNITS[bu.unit_idx].enchantments & UE_WINDWALKING) || _UNITS[bu.unit_idx].type == island)) {
            return 0;
        }
    }
    int16_t count = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx == player && bu.Transport == 0 && !(bu.Move_Flags & (MV_FLYING | MV_SWIMMING))) {
            bu.Status = bus_Not_Deployed;
            count++;
        }
    }
    return count;
}

void Deploy_Battle_Units(int16_t player)
{
    Undeployable_Battle_Units_On_Water(player);
    const bool attacker = player == _combat_attacker_player;
    int16_t melee[MAX_BATTLE_UNITS];
    int16_t ranged[MAX_BATTLE_UNITS];
    int melee_count = 0;
    int ranged_count = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].owner_idx != player) {
            continue;
        }
        if (Battle_Unit_Has_Ranged_Attack(&battle_units[i])) {
            ranged[ranged_count++] = (int16_t)i;
        } else {
            melee[melee_count++] = (int16_t)i;
        }
    }
    if (ranged_count > 5) {
        const int moves = ranged_count - 4;
        for (int m = 0; m < moves && melee_count < 4; m++) {
            int best = 0;
            for (int k = 1; k < ranged_count; k++) {
                if (battle_units[ranged[k]].Melee > battle_units[ranged[best]].Melee) best = k;
            }
            melee[melee_count++] = ranged[best];
            for (int k = best; k < ranged_count - 1; k++) ranged[k] = ranged[k + 1];
            ranged_count--;
        }
    }
    int16_t order[MAX_BATTLE_UNITS];
    int total = 0;
    for (int k = 0; k < melee_count; k++) order[total++] = melee[k];
    for (int k = 0; k < ranged_count; k++) order[total++] = ranged[k];
    int slot = 0;
    for (int k = 0; k < total; k++) {
        Battle_Unit_Record &bu = battle_units[order[k]];
        if (!attacker) {
            if (battlefield->walls == 1 && (slot == 2 || slot == 3)) slot = 4;
            if (slot == 9 && battlefield->centre_code != ccc_City) slot = 10;
        }
        if (slot >= BATTLE_SIDE_SLOTS) {
            bu.Status = bus_Not_Deployed;
            continue;
        }
        bu.Grid_X = (attacker ? ATTACKER_COLUMNS : DEFENDER_COLUMNS)[slot / 4];
        bu.Grid_Y = SLOT_ROWS[slot % 4];
        slot++;
    }
    for (int k = 0; k < total; k++) {
        Battle_Unit_Record &bu = battle_units[order[k]];
        bu.Target_X = (int16_t)(bu.Grid_X + (attacker ? -1 : 1));
        bu.Target_Y = bu.Grid_Y;
    }
}

void Strategic_Combat_Allocate(void)
{
    Combat_Tables_Reset();
    memset(combat_enchantments, 0, sizeof combat_enchantments);
    for (int p = 0; p < NUM_BATTLEFIELD_PLAYERS; p++) {
        _battlefield_holybonus[p] = _battlefield_resistall[p] = _battlefield_leadership[p] = 0;
    }
}

int16_t Next_Battle_Unit_Nearest_Available(int16_t player)
{
    const Battle_Unit_Record *active = (_active_battle_unit >= 0 && _active_battle_unit < MAX_BATTLE_UNITS)
                                           ? &battle_units[_active_battle_unit]
                                           : nullptr;
    int nearest_waiting = -1;
    int nearest_other = -1;
    int waiting_distance = 0;
    int other_distance = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != player || bu.Status != bus_Fighting || (int8_t)bu.Move_Halves <= 0) {
            continue;
        }
        int distance = 0;
        if (active) {
            const int dx = abs(bu.Grid_X - active->Grid_X);
            const int dy = abs(bu.Grid_Y - active->Grid_Y);
            distance = dx > dy ? dx : dy;
        }
        if (bu.Action == BUA_WAITING) {
            if (nearest_waiting < 0 || distance < waiting_distance) nearest_waiting = i, waiting_distance = distance;
        } else if (nearest_other < 0 || distance < other_distance) {
            nearest_other = i, other_distance = distance;
        }
    }
    if (nearest_other >= 0) {
        Switch_Active_Battle_Unit((int16_t)nearest_other);
        return 0;
    }
    if (nearest_waiting >= 0) {
        Switch_Active_Battle_Unit((int16_t)nearest_waiting);
        for (int i = 0; i < _combat_total_unit_count; i++) {
            if (battle_units[i].Action == BUA_WAITING) battle_units[i].Action = 0;
        }
        return 0;
    }
    return 1;
}

int16_t AI_Retreat_Check(int16_t player)
{
    if (AI_Player_Mode(player) != 0) {
        return 0;
    }
    bool all_build = true;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != player || (bu.Status != bus_Fighting && bu.Status != bus_Not_Deployed)) {
            continue;
        }
        if (bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot >= 0) {
            return 1;
        }
        if (!(bu.Abilities & UA_CREATEOUTPOST) && bu.Construction <= 0) {
            all_build = false;
        }
    }
    return all_build ? 1 : 0;
}

int16_t Combat_Place_Summoned_Unit(int16_t owner, int16_t unit_idx, int16_t x, int16_t y)
{
    int16_t slot = -1;
    if (_combat_total_unit_count < MAX_BATTLE_UNITS) {
        slot = _combat_total_unit_count++;
    } else {
        for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status != bus_Fighting && bu.unit_idx >= 0 && bu.unit_idx < _units &&
                _UNITS[bu.unit_idx].wp == (uint8_t)COMBAT_GONE_PLANE) {
                slot = (int16_t)i;
                break;
            }
        }
    }
    if (slot >= 0) {
        Prepare_Battle_Unit(slot, owner, unit_idx, x, y);
    }
    return slot;
}
