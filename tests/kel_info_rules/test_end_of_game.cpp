// The final score, its entry into the hall of fame of RAROZ.SET, the conquest captions and the
// survival test, all without a screen.
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Log_Capture.h"
#include "World_Fixture.h"
#include "info/Game_End_Scenes.h"
#include "info/Info_Services.h"
#include "turn/End_Of_Turn.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"

namespace {

std::vector<std::string> m_shown;

void Record_Message(const char *text) { m_shown.push_back(std::string("message: ") + text); }
void Record_Conquest(int16_t conquered, int16_t conqueror)
{
    m_shown.push_back("conquest " + std::to_string(conquered) + " by " + std::to_string(conqueror));
}
void Record_Hall_Of_Fame(void) { m_shown.push_back("hall of fame"); }

std::vector<uint8_t> Read_Bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

class EndOfGameScore : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        m_magic_winner_idx = -1;
        _difficulty = 2;
        _turn = 0;
        _cities = 0;
        m_shown.clear();
        Info_Screen_Services services = {};
        services.show_message = Record_Message;
        services.conquest_scene = Record_Conquest;
        services.hall_of_fame_screen = Record_Hall_Of_Fame;
        Info_Set_Screen_Services(services);
    }
    void TearDown() override
    {
        Info_Set_Screen_Services({});
        m_magic_winner_idx = -1;
        World_Test::TearDown();
    }
    static void Know_Spells(int16_t player_idx, int count)
    {
        for (int s = 0; s < count && s < NUM_SPELLS_STATUS; s++) _players[player_idx].spells_list[s] = 2;
    }
    static void Add_City(int16_t owner, uint8_t population)
    {
        _CITIES[_cities].owner_idx = (int8_t)owner;
        _CITIES[_cities].population = population;
        _cities++;
    }
    static void Fill_Hall(std::initializer_list<uint16_t> scores)
    {
        int i = 0;
        for (uint16_t score : scores) {
            snprintf(magic_set.hall_names[i], sizeof magic_set.hall_names[i], "Old%d", i);
            magic_set.hall_scores[i] = score;
            magic_set.hall_races[i] = (uint16_t)i;
            i++;
        }
    }
};

TEST_F(EndOfGameScore, DifficultyScalesTheSum)
{
    Know_Spells(0, 101);
    const struct {
        int16_t difficulty;
        int16_t expected;
    } cases[] = {{0, 50}, {1, 75}, {2, 101}, {3, 202}, {4, 303}, {9, 101}};
    for (const auto &c : cases) {
        _difficulty = c.difficulty;
        End_Score score;
        End_Of_Game_Score_Compute(0, &score);
        EXPECT_EQ(score.spells, 101);
        EXPECT_EQ(score.final_score, c.expected) << "difficulty " << c.difficulty;
    }
}

// The year gives points only while the fortress stands and nobody else mastered the world; the
// points may go below 0 after turn 1000.
TEST_F(EndOfGameScore, YearAndMasteryPoints)
{
    _FORTRESSES[0].active = 1;
    _turn = 100;
    End_Score score;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.year, 1408);
    EXPECT_EQ(score.year_points, 1800);
    EXPECT_EQ(score.mastery_points, 0);

    _turn = 1200;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.year_points, -400);

    _turn = 100;
    m_magic_winner_idx = 1;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.year_points, 0);
    EXPECT_EQ(score.mastery_points, 0);

    m_magic_winner_idx = 0;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.year_points, 1800);
    EXPECT_EQ(score.mastery_points, 250);
    EXPECT_EQ(score.final_score, 2050);

    _FORTRESSES[0].active = 0;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.year_points, 0);
}

// Townsfolk give half their number; a sum past 16 bits is held at 32767.
TEST_F(EndOfGameScore, TownsfolkAndTheSixteenBitCeiling)
{
    Add_City(0, 7);
    Add_City(1, 50);
    Add_City(0, 4);
    End_Score score;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.townsfolk, 11);
    EXPECT_EQ(score.townsfolk_points, 5);

    _cities = 0;
    for (int c = 0; c < NUM_CITIES; c++) Add_City(0, 255);
    _difficulty = 4;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.townsfolk_points, 12750);
    EXPECT_EQ(score.final_score, 32767);
}

