#include "ai/AI_Evaluation.h"

#include "STU_Wrappers.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "random.h"
#include "turn/Unit_Strength.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Movement_Modes.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Type_Record.h"

const int16_t TBL_AI_PRS_War_Mod[6] = {40, 20, 10, 10, -40, -20};

constexpr int16_t SPELL_OF_MASTERY = 213;
constexpr int16_t SPELL_90 = 90;
constexpr int PERSONALITY_MANIACAL = 0;
constexpr int PERSONALITY_RUTHLESS = 1;
constexpr int PERSONALITY_AGGRESSIVE = 2;
constexpr int PERSONALITY_LAWFUL = 4;

int32_t AI_War_Chance(int16_t player_idx, int16_t j)
{
    const Player_Record &wizard = _players[player_idx];
    const int32_t relation = wizard.Dipl_Relation[j];
    int32_t chance = relation < 0 ? -relation / 2 + 50 : (100 - relation) / 4;
    if (wizard.Personality == PERSONALITY_LAWFUL && wizard.Dipl_Goodwill[j] < 0) {
        chance -= TBL_AI_PRS_War_Mod[PERSONALITY_LAWFUL];
    } else if (wizard.Personality >= 0 && wizard.Personality < 6) {
        chance += TBL_AI_PRS_War_Mod[wizard.Personality];
    }
    chance += wizard.Dipl_Goodwill[j];
    if (_players[j].casting_spell_idx == SPELL_OF_MASTERY) chance += 50;
    return chance;
}

