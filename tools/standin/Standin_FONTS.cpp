#include "Palette.h"
#include "Standin.h"

// Entries 0 and 1 stand where the font image and border styles lie; the program carries its
// own copies of both and reads only the palettes here (palette n at entry n + 2).
void Write_FONTS_LBX(const std::string &folder)
{
    Standin_Archive archive{"FONTS", {}, {}};
    Bytes font_image(17780, 0);
    Bytes borders(652, 0);
    archive.Add(font_image);
    archive.Add(borders);
    archive.Add(Bytes(Palette_Builtin_Image(), Palette_Builtin_Image() + PALETTE_DATA_SIZE));
    for (int palette = 1; palette <= 7; ++palette) archive.Add(Standin_Palette(palette));
    Standin_Write_Archive(folder, archive);
}
