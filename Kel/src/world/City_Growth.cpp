#include "world/City_Growth.h"

#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/Events_Record.h"
#include "world/Map_Square_Record.h"

Race_Growth_Modifiers race_growth_modifiers[NUM_RACES];

namespace {

bool Enchanted(const City_Record &city, int enchantment) { return city.enchantments[enchantment] != 0; }

const Race_Growth_Modifiers &Race_Of(const City_Record &city)
{
    return race_growth_modifiers[city.race < NUM_RACES ? city.race : 0];
}

}  // namespace

int16_t City_Growth_Rate(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    int32_t p = city.population;
    int32_t most = City_Maximum_Size(city_idx);
    if (p == 0 || p == most) {
        return 0;
    }
    if (most == 0) {
        return (int16_t)-p;
    }
    if (city.food_units < p) {
        return (int16_t)((city.food_units - p) * 5);
    }
    int32_t base = (most - p + 1) / 2 + Race_Of(city).growth;
    base += City_Building_Stands(city, bt_Granary) ? 2 : 0;
    base += City_Building_Stands(city, bt_Farm_Market) ? 3 : 0;
    if (p >= CITY_MAX_POPULATION) {
        base = 0;
    }
    if (Enchanted(city, ce_Stream_of_Life)) {
        base *= 2;
    }
    if (events_table != nullptr && events_table->words[ev_Population_Boom_State] != 0 &&
        events_table->words[ev_Population_Boom_City] == city_idx) {
        base *= 2;
    }
    int32_t bonus = Enchanted(city, ce_Dark_Rituals) ? -25 : 0;
    if (city.construction == bt_Housing) {
        if (p == 1) {
            bonus += 50;
        } else {
            bonus += (p - City_Rebel_Count(city_idx) - city.farmer_count) * 100 / p;
        }
        bonus += City_Building_Stands(city, bt_Sawmill) ? 10 : 0;
        bonus += City_Building_Stands(city, bt_Builders_Lodge) ? 15 : 0;
        if (p >= CITY_MAX_POPULATION) {
            bonus = 0;
        }
    }
    int32_t growth = base * (bonus + 100) / 100;
    if (city.owner_idx == CITY_OWNER_NEUTRAL) {
        growth = p < (_difficulty + 1) * 2 ? growth / 2 : 0;
    } else if (city.owner_idx >= 1 && city.owner_idx <= 4) {
        growth = growth * Difficulty_Modifier_Percent(dm_City_Growth) / 100;
    }
    return (int16_t)(growth < 0 ? 0 : growth > 32767 ? 32767 : growth);
}

void All_Outpost_Population_Growth(void)
{
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        City_Record &city = _CITIES[c];
        if (city.population != 0) {
            continue;
        }
        int32_t chance = City_Food_Terrain((int16_t)c) + Race_Of(city).outpost_growth;
        chance += Enchanted(city, ce_Gaias_Blessing) ? 20 : 0;
        chance += Enchanted(city, ce_Stream_of_Life) ? 10 : 0;
        int16_t xs[CITY_AREA_MAX_SQUARES];
        int16_t ys[CITY_AREA_MAX_SQUARES];
        int count = Get_Useable_City_Area(city.wx, city.wy, city.wp, xs, ys);
        for (int i = 0; i < count; i++) {
            int mineral = _map_square_terrain_specials[World_Square_Index(xs[i], ys[i], city.wp)] & ts_Mineral_Mask;
            if (mineral != 0) {
                chance += (mineral == ts_Iron_Ore || mineral == ts_Silver) ? 5 : 10;
            }
        }
        int loss = 5;
        loss += Enchanted(city, ce_Evil_Presence) ? 5 : 0;
        loss += Enchanted(city, ce_Pestilence) ? 10 : 0;
        loss += Enchanted(city, ce_Famine) ? 10 : 0;
        loss += Enchanted(city, ce_Chaos_Rift) ? 10 : 0;
        chance = Difficulty_Modifier_Percent(dm_Outpost_Growth) * chance / 100;
        if (RANDOM(100) <= chance) {
            city.Pop_10s = (int16_t)(city.Pop_10s + RANDOM(3));
        }
        if (RANDOM(100) <= loss) {
            city.Pop_10s = (int16_t)(city.Pop_10s - RANDOM(2));
        }
    }
}
