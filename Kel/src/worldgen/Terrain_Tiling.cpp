#include "worldgen/Terrain_Tiling.h"

#include "LBX_Load.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Terrain_Changes.h"
#include "worldgen/Landmasses.h"

namespace {

int16_t m_edge_tiles[EDGE_TABLES][EDGE_TABLE_MASKS];

// Neighbours in mask-bit order: north-west, north, north-east, east, south-east, south,
// south-west, west.
const int m_dx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
const int m_dy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};

enum Column_Wrap { cw_Wrap, cw_None, cw_Tundra };

inline int16_t &Tile(int wx, int wy, int wp) { return _world_maps[World_Square_Index(wx, wy, wp)]; }

bool In(int value, int lo, int hi) { return value >= lo && value <= hi; }

// The mask of the neighbours that count. Rows beyond the map never count; columns beyond it wrap,
// count nothing, or (tundra) wrap except the plain east neighbour of column 59.
template <typename Counts> int Neighbour_Mask(int wx, int wy, int wp, Column_Wrap wrap, Counts counts)
{
    int mask = 0;
    for (int k = 0; k < 8; k++) {
        const int ny = wy + m_dy[k];
        int nx = wx + m_dx[k];
        if (ny < 0 || ny >= WORLD_HEIGHT) {
            continue;
        }
        if (nx < 0 || nx >= WORLD_WIDTH) {
            if (wrap == cw_None || (wrap == cw_Tundra && k == 3)) {
                continue;
            }
            nx = (nx + WORLD_WIDTH) % WORLD_WIDTH;
        }
        if (counts(Tile(nx, ny, wp))) {
            mask |= 1 << k;
        }
    }
    return mask;
}

// One pass over both planes in scan order, changing squares in place.
template <typename Counts> void Tiling_Pass(int16_t base, Column_Wrap wrap, Counts counts, int table, int16_t offset)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                if (Tile(wx, wy, wp) != base) {
                    continue;
                }
                const int mask = Neighbour_Mask(wx, wy, wp, wrap, counts);
                if (mask != 0 && m_edge_tiles[table][mask] != EDGE_TILE_REFUSED) {
                    Tile(wx, wy, wp) = (int16_t)(m_edge_tiles[table][mask] + offset);
                }
            }
        }
    }
}

}  // namespace

void Load_Edge_Tile_Tables(void)
{
    uint8_t raw[TERRTYPE_RECORDS * TERRTYPE_RECORD_SIZE];
    LBX_Load_Data_Static("TERRTYPE", 0, raw, 0, TERRTYPE_RECORDS, TERRTYPE_RECORD_SIZE);
    // The largest raise each table is given by the passes that read it.
    static const int16_t largest_raise[EDGE_TABLES] = {TUNDRA_EDGE_OFFSET, HILLS_EDGE_OFFSET, 0, 0, 0};
    int refused = 0;
    for (int table = 0; table < EDGE_TABLES; table++) {
        for (int mask = 0; mask < EDGE_TABLE_MASKS; mask++) {
            const int16_t value = (int16_t)LE_U16(raw + 2 * (table * EDGE_TABLE_MASKS + mask));
            if (value < 0 || value + largest_raise[table] > EDGE_TILE_MAX) {
                m_edge_tiles[table][mask] = EDGE_TILE_REFUSED;
                refused++;
            } else {
                m_edge_tiles[table][mask] = value;
            }
        }
    }
    if (refused > 0) {
        STU_LOG(SEV_WARN, LC_GENERAL,
                "TERRTYPE: %d edge tiles refused (they would give a terrain outside 0..%d); those squares keep "
                "their plain tile",
                refused, (int)EDGE_TILE_MAX);
    }
}

int16_t Edge_Tile(int table, int mask) { return m_edge_tiles[table][mask]; }

