#include "turn/Report_Queues.h"

#include <cstring>

#include "world/Unit_Death.h"

Msg_Unit_Killed MSG_UnitKilled_Array[REPORT_QUEUE_MAX];
uint8_t MSG_UnitKilled_Count = 0;
uint8_t MSG_CityGrowth_Array[REPORT_QUEUE_MAX];
uint8_t MSG_CityGrowth_Count = 0;
uint8_t MSG_CityDeath_Array[REPORT_QUEUE_MAX];
uint8_t MSG_CityDeath_Count = 0;
Msg_Building_Lost MSG_BldLost_Array[REPORT_QUEUE_MAX];
uint8_t MSG_BldLost_Count = 0;
uint8_t MSG_UEsLost_Array[REPORT_QUEUE_MAX];
uint8_t MSG_UEsLost_Count = 0;
uint8_t MSG_CEsLost_Array[REPORT_QUEUE_MAX];
uint8_t MSG_CEsLost_Count = 0;
uint8_t MSG_GEs_Lost = 0;
char MSG_CityLost_Names[REPORT_QUEUE_MAX][REPORT_OUTPOST_NAME_SIZE];
uint8_t MSG_CityLost_Count = 0;
uint8_t MSG_CityGained_Array[REPORT_QUEUE_MAX];
uint8_t MSG_CityGained_Count = 0;

namespace {

void Add_City(uint8_t *queue, uint8_t &count, int16_t city_idx)
{
    if (count < REPORT_QUEUE_MAX && city_idx >= 0 && city_idx <= UINT8_MAX) {
        queue[count] = (uint8_t)city_idx;
        count++;
    }
}

// Drops the removed city's entries (the later ones move up) and renumbers those of later cities.
template <typename Entry, typename City_Of>
void Close_Up(Entry *queue, uint8_t &count, int16_t city_idx, City_Of city_of)
{
    int kept = 0;
    for (int i = 0; i < count && i < REPORT_QUEUE_MAX; i++) {
        auto &city = city_of(queue[i]);
        if (city == city_idx) {
            continue;
        }
        if (city > city_idx) {
            city--;
        }
        queue[kept++] = queue[i];
    }
    count = (uint8_t)kept;
}

}  // namespace

void Initialize_Reports(void)
{
    msg_unit_lost_ctr = 0;
    MSG_UnitKilled_Count = 0;
    MSG_CityGrowth_Count = 0;
    MSG_CityDeath_Count = 0;
    MSG_BldLost_Count = 0;
    MSG_UEsLost_Count = 0;
    MSG_CEsLost_Count = 0;
    MSG_GEs_Lost = 0;
    MSG_CityLost_Count = 0;
    MSG_CityGained_Count = 0;
}

void Report_City_Growth(int16_t city_idx) { Add_City(MSG_CityGrowth_Array, MSG_CityGrowth_Count, city_idx); }

void Report_City_Death(int16_t city_idx) { Add_City(MSG_CityDeath_Array, MSG_CityDeath_Count, city_idx); }

void Report_City_Gained(int16_t city_idx) { Add_City(MSG_CityGained_Array, MSG_CityGained_Count, city_idx); }

void Report_Outpost_Lost(const char *name)
{
    if (MSG_CityLost_Count >= REPORT_QUEUE_MAX) {
        return;
    }
    char *entry = MSG_CityLost_Names[MSG_CityLost_Count];
    std::memset(entry, 0, REPORT_OUTPOST_NAME_SIZE);
    if (name != nullptr) {
        std::strncpy(entry, name, REPORT_OUTPOST_NAME_SIZE - 1);
    }
    MSG_CityLost_Count++;
}

void Report_Queues_City_Removed(int16_t city_idx)
{
    auto plain = [](uint8_t &entry) -> uint8_t & { return entry; };
    Close_Up(MSG_CityGrowth_Array, MSG_CityGrowth_Count, city_idx, plain);
    Close_Up(MSG_CityDeath_Array, MSG_CityDeath_Count, city_idx, plain);
    Close_Up(MSG_CityGained_Array, MSG_CityGained_Count, city_idx, plain);
    Close_Up(MSG_CEsLost_Array, MSG_CEsLost_Count, city_idx, plain);
    Close_Up(MSG_BldLost_Array, MSG_BldLost_Count, city_idx,
             [](Msg_Building_Lost &entry) -> uint8_t & { return entry.city_idx; });
    // A unit killed in the removed city keeps its line, without the city.
    for (int i = 0; i < MSG_UnitKilled_Count && i < REPORT_QUEUE_MAX; i++) {
        int8_t &city = MSG_UnitKilled_Array[i].city_idx;
        if (city == city_idx) {
            city = -1;
        } else if (city > city_idx) {
            city--;
        }
    }
}

void Report_Unit_Lost(int16_t player_idx, int16_t unit_type, int16_t reason)
{
    if (player_idx != 0 || msg_unit_lost_ctr < 0 || msg_unit_lost_ctr >= MSG_UNIT_LOST_MAX) {
        return;
    }
    msg_unit_lost[msg_unit_lost_ctr].unit_type = unit_type;
    msg_unit_lost[msg_unit_lost_ctr].reason = reason;
    msg_unit_lost_ctr++;
}
