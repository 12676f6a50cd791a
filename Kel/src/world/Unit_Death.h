// Removing a dead or dismissed unit with its hero's bookkeeping, hero slots, the units on a square
// and the eviction of the weakest unit from an overfull square.
#pragma once

#include <cstdint>

enum Kill_Unit_Mode : int16_t {
    kum_Plain = 0,
    kum_Destroyed = 1,    // a hero's items are destroyed with it
    kum_Hero_Leaves = 2,  // the hero leaves for good
};

// Frees the unit record. A dead unit or an index off the table is left alone.
void Kill_Unit(int16_t unit_idx, int16_t kill_type);
// First free hero slot 0..5 of the player, or -1.
int16_t Hero_Slot_Open(int16_t player_idx);

// Lists the living units on the square in unit order; the list holds at most ARMY_AT_SQUARE_MAX.
constexpr int ARMY_AT_SQUARE_MAX = 100;
void Army_At_Square_1(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list);

constexpr int SQUARE_UNIT_LIMIT = 10;
void Evict_Weakest_Unit(int16_t unit_idx);
void Evict_Unit_With_Message(int16_t unit_idx);

// Lost-unit reports of the end of turn: unit type and reason.
constexpr int MSG_UNIT_LOST_MAX = 20;
constexpr int16_t UNIT_LOST_EVICTED = 3;
struct Msg_Unit_Lost {
    int16_t unit_type;
    int16_t reason;
};
extern Msg_Unit_Lost msg_unit_lost[MSG_UNIT_LOST_MAX];
extern int16_t msg_unit_lost_ctr;
