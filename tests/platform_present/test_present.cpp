// The page-to-texture conversion: whichever way the processor takes, every index of the page
// comes out as its palette colour, opaque, in ARGB8888, and rows land at the pitch given.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sdl2_Video.h"

namespace {

constexpr int W = 320;
constexpr int H = 200;

uint32_t Expected(const std::vector<uint8_t> &palette, uint8_t index)
{
    const uint8_t *c = &palette[index * 4];
    return 0xFF000000u | ((uint32_t)c[0] << 16) | ((uint32_t)c[1] << 8) | c[2];
}

TEST(Present, EveryIndexGivesItsPaletteColourAtAnyPitch)
{
    std::vector<uint8_t> palette(1024);
    uint32_t x = 12345;
    for (uint8_t &b : palette) {
        x = x * 1103515245u + 12345u;
        b = (uint8_t)(x >> 16);
    }
    std::vector<uint8_t> page(W * H);
    // Every index in every position of a 64-pixel step, and runs of the top-bit indices.
    for (int i = 0; i < W * H; ++i) page[i] = (uint8_t)((i * 7 + i / W) & 0xFF);
    for (int i = 0; i < W; ++i) page[i] = (uint8_t)(128 + i % 128);
    for (int pitch : {W * 4, W * 4 + 64}) {
        std::vector<uint32_t> out(pitch / 4 * H, 0x12345678u), table(pitch / 4 * H, 0x12345678u);
        sdl2_Convert_Page_ARGB8888(page.data(), palette.data(), out.data(), pitch);
        sdl2_Convert_Page_ARGB8888_Table(page.data(), palette.data(), table.data(), pitch);
        for (int y = 0; y < H; ++y)
            for (int i = 0; i < W; ++i)
                ASSERT_EQ(out[y * (pitch / 4) + i], Expected(palette, page[y * W + i]))
                    << "pitch " << pitch << " at " << i << "," << y;
        EXPECT_EQ(out, table) << "pitch " << pitch;
        // The gap between rows stays untouched.
        if (pitch > W * 4) {
            EXPECT_EQ(out[W], 0x12345678u);
        }
    }
}

}  // namespace
