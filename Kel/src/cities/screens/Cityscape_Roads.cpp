#include "cities/screens/Cityscape_Roads.h"

#include <initializer_list>

#include "Animation.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "cities/Cityscape_Layout.h"
#include "cities/screens/Cityscape_Draw.h"
#include "cities/screens/Cityscape_Pictures.h"

namespace {

constexpr int ROAD_ROWS[4] = {0, 5, 9, 14};
constexpr int ROAD_COLUMNS[4] = {4, 9, 13, 18};

int16_t Cell(int row, int column) { return Cityscape_Cell_At(row, column); }
bool Laid(int row, int column) { return Cell(row, column) == csc_Road_Laid; }
bool Unlaid(int row, int column) { return Cell(row, column) == csc_Road; }

void Lay(int row, int column)
{
    if (Cell(row, column) == csc_Road) Cityscape_Cell_At(row, column) = csc_Road_Laid;
}

// A stretch of a road row: laid when a cell beside it in one of the given rows holds a building,
// footprint or house.
void Row_Segment(int row, int first, int last, int look_a, int look_b)
{
    bool next_to = false;
    for (int c = first; c <= last; ++c) {
        if (Cell(look_a, c) > 0 || (look_b >= 0 && Cell(look_b, c) > 0)) next_to = true;
    }
    if (next_to)
        for (int c = first; c <= last; ++c) Lay(row, c);
}

void Column_Segment(int column, int first, int last)
{
    bool next_to = false;
    for (int r = first; r <= last; ++r) {
        if (Cell(r, column - 1) > 0 || Cell(r, column + 1) > 0) next_to = true;
    }
    if (next_to)
        for (int r = first; r <= last; ++r) Lay(r, column);
}

int Junction_Count(int row, int column)
{
    int n = 0;
    if (row > 0 && Laid(row - 1, column)) ++n;
    if (row < CITYSCAPE_ROWS - 1 && Laid(row + 1, column)) ++n;
    if (column > 0 && Laid(row, column - 1)) ++n;
    if (column <= CITYSCAPE_COLUMNS - 2 && Laid(row, column + 1)) ++n;
    return n;
}

void Join_Junctions(void)
{
    int count[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) count[i][j] = Junction_Count(ROAD_ROWS[i], ROAD_COLUMNS[j]);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (count[i][j] <= 0) continue;
            int row = ROAD_ROWS[i], column = ROAD_COLUMNS[j];
            if (j > 0 && !Laid(row, column - 1) && count[i][j - 1] > 0)
                for (int c = ROAD_COLUMNS[j - 1] + 1; c < column; ++c) Lay(row, c);
            if (i < 3 && !Laid(row + 1, column) && count[i + 1][j] > 0)
                for (int r = row + 1; r < ROAD_ROWS[i + 1]; ++r) Lay(r, column);
        }
    }
}

void Lay_Junctions(void)
{
    for (int i = 0; i < 4; ++i) {
        int row = ROAD_ROWS[i];
        for (int j = 0; j < 4; ++j) {
            int column = ROAD_COLUMNS[j];
            if (Cell(row, column) != csc_Road) continue;
            int n = (Laid(row, column - 1) ? 1 : 0) + (Laid(row, column + 1) ? 1 : 0);
            if (row == 0) {
                n += Laid(1, column) ? 1 : 0;
            } else if (row == CITYSCAPE_ROWS - 1) {
                n += Laid(row - 1, column) ? 1 : 0;
            } else {
                n += (Laid(row - 1, column) ? 1 : 0) + (Laid(row + 1, column) ? 1 : 0);
            }
            if (n >= 2) Lay(row, column);
        }
    }
}

void Clear_Pixel(uint8_t *bitmap, int px, int py)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    if (px < 0 || py < 0 || px >= w || py >= h) return;
    bitmap[PICTURE_BITMAP_HEADER + px * h + py] = 0;
}

