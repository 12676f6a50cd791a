// The words of the mirror (relation, retorts, bookshelf of a wizard) and its loading and drawing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/Player_Record.h"

constexpr int MIRROR_BOOKSHELF_MAX = 20;
constexpr int MIRROR_RETORT_TEXT_SIZE = 40;

// How a relation (-100 to 100; outside it is clamped) reads: "Hate" ... "Harmony".
const char *Mirror_Relation_Word(int16_t relation);
// The retorts of the wizard in retort order, each with what follows it (", ", " and ", or nothing
// for the last), and its help text. Their number.
int16_t Mirror_Retort_Pieces(int16_t player_idx, char pieces[NUM_RETORTS][MIRROR_RETORT_TEXT_SIZE],
                             int16_t helps[NUM_RETORTS]);
// The pieces joined and closed by "."; "" without retorts.
void Mirror_Retort_Sentence(int16_t player_idx, char *out, size_t size);
void Mirror_Screen_Load(void);
void Mirror_Screen_Draw(void);

// The book pictures (0 to 14: 3 × realm + 0, 1, 2, 0, ...) of realms 0 to 4, at most 20. Their number.
int16_t Mirror_Build_Bookshelf(int16_t player_idx, int16_t shelf[MIRROR_BOOKSHELF_MAX]);
