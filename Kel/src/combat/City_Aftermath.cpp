#include "combat/City_Aftermath.h"

#include "STU_Log.h"
#include "cities/City_Records.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battlefield.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/City_Record_Operations.h"
#include "world/Map_Feature_Records.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t RAZE_NEVER = -200;
constexpr uint8_t LAIR_TYPE_RUINS = 9;
constexpr int FIRST_VALUED_BUILDING = 3;

bool City_Index_Valid(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }

int16_t Personality_Raze_Chance(const Player_Record &wizard, int16_t owner)
{
    switch (wizard.Personality) {
    case 0:  // Maniacal
        return 25;
    case 1:  // Ruthless
        return 10;
    case 4:  // Lawful
        return (owner >= 0 && owner < NUM_PLAYERS && wizard.Dipl_Broken_Treaty[owner] != 0) ? 25 : RAZE_NEVER;
    case 5:  // Peaceful
        return RAZE_NEVER;
    default:  // Aggressive, Chaotic
        return 0;
    }
}

int Unit_Type_Cost(int type) { return type >= 0 && type < NUM_UNIT_TYPES ? _unit_type_table[type].cost : 0; }

}  // namespace

int16_t Raze_Check(int16_t player_idx, int16_t city_idx)
{
    if (!City_Index_Valid(city_idx) || player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    const City_Record &city = _CITIES[city_idx];
    if (city.owner_idx == NEUTRAL_PLAYER_IDX) return 0;
    const Player_Record &wizard = _players[player_idx];
    int chance = Personality_Raze_Chance(wizard, city.owner_idx);
    int active = 0;
    for (int i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) {
        if (battle_units[i].Status == bus_Fighting) active++;
    }
    if (active < 3) chance += 10;
    int ours = 0, theirs = 0;
    if (_landmasses != nullptr) {
        const uint8_t land = _landmasses[World_Square_Index(city.wx, city.wy, city.wp)];
        for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.wp >= NUM_PLANES || unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT) continue;
            if (_landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)] != land) continue;
            if (unit.owner_idx == player_idx) ours++;
            if (unit.owner_idx == city.owner_idx) theirs++;
        }
    }
    if (theirs == 0) {
        chance -= 200;
    } else {
        chance += ours * 50 / theirs - 50;
    }
    if (wizard.Personality == 3 && chance < 10) chance = 10;
    return chance >= RANDOM(100) ? 1 : 0;
}

int16_t City_Gold(int16_t city_idx)
{
    if (!City_Index_Valid(city_idx)) return 0;
    const City_Record &city = _CITIES[city_idx];
    int32_t gold = 0;
    if (city.owner_idx == NEUTRAL_PLAYER_IDX) {
        for (int k = 0; k < city.population; k++) gold += RANDOM(10);
    } else if (city.owner_idx >= 0 && city.owner_idx < NUM_PLAYERS) {
        int32_t total = 0;
        for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
            if (_CITIES[c].owner_idx == city.owner_idx) total += _CITIES[c].population;
        }
        const int32_t treasury = _players[city.owner_idx].gold_reserve;
        if (total > 0 && treasury > 0) gold = treasury * city.population / total;
    }
    return (int16_t)(gold > 32767 ? 32767 : gold);
}

int16_t City_Building_Value(int16_t city_idx)
{
    if (!City_Index_Valid(city_idx) || bldg_data_table == nullptr) return 0;
    const City_Record &city = _CITIES[city_idx];
    int32_t value = 0;
    for (int b = FIRST_VALUED_BUILDING; b < NUM_BUILDINGS; b++) {
        if (city.bldg_status[b] >= 0) value += bldg_data_table[b].construction_cost / 10;
    }
    return (int16_t)(value > 32767 ? 32767 : value);
}

int16_t Rampage_Combat_City(void)
{
    const int16_t city_idx = _combat_environ_idx;
    int slot = -1;
    for (int l = 0; l < NUM_LAIRS && _LAIRS != nullptr; l++) {
        if (_LAIRS[l].Intact == 0) {
            slot = l;
            break;
        }
    }
    const int16_t roll = RANDOM(2);
    if (roll == 1 || slot < 0 || !City_Index_Valid(city_idx)) return RAMPAGE_NONE;
    const int16_t owner = _CITIES[city_idx].owner_idx;
    if (owner >= 0 && Player_Fortress_City(owner) == city_idx) return RAMPAGE_NONE;
    Change_City_Ownership(city_idx, NEUTRAL_PLAYER_IDX);
    Destroy_City(city_idx);
    // The two most costly kinds among the raiders, with their numbers.
    int first = -1, second = -1, first_count = 0, second_count = 0;
    for (int i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || bu.owner_idx != NEUTRAL_PLAYER_IDX) continue;
        bu.Status = bus_Dead;
        const int type = (bu.unit_idx >= 0 && bu.unit_idx < UNIT_TABLE_CAPACITY) ? _UNITS[bu.unit_idx].type : 0;
        if (type == first) {
            first_count++;
        } else if (type == second) {
            second_count++;
        } else if (first < 0) {
            first = type, first_count = 1;
        } else if (second < 0) {
            if (Unit_Type_Cost(type) >= Unit_Type_Cost(first)) {
                second = first, second_count = first_count;
                first = type, first_count = 1;
            } else {
                second = type, second_count = 1;
            }
        } else if (Unit_Type_Cost(type) > Unit_Type_Cost(first)) {
            second = first, second_count = first_count;
            first = type, first_count = 1;
        } else if (Unit_Type_Cost(type) > Unit_Type_Cost(second)) {
            second = type, second_count = 1;
        }
    }
    Lair_Record &lair = _LAIRS[slot];
    lair.guard1_unit_type = (uint8_t)(first < 0 ? 0 : first);
    lair.guard1_count = (uint8_t)((first_count > 15 ? 15 : first_count) * 17);
    lair.guard2_unit_type = (uint8_t)(second < 0 ? 0 : second);
    lair.guard2_count = (uint8_t)((second_count > 15 ? 15 : second_count) * 17);
    lair.wx = (uint8_t)_combat_wx;
    lair.wy = (uint8_t)_combat_wy;
    lair.wp = (uint8_t)_combat_wp;
    lair.Intact = 1;
    lair.type = LAIR_TYPE_RUINS;
    lair.Loot_Gold = combat_results_gold;
    lair.Loot_Mana = 0;
    lair.Spell_n_Special = 0;
    lair.Misc_Flags = 0;
    lair.Item_Count = 0;
    for (int16_t &value : lair.Item_Values) value = 0;
    STU_LOG(SEV_INFO, LC_COMBAT, "Rampage: raiders ruined city %d and hold it as lair %d", city_idx, slot);
    return RAMPAGE_RUINS;
}
