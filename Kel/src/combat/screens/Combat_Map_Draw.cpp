#include "combat/screens/Combat_Map_Draw.h"

#include <cstring>

#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Battlefield_Record.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "combat/screens/Combat_Figures.h"
#include "combat/screens/Combat_Pictures.h"
#include "overland/Unit_Figure.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t _combat_road_anim_frame = 0;
int16_t _combat_water_anim_frame = 0;
int16_t _combat_chaos_node_anim_frame = 0;
int16_t _combat_magic_wall_anim_frame = 0;
int16_t _combat_curse_anim_frame = 0;
int16_t combat_walk_anim_frame = 0;
int16_t combat_idle_anim_frame = 0;
int16_t _combat_unit_attack_anim_frame = 1;
int16_t _combat_unit_defend_anim_frame = 3;
int16_t _combat_mud_anim_phase = 0;
int16_t frame_anim_cycle = 0;
int16_t frame_active_flag = 0, frame_active_cgx = 0, frame_active_cgy = 0;
int16_t frame_scanned_flag = 0, frame_scanned_cgx = 0, frame_scanned_cgy = 0;

namespace {

constexpr int16_t MAP_BOTTOM = 163;
constexpr uint8_t COLOUR_GROUND = 81;
constexpr uint8_t COLOUR_GROUND_LINE = 82;
constexpr uint8_t COLOUR_ACTIVE = 211;
constexpr uint8_t COLOUR_OUTLINE = 29;
constexpr uint8_t COLOUR_MISSILE = 31;
constexpr uint8_t COLOUR_CLASH = 12;
constexpr uint8_t COLOUR_TEXT = 31;
constexpr uint8_t FIGURE_BANNER_FIRST = 214;
constexpr uint8_t OUTLINE_MARKER = 255;
constexpr uint8_t SCANNED_RED = 198;

// Where a kind of picture is anchored: the picture is drawn this far up and left of the point.
constexpr int16_t FIGURE_X_OFFSET = 13, FIGURE_Y_OFFSET = 23;

// The composed figure of each battle unit for this frame: a bitmap large enough for any figure.
constexpr int FIGURE_BITMAP_BYTES = PICTURE_BITMAP_HEADER + 48 * 48;
uint8_t m_unit_bitmaps[MAX_BATTLE_UNITS][FIGURE_BITMAP_BYTES];
bool m_unit_composed[MAX_BATTLE_UNITS];
int16_t m_walk_dir = 1;
int16_t m_wall_skip = 0;

void Draw_At_Frame(int16_t x, int16_t y, uint8_t *picture, int16_t frame)
{
    if (picture == nullptr) return;
    const int16_t count = (int16_t)FLIC_Get_FrameCount(picture);
    Set_Animation_Frame(picture, count > 0 ? (int16_t)(frame % count) : (int16_t)0);
    Clipped_Draw(x, y, picture);
}

int16_t Owner_Banner(int16_t owner)
{
    if (owner >= 0 && owner < _num_players && owner < NUM_PLAYERS) return (int16_t)(_players[owner].banner_id % 6);
    return NEUTRAL_PLAYER_IDX;
}

// A unit's figure drawn into its bitmap: the facing at the frame, banner colours, outline, effect
// and the red outline of the unit under the mouse.
void Compose_Unit(int16_t idx)
{
    m_unit_composed[idx] = false;
    Battle_Unit_Record &bu = battle_units[idx];
    if (bu.Status != bus_Fighting || bu.Figure_Set < 0) return;
    const int16_t type = (bu.unit_idx >= 0 && bu.unit_idx < _units) ? _UNITS[bu.unit_idx].type : (int16_t)-1;
    if (type >= 0 && Combat_Figure_Set_Type(bu.Figure_Set) != type && Combat_Figure_Load(type, bu.Figure_Set) < 0)
        return;
    uint8_t *picture =
        Combat_Figure_Picture(bu.Figure_Set, Combat_Figure_Facing(bu.Grid_X, bu.Grid_Y, bu.Target_X, bu.Target_Y));
    if (picture == nullptr) return;
    if ((uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture) + PICTURE_BITMAP_HEADER > FIGURE_BITMAP_BYTES)
        return;
    const int16_t count = (int16_t)FLIC_Get_FrameCount(picture);
    const int16_t frame = Combat_Figure_Frame(idx);
    Set_Animation_Frame(picture, count > 0 ? (int16_t)(frame < count ? frame : count - 1) : (int16_t)0);
    uint8_t *bitmap = m_unit_bitmaps[idx];
    Draw_Picture_To_Bitmap(picture, bitmap);
    const int16_t banner = Owner_Banner(bu.owner_idx);
    for (int c = 0; c < 5; c++) Replace_Color(bitmap, (uint8_t)(FIGURE_BANNER_FIRST + c), COL_Banners[banner][c]);
    if (bu.Outline_Colour >= 0 && bu.Outline_Colour < NUM_OUTLINE_SETS) {
        Outline_Bitmap_Pixels_No_Glass(bitmap, OUTLINE_MARKER);
        Bitmap_Aura_Pixels(bitmap, OUTLINE_MARKER,
                           enchantment_outline_colors[bu.Outline_Colour][unit_enchantment_animation_count & 7]);
    }
    switch (bu.Figure_Effect) {
    case 1:
        Replace_Color(bitmap, 232, 0);
        Gray_Scale_Bitmap(bitmap, 0);
        break;
    case 2:
        Replace_Color(bitmap, 232, 0);
        Inverse_Gray_Scale_Bitmap(bitmap, 104);
        break;
    case 3:
        Replace_Color(bitmap, 232, 0);
        Inverse_Gray_Scale_Bitmap(bitmap, 40);
        break;
    case 4: {
        Replace_Color(bitmap, 232, 0);
        const int w = LE_U16(bitmap + PICTURE_WIDTH), h = LE_U16(bitmap + PICTURE_HEIGHT);
        for (int i = 0; i < w * h; i += 2) {
            if (bitmap[PICTURE_BITMAP_HEADER + i] != 0) bitmap[PICTURE_BITMAP_HEADER + i] = 233;
        }
        break;
    }
    case 5:
        Transparent_Color_Range(bitmap, 1, 228);
        Replace_Color(bitmap, 232, 0);
        break;
    default: break;
    }
    if (idx == _scanned_battle_unit) Replace_Color(bitmap, 1, SCANNED_RED);
    m_unit_composed[idx] = true;
}

void Spawn(int16_t x, int16_t y, uint8_t *image, int16_t x_offset, int16_t y_offset, int16_t frame, int16_t kind,
           int16_t picture = 0, const int16_t *params = nullptr)
{
    const int16_t count = Combat_Grid_Entity_Create(x, y, picture, x_offset, y_offset, frame, kind, params);
    // The image of the entity just made (a dropped one leaves the count as it was).
    if (count > 0 && combat_grid_entities[count - 1].x == x && combat_grid_entities[count - 1].y == y)
        combat_grid_entities[count - 1].image = image;
}

void Spawn_Scenery(void)
{
    const Battlefield_Record &bf = *battlefield;
    for (int16_t i = 0; i < bf.tree_count && i < BATTLEFIELD_MAX_TREES; i++) {
        const int16_t p = bf.tree_picture[i];
        if (p < 0 || p >= COMBAT_SCENERY_PICTURES || _combat_tree_pict_segs[p] == nullptr) continue;
        Spawn(bf.tree_x[i], bf.tree_y[i], _combat_tree_pict_segs[p], 8, 13, 0, cek_Terrain);
    }
    for (int16_t i = 0; i < bf.rock_count && i < BATTLEFIELD_MAX_ROCKS; i++) {
        const int16_t p = bf.rock_picture[i];
        if (p < 0 || p >= COMBAT_SCENERY_PICTURES || _combat_rock_pict_segs[p] == nullptr) continue;
        Spawn(bf.rock_x[i], bf.rock_y[i], _combat_rock_pict_segs[p], 6, 12, 0, cek_Terrain);
    }
}

void Spawn_Unit(int16_t idx)
{
    Battle_Unit_Record &bu = battle_units[idx];
    if (bu.Status != bus_Fighting || !Combat_Cell_On_Grid(bu.Grid_X, bu.Grid_Y)) return;
    bu.Figure_Effect = 0;
    Set_Combat_Enchantment_Outline(&bu);
    const int16_t curse = Battle_Unit_Curse_Effects(&bu);
    Battle_Unit_Set_Invisibility_Effect(&bu);
    if (bu.Display_State == 5) return;
    if (bu.Moving && STU_Log_Category_Enabled(LC_COMBAT_TEST)) {
        STU_LOG(SEV_INFO, LC_COMBAT_TEST, "DRAW turn=%d unit=%d src=(%d,%d) dst=(%d,%d) ctr=%d cnt=%d mid=%d",
                _combat_turn, idx, bu.Grid_X, bu.Grid_Y, bu.Target_X, bu.Target_Y, bu.Move_Step, 8, bu.Moving);
    }
    int16_t sx = 0, sy = 0, tx = 0, ty = 0;
    Combat_Grid_Screen_Coordinates(bu.Grid_X, bu.Grid_Y, 0, 0, &sx, &sy);
    Combat_Grid_Screen_Coordinates(bu.Target_X, bu.Target_Y, 0, 0, &tx, &ty);
    if (bu.Moving) {
        sx = (int16_t)(sx + (tx - sx) * bu.Move_Step / 8);
        sy = (int16_t)(sy + (ty - sy) * bu.Move_Step / 8);
    }
    Compose_Unit(idx);
    for (int16_t k = 0; k < bu.Cur_Figures && k < 8; k++) {
        int16_t ox = 0, oy = 0;
        Combat_Map_Figure_Offset(bu.Max_Figures, k, &ox, &oy);
        const int16_t params[6] = {k, bu.owner_idx, bu.Outline_Colour, 0, 0, 0};
        Spawn((int16_t)(sx + ox), (int16_t)(sy + oy + 8), m_unit_composed[idx] ? m_unit_bitmaps[idx] : nullptr,
              FIGURE_X_OFFSET, FIGURE_Y_OFFSET, bu.Moving, cek_Figure, idx, params);
    }
    if (curse >= 0 && gfx_chriver_seg[16 + curse] != nullptr)
        Spawn(sx, (int16_t)(sy + 8), gfx_chriver_seg[16 + curse], 13, 15, _combat_curse_anim_frame, cek_Curse);
}

void Spawn_Missiles(void)
{
    for (int16_t i = 0; i < m_missile_count; i++) {
        const Combat_Missile &m = _missiles[i];
        const int16_t index = (int16_t)(m.picture * 8 + (m.direction & 7));
        int16_t y = (int16_t)(m.from_y + (m.to_y - m.from_y) * m.progress / 100);
        if (m.picture == 1 || m.picture == 4 || m.picture == 5) {
            const int lift = (m.progress - 50) / 4;
            y = (int16_t)(y + (lift < 0 ? -lift : lift));
        }
        const int16_t params[6] = {m.direction, 0, 0, 0, 0, 0};
        Spawn((int16_t)(m.from_x + (m.to_x - m.from_x) * m.progress / 100), y,
              index >= 0 && index < 120 ? gfx_cmbmagic_seg[index] : nullptr, 14, 22, 0, cek_Missile, m.picture, params);
    }
}

void Spawn_Centre_And_Houses(void)
{
    const Battlefield_Record &bf = *battlefield;
    int16_t cx = 0, cy = 0;
    Combat_Grid_Screen_Coordinates(COMBAT_CENTRE_X, COMBAT_CENTRE_Y, 0, 0, &cx, &cy);
    int entry = -1;
    switch (bf.centre_code) {
    case 1: entry = 18; break;
    case 3: entry = 17; break;
    case 4: entry = 21; break;
    case 5: entry = 20; break;
    case 6: entry = 19; break;
    case 7: entry = 23; break;
    case 8: entry = 22; break;
    case 11: entry = 65; break;
    case 12: entry = 121; break;
    default: break;
    }
    if (entry >= 0 && gfx_cmbtcity_seg[entry] != nullptr) {
        uint8_t *p = gfx_cmbtcity_seg[entry];
        const bool nature = bf.centre_code == 11;
        Spawn(cx, cy, p, nature ? 16 : 15, nature ? 15 : (int16_t)(FLIC_Get_Height(p) - 21), 0, cek_Picture);
    }
    if (bf.centre_code != 2 && bf.centre_code != 3) return;
    for (int16_t h = 0; h < bf.house_count && h < BATTLEFIELD_MAX_HOUSES; h++) {
        const int16_t p = bf.house_picture[h];
        uint8_t *picture = p >= 0 && p < 15 ? gfx_cmbtcity_seg[2 + p] : nullptr;
        if (picture == nullptr) continue;
        int16_t hx = 0, hy = 0;
        Combat_Grid_Screen_Coordinates(bf.house_x[h], bf.house_y[h], 0, 0, &hx, &hy);
        Spawn(hx, (int16_t)(hy + 2), picture, (int16_t)(FLIC_Get_Width(picture) / 2),
              (int16_t)(FLIC_Get_Height(picture) - 14), 0, cek_Picture);
    }
}

struct Wall_Piece {
    int8_t x, y;      // cell
    int8_t row, col;  // section of the stone ring
    int8_t front;     // 0 back, 1 front
    int8_t sx, sy;    // anchor shift
    int8_t ox, oy;    // stone offsets (ox -1: half the picture's width)
    int8_t mox, moy;  // magic wall offsets
};
constexpr Wall_Piece WALL_PIECES[14] = {
    {5, 10, 0, 0, 0, 1, 1, -1, 18, -1, 19},  {5, 11, 1, 0, 0, 1, 1, 17, 17, 17, 18},
    {5, 12, 2, 0, 0, 1, 1, 17, 17, 17, 18},  {5, 13, 3, 0, 0, 1, 1, 17, 17, 17, 18},
    {6, 10, 0, 1, 0, 1, 0, 17, 17, 17, 17},  {7, 10, 0, 2, 0, 1, 0, 17, 17, 17, 17},
    {8, 10, 0, 3, 0, 1, 0, 17, 17, 17, 17},  {6, 13, 3, 1, 1, 0, 14, 16, 30, 16, 29},
    {7, 13, 3, 2, 1, 0, 14, 16, 30, 16, 29}, {8, 13, 3, 3, 1, 0, 14, 16, 30, 16, 29},
    {8, 11, 1, 3, 1, 0, 14, 16, 30, 16, 29}, {8, 12, 2, 3, 1, 0, 14, 16, 30, 16, 29},
    {5, 13, 0, 0, 1, 0, 14, 0, 0, 16, 30},   {8, 10, 0, 0, 1, 0, 14, 0, 0, 16, 30},
};

void Spawn_Walls(int16_t front)
{
    const Battlefield_Record &bf = *battlefield;
    // Back: stone, darkness, fire; front: fire, darkness, stone.
    for (int layer = 0; layer < 3; layer++) {
        const int kind = front ? 2 - layer : layer;  // 0 stone, 1 darkness, 2 fire
        if (kind == 0 && bf.walls != 1) continue;
        if (kind == 1 && bf.wall_of_darkness != 1) continue;
        if (kind == 2 && bf.wall_of_fire != 1) continue;
        const int pieces = kind == 0 ? 12 : 14;
        for (int i = 0; i < pieces; i++) {
            const Wall_Piece &w = WALL_PIECES[i];
            if (w.front != front) continue;
            int16_t x = 0, y = 0;
            Combat_Grid_Screen_Coordinates(w.x, w.y, 0, 0, &x, &y);
            x = (int16_t)(x + w.sx);
            y = (int16_t)(y + w.sy);
            uint8_t *picture = nullptr;
            int16_t frame = 0;
            if (kind == 0) {
                const int16_t section = bf.wall_sections[w.row][w.col];
                if (section == 0) continue;
                const int entry = _combat_wall_sprite_bank * 12 + i;
                picture = entry >= 0 && entry < 36 ? gfx_citywall_seg[entry] : nullptr;
                frame = section == 2 ? 1 : 0;
            } else {
                picture = gfx_citywall_seg[(kind == 2 ? 36 : 50) + i];
                frame = _combat_magic_wall_anim_frame;
            }
            if (picture == nullptr) continue;
            const int8_t ox = kind == 0 ? w.ox : w.mox;
            const int8_t oy = kind == 0 ? w.oy : w.moy;
            Spawn(x, y, picture, ox < 0 ? (int16_t)(FLIC_Get_Width(picture) / 2) : (int16_t)ox, oy, frame, cek_Picture);
        }
    }
}

// The box a figure shows when its set holds no picture: its owner's colour and, on the first
// figure, the unit's letter.
void Draw_Figure_Box(const Combat_Grid_Entity &e, int16_t x, int16_t y)
{
    if (e.picture < 0 || e.picture >= _combat_total_unit_count) return;
    if (x < 1 || x > 312 || y < 1 || y > MAP_BOTTOM - 11) return;
    const Battle_Unit_Record &bu = battle_units[e.picture];
    const Combat_Unit_Animation &anim = combat_unit_animation[e.picture];
    const bool hit = anim.hit_figures > 0 && e.params[0] >= bu.Cur_Figures - anim.hit_figures;
    const bool active = e.picture == _active_battle_unit && m_turn_is_local && !_auto_combat_flag;
    const uint8_t border = active ? COLOUR_ACTIVE : e.params[2] >= 0 ? COLOUR_OUTLINE : 0;
    Fill(x, y, (int16_t)(x + 6), (int16_t)(y + 10), border);
    Fill((int16_t)(x + 1), (int16_t)(y + 1), (int16_t)(x + 5), (int16_t)(y + 9),
         hit ? COLOUR_CLASH : COL_Banners[Owner_Banner(bu.owner_idx)][2]);
    if (e.params[0] == 0) {
        const int16_t type = (bu.unit_idx >= 0 && bu.unit_idx < _units) ? _UNITS[bu.unit_idx].type : -1;
        const char *name = type >= 0 && type < NUM_UNIT_TYPES ? _unit_type_names[type] : nullptr;
        char letter[2] = {name != nullptr && name[0] != '\0' ? name[0] : '?', '\0'};
        uint8_t colours[16];
        memset(colours, COLOUR_TEXT, sizeof colours);
        Set_Font_Colors_15(0, colours);
        Set_Font_Style(0, 15, 15, 15);
        Print((int16_t)(x + 1), (int16_t)(y + 2), letter);
    }
}

void Draw_Entity(const Combat_Grid_Entity &e)
{
    const int16_t x = (int16_t)(e.x - e.x_offset);
    const int16_t y = (int16_t)(e.y - e.y_offset);
    switch (e.kind) {
    case cek_Picture:
    case cek_Curse: Draw_At_Frame(x, y, e.image, e.frame); break;
    case cek_Terrain:
        if (e.image != nullptr) Clipped_Draw(x, y, e.image);
        break;
    case cek_Missile:
        if (e.image != nullptr) {
            Draw_At_Frame(x, y, e.image, 0);
        } else if (x >= 1 && x <= 312 && y >= 1 && y <= MAP_BOTTOM - 3) {
            Fill(x, y, (int16_t)(x + 2), (int16_t)(y + 2), COLOUR_MISSILE);
        }
        break;
    case cek_Figure: {
        if (e.image == nullptr) {
            Draw_Figure_Box(e, (int16_t)(e.x - 3), (int16_t)(e.y - 10));
            break;
        }
        Draw_Picture_Windowed(x, y, e.image);
        const int16_t idx = e.picture;
        if (idx < 0 || idx >= MAX_BATTLE_UNITS) break;
        const Combat_Unit_Animation &anim = combat_unit_animation[idx];
        const Battle_Unit_Record &bu = battle_units[idx];
        if (anim.hit_figures > 0 && e.params[0] >= bu.Cur_Figures - anim.hit_figures && anim.loss_level > 0) {
            uint8_t *blood = gfx_cmbtcity_seg[24 + (anim.loss_level - 1) % 5];
            Draw_At_Frame((int16_t)(e.x - 3), (int16_t)(e.y - 11), blood, m_gibs_frames[e.params[0] % 20] & 3);
        }
        break;
    }
    default: break;
    }
}

void Draw_Entities(void)
{
    for (int pass = 0; pass < 2; pass++) {
        for (int16_t i = 0; i < combat_grid_entity_count; i++) {
            const Combat_Grid_Entity &e = combat_grid_entities[combat_grid_entities_draw_order[i]];
            const bool over = e.kind == cek_Curse || e.kind == cek_Missile;
            if (over == (pass == 1)) Draw_Entity(e);
        }
    }
}

bool Cell_On_Grid(int16_t x, int16_t y) { return x >= 0 && x < COMBAT_GRID_WIDTH && y >= 0 && y < COMBAT_GRID_HEIGHT; }

void Ground_Cell(int16_t x, int16_t y, int16_t sx, int16_t sy)
{
    const Battlefield_Record &bf = *battlefield;
    const int cell = y * COMBAT_GRID_WIDTH + x;
    if (bf.mud[cell] != 0) {
        Draw_At_Frame(sx, sy, gfx_cmbtcity_seg[118], (int16_t)((x + y + _combat_mud_anim_phase) % 8));
    } else {
        const int16_t c = bf.tiles[cell];
        uint8_t *water = nullptr;
        if (c >= 48 && c <= 51) {
            water = bf.plane == 0 ? gfx_cmbtcity_seg[109 + c - 48] : gfx_chriver_seg[12 + c - 48];
        } else if (c >= 52 && c <= 55) {
            water = gfx_cmbtcity_seg[113];
        } else if (c >= 56 && c < 68) {
            water = bf.plane == 0 ? gfx_cmbtcity_seg[97 + c - 56] : gfx_chriver_seg[c - 56];
        }
        Draw_At_Frame(sx, sy, water, _combat_water_anim_frame);
    }
    if (x == COMBAT_CENTRE_X && y == COMBAT_CENTRE_Y) {
        if (bf.centre_code == 9)
            Draw_At_Frame((int16_t)(sx - 46), (int16_t)(sy - 15), gfx_cmbtcity_seg[66], _combat_chaos_node_anim_frame);
        if (bf.centre_code == 10)
            Draw_At_Frame((int16_t)(sx - 10), (int16_t)(sy - 2),
                          gfx_chriver_seg[24 + _combat_chaos_node_anim_frame % 8], 0);
        if (bf.centre_code == 1) Draw_At_Frame(sx, sy, gfx_cmbtcity_seg[1], 0);
    }
    const uint8_t road = bf.roads[cell];
    if (road != 0) {
        if ((int8_t)road < 0) {
            if (road & 1)
                Draw_At_Frame((int16_t)(sx - 32), (int16_t)(sy - 48), gfx_cmbtcity_seg[117], _combat_road_anim_frame);
        } else {
            const int k = (CMB_Enchanted_Roads == 1 ? 14 : 0) + ((road & 1) ? 0 : 7);
            for (int n = 1; n <= 6; n++) {
                if (road & (1 << n)) Draw_At_Frame(sx, sy, gfx_cmbtcity_seg[69 + k + n - 1], _combat_road_anim_frame);
            }
        }
    }
    if ((bf.centre_code == 2 || bf.centre_code == 3) && x == 8 && y == 13) {
        const bool flying = bf.city_enchantments[ce_Flying_Fortress] > 0;
        Draw_At_Frame((int16_t)(sx - 48), (int16_t)(sy - 48), flying ? gfx_cmbtcity_seg[113] : gfx_cmbtcity_seg[0],
                      _combat_water_anim_frame);
    }
}

void Advance_Counters(void)
{
    _combat_road_anim_frame = (int16_t)((_combat_road_anim_frame + 1) % 5);
    _combat_water_anim_frame = (int16_t)((_combat_water_anim_frame + 1) % 5);
    _combat_chaos_node_anim_frame = (int16_t)((_combat_chaos_node_anim_frame + 1) % 8);
    if (++m_wall_skip >= 2) {
        m_wall_skip = 0;
        _combat_magic_wall_anim_frame = (int16_t)((_combat_magic_wall_anim_frame + 1) % 4);
    }
    _combat_curse_anim_frame = (int16_t)(_combat_curse_anim_frame >= 30000 ? 0 : _combat_curse_anim_frame + 1);
    if (combat_walk_anim_frame + m_walk_dir > 2 || combat_walk_anim_frame + m_walk_dir < 0)
        m_walk_dir = (int16_t)-m_walk_dir;
    combat_walk_anim_frame = (int16_t)(combat_walk_anim_frame + m_walk_dir);
    combat_idle_anim_frame = (int16_t)((combat_idle_anim_frame + 1) % 3);
    _combat_unit_attack_anim_frame = (int16_t)(_combat_unit_attack_anim_frame == 1 ? 3 : 1);
    _combat_unit_defend_anim_frame = (int16_t)(_combat_unit_defend_anim_frame == 1 ? 3 : 1);
}

}  // namespace

