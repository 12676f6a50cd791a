// What a battle leaves for the results scroll: the outcome code, the gold looted, the population and
// buildings lost; and the shared message text of the battle's pop-ups.
#pragma once

#include <cstdint>

#include "world/City_Record.h"

// Outcome codes of combat_results_scroll_message.
enum Combat_Result_Code : int16_t {
    crc_Won = 1,
    crc_Lost = 2,
    crc_Fled = 3,
    crc_Turn_Limit = 4,
    crc_Computer_Fled = 5,
    crc_Auto_Won = 6,
    crc_Auto_Lost = 7,
    crc_City_Conquered = 12,
};

// Rampage codes left in _active_battle_unit for the scroll.
constexpr int16_t RAMPAGE_NONE = 666;
constexpr int16_t RAMPAGE_RAIDERS = 667;
constexpr int16_t RAMPAGE_RUINS = 668;

constexpr int GUI_NEAR_MSG_SIZE = 500;
extern char GUI_NearMsgString[GUI_NEAR_MSG_SIZE];

extern int16_t combat_results_scroll_message;
extern int16_t combat_results_gold;
extern int16_t combat_results_population_lost;
extern int16_t combat_results_buildings_lost;
// Per building: above 0 when the battle destroyed it.
extern int16_t combat_results_lost_buildings[NUM_BUILDINGS];
// Damage done to the city by attackers within its walls during the battle.
extern int16_t _combat_city_damage;

// Clears the results state.
void Combat_Results_Clear(void);
