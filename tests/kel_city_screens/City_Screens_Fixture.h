// A small world with one city of the human's at (20, 20), the stand-in archives and the engine,
// and a per-poll script that feeds keys and clicks to the screens' input loops.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Screen_Fixture.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "World_Fixture.h"
#include "cities/screens/City_Screen.h"
#include "sdl2_PFL.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"

inline std::deque<std::function<void()>> &City_Poll_Script()
{
    static std::deque<std::function<void()>> script;
    return script;
}

inline void City_Run_Poll_Script(void)
{
    if (City_Poll_Script().empty()) return;
    std::function<void()> step = City_Poll_Script().front();
    City_Poll_Script().pop_front();
    step();
}

class City_Screens_Test : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        City_Poll_Script().clear();
        Platform_Register_Frame_Callback(City_Run_Poll_Script);
        // Hills everywhere: no food, no specials.
        for (int i = 0; i < NUM_PLANES * WORLD_SIZE; ++i) {
            _world_maps[i] = tt_Desert;
            _square_explored[i] = 1;
        }
        _current_player_idx = 0;
        _cities = 1;
        City_Record &city = _CITIES[0];
        std::memset(&city, 0, sizeof city);
        std::strcpy(city.name, "Tessa");
        city.wx = 20;
        city.wy = 20;
        city.wp = 0;
        city.owner_idx = 0;
        city.race = rt_High_Men;
        city.size = 3;
        city.population = 4;
        std::memset(city.bldg_status, -1, sizeof city.bldg_status);
        city.bldg_status[0] = 0;
        city.construction = bt_Housing;
        _city_idx = 0;
        _players[0].tax_rate = 2;
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        City_Poll_Script().clear();
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
        World_Test::TearDown();
    }
    City_Record &City() { return _CITIES[0]; }
    // Terrain food of the city's area: see Square_Facts_Food_x2; desert gives none.
    void Set_Area(int grass, int forest)
    {
        int16_t xs[CITY_AREA_MAX_SQUARES], ys[CITY_AREA_MAX_SQUARES];
        int16_t n = Get_Useable_City_Area(City().wx, City().wy, City().wp, xs, ys);
        for (int i = 0; i < n; ++i) {
            int16_t tile = i < grass ? tt_Grasslands : i < grass + forest ? tt_Forest : tt_Desert;
            _world_maps[World_Square_Index(xs[i], ys[i], City().wp)] = tile;
        }
    }
    static void Then(std::function<void()> step) { City_Poll_Script().push_back(std::move(step)); }
    static void Key(int32_t code, int32_t character) { Platform_Keyboard_Buffer_Add_Key_Press(code, 0, character); }
    // A button press held over a few polls at (x, y), as a player's click arrives.
    static void Click(int16_t x, int16_t y, int16_t button = 1)
    {
        Set_Pointer_Position(x, y);
        Platform_Set_Synthetic_Mouse_Button(button);
        int wx = 0, wy = 0;
        Platform_Game_To_Window(x, y, &wx, &wy);
        User_Mouse_Handler(button, (int16_t)wx, (int16_t)wy);
    }
    static void Release() { Platform_Set_Synthetic_Mouse_Button(0); }
};
