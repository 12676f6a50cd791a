#include <string>

#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"
#include "world/Unit_Type_Record.h"

// The unit view's figure archives: FIGURES1-9 and FIGURE10-14, fifteen unit types of eight
// directions each (120 entries). A figure is a small body in the type's colour with a band of the
// banner colours 214-218, the type's first letter, and a dot that moves over its three walking frames, and a fourth
// frame, the attack and defence pose, with the weapon held out; every frame fits the unit view's 960-byte work bitmap.
namespace {

constexpr int FIGURE_WIDTH = 14;
constexpr int FIGURE_HEIGHT = 18;
constexpr int FIGURE_FRAMES = 4;  // three walking frames, then the attack and defence pose

Bytes Figure_Entry(int type)
{
    bool known = type < NUM_UNIT_TYPES;
    uint8_t body = (uint8_t)(!known ? 8 : type < NUM_HERO_TYPES ? 58 : 32 + (_unit_type_table[type].race * 11) % 180);
    std::string letter = !known ? "?" : type < NUM_HERO_TYPES ? "H" : std::string(1, _unit_type_names[type][0]);
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < FIGURE_FRAMES; ++f) {
        Standin_Frame frame(FIGURE_WIDTH, FIGURE_HEIGHT, 0);
        frame.Fill_Ellipse(FIGURE_WIDTH / 2, 9, 6, 8, body);
        for (int c = 0; c < 5; ++c) frame.Fill_Rect(2 + 2 * c, 14, 3 + 2 * c, 15, (uint8_t)(214 + c));
        Standin_Print_Centred(frame, letter, 3, 15);
        if (f < 3) {
            frame.Fill_Rect(3 + 3 * f, 1, 3 + 3 * f, 1, 15);
        } else {
            frame.Fill_Rect(10, 4, 13, 5, 15);  // the weapon held out
        }
        frames.push_back(frame);
    }
    return Standin_Picture(frames);
}

}  // namespace

void Write_FIGURES_LBX(const std::string &folder)
{
    for (int number = 1; number <= 14; ++number) {
        Standin_Archive archive{(number <= 9 ? "FIGURES" : "FIGURE") + std::to_string(number), {}, {}};
        for (int slot = 0; slot < 15; ++slot) {
            Bytes figure = Figure_Entry((number - 1) * 15 + slot);
            for (int direction = 0; direction < 8; ++direction) archive.Add(figure);
        }
        Standin_Write_Archive(folder, archive);
    }
}
