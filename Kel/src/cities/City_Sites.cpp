#include <cstdio>

#include "Geometry.h"
#include "LBX_Load.h"
#include "cities/City_Records.h"
#include "cities/Outposts.h"
#include "heroes/Lairs.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/City_Names.h"
#include "world/Game_Settings.h"
#include "world/Plane_Shift.h"
#include "world/Player_Record.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"

namespace {

constexpr uint16_t NEW_OUTPOST_HOUSES = 3;
constexpr int16_t NEW_OUTPOST_EXPLORE_RADIUS = 2;

}  // namespace

int16_t Map_Square_Survey(int16_t wx, int16_t wy, int16_t wp)
{
    if (Square_Is_Sailable(wx, wy, wp)) {
        return sts_Water;
    }
    if (Square_Is_Tower(wx, wy)) {
        return sts_Tower;
    }
    if (Get_Map_Square_Magic_Node(wx, wy, wp) != -1) {
        return sts_Node;
    }
    if (Square_Has_Lair(wx, wy, wp) != -1) {
        return sts_Lair;
    }
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wp == wp && Delta_XY_With_Wrap(wx, wy, city.wx, city.wy, WORLD_WIDTH) <= SETTLING_MIN_CITY_DISTANCE) {
            return sts_City_Near;
        }
    }
    return sts_Free;
}

int16_t Create_Outpost(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx)
{
    if (Map_Square_Survey(wx, wy, wp) != sts_Free) {
        return 0;
    }
    if (Init_Outpost() == 0) {
        if (owner_idx == _current_player_idx) {
            Turn_Warn("No more outposts may be built.");
        }
        return 0;
    }
    Kill_Unit(unit_idx, kum_Destroyed);
    const int16_t city_idx = (int16_t)(_cities - 1);
    _city_idx = city_idx;
    City_Record &city = _CITIES[city_idx];
    city.Pop_10s = NEW_OUTPOST_HOUSES;
    city.wx = (uint8_t)wx;
    city.wy = (uint8_t)wy;
    city.wp = (uint8_t)wp;
    city.owner_idx = (int8_t)owner_idx;
    city.race = (uint8_t)race;

    if (owner_idx == _current_player_idx) {
        if (army_world_services.new_outpost_scene) {
            army_world_services.new_outpost_scene(city_idx, owner_idx);
        } else {
            Random_City_Name_By_Race(race, city.name);
        }
        Set_Square_Explored_Flags_Range(wx, wy, wp, NEW_OUTPOST_EXPLORE_RADIUS);
    } else {
        Random_City_Name_By_Race(race, city.name);
    }

    const int players = _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players;
    for (int p = 0; p < players; p++) {
        if (_players[p].Globals[ge_Awareness] == 0) continue;
        if (p == _current_player_idx) {
            Set_Square_Explored_Flags_Range(wx, wy, wp, 1);
        } else {
            city.contacts = (uint16_t)(city.contacts | (1u << p));
        }
    }

    Do_City_Calculations(city_idx);
    Make_Road(wx, wy, wp);
    Reset_City_Area_Bitfields();
    Reset_City_Road_Connection_Bitfields();
    return 1;
}
