#include "ai/AI_Target_List.h"

#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Stack_Orders.h"
#include "turn/Unit_Strength.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"

int16_t _ai_targets_count;
int16_t _ai_targets_wx[AI_TARGETS_MAX];
int16_t _ai_targets_wy[AI_TARGETS_MAX];
int16_t _ai_targets_strength[AI_TARGETS_MAX];
int16_t _ai_targets_value[AI_TARGETS_MAX];

namespace {

constexpr int16_t TREATY_WAR = 3;

int16_t Strength_At(int16_t wx, int16_t wy, int16_t wp)
{
    return (int16_t)(AI_Evaluation_Value(wx, wy, wp) & AI_EVAL_STRENGTH_MASK);
}

int16_t Saturate(int32_t v) { return (int16_t)(v > 32767 ? 32767 : v < -32768 ? -32768 : v); }

int16_t Fortress_On(int16_t player_idx, int16_t wp, int16_t landmass)
{
    const Fortress_Record &f = _FORTRESSES[player_idx];
    return f.wp == wp && AI_On_Map(f.wx, f.wy, f.wp) && AI_Landmass_At(f.wx, f.wy, f.wp) == landmass;
}

}  // namespace

void AI_Add_Target(int16_t wx, int16_t wy, int16_t strength, int16_t value)
{
    if (_ai_targets_count < 0) _ai_targets_count = 0;
    if (_ai_targets_count >= AI_TARGETS_MAX) return;
    _ai_targets_wx[_ai_targets_count] = wx;
    _ai_targets_wy[_ai_targets_count] = wy;
    _ai_targets_strength[_ai_targets_count] = strength;
    _ai_targets_value[_ai_targets_count] = value;
    _ai_targets_count++;
}

void AI_Build_Target_List(int16_t player_idx, int16_t landmass_idx, int16_t wp)
{
    _ai_targets_count = 0;
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || player_idx < 0 || player_idx >= NUM_PLAYERS || wp < 0 || wp >= NUM_PLANES) return;
    if (landmass_idx < 0 || landmass_idx >= AI_CONT_LANDMASSES) return;
    const Player_Record &wizard = _players[player_idx];
    for (int16_t p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
        if (p == player_idx || !Fortress_On(p, wp, landmass_idx) || wizard.Hostility[p] < 3) continue;
        const Fortress_Record &f = _FORTRESSES[p];
        int32_t strength = Strength_At(f.wx, f.wy, wp);
        if (p == HUMAN_PLAYER_IDX) strength = strength * 5 / 4;
        const int16_t value = wizard.Dipl_Treaty[p] == TREATY_WAR ? 5000 : 500;
        AI_Add_Target(f.wx, f.wy, Saturate(strength), value);
    }
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        const int16_t owner = city.owner_idx;
        if (city.wp != wp || owner == player_idx || owner < 0 || owner >= NUM_PLAYERS) continue;
        const int16_t here = AI_Landmass_At(city.wx, city.wy, city.wp) == landmass_idx;
        if (owner == NEUTRAL_PLAYER_IDX ? !here : (wizard.Hostility[owner] < 3 || !here)) continue;
        const int32_t multiplier = owner != NEUTRAL_PLAYER_IDX && wizard.Dipl_Treaty[owner] == TREATY_WAR ? 10 : 1;
        int32_t strength = Strength_At(city.wx, city.wy, wp);
        if (j == 0) strength = strength * 5 / 4;
        const int32_t value = ((int32_t)(city.population + city.bldg_cnt) * 10 + 100) * multiplier;
        AI_Add_Target(city.wx, city.wy, Saturate(strength), Saturate(value));
    }
    const int16_t own_fortress_here = Fortress_On(player_idx, wp, landmass_idx);
    const AI_Square_List &land = block->land[wp];
    for (int16_t n = land.heads[landmass_idx], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = land.next[n], ++steps) {
        const uint16_t word = AI_Evaluation_Value(land.wx[n], land.wy[n], wp);
        const int16_t str = (int16_t)(word & AI_EVAL_STRENGTH_MASK);
        if ((word & (AI_EVAL_FRIENDLY_UNIT | AI_EVAL_SITE)) != 0 || str == 0) continue;
        AI_Add_Target(land.wx[n], land.wy[n], str, own_fortress_here ? str : (int16_t)(str / 3));
    }
    for (int16_t i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wp != wp || node.owner_idx == player_idx || AI_Landmass_At(node.wx, node.wy, wp) != landmass_idx)
            continue;
        const int16_t str = Strength_At(node.wx, node.wy, wp);
        if (node.owner_idx == -1) {
            if (str != 0) AI_Add_Target(node.wx, node.wy, str, (int16_t)(node.power * 5 + 25));
        } else if (node.owner_idx >= 0 && node.owner_idx < NUM_PLAYERS && wizard.Hostility[node.owner_idx] >= 2) {
            AI_Add_Target(node.wx, node.wy, str, (int16_t)(node.power * 10 + 50));
        }
    }
    for (int16_t i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.wp != wp || lair.Intact == 0 || AI_Landmass_At(lair.wx, lair.wy, wp) != landmass_idx) continue;
        AI_Add_Target(lair.wx, lair.wy, Strength_At(lair.wx, lair.wy, wp), 50);
    }
    if (_FORTRESSES[player_idx].wp == wp) {
        for (int16_t t = 0; t < NUM_TOWERS; t++) {
            const Tower_Record &tower = _TOWERS[t];
            if (AI_Landmass_At(tower.wx, tower.wy, wp) != landmass_idx) continue;
            if (!AI_Tower_Target_Worthwhile(player_idx, tower.wx, tower.wy, wp)) continue;
            const int16_t str = Strength_At(tower.wx, tower.wy, wp);
            if (tower.owner_idx == player_idx) {
                AI_Add_Target(tower.wx, tower.wy, 0, 1);
            } else if (tower.owner_idx == -1) {
                AI_Add_Target(tower.wx, tower.wy, str, 150);
            } else if (tower.owner_idx >= 0 && tower.owner_idx < NUM_PLAYERS &&
                       wizard.Hostility[tower.owner_idx] >= 3) {
                AI_Add_Target(tower.wx, tower.wy, str, 10);
            }
        }
    }
    if (_ai_targets_count == 0 && cp_landmass_type_array != nullptr)
        cp_landmass_type_array[landmass_idx] = ait_No_Target;
}

