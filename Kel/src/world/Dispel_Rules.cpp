#include "world/Dispel_Rules.h"

#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

namespace {

constexpr int32_t DISPEL_ROLL_SIDES = 250;
constexpr int16_t REALM_NATURE = 0;
constexpr int16_t REALM_SORCERY = 1;
constexpr int16_t REALM_CHAOS = 2;

}  // namespace

int16_t Calculate_Dispel_Difficulty(int32_t cost, int16_t owner, int16_t realm)
{
    int32_t difficulty = cost;
    if (owner >= 0 && owner < NUM_PLAYERS) {
        const Player_Record &wizard = _players[owner];
        int32_t multiplier = 1;
        if ((realm == REALM_NATURE && wizard.retorts[rtr_Nature_Mastery] != 0) ||
            (realm == REALM_SORCERY && wizard.retorts[rtr_Sorcery_Mastery] != 0) ||
            (realm == REALM_CHAOS && wizard.retorts[rtr_Chaos_Mastery] != 0)) {
            multiplier++;
        }
        if (wizard.retorts[rtr_Archmage] != 0) multiplier++;
        difficulty = cost * multiplier;
    }
    if (difficulty < 0) difficulty = 0;
    if (difficulty > INT16_MAX) difficulty = INT16_MAX;
    return (int16_t)difficulty;
}

int16_t Dispel_Chance(int32_t strength, int32_t difficulty)
{
    if (strength < 0) strength = 0;
    if (difficulty < 0) difficulty = 0;
    int32_t divisor = strength + difficulty;
    if (divisor < 1) divisor = 1;
    return (int16_t)((int64_t)strength * DISPEL_ROLL_SIDES / divisor);
}

int16_t Dispel_Roll(int32_t strength, int32_t difficulty)
{
    const int16_t chance = Dispel_Chance(strength, difficulty);
    return RANDOM(DISPEL_ROLL_SIDES) <= chance ? 1 : 0;
}
