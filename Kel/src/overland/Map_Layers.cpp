#include "overland/Map_Layers.h"

#include <cstring>

#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "GENDRAW.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"
#include "dev/Integrity_Check.h"
#include "overland/Game_Resources.h"
#include "overland/Terrain_Rows.h"
#include "overland/Unit_Figure.h"
#include "random.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/Game_Settings.h"
#include "world/Map_Square_Record.h"

const uint8_t COL_City_Banner[35] = {
    96,  97,  98,  99,  100,  // banner 0
    72,  73,  74,  75,  76,   // 1
    205, 206, 207, 208, 209,  // 2
    201, 165, 203, 166, 45,   // 3
    209, 210, 211, 212, 213,  // 4
    29,  29,  28,  28,  27,   // 5
    29,  29,  28,  28,  27,   // 6
};
int8_t m_node_warp_shear_array[20];
uint32_t warp_node_seed_save;

namespace {

// The scratch buffers as Terrain_Init carves them.
constexpr uint32_t MAP_SQUARE_SCRATCH_BYTES = 70 * 16;
constexpr uint32_t NODE_WARP_SCRATCH_BYTES = 24 * 16;
constexpr int TERRAIN_PAGE_BYTES = 16384;
constexpr int TERRAIN_PICTURE_STRIDE = 384;
constexpr int TERRAIN_PICTURE_BIAS = 576;
constexpr uint8_t TERRAIN_PAGE_ANIMATED = 0x80;
constexpr int GS_SHOW_NODE_OWNERS = 16;
constexpr uint8_t NODE_WARPED = 0x01;
constexpr int16_t NEUTRAL_PLAYER = 5;
constexpr int MAX_BLOCK_SQUARES = 64 * 64;

// The warped-node effect draws from a generator state of its own, so that play never depends on
// how many frames were drawn.
uint32_t m_warp_random_state = 0x5A17C3E9u;

// Latches of the refused-squares reports, one per reporting layer, and in each one for whole map
// windows and one for the small blocks repainted under moving figures, so that the two kinds of
// draw taking turns do not log each frame.
int16_t m_terrain_refused_latch[2];
int16_t m_unexplored_refused_latch[2];
int16_t m_redraw_refused_latch[2];

int16_t *Latch(int16_t *latches, int16_t w, int16_t h)
{
    return &latches[w == MAP_VIEW_COLUMNS && h == MAP_VIEW_ROWS ? 0 : 1];
}

struct Refused_Squares {
    int count = 0;
    int16_t first_x = 0;
    int16_t first_y = 0;
    void Add(int16_t x, int16_t y)
    {
        if (count++ == 0) {
            first_x = x;
            first_y = y;
        }
    }
};

inline bool In_World(int x, int y, int plane)
{
    return plane >= 0 && plane < NUM_PLANES && x >= 0 && x < WORLD_WIDTH && y >= 0 && y < WORLD_HEIGHT;
}

inline uint8_t Explored_Value(int x, int y, int plane)
{
    return In_World(x, y, plane) ? _square_explored[World_Square_Index(x, y, plane)] : 0;
}

// The block position of world square (x, y): 1 with its column and row when it lies in the block.
bool In_Block(int x, int y, int16_t w, int16_t h, int16_t wx, int16_t wy, int *c, int *r)
{
    *c = Map_Wrap_X(x - wx);
    *r = y - wy;
    return *c < w && *r >= 0 && *r < h;
}

int16_t City_Count(void) { return _cities < 0 ? 0 : (_cities > NUM_CITIES ? (int16_t)NUM_CITIES : _cities); }

// Marks the block squares on which a city stands.
void Mark_City_Squares(bool *marks, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    std::memset(marks, 0, (size_t)w * h);
    int16_t cities = City_Count();
    for (int i = 0; i < cities; i++) {
        const City_Record &city = _CITIES[i];
        int c = 0, r = 0;
        if (city.wp == plane && In_Block(city.wx, city.wy, w, h, wx, wy, &c, &r)) marks[r * w + c] = true;
    }
}

bool Block_Fits(int16_t w, int16_t h) { return w > 0 && h > 0 && w * h <= MAX_BLOCK_SQUARES; }

int16_t Owner_Banner(int owner)
{
    if (owner < 0 || owner >= NUM_PLAYERS) return 0;
    return _players[owner].banner_id;
}

void Draw_Frame_At(int x, int y, uint8_t *picture, int frame)
{
    if (picture == nullptr) return;
    Set_Animation_Frame(picture, (int16_t)frame);
    FLIC_Draw((int16_t)x, (int16_t)y, picture);
}

// The picture's frame rendered into a scratch bitmap of the given size; false when it would not fit.
bool Frame_To_Scratch(uint8_t *picture, int frame, uint8_t *scratch, uint32_t scratch_bytes)
{
    if (picture == nullptr || scratch == nullptr) return false;
    uint32_t size = PICTURE_BITMAP_HEADER + (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture);
    if (size > scratch_bytes) return false;
    Set_Animation_Frame(picture, (int16_t)frame);
    Draw_Picture_To_Bitmap(picture, scratch);
    return true;
}

void Replace_Colours(uint8_t *bitmap, uint8_t first, int count, const uint8_t *colours)
{
    for (int k = 0; k < count; k++) Replace_Color(bitmap, (uint8_t)(first + k), colours[k]);
}

// The square at (x, y) on the page into a 20 x 18 bitmap; pixels off the page are 0.
void Capture_Square(int x, int y, uint8_t *bitmap)
{
    Create_Picture(MAP_VIEW_SQUARE_WIDTH, MAP_VIEW_SQUARE_HEIGHT, bitmap);
    uint8_t *pixels = bitmap + PICTURE_BITMAP_HEADER;
    for (int c = 0; c < MAP_VIEW_SQUARE_WIDTH; c++) {
        for (int r = 0; r < MAP_VIEW_SQUARE_HEIGHT; r++) {
            int px = x + c, py = y + r;
            bool on_page = px >= 0 && px < SCREEN_WIDTH && py >= 0 && py < SCREEN_HEIGHT;
            pixels[c * MAP_VIEW_SQUARE_HEIGHT + r] = on_page ? current_video_page[py * SCREEN_WIDTH + px] : 0;
        }
    }
}

void Draw_Warped_Node(int x, int y)
{
    uint8_t *node = map_square_scratchpad_seg;
    uint8_t *warp = node_warp_scratchpad_seg;
    if (warp == nullptr || !Frame_To_Scratch(node_warped_seg, 0, node, MAP_SQUARE_SCRATCH_BYTES)) return;
    static_assert(PICTURE_BITMAP_HEADER + MAP_VIEW_SQUARE_WIDTH * MAP_VIEW_SQUARE_HEIGHT <= NODE_WARP_SCRATCH_BYTES);
    Capture_Square(x, y, warp);

    uint32_t game_seed = random_seed;
    random_seed = m_warp_random_state;
    warp_node_seed_save = random_seed;
    for (int8_t &offset : m_node_warp_shear_array) {
        int value = offset;
        if (Random(4) == 1) value++;
        if (Random(4) == 1) value--;
        offset = (int8_t)(value < -1 ? -1 : (value > 1 ? 1 : value));
    }
    m_warp_random_state = random_seed;
    random_seed = game_seed;

    uint32_t vanish_state = m_vanish_state;
    m_vanish_state = warp_node_seed_save;
    Vanish_Bitmap(warp, 50);
    m_vanish_state = vanish_state;

    Shear_Array_Bitmap_X(m_node_warp_shear_array, warp);
    Shear_Array_Bitmap_Y(m_node_warp_shear_array, warp);
    int w = LE_U16(node + PICTURE_WIDTH), h = LE_U16(node + PICTURE_HEIGHT);
    for (int c = 0; c < w && c < MAP_VIEW_SQUARE_WIDTH; c++) {
        for (int r = 0; r < h && r < MAP_VIEW_SQUARE_HEIGHT; r++) {
            uint8_t value = node[PICTURE_BITMAP_HEADER + c * h + r];
            if (value != 0) warp[PICTURE_BITMAP_HEADER + c * MAP_VIEW_SQUARE_HEIGHT + r] = value;
        }
    }
    Draw_Picture((int16_t)x, (int16_t)y, warp);
}

void Draw_Cities(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane,
                 bool city_screen_clip)
{
    if (city_screen_clip) {
        Set_Window(215, 4, 454, 183);
    } else {
        Set_Window(MAP_VIEW_SCREEN_X, MAP_VIEW_SCREEN_Y, 239, 199);
    }
    uint8_t *scratch = map_square_scratchpad_seg;
    int16_t cities = City_Count();
    for (int i = 0; i < cities; i++) {
        const City_Record &city = _CITIES[i];
        if (city.wp != plane || Explored_Value(city.wx, city.wy, city.wp) == 0) continue;
        int c = Map_Wrap_X(city.wx - wx);
        if (c == WORLD_WIDTH - 1) c = -1;  // one column of margin on the left too
        int r = city.wy - wy;
        if (r < -1 || r > h || c < -1 || c > w) continue;
        uint8_t *picture = City_Building_Stands(city, bt_City_Walls) ? IMG_OVL_Walled_City : IMG_OVL_NoWall_City;
        int frame = (city.population - 1) / 4;
        if (frame > 4) frame = 4;
        if (!Frame_To_Scratch(picture, frame, scratch, MAP_SQUARE_SCRATCH_BYTES)) continue;
        if (city.owner_idx == NEUTRAL_PLAYER || city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS) {
            static const uint8_t neutral[5] = {51, 52, 53, 54, 55};
            Replace_Colours(scratch, 214, 5, neutral);
        } else {
            int banner = Owner_Banner(city.owner_idx);
            if (banner > 6) banner = 6;
            uint8_t colours[5];
            for (int k = 0; k < 5; k++) colours[k] = (uint8_t)(COL_City_Banner[5 * banner + k] - 1);
            Replace_Colours(scratch, 214, 5, colours);
        }
        Draw_Picture_Windowed((int16_t)(sx + MAP_VIEW_SQUARE_WIDTH * c - 6),
                              (int16_t)(sy + MAP_VIEW_SQUARE_HEIGHT * r - 6), scratch);
    }
}

}  // namespace

