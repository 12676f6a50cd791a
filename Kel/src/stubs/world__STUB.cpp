// Stand-ins for the world rules that unit creation, compaction and the test hooks call.
#include "stubs/world__STUB.h"

#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record_Operations.h"
#include "world/Unit_Stacks.h"

int16_t Calc_Unit_Level(int16_t unit_idx)
{
    int16_t level = 0;
    while (level + 1 < NUM_UNIT_LEVELS && _UNITS[unit_idx].XP >= TBL_Experience[level + 1]) {
        level++;
    }
    _UNITS[unit_idx].Level = (int8_t)level;
    return level;
}

int16_t City_Best_Weapon(int16_t city_idx) { return 0; }

void Destroy_City(int16_t city_idx)
{
    STUB_HIT();
    STU_LOG(SEV_WARN, LC_GENERAL, "Destroy_City__STUB: city %d would be destroyed", city_idx);
}

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }

void Kill_Unit(int16_t unit_idx, int16_t kill_type)
{
    if (unit_idx < 0 || unit_idx >= _units) {
        return;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS && unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS) {
        _players[unit.owner_idx].Heroes[unit.Hero_Slot].unit_idx = -1;
    }
    unit.owner_idx = -1;
    unit.wp = 0xFF;
}

void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane) { STUB_HIT(); }
