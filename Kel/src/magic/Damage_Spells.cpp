#include "magic/Damage_Spells.h"

#include <cstring>

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "cities/City_Records.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Tables.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Effect_Support.h"
#include "magic/Spell_Rewards.h"
#include "random.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Units_By_Square.h"

namespace {

constexpr int16_t SPELL_BLACK_WIND = 187;
constexpr int16_t SPELL_CALL_THE_VOID = 119;
constexpr int16_t SPELL_EARTHQUAKE = 26;
constexpr int16_t SPELL_DEATH_WISH = 199;
constexpr int16_t SPELL_GREAT_UNSUMMONING = 75;
constexpr int16_t BAD_SPELL_REASON = 8;
constexpr int16_t TARGET_ENEMY_STACK = 3;
constexpr int16_t TARGET_ENEMY_CITY = 6;

// A battle image of the unit without the holy bonus of any battle.
void Load_Plain_Battle_Unit(int16_t unit_idx, Battle_Unit_Record *bu)
{
    int16_t holy[NUM_BATTLEFIELD_PLAYERS];
    memcpy(holy, _battlefield_holybonus, sizeof holy);
    memset(_battlefield_holybonus, 0, sizeof _battlefield_holybonus);
    memset(bu, 0, sizeof *bu);
    Load_Battle_Unit(unit_idx, bu);
    memcpy(_battlefield_holybonus, holy, sizeof holy);
}

int16_t Spell_Realm_Of(int16_t spell_idx)
{
    return spell_data_table != nullptr && spell_idx >= 0 && spell_idx < NUM_SPELLS
               ? spell_data_table[spell_idx].magic_realm
               : REALM_NONE;
}

bool Unit_Flies_Or_Is_Bodiless(int16_t unit_idx)
{
    const Unit_Type_Record &type = _unit_type_table[_UNITS[unit_idx].type];
    return (type.Move_Flags & MV_FLYING) != 0 || (type.Abilities & UA_NONCORPOREAL) != 0;
}

bool Live_Unit(int16_t unit_idx)
{
    return unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

// The world-wide strike of Death Wish and Great Unsummoning.
void World_Wide_Strike(int16_t caster_idx, int16_t spell_idx)
{
    g_ai_recompute_needed = 1;
    Magic_Global_Scene(caster_idx, spell_idx);
    static uint8_t exposed[UNIT_TABLE_CAPACITY];
    const int units = _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units;
    memset(exposed, 1, sizeof exposed);
    static Units_By_Square by_square;
    Units_By_Square_Build(&by_square);
    for (int16_t city = 0; city < _cities; city++) {
        if (Apply_Automatic_Spell_Counters(spell_idx, city, caster_idx, 0) != 0) continue;
        int16_t count = 0;
        int16_t list[ARMY_LIST_STACK_MAX];
        Army_At_City_By_Square(&by_square, city, &count, list);
        for (int i = 0; i < count; i++) exposed[list[i]] = 0;
    }
    Battle_Unit_Record bu;
    for (int16_t unit_idx = 0; unit_idx < units; unit_idx++) {
        if (!exposed[unit_idx] || !Live_Unit(unit_idx)) continue;
        const Unit_Record &unit = _UNITS[unit_idx];
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        const bool fantastic = (type.Abilities & UA_FANTASTIC) != 0;
        int16_t failed;
        if (spell_idx == SPELL_DEATH_WISH) {
            if (unit.owner_idx == caster_idx || fantastic) continue;
            Load_Plain_Battle_Unit(unit_idx, &bu);
            failed = Combat_Resistance_Check(0, REALM_DEATH, &bu);
        } else {
            if (!fantastic || (unit.enchantments & UE_SPELLLOCK)) continue;
            Load_Plain_Battle_Unit(unit_idx, &bu);
            failed = Combat_Resistance_Check(-3, REALM_SORCERY, &bu);
        }
        if (failed <= 0) continue;
        const int16_t owner = unit.owner_idx;
        const int16_t wx = unit.wx, wy = unit.wy, wp = unit.wp;
        int16_t item_count = 0;
        int16_t items[SPELL_FOUND_ITEMS_MAX];
        Spell_Kill_Unit(unit_idx, &item_count, items);
        Spell_Hand_Out_Items(owner, wx, wy, wp, &item_count, items);
    }
}

}  // namespace

void Cast_Attack_Spell_On_Enemy_Unit(int16_t unit_idx, int16_t spell_idx, int16_t *item_count, int16_t *items,
                                     int16_t strength)
{
    if (!Live_Unit(unit_idx)) return;
    g_ai_recompute_needed = 1;
    Battle_Unit_Record bu;
    Load_Plain_Battle_Unit(unit_idx, &bu);
    int16_t damage[NUM_DAMAGE_KINDS] = {};
    Compute_Battle_Unit_Damage_From_Spell(spell_idx, &bu, damage, strength);
    Unit_Record &unit = _UNITS[unit_idx];
    const uint32_t enchantments = unit.enchantments | bu.Item_Enchantments | bu.Combat_Enchantments;
    if ((enchantments & UE_REGENERATE) || (bu.Abilities & UA_REGENERATION)) damage[0] = 0;
    const int32_t hits = Battle_Unit_Hits_Divisor(&bu);
    const int32_t total = (int32_t)damage[0] + damage[1] + damage[2] + bu.Front_Figure_Damage;
    const int32_t figures_left = (int32_t)bu.Cur_Figures - total / hits;
    int32_t front = total % hits;
    if (figures_left <= 0) {
        Spell_Kill_Unit(unit_idx, item_count, items);
        return;
    }
    if (front < 0) front = 0;
    const int32_t taken = ((int32_t)bu.Max_Figures - figures_left) * hits + front;
    unit.Damage = (int8_t)(taken > INT8_MAX ? INT8_MAX : taken < 0 ? 0 : taken);
}

void Cast_Attack_Spell_On_Enemy_Stack(int16_t unit_idx, int16_t spell_idx)
{
    if (!Live_Unit(unit_idx)) return;
    const Unit_Record &first = _UNITS[unit_idx];
    const int16_t owner = first.owner_idx;
    const int16_t wx = first.wx, wy = first.wy, wp = first.wp;
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    int16_t item_count = 0;
    int16_t items[SPELL_FOUND_ITEMS_MAX];
    for (int i = 0; i < count; i++) Cast_Attack_Spell_On_Enemy_Unit(list[i], spell_idx, &item_count, items, 0);
    Spell_Hand_Out_Items(owner, wx, wy, wp, &item_count, items);
}

void Apply_Black_Wind(int16_t wx, int16_t wy, int16_t wp, int16_t spell_idx)
{
    g_ai_recompute_needed = 1;
    const int16_t modifier = spell_idx == SPELL_BLACK_WIND ? -1 : 0;
    const int16_t realm = Spell_Realm_Of(spell_idx);
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    int16_t item_count = 0;
    int16_t items[SPELL_FOUND_ITEMS_MAX];
    int16_t last_owner = -1;
    Battle_Unit_Record bu;
    for (int i = 0; i < count; i++) {
        const int16_t unit_idx = list[i];
        if (!Live_Unit(unit_idx)) continue;
        Unit_Record &unit = _UNITS[unit_idx];
        last_owner = unit.owner_idx;
        Load_Plain_Battle_Unit(unit_idx, &bu);
        const int32_t hits = Battle_Unit_Hits_Divisor(&bu);
        int32_t damage = 0;
        for (int figure = 0; figure < bu.Cur_Figures; figure++) {
            if (Combat_Resistance_Check(modifier, realm, &bu) > 0) damage += hits;
        }
        if (damage == 0) continue;
        const int32_t carried = (int32_t)bu.Front_Figure_Damage + damage;
        if (carried / hits >= bu.Cur_Figures) {
            Spell_Kill_Unit(unit_idx, &item_count, items);
            continue;
        }
        const int32_t taken = unit.Damage + damage;
        unit.Damage = (int8_t)(taken > INT8_MAX ? INT8_MAX : taken);
    }
    Spell_Hand_Out_Items(last_owner, wx, wy, wp, &item_count, items);
}

int16_t Apply_Call_The_Void(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities) return 0;
    g_ai_recompute_needed = 1;
    City_Record &city = _CITIES[city_idx];
    Spell_For_Area(city.wx, city.wy, [&](int16_t wx, int16_t wy) {
        if (RANDOM(2) == 1 && !Square_Is_Sailable(wx, wy, city.wp)) {
            _map_square_flags[World_Square_Index(wx, wy, city.wp)] |= sf_Corruption;
        }
    });
    int16_t count = 0;
    int16_t list[ARMY_LIST_STACK_MAX];
    Army_At_City(city_idx, &count, list);
    if (count > 0) Cast_Attack_Spell_On_Enemy_Stack(list[0], SPELL_CALL_THE_VOID);
    int16_t loss = 0;
    for (int draw = 1; draw < city.population; draw++) {
        if (RANDOM(2) == 1) loss++;
    }
    const int16_t owner = city.owner_idx;
    int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
    Apply_Damage_To_City(city_idx, loss, 50, lost);
    return Spell_Report_Buildings_Lost(city_idx, owner, lost);
}

