// The load and save screen: the slots found, what a hit on a slot selects, a refused load that
// keeps the game in memory, Quit's continue save only when a game is in memory, and a failed save
// that leaves its slot unmarked.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Fields.h"
#include "Input.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "World_Fixture.h"
#include "overland/Load_Screen.h"
#include "overland/Settings_Screen.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"

namespace {

std::string Read_File(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class LoadSaveScreen : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        loadsave_settings_flag = -1;
    }
    void TearDown() override
    {
        quit_game_flag = 0;
        World_Test::TearDown();
    }
    // Leaves the world records reset, as the main menu does after play (no game in memory).
    static void Forget_Game_In_Memory()
    {
        quit_game_flag = 1;
        current_screen = scr_Main_Menu_Screen;
        Screen_Control_Pass();
        quit_game_flag = 0;
    }
    static void Play_Main_Screen_Once()
    {
        quit_game_flag = 1;
        current_screen = scr_Main_Screen;
        Screen_Control_Pass();
        quit_game_flag = 0;
    }
};

TEST_F(LoadSaveScreen, SlotHitsSelectForSavingAndForLoadingWhenTheFileIsThere)
{
    Write_Text(User_Path("SAVE4.GAM"), "x");
    Write_Text(User_Path("SAVE1.GAM"), "x");
    Write_Text(User_Path("SAVE9.GAM"), "x");
    Load_Screen_Find_Slots();
    ASSERT_EQ(save_game_count__ovr160, 2);
    EXPECT_EQ(save_game_slots__ovr160[0], 0);
    EXPECT_EQ(save_game_slots__ovr160[1], 3);
    EXPECT_EQ(save_game_slots__ovr160[2], -1);
    EXPECT_EQ(selected_save_game_slot_idx, -1);
    EXPECT_EQ(selected_load_game_slot_idx, -1);

    Load_Screen_Select_Slot(3);
    EXPECT_EQ(selected_save_game_slot_idx, 3);
    EXPECT_EQ(selected_load_game_slot_idx, 3);
    Load_Screen_Select_Slot(2);
    EXPECT_EQ(selected_save_game_slot_idx, 2);
    EXPECT_EQ(selected_load_game_slot_idx, -1) << "no file, nothing to load";
    EXPECT_EQ(Load_Screen_Load_Selected(), 0);
}

// A short, damaged or vanished file is refused: the game in memory stays as it was.
TEST_F(LoadSaveScreen, RefusedLoadKeepsTheGameInMemory)
{
    _turn = 31;
    _units = 5;
    Write_Text(User_Path("SAVE2.GAM"), std::string(1000, 'x'));
    std::vector<uint8_t> damaged(SAVE_GAM_SIZE, 0);
    damaged[SGO_UNITS_COUNT] = 0xFF;
    damaged[SGO_UNITS_COUNT + 1] = 0x7F;
    Write_Text(User_Path("SAVE3.GAM"), std::string(damaged.begin(), damaged.end()));
    Write_Text(User_Path("SAVE5.GAM"), "x");
    Load_Screen_Find_Slots();
    std::filesystem::remove(User_Path("SAVE5.GAM"));
    for (int16_t slot : {1, 2, 4}) {
        Load_Screen_Select_Slot(slot);
        ASSERT_EQ(selected_load_game_slot_idx, slot);
        EXPECT_EQ(Load_Screen_Load_Selected(), 0) << "slot " << slot;
        EXPECT_NE(std::string(Load_SAVE_GAM_Refusal()).find("SAVE" + std::to_string(slot + 1) + ".GAM"),
                  std::string::npos)
            << Load_SAVE_GAM_Refusal();
        EXPECT_EQ(_turn, 31);
        EXPECT_EQ(_units, 5);
    }

    _turn = 9;
    ASSERT_EQ(Save_SAVE_GAM(6), 1);
    _turn = 31;
    Load_Screen_Find_Slots();
    Load_Screen_Select_Slot(6);
    EXPECT_EQ(Load_Screen_Load_Selected(), 1);
    EXPECT_EQ(_turn, 9);
}

