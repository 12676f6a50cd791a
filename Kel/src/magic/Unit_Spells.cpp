#include "magic/Unit_Spells.h"

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "ai/AI_Unit_Wizard_Targets.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Effect_Support.h"
#include "turn/Unit_Strength.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t TARGET_UNIT = 0;
constexpr int16_t TARGET_OWN_STACK = 1;
constexpr int16_t TARGET_ENEMY_STACK = 3;
constexpr int16_t SPELL_NATURES_CURES = 19;
constexpr int16_t SPELL_WORD_OF_RECALL = 47;
constexpr int16_t SPELL_STASIS = 68;
constexpr int16_t SPELL_PLANE_SHIFT = 132;
constexpr int16_t SPELL_LYCANTHROPY = 173;
constexpr uint8_t LYCANTHROPY_REFUSED = 0x34;
constexpr int PLANE_SHIFT_STACK_MAX = 9;

bool Unit_Ok(int16_t unit_idx) { return unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].owner_idx >= 0; }

// A unit by the target screen, refusal asked of each pick; the computer's unit picker otherwise.
template <typename Refusal>
int16_t Unit_Target(int16_t caster_idx, int16_t spell_idx, int16_t *unit_idx, Refusal refusal)
{
    if (caster_idx != HUMAN_PLAYER_IDX) {
        const int16_t result = AITP_Unit_Enchantment(TARGET_UNIT, unit_idx, spell_idx, caster_idx);
        return result == 1 && !Unit_Ok(*unit_idx) ? (int16_t)0 : result;
    }
    for (;;) {
        int16_t wy, wp;
        const int16_t result = Magic_Spell_Target(TARGET_UNIT, unit_idx, &wy, &wp, spell_idx);
        if (result != 1) return result;
        if (!Unit_Ok(*unit_idx)) return 0;
        if (!refusal(*unit_idx)) return 1;
    }
}

// The square of a stack: the human picks one of its units (a pick refusal turns away is asked
// again), the computer gets a square.
template <typename Refusal>
int16_t Stack_Square(int16_t caster_idx, int16_t kind, int16_t spell_idx, int16_t *wx, int16_t *wy, int16_t *wp,
                     Refusal refusal)
{
    if (caster_idx != HUMAN_PLAYER_IDX) return Get_Map_Square_Target_For_Spell(kind, wx, wy, wp, spell_idx, caster_idx);
    for (;;) {
        int16_t unit_idx;
        const int16_t result = Magic_Spell_Target(kind, &unit_idx, wy, wp, spell_idx);
        if (result != 1) return result;
        if (!Unit_Ok(unit_idx)) return 0;
        if (refusal(unit_idx)) continue;
        *wx = _UNITS[unit_idx].wx;
        *wy = _UNITS[unit_idx].wy;
        *wp = _UNITS[unit_idx].wp;
        return 1;
    }
}

bool Unit_Square_Shown(int16_t unit_idx, int16_t caster_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    return caster_idx == HUMAN_PLAYER_IDX || Check_Square_Scouted(unit.wx, unit.wy, unit.wp);
}

}  // namespace

int16_t Cast_Word_Of_Recall(int16_t caster_idx)
{
    int16_t unit_idx = -1;
    const int16_t result = Unit_Target(caster_idx, SPELL_WORD_OF_RECALL, &unit_idx, [](int16_t) { return false; });
    if (result != 1) return result;
    Unit_Record &unit = _UNITS[unit_idx];
    if (Unit_Square_Shown(unit_idx, caster_idx))
        Magic_Square_Scene(SPELL_WORD_OF_RECALL, unit.wx, unit.wy, unit.wp, 0, nullptr);
    const Player_Record &caster = _players[caster_idx];
    unit.wx = (uint8_t)caster.summon_wx;
    unit.wy = (uint8_t)caster.summon_wy;
    unit.wp = (uint8_t)caster.summon_wp;
    Evict_Weakest_Unit(unit_idx);
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Stasis(int16_t caster_idx)
{
    int16_t wx = -1, wy = -1, wp = -1;
    const int16_t result =
        Stack_Square(caster_idx, TARGET_ENEMY_STACK, SPELL_STASIS, &wx, &wy, &wp, [](int16_t unit_idx) {
            int16_t count = 0;
            int16_t list[ARMY_AT_SQUARE_MAX];
            const Unit_Record &unit = _UNITS[unit_idx];
            Army_At_Square_1(unit.wx, unit.wy, unit.wp, &count, list);
            const uint8_t held = UM_STASIS_INIT | UM_STASIS_LINGER;
            return (unit.mutations & held) != 0 || (count > 0 && (_UNITS[list[0]].mutations & held) != 0);
        });
    if (result != 1) return result;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp &&
            Apply_Automatic_Spell_Counters(SPELL_STASIS, c, caster_idx, 1) == 0) {
            return 1;
        }
    }
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    const int16_t owner = count > 0 ? _UNITS[list[0]].owner_idx : -1;
    if (caster_idx == HUMAN_PLAYER_IDX || owner == HUMAN_PLAYER_IDX || Check_Square_Scouted(wx, wy, wp)) {
        Magic_Square_Scene(SPELL_STASIS, wx, wy, wp, 0, nullptr);
    }
    for (int i = 0; i < count; i++) {
        Unit_Record &unit = _UNITS[list[i]];
        unit.mutations |= UM_STASIS_INIT;
        unit.moves2 = 0;
        unit.Finished = 1;
    }
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Natures_Cures(int16_t caster_idx)
{
    int16_t wx = -1, wy = -1, wp = -1;
    const int16_t result =
        Stack_Square(caster_idx, TARGET_OWN_STACK, SPELL_NATURES_CURES, &wx, &wy, &wp, [](int16_t) { return false; });
    if (result != 1) return result;
    if (caster_idx == HUMAN_PLAYER_IDX || Check_Square_Scouted(wx, wy, wp)) {
        Magic_Square_Scene(SPELL_NATURES_CURES, wx, wy, wp, 0, nullptr);
    }
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    for (int i = 0; i < count; i++) {
        Unit_Record &unit = _UNITS[list[i]];
        if (_unit_type_table[unit.type].race != rt_Death && !(unit.mutations & UM_UNDEAD)) unit.Damage = 0;
    }
    return 1;
}

