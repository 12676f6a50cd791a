#include "world/Terrain_Changes.h"

#include "LBX_Load.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Square_Queries.h"

namespace {

constexpr int MOUNTAIN_HILLS_BASE = 256;
constexpr int DESERT_OFFSET = 290;
constexpr int TUNDRA_OFFSET = 600;
constexpr int HILLS_OFFSET = 16;

enum Rough_Type : int16_t {
    rough_Special = 0,
    rough_Water,
    rough_Plain,
    rough_Desert,
    rough_Hills,
    rough_Mountain,
    rough_Tundra
};

const uint8_t m_rnd_grasslands[3] = {tt_Grasslands, tt_Grasslands_2, tt_Grasslands_3};
const uint8_t m_rnd_forests[3] = {tt_Forest, tt_Forest_2, tt_Forest_3};

int16_t m_edge_table[TERRTYPE_ENTRIES];

bool On_Map(int wx, int wy, int wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

// Tiles 1..255 re-fit deserts and tundra (+290, +600: 3..161 keep them in class), 257..511 mountains
// and hills (259..274, or hills at +16). Anything else would put a square out of its class.
void Load_Edge_Table(void)
{
    uint8_t raw[TERRTYPE_RECORDS * TERRTYPE_RECORD_SIZE];
    LBX_Load_Data_Static("TERRTYPE", 0, raw, 0, TERRTYPE_RECORDS, TERRTYPE_RECORD_SIZE);
    int bad = 0;
    for (int i = 0; i < TERRTYPE_ENTRIES; i++) {
        int16_t value = (int16_t)LE_U16(raw + 2 * i);
        bool ok = true;
        if (i >= 1 && i < MOUNTAIN_HILLS_BASE) {
            ok = value >= 3 && value <= 161;
        } else if (i > MOUNTAIN_HILLS_BASE && i < 2 * MOUNTAIN_HILLS_BASE) {
            ok = value >= 259 && value <= 274;
        }
        if (!ok) {
            value = 0;  // read as the plain tile of the square's kind
            bad++;
        }
        m_edge_table[i] = value;
    }
    if (bad > 0) {
        STU_LOG(SEV_WARN, LC_GENERAL, "TERRTYPE: %d edge tiles out of their class; the plain tile is used for them",
                bad);
    }
}

void Set_Terrain(int wx, int wy, int wp, int16_t value) { _world_maps[World_Square_Index(wx, wy, wp)] = value; }

int Neighbour_Mask(int wx, int wy, int wp, int16_t rough, bool set_where_equal)
{
    static const int dx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
    static const int dy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
    int mask = 0;
    for (int k = 0; k < 8; k++) {
        bool same = Get_Rough_Type((int16_t)(wx + dx[k]), (int16_t)(wy + dy[k]), (int16_t)wp) == rough;
        if (same == set_where_equal) {
            mask |= 1 << k;
        }
    }
    return mask;
}

void Set_Random_Tile(int wx, int wy, int wp, const uint8_t *choices, int16_t draws)
{
    int16_t r = RANDOM(draws);
    int16_t value = _world_maps[World_Square_Index(wx, wy, wp)];
    value = (int16_t)((value & 0xFF00) | choices[r - 1]);
    r = RANDOM(draws);
    (void)r;  // every entry's high byte is 0
    value = (int16_t)(value & 0x00FF);
    Set_Terrain(wx, wy, wp, value);
    Adjust_Map_Flow((int16_t)wx, (int16_t)wy, (int16_t)wp);
    _map_square_flags[World_Square_Index(wx, wy, wp)] &= (uint8_t)~sf_Volcano_Owner_Mask;
}

}  // namespace

const int16_t *Terrain_Edge_Table(void) { return m_edge_table; }

int16_t Get_Rough_Type(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return 0;
    }
    int x = wx < 0 ? wx + WORLD_WIDTH : wx >= WORLD_WIDTH ? wx - WORLD_WIDTH : wx;
    int c = Terrain_Class(_world_maps[World_Square_Index(x, wy, wp)]);
    auto in = [c](int lo, int hi) { return c >= lo && c <= hi; };
    if (c == 0 || in(2, 161) || in(197, 232) || in(452, 467) || in(473, 601)) {
        return rough_Water;
    }
    if (c == 1 || c == 162 || c == 163 || c == 166 || c == 172 || c == 173 || c == 177 || c == 178 || c == 180 ||
        in(183, 196) || in(233, 258) || in(468, 472)) {
        return rough_Plain;
    }
    if (c == 165 || in(174, 176) || in(292, 451)) {
        return rough_Desert;
    }
    if (c == 171 || in(275, 291)) {
        return rough_Hills;
    }
    if (c == 164 || in(259, 274)) {
        return rough_Mountain;
    }
    if (in(168, 170) || c == 179) {
        return rough_Special;
    }
    return rough_Tundra;
}

