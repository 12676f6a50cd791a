// Palette 0 shows each banner in one colour wherever the game's banner tables point: unit figures,
// cities and the reduced map; the banner colours are far apart from each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Palette.h"
#include "overland/Map_Layers.h"
#include "overland/Unit_Figure.h"
#include "shell/Reduced_Map.h"

namespace {

struct Rgb {
    int r, g, b;
};

Rgb Palette0(int index)
{
    const uint8_t *colours = Palette_Builtin_Image() + PALETTE_COLORS_OFFSET;
    return {colours[index * 3], colours[index * 3 + 1], colours[index * 3 + 2]};
}

double Distance(Rgb a, Rgb b)
{
    return std::sqrt(double((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b)));
}

Rgb Banner(int banner)
{
    return {PALETTE_BANNER_RGB[banner][0], PALETTE_BANNER_RGB[banner][1], PALETTE_BANNER_RGB[banner][2]};
}

// The banner whose colour lies nearest, measured against the banner's colour darkened to half or
// paled toward white by up to half, so that light and dark shades of one banner count as it.
int Nearest_Banner(Rgb c)
{
    int best = -1;
    double best_distance = 1e9;
    for (int banner = 0; banner < PALETTE_BANNERS; ++banner) {
        Rgb base = Banner(banner);
        for (int step = -10; step <= 10; ++step) {
            auto mix = [step](int c) { return step < 0 ? c * (20 + step) / 20 : c + (63 - c) * step / 20; };
            Rgb shade = {mix(base.r), mix(base.g), mix(base.b)};
            double d = Distance(c, shade);
            if (d < best_distance) {
                best_distance = d;
                best = banner;
            }
        }
    }
    return best;
}

// An entry named by two banners' tables shows the first of them.
TEST(Banner_Colours, EveryTableEntryOfABannerShowsThatBanner)
{
    int claimed[256];
    for (int &c : claimed) c = -1;
    for (int banner = 0; banner < 5; ++banner) {
        for (int k = 0; k < NUM_BANNER_COLORS; ++k) {
            for (int index : {(int)COL_Banners[banner][k], COL_City_Banner[5 * banner + k] - 1}) {
                if (claimed[index] < 0) claimed[index] = banner;
                EXPECT_EQ(Nearest_Banner(Palette0(index)), claimed[index]) << "banner " << banner << " entry " << index;
            }
        }
        EXPECT_EQ(Nearest_Banner(Palette0(COL_MinimapBanners[banner])), banner) << "reduced-map mark";
    }
    for (int k = 0; k < NUM_BANNER_COLORS; ++k) EXPECT_EQ(Nearest_Banner(Palette0(COL_Banners[5][k])), 5);
    EXPECT_EQ(Nearest_Banner(Palette0(COL_MinimapNeutral)), 5);
}

TEST(Banner_Colours, NoTwoBannersLookAlike)
{
    for (int a = 0; a < PALETTE_BANNERS; ++a)
        for (int b = a + 1; b < PALETTE_BANNERS; ++b) EXPECT_GT(Distance(Banner(a), Banner(b)), 30.0) << a << " " << b;
}

}  // namespace
