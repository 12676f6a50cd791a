// Archives for the box tests (RESOURCE with pictures of known colours, HELP, and a picture
// archive for help topics) and a picture scratch block like the game's, so the boxes' save and
// restore of it is exercised.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "../orv_input/Input_Fixture.h"
#include "../orv_pictures/picture_fixture.h"
#include "Allocate.h"
#include "Expanding_Box.h"
#include "LBX_Load.h"
#include "LBX_Writer.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "Video.h"

inline void Then(std::function<void()> step) { Poll_Script().push_back(std::move(step)); }

// One frame of width x height in colour; or blank but for a rectangle of colour.
inline Bytes Filled_Picture(int width, int height, uint8_t colour)
{
    Bytes pixels((size_t)width * height, colour);
    return Animation(width, height, {Encode_Frame(width, height, pixels, false)});
}

inline Bytes Picture_With_Patch(int width, int height, int x1, int y1, int x2, int y2, uint8_t colour)
{
    Bytes pixels((size_t)width * height, 0);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) pixels[(size_t)y * width + x] = colour;
    return Animation(width, height, {Encode_Frame(width, height, pixels, false)});
}

inline void Write_LBX(const std::string &path, const std::vector<Bytes> &entries)
{
    Bytes file = LBX_Writer_Archive(entries);
    FILE *out = std::fopen(path.c_str(), "wb");
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
}

// Colours of the notification pictures: each box and frame is filled with its entry number,
// mascot m with 200 + m.
inline void Write_Box_Archives(const Test_Temp_Dir &dir)
{
    std::vector<Bytes> resource(59, Blank_Picture(8, 8));
    for (int box : {40, 43, 46, 56}) resource[(size_t)box] = Filled_Picture(300, 56, (uint8_t)box);
    for (int frame : {41, 42, 44, 45, 47, 48, 57, 58}) resource[(size_t)frame] = Filled_Picture(50, 56, (uint8_t)frame);
    for (int m = 0; m < 5; ++m) resource[(size_t)(51 + m)] = Filled_Picture(36, 48, (uint8_t)(200 + m));
    Write_LBX(dir / "RESOURCE.LBX", resource);

    // Help: blank scroll pieces; record 0 a topic whose picture has pixels only in columns 5-9,
    // rows 3-12 of its 20 x 20; record 1 one with a picture too large for the pop-up's bitmap.
    auto record = [](const char *title, const char *archive, int16_t entry) {
        Bytes r(1048, 0);
        std::snprintf(reinterpret_cast<char *>(r.data()), 30, "%s", title);
        std::snprintf(reinterpret_cast<char *>(r.data()) + 30, 14, "%s", archive);
        LE_Put_U16(r.data() + 44, (uint16_t)entry);
        return r;
    };
    Bytes records = record("Topic", "HPICS", 0);
    Bytes big = record("Big", "HPICS", 1);
    records.insert(records.end(), big.begin(), big.end());
    Write_LBX(dir / "HELP.LBX",
              {Blank_Picture(220, 30), Blank_Picture(220, 30), LBX_Writer_Record_Table(2, 1048, records)});
    Write_LBX(dir / "HPICS.LBX",
              {Picture_With_Patch(20, 20, 5, 3, 9, 12, 77), Filled_Picture(80, 60, 88), Blank_Picture(8, 8)});
}

class Boxes_Test : public Input_Test {
protected:
    static Test_Temp_Dir &Dir()
    {
        static Test_Temp_Dir dir;
        return dir;
    }
    static void SetUpTestSuite()
    {
        Input_Test::SetUpTestSuite();
        static bool ready = false;
        if (!ready) {
            Write_Box_Archives(Dir());
            STU_GRAF_Add_Search_Dir(Dir().path.c_str());
            _screen_seg = Allocate_Space(4200);
            ready = true;
        }
    }
    void SetUp() override
    {
        Input_Test::SetUp();
        // The picture block is every screen's scratch: a test starts with it empty, whatever the
        // one before it loaded there.
        Reset_First_Block(Box_Picture_Block());
    }
    static uint8_t *On_Page() { return video_page_buffer[draw_page_num]; }
    static uint8_t *Off_Page_Pixels() { return Set_Page_Off(); }
    static uint8_t Pixel(const uint8_t *page, int x, int y) { return page[y * SCREEN_WIDTH + x]; }
};
