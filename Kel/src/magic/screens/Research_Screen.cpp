#include "magic/screens/Research_Screen.h"
#include "heroes/Item_Making.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Research.h"
#include "magic/Spellbook_Pages.h"
#include "magic/Spellbook_Screen.h"
#include "magic/screens/Cast_Screens.h"
#include "magic/screens/Learn_Spell_Animation.h"
#include "magic/screens/Magic_Notes.h"
#include "magic/screens/Mana_Adder_Screen.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t RESEARCH_SLOT_WIDTH = 110;
constexpr int16_t RESEARCH_SLOT_HEIGHT = 33;

constexpr int16_t BIG_BOOK_HELP_ENTRY = 24;
constexpr int16_t BIG_BOOK_HELP_RECORDS = 10;
constexpr int16_t BIG_BOOK_HELP_FIRST_LINE = 2;

}  // namespace

void Big_Book_Help_Load(void)
{
    Set_Help_List_From_Entry(BIG_BOOK_HELP_ENTRY, BIG_BOOK_HELP_RECORDS);
    _help_entries[0].help_idx = -1;
    _help_entries[1].help_idx = -1;
    Big_Book_Help_Update();
}

void Big_Book_Help_Update(void)
{
    for (int16_t line = 0; line < 2 * BIG_BOOK_PER_PAGE; line++) {
        const int16_t page = (int16_t)(g_spellbook_left_page + line / BIG_BOOK_PER_PAGE);
        _help_entries[BIG_BOOK_HELP_FIRST_LINE + line].help_idx =
            Big_Book_Help_Index(page, (int16_t)(line % BIG_BOOK_PER_PAGE));
    }
}

int16_t Research_Choice_Screen(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t count = 0;
    for (int16_t spell : human.research_spells)
        if (spell != 0) count++;
    if (count == 0) return -1;
    if (magic_research_fade != 0) {
        Set_Page_Off();
        Fill(0, 0, 319, 199, 0);
        Toggle_Pages();
    }
    uint8_t *book = LBX_Reload_Picture("SCROLL", 6, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (book != nullptr) FLIC_Draw(0, 0, book);
    Copy_Off_To_Back();
    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    g_spellbook_mode = 0;
    g_spellbook_left_page = g_first_research_page;
    BigBook_Load_Spell_Descriptions(g_spellbook_left_page);
    Clear_Fields();
    int16_t fields[NUM_RESEARCH_CANDIDATES];
    for (int16_t i = 0; i < NUM_RESEARCH_CANDIDATES; i++) {
        int16_t x = (int16_t)((i / 4) * 147 + 25);
        int16_t y = (int16_t)((i % 4) * 37 + 25);
        fields[i] = Add_Hidden_Field(x, y, (int16_t)(x + RESEARCH_SLOT_WIDTH - 1),
                                     (int16_t)(y + RESEARCH_SLOT_HEIGHT - 1), "", -1);
        STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] slot=%d field=%d spell=%d rect=(%d,%d)-(%d,%d) size=%dx%d", (int)i,
                (int)fields[i], (int)human.research_spells[i], (int)x, (int)y, (int)(x + RESEARCH_SLOT_WIDTH - 1),
                (int)(y + RESEARCH_SLOT_HEIGHT - 1), (int)RESEARCH_SLOT_WIDTH, (int)RESEARCH_SLOT_HEIGHT);
    }
    int16_t words_end = fields_count;
    Big_Book_Help_Load();
    Assign_Auto_Function(BigBook_Draw, 1);
    _page_flip_effect = 3;
    BigBook_Draw();
    PageFlip_FX();
    int frames = 0;
    int16_t chosen = -1;
    while (chosen < 0) {
        Mark_Time();
        Clear_Fields_Above((int16_t)(words_end - 1));
        int16_t hit = Get_Input();
        Big_Book_Help_Update();
        if (quit_game_flag) break;
        for (int16_t i = 0; i < NUM_RESEARCH_CANDIDATES; i++) {
            if (hit != fields[i]) continue;
            STU_LOG(SEV_INFO, LC_SPELLBOOK,
                    "[RESEARCH] CLICK matched slot=%d field=%d -> spell=%d (researching_spell_idx)", (int)i, (int)hit,
                    (int)human.research_spells[i]);
            if (human.research_spells[i] != 0) chosen = i;
        }
        if (chosen < 0) {
            BigBook_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) break;
        }
    }
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Clear_Fields();
    Reset_Window();
    if (magic_research_fade != 0) {
        Set_Page_Off();
        Fill(0, 0, 319, 199, 0);
        Toggle_Pages();
        Load_Palette(0, -1, 0);
    }
    return chosen;
}

void Magic_Install_Screens(void)
{
    Magic_Services services = {};
    services.research_choice = Research_Choice_Screen;
    services.learn_spell_scene = Learn_Spell_Scene;
    services.confirm = Confirmation_Box;
    services.notify = Magic_Note;
    services.mana_adder = Spellbook_Mana_Adder_Screen;
    services.dissolve_main_screen = Dissolve_Main_Screen;
    services.item_make = Item_Make_Screen;
    Magic_Install_Cast_Screens(services);
    Magic_Set_Services(services);
}
