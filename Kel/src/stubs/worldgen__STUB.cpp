// Stand-ins for the parts of the map generator that are not built yet: the new-game terrain queries
// answer from the terrain class, as the generator's later steps need.
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "worldgen/Landmasses.h"

namespace {

int Terrain_Class__STUB(int16_t wx, int16_t wy, int16_t wp)
{
    if (wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return -1;
    }
    return (uint16_t)_world_maps[World_Square_Index(wx, wy, wp)] % TERRAIN_TILE_SET_SIZE;
}

}  // namespace

int16_t Square_Is_Grassland_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 1 || c == 162 || c == 172 || c == 173 || c == 180;
}

int16_t Square_Is_Forest_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 163 || c == 183 || c == 184;
}

int16_t Square_Is_Mountain_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 164 || (c >= 259 && c <= 274);
}

int16_t Square_Is_Hills_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 171 || (c >= 275 && c <= 291);
}

int16_t Square_Is_Swamp_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 166 || c == 177 || c == 178;
}

int16_t Square_Is_Desert_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    int c = Terrain_Class__STUB(wx, wy, wp);
    return c == 165 || (c >= 174 && c <= 176) || (c >= 292 && c <= 451);
}
