#include "overland/Terrain_Rows.h"

#include <unordered_map>
#include <vector>

#include "Picture_Rows.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"
#include "dev/Integrity_Check.h"
#include "overland/Game_Resources.h"
#include "overland/Map_Layers.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"

namespace {

constexpr int ANIMATION_FRAMES = 4;  // terrain_anim_ctr runs 0..3
constexpr int16_t NO_PICTURE = -1;
constexpr int16_t AS_STORED = -2;  // a picture too large for a row form
// The picture numbers a valid square can give: terrain index 0..INTEGRITY_MAX_TERRAIN on each plane.
constexpr uint32_t NUMBERS_MAX = (uint32_t)(TERRAIN_PICTURES_PER_PLANE * (NUM_PLANES - 1) + INTEGRITY_MAX_TERRAIN + 1);

static_assert(NUMBERS_MAX * ANIMATION_FRAMES < 32767, "a slot holds any form number");

struct Kept_Terrain {
    bool built = false;
    const uint8_t *pictures = nullptr;  // the entries the rows were made from
    uint32_t pictures_length = 0;
    const uint8_t *table = nullptr;
    uint32_t table_length = 0;
    uint32_t numbers = 0;
    std::vector<int16_t> slots;  // [number * ANIMATION_FRAMES + frame]: a form, NO_PICTURE or AS_STORED
    std::vector<Row_Form> forms;
    std::vector<uint8_t> remap;  // per form: the picture is drawn with the remap rule
};
Kept_Terrain m_terrain;

bool Overlaps(const uint8_t *start, uint32_t length, const uint8_t *area, uint32_t area_length)
{
    return area != nullptr && start < area + area_length && area < start + length;
}

void Forget_Area(const uint8_t *start, uint32_t length)
{
    if (!m_terrain.built) return;
    if (Overlaps(start, length, m_terrain.pictures, m_terrain.pictures_length) ||
        Overlaps(start, length, m_terrain.table, m_terrain.table_length))
        Terrain_Rows_Drop();
}

// The rows stand for the entries loaded now.
void Keep_Current(void)
{
    if (m_terrain.built && m_terrain.pictures == m_terrain_lbx_000 &&
        m_terrain.pictures_length == m_terrain_lbx_000_length && m_terrain.table == m_terrain_lbx_001 &&
        m_terrain.table_length == m_terrain_lbx_001_length)
        return;
    Terrain_Rows_Build();
}

}  // namespace

void Terrain_Rows_Build(void)
{
    Terrain_Rows_Drop();
    Picture_Rows_Set_Forget_Listener(Forget_Area);
    m_terrain.built = true;
    m_terrain.pictures = m_terrain_lbx_000;
    m_terrain.pictures_length = m_terrain_lbx_000_length;
    m_terrain.table = m_terrain_lbx_001;
    m_terrain.table_length = m_terrain_lbx_001_length;
    if (m_terrain_lbx_000 == nullptr || m_terrain_lbx_001 == nullptr) return;
    uint32_t numbers = m_terrain_lbx_001_length / 2;
    m_terrain.numbers = numbers < NUMBERS_MAX ? numbers : NUMBERS_MAX;
    m_terrain.slots.assign((size_t)m_terrain.numbers * ANIMATION_FRAMES, NO_PICTURE);
    std::unordered_map<const uint8_t *, int16_t> made;
    for (uint32_t number = 0; number < m_terrain.numbers; ++number) {
        for (int frame = 0; frame < ANIMATION_FRAMES; ++frame) {
            uint8_t *picture = Terrain_Number_Picture(number, (int16_t)frame);
            if (picture == nullptr) continue;
            int16_t &slot = m_terrain.slots[(size_t)number * ANIMATION_FRAMES + frame];
            auto seen = made.find(picture);
            if (seen != made.end()) {
                slot = seen->second;
                continue;
            }
            if (!Picture_Rows_Bitmap_Fits(LE_U16(picture + PICTURE_WIDTH), LE_U16(picture + PICTURE_HEIGHT))) {
                slot = AS_STORED;
            } else {
                slot = (int16_t)m_terrain.forms.size();
                m_terrain.forms.emplace_back();
                Picture_Rows_Form_Bitmap(m_terrain.forms.back(), picture);
                m_terrain.remap.push_back(LE_U16(picture + PICTURE_REMAP_WORD) != 0 ? 1 : 0);
            }
            made.emplace(picture, slot);
        }
    }
}

void Terrain_Rows_Drop(void) { m_terrain = Kept_Terrain{}; }

bool Terrain_Rows_Square(int16_t wx, int16_t wy, int16_t plane, Terrain_Square_Form *square)
{
    *square = Terrain_Square_Form{nullptr, nullptr, false};
    Keep_Current();
    if (terrain_anim_ctr < 0 || terrain_anim_ctr >= ANIMATION_FRAMES) {
        square->picture = Terrain_Square_Picture(wx, wy, plane);
        return square->picture != nullptr;
    }
    if (plane < 0 || plane >= NUM_PLANES || wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT ||
        _world_maps == nullptr)
        return false;
    int terrain = _world_maps[World_Square_Index(wx, wy, plane)];
    if (terrain < 0 || terrain > INTEGRITY_MAX_TERRAIN) return false;
    uint32_t number = (uint32_t)(terrain + TERRAIN_PICTURES_PER_PLANE * plane);
    if (number >= m_terrain.numbers) return false;
    int slot = m_terrain.slots[(size_t)number * ANIMATION_FRAMES + terrain_anim_ctr];
    if (slot == NO_PICTURE) return false;
    if (slot == AS_STORED) {
        square->picture = Terrain_Number_Picture(number, terrain_anim_ctr);
        return square->picture != nullptr;
    }
    square->form = &m_terrain.forms[(size_t)slot];
    square->remap = m_terrain.remap[(size_t)slot] != 0;
    return true;
}

void Terrain_Rows_Draw(const Terrain_Square_Form &square, int16_t x, int16_t y)
{
    if (square.form == nullptr) {
        if (square.picture != nullptr) Draw_Picture(x, y, square.picture);
        return;
    }
    const Row_Form &f = *square.form;
    int x1 = x > 0 ? x : 0;
    int y1 = y > 0 ? y : 0;
    int x2 = x + f.width - 1 < SCREEN_WIDTH - 1 ? x + f.width - 1 : SCREEN_WIDTH - 1;
    int y2 = y + f.height - 1 < SCREEN_HEIGHT - 1 ? y + f.height - 1 : SCREEN_HEIGHT - 1;
    if (x1 <= x2 && y1 <= y2) Row_Form_Draw(f, x, y, x1, y1, x2, y2, square.remap);
}

int Terrain_Rows_Kept(void) { return (int)m_terrain.forms.size(); }
