#include "combat/Combat_Casting_Rules.h"

#include <cstdlib>
#include <initializer_list>

#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t NEUTRAL_PLAYER = 5;

struct Spell_Modifier {
    int16_t spell;
    int16_t modifier;
};

constexpr Spell_Modifier MODIFIERS[] = {
    {46, -4},  {64, -3},  {68, -5},  {73, -2},  {75, -3},  {89, -1},  {134, -4}, {150, -2},
    {162, -2}, {165, -2}, {168, +1}, {172, -1}, {182, +1}, {187, -1}, {192, -5}, {194, -2},
};

}  // namespace

int16_t Combat_Casting_Cost_Multiplier(int16_t player)
{
    if (player == NEUTRAL_PLAYER) {
        return 1;
    }
    if (player < 0 || player >= NUM_PLAYERS || _FORTRESSES == nullptr) {
        return 10;
    }
    const Fortress_Record &fortress = _FORTRESSES[player];
    int d;
    if (fortress.wp != _combat_wp) {
        d = 30;
    } else {
        int dx = abs(fortress.wx - _combat_wx);
        if (dx > 30) dx = 60 - dx;
        const int dy = abs(fortress.wy - _combat_wy);
        d = dx > dy ? dx : dy;
        if (d == 0) {
            return 5;
        }
    }
    if (_players[player].retorts[rtr_Channeler]) {
        d = 2;
    }
    int factor = 10;
    for (int threshold : {5, 10, 15, 20}) {
        if (d > threshold) factor += 5;
    }
    return (int16_t)factor;
}

int16_t Spell_Resistance_Modifier(int16_t spell)
{
    for (const Spell_Modifier &entry : MODIFIERS) {
        if (entry.spell == spell) return entry.modifier;
    }
    return 0;
}