int16_t Apply_Earthquake(int16_t city_idx, int16_t *item_count, int16_t *items)
{
    if (city_idx < 0 || city_idx >= _cities) return 0;
    g_ai_recompute_needed = 1;
    int16_t count = 0;
    int16_t list[ARMY_LIST_STACK_MAX];
    Army_At_City(city_idx, &count, list);
    for (int i = 0; i < count; i++) {
        if (Unit_Flies_Or_Is_Bodiless(list[i])) continue;
        if (RANDOM(4) == 1) Spell_Kill_Unit(list[i], item_count, items);
    }
    const int16_t owner = _CITIES[city_idx].owner_idx;
    int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
    Apply_Damage_To_City(city_idx, 0, 15, lost);
    return Spell_Report_Buildings_Lost(city_idx, owner, lost);
}

int16_t Cast_Black_Wind(int16_t caster_idx)
{
    int16_t wx = -1, wy = -1, wp = -1;
    int16_t picked_unit = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        result = Magic_Spell_Target(TARGET_ENEMY_STACK, &wx, &wy, &wp, SPELL_BLACK_WIND);
        if (result != 1 || !Live_Unit(wx)) return result == 1 ? 0 : result;
        picked_unit = wx;
        const Unit_Record &unit = _UNITS[picked_unit];
        wx = unit.wx;
        wy = unit.wy;
        wp = unit.wp;
    } else {
        result = Get_Map_Square_Target_For_Spell(TARGET_ENEMY_STACK, &wx, &wy, &wp, SPELL_BLACK_WIND, caster_idx);
        if (result != 1) return result;
    }
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    if (picked_unit < 0 && count > 0) picked_unit = list[0];
    const int16_t stack_owner = picked_unit >= 0 ? _UNITS[picked_unit].owner_idx : -1;
    for (int16_t city = 0; city < _cities; city++) {
        const City_Record &c = _CITIES[city];
        if (c.wx != wx || c.wy != wy || c.wp != wp) continue;
        const int16_t messages = !(c.owner_idx != HUMAN_PLAYER_IDX && caster_idx != HUMAN_PLAYER_IDX);
        if (Apply_Automatic_Spell_Counters(SPELL_BLACK_WIND, city, caster_idx, messages) == 0) return 1;
    }
    if (caster_idx == HUMAN_PLAYER_IDX || stack_owner == HUMAN_PLAYER_IDX || Check_Square_Scouted(wx, wy, wp)) {
        Magic_Square_Scene(SPELL_BLACK_WIND, wx, wy, wp, 0, nullptr);
    }
    Apply_Black_Wind(wx, wy, wp, SPELL_BLACK_WIND);
    if (stack_owner >= 0) Change_Relations(-3, caster_idx, stack_owner, BAD_SPELL_REASON, 0, picked_unit);
    return 1;
}

