// Stand-ins for the world rules that unit creation, eviction and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record_Operations.h"
#include "world/Unit_Death.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Stacks.h"

void Destroy_City(int16_t city_idx)
{
    STUB_HIT();
    STU_LOG(SEV_WARN, LC_GENERAL, "Destroy_City__STUB: city %d would be destroyed", city_idx);
}

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }

// Until the stack rules land an evicted unit is removed, as eviction does when no square takes it.
void Evict_Unit(int16_t unit_idx)
{
    STUB_HIT();
    Kill_Unit(unit_idx, kum_Destroyed);
}

void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane) { STUB_HIT(); }
