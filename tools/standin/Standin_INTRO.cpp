#include <string>
#include <vector>

#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"

namespace {

struct Intro_Line {
    const char *text;
    int style;
    int y;
    uint8_t ink;
};

// A whole-page title card in built-in palette colours (15 white, 14 yellow, 11 cyan) on the
// black page, its lines centred; a thin line under the last grows frame by frame so the frames
// differ.
std::vector<Standin_Frame> Title_Card(const std::vector<Intro_Line> &lines, int frame_count)
{
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < frame_count; ++f) {
        Standin_Frame frame(320, 200, 0);
        for (const Intro_Line &line : lines)
            Standin_Print(frame, (320 - Standin_Text_Width(line.text, line.style)) / 2, line.y, line.text, line.style,
                          line.ink);
        int grown = 40 + 240 * (f + 1) / frame_count;
        frame.Fill_Rect(40, 150, grown - 1, 150, 11);
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace

// The intro's thirteen streamed animations: three short title cards of our own in parts 0 to 2
// and a single black frame for each later part, so that the whole intro, fades included, lasts
// about thirteen seconds. Streamed column heads are big-endian words; with one-byte lengths they
// read as the archive picture's type and length bytes, so the ordinary picture form serves.
void Write_INTRO_LBX(const std::string &folder)
{
    Standin_Archive archive{"INTRO", {}, {}};
    archive.Add(Standin_Picture(Title_Card({{"TOLVA", 5, 70, 15}, {"a new engine for an old game", 2, 100, 14}}, 9)));
    archive.Add(Standin_Picture(Title_Card({{"Stand-in data", 4, 60, 15},
                                            {"Every picture and word here is invented.", 2, 85, 14},
                                            {"Point TOLVA_DATA_DIR at your own", 2, 105, 11},
                                            {"installation to play with its data.", 2, 117, 11}},
                                           9)));
    archive.Add(Standin_Picture(Title_Card({{"Click or press Esc", 4, 70, 15}, {"to skip the intro", 4, 90, 15}}, 10)));
    for (int part = 3; part < 13; ++part) archive.Add(Standin_Picture({Standin_Frame(1, 1, 0)}));
    Standin_Write_Archive(folder, archive);
}