void Map_Layers_Reset_Refused_Latches(void)
{
    for (int k = 0; k < 2; k++) {
        m_terrain_refused_latch[k] = 0;
        m_unexplored_refused_latch[k] = 0;
        m_redraw_refused_latch[k] = 0;
    }
}

uint8_t *Terrain_Number_Picture(uint32_t number, int16_t animation_frame)
{
    if (m_terrain_lbx_000 == nullptr || m_terrain_lbx_001 == nullptr) return nullptr;
    if (2 * (uint64_t)number + 2 > m_terrain_lbx_001_length) return nullptr;
    int page = m_terrain_lbx_001[2 * number];
    int index = m_terrain_lbx_001[2 * number + 1];
    if (page & TERRAIN_PAGE_ANIMATED) {
        page &= ~TERRAIN_PAGE_ANIMATED;
        index += animation_frame;
    }
    int64_t at = (int64_t)page * TERRAIN_PAGE_BYTES + (int64_t)index * TERRAIN_PICTURE_STRIDE - TERRAIN_PICTURE_BIAS;
    if (at < 0 || at + PICTURE_BITMAP_HEADER > (int64_t)m_terrain_lbx_000_length) return nullptr;
    uint8_t *picture = m_terrain_lbx_000 + at;
    int64_t pixels = (int64_t)LE_U16(picture + PICTURE_WIDTH) * LE_U16(picture + PICTURE_HEIGHT);
    if (at + PICTURE_BITMAP_HEADER + pixels > (int64_t)m_terrain_lbx_000_length) return nullptr;
    return picture;
}

