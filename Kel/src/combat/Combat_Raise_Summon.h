// Units brought back or into the battle by magic: Raise Dead, Animate Dead, summoned creatures and their
// appearance, and the rise of the wall spells.
#pragma once

#include <cstdint>

// How many free-cell draws a summons, demon or raised unit makes before the nine cells are scanned.
constexpr int COMBAT_FREE_CELL_DRAWS = 200;

// The frame of the wall being raised, and its kind (0 stone, 1 fire, 2 darkness), read by the drawing.
extern int16_t _wall_rise_frame;
extern int16_t _wall_rise_type;

// A free cell of the player's side of the field: columns 11-13 for the attacker, 8-10 for the defender,
// rows 9-11; 0 when all nine are taken.
int16_t Combat_Free_Summon_Cell(int16_t player, int16_t *x, int16_t *y);
// The slot a new battle unit would take, -1 when there is none.
int16_t Combat_Summon_Slot_Open(void);
// Creates the unit type for the player and brings it onto the cell with its appearance; the battle
// unit's index, -1 when no slot is open or the unit table is full (then nothing is created).
int16_t Combat_Summon_Creature(int16_t unit_type, int16_t player, int16_t x, int16_t y, int16_t spell, int16_t caster);

// Raises one of the player's dead normal units at the cell (a computer player's on a free cell).
void Cast_Raise_Dead(int16_t player, int16_t caster, int16_t x, int16_t y);
// Turns one dead unit into an undead of the player on a free cell.
void Cast_Animate_Dead(int16_t player, int16_t caster);
// Raises the wall of the spell: 3 stone, 87 fire, any other darkness.
void Wall_Rise(int16_t spell, int16_t caster);
// Shows the battle unit appearing at the cell.
void Battle_Unit_Summon_Animation(int16_t battle_unit_idx, int16_t x, int16_t y, int16_t spell, int16_t caster);
