#include "combat/screens/Combat_Figures.h"

#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "Texture_Map.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

Combat_Grid_Entity combat_grid_entities[COMBAT_ENTITIES_MAX];
uint8_t combat_grid_entities_draw_order[COMBAT_ENTITIES_MAX];
int16_t combat_grid_entity_count = 0;
Combat_Unit_Animation combat_unit_animation[36];
int16_t m_gibs_frames[20];
Combat_Missile _missiles[COMBAT_MISSILES_MAX];
int16_t m_missile_count = 0;

namespace {

bool m_overflow_logged = false;

struct Offset {
    int8_t x, y;
};
// Per figure count 1..8 the offsets of figures 0..7; the last column also serves larger indices.
constexpr Offset MAP_LAYOUT[8][8] = {
    {{1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}},
    {{-7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}},
    {{0, 4}, {-6, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}},
    {{1, 4}, {-7, 8}, {8, 8}, {1, 11}, {1, 11}, {1, 11}, {1, 11}, {1, 11}},
    {{1, 4}, {-7, 8}, {1, 8}, {8, 8}, {1, 11}, {1, 11}, {1, 11}, {1, 11}},
    {{1, 4}, {4, 7}, {-8, 8}, {9, 8}, {-3, 9}, {1, 11}, {1, 11}, {1, 11}},
    {{1, 4}, {6, 6}, {-8, 8}, {1, 8}, {10, 8}, {-3, 11}, {1, 11}, {1, 11}},
    {{1, 4}, {6, 6}, {-2, 7}, {-8, 8}, {10, 8}, {3, 9}, {-3, 11}, {1, 11}},
};
constexpr Offset WINDOW_LAYOUT[8][8] = {
    {{1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}},
    {{-7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}, {7, 9}},
    {{0, 4}, {-6, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}, {7, 10}},
    {{1, 4}, {8, 8}, {1, 12}, {-7, 8}, {-7, 8}, {-7, 8}, {-7, 8}, {-7, 8}},
    {{1, 4}, {8, 8}, {1, 12}, {-7, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}},
    {{1, 4}, {9, 8}, {-8, 8}, {1, 12}, {-3, 9}, {4, 7}, {4, 7}, {4, 7}},
    {{1, 4}, {10, 8}, {-8, 8}, {1, 12}, {6, 6}, {-3, 11}, {1, 8}, {1, 8}},
    {{1, 4}, {10, 8}, {-8, 8}, {2, 12}, {6, 6}, {-3, 12}, {-2, 7}, {3, 9}},
};

void Layout(const Offset table[8][8], int16_t n, int16_t k, int16_t *x, int16_t *y)
{
    *x = 0;
    *y = 0;
    if (n < 1 || n > 8) return;
    const Offset &o = table[n - 1][k < 0 ? 0 : k > 7 ? 7 : k];
    *x = o.x;
    *y = o.y;
}

}  // namespace

void Clear_Combat_Grid_Entities(void)
{
    combat_grid_entity_count = 0;
    for (int i = 0; i < COMBAT_ENTITIES_MAX; i++) combat_grid_entities_draw_order[i] = (uint8_t)i;
}

uint32_t Combat_Entity_Depth_Key(int16_t x, int16_t y)
{
    const int h = (x - 158) / 2;
    const int cx = y + h + 80;
    const int cy = y + 80 - h;
    const int64_t key = (int64_t)(cy / 16) * 8000 + (int64_t)(cx / 16) * 320 + (cy % 16) * 16 + (cx % 16);
    return (uint32_t)key;
}

int16_t Combat_Grid_Entity_Create(int16_t x, int16_t y, int16_t picture, int16_t x_offset, int16_t y_offset,
                                  int16_t frame, int16_t kind, const int16_t params[6])
{
    if (combat_grid_entity_count >= COMBAT_ENTITIES_MAX) {
        if (!m_overflow_logged) {
            m_overflow_logged = true;
            STU_LOG(SEV_WARN, LC_COMBAT,
                    "Combat_Grid_Entity_Create: more than %d things on the map; the rest are not drawn",
                    COMBAT_ENTITIES_MAX);
        }
        return combat_grid_entity_count;
    }
    const int16_t n = combat_grid_entity_count;
    Combat_Grid_Entity &e = combat_grid_entities[n];
    e.x = x;
    e.y = y;
    e.picture = picture;
    e.frame = frame;
    e.x_offset = x_offset;
    e.y_offset = y_offset;
    e.kind = kind;
    for (int i = 0; i < 6; i++) e.params[i] = params ? params[i] : 0;
    e.key = Combat_Entity_Depth_Key(x, y);
    e.image = nullptr;
    // Things at the same depth are drawn in the order they were made: a unit's front figures last.
    int place = n;
    for (int i = 0; i < n; i++) {
        if (combat_grid_entities[combat_grid_entities_draw_order[i]].key > e.key) {
            place = i;
            break;
        }
    }
    for (int i = n; i > place; i--) combat_grid_entities_draw_order[i] = combat_grid_entities_draw_order[i - 1];
    combat_grid_entities_draw_order[place] = (uint8_t)n;
    combat_grid_entity_count = (int16_t)(n + 1);
    return combat_grid_entity_count;
}

