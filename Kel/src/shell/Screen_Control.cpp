#include "shell/Screen_Control.h"

#include <cstring>
#include <initializer_list>
#include <strings.h>

#include "shell/Background_Music.h"
#include "world/ALLOC.h"
#include <cstdio>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Mouse.h"
#include "ORV2.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/CityList_Screen.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/Production_Screen.h"
#include "combat/Combat_Entry.h"
#include "dev/PoC_Screen.h"
#include "dev/Test_Screen.h"
#include "heroes/Item_Screen.h"
#include "info/screens/Advisor_Screen.h"
#include "info/screens/ArmyList_Screen.h"
#include "info/screens/Hall_Of_Fame.h"
#include "magic/Magic_Screen.h"
#include "magic/Spellbook_Screen.h"
#include "newgame/Newgame_Control.h"
#include "overland/Game_Resources.h"
#include "overland/Load_Screen.h"
#include "overland/Main_Menu.h"
#include "overland/Main_Screen.h"
#include "overland/Resume_Game.h"
#include "overland/Road_Build_Screen.h"
#include "random.h"
#include "turn/End_Of_Turn.h"
#include "turn/screens/Diplomacy_Screen.h"
#include "world/Game_Settings.h"
#include "world/Item_Record.h"
#include "world/LOADSAVE.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/World_Blocks.h"

int16_t current_screen = scr_Main_Menu_Screen;
int16_t g_modal_screen = -1;
int16_t previous_screen = scr_Main_Menu_Screen;
int16_t quit_game_flag = 0;
int16_t g_magic_exe_context = 1;
int16_t g_headless_unattended = 0;
int16_t g_headless_turn_wait = 0;

