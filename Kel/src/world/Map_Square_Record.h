// The per-square bytes of the world map: terrain values, minerals and specials, square flags.
#pragma once

#include <cstdint>

// A terrain value is an i16 of _world_maps; its class is the value modulo TERRAIN_TILE_SET_SIZE
// (the second tile set repeats the first). The plain tiles of each kind, and the ranges the rules
// test, by class.
constexpr int TERRAIN_TILE_SET_SIZE = 762;

enum Terrain_Type : int16_t {
    tt_Ocean_Edge = 0,  // water: 0, 2..161 shores, 601 the open ocean
    tt_Land_Lone = 1,   // a lone land square in the sea, farmed like grassland
    tt_Shore_First = 2,
    tt_Shore_Last = 161,
    tt_Grasslands = 162,
    tt_Forest = 163,
    tt_Mountain = 164,
    tt_Desert = 165,
    tt_Swamp = 166,
    tt_Tundra = 167,
    tt_Sorcery_Node = 168,
    tt_Nature_Node = 169,
    tt_Chaos_Node = 170,
    tt_Hills = 171,
    tt_Grasslands_2 = 172,
    tt_Grasslands_3 = 173,
    tt_Desert_2 = 174,
    tt_Desert_4 = 176,
    tt_Swamp_2 = 177,
    tt_Swamp_3 = 178,
    tt_Volcano = 179,
    tt_Grasslands_4 = 180,
    tt_Tundra_2 = 181,
    tt_Tundra_3 = 182,
    tt_Forest_2 = 183,
    tt_Forest_3 = 184,
    tt_River_First = 185,
    tt_River_Last = 196,
    tt_Lake_First = 197,  // 197..232 water
    tt_Lake_Last = 232,
    tt_River_2_First = 233,  // 233..258 rivers
    tt_River_2_Last = 258,
    tt_Mountain_Edge_First = 259,  // 259..274 mountain edge tiles
    tt_Mountain_Edge_Last = 274,
    tt_Hills_Edge_First = 275,  // 275..291 hills edge tiles
    tt_Hills_Edge_Last = 291,
    tt_Desert_Edge_First = 292,  // 292..451 desert edge tiles
    tt_Desert_Edge_Last = 451,
    tt_Shore_2_First = 452,  // 452..467 water
    tt_Shore_2_Last = 467,
    tt_River_3_First = 468,  // 468..472 rivers
    tt_River_3_Last = 472,
    tt_Shore_3_First = 473,  // 473..601 water
    tt_Ocean = 601,
    tt_Tundra_Edge_First = 602,  // 602 and above: tundra edge tiles
};

// The specials byte of _map_square_terrain_specials: a mineral in the low four bits and flags.
enum Terrain_Special : uint8_t {
    ts_None = 0,
    ts_Iron_Ore = 1,
    ts_Coal = 2,
    ts_Silver = 3,
    ts_Gold = 4,
    ts_Gems = 5,
    ts_Mithril = 6,
    ts_Adamantium = 7,
    ts_Quork = 8,
    ts_Crysx = 9,
    ts_Mineral_Mask = 0x0F,
    ts_Wild_Game = 0x40,
    ts_Nightshade = 0x80,
};

// The flags byte of _map_square_flags.
enum Square_Flag : uint8_t {
    sf_Volcano_Owner_Mask = 0x07,  // the volcano's owner plus 1, 0 none
    sf_Road = 0x08,
    sf_Enchanted_Road = 0x10,
    sf_Corruption = 0x20,  // not usable by a city
    sf_Marked = 0x40,
};
