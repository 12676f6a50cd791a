// The main menu's entries for the saved games present, their keys and choices, and the screen
// state machine's handling of numbers that name no screen and of the reset after play.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "ORV2.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Test_Temp_Dir.h"
#include "World_Fixture.h"
#include "overland/Main_Menu.h"
#include "random.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Move_Path_Cache.h"

namespace {

class Screens_Test : public ::testing::Test {
protected:
    Test_Temp_Dir user;

    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        Input_Reset_State();
        Platform_Keyboard_Buffer_Clear();
        Clear_Fields();
        quit_game_flag = 0;
        g_headless_unattended = 0;
    }
    void TearDown() override
    {
        quit_game_flag = 0;
        STU_GRAF_Set_User_Data_Dir(nullptr);
    }
    void Save_Files(std::initializer_list<int> numbers)
    {
        for (int n : numbers) Write_Text(user / ("SAVE" + std::to_string(n) + ".GAM"), "x");
    }
    // The menu's fields for the saved games in the user folder.
    void Build_Menu()
    {
        Clear_Fields();
        Main_Menu_Find_Saved_Games();
        Main_Menu_Add_Entry_Fields();
    }
    // The field a key hits, as the input loop finds it (0 none).
    static int16_t Field_For_Key(char character)
    {
        Platform_Keyboard_Buffer_Add_Key_Press(character, 0, character);
        int16_t field = 0;
        int16_t moved = 0;
        Interpret_Keyboard_Input(&field, &moved);
        return field;
    }
    static int16_t Field_At(int16_t x, int16_t y)
    {
        for (int16_t i = 1; i < fields_count; i++) {
            const Field_Record &f = p_fields[i];
            if (f.kind == ft_Hidden && x >= f.x1 && x <= f.x2 && y >= f.y1 && y <= f.y2) return i;
        }
        return 0;
    }
};

struct Rect {
    int16_t x1, y1, x2, y2;
    bool operator==(const Rect &o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};
Rect Rect_Of(int16_t field)
{
    const Field_Record &f = p_fields[field];
    return Rect{f.x1, f.y1, f.x2, f.y2};
}

TEST_F(Screens_Test, EntriesFollowTheSavedGamesPresent)
{
    struct Case {
        std::initializer_list<int> saves;
        bool has_continue;
        bool has_load;
        Rect continue_rect;
    };
    const Case cases[] = {
        {{}, false, false, {}},
        {{9}, true, false, {108, 150, 211, 161}},  // Continue takes Load's place
        {{2, 5}, false, true, {}},
        {{1, 9}, true, true, {108, 138, 211, 149}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.saves.size()) + " saves");
        for (int n = 1; n <= 9; n++) std::remove((user / ("SAVE" + std::to_string(n) + ".GAM")).c_str());
        Save_Files(c.saves);
        Build_Menu();
        EXPECT_EQ(cont_flag, c.has_continue ? 1 : 0);
        EXPECT_EQ(load_flag, c.has_load ? 1 : 0);
        EXPECT_EQ(_continue_button != -1000, c.has_continue);
        EXPECT_EQ(_load_button != -1000, c.has_load);
        if (c.has_continue) {
            EXPECT_TRUE(Rect_Of(_continue_button) == c.continue_rect);
            EXPECT_EQ(_help_entries[1].help_idx, 628);
        } else {
            EXPECT_EQ(_help_entries[1].help_idx, -1);
        }
        if (c.has_load) {
            EXPECT_TRUE((Rect_Of(_load_button) == Rect{108, 150, 211, 161}));
        }
        // New Game, Hall of Fame and Quit keep their places in every case.
        EXPECT_TRUE((Rect_Of(_new_button) == Rect{108, 162, 211, 173}));
        EXPECT_TRUE((Rect_Of(_hof_button) == Rect{108, 174, 211, 185}));
        EXPECT_TRUE((Rect_Of(_quit_button) == Rect{108, 186, 211, 199}));
        EXPECT_EQ(_help_entries[4].help_idx, 631);
        EXPECT_EQ(_help_entries[3].help_idx, 798);
    }
}

