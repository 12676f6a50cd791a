// Units' experience, stasis, training by heroes and healing at the end of every world turn.
#pragma once

#include <cstdint>

// Unit Recovery, stasis rolls, one experience point a turn, then the heroes' training of their
// stacks. During Time Stop only the caster's units gain.
void Do_All_Units_XP_Check(void);
// Every damaged living unit heals by where it stands; healers treat their squares once a turn.
void Heal_All_Units(void);
// Heals one unit by the divisor of its place, or as a healer's treatment (the divisor is then ignored).
void Heal_Unit(int16_t unit_idx, int16_t divisor, int16_t by_healer);

// The healing divisors of a turn: in the field, in a city, in a city with building 10, and the mark
// of a unit already treated by a healer.
constexpr uint8_t HEAL_DIVISOR_FIELD = 20;
constexpr uint8_t HEAL_DIVISOR_CITY = 10;
constexpr uint8_t HEAL_DIVISOR_CITY_BUILDING = 6;
constexpr uint8_t HEAL_DIVISOR_TREATED = 66;
