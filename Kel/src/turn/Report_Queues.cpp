#include "turn/Report_Queues.h"

#include "world/Unit_Death.h"

uint8_t MSG_UEsLost_Array[REPORT_QUEUE_MAX];
uint8_t MSG_UEsLost_Count;
uint8_t MSG_CEsLost_Array[REPORT_QUEUE_MAX];
uint8_t MSG_CEsLost_Count;
uint8_t MSG_GEs_Lost;

void Report_Unit_Lost(int16_t player_idx, int16_t unit_type, int16_t reason)
{
    if (player_idx != 0 || msg_unit_lost_ctr < 0 || msg_unit_lost_ctr >= MSG_UNIT_LOST_MAX) {
        return;
    }
    msg_unit_lost[msg_unit_lost_ctr].unit_type = unit_type;
    msg_unit_lost[msg_unit_lost_ctr].reason = reason;
    msg_unit_lost_ctr++;
}
