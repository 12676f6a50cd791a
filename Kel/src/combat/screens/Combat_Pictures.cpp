#include "combat/screens/Combat_Pictures.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "LBX_Pictures.h"
#include "STU_Log.h"
#include "combat/Combat_Tables.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Unit_Type_Record.h"

uint8_t *combat_panel_seg = nullptr;
uint8_t *combat_button_segs[COMBAT_BUTTONS] = {};
uint8_t *combat_lock_button_segs[COMBAT_BUTTONS] = {};
uint8_t *combat_enchantment_icon_segs[COMBAT_ENCHANTMENT_ICONS] = {};
uint8_t *combat_weapon_icon_segs[COMBAT_WEAPON_ICONS] = {};
uint8_t *combat_movemode_icon_segs[COMBAT_MOVEMODE_ICONS] = {};
uint8_t *combat_scan_icon_segs[COMBAT_SCAN_ICONS] = {};
uint8_t *unit_hit_bar_seg = nullptr;

uint8_t *_combat_terrain_pict_segs[COMBAT_TERRAIN_TILES] = {};
uint8_t *_combat_tree_pict_segs[COMBAT_SCENERY_PICTURES] = {};
uint8_t *_combat_rock_pict_segs[COMBAT_SCENERY_PICTURES] = {};

namespace {

// The panel's pictures live in a block of their own, carved once, so no pop-up that reuses the
// screen's scratch block can take them away during a battle.
constexpr uint16_t PANEL_BLOCK_PARAS = 4096;
SAMB_ptr m_panel_block = nullptr;
bool m_panel_loaded = false;

// A figure set: one slot of the figure memory, a block header, then the eight facings.
constexpr uint32_t FIGURE_SET_BYTES = 25472;
constexpr uint16_t FIGURE_SET_PARAS = 1591;
// The terrain pictures fill the tile page.
constexpr uint16_t TILE_PAGE_PARAS = 3071;

struct Figure_Set {
    int16_t type;
    uint8_t *facings[COMBAT_FACINGS];
};
Figure_Set m_sets[NUM_FIGURE_SETS];
bool m_sets_ready = false;

// Writes the header of an empty memory block at the start of a page, as a carve would.
SAMB_ptr Sandbox_Block(uint8_t *page, uint16_t paras)
{
    for (int w = 0; w < 8; w++) SAMB_Set_Word(page, w, SAMB_FILL);
    SAMB_Set_Word(page, SAMB_WORD_SIG1, _SA_MEMSIG1);
    SAMB_Set_Word(page, SAMB_WORD_SIG2, _SA_MEMSIG2);
    SAMB_Set_Word(page, SAMB_WORD_SIZE, paras);
    SAMB_Set_Word(page, SAMB_WORD_USED, 1);
    return page;
}

void Forget_Sets(void)
{
    for (Figure_Set &s : m_sets) {
        s.type = -1;
        for (uint8_t *&f : s.facings) f = nullptr;
    }
    m_sets_ready = true;
}

uint8_t *Panel(int16_t entry) { return LBX_Reload_Next_Picture("COMPIX", entry, m_panel_block); }

}  // namespace

void Combat_Screen_Load_Resources(void)
{
    Cache_Graphics_Combat();
    if (m_panel_loaded) return;
    if (m_panel_block == nullptr) m_panel_block = Allocate_Space(PANEL_BLOCK_PARAS);
    Reset_First_Block(m_panel_block);
    combat_panel_seg = Panel(0);
    static const int16_t buttons[COMBAT_BUTTONS] = {1, 2, 3, 4, 20, 21, 22};
    static const int16_t locked[COMBAT_BUTTONS - 1] = {23, 24, 28, 26, 25, 27};
    for (int i = 0; i < COMBAT_BUTTONS; i++) combat_button_segs[i] = Panel(buttons[i]);
    for (int i = 0; i < COMBAT_BUTTONS - 1; i++) combat_lock_button_segs[i] = Panel(locked[i]);
    combat_lock_button_segs[cbp_Cancel] = nullptr;
    static const int16_t enchantments[COMBAT_ENCHANTMENT_ICONS] = {5,  6,  7,  8,  9,  10, 11, 12,
                                                                   13, 14, 15, 41, 60, 79, 80};
    for (int i = 0; i < COMBAT_ENCHANTMENT_ICONS; i++) combat_enchantment_icon_segs[i] = Panel(enchantments[i]);
    for (int i = 0; i < COMBAT_WEAPON_ICONS; i++) combat_weapon_icon_segs[i] = Panel((int16_t)(29 + i));
    for (int i = 0; i < COMBAT_MOVEMODE_ICONS; i++) combat_movemode_icon_segs[i] = Panel((int16_t)(38 + i));
    for (int i = 0; i < COMBAT_SCAN_ICONS; i++) combat_scan_icon_segs[i] = Panel((int16_t)(61 + i));
    unit_hit_bar_seg = Panel(18);
    m_panel_loaded = true;
}

