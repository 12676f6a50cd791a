// Stand-ins for game rules that later modules own; each is the least that lets unit creation,
// compaction and the test hooks run. The owning module deletes its stand-in when it lands.
#pragma once

#include <cstdint>

int16_t Calc_Unit_Level(int16_t unit_idx);
int16_t City_Best_Weapon(int16_t city_idx);
void Destroy_City(int16_t city_idx);
void Apply_Chaos_Channels(int16_t unit_idx);
void Kill_Unit(int16_t unit_idx, int16_t kill_type);
void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane);
extern int16_t _map_x;
extern int16_t _map_y;
extern int16_t _map_plane;
extern int16_t _active_world_x;
extern int16_t _active_world_y;
