#include "shell/Graphics_Cache.h"

#include "Allocate.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "world/ALLOC.h"
#include "world/Unit_Type_Record.h"

uint8_t *gfx_cityscap_seg[117];
uint8_t *gfx_backgrnd_seg[96];
uint8_t *gfx_unitview_seg[50];
uint8_t *gfx_cmbmagic_seg[121];
uint8_t *gfx_cmbtcity_seg[122];
uint8_t *gfx_chriver_seg[33];
uint8_t *gfx_citywall_seg[64];

uint8_t *item_icons_seg[NUM_ITEM_ICONS];
uint8_t *item_power_icons_seg[22];
uint8_t *item_slot_icons_seg[6];
uint8_t *item_view_background_seg;
uint8_t *item_view_bullet_seg;
uint8_t *item_tile_icons_seg[6];
uint8_t *bldg_picts_seg[35];
uint8_t *special_seg[NUM_SPECIAL_PICTS];
uint8_t *small_spellbook_seg[10];

static uint8_t *Append(const char *lbx_name, int16_t entry)
{
    return LBX_Reload_Next_Picture(lbx_name, entry, g_graphics_cache_seg);
}

// Appends the listed entries of one archive into a table indexed by entry number.
static void Append_By_Entry(const char *lbx_name, const int16_t *entries, int count, uint8_t **table)
{
    for (int i = 0; i < count; i++) {
        table[entries[i]] = Append(lbx_name, entries[i]);
    }
}

static void Append_Range(const char *lbx_name, int16_t first, int16_t last, uint8_t **table)
{
    for (int16_t entry = first; entry <= last; entry++) {
        table[entry] = Append(lbx_name, entry);
    }
}

void Graphics_Cache_Reset(void) { Allocate_First_Block(g_graphics_cache_seg, 1); }

void Load_Unit_StatFigs(void)
{
    for (int type = 0; type < NUM_UNIT_TYPES; type++) {
        uint8_t *picture = (type < 120) ? Append("UNITS1", (int16_t)type) : Append("UNITS2", (int16_t)(type - 120));
        _unit_type_table[type].pict_ofs = (uint32_t)(picture - g_graphics_cache_seg);
    }
}

void Reload_Item_Pictures(void)
{
    for (int16_t i = 0; i < NUM_ITEM_ICONS; i++) {
        item_icons_seg[i] = Append("ITEMS", i);
    }
    for (int16_t i = 0; i <= 18; i++) {
        item_power_icons_seg[i] = Append("ITEMISC", i);
    }
    for (int16_t i = 0; i < 3; i++) {
        item_power_icons_seg[19 + i] = Append("ITEMISC", (int16_t)(33 + i));
    }
    static const int16_t slot_entries[6] = {19, 20, 21, 22, 24, 23};
    for (int i = 0; i < 6; i++) {
        item_slot_icons_seg[i] = Append("ITEMISC", slot_entries[i]);
    }
    item_view_background_seg = Append("ITEMISC", 25);
    item_view_bullet_seg = Append("ITEMISC", 26);
    static const int16_t tile_entries[6] = {27, 28, 29, 30, 32, 31};
    for (int i = 0; i < 6; i++) {
        item_tile_icons_seg[i] = Append("ITEMISC", tile_entries[i]);
    }
}

void Reload_Cityscape_Graphics_Cache(void)
{
    static const int16_t backgrounds[] = {0,   1,  2,  3,  4,  7,  91, 92, 93, 8,  9,  10, 11,  111, 112, 113, 115,
                                          116, 87, 88, 89, 90, 86, 94, 95, 96, 97, 98, 99, 100, 101, 77,  80,  79};
    Append_By_Entry("CITYSCAP", backgrounds, (int)(sizeof(backgrounds) / sizeof(backgrounds[0])), gfx_cityscap_seg);
    for (int16_t i = 0; i < 28; i++) {
        bldg_picts_seg[3 + i] = gfx_cityscap_seg[45 + i] = Append("CITYSCAP", (int16_t)(45 + i));
    }
    bldg_picts_seg[31] = gfx_cityscap_seg[78] = Append("CITYSCAP", 78);
    for (int16_t i = 0; i < 3; i++) {
        bldg_picts_seg[32 + i] = gfx_cityscap_seg[73 + i] = Append("CITYSCAP", (int16_t)(73 + i));
    }
    static const int16_t pieces[] = {5,  25, 26, 27, 28, 29,  30,  31,  32,  33,  34,  35,  36,  37, 38,
                                     39, 19, 20, 21, 22, 23,  24,  6,   83,  84,  85,  12,  81,  82, 76,
                                     40, 41, 42, 43, 44, 103, 104, 105, 106, 107, 108, 109, 110, 114};
    Append_By_Entry("CITYSCAP", pieces, (int)(sizeof(pieces) / sizeof(pieces[0])), gfx_cityscap_seg);
    gfx_unitview_seg[34] = Append("UNITVIEW", 34);
    gfx_backgrnd_seg[73] = Append("BACKGRND", 73);
}

