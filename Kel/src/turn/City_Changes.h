// The cities' part of the world turn: growth and shrinking, outposts, curses, production and the
// enchantments on them; then the effects of every wizard's global enchantments.
#pragma once

#include <cstdint>

// Every city in index order, then the volcanoes' counts. Draws random numbers.
void Apply_City_Changes(void);
// Adds the city's production to its product and completes it when paid for.
void City_Apply_Production(int16_t city_idx);
// Every wizard's spell of mastery and global enchantments take effect on relations and the world.
void Diplomacy_Growth_For_Enchantments(void);
