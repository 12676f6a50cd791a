#include "world/Unit_Levels.h"

#include "STU_Log.h"
#include "world/ALLOC.h"
#include "world/LOADER.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SPELL_LEVEL_BOUND = 201;
constexpr int16_t DEFAULT_LEVEL_BOUND = NUM_SUMMONED_TYPE_FIRST;
constexpr int NORMAL_UNIT_TOP_LEVEL = 3;
constexpr int HERO_TOP_LEVEL = 8;

bool m_bound_warned = false;

bool Unit_Valid(int unit_idx) { return unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY && _UNITS != nullptr; }

}  // namespace

int16_t Unit_Level_Type_Bound(void)
{
    int16_t bound = spell_data_table != nullptr ? spell_data_table[SPELL_LEVEL_BOUND].Param_Words[0] : 0;
    if (bound >= 1 && bound <= NUM_UNIT_TYPES) {
        return bound;
    }
    if (!m_bound_warned) {
        m_bound_warned = true;
        STU_LOG(SEV_WARN, LC_GENERAL, "Unit levels: the spell table's level bound %d is outside 1..%d; using %d", bound,
                NUM_UNIT_TYPES, DEFAULT_LEVEL_BOUND);
    }
    return DEFAULT_LEVEL_BOUND;
}

int16_t Unit_Base_Level(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx)) {
        return 0;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    if (unit.type >= Unit_Level_Type_Bound()) {
        return unit.Level;
    }
    bool hero = unit.type < NUM_HERO_TYPES;
    int top = hero ? HERO_TOP_LEVEL : NORMAL_UNIT_TOP_LEVEL;
    if (unit.XP > TBL_Experience[top]) {
        unit.XP = TBL_Experience[top];
    }
    int level = 0;
    while (level < top && unit.XP >= TBL_Experience[level + 1]) {
        level++;
    }
    return (int16_t)level;
}

int16_t Calc_Unit_Level(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx)) {
        return 0;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    if (unit.type >= Unit_Level_Type_Bound()) {
        return unit.Level;
    }
    int level = Unit_Base_Level(unit_idx);
    if (level >= 3) {
        unit.enchantments &= ~(uint32_t)UE_HEROISM;
    }
    if ((unit.enchantments & UE_HEROISM) && level < 3) {
        level = 3;
    }
    if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
        const Player_Record &owner = _players[unit.owner_idx];
        if (owner.retorts[rtr_Warlord]) {
            level++;
        }
        if (owner.Globals[ge_Crusade] && unit.type < NUM_SUMMONED_TYPE_FIRST && !(unit.mutations & UM_UNDEAD)) {
            level++;
        }
    }
    if (level > HERO_TOP_LEVEL) {
        level = HERO_TOP_LEVEL;
    }
    return (int16_t)level;
}
