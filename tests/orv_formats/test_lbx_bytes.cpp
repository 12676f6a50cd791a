#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "format_bytes.h"

namespace {

// Five entries: "HELLO", an empty one, a record table of three 4-byte records, filler, and
// "AB" placed past 64 KB so that its offsets need all 32 bits.
Bytes Hand_Archive()
{
    Bytes file;
    Put_Bytes(file, 0, {0x05, 0x00, 0xAD, 0xFE, 0x00, 0x00, 0x00, 0x00,  // count 5, signature, unused
                        0x00, 0x02, 0x00, 0x00,                          // entry 0 at 0x200
                        0x05, 0x02, 0x00, 0x00,                          // entry 1 at 0x205 (empty)
                        0x05, 0x02, 0x00, 0x00,                          // entry 2 at 0x205
                        0x15, 0x02, 0x00, 0x00,                          // entry 3 at 0x215
                        0x00, 0x00, 0x01, 0x00,                          // entry 4 at 0x10000
                        0x02, 0x00, 0x01, 0x00});                        // end at 0x10002
    file.resize(512, 0);
    Put_Bytes(file, 0x200, {'H', 'E', 'L', 'L', 'O'});
    Put_Bytes(file, 0x205,
              {0x03, 0x00, 0x04, 0x00,  // 3 records of 4 bytes
               0x11, 0x11, 0x11, 0x11, 0x22, 0x22, 0x22, 0x22, 0x33, 0x33, 0x33, 0x33});
    Put_Bytes(file, 0x10000, {'A', 'B'});
    return file;
}

TEST(LBX_Hand_Bytes, EntriesAndRecordsReadAsLaidOut)
{
    Pool_Init_Guard_Mode(0);
    Data_Folder folder;
    folder.Write("HAND.LBX", Hand_Archive());

    uint8_t *hello = LBX_Load("hand.lbx", 0);
    EXPECT_EQ(lbxload_entry_length, 5u);
    EXPECT_EQ(std::memcmp(hello, "HELLO", 5), 0);
    EXPECT_EQ(lbxload_num_entries, 5);
    LBX_Load("HAND", 1);
    EXPECT_EQ(lbxload_entry_length, 0u);
    uint8_t *far_entry = LBX_Load("HAND", 4);
    EXPECT_EQ(lbxload_entry_length, 2u);
    EXPECT_EQ(std::memcmp(far_entry, "AB", 2), 0);

    // Records 1 and 2 into a buffer; from record 2 to the end into a new area.
    uint8_t records[8] = {};
    LBX_Load_Data_Static("HAND", 2, records, 1, 2, 4);
    const uint8_t expected[8] = {0x22, 0x22, 0x22, 0x22, 0x33, 0x33, 0x33, 0x33};
    EXPECT_EQ(std::memcmp(records, expected, 8), 0);
    uint8_t *tail = LBX_Load_Data("HAND", 2, 2, 1, 4);
    EXPECT_EQ(std::memcmp(tail, expected + 4, 4), 0);
    EXPECT_EXIT(LBX_Load("HAND", 5), testing::ExitedWithCode(1),
                "HAND\\.LBX \\[entry 5\\]  exceeds number of LBX entries");
    // Only three records of four bytes: one record too many, or the wrong size, is refused.
    EXPECT_EXIT(LBX_Load_Data_Static("HAND", 2, records, 2, 2, 4), testing::ExitedWithCode(1),
                "HAND\\.LBX \\[entry 2\\]  has an incorrect record size");
    EXPECT_EXIT(LBX_Load_Data_Static("HAND", 2, records, 0, 1, 2), testing::ExitedWithCode(1), "incorrect record size");
}

TEST(LBX_Hand_Bytes, SignatureIsLittleEndianFEAD)
{
    Pool_Init_Guard_Mode(0);
    Data_Folder folder;
    Bytes swapped = Hand_Archive();
    swapped[2] = 0xFE;  // the bytes FE AD read as 0xADFE
    swapped[3] = 0xAD;
    folder.Write("SWAP.LBX", swapped);
    EXPECT_EXIT(LBX_Load("swap", 0), testing::ExitedWithCode(1), "SWAP\\.LBX \\[entry 0\\]  is not an LBX file");
}

}  // namespace