void Clear_Column(uint8_t *bitmap, int px, int first, int last)
{
    for (int py = first; py <= last; ++py) Clear_Pixel(bitmap, px, py);
}

// The stamp of a straight piece whose full middle runs over the given columns.
void Straight_Stamp(int px, int py, int full, uint8_t *bitmap)
{
    Clear_Column(bitmap, px, py + 2, py + 2);
    Clear_Column(bitmap, px + 1, py + 1, py + 2);
    for (int c = 2; c < 2 + full; ++c) Clear_Column(bitmap, px + c, py, py + 2);
    Clear_Column(bitmap, px + 2 + full, py, py + 1);
    Clear_Column(bitmap, px + 3 + full, py, py);
}

void Long(int px, int py, uint8_t *bitmap) { Cityscape_Roads_3__WIP((int16_t)px, (int16_t)py, bitmap); }
void Short(int px, int py, uint8_t *bitmap) { Cityscape_Roads_4__WIP((int16_t)px, (int16_t)py, bitmap); }
void Slanted(int px, int py, uint8_t *bitmap) { Cityscape_Roads_5__WIP((int16_t)px, (int16_t)py, bitmap); }

// A road column's unlaid cells: its three stretches of rows with their base points.
void Erase_Column(int column, int first_row, int base, uint8_t *bitmap)
{
    for (int r = first_row; r <= 13; ++r) {
        if (r == 5 || r == 9 || !Unlaid(r, column)) continue;
        if (r <= 4) {
            Slanted(base - 5 * r, 5 * r - 1, bitmap);
        } else if (r <= 8) {
            Slanted(base + 2 - 5 * r, 5 * r - 3, bitmap);
        } else {
            Slanted(base + 4 - 5 * r, 5 * r - 5, bitmap);
        }
    }
}

}  // namespace

void Cityscape_Lay_Roads(void)
{
    for (int c : {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12})
        if (Cell(1, c) > 0) Lay(0, c);
    Row_Segment(5, 14, 17, 1, -1);
    Row_Segment(5, 1, 3, 4, 6);
    Row_Segment(5, 5, 8, 4, 6);
    Row_Segment(5, 10, 12, 4, 6);
    Row_Segment(5, 19, 22, 4, 6);
    Row_Segment(9, 2, 3, 8, 10);
    Row_Segment(9, 5, 8, 8, 10);
    Row_Segment(9, 10, 12, 8, 10);
    Row_Segment(9, 14, 17, 8, 10);
    Row_Segment(9, 19, 22, 8, 10);
    Row_Segment(14, 5, 8, 13, -1);
    Row_Segment(14, 10, 12, 13, -1);
    Row_Segment(14, 14, 17, 13, -1);
    Row_Segment(14, 19, 22, 13, -1);
    for (int column : ROAD_COLUMNS) {
        Column_Segment(column, 1, 4);
        Column_Segment(column, 6, 8);
        Column_Segment(column, 10, 13);
    }
    Join_Junctions();
    Lay_Junctions();
}

void Cityscape_Roads_3__WIP(int16_t px, int16_t py, uint8_t *bitmap) { Straight_Stamp(px, py, 8, bitmap); }

void Cityscape_Roads_4__WIP(int16_t px, int16_t py, uint8_t *bitmap) { Straight_Stamp(px, py, 6, bitmap); }

void Cityscape_Roads_5__WIP(int16_t px, int16_t py, uint8_t *bitmap)
{
    // clang-format off
    static const int8_t first[10] = {7, 6, 5, 4, 3, 3, 3, 3, 3, 3};
    static const int8_t last[10]  = {7, 7, 7, 7, 7, 7, 6, 5, 4, 3};
    // clang-format on
    for (int c = 0; c < 10; ++c) Clear_Column(bitmap, px + c, py + first[c], py + last[c]);
}