uint8_t *Terrain_Square_Picture(int16_t wx, int16_t wy, int16_t plane)
{
    if (!Integrity_Terrain_Square_Is_Valid(wx, wy, plane)) return nullptr;
    uint32_t number = (uint32_t)(_world_maps[World_Square_Index(wx, wy, plane)] + TERRAIN_PICTURES_PER_PLANE * plane);
    return Terrain_Number_Picture(number, terrain_anim_ctr);
}

int16_t Terrain_Square_Reduced_Map_Colour(int16_t wx, int16_t wy, int16_t plane)
{
    if (!Integrity_Terrain_Square_Is_Valid(wx, wy, plane) || m_terrain_lbx_002 == nullptr) return -1;
    uint32_t number = (uint32_t)(_world_maps[World_Square_Index(wx, wy, plane)] + TERRAIN_PICTURES_PER_PLANE * plane);
    if (number >= m_terrain_lbx_002_length) return -1;
    return m_terrain_lbx_002[number];
}

void Terrain_Reduced_Map_Row(int16_t left, int16_t wy, int16_t plane, int16_t w, uint8_t *pixels, int step)
{
    if (plane < 0 || plane >= NUM_PLANES || wy < 0 || wy >= WORLD_HEIGHT || _world_maps == nullptr ||
        _square_explored == nullptr || m_terrain_lbx_002 == nullptr)
        return;
    const int16_t *terrain = _world_maps + World_Square_Index(0, wy, plane);
    const uint8_t *explored = _square_explored + World_Square_Index(0, wy, plane);
    const uint8_t *colours = m_terrain_lbx_002;
    const uint32_t colour_count = m_terrain_lbx_002_length;
    const uint32_t plane_first = (uint32_t)(TERRAIN_PICTURES_PER_PLANE * plane);
    int x = Map_Wrap_X(left);
    for (int j = 0; j < w; j++, pixels += step) {
        int at = x;
        if (++x == WORLD_WIDTH) x = 0;
        if (explored[at] == 0) continue;
        int value = terrain[at];
        if (value < 0 || value > INTEGRITY_MAX_TERRAIN) continue;
        uint32_t number = (uint32_t)value + plane_first;
        if (number < colour_count) *pixels = colours[number];
    }
}

