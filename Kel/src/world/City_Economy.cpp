#include "world/City_Economy.h"

#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/Events_Record.h"
#include "world/Square_Queries.h"

const int16_t difficulty_modifiers_table[NUM_DIFFICULTIES][NUM_DIFFICULTY_MODIFIERS] = {
    {100, 100, 100, 100, 100, 100, 100, 100}, {100, 100, 125, 125, 125, 100, 125, 90},
    {150, 150, 150, 150, 150, 100, 150, 75},  {200, 200, 200, 200, 200, 110, 200, 60},
    {400, 400, 400, 400, 400, 150, 400, 30},
};
const int16_t tax_unrest_pct_table[NUM_TAX_RATES] = {0, 10, 20, 30, 45, 60, 75};
const int16_t city_enchantment_upkeep_table[26] = {2, 10, 0, 4, 2, 5, 3, 5, 25, 5, 5, 5, 5,
                                                   5, 1,  5, 8, 3, 2, 2, 5, 2,  8, 5, 5, 0};
const int16_t overland_enchantment_upkeep_table[24] = {15, 10, 40, 5,  5,  50, 200, 7,  10, 10, 40, 15,
                                                       20, 10, 40, 10, 10, 10, 3,   10, 5,  10, 3,  3};
const int16_t unit_enchantment_upkeep_table[32] = {2,  2, 0, 1, 1, 3, 10, 1, 1, 1, 5, 1, 5, 1, 1, 10,
                                                   10, 3, 1, 5, 2, 1, 2,  1, 2, 1, 4, 1, 5, 2, 2, 5};

namespace {

bool City_Valid(int city_idx) { return city_idx >= 0 && city_idx < NUM_CITIES; }
bool Enchanted(const City_Record &city, int enchantment) { return city.enchantments[enchantment] != 0; }
bool Stands(const City_Record &city, int building) { return City_Building_Stands(city, building); }

uint8_t Saturate_Byte(int32_t value) { return (uint8_t)(value < 0 ? 0 : value > 255 ? 255 : value); }

int16_t Event_State(int word) { return events_table != nullptr ? events_table->words[word] : 0; }

void Clamp_Farmers(City_Record &city)
{
    if (city.farmer_count > city.population) {
        city.farmer_count = city.population;
    }
}

}  // namespace

int16_t Difficulty_Modifier_Percent(int column)
{
    int row = _difficulty < 0 ? 0 : _difficulty >= NUM_DIFFICULTIES ? NUM_DIFFICULTIES - 1 : _difficulty;
    return difficulty_modifiers_table[row][column];
}

static int16_t Food_Of(int16_t city_idx, const City_Area_Yields &sums)
{
    if (_CITIES[city_idx].population == 0) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    int32_t terrain = City_Food_Terrain_Of(city_idx, sums);
    Clamp_Farmers(city);
    int32_t farm = city.farmer_count * ((city.race == rt_Halfling || Stands(city, bt_Healers_Grove)) ? 3 : 2);
    if (Stands(city, bt_Woodcraft_Guild)) {
        farm += 2;
    }
    if (Enchanted(city, ce_Famine)) {
        farm /= 2;
    }
    if (farm > terrain) {
        farm = terrain + (farm - terrain) / 2;
    }
    if (Stands(city, bt_Granary)) {
        farm += 2;
    }
    if (Stands(city, bt_Farm_Market)) {
        farm += 3;
    }
    return (int16_t)(farm + sums.wild_game);
}

int16_t City_Food_Production(int16_t city_idx)
{
    return City_Valid(city_idx) ? Food_Of(city_idx, City_Area_Yield_Sums(city_idx)) : 0;
}

