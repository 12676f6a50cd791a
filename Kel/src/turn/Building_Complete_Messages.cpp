#include "turn/Building_Complete_Messages.h"

Msg_Building_Complete MSG_Building_Complete[MSG_BUILDING_COMPLETE_MAX];
int8_t g_bldg_msg_ctr = 0;
