#include "turn/Diplomatic_Statements.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "LBX_Load.h"
#include "heroes/Text_Lists.h"
#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t Spell_Index = 0;
int16_t Target_Player = 0;

int16_t m_IDK_diplomatic_order = 0;

namespace {

struct Statement_State {
    int16_t variant = -1;  // -1: a new choice is due
    int16_t mood_group = 0;
    int16_t break_treaty_player = 0;
    int16_t threat_gold = 0;
    char composed[DIPL_MESSAGE_SIZE] = {};
    char message[DIPL_MESSAGE_SIZE] = {};
};
Statement_State m_state;

// Appends within the message buffer; whatever does not fit is dropped.
struct Message_Builder {
    char *text;
    size_t used;
    void Add(const char *part, size_t limit = DIPL_MESSAGE_SIZE)
    {
        for (size_t k = 0; k < limit && part[k] != '\0' && used + 1 < DIPL_MESSAGE_SIZE; k++) {
            text[used++] = part[k];
        }
        text[used] = '\0';
    }
    void Add_Byte(uint8_t byte)
    {
        if (used + 1 < DIPL_MESSAGE_SIZE) text[used++] = static_cast<char>(byte);
        text[used] = '\0';
    }
    void Add_Number(int value)
    {
        char digits[16];
        snprintf(digits, sizeof(digits), "%d", value);
        Add(digits);
    }
};

void Add_Wizard_Name(Message_Builder &out, int player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    out.Add(_players[player_idx].name, sizeof(_players[0].name));
}

void Add_Spell_Name(Message_Builder &out, int spell_idx)
{
    if (spell_data_table == nullptr || spell_idx < 0 || spell_idx >= NUM_SPELLS) return;
    out.Add(spell_data_table[spell_idx].name, sizeof(spell_data_table[0].name));
}

const City_Record *City_At(int city_idx)
{
    if (_CITIES == nullptr || city_idx < 0 || city_idx >= _cities || city_idx >= NUM_CITIES) return nullptr;
    return &_CITIES[city_idx];
}

const char *Unit_Type_Name(int type)
{
    if (type < 0 || type >= NUM_UNIT_TYPES) return nullptr;
    return _unit_type_table[type].name;
}

const char *Treaty_Word(int treaty)
{
    if (treaty == tt_Alliance) return "Alliance";
    if (treaty == tt_Wizard_Pact) return "Wizard Pact";
    return "treaty";
}

void Add_Substitution(Message_Builder &out, int code, int16_t w)
{
    const Player_Record &human = _players[0];
    switch (code) {
    case 0: Add_Wizard_Name(out, 0); break;
    case 1: Add_Wizard_Name(out, w); break;
    case 2: Add_Wizard_Name(out, human.Dipl_Pending_Param[w]); break;
    case 3:
        if (const City_Record *city = City_At(human.Dipl_Pending_City[w])) out.Add(city->name, sizeof(city->name));
        break;
    case 4:
        if (const City_Record *city = City_At(human.Dipl_Pending_City[w])) {
            if (city->size < NUM_CITY_SIZES) out.Add(_city_size_names[city->size]);
        }
        break;
    case 5: Add_Wizard_Name(out, human.Dipl_Ally_Enemy[w]); break;
    case 6: out.Add_Byte(static_cast<uint8_t>(DIPLOMSG_CODE_FIRST + 6)); break;
    case 7: Add_Wizard_Name(out, human.Dipl_Named_Wizard[w]); break;
    case 8: out.Add_Number(human.Dipl_Offer_Gold[w]); break;
    case 9: Add_Spell_Name(out, human.Dipl_Wanted_Spell[w]); break;
    case 10:
        out.Add_Number(human.Dipl_Offer_Gold[w]);
        out.Add(" gold");
        break;
    case 11: out.Add(Treaty_Word(human.Dipl_Broken_Treaty[w])); break;
    case 12: Add_Spell_Name(out, human.Dipl_Pending_Param[w]); break;
    case 13:
        if (const char *name = Unit_Type_Name(human.Dipl_Pending_Param[w])) out.Add(name);
        break;
    case 14:
        if (const char *name = Unit_Type_Name(human.Dipl_Pending_Param[w])) out.Add(An(name));
        break;
    case 15: out.Add(Treaty_Word(human.Dipl_Treaty[w])); break;
    case 16: out.Add_Number(_turn / 12 + 1400); break;
    case 17: Add_Spell_Name(out, Spell_Index); break;
    case 18: Add_Wizard_Name(out, Target_Player); break;
    case 19: Add_Wizard_Name(out, m_state.break_treaty_player); break;
    case 20: out.Add_Number(m_state.threat_gold); break;
    default: break;
    }
}

int16_t Read_I16(const uint8_t *bytes) { return static_cast<int16_t>(bytes[0] | (bytes[1] << 8)); }

void Show_Composed(void) { memcpy(m_state.message, m_state.composed, sizeof(m_state.message)); }

}  // namespace

