// RAROZ.SET typed byte by byte at the offsets of its layout, read through the start-up loader:
// every field lands where the layout puts it, in little-endian order, and the file is written
// back unchanged when nothing needs repair.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "world/Game_Settings.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Piece {
    size_t offset;
    Bytes bytes;
};

const Piece raroz_pieces[] = {
    {0, {0x01, 0x00}},                  // word 0 "Sound Effects" on
    {2, {0x00, 0x00}},                  // word 1 "Background Music" off
    {14, {0x01, 0x00}},                 // word 7 "Raze City" on
    {30, {0x02, 0x01}},                 // word 15 holds 0x0102 (kept as stored)
    {34, {0x00, 0x00}},                 // word 17 "Expanding Help" off
    {36, {0x02, 0x00}},                 // word 18
    {42, {0x05, 0x00}},                 // word 21: five opponents
    {52, {0x01, 0x00}},                 // word 26: slot 3 in use
    {104, {'G', 'a', 'e', 'l', 0x00}},  // slot 3 name (64 + 2 x 20)
    {224, {0x01, 0x00}},                // word 112 "Movement Animations"
    {226, {'R', 'j', 'a', 'k', 0x00}},  // hall of fame name 0
    {406, {'Z', 'o', 'l', 0x00}},       // hall of fame name 9
    {426, {0x2C, 0x01}},                // score 0: 300
    {444, {0x34, 0x12}},                // score 9: 0x1234
    {446, {0x03, 0x00}},                // race 0
    {464, {0x0D, 0x00}},                // race 9
};

class Settings_File_Bytes : public ::testing::Test {
protected:
    Test_Temp_Dir dir;
    void SetUp() override { STU_GRAF_Set_User_Data_Dir(dir.path.c_str()); }
    void TearDown() override { STU_GRAF_Set_User_Data_Dir(nullptr); }
};

}  // namespace

TEST_F(Settings_File_Bytes, FieldsSitAtTheirOffsets)
{
    Bytes file(466, 0);
    for (const Piece &p : raroz_pieces) std::memcpy(file.data() + p.offset, p.bytes.data(), p.bytes.size());
    Write_Text(dir / "RAROZ.SET", std::string(file.begin(), file.end()));
    std::memset(&magic_set, 0xAB, sizeof magic_set);

    Load_MAGIC_SET();

    EXPECT_EQ(Game_Settings_Word(0), 1);
    EXPECT_EQ(Game_Settings_Word(1), 0);
    EXPECT_EQ(Game_Settings_Word(7), 1);
    EXPECT_EQ(Game_Settings_Word(15), 0x0102);
    EXPECT_EQ(Game_Settings_Word(17), 0);
    EXPECT_EQ(Game_Settings_Word(18), 2);
    EXPECT_EQ(Game_Settings_Word(21), 5);
    EXPECT_EQ(Game_Settings_Word(26), 1);
    EXPECT_EQ(Game_Settings_Word(25), 0);
    EXPECT_STREQ(magic_set.save_names[2], "Gael");
    EXPECT_STREQ(magic_set.save_names[1], "");
    EXPECT_EQ(Game_Settings_Word(112), 1);
    EXPECT_STREQ(magic_set.hall_names[0], "Rjak");
    EXPECT_STREQ(magic_set.hall_names[9], "Zol");
    EXPECT_EQ(magic_set.hall_scores[0], 300);
    EXPECT_EQ(magic_set.hall_scores[9], 0x1234);
    EXPECT_EQ(magic_set.hall_races[0], 3);
    EXPECT_EQ(magic_set.hall_races[9], 13);

    std::string written = Read_Text(dir / "RAROZ.SET");
    EXPECT_EQ(Bytes(written.begin(), written.end()), file);
}
