#include "combat/Combat_Entry.h"

#include "world/ALLOC.h"
#include "world/Army_Queries.h"

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

int16_t Lair_Combat_Do(int16_t lair_idx, int16_t player_idx)
{
    if (lair_idx < 0 || lair_idx >= NUM_LAIRS) return 0;
    const Lair_Record &lair = _LAIRS[lair_idx];
    int16_t army[ARMY_AT_SQUARE_MAX];
    int16_t count = 0;
    Player_Army_At_Square(lair.wx, lair.wy, lair.wp, player_idx, &count, army);
    if (count > ARMY_LIST_STACK_MAX) count = ARMY_LIST_STACK_MAX;
    return Combat(player_idx, NEUTRAL_PLAYER_IDX, count, army);
}
