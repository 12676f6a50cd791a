// The panel over the main screen on which the human picks a rival's global enchantment to dispel or
// bind, and sees how the attempt went. It has no cancel: a line must be picked.
#include "magic/screens/Global_Enchantment_Panel.h"

#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spellbook_Screen.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t PANEL_X = 50;
constexpr int16_t LINES_PER_RIVAL = 3;
constexpr int16_t ROW_HEIGHT = 46;
constexpr int16_t LINE_HEIGHT = 13;
constexpr int16_t TEXT_X = 126;
constexpr int16_t MARK_X = 123;
constexpr int16_t GEM_X = 58;
constexpr int16_t ARROW_X = 111;
constexpr int16_t DISJUNCTION_FRAMES = 24;
constexpr int16_t DISJUNCTION_OUTCOME_FRAME = 11;
constexpr int16_t DISJUNCTION_FADE_LAST = 20;
constexpr uint16_t MARK_BITMAP_PARAGRAPHS = 100;
constexpr int16_t BINDING_FRAMES = 54;
constexpr int16_t BINDING_OUTCOME_FRAME = 24;
constexpr uint8_t NAME_ALIAS_COLOUR = 186;

struct Panel {
    uint8_t *panel, *mark, *grey_gem, *broken_gem, *up, *down;
    uint8_t *gems[NUM_PLAYERS];
    int16_t players, top;
    int16_t spell;
    int16_t count[NUM_PLAYERS];  // entries per player
    int16_t first_entry[NUM_PLAYERS];
    int16_t first_shown[NUM_PLAYERS];
    int16_t picked_line;  // 0-based over all rows, -1 none
    int16_t hover_line;   // the line under the pointer while a choice is needed, -1 none
    int16_t mark_vanish;  // per cent of the mark left out while it fades in, 0 whole
    uint8_t *mark_bitmap;
    int16_t outcome;  // -1 while a choice is needed, else 0 failure or 1 success
    bool mark_shown;
};
Panel m_panel = {};

int16_t Line_Y(int16_t line) { return (int16_t)(m_panel.top + 13 * (line + 1) + 3 + 7 * (line / LINES_PER_RIVAL)); }

bool Binding(void) { return m_panel.spell == spl_Spell_Binding; }

void Set_Colours(int16_t style)
{
    uint8_t colours[16] = {246, 178, 179, 180, 181, 182, 182, 182, 182, 182, 182, 182, 182, 182, 182, 182};
    Set_Font_Colors_15(style, colours);
}

void Load_Panel(int16_t spell_idx)
{
    m_panel = {};
    m_panel.spell = spell_idx;
    m_panel.players = (int16_t)(_num_players < 2 ? 2 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players);
    m_panel.top = (int16_t)(115 - 23 * m_panel.players);
    m_panel.picked_line = -1;
    m_panel.hover_line = -1;
    m_panel.outcome = -1;
    Set_Page_Off();
    Main_Screen_Draw();
    m_panel.panel = LBX_Reload_Picture("SPELLSCR", 1, _screen_seg);
    m_panel.mark = LBX_Reload_Next_Picture("SPELLSCR", 7, _screen_seg);
    m_panel.grey_gem = LBX_Reload_Next_Picture("RAROZ", 6, _screen_seg);
    m_panel.broken_gem = LBX_Reload_Next_Picture("RAROZ", 51, _screen_seg);
    m_panel.up = LBX_Reload_Next_Picture("RESOURCE", 32, _screen_seg);
    m_panel.down = LBX_Reload_Next_Picture("RESOURCE", 33, _screen_seg);
    m_panel.mark_bitmap = Allocate_Next_Block(_screen_seg, MARK_BITMAP_PARAGRAPHS);
    for (int16_t rival = 1; rival < m_panel.players; rival++) {
        const Player_Record &wizard = _players[rival];
        int16_t entry = (int16_t)(wizard.wizard_id * 5 + (wizard.banner_id < 5 ? wizard.banner_id : 0));
        if (entry >= 0 && entry < 70) m_panel.gems[rival] = LBX_Reload_Next_Picture("LILWIZ", entry, _screen_seg);
    }
    const int16_t bottom = (int16_t)(m_panel.top + ROW_HEIGHT * m_panel.players - 36);
    Set_Page_Off();
    if (m_panel.panel != nullptr) {
        Set_Window(0, 0, 319, bottom);
        Clipped_Draw(PANEL_X, m_panel.top, m_panel.panel);
        Set_Window(0, (int16_t)(bottom + 1), 319, 199);
        Clipped_Draw(PANEL_X, (int16_t)(m_panel.top + ROW_HEIGHT * m_panel.players - 230), m_panel.panel);
        Reset_Window();
    }
    if (m_panel.top > 0) {
        Line(PANEL_X, (int16_t)(m_panel.top - 1), 258, (int16_t)(m_panel.top - 1), 1);
        Line(PANEL_X, (int16_t)(bottom + 6), 258, (int16_t)(bottom + 6), 1);
    }
    Copy_Off_To_Back();
    for (int16_t entry = 0; entry < ovl_ench_cnt && entry < OVL_ENCH_LIST_MAX; entry++) {
        uint8_t owner = ovl_ench_list_players[entry];
        if (owner >= NUM_PLAYERS) continue;
        if (m_panel.count[owner] == 0) m_panel.first_entry[owner] = entry;
        m_panel.count[owner]++;
    }
}

