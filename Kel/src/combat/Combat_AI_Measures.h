// The measures the computer's conduct of a battle asks for: the worth of an attack, a side's missile
// strength, the balance of the battle, the unit type shown raising the dead, the city's perimeter.
#pragma once

#include <cstdint>

// The worth of an attack of one battle unit on another (ranged nonzero: a missile attack); -200 when the
// target cannot be reached at all.
int16_t Target_Unit_Value(int16_t attacker, int16_t target, int16_t ranged);
// The ranged strength of the player's last fighting archer, 0 when none.
int16_t Total_Ranged_Attack_Strength(int16_t player);
// The unit type shown when the dead rise for the player.
int16_t Find_Undead_Creator_Type(int16_t player);
// Closes the ring of cells around the city block in the working cost map.
void Update_Move_Map_City_Perimeter_Restrictions(void);
// The balance of the battle for the player: 0 (hopeless) to 5 (overwhelming).
int16_t AI_Player_Mode(int16_t player);
