#include "world/Square_Queries.h"

#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Map_Square_Record.h"

namespace {

// Index of a square in the per-square arrays with x wrapped at the seam, or -1 off the map.
int Square_Index(int wx, int wy, int wp)
{
    if (wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return -1;
    }
    if (wx < 0 || wx >= WORLD_WIDTH) {
        wx %= WORLD_WIDTH;
        if (wx < 0) {
            wx += WORLD_WIDTH;
        }
    }
    return World_Square_Index(wx, wy, wp);
}

// Class of the square, or -1 off the map.
int Class_At(int wx, int wy, int wp)
{
    int square = Square_Index(wx, wy, wp);
    return square < 0 ? -1 : Terrain_Class(_world_maps[square]);
}

uint8_t Specials_At(int wx, int wy, int wp)
{
    int square = Square_Index(wx, wy, wp);
    return square < 0 ? 0 : _map_square_terrain_specials[square];
}

bool In(int c, int lo, int hi) { return c >= lo && c <= hi; }

bool Class_Is_Landlike(int c) { return c == 1 || c == 18 || In(c, 162, 196) || In(c, 233, 451) || In(c, 468, 472); }

bool Class_Is_River(int c) { return In(c, 185, 196) || In(c, 233, 258) || In(c, 468, 472); }

int16_t Shared_Half(int value, int wx, int wy, int wp)
{
    return (int16_t)(City_Area_Square_Is_Shared((int16_t)wx, (int16_t)wy, (int16_t)wp) ? value / 2 : value);
}

int16_t Scaled_Yield(int value, int wx, int wy, int wp, int half_again, int doubled)
{
    if (doubled) {
        value *= 2;
    }
    if (half_again) {
        value = value * 3 / 2;
    }
    return Shared_Half(value, wx, wy, wp);
}

constexpr int Class_Food(int c)
{
    if (c == 0 || c > 600) return 0;
    if (c >= 162 && c <= 184) {
        switch (c) {
        case 163:
        case 171:
        case 183:
        case 184: return 1;
        case 164:
        case 165:
        case 166:
        case 167:
        case 170:
        case 174:
        case 175:
        case 176:
        case 177:
        case 178:
        case 179:
        case 181:
        case 182: return 0;
        case 168: return 4;
        case 169: return 5;
        default: return 3;
        }
    }
    if (c == 1) return 3;
    if ((c >= 185 && c <= 258) || (c >= 468 && c <= 472)) return 4;
    if ((c >= 259 && c <= 274) || (c >= 292 && c <= 451)) return 0;
    return 1;
}

constexpr bool Class_Forest(int c) { return c == 163 || c == 169 || c == 183 || c == 184; }

constexpr int Class_Production(int c)
{
    if (Class_Forest(c)) return 3;
    if (c == 171 || (c >= 174 && c <= 176) || (c >= 275 && c <= 451)) return 3;
    if (c == 164 || c == 170 || (c >= 259 && c <= 274)) return 5;
    return 0;
}

constexpr bool Class_Sailable(int c)
{
    return c == 0 || (c >= 2 && c <= 161) || (c >= 197 && c <= 232) || (c >= 452 && c <= 467) || (c >= 473 && c <= 601);
}

struct Class_Table {
    Terrain_Class_Info info[TERRAIN_TILE_SET_SIZE];
    constexpr Class_Table() : info()
    {
        for (int c = 0; c < TERRAIN_TILE_SET_SIZE; c++) {
            info[c] = Terrain_Class_Info{(uint8_t)Class_Food(c), (uint8_t)Class_Production(c), (uint8_t)Class_Forest(c),
                                         (uint8_t)Class_Sailable(c)};
        }
    }
};
constexpr Class_Table m_class_table;

}  // namespace

extern const Terrain_Class_Info *const terrain_class_info = m_class_table.info;