// The rebel count may lower the farmers, so it is taken before the workers are counted; *rebels
// receives it for the gold that follows.
static int16_t Production_Of(int16_t city_idx, const City_Area_Yields &sums, int16_t *rebels_out)
{
    *rebels_out = 0;
    if (_CITIES[city_idx].population == 0) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    Clamp_Farmers(city);
    int32_t rebels = City_Rebel_Count(city_idx);
    *rebels_out = (int16_t)rebels;
    int32_t workers = city.population - city.farmer_count - rebels;
    if (workers < 0) {
        workers = 0;
    }
    int k = (city.race == rt_Dwarven || city.race == rt_Klackon) ? 6 : 4;
    int32_t base = (workers * k + city.farmer_count + 1) / 2;
    int32_t bonus = 100 + sums.production_bonus;
    bonus += Stands(city, bt_Woodcraft_Guild) ? 25 : 0;
    bonus += Stands(city, bt_Sawmill) ? 25 : 0;
    bonus += Stands(city, bt_Miners_Guild) ? 50 : 0;
    bonus += Stands(city, bt_Machine_Works) ? 50 : 0;
    bonus += Enchanted(city, ce_Inspirations) ? 100 : 0;
    int32_t result = base * bonus / 100;
    if (Enchanted(city, ce_Cursed_Lands)) {
        result = (result + 1) / 2;
    }
    return (int16_t)(result > 32767 ? 32767 : result);
}

int16_t City_Production_Production(int16_t city_idx)
{
    int16_t rebels = 0;
    return City_Valid(city_idx) ? Production_Of(city_idx, City_Area_Yield_Sums(city_idx), &rebels) : 0;
}

static int16_t Gold_Of(int16_t city_idx, const City_Area_Yields &sums, int16_t rebels)
{
    if (_CITIES[city_idx].population == 0) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    int32_t trade = Square_Gold_Bonus(city.wx, city.wy, city.wp) + City_Road_Trade_Bonus(city_idx);
    if (city.race == rt_Nomad) {
        trade += 50;
    }
    if (trade > city.population * 3) {
        trade = city.population * 3;
    }
    trade += Stands(city, bt_Trade_Guild) ? 100 : 0;
    trade += Stands(city, bt_Counting_House) ? 50 : 0;
    trade += Stands(city, bt_Market) ? 50 : 0;
    trade += Enchanted(city, ce_Prosperity) ? 100 : 0;

    int32_t citizens = city.population - rebels;
    int32_t taxes;
    if (city.owner_idx == CITY_OWNER_NEUTRAL) {
        taxes = citizens;
    } else {
        int owner = city.owner_idx >= 0 && city.owner_idx < NUM_PLAYERS ? city.owner_idx : 0;
        int tax = _players[owner].tax_rate;
        taxes = citizens * (tax < 0 ? 0 : tax) / 2;
    }
    if (city.race == rt_Dwarven) {
        taxes *= 2;
    }
    int32_t sum = taxes + sums.gold_income;
    int32_t gold = sum * (trade + 100) / 100;
    if (city.construction == bt_Trade_Goods) {
        gold += city.production_units / 2;
    }
    return (int16_t)(gold > 255 ? 255 : gold);
}

int16_t City_Gold_Production(int16_t city_idx)
{
    if (!City_Valid(city_idx) || _CITIES[city_idx].population == 0) {
        return 0;
    }
    return Gold_Of(city_idx, City_Area_Yield_Sums(city_idx), City_Rebel_Count(city_idx));
}

int16_t City_Gold_Mainanence(int16_t city_idx)
{
    if (!City_Valid(city_idx) || bldg_data_table == nullptr) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    int32_t upkeep = 0;
    for (int b = 0; b < NUM_BUILDINGS; b++) {
        if (Stands(city, b)) {
            int cost = bldg_data_table[b].maintenance_cost;
            upkeep += cost < 0 ? -cost : cost;
        }
    }
    return (int16_t)(upkeep > 32767 ? 32767 : upkeep);
}

int16_t City_Research_Production(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    if (city.population == 0 || city.owner_idx == CITY_OWNER_NEUTRAL) {
        return 0;
    }
    int research = 0;
    research += Stands(city, bt_Study_Hall) ? 2 : 0;
    research += Stands(city, bt_Lore_Hall) ? 3 : 0;
    research += Stands(city, bt_Academy) ? 5 : 0;
    research += Stands(city, bt_Mage_Guild) ? 8 : 0;
    return (int16_t)research;
}

