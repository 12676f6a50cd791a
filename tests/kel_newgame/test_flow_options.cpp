// The order of the set-up screens and their back rules; the options screen's file, repairs,
// stepping and what OK and Escape leave behind.
#include "Newgame_Fixture.h"
#include "newgame/New_Game_Flow.h"
#include "newgame/Newgame_Control.h"
#include "newgame/Options_Screen.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"

namespace {

using NewGame_Flow = Newgame_Test;
using NewGame_Options = Newgame_Test;

std::string Settings_Bytes(uint16_t difficulty, uint16_t opponents, uint16_t land, uint16_t magic)
{
    Set_Default_Game_Settings();
    magic_set.words[20] = difficulty;
    magic_set.words[21] = opponents;
    magic_set.words[22] = land;
    magic_set.words[23] = magic;
    uint8_t bytes[GAME_SETTINGS_SIZE];
    Game_Settings_To_Bytes(&magic_set, bytes);
    return std::string(reinterpret_cast<char *>(bytes), GAME_SETTINGS_SIZE);
}

uint16_t Word_Of(const std::string &bytes, int word)
{
    return (uint16_t)((uint8_t)bytes[2 * word] | (uint8_t)bytes[2 * word + 1] << 8);
}

TEST_F(NewGame_Flow, ScreensFollowTheWizardKindAndTheBackRules)
{
    struct Case {
        const char *name;
        int16_t custom_before;
        int16_t screen;
        int16_t result;
        int16_t next;
        int16_t custom_after;
    };
    const Case cases[] = {
        {"options OK", 0, 0, 1, 1, 0},         {"options Quit ends", 0, 0, -1, -1, 0},
        {"preset taken", 1, 1, 3, 3, 0},       {"Custom taken", 0, 1, 2, 2, 1},
        {"wizard Escape", 1, 1, 0, 0, 0},      {"portrait taken", 1, 2, 3, 3, 1},
        {"portrait Escape", 1, 2, 1, 1, 1},    {"custom name", 1, 3, 0, 4, 1},
        {"custom name back", 1, 3, -1, 2, 1},  {"preset name", 0, 3, 0, 6, 0},
        {"preset name back", 0, 3, -1, 1, 0},  {"picks back", 1, 4, 3, 3, 1},
        {"picks done", 1, 4, 5, 5, 1},         {"spells back", 1, 5, 4, 4, 1},
        {"race, custom back", 1, 6, -1, 5, 1}, {"race, preset back", 0, 6, -1, 3, 0},
        {"race chosen", 0, 6, 7, 7, 0},        {"banner back", 0, 7, 6, 6, 0},
        {"banner chosen", 0, 7, 99, 99, 0},
    };
    for (const Case &c : cases) {
        int16_t custom = c.custom_before;
        EXPECT_EQ(Newgame_Next_Screen(c.screen, c.result, &custom), c.next) << c.name;
        EXPECT_EQ(custom, c.custom_after) << c.name;
    }
}

// Escape on the options screen ends the dialogue: no file is written and the game parameters
// keep the value the dialogue starts them with.
TEST_F(NewGame_Flow, EscapeOnTheOptionsScreenLeavesNothingBehind)
{
    std::string before = Settings_Bytes(3, 2, 2, 0);
    Write_Text(User_Path("RAROZ.SET"), before);
    _difficulty = _landsize = _magic = 0;
    _num_players = 5;
    Then_Click(60, 60);
    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Control(), 0);
    EXPECT_EQ(Read_Bytes(User_Path("RAROZ.SET")), before);
    EXPECT_FALSE(std::filesystem::exists(User_Path("SAVE9.GAM")));
    EXPECT_EQ(_difficulty, 1);
    EXPECT_EQ(_num_players, 1);
    EXPECT_EQ(_landsize, 1);
    EXPECT_EQ(_magic, 1);
}

TEST_F(NewGame_Options, FileIsTakenWholeOrNotAtAllAndRepaired)
{
    struct Case {
        const char *name;
        std::string file;
        const char *labels[4];
    };
    std::string whole_bad = Settings_Bytes(7, 0, 3, 9);
    std::string good = Settings_Bytes(3, 2, 2, 1);
    std::string long_file = good + "x";
    std::string short_file = good.substr(0, 465);
    const Case cases[] = {
        {"repaired", whole_bad, {"Intro", "One", "Small", "Weak"}},
        {"whole", good, {"Hard", "Two", "Large", "Normal"}},
        {"one byte long", long_file, {"Intro", "Four", "Medium", "Normal"}},
        {"one byte short", short_file, {"Intro", "Four", "Medium", "Normal"}},
        {"empty", std::string(), {"Intro", "Four", "Medium", "Normal"}},
    };
    for (const Case &c : cases) {
        Write_Text(User_Path("RAROZ.SET"), c.file);
        memset(&magic_set, 0x7F, sizeof magic_set);
        Newgame_Options_Read_Settings();
        for (int16_t option = 0; option < NEWGAME_OPTIONS; option++)
            EXPECT_STREQ(Newgame_Option_Label(option), c.labels[option]) << c.name << ", option " << option;
    }
}

TEST_F(NewGame_Options, ClicksStepEachOptionRoundItsValues)
{
    Write_Text(User_Path("RAROZ.SET"), Settings_Bytes(0, 1, 0, 0));
    Newgame_Options_Read_Settings();
    const char *seen[4][6] = {
        {"Easy", "Normal", "Hard", "Impossible", "Intro", "Easy"},
        {"Two", "Three", "Four", "One", "Two", "Three"},
        {"Medium", "Large", "Small", "Medium", "Large", "Small"},
        {"Normal", "Powerful", "Weak", "Normal", "Powerful", "Weak"},
    };
    for (int16_t option = 0; option < NEWGAME_OPTIONS; option++) {
        for (int step = 0; step < 6; step++) {
            Newgame_Options_Step(option);
            EXPECT_STREQ(Newgame_Option_Label(option), seen[option][step]) << "option " << option;
        }
    }
}

// Clicked on the screen: difficulty five times comes back to where it began; OK writes the file
// and sets the game parameters.
TEST_F(NewGame_Options, OkWritesTheFileAndSetsTheGame)
{
    Write_Text(User_Path("RAROZ.SET"), Settings_Bytes(1, 4, 1, 1));
    for (int i = 0; i < 5; i++) Then_Click(280, 45);
    Then_Click(280, 70);
    Then_Click(280, 100);
    Then_Click(280, 125);
    Then_Click(270, 185);
    EXPECT_EQ(Newgame_Screen_0(), 1);
    std::string written = Read_Bytes(User_Path("RAROZ.SET"));
    ASSERT_EQ(written.size(), (size_t)GAME_SETTINGS_SIZE);
    EXPECT_EQ(Word_Of(written, 20), 1);
    EXPECT_EQ(Word_Of(written, 21), 1);
    EXPECT_EQ(Word_Of(written, 22), 2);
    EXPECT_EQ(Word_Of(written, 23), 2);
    EXPECT_EQ(_difficulty, 1);
    EXPECT_EQ(_num_players, 2);
    EXPECT_EQ(_landsize, 2);
    EXPECT_EQ(_magic, 2);
}

}  // namespace
