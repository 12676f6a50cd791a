// The units of every square, gathered once for a pass that looks up many squares. Valid while no
// unit steps onto a square or joins the table; a unit killed meanwhile (taken off its square) is
// fine. A lookup tests each unit gathered there as the plain scans do, so it lists the same units in
// the same order and with the same limits.
#pragma once

#include <cstdint>

#include "world/ALLOC.h"
#include "world/Unit_Record.h"

// The units of square s in unit order: first[s], next[first[s]], ... until -1.
struct Units_By_Square {
    int16_t first[NUM_PLANES * WORLD_SIZE];
    int16_t next[UNIT_TABLE_CAPACITY];
};

void Units_By_Square_Build(Units_By_Square *index);
// As Army_At_City.
void Army_At_City_By_Square(const Units_By_Square *index, int16_t city_idx, int16_t *count, int16_t *list);
// As Army_At_Square_1.
void Army_At_Square_1_By_Square(const Units_By_Square *index, int16_t wx, int16_t wy, int16_t wp, int16_t *count,
                                int16_t *list);
