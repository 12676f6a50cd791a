// Stand-ins for the world rules that unit creation and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }
