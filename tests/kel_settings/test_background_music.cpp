// The background music piece chosen from the power history, and how often it is re-examined.
#include <gtest/gtest.h>

#include <cstring>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "World_Fixture.h"
#include "shell/Background_Music.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

namespace {

// Scores at history index turn - 1 for the human (player 0) and the computer wizards.
void Set_Scores(int16_t turn, std::initializer_list<int> scores)
{
    memset(_players, 0, sizeof _players);
    _turn = turn;
    _current_player_idx = 0;
    _num_players = (int16_t)scores.size();
    int index = turn >= 288 ? 287 : (turn - 1 < 0 ? 0 : turn - 1);
    int p = 0;
    for (int score : scores) _players[p++].Historian[index] = (uint8_t)score;
}

TEST(Background_Music, ChoiceFollowsTheHumansPlaceInThePowerHistory)
{
    struct Case {
        const char *what;
        int16_t turn;
        std::initializer_list<int> scores;  // human first
        int16_t music;
    };
    const Case cases[] = {
        {"no computer wizards", 10, {0}, MUSIC_LEADING},
        {"far behind the strongest, well above the weakest", 10, {50, 100, 20}, MUSIC_MIDFIELD},
        {"within a tenth of the strongest", 10, {90, 100, 20}, MUSIC_LEADING},
        {"exactly a tenth below the strongest", 10, {91, 101, 20}, MUSIC_LEADING},
        {"ahead of everyone", 10, {200, 100, 50}, MUSIC_LEADING},
        {"within a tenth above the weakest", 10, {44, 100, 40}, MUSIC_TRAILING},
        {"below the weakest", 10, {10, 100, 40}, MUSIC_TRAILING},
        {"close to both: the weakest wins", 10, {95, 100, 90}, MUSIC_TRAILING},
        {"weakest at 0 never counts", 10, {0, 100, 0}, MUSIC_MIDFIELD},
        {"turn 0 reads the first entry", 0, {90, 100, 20}, MUSIC_LEADING},
        {"turn 288 and later read the last entry", 400, {50, 100, 20}, MUSIC_MIDFIELD},
    };
    for (const Case &c : cases) {
        Set_Scores(c.turn, c.scores);
        EXPECT_EQ(Get_Background_Music(), c.music) << c.what;
    }
}

TEST(Background_Music, HistoryIndexIsTheTurnBeforeCappedAtTheLastEntry)
{
    Set_Scores(10, {50, 100, 20});
    _players[0].Historian[10] = 100;  // the entry of turn 11 must not be read at turn 10
    EXPECT_EQ(Get_Background_Music(), MUSIC_MIDFIELD);
    Set_Scores(300, {50, 100, 20});
    _players[0].Historian[286] = 100;
    EXPECT_EQ(Get_Background_Music(), MUSIC_MIDFIELD);
}

class Background_Music_Play : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        World_Clear();
        Test_Search_Standin_Data();
    }
};

TEST_F(Background_Music_Play, PieceChangesOnlyOnEveryFifthCallAndOnlyWhenItDiffers)
{
    magic_set.words[GS_BACKGROUND_MUSIC] = 1;
    Set_Scores(10, {90, 100, 20});
    Play_Background_Music();
    ASSERT_EQ(m_background_music_num, MUSIC_LEADING);
    EXPECT_EQ(lbxload_entry_length > 0, true);

    m_background_music_ctr = 0;
    Set_Scores(10, {44, 100, 40});
    for (int call = 1; call <= 4; call++) {
        Increment_Background_Music();
        EXPECT_EQ(m_background_music_num, MUSIC_LEADING) << "call " << call;
    }
    Increment_Background_Music();
    EXPECT_EQ(m_background_music_num, MUSIC_TRAILING);
    EXPECT_EQ(m_background_music_ctr, 0);

    // With the setting off, playing only stops the sounds: the remembered piece stays.
    magic_set.words[GS_BACKGROUND_MUSIC] = 0;
    Set_Scores(10, {90, 100, 20});
    Play_Background_Music();
    EXPECT_EQ(m_background_music_num, MUSIC_TRAILING);
}

}  // namespace