int16_t Cast_Lycantrophy(int16_t caster_idx)
{
    int16_t unit_idx = -1;
    const int16_t result = Unit_Target(caster_idx, SPELL_LYCANTHROPY, &unit_idx, [](int16_t u) {
        const Unit_Record &unit = _UNITS[u];
        int16_t record = 0;
        if (unit.type < NUM_HERO_TYPES) {
            record = 62;
        } else if (_unit_type_table[unit.type].Abilities & UA_FANTASTIC) {
            record = 63;
        } else if (unit.mutations & LYCANTHROPY_REFUSED) {
            record = 64;
        }
        if (record == 0) return false;
        Magic_Message_Record(record);
        return true;
    });
    if (result != 1) return result;
    Unit_Record &unit = _UNITS[unit_idx];
    if (Unit_Square_Shown(unit_idx, caster_idx))
        Magic_Square_Scene(SPELL_LYCANTHROPY, unit.wx, unit.wy, unit.wp, 0, nullptr);
    const int type = spell_data_table != nullptr ? spell_data_table[SPELL_LYCANTHROPY].Param_Bytes[0] : unit.type;
    if (type >= 0 && type < NUM_UNIT_TYPES) unit.type = (uint8_t)type;
    unit.XP = 0;
    unit.Level = 0;
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Plane_Shift_Check(int16_t wx, int16_t wy, int16_t wp)
{
    const int16_t other = (int16_t)(1 - wp);
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    if (Square_Is_Sailable(wx, wy, other)) {
        int16_t modes[NUM_MOVEMENT_MODES] = {};
        Army_Movement_Modes(modes, list, count);
        if (!modes[mm_Swimming] && !modes[mm_Sailing] && !modes[mm_Flying]) return 1;
    }
    int16_t there = 0;
    int16_t there_list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, other, &there, there_list);
    if (there == 0) return 0;
    const int16_t owner = count > 0 ? _UNITS[list[0]].owner_idx : -1;
    if (_UNITS[there_list[0]].owner_idx == owner) return count + there > PLANE_SHIFT_STACK_MAX ? 3 : 0;
    return 2;
}

int16_t Cast_Plane_Shift(int16_t caster_idx)
{
    const bool human = caster_idx == HUMAN_PLAYER_IDX;
    for (int16_t p = 0; p < NUM_PLAYERS; p++) {
        if (_players[p].Globals[ge_Planar_Seal] != 0) {
            if (human) Magic_Message_Record(54);
            return 0;
        }
    }
    int16_t wx = -1, wy = -1, wp = -1;
    const int16_t result =
        Stack_Square(caster_idx, TARGET_OWN_STACK, SPELL_PLANE_SHIFT, &wx, &wy, &wp, [](int16_t) { return false; });
    if (result != 1) return result;
    const int16_t check = Cast_Plane_Shift_Check(wx, wy, wp);
    if (check != 0) {
        if (human) {
            Magic_Plane_Shift_Scene(wx, wy, wp, 0);
            Magic_Message_Record((int16_t)(54 + check));
        }
        return 1;
    }
    if (human || Check_Square_Scouted(wx, wy, wp)) Magic_Plane_Shift_Scene(wx, wy, wp, 1);
    const int16_t other = (int16_t)(1 - wp);
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(wx, wy, wp, &count, list);
    for (int i = 0; i < count; i++) _UNITS[list[i]].wp = (uint8_t)other;
    if (human) {
        Set_Square_Scouted_Flags(wx, wy, other, Player_Units_Max_Range(HUMAN_PLAYER_IDX, wx, wy, other));
        Update_Scouted_And_Contacted();
    }
    g_ai_recompute_needed = 1;
    Magic_Redraw_Main(-1, -1, -1);
    return 1;
}
