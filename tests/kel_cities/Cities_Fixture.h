// The rule-test world with the cities' own helpers: buildings with a chain of requirements,
// cities with their statuses, and the turn messages cleared.
#pragma once

#include "../kel_world_rules/Rules_Fixture.h"
#include "cities/screens/City_Screen.h"
#include "turn/Building_Complete_Messages.h"
#include "world/Player_Record.h"

class Cities_Test : public Rules_Test {
protected:
    void SetUp() override
    {
        Rules_Test::SetUp();
        for (int b = 0; b < NUM_BUILDING_TYPES; b++) {
            buildings[b].reqd_bldg_1 = 0;
            buildings[b].reqd_bldg_2 = 0;
            buildings[b].replace_bldg = -1;
        }
        _cities = 0;
        _units = 0;
        _current_player_idx = 0;
        _city_idx = 0;
        g_bldg_msg_ctr = 0;
        memset(MSG_Building_Complete, 0, sizeof(MSG_Building_Complete));
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _players[p].gold_reserve = 0;
            _players[p].mana_reserve = 0;
            _players[p].banner_id = (uint8_t)p;
        }
    }

    // A city whose listed buildings are built (status 1).
    int16_t Add_Built_City(int owner, int race, int wx, int wy, std::initializer_list<int> built = {})
    {
        int16_t idx = Add_City(owner, race, wx, wy, 0, 8, 2);
        for (int b : built) _CITIES[idx].bldg_status[b] = 1;
        return idx;
    }
};
