#include "shell/Reduced_Map.h"

#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "overland/Map_Layers.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Square_Queries.h"

uint8_t *_reduced_map_seg;
int16_t reduced_map_x;
int16_t reduced_map_y;
int16_t reduced_map_mark_cycle;
const uint8_t COL_MinimapBanners[6] = {171, 216, 205, 201, 210, 50};

namespace {

constexpr uint8_t REDUCED_MAP_UNEXPLORED = 1;
constexpr uint8_t REDUCED_MAP_MARK = 15;
constexpr uint8_t WINDOW_BRACKETS = 13;
constexpr int NEUTRAL_PLAYER = 5;
constexpr int CARTOGRAPH_BLOCK = 4;
constexpr int CARTOGRAPH_TABLE = 256;

bool Reduced_Map_Fits(int16_t w, int16_t h)
{
    return w > 0 && h > 0 && PICTURE_BITMAP_HEADER + (int)w * h <= REDUCED_MAP_PICTURE_BYTES;
}

// The pixels of each partly explored value (1..14) that the cartographer blacks out in a square's
// 4 x 4 block, as (column, row); -1 ends a list.
const int8_t m_cartograph_edges[14][8][2] = {
    {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 1}},
    {{0, 3}, {1, 3}, {2, 3}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 2}},
    {{3, 0}, {3, 1}, {3, 2}, {3, 3}, {-1, -1}},
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}, {1, 2}},
    {{0, 3}, {3, 0}, {-1, -1}},
    {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {-1, -1}},
    {{3, 3}, {-1, -1}},
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {2, 0}, {3, 0}, {1, 1}},
    {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {-1, -1}},
    {{0, 0}, {3, 3}, {-1, -1}},
    {{0, 3}, {-1, -1}},
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {-1, -1}},
    {{0, 0}, {-1, -1}},
    {{3, 0}, {-1, -1}},
};

}  // namespace

void Reduced_Map_Coords(int16_t *x, int16_t *y, int16_t cx, int16_t cy, int16_t w, int16_t h)
{
    int left = cx - w / 2;
    if (left <= 0) left = Map_Wrap_X(left);
    *x = (int16_t)left;
    *y = (int16_t)(cy - h / 2);
}

void Create_Reduced_Map_Picture(int16_t left, int16_t top, int16_t plane, uint8_t *picture, int16_t w, int16_t h,
                                int16_t mark_x, int16_t mark_y, int16_t mark_on)
{
    if (picture == nullptr || !Reduced_Map_Fits(w, h)) return;
    Create_Blank_Picture(w, h, picture, REDUCED_MAP_UNEXPLORED);
    if (plane < 0 || plane >= NUM_PLANES) return;
    uint8_t *pixels = picture + PICTURE_BITMAP_HEADER;
    for (int i = 0; i < h; i++) Terrain_Reduced_Map_Row(left, (int16_t)(top + i), plane, w, pixels + i, h);
    int16_t cities = _cities < 0 ? 0 : (_cities > NUM_CITIES ? (int16_t)NUM_CITIES : _cities);
    for (int i = 0; i < cities; i++) {
        const City_Record &city = _CITIES[i];
        if (city.wp != plane || city.wx >= WORLD_WIDTH || city.wy >= WORLD_HEIGHT) continue;
        if (_square_explored[World_Square_Index(city.wx, city.wy, city.wp)] == 0) continue;
        int column = Map_Wrap_X(city.wx - left);
        int row = city.wy - top;
        if (column >= w || row < 0 || row >= h) continue;
        uint8_t colour = COL_MinimapNeutral;
        if (city.owner_idx >= 0 && city.owner_idx < NEUTRAL_PLAYER) {
            uint8_t banner = _players[city.owner_idx].banner_id;
            colour = banner < 6 ? COL_MinimapBanners[banner] : COL_MinimapNeutral;
        }
        pixels[column * h + row] = colour;
    }
    if (mark_on) {
        int column = Map_Wrap_X(mark_x - left);
        int row = mark_y - top;
        if (column < w && row >= 0 && row < h) pixels[column * h + row] = REDUCED_MAP_MARK;
    }
}

void Draw_World_Window(int16_t x, int16_t y, int16_t w, int16_t h)
{
    Reset_Window();
    if (_reduced_map_seg != nullptr) Draw_Picture(x, y, _reduced_map_seg);
    int16_t fx = (int16_t)(x + w / 2 - MAP_VIEW_COLUMNS / 2);
    int16_t fy = (int16_t)(y + h / 2 - MAP_VIEW_ROWS / 2);
    Line(fx - 1, fy - 1, fx + 1, fy - 1, WINDOW_BRACKETS);
    Line(fx - 1, fy - 1, fx - 1, fy + 1, WINDOW_BRACKETS);
    Line(fx + 10, fy - 1, fx + 12, fy - 1, WINDOW_BRACKETS);
    Line(fx + 12, fy - 1, fx + 12, fy + 1, WINDOW_BRACKETS);
    Line(fx - 1, fy + 10, fx - 1, fy + 8, WINDOW_BRACKETS);
    Line(fx - 1, fy + 10, fx + 1, fy + 10, WINDOW_BRACKETS);
    Line(fx + 12, fy + 10, fx + 12, fy + 8, WINDOW_BRACKETS);
    Line(fx + 12, fy + 10, fx + 10, fy + 10, WINDOW_BRACKETS);
}