int16_t Square_Terrain_Class(int16_t wx, int16_t wy, int16_t wp) { return (int16_t)Class_At(wx, wy, wp); }

int16_t Square_Is_Sailable(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c >= 0 && terrain_class_info[c].sailable;
}

int16_t Square_Is_Ocean(int16_t wx, int16_t wy, int16_t wp) { return Class_At(wx, wy, wp) == tt_Ocean; }

int16_t Square_Is_Shoreline(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c >= 0 && c < 602 && !Class_Is_Landlike(c);
}

int16_t Square_Is_OceanLike(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c >= 0 && c <= 602 && !Class_Is_Landlike(c);
}

int16_t Square_Is_Embarkable(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 0 || In(c, 2, 17) || In(c, 19, 49) || In(c, 98, 161) || In(c, 217, 232) || In(c, 473, 503);
}

int16_t Square_Is_Land(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 1 || In(c, 162, 196) || In(c, 233, 451) || In(c, 468, 472) || c >= 602;
}

int16_t Square_Is_River(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c >= 0 && Class_Is_River(c);
}

int16_t Square_Is_Grasslands(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 162 || c == 168 || c == 172 || c == 173 || c == 180;
}

int16_t Square_Is_Forest(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    if (!(c == 163 || c == 169 || c == 183 || c == 184)) {
        return 0;
    }
    return _square_explored[Square_Index(wx, wy, wp)] != 0;
}

int16_t Square_Is_Hills(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == tt_Hills || In(c, 275, 291);
}

int16_t Square_Is_Mountain(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 164 || c == 170 || c == 179 || In(c, 259, 274);
}

int16_t Square_Is_Volcano(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 170 || c == 179;
}

int16_t Square_Is_Desert(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 165 || In(c, 174, 176) || In(c, 292, 451);
}

int16_t Square_Is_Swamp(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 166 || c == 177 || c == 178;
}

int16_t Square_Is_Tundra(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 167 || c == 181 || c == 182 || c > 602;
}

int16_t Square_Is_Node(int16_t wx, int16_t wy, int16_t wp)
{
    int c = Class_At(wx, wy, wp);
    return c == 168 || c == 169 || c == 170;
}

int16_t Square_Has_Corruption(int16_t wx, int16_t wy, int16_t wp)
{
    int square = Square_Index(wx, wy, wp);
    return square >= 0 && (_map_square_flags[square] & sf_Corruption) != 0;
}

void Square_Clear_Corruption(int16_t wx, int16_t wy, int16_t wp)
{
    int square = Square_Index(wx, wy, wp);
    if (square >= 0) {
        _map_square_flags[square] &= (uint8_t)~sf_Corruption;
    }
}

Square_Facts Square_Facts_At(int16_t wx, int16_t wy, int16_t wp)
{
    int square = Square_Index(wx, wy, wp);
    if (square < 0) {
        return Square_Facts{-1, 0, 0};
    }
    int x = square % WORLD_WIDTH;
    int bit = wy * WORLD_WIDTH + x;
    const uint8_t *shared_bits = city_area_shared_bits + wp * CITY_AREA_BITS_PLANE_BYTES;
    uint8_t shared = city_area_shared_bits != nullptr && (shared_bits[bit >> 3] & (1u << (bit & 7))) ? 1 : 0;
    return Square_Facts{Terrain_Class(_world_maps[square]), _map_square_terrain_specials[square], shared};
}

static int16_t Gold_Of(uint8_t specials, uint8_t only)
{
    if (only != 0 && specials != only) {
        return 0;
    }
    switch (specials) {
    case ts_Gems: return 5;
    case ts_Gold: return 3;
    case ts_Silver: return 2;
    default: return 0;
    }
}

int16_t Square_Food_x2(int16_t wx, int16_t wy, int16_t wp) { return Square_Facts_Food_x2(Square_Facts_At(wx, wy, wp)); }

