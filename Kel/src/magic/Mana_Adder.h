// The extra mana a variable-cost spell takes on the mana adder's slider: its range, the power a
// slider position gives and the costs it sets.
#pragma once

#include <cstdint>

// Slider positions of the adder: the leftmost adds nothing, the rightmost the whole range.
constexpr int16_t MANA_ADDER_SLIDER_MIN = 3;
constexpr int16_t MANA_ADDER_SLIDER_MAX = 103;

// The strength (base cost + extra power) of the last adder step.
extern int16_t g_spell_scratch_int;

// The overland slider's range: the spell's base cost.
int16_t Overland_Mana_Adder_Range(int16_t spell_idx);
// The combat slider's range for a caster (battle unit below 20, 20 + the human for the wizard),
// never below 0.
int16_t Combat_Mana_Adder_Range(int16_t spell_idx, int16_t caster);
// The extra power of a slider position over a range.
int16_t Mana_Adder_Extra_Power(int16_t slider, int16_t range);
// Sets the human's casting_cost_original to the strength and his cost left to it less his
// reduction; returns the strength.
int16_t Overland_Mana_Adder_Apply(int16_t spell_idx, int16_t slider);
// Sets the human's cost left to the strength (less his reduction when the caster is the wizard);
// returns the strength.
int16_t Combat_Mana_Adder_Apply(int16_t spell_idx, int16_t slider, int16_t caster, int16_t range);
