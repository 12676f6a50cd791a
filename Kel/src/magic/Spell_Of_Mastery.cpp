// The Spell of Mastery: its announcement, and the end of the game when a wizard completes it.
#include "magic/Spell_Of_Mastery.h"

#include "STU_Log.h"
#include "info/Game_End_Scenes.h"
#include "magic/Magic_Services.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t FRAMES_PER_PLAYER = 60;
constexpr int16_t FRAMES_LESS = 48;

int16_t Players(void) { return _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players; }

void Log_Ending(int16_t winner_idx, int16_t frames)
{
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[MASTERY] winner=%d human_won=%d frames=%d", (int)winner_idx,
            winner_idx == HUMAN_PLAYER_IDX ? 1 : 0, (int)frames);
}

}  // namespace

int16_t Spell_Of_Mastery_Rivals(int16_t *rivals)
{
    int16_t count = 0;
    for (int16_t player = 1; player < Players(); player++) {
        if (_players[player].casting_spell_idx != spl_Spell_Of_Return) rivals[count++] = player;
    }
    return count;
}

int16_t Spell_Of_Mastery_Victory_Frames(void)
{
    int32_t frames = (int32_t)FRAMES_PER_PLAYER * Players() - FRAMES_LESS;
    for (int16_t player = 1; player < Players(); player++) {
        if (_players[player].casting_spell_idx == spl_Spell_Of_Return) frames -= FRAMES_PER_PLAYER;
    }
    return (int16_t)(frames < 0 ? 0 : frames);
}

void Cast_Spell_Of_Mastery(int16_t wizard_idx)
{
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[MASTERY] begun by %d", (int)wizard_idx);
    Magic_Mastery_Announcement(wizard_idx);
}

int16_t Spell_Of_Mastery(int16_t wizard_idx)
{
    if (magic_master_idx != -1) return magic_master_idx;
    m_magic_winner_idx = wizard_idx;
    if (wizard_idx != HUMAN_PLAYER_IDX) return Spell_Of_Mastery_Lose();
    int16_t rivals[NUM_PLAYERS] = {};
    int16_t rival_count = Spell_Of_Mastery_Rivals(rivals);
    int16_t frames = Magic_Mastery_Victory_Scene(Spell_Of_Mastery_Victory_Frames(), rivals, rival_count);
    Log_Ending(HUMAN_PLAYER_IDX, frames);
    Win_Animation(HUMAN_PLAYER_IDX);
    return End_Of_Game_Score();
}

int16_t Spell_Of_Mastery_Lose(void)
{
    int16_t frames = Magic_Mastery_Defeat_Scene(m_magic_winner_idx);
    Log_Ending(m_magic_winner_idx, frames);
    Lose_Animation(HUMAN_PLAYER_IDX);
    return End_Of_Game_Score();
}
