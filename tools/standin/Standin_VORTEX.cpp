#include "Standin.h"
#include "Standin_Text.h"

// Main-menu entry pictures: entries 1 to 5 (Continue, Hall of Fame, Quit Game, New Game, Load
// Game) are two-frame bars carrying their words, frame 0 the highlighted look and frame 1 the
// normal look. Entry 0 is a small filler.
void Write_VORTEX_LBX(const std::string &folder)
{
    static const char *words[6] = {"", "Continue", "Hall of Fame", "Quit Game", "New Game", "Load Game"};
    Standin_Archive archive{"VORTEX", {}, {}};
    archive.Add(Standin_Picture({Standin_Frame(8, 8, 9)}));
    for (int entry = 1; entry <= 5; ++entry) {
        Standin_Frame highlighted = Standin_Label(74, 10, 226, 15, words[entry], 1, 3);
        Standin_Frame normal = Standin_Label(74, 10, 58, 10, words[entry], 15, 3);
        archive.Add(Standin_Picture({highlighted, normal}));
    }
    Standin_Write_Archive(folder, archive);
}
