#include <algorithm>
#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "heroes/Text_Lists.h"
#include "info/Game_End_Scenes.h"
#include "info/Info_Services.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

namespace {

bool Is_Player(int16_t idx) { return idx >= 0 && idx < NUM_PLAYERS; }

int16_t Cities_Up_To_Two(int16_t player_idx)
{
    int16_t count = 0;
    for (int16_t c = 0; _CITIES != nullptr && c < _cities && c < NUM_CITIES && count < 2; c++) {
        if (_CITIES[c].owner_idx == player_idx) count++;
    }
    return count;
}

void Player_Name(int16_t player_idx, char *out, size_t size)
{
    if (size == 0) return;
    out[0] = '\0';
    if (!Is_Player(player_idx)) return;
    size_t n = std::min(strnlen(_players[player_idx].name, sizeof _players[player_idx].name), size - 1);
    memcpy(out, _players[player_idx].name, n);
    out[n] = '\0';
}

}  // namespace

void Conquest_Caption(int16_t loser_idx, int16_t conqueror_idx, char *out, size_t size)
{
    if (size == 0) return;
    char loser[48];
    Player_Name(loser_idx, loser, sizeof loser);
    bool few_cities = Cities_Up_To_Two(loser_idx) < 2;
    if (conqueror_idx == NEUTRAL_PLAYER_IDX) {
        if (few_cities) {
            snprintf(out, size, "Raiders destroy %s.", loser);
        } else {
            Possessive(loser, sizeof loser);
            snprintf(out, size, "Raiders destroy %s fortress.", loser);
        }
        return;
    }
    char conqueror[24];
    Player_Name(conqueror_idx, conqueror, sizeof conqueror);
    snprintf(out, size, "%s %s %s", conqueror, few_cities ? "defeats" : "banishes", loser);
}

void Return_Caption(int16_t player_idx, char *out, size_t size)
{
    char name[24];
    Player_Name(player_idx, name, sizeof name);
    snprintf(out, size, "%s begins casting the Spell Of Return.", name);
}

void Conquest_Animation(int16_t loser_idx, int16_t conqueror_idx)
{
    if (!Is_Player(loser_idx) || !Is_Player(conqueror_idx)) return;
    if (loser_idx == NEUTRAL_PLAYER_IDX && conqueror_idx != NEUTRAL_PLAYER_IDX) return;
    if (conqueror_idx == HUMAN_PLAYER_IDX) _players[HUMAN_PLAYER_IDX].banished_mask |= (uint16_t)(1u << loser_idx);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Conquest_Animation: wizard %d falls to player %d", (int)loser_idx,
            (int)conqueror_idx);
    Info_Conquest_Scene(loser_idx, conqueror_idx);
}

void Return_Animation(int16_t player_idx)
{
    if (!Is_Player(player_idx)) return;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Return_Animation: wizard %d", (int)player_idx);
    Info_Return_Scene(player_idx);
}

void Win_Animation(int16_t player_idx)
{
    if (!Is_Player(player_idx)) return;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Win_Animation: player %d", (int)player_idx);
    Info_Win_Scene(player_idx);
}

void Lose_Animation(int16_t player_idx)
{
    if (!Is_Player(player_idx)) return;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Lose_Animation: player %d", (int)player_idx);
    Info_Lose_Scene(player_idx);
}

int16_t CP_Is_Dead(void)
{
    int16_t wizards = std::clamp<int16_t>(_num_players, 0, NUM_PLAYERS);
    for (int16_t player_idx = 1; player_idx < wizards; player_idx++) {
        if (_FORTRESSES != nullptr && _FORTRESSES[player_idx].active == 1) return 0;
        for (int16_t city_idx = 0; _CITIES != nullptr && city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
            if (_CITIES[city_idx].owner_idx == player_idx) return 0;
        }
    }
    return 1;
}