void Draw_Map_Terrain(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    Refused_Squares refused;
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int16_t x = Map_Wrap_X(wx + c);
            int16_t y = (int16_t)(wy + r);
            int px = sx + MAP_VIEW_SQUARE_WIDTH * c, py = sy + MAP_VIEW_SQUARE_HEIGHT * r;
            Terrain_Square_Form square;
            bool has_picture = Terrain_Rows_Square(x, y, plane, &square);
            if (!has_picture) refused.Add(x, y);
            if (has_picture && Explored_Value(x, y, plane) != 0) {
                map_draw_full = 1;
                Terrain_Rows_Draw(square, (int16_t)px, (int16_t)py);
            } else {
                Fill((int16_t)px, (int16_t)py, (int16_t)(px + MAP_VIEW_SQUARE_WIDTH - 1),
                     (int16_t)(py + MAP_VIEW_SQUARE_HEIGHT - 1), 0);
            }
        }
    }
    Integrity_Report_Refused_Squares("Draw_Map_Terrain", Latch(m_terrain_refused_latch, w, h), refused.count,
                                     refused.first_x, refused.first_y, plane);
}

void Draw_Map_Minerals(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    if (!Block_Fits(w, h)) return;
    bool cities[MAX_BLOCK_SQUARES];
    Mark_City_Squares(cities, w, h, wx, wy, plane);
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int x = Map_Wrap_X(wx + c), y = wy + r;
            if (Explored_Value(x, y, plane) == 0 || cities[r * w + c]) continue;
            int mineral = _map_square_terrain_specials[World_Square_Index(x, y, plane)] & ts_Mineral_Mask;
            if (mineral >= 1 && mineral <= 9) {
                Draw_Frame_At(sx + MAP_VIEW_SQUARE_WIDTH * c, sy + MAP_VIEW_SQUARE_HEIGHT * r,
                              mineral_site_segs[mineral], 0);
            }
        }
    }
}

void Draw_Map_Biota(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    if (!Block_Fits(w, h)) return;
    bool cities[MAX_BLOCK_SQUARES];
    Mark_City_Squares(cities, w, h, wx, wy, plane);
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int x = Map_Wrap_X(wx + c), y = wy + r;
            if (Explored_Value(x, y, plane) == 0) continue;
            int square = World_Square_Index(x, y, plane);
            int px = sx + MAP_VIEW_SQUARE_WIDTH * c, py = sy + MAP_VIEW_SQUARE_HEIGHT * r;
            uint8_t specials = _map_square_terrain_specials[square];
            if (_map_square_flags[square] & sf_Corruption) Draw_Frame_At(px, py, IMG_OVL_Corruption, 0);
            if ((specials & ts_Wild_Game) && !cities[r * w + c]) {
                Draw_Frame_At(px, py, IMG_OVL_WildGame, 0);
                if (specials & 0x10) Draw_Frame_At(px, py, UU_hunters_lodge_seg, 0);
            }
            if (specials & ts_Nightshade) Draw_Frame_At(px, py, IMG_OVL_Nightshade, 0);
        }
    }
}

