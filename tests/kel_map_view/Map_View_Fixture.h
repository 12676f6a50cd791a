// A world for the map view: the stand-in installation's terrain and map pictures, a private page,
// a reduced-map buffer, and helpers that place units, cities and map features.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GENDRAW.h"
#include "LBX_Load.h"
#include "Memory_Util.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Test_Page_Png.h"
#include "World_Fixture.h"
#include "overland/Game_Resources.h"
#include "overland/Map_Layers.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/Map_Square_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

// Unit types whose strengths the tests set: two fighters and a ship.
constexpr uint8_t TYPE_FIGHTER = 40;
constexpr uint8_t TYPE_STRONG = 41;
constexpr uint8_t TYPE_SHIP = 42;

class Map_View_Test : public World_Test {
protected:
    Test_Page page;
    std::vector<uint8_t> reduced = std::vector<uint8_t>(REDUCED_MAP_PICTURE_BYTES, 0);

    static void SetUpTestSuite()
    {
        static bool loaded = false;
        if (loaded) return;
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
        Terrain_Init();
        loaded = true;
    }

    void SetUp() override
    {
        World_Test::SetUp();
        _num_players = 3;
        for (int p = 0; p < NUM_PLAYERS; p++) _players[p].banner_id = (uint8_t)p;
        for (int i = 0; i < NUM_NODES; i++) _NODES[i].owner_idx = -1;
        for (int i = 0; i < NUM_TOWERS; i++) _TOWERS[i] = Tower_Record{255, 255, -1, 0};  // off the map
        for (int i = 0; i < WORLD_SIZE * NUM_PLANES; i++) _world_maps[i] = tt_Grasslands;
        Set_Types();
        memset(square_scouted_p0, 0, WORLD_SIZE / 8);
        memset(square_scouted_p1, 0, WORLD_SIZE / 8);
        _units = 0;
        _cities = 0;
        _map_x = _map_y = _map_plane = 0;
        _prev_world_x = _prev_world_y = 0;
        _current_player_idx = 0;
        _unit_stack_count = 0;
        all_units_moved = 0;
        current_screen = scr_Main_Screen;
        draw_active_stack_flag = DRAW_ACTIVE_STACK_ALWAYS;
        for (int16_t &entry : entities_on_movement_map) entry = MAP_ENTITY_NONE;
        map_anim_cycle = terrain_anim_ctr = node_anim_ctr = road_anim_ctr = 0;
        Reduced_Map_Set_Dims(58, 30);
        minimap_x = minimap_y = 0;
        reduced_map_mark_cycle = 0;
        Reset_Map_Draw();
        Reset_Window();
        Map_Layers_Reset_Refused_Latches();
        _reduced_map_seg = reduced.data();
    }

    void TearDown() override
    {
        _reduced_map_seg = nullptr;
        World_Test::TearDown();
    }

    static void Set_Types()
    {
        auto set = [](uint8_t type, int8_t melee, int8_t ranged, uint8_t transport) {
            _unit_type_table[type].Melee = melee;
            _unit_type_table[type].Ranged = ranged;
            _unit_type_table[type].Transport = transport;
            _unit_type_table[type].Abilities = 0;
        };
        set(TYPE_FIGHTER, 4, 0, 0);
        set(TYPE_STRONG, 30, 19, 0);
        set(TYPE_SHIP, 1, 0, 3);
    }

    // Explored (15) and scouted this turn.
    static void Explore(int x, int y, int plane, uint8_t value = 15)
    {
        _square_explored[World_Square_Index(x, y, plane)] = value;
        Set_Bit_Field((int16_t)(x + WORLD_WIDTH * y), plane == 0 ? square_scouted_p0 : square_scouted_p1);
    }
    static void Explore_All(int plane)
    {
        for (int y = 0; y < WORLD_HEIGHT; y++)
            for (int x = 0; x < WORLD_WIDTH; x++) Explore(x, y, plane);
    }

    static int16_t Add_Unit(uint8_t type, int8_t owner, int x, int y, int plane = 0)
    {
        int16_t j = _units++;
        Unit_Record &unit = _UNITS[j];
        memset(&unit, 0, sizeof(unit));
        unit.type = type;
        unit.owner_idx = owner;
        unit.wx = (uint8_t)x;
        unit.wy = (uint8_t)y;
        unit.wp = (uint8_t)plane;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return j;
    }

    static int16_t Add_City(int8_t owner, int x, int y, int plane = 0, uint8_t population = 5, bool walls = false)
    {
        int16_t i = _cities++;
        City_Record &city = _CITIES[i];
        memset(&city, 0, sizeof(city));
        city.owner_idx = owner;
        city.wx = (uint8_t)x;
        city.wy = (uint8_t)y;
        city.wp = (uint8_t)plane;
        city.population = population;
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        if (walls) city.bldg_status[bt_City_Walls] = 1;
        return i;
    }

    static int16_t Entity(int column, int row) { return entities_on_movement_map[row * MAP_VIEW_COLUMNS + column]; }
    static void Refresh_Entities(int16_t wx, int16_t wy, int16_t plane = 0)
    {
        Set_Unit_Draw_Priority();
        Reset_Stack_Draw_Priority();
        Set_Entities_On_Map_Window(wx, wy, plane);
    }

    // Pixels of a rectangle that differ from colour 0.
    int Painted(int x1, int y1, int x2, int y2)
    {
        int n = 0;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++) n += page.At(x, y) != 0;
        return n;
    }
    int Count_Colour(int x1, int y1, int x2, int y2, uint8_t colour)
    {
        int n = 0;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++) n += page.At(x, y) == colour;
        return n;
    }
    void Clear_Page() { memset(page.Pixels(), 0, SCREEN_SIZE); }
    // The window square (column, row) of the main map window.
    static int Square_X(int column) { return MAP_VIEW_SCREEN_X + MAP_VIEW_SQUARE_WIDTH * column; }
    static int Square_Y(int row) { return MAP_VIEW_SCREEN_Y + MAP_VIEW_SQUARE_HEIGHT * row; }
    uint8_t Reduced_Pixel(int column, int row, int h = 30) const
    {
        return reduced[PICTURE_BITMAP_HEADER + column * h + row];
    }
};
