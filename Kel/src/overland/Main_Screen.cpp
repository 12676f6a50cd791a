#include "overland/Main_Screen.h"

int16_t _given_chance_to_rename_home_city = 0;
