// Terrain specials on a jittered grid, and straight roads between neutral cities of one landmass.
#include "worldgen/Terrain_Specials_Roads.h"

#include <cstring>

#include "Geometry.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "worldgen/Landmasses.h"

namespace {

constexpr int ROAD_RANGE = 11;
constexpr int ROAD_PATH_MAX = 64;

// Indexed by the draw r - 1; plane 0 draws 1..18, plane 1 draws 11..20.
const uint8_t m_mountain_minerals[20] = {
    ts_Iron_Ore, ts_Iron_Ore, ts_Iron_Ore, ts_Silver,   ts_Silver,     ts_Coal,       ts_Coal,
    ts_Coal,     ts_Coal,     ts_Gold,     ts_Iron_Ore, ts_Silver,     ts_Coal,       ts_Gold,
    ts_Gold,     ts_Mithril,  ts_Mithril,  ts_Mithril,  ts_Adamantium, ts_Adamantium,
};
const uint8_t m_hills_minerals[20] = {
    ts_Iron_Ore, ts_Iron_Ore, ts_Iron_Ore, ts_Iron_Ore, ts_Iron_Ore, ts_Silver,     ts_Silver,
    ts_Silver,   ts_Coal,     ts_Coal,     ts_Iron_Ore, ts_Coal,     ts_Silver,     ts_Gold,
    ts_Gold,     ts_Gold,     ts_Gold,     ts_Mithril,  ts_Mithril,  ts_Adamantium,
};
// Plane 0 draws 1..9, plane 1 draws 6..10.
const uint8_t m_desert_minerals[10] = {ts_Gems, ts_Gems,  ts_Gems,  ts_Gems,  ts_Gems,
                                       ts_Gems, ts_Quork, ts_Quork, ts_Quork, ts_Crysx};

bool Square_Has_Feature(int wx, int wy, int wp)
{
    for (int l = 0; l < NUM_LAIRS; l++) {
        if (_LAIRS[l].wx == wx && _LAIRS[l].wy == wy && _LAIRS[l].wp == wp) {
            return true;
        }
    }
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].wx == wx && _TOWERS[t].wy == wy) {
            return true;
        }
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        if (_CITIES[c].wx == wx && _CITIES[c].wy == wy && _CITIES[c].wp == wp) {
            return true;
        }
    }
    return false;
}

void Place_Terrain_Special(int wx, int wy, int16_t wp)
{
    int square = World_Square_Index(wx, wy, wp);
    if (Square_Is_Grassland_NewGame((int16_t)wx, (int16_t)wy, wp) ||
        (Square_Is_Forest_NewGame((int16_t)wx, (int16_t)wy, wp) && RANDOM(2) == 1)) {
        int draw = RANDOM(7);
        _world_maps[square] = draw <= 3 ? tt_Mountain : draw <= 6 ? tt_Hills : tt_Swamp;
    }
    uint8_t special = ts_None;
    if (Square_Is_Forest_NewGame((int16_t)wx, (int16_t)wy, wp)) {
        special = ts_Wild_Game;
    } else if (Square_Is_Mountain_NewGame((int16_t)wx, (int16_t)wy, wp)) {
        special = Mountain_Terrain_Special(wp);
    } else if (Square_Is_Hills_NewGame((int16_t)wx, (int16_t)wy, wp)) {
        special = Hills_Terrain_Special(wp);
    } else if (Square_Is_Swamp_NewGame((int16_t)wx, (int16_t)wy, wp)) {
        special = ts_Nightshade;
    } else if (Square_Is_Desert_NewGame((int16_t)wx, (int16_t)wy, wp)) {
        special = Desert_Terrain_Special(wp);
    }
    _map_square_terrain_specials[square] = special;
}

// Water and river tiles a straight road may not cross.
bool Road_Blocked(int16_t terrain)
{
    return terrain == 0 || (terrain >= 2 && terrain <= 161) || (terrain >= 217 && terrain <= 232) ||
           (terrain >= 452 && terrain <= 601);
}

