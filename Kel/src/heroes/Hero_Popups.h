// The pop-ups that show the human a hero's progress and the offers of heroes, mercenaries and
// merchants, and the computer wizards' answer to a hero's offer.
#pragma once

#include <cstdint>

// Shows a human hero's new level.
void Hero_LevelUp_Popup(int16_t unit_idx);
// Offers the hero type to the human for the hero slot and hires it when accepted.
void Hire_Hero_Popup(int16_t slot_idx, int16_t hero_type, int16_t kind);
// Offers mercenaries to the human; 1 when the human hires them.
int16_t Hire_Merc_Popup(int16_t unit_type, int16_t count, int16_t level, int16_t price);
// Offers the item of GUI_InHeroNaming to the human at a price it sets.
void Merchant_Popup(void);
// A computer wizard hires the hero type into the slot when it wants it.
void AI_Accept_Hero(int16_t player_idx, int16_t slot_idx, int16_t hero_type);

// The item that Merchant_Popup offers.
extern int16_t GUI_InHeroNaming;
