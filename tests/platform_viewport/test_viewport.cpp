#include <gtest/gtest.h>

#include "sdl2_Viewport.h"

namespace {

Viewport Compute(int ww, int wh, int dw, int dh, int mode, int aspect)
{
    Viewport v;
    Viewport_Compute(&v, ww, wh, dw, dh, 320, 200, mode, aspect);
    return v;
}

struct Layout_Case {
    const char *name;
    int width, height, mode, aspect;
    int x, y, w, h, scale;
};

TEST(Viewport, LayoutsForEveryModeAndAspect)
{
    const Layout_Case cases[] = {
        {"integer 16:10 fills 1280x800", 1280, 800, 0, 0, 0, 0, 1280, 800, 4},
        {"integer 4:3 drops to x3", 1280, 800, 0, 1, 160, 40, 960, 720, 3},
        {"fit_nearest 4:3 on 1080p", 1920, 1080, 1, 1, 240, 0, 1440, 1080, 4},
        {"fit_nearest 16:10 on 1080p", 1920, 1080, 1, 0, 96, 0, 1728, 1080, 5},
        {"sharp bilinear keeps the fit layout", 1920, 1080, 2, 1, 240, 0, 1440, 1080, 4},
        {"integer 16:10 leaves bars", 1000, 700, 0, 0, 20, 50, 960, 600, 3},
        {"tiny window overflows at scale 1", 1, 1, 0, 0, -160, -100, 320, 200, 1},
        {"tiny window 4:3 overflows", 1, 1, 0, 1, -160, -120, 320, 240, 1},
        {"non-positive sizes count as 1", 0, -5, 0, 0, -160, -100, 320, 200, 1},
    };
    for (const Layout_Case &c : cases) {
        Viewport v = Compute(c.width, c.height, c.width, c.height, c.mode, c.aspect);
        EXPECT_EQ(v.image_x, c.x) << c.name;
        EXPECT_EQ(v.image_y, c.y) << c.name;
        EXPECT_EQ(v.image_width, c.w) << c.name;
        EXPECT_EQ(v.image_height, c.h) << c.name;
        EXPECT_EQ(v.scale, c.scale) << c.name;
    }
}

TEST(Viewport, WindowToGameMapsCornersAndClampsBars)
{
    Viewport v = Compute(1280, 800, 1280, 800, 0, 0);
    int gx = -1, gy = -1;
    EXPECT_EQ(Viewport_Window_To_Game(&v, 0, 0, &gx, &gy), 1);
    EXPECT_EQ(gx, 0);
    EXPECT_EQ(gy, 0);
    EXPECT_EQ(Viewport_Window_To_Game(&v, 1279, 799, &gx, &gy), 1);
    EXPECT_EQ(gx, 319);
    EXPECT_EQ(gy, 199);
    EXPECT_EQ(Viewport_Window_To_Game(&v, 643, 401, &gx, &gy), 1);
    EXPECT_EQ(gx, 160);
    EXPECT_EQ(gy, 100);

    // 4:3 picture at 160,40 size 960x720: the side bars map outside and clamp to the edge.
    Viewport b = Compute(1280, 800, 1280, 800, 0, 1);
    EXPECT_EQ(Viewport_Window_To_Game(&b, 10, 400, &gx, &gy), 0);
    EXPECT_EQ(gx, 0);
    EXPECT_EQ(Viewport_Window_To_Game(&b, 1270, 795, &gx, &gy), 0);
    EXPECT_EQ(gx, 319);
    EXPECT_EQ(gy, 199);
    EXPECT_EQ(Viewport_Window_To_Game(&b, 160, 40, &gx, &gy), 1);
    EXPECT_EQ(gx, 0);
    EXPECT_EQ(gy, 0);
}

TEST(Viewport, GameToWindowPicksTheMiddlePixelAndRoundTrips)
{
    Viewport v = Compute(1280, 800, 1280, 800, 0, 0);
    int wx = -1, wy = -1;
    Viewport_Game_To_Window(&v, 0, 0, &wx, &wy);
    EXPECT_EQ(wx, 1);
    EXPECT_EQ(wy, 1);

    // Whenever the picture is at least game size, every game pixel maps into a window pixel
    // that maps back to it, at each mode, aspect and
    // on a high-density drawable (window 640x400 points, drawable 1280x800 pixels).
    const int layouts[][6] = {
        {1280, 800, 1280, 800, 0, 0}, {1280, 800, 1280, 800, 0, 1}, {1919, 1079, 1919, 1079, 1, 1},
        {1000, 700, 1000, 700, 2, 0}, {640, 400, 1280, 800, 1, 0},  {700, 450, 700, 450, 1, 1},
    };
    for (const auto &l : layouts) {
        Viewport r = Compute(l[0], l[1], l[2], l[3], l[4], l[5]);
        for (int g = 0; g < 320; g += 7) {
            int x = 0, y = 0, back_x = -1, back_y = -1;
            Viewport_Game_To_Window(&r, g, g * 199 / 319, &x, &y);
            EXPECT_EQ(Viewport_Window_To_Game(&r, x, y, &back_x, &back_y), 1);
            EXPECT_EQ(back_x, g) << l[0] << "x" << l[1];
            EXPECT_EQ(back_y, g * 199 / 319) << l[0] << "x" << l[1];
        }
    }
}

TEST(Viewport, ImageRectAndPointerSize)
{
    Viewport v = Compute(1280, 800, 1280, 800, 0, 1);
    int x, y, w, h;
    Viewport_Image_Rect_In_Window(&v, &x, &y, &w, &h);
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(w, 960);
    EXPECT_EQ(h, 720);
    Viewport hidpi = Compute(640, 400, 1280, 800, 0, 0);
    Viewport_Image_Rect_In_Window(&hidpi, &x, &y, &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 400);
    Viewport tiny = Compute(100, 50, 100, 50, 0, 0);
    Viewport_Image_Rect_In_Window(&tiny, &x, &y, &w, &h);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 50);

