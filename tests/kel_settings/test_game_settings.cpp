// RAROZ.SET: loading with its repairs, the defaults, the settings screen's toggles, and the
// settings file kept whole across writes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Log_Capture.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "magic/Spellbook_Pages.h"
#include "overland/Settings_Screen.h"
#include "world/Game_Settings.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint16_t Word(const Bytes &b, int n) { return (uint16_t)(b[2 * n] | (b[2 * n + 1] << 8)); }
void Put_Word(Bytes &b, int n, uint16_t v)
{
    b[2 * n] = (uint8_t)v;
    b[2 * n + 1] = (uint8_t)(v >> 8);
}

class Settings_File : public ::testing::Test {
protected:
    Test_Temp_Dir dir;
    std::string path;
    void SetUp() override
    {
        STU_GRAF_Set_User_Data_Dir(dir.path.c_str());
        path = dir / "RAROZ.SET";
        memset(&magic_set, 0xAB, sizeof magic_set);
    }
    void TearDown() override { STU_GRAF_Set_User_Data_Dir(nullptr); }
    void Write(const Bytes &bytes) { Write_Text(path, std::string(bytes.begin(), bytes.end())); }
    Bytes Read()
    {
        std::string text = Read_Text(path);
        return Bytes(text.begin(), text.end());
    }
    // A full file with every option word 1, slot names and a hall of fame with a first score.
    static Bytes Good_File()
    {
        Bytes b(GAME_SETTINGS_SIZE, 0);
        for (int n = 0; n < 24; n++) Put_Word(b, n, 1);
        memcpy(&b[64], "Alpha", 5);
        memcpy(&b[226], "Merlin", 6);
        Put_Word(b, 213, 700);  // first hall-of-fame score
        Put_Word(b, 214, 650);
        memcpy(&b[246], "Morgana", 7);
        Put_Word(b, 223, 3);  // first race
        Put_Word(b, 112, 1);
        return b;
    }
};

void Expect_Defaults(const Bytes &b)
{
    for (int n = 0; n <= 9; n++) EXPECT_EQ(Word(b, n), 1) << "word " << n;
    EXPECT_EQ(Word(b, 10), 0);
    for (int n = 11; n <= 17; n++) EXPECT_EQ(Word(b, n), 1) << "word " << n;
    EXPECT_EQ(Word(b, 18), 2);
    EXPECT_EQ(Word(b, 19), 1);
    EXPECT_EQ(Word(b, 20), 0);
    EXPECT_EQ(Word(b, 21), 4);
    EXPECT_EQ(Word(b, 22), 1);
    EXPECT_EQ(Word(b, 23), 1);
    for (int n = 24; n <= 31; n++) EXPECT_EQ(Word(b, n), 0) << "word " << n;
    EXPECT_EQ(Word(b, 112), 1);
    for (int i = 226; i < GAME_SETTINGS_SIZE; i++) ASSERT_EQ(b[i], 0) << "hall of fame byte " << i;
}

TEST_F(Settings_File, MissingOrWrongSizedFileBecomesTheDefaultsOnDisk)
{
    for (int size : {-1, 0, 465, 467, 932}) {
        SCOPED_TRACE(size);
        std::filesystem::remove(path);
        if (size >= 0) Write(Bytes((size_t)size, 0x07));
        Load_MAGIC_SET();
        Bytes on_disk = Read();
        ASSERT_EQ(on_disk.size(), (size_t)GAME_SETTINGS_SIZE);
        Expect_Defaults(on_disk);
        uint8_t in_memory[GAME_SETTINGS_SIZE];
        Game_Settings_To_Bytes(&magic_set, in_memory);
        EXPECT_EQ(0, memcmp(in_memory + 226, on_disk.data() + 226, GAME_SETTINGS_SIZE - 226));
        EXPECT_EQ(magic_set.words[21], 4);
    }
}