int16_t Combat_Figure_Facing(int16_t x, int16_t y, int16_t tx, int16_t ty)
{
    const int dx = tx - x;
    const int dy = ty - y;
    if (dx < 0) return dy < 0 ? 0 : dy == 0 ? 7 : 6;
    if (dx == 0) return dy < 0 ? 1 : dy == 0 ? 2 : 5;
    return dy < 0 ? 2 : dy == 0 ? 3 : 4;
}

void Combat_Map_Figure_Offset(int16_t n, int16_t k, int16_t *x, int16_t *y) { Layout(MAP_LAYOUT, n, k, x, y); }

void Battle_Unit_Figure_Position(int16_t n, int16_t k, int16_t *x, int16_t *y) { Layout(WINDOW_LAYOUT, n, k, x, y); }

int16_t Set_Combat_Enchantment_Outline(Battle_Unit_Record *bu)
{
    uint32_t words = bu->Combat_Enchantments;
    if (bu->unit_idx >= 0 && bu->unit_idx < _units) words |= _UNITS[bu->unit_idx].enchantments;
    int16_t colour = -1;
    if (!(words & UE_INVISIBILITY) && !(bu->Abilities & UA_INVISIBILITY)) {
        struct Rule {
            uint32_t bits;
            int16_t colour;
        };
        static const Rule rules[] = {
            {UE_REGENERATE, 3},
            {UE_RESISTMAGIC, 4},
            {UE_RIGHTEOUSNESS | UE_PLANARTRAVEL, 2},
            {0, 4},
            {UE_BLACKCHANNELS, 1},
            {UE_LIONHEART, 2},
            {UE_IRONSKIN, 3},
            {UE_MAGICIMMUNITY | UE_WINDWALKING, 4},
            {UE_ELEMENTALARMOR, 3},
            {UE_TRUESIGHT | UE_INVULNERABILITY, 2},
            {UE_PATHFINDING, 3},
            {UE_FLIGHT, 4},
            {UE_ELDRITCHWEAPON, 0},
            {UE_WRAITHFORM, 1},
            {UE_GIANTSTRENGTH, 3},
            {UE_IMMOLATION, 0},
            {UE_GUARDIANWIND | UE_SPELLLOCK, 4},
            {UE_HEROISM, 2},
            {UE_BERSERK, 1},
            {UE_HOLYARMOR, 2},
            {UE_WATERWALKING, 3},
            {UE_ENDURANCE, 2},
            {UE_CLOAKOFFEAR, 1},
            {UE_STONESKIN, 3},
            {UE_FLAMEBLADE, 0},
            {UE_BLESS | UE_HOLYWEAPON, 2},
            {UE_RESISTELEMENTS, 3},
        };
        for (const Rule &rule : rules) {
            // The fourth rule is Haste, a curse-word effect rather than an enchantment.
            const bool holds = rule.bits == 0 ? (bu->Curses & BUC_HASTE) != 0 : (words & rule.bits) != 0;
            if (holds) {
                colour = rule.colour;
                break;
            }
        }
    }
    bu->Outline_Colour = colour;
    return colour;
}

void Set_Gibs(int16_t idx, int16_t damage)
{
    if (idx < 0 || idx >= MAX_BATTLE_UNITS) return;
    const Battle_Unit_Record &bu = battle_units[idx];
    const int n = bu.Cur_Figures;
    int level = n == 0 ? 3 : (damage + n / 2) / (2 * n);
    if (level > 5) level = 5;
    if (damage > 0 && level < 1) level = 1;
    int hit = 0;
    if (damage > 0 && n > 0) {
        const int per = bu.Hits < 1 ? 1 : bu.Hits;
        hit = (damage + per - 1) / per;
        if (hit > n) hit = n;
    }
    combat_unit_animation[idx].loss_level = (int16_t)level;
    combat_unit_animation[idx].hit_figures = (int16_t)hit;
    for (int i = 0; i < 20; i++) m_gibs_frames[i] = (int16_t)(Random(4) - 1);
}

