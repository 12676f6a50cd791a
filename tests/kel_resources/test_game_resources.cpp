// The game proper's resources and the overland graphics caches on the stand-in installation: the
// first entry loads them all, a second loads nothing, the cache presets give the same addresses
// when repeated, and every terrain picture number leads to a 20 x 18 picture inside the terrain
// entry (animated ones four in a row).
#include <SDL.h>
#include <gtest/gtest.h>

#include "Allocate.h"
#include "Animation.h"
#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "Pictures.h"
#include "Resources_Fixture.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Test_Temp_Dir.h"
#include "overland/Game_Resources.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/LOADER.h"
#include "world/Unit_Type_Record.h"

namespace {

using Game_Resources_Test = Resources_Test;

TEST_F(Game_Resources_Test, First_Entry_Loads_Everything_And_A_Second_Loads_Nothing)
{
    EXPECT_EQ(g_vez_resources_loaded, 1);
    for (uint8_t *picture : {m_terrain_lbx_000, m_terrain_lbx_001, m_terrain_lbx_002, IMG_OVL_Walled_City,
                             node_warped_seg, main_background_seg, main_lilevent_icons[5], mirror_screen_background_seg,
                             combat_background_bottom, snd_left_button_click})
        EXPECT_NE(picture, nullptr);
    EXPECT_NE(bldg_data_table, nullptr);
    EXPECT_GT(snd_standard_button_click_size, 0u);
    // The cities' pictures have a frame per size.
    EXPECT_GE(FLIC_Get_FrameCount(IMG_OVL_Walled_City), 5);
    EXPECT_GE(FLIC_Get_FrameCount(eroads_seg[0]), 6);
    EXPECT_GE(FLIC_Get_FrameCount(node_auras_seg[4]), 6);
    // Row 13 of the unrest table starts 182 bytes into its record.
    EXPECT_EQ(reinterpret_cast<uint8_t *>(TBL_Unrest[13]) - reinterpret_cast<uint8_t *>(TBL_Unrest[0]), 182);

    uint32_t used = Pool_Bytes_Used();
    uint8_t *background = main_background_seg;
    Load_VEZ_Resources_Once();
    EXPECT_EQ(Pool_Bytes_Used(), used);
    EXPECT_EQ(main_background_seg, background);
}

TEST_F(Game_Resources_Test, Terrain_Picture_Numbers_Lead_To_Square_Pictures)
{
    LBX_Load("TERRAIN.LBX", 0);
    uint32_t length = lbxload_entry_length;
    for (int number = 0; number < 2 * 762; ++number) {
        uint8_t page = m_terrain_lbx_001[2 * number];
        int index = m_terrain_lbx_001[2 * number + 1];
        int pictures = (page & 0x80) ? 4 : 1;
        for (int step = 0; step < pictures; ++step) {
            int64_t at = (int64_t)(page & 0x7F) * 16384 + (int64_t)(index + step) * 384 - 576;
            ASSERT_GE(at, 0) << "picture number " << number;
            ASSERT_LE(at + PICTURE_BITMAP_HEADER + 20 * 18, (int64_t)length) << "picture number " << number;
            EXPECT_EQ(LE_U16(m_terrain_lbx_000 + at), 20) << "picture number " << number;
            EXPECT_EQ(LE_U16(m_terrain_lbx_000 + at + 2), 18) << "picture number " << number;
        }
    }
}

TEST_F(Game_Resources_Test, Overland_Cache_Fits_And_Repeats)
{
    Cache_Graphics_Overland();
    uint32_t figure = _unit_type_table[197].pict_ofs;
    uint8_t *book = small_spellbook_seg[0];
    uint8_t *building = bldg_picts_seg[34];
    ASSERT_NE(book, nullptr);
    ASSERT_NE(building, nullptr);
    Cache_Graphics_Things();
    Cache_Graphics_Overland();
    EXPECT_EQ(_unit_type_table[197].pict_ofs, figure);
    EXPECT_EQ(small_spellbook_seg[0], book);
    EXPECT_EQ(bldg_picts_seg[34], building);
    // Cityscape buildings carry ten frames.
    EXPECT_GE(FLIC_Get_FrameCount(building), 10);
}

}  // namespace
