// What the army rules ask of the lairs, combat, the cities and the map view. Those live above the
// world rules, so start-up installs them here once (Army_Install_World_Hooks). Until then no lair or
// city is found on a square, no site passes the survey, no outpost is founded and nothing is
// explored or redrawn.
#pragma once

#include <cstdint>

struct Army_World_Services {
    int16_t (*square_has_lair)(int16_t wx, int16_t wy, int16_t wp);
    int16_t (*player_city_at_square)(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);
    int16_t (*map_square_survey)(int16_t wx, int16_t wy, int16_t wp);
    int16_t (*create_outpost)(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx);
    void (*set_square_explored_flags)(int16_t wx, int16_t wy, int16_t wp);
    void (*reset_map_draw)(void);
};

extern Army_World_Services army_world_services;

void Army_Set_World_Services(const Army_World_Services &services);

// Survey answer when the cities' survey is not installed: not a free site.
constexpr int16_t ARMY_SURVEY_UNKNOWN = 1;

inline int16_t Army_Square_Has_Lair(int16_t wx, int16_t wy, int16_t wp)
{
    return army_world_services.square_has_lair ? army_world_services.square_has_lair(wx, wy, wp) : (int16_t)-1;
}
inline int16_t Army_Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx)
{
    return army_world_services.player_city_at_square ? army_world_services.player_city_at_square(wx, wy, wp, player_idx)
                                                     : (int16_t)-1;
}
inline int16_t Army_Map_Square_Survey(int16_t wx, int16_t wy, int16_t wp)
{
    return army_world_services.map_square_survey ? army_world_services.map_square_survey(wx, wy, wp)
                                                 : ARMY_SURVEY_UNKNOWN;
}
inline int16_t Army_Create_Outpost(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx,
                                   int16_t unit_idx)
{
    return army_world_services.create_outpost
               ? army_world_services.create_outpost(wx, wy, wp, race, owner_idx, unit_idx)
               : (int16_t)0;
}
inline void Army_Set_Square_Explored_Flags(int16_t wx, int16_t wy, int16_t wp)
{
    if (army_world_services.set_square_explored_flags) army_world_services.set_square_explored_flags(wx, wy, wp);
}
inline void Army_Reset_Map_Draw(void)
{
    if (army_world_services.reset_map_draw) army_world_services.reset_map_draw();
}
