// The chancellor's scroll: what the last world turn cost or gained the human, unrolled over the main
// screen. Modal: returns when the player closes it.
#pragma once

#include <cstdint>

// from_advisor: 0 after the world turn, 1 when the advisor asks for it (then also the events in force).
void Chancellor_Screen__WIP(int16_t from_advisor);

// Its loading, per-frame drawing (the finished scroll and its arrows) and the text on the paper.
void Chancellor_Screen_Load(void);
void Chancellor_Screen_Draw(void);
void Chancellor_Screen_Scroll_Draw__WIP(int16_t from_advisor);
