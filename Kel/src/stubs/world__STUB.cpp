// Stand-ins for the world rules that dispelling calls.
#include "STU_Log.h"
#include "random.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Dispel_Rules.h"

// The owner's retorts do not harden an enchantment yet.
int16_t Calculate_Dispel_Difficulty(int32_t cost, int16_t owner, int16_t realm)
{
    STUB_HIT();
    return (int16_t)(cost < 0 ? 0 : cost > INT16_MAX ? INT16_MAX : cost);
}

int16_t Dispel_Chance(int32_t strength, int32_t difficulty)
{
    STUB_HIT();
    if (strength < 0) strength = 0;
    if (difficulty < 0) difficulty = 0;
    int32_t divisor = strength + difficulty < 1 ? 1 : strength + difficulty;
    return (int16_t)((int64_t)strength * 250 / divisor);
}

int16_t Dispel_Roll(int32_t strength, int32_t difficulty)
{
    STUB_HIT();
    return RANDOM(250) <= Dispel_Chance(strength, difficulty) ? 1 : 0;
}
