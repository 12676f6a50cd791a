#include "combat/Combat_Entry.h"

int16_t destroy_combat_city = 0;