int16_t Square_Production_Bonus(int16_t wx, int16_t wy, int16_t wp, int16_t forest_flag)
{
    return Square_Facts_Production_Bonus(Square_Facts_At(wx, wy, wp), forest_flag);
}

int16_t Square_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled)
{
    return Square_Facts_Gold_Income(Square_Facts_At(wx, wy, wp), half_again, doubled);
}

int16_t Square_Silver_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled)
{
    return Scaled_Yield(Gold_Of(Specials_At(wx, wy, wp), ts_Silver), wx, wy, wp, half_again, doubled);
}

int16_t Square_Gold_Ore_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled)
{
    return Scaled_Yield(Gold_Of(Specials_At(wx, wy, wp), ts_Gold), wx, wy, wp, half_again, doubled);
}

int16_t Square_Gems_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled)
{
    return Scaled_Yield(Gold_Of(Specials_At(wx, wy, wp), ts_Gems), wx, wy, wp, half_again, doubled);
}

int16_t Square_Magic_Power(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled)
{
    return Square_Facts_Magic_Power(Square_Facts_At(wx, wy, wp), half_again, doubled);
}

static int16_t Mineral_Power(int wx, int wy, int wp, uint8_t mineral, int power, int doubled)
{
    if (Specials_At(wx, wy, wp) != mineral) {
        return 0;
    }
    return Scaled_Yield(power, wx, wy, wp, 0, doubled);
}

int16_t Square_Mithril_Power(int16_t wx, int16_t wy, int16_t wp, int16_t, int16_t doubled)
{
    return Mineral_Power(wx, wy, wp, ts_Mithril, 1, doubled);
}
int16_t Square_Adamantium_Power(int16_t wx, int16_t wy, int16_t wp, int16_t, int16_t doubled)
{
    return Mineral_Power(wx, wy, wp, ts_Adamantium, 2, doubled);
}
int16_t Square_Quork_Power(int16_t wx, int16_t wy, int16_t wp, int16_t, int16_t doubled)
{
    return Mineral_Power(wx, wy, wp, ts_Quork, 3, doubled);
}
int16_t Square_Crysx_Power(int16_t wx, int16_t wy, int16_t wp, int16_t, int16_t doubled)
{
    return Mineral_Power(wx, wy, wp, ts_Crysx, 5, doubled);
}

int16_t Square_Has_Mithril(int16_t wx, int16_t wy, int16_t wp) { return Specials_At(wx, wy, wp) == ts_Mithril; }
int16_t Square_Has_Adamantium(int16_t wx, int16_t wy, int16_t wp) { return Specials_At(wx, wy, wp) == ts_Adamantium; }

int16_t Square_Unit_Cost_Reduction(int16_t wx, int16_t wy, int16_t wp, int16_t coal_flag, int16_t doubled)
{
    return Square_Facts_Unit_Cost_Reduction(Square_Facts_At(wx, wy, wp), coal_flag, doubled);
}

int16_t Square_Gold_Bonus(int16_t wx, int16_t wy, int16_t wp)
{
    int river = Square_Is_River(wx, wy, wp);
    int shore = 0;
    for (int dy = -1; dy <= 1 && !shore; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            if ((dx != 0 || dy != 0) && wy + dy >= 0 && wy + dy < WORLD_HEIGHT &&
                Square_Is_Sailable((int16_t)(wx + dx), (int16_t)(wy + dy), wp)) {
                shore = 1;
                break;
            }
        }
    }
    if (river && shore) {
        return 30;
    }
    return river ? 20 : shore ? 10 : 0;
}

int16_t City_Road_Trade_Bonus(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    int32_t bonus = 0;
    for (int other = 0; other < _cities && other < NUM_CITIES; other++) {
        if (city.road_connections[other / 8] == 0) {
            other |= 7;  // no connection in this byte
            continue;
        }
        if (other == city_idx || !(city.road_connections[other / 8] & (1u << (other % 8)))) {
            continue;
        }
        const City_Record &c = _CITIES[other];
        bonus += (c.race == city.race) ? c.population / 2 : c.population;
    }
    int32_t cap = 3 * city.population;
    return (int16_t)(bonus > cap ? cap : bonus);
}

