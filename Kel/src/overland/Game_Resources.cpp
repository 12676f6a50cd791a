#include "overland/Game_Resources.h"

#include "Allocate.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "overland/Terrain_Rows.h"
#include "world/Game_Settings.h"
#include "world/LOADER.h"

int16_t g_vez_resources_loaded;

uint8_t *mainmenu_top, *mainmenu_bot;
uint8_t *mainmenu_c, *mainmenu_h, *mainmenu_q, *mainmenu_n, *mainmenu_l;
uint8_t *wizard_portrait_segs[14];

uint8_t *map_square_scratchpad_seg, *node_warp_scratchpad_seg;
uint8_t *m_terrain_lbx_000, *m_terrain_lbx_001, *m_terrain_lbx_002;
uint32_t m_terrain_lbx_000_length, m_terrain_lbx_001_length, m_terrain_lbx_002_length;
uint8_t *unexplored_mask_seg[14];
uint8_t *_unit_colored_backgrounds_seg[6];
uint8_t *IMG_OVL_Walled_City, *IMG_OVL_NoWall_City;
uint8_t *tower_unowned_seg, *tower_owned_seg;
uint8_t *IMG_OVL_EZ_Cave, *IMG_OVL_EZ_Dung, *IMG_OVL_EZ_ATmpl, *IMG_OVL_EZ_AKeep;
uint8_t *IMG_OVL_EZ_MLair, *IMG_OVL_EZ_Ruins, *IMG_OVL_EZ_FTmpl;
uint8_t *mineral_site_segs[10];
uint8_t *IMG_OVL_Corruption;
uint8_t *road_lone_seg, *roads_seg[8], *eroad_lone_seg, *eroads_seg[8];
uint8_t *node_auras_seg[5];
uint8_t *UU_hunters_lodge_seg, *IMG_OVL_Nightshade, *IMG_OVL_WildGame, *node_warped_seg;

uint8_t *main_background_seg;
uint8_t *main_game_button, *main_spells_button, *main_armies_button, *main_cities_button;
uint8_t *main_magic_button, *main_info_button, *main_plane_button, *main_done_button;
uint8_t *main_patrol_button, *main_wait_button, *main_build_button;
uint8_t *main_purify_button, *main_meld_button;
uint8_t *main_lock_done_button, *main_lock_patrol_button, *main_lock_wait_button;
uint8_t *main_lock_build_button, *main_lock_purify_button;
uint8_t *main_white_medal_icon, *main_gold_medal_icon, *main_red_medal_icon;
uint8_t *main_magic_weapon_icon, *main_mithril_weapon_icon, *main_adamantium_weapon_icon;
uint8_t *move_sail_icon, *move_swim_icon, *move_mt_icon, *move_forest_icon, *move_fly_icon;
uint8_t *move_path_icon, *move_astral_icon, *move_wind_icon, *move_boot_icon;
uint8_t *movement_mode_icons[9];
uint8_t *unit_backgrounds[9];
uint8_t *next_turn_button_seg, *deselect_background, *next_turn_background_seg;
uint8_t *cast_background, *cast_cancel_button, *cast_button_border, *deselect_button_blockout;
uint8_t *road_background, *road_ok_button, *road_button_border, *survey_background;
uint8_t *goto_booty_icon;
uint8_t *main_lilevent_icons[6];
uint8_t *mirror_screen_background_seg;

uint8_t *combat_background_bottom;
uint8_t *snd_standard_button_click, *snd_left_button_click;
uint32_t snd_standard_button_click_size, snd_left_button_click_size;

struct Entry_Load {
    const char *lbx_name;
    int16_t entry;
    uint8_t **destination;
};

static void Load_Entries(const Entry_Load *list, int count)
{
    for (int i = 0; i < count; i++) {
        Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
        *list[i].destination = LBX_Load_Picture(list[i].lbx_name, list[i].entry);
    }
}

// A run of consecutive entries into an array.
static void Load_Entry_Run(const char *lbx_name, int16_t first, int16_t count, uint8_t **destination)
{
    for (int16_t i = 0; i < count; i++) {
        Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
        destination[i] = LBX_Load_Picture(lbx_name, (int16_t)(first + i));
    }
}

