// A city's protections against hostile spells.
#pragma once

#include <cstdint>

// 1 when the spell passes the city's protections, 0 when countered; show_messages 1 tells the human.
int16_t Apply_Automatic_Spell_Counters(int16_t spell_idx, int16_t city_idx, int16_t caster_idx, int16_t show_messages);
