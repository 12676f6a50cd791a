// Stand-ins of the magic screens.
#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "combat/Combat_Results.h"
#include "info/Game_End_Scenes.h"
#include "magic/City_Node_Spells.h"
#include "magic/City_Spell_Effects.h"
#include "magic/Conquest_Spells.h"
#include "magic/Damage_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Fortress_Spells.h"
#include "magic/Global_Enchantment_Screen.h"
#include "magic/Hero_Spells.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Dispel.h"
#include "magic/Resurrection_Choice.h"
#include "magic/Spell_Animations.h"
#include "magic/Spell_Casting_Screen.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Rewards.h"
#include "magic/Spell_Values.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Target_Wizard_Screen.h"
#include "magic/Terrain_Spells.h"
#include "magic/Undead_Animation.h"
#include "magic/Unit_Spells.h"
#include "magic/Wizard_Spells.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

void Spellbook_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Spellbook_Screen");
}

// Enchantments leave relations as they are.
void Change_Relations_For_Enchantments(int16_t player_idx, int16_t spell_idx, int16_t amount) { STUB_HIT(); }

// Nothing is taken from the ruins until the spell trades exist.
void Conquest_Spells(int16_t victor_idx, int16_t loser_idx) { STUB_HIT(); }

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

// ---- the casting's scenes, targets, dispels and notices, until they are built ----

// The human's spell is lost on the target screen: no target.
int16_t Spell_Casting_Screen(int16_t kind, int16_t *target, int16_t *wy, int16_t *wp, int16_t *screen_x,
                             int16_t *screen_y, const char *spell_name)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Spell_Casting_Screen__STUB: no target for %s", spell_name);
    return 0;
}

int16_t Spell_Animation_Load_Graphics(int16_t spell_idx)
{
    STUB_HIT();
    return 0;
}
void Spell_Animation_Load_Sound_Effect__WIP(int16_t spell_idx) { STUB_HIT(); }
void Spell_Animation_Screen__WIP(int16_t wx, int16_t wy, int16_t wp) { STUB_HIT(); }
void Summon_Animation(int16_t subject, int16_t music_offset, int16_t caster_idx) { STUB_HIT(); }
void City_Enchantment_Anim_1__WIP(int16_t city_idx, int16_t spell_idx, int16_t caster_idx) { STUB_HIT(); }
void City_Enchantment_Anim_2__WIP(int16_t city_idx, int16_t spell_idx) { STUB_HIT(); }
void WIZ_GlobalSpellAnim(int16_t caster_idx, int16_t spell_idx) { STUB_HIT(); }

// No wizard is chosen.
int16_t Target_Wizard_Screen(int16_t spell_idx)
{
    STUB_HIT();
    return 0;
}

namespace {
void Append_Possessive(char *text, size_t size, int16_t player_idx, const char *human_word)
{
    size_t used = strlen(text);
    if (player_idx == HUMAN_PLAYER_IDX) {
        snprintf(text + used, size - used, "%s", human_word);
        return;
    }
    char name[sizeof _players[0].name + 1] = {};
    memcpy(name, _players[player_idx].name, sizeof _players[0].name);
    size_t length = strlen(name);
    snprintf(text + used, size - used, "%s%s", name, length > 0 && name[length - 1] == 's' ? "' " : "'s ");
}
}  // namespace

// The notice's text, without the picture and music.
void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause)
{
    STUB_HIT();
    if (victim_idx != HUMAN_PLAYER_IDX && causer_idx != HUMAN_PLAYER_IDX) return;
    if (victim_idx < 0 || victim_idx >= NUM_PLAYERS || causer_idx < 0 || causer_idx >= NUM_PLAYERS) return;
    char text[200] = {};
    Append_Possessive(text, sizeof text, causer_idx, "Your ");
    size_t used = strlen(text);
    snprintf(text + used, sizeof text - used, "%s spell has caused ", cause);
    Append_Possessive(text, sizeof text, victim_idx, "your ");
    char spell_name[sizeof spell_data_table[0].name + 1] = {};
    if (spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS) {
        memcpy(spell_name, spell_data_table[spell_idx].name, sizeof spell_data_table[0].name);
    }
    used = strlen(text);
    snprintf(text + used, sizeof text - used, "%s spell to fizzle.", spell_name);
    Magic_Fizzle_Scene(text);
}

// Nothing is dispelled yet; every square offers something to try.
void Cast_Disenchant(int16_t wx, int16_t wy, int16_t wp, int16_t caster_idx, int16_t strength) { STUB_HIT(); }
int16_t Square_Has_Disenchant_Target(int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    return 1;
}

void Change_Relations_For_Bad_City_Spell(int16_t caster_idx, int16_t spell_idx, int16_t city_idx) { STUB_HIT(); }

// The last dead hero of the list comes back.
int16_t Select_Hero_To_Ressurect(int16_t count, const int16_t *hero_types)
{
    STUB_HIT();
    return (int16_t)(count - 1);
}
