#include "magic/Enchantment_Effects.h"

#include <cstring>
#include <initializer_list>

#include "Geometry.h"
#include "ai/AI_Data.h"
#include "cities/City_Records.h"
#include "magic/Damage_Spells.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Effect_Support.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Terrain_Changes.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Units_By_Square.h"

namespace {

constexpr int16_t SPELL_CHAOS_RIFT_BOLT = 91;
constexpr int16_t CHAOS_RIFT_STRENGTH = 8;
constexpr int16_t CHAOS_RIFT_REPORT = 110;
constexpr int16_t SPELL_METEOR_STORM = 113;
constexpr int16_t SPELL_METEOR_STRIKE = 115;
constexpr int WASTING_TRIES = 50;
constexpr int CITY_KEEP_OUT = 2;

bool City_Ok(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities; }

bool Unit_Lives(int16_t unit_idx)
{
    return unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

bool Near_Holder_City(int16_t holder_idx, int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx == holder_idx && city.wp == wp &&
            Delta_XY_With_Wrap(wx, wy, city.wx, city.wy, WORLD_WIDTH) <= CITY_KEEP_OUT) {
            return true;
        }
    }
    return false;
}

// 4 to 6 squares, each the first of up to 50 random tries that the test accepts.
template <typename Valid, typename Change> void Strike_Random_Squares(int16_t holder_idx, Valid valid, Change change)
{
    const int squares = RANDOM(3) + 3;
    for (int s = 0; s < squares; s++) {
        for (int attempt = 0; attempt < WASTING_TRIES; attempt++) {
            const int16_t wx = (int16_t)(RANDOM(WORLD_WIDTH) - 1);
            const int16_t wy = (int16_t)(RANDOM(WORLD_HEIGHT) - 1);
            const int16_t wp = (int16_t)(RANDOM(NUM_PLANES) - 1);
            if (Near_Holder_City(holder_idx, wx, wy, wp) || !valid(wx, wy, wp)) continue;
            change(wx, wy, wp);
            break;
        }
    }
}

}  // namespace

void Apply_Consecration(int16_t city_idx)
{
    if (!City_Ok(city_idx)) return;
    City_Record &city = _CITIES[city_idx];
    for (int curse : {ce_Chaos_Rift, ce_Evil_Presence, ce_Cursed_Lands, ce_Famine, ce_Pestilence})
        city.enchantments[curse] = 0;
    Spell_For_Area(city.wx, city.wy, [&](int16_t wx, int16_t wy) { Square_Clear_Corruption(wx, wy, city.wp); });
}

void Apply_Stream_Of_Life(int16_t city_idx)
{
    if (!City_Ok(city_idx)) return;
    int16_t count = 0;
    int16_t list[ARMY_LIST_STACK_MAX];
    Army_At_City(city_idx, &count, list);
    for (int i = 0; i < count; i++) {
        Unit_Record &unit = _UNITS[list[i]];
        if (_unit_type_table[unit.type].race != rt_Death && !(unit.mutations & UM_UNDEAD)) unit.Damage = 0;
    }
}

void Apply_Chaos_Rift(int16_t city_idx)
{
    if (!City_Ok(city_idx)) return;
    const City_Record &city = _CITIES[city_idx];
    const int16_t owner = city.owner_idx;
    int16_t count = 0;
    int16_t list[ARMY_LIST_STACK_MAX];
    Army_At_City(city_idx, &count, list);
    int16_t before_count = count;
    int16_t before[ARMY_LIST_STACK_MAX];
    memcpy(before, list, sizeof before);
    int16_t item_count = 0;
    int16_t items[SPELL_FOUND_ITEMS_MAX];
    for (int bolt = 0; bolt < 5 && count > 0; bolt++) {
        const int16_t target = list[RANDOM(count) - 1];
        Cast_Attack_Spell_On_Enemy_Unit(target, SPELL_CHAOS_RIFT_BOLT, &item_count, items, CHAOS_RIFT_STRENGTH);
        Army_At_City(city_idx, &count, list);
    }
    Spell_Hand_Out_Items(owner, city.wx, city.wy, city.wp, &item_count, items);
    if (owner == HUMAN_PLAYER_IDX && count != before_count) {
        int k = 0;
        for (int i = 0; i < before_count; i++) {
            if (k < count && list[k] == before[i]) {
                k++;
                continue;
            }
            Spell_Report_Unit_Killed(owner, _UNITS[before[i]].type, city_idx, CHAOS_RIFT_REPORT);
        }
    }
    int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
    Apply_Damage_To_City(city_idx, 0, 5, lost);
    Spell_Report_Buildings_Lost(city_idx, owner, lost);
}

void Apply_Gaias_Blessing(int16_t city_idx)
{
    if (!City_Ok(city_idx)) return;
    const City_Record &city = _CITIES[city_idx];
    const int16_t wp = city.wp;
    Spell_For_Area(city.wx, city.wy, [&](int16_t wx, int16_t wy) {
        if (Square_Is_Desert(wx, wy, wp) && RANDOM(100) <= 10) Set_Terrain_Type_Grasslands(wx, wy, wp);
        if (Square_Is_Volcano(wx, wy, wp) && RANDOM(100) <= 10) Set_Terrain_Type_Hills(wx, wy, wp);
        if (Square_Has_Corruption(wx, wy, wp) && RANDOM(100) <= 20) Square_Clear_Corruption(wx, wy, wp);
    });
}

