// The pop-ups that show the human a hero's progress.
#pragma once

#include <cstdint>

// Shows a human hero's new level.
void Hero_LevelUp_Popup(int16_t unit_idx);
