// Unit creation, compaction of the unit table and the movement allowance.
#include <cstring>

#include "STU_Log.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record_Operations.h"
#include "world/Square_Queries.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Type_Record.h"

const int16_t TBL_Experience[NUM_UNIT_LEVELS] = {0, 20, 60, 120, 200, 300, 450, 600, 1000};

static int Create_Unit_Refused(int16_t unit_type, int16_t owner_idx, int16_t source)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES || owner_idx < 0 || owner_idx >= NUM_PLAYERS) {
        return 1;
    }
    if (source >= NUM_CITIES && source < UNIT_SOURCE_UNCAPPED) {
        return 1;  // neither a city of the table nor a plain source
    }
    if (owner_idx != 0 && _units > UNIT_SOFT_CAP_COMPUTER && source != UNIT_SOURCE_UNCAPPED) {
        return 1;
    }
    if (source != UNIT_SOURCE_UNCAPPED && _units > UNIT_SOFT_CAP_ALL) {
        return 1;
    }
    // The hard cap holds whatever _units says: a negative or oversized count never reaches past the table.
    return _units < 0 || _units >= UNIT_MAX_IN_USE;
}

// A settling unit takes one of the city's people. An emptied city on a wizard's fortress square keeps
// its people and the unit is refused, whoever owns the city: building settlers never razes a capital.
// Returns 0 when the unit must be refused.
static int Settler_Takes_Population(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    if (city.population > 0) {
        city.population--;
    }
    if (city.population != 0) {
        return 1;
    }
    city.Pop_10s = 3;
    for (int player_idx = 0; player_idx < _num_players && player_idx < NUM_FORTRESSES; player_idx++) {
        const Fortress_Record &fortress = _FORTRESSES[player_idx];
        if (fortress.wx == city.wx && fortress.wy == city.wy && fortress.wp == city.wp) {
            city.population = 1;
            if (player_idx == 0) {
                STU_LOG(SEV_WARN, LC_GENERAL, "Create_Unit: settlers refused, they would empty the fortress city %d",
                        city_idx);
            }
            return 0;
        }
    }
    Destroy_City(city_idx);
    return 1;
}

int16_t Create_Unit(int16_t unit_type, int16_t owner_idx, int16_t wx, int16_t wy, int16_t wp, int16_t source)
{
    if (Create_Unit_Refused(unit_type, owner_idx, source)) {
        return 0;
    }
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    int16_t unit_idx = _units;
    Unit_Record &unit = _UNITS[unit_idx];
    memset(&unit, 0, sizeof(unit));
    unit.wx = (uint8_t)wx;
    unit.wy = (uint8_t)wy;
    unit.wp = (uint8_t)wp;
    unit.owner_idx = (int8_t)owner_idx;
    unit.moves2_max = type.Move_Halves;
    unit.type = (uint8_t)unit_type;
    unit.Hero_Slot = -1;
    unit.in_tower = 0;
    unit.Finished = 1;
    unit.moves2 = 0;
    unit.Sight_Range = type.Sight;
    unit.Rd_Constr_Left = -1;

    if (source == UNIT_SOURCE_PLAIN || source > 1999) {
        _units++;
        return 1;
    }
    if (source <= -2) {
        int level = -source - 1;
        if (level >= NUM_UNIT_LEVELS) {
            level = NUM_UNIT_LEVELS - 1;
        }
        unit.XP = TBL_Experience[level];
    } else {
        City_Record &city = _CITIES[source];
        if (City_Building_Stands(city, bt_Training_Yard)) {
            unit.XP = TBL_Experience[1];
        }
        if (City_Building_Stands(city, bt_War_Academy)) {
            unit.XP = TBL_Experience[2];
        }
        if (city.enchantments[ce_Altar_of_Battle] != 0) {
            unit.XP = TBL_Experience[3];
        }
        unit.mutations = (uint8_t)((unit.mutations & ~UM_WEAPON_MASK) | (City_Best_Weapon(source) & UM_WEAPON_MASK));
        if ((type.Abilities & UA_CREATEOUTPOST) && !Settler_Takes_Population(source)) {
            return 0;
        }
        if (_players[owner_idx].retorts[rtr_Alchemy] && (unit.mutations & UM_WEAPON_MASK) == 0) {
            unit.mutations |= 1;
        }
        if (_players[owner_idx].Globals[ge_Chaos_Surge] && !(type.Abilities & UA_FANTASTIC)) {
            Apply_Chaos_Channels(unit_idx);
        }
    }
    unit.Level = (int8_t)Calc_Unit_Level(unit_idx);
    _units++;
    return 1;
}

void Delete_Dead_Units(void)
{
    int i = 0;
    while (i < _units) {
        int8_t owner_idx = _UNITS[i].owner_idx;
        if (owner_idx >= 0 && owner_idx < NUM_PLAYERS) {
            i++;
            continue;
        }
        memmove(&_UNITS[i], &_UNITS[i + 1], (size_t)(_units - i - 1) * sizeof(Unit_Record));
        for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
            for (int slot = 0; slot < NUM_HERO_SLOTS; slot++) {
                if (_players[player_idx].Heroes[slot].unit_idx > i) {
                    _players[player_idx].Heroes[slot].unit_idx--;
                }
            }
        }
        _units--;
    }
}

int16_t Unit_Moves2(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    int item_moves = 0;
    uint32_t item_powers = 0;
    if (unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
        const Hero_Slot_Record &hero = _players[unit.owner_idx].Heroes[unit.Hero_Slot];
        for (int k = 0; k < NUM_ITEM_PLACES; k++) {
            int16_t item_idx = hero.Items[k];
            if (item_idx >= 0 && item_idx < NUM_ITEMS) {
                item_moves += _ITEMS[item_idx].moves2;
                item_powers |= _ITEMS[item_idx].Powers;
            }
        }
    }
    const Unit_Type_Record &type = _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
    int base = type.Move_Halves;
    if (base < 6 && ((unit.enchantments & UE_FLIGHT) || (item_powers & ip_Flight))) {
        base = 6;
    }
    if ((unit.mutations & UM_CHAOS_CHANNELS_DEMON_WINGS) && base < 4) {
        base = 4;
    }
    int moves = item_moves + base;
    if ((unit.enchantments & UE_ENDURANCE) || (item_powers & ip_Endurance)) {
        moves += 2;
    }
    if (type.Transport > 0) {
        int count = 0;
        for (int player_idx = 0; player_idx < _num_players && player_idx < NUM_PLAYERS; player_idx++) {
            if (_players[player_idx].Globals[ge_Wind_Mastery]) {
                count += (player_idx == unit.owner_idx) ? 1 : -1;
            }
        }
        if (count > 0) {
            moves = moves * 3 / 2;
        } else if (count < 0) {
            moves = moves / 2;
        }
    }
    return (int16_t)moves;
}

int16_t Unit_Is_Normal(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.mutations & UM_UNDEAD) {
        return 0;
    }
    return (_unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0].Abilities & UA_FANTASTIC) ? 0 : 1;
}
