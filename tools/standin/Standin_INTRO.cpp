#include <string>

#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"

// The intro's thirteen streamed animations: small labelled cards "INTRO n" drawn at the page's
// top left, each part its own colour, with a bar that grows frame by frame so the frames differ.
// Streamed column heads are big-endian words; with one-byte lengths they read as the archive
// picture's type and length bytes, so the ordinary picture form serves.
void Write_INTRO_LBX(const std::string &folder)
{
    static const int frame_counts[13] = {15, 12, 30, 18, 25, 32, 24, 32, 30, 37, 30, 11, 32};
    constexpr int WIDTH = 100;
    constexpr int HEIGHT = 24;
    Standin_Archive archive{"INTRO", {}, {}};
    for (int part = 0; part < 13; ++part) {
        uint8_t body = (uint8_t)(20 + part * 12);
        std::vector<Standin_Frame> frames;
        for (int f = 0; f < frame_counts[part]; ++f) {
            Standin_Frame frame = Standin_Label(WIDTH, HEIGHT, body, 15, "INTRO " + std::to_string(part), 15, 2);
            int bar = 2 + (WIDTH - 5) * f / frame_counts[part];
            frame.Fill_Rect(2, HEIGHT - 3, bar, HEIGHT - 2, 1);
            frames.push_back(frame);
        }
        archive.Add(Standin_Picture(frames));
    }
    Standin_Write_Archive(folder, archive);
}