void Clear_Gibs(int16_t idx)
{
    if (idx < 0 || idx >= MAX_BATTLE_UNITS) return;
    combat_unit_animation[idx].loss_level = 0;
    combat_unit_animation[idx].hit_figures = 0;
}

int16_t Combat_Missile_Direction(int16_t angle)
{
    if (angle < 22 || angle > 337) return 2;
    if (angle <= 68) return 3;
    if (angle < 112) return 4;
    if (angle <= 157) return 5;
    if (angle <= 201) return 6;
    if (angle <= 247) return 7;
    if (angle <= 291) return 0;
    return 1;
}

int16_t Combat_Missile_Picture(int16_t kind)
{
    switch (kind) {
    case 10: return 4;
    case 11: return 14;
    case 20: return 1;
    case 21: return 5;
    case 30: return 0;
    case 31: return 2;
    case 32: return 3;
    case 33: return 6;
    case 34: return 7;
    case 35: return 9;
    case 36: return 10;
    case 37:
    case 38: return 11;
    default: return 0;
    }
}

void Make_Missiles(int16_t shooters, int16_t targets, int16_t x, int16_t y, int16_t tx, int16_t ty, int16_t picture)
{
    if (targets < 1) targets = 1;
    if (shooters > COMBAT_MISSILES_MAX) shooters = COMBAT_MISSILES_MAX;
    if (shooters < 0) shooters = 0;
    int16_t ax = 0, ay = 0, bx = 0, by = 0;
    Combat_Grid_Screen_Coordinates(x, y, 0, 0, &ax, &ay);
    Combat_Grid_Screen_Coordinates(tx, ty, 0, 0, &bx, &by);
    for (int16_t i = 0; i < shooters; i++) {
        int16_t fx = 0, fy = 0, gx = 0, gy = 0;
        Battle_Unit_Figure_Position(shooters, i, &fx, &fy);
        Battle_Unit_Figure_Position(targets, (int16_t)(i % targets), &gx, &gy);
        Combat_Missile &m = _missiles[i];
        m.from_x = (int16_t)(ax + fx);
        m.from_y = (int16_t)(ay + fy - 8);
        m.to_x = (int16_t)(bx + gx);
        m.to_y = (int16_t)(by + gy - 8);
        m.picture = picture;
        m.progress = 10;
        m.direction = Combat_Missile_Direction(Get_Angle((int16_t)(m.to_x - ax), (int16_t)(m.to_y - (ay + 8))));
    }
    m_missile_count = shooters;
}

int16_t Combat_Damage_Bar_Length(const Battle_Unit_Record *bu)
{
    const int total = (int)bu->Hits * bu->Max_Figures;
    int lost = ((int)bu->Max_Figures - bu->Cur_Figures) * bu->Hits;
    if (bu->Front_Figure_Damage > 0) lost += bu->Front_Figure_Damage;
    const int left = total - lost;
    if (left <= 0 || total <= 0) return -1;
    return (int16_t)(left * 20 / total - 1);
}

void Combat_Multiplier_Text(int16_t tenths, char *out, int size)
{
    if (tenths < 10) {
        snprintf(out, (size_t)size, "0.%dx", tenths < 0 ? 0 : tenths);
    } else if (tenths % 10 == 0) {
        snprintf(out, (size_t)size, "%dx", tenths / 10);
    } else {
        snprintf(out, (size_t)size, "%d.%dx", tenths / 10, tenths % 10);
    }
}

int16_t Battle_Unit_Melee_Attack_Icon(const Battle_Unit_Record *bu)
{
    if (bu->Melee < 1) return -1;
    switch (bu->Weapon_Quality) {
    case 2: return 3;
    case 3: return 2;
    case 4: return 4;
    default: return 0;
    }
}

int16_t Battle_Unit_Ranged_Attack_Icon(const Battle_Unit_Record *bu)
{
    const int16_t kind = Battle_Unit_Ranged_Kind(bu);
    if (kind == 10 || kind == 11 || kind == 21 || kind == 22) return 6;
    if (kind >= 30 && kind <= 38) return 1;
    if (kind >= 10 && kind <= 39) return 5;
    if (kind == 100) return 8;
    if (kind >= 101 && kind <= 103) return 7;
    return -1;
}
