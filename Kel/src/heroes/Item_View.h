// The item detail pop-up and an item's icon with the animated outline of its powers.
#pragma once

#include <cstdint>

// Shows the item anchored at x, y until a click.
void Item_View_Popup(int16_t item_idx, int16_t x, int16_t y);
// Draws the item's icon with its power outline into a 19 by 19 picture at 2, 2.
void Draw_Item_Icon_With_Enchantment_Outline(int16_t item_idx, uint8_t *picture);
// Advances the animation of the items' power outlines: one frame every second call.
void Cycle_Item_Enchantment_Animation(void);
// The aura colour set of an item with the power bits (the first matching power), or -1.
int16_t Item_Enchantment_Outline_Set(uint32_t powers);

extern int16_t item_enchantment_animation_flag;   // 0 or 1
extern int16_t item_enchantment_animation_count;  // 0..7
