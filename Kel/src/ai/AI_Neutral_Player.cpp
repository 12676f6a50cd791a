#include "ai/AI_Neutral_Player.h"

#include "STU_Log.h"
#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Budget_Planes_Boats.h"
#include "ai/AI_Data.h"
#include "ai/AI_Stack_Orders.h"
#include "random.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Death.h"

namespace {

constexpr int16_t NPC_CITY_LOOKS = 30;
constexpr int16_t NPC_TRIES = 1000;
constexpr int16_t RAID_THRESHOLD = 30;
constexpr int16_t NO_RAID_MONSTER_BONUS = 15;
constexpr int16_t MONSTER_FIRST_TURN = 50;
constexpr int16_t MONSTER_TYPE_FIRST = 150;  // drawn as 150 + 1..47
constexpr int16_t MONSTER_TYPE_DRAW = 47;
constexpr int16_t MONSTER_LIST_MAX = 9;
constexpr int16_t MONSTER_LIST_DRAWS = 2000;
constexpr int16_t LAIR_GUARD_RACE = 19;
constexpr int16_t MONSTER_REALM_DEFAULT = 20;
constexpr int BLDG_GARRISON_1 = 29;
constexpr int BLDG_GARRISON_2 = 30;

int16_t Units_On_Square(int16_t wx, int16_t wy, int16_t wp)
{
    int16_t count = 0;
    int16_t list[16];
    Army_At_Square_2(wx, wy, wp, &count, list);
    return count;
}

int16_t NPC_City_Score(int16_t city_idx, int16_t sx, int16_t sy)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t score = (int16_t)(10 - Units_On_Square(city.wx, city.wy, city.wp) - AI_Distance(city.wx, city.wy, sx, sy));
    if (city.owner_idx == HUMAN_PLAYER_IDX && _difficulty > 2) score += 5;
    if (city.owner_idx == HUMAN_PLAYER_IDX && _difficulty > 3) score += 5;
    return score;
}

void NPC_Send(int16_t stack_idx, int16_t wx, int16_t wy)
{
    AI_Stack_Set_Destination(stack_idx, wx, wy, NEUTRAL_PLAYER_IDX);
    _ai_all_own_stacks[stack_idx].order = us_GOTO;
}

// Landmass of a fortress on its own plane (numbers are compared without their plane).
int16_t Fortress_Landmass(int16_t player_idx)
{
    const Fortress_Record &f = _FORTRESSES[player_idx];
    return AI_On_Map(f.wx, f.wy, f.wp) ? AI_Landmass_At(f.wx, f.wy, f.wp) : (int16_t)-1;
}

int16_t Computer_Fortress_On(int16_t landmass)
{
    for (int16_t p = 1; p < _num_players && p < NEUTRAL_PLAYER_IDX; p++) {
        if (Fortress_Landmass(p) == landmass) return 1;
    }
    return 0;
}

int16_t Lair_Spawns(const Lair_Record &lair)
{
    if (lair.Intact != 1 || lair.guard1_unit_type == 0 || lair.guard1_unit_type >= NUM_UNIT_TYPES) return 0;
    if (!AI_On_Map(lair.wx, lair.wy, lair.wp)) return 0;
    return _unit_type_table[lair.guard1_unit_type].race != LAIR_GUARD_RACE;
}

}  // namespace

