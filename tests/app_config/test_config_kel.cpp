// CONFIG.KEL typed byte by byte: the first 18 bytes as little-endian words (the second the MIDI
// driver code, the fifth the digital driver code); bytes past 18 are not read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

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