namespace {

constexpr int BLOCK_HEADER_BYTES = 16;

int16_t m_game_played = 0;
// 1 from a new game's making until the continue path has loaded it: that game still gets the
// turn-0 offer to name its starting city; any other loaded game has had it.
int16_t m_new_game_made = 0;
int16_t m_headers_saved = 0;
uint8_t m_units_header[BLOCK_HEADER_BYTES];
uint8_t m_items_header[BLOCK_HEADER_BYTES];
uint8_t m_lairs_header[BLOCK_HEADER_BYTES];

// The memory-block headers sit in the paragraph before each table.
uint8_t *Block_Header(void *table) { return static_cast<uint8_t *>(table) - BLOCK_HEADER_BYTES; }

void Reset_Game_Records(void)
{
    if (_cmd_line_seed != 0)
        Set_Random_Seed((uint32_t)_cmd_line_seed);
    else
        Randomize();

    _turn = 0;
    _given_chance_to_rename_home_city = 0;
    magic_master_idx = -1;
    g_conquest_winner_idx = -1;
    m_magic_winner_idx = -1;

    World_Block_Fill(WB_PLAYERS, 0);
    for (World_Block_Id id : {WB_UNITS, WB_ITEMS, WB_CITIES, WB_LAIRS}) World_Block_Fill(id, 0xCC);

    if (m_headers_saved) {
        memcpy(Block_Header(_UNITS), m_units_header, BLOCK_HEADER_BYTES);
        memcpy(Block_Header(_ITEMS), m_items_header, BLOCK_HEADER_BYTES);
        memcpy(Block_Header(_LAIRS), m_lairs_header, BLOCK_HEADER_BYTES);
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Screen_Control: world records reset for a new game");
}

void Main_Menu_Path(void)
{
    if (m_game_played) {
        Reset_Game_Records();
        m_game_played = 0;
    }
    g_magic_exe_context = 1;
    if (!m_headers_saved) {
        memcpy(m_units_header, Block_Header(_UNITS), BLOCK_HEADER_BYTES);
        memcpy(m_items_header, Block_Header(_ITEMS), BLOCK_HEADER_BYTES);
        memcpy(m_lairs_header, Block_Header(_LAIRS), BLOCK_HEADER_BYTES);
        m_headers_saved = 1;
    }
    Load_Palette(2, -1, 0);
    Apply_Palette();
    Main_Menu_Screen();
    previous_screen = scr_Main_Menu_Screen;
}

void Continue_Path(void)
{
    int16_t new_game = m_new_game_made;
    m_new_game_made = 0;
    Load_VEZ_Resources_Once();
    Enable_Cancel();
    if (!Load_SAVE_GAM(SAVE_GAM_SLOT_CONTINUE)) {
        // A refused or missing continue file leaves the world as it was; the player is told why
        // and gets the main menu back instead of losing the session.
        const char *why = Load_SAVE_GAM_Refusal();
        STU_LOG(SEV_ERROR, LC_KEL_SCR, "Continue: the saved game was not loaded: %s", why);
        fprintf(stderr, "Tolva: the saved game could not be loaded: %s\n", why);
        LOADSAVE_Warn_Player("The saved game could not be loaded.");
        current_screen = scr_Main_Menu_Screen;
        return;
    }
    Load_Palette(0, -1, 0);
    Calculate_Remap_Colors();
    Set_Button_Down_Offsets(1, 1);
    Cycle_Palette_Color(198, 40, 0, 0, 63, 0, 0, 1);
    Apply_Palette();
    Fade_In();
    current_screen = scr_Main_Screen;
    _given_chance_to_rename_home_city = new_game ? 0 : 1;
    _players[NEUTRAL_PLAYER_IDX].banner_id = 5;
    Clear_Fields();
    Loaded_Game_Update();
    m_magic_winner_idx = -1;
    g_conquest_winner_idx = -1;
}

void Load_Path(void)
{
    Load_VEZ_Resources_Once();
    uint16_t music_before = magic_set.words[GS_BACKGROUND_MUSIC];
    Load_Screen();
    if (current_screen == scr_Main_Screen) Enable_Cancel();
    m_magic_winner_idx = -1;
    g_conquest_winner_idx = -1;
    destroy_combat_city = 0;
    uint16_t music_after = magic_set.words[GS_BACKGROUND_MUSIC];
    if (music_after != music_before && music_after == 1) Play_Background_Music();
}

void Main_Screen_Path(void)
{
    m_game_played = 1;
    g_magic_exe_context = 0;
    Load_Palette(0, -1, 0);
    Set_Button_Down_Offsets(1, 1);
    Cycle_Palette_Color(198, 40, 0, 0, 63, 0, 0, 1);
    Apply_Palette();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 7);
    Set_Page_On();
    Fill(0, 0, 319, 199, 5);
    Set_Page_Off();
    Main_Screen();
    previous_screen = scr_Main_Screen;
}

void No_Screen(void)
{
    // Nothing in the game produces these numbers; a script may. The loop must not spin on them.
    int16_t next = m_game_played ? scr_Main_Screen : scr_Main_Menu_Screen;
    STU_LOG(SEV_WARN, LC_KEL_SCR, "Screen_Control: screen %d names no screen; going to screen %d", (int)current_screen,
            (int)next);
    current_screen = next;
}

void New_Game_Path(void)
{
    m_new_game_made = Newgame_Control() != 0 ? 1 : 0;
    current_screen = m_new_game_made ? scr_Continue : scr_Main_Menu_Screen;
}

// Nothing runs for it: the loop ends on it.
void Quit_Path(void) {}

void Hall_Of_Fame_Path(void)
{
    Hall_Of_Fame_Screen();
    current_screen = scr_Main_Menu_Screen;
}

void Settings_Path(void) { current_screen = scr_Main_Screen; }

void Advisor_Path(void) { Advisor_Screen(-1); }

// The function of each screen, in the order of screen_table.
void (*const screen_functions[])(void) = {
#define SCREEN_FUNCTION(id, number, name, short_name, run) run,
    SCREEN_TABLE(SCREEN_FUNCTION)
#undef SCREEN_FUNCTION
};
static_assert(sizeof screen_functions / sizeof screen_functions[0] == SCREEN_TABLE_COUNT);

}  // namespace

int16_t Screen_Control_Game_Played(void) { return m_game_played; }

const Screen_Table_Entry *Screen_Table_Find(int screen)
{
    for (const Screen_Table_Entry &entry : screen_table) {
        if (entry.number == screen) return &entry;
    }
    return nullptr;
}

int Screen_Table_From_Name(const char *name)
{
    if (name == nullptr) return -1;
    for (const Screen_Table_Entry &entry : screen_table) {
        if (strcasecmp(entry.name, name) == 0) return entry.number;
    }
    return -1;
}

void Screen_Control_Pass(void)
{
    Clear_Fields();
    Set_Mouse_List(1, mouse_list_default);
    const Screen_Table_Entry *entry = Screen_Table_Find(current_screen);
    if (entry == nullptr) {
        No_Screen();
        return;
    }
    screen_functions[entry - screen_table]();
}

void Screen_Control(void)
{
    while (current_screen != scr_Quit_To_DOS) Screen_Control_Pass();
}