void List_Screen_Draw_Reduced_Map(int16_t x, int16_t y, int16_t w, int16_t h, int16_t plane, int16_t cx, int16_t cy)
{
    reduced_map_mark_cycle = (int16_t)((reduced_map_mark_cycle + 1) % 8);
    Reduced_Map_Coords(&reduced_map_x, &reduced_map_y, cx, cy, w, h);
    Create_Reduced_Map_Picture(reduced_map_x, reduced_map_y, plane, _reduced_map_seg, w, h, cx, cy,
                               reduced_map_mark_cycle < 4);
    Reset_Window();
    if (_reduced_map_seg != nullptr && Reduced_Map_Fits(w, h)) Draw_Picture(x, y, _reduced_map_seg);
}

void Center_Map(int16_t *wx, int16_t *wy, int16_t x, int16_t y, int16_t plane)
{
    int16_t left = Map_Wrap_X(Map_Wrap_X(x) - MAP_VIEW_COLUMNS / 2);
    int top = y - MAP_VIEW_ROWS / 2;
    if (top < 0) top = 0;
    if (top + MAP_VIEW_ROWS >= WORLD_HEIGHT) top = WORLD_HEIGHT - MAP_VIEW_ROWS;
    *wx = left;
    *wy = (int16_t)top;
    _prev_world_x = left;
    _prev_world_y = (int16_t)top;
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(left, (int16_t)top, plane);
}

void City_Center_Map(int16_t *wx, int16_t *wy, int16_t x, int16_t y, int16_t plane)
{
    int16_t left = Map_Wrap_X(Map_Wrap_X(x) - 2);
    int top = y - 2;
    if (top < 0) top = 0;
    if (top > 34) top = 35;
    *wx = left;
    *wy = (int16_t)top;
    _prev_world_x = left;
    _prev_world_y = (int16_t)top;
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(left, (int16_t)top, plane);
}

void Clamp_Map_Window_Position(void)
{
    if (_prev_world_y > WORLD_HEIGHT - MAP_VIEW_ROWS) _prev_world_y = WORLD_HEIGHT - MAP_VIEW_ROWS;
    if (_prev_world_y < 0) _prev_world_y = 0;
    if (_prev_world_x >= WORLD_WIDTH) _prev_world_x = (int16_t)(_prev_world_x - WORLD_WIDTH);
    if (_prev_world_x < 0) _prev_world_x = (int16_t)(_prev_world_x + WORLD_WIDTH);
    // Column 60 shows as column 0, so that the next scroll goes the short way west.
    if (_map_x == 0 && _prev_world_x >= 50) _map_x = WORLD_WIDTH;
}

void Cartograph_Screen_Draw_Map_Terrain(int16_t plane, uint8_t *buffer)
{
    if (buffer == nullptr) return;
    uint8_t *table = buffer;
    for (int k = 0; k < CARTOGRAPH_TABLE; k++) {
        const uint8_t *rgb = current_palette != nullptr ? current_palette + 3 * k : nullptr;
        int grey = rgb != nullptr ? (rgb[0] + rgb[1] + rgb[2] / 2) / 5 : 0;
        table[k] = (uint8_t)(grey + 224);
    }
    table[102] = 0;
    table[103] = 0;
    uint8_t *picture = buffer + CARTOGRAPH_TABLE;
    Create_Blank_Picture(CARTOGRAPH_WIDTH, CARTOGRAPH_HEIGHT, picture, 0);
    if (plane < 0 || plane >= NUM_PLANES) return;
    uint8_t *pixels = picture + PICTURE_BITMAP_HEADER;
    for (int y = 0; y < WORLD_HEIGHT; y++) {
        for (int x = 0; x < WORLD_WIDTH; x++) {
            if (_square_explored[World_Square_Index(x, y, plane)] == 0) continue;
            const uint8_t *square = Terrain_Square_Picture((int16_t)x, (int16_t)y, plane);
            if (square == nullptr) continue;
            int height = LE_U16(square + PICTURE_HEIGHT);
            int width = LE_U16(square + PICTURE_WIDTH);
            for (int k = 0; k < CARTOGRAPH_BLOCK; k++) {
                for (int m = 0; m < CARTOGRAPH_BLOCK; m++) {
                    int column = 5 * k, row = 5 * m;
                    if (column >= width || row >= height) continue;
                    uint8_t value = square[PICTURE_BITMAP_HEADER + column * height + row];
                    int px = CARTOGRAPH_BLOCK * x + k, py = CARTOGRAPH_BLOCK * y + m;
                    pixels[px * CARTOGRAPH_HEIGHT + py] = table[value];
                }
            }
        }
    }
    for (int y = 0; y < WORLD_HEIGHT; y++) {
        for (int x = 0; x < WORLD_WIDTH; x++) {
            int value = _square_explored[World_Square_Index(x, y, plane)];
            if (value < 1 || value > 14) continue;
            for (const auto &pixel : m_cartograph_edges[value - 1]) {
                if (pixel[0] < 0) break;
                int px = CARTOGRAPH_BLOCK * x + pixel[0], py = CARTOGRAPH_BLOCK * y + pixel[1];
                pixels[px * CARTOGRAPH_HEIGHT + py] = 0;
            }
        }
    }
}

int16_t IsPassableTower(int16_t x, int16_t y)
{
    bool tower = false;
    for (int i = 0; i < NUM_TOWERS; i++) {
        if (_TOWERS[i].wx == x && _TOWERS[i].wy == y) tower = true;
    }
    if (!tower) return 0;
    int players = _num_players < 0 ? 0 : (_num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players);
    for (int p = 0; p < players; p++) {
        if (_players[p].Globals[ge_Planar_Seal] != 0) return 0;
    }
    return 1;
}

int16_t Square_Is_Sailable__NIU(int16_t x, int16_t y, int16_t plane) { return Square_Is_Sailable(x, y, plane); }
