// The notes and questions that the magic rules show over the main screen.
#pragma once

#include <cstdint>

// A note at (160, y) with the picture of the archive's entry over the main screen.
void Magic_Note(int16_t y, const char *text, const char *archive, int16_t entry);
// The notice of a fizzled spell.
void Magic_Fizzle_Note(const char *text);