int16_t Cast_Call_The_Void(int16_t caster_idx)
{
    int16_t city_idx = -1, wy = -1, wp = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        result = Magic_Spell_Target(TARGET_ENEMY_CITY, &city_idx, &wy, &wp, SPELL_CALL_THE_VOID);
    } else {
        result = AITP_City_Enchantment(TARGET_ENEMY_CITY, &city_idx, SPELL_CALL_THE_VOID, caster_idx);
    }
    if (result != 1) return result;
    if (city_idx < 0 || city_idx >= _cities) return 0;
    if (Apply_Automatic_Spell_Counters(SPELL_CALL_THE_VOID, city_idx, caster_idx, 1) == 0) return 1;
    const City_Record &city = _CITIES[city_idx];
    if (caster_idx == HUMAN_PLAYER_IDX || city.owner_idx == HUMAN_PLAYER_IDX ||
        Check_Square_Explored(city.wx, city.wy, city.wp)) {
        Magic_Square_Scene(SPELL_CALL_THE_VOID, city.wx, city.wy, city.wp, 0, nullptr);
    }
    Apply_Call_The_Void(city_idx);
    Magic_Redraw_Main(-1, -1, -1);
    Change_Relations_For_Bad_City_Spell(caster_idx, SPELL_CALL_THE_VOID, city_idx);
    return 1;
}

int16_t Cast_Earthquake(int16_t caster_idx)
{
    int16_t city_idx = -1, wy = -1, wp = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        result = Magic_Spell_Target(TARGET_ENEMY_CITY, &city_idx, &wy, &wp, SPELL_EARTHQUAKE);
    } else {
        result = AITP_City_Enchantment(TARGET_ENEMY_CITY, &city_idx, SPELL_EARTHQUAKE, caster_idx);
    }
    if (result != 1) return result;
    if (city_idx < 0 || city_idx >= _cities) return 0;
    City_Record &city = _CITIES[city_idx];
    const int16_t wx = city.wx, cy = city.wy, cp = city.wp;
    const bool shown =
        caster_idx == HUMAN_PLAYER_IDX || city.owner_idx == HUMAN_PLAYER_IDX || Spell_Watched(wx, cy, cp);
    if (shown) Magic_City_Scene(1, city_idx, SPELL_EARTHQUAKE, caster_idx);
    const uint8_t population = city.population;
    int16_t item_count = 0;
    int16_t items[SPELL_FOUND_ITEMS_MAX];
    Apply_Earthquake(city_idx, &item_count, items);
    city.population = population;
    if (shown) Magic_City_Scene(2, city_idx, SPELL_EARTHQUAKE, caster_idx);
    Change_Relations_For_Bad_City_Spell(caster_idx, SPELL_EARTHQUAKE, city_idx);
    Spell_Hand_Out_Items(caster_idx, wx, cy, cp, &item_count, items);
    return 1;
}

void Cast_Death_Wish(int16_t caster_idx) { World_Wide_Strike(caster_idx, SPELL_DEATH_WISH); }

void Cast_Great_Unsummoning(int16_t caster_idx) { World_Wide_Strike(caster_idx, SPELL_GREAT_UNSUMMONING); }
