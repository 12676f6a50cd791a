// Terrain squares drawn from their rows give the page the column drawer gives for every picture
// number and animation frame of the stand-in terrain, whole and cut by the page's edges; squares
// without a picture are refused alike; the rows follow the terrain entries when they change.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Allocate.h"
#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "Picture_Rows.h"
#include "Pictures.h"
#include "Resources_Fixture.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Test_Temp_Dir.h"
#include "Video.h"
#include "overland/Game_Resources.h"
#include "overland/Map_Layers.h"
#include "overland/Terrain_Rows.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"

namespace {

// The column drawer as the terrain was drawn before: column by column, colour 0 left, the page's
// edges cut; remap codes through their tables when the picture asks for it.
void Reference_Draw(int x, int y, const uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH), h = LE_U16(bitmap + PICTURE_HEIGHT);
    bool remap = LE_U16(bitmap + PICTURE_REMAP_WORD) != 0;
    for (int c = 0; c < w; ++c) {
        for (int r = 0; r < h; ++r) {
            int px = x + c, py = y + r;
            uint8_t value = bitmap[PICTURE_BITMAP_HEADER + c * h + r];
            if (value == 0 || px < 0 || py < 0 || px >= SCREEN_WIDTH || py >= SCREEN_HEIGHT) continue;
            uint8_t *pixel = current_video_page + py * SCREEN_WIDTH + px;
            *pixel =
                remap && value > FRAME_REMAP_FIRST ? remap_color_palettes[value - FRAME_REMAP_FIRST][*pixel] : value;
        }
    }
}

class Terrain_Rows_Test : public Resources_Test {
protected:
    std::vector<int16_t> world = std::vector<int16_t>((size_t)WORLD_SIZE * NUM_PLANES, 0);
    int16_t *saved_world = nullptr;

    void SetUp() override
    {
        saved_world = _world_maps;
        _world_maps = world.data();
    }
    void TearDown() override
    {
        _world_maps = saved_world;
        terrain_anim_ctr = 0;
    }
};

TEST_F(Terrain_Rows_Test, EveryPictureNumberAndFrameDrawsAsTheColumnDrawerDoes)
{
    ASSERT_NE(m_terrain_lbx_000, nullptr) << "build the standin_data target first";
    std::vector<uint8_t> ours(SCREEN_SIZE), theirs(SCREEN_SIZE);
    uint8_t *saved_page = current_video_page;
    static const int places[][2] = {{0, 20}, {37, 91}, {-7, -5}, {310, 190}, {-19, 100}, {150, -17}};
    int drawn = 0;
    for (int16_t plane = 0; plane < NUM_PLANES; ++plane) {
        for (int terrain = 0; terrain < TERRAIN_PICTURES_PER_PLANE; ++terrain) {
            world[(size_t)World_Square_Index(5, 7, plane)] = (int16_t)terrain;
            for (int16_t frame = 0; frame < 4; ++frame) {
                terrain_anim_ctr = frame;
                uint8_t *picture = Terrain_Square_Picture(5, 7, plane);
                Terrain_Square_Form square;
                ASSERT_EQ(Terrain_Rows_Square(5, 7, plane, &square), picture != nullptr) << terrain;
                if (picture == nullptr) continue;
                const auto &place = places[(terrain + frame) % 6];
                for (int k = 0; k < SCREEN_SIZE; ++k) ours[(size_t)k] = theirs[(size_t)k] = (uint8_t)(k * 13 + terrain);
                current_video_page = ours.data();
                Terrain_Rows_Draw(square, (int16_t)place[0], (int16_t)place[1]);
                current_video_page = theirs.data();
                Reference_Draw(place[0], place[1], picture);
                ASSERT_EQ(ours, theirs) << "plane " << plane << " terrain " << terrain << " frame " << frame;
                ++drawn;
            }
        }
    }
    current_video_page = saved_page;
    EXPECT_GT(drawn, 1000);
    EXPECT_GT(Terrain_Rows_Kept(), 0);
}

TEST_F(Terrain_Rows_Test, SquaresWithoutAPictureAreRefusedAsTheyAreByThePictureLookUp)
{
    Terrain_Square_Form square;
    struct Case {
        int16_t terrain, wx, wy, plane;
    };
    static const Case cases[] = {
        {-1, 3, 3, 0}, {763, 3, 3, 0}, {0, -1, 3, 0}, {0, 60, 3, 0}, {0, 3, 40, 1}, {0, 3, 3, 2}, {762, 3, 3, 1},
    };
    for (const Case &c : cases) {
        if (c.wx >= 0 && c.wx < WORLD_WIDTH && c.wy >= 0 && c.wy < WORLD_HEIGHT && c.plane >= 0 && c.plane < NUM_PLANES)
            world[(size_t)World_Square_Index(c.wx, c.wy, c.plane)] = c.terrain;
        bool expected = Terrain_Square_Picture(c.wx, c.wy, c.plane) != nullptr;
        EXPECT_EQ(Terrain_Rows_Square(c.wx, c.wy, c.plane, &square), expected)
            << c.terrain << " at " << c.wx << "," << c.wy << "," << c.plane;
    }
    // An animation counter out of its range still draws what the picture look-up gives.
    world[(size_t)World_Square_Index(3, 3, 0)] = 0;
    terrain_anim_ctr = 9;
    EXPECT_EQ(Terrain_Rows_Square(3, 3, 0, &square), Terrain_Square_Picture(3, 3, 0) != nullptr);
}

TEST_F(Terrain_Rows_Test, RowsFollowTheTerrainEntries)
{
    uint8_t *pictures = m_terrain_lbx_000;
    uint32_t length = m_terrain_lbx_000_length;
    Terrain_Square_Form square;
    ASSERT_TRUE(Terrain_Rows_Square(0, 0, 0, &square));
    // No terrain entry: no square has a picture.
    m_terrain_lbx_000 = nullptr;
    EXPECT_FALSE(Terrain_Rows_Square(0, 0, 0, &square));
    // Other bytes at another place: the rows are made from them.
    std::vector<uint8_t> copy(pictures, pictures + length);
    m_terrain_lbx_000 = copy.data();
    uint8_t *picture = Terrain_Square_Picture(0, 0, 0);
    ASSERT_NE(picture, nullptr);
    std::memset(picture + PICTURE_BITMAP_HEADER, 77, 20 * 18);
    ASSERT_TRUE(Terrain_Rows_Square(0, 0, 0, &square));
    std::vector<uint8_t> page(SCREEN_SIZE, 0);
    uint8_t *saved_page = current_video_page;
    current_video_page = page.data();
    Terrain_Rows_Draw(square, 0, 0);
    current_video_page = saved_page;
    EXPECT_EQ(page[0], 77);
    EXPECT_EQ(page[17 * SCREEN_WIDTH + 19], 77);
    // The terrain entry loaded anew over the same place: the rows are dropped and made again.
    Picture_Rows_Forget_Area(copy.data(), (uint32_t)copy.size());
    std::memset(picture + PICTURE_BITMAP_HEADER, 78, 20 * 18);
    ASSERT_TRUE(Terrain_Rows_Square(0, 0, 0, &square));
    current_video_page = page.data();
    Terrain_Rows_Draw(square, 0, 0);
    current_video_page = saved_page;
    EXPECT_EQ(page[0], 78);
    m_terrain_lbx_000 = pictures;
    Terrain_Rows_Build();
}

}  // namespace