void Draw_Map_Roads(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    static const int dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static const int dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int x = Map_Wrap_X(wx + c), y = wy + r;
            if (Explored_Value(x, y, plane) == 0) continue;
            uint8_t flags = _map_square_flags[World_Square_Index(x, y, plane)];
            if (!(flags & sf_Road)) continue;
            bool enchanted = (flags & sf_Enchanted_Road) != 0;
            for (int d = 0; d < 8; d++) {
                int nx = Map_Wrap_X(x + dx[d]), ny = y + dy[d];
                if (ny < 0 || ny >= WORLD_HEIGHT) continue;
                if (!(_map_square_flags[World_Square_Index(nx, ny, plane)] & sf_Road)) continue;
                int px = sx + MAP_VIEW_SQUARE_WIDTH * c, py = sy + MAP_VIEW_SQUARE_HEIGHT * r;
                if (enchanted) {
                    Draw_Frame_At(px, py, eroads_seg[d], road_anim_ctr);
                } else {
                    Draw_Frame_At(px, py, roads_seg[d], 0);
                }
            }
        }
    }
}

void Draw_Map_Cities(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    Draw_Cities(sx, sy, w, h, wx, wy, plane, current_screen == scr_City_Screen);
}

void Draw_Map_Cities_In_Map_Window(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    Draw_Cities(sx, sy, w, h, wx, wy, plane, false);
}

void Draw_Map_Towers(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    for (int i = 0; i < NUM_TOWERS; i++) {
        const Tower_Record &tower = _TOWERS[i];
        int c = 0, r = 0;
        if (Explored_Value(tower.wx, tower.wy, plane) == 0 || !In_Block(tower.wx, tower.wy, w, h, wx, wy, &c, &r)) {
            continue;
        }
        int px = sx + MAP_VIEW_SQUARE_WIDTH * c, py = sy + MAP_VIEW_SQUARE_HEIGHT * r;
        if (tower.owner_idx == -1) {
            Draw_Frame_At(px, py, tower_unowned_seg, 0);
            continue;
        }
        uint8_t *scratch = map_square_scratchpad_seg;
        if (!Frame_To_Scratch(tower_owned_seg, 0, scratch, MAP_SQUARE_SCRATCH_BYTES)) continue;
        uint8_t colour = (uint8_t)(170 + 5 * Owner_Banner(tower.owner_idx));
        for (int k = 0; k < 5; k++) Replace_Color(scratch, (uint8_t)(224 + k), colour);
        Draw_Picture((int16_t)px, (int16_t)py, scratch);
    }
}

void Draw_Map_Lairs(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.wp != plane || lair.Intact != 1) continue;
        uint8_t *picture = nullptr;
        switch (lair.type) {
        case lt_Cave: picture = IMG_OVL_EZ_Cave; break;
        case lt_Dungeon: picture = IMG_OVL_EZ_Dung; break;
        case lt_Ancient_Temple: picture = IMG_OVL_EZ_ATmpl; break;
        case lt_Keep: picture = IMG_OVL_EZ_AKeep; break;
        case lt_Monster_Lair: picture = IMG_OVL_EZ_MLair; break;
        case lt_Ruins: picture = IMG_OVL_EZ_Ruins; break;
        case lt_Fallen_Temple: picture = IMG_OVL_EZ_FTmpl; break;
        default: continue;
        }
        int c = 0, r = 0;
        if (Explored_Value(lair.wx, lair.wy, plane) == 0 || !In_Block(lair.wx, lair.wy, w, h, wx, wy, &c, &r)) {
            continue;
        }
        Draw_Frame_At(sx + MAP_VIEW_SQUARE_WIDTH * c, sy + MAP_VIEW_SQUARE_HEIGHT * r, picture, 0);
    }
}

