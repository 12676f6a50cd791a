// The scene of the dead rising, with the text of GUI_NearMsgString.
#pragma once

#include <cstdint>

void Undead_Animation(int16_t creature_type);
