#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <thread>

#include "Automation_Driver.h"
#include "Test_Temp_Dir.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"

namespace {

class Automation : public ::testing::Test {
protected:
    Test_Temp_Dir dir;
    void SetUp() override
    {
        Write_Text(dir / "alias.fwv", "PoC.Ask 30 46\nNoDot 1 2\nnot a line\nX.Y 5\nMain.Map 100 60\n");
        Automation_Driver_Set_Alias_Points_Path((dir / "alias.fwv").c_str());
        Platform_Keyboard_Buffer_Clear();
        quit_game_flag = 0;
        current_screen = scr_Main_Menu_Screen;
    }
    void TearDown() override
    {
        Automation_Driver_Shutdown();
        quit_game_flag = 0;
    }
    int Load(const std::string &name, const std::string &text)
    {
        Write_Text(dir / name, text);
        return Automation_Driver_Load_Scenario((dir / name).c_str());
    }
};

}  // namespace

TEST(Automation_Pieces, Durations)
{
    struct Case {
        const char *text;
        uint64_t ms;
    } cases[] = {{"3f", 165}, {"2 s", 2000}, {"2S", 2000}, {"10ms", 10}, {"1m", 60000}, {"\t4 F", 220},
                 {"5", 0},    {"0ms", 0},    {"3x", 0},    {"", 0},      {"f", 0},      {"-2s", 0}};
    for (const Case &c : cases) EXPECT_EQ(Automation_Parse_Duration(c.text), c.ms) << "'" << c.text << "'";
}

TEST(Automation_Pieces, ScreenNamesAndKeys)
{
    EXPECT_EQ(Automation_Screen_From_Name("main_screen"), 105);
    EXPECT_EQ(Automation_Screen_From_Name("POC_SCREEN"), 240);
    EXPECT_EQ(Automation_Screen_From_Name("MainScreen"), -1) << "a log name names no screen";
    EXPECT_STREQ(Automation_Screen_Short_Name(240), "PoC");
    EXPECT_STREQ(Automation_Screen_Short_Name(0), "?");
    struct Key {
        char c;
        uint32_t packed;
    } keys[] = {{'H', 0x14868}, {'i', 0x6969}, {' ', 0x2020}, {'5', 0x3520},
                {'\t', 0x090D}, {'+', 0x2B2B}, {'-', 0x2D2D}, {'.', 0x2E20}};
    for (const Key &k : keys) EXPECT_EQ(Automation_Pack_Key(k.c), k.packed) << k.c;
}

TEST_F(Automation, ParsingKeepsGoodLinesAndSkipsBadOnes)
{
    ASSERT_EQ(Load("main.txt", "# comment\n"
                               "\n"
                               "WAIT_SCREEN main_screen\n"
                               "wait_screen MainScreen\n"
                               "wait 3f   # three frames\n"
                               "wait 5\n"
                               "type Hi 5\n"
                               "click 10 20\n"
                               "click PoC.Ask\n"
                               "click Nowhere.Name\n"
                               "rclick\n"
                               "wait_turn 5 2s\n"
                               "wait_turn -1\n"
                               "wait_field Main.Map\n"
                               "escape\n"
                               "upleft\n"
                               "fkey 2\n"
                               "fkey 10\n"
                               "fkey 11\n"
                               "fkey F1\n"
                               "next_turn\n"
                               "dance\n"
                               "end\n"),
              0);
    struct Expect {
        int32_t kind;
        int16_t x, y;
        uint64_t ms;
        uint32_t packed;
    } expected[] = {
        {AA_WAIT_SCREEN, 105, 0, 30000, 0},
        {AA_WAIT, 0, 0, 165, 0},
        {AA_KEY, 0, 0, 0, 0x14868},
        {AA_KEY, 0, 0, 0, 0x6969},
        {AA_KEY, 0, 0, 0, 0x2020},
        {AA_KEY, 0, 0, 0, 0x3520},
        {AA_CLICK, 10, 20, 0, 0},
        {AA_CLICK, 30, 46, 0, 0},
        {AA_WAIT_TURN, 5, 0, 2000, 0},
        {AA_WAIT_FIELD, 100, 60, 30000, 0},
        {AA_ESCAPE, 0, 0, 0, 27},
        {AA_KEY, 0, 0, 0, 7},
        {AA_KEY, 0, 0, 0, 15},
        {AA_KEY, 0, 0, 0, 23},
        {AA_KEY, 0, 0, 0, 0x6E6E},
        {AA_END, 0, 0, 0, 0},
    };
    ASSERT_EQ(Automation_Action_Count(), (int)(sizeof(expected) / sizeof(expected[0])));
    for (int i = 0; i < Automation_Action_Count(); ++i) {
        const Automation_Action *a = Automation_Action_At(i);
        EXPECT_EQ(a->kind, expected[i].kind) << i;
        EXPECT_EQ(a->x, expected[i].x) << i;
        EXPECT_EQ(a->y, expected[i].y) << i;
        EXPECT_EQ(a->duration_ms, expected[i].ms) << i;
        if (expected[i].packed != 0) {
            EXPECT_EQ(a->packed_key, expected[i].packed) << i;
        }
    }
    EXPECT_EQ(Automation_Alias_Count(), 2) << "only named points with a dot and two numbers";
}