TEST_F(EndOfGameScore, SpellOfMasteryBanishesEveryRivalWithAFortress)
{
    _num_players = 5;
    for (int p = 0; p < 5; p++) _FORTRESSES[p].active = 1;
    _FORTRESSES[3].active = 0;
    End_Of_Game_Score_Mark_Banished(0);
    EXPECT_EQ(_players[0].banished_mask, 0);  // nobody cast it
    m_magic_winner_idx = 0;
    End_Of_Game_Score_Mark_Banished(0);
    EXPECT_EQ(_players[0].banished_mask, (1u << 1) | (1u << 2) | (1u << 4));
    End_Score score;
    End_Of_Game_Score_Compute(0, &score);
    EXPECT_EQ(score.banished, 3);
    EXPECT_EQ(score.banished_points, 150);
}

// An equal score goes below the old one, the tenth place drops out, 0 and a score below all ten
// enter nothing.
TEST_F(EndOfGameScore, HallOfFamePlaces)
{
    Fill_Hall({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    EXPECT_EQ(Hall_Of_Fame_Enter(0, "Zero", 1), -1);
    EXPECT_EQ(Hall_Of_Fame_Enter(-5, "Less", 1), -1);
    EXPECT_EQ(Hall_Of_Fame_Enter(50, "Tie", 1), -1);
    EXPECT_EQ(Hall_Of_Fame_Enter(700, "Equal", 3), 3);
    EXPECT_STREQ(magic_set.hall_names[2], "Old2");
    EXPECT_STREQ(magic_set.hall_names[3], "Equal");
    EXPECT_EQ(magic_set.hall_scores[3], 700);
    EXPECT_EQ(magic_set.hall_races[3], 3);
    EXPECT_STREQ(magic_set.hall_names[4], "Old3");
    EXPECT_STREQ(magic_set.hall_names[9], "Old8");  // 50 dropped out
    EXPECT_EQ(magic_set.hall_scores[9], 100);

    memset(&magic_set, 0, sizeof magic_set);
    EXPECT_EQ(Hall_Of_Fame_Enter(1, "First", 0), 0);
    EXPECT_EQ(Hall_Of_Fame_Enter(1, "Second", 0), 1);
}

// Names and races as a damaged RAROZ.SET may hold them: a name fills its 20 bytes without an
// end, a race lies outside the table.
TEST_F(EndOfGameScore, HallOfFameReadsBackBoundedNamesAndRaces)
{
    memset(magic_set.hall_names[0], 'A', sizeof magic_set.hall_names[0]);
    magic_set.hall_races[0] = 200;
    char name[64];
    Hall_Of_Fame_Name(0, name, sizeof name);
    EXPECT_EQ(std::string(name), std::string(20, 'A'));
    EXPECT_STREQ(Hall_Of_Fame_Race_Name(200), "");
    EXPECT_STREQ(Hall_Of_Fame_Race_Name(13), "Trolls");
    EXPECT_STREQ(Hall_Of_Fame_Race_Name(0), "Barbarians");
}

// The entry goes to RAROZ.SET whole; no entry, no write.
TEST_F(EndOfGameScore, EntryIsWrittenToTheSettingsFile)
{
    Fill_Hall({900, 800});
    strcpy(_players[0].name, "Merlin");
    _players[0].capital_race = 8;
    Know_Spells(0, 10);
    m_magic_winner_idx = 0;
    _FORTRESSES[0].active = 1;
    _turn = 24;
    EXPECT_EQ(End_Of_Game_Score(), 10 + 250 + 2000 - 48);
    std::vector<uint8_t> bytes = Read_Bytes(User_Path("RAROZ.SET"));
    ASSERT_EQ(bytes.size(), 466u);
    EXPECT_STREQ(reinterpret_cast<const char *>(&bytes[226]), "Merlin");
    EXPECT_EQ(bytes[426] | (bytes[427] << 8), 2212);
    EXPECT_EQ(bytes[446] | (bytes[447] << 8), 8);
    EXPECT_STREQ(reinterpret_cast<const char *>(&bytes[246]), "Old0");
    EXPECT_EQ(m_shown, std::vector<std::string>{"hall of fame"});

    // A score of 0 enters nothing and writes nothing.
    remove(User_Path("RAROZ.SET").c_str());
    memset(_players[0].spells_list, 0, sizeof _players[0].spells_list);
    m_magic_winner_idx = -1;
    _FORTRESSES[0].active = 0;
    EXPECT_EQ(End_Of_Game_Score(), 0);
    struct stat info;
    EXPECT_NE(stat(User_Path("RAROZ.SET").c_str(), &info), 0);
}

// A RAROZ.SET that cannot be replaced is reported; the entry stays in the hall in memory.
TEST_F(EndOfGameScore, FailedWriteIsReportedAndTheEntryKept)
{
    ASSERT_EQ(mkdir(User_Path("RAROZ.SET").c_str(), 0700), 0);
    ASSERT_EQ(mkdir((User_Path("RAROZ.SET") + "/keep").c_str(), 0700), 0);
    Know_Spells(0, 40);
    strcpy(_players[0].name, "Ariel");
    Log_Capture log;
    EXPECT_EQ(End_Of_Game_Score(), 40);
    std::string text = log.Finish();
    EXPECT_NE(text.find("RAROZ.SET could not be written"), std::string::npos) << text;
    EXPECT_STREQ(magic_set.hall_names[0], "Ariel");
    EXPECT_EQ(magic_set.hall_scores[0], 40);
    ASSERT_EQ(m_shown.size(), 2u);
    EXPECT_EQ(m_shown[0].rfind("message: ", 0), 0u);
    EXPECT_EQ(m_shown[1], "hall of fame");
}

class EndScenes : public EndOfGameScore {};

TEST_F(EndScenes, ConquestCaptions)
{
    strcpy(_players[0].name, "Merlin");
    strcpy(_players[1].name, "Sss");
    char caption[100];
    Conquest_Caption(1, 0, caption, sizeof caption);
    EXPECT_STREQ(caption, "Merlin defeats Sss");
    Add_City(1, 4);
    Conquest_Caption(1, 0, caption, sizeof caption);
    EXPECT_STREQ(caption, "Merlin defeats Sss");
    Add_City(1, 4);
    Conquest_Caption(1, 0, caption, sizeof caption);
    EXPECT_STREQ(caption, "Merlin banishes Sss");
    Conquest_Caption(1, 5, caption, sizeof caption);
    EXPECT_STREQ(caption, "Raiders destroy Sss' fortress.");
    Conquest_Caption(0, 5, caption, sizeof caption);
    EXPECT_STREQ(caption, "Raiders destroy Merlin.");
    Return_Caption(1, caption, sizeof caption);
    EXPECT_STREQ(caption, "Sss begins casting the Spell Of Return.");
}

// The neutral player conquered by a wizard shows nothing; a human conqueror marks the loser.
TEST_F(EndScenes, ConquestSceneAndBanishedMark)
{
    Conquest_Animation(5, 1);
    EXPECT_TRUE(m_shown.empty());
    Conquest_Animation(2, 1);
    EXPECT_EQ(_players[0].banished_mask, 0);
    Conquest_Animation(2, 0);
    EXPECT_EQ(_players[0].banished_mask, 1u << 2);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"conquest 2 by 1", "conquest 2 by 0"}));
    Info_Set_Screen_Services({});
    Win_Animation(0);  // nothing installed: skipped
    Lose_Animation(0);
    Return_Animation(1);
}

TEST_F(EndScenes, ComputerWizardsSurviveByFortressOrCity)
{
    _num_players = 4;
    EXPECT_EQ(CP_Is_Dead(), 1);
    _FORTRESSES[3].active = 1;
    EXPECT_EQ(CP_Is_Dead(), 0);
    _FORTRESSES[3].active = 0;
    Add_City(2, 3);
    EXPECT_EQ(CP_Is_Dead(), 0);
    _CITIES[0].owner_idx = 5;  // neutral cities and the human's fortress do not count
    _FORTRESSES[0].active = 1;
    _FORTRESSES[5].active = 1;
    EXPECT_EQ(CP_Is_Dead(), 1);
}
