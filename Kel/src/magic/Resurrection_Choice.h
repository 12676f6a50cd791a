// The human's choice of the dead hero a resurrection brings back.
#pragma once

#include <cstdint>

// Index into hero_types (count entries), or -1 when the choice is closed.
int16_t Select_Hero_To_Ressurect(int16_t count, const int16_t *hero_types);
