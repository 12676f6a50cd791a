#include "worldgen/Landmasses.h"

#include <cstring>
#include <initializer_list>

#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "worldgen/Nodes_Towers.h"

int16_t m_landmasses_ctr = 1;

const int8_t dir_chg_tbl_wx[5] = {0, -1, 0, 1, 0};
const int8_t dir_chg_tbl_wy[5] = {1, 0, -1, 0, 0};

namespace {

constexpr int DIR_NONE = 4;
constexpr int SECTOR_WIDTH = 16;
constexpr int SECTOR_HEIGHT = 11;
constexpr int SECTORS_TO_CLAIM = 8;

int16_t *Plane_Map(int16_t plane) { return &_world_maps[plane * WORLD_SIZE]; }
uint8_t *Plane_Landmasses(int16_t plane) { return &_landmasses[plane * WORLD_SIZE]; }

int16_t Landsize_Index(void)
{
    if (_landsize < 0) {
        return 0;
    }
    return _landsize > 2 ? 2 : _landsize;
}

// Class of the square, or -1 for a row off the map.
int Square_Class(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return -1;
    }
    int x = ((wx % WORLD_WIDTH) + WORLD_WIDTH) % WORLD_WIDTH;
    return (uint16_t)_world_maps[World_Square_Index(x, wy, wp)] % TERRAIN_TILE_SET_SIZE;
}

