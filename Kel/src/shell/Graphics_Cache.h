// The shared graphics cache: one large block that a screen refills with the set of pictures it
// needs. Every preset resets the block, so the addresses of the previous preset become invalid.
#pragma once

#include <cstdint>

constexpr int NUM_ITEM_ICONS = 116;
constexpr int NUM_SPECIAL_PICTS = 145;

// Pictures by archive entry number (only the entries a preset loads are set).
extern uint8_t *gfx_cityscap_seg[117];
extern uint8_t *gfx_backgrnd_seg[96];
extern uint8_t *gfx_unitview_seg[50];
extern uint8_t *gfx_cmbmagic_seg[121];
extern uint8_t *gfx_cmbtcity_seg[122];
extern uint8_t *gfx_chriver_seg[33];
extern uint8_t *gfx_citywall_seg[64];

extern uint8_t *item_icons_seg[NUM_ITEM_ICONS];
extern uint8_t *item_power_icons_seg[22];
extern uint8_t *item_slot_icons_seg[6];
extern uint8_t *item_view_background_seg;
extern uint8_t *item_view_bullet_seg;
extern uint8_t *item_tile_icons_seg[6];
extern uint8_t *bldg_picts_seg[35];
extern uint8_t *special_seg[NUM_SPECIAL_PICTS];
extern uint8_t *small_spellbook_seg[10];  // book, two corners, six realm symbols, text

void Graphics_Cache_Reset(void);
void Cache_Graphics_Overland(void);
void Cache_Graphics_Things(void);
void Cache_Graphics_Unit_List_Window(void);
void Cache_Graphics_Combat(void);
void Cache_Graphics_Diplomacy(void);

void Load_Unit_StatFigs(void);
void Reload_Item_Pictures(void);
void Reload_Cityscape_Graphics_Cache(void);
void City_Screen_Load_Pictures(void);
void GFX_Swap_AppendUView(void);
void Spellbook_Load_Small_Pictures(void);
void Reload_Combat_Graphics_Cache(void);
