#include "turn/Treasury_Upkeep.h"

#include "overland/Unit_Enchantment_Removal.h"
#include "random.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int16_t NOBLE_GOLD = 10;
constexpr int NUM_MANA_MEASURES = 4;
constexpr int DEPENDANTS_MAX = 9;

int16_t Saturate16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }

int Unit_Scan_End(void) { return _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units; }

int City_Scan_End(void) { return _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities; }

const Unit_Type_Record &Type_Of(const Unit_Record &unit)
{
    return _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
}

bool Is_Summoned(const Unit_Record &unit) { return (Type_Of(unit).Abilities & UA_FANTASTIC) != 0; }

// A unit that may be disbanded for food or gold: no summoned creature, no hero, no carrier.
bool Plain_Unit_Of(const Unit_Record &unit, int player_idx)
{
    return unit.owner_idx == player_idx && !Is_Summoned(unit) && unit.type >= NUM_HERO_TYPES &&
           Type_Of(unit).Transport == 0;
}

int Mana_Divisor(int player_idx) { return _players[player_idx].retorts[rtr_Channeler] ? 2 : 1; }

// Kills the units that go down with a carrier, each lowering the amount owed by what cost(unit) gives.
template <typename Cost> void Kill_Dependants(int16_t player_idx, int16_t unit_idx, int32_t *owed, Cost cost)
{
    int16_t count = 0;
    int16_t list[DEPENDANTS_MAX + 1];
    UNIT_GetDependants__WIP(unit_idx, &count, list);
    for (int k = 0; k < count && k < DEPENDANTS_MAX; k++) {
        *owed -= cost(list[k]);
        Report_Unit_Lost(player_idx, _UNITS[list[k]].type, ulr_Drowned);
        Kill_Unit(list[k], kum_Plain);
    }
}

void Report_Unit_Enchantments_Lost(int16_t player_idx, uint8_t unit_type)
{
    if (player_idx == 0 && MSG_UEsLost_Count < REPORT_QUEUE_MAX) {
        MSG_UEsLost_Array[MSG_UEsLost_Count++] = unit_type;
    }
}

void Report_City_Enchantments_Lost(int16_t player_idx, uint8_t city_idx)
{
    if (player_idx == 0 && MSG_CEsLost_Count < REPORT_QUEUE_MAX) {
        MSG_CEsLost_Array[MSG_CEsLost_Count++] = city_idx;
    }
}

}  // namespace

void Update_Players_Gold_Reserve(void)
{
    int16_t normal_units[NUM_PLAYERS];
    Players_Normal_Units(normal_units);
    for (int16_t player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record &player = _players[player_idx];
        int32_t gold_income = 0;
        int32_t food_income = 0;
        for (int slot_idx = 0; slot_idx < NUM_HERO_SLOTS; slot_idx++) {
            int16_t unit_idx = player.Heroes[slot_idx].unit_idx;
            if (unit_idx < 0 || unit_idx >= Unit_Scan_End()) {
                continue;
            }
            const Unit_Record &hero = _UNITS[unit_idx];
            if (hero.type < NUM_HERO_TYPES && (_HEROES2[player_idx][hero.type].abilities & hab_Noble)) {
                gold_income += NOBLE_GOLD;
            }
        }
        for (int city_idx = 0; city_idx < City_Scan_End(); city_idx++) {
            const City_Record &city = _CITIES[city_idx];
            if (city.owner_idx != player_idx) {
                continue;
            }
            gold_income += city.gold_units - city.building_maintenance;
            int surplus = city.food_units - city.population;
            food_income += surplus < 0 ? 0 : surplus / 2;
        }
        food_income -= normal_units[player_idx] / 2;
        if (food_income < 0) {
            food_income = 0;
        }
        int32_t gold = player.gold_reserve + gold_income + food_income;
        player.gold_reserve = (int16_t)(gold > INCOME_RESERVE_CAP ? INCOME_RESERVE_CAP : gold < 0 ? 0 : gold);
    }
}

