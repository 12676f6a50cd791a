#include "world/Chaos_Channels.h"

#include "random.h"
#include "world/ALLOC.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t Apply_Chaos_Channels(int16_t unit_idx)
{
    if (unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY) return 0;
    Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = _unit_type_table[unit.type];
    const bool wings_allowed = (type.Move_Flags & (MV_FLYING | MV_SAILING)) == 0;
    const bool skin_allowed = type.Ranged_Type == -1;
    for (;;) {
        switch (RANDOM(3)) {
        case 1:
            if (!wings_allowed) break;
            unit.mutations |= UM_CHAOS_CHANNELS_DEMON_WINGS;
            return 0;
        case 2:
            if (!skin_allowed) break;
            unit.mutations |= UM_CHAOS_CHANNELS_DEMON_SKIN;
            return 1;
        default: unit.mutations |= UM_CHAOS_CHANNELS_FIERY_BREATH; return 2;
        }
    }
}