TEST_F(Screens_Test, SavedGameListHoldsSlotsOneToEightInOrder)
{
    Save_Files({8, 3, 1, 9});
    Main_Menu_Find_Saved_Games();
    ASSERT_EQ(save_game_count, 3);
    EXPECT_EQ(save_game_slots[0], 1);
    EXPECT_EQ(save_game_slots[1], 3);
    EXPECT_EQ(save_game_slots[2], 8);
    EXPECT_EQ(cont_flag, 1);
}

TEST_F(Screens_Test, ContinueInLoadsPlaceLeadsToTheContinueScreen)
{
    Save_Files({9});
    Build_Menu();
    int16_t hit = Field_At(150, 155);
    ASSERT_NE(hit, 0);
    EXPECT_EQ(hit, _continue_button);
    current_screen = scr_Main_Menu_Screen;
    EXPECT_EQ(Main_Menu_Select(hit), mm_Continue);
    EXPECT_EQ(current_screen, scr_Continue);
}

TEST_F(Screens_Test, HotKeysMatchEitherCaseAndAbsentEntriesHaveNone)
{
    Build_Menu();  // no saved games
    EXPECT_EQ(Field_For_Key('c'), 0);
    EXPECT_EQ(Field_For_Key('l'), 0);
    struct Case {
        char key;
        int16_t choice;
        int16_t screen;
    };
    const Case cases[] = {{'n', mm_New_Game, scr_New_Game_Screen},
                          {'H', mm_Hall_Of_Fame, scr_Hall_Of_Fame_Screen},
                          {'q', mm_Quit, scr_Quit_To_DOS},
                          {27, mm_Quit, scr_Quit_To_DOS}};
    for (const Case &c : cases) {
        current_screen = scr_Main_Menu_Screen;
        int16_t hit = Field_For_Key(c.key);
        EXPECT_EQ(Main_Menu_Select(hit), c.choice) << "key " << (int)c.key;
        EXPECT_EQ(current_screen, c.screen) << "key " << (int)c.key;
    }

    Save_Files({4, 9});
    Build_Menu();
    current_screen = scr_Main_Menu_Screen;
    EXPECT_EQ(Main_Menu_Select(Field_For_Key('c')), mm_Continue);
    EXPECT_EQ(current_screen, scr_Continue);
    EXPECT_EQ(Main_Menu_Select(Field_For_Key('l')), mm_Load);
    EXPECT_EQ(current_screen, scr_Load_Screen);
    EXPECT_EQ(Main_Menu_Select(0), mm_None);
    EXPECT_EQ(Main_Menu_Select(-3), mm_None);
}

