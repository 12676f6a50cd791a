// What the computer players' turn asks of the map view. The screens install it once at start-up
// (AI_Set_Services); unset, the turn runs unattended: the view reads (0, 0) on plane 0, restoring
// it does nothing, the reduced map is not redrawn and the human plays its own wizard.
#pragma once

#include <cstdint>

struct AI_Services {
    void (*get_map_view)(int16_t *map_x, int16_t *map_y, int16_t *map_plane);
    // Restores the view and the previous-view square.
    void (*set_map_view)(int16_t map_x, int16_t map_y, int16_t map_plane);
    void (*refresh_reduced_map)(void);
    // 1 while a test run lets the computer play the human wizard too.
    int16_t (*computer_plays_human)(void);
};

extern AI_Services ai_services;

void AI_Set_Services(const AI_Services &services);

inline void AI_Get_Map_View(int16_t *map_x, int16_t *map_y, int16_t *map_plane)
{
    if (ai_services.get_map_view) {
        ai_services.get_map_view(map_x, map_y, map_plane);
    } else {
        *map_x = 0;
        *map_y = 0;
        *map_plane = 0;
    }
}
inline void AI_Set_Map_View(int16_t map_x, int16_t map_y, int16_t map_plane)
{
    if (ai_services.set_map_view) ai_services.set_map_view(map_x, map_y, map_plane);
}
inline void AI_Refresh_Reduced_Map(void)
{
    if (ai_services.refresh_reduced_map) ai_services.refresh_reduced_map();
}
inline int16_t AI_Computer_Plays_Human(void)
{
    return ai_services.computer_plays_human ? ai_services.computer_plays_human() : (int16_t)0;
}
