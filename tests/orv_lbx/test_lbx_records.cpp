#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "lbx_fixture.h"

class LBX_Records_Test : public testing::Test {
protected:
    void SetUp() override
    {
        Pool_Init_Guard_Mode(0);
        Bytes big = Record_Table(2000, 30);  // 60,000 bytes of records
        Bytes short_table = Record_Table(10, 6);
        short_table.resize(4 + 5 * 6);  // claims 10 records, holds 5
        folder_.Write("RECS.LBX", LBX_Writer_Archive(
                                      {Record_Table(12, 6, 100), Bytes{1, 2}, big, short_table, Record_Table(3, 0)}));
    }
    LBX_Folder folder_;
};

TEST_F(LBX_Records_Test, LoadDataTakesRecordsFromFirstToTheEnd)
{
    uint8_t *data = LBX_Load_Data("recs", 0, 5, 3, 6);
    for (int r = 0; r < 7; ++r) EXPECT_EQ(data[r * 6], 105 + r) << r;
}

TEST_F(LBX_Records_Test, StaticLoadReadsExactlyTheRequest)
{
    uint8_t buffer[64];
    memset(buffer, 0xEE, sizeof buffer);
    LBX_Load_Data_Static("recs", 0, buffer, 10, 2, 6);
    EXPECT_EQ(buffer[0], 110);
    EXPECT_EQ(buffer[11], 111);
    EXPECT_EQ(buffer[12], 0xEE);
    LBX_Load_Data_Static("recs", 2, buffer, 0, 1, 30);
    EXPECT_EQ(buffer[29], 0);
}

TEST_F(LBX_Records_Test, RecordChecksFailWithTheOpenArchivesName)
{
    const struct {
        const char *what;
        int16_t entry, first, count, size;
    } cases[] = {
        {"size differs", 0, 0, 1, 7},
        {"one record beyond the count", 0, 10, 3, 6},
        {"record size 0", 4, 0, 1, 0},
        {"60,000 bytes or more", 2, 0, 2000, 30},
        {"records claimed but not held", 3, 0, 6, 6},
        {"entry shorter than its table header", 1, 0, 0, 6},
        {"negative first", 0, -1, 1, 6},
    };
    uint8_t buffer[64];
    for (const auto &c : cases) {
        EXPECT_EXIT(LBX_Load_Data_Static("recs", c.entry, buffer, c.first, c.count, c.size), testing::ExitedWithCode(1),
                    "RECS\\.LBX \\[entry [0-9]+\\]  has an incorrect record size")
            << c.what;
    }
    EXPECT_EXIT(LBX_Load_Data_Static("recs", -2, buffer, 0, 1, 6), testing::ExitedWithCode(1),
                "RECS\\.LBX \\[entry -2\\]  could not be found\\.");
    EXPECT_EXIT(LBX_Load_Data("recs", 0, 13, 1, 6), testing::ExitedWithCode(1), "has an incorrect record size");
}

TEST(LBX_Error_Text, EveryCodeOfTheTable)
{
    RAM_Set_Minimum(583);
    const struct {
        int16_t code;
        int32_t value;
        const char *text;
    } cases[] = {
        {1, 0, "SND.LBX [entry 2]  could not be found."},
        {2, 0, "SND.LBX [entry 2]  has been corrupted."},
        {3, 0, "Insufficient memory. You need at least 583K free. Try removing all TSR's."},
        {4, 0, "SND.LBX [entry 2]  was not properly allocated or has been corrupted."},
        {5, 4, "SND.LBX [entry 2]  failed to reload. Allocation too small by 4 pages"},
        {6, 0, "SND.LBX [entry 2] "},
        {7, 0, "SND.LBX [entry 2]  is not an LBX file"},
        {8, 0, "SND.LBX [entry 2]  exceeds number of LBX entries"},
        {9, 0, "SND.LBX [entry 2]  has an incorrect record size"},
        {10, 0, "SND.LBX [entry 2]  exceeds number of defined records"},
        {11, 0, "SND.LBX cannot be reloaded into EMS w/o being first released."},
        {12, 0, "SND.LBX [entry 2]  EMM loading error. Insufficient EMM."},
        {13, 0, "SND.LBX [entry 2]  Only pictures may be loaded into reserved EMM"},
        {16, 0, "SND.LBX [entry 2]  Vga file animation frames cannot exceed 65536 bytes"},
        {17, 0, "SND.LBX [entry 2] "},
        {0, 0, "SND.LBX [entry 2] "},
    };
    char text[200];
    for (const auto &c : cases) {
        LBX_Error_Text("SND", c.code, 2, c.value, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.code;
    }
}

TEST(LBX_Name, BaseNameIsUpperCasedAndCutAtTheFirstDot)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"spelldat.lbx", "SPELLDAT"}, {"Message", "MESSAGE"}, {"a.b.c", "A"}, {"FIGURE10", "FIGURE10"}, {"", ""}};
    for (const auto &c : cases) {
        char name[32];
        strcpy(name, c.in);
        File_Name_Base(name);
        EXPECT_STREQ(name, c.out);
    }
}
