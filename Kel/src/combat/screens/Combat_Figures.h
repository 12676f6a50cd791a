// What stands on the combat map and how it is shown: the entity list drawn in depth order, the
// figure layouts of a unit, the losses shown after a blow, the missiles of a volley, and the small
// pieces of the lower panel (the strength bar, the range of the wizard's casting).
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Draw kinds of an entity.
enum Combat_Entity_Kind : int16_t {
    cek_Picture = 0,
    cek_Figure = 1,
    cek_Curse = 2,
    cek_Missile = 3,
    cek_Terrain = 4,
};

constexpr int COMBAT_ENTITIES_MAX = 256;

struct Combat_Grid_Entity {
    int16_t x;
    int16_t y;
    int16_t picture;  // the battle unit of a figure, the missile's picture, else the scenery's kind
    int16_t frame;
    int16_t y_offset;
    int16_t x_offset;
    int16_t kind;
    int16_t params[6];  // a figure's owner, figure index, colour, ...
    uint32_t key;
    uint8_t *image;  // the picture drawn (a figure's composed bitmap), nullptr for none
};

extern Combat_Grid_Entity combat_grid_entities[COMBAT_ENTITIES_MAX];
extern uint8_t combat_grid_entities_draw_order[COMBAT_ENTITIES_MAX];
extern int16_t combat_grid_entity_count;

// No entities; the draw order 0, 1, ..., 255.
void Clear_Combat_Grid_Entities(void);
// The depth key of a screen point: cell y·8000 + cell x·320 + y remainder·16 + x remainder.
uint32_t Combat_Entity_Depth_Key(int16_t x, int16_t y);
// Appends an entity and puts it in the draw order before the first of a greater key (after its equals);
// the new count. An entity past the 256th is logged once and dropped.
int16_t Combat_Grid_Entity_Create(int16_t x, int16_t y, int16_t picture, int16_t x_offset, int16_t y_offset,
                                  int16_t frame, int16_t kind, const int16_t params[6]);

// The facing 0..7 from a cell toward a target cell.
int16_t Combat_Figure_Facing(int16_t x, int16_t y, int16_t tx, int16_t ty);
// The map layout of figure k of a unit of n figures; (0, 0) for n outside 1..8.
void Combat_Map_Figure_Offset(int16_t n, int16_t k, int16_t *x, int16_t *y);
// The unit-window layout of figure k of a unit of n figures; (0, 0) for n outside 1..8.
void Battle_Unit_Figure_Position(int16_t n, int16_t k, int16_t *x, int16_t *y);
// The outline colour 0..4 of the unit's first enchantment in outline order, -1 none or invisible.
int16_t Set_Combat_Enchantment_Outline(Battle_Unit_Record *bu);

// What a unit shows of a blow: 0 idle, 1 striking, 2 struck; figures shown hit; loss level 0..5.
struct Combat_Unit_Animation {
    int16_t state;
    int16_t hit_figures;
    int16_t loss_level;
};
extern Combat_Unit_Animation combat_unit_animation[36];
extern int16_t m_gibs_frames[20];
// The losses a unit shows for the damage it took; draws the 20 loss pictures.
void Set_Gibs(int16_t battle_unit_idx, int16_t damage);
void Clear_Gibs(int16_t battle_unit_idx);

struct Combat_Missile {
    int16_t from_x, from_y, to_x, to_y;
    int16_t picture;
    int16_t progress;   // per cent, 10 at the start
    int16_t direction;  // 0..7
};
constexpr int COMBAT_MISSILES_MAX = 8;
extern Combat_Missile _missiles[COMBAT_MISSILES_MAX];
extern int16_t m_missile_count;
// The direction 0..7 of a missile flying at the angle in degrees.
int16_t Combat_Missile_Direction(int16_t angle);
// One missile per shooting figure, each aimed at a target figure in turn.
void Make_Missiles(int16_t shooters, int16_t targets, int16_t x, int16_t y, int16_t tx, int16_t ty, int16_t picture);
// The missile picture of a ranged kind.
int16_t Combat_Missile_Picture(int16_t ranged_kind);

// The strength bar's length for the unit, -1 when nothing is drawn.
int16_t Combat_Damage_Bar_Length(const Battle_Unit_Record *bu);
// The casting-cost multiplier in tenths written as the range line shows it ("0.5x", "1x", "1.5x").
void Combat_Multiplier_Text(int16_t tenths, char *out, int size);

// The icon of a unit's melee strength (-1 for none) by its weapon quality, and of its ranged strength
// by its ranged kind.
int16_t Battle_Unit_Melee_Attack_Icon(const Battle_Unit_Record *bu);
int16_t Battle_Unit_Ranged_Attack_Icon(const Battle_Unit_Record *bu);
