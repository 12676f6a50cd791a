// What the end-of-game rules show: the scenes, the score screen, the hall of fame and messages.
// The screens install them at start-up (Info_Install_Screen_Services); with nothing installed,
// as in an unattended run without a screen, every scene and screen is skipped.
#pragma once

#include <cstdint>

struct End_Score;

struct Info_Screen_Services {
    void (*conquest_scene)(int16_t conquered_idx, int16_t conqueror_idx);
    void (*lose_scene)(int16_t player_idx);
    void (*win_scene)(int16_t player_idx);
    void (*return_scene)(int16_t player_idx);
    void (*score_screen)(const End_Score *score);
    void (*hall_of_fame_screen)(void);
    void (*show_message)(const char *text);
};

extern Info_Screen_Services info_screen_services;

void Info_Set_Screen_Services(const Info_Screen_Services &services);

inline void Info_Conquest_Scene(int16_t conquered_idx, int16_t conqueror_idx)
{
    if (info_screen_services.conquest_scene) info_screen_services.conquest_scene(conquered_idx, conqueror_idx);
}
inline void Info_Lose_Scene(int16_t player_idx)
{
    if (info_screen_services.lose_scene) info_screen_services.lose_scene(player_idx);
}
inline void Info_Win_Scene(int16_t player_idx)
{
    if (info_screen_services.win_scene) info_screen_services.win_scene(player_idx);
}
inline void Info_Return_Scene(int16_t player_idx)
{
    if (info_screen_services.return_scene) info_screen_services.return_scene(player_idx);
}
inline void Info_Score_Screen(const End_Score *score)
{
    if (info_screen_services.score_screen) info_screen_services.score_screen(score);
}
inline void Info_Hall_Of_Fame_Screen(void)
{
    if (info_screen_services.hall_of_fame_screen) info_screen_services.hall_of_fame_screen();
}
inline void Info_Show_Message(const char *text)
{
    if (info_screen_services.show_message) info_screen_services.show_message(text);
}
