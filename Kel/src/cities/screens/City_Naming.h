// City names and the words built from names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "heroes/Text_Lists.h"  // Possessive

// Longest name the naming pop-ups let the player type; the record holds it with its terminator.
constexpr int16_t CITY_NAME_TYPED_MAX = 12;

// The offer, on turn 0, to rename the human's home city.
void Change_Home_City_Name_Popup(int16_t city_idx);
void Draw_NameStartingCity_Background(void);
// Makes the typed answer the city's name: trimmed, at most CITY_NAME_TYPED_MAX characters, the
// proposal when nothing is left, always terminated within the record's name.
void City_Name_From_Answer(int16_t city_idx, char *answer, const char *proposal);