void City_Screen_Load_Pictures(void)
{
    static const int16_t singles[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 24};
    Append_By_Entry("BACKGRND", singles, (int)(sizeof(singles) / sizeof(singles[0])), gfx_backgrnd_seg);
    Append_Range("BACKGRND", 45, 72, gfx_backgrnd_seg);
    Append_Range("BACKGRND", 74, 87, gfx_backgrnd_seg);
    Append_Range("BACKGRND", 40, 44, gfx_backgrnd_seg);
    gfx_backgrnd_seg[94] = Append("BACKGRND", 94);
    Append_Range("BACKGRND", 88, 93, gfx_backgrnd_seg);
    gfx_backgrnd_seg[95] = Append("BACKGRND", 95);
    Append_Range("BACKGRND", 32, 39, gfx_backgrnd_seg);
    Append_Range("BACKGRND", 25, 27, gfx_backgrnd_seg);
    gfx_backgrnd_seg[0] = Append("BACKGRND", 0);
}

void GFX_Swap_AppendUView(void)
{
    for (int16_t i = 0; i <= 110; i++) {
        special_seg[i] = Append("SPECIAL", i);
    }
    for (int16_t i = 0; i <= 33; i++) {
        special_seg[111 + i] = Append("SPECIAL2", i);
    }
    Append_Range("UNITVIEW", 0, 27, gfx_unitview_seg);
    Append_Range("UNITVIEW", 35, 49, gfx_unitview_seg);
    Append_Range("UNITVIEW", 28, 34, gfx_unitview_seg);
    static const int16_t backgrnd[] = {24, 73, 42, 40, 41, 43, 44, 94, 88, 89, 90, 91, 92, 93, 95};
    Append_By_Entry("BACKGRND", backgrnd, (int)(sizeof(backgrnd) / sizeof(backgrnd[0])), gfx_backgrnd_seg);
    gfx_cityscap_seg[103] = Append("CITYSCAP", 103);
}

void Spellbook_Load_Small_Pictures(void)
{
    for (int16_t i = 0; i < 10; i++) {
        small_spellbook_seg[i] = Append("SPECIAL2", (int16_t)(34 + i));
    }
}

void Reload_Combat_Graphics_Cache(void)
{
    Append_Range("CMBMAGIC", 0, 120, gfx_cmbmagic_seg);
    static const int16_t city[] = {24, 25,  26, 27, 28, 119, 120, 2,   3,   4,   5,   6,   7,  8,  9,
                                   10, 11,  12, 13, 14, 15,  16,  17,  18,  19,  20,  21,  22, 23, 0,
                                   1,  121, 65, 66, 67, 68,  118, 117, 113, 109, 110, 111, 112};
    Append_By_Entry("CMBTCITY", city, (int)(sizeof(city) / sizeof(city[0])), gfx_cmbtcity_seg);
    Append_Range("CMBTCITY", 69, 108, gfx_cmbtcity_seg);
    Append_Range("CHRIVER", 0, 15, gfx_chriver_seg);
    Append_Range("CHRIVER", 24, 32, gfx_chriver_seg);
    Append_Range("CHRIVER", 16, 23, gfx_chriver_seg);
    Append_Range("CITYWALL", 36, 63, gfx_citywall_seg);
    Append_Range("CITYWALL", 0, 35, gfx_citywall_seg);
}

void Cache_Graphics_Overland(void)
{
    Graphics_Cache_Reset();
    Load_Unit_StatFigs();
    Reload_Item_Pictures();
    Reload_Cityscape_Graphics_Cache();
    City_Screen_Load_Pictures();
    Spellbook_Load_Small_Pictures();
}

void Cache_Graphics_Things(void)
{
    Graphics_Cache_Reset();
    GFX_Swap_AppendUView();
    Reload_Item_Pictures();
    Reload_Cityscape_Graphics_Cache();
}

void Cache_Graphics_Unit_List_Window(void)
{
    Graphics_Cache_Reset();
    Load_Unit_StatFigs();
    GFX_Swap_AppendUView();
}

void Cache_Graphics_Combat(void)
{
    Graphics_Cache_Reset();
    Reload_Combat_Graphics_Cache();
    Spellbook_Load_Small_Pictures();
}

void Cache_Graphics_Diplomacy(void) { Graphics_Cache_Reset(); }
