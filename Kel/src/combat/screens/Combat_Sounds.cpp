#include "combat/screens/Combat_Sounds.h"

#include "Allocate.h"
#include "LBX_Load.h"
#include "SOUND.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SILENT_SOUND = 106;
constexpr uint16_t SOUND_BLOCK_PARAS = 4096;
SAMB_ptr m_silent_block = nullptr;
SAMB_ptr m_move_block = nullptr;
uint8_t *m_silent = nullptr;
uint32_t m_silent_size = 0;

bool Sound_Effects_On(void) { return magic_set.words[GS_SOUND_EFFECTS] == 1; }

void Play_Silent(void)
{
    if (m_silent != nullptr) Play_Sound(m_silent, m_silent_size);
}

}  // namespace

int16_t Combat_Music_Entry(int16_t computer_player, int16_t variation)
{
    if (computer_player < 0 || computer_player >= NUM_PLAYERS || computer_player == NEUTRAL_PLAYER_IDX ||
        computer_player >= _num_players)
        return (int16_t)(101 + variation);
    return (int16_t)(70 + 2 * (_players[computer_player].wizard_id % 14) + variation);
}

void Combat_Start_Music(void)
{
    if (m_silent_block == nullptr) m_silent_block = Allocate_Space(SOUND_BLOCK_PARAS);
    if (m_silent == nullptr) {
        m_silent = LBX_Reload("SOUNDFX", SILENT_SOUND, m_silent_block);
        m_silent_size = lbxload_entry_length;
    }
    if (magic_set.words[GS_BACKGROUND_MUSIC] != 1 || SND_Music_Segment == nullptr) return;
    const int16_t computer =
        _combat_local_player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
    uint8_t *music = LBX_Reload("MUSIC", Combat_Music_Entry(computer, (int16_t)Random(2)), SND_Music_Segment);
    if (music != nullptr) Play_Sound(music, lbxload_entry_length);
}

void Combat_Move_Sound_Entry(int16_t unit_type, const char **archive, int16_t *entry)
{
    const uint16_t code =
        unit_type >= 0 && unit_type < NUM_UNIT_TYPES ? (uint16_t)_unit_type_table[unit_type].Sound : 0;
    *archive = "SOUNDFX";
    *entry = SILENT_SOUND;
    if (code <= 15) return;
    if (code / 16 == 13) {
        *archive = "NEWSOUND";
        *entry = 0;
        return;
    }
    *entry = (int16_t)(code / 16);
}

void Combat_Move_Sound_Start(Battle_Unit_Record *bu)
{
    if (!Sound_Effects_On() || bu == nullptr) return;
    Play_Silent();
    const int16_t type = bu->unit_idx >= 0 && bu->unit_idx < _units ? _UNITS[bu->unit_idx].type : (int16_t)-1;
    const char *archive = nullptr;
    int16_t entry = 0;
    Combat_Move_Sound_Entry(type, &archive, &entry);
    if (m_move_block == nullptr) m_move_block = Allocate_Space(SOUND_BLOCK_PARAS);
    uint8_t *sound = LBX_Reload(archive, entry, m_move_block);
    if (sound != nullptr) Play_Sound(sound, lbxload_entry_length);
}

void Combat_Move_Sound_Stop(void)
{
    if (Sound_Effects_On()) Play_Silent();
}