void Cityscape_Roads_2__WIP(uint8_t *bitmap)
{
    auto stretch_x = [](int c, int a, int b, int d, int e) {
        if (c <= 3) return a;
        if (c <= 8) return b;
        if (c <= 12) return d;
        return e;
    };
    for (int c = 0; c <= 17; ++c) {
        if (c == 4 || c == 9 || c == 13 || !Unlaid(0, c)) continue;
        Long(10 * c + stretch_x(c, 29, 27, 25, 22), 4, bitmap);
    }
    if (Unlaid(0, 4)) Short(69, 4, bitmap);
    if (Unlaid(0, 9)) {
        Short(117, 4, bitmap);
        if (Unlaid(0, 8) || Unlaid(0, 10)) Short(120, 1, bitmap);
    }
    if (Unlaid(0, 13)) {
        Short(154, 4, bitmap);
        if (Unlaid(0, 12) || Unlaid(0, 14)) Short(157, 1, bitmap);
    }
    for (int c = 1; c <= 17; ++c) {
        if (c == 4 || c == 9 || c == 13 || !Unlaid(5, c)) continue;
        Long(10 * c + stretch_x(c, 6, 4, 2, 10), 27, bitmap);
    }
    static const int row5_junction_x[4] = {46, 94, 131, 180};
    static const int row9_junction_x[4] = {28, 76, 113, 161};
    for (int j = 0; j < 4; ++j) {
        if (Unlaid(5, ROAD_COLUMNS[j])) Short(row5_junction_x[j], 27, bitmap);
        if (Unlaid(9, ROAD_COLUMNS[j])) Short(row9_junction_x[j], 45, bitmap);
    }
    if (Unlaid(5, 19)) Long(188, 27, bitmap);
    for (int c = 3; c <= 21; ++c) {
        if (c == 4 || c == 9 || c == 13 || c == 18 || !Unlaid(9, c)) continue;
        int offset = c <= 3 ? -12 : c <= 8 ? -14 : c <= 12 ? -16 : c <= 17 ? -19 : -21;
        Long(10 * c + offset, 45, bitmap);
    }
    if (Unlaid(14, 4)) {
        Short(5, 68, bitmap);
        Short(0, 45, bitmap);
        Short(2, 71, bitmap);
    }
    static const int row14_junction_x[3] = {53, 91, 139};
    static const int row14_lower_x[3] = {52, 89, 137};
    for (int j = 1; j < 4; ++j) {
        int column = ROAD_COLUMNS[j];
        if (!Unlaid(14, column)) continue;
        Short(row14_junction_x[j - 1], 68, bitmap);
        if (Unlaid(14, column - 1) || (column + 1 < CITYSCAPE_COLUMNS && Unlaid(14, column + 1)))
            Short(row14_lower_x[j - 1], 71, bitmap);
    }
    for (int c = 5; c <= 22; ++c) {
        if (c == 9 || c == 13 || c == 18 || !Unlaid(14, c)) continue;
        int offset = c <= 8 ? -37 : c <= 12 ? -39 : c <= 17 ? -41 : -44;
        Long(10 * c + offset, 68, bitmap);
    }
    Erase_Column(4, 1, 70, bitmap);
    Erase_Column(9, 1, 118, bitmap);
    Erase_Column(13, 1, 156, bitmap);
    Erase_Column(18, 2, 204, bitmap);
}

void Cityscape_Roads_1__WIP(int16_t x, int16_t y)
{
    Cityscape_Lay_Roads();
    uint8_t *roads = Cityscape_Picture(CSP_ROADS);
    uint8_t *scene = cityscape_scene_bitmap;
    if (roads == nullptr || scene == nullptr) return;
    if (!Cityscape_Render(roads, cityscape_background_frame, scene, CITYSCAPE_SCENE_BYTES)) return;
    Cityscape_Roads_2__WIP(scene);
    Draw_Picture((int16_t)(x + 1), (int16_t)(y + 17), scene);
}
