#include "combat/Retreat.h"

#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "combat/Combat_Entry.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Tables.h"
#include "heroes/Lairs.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battlefield.h"
#include "world/Map_Feature_Records.h"
#include "world/Map_Square_Record.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SQUARE_ROOM = 9;
constexpr int16_t LAST_HERO_TYPE = 34;
constexpr int16_t TYPE_KEEPS_S_A = 8;
constexpr int16_t TYPE_KEEPS_S_B = 27;

bool Unit_Index_Valid(int16_t u) { return u >= 0 && u < _units && u < UNIT_TABLE_CAPACITY; }

bool Held(const Battle_Unit_Record &bu)
{
    return (bu.Curses & (BUC_BLACK_SLEEP | BUC_CONFUSION)) != 0 || ((bu.Curses & BUC_WEB) != 0 && bu.Web_Strength > 0);
}

bool Flies_Or_Swims(int16_t unit_idx)
{
    return Unit_Has_AirTravel(unit_idx) || Unit_Has_WaterTravel(unit_idx) || Unit_Has_AirTravel_Item(unit_idx) ||
           Unit_Has_WaterTravel_Item(unit_idx);
}

bool Needs_Carrying(const Battle_Unit_Record &bu)
{
    const int16_t u = bu.unit_idx;
    return bu.Transport == 0 && _UNITS[u].type > LAST_HERO_TYPE && !Unit_Has_AirTravel_Item(u) &&
           !Unit_Has_WaterTravel_Item(u) && !Unit_Has_Swimming(u) && !Unit_Has_WindWalking(u) && !Unit_Has_AirTravel(u);
}

void Clear_Road_Order(Unit_Record &unit, bool always)
{
    if (always || unit.Rd_Constr_Left >= 0) {
        unit.Status = 0;
        unit.Rd_Constr_Left = -1;
    }
}

void List_Loss(int16_t *list, int16_t &count, const Battle_Unit_Record &bu)
{
    if (count < FLEE_LOSS_LIST_MAX && Unit_Index_Valid(bu.unit_idx)) list[count++] = _UNITS[bu.unit_idx].type;
}

bool Tower_At(int16_t wx, int16_t wy)
{
    if (_TOWERS == nullptr) return false;
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].wx == wx && _TOWERS[t].wy == wy) return true;
    }
    return false;
}

}  // namespace

int16_t Unit_Try_To_Move(int16_t wx, int16_t wy, int16_t wp, int16_t unit_idx, int16_t units_there)
{
    if (units_there >= SQUARE_ROOM || !Unit_Index_Valid(unit_idx)) return 0;
    Unit_Record &unit = _UNITS[unit_idx];
    unit.wx = (uint8_t)wx;
    unit.wy = (uint8_t)wy;
    unit.wp = (uint8_t)wp;
    return 1;
}

int16_t Process_Retreating_Units(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx)
{
    int16_t there[SQUARE_ROOM + 1] = {};
    int16_t count = 0;
    Army_At_Square_2(wx, wy, wp, &count, there);
    if (count >= SQUARE_ROOM) return 0;
    for (int i = 0; i < count; i++) {
        if (_UNITS[there[i]].owner_idx != player_idx) return 0;
    }
    if (Tower_At(wx, wy)) return 0;
    auto fled = [player_idx](const Battle_Unit_Record &bu) {
        return bu.Status == bus_Fled && bu.owner_idx == player_idx && Unit_Index_Valid(bu.unit_idx);
    };
    auto try_move = [&](Battle_Unit_Record &bu) {
        if (Unit_Try_To_Move(wx, wy, wp, bu.unit_idx, count)) {
            bu.Status = bus_Fighting;
            count++;
        }
    };
    if (Square_Is_Sailable(wx, wy, wp)) {
        bool wind = false;
        for (int i = 0; i < count; i++) wind = wind || Unit_Has_WindWalking(there[i]);
        int capacity = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (!fled(bu)) continue;
            wind = wind || Unit_Has_WindWalking(bu.unit_idx);
            if (Unit_Has_Sailing(bu.unit_idx)) capacity += bu.Transport;
        }
        int carried = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            Battle_Unit_Record &bu = battle_units[i];
            if (!fled(bu)) continue;
            if (wind || Flies_Or_Swims(bu.unit_idx)) {
                try_move(bu);
            } else if (++carried <= capacity) {
                try_move(bu);
            }
        }
        return 1;
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (fled(battle_units[i]) && Unit_Has_Sailing(battle_units[i].unit_idx)) return 0;
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (fled(battle_units[i])) try_move(battle_units[i]);
    }
    return 1;
}

