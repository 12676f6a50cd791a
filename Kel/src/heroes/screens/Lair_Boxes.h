// The boxes of a site: the entry box with the site's picture and the treasure message.
#pragma once

#include <cstdint>

// The text beside the picture; with buttons Yes (1) and No (0), else any click closes it (1).
int16_t Lair_Confirm(const char *text, uint8_t *picture, int16_t picture_x, int16_t picture_y, int16_t buttons,
                     int16_t colour_slide);
// The entry box of the site with its picture (1 to enter).
int16_t Lair_Confirm_Box(int16_t lair_idx, const char *text, int16_t buttons);
// The treasure message of the site at the row.
void Lair_Treasure_Popup_Box(int16_t lair_idx, const char *text, int16_t row);
