// Every global enchantment in force, with its owner, as the magic screen and the global
// enchantment screen list them.
#pragma once

#include <cstdint>

#include "world/Player_Record.h"

constexpr int OVL_ENCH_LIST_MAX = NUM_PLAYERS * NUM_OVERLAND_ENCHANTMENTS;
constexpr uint8_t OVL_ENCH_NO_OWNER = 255;

extern int16_t ovl_ench_list_spells[OVL_ENCH_LIST_MAX];
extern uint8_t ovl_ench_list_players[OVL_ENCH_LIST_MAX];
extern int16_t ovl_ench_cnt;

// The spell of type 9 whose parameter is the slot (the last in table order), or 0.
int16_t Overland_Enchantment_Spell_Index(int16_t slot);
// Rebuilds the list: per player 0-5, each global-enchantment byte in force gives its spell.
void Build_Overland_Enchantment_List(void);
