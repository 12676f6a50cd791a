// The combat spells as the human watches them: the palette flash of battle-wide spells, the staggered
// effects of the instant battlefield spells, Call Chaos and Wrack, bolts, lightning, Cracks Call, a
// spell's default animation over its cell, walls rising, units appearing, teleporting and tunnelling,
// and the steering of the human's vortex.
#pragma once

#include <cstdint>

// Installs the combat spells' pictures into the combat rules' hooks.
void Combat_Spell_Animations_Install(void);

void Combat_Spell_Animation_Bolt(int16_t x, int16_t y, int16_t spell, int16_t caster);
void Animate_Lightning_Bolt(int16_t x, int16_t y, int16_t caster);
void Animate_Cracks_Call(int16_t x, int16_t y, int16_t caster);
void Combat_Spell_Animation_Default(int16_t x, int16_t y, int16_t large, int16_t caster, int16_t spell);
// Lets the human steer the vortex one cell; 1 with the chosen cell.
int16_t Vortex_Move_Screen(int16_t vortex, int16_t *x, int16_t *y);
