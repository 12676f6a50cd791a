// Stand-ins of the magic screens.
#include <cstring>

#include "Fonts.h"
#include "STU_Log.h"
#include "combat/Combat_Results.h"
#include "info/Game_End_Scenes.h"
#include "magic/City_Spell_Effects.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Overland_Casting.h"
#include "magic/Spell_Of_Mastery.h"
#include "magic/Spellbook_Pages.h"
#include "magic/Undead_Animation.h"
#include "magic/Wizard_Spells.h"
#include "magic/screens/Small_Book.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

void Apprentice_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Apprentice_Screen__STUB: not built yet");
}

// The city is untouched.
int16_t Apply_Call_The_Void(int16_t city_idx)
{
    STUB_HIT();
    return 0;
}

int16_t Apply_Earthquake(int16_t city_idx, int16_t *item_count, int16_t *items)
{
    STUB_HIT();
    *item_count = 0;
    return 0;
}

// Enchantments take no effect at the end of a turn yet, and leave relations as they are.
void Apply_Consecration(int16_t city_idx) { STUB_HIT(); }
void Apply_Stream_Of_Life(int16_t city_idx) { STUB_HIT(); }
void Apply_Chaos_Rift(int16_t city_idx) { STUB_HIT(); }
void Apply_Gaias_Blessing(int16_t city_idx) { STUB_HIT(); }
void Apply_Nightshade_Dispel(int16_t city_idx) { STUB_HIT(); }
void Apply_Great_Wasting(int16_t player_idx) { STUB_HIT(); }
void Apply_Meteor_Storm(int16_t player_idx) { STUB_HIT(); }
void Apply_Armageddon(int16_t player_idx) { STUB_HIT(); }

// The Spell of Mastery wins the game; any other spell only ends its casting.
void Cast_Spell_Overland(int16_t player_idx)
{
    STUB_HIT();
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    Player_Record &player = _players[player_idx];
    int16_t spell_idx = player.casting_spell_idx;
    if (spell_idx == spl_Spell_Of_Mastery) {
        m_magic_winner_idx = player_idx;
        player.casting_spell_idx = 0;
        if (player_idx == HUMAN_PLAYER_IDX) {
            Win_Animation(HUMAN_PLAYER_IDX);
        } else {
            Lose_Animation(HUMAN_PLAYER_IDX);
        }
        End_Of_Game_Score();
        return;
    } else {
        STU_LOG(SEV_INFO, LC_NEXTTURN, "Cast_Spell_Overland: player %d cast spell %d", player_idx, spell_idx);
    }
    player.casting_spell_idx = 0;
    player.casting_cost_remaining = 0;
    player.casting_cost_original = 0;
}

// The announcement is not shown yet.
void Cast_Spell_Of_Mastery(int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_NEXTTURN, "Cast_Spell_Of_Mastery__STUB: player %d begins the Spell of Mastery", player_idx);
}

// The spells aimed at a wizard change nothing yet.
int16_t Apply_Cruel_Unminding(int16_t target_idx)
{
    STUB_HIT();
    return 0;
}
int16_t Apply_Drain_Power(int16_t target_idx)
{
    STUB_HIT();
    return 0;
}
void Apply_Subversion(int16_t target_idx) { STUB_HIT(); }

// Until the scene is built its text goes to the log.
void Undead_Animation(int16_t creature_type)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Undead_Animation__STUB: creature %d: %s", creature_type, GUI_NearMsgString);
}

// The two pages as plain lines of spell names until the book is drawn.
void SmlBook_Draw(int16_t x, int16_t y)
{
    STUB_HIT();
    uint8_t colours[16];
    memset(colours, 186, sizeof colours);
    Set_Font_Colors_15(1, colours);
    Set_Font_Style(1, 15, 15, 15);
    for (int16_t side = 0; side < 2; side++) {
        const int16_t page = (int16_t)(g_spellbook_left_page + side);
        if (page < 0 || page >= m_spellbook_page_count) continue;
        const Spellbook_Page &entry = m_spellbook_pages[page];
        const int16_t left = (int16_t)(x + 16 + 132 * side);
        Print(left, (int16_t)(y + 6), entry.title);
        for (int16_t k = 0; k < entry.count && k < SPELLBOOK_PAGE_SPELLS; k++) {
            const int16_t spell = entry.spells[k] < 0 ? (int16_t)-entry.spells[k] : entry.spells[k];
            if (spell_data_table == nullptr || spell <= 0 || spell >= NUM_SPELLS) continue;
            Print(left, (int16_t)(y + 22 + 22 * k), spell_data_table[spell].name);
        }
    }
}

void SmlBook_PageTurn(int16_t forward, int16_t combat, int16_t caster) { STUB_HIT(); }
