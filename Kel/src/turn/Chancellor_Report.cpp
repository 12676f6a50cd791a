#include "turn/Chancellor_Report.h"

#include <initializer_list>

#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Events_Record.h"
#include "world/Unit_Death.h"

namespace {

constexpr int16_t SCREEN_MIDDLE_ROW = 99;

int16_t Queue_Count(int32_t count)
{
    if (count < 0) return 0;
    return count > REPORT_QUEUE_MAX ? (int16_t)REPORT_QUEUE_MAX : (int16_t)count;
}

bool In_Force(int word) { return events_table != nullptr && events_table->words[word] == EVENT_STATE_LASTING; }

// Drops from the deaths list every city that is also in the growth list; the rest keep their order.
void Growth_Overrules_Deaths(void)
{
    int kept = 0;
    int deaths = Queue_Count(MSG_CityDeath_Count);
    int growths = Queue_Count(MSG_CityGrowth_Count);
    for (int i = 0; i < deaths; i++) {
        bool grew = false;
        for (int g = 0; g < growths && !grew; g++) {
            grew = MSG_CityGrowth_Array[g] == MSG_CityDeath_Array[i];
        }
        if (!grew) {
            MSG_CityDeath_Array[kept++] = MSG_CityDeath_Array[i];
        }
    }
    MSG_CityDeath_Count = (uint8_t)kept;
}

}  // namespace

int16_t Chancellor_Events_In_Force(void)
{
    if (events_table == nullptr) {
        return 0;
    }
    int16_t count = 0;
    if (In_Force(ev_Plague_State) && events_table->words[ev_Plague_Player] == HUMAN_PLAYER_IDX) {
        count++;
    }
    if (In_Force(ev_Population_Boom_State) && events_table->words[ev_Population_Boom_Player] == HUMAN_PLAYER_IDX) {
        count++;
    }
    for (int word : {ev_Good_Moon_State, ev_Bad_Moon_State, ev_Red_Conjunction_State, ev_Green_Conjunction_State,
                     ev_Blue_Conjunction_State, ev_Mana_Short_State}) {
        if (In_Force(word)) {
            count++;
        }
    }
    return count;
}

int16_t Chancellor_Report_Measure(int16_t from_advisor, Chancellor_Report_Size *size)
{
    Growth_Overrules_Deaths();
    const int16_t sections[] = {
        from_advisor != 0 ? Chancellor_Events_In_Force() : (int16_t)0,
        Queue_Count(msg_unit_lost_ctr),
        Queue_Count(MSG_UnitKilled_Count),
        Queue_Count(MSG_CityGrowth_Count),
        Queue_Count(MSG_CityDeath_Count),
        Queue_Count(MSG_BldLost_Count),
        Queue_Count(MSG_UEsLost_Count),
        Queue_Count(MSG_CEsLost_Count),
        (int16_t)(MSG_GEs_Lost != 0 ? 1 : 0),
    };
    int16_t lines = 0;
    int16_t groups = 0;
    for (int16_t count : sections) {
        lines = (int16_t)(lines + count);
        groups = (int16_t)(groups + (count > 0 ? 1 : 0));
    }
    if (lines == 0) {
        if (from_advisor == 0) {
            return 0;
        }
        groups = 1;
    }
    int16_t full = (int16_t)(lines * CHANCELLOR_LINE_HEIGHT + groups * CHANCELLOR_GROUP_HEIGHT);
    int16_t shown = full > CHANCELLOR_SHOWN_HEIGHT_MAX ? CHANCELLOR_SHOWN_HEIGHT_MAX : full;
    if (size != nullptr) {
        size->lines = lines;
        size->groups = groups;
        size->full_height = full;
        size->shown_height = shown;
        size->text_top_row = (int16_t)(SCREEN_MIDDLE_ROW - shown / 2 + 2);
    }
    return 1;
}
