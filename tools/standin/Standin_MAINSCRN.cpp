#include "Standin.h"
#include "Standin_Text.h"

// Main-menu pictures: entry 0 the animated top (a title band with the program's name and a moving
// sun), entry 5 the bottom panel; the entries between are small filler pictures. The bottom
// panel's dark box holds the credits, which scroll at 85, 35 in a window clipped to rows 40-137 and
// run to the right edge of the screen.
void Write_MAINSCRN_LBX(const std::string &folder)
{
    Standin_Archive archive{"MAINSCRN", {}, {}};
    std::vector<Standin_Frame> top;
    for (int f = 0; f < 8; ++f) {
        Standin_Frame frame(320, 41, 17);
        frame.Fill_Rect(0, 30, 319, 40, 58);
        frame.Fill_Ellipse(40 + f * 30, 15, 10, 10, 226);
        Standin_Print(frame, 160 - Standin_Text_Width("TOLVA", 5) / 2, 8, "TOLVA", 5, 15);
        top.push_back(frame);
    }
    archive.Add(Standin_Picture(top));
    for (int i = 1; i <= 4; ++i) {
        Standin_Frame filler(16, 16, (uint8_t)(100 + i));
        archive.Add(Standin_Picture({filler}));
    }
    Standin_Frame bottom(320, 159, 22);
    bottom.Fill_Rect(78, 0, 319, 98, 8);
    bottom.Fill_Rect(80, 0, 319, 96, 1);
    archive.Add(Standin_Picture({bottom}));
    Standin_Write_Archive(folder, archive);
}
