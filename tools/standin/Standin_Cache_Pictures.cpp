#include <cctype>

#include "Animation.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"
#include "world/Unit_Type_Record.h"

// The pictures of the shared graphics caches: unit figures (UNITS1 0-119, UNITS2 0-77, one per
// unit type, coloured by race and marked with the type's initials; heroes H and their number),
// item pictures (ITEMS, ITEMISC), unit-view pieces (UNITVIEW) and ability pictures and the small
// spellbook (SPECIAL, SPECIAL2). They stay small: a cache preset holds all of them, with the city
// scene pictures of their own writer, in one block of about 1 MiB.
namespace {

std::string Initials(const char *name)
{
    std::string letters;
    for (const char *c = name; *c != '\0' && letters.size() < 2; ++c) {
        if (std::isalpha((unsigned char)*c) && (c == name || *(c - 1) == ' ')) letters.push_back(*c);
    }
    if (letters.size() < 2 && name[0] != '\0' && name[1] != '\0') letters = std::string(name, 2);
    return letters;
}

void Write_Things(const std::string &folder, const std::string &name, int count, int width, int height,
                  const std::string &prefix)
{
    Standin_Archive archive{name, {}, {}};
    for (int i = 0; i < count; ++i)
        archive.Add(Standin_Thing(width, height, (uint8_t)(32 + (i * 7) % 180), prefix + std::to_string(i)));
    Standin_Write_Archive(folder, archive);
}

}  // namespace

void Write_UNITS_LBX(const std::string &folder)
{
    Standin_Archive first{"UNITS1", {}, {}};
    Standin_Archive second{"UNITS2", {}, {}};
    for (int type = 0; type < NUM_UNIT_TYPES; ++type) {
        uint8_t colour = (uint8_t)(type < NUM_HERO_TYPES ? 58 : 32 + (_unit_type_table[type].race * 11) % 180);
        Standin_Frame figure(18, 16, 0);
        figure.Fill_Ellipse(9, 8, 8, 7, colour);
        figure.Fill_Rect(4, 14, 13, 15, 215);  // the owner's banner colour
        std::string label = type < NUM_HERO_TYPES ? "H" + std::to_string(type) : Initials(_unit_type_names[type]);
        Standin_Print_Centred(figure, label, 2, 15);
        (type < 120 ? first : second).Add(Standin_Picture({figure}));
    }
    Standin_Write_Archive(folder, first);
    Standin_Write_Archive(folder, second);
}

void Write_ITEMS_LBX(const std::string &folder)
{
    Write_Things(folder, "ITEMS", 116, 16, 16, "");
    Standin_Archive misc{"ITEMISC", {}, {}};
    for (int i = 0; i < 36; ++i) {
        if (i == 25) {
            misc.Add(Standin_Picture({Standin_Label(160, 80, 22, 17, "Item", 15, 4)}));
        } else if (i == 26) {
            misc.Add(Standin_Thing(5, 5, 15, ""));
        } else {
            misc.Add(Standin_Thing(16, 16, (uint8_t)(60 + 3 * i), "i" + std::to_string(i)));
        }
    }
    Standin_Write_Archive(folder, misc);
}

void Write_UNITVIEW_LBX(const std::string &folder)
{
    Standin_Archive archive{"UNITVIEW", {}, {}};
    for (int entry = 0; entry < 50; ++entry) {
        if (entry == 0) {
            archive.Add(Standin_Picture({Standin_Label(160, 185, 16, 17, "", 15, 4)}));
        } else if (entry == 1) {
            // The statistics window: 218 by 185, the button background overlaps its right edge.
            archive.Add(Standin_With_Palette(Standin_Picture({Standin_Label(218, 185, 16, 17, "", 15, 4)}), 244, 12));
        } else if (entry == 2) {
            archive.Add(Standin_Picture({Standin_Label(68, 51, 24, 17, "", 15)}));
        } else if (entry == 28) {
            // The unit list: tall enough for nine rows, cut at the window's bottom edge.
            archive.Add(
                Standin_With_Palette(Standin_Picture({Standin_Label(238, 200, 22, 17, "Units", 15, 4)}), 244, 12));
        } else if (entry == 31 || entry == 32) {
            // The production screen's list tabs: buildings on the left, units on the right.
            archive.Add(Standin_Picture({Standin_Label(74, 11, entry == 31 ? 22 : 24, 17, "", 15)}));
        } else if (entry == 29) {
            archive.Add(Standin_Picture({Standin_Label(238, 5, 24, 17, "", 15)}));
        } else if ((entry >= 13 && entry <= 27) || entry >= 35) {
            std::string letter(1, (char)('a' + entry % 26));
            archive.Add(Standin_Thing(9, 9, (uint8_t)(entry >= 35 ? 14 : 27), letter));
        } else {
            archive.Add(Standin_Thing(20, 14, (uint8_t)(40 + entry), std::to_string(entry)));
        }
    }
    Standin_Write_Archive(folder, archive);
}

