// The one-line text input box with its moving cursor, edited modally until Return, Esc or a
// click: run on a pressed input field, or as a pop-up of its own.
#pragma once

#include <cstdint>

constexpr int INPUT_BOX_TEXT_MAX = 63;

extern int16_t GUI_Edit_Position;
extern int16_t GUI_EditAnimStage;
extern int16_t GUI_EditCursorOn;

// Edits the input field's text in place.
void Input_Box_Popup(int16_t field);
// -1 when Esc ended the editing, else 0.
int16_t Setup_Input_Box_Popup(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length, int16_t fill_color,
                              int16_t right_align, int16_t cursor_style, const uint8_t *cursor_colors, int16_t help);
void Draw_Input_Box_Popup(int16_t field, const char *text);

// The editor's reaction to one key on a working text; returns 1 when the key ends the editing.
// Exposed so that the editing rules can be checked without a screen.
struct Input_Box_State {
    char text[INPUT_BOX_TEXT_MAX + 1];
    int16_t position;
    int16_t max_length;
    int16_t box_width;
    int16_t edited;
    int16_t popup;  // the field entry also keeps the cursor below the maximum on Right
};
void Input_Box_Begin(Input_Box_State *state, const char *text, int16_t max_length, int16_t box_width, int16_t popup);
int16_t Input_Box_Key(Input_Box_State *state, int16_t key);
