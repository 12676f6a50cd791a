// The small checks around attacks and turns: distance between battle units, wall cells, visibility,
// whether a melee blow is possible, which sides see through illusions, a unit's moves for the turn and
// the active unit.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The larger of the x and y distances between the two units' cells; 1 means adjacent.
int16_t Range_To_Battle_Unit(const Battle_Unit_Record *a, const Battle_Unit_Record *b);
// 1 when the walls stand and a standing wall piece is on the cell of the city ring.
int16_t Combat_Grid_Cell_Has_City_Wall(int16_t x, int16_t y);
// 1 when the unit can be targeted by the other side.
int16_t Target_Is_Visible(const Battle_Unit_Record *bu);
// 1 when the attacker may strike the target in melee as far as flight goes.
int16_t Check_Attack_Melee(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target);
// 0 when a wall stops the melee attack, else 1.
int16_t Check_Attack_Melee_City_Wall(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target);
// Sets _attacker_sees_illusions and _defender_sees_illusions from the fighting units' immunities.
void Update_Sees_Illusions(void);
// The unit's moves for this turn, in half-moves.
int16_t Battle_Unit_Moves2(const Battle_Unit_Record *bu);
// Makes the battle unit the active one, clearing the old active unit's switch word.
void Switch_Active_Battle_Unit(int16_t battle_unit_idx);