void Write_SPECIAL_LBX(const std::string &folder)
{
    Write_Things(folder, "SPECIAL", 111, 18, 16, "");
    Standin_Archive second{"SPECIAL2", {}, {}};
    // The small spellbook: the open book (34) with a palette block, the page-turn corners (35, 36),
    // the realm symbols in realm order (37-42, 5 x 5 in the realm's colour with a dark dot) and the
    // blank page (43).
    static const uint8_t realm_colours[6] = {216, 172, 123, 15, 46, 201};
    for (int entry = 0; entry < 44; ++entry) {
        if (entry == 34) {
            Standin_Frame book(288, 180, 0);
            book.Fill_Rect(0, 0, 287, 179, 130);
            book.Fill_Rect(12, 16, 141, 175, 229);
            book.Fill_Rect(146, 16, 275, 175, 229);
            book.Fill_Rect(142, 16, 145, 175, 94);
            Standin_Print(book, 122, 3, "BOOK", 1, 15);
            second.Add(Standin_With_Palette(Standin_Packed_Picture({book}), 0, 224));
        } else if (entry == 35 || entry == 36) {
            second.Add(Standin_Thing(16, 16, 130, entry == 35 ? "<" : ">"));
        } else if (entry >= 37 && entry <= 42) {
            Standin_Frame symbol(5, 5, realm_colours[entry - 37]);
            symbol.Fill_Rect(2, 2, 2, 2, 1);
            second.Add(Standin_Picture({symbol}));
        } else if (entry == 43) {
            second.Add(Standin_Picture({Standin_Frame(122, 132, 229)}));
        } else {
            second.Add(Standin_Thing(18, 16, (uint8_t)(40 + 4 * entry), "s" + std::to_string(entry)));
        }
    }
    Standin_Write_Archive(folder, second);
}

void Write_PORTRAIT_LBX(const std::string &folder)
{
    Standin_Archive archive{"PORTRAIT", {}, {}};
    for (int entry = 0; entry < NUM_HERO_TYPES; ++entry) {
        archive.Add(Standin_Picture(
            {Standin_Label(32, 30, (uint8_t)(60 + 5 * entry), 17, "P" + std::to_string(entry), 15, 1)}));
    }
    Standin_Write_Archive(folder, archive);
}

// The picture with a palette block of its own: colours first..first+count-1 as the built-in
// palette holds them, so showing it changes no colour the other pictures use.
Bytes Standin_With_Palette(Bytes picture, int first, int count)
{
    Bytes palette = Standin_Builtin_Palette();
    size_t info = picture.size();
    size_t data = info + FLIC_PALETTE_FRAME_ENTRIES;
    if (data + 3 * (size_t)count > 0xFFFF) Standin_Fail("picture too large for a palette block");
    picture.resize(data, 0);
    LE_Put_U16(picture.data() + FLIC_PALETTE_INFO, (uint16_t)info);
    LE_Put_U16(picture.data() + info + FLIC_PALETTE_DATA, (uint16_t)data);
    LE_Put_U16(picture.data() + info + FLIC_PALETTE_FIRST, (uint16_t)first);
    LE_Put_U16(picture.data() + info + FLIC_PALETTE_COUNT, (uint16_t)count);
    picture.insert(picture.end(), palette.begin() + 3 * first, palette.begin() + 3 * (first + count));
    return picture;
}
