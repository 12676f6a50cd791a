#include "Standin.h"
#include "Standin_Text.h"

// The load and save screen and the settings screen: entry 0 the load background, 1 Load,
// 2 Quit, 3 Save, 4 OK, 6 Load greyed, 7 Save greyed, 9 the slot-name fill, 10 the name
// marker, 11 the settings background, 12 Settings, 13-15 ticked boxes, 16-18 empty boxes,
// 19-20 pressed boxes. Entries 5 and 8 are small fillers.
void Write_LOAD_LBX(const std::string &folder)
{
    Standin_Archive archive{"LOAD", {}, {}};
    auto button = [](int width, uint8_t colour, const char *word) {
        return Standin_Picture({Standin_Label(width, 13, colour, 15, word, 1, 3)});
    };
    auto box = [](bool ticked, int variant) {
        Standin_Frame frame(10, 10, (uint8_t)(2 + variant));
        frame.Fill_Rect(1, 1, 8, 8, 1);
        if (ticked) frame.Fill_Rect(3, 3, 6, 6, (uint8_t)(40 + variant * 30));
        return Standin_Picture({frame});
    };

    Standin_Frame load_background(320, 200, 20);
    for (int slot = 0; slot < 8; ++slot) load_background.Fill_Rect(40, 45 + 15 * slot, 305, 58 + 15 * slot, 24);
    Standin_Print(load_background, 40, 20, "Load or Save a Game", 4, 15);
    archive.Add(Standin_Picture({load_background}));             // 0
    archive.Add(button(38, 70, "Load"));                         // 1 Load
    archive.Add(button(39, 160, "Quit"));                        // 2 Quit
    archive.Add(button(37, 100, "Save"));                        // 3 Save
    archive.Add(button(40, 46, "OK"));                           // 4 OK
    archive.Add(Standin_Picture({Standin_Frame(8, 8, 9)}));      // 5
    archive.Add(button(38, 8, "Load"));                          // 6 Load greyed
    archive.Add(button(37, 8, "Save"));                          // 7 Save greyed
    archive.Add(Standin_Picture({Standin_Frame(8, 8, 9)}));      // 8
    archive.Add(Standin_Picture({Standin_Frame(258, 12, 30)}));  // 9 slot-name fill
    archive.Add(Standin_Picture({Standin_Frame(260, 12, 36)}));  // 10 name marker

    Standin_Frame settings_background(320, 200, 21);
    settings_background.Fill_Rect(25, 38, 180, 190, 27);
    settings_background.Fill_Rect(186, 38, 315, 170, 27);
    Standin_Print(settings_background, 25, 14, "Settings", 5, 15);
    archive.Add(Standin_Picture({settings_background}));                             // 11
    archive.Add(button(58, 130, "Settings"));                                        // 12 Settings
    for (int variant = 0; variant < 3; ++variant) archive.Add(box(true, variant));   // 13-15
    for (int variant = 0; variant < 3; ++variant) archive.Add(box(false, variant));  // 16-18
    archive.Add(box(true, 0));                                                       // 19
    archive.Add(box(false, 0));                                                      // 20
    Standin_Write_Archive(folder, archive);
}
