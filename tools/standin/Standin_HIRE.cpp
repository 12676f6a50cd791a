#include "Standin.h"
#include "Standin_Text.h"

// The offers: 0 the hire banner across the top, 1 the merchant's button, 2 the merchant's banner,
// 3 a filler and 4 the box in which a hired hero is named.
void Write_HIRE_LBX(const std::string &folder)
{
    Standin_Archive archive{"HIRE", {}, {}};
    archive.Add(Standin_Picture({Standin_Label(256, 16, 22, 17, "", 15, 4)}));
    archive.Add(Standin_Word_Button(56, 16, 46, "", 4));
    {
        Standin_Frame banner(250, 60, 22);
        banner.Fill_Rect(54, 6, 244, 54, 18);  // the text
        Standin_Print(banner, 6, 6, "Shop", 4, 15);
        archive.Add(Standin_Picture({banner}));
    }
    archive.Add(Standin_Picture({Standin_Frame(4, 4, 8)}));
    archive.Add(Standin_Picture({Standin_Label(150, 40, 23, 17, "", 15, 4)}));
    Standin_Write_Archive(folder, archive);
}