void Players_Apply_Upkeeps__WIP(void)
{
    int32_t food_surplus[NUM_PLAYERS] = {};
    for (int city_idx = 0; city_idx < City_Scan_End(); city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.owner_idx >= 0 && city.owner_idx < NUM_PLAYERS && city.food_units > city.population) {
            food_surplus[city.owner_idx] += city.food_units - city.population;
        }
    }
    for (int16_t player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record &player = _players[player_idx];
        int16_t food_needed = Player_Armies_Food_Upkeep(player_idx);
        if (player_idx == 0 && food_surplus[0] < food_needed) {
            WIZ_MatchFoodUpkeep__WIP(0, Saturate16(food_surplus[0]), food_needed);
        }
        int32_t gold_upkeep = Player_Armies_Gold_Upkeep(player_idx);
        if (player_idx == 0 && player.gold_reserve < gold_upkeep) {
            gold_upkeep = WIZ_MatchGoldUpkeep(0, (int16_t)gold_upkeep);
        }
        int32_t gold = player.gold_reserve - gold_upkeep;
        player.gold_reserve = (int16_t)(gold < 0 ? 0 : gold > 32767 ? 32767 : gold);
        int32_t mana_upkeep = Player_Armies_And_Enchantments_Mana_Upkeep(player_idx);
        if (player_idx == 0 && player.mana_reserve < mana_upkeep) {
            mana_upkeep = WIZ_MatchManaUpkeep__WIP(0, (int16_t)mana_upkeep);
        }
        int32_t mana = player.mana_reserve - mana_upkeep;
        player.mana_reserve = (int16_t)(mana < 0 ? 0 : mana > 32767 ? 32767 : mana);
    }
}

void WIZ_MatchFoodUpkeep__WIP(int16_t player_idx, int16_t food_available, int16_t food_needed)
{
    int32_t needed = food_needed;
    for (int16_t unit_idx = (int16_t)(Unit_Scan_End() - 1); unit_idx >= 0 && needed > food_available; unit_idx--) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (!Plain_Unit_Of(unit, player_idx)) {
            continue;
        }
        needed -= 1;
        Kill_Dependants(player_idx, unit_idx, &needed, [](int16_t dependant) {
            const Unit_Record &other = _UNITS[dependant];
            return (!Is_Summoned(other) && other.type >= NUM_HERO_TYPES) ? 1 : 0;
        });
        Report_Unit_Lost(player_idx, unit.type, ulr_Food);
        Kill_Unit(unit_idx, kum_Destroyed);
    }
}

int16_t WIZ_MatchGoldUpkeep(int16_t player_idx, int16_t upkeep)
{
    int32_t owed = upkeep;
    for (int16_t unit_idx = (int16_t)(Unit_Scan_End() - 1); unit_idx >= 0 && _players[player_idx].gold_reserve < owed;
         unit_idx--) {
        const Unit_Record &unit = _UNITS[unit_idx];
        int16_t cost = Unit_Gold_Upkeep(unit_idx);
        if (!Plain_Unit_Of(unit, player_idx) || cost <= 0) {
            continue;
        }
        owed -= cost;
        Kill_Dependants(player_idx, unit_idx, &owed, [](int16_t dependant) { return Unit_Gold_Upkeep(dependant); });
        Report_Unit_Lost(player_idx, unit.type, ulr_Gold);
        Kill_Unit(unit_idx, kum_Destroyed);
    }
    return Saturate16(owed);
}

int16_t WIZ_MatchManaUpkeep__WIP(int16_t player_idx, int16_t upkeep)
{
    bool used[NUM_MANA_MEASURES] = {};
    int used_count = 0;
    while (_players[player_idx].mana_reserve < upkeep && used_count < NUM_MANA_MEASURES) {
        int measure = RANDOM(NUM_MANA_MEASURES) - 1;
        while (used[measure]) {
            measure = (measure + 1) % NUM_MANA_MEASURES;
        }
        switch (measure) {
        case 0: upkeep = Remove_Unit_Enchantments_For_Upkeep(player_idx, upkeep); break;
        case 1: upkeep = Remove_City_Enchantments_For_Upkeep(player_idx, upkeep); break;
        case 2: upkeep = Remove_Overland_Enchantments_For_Upkeep(player_idx, upkeep); break;
        default: upkeep = WIZ_DisbandSummons(player_idx, upkeep); break;
        }
        used[measure] = true;
        used_count++;
    }
    return upkeep;
}

