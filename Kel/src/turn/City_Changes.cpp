#include "turn/City_Changes.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "LBX_Load.h"
#include "STU_Log.h"
#include "ai/AI_City_Production.h"
#include "cities/City_Records.h"
#include "magic/Enchantment_Effects.h"
#include "random.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/Report_Queues.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/City_Growth.h"
#include "world/Player_Record.h"
#include "world/Spell_Ids.h"
#include "world/Terrain_Changes.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"

namespace {

constexpr int16_t CITY_POPULATION_MAX = 25;
constexpr int16_t NEUTRAL_POPULATION_MAX = 8;
constexpr int16_t CITY_SIZE_MAX = 5;
// Growth points an outpost needs above to become a hamlet.
constexpr int16_t OUTPOST_HAMLET_POINTS = 9;
// A unit is made only while the table holds at most this many.
constexpr int16_t UNITS_ROOM_FOR_ONE_MORE = 998;
constexpr int16_t SEERS_TOWER_REVEAL_RADIUS = 6;
constexpr int16_t MASTERY_RELATION_AMOUNT = 2;
constexpr int16_t GLOBAL_RELATION_AMOUNT = 10;
constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr int16_t MESSAGE_TOO_MANY_UNITS = 66;

// The spell of each global-enchantment slot that the other wizards react to.
constexpr int16_t Global_Slot_Spells[] = {197, 198, 188, 59,  57,  79,  80,  34,  40,  38,
                                          116, 117, 114, 113, 120, 157, 156, 158, 127, 154};

int16_t Saturate_I16(int32_t value)
{
    if (value > INT16_MAX) return INT16_MAX;
    if (value < INT16_MIN) return INT16_MIN;
    return (int16_t)value;
}

int16_t Size_Class(int16_t population)
{
    int16_t size = (int16_t)((population + 3) / 4);
    return size > CITY_SIZE_MAX ? CITY_SIZE_MAX : size;
}

bool Human_City(const City_Record &city) { return city.owner_idx == HUMAN_PLAYER_IDX; }

void Too_Many_Units_Warning(const City_Record &city)
{
    char name[sizeof(city.name) + 1] = {};
    std::memcpy(name, city.name, sizeof(city.name));
    if (Turn_Window_Shown() == 0) {
        STU_LOG(SEV_INFO, LC_GENERAL, "%s cannot build: too many units", name);
        return;
    }
    char record[MESSAGE_RECORD_SIZE + 1] = {};
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)record, MESSAGE_TOO_MANY_UNITS, 1, MESSAGE_RECORD_SIZE);
    char text[MESSAGE_RECORD_SIZE + 160];
    std::snprintf(text, sizeof(text), "%s%s. You must disband some units if you wish to build or summon any more.",
                  record, name);
    Turn_Warn(text);
}

void Grow(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    int16_t old_minimum = City_Minimum_Farmers(city_idx);
    int16_t old_farmers = city.farmer_count;
    city.population++;
    city.Pop_10s = 0;
    int32_t farmers = old_farmers + (City_Minimum_Farmers(city_idx) - old_minimum);
    if (farmers > city.population) {
        farmers = city.population;
    }
    city.farmer_count = (uint8_t)(farmers < 0 ? 0 : farmers);
    city.size = (uint8_t)Size_Class(city.population);
    if (city.owner_idx == CITY_OWNER_NEUTRAL && city.population > NEUTRAL_POPULATION_MAX) {
        city.population = NEUTRAL_POPULATION_MAX;
    }
    if (Human_City(city)) {
        Report_City_Growth(city_idx);
    }
}

void Shrink(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    if (city.population > 1) {
        city.population--;
        city.size = (uint8_t)Size_Class(city.population);
        if (Human_City(city)) {
            Report_City_Death(city_idx);
        }
        city.Pop_10s = Saturate_I16(city.Pop_10s + 100);
    } else {
        city.Pop_10s = 5;
    }
}

// 1 when the outpost was deserted and left the table.
int16_t Outpost_Changes(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    if (city.Pop_10s <= 0) {
        if (Human_City(city)) {
            char name[sizeof(city.name) + 1] = {};
            std::memcpy(name, city.name, sizeof(city.name));
            Report_Outpost_Lost(name);
        }
        Destroy_City(city_idx);
        return 1;
    }
    if (city.Pop_10s > OUTPOST_HAMLET_POINTS) {
        city.population = 1;
        city.size = 1;
        city.farmer_count = (uint8_t)City_Minimum_Farmers(city_idx);
        Do_City_Calculations(city_idx);
        if (Human_City(city)) {
            Report_City_Gained(city_idx);
        }
    }
    return 0;
}

void City_Enchantment_Effects(int16_t city_idx)
{
    if (_CITIES[city_idx].enchantments[ce_Consecration] != 0) {
        Apply_Consecration(city_idx);
    }
    if (_CITIES[city_idx].enchantments[ce_Stream_of_Life] != 0) {
        Apply_Stream_Of_Life(city_idx);
    }
    if (_CITIES[city_idx].enchantments[ce_Chaos_Rift] != 0) {
        Apply_Chaos_Rift(city_idx);
    }
    if (_CITIES[city_idx].enchantments[ce_Gaias_Blessing] != 0) {
        Apply_Gaias_Blessing(city_idx);
    }
    if (_CITIES[city_idx].enchantments[ce_Nightshade] != 0) {
        Apply_Nightshade_Dispel(city_idx);
    }
}