void Combat_Scan_Cell(int16_t j, int16_t i, int16_t *x, int16_t *y, int16_t *screen_x, int16_t *screen_y)
{
    *x = (int16_t)(j / 2 + i);
    *y = (int16_t)((j + 1) / 2 + 9 - i);
    *screen_x = (int16_t)(32 * i - ((j & 1) ? 16 : 0));
    *screen_y = (int16_t)(8 * j - 8);
}

int16_t Battle_Unit_Curse_Effects(Battle_Unit_Record *bu)
{
    if (bu->Curses & BUC_BLACK_SLEEP) bu->Figure_Effect = 1;
    if (bu->Curses & (BUC_WARP_CREATURE_MELEE | BUC_WARP_CREATURE_DEFENSE | BUC_WARP_CREATURE_RESIST))
        bu->Figure_Effect = 3;
    if (bu->Curses & BUC_VERTIGO) return 0;
    if (bu->Curses & BUC_CONFUSION) return 1;
    if (bu->Curses & BUC_WHIRLWIND) return 2;
    if (bu->Curses & BUC_MIND_STORM) return 3;
    if (bu->Curses & BUC_SHATTER) return 4;
    if (bu->Curses & BUC_WEAKNESS) return 5;
    if (bu->Curses & BUC_MIND_TWIST) return 6;
    if ((bu->Curses & BUC_WEB) && bu->Web_Strength > 0) return 7;
    return -1;
}