// One process-wide sequence, since the loop keeps whether a game was played: the first menu
// visit keeps the world; numbers that name no screen go to the menu, or to the main screen once
// a game runs; the next visit of the menu resets the world with the command-line seed.
TEST_F(Screens_Test, UnknownScreensNeverSpinAndTheMenuResetsTheWorldAfterPlay)
{
    _turn = 7;
    _players[0].fame = 3;
    current_screen = scr_Main_Menu_Screen;
    quit_game_flag = 1;  // every screen leaves at its first input
    Screen_Control_Pass();
    EXPECT_EQ(current_screen, scr_Quit_To_DOS);
    EXPECT_EQ(_turn, 7) << "the first visit of the menu keeps the world";
    EXPECT_EQ(g_magic_exe_context, 1);
    EXPECT_EQ(previous_screen, scr_Main_Menu_Screen);

    for (int16_t screen : {104, 1, 16, 201, 999, -5}) {
        current_screen = screen;
        Screen_Control_Pass();
        EXPECT_EQ(current_screen, scr_Main_Menu_Screen) << "screen " << screen;
    }

    current_screen = scr_Settings_Screen;
    Screen_Control_Pass();
    EXPECT_EQ(current_screen, scr_Main_Screen) << "15 turns into the main screen";
    Screen_Control_Pass();
    EXPECT_EQ(Screen_Control_Game_Played(), 1);
    EXPECT_EQ(g_magic_exe_context, 0);
    EXPECT_EQ(previous_screen, scr_Main_Screen);

    for (int16_t screen : {104, 241}) {
        current_screen = screen;
        Screen_Control_Pass();
        EXPECT_EQ(current_screen, scr_Main_Screen) << "screen " << screen;
    }

    _cmd_line_seed = 4242;
    Set_Random_Seed(4242);
    uint32_t expected_seed = Get_Random_Seed();
    Set_Random_Seed(1);
    _UNITS[3].owner_idx = 2;
    _CITIES[0].size = 4;
    current_screen = scr_Main_Menu_Screen;
    Screen_Control_Pass();
    EXPECT_EQ(_turn, 0);
    EXPECT_EQ(_players[0].fame, 0);
    EXPECT_EQ(Get_Random_Seed(), expected_seed);
    EXPECT_EQ((uint8_t)_UNITS[3].owner_idx, 0xCC);
    EXPECT_EQ((uint8_t)_CITIES[0].size, 0xCC);
    EXPECT_EQ(magic_master_idx, -1);
    EXPECT_EQ(Screen_Control_Game_Played(), 0);
    _cmd_line_seed = 0;
    quit_game_flag = 0;
}

TEST_F(Screens_Test, NewGameAbandonedReturnsToTheMenuAndHallOfFameToo)
{
    for (int16_t screen : {scr_New_Game_Screen, scr_Hall_Of_Fame_Screen}) {
        // Escape abandons the new game on its first set-up screen and closes the hall of fame.
        if (screen == scr_New_Game_Screen) Enable_Cancel();
        Platform_Keyboard_Buffer_Add_Key_Press(KEY_ESCAPE, 0, KEY_ESCAPE);
        current_screen = screen;
        Screen_Control_Pass();
        EXPECT_EQ(current_screen, scr_Main_Menu_Screen) << "screen " << screen;
    }
}

TEST_F(Screens_Test, RefusedContinueFileKeepsTheWorldAndReturnsToTheMenu)
{
    _turn = 12;
    Write_Text(user / "SAVE9.GAM", std::string(100, 'x'));
    current_screen = scr_Continue;
    testing::internal::CaptureStderr();
    Screen_Control_Pass();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(current_screen, scr_Main_Menu_Screen);
    EXPECT_EQ(_turn, 12);
    EXPECT_NE(err.find("could not be loaded"), std::string::npos) << err;
}

// Resuming a game frees the first 100 entries of the computer players' path cache, which
// otherwise reads as all in use; the entries behind them are left as they were.
TEST_F(Screens_Test, ContinuedGameFreesTheComputerPlayersPathCache)
{
    std::filesystem::copy_file(TOLVA_BINARY_DIR "/standin/SAVE9.GAM", user / "SAVE9.GAM");
    memset(_ai_move_path_table, 0, AI_MOVE_PATH_CACHE_SIZE);
    AI_Move_Path_Entries()[139].from_x = 7;
    _ai_move_path_idx = 5;
    current_screen = scr_Continue;
    Screen_Control_Pass();
    ASSERT_EQ(current_screen, scr_Main_Screen);
    EXPECT_EQ(_ai_move_path_idx, -1);
    EXPECT_EQ(AI_Move_Path_Entries()[0].from_x, -1);
    EXPECT_EQ(AI_Move_Path_Entries()[99].from_x, -1);
    EXPECT_EQ(AI_Move_Path_Entries()[100].from_x, 0);
    EXPECT_EQ(AI_Move_Path_Entries()[139].from_x, 7);
}

}  // namespace
