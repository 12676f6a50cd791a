// The combat screen's pictures: the lower panel, its buttons and icons; the ground tiles, trees and
// rocks of the battlefield's terrain; the figure sets of the battle units. Each loader checks what
// it reads before the screen uses it: a damaged entry ends the program with a message naming the
// archive and the entry, never a wrong drawing.
#pragma once

#include <cstdint>

constexpr int COMBAT_BUTTONS = 7;  // spell, wait, done, auto, information, flee, cancel
enum Combat_Button_Picture : int16_t {
    cbp_Spell = 0,
    cbp_Wait = 1,
    cbp_Done = 2,
    cbp_Auto = 3,
    cbp_Info = 4,
    cbp_Flee = 5,
    cbp_Cancel = 6,
};
constexpr int COMBAT_ENCHANTMENT_ICONS = 15;
constexpr int COMBAT_WEAPON_ICONS = 9;
constexpr int COMBAT_MOVEMODE_ICONS = 3;
constexpr int COMBAT_SCAN_ICONS = 18;
constexpr int COMBAT_TERRAIN_TILES = 48;
constexpr int COMBAT_SCENERY_PICTURES = 5;
constexpr int COMBAT_FACINGS = 8;

extern uint8_t *combat_panel_seg;
extern uint8_t *combat_button_segs[COMBAT_BUTTONS];
extern uint8_t *combat_lock_button_segs[COMBAT_BUTTONS];  // greyed; none for cancel
extern uint8_t *combat_enchantment_icon_segs[COMBAT_ENCHANTMENT_ICONS];
extern uint8_t *combat_weapon_icon_segs[COMBAT_WEAPON_ICONS];
extern uint8_t *combat_movemode_icon_segs[COMBAT_MOVEMODE_ICONS];
extern uint8_t *combat_scan_icon_segs[COMBAT_SCAN_ICONS];
extern uint8_t *unit_hit_bar_seg;

extern uint8_t *_combat_terrain_pict_segs[COMBAT_TERRAIN_TILES];
extern uint8_t *_combat_tree_pict_segs[COMBAT_SCENERY_PICTURES];
extern uint8_t *_combat_rock_pict_segs[COMBAT_SCENERY_PICTURES];

// Loads the panel, buttons and icons (COMPIX) and the battle cache (missiles, city pieces, walls).
void Combat_Screen_Load_Resources(void);
// 1 once the panel pictures are loaded.
int16_t Combat_Screen_Resources_Loaded(void);
// Loads the 48 tiles, 5 trees and 5 rocks of a battlefield terrain (1 to 6) and plane; terrain 0
// (water) loads nothing and leaves the tables empty.
void Load_Combat_Terrain_Pictures(int16_t terrain, int16_t plane);
// The archive of a terrain and plane, nullptr for water or an unknown terrain.
const char *Combat_Terrain_Archive(int16_t terrain, int16_t plane);
// Loads a unit type's eight facing pictures into a figure set (0 to 17); the set, or -1 when the set
// or type is out of range.
int16_t Combat_Figure_Load(int16_t unit_type, int16_t figure_set);
// The figure archive and first entry of a unit type ("FIGURES1" ... "FIGURE14").
void Combat_Figure_Archive(int16_t unit_type, char *name, int size, int16_t *first_entry);
// A set's picture of a facing, nullptr when the set holds none.
uint8_t *Combat_Figure_Picture(int16_t figure_set, int16_t facing);
// The unit type a set holds, -1 none.
int16_t Combat_Figure_Set_Type(int16_t figure_set);
// Forgets every figure set and the terrain (a new battle loads its own).
void Combat_Pictures_Forget(void);
