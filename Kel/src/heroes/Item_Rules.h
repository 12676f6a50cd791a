// The rules of the Items screen: the item on the cursor, which place takes it, what a transfer
// costs, and breaking an item for mana.
#pragma once

#include <cstdint>

// Where the cursor's item came from: a hero slot 0..5, the vault (also pool items), a lair.
constexpr int16_t ITEM_SOURCE_VAULT = 6;
constexpr int16_t ITEM_SOURCE_LAIR = 7;
constexpr int16_t ITEM_PLACE_VAULT = 6;
constexpr int NUM_VAULT_PLACES = 4;
constexpr int16_t ITEM_TELEPORT_MANA = 20;

// The item on the cursor (-1 none) and its source (-1 none).
extern int16_t item_cursor_item_idx;
extern int16_t item_cursor_source;

// The slot kind of a hero's item place (0 when the place does not exist).
int16_t Move_Item_Slot_Kind(int16_t player_idx, int16_t hero_slot, int16_t item_slot);
// The human's fit rule: the vault takes all; a hero place of kind k takes class k, kind 2 also
// class 1, kind 3 also class 1 and 4.
int16_t Item_Fits_Place(int16_t item_idx, int16_t place, int16_t slot);
// 1 when a move from the source to the target place costs nothing.
int16_t Check_Same_Location(int16_t source, int16_t target);
// 1 when the item may leave the hero; 0 after the drowning warning.
int16_t Check_Wont_Drown(int16_t hero_slot, int16_t item_idx);
// A left click on a hero item place (place 0..5, slot 0..2) or a vault place (6, 0..3).
void Move_Item(int16_t place, int16_t slot);
// The anvil: after the confirmation the cursor's item becomes half its cost in mana.
void Destroy_Item(void);
// The mana the anvil gives for the item.
int16_t Destroy_Item_Mana(int16_t item_idx);
// The font of the screen's gold and mana: 1, or the smaller 0 when either is above 19,999.
int16_t Item_Screen_Reserve_Font(int16_t gold, int16_t mana);
// Puts the item on the cursor from the source.
void Item_Cursor_Take(int16_t item_idx, int16_t source);
// Without a player: the cursor's item goes into a free vault place or, the vault full, is broken
// on the anvil.
void Item_Cursor_Drop_Unattended(void);
