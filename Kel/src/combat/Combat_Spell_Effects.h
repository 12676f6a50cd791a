// The battle-wide spells that act at the start of every combat turn.
#pragma once

#include <cstdint>

// Wrack of the player hurts every enemy unit that fails to resist.
void Apply_Wrack(int16_t player);
// Call Lightning of the player strikes enemy units.
void Apply_Call_Lightning(int16_t player);
// Every magic vortex on the field moves and strikes.
void Vortex_Combat_Round(void);
// The instant battlefield spells (Death Spell, Holy Word, Flame Strike, the mass heal, Call Chaos).
void Combat_Battlefield_Instant(int16_t player, int16_t spell, int16_t caster);
// Cracks Call at the cell.
void Apply_Cracks_Call(int16_t x, int16_t y);
// Gives the battle unit one Warp Creature effect.
void Apply_Warp_Creature(int16_t battle_unit_idx);
// Drains the target for the caster; damage receives what was dealt.
void Apply_Life_Drain(int16_t target, int16_t *damage, int16_t caster, int16_t strength);