TEST_F(Automation, IncludesAreRelativeAndStopAtDepthEight)
{
    Write_Text(dir / "sub/inner.txt", "key a\n");
    EXPECT_EQ(Load("outer.txt", "include sub/inner.txt\nkey b\n"), 0);
    EXPECT_EQ(Automation_Action_Count(), 2);

    EXPECT_NE(Load("self.txt", "key a\ninclude self.txt\n"), 0);
    EXPECT_EQ(Automation_Driver_Active(), 0);

    // Seven nested includes below the top file still load.
    for (int i = 1; i <= 7; ++i) {
        std::string next = i < 7 ? "include n" + std::to_string(i + 1) + ".txt\n" : "key z\n";
        Write_Text(dir / ("n" + std::to_string(i) + ".txt"), next);
    }
    EXPECT_EQ(Load("n0.txt", "include n1.txt\n"), 0);
    EXPECT_EQ(Automation_Action_Count(), 1);
    EXPECT_NE(Automation_Driver_Load_Scenario((dir / "missing.txt").c_str()), 0);
    EXPECT_NE(Load("empty.txt", "# nothing\n"), 0);
}

TEST_F(Automation, VariablesExpandInTypedText)
{
    ASSERT_EQ(Load("vars.txt", "type $SAVE_NAME\ntype $NOPE!\ntype cost $\n"), 0);
    std::string typed;
    for (int i = 0; i < Automation_Action_Count(); ++i) typed += (char)Automation_Action_At(i)->character;
    ASSERT_GE(typed.size(), 15u);
    EXPECT_EQ(typed.substr(0, 3), "AD-");
    for (int i = 3; i < 15; ++i) EXPECT_TRUE(std::isdigit((unsigned char)typed[(size_t)i])) << typed;
    EXPECT_EQ(typed.substr(15), "$NOPE!cost $");

    Automation_Set_Variable("A", "1");
    Automation_Set_Variable("B", "2");
    Automation_Set_Variable("C", "3");
    Automation_Set_Variable("D", "4");
    Automation_Set_Variable("A", "one");
    EXPECT_STREQ(Automation_Get_Variable("A"), "one");
    EXPECT_EQ(Automation_Get_Variable("D"), nullptr) << "SAVE_NAME holds one of the four places";
    char out[128];
    Automation_Expand_Variables("$A-$B$C", out, sizeof(out));
    EXPECT_STREQ(out, "one-23");
}

