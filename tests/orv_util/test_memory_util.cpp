#include <gtest/gtest.h>

#include <vector>

#include "Memory_Util.h"

TEST(Structures, DeleteMovesDownAndClearZeroesTheLastPlace)
{
    uint8_t records[12] = {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};
    Clear_Structure(2, records, 4, 3);
    EXPECT_EQ(std::vector<uint8_t>(records, records + 12), (std::vector<uint8_t>{1, 1, 1, 1, 2, 2, 2, 2, 0, 0, 0, 0}));

    uint8_t more[12] = {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};
    Delete_Structure(0, more, 4, 3);
    EXPECT_EQ(std::vector<uint8_t>(more, more + 12), (std::vector<uint8_t>{2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3}));
    Clear_Structure(3, more, 4, 3);
    EXPECT_EQ(more[11], 3);
}

TEST(Bit_Fields, BitIOfByteIOver8)
{
    uint8_t bits[4] = {};
    Set_Bit_Field(9, bits);
    EXPECT_EQ(bits[1], 0x02);
    EXPECT_EQ(Test_Bit_Field(9, bits), 1);
    EXPECT_EQ(Test_Bit_Field(8, bits), 0);
    Set_Bit_Field_Near(31, bits);
    EXPECT_EQ(bits[3], 0x80);
    EXPECT_EQ(Test_Bit_Field_Near(31, bits), 1);
    Clear_Bit_Field(9, bits);
    EXPECT_EQ(bits[1], 0);
    Set_Bit_Field(-1, bits);
    EXPECT_EQ(Test_Bit_Field(-1, bits), 0);
    EXPECT_EQ(bits[0], 0);
}

TEST(Memory, LessThanComparesSignedBytes)
{
    uint8_t source[3] = {0xFF, 5, 0x80};
    uint8_t destination[3] = {1, 3, 0x7F};
    Copy_Memory_Less_Than(source, destination, 3);
    EXPECT_EQ(destination[0], 0xFF);  // -1 < 1
    EXPECT_EQ(destination[1], 3);
    EXPECT_EQ(destination[2], 0x80);

    char text[] = "Tower of {x}";
    String_To_Upper(text);
    EXPECT_STREQ(text, "TOWER OF {X}");
}
