// What the rules of the turn ask of the screens: a random event's announcement, the main screen
// behind a banished human's question and the question itself, and the audience's menus and
// responses. The turn's screens install them at start-up (Turn_Install_Screen_Services). Until
// then, as in an unattended run, an announcement is skipped, nothing is redrawn, the human does not
// resign, a menu is left without a choice and a response is not shown.
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
