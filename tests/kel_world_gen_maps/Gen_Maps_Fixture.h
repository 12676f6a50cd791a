// A cleared world with a TERRTYPE edge-tile archive in a temporary data folder and a terrain
// statistics table in memory, for the last steps of world generation.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "World_Fixture.h"
#include "random.h"
#include "world/LOADER.h"
#include "world/Map_Square_Record.h"
#include "world/Terrain_Changes.h"

namespace gen_maps_test {

using Bytes = std::vector<uint8_t>;

// Table 0: shore tile 2 + mask % 160 (18 for mask 255); table 1: 259 + mask % 16; tables 2..4: 0.
inline int16_t Test_Edge_Tile(int table, int mask)
{
    if (table == 0 && mask != 0) return (int16_t)(mask == 255 ? 18 : 2 + mask % 160);
    if (table == 1 && mask != 0) return (int16_t)(259 + mask % 16);
    return 0;
}

inline Bytes Terrtype_Archive(const std::vector<std::pair<int, int16_t>> &overrides = {})
{
    Bytes records(TERRTYPE_RECORDS * TERRTYPE_RECORD_SIZE, 0);
    for (int i = 0; i < TERRTYPE_ENTRIES; i++) {
        int16_t v = Test_Edge_Tile(i / 256, i % 256);
        for (const auto &o : overrides) {
            if (o.first == i) v = o.second;
        }
        records[2 * i] = (uint8_t)v;
        records[2 * i + 1] = (uint8_t)((uint16_t)v >> 8);
    }
    Bytes entry = {TERRTYPE_RECORDS, 0, (uint8_t)(TERRTYPE_RECORD_SIZE & 0xFF), (uint8_t)(TERRTYPE_RECORD_SIZE >> 8)};
    entry.insert(entry.end(), records.begin(), records.end());
    // u16 entry count, AD FE, four unused bytes, u32 offsets of the entry and the end, data at 512.
    Bytes file(512, 0);
    file[0] = 1;
    file[2] = 0xAD;
    file[3] = 0xFE;
    const uint32_t offsets[2] = {512, 512 + (uint32_t)entry.size()};
    for (int i = 0; i < 2; i++) {
        for (int b = 0; b < 4; b++) file[8 + 4 * i + b] = (uint8_t)(offsets[i] >> (8 * b));
    }
    file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

}  // namespace gen_maps_test

class Gen_Maps_Test : public World_Test {
protected:
    Test_Temp_Dir data;
    // Water (classes below 162 but 1, and the other water ranges) only swims and sails; land walks at
    // 2, ships never; row 769 is the last of the table.
    uint8_t stats[NUM_TERRAIN_STATS * TERRAIN_STATS_RECORD_SIZE] = {};

    void SetUp() override
    {
        World_Test::SetUp();
        for (int t = 0; t < NUM_TERRAIN_STATS; t++) {
            const int c = t % TERRAIN_TILE_SET_SIZE;
            const bool water =
                (c < 162 && c != 1) || (c >= 197 && c <= 232) || (c >= 452 && c <= 467) || (c >= 473 && c <= 601);
            for (int m = 0; m < 6; m++) {
                stats[t * 6 + m] = water ? (m >= 4 ? 2 : 255) : (m == 5 ? 255 : (uint8_t)(2 + m % 2));
            }
        }
        terrain_stats_table = stats;
        Use_Terrtype(gen_maps_test::Terrtype_Archive());
        Set_Random_Seed(1234);
    }
    void TearDown() override
    {
        LBX_Close();
        STU_GRAF_Reset();
        terrain_stats_table = nullptr;
        World_Test::TearDown();
    }
    void Use_Terrtype(const gen_maps_test::Bytes &bytes)
    {
        LBX_Close();
        FILE *file = fopen((data / "TERRTYPE.LBX").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(data.path.c_str());
    }
    static void Fill(int wp, int16_t tile)
    {
        for (int i = 0; i < WORLD_SIZE; i++) _world_maps[wp * WORLD_SIZE + i] = tile;
    }
    static int16_t &At(int wx, int wy, int wp = 0) { return _world_maps[World_Square_Index(wx, wy, wp)]; }
};
