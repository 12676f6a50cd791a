#include "combat/Combat_Checks.h"

#include <cstdlib>

#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Tables.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t Range_To_Battle_Unit(const Battle_Unit_Record *a, const Battle_Unit_Record *b)
{
    const int dx = abs(a->Grid_X - b->Grid_X);
    const int dy = abs(a->Grid_Y - b->Grid_Y);
    return (int16_t)(dx > dy ? dx : dy);
}

int16_t Combat_Grid_Cell_Has_City_Wall(int16_t x, int16_t y)
{
    if (battlefield->walls != 1 || !Combat_Cell_In_City(x, y)) {
        return 0;
    }
    if (x >= 6 && x <= 7 && y >= 11 && y <= 12) {
        return 0;
    }
    return battlefield->wall_sections[y - COMBAT_CITY_Y][x - COMBAT_CITY_X] == WALL_SECTION_STANDING ? 1 : 0;
}

int16_t Target_Is_Visible(const Battle_Unit_Record *bu)
{
    uint32_t words = bu->Combat_Enchantments;
    if (bu->unit_idx >= 0 && bu->unit_idx < _units) {
        words |= _UNITS[bu->unit_idx].enchantments;
    }
    if (!(words & UE_INVISIBILITY) && !(bu->Abilities & UA_INVISIBILITY)) {
        return 1;
    }
    if (bu->owner_idx == _combat_defender_player && _attacker_sees_illusions) {
        return 1;
    }
    if (bu->owner_idx == _combat_attacker_player && _defender_sees_illusions) {
        return 1;
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record *other = &battle_units[i];
        if (other->Status == bus_Fighting && other->owner_idx != bu->owner_idx && Range_To_Battle_Unit(bu, other) < 2) {
            return 1;
        }
    }
    return 0;
}

int16_t Check_Attack_Melee(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target)
{
    if (Battle_Unit_Has_Flight(attacker) || !Battle_Unit_Has_Flight(target) || Battle_Unit_Ranged_Kind(attacker) > 0) {
        return 1;
    }
    return 0;
}

int16_t Check_Attack_Melee_City_Wall(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target)
{
    if (battlefield->walls != 1 || (attacker->Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING)) ||
        (attacker->Abilities & UA_NONCORPOREAL)) {
        return 1;
    }
    if (Battle_Unit_Is_Within_City(target) != 1 || Battle_Unit_Is_Within_City(attacker) != 0) {
        return 1;
    }
    if (target->Grid_X == 8 && target->Grid_Y == 12) {
        return 1;
    }
    return Combat_Grid_Cell_Has_City_Wall(target->Grid_X, target->Grid_Y) == 1 ? 0 : 1;
}

void Update_Sees_Illusions(void)
{
    _attacker_sees_illusions = 0;
    _defender_sees_illusions = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || !(bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
            continue;
        }
        if (bu.owner_idx == _combat_attacker_player) {
            _attacker_sees_illusions = 1;
        } else if (bu.owner_idx == _combat_defender_player) {
            _defender_sees_illusions = 1;
        }
    }
}

int16_t Battle_Unit_Moves2(const Battle_Unit_Record *bu)
{
    // An item that lends its bearer endurance adds its moves; without such an item there are none.
    int16_t item_flag = 0;
    if (bu->Web_Strength > 0) {
        return 0;
    }
    if (bu->unit_idx < 0 || bu->unit_idx >= _units) {
        return 0;
    }
    const Unit_Record &unit = _UNITS[bu->unit_idx];
    int32_t moves = _unit_type_table[unit.type].Move_Halves;
    for (int place = 0; place < NUM_ITEM_PLACES; place++) {
        const int16_t item = Battle_Unit_Hero_Item(bu->unit_idx, place);
        if (item < 0) {
            continue;
        }
        moves += _ITEMS[item].moves2;
        if (_ITEMS[item].Powers & ip_Endurance) {
            item_flag = 1;
        }
    }
    if (bu->Transport > 0) {
        int wind = 0;
        for (int p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
            if (_players[p].Globals[ge_Wind_Mastery] > 0) {
                wind += (p == unit.owner_idx) ? 1 : -1;
            }
        }
        if (wind > 0) {
            moves = moves * 3 / 2;
        } else if (wind < 0) {
            moves = moves / 2;
        }
    }
    const uint32_t enchantments = Battle_Unit_Enchantments(bu);
    if ((enchantments & UE_FLIGHT) && moves < 6) {
        moves = 6;
    }
    if ((unit.mutations & UM_CHAOS_CHANNELS_DEMON_WINGS) && moves < 4) {
        moves = 4;
    }
    if ((enchantments & UE_ENDURANCE) || item_flag == 1) {
        moves += 2;
    }
    if (bu->Curses & BUC_HASTE) {
        moves *= 2;
    }
    return (int16_t)(moves > 127 ? 127 : moves < 0 ? 0 : moves);
}

void Switch_Active_Battle_Unit(int16_t battle_unit_idx)
{
    if (_active_battle_unit >= 0 && _active_battle_unit < MAX_BATTLE_UNITS) {
        battle_units[_active_battle_unit].Switch_Word = 0;
    }
    _active_battle_unit = battle_unit_idx;
}