void Adjacent_Flow(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    int x = wx < 0 ? wx + WORLD_WIDTH : wx >= WORLD_WIDTH ? wx - WORLD_WIDTH : wx;
    if (Get_Rough_Type((int16_t)x, wy, wp) == rough_Desert) {
        int mask = Neighbour_Mask(x, wy, wp, rough_Desert, false);
        Set_Terrain(
            x, wy, wp,
            (int16_t)(mask == 0 || m_edge_table[mask] == 0 ? (int)tt_Desert : m_edge_table[mask] + DESERT_OFFSET));
    }
    if (Get_Rough_Type((int16_t)x, wy, wp) == rough_Tundra) {
        int mask = Neighbour_Mask(x, wy, wp, rough_Tundra, false);
        Set_Terrain(
            x, wy, wp,
            (int16_t)(mask == 0 || m_edge_table[mask] == 0 ? (int)tt_Tundra_2 : m_edge_table[mask] + TUNDRA_OFFSET));
    }
    if (Get_Rough_Type((int16_t)x, wy, wp) == rough_Mountain) {
        int mask = Neighbour_Mask(x, wy, wp, rough_Mountain, true);
        int16_t v = m_edge_table[MOUNTAIN_HILLS_BASE + mask];
        Set_Terrain(x, wy, wp, (int16_t)(mask == 0 || v == 0 ? (int16_t)tt_Mountain : v));
    }
    if (Get_Rough_Type((int16_t)x, wy, wp) == rough_Hills) {
        int mask = Neighbour_Mask(x, wy, wp, rough_Hills, true);
        int16_t value = tt_Hills;
        if (mask != 0) {
            int16_t v = m_edge_table[MOUNTAIN_HILLS_BASE + mask];
            value = (int16_t)(v < tt_Mountain_Edge_First ? (int)tt_Hills : v + HILLS_OFFSET);
        }
        Set_Terrain(x, wy, wp, value);
    }
}

void Adjust_Map_Flow(int16_t wx, int16_t wy, int16_t wp)
{
    Load_Edge_Table();
    static const int dx[9] = {0, -1, 0, 1, -1, 1, -1, 0, 1};
    static const int dy[9] = {0, -1, -1, -1, 0, 0, 1, 1, 1};
    for (int k = 0; k < 9; k++) {
        Adjacent_Flow((int16_t)(wx + dx[k]), (int16_t)(wy + dy[k]), wp);
    }
}

void Set_Terrain_Type_Volcano_With_Owner(int16_t wx, int16_t wy, int16_t wp, int16_t owner_idx)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    int square = World_Square_Index(wx, wy, wp);
    Set_Terrain(wx, wy, wp, tt_Volcano);
    _map_square_flags[square] =
        (uint8_t)((_map_square_flags[square] & ~sf_Volcano_Owner_Mask) | ((owner_idx + 1) & sf_Volcano_Owner_Mask));
    Adjust_Map_Flow(wx, wy, wp);
    _map_square_terrain_specials[square] = 0;
    Generate_Ore(wx, wy, wp);
}

void Set_Terrain_Type_Grasslands(int16_t wx, int16_t wy, int16_t wp)
{
    if (On_Map(wx, wy, wp)) {
        Set_Random_Tile(wx, wy, wp, m_rnd_grasslands, 2);  // the table's third entry is never drawn
    }
}

void Set_Terrain_Type_Forest(int16_t wx, int16_t wy, int16_t wp)
{
    if (On_Map(wx, wy, wp)) {
        Set_Random_Tile(wx, wy, wp, m_rnd_forests, 3);
    }
}

static void Set_Plain_Tile(int16_t wx, int16_t wy, int16_t wp, int16_t value)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    Set_Terrain(wx, wy, wp, value);
    Adjust_Map_Flow(wx, wy, wp);
    _map_square_flags[World_Square_Index(wx, wy, wp)] &= (uint8_t)~sf_Volcano_Owner_Mask;
}

void Set_Terrain_Type_Mountain(int16_t wx, int16_t wy, int16_t wp) { Set_Plain_Tile(wx, wy, wp, tt_Mountain); }
void Set_Terrain_Type_Hills(int16_t wx, int16_t wy, int16_t wp) { Set_Plain_Tile(wx, wy, wp, tt_Hills); }

void Generate_Ore(int16_t wx, int16_t wy, int16_t wp)
{
    if (RANDOM(5) != 1 || !On_Map(wx, wy, wp)) {
        return;
    }
    int16_t d = RANDOM(20);
    uint8_t mineral = d <= 5    ? ts_Iron_Ore
                      : d <= 8  ? ts_Coal
                      : d <= 11 ? ts_Silver
                      : d <= 14 ? ts_Gold
                      : d <= 16 ? ts_Gems
                      : d <= 18 ? ts_Mithril
                                : ts_Adamantium;
    uint8_t &specials = _map_square_terrain_specials[World_Square_Index(wx, wy, wp)];
    specials = (uint8_t)((specials & 0xE0) | mineral);
}

void Volcano_Counts(void)
{
    int counts[sf_Volcano_Owner_Mask + 1] = {};
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
        counts[_map_square_flags[square] & sf_Volcano_Owner_Mask]++;
    }
    for (int p = 0; p < _num_players && p < NUM_PLAYERS && p < sf_Volcano_Owner_Mask; p++) {
        _players[p].volcanoes = (int16_t)counts[p + 1];
    }
}

void Replace_Minerals(int16_t wx, int16_t wy, int16_t wp, int16_t mineral)
{
    if (On_Map(wx, wy, wp)) {
        uint8_t &specials = _map_square_terrain_specials[World_Square_Index(wx, wy, wp)];
        specials = (uint8_t)((specials & 0xF0) | (mineral & ts_Mineral_Mask));
    }
}

void Clear_Terrain_Specials(int16_t wx, int16_t wy, int16_t wp)
{
    if (On_Map(wx, wy, wp)) {
        _map_square_terrain_specials[World_Square_Index(wx, wy, wp)] &= 0xF0;
    }
}

int16_t Depletion_Event(int16_t) { return -1; }
int16_t New_Mineral_Event(int16_t) { return -1; }
