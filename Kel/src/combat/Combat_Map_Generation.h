// The battlefield generator: from the battle square's structure, roads, terrain and city it fills the
// whole battlefield but its plane and city enchantments. Every draw is the engine's, in a fixed order,
// so a seed always gives the same battlefield.
#pragma once

#include <cstdint>

// Neighbourhood flags of the battle square, index (dy + 1) * 3 + (dx + 1), north being dy = -1.
constexpr int COMBAT_NEIGHBOURHOOD = 9;
// Screen pictures must lie inside these bounds.
constexpr int COMBAT_SCENERY_MAX_X = 319;
constexpr int COMBAT_SCENERY_MAX_Y = 179;
// Refusals after which the draw of a tree-cluster centre or of a rock gives up.
constexpr int COMBAT_SCENERY_REFUSALS_MAX = 10000;

void Generate_Combat_Map(int16_t structure, int16_t house_style, const int16_t roads[COMBAT_NEIGHBOURHOOD],
                         int16_t enchanted_road, int16_t terrain, const int16_t rivers[COMBAT_NEIGHBOURHOOD],
                         int16_t ignored, int16_t attacker_floating, int16_t defender_floating, int16_t walls,
                         int16_t population, int16_t wall_spells);

// The centre code of a structure code.
int16_t Combat_Centre_Code_Of_Structure(int16_t structure);
// Screen position of a point of a grid cell (sub x and sub y in quarter steps).
void Combat_Grid_Screen_Coordinates(int16_t x, int16_t y, int16_t sub_x, int16_t sub_y, int16_t *screen_x,
                                    int16_t *screen_y);
