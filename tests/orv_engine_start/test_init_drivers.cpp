#include <gtest/gtest.h>

#include "EMM.h"
#include "Init_Drivers.h"
#include "ORV2.h"
#include "Video.h"
#include "random.h"

// Engine start-up seeds from the clock and then, when the command line gave one, from the
// seed; drawing is left on the off-screen page and the screen area is taken.
TEST(Init_Drivers, CommandLineSeedReplacesTheClockSeed)
{
    _cmd_line_seed = 0x10;
    uint64_t segment = g_rng_segment;
    Init_Drivers(1, 2, "FONTS.LBX");
    EXPECT_EQ(Get_Random_Seed(), 16u);
    EXPECT_EQ(g_rng_segment, segment + 2);
    EXPECT_NE(_VGAFILEH_seg, nullptr);
    uint8_t *drawn_on = current_video_page;
    EXPECT_EQ(Set_Page_Off(), drawn_on);
    _cmd_line_seed = 0;
}