void Draw_Map_Units(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy)
{
    int first_column = 0;
    int first_row = 0;
    if (w == 3) {
        first_column = wx - _map_x;
        if (first_column < 0) first_column += WORLD_WIDTH;
        if (first_column >= WORLD_WIDTH) first_column -= WORLD_WIDTH;
        first_row = wy - _map_y;
    }
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int row = first_row + r, column = first_column + c;
            if (row < 0 || row >= MAP_VIEW_ROWS || column < 0 || column >= MAP_VIEW_COLUMNS) continue;
            int16_t entity = entities_on_movement_map[row * MAP_VIEW_COLUMNS + column];
            if (entity >= 0 && entity < MAP_ENTITY_CITY_FIRST) {
                Draw_Unit_Picture((int16_t)(sx + MAP_VIEW_SQUARE_WIDTH * c), (int16_t)(sy + MAP_VIEW_SQUARE_HEIGHT * r),
                                  entity, 2);
            }
        }
    }
}

void Draw_Map_Nodes(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    if (Game_Settings_Word(GS_SHOW_NODE_OWNERS) != 1) return;
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wp != plane || node.owner_idx == -1) continue;
        int banner = Owner_Banner(node.owner_idx);
        uint8_t *aura = banner >= 0 && banner < 5 ? node_auras_seg[banner] : nullptr;
        int power = node.power > NODE_MAX_AURA ? NODE_MAX_AURA : node.power;
        for (int j = 0; j < power; j++) {
            int c = 0, r = 0;
            int x = node.Aura_Xs[j], y = node.Aura_Ys[j];
            if (Explored_Value(x, y, plane) == 0 || !In_Block(x, y, w, h, wx, wy, &c, &r)) continue;
            Draw_Frame_At(sx + MAP_VIEW_SQUARE_WIDTH * c, sy + MAP_VIEW_SQUARE_HEIGHT * r, aura,
                          (j + node_anim_ctr) % 6);
        }
        if (node.flags & NODE_WARPED) {
            int c = 0, r = 0;
            int x = node.Aura_Xs[0], y = node.Aura_Ys[0];
            if (Explored_Value(x, y, plane) == 0 || !In_Block(x, y, w, h, wx, wy, &c, &r)) continue;
            Draw_Warped_Node(sx + MAP_VIEW_SQUARE_WIDTH * c, sy + MAP_VIEW_SQUARE_HEIGHT * r);
        }
    }
}

namespace {

// The edge masks of partly explored squares; with fill_unexplored, unexplored squares are also
// painted black. Squares whose terrain picture is refused count as unexplored and are reported.
void Draw_Unexplored_Squares(const char *caller, int16_t *latches, bool fill_unexplored, int16_t sx, int16_t sy,
                             int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    Refused_Squares refused;
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            int16_t x = Map_Wrap_X(wx + c);
            int16_t y = (int16_t)(wy + r);
            int value = 0;
            Terrain_Square_Form square;
            if (!Terrain_Rows_Square(x, y, plane, &square)) {
                refused.Add(x, y);
            } else {
                value = Explored_Value(x, y, plane);
            }
            int px = sx + MAP_VIEW_SQUARE_WIDTH * c, py = sy + MAP_VIEW_SQUARE_HEIGHT * r;
            if (value >= 1 && value <= 14) {
                Draw_Frame_At(px, py, unexplored_mask_seg[value - 1], 0);
            } else if (value == 0 && fill_unexplored) {
                Clipped_Fill((int16_t)px, (int16_t)py, (int16_t)(px + MAP_VIEW_SQUARE_WIDTH - 1),
                             (int16_t)(py + MAP_VIEW_SQUARE_HEIGHT - 1), 0);
            }
        }
    }
    Integrity_Report_Refused_Squares(caller, Latch(latches, w, h), refused.count, refused.first_x, refused.first_y,
                                     plane);
}

}  // namespace

void Draw_Map_Unexplored_Area(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    Draw_Unexplored_Squares("Draw_Map_Unexplored_Area", m_unexplored_refused_latch, false, sx, sy, w, h, wx, wy, plane);
}

void Redraw_Map_Unexplored_Area(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    if (plane != 0 && plane != 1) {
        int count = w > 0 && h > 0 ? w * h : 0;
        Integrity_Report_Refused_Squares("Redraw_Map_Unexplored_Area", Latch(m_redraw_refused_latch, w, h), count,
                                         Map_Wrap_X(wx), wy, plane);
        return;
    }
    Draw_Unexplored_Squares("Redraw_Map_Unexplored_Area", m_redraw_refused_latch, true, sx, sy, w, h, wx, wy, plane);
}