// The replaced file keeps its slot names and hall of fame under a name of its own.
TEST_F(Settings_File, WrongSizedFileIsMovedAsideBeforeTheDefaultsReplaceIt)
{
    for (int size : {0, 465, 467}) {
        SCOPED_TRACE(size);
        for (const auto &entry : std::filesystem::directory_iterator(dir.path)) std::filesystem::remove(entry.path());
        Bytes old = Good_File();
        old.resize((size_t)size, 0x5A);
        Write(old);
        Load_MAGIC_SET();
        std::vector<std::string> aside;
        for (const auto &entry : std::filesystem::directory_iterator(dir.path)) {
            std::string name = entry.path().filename().string();
            if (name != "RAROZ.SET") aside.push_back(name);
        }
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(aside[0].rfind("RAROZ.SET.bad-", 0), 0u) << aside[0];
        EXPECT_EQ(aside[0].size(), strlen("RAROZ.SET.bad-YYYYMMDD-HHMMSS")) << aside[0];
        std::string kept = Read_Text(dir / aside[0]);
        EXPECT_EQ(Bytes(kept.begin(), kept.end()), old);
        EXPECT_EQ(Read().size(), (size_t)GAME_SETTINGS_SIZE);
    }
    // A second damaged file in the same second does not replace the first one kept.
    Write(Bytes(10, 1));
    Load_MAGIC_SET();
    Write(Bytes(11, 2));
    Load_MAGIC_SET();
    int kept = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path))
        if (entry.path().filename().string().rfind("RAROZ.SET.bad-", 0) == 0) kept++;
    EXPECT_GE(kept, 3);
}

// A file that cannot be read (here a folder of that name) is left alone and nothing replaces it.
TEST_F(Settings_File, UnreadableFileIsNotReplaced)
{
    std::filesystem::create_directory(path);
    Load_MAGIC_SET();
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(magic_set.words[21], 4);
}

TEST_F(Settings_File, RepairsForceTwoWordsAndKeepOtherValues)
{
    Bytes b = Good_File();
    Put_Word(b, 112, 5);
    Put_Word(b, 7, 9);
    Put_Word(b, 3, 7);  // other option words keep values above 1
    Put_Word(b, 18, 3);
    Write(b);
    Load_MAGIC_SET();
    EXPECT_EQ(magic_set.movement_animations, 1);
    EXPECT_EQ(magic_set.words[GS_RAZE_CITY], 1);
    EXPECT_EQ(magic_set.words[3], 7);
    EXPECT_EQ(magic_set.words[18], 3);
    EXPECT_STREQ(magic_set.save_names[0], "Alpha");
    EXPECT_STREQ(magic_set.hall_names[1], "Morgana");
    Bytes on_disk = Read();
    EXPECT_EQ(Word(on_disk, 112), 1);
    EXPECT_EQ(Word(on_disk, 7), 1);
    EXPECT_EQ(Word(on_disk, 3), 7);

    // Word 112 of 0 and word 7 of 0 stay 0.
    Put_Word(b, 112, 0);
    Put_Word(b, 7, 0);
    Write(b);
    Load_MAGIC_SET();
    EXPECT_EQ(magic_set.movement_animations, 0);
    EXPECT_EQ(magic_set.words[GS_RAZE_CITY], 0);
}

