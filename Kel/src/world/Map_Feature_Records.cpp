#include "world/Map_Feature_Records.h"

const char *const TBL_EZ_Names[NUM_LAIR_TYPES] = {
    "tower",          "chaos node",     "nature node",  "sorcery node", "mysterious cave", "dungeon",
    "ancient temple", "abandoned keep", "monster lair", "ruins",        "fallen temple",
};
