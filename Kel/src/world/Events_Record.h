// The random events' state: 50 signed words saved with the game (events_table).
#pragma once

#include <cstdint>

struct Events_Record {
    int16_t words[50];
};
static_assert(sizeof(Events_Record) == 100);

// Word indices the world rules read; a lasting event is in force while its state word is 2.
enum Event_Word : int {
    ev_Last_Event_Turn = 0,
    ev_Plague_State = 18,
    ev_Plague_Player = 19,
    ev_Plague_City = 20,
    ev_Population_Boom_State = 34,
    ev_Population_Boom_City = 35,
    ev_Population_Boom_Player = 36,
    ev_Good_Moon_State = 38,
    ev_Bad_Moon_State = 40,
    ev_Red_Conjunction_State = 42,
    ev_Green_Conjunction_State = 44,
    ev_Blue_Conjunction_State = 46,
    ev_Mana_Short_State = 48,
};
constexpr int16_t EVENT_STATE_LASTING = 2;
