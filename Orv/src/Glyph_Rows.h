// Glyphs kept expanded into rows of coloured pixels and masks, per font image, glyph and
// colour set, so that a character on the page is a few masked 16-byte row writes instead of a
// pixel at a time. A glyph whose colours or alias rule differ from those kept is expanded anew;
// glyph bytes are not compared, so writing them must drop every kept glyph (below). Glyphs
// wider than 16 or taller than 32 pixels, and glyphs that reach outside the rectangle or the
// page, are left to the caller's column drawer.
#pragma once

#include <cstdint>

// Draws the glyph whose column data start at font + at (width columns) with its top left at
// page (x, y), writing only inside (x1, y1)-(x2, y2); colour index k takes colours[k], and with
// alias set index 0 is not drawn. Returns false, drawing nothing, when the caller must draw it.
bool Glyph_Rows_Draw(const uint8_t *font, uint32_t font_size, uint32_t at, int width, const uint8_t *colours,
                     bool alias, uint8_t *page, int x, int y, int x1, int y1, int x2, int y2);

// Forgets every expanded glyph. Whoever writes glyph bytes into a font image (loading or
// reloading a font, even into the same memory) calls it before the next glyph is drawn.
void Glyph_Rows_Forget_All(void);
