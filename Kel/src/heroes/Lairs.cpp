#include "heroes/Lairs.h"

#include "world/ALLOC.h"

int16_t Square_Has_Lair(int16_t wx, int16_t wy, int16_t wp)
{
    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.wx == wx && lair.wy == wy && lair.wp == wp && lair.Intact == 1) {
            return (int16_t)i;
        }
    }
    return -1;
}