int16_t AI_Tower_Target_Worthwhile(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS || wp < 0 || wp >= NUM_PLANES) return 0;
    const int16_t other = (int16_t)(1 - wp);
    const int16_t landmass = AI_Landmass_At(wx, wy, other);
    if (landmass >= AI_CONT_LANDMASSES) return 0;
    const int16_t type = _ai_continents.type[other][player_idx][landmass];
    int16_t worthwhile = 0;
    if (type != ait_Held && type != ait_Unusable) {
        for (int16_t j = 0; j < _cities && !worthwhile; j++) {
            const City_Record &city = _CITIES[j];
            if (AI_Landmass_At(city.wx, city.wy, city.wp) != landmass) continue;
            const int16_t owner = city.owner_idx;
            worthwhile = owner == NEUTRAL_PLAYER_IDX || (owner >= 0 && owner < NUM_PLAYERS && owner != player_idx &&
                                                         _players[player_idx].Hostility[owner] >= 2);
        }
    }
    if (!worthwhile && type != ait_No_Own_City) {
        const AI_Square_List &land = block->land[other];
        int16_t squares = 0;
        for (int16_t n = land.heads[landmass]; n >= 0 && n < AI_LIST_CAPACITY && squares <= 10; n = land.next[n]) {
            squares++;
        }
        worthwhile = squares > 10;
    }
    return worthwhile;
}

int16_t AI_Stacks_Assign_Target(int16_t wx, int16_t wy, int16_t *out_x, int16_t *out_y, int16_t stack_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || stack_idx < 0 || stack_idx >= AI_STACK_TABLE_MAX) return 0;
    int32_t force = 0;
    const int16_t count = block->own_stack_unit_count[stack_idx];
    for (int16_t s = 0; s < count && s < AI_STACK_UNITS_MAX; s++) {
        const int16_t unit_idx = block->own_stack_unit_list[stack_idx][s];
        if (unit_idx >= 0) force += Effective_Unit_Strength(unit_idx) / 10;
    }
    int16_t best = -1;
    int32_t best_score = 0;
    for (int16_t t = 0; t < _ai_targets_count && t < AI_TARGETS_MAX; t++) {
        if (_ai_targets_value[t] <= 0 || (int32_t)_ai_targets_strength[t] * 3 / 4 >= force) continue;
        int32_t d = AI_Distance(wx, wy, _ai_targets_wx[t], _ai_targets_wy[t]);
        if (d < 1) d = 1;
        int32_t score = _ai_targets_value[t] / (4 * d);
        if (score < 1) score = 1;
        if (score > best_score) {
            best_score = score;
            best = t;
        }
    }
    if (best < 0) return 0;
    *out_x = _ai_targets_wx[best];
    *out_y = _ai_targets_wy[best];
    _ai_targets_value[best] = 0;
    return 1;
}

void AI_Find_Opportunity_City_Target(int16_t wp, int16_t player_idx)
{
    if (_ai_all_own_stacks == nullptr) return;
    for (int16_t s = 0; s < _ai_all_own_stack_count && s < AI_OWN_STACKS_MAX; s++) {
        AI_Own_Stack &stack = _ai_all_own_stacks[s];
        if (stack.order != 3) continue;
        int16_t found = 0;
        for (int16_t j = 0; j < _cities && !found; j++) {
            const City_Record &city = _CITIES[j];
            if (city.wp != wp || city.owner_idx == player_idx) continue;
            if (city.wx - stack.wx > 1 || stack.wx - city.wx > 1 || city.wy - stack.wy > 1 || stack.wy - city.wy > 1)
                continue;
            int16_t units = 0;
            for (int16_t k = 0; k < _units; k++) {
                const Unit_Record &unit = _UNITS[k];
                if (unit.owner_idx >= 0 && unit.wx == city.wx && unit.wy == city.wy && unit.wp == wp) units++;
            }
            found = units < 4;
        }
        if (!found) continue;
        for (int16_t k = 0; k < _units; k++) {
            Unit_Record &unit = _UNITS[k];
            if (unit.owner_idx >= 0 && unit.wx == stack.wx && unit.wy == stack.wy && unit.wp == stack.wp)
                unit.Status = us_Ready;
        }
        stack.order = 0;
    }
}
