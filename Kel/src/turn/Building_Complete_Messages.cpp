#include "turn/Building_Complete_Messages.h"

Msg_Building_Complete MSG_Building_Complete[MSG_BUILDING_COMPLETE_MAX];
int8_t g_bldg_msg_ctr = 0;

void City_Delete_Building_Complete_Messages(int16_t city_idx)
{
    int count = g_bldg_msg_ctr;
    if (count > MSG_BUILDING_COMPLETE_MAX) {
        count = MSG_BUILDING_COMPLETE_MAX;
    }
    int i = 0;
    while (i < count) {
        Msg_Building_Complete &entry = MSG_Building_Complete[i];
        if (entry.city_idx == city_idx) {
            for (int j = i; j + 1 < count; j++) {
                MSG_Building_Complete[j] = MSG_Building_Complete[j + 1];
            }
            count--;
            continue;  // the entry that moved up is examined next
        }
        if (entry.city_idx > city_idx) {
            entry.city_idx--;
        }
        i++;
    }
    if (count >= 0) {
        g_bldg_msg_ctr = (int8_t)count;
    }
}
