#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "EMM.h"
#include "File_Animation.h"
#include "STU_LE.h"
#include "Test_Page_Png.h"
#include "format_bytes.h"

namespace {

// An archive of one entry at 0x200.
Bytes One_Entry_Archive(const Bytes &entry)
{
    Bytes file;
    Put_Bytes(file, 0, {0x01, 0x00, 0xAD, 0xFE, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00});
    file.resize(512, 0);
    LE_Put_U32(file.data() + 12, 0x200 + (uint32_t)entry.size());
    file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

// A 2 x 300 streamed animation of two frames. Column heads are big-endian words: 01 04 is a
// plain column of 260 bytes of runs (more than one byte can count), 80 06 a packed one of 6.
Bytes Streamed_Entry()
{
    Bytes e = {
        0x02, 0x00, 0x2C, 0x01,  // width 2, height 300
        0x00, 0x00, 0x02, 0x00,  // current frame 0, 2 frames
        0x00, 0x00,              // loop frame 0
        0x00, 0x00, 0x00, 0x00,  // streamed flag and location (set only in the header copy)
        0x00, 0x00,              // no palette
        0x01, 0x00,              // whole frames, no remap
        0x1E, 0x00, 0x00, 0x00,  // frame 0 at 30
        0x2D, 0x01, 0x00, 0x00,  // frame 1 at 301
        0x34, 0x01, 0x00, 0x00,  // end at 308
        0x80,                    // frame 0's unread byte
        0x01, 0x04,              // column 0: plain, 260 bytes
        0x80, 0x00,              // run of 128 from row 0
    };
    e.insert(e.end(), 128, 0x11);
    Put_Bytes(e, e.size(), {0x80, 0x02});  // run of 128, two rows on
    e.insert(e.end(), 128, 0x12);
    Put_Bytes(e, e.size(),
              {0x80, 0x06, 0x04, 0x01, 0xE3, 0x21, 0x22, 0x23,  // column 1: 4 x 0x21 from row 1, 0x22, 0x23
               0x80, 0xFF, 0x00, 0x03, 0x01, 0x00, 0x44});      // frame 1: empty, then row 0 = 0x44
    return e;
}

TEST(Streamed_Hand_Bytes, BigEndianColumnHeadsAndFrameAdvance)
{
    Pool_Init_Guard_Mode(0);
    Data_Folder folder;
    Bytes entry = Streamed_Entry();
    ASSERT_EQ(entry.size(), 308u);
    folder.Write("REEL.LBX", One_Entry_Archive(entry));
    _VGAFILEH_seg = nullptr;  // the pool was started afresh: carve the area again
    EMS_Startup();
    Test_Page page;
    std::memset(page.Pixels(), 0x63, SCREEN_SIZE);

    Open_File_Animation("REEL", 0);
    const uint8_t head_copy[16] = {0x02, 0x00, 0x2C, 0x01, 0x00, 0x00, 0x02, 0x00,
                                   0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(file_animation_header, head_copy, 16), 0);
    Draw_File_Animation();
    EXPECT_EQ(Get_File_Animation_Frame(), 1);
    for (int y = 0; y < 128; ++y) ASSERT_EQ(page.At(0, y), 0x11) << y;
    EXPECT_EQ(page.At(0, 128), 0x63);
    EXPECT_EQ(page.At(0, 129), 0x63);
    for (int y = 130; y < 200; ++y) ASSERT_EQ(page.At(0, y), 0x12) << y;
    const uint8_t column_1[8] = {0x63, 0x21, 0x21, 0x21, 0x21, 0x22, 0x23, 0x63};
    for (int y = 0; y < 8; ++y) EXPECT_EQ(page.At(1, y), column_1[y]) << y;
    EXPECT_EQ(LE_U32(_VGAFILEH_seg + 18), 30u);  // the offset moved for the draw is put back

    Draw_File_Animation();
    EXPECT_EQ(page.At(1, 0), 0x44);
    EXPECT_EQ(page.At(0, 0), 0x11);
    EXPECT_EQ(Get_File_Animation_Frame(), 0);  // after the last frame: loop frame 0
}

TEST(Streamed_Hand_Bytes, FramesOf64KBOrMoreEndTheProgram)
{
    Pool_Init_Guard_Mode(0);
    // One frame of `size` bytes: its unread byte, an empty column, then padding.
    auto entry_with_frame = [](uint32_t size) {
        Bytes e = {0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x1A, 0x00, 0x00, 0x00};
        Put_Bytes(e, e.size(), {0, 0, 0, 0});
        LE_Put_U32(e.data() + 22, 26 + size);
        Put_Bytes(e, 26, {0x80, 0xFF});
        e.resize(26 + size, 0);
        return e;
    };
    Data_Folder folder;
    _VGAFILEH_seg = nullptr;  // the pool was started afresh: carve the area again
    EMS_Startup();
    Test_Page page;
    folder.Write("BIG.LBX", One_Entry_Archive(entry_with_frame(65535)));
    Open_File_Animation("BIG", 0);
    Draw_File_Animation();
    EXPECT_EQ(Get_File_Animation_Frame(), 0);

    LBX_Close();
    folder.Write("BIG.LBX", One_Entry_Archive(entry_with_frame(65536)));
    Open_File_Animation("BIG", 0);
    EXPECT_EXIT(Draw_File_Animation(), testing::ExitedWithCode(1),
                "BIG\\.LBX \\[entry 0\\]  Vga file animation frames cannot exceed 65536 bytes");
}

}  // namespace