// The list entry shown on the rival's line (0-2), or -1.
int16_t Entry_On_Line(int16_t rival, int16_t line)
{
    int16_t shown = (int16_t)(m_panel.first_shown[rival] + line);
    return shown < m_panel.count[rival] ? (int16_t)(m_panel.first_entry[rival] + shown) : (int16_t)-1;
}

void Draw_Panel(void)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t rival = 1; rival < m_panel.players; rival++) {
        bool standing = _FORTRESSES != nullptr && _FORTRESSES[rival].active == 1;
        uint8_t *gem = (standing && human.Dipl_Contacted[rival] != 0) || m_panel.count[rival] > 0 ? m_panel.gems[rival]
                       : standing                                                                 ? m_panel.grey_gem
                                                                                                  : m_panel.broken_gem;
        if (gem != nullptr) FLIC_Draw(GEM_X, (int16_t)(m_panel.top + ROW_HEIGHT * rival - 32), gem);
        for (int16_t line = 0; line < LINES_PER_RIVAL; line++) {
            int16_t entry = Entry_On_Line(rival, line);
            int16_t spell = entry >= 0 ? ovl_ench_list_spells[entry] : (int16_t)0;
            if (spell <= 0 || spell >= NUM_SPELLS || spell_data_table == nullptr) continue;
            char name[sizeof spell_data_table[0].name + 1] = {};
            memcpy(name, spell_data_table[spell].name, sizeof spell_data_table[0].name);
            Set_Alias_Color(NAME_ALIAS_COLOUR);
            Set_Colours(2);
            Set_Font_Style(2, 15, 15, 15);
            Print(TEXT_X, (int16_t)(m_panel.top + ROW_HEIGHT * rival - 28 + LINE_HEIGHT * line), name);
        }
    }
    if (m_panel.outcome < 0 && m_panel.hover_line >= 0 && m_panel.mark != nullptr) {
        FLIC_Draw(MARK_X, Line_Y(m_panel.hover_line), m_panel.mark);
    }
    if (m_panel.mark_shown && m_panel.picked_line >= 0 && m_panel.mark != nullptr) {
        const int16_t width = (int16_t)(m_panel.mark[0] | (m_panel.mark[1] << 8));
        const int16_t height = (int16_t)(m_panel.mark[2] | (m_panel.mark[3] << 8));
        const bool fits = width > 0 && height > 0 && (int32_t)width * height + 16 <= MARK_BITMAP_PARAGRAPHS * 16;
        if (m_panel.mark_vanish > 0 && m_panel.mark_bitmap != nullptr && fits) {
            Create_Blank_Picture(width, height, m_panel.mark_bitmap, 0);
            Reset_Animation_Frame(m_panel.mark);
            Draw_Picture_To_Bitmap(m_panel.mark, m_panel.mark_bitmap);
            Vanish_Bitmap(m_panel.mark_bitmap, m_panel.mark_vanish);
            Draw_Picture(MARK_X, Line_Y(m_panel.picked_line), m_panel.mark_bitmap);
        } else {
            FLIC_Draw(MARK_X, Line_Y(m_panel.picked_line), m_panel.mark);
        }
    }
    const char *message;
    if (m_panel.outcome < 0) {
        message = Binding() ? "Select a spell to bind." : "Select a spell to disjunct.";
    } else if (m_panel.outcome == 1) {
        message = Binding() ? "Spell succesfully bound." : "Spell succesfully dispelled.";
    } else {
        message = Binding() ? "Spell Binding unsuccesful" : "Disjunction unsuccesful";
    }
    Set_Colours(4);
    Set_Font_Style(4, 15, 15, 15);
    Print_Centered(155, (int16_t)(m_panel.top + 3), message);
}

