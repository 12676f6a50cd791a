// What the world turn cost or gained the human, kept for the chancellor's report until the next
// world turn. Every queue takes at most REPORT_QUEUE_MAX entries; writers add the human's only.
#pragma once

#include <cstdint>

constexpr int REPORT_QUEUE_MAX = 20;
constexpr int REPORT_OUTPOST_NAME_SIZE = 20;

#pragma pack(push, 1)
struct Msg_Unit_Killed {
    int16_t unit_type;  // a hero below 35
    int8_t city_idx;    // -1 none
    uint8_t spell_idx;
};
struct Msg_Building_Lost {
    uint8_t city_idx;
    int16_t bldg_idx;
};
#pragma pack(pop)
static_assert(sizeof(Msg_Unit_Killed) == 4);
static_assert(sizeof(Msg_Building_Lost) == 3);

extern Msg_Unit_Killed MSG_UnitKilled_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_UnitKilled_Count;
extern uint8_t MSG_CityGrowth_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_CityGrowth_Count;
extern uint8_t MSG_CityDeath_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_CityDeath_Count;
extern Msg_Building_Lost MSG_BldLost_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_BldLost_Count;
extern uint8_t MSG_UEsLost_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_UEsLost_Count;
extern uint8_t MSG_CEsLost_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_CEsLost_Count;
extern uint8_t MSG_GEs_Lost;
extern char MSG_CityLost_Names[REPORT_QUEUE_MAX][REPORT_OUTPOST_NAME_SIZE];
extern uint8_t MSG_CityLost_Count;
extern uint8_t MSG_CityGained_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_CityGained_Count;

// Empties every queue (the units lost with them) and clears the global-spells flag.
void Initialize_Reports(void);

// Each adds one entry while its queue has room.
void Report_City_Growth(int16_t city_idx);
void Report_City_Death(int16_t city_idx);
void Report_City_Gained(int16_t city_idx);
// The name is cut to the entry's size, terminator included.
void Report_Outpost_Lost(const char *name);

// A removed city leaves the queues that name cities, and later cities' entries follow it down.
void Report_Queues_City_Removed(int16_t city_idx);

// Adds a lost unit (its type and the reason) to the lost-unit queue of the human.
void Report_Unit_Lost(int16_t player_idx, int16_t unit_type, int16_t reason);