void Build_NPC_Stacks(void)
{
    _ai_all_own_stack_count = 0;
    if (_ai_all_own_stacks == nullptr) return;
    for (int16_t k = 0; k < _units && k < UNIT_TABLE_CAPACITY; k++) {
        if (_ai_all_own_stack_count >= AI_OWN_STACKS_MAX) break;
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != NEUTRAL_PLAYER_IDX || !AI_On_Map(unit.wx, unit.wy, unit.wp)) continue;
        const int16_t travels = AI_Unit_Air_Or_Water(k);
        int16_t found = 0;
        for (int16_t s = 0; s < _ai_all_own_stack_count; s++) {
            AI_Own_Stack &stack = _ai_all_own_stacks[s];
            if (stack.wx == unit.wx && stack.wy == unit.wy && stack.wp == unit.wp) {
                if (!travels) stack.flags = 0;
                found = 1;
                break;
            }
        }
        if (found) continue;
        int16_t on_city = 0;
        for (int16_t j = 0; j < _cities && !on_city; j++) {
            on_city = _CITIES[j].wx == unit.wx && _CITIES[j].wy == unit.wy && _CITIES[j].wp == unit.wp;
        }
        if (on_city) continue;
        AI_Own_Stack &stack = _ai_all_own_stacks[_ai_all_own_stack_count++];
        stack = {};
        stack.wx = unit.wx;
        stack.wy = unit.wy;
        stack.wp = unit.wp;
        stack.order = unit.Status;
        stack.flags = travels ? AI_STACK_CROSSES_WATER : (uint8_t)0;
    }
}

void NPC_Destinations(void)
{
    Build_NPC_Stacks();
    for (int16_t s = 0; s < _ai_all_own_stack_count && s < AI_OWN_STACKS_MAX; s++) {
        const AI_Own_Stack stack = _ai_all_own_stacks[s];
        int16_t near_city = -1;
        for (int16_t j = 0; j < _cities && near_city < 0; j++) {
            const City_Record &city = _CITIES[j];
            if (city.owner_idx == NEUTRAL_PLAYER_IDX || city.wp != stack.wp) continue;
            if (city.wx - stack.wx < 2 && stack.wx - city.wx < 2 && city.wy - stack.wy < 2 && stack.wy - city.wy < 2)
                near_city = j;
        }
        if (near_city >= 0 && stack.order == us_GOTO) {
            int16_t dst_x = -1, dst_y = -1;
            for (int16_t k = 0; k < _units; k++) {
                const Unit_Record &unit = _UNITS[k];
                if (unit.owner_idx >= 0 && unit.wx == stack.wx && unit.wy == stack.wy && unit.wp == stack.wp) {
                    dst_x = unit.dst_wx;
                    dst_y = unit.dst_wy;
                    break;
                }
            }
            int16_t current = -1;
            for (int16_t j = 0; j < _cities && current < 0; j++) {
                if (_CITIES[j].wx == dst_x && _CITIES[j].wy == dst_y && _CITIES[j].wp == stack.wp) current = j;
            }
            if (current != near_city) {
                int16_t current_score = 0;
                if (current >= 0) {
                    current_score = NPC_City_Score(current, stack.wx, stack.wy);
                } else {
                    current_score = (int16_t)(10 - Units_On_Square(dst_x, dst_y, stack.wp) -
                                              AI_Distance(dst_x, dst_y, stack.wx, stack.wy));
                }
                const City_Record &city = _CITIES[near_city];
                if (current_score < NPC_City_Score(near_city, stack.wx, stack.wy)) NPC_Send(s, city.wx, city.wy);
            }
        }
        if (_ai_all_own_stacks[s].order == us_GOTO) continue;
        const int16_t own_landmass = AI_Landmass_At(stack.wx, stack.wy, stack.wp);
        int16_t best = -1;
        int16_t best_score = -1000;
        int16_t looked = 0;
        for (int16_t j = 0; j < _cities && looked < NPC_CITY_LOOKS; j++) {
            const City_Record &city = _CITIES[j];
            if (city.owner_idx == NEUTRAL_PLAYER_IDX || city.wp != stack.wp) continue;
            if ((stack.flags & AI_STACK_CROSSES_WATER) && AI_Landmass_At(city.wx, city.wy, city.wp) != own_landmass)
                continue;
            looked++;
            const int16_t score = NPC_City_Score(j, stack.wx, stack.wy);
            if (score > best_score) {
                best_score = score;
                best = j;
            }
        }
        if (best >= 0) {
            NPC_Send(s, _CITIES[best].wx, _CITIES[best].wy);
            continue;
        }
        for (int16_t k = 0; k < _units; k++) {
            const Unit_Record &unit = _UNITS[k];
            if (unit.owner_idx == NEUTRAL_PLAYER_IDX && unit.wx == stack.wx && unit.wy == stack.wy &&
                unit.wp == stack.wp) {
                Kill_Unit(k, kum_Plain);
            }
        }
    }
}

