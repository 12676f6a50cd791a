// The designed pop-ups of the offers (hero, mercenaries, merchant) and of a hero's new level.
#pragma once

#include "heroes/Heroes_Services.h"

// Sets the offer and level-up fields of the services to the pop-ups.
void Heroes_Install_Offer_Popups(Heroes_Services *services);
