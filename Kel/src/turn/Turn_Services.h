// What the rules of the turn ask of the screens: a random event's announcement, the main screen
// behind a banished human's question and the question itself, and the audience's menus and
// responses, the audience a computer wizard asks for and its mood music. The turn's screens install
// them at start-up (Turn_Install_Screen_Services). Until then, as in an unattended run, an
// announcement is skipped, nothing is redrawn, the human does not resign, a menu is left without a
// choice, a response is not shown, no audience is held and no music plays.
#pragma once

#include <cstdint>

struct Event_Announcement;
struct Diplomacy_Menu;

struct Turn_Services {
    // Shows the announcement to the human (another wizard's only while in contact with it).
    void (*announce_event)(const Event_Announcement &announcement);
    // The human's banishment: the main screen redrawn, then a Yes/No question; 1 is Yes.
    void (*conquest_redraw)(void);
    int16_t (*conquest_ask)(const char *text);
    // The human's pick of an audience menu (a line index, or -1 for none), a wizard's response to
    // it, and the audience's own drawing put back when the human's menu is left.
    int16_t (*diplomacy_pick)(const Diplomacy_Menu &menu);
    void (*diplomacy_respond)(int16_t statement, int16_t tier);
    void (*diplomacy_menu_left)(void);
    // A computer wizard's audience with the human (the wizard is set on screen first), and the
    // music of the wizard's mood.
    void (*diplomacy_audience)(void);
    void (*diplomacy_mood_music)(int16_t music);
    // 1 while a window shows the game, and a warning box there.
    int16_t (*window_shown)(void);
    void (*warn)(const char *text);
    // Before the human's research choice: the default pointer. After the human's learning scene:
    // the music stopped and the map's music started again.
    void (*research_pointer)(void);
    void (*restart_music)(void);
};

extern Turn_Services turn_services;

void Turn_Set_Services(const Turn_Services &services);

// The answer to a menu when no screen picks: none.
constexpr int16_t TURN_NO_CHOICE = -1;

inline void Turn_Announce_Event(const Event_Announcement &announcement)
{
    if (turn_services.announce_event) turn_services.announce_event(announcement);
}
inline void Turn_Conquest_Redraw(void)
{
    if (turn_services.conquest_redraw) turn_services.conquest_redraw();
}
inline int16_t Turn_Conquest_Ask(const char *text)
{
    return turn_services.conquest_ask ? turn_services.conquest_ask(text) : (int16_t)0;
}
inline int16_t Turn_Diplomacy_Pick(const Diplomacy_Menu &menu)
{
    return turn_services.diplomacy_pick ? turn_services.diplomacy_pick(menu) : TURN_NO_CHOICE;
}
inline void Turn_Diplomacy_Respond(int16_t statement, int16_t tier)
{
    if (turn_services.diplomacy_respond) turn_services.diplomacy_respond(statement, tier);
}
inline void Turn_Diplomacy_Menu_Left(void)
{
    if (turn_services.diplomacy_menu_left) turn_services.diplomacy_menu_left();
}
inline void Turn_Diplomacy_Audience(void)
{
    if (turn_services.diplomacy_audience) turn_services.diplomacy_audience();
}
inline void Turn_Diplomacy_Mood_Music(int16_t music)
{
    if (turn_services.diplomacy_mood_music) turn_services.diplomacy_mood_music(music);
}
inline int16_t Turn_Window_Shown(void)
{
    return turn_services.window_shown ? turn_services.window_shown() : (int16_t)0;
}
inline void Turn_Warn(const char *text)
{
    if (turn_services.warn) turn_services.warn(text);
}
inline void Turn_Research_Pointer(void)
{
    if (turn_services.research_pointer) turn_services.research_pointer();
}
inline void Turn_Restart_Music(void)
{
    if (turn_services.restart_music) turn_services.restart_music();
}