static int16_t Mana_Of(int16_t city_idx, const City_Area_Yields &sums)
{
    const City_Record &city = _CITIES[city_idx];
    if (Event_State(ev_Mana_Short_State) == EVENT_STATE_LASTING || city.population == 0 ||
        city.owner_idx == CITY_OWNER_NEUTRAL || city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS) {
        return 0;
    }
    const Player_Record &wizard = _players[city.owner_idx];
    int32_t religious = 0;
    religious += Stands(city, bt_Shrine) ? 1 : 0;
    religious += Stands(city, bt_Temple) ? 2 : 0;
    religious += Stands(city, bt_Great_Temple) ? 3 : 0;
    religious += Stands(city, bt_Sanctum) ? 4 : 0;
    int32_t m = (wizard.retorts[rtr_Infernal_Power] || wizard.retorts[rtr_Divine_Power]) ? 150 : 100;
    if (Enchanted(city, ce_Dark_Rituals)) {
        m *= 2;
    }
    religious = religious * m / 100;
    int32_t mana = religious;
    mana += Stands(city, bt_Healers_Grove) ? 3 : 0;
    mana += Stands(city, bt_Mage_Guild) ? 3 : 0;
    if (city.race == rt_Dark_Elf) {
        mana += city.population;
    } else if (city.race == rt_High_Elf || city.race == rt_Beastmen || city.race == rt_Draconian) {
        mana += city.population / 2;
    }
    const Fortress_Record &fortress = _FORTRESSES[city.owner_idx];
    if (fortress.wx == city.wx && fortress.wy == city.wy && fortress.wp == city.wp) {
        for (int realm = 0; realm < 5; realm++) {
            mana += wizard.spellranks[realm];
        }
        if (city.wp == 1) {
            mana += 5;
        }
    }
    mana += sums.magic_power;
    bool good_moon = Event_State(ev_Good_Moon_State) == EVENT_STATE_LASTING;
    bool bad_moon = Event_State(ev_Bad_Moon_State) == EVENT_STATE_LASTING;
    bool life = wizard.spellranks[3] > 0;
    bool death = wizard.spellranks[4] > 0;
    if ((good_moon && death) || (bad_moon && life)) {
        mana -= religious / 2;
    }
    if (mana < 0) {
        mana = 0;
    }
    if ((good_moon && life) || (bad_moon && death)) {
        mana += religious;
    }
    return (int16_t)(mana > 32767 ? 32767 : mana);
}

int16_t City_Mana_Production(int16_t city_idx)
{
    return City_Valid(city_idx) ? Mana_Of(city_idx, City_Area_Yield_Sums(city_idx)) : 0;
}

void Do_City_Calculations(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    City_Area_Yields sums = City_Area_Yield_Sums(city_idx);
    int16_t rebels = 0;
    city.food_units = Saturate_Byte(Food_Of(city_idx, sums));
    city.production_units = Saturate_Byte(Production_Of(city_idx, sums, &rebels));
    city.gold_units = Saturate_Byte(Gold_Of(city_idx, sums, rebels));
    city.building_maintenance = Saturate_Byte(City_Gold_Mainanence(city_idx));
    city.research_units = Saturate_Byte(City_Research_Production(city_idx));
    city.mana_units = Saturate_Byte(Mana_Of(city_idx, sums));
    if (city.owner_idx == 0 || city.owner_idx == CITY_OWNER_NEUTRAL) {
        return;
    }
    city.food_units = Saturate_Byte(city.food_units * Difficulty_Modifier_Percent(dm_Food) / 100);
    city.production_units = Saturate_Byte(city.production_units * Difficulty_Modifier_Percent(dm_Production) / 100);
    city.mana_units = Saturate_Byte(city.mana_units * Difficulty_Modifier_Percent(dm_Mana) / 100);
    city.gold_units = Saturate_Byte(city.gold_units * Difficulty_Modifier_Percent(dm_Gold) / 100);
    city.research_units = Saturate_Byte(city.research_units * Difficulty_Modifier_Percent(dm_Research) / 100);
    city.building_maintenance = Saturate_Byte(city.building_maintenance * Difficulty_Modifier_Percent(dm_Upkeep) / 100);
}