void AI_Evaluate_Hostility(int16_t player_idx)
{
    if (_turn < 100 || player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    Player_Record &wizard = _players[player_idx];
    wizard.Reevaluate_Hostility_Countdown--;
    if (wizard.Reevaluate_Hostility_Countdown > 0) return;
    wizard.Reevaluate_Hostility_Countdown = (int16_t)(RANDOM(10) + 15);
    for (int16_t j = 0; j < _num_players && j < NUM_PLAYERS; j++) {
        wizard.Hostility[j] = 0;
        if (j == player_idx || wizard.Dipl_Contacted[j] != 1) continue;
        if (wizard.Dipl_Treaty[j] == 3 || wizard.casting_spell_idx == SPELL_90) {
            wizard.Hostility[j] = 3;
            switch (wizard.Personality) {
            case PERSONALITY_MANIACAL:
                if (RANDOM(10) <= 4) wizard.Hostility[j] = 4;
                break;
            case PERSONALITY_RUTHLESS:
                if (RANDOM(10) <= 2) wizard.Hostility[j] = 4;
                break;
            case PERSONALITY_AGGRESSIVE: break;
            default:
                if (RANDOM(10) == 1) wizard.Hostility[j] = 4;
                break;
            }
            continue;
        }
        const int16_t j_casts_mastery = _players[j].casting_spell_idx == SPELL_OF_MASTERY;
        if ((wizard.Dipl_Treaty[j] == 2 || wizard.Dipl_Treaty[j] == 1 || wizard.peace_duration[j] != 0) &&
            !j_casts_mastery) {
            continue;
        }
        const int32_t chance = AI_War_Chance(player_idx, j);
        if (RANDOM(100) < chance) {
            wizard.Hostility[j] = 2;
            if (RANDOM(100) < chance && RANDOM(100) < chance) wizard.Hostility[j] = 3;
        }
    }
}

void AI_Evaluate_Magic_Power_Strategy(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    Player_Record &wizard = _players[player_idx];
    wizard.Reevaluate_Magic_Strategy_Countdown--;
    if (wizard.Reevaluate_Magic_Strategy_Countdown > 0) return;
    wizard.Reevaluate_Magic_Strategy_Countdown = (int16_t)(RANDOM(10) + 15);
    int16_t strategy = 1;
    for (int j = 0; j < NUM_PLAYERS; j++) {
        if (wizard.Hostility[j] >= 3) strategy = 4;
    }
    if (Player_Knows_Spell(player_idx, 58) || Player_Knows_Spell(player_idx, 171) ||
        Player_Knows_Spell(player_idx, 191)) {
        if (_players[HUMAN_PLAYER_IDX].casting_spell_idx == SPELL_OF_MASTERY) strategy = 5;
        const int16_t own = wizard.casting_spell_idx;
        const int16_t own_cost = (own > 0 && own < NUM_SPELLS) ? spell_data_table[own].casting_cost : (int16_t)0;
        if (wizard.Hostility[HUMAN_PLAYER_IDX] == 2 && own_cost >= spell_data_table[191].casting_cost) strategy = 5;
    }
    wizard.Magic_Strategy = strategy;
}

static int16_t City_On_Fortress(const City_Record &city, int16_t owner)
{
    if (owner < 0 || owner >= NUM_PLAYERS) return 0;
    const Fortress_Record &fortress = _FORTRESSES[owner];
    return fortress.wx == city.wx && fortress.wy == city.wy && fortress.wp == city.wp;
}

static int32_t City_Base_Value(const City_Record &city)
{
    int32_t value = city.population;
    if (city.race == 1 || city.race == 2 || city.race == 3 || city.race == 4 || city.race == 14) value *= 2;
    return value + 2 * city.bldg_cnt;
}

// The player regards the owner as a target: the neutral player, or hostile without a running peace.
static int16_t Owner_Is_Target(const Player_Record &wizard, int16_t owner)
{
    if (owner == NEUTRAL_PLAYER_IDX) return 1;
    if (owner < 0 || owner >= NUM_PLAYERS) return 0;
    return wizard.Hostility[owner] >= 2 && wizard.peace_duration[owner] == 0;
}

static void Add_Saturated(int16_t &sum, int32_t value) { sum = AI_Saturate((int32_t)sum + value); }

static void City_Values(int16_t player_idx)
{
    const Player_Record &wizard = _players[player_idx];
    // Where the game reads an owner it never set, a city slot drawn from the unset-value source.
    int16_t human_draw = 0;
    if (_cities > 0) {
        const int16_t slot = Stack_Garbage_Range(0, (int16_t)(_cities - 1));
        human_draw = (slot >= 0 && slot < _cities && _CITIES[slot].owner_idx == HUMAN_PLAYER_IDX);
    }
    for (int16_t j = 0; j < _cities && j < AI_CITY_SLOTS; j++) {
        _ai_all_own_city_values[j] = 0;
        _ai_all_enemy_city_values[j] = 0;
        _ai_all_own_garrison_strengths[j] = 0;
        _ai_all_enemy_garrison_strengths[j] = 0;
        const City_Record &city = _CITIES[j];
        const int16_t owner = city.owner_idx;
        if (owner == player_idx) {
            int32_t value = City_Base_Value(city);
            if (City_On_Fortress(city, player_idx)) value += 2 * _turn;
            _ai_all_own_city_values[j] = AI_Saturate(value);
        } else if (Owner_Is_Target(wizard, owner)) {
            int32_t value = City_Base_Value(city);
            if (owner != NEUTRAL_PLAYER_IDX && City_On_Fortress(city, owner)) value += 200;
            if (human_draw) value *= 2;
            _ai_all_enemy_city_values[j] = AI_Saturate(value);
        }
    }
}

static int16_t Unit_Type_Of(int16_t unit_idx)
{
    const int16_t type = _UNITS[unit_idx].type;
    return type < NUM_UNIT_TYPES ? type : (int16_t)0;
}

static void Add_Own_Unit(int16_t unit_idx, int32_t t)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = _unit_type_table[Unit_Type_Of(unit_idx)];
    const int16_t air = Unit_Has_AirTravel(unit_idx);
    const int16_t water = Unit_Has_WaterTravel(unit_idx);
    const int16_t wind = Unit_Has_WindWalking(unit_idx);
    int16_t k = 0;
    while (k < _ai_all_own_stack_count &&
           !(_ai_all_own_stacks[k].wx == unit.wx && _ai_all_own_stacks[k].wy == unit.wy &&
             _ai_all_own_stacks[k].wp == unit.wp)) {
        k++;
    }
    AI_Own_Stack &stack = _ai_all_own_stacks[k];
    if (k == _ai_all_own_stack_count) {
        _ai_all_own_stack_count++;
        stack.wx = unit.wx;
        stack.wy = unit.wy;
        stack.wp = unit.wp;
        stack.flags = AI_STACK_CROSSES_WATER;
        stack.strength = 0;
        stack.capacity = 0;
        stack.unit_count = 1;
        stack.landmass_idx = _landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)];
        stack.order = unit.Status;
    } else {
        stack.unit_count++;
    }
    int32_t capacity = stack.capacity;
    if (type.Transport > 0) {
        capacity += type.Transport;
        stack.flags |= AI_STACK_TRANSPORT;
        t = 0;
    } else if (!water && !air) {
        capacity -= 1;
    }
    if (type.Construction > 0) {
        stack.flags |= AI_STACK_ROAD_BUILDER;
        t = 0;
    }
    if (type.Abilities & UA_PURIFY) stack.flags |= AI_STACK_PURIFIER;
    if (type.Abilities & UA_CREATEOUTPOST) {
        stack.flags |= AI_STACK_SETTLER;
        t = 0;
    }
    if (!air && !water) stack.flags &= (uint8_t)~AI_STACK_CROSSES_WATER;
    if (wind) {
        stack.flags |= AI_STACK_WIND_WALKER;
        capacity = 8;
    }
    stack.capacity = (int8_t)(capacity > 127 ? 127 : capacity < -128 ? -128 : capacity);
    if (unit.type < 40) {
        stack.flags |= AI_STACK_HERO_OR_LOW_TYPE;
        t = t * 2 / 3;
    }
    if (type.Abilities & UA_MELD) stack.flags |= AI_STACK_MELDER;
    Add_Saturated(stack.strength, t);
    if (unit.Status == us_BuildRoad) {
        stack.order = us_BuildRoad;
    } else if (unit.Status == us_GOTO && stack.order != us_BuildRoad) {
        stack.order = us_GOTO;
    }
    for (int16_t j = 0; j < _cities && j < AI_CITY_SLOTS; j++) {
        const City_Record &city = _CITIES[j];
        if (city.wx == unit.wx && city.wy == unit.wy && city.wp == unit.wp) {
            Add_Saturated(_ai_all_own_garrison_strengths[j], t);
        }
    }
}

