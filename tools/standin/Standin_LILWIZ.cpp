#include "Standin.h"
#include "Standin_Text.h"

// The rivals' gems on the magic screen: entry portrait x 5 + banner, the banner's colour with the
// portrait's number.
void Write_LILWIZ_LBX(const std::string &folder)
{
    static const uint8_t banner_colours[5] = {172, 216, 123, 201, 211};
    Standin_Archive archive{"LILWIZ", {}, {}};
    for (int portrait = 0; portrait < 14; ++portrait)
        for (int banner = 0; banner < 5; ++banner)
            archive.Add(Standin_Thing(38, 38, banner_colours[banner], "W" + std::to_string(portrait)));
    Standin_Write_Archive(folder, archive);
}
