#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "EMM.h"
#include "File_Access.h"
#include "Test_Temp_Dir.h"

TEST(EMM, MappingMovesTheFrameOnly)
{
    EMS_Startup();
    ASSERT_NE(_VGAFILEH_seg, nullptr);
    EXPECT_EQ(_VGAFILEH_seg[EMM_SCREEN_AREA_SIZE - 1], 0);
    EMM_MapFourPages(1, _VGAFILEH_seg);
    EXPECT_EQ(EMM_GetPageFrame(), _VGAFILEH_seg + 16384);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(EMM_Log2Phys_Map[i][0], 1 + i);
        EXPECT_EQ(EMM_Log2Phys_Map[i][1], i);
    }
    EXPECT_EQ(EMMDATAH_Map(), nullptr);
    EXPECT_EQ(EMM_GetPageFrame(), _VGAFILEH_seg + 16384);
}

class File_Access_Test : public testing::Test {
protected:
    Test_Temp_Dir dir_;
    std::string folder_ = dir_.path;
};

TEST_F(File_Access_Test, OneHandleAtATime)
{
    std::string first = folder_ + "/Combat.tmp";
    std::string second = folder_ + "/other.bin";
    std::vector<uint8_t> data(32767);
    for (size_t i = 0; i < data.size(); ++i) data[i] = (uint8_t)i;

    ASSERT_NE(gfopen(first.c_str(), "wb"), nullptr);
    EXPECT_EQ(gfwrite(data.data(), 1, data.size(), nullptr), 1u);
    EXPECT_EQ(_gf_bsize, 32767);
    EXPECT_EQ(gfwrite(data.data(), 16, 2048, nullptr), 0u);  // 32,768 bytes do not fit the count
    gfclose(nullptr);

    // the name's letter case need not match the file's
    ASSERT_NE(gfopen((folder_ + "/COMBAT.TMP").c_str(), "rb"), nullptr);
    FILE *held = gfopen(second.c_str(), "wb");
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(_gf_fhandle, held);
    gfclose(nullptr);  // closes the second; the first handle is lost
    EXPECT_EQ(_gf_fhandle, nullptr);

    ASSERT_NE(gfopen(first.c_str(), "rb"), nullptr);
    std::vector<uint8_t> back(32767);
    EXPECT_EQ(gfread(back.data(), 32767, 1, nullptr), 1u);
    EXPECT_EQ(back, data);
    EXPECT_EQ(gfseek(nullptr, 100, SEEK_SET), 0);
    EXPECT_EQ(gfread(back.data(), 1, 1, nullptr), 1u);
    EXPECT_EQ(back[0], 100);
    EXPECT_EQ(gfread(back.data(), 1, 1, nullptr), 1u);
    gfseek(nullptr, 0, SEEK_END);
    EXPECT_EQ(gfread(back.data(), 1, 1, nullptr), 0u);
    gfclose(nullptr);
}

TEST_F(File_Access_Test, DirFindsFilesRegardlessOfCase)
{
    std::string path = folder_ + "/CONFIG.KEL";
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    char found[256] = "junk";
    std::string asked = folder_ + "/config.kel";
    EXPECT_EQ(DIR(asked.c_str(), found), -1);
    EXPECT_EQ(std::string(found), asked);
    EXPECT_EQ(DIR((folder_ + "/missing.kel").c_str(), found), 0);
    EXPECT_STREQ(found, "");
}
