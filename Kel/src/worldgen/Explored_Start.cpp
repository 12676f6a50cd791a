#include "worldgen/Explored_Start.h"

#include <cstring>

#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"

namespace {

struct Explored_Offset {
    int8_t dx, dy;
    uint8_t bits;
};
// In order: the 3 x 3 block, the rows and columns at distance two (their corners facing the
// fortress), then the diagonal neighbours less their far corner.
const Explored_Offset m_start_view[] = {
    {-1, -1, 15}, {0, -1, 15}, {1, -1, 15}, {-1, 0, 15},  {0, 0, 15},  {1, 0, 15}, {-1, 1, 15}, {0, 1, 15},  {1, 1, 15},
    {-1, -2, 8},  {0, -2, 9},  {1, -2, 1},  {-1, 2, 4},   {0, 2, 6},   {1, 2, 2},  {-2, -1, 8}, {-2, 0, 12}, {-2, 1, 4},
    {2, -1, 1},   {2, 1, 2},   {2, 0, 3},   {-1, -1, 13}, {-1, 1, 14}, {1, 1, 7},  {1, -1, 11},
};

constexpr int16_t TILE_OCEAN_ANIMATED = tt_Ocean;
constexpr int16_t TILE_OCEAN_2 = TERRAIN_TILE_SET_SIZE;
constexpr int16_t TILE_OCEAN_2_ANIMATED = TERRAIN_TILE_SET_SIZE + tt_Ocean;

}  // namespace

void Set_Square_Explored_Bits(int16_t wp, int16_t wx, int16_t wy, int16_t bits)
{
    if (wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    _square_explored[World_Square_Index(wx, wy, wp)] = (uint8_t)bits;
}

void Init_Square_Explored(void)
{
    memset(_square_explored, 0, NUM_PLANES * WORLD_SIZE);
    const Fortress_Record &fortress = _FORTRESSES[0];
    for (const Explored_Offset &o : m_start_view) {
        Set_Square_Explored_Bits(fortress.wp, (int16_t)(fortress.wx + o.dx), (int16_t)(fortress.wy + o.dy), o.bits);
    }
}

void Animate_Oceans(void)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                int16_t &tile = _world_maps[World_Square_Index(wx, wy, wp)];
                if (tile == tt_Ocean_Edge && RANDOM(5) == 1) {
                    tile = TILE_OCEAN_ANIMATED;
                }
                if (tile == TILE_OCEAN_2 && RANDOM(5) == 1) {
                    tile = TILE_OCEAN_2_ANIMATED;
                }
            }
        }
    }
}
