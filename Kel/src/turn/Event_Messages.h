// Announcing a random event to the human: a box with the event's picture and a text composed from
// the game's own event messages.
#pragma once

#include <cstdint>

constexpr int EVENT_MESSAGE_SIZE = 500;
constexpr int EVENTMSG_RECORD_SIZE = 200;
constexpr int EVENTMSG_TYPES = 7;
constexpr int16_t EVENT_WORLD_WIDE = 99;

// Message types of an announcement.
enum Event_Message_Type : int16_t {
    emt_Human = 0,
    emt_Ended = 1,
    emt_World = 3,
    emt_Other_Wizard = 4,
};

// What the announced event did and to whom.
struct Event_Announcement {
    int16_t event;         // 1..18
    int16_t player_idx;    // the wizard struck or favoured; EVENT_WORLD_WIDE for all
    int16_t city_idx;      // the event's city, -1 none
    int16_t message_type;  // Event_Message_Type
    int16_t data_value;    // a city, an amount, an ore or an item, by event
    int16_t destroyed_buildings;
    int16_t lost_population;
    int16_t lost_units;
};

// Composes the announcement's text from its message record (up to 200 bytes); text holds
// EVENT_MESSAGE_SIZE bytes and always ends in NUL.
void Get_Event_Message(const Event_Announcement &announcement, const uint8_t *record, char *text);
// Shows the announcement to the human (another wizard's only while in contact with it).
void Show_Event_Message(const Event_Announcement &announcement);