bool In(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void Init_Landmasses(int16_t plane)
{
    m_landmasses_ctr = 1;
    memset(Plane_Landmasses(plane), 0, WORLD_SIZE);
}

void Generate_Landmasses(int16_t plane)
{
    int16_t *map = Plane_Map(plane);
    memset(map, 0, WORLD_SIZE * sizeof(int16_t));
    uint8_t sectors[5][5];
    memset(sectors, 0, sizeof(sectors));
    int sectors_to_claim = SECTORS_TO_CLAIM;
    int16_t size = Landsize_Index();
    int target = LANDSIZE_TARGETS[size];
    int land_count = 0;

    while (land_count <= target) {
        int prev_dir = DIR_NONE;
        int repeat = 1;
        int cx = 0;
        int cy = 0;
        // Centres lie in sector columns 0..3 and rows 0..2: eight of those twelve sectors are
        // always free to be claimed, so the redraw ends.
        do {
            cx = RANDOM(46) + 6;
            cy = RANDOM(26) + 6;
        } while (sectors_to_claim > 0 && sectors[cy / SECTOR_HEIGHT][cx / SECTOR_WIDTH] != 0);
        if (sectors_to_claim > 0) {
            sectors[cy / SECTOR_HEIGHT][cx / SECTOR_WIDTH] = 1;
            sectors_to_claim--;
        }
        int walks = RANDOM(3) + 2;
        for (int walk = 0; walk < walks; walk++) {
            int wx = cx + dir_chg_tbl_wx[walk];
            int wy = cy + dir_chg_tbl_wy[walk];
            int length = 0;
            switch (size) {
            case 0: length = RANDOM(10) + 5; break;
            case 1: length = RANDOM(10) + 10; break;
            default: length = RANDOM(10) + 20; break;
            }
            for (int step = 0; step < length && land_count <= target; step++) {
                int idx = wy * WORLD_WIDTH + wx;
                if (map[idx] == 0) {
                    land_count++;
                }
                map[idx]++;
                Build_Landmass(plane, (int16_t)wx, (int16_t)wy);
                // The walk keeps to columns 2..57 and rows 4..35; a step that would leave them
                // forgets the previous direction and draws again.
                for (;;) {
                    int dir = 0;
                    for (;;) {
                        dir = RANDOM(4) - 1;
                        if (dir != prev_dir) {
                            repeat = 1;
                            break;
                        }
                        if (RANDOM(2 * repeat) == 1) {
                            repeat++;
                            break;
                        }
                    }
                    prev_dir = dir;
                    int nx = wx + dir_chg_tbl_wx[dir];
                    int ny = wy + dir_chg_tbl_wy[dir];
                    if (In(nx, 2, 57) && In(ny, 4, 35)) {
                        wx = nx;
                        wy = ny;
                        break;
                    }
                    prev_dir = DIR_NONE;
                }
            }
        }
    }
}

void Build_Landmass(int16_t plane, int16_t wx, int16_t wy)
{
    static const int8_t around_x[9] = {0, -1, 0, 1, -1, 1, -1, 0, 1};
    static const int8_t around_y[9] = {0, -1, -1, -1, 0, 0, 1, 1, 1};
    if (plane < 0 || plane >= NUM_PLANES || !In(wx, 0, WORLD_WIDTH - 1) || !In(wy, 0, WORLD_HEIGHT - 1)) {
        return;
    }
    uint8_t *landmasses = Plane_Landmasses(plane);
    uint8_t found[9];
    int count = 0;
    // Neighbours off the map do not count, and columns do not wrap here.
    for (int k = 0; k < 9; k++) {
        int nx = wx + around_x[k];
        int ny = wy + around_y[k];
        if (!In(nx, 0, WORLD_WIDTH - 1) || !In(ny, 0, WORLD_HEIGHT - 1)) {
            continue;
        }
        uint8_t number = landmasses[ny * WORLD_WIDTH + nx];
        if (number != 0) {
            found[count++] = number;
        }
    }
    int idx = wy * WORLD_WIDTH + wx;
    if (count == 0) {
        // The byte cannot hold numbers past 255, and 0 would read as water.
        if (m_landmasses_ctr > 255) {
            STU_LOG(SEV_WARN, LC_GENERAL, "Build_Landmass: landmass numbers exhausted; square %d,%d plane %d takes 255",
                    (int)wx, (int)wy, (int)plane);
            landmasses[idx] = 255;
        } else {
            landmasses[idx] = (uint8_t)m_landmasses_ctr;
        }
        m_landmasses_ctr++;
        return;
    }
    uint8_t winner = found[0];
    for (int k = 1; k < count; k++) {
        uint8_t merged = found[k];
        if (merged == winner) {
            continue;
        }
        for (int j = k + 1; j < count; j++) {
            if (found[j] == merged) {
                found[j] = winner;
            }
        }
        for (int i = 0; i < WORLD_SIZE; i++) {
            if (landmasses[i] == merged) {
                landmasses[i] = winner;
            }
        }
    }
    landmasses[idx] = winner;
}

void Translate_Heightmap_To_Base_Terrain_Types(int16_t plane)
{
    int16_t *map = Plane_Map(plane);
    for (int i = 0; i < WORLD_SIZE; i++) {
        int16_t height = map[i];
        if (height <= 0) {
            continue;
        }
        if (height == 1) {
            map[i] = (RANDOM(4) == 1) ? TT_FOREST : TT_GRASSLAND;
        } else if (height <= 3) {
            map[i] = TT_FOREST;
        } else if (height <= 5) {
            map[i] = TT_HILLS;
        } else {
            map[i] = TT_MOUNTAIN;
        }
    }
    Add_Tundra(plane);
}

void Add_Tundra(int16_t plane)
{
    int16_t *map = Plane_Map(plane);
    for (int x = 0; x < WORLD_WIDTH; x++) {
        map[x] = TT_TUNDRA;
        map[(WORLD_HEIGHT - 1) * WORLD_WIDTH + x] = TT_TUNDRA;
        for (int row : {1, WORLD_HEIGHT - 2}) {
            if (RANDOM(4) == 1) {
                int run = RANDOM(4);
                for (int k = 0; k < run && x + k < WORLD_WIDTH; k++) {
                    map[row * WORLD_WIDTH + x + k] = TT_TUNDRA;
                }
            }
        }
    }
}

void Generate_Climate_Terrain_Types(int16_t plane)
{
    int16_t *map = Plane_Map(plane);
    for (int r = 2; r <= 7; r++) {
        for (int x = 0; x < WORLD_WIDTH; x++) {
            for (int row : {r, WORLD_HEIGHT - 1 - r}) {
                int16_t &tile = map[row * WORLD_WIDTH + x];
                if ((tile == TT_GRASSLAND || tile == TT_FOREST) && RANDOM(8) + 2 >= r) {
                    tile = TT_TUNDRA;
                }
            }
        }
    }

    // Deserts, then swamps: a centre and five short walks from around it. These walks wrap both
    // ways; a desert walk takes any land, a swamp walk only forest.
    for (int kind = 0; kind < 2; kind++) {
        bool desert = (kind == 0);
        for (int n = 0; n < 8; n++) {
            int cx = desert ? RANDOM(54) + 2 : RANDOM(56) + 1;
            int cy = desert ? RANDOM(24) + 8 : RANDOM(20) + 10;
            int16_t made = desert ? TT_DESERT : TT_SWAMP;
            if (map[cy * WORLD_WIDTH + cx] == TT_FOREST) {
                map[cy * WORLD_WIDTH + cx] = made;
            }
            for (int start = 0; start < 5; start++) {
                int wx = cx + dir_chg_tbl_wx[start];
                int wy = cy + dir_chg_tbl_wy[start];
                int steps = desert ? RANDOM(6) + 4 : RANDOM(3) + 2;
                for (int s = 0; s < steps; s++) {
                    int dir = RANDOM(4) - 1;
                    wx = (wx + dir_chg_tbl_wx[dir] + WORLD_WIDTH) % WORLD_WIDTH;
                    wy = (wy + dir_chg_tbl_wy[dir] + WORLD_HEIGHT) % WORLD_HEIGHT;
                    int16_t &tile = map[wy * WORLD_WIDTH + wx];
                    if (desert ? tile != TT_OCEAN : tile == TT_FOREST) {
                        tile = made;
                    }
                }
            }
        }
    }
}

void Extend_Islands(int16_t plane)
{
    int16_t *map = Plane_Map(plane);
    for (int16_t wy = 1; wy <= WORLD_HEIGHT - 2; wy++) {
        for (int16_t wx = 1; wx <= WORLD_WIDTH - 2; wx++) {
            int16_t tile = map[wy * WORLD_WIDTH + wx];
            bool node = (tile == TT_SORCERY_NODE || tile == TT_NATURE_NODE || tile == TT_CHAOS_NODE);
            if (!node && Square_Has_Tower_NewGame(wx, wy) == 0) {
                continue;
            }
            if (Square_Is_Ocean_NewGame(wx, wy - 1, plane) == 0 || Square_Is_Ocean_NewGame(wx - 1, wy, plane) == 0 ||
                Square_Is_Ocean_NewGame(wx + 1, wy, plane) == 0 || Square_Is_Ocean_NewGame(wx, wy + 1, plane) == 0) {
                continue;
            }
            if (RANDOM(3) == 1) {
                continue;
            }
            int tries = RANDOM(8) + 1;
            for (int t = 0; t < tries; t++) {
                int dx = RANDOM(3) - 2;
                int dy = RANDOM(3) - 2;
                if (dx == 0 && dy == 0) {
                    continue;
                }
                int16_t tx = (int16_t)(wx + dx);
                int16_t ty = (int16_t)(wy + dy);
                if (Square_Has_Tower_NewGame(tx, ty) != 0 || Square_Is_Node_NewGame(tx, ty, plane) != 0) {
                    continue;
                }
                // An orthogonal neighbour is always taken; a diagonal one only where a square
                // between it and the centre is already land, so the island stays joined by land.
                if (dx != 0 && dy != 0 && Square_Is_Ocean_NewGame(tx, wy, plane) != 0 &&
                    Square_Is_Ocean_NewGame(wx, ty, plane) != 0) {
                    continue;
                }
                map[ty * WORLD_WIDTH + tx] = TT_GRASSLAND;
                Build_Landmass(plane, tx, ty);
            }
        }
    }
}

int16_t Square_Is_Ocean_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 0 || In(c, 2, 161) || In(c, 197, 232) || In(c, 452, 467) || In(c, 473, 601)) ? 1 : 0;
}

