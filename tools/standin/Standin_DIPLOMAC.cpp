#include <string>
#include <vector>

#include "Standin.h"
#include "Standin_Text.h"

// The audience with a wizard. DIPLOMAC: 0 the background (a dark hall with a light speech panel
// at the bottom), 1 a spare card, 2..12 left and 13..23 right eyes by relation band (red for
// hate through green for harmony, with the band's number), 24..37 talking portraits of 25 frames
// (frame 0 the whole face, later frames only the mouth, open on even frames), 38..51 arrivals of
// 5 frames (a growing disc in the wizard's colour). MOODWIZ: one portrait of 3 mood frames per
// wizard, each with its word ("calm", "glad", "cross") and a square of its own colour (70, 80, 90)
// at the bottom right. A wizard's colour follows its portrait number, as in WIZARDS.
namespace {

constexpr int NUM_PORTRAITS = 14;
constexpr int NUM_BANDS = 11;
constexpr int PORTRAIT_W = 116;
constexpr int PORTRAIT_H = 106;
constexpr int TALK_FRAMES = 25;
constexpr int ARRIVAL_FRAMES = 5;
constexpr uint8_t HALL = 20;
constexpr uint8_t PANEL = 24;
constexpr uint8_t FACE = 213;
constexpr uint8_t MOUTH_OPEN = 1;
constexpr uint8_t INK = 15;

uint8_t Wizard_Colour(int portrait) { return (uint8_t)(16 + portrait * 15); }

// The face every portrait frame shares: the wizard's colour, a face and its number.
Standin_Frame Face(int portrait)
{
    Standin_Frame frame(PORTRAIT_W, PORTRAIT_H, Wizard_Colour(portrait));
    frame.Fill_Ellipse(58, 48, 30, 36, FACE);
    Standin_Print(frame, 4, 4, "W" + std::to_string(portrait), 1, INK);
    return frame;
}

void Mouth(Standin_Frame &frame, bool open) { frame.Fill_Rect(46, 66, 70, open ? 74 : 68, open ? MOUTH_OPEN : FACE); }

Bytes Talking(int portrait)
{
    std::vector<Standin_Frame> frames;
    Standin_Frame first = Face(portrait);
    Mouth(first, true);
    frames.push_back(first);
    for (int f = 1; f < TALK_FRAMES; ++f) {
        Standin_Frame mouth(PORTRAIT_W, PORTRAIT_H, 0);
        mouth.Fill_Rect(46, 66, 70, 74, FACE);
        Mouth(mouth, f % 2 == 0);
        frames.push_back(mouth);
    }
    return Standin_Picture(frames, 0, false);
}

Bytes Arrival(int portrait)
{
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < ARRIVAL_FRAMES; ++f) {
        Standin_Frame frame(PORTRAIT_W, PORTRAIT_H, 0);
        frame.Fill_Ellipse(58, 53, 10 + 11 * f, 10 + 10 * f, Wizard_Colour(portrait));
        frames.push_back(frame);
    }
    return Standin_Picture(frames);
}

Bytes Moods(int portrait)
{
    static const char *words[3] = {"calm", "glad", "cross"};
    static const uint8_t marks[3] = {70, 80, 90};
    std::vector<Standin_Frame> frames;
    for (int k = 0; k < 3; ++k) {
        Standin_Frame frame = Face(portrait);
        Mouth(frame, false);
        Standin_Print(frame, 40, 90, words[k], 1, INK);
        frame.Fill_Rect(100, 92, 111, 103, marks[k]);
        frames.push_back(frame);
    }
    return Standin_Picture(frames);
}

Bytes Background(void)
{
    Standin_Frame hall(320, 200, HALL);
    hall.Fill_Rect(30, 136, 289, 197, PANEL);
    Standin_Print(hall, 4, 4, "Diplomacy", 1, INK);
    return Standin_Picture({hall});
}

// Red (hate) to green (harmony) by band.
Bytes Eye(int band, bool left)
{
    static const uint8_t colours[NUM_BANDS] = {32, 34, 36, 38, 40, 8, 42, 44, 46, 48, 50};
    std::string letters = (left ? "L" : "R") + std::to_string(band);
    return Standin_Thing(22, 12, colours[band], letters);
}

}  // namespace

void Write_DIPLOMAC_LBX(const std::string &folder)
{
    Standin_Archive diplomac{"DIPLOMAC", {}, {}};
    diplomac.Add(Background());
    diplomac.Add(Standin_Thing(40, 20, 60, "D1"));
    for (int band = 0; band < NUM_BANDS; ++band) diplomac.Add(Eye(band, true));
    for (int band = 0; band < NUM_BANDS; ++band) diplomac.Add(Eye(band, false));
    for (int p = 0; p < NUM_PORTRAITS; ++p) diplomac.Add(Talking(p));
    for (int p = 0; p < NUM_PORTRAITS; ++p) diplomac.Add(Arrival(p));
    Standin_Write_Archive(folder, diplomac);

    Standin_Archive moodwiz{"MOODWIZ", {}, {}};
    for (int p = 0; p < NUM_PORTRAITS; ++p) moodwiz.Add(Moods(p));
    Standin_Write_Archive(folder, moodwiz);
}