void Apply_Nightshade_Dispel(int16_t city_idx)
{
    if (!City_Ok(city_idx) || spell_data_table == nullptr) return;
    City_Record &city = _CITIES[city_idx];
    const int16_t nightshade = city.enchantments[ce_Nightshade];
    for (int e = 0; e < NUM_CITY_ENCHANTMENTS; e++) {
        const int16_t value = city.enchantments[e];
        if (value <= 0 || value == city.owner_idx + 1) continue;
        const int16_t spell = Get_Spell_For_City_Enchantment((int16_t)e);
        const Spell_Data_Record &record = spell_data_table[spell >= 0 && spell < NUM_SPELLS ? spell : 0];
        const int16_t owner = value - 1 < NUM_PLAYERS ? (int16_t)(value - 1) : (int16_t)-1;
        const int16_t difficulty = Calculate_Dispel_Difficulty(record.casting_cost, owner, record.magic_realm);
        if (RANDOM(250) <= Nightshade_Chance(nightshade, difficulty)) city.enchantments[e] = 0;
    }
}

void Apply_Meteor_Storm(int16_t player_idx)
{
    g_ai_recompute_needed = 1;
    static uint8_t sheltered[UNIT_TABLE_CAPACITY];
    memset(sheltered, 0, sizeof sheltered);
    static Units_By_Square by_square;
    Units_By_Square_Build(&by_square);
    for (int16_t c = 0; c < _cities; c++) {
        int16_t count = 0;
        int16_t list[ARMY_LIST_STACK_MAX];
        Army_At_City_By_Square(&by_square, c, &count, list);
        for (int i = 0; i < count; i++) sheltered[list[i]] = 1;
    }
    for (int16_t c = 0; c < _cities; c++) {
        if (_CITIES[c].owner_idx == player_idx) continue;
        if (Apply_Automatic_Spell_Counters(SPELL_METEOR_STORM, c, HUMAN_PLAYER_IDX, 0) == 0) continue;
        const int16_t owner = _CITIES[c].owner_idx;
        int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
        Apply_Damage_To_City(c, 0, 1, lost);
        Spell_Report_Buildings_Lost(c, owner, lost);
    }
    const int units = _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units;
    for (int16_t u = 0; u < units; u++) {
        if (sheltered[u] || !Unit_Lives(u)) continue;
        const Unit_Record &unit = _UNITS[u];
        const int16_t owner = unit.owner_idx, type = unit.type;
        const int16_t wx = unit.wx, wy = unit.wy, wp = unit.wp;
        int16_t item_count = 0;
        int16_t items[SPELL_FOUND_ITEMS_MAX];
        Cast_Attack_Spell_On_Enemy_Unit(u, SPELL_METEOR_STRIKE, &item_count, items, 0);
        if (!Unit_Lives(u)) Spell_Report_Unit_Killed(owner, type, NO_CITY_REPORTED, SPELL_METEOR_STORM);
        Spell_Hand_Out_Items(owner, wx, wy, wp, &item_count, items);
    }
}

void Apply_Great_Wasting(int16_t player_idx)
{
    g_ai_recompute_needed = 1;
    Strike_Random_Squares(
        player_idx,
        [](int16_t wx, int16_t wy, int16_t wp) {
            return !Square_Is_Sailable(wx, wy, wp) && !Square_Has_Corruption(wx, wy, wp);
        },
        [](int16_t wx, int16_t wy, int16_t wp) { _map_square_flags[World_Square_Index(wx, wy, wp)] |= sf_Corruption; });
}

void Apply_Armageddon(int16_t player_idx)
{
    g_ai_recompute_needed = 1;
    Strike_Random_Squares(
        player_idx,
        [](int16_t wx, int16_t wy, int16_t wp) {
            return !Square_Is_Node(wx, wy, wp) && !Square_Is_Sailable(wx, wy, wp) && !Square_Is_Volcano(wx, wy, wp) &&
                   !Square_Is_River(wx, wy, wp);
        },
        [player_idx](int16_t wx, int16_t wy, int16_t wp) {
            Set_Terrain_Type_Volcano_With_Owner(wx, wy, wp, player_idx);
        });
    Volcano_Counts();
}

void Call_Forth_The_Force_Of_Nature(int16_t caster_idx)
{
    Magic_Natures_Wrath_Scene(caster_idx);
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != caster_idx) continue;
        int16_t count = 0;
        int16_t list[ARMY_LIST_STACK_MAX];
        Army_At_City(c, &count, list);
        int16_t item_count = 0;
        int16_t items[SPELL_FOUND_ITEMS_MAX];
        for (int i = 0; i < count; i++) {
            const Unit_Type_Record &type = _unit_type_table[_UNITS[list[i]].type];
            if ((type.Move_Flags & MV_FLYING) || (type.Abilities & UA_NONCORPOREAL)) continue;
            if (RANDOM(100) <= 15) Spell_Kill_Unit(list[i], &item_count, items);
        }
        int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
        Apply_Damage_To_City(c, 0, 5, lost);
        Spell_Report_Buildings_Lost(c, caster_idx, lost);
        Spell_Hand_Out_Items(caster_idx, city.wx, city.wy, city.wp, &item_count, items);
    }
}
