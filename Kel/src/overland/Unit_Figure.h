// A unit's figure as the overland screens show it: banner colours, invisibility, patrol grey,
// the enchantment outline and the order letter; and, in the unit window, its background,
// damage bar, medals and weapon.
#pragma once

#include <cstdint>

constexpr int NUM_BANNER_COLORS = 5;
constexpr int NUM_OUTLINE_SETS = 5;
constexpr int OUTLINE_FRAMES = 8;

// Per banner (5 the neutral player) the five colours that replace figure colours 214 to 218.
extern const uint8_t COL_Banners[6][NUM_BANNER_COLORS];
// Per colour set and animation frame, the eight colours of an enchantment outline.
extern uint8_t enchantment_outline_colors[NUM_OUTLINE_SETS][OUTLINE_FRAMES][8];

extern int16_t unit_enchantment_animation_count;  // 0..7
extern int16_t unit_enchantment_animation_flag;   // half-rate toggle
extern int16_t unit_weapon_type_animation_count;  // 0..3

// selected (or a mode): non-zero draws the owner's banner background first.
void Draw_Unit_Picture(int16_t x, int16_t y, int16_t unit_idx, int16_t selected);
// mode 0 and 1: unit window (with order letters); 2: map; 3: no patrol grey.
void Draw_Unit_StatFig(int16_t x, int16_t y, int16_t unit_idx, int16_t mode);
void Draw_Unit_Enchantment_Outline(int16_t unit_idx);
void Unit_Window_Draw_Unit_Attributes(int16_t x, int16_t y, int16_t unit_idx);
void Cycle_Unit_Enchantment_Animation(void);

// The colour set of the first enchantment in outline order, or -1 for none.
int16_t Unit_Enchantment_Outline_Set(uint32_t enchantments);
// Damage bar length (-1 and below: none) of a unit with full and damage hit points.
int16_t Unit_Damage_Bar_Length(int16_t full, int16_t damage);
