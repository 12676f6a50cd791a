// The end-of-game scenes, the score screen and the hall of fame as the screens run them.
#include <cstring>
#include <functional>

#include "Screen_Fixture.h"
#include "info/End_Of_Game_Score.h"
#include "info/screens/End_Scenes.h"
#include "info/screens/Hall_Of_Fame.h"
#include "world/Map_Feature_Records.h"

class EndScenes : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        strcpy(_players[0].name, "Merlin");
        strcpy(_players[1].name, "Sss");
        _players[0].wizard_id = 3;
        _players[1].wizard_id = 200;  // outside the portraits: the first one is shown
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Script() = Poll_Script{};
        Platform_Keyboard_Buffer_Clear();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        World_Test::TearDown();
    }
    static void Then(std::function<void()> step) { Script().steps.push_back(std::move(step)); }
    static void Press(int c)
    {
        Then([c] { Platform_Keyboard_Buffer_Add_Key_Press(c, 0, c); });
        Then([] {});
    }
};

// The win scene keeps its pictures out of the world records: a saved game made before and after
// it is the same.
TEST_F(EndScenes, WinSceneLeavesTheSavedGameAsItWas)
{
    _turn = 77;
    _units = 3;
    _UNITS[2].wx = 12;
    _FORTRESSES[0].active = 1;
    std::vector<uint8_t> before = World_Image();
    Win_Scene(0);
    EXPECT_EQ(m_conquest_anim_stage, 91);  // ends by itself after its last stage
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(World_Image(), before);
}

// Each scene ends by itself: after its last stage, or in an unattended run after its frames.
// Esc ends the conquest scene at once but not the lose scene.
TEST_F(EndScenes, ScenesEndByThemselves)
{
    Lose_Scene(0);
    EXPECT_EQ(m_conquest_anim_stage, 46);
    Return_Scene(1);
    EXPECT_EQ(m_conquest_anim_stage, 41);

    Press(KEY_ESCAPE);
    Lose_Scene(0);
    EXPECT_EQ(m_conquest_anim_stage, 46);

    Press(KEY_ESCAPE);
    Conquest_Scene(1, 0);
    EXPECT_LT(m_conquest_anim_stage, 5);

    g_headless_unattended = 1;
    Conquest_Scene(0, 5);
    EXPECT_LE(m_conquest_anim_stage, 31);
    EXPECT_GT(m_conquest_anim_stage, 0);
    EXPECT_FALSE(Script().ran_out);
}

TEST_F(EndScenes, WinCaptions)
{
    EXPECT_STREQ(Win_Caption(0), "Having conquered both the");
    EXPECT_STREQ(Win_Caption(15), "world of Duravav and Dudaze,");
    EXPECT_STREQ(Win_Caption(44), "I and only I, remain the one");
    EXPECT_STREQ(Win_Caption(90), "and true Velmora.");
    EXPECT_EQ(TBL_DefeatAnimSteps[26][3], 5);
}

// The lines of the hall of fame; the score and hall-of-fame screens close on Esc.
TEST_F(EndScenes, HallOfFameLinesAndScreens)
{
    Hall_Of_Fame_Enter(800, "Merlin", 8);
    Hall_Of_Fame_Enter(400, "Sss", 200);
    char rank[32], name[64], score[32], percent[32];
    ASSERT_EQ(Hall_Of_Fame_Line(0, rank, name, score, percent, 32), 1);
    EXPECT_STREQ(rank, "Master");
    EXPECT_STREQ(score, "800");
    EXPECT_STREQ(percent, "(10%)");
    ASSERT_EQ(Hall_Of_Fame_Line(1, rank, name, score, percent, 64), 1);
    EXPECT_STREQ(rank, "2)");
    EXPECT_STREQ(name, "Sss");
    EXPECT_EQ(Hall_Of_Fame_Line(2, rank, name, score, percent, 32), 0);
    Hall_Of_Fame_Line(0, rank, name, score, percent, 64);
    EXPECT_STREQ(name, "Merlin of the High Men");

    Press(KEY_ESCAPE);
    Hall_Of_Fame_Screen();
    End_Score s{};
    s.final_score = 321;
    s.spells = 60;
    s.townsfolk_points = 120;
    _players[0].banished_mask = 0x3E;
    _num_players = 6;
    Press(KEY_ESCAPE);
    End_Of_Game_Score_Screen(&s);
    EXPECT_EQ(m_new_score, 321);
    EXPECT_FALSE(Script().ran_out);
}