static void Add_Other_Unit(int16_t unit_idx, int32_t t)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = _unit_type_table[Unit_Type_Of(unit_idx)];
    int16_t on_city = 0;
    for (int16_t j = 0; j < _cities; j++) {
        if (_CITIES[j].wx == unit.wx && _CITIES[j].wy == unit.wy && _CITIES[j].wp == unit.wp) on_city = 1;
    }
    if (type.Transport > 0 || (type.Abilities & UA_CREATEOUTPOST) || type.Construction > 0) t = 0;
    if (!on_city) {
        int16_t k = 0;
        while (k < _ai_all_enemy_stack_count &&
               !(_ai_all_enemy_stacks[k].wx == unit.wx && _ai_all_enemy_stacks[k].wy == unit.wy &&
                 _ai_all_enemy_stacks[k].wp == unit.wp)) {
            k++;
        }
        AI_Enemy_Stack &stack = _ai_all_enemy_stacks[k];
        if (k == _ai_all_enemy_stack_count) {
            _ai_all_enemy_stack_count++;
            stack.wx = unit.wx;
            stack.wy = unit.wy;
            stack.wp = unit.wp;
            stack.spare = 0;
            stack.strength = 0;
        }
        Add_Saturated(stack.strength, t);
    }
    for (int16_t j = 0; j < _cities && j < AI_CITY_SLOTS; j++) {
        const City_Record &city = _CITIES[j];
        if (city.wp != unit.wp) continue;
        const int dx = city.wx - unit.wx;
        const int dy = city.wy - unit.wy;
        if (dx == 0 && dy == 0) {
            Add_Saturated(_ai_all_enemy_garrison_strengths[j], t);
        } else if (dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) {
            Add_Saturated(_ai_all_enemy_garrison_strengths[j], t / 2);
        }
    }
}

void AI_Player_Calculate_Target_Values(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    const Player_Record &wizard = _players[player_idx];
    City_Values(player_idx);
    _ai_all_own_stack_count = 0;
    _ai_all_enemy_stack_count = 0;
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT || unit.wp >= NUM_PLANES) continue;
        const int32_t t = Effective_Unit_Strength(k);
        if (unit.owner_idx == player_idx) {
            if (_ai_all_own_stack_count < AI_OWN_STACKS_MAX) Add_Own_Unit(k, t);
        } else if (_ai_all_enemy_stack_count < AI_ENEMY_STACKS_MAX) {
            Add_Other_Unit(k, t);
        }
    }
    // What this doubling is meant to cover is not known; it keeps its saturated 16-bit range.
    if (_cities > 0) {
        const int16_t last_owner = _CITIES[_cities - 1].owner_idx;
        if (last_owner >= 0 && last_owner < NUM_PLAYERS && wizard.Hostility[last_owner] == 2) {
            for (int16_t l = 0; l < _ai_all_enemy_stack_count && l < AI_CITY_SLOTS; l++) {
                Add_Saturated(_ai_all_enemy_garrison_strengths[l], _ai_all_enemy_garrison_strengths[l]);
            }
        }
    }
    for (int16_t k = 0; k < _ai_all_own_stack_count; k++) {
        if (_ai_all_own_stacks[k].flags & AI_STACK_WIND_WALKER) _ai_all_own_stacks[k].flags |= AI_STACK_CROSSES_WATER;
    }
    ai_transport_count = 0;
    for (int16_t k = 0; k < _units; k++) {
        if (_UNITS[k].owner_idx == player_idx && _unit_type_table[Unit_Type_Of(k)].Transport > 0) ai_transport_count++;
    }
}

