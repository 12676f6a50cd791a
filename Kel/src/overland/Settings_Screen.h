// The settings screen: the option words of RAROZ.SET as ticked boxes, reached from the load
// and save screen's Settings button.
#pragma once

#include <cstdint>

constexpr int SETTINGS_OPTION_COUNT = 19;

struct Settings_Option {
    int16_t word;  // word of magic_set
    const char *label;
    int16_t column;  // 0 left, 1 right
    int16_t field_top;
    int16_t label_y;
    int16_t box_y;
};
extern const Settings_Option settings_options[SETTINGS_OPTION_COUNT];

// -1 normally; 2 while the settings screen is open from the load screen; 3 when the load screen
// is re-entered from the settings screen.
extern int16_t loadsave_settings_flag;
// The load screen fades in on its first pass while this is 1; the settings screen clears it.
extern int16_t load_screen_fade_in_flag;

void Settings_Screen(void);
void Settings_Screen_Draw(void);
void Set_Settings_Screen_Help_List(void);
// One hit on an option's field: the word flips (non-zero to 0, 0 to 1; word 112 becomes 1 minus
// its value); flipping "Spell Book Ordering" also sends the spellbooks back to their first pages.
void Settings_Screen_Toggle(int16_t word);
// The field rectangle of option i of settings_options.
void Settings_Option_Rect(int i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