// A repair that changes the file keeps the file as it was aside and names what it repaired; a
// file that needs none is left where it is.
TEST_F(Settings_File, RepairedFileIsMovedAsideAndTheRepairsNamed)
{
    auto asides = [this]() {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir.path)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("RAROZ.SET.bad-", 0) == 0) names.push_back(name);
        }
        return names;
    };
    Write(Good_File());
    Log_Capture clean;
    Load_MAGIC_SET();
    EXPECT_EQ(clean.Finish().find("out of range"), std::string::npos);
    EXPECT_TRUE(asides().empty());
    EXPECT_EQ(Read(), Good_File());

    Bytes damaged = Good_File();
    Put_Word(damaged, 112, 5);
    Put_Word(damaged, 7, 9);
    Put_Word(damaged, 213, 0);           // hall of fame cleared
    memset(&damaged[64 + 20], 'S', 20);  // save slot 2's name without a terminator
    Write(damaged);
    Log_Capture log;
    Load_MAGIC_SET();
    std::string text = log.Finish();
    std::vector<std::string> kept = asides();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].size(), strlen("RAROZ.SET.bad-YYYYMMDD-HHMMSS")) << kept[0];
    std::string old = Read_Text(dir / kept[0]);
    EXPECT_EQ(Bytes(old.begin(), old.end()), damaged);
    std::string line = "RAROZ.SET held values out of range, repaired: word 7, name of save slot 2, word 112, hall of "
                       "fame; moved aside to \"" +
                       (dir / kept[0]) + "\"";
    size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_NE(text.rfind("[WARN ]", at), std::string::npos);
    Bytes on_disk = Read();
    EXPECT_EQ(Word(on_disk, 112), 1);
    EXPECT_EQ(Word(on_disk, 7), 1);
}

TEST_F(Settings_File, ZeroFirstScoreClearsTheWholeHallOfFame)
{
    Bytes b = Good_File();
    Put_Word(b, 213, 0);  // later entries still have names, scores and races
    Write(b);
    Load_MAGIC_SET();
    for (int i = 0; i < HALL_OF_FAME_ENTRIES; i++) {
        EXPECT_STREQ(magic_set.hall_names[i], "") << i;
        EXPECT_EQ(magic_set.hall_scores[i], 0) << i;
        EXPECT_EQ(magic_set.hall_races[i], 0) << i;
    }
    EXPECT_STREQ(magic_set.save_names[0], "Alpha");  // slot names are not part of it
    Bytes on_disk = Read();
    for (int i = 226; i < GAME_SETTINGS_SIZE; i++) ASSERT_EQ(on_disk[i], 0) << i;
}

TEST_F(Settings_File, NamesAreCutToNineteenCharactersWhateverTheFileHolds)
{
    Bytes b = Good_File();
    memset(&b[64], 'S', 8 * SAVE_SLOT_NAME_SIZE);  // no terminator in any slot name
    memset(&b[226], 'H', 10 * 20);                 // nor in any hall-of-fame name
    Write(b);
    Load_MAGIC_SET();
    for (int i = 0; i < 8; i++) EXPECT_EQ(strlen(magic_set.save_names[i]), 19u) << i;
    for (int i = 0; i < HALL_OF_FAME_ENTRIES; i++) EXPECT_EQ(strlen(magic_set.hall_names[i]), 19u) << i;

    // The settings screen's own read cuts them too.
    memset(&magic_set, 0, sizeof magic_set);
    Write(b);
    ASSERT_EQ(Read_MAGIC_SET_User(), 1);
    EXPECT_EQ(strlen(magic_set.save_names[7]), 19u);
    EXPECT_EQ(strlen(magic_set.hall_names[9]), 19u);
}

TEST_F(Settings_File, SettingsScreenReadRefusesAWrongSizeAndKeepsTheRecord)
{
    Bytes b = Good_File();
    Write(b);
    ASSERT_EQ(Read_MAGIC_SET_User(), 1);
    EXPECT_EQ(magic_set.hall_scores[0], 700);

    Bytes short_file(100, 0xEE);
    Write(short_file);
    EXPECT_EQ(Read_MAGIC_SET_User(), 0);
    EXPECT_EQ(magic_set.hall_scores[0], 700);
    EXPECT_STREQ(magic_set.save_names[0], "Alpha");

    std::filesystem::remove(path);
    EXPECT_EQ(Read_MAGIC_SET_User(), 0);
    EXPECT_EQ(magic_set.hall_scores[0], 700);
}

