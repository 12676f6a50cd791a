// What the world rules ask of the layers above them: the lairs, combat, the cities, the computer
// players, the new-game screens and the map view. Those live above the world rules, so start-up
// installs them here (Install_Game_Services). Until then, as in a run without a screen: no lair or
// city is found on a square, no site passes the survey, no outpost is founded, no battle or lair is
// fought, every computer wizard refuses mercenaries, nothing is explored, drawn or shown, and a
// warning goes only to the log.
#pragma once

#include <cstdint>

struct Army_World_Services {
    int16_t (*square_has_lair)(int16_t wx, int16_t wy, int16_t wp);
    int16_t (*player_city_at_square)(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);
    int16_t (*map_square_survey)(int16_t wx, int16_t wy, int16_t wp);
    int16_t (*create_outpost)(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx);
    void (*set_square_explored_flags)(int16_t wx, int16_t wy, int16_t wp);
    void (*reset_map_draw)(void);

    // A message for the human player: a failed save or load, a spirit lost to a guardian.
    void (*warn_player)(const char *text);
    // A computer wizard's answer to a mercenary offer of that cost: 1 takes it, 0 refuses.
    int16_t (*accept_mercenaries)(int16_t player_idx, int16_t cost);
    // What the layers above keep by city index (turn messages, the shown city): told of each
    // removal, after the table has closed up and before the count falls.
    void (*city_removed)(int16_t city_idx);

    // Movement. Puts the units on the last route step (movepath arrays, steps entries), shows the
    // move when it may be seen, builds the road square, explores and contacts.
    void (*move_units_draw)(int16_t player_idx, int16_t wp, int16_t steps, int16_t *map_x, int16_t *map_y,
                            const int16_t *units, int16_t count);
    int16_t (*combat)(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units);
    int16_t (*lair_combat)(int16_t lair_idx, int16_t player_idx);
    // Stores the winner reported after an overland battle.
    void (*record_winner)(void);
    // Builds and selects the player's stack on the square and brings it into view; the count.
    int16_t (*select_unit_stack)(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t wp, int16_t wx,
                                 int16_t wy);
    // Draw priorities and the map window's entities after units moved.
    void (*refresh_map_window)(int16_t map_x, int16_t map_y, int16_t wp);
    void (*reset_draw_active_stack)(void);
    // The human's new outpost shown: its founding music, the outpost view, the naming pop-up, then
    // the map's music again. Without it the outpost takes a name of its race.
    void (*new_outpost_scene)(int16_t city_idx, int16_t owner_idx);
    // The map view centred on a square of the plane.
    void (*center_map)(int16_t wx, int16_t wy, int16_t wp);

    // The world generator: the "Building The Worlds..." panel before the first step, and the bar
    // (percent 0 only directs drawing to the off-screen page).
    void (*building_worlds_panel)(void);
    void (*building_worlds_progress)(int16_t percent);
};

extern Army_World_Services army_world_services;

void Army_Set_World_Services(const Army_World_Services &services);

// Survey answer when the cities' survey is not installed: not a free site.
constexpr int16_t ARMY_SURVEY_UNKNOWN = 1;
// Lair battle answer when no battle is installed: not fought.
constexpr int16_t ARMY_LAIR_NOT_FOUGHT = 99;

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
inline void Army_Warn_Player(const char *text)
{
    if (army_world_services.warn_player) army_world_services.warn_player(text);
}
inline int16_t Army_Accept_Mercenaries(int16_t player_idx, int16_t cost)
{
    return army_world_services.accept_mercenaries ? army_world_services.accept_mercenaries(player_idx, cost)
                                                  : (int16_t)0;
}
inline void Army_City_Removed(int16_t city_idx)
{
    if (army_world_services.city_removed) army_world_services.city_removed(city_idx);
}
// 1 when a mover is installed: the move is then carried out by it.
inline bool Army_Has_Move_Units_Draw(void) { return army_world_services.move_units_draw != nullptr; }
inline void Army_Move_Units_Draw(int16_t player_idx, int16_t wp, int16_t steps, int16_t *map_x, int16_t *map_y,
                                 const int16_t *units, int16_t count)
{
    if (army_world_services.move_units_draw)
        army_world_services.move_units_draw(player_idx, wp, steps, map_x, map_y, units, count);
}
inline int16_t Army_Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units)
{
    return army_world_services.combat ? army_world_services.combat(attacker_idx, defender, count, units) : (int16_t)0;
}
inline int16_t Army_Lair_Combat(int16_t lair_idx, int16_t player_idx)
{
    return army_world_services.lair_combat ? army_world_services.lair_combat(lair_idx, player_idx)
                                           : ARMY_LAIR_NOT_FOUGHT;
}
inline void Army_Record_Winner(void)
{
    if (army_world_services.record_winner) army_world_services.record_winner();
}
// The count of the selected stack; 0 when no selection is installed.
inline int16_t Army_Select_Unit_Stack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t wp, int16_t wx,
                                      int16_t wy)
{
    return army_world_services.select_unit_stack
               ? army_world_services.select_unit_stack(player_idx, map_x, map_y, wp, wx, wy)
               : (int16_t)0;
}
inline void Army_Refresh_Map_Window(int16_t map_x, int16_t map_y, int16_t wp)
{
    if (army_world_services.refresh_map_window) army_world_services.refresh_map_window(map_x, map_y, wp);
}
inline void Army_Reset_Draw_Active_Stack(void)
{
    if (army_world_services.reset_draw_active_stack) army_world_services.reset_draw_active_stack();
}
inline void Army_Building_Worlds_Panel(void)
{
    if (army_world_services.building_worlds_panel) army_world_services.building_worlds_panel();
}
inline void Army_Building_Worlds_Progress(int16_t percent)
{
    if (army_world_services.building_worlds_progress) army_world_services.building_worlds_progress(percent);
}
inline void Army_Center_Map(int16_t wx, int16_t wy, int16_t wp)
{
    if (army_world_services.center_map) army_world_services.center_map(wx, wy, wp);
}
