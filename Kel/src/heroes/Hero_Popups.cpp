// The state the hero pop-ups share with the turn's offers.
#include "heroes/Hero_Popups.h"

int16_t GUI_InHeroNaming = -1;
