// One battle unit attacks another or a wall cell: melee or a shot, the refusal of a shot at what
// cannot be seen, the resolution shown and charged, the damage committed, a Wall Crusher's breach.
#pragma once

#include <cstdint>

// The target number that means the wall cell at the given x and y.
constexpr int16_t ATTACK_TARGET_WALL = 99;
// Mouse images over a target: a shot may be aimed, or not.
constexpr int16_t MOUSE_IMAGE_NO_SHOT = 3;
constexpr int16_t MOUSE_IMAGE_SHOT = 4;

// The attacker attacks the target battle unit, or with target ATTACK_TARGET_WALL the wall at (x, y).
void Battle_Unit_Attack(int16_t attacker, int16_t target, int16_t x, int16_t y);
// MOUSE_IMAGE_SHOT when the attacker may aim a shot at the target, else MOUSE_IMAGE_NO_SHOT.
int16_t Ranged_Mouse_Image(int16_t attacker, int16_t target);
