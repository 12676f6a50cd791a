#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "lbx_fixture.h"

class LBX_Load_Test : public testing::Test {
protected:
    void SetUp() override
    {
        Pool_Init_Guard_Mode(1);
        entries_ = {Pattern(40, 1), Bytes(), Pattern(32768, 3), Pattern(33000, 9)};
        folder_.Write("test.lbx", LBX_Writer_Archive(entries_));
    }
    void TearDown() override { EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0); }

    LBX_Folder folder_;
    std::vector<Bytes> entries_;
};

TEST_F(LBX_Load_Test, EveryNameFormNamesOneOpenArchive)
{
    uint8_t *data = LBX_Load("test", 0);
    EXPECT_EQ(Bytes(data, data + 40), entries_[0]);
    FILE *opened = lbxload_fptr;
    EXPECT_STREQ(lbxload_file_name, "TEST");
    for (const char *form : {"TEST", "Test.lbx", "test.LBX"}) {
        char name[16];
        strcpy(name, form);
        LBX_Load(name, 0);
        EXPECT_STREQ(name, "TEST") << form;
        EXPECT_EQ(lbxload_fptr, opened) << form;
    }
}

TEST_F(LBX_Load_Test, EntriesLoadWholeWhateverTheirSize)
{
    const struct {
        int16_t entry;
        uint32_t length;
    } cases[] = {{1, 0}, {2, 32768}, {3, 33000}};
    LBX_Load("TEST", 0);  // the reader's header area is taken on first use
    for (const auto &c : cases) {
        uint32_t used_before = Pool_Bytes_Used();
        uint8_t *data = LBX_Load("TEST", c.entry);
        EXPECT_EQ(lbxload_entry_length, c.length);
        EXPECT_EQ(Bytes(data, data + c.length), entries_[c.entry]);
        // a new area of length / 16 + 1 paragraphs plus its header paragraph and guard
        EXPECT_EQ(Pool_Bytes_Used() - used_before, (c.length / 16 + 2) * 16 + POOL_GUARD_BYTES);
    }
}

TEST_F(LBX_Load_Test, ReloadReplacesTheBlockContents)
{
    SAMB_ptr block = Allocate_Space(4);
    Allocate_First_Block(block, 1);
    uint8_t *data = LBX_Reload("test", 0, block);  // 40 bytes: 3 paragraphs
    EXPECT_EQ(data, block + 16);
    EXPECT_EQ(SAMB_Used(block), 4);
    EXPECT_EQ(Bytes(data, data + 40), entries_[0]);
    EXPECT_EXIT(LBX_Reload("test", 3, block), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry 3\\]  was not properly allocated or has been corrupted\\.");
    SAMB_ptr empty = Allocate_Space(0);  // no room at all, not even for an empty entry
    EXPECT_EXIT(LBX_Reload("test", 1, empty), testing::ExitedWithCode(1), "was not properly allocated");
}

TEST_F(LBX_Load_Test, AppendFitsExactlyOrFailsByTheShortfall)
{
    SAMB_ptr block = Allocate_Space(10);
    uint8_t *first = LBX_Reload_Next("test", 0, block);  // used 1 -> 4
    EXPECT_EQ(first, block + 2 * 16);
    EXPECT_EQ(SAMB_Used(block), 4);
    Mark_Block(block);
    SAMB_Set_Word(block, SAMB_WORD_USED, 8);  // 2 paragraphs free, one short of 3
    EXPECT_EXIT(LBX_Reload_Next("test", 0, block), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry 0\\]  failed to reload\\. Allocation too small by 1 pages");
    Release_Block(block);
    SAMB_Set_Word(block, SAMB_WORD_USED, 7);  // exactly 3 free
    uint8_t *second = LBX_Reload_Next("test", 0, block);
    EXPECT_EQ(second, block + 8 * 16);
    EXPECT_EQ(Get_Free_Blocks(block), 0);
    EXPECT_EQ(Bytes(second, second + 40), entries_[0]);
}

TEST_F(LBX_Load_Test, BlocksWithoutSignaturesAreRefused)
{
    SAMB_ptr block = Allocate_Space(10);
    SAMB_Set_Word(block, SAMB_WORD_SIG1, 0);
    EXPECT_EXIT(LBX_Reload("test", 0, block), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry 0\\]  has been corrupted\\.");
    EXPECT_EXIT(LBX_Reload_Next("test", 1, block), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry 1\\]  has been corrupted\\.");
}

