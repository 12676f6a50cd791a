// A small land world for the world rules: both planes grassland and explored, rule tables in memory,
// TERRTYPE and CITYNAME archives in a temporary data folder, and helpers that place cities and units.
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
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Names.h"
#include "world/Events_Record.h"
#include "world/LOADER.h"
#include "world/Map_Square_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Terrain_Changes.h"
#include "world/Wizard_Economy.h"

namespace rules_test {

using Bytes = std::vector<uint8_t>;

inline Bytes Record_Table_Entry(int count, int size, const Bytes &records)
{
    Bytes entry = {(uint8_t)count, (uint8_t)(count >> 8), (uint8_t)size, (uint8_t)(size >> 8)};
    entry.insert(entry.end(), records.begin(), records.end());
    return entry;
}

// u16 entry count, AD FE, four unused bytes, u32 offsets of the entries and the end, data at 512.
inline Bytes Archive(const std::vector<Bytes> &entries)
{
    Bytes file(512, 0);
    file[0] = (uint8_t)entries.size();
    file[2] = 0xAD;
    file[3] = 0xFE;
    uint32_t offset = 512;
    for (size_t i = 0; i <= entries.size(); i++) {
        for (int b = 0; b < 4; b++) file[8 + 4 * i + b] = (uint8_t)(offset >> (8 * b));
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const Bytes &entry : entries) file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

// Edge tiles that stay in their class: masks 1..255 hold 3..161, masks 257..511 hold 259..274.
inline int16_t Test_Edge_Tile(int index)
{
    if (index >= 1 && index < 256) return (int16_t)(3 + index % 159);
    if (index > 256 && index < 512) return (int16_t)(259 + (index - 256) % 16);
    return 0;
}

inline Bytes Terrtype_Archive(const std::vector<std::pair<int, int16_t>> &overrides = {})
{
    Bytes records(TERRTYPE_RECORDS * TERRTYPE_RECORD_SIZE, 0);
    for (int i = 0; i < TERRTYPE_ENTRIES; i++) {
        int16_t v = Test_Edge_Tile(i);
        for (const auto &o : overrides) {
            if (o.first == i) v = o.second;
        }
        records[2 * i] = (uint8_t)v;
        records[2 * i + 1] = (uint8_t)((uint16_t)v >> 8);
    }
    return Archive({Record_Table_Entry(TERRTYPE_RECORDS, TERRTYPE_RECORD_SIZE, records)});
}

// Race r's name k is "R<r>N<k>".
inline std::string Test_City_Name(int race, int k) { return "R" + std::to_string(race) + "N" + std::to_string(k); }

inline Bytes Cityname_Archive(void)
{
    Bytes records(NUM_RACES * CITYNAME_RECORD_SIZE, 0);
    for (int r = 0; r < NUM_RACES; r++) {
        for (int k = 0; k < CITYNAME_NAMES_PER_RACE; k++) {
            std::string name = Test_City_Name(r, k);
            memcpy(&records[r * CITYNAME_RECORD_SIZE + k * CITY_NAME_SIZE], name.c_str(), name.size());
        }
    }
    return Archive({Record_Table_Entry(NUM_RACES, CITYNAME_RECORD_SIZE, records)});
}

}  // namespace rules_test

class Rules_Test : public World_Test {
protected:
    Test_Temp_Dir data;
    Building_Data_Record buildings[NUM_BUILDING_TYPES] = {};
    Spell_Data_Record spells[NUM_SPELLS] = {};
    int8_t unrest[NUM_UNREST_RACES][NUM_UNREST_RACES] = {};

    void SetUp() override
    {
        World_Test::SetUp();
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
            _world_maps[square] = tt_Grasslands;
            _square_explored[square] = 1;
        }
        for (int b = 0; b < NUM_BUILDING_TYPES; b++) {
            buildings[b].maintenance_cost = (int16_t)(b < 3 ? 0 : (b % 2 ? b / 8 + 1 : -(b / 8 + 1)));
            buildings[b].construction_cost = (int16_t)(b < 3 ? 0 : 30 + 15 * b);
        }
        bldg_data_table = buildings;
        spells[201].Param_Words[0] = 154;
        spell_data_table = spells;
        for (int r = 0; r < NUM_UNREST_RACES; r++) TBL_Unrest[r] = unrest[r];
        g_timestop_player_num = 0;
        _difficulty = 0;
        _num_players = 3;
        for (int p = 0; p < NUM_PLAYERS; p++) _players[p].tax_rate = 0;
        Reset_City_Area_Bitfields();
        Write_Data("TERRTYPE.LBX", rules_test::Terrtype_Archive());
        Write_Data("CITYNAME.LBX", rules_test::Cityname_Archive());
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(data.path.c_str());
        LBX_Close();
    }
    void TearDown() override
    {
        LBX_Close();
        STU_GRAF_Reset();
        bldg_data_table = nullptr;
        spell_data_table = nullptr;
        for (int r = 0; r < NUM_UNREST_RACES; r++) TBL_Unrest[r] = nullptr;
        World_Test::TearDown();
    }
    void Write_Data(const char *name, const rules_test::Bytes &bytes) const
    {
        FILE *file = fopen((data / name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }

    int16_t Add_City(int owner, int race, int wx, int wy, int wp, int population, int farmers)
    {
        int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        memset(&city, 0, sizeof(city));
        snprintf(city.name, sizeof(city.name), "City %d", idx);
        city.owner_idx = (int8_t)owner;
        city.race = (uint8_t)race;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.population = (uint8_t)population;
        city.farmer_count = (uint8_t)farmers;
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        city.bldg_status[bt_None] = 0;
        city.construction = bt_Trade_Goods;
        Reset_City_Area_Bitfields();
        return idx;
    }

    int16_t Add_Unit(int type, int owner, int wx, int wy, int wp)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        return idx;
    }

    void Set_Square(int wx, int wy, int wp, int16_t terrain, uint8_t specials = 0, uint8_t flags = 0)
    {
        int square = World_Square_Index(wx, wy, wp);
        _world_maps[square] = terrain;
        _map_square_terrain_specials[square] = specials;
        _map_square_flags[square] = flags;
    }

    void Set_Event(int word, int16_t value) { events_table->words[word] = value; }
};
