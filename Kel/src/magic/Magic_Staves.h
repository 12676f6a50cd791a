// The three staves of the magic screen that split a wizard's magic power between casting skill,
// research and mana, in half-percent positions 0 to 50 that always add up to 50.
#pragma once

#include <cstdint>

constexpr int16_t STAVE_TOTAL = 50;

// Indices of the stave arrays, in the order a moved stave is looked for.
enum Stave_Index : int {
    stave_Skill = 0,
    stave_Research = 1,
    stave_Mana = 2,
};

// One drag balanced: pos holds the positions after the drag, before those before it, locked the
// locks (1 locked). The one moved stave is settled against the others, pos is written back and
// before becomes pos.
void Magic_Staves_Balance(int16_t pos[3], int16_t before[3], const int16_t locked[3]);
// The positions from the wizard's percentages: skill and research halved, mana the rest.
void Magic_Staves_From_Player(int16_t player_idx, int16_t pos[3]);
// The wizard's percentages become twice the positions.
void Magic_Staves_To_Player(int16_t player_idx, const int16_t pos[3]);