void Load_DOD_Resources(void)
{
    static const Entry_Load list[] = {
        {"MAINSCRN", 0, &mainmenu_top}, {"MAINSCRN", 5, &mainmenu_bot}, {"VORTEX", 1, &mainmenu_c},
        {"VORTEX", 2, &mainmenu_h},     {"VORTEX", 3, &mainmenu_q},     {"VORTEX", 4, &mainmenu_n},
        {"VORTEX", 5, &mainmenu_l},
    };
    Load_Entries(list, (int)(sizeof(list) / sizeof(list[0])));
    Load_Entry_Run("WIZARDS", 0, 14, wizard_portrait_segs);
}

void Terrain_Init(void)
{
    Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
    map_square_scratchpad_seg = Allocate_Space(70);
    // The terrain entries are tables and tiles, not animations.
    struct Terrain_Load {
        int16_t entry;
        uint8_t **destination;
        uint32_t *length;
    };
    static const Terrain_Load terrain[] = {
        {1, &m_terrain_lbx_001, &m_terrain_lbx_001_length},
        {2, &m_terrain_lbx_002, &m_terrain_lbx_002_length},
        {0, &m_terrain_lbx_000, &m_terrain_lbx_000_length},
    };
    for (const Terrain_Load &load : terrain) {
        Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
        *load.destination = LBX_Load("TERRAIN.LBX", load.entry);
        *load.length = lbxload_entry_length;
    }
    Terrain_Rows_Build();
    uint8_t *unrest = Load_Rule_Table("TERRSTAT", 1, 1, UNREST_TABLE_SIZE);
    for (int row = 0; row < NUM_UNREST_RACES; row++) {
        TBL_Unrest[row] = reinterpret_cast<int8_t *>(unrest + NUM_UNREST_RACES * row);
    }
    Load_Entry_Run("MAPBACK.LBX", 0, 14, unexplored_mask_seg);
    Load_Entry_Run("MAPBACK", 14, 6, _unit_colored_backgrounds_seg);
    static const Entry_Load overlays[] = {
        {"MAPBACK", 20, &IMG_OVL_Walled_City},
        {"MAPBACK", 21, &IMG_OVL_NoWall_City},
        {"MAPBACK", 69, &tower_unowned_seg},
        {"MAPBACK", 70, &tower_owned_seg},
        // 71 and 74 each serve two kinds of site.
        {"MAPBACK", 71, &IMG_OVL_EZ_Cave},
        {"MAPBACK", 74, &IMG_OVL_EZ_Dung},
        {"MAPBACK", 72, &IMG_OVL_EZ_ATmpl},
        {"MAPBACK", 73, &IMG_OVL_EZ_AKeep},
        {"MAPBACK", 71, &IMG_OVL_EZ_MLair},
        {"MAPBACK", 74, &IMG_OVL_EZ_Ruins},
        {"MAPBACK", 75, &IMG_OVL_EZ_FTmpl},
    };
    Load_Entries(overlays, (int)(sizeof(overlays) / sizeof(overlays[0])));
    Load_Entry_Run("MAPBACK", 78, 9, &mineral_site_segs[1]);
    static const Entry_Load corruption_and_roads[] = {
        {"MAPBACK", 77, &IMG_OVL_Corruption},
        {"MAPBACK", 45, &road_lone_seg},
    };
    Load_Entries(corruption_and_roads, 2);
    Load_Entry_Run("MAPBACK", 46, 8, roads_seg);
    static const Entry_Load eroad[] = {{"MAPBACK", 54, &eroad_lone_seg}};
    Load_Entries(eroad, 1);
    Load_Entry_Run("MAPBACK", 55, 8, eroads_seg);
    Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
    node_warp_scratchpad_seg = Allocate_Space(24);
    Load_Entry_Run("MAPBACK", 63, 5, node_auras_seg);
    static const Entry_Load specials[] = {
        {"MAPBACK", 90, &UU_hunters_lodge_seg},
        {"MAPBACK", 91, &IMG_OVL_Nightshade},
        {"MAPBACK", 92, &IMG_OVL_WildGame},
        {"MAPBACK", 93, &node_warped_seg},
    };
    Load_Entries(specials, 4);
}