// Opened before any game is in memory, Quit keeps the continue file as it is; with a game in
// memory it saves that game there.
TEST_F(LoadSaveScreen, QuitSavesTheContinueGameOnlyWithAGameInMemory)
{
    std::string before(SAVE_GAM_SIZE, 'k');
    Write_Text(User_Path("SAVE9.GAM"), before);
    Forget_Game_In_Memory();
    ASSERT_EQ(Screen_Control_Game_Played(), 0);
    EXPECT_EQ(Load_Screen_Save_Continue(), 0);
    EXPECT_EQ(Read_File(User_Path("SAVE9.GAM")), before);

    Play_Main_Screen_Once();
    ASSERT_EQ(Screen_Control_Game_Played(), 1);
    _turn = 44;
    EXPECT_EQ(Load_Screen_Save_Continue(), 1);
    std::string after = Read_File(User_Path("SAVE9.GAM"));
    ASSERT_EQ(after.size(), (size_t)SAVE_GAM_SIZE);
    EXPECT_EQ((uint8_t)after[SGO_TURN], 44);
    Forget_Game_In_Memory();
}

// Save with no game in memory (the screen opened from the main menu) keeps the slot's saved game
// and its mark; with a game in memory it writes the slot and marks it.
TEST_F(LoadSaveScreen, SaveWithNoGameInMemoryKeepsTheSlot)
{
    std::string kept(SAVE_GAM_SIZE, 's');
    Write_Text(User_Path("SAVE1.GAM"), kept);
    Forget_Game_In_Memory();
    Load_Screen_Find_Slots();
    Load_Screen_Select_Slot(0);
    EXPECT_EQ(Load_Screen_Save_Selected(), 0);
    EXPECT_EQ(Read_File(User_Path("SAVE1.GAM")), kept);
    EXPECT_EQ(magic_set.words[GS_SLOT_MARK_FIRST], 0);

    Play_Main_Screen_Once();
    _turn = 12;
    EXPECT_EQ(Load_Screen_Save_Selected(), 1);
    EXPECT_EQ((uint8_t)Read_File(User_Path("SAVE1.GAM"))[SGO_TURN], 12);
    EXPECT_EQ(magic_set.words[GS_SLOT_MARK_FIRST], 1);
    Forget_Game_In_Memory();
}

// The screen itself: entered from the main menu with no game in memory and left at once by a
// closed window, it writes nothing.
TEST_F(LoadSaveScreen, ScreenOpenedFromTheMenuWritesNothingWhenClosed)
{
    Forget_Game_In_Memory();
    previous_screen = scr_Main_Menu_Screen;
    current_screen = scr_Load_Screen;
    quit_game_flag = 1;
    Load_Screen();
    EXPECT_EQ(current_screen, scr_Quit_To_DOS);
    EXPECT_FALSE(std::filesystem::exists(User_Path("SAVE9.GAM")));
    quit_game_flag = 0;
}

// A save that cannot be written says so and leaves the slot unmarked; RAROZ.SET is not written.
TEST_F(LoadSaveScreen, FailedSaveLeavesTheSlotUnmarked)
{
    std::filesystem::create_directory(User_Path("SAVE3.GAM"));
    Write_Text(User_Path("SAVE3.GAM/keep"), "x");
    std::strcpy(magic_set.save_names[2], "tv15");
    EXPECT_EQ(Save_SAVE_GAM(2), 0);
    EXPECT_EQ(magic_set.words[GS_SLOT_MARK_FIRST + 2], 0);
    EXPECT_FALSE(std::filesystem::exists(User_Path("RAROZ.SET")));

    EXPECT_EQ(Save_SAVE_GAM(3), 1);
    EXPECT_EQ(magic_set.words[GS_SLOT_MARK_FIRST + 3], 1);
    std::string settings = Read_File(User_Path("RAROZ.SET"));
    ASSERT_EQ(settings.size(), (size_t)GAME_SETTINGS_SIZE);
    EXPECT_EQ(settings.substr(64 + 2 * SAVE_SLOT_NAME_SIZE, 4), "tv15");
}

}  // namespace
