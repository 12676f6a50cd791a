#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "STU_GRAF.h"
#include "STU_INI.h"
#include "Test_Temp_Dir.h"

namespace {

const Settings_Schema schema[] = {
    {"Paths", "game_data", "/home/you/Games/Velmora", "game_data: the folder.", 1},
    {"Video", "startup_window", "fullscreen", "startup_window: how.", 0},
    {"Video", "scale_mode", "integer", "scale_mode: enlarged.\n  integer  sharp.", 0},
    {"Video", "aspect_ratio", "16:10", "aspect_ratio: shape.", 0},
};
constexpr int rows = 4;

int Add(const std::string &path, int *count = nullptr, std::string *backup = nullptr)
{
    char backup_path[1024];
    int added = 0;
    int result = STU_INI_Add_Missing(path.c_str(), schema, rows, backup_path, sizeof backup_path, &added);
    if (count) *count = added;
    if (backup) *backup = backup_path;
    return result;
}

}  // namespace

TEST(Ini, ComposeLaysOutSectionsAndComments)
{
    char *text = STU_INI_Compose("Head line.\n\nSecond.", schema, rows, 1, "\n");
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text,
                 "; Head line.\n;\n; Second.\n\n[Paths]\n\n; game_data: the folder.\n; game_data = "
                 "/home/you/Games/Velmora\n\n[Video]\n\n; startup_window: how.\n; startup_window = fullscreen\n\n"
                 "; scale_mode: enlarged.\n;   integer  sharp.\n; scale_mode = integer\n\n; aspect_ratio: shape.\n"
                 "; aspect_ratio = 16:10\n");
    free(text);
    text = STU_INI_Compose("Example.", schema, rows, 0, "\n");
    EXPECT_NE(strstr(text, "\n; game_data = "), nullptr);
    EXPECT_NE(strstr(text, "\nstartup_window = fullscreen\n"), nullptr);
    free(text);
}

TEST(Ini, KeyDetectionCountsCommentedKeysAndIgnoresCase)
{
    const char *text = "[video]\n;  Scale_Mode = fit_nearest\n[Other]\naspect_ratio = 4:3\n";
    EXPECT_EQ(STU_INI_Text_Has_Key(text, "Video", "scale_mode"), 1);
    EXPECT_EQ(STU_INI_Text_Has_Key(text, "Video", "aspect_ratio"), 0);
    EXPECT_EQ(STU_INI_Text_Has_Key(text, "Paths", "game_data"), 0);
}

TEST(Ini, AddMissingInsertsAfterLastLineOfSection)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva.ini";
    Write_Text(path, "[Paths]\ngame_data = /x\n\n[video]\nstartup_window = windowed\n;scale_mode = integer\n\n\n"
                     "[Logging]\nSAVE = off\n");
    int count = 0;
    std::string backup;
    ASSERT_EQ(Add(path, &count, &backup), 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Read_Text(path), "[Paths]\ngame_data = /x\n\n[video]\nstartup_window = windowed\n;scale_mode = integer\n"
                               "\n; aspect_ratio: shape.\n; aspect_ratio = 16:10\n\n\n[Logging]\nSAVE = off\n");
    EXPECT_EQ(Read_Text(backup).substr(0, 7), "[Paths]");
    EXPECT_NE(backup.find("Tolva_backup_"), std::string::npos);
    EXPECT_EQ(backup.substr(backup.size() - 4), ".ini");
    EXPECT_EQ(Add(path), 0) << "nothing left to add";
}

TEST(Ini, AddMissingAppendsMissingSectionsAndKeepsCrlf)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva.ini";
    Write_Text(path, "[Paths]\r\ngame_data = /x");
    int count = 0;
    ASSERT_EQ(Add(path, &count), 1);
    EXPECT_EQ(count, 3);
    std::string text = Read_Text(path);
    EXPECT_EQ(text.rfind("[Paths]\r\ngame_data = /x\r\n\r\n[Video]\r\n\r\n; startup_window: how.\r\n", 0), 0u) << text;
    EXPECT_EQ(text.find("\r\n\r\n; scale_mode: enlarged.\r\n;   integer  sharp.\r\n; scale_mode = integer\r\n") !=
                  std::string::npos,
              true);
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '\n') {
            ASSERT_EQ(text[i - 1], '\r') << "bare LF at " << i;
        }
    }
}