void Get_Diplomacy_Statement(int16_t statement, int16_t w)
{
    if (m_state.variant >= 0) {
        Show_Composed();
        return;
    }
    if (statement < 0 || statement >= DIPLOMSG_NUM_STATEMENTS || w < 0 || w >= NUM_PLAYERS) {
        m_state.composed[0] = '\0';
        m_state.variant = 0;
        Show_Composed();
        return;
    }
    uint8_t record[DIPLOMSG_STATEMENT_RECORD_SIZE] = {};
    LBX_Load_Data_Static("DIPLOMSG", 0, record, statement, 1, DIPLOMSG_STATEMENT_RECORD_SIZE);
    int16_t music = Read_I16(record);
    int16_t mood_group = Read_I16(record + 2);
    // A count of 0 would make the draw meaningless and one above 15 would reach the next statement.
    int16_t variants = std::clamp<int16_t>(Read_I16(record + 4), 1, DIPLOMSG_MAX_VARIANTS);
    int16_t variant = static_cast<int16_t>(RANDOM(variants) - (_num_players == 2 ? 2 : 1));
    if (variant < 0) variant = 0;
    m_state.variant = variant;

    uint8_t text[DIPLOMSG_TEXT_SIZE] = {};
    LBX_Load_Data_Static("DIPLOMSG", 1, text, static_cast<int16_t>(statement * DIPLOMSG_MAX_VARIANTS + variant), 1,
                         DIPLOMSG_TEXT_SIZE);
    Message_Builder out{m_state.composed, 0};
    m_state.composed[0] = '\0';
    for (int k = 0; k < DIPLOMSG_TEXT_SIZE && text[k] != 0; k++) {
        int code = text[k] - DIPLOMSG_CODE_FIRST;
        if (code >= 0 && code < DIPLOMSG_NUM_CODES) {
            Add_Substitution(out, code, w);
        } else {
            out.Add_Byte(text[k]);
        }
    }
    Show_Composed();
    Turn_Diplomacy_Mood_Music(music);
    m_state.mood_group = std::clamp<int16_t>(mood_group, 0, DIPL_NUM_MOOD_GROUPS - 1);
}

void Diplomacy_Statement_Reset(void) { m_state.variant = -1; }

const char *Diplomacy_Message(void) { return m_state.message; }

int16_t Diplomacy_Statement_Mood_Group(void) { return m_state.mood_group; }

void Diplomacy_Set_Statement_Mood_Group(int16_t group)
{
    m_state.mood_group = std::clamp<int16_t>(group, 0, DIPL_NUM_MOOD_GROUPS - 1);
}

void Diplomacy_Set_Break_Treaty_Player(int16_t player_idx) { m_state.break_treaty_player = player_idx; }

int16_t Diplomacy_Break_Treaty_Player(void) { return m_state.break_treaty_player; }

void Diplomacy_Set_Threat_Gold(int16_t gold) { m_state.threat_gold = gold; }

void Diplomacy_Add_Incentive_To_Message(int16_t spell, int16_t gold)
{
    if (gold == 0) return;
    Message_Builder out{m_state.message, strnlen(m_state.message, DIPL_MESSAGE_SIZE - 1)};
    if (spell != 0) {
        Add_Spell_Name(out, spell);
        out.Add(" spell");
    } else {
        out.Add_Number(gold);
        out.Add(" gold");
    }
}
