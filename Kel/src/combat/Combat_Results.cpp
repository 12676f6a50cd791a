#include "combat/Combat_Results.h"

#include <cstring>

char GUI_NearMsgString[GUI_NEAR_MSG_SIZE] = {};
int16_t combat_results_scroll_message = 0;
int16_t combat_results_gold = 0;
int16_t combat_results_population_lost = 0;
int16_t combat_results_buildings_lost = 0;
int16_t combat_results_lost_buildings[NUM_BUILDINGS] = {};
int16_t _combat_city_damage = 0;

void Combat_Results_Clear(void)
{
    combat_results_scroll_message = 0;
    combat_results_gold = 0;
    combat_results_population_lost = 0;
    combat_results_buildings_lost = 0;
    memset(combat_results_lost_buildings, 0, sizeof(combat_results_lost_buildings));
    _combat_city_damage = 0;
    GUI_NearMsgString[0] = '\0';
}
