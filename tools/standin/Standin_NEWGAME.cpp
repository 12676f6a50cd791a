#include "Standin.h"
#include "Standin_Text.h"
#include "overland/Unit_Figure.h"

// The new-game screens: 0 the background, 1 the options overlay, 2 OK, 3 Quit, 4-7 the option
// buttons, 8 blank, 9-23 the name buttons (Custom last), 24-38 books (three a realm: Life,
// Sorcery, Nature, Death, Chaos), 39 the wizard list overlay, 40 the name panel, 41 the picks
// background, 42 OK, 43 OK greyed, 44-45 the warning box halves, 46 the banners, 47 the spell
// overlay, 48-51 the spell box frames, 52 the selection marker, 53 the map-building panel,
// 54 the race overlay, 55 the race panel. Overlays are mostly see-through, so that a screen's
// pictures fit its scratch block together.
namespace {

// The darkest shade (0 of 16) of hue ramp h of palette 0 that carries no banner colour: surfaces under
// text are dark, so that the light font colours stand out.
uint8_t Dark(int h)
{
    static const int hues[8] = {0, 2, 3, 5, 6, 7, 9, 10};
    return (uint8_t)(32 + 16 * hues[h % 8]);
}

}  // namespace

void Write_NEWGAME_LBX(const std::string &folder)
{
    Standin_Archive archive{"NEWGAME", {}, {}};
    auto label = [](int width, int height, uint8_t body, const char *word, int style = 1) {
        return Standin_Picture({Standin_Label(width, height, body, 15, word, 15, style)});
    };
    auto outline = [](int width, int height, uint8_t colour) {
        Standin_Frame frame(width, height, 0);
        frame.Fill_Rect(0, 0, width - 1, 0, colour);
        frame.Fill_Rect(0, height - 1, width - 1, height - 1, colour);
        frame.Fill_Rect(0, 0, 0, height - 1, colour);
        frame.Fill_Rect(width - 1, 0, width - 1, height - 1, colour);
        return frame;
    };

    Standin_Frame background(320, 200, 18);
    background.Fill_Rect(10, 8, 90, 132, 20);     // portrait frame
    background.Fill_Rect(30, 150, 130, 156, 26);  // shelf board
    archive.Add(Standin_Picture({background}));   // 0

    Standin_Frame options = outline(155, 200, 40);
    Standin_Print(options, 8, 40, "Difficulty", 1, 15);
    Standin_Print(options, 8, 67, "Opponents", 1, 15);
    Standin_Print(options, 8, 94, "Land Size", 1, 15);
    Standin_Print(options, 8, 121, "Magic", 1, 15);
    archive.Add(Standin_Picture({options}));      // 1
    archive.Add(label(60, 14, Dark(0), "OK"));    // 2
    archive.Add(label(60, 14, Dark(6), "Quit"));  // 3
    const char *option_words[4] = {"D", "O", "L", "M"};
    for (int i = 0; i < 4; ++i) archive.Add(label(63, 14, Dark(1 + i), option_words[i]));  // 4-7
    archive.Add(Standin_Picture({Standin_Frame(4, 4, 9)}));                                // 8

    for (int preset = 0; preset < 15; ++preset) {
        Standin_Frame button(68, 15, (uint8_t)(Dark(preset) + 7));
        button.Fill_Rect(1, 1, 66, 13, Dark(preset));
        archive.Add(Standin_Picture({button}));  // 9-23
    }

    // Books: a realm colour, the variant as the height of the spine band.
    const uint8_t realm_colours[5] = {13, 172, 216, 114, 201};  // Life, Sorcery, Nature, Death, Chaos
    for (int realm = 0; realm < 5; ++realm) {
        for (int variant = 0; variant < 3; ++variant) {
            Standin_Frame book(7, 18, realm_colours[realm]);
            book.Fill_Rect(1, 3 + 3 * variant, 5, 4 + 3 * variant, 15);
            archive.Add(Standin_Picture({book}));  // 24-38
        }
    }

    archive.Add(Standin_Picture({outline(155, 183, 41)}));  // 39
    Standin_Frame name_panel = outline(130, 40, 42);
    Standin_Print(name_panel, 6, 4, "Name", 1, 15);
    archive.Add(Standin_Picture({name_panel}));  // 40

    Standin_Frame picks(320, 200, 18);
    picks.Fill_Rect(10, 8, 90, 132, 20);
    const char *realm_rows[5] = {"Life", "Death", "Chaos", "Nature", "Sorcery"};
    for (int i = 0; i < 5; ++i) {
        picks.Fill_Rect(190, 47 + 26 * i, 286, 69 + 26 * i, 21);
        Standin_Print(picks, 165, 52 + 26 * i, realm_rows[i], 0, 15);
    }
    archive.Add(Standin_Picture({picks}));        // 41
    archive.Add(label(60, 14, Dark(0), "OK"));    // 42
    archive.Add(label(60, 14, 8, "OK"));          // 43
    archive.Add(label(186, 30, Dark(7), "", 1));  // 44
    archive.Add(label(186, 12, Dark(7), "", 1));  // 45

    Standin_Frame banners(162, 200, 0);
    // The bands give banners 1, 0, 3, 2, 4 from the top; each flag shows the colour that banner's
    // units and cities get on the map.
    const int band_banners[5] = {1, 0, 3, 2, 4};
    const int band_middles[5] = {38, 74, 111, 145, 181};
    for (int band = 0; band < 5; ++band) {
        int y = band_middles[band];
        banners.Fill_Rect(60, y - 10, 61, y + 10, 15);  // pole
        banners.Fill_Rect(62, y - 10, 100, y + 2, COL_Banners[band_banners[band]][2]);
    }
    archive.Add(Standin_Picture({banners}));  // 46
    // 47: the spell overlay lies under the boxes' right halves, so it draws no line of its own.
    archive.Add(Standin_Picture({Standin_Frame(139, 160, 0)}));                                               // 47
    for (int box = 0; box < 4; ++box) archive.Add(Standin_Picture({outline(150, 37, (uint8_t)(44 + box))}));  // 48-51
    Standin_Frame marker(5, 5, 198);
    archive.Add(Standin_Picture({marker}));  // 52
    Standin_Frame map_panel = outline(170, 40, 15);
    map_panel.Fill_Rect(1, 1, 168, 38, 24);
    map_panel.Fill_Rect(14, 21, 151, 28, 0);
    archive.Add(Standin_Picture({map_panel}));              // 53
    archive.Add(Standin_Picture({outline(156, 180, 48)}));  // 54
    archive.Add(Standin_Picture({outline(70, 160, 49)}));   // 55
    Standin_Write_Archive(folder, archive);
}
