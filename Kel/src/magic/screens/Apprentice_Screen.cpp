#include "Animation.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Spellbook_Pages.h"
#include "magic/screens/Research_Screen.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"

int16_t Apprentice_Screen(void)
{
    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    g_spellbook_left_page = g_first_research_page;
    g_spellbook_mode = 2;
    uint8_t *book = LBX_Reload_Picture("SCROLL", 6, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (book != nullptr) FLIC_Draw(0, 0, book);
    Copy_Off_To_Back();
    BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
    Clear_Fields();
    const int16_t back = Add_Hidden_Field(15, 7, 30, 22, "", -1);
    const int16_t forward = Add_Hidden_Field(290, 7, 305, 22, "", -1);
    const int16_t leave = Add_Hidden_Field(0, 25, 319, 199, "\x1B", -1);
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[APPRENTICE] open left=%d pages=%d", (int)g_spellbook_left_page,
            (int)m_spellbook_page_count);
    Big_Book_Help_Load();
    Assign_Auto_Function(BigBook_Draw, 1);
    BigBook_Draw();
    PageFlip_FX();
    int frames = 0;
    bool done = false;
    while (!done) {
        Mark_Time();
        int16_t input = Get_Input();
        Big_Book_Help_Update();
        if (quit_game_flag || (input != 0 && (input == leave || input == -leave))) {
            done = true;
            break;
        }
        if (input != 0 && (input == forward || input == -forward) &&
            g_spellbook_left_page < m_spellbook_page_count - 2) {
            BigBook_Load_Spell_Descriptions((int16_t)(g_spellbook_left_page + 2));
            BigBook_PageTurn(1);
            g_spellbook_left_page = (int16_t)(g_spellbook_left_page + 2);
            BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
            STU_LOG(SEV_INFO, LC_SPELLBOOK, "[APPRENTICE] forward left=%d", (int)g_spellbook_left_page);
        } else if (input != 0 && (input == back || input == -back) && g_spellbook_left_page > 1) {
            BigBook_Load_Spell_Descriptions((int16_t)(g_spellbook_left_page - 2));
            BigBook_PageTurn(0);
            g_spellbook_left_page = (int16_t)(g_spellbook_left_page - 2);
            BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
            STU_LOG(SEV_INFO, LC_SPELLBOOK, "[APPRENTICE] back left=%d", (int)g_spellbook_left_page);
        }
        Big_Book_Help_Update();
        BigBook_Draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Leave_Screen();
    return g_spellbook_left_page;
}
