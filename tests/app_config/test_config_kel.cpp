// CONFIG.KEL typed byte by byte: the first 18 bytes as little-endian words (the second the MIDI
// driver code, the fifth the digital driver code); bytes past 18 are not read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Log_Capture.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "Tolva.h"

TEST(Config_Kel, FirstEighteenBytesAsLittleEndianWords)
{
    Test_Temp_Dir dir;
    STU_GRAF_Set_User_Data_Dir(dir.path.c_str());
    struct Case {
        const char *name;
        std::vector<uint8_t> file;  // empty: no file at all
        uint16_t words[10];
    };
    const Case cases[] = {
        {"a whole 20-byte record",
         {0x01, 0x00, 0x31, 0x00, 0x20, 0x02, 0x07, 0x00, 0x34, 0x12,
          0x05, 0x00, 0x06, 0x00, 0x07, 0x00, 0xFF, 0xFF, 0x09, 0x00},
         {0x0001, 0x0031, 0x0220, 0x0007, 0x1234, 0x0005, 0x0006, 0x0007, 0xFFFF, 0x0000}},
        {"a short file with an odd last byte", {0x10, 0x00, 0x18}, {0x0010, 0x0018}},
        {"no file", {}, {}},
    };
    for (const Case &c : cases) {
        std::remove((dir / "CONFIG.KEL").c_str());
        if (!c.file.empty()) Write_Text(dir / "CONFIG.KEL", std::string(c.file.begin(), c.file.end()));
        for (uint16_t &w : config_kel) w = 0xABCD;
        Read_CONFIG_KEL();
        for (int i = 0; i < 10; i++) EXPECT_EQ(config_kel[i], c.words[i]) << c.name << ", word " << i;
    }
    STU_GRAF_Set_User_Data_Dir(nullptr);
}

// A damaged file is taken as it is, but what was out of range and what was used instead is said
// at INFO; a sound file says nothing.
TEST(Config_Kel, OutOfRangeValuesAreReported)
{
    Test_Temp_Dir dir;
    STU_GRAF_Set_User_Data_Dir(dir.path.c_str());
    struct Case {
        const char *name;
        std::vector<uint8_t> file;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"known codes", {0x00, 0x00, 0x31, 0x00, 0, 0, 0, 0, 0x18, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
        {"unknown MIDI and digital codes",
         {0x00, 0x00, 0x07, 0x00, 0, 0, 0, 0, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0, 0},
         {"CONFIG.KEL: the MIDI driver code (word 1) is 7, not one the game knows; driver 0 is used instead",
          "CONFIG.KEL: the digital sound driver code (word 4) is 4660, not one the game knows; driver 0 is used "
          "instead"}},
        {"a short file", {0x10, 0x00, 0x18}, {"CONFIG.KEL holds 3 of its 18 bytes; the missing words are taken as 0"}},
    };
    for (const Case &c : cases) {
        Write_Text(dir / "CONFIG.KEL", std::string(c.file.begin(), c.file.end()));
        Log_Capture log;
        Read_CONFIG_KEL();
        std::string text = log.Finish();
        for (const std::string &line : c.said) {
            size_t at = text.find(line);
            ASSERT_NE(at, std::string::npos) << c.name << ": " << line;
            size_t line_start = text.rfind('\n', at);
            line_start = line_start == std::string::npos ? 0 : line_start + 1;
            EXPECT_NE(text.substr(line_start, at - line_start).find("[INFO ]"), std::string::npos) << c.name;
        }
        if (c.said.empty()) {
            EXPECT_EQ(text.find("CONFIG.KEL:"), std::string::npos) << c.name;
        }
    }
    STU_GRAF_Set_User_Data_Dir(nullptr);
}
