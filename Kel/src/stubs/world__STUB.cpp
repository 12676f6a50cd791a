// Stand-ins for the world rules that unit creation and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"
#include "world/City_Record_Operations.h"

void Destroy_City(int16_t city_idx)
{
    STUB_HIT();
    STU_LOG(SEV_WARN, LC_GENERAL, "Destroy_City__STUB: city %d would be destroyed", city_idx);
}

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }
