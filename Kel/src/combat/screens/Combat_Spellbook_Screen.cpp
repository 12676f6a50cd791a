#include "combat/screens/Combat_Spellbook_Screen.h"
#include "combat/screens/Combat_Target_Screen.h"
#include "magic/screens/Mana_Adder_Screen.h"

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "STU_Log.h"
#include "Video.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Tables.h"
#include "combat/screens/Combat_Screen.h"
#include "magic/Spellbook_Pages.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t BOOK_X = 16;
constexpr int16_t BOOK_Y = 10;
constexpr int16_t SLOTS = 2 * SPELLBOOK_PAGE_SPELLS;
constexpr int16_t HELP_RECORDS = 15;
constexpr int16_t HELP_FIRST_SLOT = 3;
constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr int16_t SEA_BATTLE = 6;

int16_t Slot_Spell(int16_t slot)
{
    const int16_t page = (int16_t)(g_spellbook_left_page + slot / SPELLBOOK_PAGE_SPELLS);
    const int16_t k = (int16_t)(slot % SPELLBOOK_PAGE_SPELLS);
    if (page < 0 || page >= m_spellbook_page_count || k >= m_spellbook_pages[page].count) return -1;
    return m_spellbook_pages[page].spells[k];
}

void Compose_Background(void)
{
    Set_Page_Off();
    Combat_Screen_Draw();
    Copy_Off_To_Back();
}

// The silent refusals: a summons at sea that can neither fly nor pass as a spirit, a wall outside a
// city the human defends, a price above what the caster can spend.
bool Refused(int16_t caster, int16_t spell)
{
    const Spell_Data_Record &record = spell_data_table[spell];
    if (record.type == 0 && _combat_structure == SEA_BATTLE) {
        const int16_t type = record.Param_Words[0];
        const Unit_Type_Record *t = type >= 0 && type < NUM_UNIT_TYPES ? &_unit_type_table[type] : nullptr;
        if (t == nullptr || (!(t->Move_Flags & MV_FLYING) && !(t->Abilities & UA_NONCORPOREAL))) return true;
    }
    if ((record.type == 2 || spell == 3) && (_combat_attacker_player == HUMAN_PLAYER_IDX || _combat_structure != 1)) {
        return true;
    }
    const bool unit = caster < COMBAT_CASTER_WIZARD;
    const int16_t price = unit ? record.casting_cost : Casting_Cost(HUMAN_PLAYER_IDX, spell, 1);
    bool item_spell = false;
    if (unit && battle_units[caster].Item_Charges > 0) {
        const int16_t item = Battle_Unit_Hero_Item(battle_units[caster].unit_idx, 0);
        item_spell = item >= 0 && _ITEMS[item].Spell == spell;
    }
    return price > g_spellbook_cast_mana_limit && !item_spell;
}

void Show_Record(int16_t record)
{
    char text[MESSAGE_RECORD_SIZE + 1] = {};
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MESSAGE_RECORD_SIZE);
    text[MESSAGE_RECORD_SIZE] = '\0';
    STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] message record %d: %s", record, text);
    if (!g_headless_unattended) Warn1(text);
}

void Show_Text(const char *text)
{
    STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] %s", text);
    if (!g_headless_unattended && !_auto_combat_flag) Warn1(text);
}

void Show_Notice(const char *text, int16_t record, int16_t x, int16_t y, int16_t picture)
{
    (void)x, (void)y, (void)picture;
    if (text != nullptr) {
        STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] dispel: %s", text);
    } else {
        STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] dispel: message record %d", record);
    }
}

}  // namespace

void Combat_Spellbook_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    Combat_Spellbook_Draw(BOOK_X, BOOK_Y, _combat_caster_idx);
}

int16_t Combat_Spellbook_Screen(int16_t caster, int16_t *slot)
{
    _combat_caster_idx = caster;
    Compose_Background();
    g_spellbook_mode = 1;
    g_spellbook_left_page = (int16_t)(g_combat_spellbook_left_page & ~1);
    if (g_spellbook_left_page >= m_spellbook_page_count) g_spellbook_left_page = 0;
    Set_Help_List_From_Entry(0, HELP_RECORDS);
    Assign_Auto_Function(Combat_Spellbook_Screen_Draw, 1);
    int16_t chosen = -1;
    int16_t chosen_slot = 0;
    int frames = 0;
    while (chosen < 0) {
        Mark_Time();
        Clear_Fields();
        int16_t slot_fields[SLOTS];
        for (int16_t k = 0; k < SPELLBOOK_PAGE_SPELLS; k++) {
            const int16_t top = (int16_t)(29 + 22 * k);
            slot_fields[k] = Add_Hidden_Field(32, top, 153, (int16_t)(top + 17), "", -1);
            slot_fields[SPELLBOOK_PAGE_SPELLS + k] = Add_Hidden_Field(164, top, 284, (int16_t)(top + 17), "", -1);
        }
        const int16_t close_field = Add_Hidden_Field(175, 166, 193, 195, "", -1);
        const int16_t next_field = Add_Hidden_Field(275, 14, 288, 27, "F", -1);
        const int16_t previous_field = Add_Hidden_Field(29, 14, 42, 26, "B", -1);
        for (int16_t s = 0; s < SLOTS; s++) {
            const int16_t spell = Slot_Spell(s);
            _help_entries[HELP_FIRST_SLOT + s].help_idx =
                spell == -1 ? (int16_t)-1 : (int16_t)(spell < 0 ? -spell : spell);
        }
        const int16_t input = Get_Input();
        if (quit_game_flag) chosen = 0;
        if (input != 0 && input == close_field) {
            chosen = 0;
        } else if (input != 0 && input == next_field) {
            if (g_spellbook_left_page < m_spellbook_page_count - 2) {
                SmlBook_PageTurn(1, 1, caster);
                g_spellbook_left_page = (int16_t)(g_spellbook_left_page + 2);
            }
        } else if (input != 0 && input == previous_field) {
            if (g_spellbook_left_page > 1) {
                SmlBook_PageTurn(0, 1, caster);
                g_spellbook_left_page = (int16_t)(g_spellbook_left_page - 2);
            }
        } else {
            for (int16_t s = 0; s < SLOTS; s++) {
                if (input == 0 || input != slot_fields[s]) continue;
                const int16_t spell = Slot_Spell(s);
                STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] book slot %d spell %d", s, spell);
                if (spell > 0 && !Refused(caster, spell)) {
                    chosen = spell;
                    chosen_slot = s;
                }
            }
        }
        if (chosen < 0) {
            Combat_Spellbook_Screen_Draw();
            PageFlip_FX();
            Release_Time(2);
            if (Unattended_Frame_Done(&frames)) chosen = 0;
        }
    }
    g_combat_spellbook_left_page = g_spellbook_left_page;
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Clear_Fields();
    *slot = chosen_slot;
    Compose_Background();
    return chosen;
}

void Combat_Casting_Screen_Hooks(Combat_Rule_Hooks *hooks)
{
    hooks->spellbook_screen = Combat_Spellbook_Screen;
    hooks->spell_refused = Show_Record;
    hooks->spell_countered = Show_Text;
    hooks->dispel_notice = Show_Notice;
    hooks->spell_target = Combat_Spell_Target_Screen;
    hooks->mana_adder = Combat_Spellbook_Mana_Adder_Screen;
}