int16_t Combat_Figure_Frame(int16_t idx)
{
    const Battle_Unit_Record &bu = battle_units[idx];
    const bool walks_idle = (bu.Attribs_1 & 0x0200) != 0;
    const bool idle = walks_idle && Battle_Unit_Is_Airborne(&bu) != 0;
    int16_t frame = idle             ? combat_idle_anim_frame
                    : bu.Moving != 1 ? (int16_t)1
                    : walks_idle     ? combat_idle_anim_frame
                                     : combat_walk_anim_frame;
    const int16_t state = combat_unit_animation[idx].state;
    if (state == 1) frame = _combat_unit_attack_anim_frame;
    if (state > 1) frame = _combat_unit_defend_anim_frame;
    return frame;
}

void Combat_Compose_Background(void)
{
    Set_Page_Off();
    Fill(0, 0, 319, MAP_BOTTOM, COLOUR_GROUND);
    const Battlefield_Record &bf = *battlefield;
    const bool tiles = _combat_terrain_pict_segs[0] != nullptr;
    for (int16_t j = 0; j < 22; j++) {
        for (int16_t i = 0; i < 11; i++) {
            int16_t x = 0, y = 0, sx = 0, sy = 0;
            Combat_Scan_Cell(j, i, &x, &y, &sx, &sy);
            if (!Cell_On_Grid(x, y)) continue;
            int16_t c = bf.tiles[y * COMBAT_GRID_WIDTH + x];
            if (c > 55) c = (int16_t)((x + y) & 3);
            if (tiles && c >= 0 && c < 48) {
                Clipped_Draw(sx, sy, _combat_terrain_pict_segs[c]);
            } else if (!tiles && sx >= 16 && sx <= 287 && sy >= 0 && sy <= MAP_BOTTOM - 16) {
                Line(sx, (int16_t)(sy + 8), (int16_t)(sx + 16), sy, COLOUR_GROUND_LINE);
                Line((int16_t)(sx + 16), sy, (int16_t)(sx + 32), (int16_t)(sy + 8), COLOUR_GROUND_LINE);
            }
        }
    }
    if (bf.centre_code == 10 && gfx_chriver_seg[32] != nullptr) {
        int16_t cx = 0, cy = 0;
        Combat_Grid_Screen_Coordinates(COMBAT_CENTRE_X, COMBAT_CENTRE_Y, 0, 0, &cx, &cy);
        Draw_At_Frame((int16_t)(cx - 46), (int16_t)(cy - 13), gfx_chriver_seg[32], 0);
    }
    if (combat_panel_seg != nullptr) {
        Set_Animation_Frame(combat_panel_seg, 0);
        FLIC_Draw(0, MAP_BOTTOM + 1, combat_panel_seg);
    } else {
        Fill(0, MAP_BOTTOM + 1, 319, 199, 17);
    }
    Copy_Off_To_Back();
}