int16_t City_Best_Weapon(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    if (!City_Building_Stands(city, bt_Weapon_Forge)) {
        return 0;
    }
    int16_t xs[CITY_AREA_MAX_SQUARES];
    int16_t ys[CITY_AREA_MAX_SQUARES];
    int count = Get_Useable_City_Area(city.wx, city.wy, city.wp, xs, ys);
    int best = 1;
    for (int i = 0; i < count; i++) {
        uint8_t specials = Specials_At(xs[i], ys[i], city.wp);
        if (specials == ts_Adamantium) {
            return 3;
        }
        if (specials == ts_Mithril) {
            best = 2;
        }
    }
    return (int16_t)best;
}

void All_City_Nightshade_Count(void)
{
    static const int nightshade_buildings[] = {bt_Healers_Grove, bt_Lore_Hall,    bt_Seers_Tower,
                                               bt_Weapon_Forge,  bt_Mage_Guild,   bt_Shrine,
                                               bt_Temple,        bt_Great_Temple, bt_Sanctum};
    for (int city_idx = 0; city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
        City_Record &city = _CITIES[city_idx];
        if (city.population == 0) {
            continue;
        }
        bool any = false;
        for (int b : nightshade_buildings) {
            any = any || city.bldg_status[b] != -1;
        }
        if (!any) {
            continue;
        }
        int16_t xs[CITY_AREA_MAX_SQUARES];
        int16_t ys[CITY_AREA_MAX_SQUARES];
        int count = Get_Useable_City_Area(city.wx, city.wy, city.wp, xs, ys);
        int nightshade = 0;
        for (int i = 0; i < count; i++) {
            nightshade += (Specials_At(xs[i], ys[i], city.wp) & ts_Nightshade) ? 1 : 0;
        }
        city.enchantments[ce_Nightshade] = (uint8_t)nightshade;
    }
}

int16_t Building_Terrain_Type_Prerequisite(int16_t wx, int16_t wy, int16_t wp)
{
    if (Square_Is_OceanLike(wx, wy, wp)) {
        return 110;
    }
    int c = Class_At(wx, wy, wp);
    if (c == 1 || c == 162 || c == 172 || c == 173 || c == 180) {
        return 104;
    }
    if (c == 163 || c == 169 || c == 183 || c == 184) {
        return 101;
    }
    if (c == 171 || In(c, 275, 291)) {
        return 200;
    }
    int square = Square_Index(wx, wy, wp);
    return square < 0 ? 0 : _world_maps[square];
}

int16_t Turns_To_Build_Road(int16_t wx, int16_t wy, int16_t wp)
{
    int square = Square_Index(wx, wy, wp);
    if (square < 0) {
        return -1;
    }
    if (_map_square_flags[square] & sf_Road) {
        return 0;
    }
    int c = Terrain_Class(_world_maps[square]);
    switch (c) {
    case 1: return 2;
    case 162:
    case 172:
    case 173:
    case 180: return 3;
    case 165:
    case 168:
    case 174:
    case 175:
    case 176: return 4;
    case 169:
    case 170: return 5;
    case 163:
    case 167:
    case 171:
    case 181:
    case 182:
    case 183:
    case 184: return 6;
    case 164:
    case 166:
    case 177:
    case 178:
    case 179: return 8;
    default: break;
    }
    if (Class_Is_River(c)) {
        return 5;
    }
    if (In(c, 259, 274)) {
        return 8;
    }
    if (In(c, 275, 291)) {
        return 6;
    }
    if (In(c, 292, 451)) {
        return 4;
    }
    if (c >= 602) {
        return 6;
    }
    return -1;
}
