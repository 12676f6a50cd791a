// The spells that raise the dead and the walls that rise in battle.
#pragma once

#include <cstdint>

// Raises one of the player's dead normal units at the cell.
void Cast_Raise_Dead(int16_t player, int16_t caster, int16_t x, int16_t y);
// Turns one dead unit into an undead of the caster's player.
void Cast_Animate_Dead(int16_t player, int16_t caster);
// Raises the wall of the spell round the city.
void Wall_Rise(int16_t spell, int16_t caster);