void Complete_Unit(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    bool human = Human_City(city);
    if (_units <= UNITS_ROOM_FOR_ONE_MORE) {
        if (Create_Unit((int16_t)(city.construction - PRODUCT_UNIT_BASE), city.owner_idx, city.wx, city.wy, city.wp,
                        city_idx) == 0) {
            // A unit that was not made is not paid for: the city keeps its product and what it gathered.
            // The human is told when the number of units stood in the way (settlers that would
            // empty a fortress city are refused for another reason).
            if (human && _units > UNIT_SOFT_CAP_ALL) Too_Many_Units_Warning(city);
            return;
        }
        Evict_Weakest_Unit((int16_t)(_units - 1));
        if (!human || grand_vizier == 1) {
            city.construction = PRODUCT_CANCELLED;
        }
    } else if (!human) {
        city.construction = PRODUCT_CANCELLED;
    } else {
        Too_Many_Units_Warning(city);
        city.construction = grand_vizier == 1 ? PRODUCT_CANCELLED : (int16_t)bt_Trade_Goods;
    }
    city.Prod_Accu = 0;
}

void Complete_Building(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    int16_t bldg_idx = city.construction;
    if (city.bldg_status[bldg_idx] < 0) {
        city.bldg_status[bldg_idx] = 1;
        int16_t replaced = bldg_data_table[bldg_idx].replace_bldg;
        if (replaced >= 0 && replaced < NUM_BUILDINGS) {
            city.bldg_status[replaced] = 0;
        }
    } else {
        city.bldg_status[bldg_idx]++;
    }
    bool human = Human_City(city);
    if (human && bldg_idx == bt_Seers_Tower) {
        Set_Square_Explored_Flags_Range(city.wx, city.wy, city.wp, SEERS_TOWER_REVEAL_RADIUS);
    }
    city.bldg_cnt++;
    city.Prod_Accu = 0;
    if (!human) {
        city.construction = PRODUCT_CANCELLED;
        return;
    }
    if (g_bldg_msg_ctr >= 0 && g_bldg_msg_ctr < MSG_BUILDING_COMPLETE_MAX) {
        MSG_Building_Complete[g_bldg_msg_ctr].city_idx = (uint8_t)city_idx;
        MSG_Building_Complete[g_bldg_msg_ctr].bldg_idx = bldg_idx;
        g_bldg_msg_ctr++;
    }
    city.construction = grand_vizier == 1 ? PRODUCT_CANCELLED : (int16_t)bt_Housing;
}

}  // namespace

void Apply_City_Changes(void)
{
    for (int16_t city_idx = 0; city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
        City_Record &city = _CITIES[city_idx];
        if (city.population > 0) {
            city.Pop_10s = Saturate_I16(city.Pop_10s + City_Growth_Rate(city_idx));
            if (city.Pop_10s > 99 && city.population < CITY_POPULATION_MAX) {
                Grow(city_idx);
            }
            if (city.Pop_10s < 0) {
                Shrink(city_idx);
            }
            if (city.enchantments[ce_Pestilence] != 0 && RANDOM(10) < city.population) {
                city.population--;
                if (Human_City(city)) {
                    Report_City_Death(city_idx);
                }
            }
            City_Apply_Production(city_idx);
        } else if (Outpost_Changes(city_idx) != 0) {
            // The later cities moved up one place: the next one now sits at this index.
            city_idx--;
            continue;
        }
        City_Enchantment_Effects(city_idx);
    }
    Volcano_Counts();
}

void City_Apply_Production(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities || city_idx >= NUM_CITIES) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int16_t cost = City_Current_Product_Cost(city_idx);
    if (city.population == 0) {
        return;
    }
    bool human = Human_City(city);
    int16_t product = city.construction;
    if (product >= PRODUCT_UNIT_BASE && product < PRODUCT_UNIT_BASE + NUM_UNIT_TYPES) {
        city.Prod_Accu = Saturate_I16(city.Prod_Accu + city.production_units);
        if (city.Prod_Accu >= cost) {
            Complete_Unit(city_idx);
        }
    } else if (product > bt_Housing && product < NUM_BUILDINGS && bldg_data_table != nullptr) {
        int16_t production = city.production_units;
        if (city.owner_idx == CITY_OWNER_NEUTRAL) {
            production /= 2;
        }
        city.Prod_Accu = Saturate_I16(city.Prod_Accu + production);
        if (city.Prod_Accu >= cost) {
            Complete_Building(city_idx);
        }
    } else if (!human) {
        city.construction = PRODUCT_CANCELLED;
    }
    if (human && city.construction == PRODUCT_CANCELLED && grand_vizier == 1) {
        Player_Colony_Autobuild_HP(city_idx);
    }
}

void Diplomacy_Growth_For_Enchantments(void)
{
    for (int16_t player_idx = 0; player_idx < _num_players && player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record &player = _players[player_idx];
        if (player.casting_spell_idx == 0) {
            player.casting_cost_original = 0;
        }
        if (player.casting_spell_idx == spl_Spell_Of_Mastery) {
            Change_Relations_For_Enchantments(player_idx, spl_Spell_Of_Mastery, MASTERY_RELATION_AMOUNT);
        }
        for (int16_t slot = 0; slot < (int16_t)(sizeof(Global_Slot_Spells) / sizeof(Global_Slot_Spells[0])); slot++) {
            if (_players[player_idx].Globals[slot] == 0) {
                continue;
            }
            if (slot == ge_Great_Wasting) {
                Apply_Great_Wasting(player_idx);
            } else if (slot == ge_Meteor_Storm) {
                Apply_Meteor_Storm(player_idx);
            } else if (slot == ge_Armageddon) {
                Apply_Armageddon(player_idx);
            }
            Change_Relations_For_Enchantments(player_idx, Global_Slot_Spells[slot], GLOBAL_RELATION_AMOUNT);
        }
    }
}