void Main_Screen_Load_Pictures(void)
{
    // The pictures never change during a run; loading them again each time the main screen
    // opens would only carve fresh pool memory that is never given back.
    static int loaded = 0;
    if (loaded) {
        return;
    }
    loaded = 1;
    static const Entry_Load list[] = {
        {"MAIN", 0, &main_background_seg},
        {"MAIN", 1, &main_game_button},
        {"MAIN", 2, &main_spells_button},
        {"MAIN", 3, &main_armies_button},
        {"MAIN", 4, &main_cities_button},
        {"MAIN", 5, &main_magic_button},
        {"MAIN", 6, &main_info_button},
        {"MAIN", 7, &main_plane_button},
        {"MAIN", 8, &main_done_button},
        {"MAIN", 9, &main_patrol_button},
        {"MAIN", 10, &main_wait_button},
        {"MAIN", 11, &main_build_button},
        {"MAIN", 42, &main_purify_button},
        {"MAIN", 49, &main_meld_button},
        {"MAIN", 12, &main_lock_done_button},
        {"MAIN", 13, &main_lock_patrol_button},
        {"MAIN", 14, &main_lock_wait_button},
        {"MAIN", 15, &main_lock_build_button},
        {"MAIN", 43, &main_lock_purify_button},
        {"MAIN", 51, &main_white_medal_icon},
        {"MAIN", 52, &main_gold_medal_icon},
        {"MAIN", 53, &main_red_medal_icon},
        {"MAIN", 54, &main_magic_weapon_icon},
        {"MAIN", 55, &main_mithril_weapon_icon},
        {"MAIN", 56, &main_adamantium_weapon_icon},
        {"MAIN", 18, &move_sail_icon},
        {"MAIN", 19, &move_swim_icon},
        {"MAIN", 20, &move_mt_icon},
        {"MAIN", 21, &move_forest_icon},
        {"MAIN", 22, &move_fly_icon},
        {"MAIN", 23, &move_path_icon},
        {"MAIN", 36, &move_astral_icon},
        {"MAIN", 37, &move_wind_icon},
        {"MAIN", 38, &move_boot_icon},
    };
    Load_Entries(list, (int)(sizeof(list) / sizeof(list[0])));
    uint8_t *movement_icons[9] = {move_sail_icon, move_swim_icon,   move_mt_icon,   move_forest_icon, move_fly_icon,
                                  move_path_icon, move_astral_icon, move_wind_icon, move_boot_icon};
    for (int i = 0; i < 9; i++) {
        movement_mode_icons[i] = movement_icons[i];
    }
    Load_Entry_Run("MAIN", 24, 9, unit_backgrounds);
    static const Entry_Load rest[] = {
        {"MAIN", 58, &next_turn_button_seg},     {"MAIN", 34, &deselect_background},
        {"MAIN", 35, &next_turn_background_seg}, {"MAIN", 40, &cast_background},
        {"MAIN", 41, &cast_cancel_button},       {"MAIN", 47, &cast_button_border},
        {"MAIN", 44, &deselect_button_blockout}, {"MAIN", 45, &road_background},
        {"MAIN", 46, &road_ok_button},           {"MAIN", 48, &road_button_border},
        {"MAIN", 57, &survey_background},        {"MAIN", 50, &goto_booty_icon},
    };
    Load_Entries(rest, (int)(sizeof(rest) / sizeof(rest[0])));
    Load_Entry_Run("MAIN", 59, 6, main_lilevent_icons);
    static const Entry_Load mirror[] = {{"BACKGRND", 4, &mirror_screen_background_seg}};
    Load_Entries(mirror, 1);
}

void Load_Combat_Background_Bottom(void)
{
    Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
    combat_background_bottom = LBX_Load_Picture("BACKGRND", 3);
}

void Load_Button_Sounds(void)
{
    Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
    snd_standard_button_click = LBX_Load("SOUNDFX", 0);
    snd_standard_button_click_size = lbxload_entry_length;
    Pool_Note_Carve_Site("Kel/src/overland/Game_Resources", __LINE__);
    snd_left_button_click = LBX_Load("SOUNDFX", 2);
    snd_left_button_click_size = lbxload_entry_length;
}

void Load_VEZ_Resources(void)
{
    Load_MAGIC_SET();
    Terrain_Init();
    Main_Screen_Load_Pictures();
    Load_Combat_Background_Bottom();
    Load_SPELLDAT();
    Load_BUILDDAT();
    Load_Button_Sounds();
    Units_Upkeeps();
}

void Load_VEZ_Resources_Once(void)
{
    if (g_vez_resources_loaded) {
        return;
    }
    Load_VEZ_Resources();
    g_vez_resources_loaded = 1;
}