int16_t Pick_Enchantment(int16_t spell_idx, int16_t caster_idx)
{
    Load_Panel(spell_idx);
    int16_t picked = -1;
    int frames = 0;
    while (picked < 0) {
        Clear_Fields();
        int16_t line_fields[NUM_PLAYERS][LINES_PER_RIVAL] = {};
        int16_t up_fields[NUM_PLAYERS] = {}, down_fields[NUM_PLAYERS] = {};
        for (int16_t rival = 1; rival < m_panel.players; rival++) {
            int16_t row = (int16_t)(rival - 1);
            for (int16_t line = 0; line < LINES_PER_RIVAL; line++) {
                int16_t y = (int16_t)(m_panel.top + ROW_HEIGHT * row + 16 + LINE_HEIGHT * line);
                line_fields[rival][line] = Add_Hidden_Field(124, y, 244, (int16_t)(y + LINE_HEIGHT - 1), "", -1);
            }
            up_fields[rival] = down_fields[rival] = -1000;
            if (m_panel.first_shown[rival] > 0 && m_panel.up != nullptr) {
                up_fields[rival] =
                    Add_Button_Field(ARROW_X, (int16_t)(m_panel.top + ROW_HEIGHT * row + 19), "", m_panel.up, "", -1);
            }
            if (m_panel.first_shown[rival] + LINES_PER_RIVAL < m_panel.count[rival] && m_panel.down != nullptr) {
                down_fields[rival] =
                    Add_Button_Field(ARROW_X, (int16_t)(m_panel.top + ROW_HEIGHT * row + 43), "", m_panel.down, "", -1);
            }
        }
        Draw_Panel();
        for (int16_t rival = 1; rival < m_panel.players; rival++) {
            if (up_fields[rival] >= 0)
                FLIC_Draw(ARROW_X, (int16_t)(m_panel.top + ROW_HEIGHT * (rival - 1) + 19), m_panel.up);
            if (down_fields[rival] >= 0) {
                FLIC_Draw(ARROW_X, (int16_t)(m_panel.top + ROW_HEIGHT * (rival - 1) + 43), m_panel.down);
            }
        }
        Toggle_Pages();
        Mark_Time();
        int16_t hit = Get_Input();
        const int16_t under = Scan_Field();
        m_panel.hover_line = -1;
        for (int16_t rival = 1; rival < m_panel.players; rival++) {
            for (int16_t line = 0; line < LINES_PER_RIVAL; line++) {
                if (under == line_fields[rival][line] && Entry_On_Line(rival, line) >= 0) {
                    m_panel.hover_line = (int16_t)((rival - 1) * LINES_PER_RIVAL + line);
                }
            }
        }
        for (int16_t rival = 1; rival < m_panel.players && hit > 0; rival++) {
            if (hit == up_fields[rival]) m_panel.first_shown[rival]--;
            if (hit == down_fields[rival]) m_panel.first_shown[rival]++;
            for (int16_t line = 0; line < LINES_PER_RIVAL; line++) {
                int16_t entry = Entry_On_Line(rival, line);
                if (hit == line_fields[rival][line] && entry >= 0 && ovl_ench_list_players[entry] != caster_idx) {
                    picked = entry;
                    m_panel.picked_line = (int16_t)((rival - 1) * LINES_PER_RIVAL + line);
                }
            }
        }
        if (picked >= 0 || quit_game_flag) break;
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) picked = Magic_First_Rival_Enchantment(caster_idx);
    }
    Clear_Fields();
    if (picked >= 0 && m_panel.picked_line < 0) {
        // The unattended pick: marked only when it stands on a shown line.
        uint8_t owner = ovl_ench_list_players[picked];
        int16_t line = (int16_t)(picked - m_panel.first_entry[owner < NUM_PLAYERS ? owner : 0]);
        if (owner >= 1 && owner < m_panel.players && line >= 0 && line < LINES_PER_RIVAL) {
            m_panel.picked_line = (int16_t)((owner - 1) * LINES_PER_RIVAL + line);
        }
    }
    return picked;
}

void Show_Outcome(int16_t entry, int16_t spell_idx, int16_t success)
{
    int16_t frames = Binding() ? BINDING_FRAMES : DISJUNCTION_FRAMES;
    int16_t outcome_frame = Binding() ? BINDING_OUTCOME_FRAME : DISJUNCTION_OUTCOME_FRAME;
    Clear_Fields();
    Add_Hidden_Field(0, 0, 319, 199, "\x1b", -1);
    for (int16_t frame = 0; frame < frames; frame++) {
        Mark_Time();
        if (frame == outcome_frame) {
            m_panel.outcome = success;
            m_panel.mark_shown = success != 0;
        }
        // A dispelled line's mark fades in over ten frames.
        const bool fading = !Binding() && frame >= DISJUNCTION_OUTCOME_FRAME && frame <= DISJUNCTION_FADE_LAST;
        m_panel.mark_vanish = fading ? (int16_t)(100 - (10 * frame - 110)) : (int16_t)0;
        Draw_Panel();
        Toggle_Pages();
        if (Get_Input() != 0) break;
        Release_Time(2);
    }
    m_panel.outcome = success;
    m_panel.mark_shown = success != 0;
    m_panel.mark_vanish = 0;
    int waited = 0;
    for (;;) {
        Draw_Panel();
        Toggle_Pages();
        if (Get_Input() != 0 || quit_game_flag) break;
        Release_Time(2);
        if (Unattended_Frame_Done(&waited)) break;
    }
    Clear_Fields();
    Dissolve_Main_Screen();
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "Global_Enchantment_Panel: entry %d of spell %d: %s", (int)entry, (int)spell_idx,
            success ? "success" : "failure");
}

}  // namespace

void Magic_Install_Global_Enchantment_Panel(Magic_Services &services)
{
    services.pick_global_enchantment = Pick_Enchantment;
    services.global_enchantment_outcome = Show_Outcome;
}
