#include "world/Map_Feature_Records.h"

const char *const TBL_EZ_Names[NUM_LAIR_TYPES] = {
#define LAIR_TYPE_MESSAGE_ROW(name, number, message) message,
    LAIR_TYPE_ROWS(LAIR_TYPE_MESSAGE_ROW)
#undef LAIR_TYPE_MESSAGE_ROW
};