static int Landmass_Slot(int wp, int landmass)
{
    return (wp >= 0 && wp < NUM_PLANES && landmass >= 0 && landmass < AI_LANDMASSES) ? wp * AI_LANDMASSES + landmass
                                                                                     : -1;
}

void AI_Landmass_Values_And_Strengths(int16_t player_idx)
{
    int32_t own_strength[NUM_PLANES * AI_LANDMASSES] = {};
    int32_t enemy_strength[NUM_PLANES * AI_LANDMASSES] = {};
    int32_t own_value[NUM_PLANES * AI_LANDMASSES] = {};
    int32_t enemy_value[NUM_PLANES * AI_LANDMASSES] = {};
    for (int16_t k = 0; k < _ai_all_own_stack_count; k++) {
        const AI_Own_Stack &s = _ai_all_own_stacks[k];
        const int slot = Landmass_Slot(s.wp, _landmasses[World_Square_Index(s.wx, s.wy, s.wp)]);
        if (slot >= 0) own_strength[slot] += s.strength / 10;
    }
    for (int16_t k = 0; k < _ai_all_enemy_stack_count; k++) {
        const AI_Enemy_Stack &s = _ai_all_enemy_stacks[k];
        const int slot = Landmass_Slot(s.wp, _landmasses[World_Square_Index(s.wx, s.wy, s.wp)]);
        if (slot >= 0) enemy_strength[slot] += s.strength / 10;
    }
    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.Intact != 1 || lair.wx >= WORLD_WIDTH || lair.wy >= WORLD_HEIGHT) continue;
        const int slot = Landmass_Slot(lair.wp, _landmasses[World_Square_Index(lair.wx, lair.wy, lair.wp % 2)]);
        if (slot < 0) continue;
        const int16_t t1 = lair.guard1_unit_type < NUM_UNIT_TYPES ? lair.guard1_unit_type : 0;
        const int16_t t2 = lair.guard2_unit_type < NUM_UNIT_TYPES ? lair.guard2_unit_type : 0;
        enemy_strength[slot] += (lair.guard1_count & 0x0F) * (_unit_type_table[t1].cost / 10);
        enemy_strength[slot] += (lair.guard2_count & 0x0F) * (_unit_type_table[t2].cost / 10);
    }
    for (int16_t j = 0; j < _cities && j < AI_CITY_SLOTS; j++) {
        const City_Record &city = _CITIES[j];
        if (city.wx >= WORLD_WIDTH || city.wy >= WORLD_HEIGHT || city.wp >= NUM_PLANES) continue;
        const int slot = Landmass_Slot(city.wp, _landmasses[World_Square_Index(city.wx, city.wy, city.wp)]);
        if (slot < 0) continue;
        own_value[slot] = _ai_all_own_city_values[j];
        enemy_value[slot] = _ai_all_enemy_city_values[j];
    }
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wx >= WORLD_WIDTH || node.wy >= WORLD_HEIGHT || node.wp >= NUM_PLANES) continue;
        const int slot = Landmass_Slot(node.wp, _landmasses[World_Square_Index(node.wx, node.wy, node.wp)]);
        if (slot < 0) continue;
        const int32_t value = node.power * (_magic + 1) * 2;
        if (node.owner_idx == player_idx) {
            own_value[slot] += value;
        } else {
            enemy_value[slot] += value;
        }
    }
    for (int slot = 0; slot < NUM_PLANES * AI_LANDMASSES; slot++) {
        _ai_landmass_own_strengths[slot] = AI_Saturate(own_strength[slot]);
        _ai_landmass_own_values[slot] = AI_Saturate(own_value[slot]);
        _ai_landmass_enemy_values[slot] = AI_Saturate(enemy_value[slot]);
        const int32_t enemy = AI_Saturate(enemy_strength[slot]);
        int32_t ratio = (int32_t)_ai_landmass_own_strengths[slot] - _ai_landmass_own_values[slot] / 10 - enemy;
        if (ratio > 0) ratio = ratio > 25 ? ratio - 25 : 0;
        _ai_landmass_strength_ratios[slot] = AI_Saturate(ratio);
    }
}
