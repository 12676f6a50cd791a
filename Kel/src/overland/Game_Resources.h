// The pictures and sounds that the front end and the game proper keep for the whole run: the main
// menu's at start-up, and the game proper's (terrain, map overlays, the main screen's pictures,
// button sounds) once, the first time the game proper is entered, together with its rule tables.
#pragma once

#include <cstdint>

extern int16_t g_vez_resources_loaded;

// ---- front end ----
extern uint8_t *mainmenu_top;
extern uint8_t *mainmenu_bot;
extern uint8_t *mainmenu_c;
extern uint8_t *mainmenu_h;
extern uint8_t *mainmenu_q;
extern uint8_t *mainmenu_n;
extern uint8_t *mainmenu_l;
extern uint8_t *wizard_portrait_segs[14];

// ---- map pictures ----
extern uint8_t *map_square_scratchpad_seg;
extern uint8_t *node_warp_scratchpad_seg;
extern uint8_t *m_terrain_lbx_000;
extern uint8_t *m_terrain_lbx_001;
extern uint8_t *m_terrain_lbx_002;
// Their lengths in bytes: the map checks every place it reads in them against these.
extern uint32_t m_terrain_lbx_000_length;
extern uint32_t m_terrain_lbx_001_length;
extern uint32_t m_terrain_lbx_002_length;
extern uint8_t *unexplored_mask_seg[14];
extern uint8_t *_unit_colored_backgrounds_seg[6];
extern uint8_t *IMG_OVL_Walled_City;
extern uint8_t *IMG_OVL_NoWall_City;
extern uint8_t *tower_unowned_seg;
extern uint8_t *tower_owned_seg;
extern uint8_t *IMG_OVL_EZ_Cave;
extern uint8_t *IMG_OVL_EZ_Dung;
extern uint8_t *IMG_OVL_EZ_ATmpl;
extern uint8_t *IMG_OVL_EZ_AKeep;
extern uint8_t *IMG_OVL_EZ_MLair;
extern uint8_t *IMG_OVL_EZ_Ruins;
extern uint8_t *IMG_OVL_EZ_FTmpl;
extern uint8_t *mineral_site_segs[10];  // [1..9] by mineral
extern uint8_t *IMG_OVL_Corruption;
extern uint8_t *road_lone_seg;
extern uint8_t *roads_seg[8];
extern uint8_t *eroad_lone_seg;
extern uint8_t *eroads_seg[8];
extern uint8_t *node_auras_seg[5];
extern uint8_t *UU_hunters_lodge_seg;
extern uint8_t *IMG_OVL_Nightshade;
extern uint8_t *IMG_OVL_WildGame;
extern uint8_t *node_warped_seg;

// ---- main screen ----
extern uint8_t *main_background_seg;
extern uint8_t *main_game_button;
extern uint8_t *main_spells_button;
extern uint8_t *main_armies_button;
extern uint8_t *main_cities_button;
extern uint8_t *main_magic_button;
extern uint8_t *main_info_button;
extern uint8_t *main_plane_button;
extern uint8_t *main_done_button;
extern uint8_t *main_patrol_button;
extern uint8_t *main_wait_button;
extern uint8_t *main_build_button;
extern uint8_t *main_purify_button;
extern uint8_t *main_meld_button;
extern uint8_t *main_lock_done_button;
extern uint8_t *main_lock_patrol_button;
extern uint8_t *main_lock_wait_button;
extern uint8_t *main_lock_build_button;
extern uint8_t *main_lock_purify_button;
extern uint8_t *main_white_medal_icon;
extern uint8_t *main_gold_medal_icon;
extern uint8_t *main_red_medal_icon;
extern uint8_t *main_magic_weapon_icon;
extern uint8_t *main_mithril_weapon_icon;
extern uint8_t *main_adamantium_weapon_icon;
extern uint8_t *move_sail_icon;
extern uint8_t *move_swim_icon;
extern uint8_t *move_mt_icon;
extern uint8_t *move_forest_icon;
extern uint8_t *move_fly_icon;
extern uint8_t *move_path_icon;
extern uint8_t *move_astral_icon;
extern uint8_t *move_wind_icon;
extern uint8_t *move_boot_icon;
extern uint8_t *movement_mode_icons[9];
extern uint8_t *unit_backgrounds[9];
extern uint8_t *next_turn_button_seg;
extern uint8_t *deselect_background;
extern uint8_t *next_turn_background_seg;
extern uint8_t *cast_background;
extern uint8_t *cast_cancel_button;
extern uint8_t *cast_button_border;
extern uint8_t *deselect_button_blockout;
extern uint8_t *road_background;
extern uint8_t *road_ok_button;
extern uint8_t *road_button_border;
extern uint8_t *survey_background;
extern uint8_t *goto_booty_icon;
extern uint8_t *main_lilevent_icons[6];
extern uint8_t *mirror_screen_background_seg;

// ---- combat and sounds ----
extern uint8_t *combat_background_bottom;
extern uint8_t *snd_standard_button_click;
extern uint8_t *snd_left_button_click;
extern uint32_t snd_standard_button_click_size;
extern uint32_t snd_left_button_click_size;

void Load_DOD_Resources(void);
void Load_VEZ_Resources_Once(void);
void Load_VEZ_Resources(void);
void Terrain_Init(void);
void Main_Screen_Load_Pictures(void);
void Load_Combat_Background_Bottom(void);
void Load_Button_Sounds(void);