TEST_F(Automation, RunningWaitsKeysEndAndRunningOut)
{
    ASSERT_EQ(Load("run.txt", "wait_screen Main_Menu_Screen\nkey a\nwait 5ms\nkey b\nend\n"), 0);
    Automation_Driver_Frame();  // the state wait holds at once
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0);
    Automation_Driver_Frame();
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 1);
    Automation_Driver_Frame();  // starts the wait
    Automation_Driver_Frame();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Automation_Driver_Frame();  // the wait is over and the key goes in the same poll
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 2);
    Automation_Driver_Frame();
    EXPECT_EQ(Automation_Driver_Active(), 0) << "end stops the driver";
    EXPECT_EQ(quit_game_flag, 0) << "and leaves the game running";

    ASSERT_EQ(Load("out.txt", "key c\n"), 0);
    Automation_Driver_Frame();
    Automation_Driver_Frame();
    EXPECT_EQ(quit_game_flag, 1) << "a scenario that runs out ends the game";
    EXPECT_EQ(Automation_Driver_Active(), 0);

    quit_game_flag = 0;
    ASSERT_EQ(Load("trailing.txt", "key d\nwait 300ms\n"), 0);
    Automation_Driver_Frame();
    Automation_Driver_Frame();  // starts the last action, the wait
    Automation_Driver_Frame();
    EXPECT_EQ(quit_game_flag, 0) << "a trailing wait is waited out before the scenario completes";
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    Automation_Driver_Frame();
    EXPECT_EQ(quit_game_flag, 1);
}

TEST_F(Automation, StateWaitTimesOut)
{
    ASSERT_EQ(Load("timeout.txt", "wait_screen PoC_Screen 300ms\nkey a\n"), 0);
    Automation_Driver_Frame();
    Automation_Driver_Frame();
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    Automation_Driver_Frame();  // time-out, advancing
    Automation_Driver_Frame();
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 1);
}

TEST_F(Automation, UnusableScenariosSayWhy)
{
    std::filesystem::create_directories(dir / "folder.txt");
    struct Case {
        const char *name;
        std::string path;
        const char *text;  // written when not null
        std::string error;
    } cases[] = {
        {"missing", dir / "missing.txt", nullptr, "could not open " + (dir / "missing.txt")},
        {"folder", dir / "folder.txt", nullptr, (dir / "folder.txt") + " is not a regular file"},
        {"device", "/dev/zero", nullptr, "/dev/zero is not a regular file"},
        {"empty", dir / "empty.txt", "", "the scenario is empty (no line holds an action)"},
        {"no good line", dir / "bad.txt", "jump\nwait forever\n\x01\x02\x03\n",
         "the scenario is empty (no line holds an action)"},
        {"include loop", dir / "a.txt", "include b.txt\n",
         "include depth exceeded (limit 8) at " + (dir / "a.txt") + "; do the includes form a loop?"},
    };
    Write_Text(dir / "b.txt", "key x\ninclude a.txt\n");
    for (const Case &c : cases) {
        if (c.text != nullptr) Write_Text(c.path, c.text);
        EXPECT_NE(Automation_Driver_Load_Scenario(c.path.c_str()), 0) << c.name;
        EXPECT_EQ(Automation_Driver_Active(), 0) << c.name;
        EXPECT_EQ(Automation_Driver_Load_Error(), c.error) << c.name;
    }
    EXPECT_EQ(Load("good.txt", "key a\n"), 0);
    EXPECT_STREQ(Automation_Driver_Load_Error(), "");
}

TEST_F(Automation, ActionsBeyondTheTableAreToldAsACut)
{
    auto keys = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += "key a\n";
        return s;
    };
    Write_Text(dir / "full.txt", keys(AUTOMATION_ACTIONS_MAX));
    struct Case {
        const char *name;
        std::string text;
        int cut;
    } cases[] = {
        {"exactly full", keys(AUTOMATION_ACTIONS_MAX), 0},
        {"full, then comments", keys(AUTOMATION_ACTIONS_MAX) + "# done\n\n", 0},
        {"one more", keys(AUTOMATION_ACTIONS_MAX) + "key b\n", 1},
        {"typed text overflows", keys(AUTOMATION_ACTIONS_MAX - 1) + "type abc\n", 1},
        {"more after a full include", "include full.txt\nkey b\n", 1},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(Load("long.txt", c.text), 0) << c.name;
        EXPECT_EQ(Automation_Action_Count(), AUTOMATION_ACTIONS_MAX) << c.name;
        EXPECT_EQ(Automation_Driver_Scenario_Cut(), c.cut) << c.name;
    }
    EXPECT_EQ(Load("short.txt", "key a\n"), 0);
    EXPECT_EQ(Automation_Driver_Scenario_Cut(), 0);
}