int16_t Retreat_From_Combat(int16_t winner)
{
    const int16_t attacker = _combat_attacker_player;
    const int16_t defender = _combat_defender_player;
    const int16_t loser = winner == attacker ? defender : attacker;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (Unit_Index_Valid(bu.unit_idx) && _UNITS[bu.unit_idx].wp == COMBAT_GONE_PLANE) bu.Status = bus_Dead;
    }
    int fled_attackers = 0, fled_defenders = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fled) continue;
        if (bu.owner_idx == attacker) fled_attackers++;
        if (bu.owner_idx == defender) fled_defenders++;
    }
    GUI_NearMsgString[0] = '\0';
    if (fled_attackers == 0 && fled_defenders == 0) return 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Not_Deployed) bu.Status = bus_Fled;
        if (bu.Status == bus_Fled && bu.owner_idx == winner) {
            bu.Status = bus_Fighting;
            if (Unit_Index_Valid(bu.unit_idx)) {
                _UNITS[bu.unit_idx].wx = (uint8_t)_combat_attacker_wx;
                _UNITS[bu.unit_idx].wy = (uint8_t)_combat_attacker_wy;
            }
        }
    }
    const bool spared = _difficulty < 2 && loser == HUMAN_PLAYER_IDX;
    int16_t losses[FLEE_LOSS_LIST_MAX] = {};
    int16_t lost = 0;
    if (loser == attacker) {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status != bus_Fled || bu.owner_idx != loser || !Unit_Index_Valid(bu.unit_idx)) continue;
            Unit_Record &unit = _UNITS[bu.unit_idx];
            Clear_Road_Order(unit, false);
            bool escapes = spared;
            if (!spared) escapes = unit.Hero_Slot == -1 ? RANDOM(2) == 1 : RANDOM(4) != 1;
            if (Held(bu)) escapes = false;
            if (escapes) bu.Status = bus_Fighting;
        }
        if (Square_Is_Sailable(_combat_wx, _combat_wy, _combat_wp)) {
            int capacity = 0;
            bool wind = false;
            for (int i = 0; i < _combat_total_unit_count; i++) {
                const Battle_Unit_Record &bu = battle_units[i];
                if (bu.Status != bus_Fighting || bu.owner_idx != loser || !Unit_Index_Valid(bu.unit_idx)) continue;
                if (Unit_Has_Sailing(bu.unit_idx)) capacity += bu.Transport;
                wind = wind || Unit_Has_WindWalking(bu.unit_idx);
            }
            int carried = 0;
            for (int i = 0; i < _combat_total_unit_count && !wind; i++) {
                Battle_Unit_Record &bu = battle_units[i];
                if (bu.Status != bus_Fighting || bu.owner_idx != loser || !Unit_Index_Valid(bu.unit_idx)) continue;
                if (capacity == 0) {
                    if (!Flies_Or_Swims(bu.unit_idx)) bu.Status = bus_Fled;
                } else if (Needs_Carrying(bu) && ++carried > capacity) {
                    bu.Status = bus_Fled;
                }
            }
        }
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status == bus_Fled && bu.owner_idx == loser) List_Loss(losses, lost, bu);
        }
    } else {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status != bus_Fled || bu.owner_idx != loser || !Unit_Index_Valid(bu.unit_idx)) continue;
            Unit_Record &unit = _UNITS[bu.unit_idx];
            Clear_Road_Order(unit, loser != HUMAN_PLAYER_IDX);
            bool dies = false;
            if (!spared) dies = unit.Hero_Slot == -1 ? RANDOM(2) == 1 : RANDOM(4) == 1;
            if (Held(bu)) dies = true;
            if (dies) {
                bu.Status = bus_Dead;
                List_Loss(losses, lost, bu);
            }
        }
        for (int dy = -1; dy <= 1; dy++) {
            const int y = _combat_wy + dy;
            if (y < 0 || y >= WORLD_HEIGHT) continue;
            for (int dx = -1; dx <= 1; dx++) {
                const int x = (_combat_wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (dx == 0 && dy == 0) continue;
                if (Square_Has_Lair((int16_t)x, (int16_t)y, _combat_wp) >= 0) continue;
                if (Player_City_At_Square((int16_t)x, (int16_t)y, _combat_wp, loser) >= 0) continue;
                Process_Retreating_Units((int16_t)x, (int16_t)y, _combat_wp, loser);
            }
        }
        for (int i = 0; i < _combat_total_unit_count; i++) {
            Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status == bus_Fled && bu.owner_idx == loser) {
                bu.Status = bus_Dead;
                List_Loss(losses, lost, bu);
            }
        }
    }
    Build_Flee_Loss_Message(lost, losses);
    return 0;
}

void Build_Flee_Loss_Message(int16_t count, const int16_t *unit_types)
{
    GUI_NearMsgString[0] = '\0';
    if (count < 1 || unit_types == nullptr) return;
    if (count > FLEE_LOSS_LIST_MAX) count = FLEE_LOSS_LIST_MAX;
    int16_t types[FLEE_LOSS_LIST_MAX];
    int16_t numbers[FLEE_LOSS_LIST_MAX];
    int groups = 0;
    for (int i = 0; i < count; i++) {
        int g = 0;
        while (g < groups && types[g] != unit_types[i]) g++;
        if (g == groups) types[groups] = unit_types[i], numbers[groups++] = 0;
        numbers[g]++;
    }
    char *out = GUI_NearMsgString;
    const size_t room = sizeof GUI_NearMsgString;
    snprintf(out, room, "While fleeing you lost:");
    for (int g = 0; g < groups; g++) {
        const char *separator = g == 0 ? "" : g == groups - 1 ? " and " : ", ";
        const int16_t type = types[g];
        const char *name = (type >= 0 && type < NUM_UNIT_TYPES && _unit_type_names[type]) ? _unit_type_names[type] : "";
        int length = (int)strlen(name);
        if (numbers[g] == 1 && length > 0 && name[length - 1] == 's' && type != TYPE_KEEPS_S_A &&
            type != TYPE_KEEPS_S_B) {
            length--;
        }
        const size_t used = strlen(out);
        snprintf(out + used, room - used, "%s%d %.*s", separator, numbers[g], length, name);
    }
    const size_t used = strlen(out);
    snprintf(out + used, room - used, ".");
}
