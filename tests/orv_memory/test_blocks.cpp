#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "Release.h"

namespace {

SAMB_ptr Fresh_Block(uint16_t nparas)
{
    Pool_Init_Guard_Mode(1);
    return Allocate_Space(nparas);
}

}  // namespace

TEST(Blocks, FreshBlockHeaderAndZeroedData)
{
    SAMB_ptr block = Fresh_Block(10);
    const uint16_t expected[8] = {0xAAAA, 0xAAAA, 0x12FA, 0x4ECF, 10, 1, 0xAAAA, 0xAAAA};
    for (int w = 0; w < 8; ++w) EXPECT_EQ(SAMB_Word(block, w), expected[w]) << w;
    EXPECT_EQ(block[0], 0xAA);
    EXPECT_EQ(block[4], 0xFA);  // little-endian words
    EXPECT_EQ(Get_Free_Blocks(block), 9);
    EXPECT_EQ(Check_Allocation(block), -1);
    EXPECT_EQ(tmp_SAMB_head, block);
    for (int i = 16; i < 176; ++i) ASSERT_EQ(block[i], 0) << i;
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);
}

TEST(Blocks, NoHeaderAreaStartsTwelveBytesIn)
{
    Pool_Init_Guard_Mode(0);
    uint8_t *first = Allocate_Space_No_Header(2);
    uint8_t *second = Allocate_Space_No_Header(1);
    EXPECT_EQ(second - first, 48);
    EXPECT_EQ(first[-12], 0xCC);
}

TEST(Blocks, SubBlocksFillTheBlockExactly)
{
    SAMB_ptr block = Fresh_Block(20);
    uint8_t *first = Allocate_First_Block(block, 4);
    EXPECT_EQ(first, block + 32);
    EXPECT_EQ(SAMB_Used(block), 6);
    uint8_t *sub = block + 16;
    EXPECT_EQ(SAMB_Word(sub, 0), 0xBBBB);
    EXPECT_EQ(SAMB_Word(sub, SAMB_WORD_SIZE), 4);
    EXPECT_EQ(SAMB_Word(sub, SAMB_WORD_MARK), 1);

    // size - used = 14 >= n + 1 exactly at n = 13
    uint8_t *next = Allocate_Next_Block(block, 13);
    EXPECT_EQ(next, block + 8 * 16);
    EXPECT_EQ(SAMB_Word(block + 7 * 16, 0), 0xCCCC);
    EXPECT_EQ(SAMB_Used(block), 20);
    EXPECT_EQ(Get_Free_Blocks(block), 0);
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);
}

TEST(Blocks, FirstBlockNeedsTwoSpareParagraphs)
{
    SAMB_ptr block = Fresh_Block(7);
    Allocate_First_Block(block, 5);
    EXPECT_EQ(Get_Free_Blocks(block), 0);
    EXPECT_EXIT(Allocate_First_Block(block, 6), testing::ExitedWithCode(1),
                "Failed to reload Allocate_Next_Block\\(\\): Short by 7 blocks");
}

TEST(Blocks, NextBlockOneParagraphShortFails)
{
    SAMB_ptr block = Fresh_Block(10);
    EXPECT_EXIT(Allocate_Next_Block(block, 9), testing::ExitedWithCode(1),
                "Failed to reload Allocate_Next_Block\\(\\): Short by 9 blocks");
}

TEST(Blocks, MissingSignaturesAreCorruption)
{
    SAMB_ptr block = Fresh_Block(10);
    SAMB_Set_Word(block, SAMB_WORD_SIG2, 0);
    EXPECT_EQ(Check_Allocation(block), 0);
    EXPECT_EXIT(Allocate_Next_Block(block, 2), testing::ExitedWithCode(1),
                "Allocation space has been corrupted for Allocate_Next_Block\\(\\) of 3 blocks");
    EXPECT_EXIT(Allocate_First_Block(block, 2), testing::ExitedWithCode(1), "of 3 blocks");
}

TEST(Blocks, ReleaseRestoresTheMarkAndKeepsData)
{
    SAMB_ptr block = Fresh_Block(30);
    Allocate_First_Block(block, 2);
    Release_Block(block);  // never marked: nothing to return to
    EXPECT_EQ(SAMB_Used(block), 4);
    Mark_Block(block);
    uint8_t *a = Allocate_Next_Block(block, 3);
    uint8_t *b = Allocate_Next_Block(block, 5);
    memset(a, 0x11, 48);
    memset(b, 0x22, 80);
    Release_Block(block);
    EXPECT_EQ(SAMB_Used(block), 4);
    EXPECT_EQ(a[47], 0x11);
    EXPECT_EQ(b[79], 0x22);
    EXPECT_EQ(Allocate_Next_Block(block, 1), a);
    Reset_First_Block(block);
    EXPECT_EQ(SAMB_Used(block), 1);
}

TEST(Blocks, AllocationTextsBeforeAndAfterTheReleaseFlag)
{
    struct Case {
        int16_t code;
        int32_t value;
        const char *text;
    } cases[] = {
        {1, 5, "Dynamic allocation too small for Allocate_Space() of 5 blocks"},
        {2, 7, "Failed to reload Allocate_Next_Block(): Short by 7 blocks"},
        {3, 9, "Allocation space has been corrupted for Allocate_Next_Block() of 9 blocks"},
        {4, 2, "Failed to reload (EMM)  Allocate_Next_Block(): Short by 2 blocks"},
        {6, 4, "4 blocks"},
    };
    char text[200];
    release_flag = 0;
    for (const Case &c : cases) {
        Allocation_Error_Text(c.code, c.value, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    release_flag = 1;
    Allocation_Error_Text(2, 7, text, sizeof text);
    EXPECT_STREQ(text, "Insufficient memory. You need at least 640K free. Try removing all TSR's.");
    release_flag = 0;
}

TEST(Near_Buffer, AllocationsAndTheirLimits)
{
    Near_Allocate_Reset();
    uint8_t *first = Near_Allocate_First(4144);
    EXPECT_EQ(first, near_buffer + 256);
    EXPECT_EQ(near_buffer_used, 4400);
    EXPECT_EQ(near_buffer_mark, 4400);

    Near_Allocate_First(100);
    uint8_t *next = Near_Allocate_Next(50);
    EXPECT_EQ(next, near_buffer + 356);
    EXPECT_EQ(Near_Allocate_Mark(), 406);
    Near_Allocate_Next(10);
    EXPECT_EQ(Near_Allocate_Undo(), 406);
    EXPECT_EQ(Near_Allocate_Next(3994), near_buffer + 406);

    EXPECT_EXIT(Near_Allocate_First(4145), testing::ExitedWithCode(1), "^Near Allocation too large by 1\n$");
    EXPECT_EXIT(Near_Allocate_Next(1), testing::ExitedWithCode(1), "Near Allocation too large by 1");
    EXPECT_EXIT(Near_Allocate_First(-1), testing::ExitedWithCode(1), "Near Allocation too large by");
}
