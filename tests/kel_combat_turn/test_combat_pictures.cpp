// The combat screen's picture loaders on the stand-in installation: which archive each unit type and
// battlefield terrain reads, that a figure set holds the type's eight facings with the attack pose,
// and that a damaged picture ends the program with a message naming its archive.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "LBX_Load.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "Turn_Fixture.h"
#include "combat/screens/Combat_Pictures.h"
#include "combat/screens/Combat_Sounds.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

class Combat_Pictures_Test : public Turn_Test {
protected:
    void SetUp() override
    {
        Turn_Test::SetUp();
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
        LBX_Close();
        Combat_Pictures_Forget();
    }
    void TearDown() override
    {
        LBX_Close();
        Turn_Test::TearDown();
    }
};

TEST_F(Combat_Pictures_Test, ArchivesByUnitTypeAndTerrain)
{
    struct Type_Case {
        int16_t type;
        const char *archive;
        int16_t first;
    };
    for (const Type_Case &c :
         {Type_Case{0, "FIGURES1", 0}, Type_Case{14, "FIGURES1", 112}, Type_Case{134, "FIGURES9", 112},
          Type_Case{135, "FIGURE10", 0}, Type_Case{197, "FIGURE14", 16}}) {
        char name[16];
        int16_t first = -1;
        Combat_Figure_Archive(c.type, name, (int)sizeof name, &first);
        EXPECT_STREQ(name, c.archive) << c.type;
        EXPECT_EQ(first, c.first) << c.type;
    }
    EXPECT_EQ(Combat_Terrain_Archive(0, 0), nullptr);
    EXPECT_STREQ(Combat_Terrain_Archive(6, 0), "CMBGRASS");
    EXPECT_STREQ(Combat_Terrain_Archive(2, 1), "CMBGRASC");
    EXPECT_STREQ(Combat_Terrain_Archive(3, 1), "CMBDESRC");
    EXPECT_STREQ(Combat_Terrain_Archive(4, 0), "CMBMOUNT");
    EXPECT_STREQ(Combat_Terrain_Archive(5, 1), "CMBTUNDC");
    // Every unit type's movement sound is an entry the stand-in installation holds.
    for (int16_t type = 0; type < NUM_UNIT_TYPES; type++) {
        const char *archive = nullptr;
        int16_t entry = -1;
        Combat_Move_Sound_Entry(type, &archive, &entry);
        const bool newsound = std::string(archive) == "NEWSOUND";
        EXPECT_TRUE(newsound ? entry == 0 : entry >= 0 && entry <= 118) << type << " " << archive << " " << entry;
    }
    // Battle music: the neutral side's pieces, else a pair per wizard portrait.
    _num_players = 3;
    _players[1].wizard_id = 4;
    EXPECT_EQ(Combat_Music_Entry(NEUTRAL_PLAYER_IDX, 1), 102);
    EXPECT_EQ(Combat_Music_Entry(NEUTRAL_PLAYER_IDX, 2), 103);
    EXPECT_EQ(Combat_Music_Entry(1, 1), 79);
    EXPECT_EQ(Combat_Music_Entry(1, 2), 80);
}

TEST_F(Combat_Pictures_Test, FigureSetsAndTerrainLoad)
{
    ASSERT_EQ(Combat_Figure_Load(40, 3), 3);
    EXPECT_EQ(Combat_Figure_Set_Type(3), 40);
    for (int16_t facing = 0; facing < COMBAT_FACINGS; facing++) {
        uint8_t *picture = Combat_Figure_Picture(3, facing);
        ASSERT_NE(picture, nullptr) << facing;
        EXPECT_GE(FLIC_Get_FrameCount(picture), 4) << "walking frames and the attack pose";
    }
    // The last set lies at the end of the figure memory; another type replaces a set's pictures.
    ASSERT_EQ(Combat_Figure_Load(197, 17), 17);
    ASSERT_EQ(Combat_Figure_Load(41, 3), 3);
    EXPECT_EQ(Combat_Figure_Set_Type(3), 41);
    EXPECT_EQ(Combat_Figure_Load(40, 18), -1);
    EXPECT_EQ(Combat_Figure_Load(-1, 2), -1);
    EXPECT_EQ(Combat_Figure_Picture(18, 0), nullptr);

    Load_Combat_Terrain_Pictures(4, 1);
    for (uint8_t *p : _combat_terrain_pict_segs) EXPECT_NE(p, nullptr);
    for (uint8_t *p : _combat_tree_pict_segs) EXPECT_NE(p, nullptr);
    for (uint8_t *p : _combat_rock_pict_segs) EXPECT_NE(p, nullptr);
    Load_Combat_Terrain_Pictures(0, 0);
    EXPECT_EQ(_combat_terrain_pict_segs[0], nullptr) << "water has no ground tiles";
}

TEST_F(Combat_Pictures_Test, DamagedPictureEndsWithItsArchiveNamed)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("tolva_compix_" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(TOLVA_BINARY_DIR "/standin/COMPIX.LBX", folder / "COMPIX.LBX", fs::copy_options::overwrite_existing);
    {
        // Entry 0's frame count raised far past its frame offsets.
        FILE *f = fopen((folder / "COMPIX.LBX").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        uint8_t offset[4] = {};
        fseek(f, 8, SEEK_SET);
        ASSERT_EQ(fread(offset, 1, 4, f), 4u);
        const long start = offset[0] | offset[1] << 8 | offset[2] << 16 | (long)offset[3] << 24;
        fseek(f, start + 6, SEEK_SET);
        const uint8_t frames[2] = {0xF0, 0x7F};
        fwrite(frames, 1, 2, f);
        fclose(f);
    }
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    LBX_Close();
    EXPECT_EXIT(
        Combat_Screen_Load_Resources(), [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; },
        "COMPIX");
    fs::remove_all(folder);
}

}  // namespace