TEST_F(Settings_File, WritingReplacesTheFileWholeThroughARename)
{
    Write(Good_File());
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    Set_Default_Game_Settings();
    ASSERT_EQ(Write_MAGIC_SET_User(), 1);
    struct stat after;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    // A rename puts a new file in place; writing into the old one would keep its inode.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(after.st_size, GAME_SETTINGS_SIZE);
    int entries = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path)) {
        (void)entry;
        entries++;
    }
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(Settings_File, RecordRoundTripsByteForByte)
{
    Bytes b(GAME_SETTINGS_SIZE);
    for (int i = 0; i < GAME_SETTINGS_SIZE; i++) b[i] = (uint8_t)(i * 7 + 1);
    // Terminated names, so the cut leaves the bytes as they are.
    for (int k = 0; k < 8; k++) b[64 + 20 * k + 19] = 0;
    for (int k = 0; k < 10; k++) b[226 + 20 * k + 19] = 0;
    Game_Settings record;
    Game_Settings_From_Bytes(&record, b.data());
    EXPECT_EQ(record.words[1], Word(b, 1));
    EXPECT_EQ(record.movement_animations, Word(b, 112));
    EXPECT_EQ(record.hall_races[9], Word(b, 232));
    Bytes out(GAME_SETTINGS_SIZE);
    Game_Settings_To_Bytes(&record, out.data());
    EXPECT_EQ(out, b);
}

TEST(Settings_Screen_Toggle, FlipsOptionWordsAndResetsSpellbookPages)
{
    Set_Default_Game_Settings();
    magic_set_ptr = &magic_set;
    struct Case {
        int16_t word;
        uint16_t before;
        uint16_t after;
    };
    const Case cases[] = {{0, 1, 0},
                          {0, 0, 1},
                          {3, 7, 0},
                          {10, 0, 1},
                          {17, 1, 0},
                          {GS_MOVEMENT_ANIMATIONS, 1, 0},
                          {GS_MOVEMENT_ANIMATIONS, 0, 1}};
    for (const Case &c : cases) {
        Set_Game_Settings_Word(c.word, c.before);
        Settings_Screen_Toggle(c.word);
        EXPECT_EQ(Game_Settings_Word(c.word), c.after) << "word " << c.word << " from " << c.before;
    }

    g_spellbook_last_left_page = 4;
    g_combat_spellbook_left_page = 2;
    g_first_research_page = 6;
    Settings_Screen_Toggle(0);
    EXPECT_EQ(g_spellbook_last_left_page, 4);
    Settings_Screen_Toggle(14);
    EXPECT_EQ(g_spellbook_last_left_page, 0);
    EXPECT_EQ(g_combat_spellbook_left_page, 0);
    EXPECT_EQ(g_first_research_page, 0);
    magic_set_ptr = nullptr;
}

TEST(Settings_Screen_Layout, EveryOptionHasItsOwnTenPixelField)
{
    for (int i = 0; i < SETTINGS_OPTION_COUNT; i++) {
        int16_t ax1, ay1, ax2, ay2;
        Settings_Option_Rect(i, &ax1, &ay1, &ax2, &ay2);
        EXPECT_EQ(ay2 - ay1, 9);
        for (int j = i + 1; j < SETTINGS_OPTION_COUNT; j++) {
            int16_t bx1, by1, bx2, by2;
            Settings_Option_Rect(j, &bx1, &by1, &bx2, &by2);
            bool overlap = ax1 <= bx2 && bx1 <= ax2 && ay1 <= by2 && by1 <= ay2;
            EXPECT_FALSE(overlap) << settings_options[i].label << " and " << settings_options[j].label;
        }
    }
    int16_t x1, y1, x2, y2;
    Settings_Option_Rect(12, &x1, &y1, &x2, &y2);
    EXPECT_EQ(settings_options[12].word, GS_MOVEMENT_ANIMATIONS);
    EXPECT_EQ(x1, 192);
    EXPECT_EQ(y1, 74);
    EXPECT_EQ(x2, 310);
    EXPECT_EQ(y2, 83);
}

}  // namespace
