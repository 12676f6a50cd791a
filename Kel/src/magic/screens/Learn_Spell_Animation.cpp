#include "magic/screens/Learn_Spell_Animation.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Spellbook_Pages.h"
#include "magic/Spellbook_Screen.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Background_Music.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/End_Of_Turn.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int GS_SPELL_ANIMATIONS = 15;
constexpr int16_t LEARN_MUSIC = 40;
constexpr int16_t LAB_FRAMES = 60;
constexpr int16_t REVEAL_STAGES = 45;
constexpr int16_t OVERLAY_WIDTH = 129;
constexpr int16_t OVERLAY_HEIGHT = 37;
constexpr int16_t SPARKLE_ENTRY = 49;
constexpr int16_t LAB_ROOM = 19;
constexpr int16_t LAB_FOREGROUND = 20;
constexpr int16_t LAB_FAMILIAR_BASE = 14;
constexpr int16_t LAB_COLUMN = 21;
constexpr int16_t NOTICE_PICTURE = 60;

const int16_t g_spell_decode_x_r[6] = {53, 45, 37, 16, 6, 6};
const int16_t g_spell_decode_x_l[6] = {64, 71, 79, 101, 111, 111};

uint8_t m_page[PICTURE_BITMAP_HEADER + BIG_BOOK_PAGE_WIDTH * BIG_BOOK_PAGE_HEIGHT];
uint8_t m_other[PICTURE_BITMAP_HEADER + BIG_BOOK_PAGE_WIDTH * BIG_BOOK_PAGE_HEIGHT];
uint8_t m_overlay[PICTURE_BITMAP_HEADER + OVERLAY_WIDTH * OVERLAY_HEIGHT];

struct Lab {
    uint8_t *wizard;
    uint8_t *foreground;
    uint8_t *familiar;
    uint8_t *column;
};
Lab m_lab = {};
uint8_t *m_sparkle = nullptr;
int16_t m_spell_page = 0;

void Colours(int16_t style, uint8_t colour)
{
    uint8_t colours[16];
    std::memset(colours, colour, sizeof colours);
    Set_Font_Colors_15(style, colours);
    Set_Font_Style(style, 15, 15, 15);
}

bool Any_Input(int16_t input) { return input != 0 || quit_game_flag; }

// The first main realm of the wizard: the realm of which he holds the most books.
int16_t First_Main_Realm(const Player_Record &wizard)
{
    int16_t best = 0;
    for (int16_t realm = 1; realm < 5; realm++)
        if (wizard.spellranks[realm] > wizard.spellranks[best]) best = realm;
    return best;
}

void Draw_Slot_Overlay(int16_t spell)
{
    Create_Blank_Picture(OVERLAY_WIDTH, OVERLAY_HEIGHT, m_overlay, 0);
    Colours(7, SPELLBOOK_HIGHLIGHT);
    Print_To_Bitmap(0, 0, spell_data_table[spell].name, m_overlay);
    Colours(6, 184);
    Print_To_Bitmap(0, 11, "SP Cost :", m_overlay);
    char cost[12];
    snprintf(cost, sizeof cost, "%d", (int)Casting_Cost(HUMAN_PLAYER_IDX, spell, 0));
    Print_Right_To_Bitmap(42, 11, cost, m_overlay);
    char description[SPELL_DESCRIPTION_SIZE];
    std::memcpy(description, g_spellbook_descriptions[(g_spellbook_mode == 0 ? 0 : 1) * 4 + GUI_Multipurpose_Int],
                SPELL_DESCRIPTION_SIZE);
    description[SPELL_DESCRIPTION_SIZE - 1] = '\0';
    Set_Font_LF(0);
    Set_Font_Spacing(1);
    Print_Paragraph_To_Bitmap(0, 17, 128, description, 0, m_overlay);
}

// Shows the book at the spread of the learned spell, and on the right page when its page is odd.
bool Open_At_Spell(int16_t spell)
{
    for (int16_t p = 0; p < m_spellbook_page_count - 2; p++) {
        const Spellbook_Page &page = m_spellbook_pages[p];
        for (int16_t j = 0; j < page.count && j < BIG_BOOK_PER_PAGE; j++) {
            int16_t s = page.spells[j] < 0 ? (int16_t)-page.spells[j] : page.spells[j];
            if (s != spell) continue;
            g_spellbook_left_page = (int16_t)(p - (p % 2));
            g_spellbook_mode = (int16_t)(p % 2);
            GUI_Multipurpose_Int = j;
            m_spell_page = p;
            return true;
        }
    }
    return false;
}

