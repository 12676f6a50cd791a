#include "combat/Combat_Entry.h"

#include "world/ALLOC.h"

int16_t destroy_combat_city = 0;

int16_t Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx)
{
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp && city.owner_idx == player_idx) {
            return (int16_t)c;
        }
    }
    return -1;
}
