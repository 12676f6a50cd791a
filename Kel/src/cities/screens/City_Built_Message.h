// The notice of a building the human's city has completed, shown over the main screen before
// that city's screen opens with the new building rising.
#pragma once

#include <cstddef>
#include <cstdint>

// Only the building is used; the city is _city_idx.
void City_Built_Building_Message(int16_t x, int16_t y, int16_t city_idx, int16_t bldg_idx);
// The notice's text for city_idx and the building, within size bytes.
void City_Built_Building_Text(int16_t city_idx, int16_t bldg_idx, char *text, size_t size);