int16_t Combat_Screen_Resources_Loaded(void) { return m_panel_loaded ? 1 : 0; }

const char *Combat_Terrain_Archive(int16_t terrain, int16_t plane)
{
    static const char *const arcanus[7] = {nullptr,    "CMBGRASS", "CMBGRASS", "CMBDESRT",
                                           "CMBMOUNT", "CMBTUNDR", "CMBGRASS"};
    static const char *const myrror[7] = {nullptr,    "CMBGRASC", "CMBGRASC", "CMBDESRC",
                                          "CMBMOUNC", "CMBTUNDC", "CMBGRASC"};
    if (terrain < 0 || terrain > 6) return nullptr;
    return plane == 1 ? myrror[terrain] : arcanus[terrain];
}

void Load_Combat_Terrain_Pictures(int16_t terrain, int16_t plane)
{
    for (uint8_t *&p : _combat_terrain_pict_segs) p = nullptr;
    for (uint8_t *&p : _combat_tree_pict_segs) p = nullptr;
    for (uint8_t *&p : _combat_rock_pict_segs) p = nullptr;
    const char *archive = Combat_Terrain_Archive(terrain, plane);
    if (archive == nullptr || EmmHndl_TILEXXX == nullptr) return;
    SAMB_ptr page = Sandbox_Block(EmmHndl_TILEXXX, TILE_PAGE_PARAS);
    for (int i = 0; i < COMBAT_TERRAIN_TILES; i++)
        _combat_terrain_pict_segs[i] = LBX_Reload_Next_Picture(archive, (int16_t)i, page);
    for (int i = 0; i < COMBAT_SCENERY_PICTURES; i++)
        _combat_tree_pict_segs[i] = LBX_Reload_Next_Picture(archive, (int16_t)(48 + i), page);
    for (int i = 0; i < COMBAT_SCENERY_PICTURES; i++)
        _combat_rock_pict_segs[i] = LBX_Reload_Next_Picture(archive, (int16_t)(53 + i), page);
}

void Combat_Figure_Archive(int16_t unit_type, char *name, int size, int16_t *first_entry)
{
    const int group = unit_type / 15;
    snprintf(name, (size_t)size, "FIGURE%s%d", group < 9 ? "S" : "", group + 1);
    *first_entry = (int16_t)((unit_type % 15) * COMBAT_FACINGS);
}

int16_t Combat_Figure_Load(int16_t unit_type, int16_t figure_set)
{
    if (!m_sets_ready) Forget_Sets();
    if (figure_set < 0 || figure_set >= NUM_FIGURE_SETS || unit_type < 0 || unit_type >= NUM_UNIT_TYPES ||
        EmmHndl_FIGUREX == nullptr) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Combat_Figure_Load: no figures for type %d in set %d", unit_type, figure_set);
        return -1;
    }
    Figure_Set &set = m_sets[figure_set];
    if (set.type == unit_type) return figure_set;
    const uint32_t at =
        (uint32_t)(figure_set * 3 / 2) * 16384 + (uint32_t)(figure_set & 1) * 8192 + (uint32_t)figure_set * 896;
    static_assert((NUM_FIGURE_SETS - 1) * 3 / 2 * 16384 + 8192 + (NUM_FIGURE_SETS - 1) * 896 + FIGURE_SET_BYTES <=
                  EMM_FIGUREX_BYTES);
    SAMB_ptr block = Sandbox_Block(EmmHndl_FIGUREX + at, FIGURE_SET_PARAS);
    char name[16];
    int16_t first = 0;
    Combat_Figure_Archive(unit_type, name, (int)sizeof name, &first);
    set.type = -1;
    for (int f = 0; f < COMBAT_FACINGS; f++)
        set.facings[f] = LBX_Reload_Next_Picture(name, (int16_t)(first + f), block);
    set.type = unit_type;
    return figure_set;
}

uint8_t *Combat_Figure_Picture(int16_t figure_set, int16_t facing)
{
    if (!m_sets_ready || figure_set < 0 || figure_set >= NUM_FIGURE_SETS || facing < 0 || facing >= COMBAT_FACINGS)
        return nullptr;
    return m_sets[figure_set].facings[facing];
}

int16_t Combat_Figure_Set_Type(int16_t figure_set)
{
    if (!m_sets_ready || figure_set < 0 || figure_set >= NUM_FIGURE_SETS) return -1;
    return m_sets[figure_set].type;
}

void Combat_Pictures_Forget(void)
{
    Forget_Sets();
    for (uint8_t *&p : _combat_terrain_pict_segs) p = nullptr;
    for (uint8_t *&p : _combat_tree_pict_segs) p = nullptr;
    for (uint8_t *&p : _combat_rock_pict_segs) p = nullptr;
}
