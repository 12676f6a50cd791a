// Stand-ins for the world rules that unit creation, eviction and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record_Operations.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"

void Destroy_City(int16_t city_idx)
{
    STUB_HIT();
    STU_LOG(SEV_WARN, LC_GENERAL, "Destroy_City__STUB: city %d would be destroyed", city_idx);
}

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }

void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane) { STUB_HIT(); }

int16_t all_units_moved = 0;
int16_t _active_stack_has_path = 0;
int16_t special_action_flag = -1;

// No unit counts as selected until the stack rules land.
void Active_Unit_Stack(int16_t *count, int16_t *list)
{
    STUB_HIT();
    *count = 0;
}

// No city is found on a square, no ward stops a stack and no seal is in force until movement lands.
int16_t Square_Has_City(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    return -1;
}

int16_t Stack_Blocked_By_Spell_Ward(int16_t city_idx, int16_t count, int16_t *list)
{
    STUB_HIT();
    return 0;
}

int16_t Check_Planar_Seal(void)
{
    STUB_HIT();
    return 0;
}
