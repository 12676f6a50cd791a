#include "Standin.h"
#include "Standin_Text.h"

// The army list and the items window: 0 the army list background, 1/2 the up and down arrows
// (two frames each: usable, then greyed; 1 carries the list's colours), 3 the Items button, 4 the
// OK button, 5 the items window background (with colours of its own), 6 a hero's portrait frame,
// 7 the Alchemy button and 8 the items window's OK button.
namespace {

constexpr uint8_t ARROW_BODY = 46;
constexpr uint8_t ARROW_GREY = 17;

Bytes Arrow(const std::string &letter)
{
    Standin_Frame usable = Standin_Label(9, 10, ARROW_BODY, 15, letter, 15, 0);
    Standin_Frame greyed = Standin_Label(9, 10, ARROW_GREY, 1, letter, 1, 0);
    return Standin_Picture({usable, greyed});
}

}  // namespace

void Write_ARMYLIST_LBX(const std::string &folder)
{
    Standin_Archive archive{"ARMYLIST", {}, {}};
    {
        Standin_Frame list(320, 200, 20);
        list.Fill_Rect(76, 23, 242, 156, 18);  // the rows
        list.Fill_Rect(12, 5, 44, 157, 22);    // the hero portraits, left and right
        list.Fill_Rect(277, 5, 309, 157, 22);
        archive.Add(Standin_Packed_Picture({list}));
    }
    archive.Add(Standin_With_Palette(Arrow("U"), 0, 224));
    archive.Add(Arrow("D"));
    archive.Add(Standin_Word_Button(40, 16, 46, "Items"));
    archive.Add(Standin_Word_Button(40, 14, 46, "OK"));
    {
        Standin_Frame window(284, 196, 23);
        window.Fill_Rect(8, 8, 275, 150, 18);  // the heroes' panels
        Standin_Print(window, 8, 160, "Items", 4, 15);
        archive.Add(Standin_With_Palette(Standin_Packed_Picture({window}), 0, 224));
    }
    {
        Standin_Frame frame(34, 34, 17);
        frame.Fill_Rect(1, 1, 32, 32, 0);
        archive.Add(Standin_Picture({frame}));
    }
    archive.Add(Standin_Word_Button(60, 18, 60, "Alchemy"));
    archive.Add(Standin_Word_Button(60, 18, 46, "OK"));
    Standin_Write_Archive(folder, archive);
}
