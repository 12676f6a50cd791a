#include "magic/City_Node_Spells.h"

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "ai/AI_Unit_Wizard_Targets.h"
#include "magic/Global_Enchantment_Screen.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spell_Effect_Support.h"
#include "random.h"
#include "turn/Unit_Turn_Refresh.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Building_Data_Record.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t TARGET_UNIT = 0;
constexpr int16_t TARGET_OWN_CITY = 5;
constexpr int16_t TARGET_NODE = 7;
constexpr int16_t SPELL_WALL_OF_STONE = 3;
constexpr int16_t SPELL_EARTHQUAKE = 26;
constexpr int16_t SPELL_SPELL_WARD = 72;
constexpr int16_t SPELL_CHAOS_CHANNELS = 93;
constexpr int16_t SPELL_WARP_NODE = 186;
constexpr uint8_t NODE_WARPED = 0x01;
constexpr uint8_t CHAOS_CHANNELS_REFUSED = 0x3C;
constexpr int NUM_WARDS = 5;

bool City_Ok(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities; }

// The human's own city through the target screen, refusal asked of each pick; the computer's picker.
template <typename Refusal>
int16_t Own_City_Target(int16_t caster_idx, int16_t spell_idx, int16_t *city_idx, Refusal refusal)
{
    if (caster_idx != HUMAN_PLAYER_IDX) return AITP_City_Enchantment(TARGET_OWN_CITY, city_idx, spell_idx, caster_idx);
    for (;;) {
        int16_t wy, wp;
        const int16_t result = Magic_Spell_Target(TARGET_OWN_CITY, city_idx, &wy, &wp, spell_idx);
        if (result != 1) return result;
        if (!City_Ok(*city_idx)) return 0;
        if (!refusal(*city_idx)) return 1;
    }
}

bool City_Shown(int16_t city_idx, int16_t caster_idx)
{
    const City_Record &city = _CITIES[city_idx];
    return caster_idx == HUMAN_PLAYER_IDX || city.owner_idx == HUMAN_PLAYER_IDX ||
           Spell_Watched(city.wx, city.wy, city.wp);
}

}  // namespace

int16_t Cast_Wall_Of_Stone(int16_t caster_idx)
{
    int16_t city_idx = -1;
    const int16_t result = Own_City_Target(caster_idx, SPELL_WALL_OF_STONE, &city_idx, [](int16_t city) {
        if (_CITIES[city].bldg_status[bt_City_Walls] <= 0) return false;
        Magic_Message_Record(65);
        return true;
    });
    if (result != 1 || !City_Ok(city_idx)) return result == 1 ? 0 : result;
    const City_Record &city = _CITIES[city_idx];
    const bool shown = caster_idx == HUMAN_PLAYER_IDX || Spell_Watched(city.wx, city.wy, city.wp);
    if (shown) Magic_City_Scene(1, city_idx, SPELL_WALL_OF_STONE, caster_idx);
    _CITIES[city_idx].bldg_status[bt_City_Walls] = 1;
    g_ai_recompute_needed = 1;
    if (shown) Magic_City_Scene(2, city_idx, SPELL_WALL_OF_STONE, caster_idx);
    return 1;
}

int16_t Cast_Spell_Ward(int16_t caster_idx)
{
    static const char *const ward_names[NUM_WARDS] = {"Nature Ward", "Sorcery Ward", "Chaos Ward", "Life Ward",
                                                      "Death Ward"};
    int16_t city_idx = -1;
    int16_t ward = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        result = Own_City_Target(caster_idx, SPELL_SPELL_WARD, &city_idx, [&ward](int16_t city) {
            const char *names[NUM_WARDS];
            int16_t wards[NUM_WARDS];
            int16_t count = 0;
            for (int16_t w = 0; w < NUM_WARDS; w++) {
                if (_CITIES[city].enchantments[ce_Nature_Ward + w] != 0) continue;
                names[count] = ward_names[w];
                wards[count++] = w;
            }
            if (count == 0) {
                Magic_Message_Record(44);
                return true;
            }
            const int16_t choice = Magic_Selection(count, names, "Select a Spell Ward To Cast");
            if (choice < 0 || choice >= count) return true;
            ward = wards[choice];
            return false;
        });
    } else {
        result = AITP_Spell_Ward_Wrapper(&city_idx, &ward, caster_idx);
    }
    if (result != 1 || !City_Ok(city_idx) || ward < 0 || ward >= NUM_WARDS) return result == 1 ? 0 : result;
    const bool shown = City_Shown(city_idx, caster_idx);
    if (shown) Magic_City_Scene(1, city_idx, SPELL_SPELL_WARD, caster_idx);
    _CITIES[city_idx].enchantments[ce_Nature_Ward + ward] = (uint8_t)(caster_idx + 1);
    g_ai_recompute_needed = 1;
    if (shown) Magic_City_Scene(2, city_idx, SPELL_EARTHQUAKE, caster_idx);
    return 1;
}

