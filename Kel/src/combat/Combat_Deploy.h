// Battle units filled from their overland units, given figure sets and placed on the grid; the small
// set-up of the automatic resolution; the next active unit; whether a computer side may flee.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Fills the battle unit in the slot for the overland unit at the cell; returns it.
Battle_Unit_Record *Prepare_Battle_Unit(int16_t slot, int16_t owner, int16_t unit_idx, int16_t x, int16_t y);
// The lowest figure set no fighting battle unit uses, -1 when all are in use.
int16_t Battle_Unit_Pict_Open(void);
// Places all battle units of the player in the side's slots, facing the enemy.
void Deploy_Battle_Units(int16_t player);
// On a sailable battle square, puts out of the battle the player's units that cannot fight on water;
// returns how many.
int16_t Undeployable_Battle_Units_On_Water(int16_t player);
// The automatic resolution's tables, cleared.
void Strategic_Combat_Allocate(void);
// Makes the nearest unit of the player that can still move the active one; 1 when there is none.
int16_t Next_Battle_Unit_Nearest_Available(int16_t player);
// 1 when a computer side may flee.
int16_t AI_Retreat_Check(int16_t player);
// Gives a newly conjured overland unit a battle-unit slot at the cell; returns the slot, -1 when none.
int16_t Combat_Place_Summoned_Unit(int16_t owner, int16_t unit_idx, int16_t x, int16_t y);