void Lay_Road(int wx, int wy, int16_t wp)
{
    // Roads on the second plane are all enchanted, the city squares' included.
    uint8_t bits = wp == 1 ? (uint8_t)(sf_Road | sf_Enchanted_Road) : (uint8_t)sf_Road;
    _map_square_flags[World_Square_Index(wx, wy, wp)] |= bits;
}

}  // namespace

uint8_t Mountain_Terrain_Special(int16_t wp)
{
    int draw = wp == 0 ? RANDOM(18) : RANDOM(10) + 10;
    return m_mountain_minerals[draw - 1];
}

uint8_t Hills_Terrain_Special(int16_t wp)
{
    int draw = wp == 0 ? RANDOM(18) : RANDOM(10) + 10;
    return m_hills_minerals[draw - 1];
}

uint8_t Desert_Terrain_Special(int16_t wp)
{
    int draw = wp == 0 ? RANDOM(9) : RANDOM(5) + 5;
    return m_desert_minerals[draw - 1];
}

void Generate_Terrain_Specials(int16_t wp)
{
    memset(&_map_square_terrain_specials[wp * WORLD_SIZE], 0, WORLD_SIZE);
    memset(&_map_square_flags[wp * WORLD_SIZE], 0, WORLD_SIZE);
    int step = wp == 0 ? 4 : 3;
    for (int y0 = 0; y0 < WORLD_HEIGHT; y0 += step) {
        for (int x0 = 0; x0 < WORLD_WIDTH; x0 += step) {
            int wy = y0 + RANDOM((int16_t)(2 * step));
            int wx = x0 + RANDOM((int16_t)(2 * step));
            if (wy < 3 || wy > 37 || wx < 3 || wx > 57) {
                continue;
            }
            if (Square_Has_Feature(wx, wy, wp) || _map_square_terrain_specials[World_Square_Index(wx, wy, wp)] != 0) {
                continue;
            }
            Place_Terrain_Special(wx, wy, wp);
        }
    }
}

void Generate_Roads(int16_t wp)
{
    memset(&_map_square_flags[wp * WORLD_SIZE], 0, WORLD_SIZE);
    int cities = _cities < NUM_CITIES ? _cities : NUM_CITIES;
    for (int i = 0; i < cities; i++) {
        const City_Record &from = _CITIES[i];
        if (from.wp != wp || from.owner_idx != CITY_OWNER_NEUTRAL) {
            continue;
        }
        for (int j = i + 1; j < cities; j++) {
            const City_Record &to = _CITIES[j];
            if (to.wp != wp || to.owner_idx != CITY_OWNER_NEUTRAL) {
                continue;
            }
            if (_landmasses[World_Square_Index(from.wx, from.wy, wp)] !=
                _landmasses[World_Square_Index(to.wx, to.wy, wp)]) {
                continue;
            }
            if (Range(from.wx, from.wy, to.wx, to.wy) >= ROAD_RANGE) {
                continue;
            }
            uint8_t xs[ROAD_PATH_MAX];
            uint8_t ys[ROAD_PATH_MAX];
            int steps = Path_Wrap(from.wx, from.wy, to.wx, to.wy, xs, ys, ROAD_PATH_MAX, WORLD_WIDTH);
            bool blocked = false;
            for (int k = 0; k < steps - 1; k++) {
                if (Road_Blocked(_world_maps[World_Square_Index(xs[k], ys[k], wp)])) {
                    blocked = true;
                    break;
                }
            }
            if (blocked) {
                continue;
            }
            for (int k = 0; k < steps; k++) {
                Lay_Road(xs[k], ys[k], wp);
            }
        }
    }
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx < WORLD_WIDTH && city.wy < WORLD_HEIGHT && city.wp < NUM_PLANES) {
            Lay_Road(city.wx, city.wy, city.wp);
        }
    }
}