void Korvad_Autotiling(void)
{
    Load_Edge_Tile_Tables();
    Tiling_Pass(
        tt_Ocean_Edge, cw_Wrap, [](int16_t t) { return In(t, tt_Grasslands, tt_Hills); }, 0, 0);
    Tiling_Pass(
        tt_Mountain, cw_None,
        [](int16_t t) { return t == tt_Mountain || In(t, tt_Mountain_Edge_First, tt_Mountain_Edge_Last); }, 1, 0);
    Tiling_Pass(
        tt_Tundra, cw_Tundra,
        [](int16_t t) { return t != tt_Tundra && !In(t, tt_Tundra_Edge_First, TERRAIN_TILE_SET_SIZE); }, 0,
        TUNDRA_EDGE_OFFSET);
    Tiling_Pass(
        tt_Hills, cw_None, [](int16_t t) { return t == tt_Hills || In(t, tt_Hills_Edge_First, tt_Hills_Edge_Last); }, 1,
        HILLS_EDGE_OFFSET);
}

void Desert_Autotile(void)
{
    Load_Edge_Tile_Tables();
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                if (Tile(wx, wy, wp) != TILE_DRY_LAKE) {
                    continue;
                }
                uint8_t landmass = 0;
                for (int ny = wy - 1; ny <= wy + 1; ny++) {
                    for (int nx = wx - 1; nx <= wx + 1; nx++) {
                        if (ny >= 0 && ny < WORLD_HEIGHT && nx >= 0 && nx < WORLD_WIDTH &&
                            _landmasses[World_Square_Index(nx, ny, wp)] != 0) {
                            landmass = _landmasses[World_Square_Index(nx, ny, wp)];
                        }
                    }
                }
                _landmasses[World_Square_Index(wx, wy, wp)] = landmass;
            }
        }
    }
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                const int16_t t = Tile(wx, wy, wp);
                if (t != tt_Desert && !In(t, tt_Desert_2, tt_Desert_4) && t != TILE_DRY_LAKE) {
                    continue;
                }
                int mask = 0;
                for (int k = 0; k < 8; k++) {
                    const int nx = wx + m_dx[k];
                    const int ny = wy + m_dy[k];
                    if (nx >= 0 && nx < WORLD_WIDTH && ny >= 0 && ny < WORLD_HEIGHT &&
                        !Square_Is_Desert_NewGame((int16_t)nx, (int16_t)ny, (int16_t)wp)) {
                        mask |= 1 << k;
                    }
                }
                if (mask == 0) {
                    Tile(wx, wy, wp) = tt_Desert;
                } else if (m_edge_tiles[0][mask] != EDGE_TILE_REFUSED) {
                    Tile(wx, wy, wp) = (int16_t)(m_edge_tiles[0][mask] + DESERT_EDGE_OFFSET);
                }
            }
        }
    }
}

void Shuffle_Terrains(void)
{
    static const int16_t grasslands[4] = {tt_Grasslands, tt_Grasslands_4, tt_Grasslands_2, tt_Grasslands_3};
    static const int16_t forests[3] = {tt_Forest, tt_Forest_2, tt_Forest_3};
    static const int16_t deserts[4] = {tt_Desert, tt_Desert_2, (int16_t)(tt_Desert_2 + 1), tt_Desert_4};
    static const int16_t swamps[3] = {tt_Swamp, tt_Swamp_2, tt_Swamp_3};
    static const int16_t tundras[3] = {tt_Tundra, tt_Tundra_2, tt_Tundra_3};
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                int16_t &t = Tile(wx, wy, wp);
                if (t == tt_Grasslands) {
                    t = grasslands[RANDOM(4) - 1];
                } else if (t == tt_Forest) {
                    t = forests[RANDOM(3) - 1];
                } else if (t == tt_Desert) {
                    t = deserts[RANDOM(4) - 1];
                } else if (t == tt_Swamp) {
                    t = swamps[RANDOM(3) - 1];
                } else if (t == tt_Tundra) {
                    t = tundras[RANDOM(3) - 1];
                }
            }
        }
    }
}
