// Help rectangles (HLPENTRY) and help text records (HELP entry 2) read from archives whose bytes
// are typed here from the format descriptions, independent of the stand-in writers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "Help.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Archive header: u16 entry count, signature AD FE, 4 unused bytes, u32 offsets; padded to 512.
Bytes Archive(Bytes head, const Bytes &body)
{
    head.resize(512, 0);
    head.insert(head.end(), body.begin(), body.end());
    return head;
}

const Bytes hlpentry_lbx =
    Archive({0x02, 0x00, 0xAD, 0xFE, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02,
             0x00, 0x00, 0x04, 0x02, 0x00, 0x00, 0x26, 0x02, 0x00, 0x00},
            {
                0x00, 0x00, 0x0A, 0x00,                                      // entry 0: no records of 10 bytes
                0x03, 0x00, 0x0A, 0x00,                                      // entry 1: 3 records of 10 bytes
                0x05, 0x00, 0x0A, 0x00, 0x14, 0x00, 0x1E, 0x00, 0x28, 0x00,  // help 5, (10,20)-(30,40)
                0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x3F, 0x01, 0xC7, 0x00,  // empty slot over the whole screen
                0x2C, 0x01, 0xF6, 0xFF, 0x0A, 0x00, 0x2D, 0x00, 0x32, 0x00,  // help 300, (-10,10)-(45,50)
            });

struct Piece {
    size_t offset;
    Bytes bytes;
};

Bytes Help_Record(std::initializer_list<Piece> pieces)
{
    Bytes record(1048, 0);
    for (const Piece &p : pieces) std::memcpy(record.data() + p.offset, p.bytes.data(), p.bytes.size());
    return record;
}

Bytes Help_Archive()
{
    Bytes body = {0x02, 0x00, 0x18, 0x04};  // 2 records of 1,048 bytes
    Bytes first = Help_Record({
        {0, {'F', 'i', 'r', 'e', ' ', 'B', 'o', 'l', 't', 0x00}},
        {30, {'I', 'T', 'E', 'M', 'I', 'S', 'C', 0x00}},
        {44, {0x02, 0x01}},  // picture entry 258
        {46, {0xFF, 0xFF}},  // goes on with the next record
        {48, {'B', 'u', 'r', 'n', 's', ' ', 'a', ' ', 'f', 'o', 'e', '.', 0x00}},
    });
    Bytes second = Help_Record({
        {0, {'E', 'm', 'b', 'e', 'r', 's', 0x00}}, {46, {0x07, 0x00}},  // goes on with record 7
    });
    body.insert(body.end(), first.begin(), first.end());
    body.insert(body.end(), second.begin(), second.end());
    // Entries 0 and 1 (the scroll pictures) are empty here; entry 2 ends at 512 + 2,100.
    return Archive({0x03, 0x00, 0xAD, 0xFE, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00,
                    0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x34, 0x0A, 0x00, 0x00},
                   body);
}

void Write_File(const std::string &path, const Bytes &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

class Help_Formats : public testing::Test {
protected:
    void SetUp() override
    {
        Pool_Init_Guard_Mode(0);
        Write_File(dir_ / "HLPENTRY.LBX", hlpentry_lbx);
        Write_File(dir_ / "HELP.LBX", Help_Archive());
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(dir_.path.c_str());
        LBX_Close();
    }
    void TearDown() override
    {
        LBX_Close();
        STU_GRAF_Reset();
        Deactivate_Help_List();
    }
    Test_Temp_Dir dir_;
};

}  // namespace

TEST_F(Help_Formats, HelpRectanglesAreFiveSignedWords)
{
    Set_Help_List_From_Entry(1, 3);
    ASSERT_EQ(help_list_count, 3);
    EXPECT_EQ(help_list_active, 1);
    const int16_t expected[3][5] = {{5, 10, 20, 30, 40}, {-1, 0, 0, 319, 199}, {300, -10, 10, 45, 50}};
    for (int i = 0; i < 3; ++i) {
        const Help_Entry &e = _help_entries[i];
        EXPECT_EQ((std::vector<int16_t>{e.help_idx, e.x1, e.y1, e.x2, e.y2}),
                  (std::vector<int16_t>(expected[i], expected[i] + 5)))
            << "record " << i;
    }
    // The earlier rectangle wins; the empty slot never matches; the negative corner counts.
    EXPECT_EQ(Help_Entry_At(20, 30), 0);
    EXPECT_EQ(Help_Entry_At(0, 15), 2);
    EXPECT_EQ(Help_Entry_At(300, 100), -1);
}

TEST_F(Help_Formats, HelpTextRecordsAndTheirChain)
{
    uint8_t bytes[HELP_RECORD_SIZE];
    Help_Text_Record record;

    LBX_Load_Data_Static("HELP", 2, bytes, 0, 1, HELP_RECORD_SIZE);
    Help_Decode_Record(bytes, &record);
    EXPECT_STREQ(record.title, "Fire Bolt");
    EXPECT_STREQ(record.lbx_name, "ITEMISC");
    EXPECT_EQ(record.lbx_entry, 258);
    EXPECT_EQ(record.continuation, -1);
    EXPECT_STREQ(record.text, "Burns a foe.");
    EXPECT_EQ(Help_Next_Record(0, record.continuation), 1);

    LBX_Load_Data_Static("HELP", 2, bytes, 1, 1, HELP_RECORD_SIZE);
    Help_Decode_Record(bytes, &record);
    EXPECT_STREQ(record.title, "Embers");
    EXPECT_STREQ(record.lbx_name, "") << "no picture";
    EXPECT_STREQ(record.text, "");
    EXPECT_EQ(Help_Next_Record(1, record.continuation), 7);
    EXPECT_EQ(Help_Next_Record(7, 0), -1);
}