int16_t Cast_Warp_Node(int16_t caster_idx)
{
    int16_t node_idx = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        for (;;) {
            int16_t wy, wp;
            result = Magic_Spell_Target(TARGET_NODE, &node_idx, &wy, &wp, SPELL_WARP_NODE);
            if (result != 1) return result;
            if (node_idx < 0 || node_idx >= NUM_NODES) return 0;
            const Node_Record &node = _NODES[node_idx];
            if (node.flags & NODE_WARPED) {
                Magic_Message_Record(30);
            } else if (node.owner_idx < 0) {
                Magic_Message_Record(31);
            } else if (node.owner_idx == HUMAN_PLAYER_IDX) {
                Magic_Message_Record(32);
            } else {
                break;
            }
        }
    } else {
        result = AITP_Node(&node_idx, SPELL_WARP_NODE);
        if (result != 1) return result;
        if (node_idx < 0 || node_idx >= NUM_NODES) return 0;
    }
    Node_Record &node = _NODES[node_idx];
    if (caster_idx == HUMAN_PLAYER_IDX || node.owner_idx == HUMAN_PLAYER_IDX ||
        Spell_Watched(node.wx, node.wy, node.wp)) {
        Magic_Square_Scene(SPELL_WARP_NODE, node.wx, node.wy, node.wp, 0, nullptr);
    }
    node.flags |= NODE_WARPED;
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Chaos_Channels(int16_t caster_idx)
{
    int16_t unit_idx = -1;
    int16_t result;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        for (;;) {
            int16_t wy, wp;
            result = Magic_Spell_Target(TARGET_UNIT, &unit_idx, &wy, &wp, SPELL_CHAOS_CHANNELS);
            if (result != 1) return result;
            if (unit_idx < 0 || unit_idx >= _units) return 0;
            const Unit_Record &unit = _UNITS[unit_idx];
            if (!(_unit_type_table[unit.type].Abilities & UA_FANTASTIC) && !(unit.mutations & CHAOS_CHANNELS_REFUSED))
                break;
            Magic_Message_Record(29);
        }
        const Unit_Record &unit = _UNITS[unit_idx];
        Magic_Square_Scene(SPELL_CHAOS_CHANNELS, unit.wx, unit.wy, unit.wp, 0, nullptr);
    } else {
        result = AITP_Unit_Enchantment(TARGET_UNIT, &unit_idx, SPELL_CHAOS_CHANNELS, caster_idx);
        if (result != 1) return result;
        if (unit_idx < 0 || unit_idx >= _units) return 0;
    }
    Apply_Chaos_Channels(unit_idx);
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Spell_Binding(int16_t caster_idx)
{
    constexpr int16_t SPELL_SPELL_BINDING = 76;
    if (caster_idx == HUMAN_PLAYER_IDX) return Global_Enchantment_Screen(SPELL_SPELL_BINDING, caster_idx);
    int16_t target = -1, slot = -1;
    const int16_t result = AITP_Disjunction(&target, &slot, SPELL_SPELL_BINDING, caster_idx);
    if (result != 1) return result;
    if (target < 0 || target >= NUM_PLAYERS || slot < 0 || slot >= NUM_OVERLAND_ENCHANTMENTS ||
        spell_data_table == nullptr) {
        return 0;
    }
    const int16_t spell = Overland_Enchantment_Spell_Index(slot);
    if (spell <= 0 || spell >= NUM_SPELLS) return 0;
    const Spell_Data_Record &record = spell_data_table[spell];
    const int32_t strength = _players[caster_idx].casting_cost_original;
    const int32_t difficulty = Calculate_Dispel_Difficulty(record.casting_cost, target, record.magic_realm);
    int32_t divisor = difficulty + strength;
    if (divisor < 1) divisor = 1;
    if (RANDOM(250) <= strength * 250 / divisor) {
        _players[target].Globals[slot] = 0;
        _players[caster_idx].Globals[slot] = (uint8_t)(caster_idx + 1);
        g_ai_recompute_needed = 1;
    }
    return 1;
}

int16_t Cast_Holy_Arms(int16_t caster_idx)
{
    for (int16_t u = 0; u < _units; u++) {
        if (_UNITS[u].owner_idx == caster_idx) _UNITS[u].enchantments &= ~(uint32_t)UE_PATHFINDING;
    }
    return 1;
}

int16_t Cast_Natures_Awareness(int16_t caster_idx)
{
    if (caster_idx != HUMAN_PLAYER_IDX) return 1;
    Cheat_Reveal();
    All_AI_Players_Contacted();
    return 1;
}
