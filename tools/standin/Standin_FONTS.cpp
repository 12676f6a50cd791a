#include "Palette.h"
#include "Standin.h"

// Entries 0 and 1 are the program's own font image and border styles, entry 2 its built-in
// palette 0; palettes n > 0 follow at entry n + 2.
void Write_FONTS_LBX(const std::string &folder)
{
    Standin_Archive archive{"FONTS", {}, {}};
    archive.Add(Standin_Font_Image());
    archive.Add(Standin_Border_Styles());
    archive.Add(Standin_Builtin_Palette());
    for (int palette = 1; palette <= 7; ++palette) archive.Add(Standin_Palette(palette));
    Standin_Write_Archive(folder, archive);
}
