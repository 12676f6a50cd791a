#include "info/End_Of_Game_Score.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "info/Info_Services.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Wizard_Economy.h"

int16_t m_new_score = 0;

namespace {

const char *const m_race_names[HALL_OF_FAME_RACES] = {
    "Barbarians", "Beastmen", "Dark Elves", "Draconians", "Dwarves", "Gnolls", "Halflings",
    "High Elves", "High Men", "Klackons",   "Lizardmen",  "Nomads",  "Orcs",   "Trolls",
};

int16_t Clamp16(int32_t value) { return (int16_t)std::clamp<int32_t>(value, INT16_MIN, INT16_MAX); }

int16_t Wizard_Count(void) { return (int16_t)std::clamp<int16_t>(_num_players, 0, NUM_PLAYERS); }

bool Fortress_Stands(int16_t player_idx)
{
    return _FORTRESSES != nullptr && player_idx >= 0 && player_idx < NUM_PLAYERS && _FORTRESSES[player_idx].active == 1;
}

int32_t Scale_By_Difficulty(int32_t sum)
{
    switch (_difficulty) {
    case 0: return sum / 2;
    case 1: return sum * 3 / 4;
    case 3: return sum * 2;
    case 4: return sum * 3;
    default: return sum;
    }
}

}  // namespace

void End_Of_Game_Score_Compute(int16_t player_idx, End_Score *score)
{
    *score = End_Score{};
    score->player_idx = player_idx;
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    const Player_Record &player = _players[player_idx];

    int32_t spells = 0;
    for (uint8_t status : player.spells_list) spells += status == 2 ? 1 : 0;
    int32_t townsfolk = 0;
    for (int16_t c = 0; _CITIES != nullptr && c < _cities && c < NUM_CITIES; c++) {
        if (_CITIES[c].owner_idx == player_idx) townsfolk += _CITIES[c].population;
    }
    int32_t banished = 0;
    for (int16_t p = 0; p < Wizard_Count(); p++) banished += (player.banished_mask >> p) & 1;
    int32_t fame = Player_Fame(player_idx);
    int32_t year_points = 0;
    if (Fortress_Stands(player_idx) && (m_magic_winner_idx == -1 || m_magic_winner_idx == player_idx)) {
        year_points = 2000 - 2 * (int32_t)_turn;
    }
    int32_t mastery_points = m_magic_winner_idx == player_idx ? 250 : 0;

    score->spells = Clamp16(spells);
    score->spell_points = Clamp16(spells);
    score->townsfolk = Clamp16(townsfolk);
    score->townsfolk_points = Clamp16(townsfolk / 2);
    score->banished = Clamp16(banished);
    score->banished_points = Clamp16(50 * banished);
    score->fame = Clamp16(fame);
    score->fame_points = Clamp16(2 * fame);
    score->year = Clamp16(1400 + (int32_t)_turn / 12);
    score->year_points = Clamp16(year_points);
    score->mastery_points = Clamp16(mastery_points);
    int32_t sum = (int32_t)score->spell_points + score->townsfolk_points + score->banished_points + score->fame_points +
                  score->year_points + score->mastery_points;
    score->final_score = Clamp16(Scale_By_Difficulty(sum));
}

void End_Of_Game_Score_Mark_Banished(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || m_magic_winner_idx != player_idx) return;
    for (int16_t p = 1; p < Wizard_Count(); p++) {
        if (p != player_idx && Fortress_Stands(p)) _players[player_idx].banished_mask |= (uint16_t)(1u << p);
    }
}

int16_t Hall_Of_Fame_Enter(int16_t score, const char *name, int16_t race)
{
    if (score <= 0) return -1;
    int16_t place = -1;
    for (int16_t i = 0; i < HALL_OF_FAME_ENTRIES; i++) {
        if ((int32_t)magic_set.hall_scores[i] < (int32_t)score) {
            place = i;
            break;
        }
    }
    if (place < 0) return -1;
    for (int16_t i = HALL_OF_FAME_ENTRIES - 1; i > place; i--) {
        memcpy(magic_set.hall_names[i], magic_set.hall_names[i - 1], sizeof magic_set.hall_names[i]);
        magic_set.hall_scores[i] = magic_set.hall_scores[i - 1];
        magic_set.hall_races[i] = magic_set.hall_races[i - 1];
    }
    char *slot = magic_set.hall_names[place];
    memset(slot, 0, sizeof magic_set.hall_names[place]);
    if (name != nullptr) {
        size_t n = strnlen(name, sizeof magic_set.hall_names[place] - 1);
        memcpy(slot, name, n);
    }
    magic_set.hall_scores[place] = (uint16_t)score;
    magic_set.hall_races[place] = (uint16_t)race;
    return place;
}

const char *Hall_Of_Fame_Race_Name(uint16_t race) { return race < HALL_OF_FAME_RACES ? m_race_names[race] : ""; }

void Hall_Of_Fame_Name(int16_t place, char *out, size_t size)
{
    if (size == 0) return;
    out[0] = '\0';
    if (place < 0 || place >= HALL_OF_FAME_ENTRIES) return;
    size_t n = strnlen(magic_set.hall_names[place], HALL_OF_FAME_NAME_SHOWN);
    n = std::min(n, size - 1);
    memcpy(out, magic_set.hall_names[place], n);
    out[n] = '\0';
}

int16_t End_Of_Game_Score(void)
{
    const int16_t player_idx = HUMAN_PLAYER_IDX;
    m_new_score = 0;
    End_Of_Game_Score_Mark_Banished(player_idx);
    End_Score score;
    End_Of_Game_Score_Compute(player_idx, &score);
    Info_Score_Screen(&score);
    m_new_score = score.final_score;

    char name[sizeof _players[player_idx].name + 1] = {};
    memcpy(name, _players[player_idx].name, sizeof _players[player_idx].name);
    int16_t place = Hall_Of_Fame_Enter(m_new_score, name, _players[player_idx].capital_race);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "End_Of_Game_Score: final score %d, hall of fame place %d", (int)m_new_score,
            place < 0 ? 0 : (int)place + 1);
    if (place >= 0 && Write_MAGIC_SET_User() != 1) {
        STU_LOG(SEV_ERROR, LC_KEL_SCR, "End_Of_Game_Score: RAROZ.SET could not be written; the entry is kept for now");
        Info_Show_Message("The Hall Of Fame could not be saved.");
    }
    Info_Hall_Of_Fame_Screen();
    return m_new_score;
}