void Make_Raiders(void)
{
    Player_Record &neutral = _players[NEUTRAL_PLAYER_IDX];
    int16_t owns_city = 0;
    for (int16_t j = 0; j < _cities && !owns_city; j++) owns_city = _CITIES[j].owner_idx == NEUTRAL_PLAYER_IDX;
    if (!owns_city) return;
    neutral.raider_counter = (int16_t)(neutral.raider_counter + RANDOM(_difficulty + 1));
    if (neutral.raider_counter < RAID_THRESHOLD) return;
    neutral.raider_counter = 0;
    for (int16_t tries = 0; tries < NPC_TRIES; tries++) {
        const int16_t city_idx = (int16_t)(RANDOM(_cities) - 1);
        if (city_idx < 0 || city_idx >= _cities) continue;
        const City_Record &city = _CITIES[city_idx];
        if (city.owner_idx != NEUTRAL_PLAYER_IDX || !AI_On_Map(city.wx, city.wy, city.wp)) continue;
        const int16_t landmass = AI_Landmass_At(city.wx, city.wy, city.wp);
        const int16_t half = Computer_Fortress_On(landmass);
        int16_t target = 0;
        for (int16_t j = 0; j < _cities && !target; j++) {
            const City_Record &other = _CITIES[j];
            target = other.owner_idx != NEUTRAL_PLAYER_IDX && AI_Landmass_At(other.wx, other.wy, other.wp) == landmass;
        }
        if (!target) continue;
        int16_t fx = 0, fy = 0;
        if (!Adjacent_Free_Square(city.wx, city.wy, city.wp, &fx, &fy)) continue;
        int16_t count = 0;
        int16_t garrison[16];
        Army_At_Square_2(city.wx, city.wy, city.wp, &count, garrison);
        if (count <= 0) continue;
        int16_t size = (int16_t)(count * _difficulty / 6);
        if (half) size = (int16_t)(size * 2 / 3);
        if (city.wp == 1 && _turn < 200) size = (int16_t)(size / 2);
        if (size < 1) size = 1;
        const int16_t level = _turn <= 40 ? -1 : _turn <= 120 ? -2 : _turn <= 250 ? -3 : -4;
        int16_t created = 0;
        for (int16_t n = 0; n < size; n++) {
            const int16_t pick = garrison[RANDOM(count) - 1];
            const Unit_Type_Record *type = AI_Unit_Type(pick);
            if (type == nullptr || _UNITS[pick].type <= 40) continue;
            if (type->Transport != 0 || (type->Abilities & UA_CREATEOUTPOST)) continue;
            created += Create_Unit(_UNITS[pick].type, NEUTRAL_PLAYER_IDX, fx, fy, city.wp, level);
        }
        for (int16_t n = 0; n < created / 3 && n < count; n++) Kill_Unit(garrison[n], kum_Plain);
        STU_LOG(SEV_INFO, LC_AIDUDES, "[NPC] raiders: turn=%d city=%d created=%d", (int)_turn, (int)city_idx,
                (int)created);
        return;
    }
    neutral.average_unit_cost = (int16_t)(neutral.average_unit_cost + NO_RAID_MONSTER_BONUS);
}

int16_t Make_Monster_List(int16_t budget, int16_t realm, int16_t *list)
{
    int16_t count = 0;
    if (budget < 0) budget = 0;
    for (int16_t draws = 0; draws < MONSTER_LIST_DRAWS && budget > 24; draws++) {
        const int16_t type_idx = (int16_t)(RANDOM(MONSTER_TYPE_DRAW) + MONSTER_TYPE_FIRST);
        if (type_idx >= NUM_UNIT_TYPES) continue;
        const Unit_Type_Record &type = _unit_type_table[type_idx];
        if (type.race == realm && type.cost <= budget && type.Transport == 0 && count < MONSTER_LIST_MAX) {
            list[count++] = type_idx;
            budget = (int16_t)(budget - type.cost);
        }
    }
    return count;
}

