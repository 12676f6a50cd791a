// The terrain squares in row form. A terrain picture is stored column by column and drawn a pixel
// at a time, each tested for colour 0, while the map window draws 120 of them every frame. Every
// picture the terrain table reaches is converted to rows once, when the terrain archive has been
// loaded (or first asked for after), so that an opaque square takes one copy per row. The rows
// are dropped when the archive's area is loaded anew, and rebuilt when the terrain entries are
// others. The pages drawn are byte for byte those of Draw_Picture with Terrain_Square_Picture.
#pragma once

#include <cstdint>

// Converts the terrain pictures of the loaded terrain entries (Terrain_Init calls it).
void Terrain_Rows_Build(void);
// Forgets the rows; the next square asked for converts them again.
void Terrain_Rows_Drop(void);

struct Row_Form;

// A square's terrain picture: its rows when kept (the picture as stored otherwise).
struct Terrain_Square_Form {
    const Row_Form *form;
    uint8_t *picture;
    bool remap;
};

// 1 with the square's terrain picture when Terrain_Square_Picture gives one, else 0.
bool Terrain_Rows_Square(int16_t wx, int16_t wy, int16_t plane, Terrain_Square_Form *square);
// Draws a square's terrain picture with its top left at page (x, y), as Draw_Picture draws it.
void Terrain_Rows_Draw(const Terrain_Square_Form &square, int16_t x, int16_t y);

// The number of distinct pictures kept in row form, for tests and benchmarks.
int Terrain_Rows_Kept(void);
