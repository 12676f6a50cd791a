#include "world/Wizard_History.h"

#include <cstring>

#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Wizard_Economy.h"

int16_t unknown_40h_square_count;
uint8_t unknown_40h_square_wx[MARKED_SQUARES_MAX];
uint8_t unknown_40h_square_wy[MARKED_SQUARES_MAX];
uint8_t unknown_40h_square_wp[MARKED_SQUARES_MAX];

namespace {

constexpr int SPELL_REALMS = 6;
constexpr int SPELLS_PER_REALM = 40;
constexpr int FIGURE_TOP = 200;
constexpr int SCORE_TOP = 160;

bool Player_Valid(int player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

int16_t Clamp16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < 0 ? 0 : value); }

}  // namespace

int16_t Astrologer_Power(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int power = _players[player_idx].Power_Base - 10;
    return (int16_t)(power < 0 ? 0 : power);
}

int16_t Astrologer_Strength(int16_t player_idx)
{
    int32_t sum = 0;
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (_UNITS[u].owner_idx == player_idx) {
            sum += Unit_Gold_Upkeep((int16_t)u) + 2 * Unit_Mana_Upkeep((int16_t)u);
        }
    }
    return Clamp16(sum / 5);
}

int16_t Astrologer_Research(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int32_t sum = 0;
    for (int s = 0; s < SPELL_REALMS * SPELLS_PER_REALM; s++) {
        if (_players[player_idx].spells_list[s] == SS_KNOWN) {
            sum += s % SPELLS_PER_REALM + 1;
        }
    }
    return Clamp16(sum / 8);
}

int16_t Empire_Population_Points(int16_t player_idx)
{
    int32_t sum = 0;
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        if (_CITIES[c].owner_idx == player_idx) {
            sum += _CITIES[c].population;
        }
    }
    return Clamp16(sum / 10);
}

void Record_History(void)
{
    int wizards = _num_players < NEUTRAL_PLAYER_IDX ? _num_players : NEUTRAL_PLAYER_IDX;
    if (wizards <= 0) {
        return;
    }
    int32_t power[NUM_PLAYERS] = {};
    int32_t strength[NUM_PLAYERS] = {};
    int32_t research[NUM_PLAYERS] = {};
    int32_t score[NUM_PLAYERS] = {};
    int32_t top_power = 0, top_strength = 0, top_research = 0;
    for (int p = 0; p < wizards; p++) {
        power[p] = Astrologer_Power((int16_t)p);
        strength[p] = Astrologer_Strength((int16_t)p);
        research[p] = Astrologer_Research((int16_t)p);
        int32_t population = Empire_Population_Points((int16_t)p);
        _players[p].Pop_Div_10k = (uint16_t)population;
        score[p] = power[p] + strength[p] + research[p] + population;
        top_power = power[p] > top_power ? power[p] : top_power;
        top_strength = strength[p] > top_strength ? strength[p] : top_strength;
        top_research = research[p] > top_research ? research[p] : top_research;
    }
    int32_t top_score = 0;
    for (int p = 0; p < wizards; p++) {
        if (top_power > FIGURE_TOP) power[p] = power[p] * FIGURE_TOP / top_power;
        if (top_strength > FIGURE_TOP) strength[p] = strength[p] * FIGURE_TOP / top_strength;
        if (top_research > FIGURE_TOP) research[p] = research[p] * FIGURE_TOP / top_research;
        _players[p].Astr_Magic_Power = (int16_t)power[p];
        _players[p].Astr_Army_Strength = (int16_t)strength[p];
        _players[p].Astr_Research = (int16_t)research[p];
        score[p] /= 7;
        top_score = score[p] > top_score ? score[p] : top_score;
    }
    for (int p = 0; p < wizards; p++) {
        if (top_score > SCORE_TOP) {
            score[p] = score[p] * SCORE_TOP / top_score;
        }
        uint8_t *history = _players[p].Historian;
        if (_turn >= 0 && _turn < HISTORY_TURNS) {
            history[_turn] = (uint8_t)score[p];
        } else if (_turn >= HISTORY_TURNS) {
            memmove(history, history + 1, HISTORY_TURNS - 1);
            history[HISTORY_TURNS - 1] = (uint8_t)score[p];
        }
    }
}

void Record_Unknown_40H_Squares(void)
{
    unknown_40h_square_count = 0;
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                if (unknown_40h_square_count >= MARKED_SQUARES_MAX) {
                    return;
                }
                if (_map_square_flags[World_Square_Index(wx, wy, wp)] & sf_Marked) {
                    unknown_40h_square_wx[unknown_40h_square_count] = (uint8_t)wx;
                    unknown_40h_square_wy[unknown_40h_square_count] = (uint8_t)wy;
                    unknown_40h_square_wp[unknown_40h_square_count] = (uint8_t)wp;
                    unknown_40h_square_count++;
                }
            }
        }
    }
}