void Make_Monsters(void)
{
    Player_Record &neutral = _players[NEUTRAL_PLAYER_IDX];
    int16_t lairs = 0;
    for (int16_t i = 0; i < NUM_LAIRS; i++) lairs += Lair_Spawns(_LAIRS[i]);
    if (lairs == 0) return;
    neutral.average_unit_cost = (int16_t)(neutral.average_unit_cost + RANDOM(_difficulty + 1));
    if (neutral.average_unit_cost < 50 - 5 * _difficulty) return;
    neutral.average_unit_cost = 0;
    if (_turn < MONSTER_FIRST_TURN) return;
    int16_t lair_idx = -1;
    for (int16_t tries = 0; tries < NPC_TRIES && lair_idx < 0; tries++) {
        const int16_t i = (int16_t)(RANDOM(NUM_LAIRS) - 1);
        if (i < 0 || i >= NUM_LAIRS || !Lair_Spawns(_LAIRS[i])) continue;
        const Lair_Record &lair = _LAIRS[i];
        const int16_t landmass = AI_Landmass_At(lair.wx, lair.wy, lair.wp);
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (city.owner_idx != NEUTRAL_PLAYER_IDX && city.wp == lair.wp &&
                AI_Landmass_At(city.wx, city.wy, city.wp) == landmass) {
                lair_idx = i;
                break;
            }
        }
    }
    if (lair_idx < 0) return;
    const Lair_Record &lair = _LAIRS[lair_idx];
    const int16_t landmass = AI_Landmass_At(lair.wx, lair.wy, lair.wp);
    const int16_t half = Fortress_Landmass(HUMAN_PLAYER_IDX) != landmass && Computer_Fortress_On(landmass);
    if (lair.guard1_count == 0) return;
    int16_t realm = _unit_type_table[lair.guard1_unit_type].race;
    if (realm < 15) realm = MONSTER_REALM_DEFAULT;
    int16_t fx = 0, fy = 0;
    if (!Adjacent_Free_Square(lair.wx, lair.wy, lair.wp, &fx, &fy)) return;
    int32_t budget = (int32_t)(RANDOM(_difficulty + 1) + RANDOM(_difficulty + 1)) * _turn / 5;
    if (half) budget /= 2;
    if (budget > 32767) budget = 32767;
    int16_t list[MONSTER_LIST_MAX];
    const int16_t listed = Make_Monster_List((int16_t)budget, realm, list);
    int16_t created = 0;
    for (int16_t n = 0; n < listed; n++) {
        created += Create_Unit(list[n], NEUTRAL_PLAYER_IDX, fx, fy, lair.wp, UNIT_SOURCE_PLAIN);
    }
    STU_LOG(SEV_INFO, LC_AIDUDES, "[NPC] monsters: turn=%d lair=%d budget=%d created=%d", (int)_turn, (int)lair_idx,
            (int)budget, (int)created);
}

void NPC_Excess_Garrison(void)
{
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (city.owner_idx != NEUTRAL_PLAYER_IDX) continue;
        int16_t count = 0;
        int16_t cheapest = -1;
        int16_t cheapest_cost = 0;
        for (int16_t k = 0; k < _units; k++) {
            const Unit_Record &unit = _UNITS[k];
            if (unit.owner_idx < 0 || unit.wx != city.wx || unit.wy != city.wy || unit.wp != city.wp) continue;
            const Unit_Type_Record *type = AI_Unit_Type(k);
            if (type == nullptr) continue;
            count++;
            if (cheapest < 0 || type->cost < cheapest_cost) {
                cheapest = k;
                cheapest_cost = type->cost;
            }
        }
        int16_t allowed = city.population;
        if (City_Building_Stands(city, BLDG_GARRISON_1)) allowed += 2;
        if (City_Building_Stands(city, BLDG_GARRISON_2)) allowed += 2;
        if (count > allowed && cheapest >= 0) Kill_Unit(cheapest, kum_Plain);
    }
}
