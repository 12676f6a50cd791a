#include "world/City_Record.h"

const char *const _city_size_names[NUM_CITY_SIZES] = {"Outpost", "Hamlet", "Village", "Town", "City", "Capital"};