void Combat_Grid_Entities(void)
{
    Clear_Combat_Grid_Entities();
    Spawn_Scenery();
    Update_Sees_Illusions();
    for (int16_t i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) Spawn_Unit(i);
    Spawn_Missiles();
    Spawn_Centre_And_Houses();
    Spawn_Walls(0);
    Spawn_Walls(1);
    Cycle_Unit_Enchantment_Animation();
}

void Combat_Screen_Map_Draw(void)
{
    Copy_Back_To_Off();
    Set_Window(0, 0, 319, MAP_BOTTOM);
    for (int16_t j = 0; j < 22; j++) {
        for (int16_t i = 0; i < 11; i++) {
            int16_t x = 0, y = 0, sx = 0, sy = 0;
            Combat_Scan_Cell(j, i, &x, &y, &sx, &sy);
            if (Cell_On_Grid(x, y)) Ground_Cell(x, y, sx, sy);
        }
    }
    for (int16_t j = 0; j < 22; j++) {
        for (int16_t i = 0; i < 11; i++) {
            int16_t x = 0, y = 0, sx = 0, sy = 0;
            Combat_Scan_Cell(j, i, &x, &y, &sx, &sy);
            if (frame_scanned_flag == 1 && x == frame_scanned_cgx && y == frame_scanned_cgy)
                Draw_At_Frame(sx, sy, gfx_cmbtcity_seg[67], frame_anim_cycle);
            if (frame_active_flag == 1 && x == frame_active_cgx && y == frame_active_cgy)
                Draw_At_Frame(sx, sy, gfx_cmbtcity_seg[68], frame_anim_cycle);
        }
    }
    Advance_Counters();
    Draw_Entities();
    Reset_Window();
}