int16_t Square_Is_Forest_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 163 || c == 183 || c == 184) ? 1 : 0;
}

int16_t Square_Is_Desert_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 165 || In(c, 174, 176) || In(c, 292, 451)) ? 1 : 0;
}

int16_t Square_Is_Mountain_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 164 || In(c, 259, 274)) ? 1 : 0;
}

int16_t Square_Is_Hills_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 171 || In(c, 275, 291)) ? 1 : 0;
}

int16_t Square_Is_River_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (In(c, 185, 197) || In(c, 233, 258) || In(c, 468, 472)) ? 1 : 0;
}

int16_t Square_Is_Bad_River_Mouth(int16_t wx, int16_t wy, int16_t wp)
{
    return In(Square_Class(wx, wy, wp), 98, 161) ? 1 : 0;
}

int16_t Square_Is_Grassland_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 1 || c == 162 || c == 172 || c == 173 || c == 180) ? 1 : 0;
}

int16_t Square_Is_Swamp_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (c == 166 || c == 177 || c == 178) ? 1 : 0;
}

int16_t Square_Is_River_Mouth_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (In(c, 201, 232) || In(c, 452, 467) || In(c, 473, 600)) ? 1 : 0;
}

int16_t Square_Is_Shore_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Square_Class(wx, wy, wp);
    return (In(c, 2, 161) || In(c, 201, 232) || In(c, 452, 467) || In(c, 473, 600)) ? 1 : 0;
}