void Show(void) { Toggle_Pages(); }

}  // namespace

void Learn_Spell_Animation_Load(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    uint8_t *room = LBX_Reload_Picture("WIZLAB", LAB_ROOM, _screen_seg);
    m_lab.wizard = LBX_Reload_Next_Picture("WIZLAB", human.wizard_id, _screen_seg);
    m_lab.foreground = LBX_Reload_Next_Picture("WIZLAB", LAB_FOREGROUND, _screen_seg);
    m_lab.familiar =
        LBX_Reload_Next_Picture("WIZLAB", (int16_t)(LAB_FAMILIAR_BASE + First_Main_Realm(human)), _screen_seg);
    m_lab.column = LBX_Reload_Next_Picture("WIZLAB", LAB_COLUMN, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (room != nullptr) FLIC_Draw(0, 0, room);
    if (m_lab.wizard != nullptr) FLIC_Load_Palette(m_lab.wizard, 0);
    Copy_Off_To_Back();
}

void Learn_Spell_Animation_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_lab.foreground != nullptr) FLIC_Draw(149, 133, m_lab.foreground);
    if (m_lab.wizard != nullptr) {
        Set_Animation_Frame(m_lab.wizard, 0);
        FLIC_Draw(69, 75, m_lab.wizard);
    }
    if (m_lab.familiar != nullptr) Clipped_Draw(190, 160, m_lab.familiar);
    if (m_lab.column != nullptr) Clipped_Draw(132, -3, m_lab.column);
}

void Fill_Black_Draw(void)
{
    Set_Page_Off();
    Fill(0, 0, 319, 199, 1);
}

void Learn_Spell_Animation_Decode_Draw(void)
{
    const bool right = g_spellbook_mode == 1;
    const int16_t slot_y = (int16_t)(BIG_BOOK_LINE_HEIGHT * GUI_Multipurpose_Int);
    const int16_t stage = g_spellbook_anim_stage;
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    int16_t other = right ? g_spellbook_left_page : (int16_t)(g_spellbook_left_page + 1);
    BigBook_Compose(other, m_other, right ? 1 : 0);
    Draw_Picture_Windowed(right ? BIG_BOOK_LEFT_X : BIG_BOOK_RIGHT_X, BIG_BOOK_PAGE_Y, m_other);
    BigBook_Compose(m_spell_page, m_page, right ? 0 : 1);
    if (stage < 22) {
        Clear_Bitmap_Region(0, (int16_t)(slot_y + 48), BIG_BOOK_PAGE_WIDTH, (int16_t)(slot_y + 82), m_page);
    } else if (stage < 28) {
        int k = stage - 22;
        Clear_Bitmap_Region(0, (int16_t)(slot_y + 48), g_spell_decode_x_r[k], (int16_t)(slot_y + 82), m_page);
        Clear_Bitmap_Region(g_spell_decode_x_l[k], (int16_t)(slot_y + 48), BIG_BOOK_PAGE_WIDTH, (int16_t)(slot_y + 82),
                            m_page);
        Clear_Bitmap_Region(g_spell_decode_x_r[k], 0, g_spell_decode_x_l[k], OVERLAY_HEIGHT, m_overlay);
    }
    const int16_t page_x = right ? BIG_BOOK_RIGHT_X : BIG_BOOK_LEFT_X;
    Draw_Picture_Windowed(page_x, BIG_BOOK_PAGE_Y, m_page);
    if (stage < 27) Draw_Picture_Windowed(page_x, (int16_t)(slot_y + 28), m_overlay);
    if (stage >= 16 && stage <= 28 && m_sparkle != nullptr) {
        Set_Animation_Frame(m_sparkle, (int16_t)(stage - 16));
        Clipped_Draw(right ? 168 : 20, (int16_t)(slot_y + (right ? 24 : 21)), m_sparkle);
    }
}

void Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return;
    if (Game_Settings_Word(GS_SPELL_ANIMATIONS) == 0) {
        char text[80];
        snprintf(text, sizeof text, "You have mastered the spell of %s", spell_data_table[spell_idx].name);
        uint8_t *picture = LBX_Reload_Picture("SPELLSCR", NOTICE_PICTURE, _screen_seg);
        Assign_Auto_Function(Full_Draw_Main_Screen, 1);
        Notify2(160, 40, 0, text, 0, picture, 9, 5, nullptr, 0, 0, 0, 0);
        Deactivate_Auto_Function();
        return;
    }
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] laboratory for spell=%d", (int)spell_idx);
    if (Game_Settings_Word(GS_BACKGROUND_MUSIC) != 0) {
        Stop_All_Sounds();
        uint8_t *music = LBX_Reload("MUSIC", LEARN_MUSIC, SND_Music_Segment);
        if (music != nullptr) Play_Sound(music, lbxload_entry_length);
    }
    Fade_Out();
    Learn_Spell_Animation_Load();
    Learn_Spell_Animation_Draw();
    _page_flip_effect = 2;
    PageFlip_FX();
    _page_flip_effect = 0;
    Clear_Fields();
    Add_Hidden_Field(0, 0, 319, 199, "", -1);
    int frames = 0;
    for (int16_t frame = 0; frame < LAB_FRAMES; frame++) {
        Mark_Time();
        if (Any_Input(Get_Input())) break;
        Learn_Spell_Animation_Draw();
        Show();
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Fade_Out();
    Assign_Auto_Function(Fill_Black_Draw, 1);
    Fill_Black_Draw();
    Show();
    Load_Palette(0, -1, 0);
    Reset_Cycle_Palette_Color();
    Set_Palette_Changes(0, 254);
    Calculate_Remap_Colors();

    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    uint8_t *book = LBX_Reload_Picture("SCROLL", 6, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (book != nullptr) FLIC_Draw(0, 0, book);
    Copy_Off_To_Back();
    if (!Open_At_Spell(spell_idx)) {
        g_spellbook_left_page = 0;
        g_spellbook_mode = 0;
        GUI_Multipurpose_Int = 0;
        m_spell_page = 0;
    }
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] reveal spell=%d page=%d left=%d slot=%d", (int)spell_idx,
            (int)m_spell_page, (int)g_spellbook_left_page, (int)GUI_Multipurpose_Int);
    BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
    m_sparkle = LBX_Reload_Next_Picture("SPECFX", SPARKLE_ENTRY, _screen_seg);
    Draw_Slot_Overlay(spell_idx);
    Clear_Fields();
    Add_Hidden_Field(0, 0, 319, 199, "", -1);
    Assign_Auto_Function(Learn_Spell_Animation_Decode_Draw, 1);
    _page_flip_effect = 3;
    frames = 0;
    for (g_spellbook_anim_stage = 0; g_spellbook_anim_stage < REVEAL_STAGES; g_spellbook_anim_stage++) {
        Mark_Time();
        if (Any_Input(Get_Input())) break;
        if (g_spellbook_anim_stage < 15) Cycle_Palette_Color(SPELLBOOK_HIGHLIGHT, 18, 14, 9, 38, 38, 53, 2);
        Learn_Spell_Animation_Decode_Draw();
        if (g_spellbook_anim_stage == 0) {
            PageFlip_FX();
            _page_flip_effect = 0;
        } else {
            Show();
        }
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) break;
    }
    m_sparkle = nullptr;
    if (was_researched == 1) {
        int16_t candidates = 0;
        for (int16_t spell : _players[HUMAN_PLAYER_IDX].research_spells)
            if (spell != 0) candidates++;
        if (candidates == 0) {
            Stop_All_Sounds();
            Play_Background_Music();
            Deactivate_Auto_Function();
            Clear_Fields();
            g_spellbook_mode = 1;
            return;
        }
        g_spellbook_mode = 1;
        if (g_spellbook_left_page < g_first_research_page) {
            BigBook_Load_Spell_Descriptions((int16_t)(g_spellbook_left_page + 2));
            BigBook_PageTurn(1);
            g_spellbook_left_page = (int16_t)(g_spellbook_left_page + 2);
            BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
            BigBook_Draw();
            Show();
        }
        if (g_spellbook_left_page < g_first_research_page) {
            BigBook_Load_Spell_Descriptions(g_first_research_page);
            BigBook_PageTurn(BIG_BOOK_TO_RESEARCH);
            g_spellbook_left_page = g_first_research_page;
            BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
            BigBook_Draw();
            Show();
        }
        Set_Palette_Changes(0, 224);
        Calculate_Remap_Colors();
    }
    g_spellbook_mode = 1;
    Assign_Auto_Function(BigBook_Draw, 1);
    BigBook_Draw();
    Show();
    Deactivate_Auto_Function();
    Clear_Fields();
}