TEST(Ini, BackupsInTheSameSecondGetNumbered)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva.ini";
    std::string first, second;
    for (std::string *backup : {&first, &second}) {
        Write_Text(path, "[Video]\n");
        ASSERT_EQ(Add(path, nullptr, backup), 1);
    }
    if (first.substr(0, first.size() - 4) + "_2.ini" != second) {
        // The clock moved on between the two runs: both names then carry the time alone.
        EXPECT_EQ(second.find("_2.ini"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(second));
}

TEST(Ini, FailedAddLeavesFileUnchanged)
{
    Test_Temp_Dir dir;
    EXPECT_EQ(Add(dir / "missing.ini"), -1);
    std::string path = dir / "ro/Tolva.ini";
    Write_Text(path, "[Video]\n");
    std::filesystem::permissions(dir / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (geteuid() != 0) {
        EXPECT_EQ(Add(path), -1);
        EXPECT_EQ(Read_Text(path), "[Video]\n");
    }
    std::filesystem::permissions(dir / "ro", std::filesystem::perms::owner_all);
}

TEST(Ini, WriteIfDifferent)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva_example.ini";
    EXPECT_EQ(STU_INI_Write_If_Different(path.c_str(), "a\n"), 1);
    EXPECT_EQ(STU_INI_Write_If_Different(path.c_str(), "a\n"), 0);
    EXPECT_EQ(STU_INI_Write_If_Different(path.c_str(), "b\n"), 1);
    EXPECT_EQ(Read_Text(path), "b\n");
    EXPECT_EQ(STU_INI_Write_If_Different(nullptr, "b"), -1);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(Ini, ReadValueCutsComments)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva.ini";
    Write_Text(path, "[Paths]\nscale_mode = wrong\n[VIDEO]\n  scale_mode = fit_nearest ;note\nbroken line\n"
                     "[Video\naspect_ratio = 4:3 # hash\n");
    char value[64];
    ASSERT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "SCALE_MODE", value, sizeof value), 1);
    EXPECT_STREQ(value, "fit_nearest");
    ASSERT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "aspect_ratio", value, sizeof value), 1);
    EXPECT_STREQ(value, "4:3");
    EXPECT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "startup_window", value, sizeof value), 0);
    char tiny[4];
    ASSERT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "scale_mode", tiny, sizeof tiny), 1);
    EXPECT_STREQ(tiny, "fit");
}

// A line over 1,023 bytes is one line, ignored whole: its tail never reads as another key.
TEST(Ini, OverlongLineIsIgnoredWholeNotReadInPieces)
{
    Test_Temp_Dir dir;
    std::string path = dir / "Tolva.ini";
    auto hiding = [](const std::string &tail) { return "note = " + std::string(1023 - 7, 'x') + tail + "\n"; };
    std::string fits = "aspect_ratio = 4:3";
    fits += std::string(1023 - fits.size(), ' ');  // exactly 1,023 bytes before the line end
    Write_Text(path, "[Paths]\n" + hiding("game_data = /elsewhere") + "[Video]\n" + hiding("scale_mode = fit_nearest") +
                         fits + "\r\n");
    char value[64];
    EXPECT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "scale_mode", value, sizeof value), 0);
    ASSERT_EQ(STU_GRAF_Read_Ini_Value(path.c_str(), "Video", "aspect_ratio", value, sizeof value), 1);
    EXPECT_STREQ(value, "4:3");
    char folder[1024];
    EXPECT_EQ(STU_GRAF_Read_Game_Data_From_Ini(path.c_str(), folder, sizeof folder), 0);
}
