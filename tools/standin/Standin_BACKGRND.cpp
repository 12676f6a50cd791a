#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"

// Backgrounds and city-screen pieces: 0 the half background, 3 the combat screen's bottom, 4 the
// mirror, 6 the city screen, 7-9 Buy, Change and OK, 10 the new-building grass panel, 11/12 resources,
// 13 block-out, 14 locked Buy, 15/16 spell arrows, 18 the mirror frame, 24 the red button, 25-27
// lair border and bottoms, 32 the outpost view, 33 the name panel, 34-39 outpost icons, 40-44 small and 88-93
// big resource icons, 94/95 grey bread, 45-58 workers, 59-72 farmers and 74-87 rebels by race,
// 73 black gold. The others are fillers.
void Write_BACKGRND_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(96);
    entries[0] = Standin_Picture({Standin_Label(320, 100, 20, 17, "", 15)});
    entries[3] = Standin_Picture({Standin_Label(320, 36, 22, 17, "Combat", 15, 4)});
    entries[4] = Standin_Picture({Standin_Label(180, 196, 24, 17, "Mirror", 15, 5)});
    {
        Standin_Frame city(320, 200, 0);
        city.Fill_Rect(0, 0, 319, 199, 20);
        city.Fill_Rect(4, 100, 210, 195, 22);
        Standin_Print(city, 8, 104, "City", 5, 15);
        city.Fill_Rect(215, 4, 314, 93, 0);  // the map window shows through
        entries[6] = Standin_Picture({city});
    }
    entries[7] = Standin_Word_Button(30, 14, 46, "Buy", 3);
    entries[8] = Standin_Word_Button(38, 14, 46, "Change", 3);
    entries[9] = Standin_Word_Button(30, 14, 46, "OK", 3);
    {
        Standin_Frame grass(45, 52, 0);  // the new-building panel: a grass square below a clear top
        grass.Fill_Rect(0, 30, 44, 51, 58);
        grass.Fill_Rect(2, 32, 42, 49, 57);
        entries[10] = Standin_Picture({grass});
    }
    entries[11] = Standin_Thing(10, 10, 10, "+");
    entries[12] = Standin_Thing(10, 10, 12, "!");
    entries[13] = Standin_Picture({Standin_Frame(30, 14, 22)});
    entries[14] = Standin_Picture({Standin_Label(30, 14, 8, 20, "Buy", 22, 3)});
    entries[15] = Standin_Thing(8, 10, 27, "<");
    entries[16] = Standin_Thing(8, 10, 27, ">");
    {
        Standin_Frame mirror(140, 130, 6);  // a frame 12 pixels wide around the audience's portrait
        mirror.Fill_Rect(12, 12, 127, 117, 0);
        Standin_Print(mirror, 52, 120, "Mirror", 1, 15);
        entries[18] = Standin_Picture({mirror});
    }
    entries[24] = Standin_Word_Button(32, 12, 36, "", 3);
    entries[25] = Standin_Picture({Standin_Label(200, 10, 22, 17, "", 15)});
    entries[26] = Standin_Picture({Standin_Label(200, 20, 22, 17, "", 15)});
    entries[27] = Standin_Picture({Standin_Label(200, 20, 24, 17, "", 15)});
    {
        Standin_Frame outpost(250, 104, 20);
        outpost.Fill_Rect(4, 28, 245, 44, 22);     // houses
        outpost.Fill_Rect(4, 50, 108, 100, 24);    // garrison
        outpost.Fill_Rect(112, 50, 180, 100, 23);  // enchantments
        outpost.Fill_Rect(184, 28, 245, 100, 21);  // scene
        entries[32] = Standin_Picture({outpost});
    }
    {
        Standin_Frame name(110, 36, 24);
        name.Fill_Rect(14, 19, 94, 31, 30);  // the name field
        entries[33] = Standin_Picture({name});
    }
    static const char *house_letters[3] = {"A", "B", "C"};  // the three house kinds
    for (int i = 0; i < 3; ++i) {
        entries[(size_t)(34 + i)] = Standin_Thing(12, 12, 14, house_letters[i]);
        entries[(size_t)(37 + i)] = Standin_Thing(12, 12, 8, house_letters[i]);
    }
    static const char *resources[5] = {"F", "P", "G", "M", "R"};  // food, production, gold, power, research
    static const uint8_t resource_colours[5] = {10, 6, 14, 13, 9};
    for (int r = 0; r < 5; ++r) {
        entries[(size_t)(40 + r)] = Standin_Thing(7, 8, resource_colours[r], resources[r]);
        entries[(size_t)(88 + r)] = Standin_Thing(12, 12, resource_colours[r], resources[r]);
    }
    entries[93] = Standin_Thing(12, 12, 14, "G");
    entries[94] = Standin_Thing(7, 8, 8, "F");
    entries[95] = Standin_Thing(12, 12, 8, "F");
    for (int race = 0; race < 14; ++race) {
        uint8_t colour = (uint8_t)(100 + 9 * race);
        entries[(size_t)(45 + race)] = Standin_Thing(9, 12, colour, "W");
        entries[(size_t)(59 + race)] = Standin_Thing(9, 12, colour, "F");
        entries[(size_t)(74 + race)] = Standin_Thing(9, 12, colour, "R");
    }
    entries[73] = Standin_Thing(10, 10, 17, "G");
    for (Bytes &entry : entries)
        if (entry.empty()) entry = Standin_Picture({Standin_Frame(4, 4, 8)});
    Standin_Archive archive{"BACKGRND", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
