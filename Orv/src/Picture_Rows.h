// Pictures kept in row form. Bitmaps and animation frames are stored column by column, the page
// row by row: drawing them as stored writes one pixel per row step and tests each for
// transparency. A picture drawn twice with the same bytes is converted once into rows of opaque
// runs, each run drawn with one copy, and kept keyed by where it lies in memory. Every draw
// compares the bytes with the copy kept; a picture whose bytes changed is drawn as stored and
// converted again the next time it is drawn unchanged. The pages drawn are byte for byte those
// of the column drawers. Reloading an archive entry drops the pictures that lay in its area.
#pragma once

#include <cstdint>
#include <vector>

struct Row_Run {
    int16_t x;
    int16_t length;
    uint32_t at;    // the run's first pixel in Row_Form::pixels
    uint8_t remap;  // holds remap codes
};

struct Row_Form {
    int width = 0;
    int height = 0;
    uint8_t remap_first = 0;          // pixels from this value up are remap codes
    bool opaque = false;              // every row is one run of the full width, rows stored one after another
    std::vector<uint32_t> row_first;  // runs of row r: row_first[r] .. row_first[r + 1] - 1
    std::vector<Row_Run> runs;
    std::vector<uint8_t> pixels;
};

// The row form of a frame (the column records of FLIC_Draw_Frame), or nullptr when it is not
// kept (first sight, changed bytes, or data that only the column decoder can judge).
const Row_Form *Picture_Rows_Of_Frame(const uint8_t *data, uint32_t length, int width);
// The row form of a bitmap (Picture_Header, bitmap form), or nullptr as above.
const Row_Form *Picture_Rows_Of_Bitmap(const uint8_t *bitmap);

// Draws with picture pixel (0, 0) at page (x, y), writing only inside the inclusive rectangle
// (x1, y1)-(x2, y2), which lies on the page. With remap, remap codes change the page pixel
// through their remap table instead of being written.
void Row_Form_Draw(const Row_Form &form, int x, int y, int x1, int y1, int x2, int y2, bool remap);

// Converts a whole bitmap (Picture_Header, bitmap form, no larger than a row form takes) into f.
// For caches that convert their pictures once, when they are loaded, instead of when drawn.
void Picture_Rows_Form_Bitmap(Row_Form &f, const uint8_t *bitmap);
// 1 when a bitmap of this width and height can be kept in row form.
bool Picture_Rows_Bitmap_Fits(int width, int height);

// Drops the pictures that lie in [start, start + length): the area has been loaded anew. The
// listener set below hears of it too.
void Picture_Rows_Forget_Area(const uint8_t *start, uint32_t length);
// Another cache keyed by address that must forget what lay in an area loaded anew; one at most,
// nullptr for none.
void Picture_Rows_Set_Forget_Listener(void (*listener)(const uint8_t *start, uint32_t length));
// Drops every picture kept.
void Picture_Rows_Forget_All(void);
// The number of pictures kept in row form and their bytes, for tests and benchmarks.
int Picture_Rows_Kept(void);
uint64_t Picture_Rows_Bytes(void);
