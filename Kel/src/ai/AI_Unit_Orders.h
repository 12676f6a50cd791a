// Standing orders of the computer players' units.
#pragma once

#include <cstdint>

// For a computer player, every unit it owns drops its order, road builders excepted; nothing for
// the human.
void Player_Clear_All_Unit_Orders(int16_t player_idx);
