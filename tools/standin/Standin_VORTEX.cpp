#include "Standin.h"

// Main-menu entry pictures: entries 1 to 5 (Continue, Hall of Fame, Quit, New Game, Load Game)
// are two-frame bars, frame 0 the highlighted look and frame 1 the normal look; each entry has
// its own number of notches so the entries can be told apart. Entry 0 is a small filler.
void Write_VORTEX_LBX(const std::string &folder)
{
    Standin_Archive archive{"VORTEX", {}, {}};
    archive.Add(Standin_Picture({Standin_Frame(8, 8, 9)}));
    for (int entry = 1; entry <= 5; ++entry) {
        std::vector<Standin_Frame> frames;
        for (int look = 0; look < 2; ++look) {
            Standin_Frame bar(74, 10, look == 0 ? 15 : 10);
            bar.Fill_Rect(1, 1, 72, 8, look == 0 ? 226 : 58);
            for (int notch = 0; notch < entry; ++notch) bar.Fill_Rect(6 + notch * 8, 3, 9 + notch * 8, 6, 1);
            frames.push_back(bar);
        }
        archive.Add(Standin_Picture(frames));
    }
    Standin_Write_Archive(folder, archive);
}
