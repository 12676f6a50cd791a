// Making new items, and handing found or given items to a player.
#pragma once

#include <cstdint>

// The item the Items screen opens on; -1 for none.
extern int16_t item_pool_item_idx;

// Makes an item of the kind from five requirement values; its index, or -1 when none is made.
int16_t Make_Item(int16_t kind, const int16_t *requirements, int16_t flag);
// The human places the items on its heroes or in its vault (the item pool screen).
void Process_Item_Pool(int16_t item_count, int16_t *items);
// A player takes the items: the human through the item pool screen, a computer wizard by rule.
void Player_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items);