    int pw, ph;
    Viewport_Game_Size_In_Drawable(&v, 16, 16, &pw, &ph);
    EXPECT_EQ(pw, 48);
    EXPECT_EQ(ph, 58);  // 16 x 720 / 200 = 57.6, rounded
    Viewport_Game_Size_In_Drawable(&tiny, 16, 16, &pw, &ph);
    EXPECT_EQ(pw, 16);
    EXPECT_EQ(ph, 16);
}

TEST(Viewport, NamesNormaliseAndParse)
{
    int out = -7;
    EXPECT_EQ(Viewport_Scale_Mode_From_Name("FIT_Sharp_Bilinear", &out), 1);
    EXPECT_EQ(out, 2);
    out = -7;
    EXPECT_EQ(Viewport_Scale_Mode_From_Name("fit-nearest", &out), 0);
    EXPECT_EQ(Viewport_Scale_Mode_From_Name(nullptr, &out), 0);
    EXPECT_EQ(out, -7);
    EXPECT_EQ(Viewport_Aspect_Ratio_From_Name("4:3", &out), 1);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(Viewport_Aspect_Ratio_From_Name("4/3", &out), 0);
    EXPECT_EQ(Viewport_Window_State_From_Name("FullScreen", &out), 1);
    EXPECT_EQ(out, 2);
    EXPECT_EQ(Viewport_Window_State_From_Name("windowed ", &out), 0);

    EXPECT_STREQ(Viewport_Scale_Mode_Name(7), "integer");
    EXPECT_STREQ(Viewport_Aspect_Ratio_Name(1), "4:3");
    EXPECT_STREQ(Viewport_Window_State_Name(1), "windowed");

    Platform_Set_Video_Settings(1, 9, 3);
    EXPECT_EQ(Platform_Video_Startup_Window(), 0);
    EXPECT_EQ(Platform_Video_Scale_Mode(), 0);
    EXPECT_EQ(Platform_Video_Pixel_Aspect(), 0);
    Platform_Set_Video_Settings(2, 2, 1);
    EXPECT_EQ(Platform_Video_Startup_Window(), 2);
    EXPECT_EQ(Platform_Video_Scale_Mode(), 2);
    EXPECT_EQ(Platform_Video_Pixel_Aspect(), 1);
}

}  // namespace
