// The pop-ups that show the human a hero's progress and the offers of heroes, mercenaries and
// merchants, and the computer wizards' answer to a hero's offer.
#pragma once

#include <cstdint>

// Raises a wizard's hero below level 8 by one level and shows the human the new level.
void Hero_LevelUp_Popup(int16_t unit_idx);
// Offers the hero type to the human for the hero slot (kind 0 paid, 1 summoned, 2 a lair's
// prisoner, 3 a champion summoned); 1 when the hero joined as the newest unit. A hero turned away
// below level 4 comes back a level higher.
int16_t Hire_Hero_Popup(int16_t slot_idx, int16_t hero_type, int16_t kind);
// The price of the newest unit as a hero for hire: cost + level x cost / 4.
int16_t Hire_Hero_Price(int16_t unit_idx);
// Offers mercenaries to the human; 1 when the human hires them.
int16_t Hire_Merc_Popup(int16_t unit_type, int16_t count, int16_t level, int16_t price);
// Offers the item of GUI_InHeroNaming to the human at a price it sets.
void Merchant_Popup(void);
// A computer wizard hires the hero type into the slot when it wants it.
void AI_Accept_Hero(int16_t player_idx, int16_t slot_idx, int16_t hero_type);

// The item that Merchant_Popup offers; for the hero offer, 1 once the hero is taken and named.
extern int16_t GUI_InHeroNaming;
// The hire kind of the hero offer being shown and the price shown.
extern int16_t GAME_HeroHireType;
extern int16_t GAME_AssetCost;

// One line of a hero's level-dependent specials: text, special picture number and help entry.
constexpr int HERO_SPECIALS_ROOM = 40;
constexpr int HERO_SPECIAL_TEXT = 30;
struct Hero_Special_Line {
    char text[HERO_SPECIAL_TEXT];
    int16_t picture;
    int16_t help;
};
// The level title, To Hit at levels 2, 5 and 8, each listed ability with its value and the
// casting skill, at the unit's current level.
void Hero_Build_Specials_List(int16_t unit_idx, Hero_Special_Line *list, int16_t *count);

// The hero abilities in list order, with their value at level L (0 for the ones not listed).
struct Hero_Ability_Label {
    uint32_t mask;
    const char *text;
    bool super;
    int16_t picture;
    int16_t help;
};
constexpr int NUM_HERO_ABILITY_LABELS = 23;
extern const Hero_Ability_Label hero_ability_labels[NUM_HERO_ABILITY_LABELS];
int Hero_Ability_Bonus(uint32_t mask, int level);
extern const char *const hero_level_titles[9];
