// A city's protective enchantments against a hostile overland spell: Consecration, the five spell
// wards and the Nightshade squares.
#pragma once

#include <cstdint>

// 1 when the spell passes the city's protections, 0 when one of them counters it. Every check
// runs; with show_messages each countering one tells the wizards involved.
int16_t Apply_Automatic_Spell_Counters(int16_t spell_idx, int16_t city_idx, int16_t caster_idx, int16_t show_messages);

// The chance in 250 that n Nightshade squares stop a spell of the difficulty, in 32 bits.
int16_t Nightshade_Chance(int16_t nightshade_count, int16_t difficulty);
