#include "Animation.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Standin.h"
#include "Standin_Text.h"

// Pictures of the occasional screens: 0/1 the historian and astrologer backgrounds, 2 the
// cartographer's, 3-7 the banner flags and 8 the neutral flag, 9-19 the site pictures, 20 the
// treasure picture, 21 the city list background (with colours of its own), 22 its OK button,
// 23/24 the level-up popup and its bottom, 25 a filler and 26 the foreign city view.
namespace {

Bytes Labelled(int width, int height, uint8_t body, const std::string &word)
{
    return Standin_Picture({Standin_Label(width, height, body, 17, word, 15, 4)});
}

}  // namespace

void Write_RELOAD_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(27);
    entries[0] = Labelled(320, 200, 20, "Historian");
    entries[1] = Labelled(280, 180, 21, "Astrologer");
    entries[2] = Labelled(320, 200, 22, "Map");
    static const uint8_t flag_colours[6] = {200, 120, 160, 45, 28, 8};
    for (int flag = 0; flag < 6; ++flag)
        entries[(size_t)(3 + flag)] = Standin_Thing(8, 8, flag_colours[flag], flag == 5 ? "N" : std::to_string(flag));
    // The sites' pictures fit the corner of the entry box (57 by 45), each with its site's word.
    static const char *const sites[11] = {"Tower",  "Chaos", "Nature", "Sorcery", "Cave",  "Dungeon",
                                          "Temple", "Keep",  "Lair",   "Ruins",   "Fallen"};
    for (int site = 0; site < 11; ++site)
        entries[(size_t)(9 + site)] = Labelled(50, 40, (uint8_t)(60 + 9 * site), sites[site]);
    entries[20] = Labelled(44, 40, 14, "Loot");
    {
        Standin_Frame list(320, 200, 20);
        list.Fill_Rect(26, 24, 293, 152, 18);  // the rows
        list.Fill_Rect(40, 160, 93, 196, 22);  // the reduced map
        entries[21] = Standin_With_Palette(Standin_Packed_Picture({list}), 0, 224);
    }
    entries[22] = Standin_Word_Button(40, 14, 46, "OK", 3);
    entries[23] = Labelled(250, 120, 22, "Level Up");
    entries[24] = Labelled(250, 20, 24, "");
    entries[25] = Standin_Picture({Standin_Frame(4, 4, 8)});
    {
        Standin_Frame view(261, 200, 20);
        view.Fill_Rect(4, 50, 136, 110, 24);
        view.Fill_Rect(138, 50, 256, 110, 22);
        view.Fill_Rect(4, 114, 256, 196, 23);
        Standin_Print(view, 8, 120, "Enemy City", 4, 15);
        entries[26] = Standin_Picture({view});
    }
    Standin_Archive archive{"RELOAD", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
