#include <string>
#include <vector>

#include "Standin.h"
#include "Standin_Text.h"

// The page turns of the two spellbooks: BOOK 0 the small book, BOOK 1 the big book, four frames
// each, streamed and drawn at the page's top left. The pages are drawn by the program; a frame
// shows only the spine and a shadow that sweeps across, with the frame's number under the book.
namespace {

Bytes Turn(int spine_x, int top, int bottom, int sweep_from, int sweep_step)
{
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < 4; ++f) {
        Standin_Frame frame(320, 200, 0);
        frame.Fill_Rect(spine_x - 1, top, spine_x + 1, bottom, 94);
        int x = sweep_from - f * sweep_step;
        frame.Fill_Rect(x, top, x + 2, bottom, 130);
        Standin_Print(frame, spine_x - 12, bottom + 2, "turn " + std::to_string(f + 1), 1, 15);
        frames.push_back(frame);
    }
    return Standin_Picture(frames);
}

}  // namespace

void Write_BOOK_LBX(const std::string &folder)
{
    Standin_Archive archive{"BOOK", {}, {}};
    archive.Add(Turn(160, 26, 184, 280, 60));
    archive.Add(Turn(160, 8, 188, 290, 70));
    Standin_Write_Archive(folder, archive);
}

// Spell pictures: entries 0 to 56, each a labelled square of 22 frames whose edge grows with the
// frame, and the sparkle of a learned spell (49): a star of 14 frames growing and fading. Change
// Terrain (8), Nature's Wrath (23), Earth Lore (45) and Enchant Road (46) carry their own words.
void Write_SPECFX_LBX(const std::string &folder)
{
    Standin_Archive archive{"SPECFX", {}, {}};
    for (int entry = 0; entry < 57; ++entry) {
        std::vector<Standin_Frame> frames;
        if (entry == 49) {
            for (int f = 0; f < 14; ++f) {
                Standin_Frame star(24, 24, 0);
                int r = f < 7 ? f + 2 : 15 - f;
                star.Fill_Rect(12 - r, 11, 12 + r, 12, 15);
                star.Fill_Rect(11, 12 - r, 12, 12 + r, 15);
                star.Fill_Rect(10, 10, 13, 13, 198);
                frames.push_back(star);
            }
        } else {
            for (int f = 0; f < 22; ++f) {
                const char *word = entry == 8    ? "Ter"
                                   : entry == 23 ? "Wra"
                                   : entry == 45 ? "Lor"
                                   : entry == 46 ? "Rd"
                                                 : nullptr;
                Standin_Frame frame = Standin_Label(30, 30, (uint8_t)(40 + 3 * (entry % 60)), 17,
                                                    word != nullptr ? word : "F" + std::to_string(entry), 15, 1);
                frame.Fill_Rect(0, 29 - f % 30, 1, 29, 15);
                frames.push_back(frame);
            }
        }
        archive.Add(Standin_Picture(frames));
    }
    Standin_Write_Archive(folder, archive);
}