int16_t Remove_Unit_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep)
{
    int divisor = Mana_Divisor(player_idx);
    int32_t owed = upkeep;
    for (int16_t unit_idx = 0; unit_idx < Unit_Scan_End() && _players[player_idx].mana_reserve < owed; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx) {
            continue;
        }
        int32_t amount = Unit_Mana_Upkeep(unit_idx) / divisor;
        if (Is_Summoned(unit)) {
            amount -= Type_Of(unit).Upkeep / divisor;
        }
        if (amount > 0) {
            unit.enchantments = 0;
            Report_Unit_Enchantments_Lost(player_idx, unit.type);
            owed -= amount;
        }
    }
    return Saturate16(owed);
}

int16_t Remove_City_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep)
{
    int divisor = Mana_Divisor(player_idx);
    int32_t owed = upkeep;
    for (int16_t city_idx = 0; city_idx < City_Scan_End() && _players[player_idx].mana_reserve < owed; city_idx++) {
        int32_t amount = Player_City_Enchantments_Upkeep(city_idx, player_idx) / divisor;
        if (amount <= 0) {
            continue;
        }
        City_Record &city = _CITIES[city_idx];
        for (int k = 0; k < NUM_CITY_ENCHANTMENTS; k++) {
            if (city.enchantments[k] == player_idx + 1) {
                city.enchantments[k] = 0;
            }
        }
        Report_City_Enchantments_Lost(player_idx, (uint8_t)city_idx);
        owed -= amount;
    }
    return Saturate16(owed);
}

int16_t Remove_Overland_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep)
{
    int32_t amount = Player_Overland_Enchantments_Upkeep(player_idx) / Mana_Divisor(player_idx);
    if (amount <= 0) {
        return upkeep;
    }
    for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) {
        _players[player_idx].Globals[k] = 0;
    }
    if (player_idx == 0) {
        MSG_GEs_Lost = 1;
    }
    return Saturate16(upkeep - amount);
}

int16_t WIZ_DisbandSummons(int16_t player_idx, int16_t upkeep)
{
    int divisor = Mana_Divisor(player_idx);
    int32_t owed = upkeep;
    for (int16_t unit_idx = (int16_t)(Unit_Scan_End() - 1); unit_idx >= 0 && _players[player_idx].mana_reserve < owed;
         unit_idx--) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx || !Is_Summoned(unit)) {
            continue;
        }
        owed -= Unit_Mana_Upkeep(unit_idx) / divisor;
        Kill_Dependants(player_idx, unit_idx, &owed,
                        [divisor](int16_t dependant) { return Unit_Mana_Upkeep(dependant) / divisor; });
        Report_Unit_Lost(player_idx, unit.type, ulr_Mana);
        Kill_Unit(unit_idx, kum_Destroyed);
    }
    return Saturate16(owed);
}

int16_t Human_Gold_Upkeep_Shortfall__NIU(void)
{
    int32_t available = _players[0].gold_reserve;
    for (int city_idx = 0; city_idx < City_Scan_End(); city_idx++) {
        if (_CITIES[city_idx].owner_idx == 0) {
            available += _CITIES[city_idx].gold_units;
        }
    }
    int32_t shortfall = Player_Armies_Gold_Upkeep(0) - available;
    return Saturate16(shortfall > 0 ? shortfall : 0);
}

int16_t Human_Mana_Upkeep_Shortfall__NIU(void)
{
    Players_Update_Magic_Power();
    int32_t available = _players[0].mana_reserve + (int32_t)_players[0].Power_Base * _players[0].mana_ratio / 100;
    int32_t shortfall = Player_Armies_And_Enchantments_Mana_Upkeep(0) - available;
    return Saturate16(shortfall > 0 ? shortfall : 0);
}
