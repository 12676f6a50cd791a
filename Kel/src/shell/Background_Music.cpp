#include "shell/Background_Music.h"

#include "LBX_Load.h"
#include "SOUND.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

int16_t m_background_music_num = 0;
int16_t m_background_music_ctr = 0;

namespace {

constexpr int HISTORY_TURNS = 288;

}  // namespace

int16_t Get_Background_Music(void)
{
    int turn_idx = _turn >= HISTORY_TURNS ? HISTORY_TURNS - 1 : _turn - 1;
    if (turn_idx < 0) turn_idx = 0;

    int highest = 0;
    int lowest = 255;
    bool any_computer = false;
    int players = _num_players < NUM_PLAYERS ? _num_players : NUM_PLAYERS;
    for (int p = 1; p < players; p++) {
        int score = _players[p].Historian[turn_idx];
        if (score > highest) highest = score;
        if (score < lowest) lowest = score;
        any_computer = true;
    }
    if (!any_computer) lowest = 0;

    int human = _current_player_idx >= 0 && _current_player_idx < NUM_PLAYERS ? _current_player_idx : 0;
    int own = _players[human].Historian[turn_idx];
    int16_t music = MUSIC_MIDFIELD;
    if (own + highest / 10 >= highest) music = MUSIC_LEADING;
    if (lowest > 0 && own - lowest / 10 <= lowest) music = MUSIC_TRAILING;
    return music;
}

void Play_Background_Music(void)
{
    Stop_All_Sounds();
    if (magic_set.words[GS_BACKGROUND_MUSIC] != 1) return;
    m_background_music_num = Get_Background_Music();
    uint8_t *music = LBX_Reload("MUSIC", m_background_music_num, SND_Music_Segment);
    Play_Sound(music, lbxload_entry_length);
}

void Increment_Background_Music(void)
{
    if (m_background_music_ctr <= 3) {
        m_background_music_ctr++;
        return;
    }
    m_background_music_ctr = 0;
    if (Get_Background_Music() != m_background_music_num) Play_Background_Music();
}
