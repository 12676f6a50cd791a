#include "magic/Spellbook_Choice.h"

#include <cstdio>

#include "LBX_Load.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Spellbook_Pages.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Death.h"

namespace {

constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr uint8_t SPELL_TYPE_GLOBAL = 9;
constexpr uint8_t SPELL_TYPE_WIZARD = 6;
constexpr int16_t SLOT_PLANAR_SEAL = 20;
constexpr int16_t SLOT_HOLY_ARMS = 19;
constexpr int16_t SPELL_PLANE_SHIFT = 132;
constexpr int16_t SPELL_HOLY_WEAPON = 124;
constexpr int16_t RECORD_PLANES_SEALED = 12;
constexpr int16_t RECORD_NO_HERO_SLOT = 13;
constexpr int16_t RECORD_NO_RIVAL_GLOBAL = 14;
constexpr int16_t RECORD_NO_RIVAL = 15;
constexpr int16_t RECORD_ALREADY_HELD = 16;
constexpr int16_t RECORD_FORBIDDEN = 17;

bool Any_Wizard_Holds(int16_t slot)
{
    for (int p = 0; p < NUM_PLAYERS; p++)
        if (_players[p].Globals[slot] != 0) return true;
    return false;
}

bool Rival_Holds_Any_Global(void)
{
    for (int p = 1; p < _num_players && p < NUM_PLAYERS; p++)
        for (uint8_t slot : _players[p].Globals)
            if (slot != 0) return true;
    return false;
}

bool Rival_Reachable(void)
{
    for (int p = 1; p < _num_players && p < NUM_PLAYERS; p++) {
        const bool fortress = _FORTRESSES != nullptr && _FORTRESSES[p].active == 1;
        if (_players[HUMAN_PLAYER_IDX].Dipl_Contacted[p] == 1 && fortress) return true;
    }
    return false;
}

void Message_Record(int16_t record, char *text)
{
    text[0] = '\0';
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MESSAGE_RECORD_SIZE);
    text[MESSAGE_RECORD_SIZE] = '\0';
}

const char *Name_Of(int16_t spell_idx)
{
    return spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS ? spell_data_table[spell_idx].name
                                                                                  : "";
}

// "Do you wish to abort <spell> spell?"; no is the answer of an unattended run.
int16_t Ask_Abort(int16_t spell_idx)
{
    char text[80];
    snprintf(text, sizeof text, "Do you wish to abort %s spell?", Name_Of(spell_idx));
    return Magic_Confirm(text, 0);
}

}  // namespace

int16_t Spellbook_Opening_Page(int16_t spell_being_cast, int16_t last_left_page)
{
    if (spell_being_cast != 0) {
        for (int16_t page = 0; page < m_spellbook_page_count; page++) {
            const Spellbook_Page &entry = m_spellbook_pages[page];
            for (int k = 0; k < entry.count && k < SPELLBOOK_PAGE_SPELLS; k++) {
                const int16_t spell = entry.spells[k] < 0 ? (int16_t)-entry.spells[k] : entry.spells[k];
                if (spell == spell_being_cast) return (int16_t)(page & ~1);
            }
        }
    }
    return last_left_page;
}

int16_t Questionable_Spell_Records(int16_t spell_idx, int16_t *records)
{
    int16_t count = 0;
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return 0;
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (spell_idx == SPELL_PLANE_SHIFT && Any_Wizard_Holds(SLOT_PLANAR_SEAL)) records[count++] = RECORD_PLANES_SEALED;
    if ((spell_idx == 142 || spell_idx == 208 || spell_idx == 212) && Hero_Slot_Open(HUMAN_PLAYER_IDX) == -1) {
        records[count++] = RECORD_NO_HERO_SLOT;
    }
    if ((spell_idx == 61 || spell_idx == 76 || spell_idx == 210) && !Rival_Holds_Any_Global()) {
        records[count++] = RECORD_NO_RIVAL_GLOBAL;
    }
    if ((spell.type == SPELL_TYPE_WIZARD || spell.type == SPELL_TYPE_VARIABLE_COST) && !Rival_Reachable()) {
        records[count++] = RECORD_NO_RIVAL;
    }
    if (spell.type == SPELL_TYPE_GLOBAL && spell.Param_Bytes[0] < NUM_OVERLAND_ENCHANTMENTS &&
        human.Globals[spell.Param_Bytes[0]] != 0) {
        records[count++] = RECORD_ALREADY_HELD;
    }
    if (spell_idx == SPELL_HOLY_WEAPON && human.Globals[SLOT_HOLY_ARMS] != 0) records[count++] = RECORD_FORBIDDEN;
    return count;
}

void Questionable_Spell_Cast(int16_t spell_idx, int16_t *answer)
{
    int16_t records[QUESTIONABLE_RECORDS_MAX];
    const int16_t count = Questionable_Spell_Records(spell_idx, records);
    char text[MESSAGE_RECORD_SIZE + 1];
    for (int16_t k = 0; k < count; k++) {
        Message_Record(records[k], text);
        if (records[k] == RECORD_FORBIDDEN) {
            Magic_Warn(text);
            *answer = 0;
        } else {
            *answer = Magic_Confirm(text, 1);
        }
    }
}

int16_t Spellbook_Pick_Spell(int16_t spell_idx)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (spell_idx <= 0) return sbp_Stay;
    if (spell_idx == human.casting_spell_idx) {
        if (Ask_Abort(spell_idx) == 0) return sbp_Stay;
        human.casting_spell_idx = 0;
        human.casting_cost_remaining = 0;
        human.casting_cost_original = 0;
        return sbp_Aborted;
    }
    if (human.casting_spell_idx != 0) {
        if (Ask_Abort(human.casting_spell_idx) == 0) return sbp_Stay;
        // What was paid of the aborted spell is lost; the cost left never stays below 0.
        human.casting_spell_idx = 0;
        human.casting_cost_remaining = 0;
        human.casting_cost_original = 0;
    }
    int16_t answer = 1;
    Questionable_Spell_Cast(spell_idx, &answer);
    return answer == 1 ? sbp_Cast : sbp_Stay;
}
