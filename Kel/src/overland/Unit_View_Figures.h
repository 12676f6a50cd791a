// The formation of a unit's figures in the unit view, the city and production screens and the hire
// popups: each figure rendered into the work bitmap, recoloured in its owner's banner, shaded when
// invisible and outlined by its enchantments.
#pragma once

#include <cstdint>

#include "overland/Unit_Figure.h"

#include "world/Battle_Unit_Record.h"

constexpr uint8_t FIGURE_BANNER_FIRST_COLOUR = 214;
constexpr uint8_t FIGURE_INVISIBLE_COLOUR = 233;
// UnitDraw_WorkArea is 60 paragraphs: a rendered frame needs its 16-byte header and its pixels.
constexpr int UNIT_FIGURE_WORK_BYTES = 60 * 16;
constexpr int UNIT_FIGURE_FRAME = 2;
// The spell whose first parameter word names the one unit type drawn as a single figure.
constexpr int16_t SPELL_SINGLE_FIGURE_TYPE = 111;

// The figure animation loaded by Load_Unit_Figure; null when nothing is loaded.
extern uint8_t *unit_figure_seg;

// Archive name and entry of a unit type's figure facing direction 2; 0 for a type outside the table.
int16_t Unit_Figure_Archive(int16_t unit_type, char name[16], int16_t *entry);
// type_flag 1: index is a unit type; otherwise a unit. Appended to _screen_seg.
void Load_Unit_Figure(int16_t index, int16_t type_flag);
// unit_flag not 0: index is a unit whose statistics stand in global_battle_unit; 0: a unit type.
void Draw_Unit_Figure(int16_t x, int16_t y, int16_t index, int16_t unit_flag);
void Unit_Figure_Position(int16_t figure_count, int16_t i, int16_t *dx, int16_t *dy);
// The battle unit of a unit type, as the production screen shows it.
void Prod_Load_Battle_Unit(int16_t unit_type, Battle_Unit_Record *bu);