TEST_F(LBX_Load_Test, EntryNumbersOutsideTheArchive)
{
    EXPECT_EXIT(LBX_Load("test", 4), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry 4\\]  exceeds number of LBX entries");
    EXPECT_EXIT(LBX_Load("test", -1), testing::ExitedWithCode(1),
                "TEST\\.LBX \\[entry -1\\]  exceeds number of LBX entries");
    uint32_t start = 0, length = 0;
    FILE *file = LBX_Get_Entry_Data("test", 3, &start, &length);
    EXPECT_EQ(file, lbxload_fptr);
    EXPECT_EQ(start, 512u + 40 + 32768);
    EXPECT_EQ(length, 33000u);
}

TEST_F(LBX_Load_Test, NoRoomForANewAreaGivesTheMemoryText)
{
    RAM_Set_Minimum(583);
    LBX_Load("test", 0);
    Pool_Carve(Pool_Bytes_Free() - POOL_TAIL_MARGIN - 2 * POOL_GUARD_BYTES - 100);
    EXPECT_EXIT(LBX_Load("test", 2), testing::ExitedWithCode(1),
                "^Insufficient memory\\. You need at least 583K free\\. Try removing all TSR's\\.");
    Pool_Init_Guard_Mode(1);
}

TEST(LBX_Open, MissingArchiveMessageHasTwoBlanks)
{
    LBX_Folder folder;
    EXPECT_EXIT(LBX_Load("foo", 3), testing::ExitedWithCode(1), "FOO\\.LBX \\[entry 3\\]  could not be found\\.");
}

TEST(LBX_Open, DamagedHeadersEndCleanly)
{
    Pool_Init_Guard_Mode(0);
    LBX_Folder folder;
    Bytes good = LBX_Writer_Archive({Pattern(20, 0), Pattern(30, 1)});
    struct Case {
        const char *what;
        Bytes bytes;
        const char *text;
    };
    std::vector<Case> cases;
    cases.push_back({"truncated header", Bytes(good.begin(), good.begin() + 300),
                     "BAD\\.LBX \\[entry 0\\]  has been corrupted\\."});
    cases.push_back({"empty file", Bytes(), "has been corrupted\\."});
    Bytes signature = good;
    signature[3] = 0xFF;
    cases.push_back({"signature", signature, "BAD\\.LBX \\[entry 0\\]  is not an LBX file"});
    Bytes too_many = good;
    LE_Put_U16(too_many.data(), 126);
    cases.push_back({"count above 125", too_many, "has been corrupted\\."});
    Bytes negative = good;
    LE_Put_U16(negative.data(), 0xFFFF);
    cases.push_back({"negative count", negative, "has been corrupted\\."});
    Bytes decreasing = good;
    LE_Put_U32(decreasing.data() + LBX_HEADER_OFFSETS + 4, 400);
    cases.push_back({"decreasing offsets", decreasing, "has been corrupted\\."});
    Bytes past_end = good;
    LE_Put_U32(past_end.data() + LBX_HEADER_OFFSETS + 8, (uint32_t)good.size() + 1);
    cases.push_back({"offset past the end", past_end, "has been corrupted\\."});
    Bytes truncated_data = Bytes(good.begin(), good.end() - 1);
    cases.push_back({"truncated entry data", truncated_data, "has been corrupted\\."});
    for (const Case &c : cases) {
        folder.Write("bad.lbx", c.bytes);
        LBX_Close();
        EXPECT_EXIT(LBX_Load("bad", 0), testing::ExitedWithCode(1), c.text) << c.what;
    }
}

TEST(LBX_Open, LastEntryOfAFullArchiveLoads)
{
    Pool_Init_Guard_Mode(0);
    LBX_Folder folder;
    std::vector<Bytes> entries;
    for (int i = 0; i < LBX_MAX_ENTRIES; ++i) entries.push_back(Pattern(3, (uint8_t)i));
    folder.Write("full.lbx", LBX_Writer_Archive(entries));
    uint8_t *data = LBX_Load("full", 124);
    EXPECT_EQ(Bytes(data, data + 3), entries[124]);
    EXPECT_EQ(lbxload_num_entries, 125);
}
