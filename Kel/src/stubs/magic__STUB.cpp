// Stand-ins of the magic screens.
#include "STU_Log.h"
#include "combat/Combat_Results.h"
#include "info/Game_End_Scenes.h"
#include "magic/City_Spell_Effects.h"
#include "magic/Conquest_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Overland_Casting.h"
#include "magic/Spell_Values.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Undead_Animation.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

void Spellbook_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Spellbook_Screen");
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
void Change_Relations_For_Enchantments(int16_t player_idx, int16_t spell_idx, int16_t amount) { STUB_HIT(); }

// Nothing is taken from the ruins until the spell trades exist.
void Conquest_Spells(int16_t victor_idx, int16_t loser_idx) { STUB_HIT(); }

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
}

namespace {

// Books of the spell's colour realm, or -1 for an Arcane spell (and anything past the colour realms).
int Colour_Realm_Books(int16_t player_idx, int16_t spell_idx)
{
    int realm = Spell_Realm(spell_idx);
    return realm < NUM_COLOUR_REALMS ? _players[player_idx].spellranks[realm] : -1;
}

}  // namespace

// Research cost, less a tenth on the research list, half again when not yet researchable; a realm
// without books (one book: no rare spells; two: no very rare) cannot use it.
int16_t Calc_Spell_Value(int16_t player_idx, int16_t spell_idx)
{
    STUB_HIT();
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || spell_idx < 1 || spell_idx > NUM_SPELLS - 1 ||
        spell_data_table == nullptr) {
        return -1;
    }
    int books = Colour_Realm_Books(player_idx, spell_idx);
    int band = Spell_Band(spell_idx);
    if (books == 0 || (books == 1 && band >= sb_Rare) || (books == 2 && band >= sb_Very_Rare)) {
        return -1;
    }
    int32_t cost = spell_data_table[spell_idx].research_cost;
    int32_t value = 0;
    switch (Player_Spell_Status(player_idx, spell_idx)) {
    case SS_KNOWN: return 0;
    case SS_RESEARCH_LIST: value = cost - cost / 10; break;
    case SS_RESEARCHABLE: value = cost; break;
    default: value = cost + cost / 2; break;
    }
    return (int16_t)(value > INT16_MAX ? INT16_MAX : value < INT16_MIN ? INT16_MIN : value);
}

// The first ten qualifying spells in spell order, without draws.
int16_t Get_Differential_Spell_List(int16_t a, int16_t b, int16_t minimum, uint8_t *list)
{
    STUB_HIT();
    for (int k = 0; k < DIFFERENTIAL_LIST_MAX; k++) {
        list[k] = 0;
    }
    if (a < 0 || a >= NUM_PLAYERS || b < 0 || b >= NUM_PLAYERS) {
        return 0;
    }
    int16_t count = 0;
    for (int16_t spell = 1; spell <= spl_Spell_Of_Mastery && count < DIFFERENTIAL_LIST_MAX; spell++) {
        if (Colour_Realm_Books(a, spell) == 0 || Colour_Realm_Books(b, spell) == 0) {
            continue;
        }
        if (Player_Spell_Status(b, spell) == SS_KNOWN && Player_Spell_Status(a, spell) != SS_KNOWN &&
            Calc_Spell_Value(a, spell) >= minimum) {
            list[count++] = (uint8_t)spell;
        }
    }
    return count;
}

// Until the scene is built its text goes to the log.
void Undead_Animation(int16_t creature_type)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Undead_Animation__STUB: creature %d: %s", creature_type, GUI_NearMsgString);
}
