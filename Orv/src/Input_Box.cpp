#include "Input_Box.h"

#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "Video.h"
#include "sdl2_PFL.h"

int16_t GUI_Edit_Position = 0;
int16_t GUI_EditAnimStage = 0;
int16_t GUI_EditCursorOn = 0;

namespace {

bool Fits(const char *text, int16_t box_width) { return Get_String_Width(text) <= box_width; }

// The text with one more character at its end still fits the box.
bool Fits_With(const char *text, char extra, int16_t box_width)
{
    char probe[INPUT_BOX_TEXT_MAX + 2] = {};
    size_t length = strnlen(text, INPUT_BOX_TEXT_MAX);
    std::memcpy(probe, text, length);
    probe[length] = extra;
    return Fits(probe, box_width);
}

int16_t Clamp_Max(int16_t max_length)
{
    if (max_length < 0) return 0;
    return max_length > INPUT_BOX_TEXT_MAX ? (int16_t)INPUT_BOX_TEXT_MAX : max_length;
}

void Draw_Cursor(const Field_Record &field, const char *text)
{
    const uint8_t *ramp = field.param[6].colors;
    if (ramp == nullptr) return;
    int16_t h = (int16_t)(Get_Font_Height() - 1);
    char prefix[INPUT_BOX_TEXT_MAX + 1] = {};
    int16_t position = GUI_Edit_Position;
    std::memcpy(prefix, text, (size_t)position);
    int16_t cell_x = (int16_t)(field.x1 + (position > 0 ? Get_String_Width(prefix) + 1 : 0));
    char at[2] = {text[position] != '\0' ? text[position] : ' ', '\0'};
    int16_t cell_width = Get_String_Width(at);
    int16_t x2 = (int16_t)(cell_x + cell_width + 1);
    int16_t s = GUI_EditAnimStage;
    if (field.param[4].value == 0) {
        if (s >= 1 && s <= h) {
            for (int16_t r = 0; r < s; ++r) {
                int16_t y = (int16_t)(field.y1 + h - s + 1 + r);
                Line(cell_x, y, x2, y, ramp[r]);
            }
        } else if (s > h && s < 2 * h) {
            int16_t rows = (int16_t)(2 * h - s);
            for (int16_t r = 0; r < rows; ++r) {
                int16_t y = (int16_t)(field.y1 + 2 * h - s - 1 - r);
                Line(cell_x, y, x2, y, ramp[h - r]);
            }
        }
    } else {
        if (s % 3 == 0) GUI_EditCursorOn = (int16_t)!GUI_EditCursorOn;
        if (GUI_EditCursorOn) {
            int16_t y = (int16_t)(field.y1 + h + 1);
            Line(cell_x, y, x2, y, ramp[0]);
        }
    }
}

// 1 when the editing ended with Esc.
int16_t Edit_Field(int16_t index, bool popup)
{
    Field_Record &field = p_fields[index];
    Hw_Textinput_Start();
    while (Mouse_Button() != 0) {
        if (!popup) Call_Auto_Function();
    }
    Mouse_Clear_Buffers();
    Set_Font_Style(field.font_style, field.normal_color, field.highlight_color, 0);
    Input_Box_State state = {};
    Input_Box_Begin(&state, field.param[0].text, field.param[5].value, (int16_t)(field.x2 - field.x1), popup ? 1 : 0);
    int16_t max_length = state.max_length;
    auto write_back = [&]() {
        if (field.param[0].text == nullptr) return;
        size_t length = strnlen(state.text, (size_t)max_length);
        std::memcpy(field.param[0].text, state.text, length);
        field.param[0].text[length] = '\0';
    };
    if (!popup) write_back();
    GUI_Edit_Position = state.position;
    GUI_EditAnimStage = 0;
    Draw_Input_Box_Popup(index, state.text);
    int16_t escaped = 0;
    bool clicked = false;
    int16_t stages = (int16_t)(2 * Get_Font_Height() - 1);
    for (;;) {
        while (!Keyboard_Status()) {
            if (Mouse_Button() != 0 || Mouse_Buffer() != 0 || Platform_Quit_Requested()) {
                clicked = true;
                break;
            }
            GUI_EditAnimStage = (int16_t)(GUI_EditAnimStage + 1);
            if (GUI_EditAnimStage > stages) GUI_EditAnimStage = 0;
            Draw_Input_Box_Popup(index, state.text);
        }
        if (clicked) break;
        int16_t key = Read_Key();
        int16_t before_position = state.position;
        char before[INPUT_BOX_TEXT_MAX + 1];
        std::memcpy(before, state.text, sizeof(before));
        int16_t ends = Input_Box_Key(&state, key);
        if (state.position != before_position || std::memcmp(before, state.text, sizeof(before)) != 0) {
            GUI_EditAnimStage = 0;
        }
        GUI_Edit_Position = state.position;
        if (ends) {
            escaped = key == KEY_ESCAPE ? 1 : 0;
            break;
        }
        Draw_Input_Box_Popup(index, state.text);
    }
    Hw_Textinput_Stop();
    write_back();
    if (clicked) {
        while (Mouse_Button() != 0) {
        }
    }
    if (!popup) {
        Restore_Mouse_On_Page();
        Restore_Mouse_State();
    }
    down_mouse_button = -1;
    GUI_Edit_Position = 0;
    GUI_EditAnimStage = 0;
    return escaped;
}

}  // namespace

void Input_Box_Begin(Input_Box_State *state, const char *text, int16_t max_length, int16_t box_width, int16_t popup)
{
    std::memset(state, 0, sizeof(*state));
    state->max_length = Clamp_Max(max_length);
    state->box_width = box_width;
    state->popup = popup;
    if (text != nullptr) {
        size_t length = strnlen(text, (size_t)state->max_length);
        std::memcpy(state->text, text, length);
    }
    if (!Fits(state->text, box_width)) state->text[0] = '\0';
    int16_t length = (int16_t)std::strlen(state->text);
    state->position = length < state->max_length ? length : state->max_length;
}

int16_t Input_Box_Key(Input_Box_State *state, int16_t key)
{
    char *text = state->text;
    int16_t length = (int16_t)std::strlen(text);
    switch (key) {
    case KEY_ENTER:
    case KEY_ESCAPE: return 1;
    case KEY_LEFT:
        if (state->position > 0) --state->position;
        state->edited = 1;
        return 0;
    case KEY_RIGHT:
        if (state->position < state->max_length && state->position < length) {
            ++state->position;
            if (state->position == length) {
                bool stays = Fits_With(text, ' ', state->box_width);
                if (!state->popup && state->position >= state->max_length) stays = false;
                if (!stays) --state->position;
            }
        }
        return 0;
    case KEY_DELETE:
        if (length > 0 && state->position < length) {
            std::memmove(text + state->position, text + state->position + 1, (size_t)(length - state->position));
        }
        return 0;
    case KEY_BACKSPACE:
        if (!state->edited) {
            text[0] = '\0';
            state->position = 0;
        } else if (state->position == length && length > 0) {
            text[length - 1] = '\0';
            --state->position;
        } else if (state->position > 0 && state->position < length) {
            std::memmove(text + state->position - 1, text + state->position, (size_t)(length - state->position + 1));
            --state->position;
        }
        state->edited = 1;
        return 0;
    default: break;
    }
    if (!Input_Character_Accepted(key)) return 0;
    state->edited = 1;
    if (length >= state->max_length || !Fits_With(text, (char)key, state->box_width)) return 0;
    bool at_end = state->position >= length;
    std::memmove(text + state->position + 1, text + state->position, (size_t)(length - state->position + 1));
    text[state->position] = (char)key;
    if (!at_end) {
        ++state->position;
    } else if (length + 1 < state->max_length && Fits_With(text, ' ', state->box_width)) {
        ++state->position;
    }
    return 0;
}

void Draw_Input_Box_Popup(int16_t index, const char *text)
{
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    const Field_Record &field = p_fields[index];
    Mark_Time();
    Set_Page_Off();
    Invoke_Auto_Function();
    Set_Font_Style(field.font_style, field.normal_color, field.highlight_color, 0);
    if (field.param[2].value != 0) Fill(field.x1, field.y1, field.x2, field.y2, field.param[2].value);
    Draw_Cursor(field, text);
    Set_Highlight_Colors_On();
    Print(field.x1, field.y1, text);
    Set_Normal_Colors_On();
    Apply_Palette();
    Toggle_Pages();
    Release_Time(auto_function_delay);
}

void Input_Box_Popup(int16_t field)
{
    if (p_fields == nullptr || field < 1 || field >= fields_count) return;
    Edit_Field(field, false);
}

int16_t Setup_Input_Box_Popup(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length, int16_t fill_color,
                              int16_t right_align, int16_t cursor_style, const uint8_t *cursor_colors, int16_t help)
{
    Clear_Fields();
    while (Mouse_Button() != 0) {
    }
    Mouse_Clear_Buffers();
    Set_Input_Delay(1);
    int16_t field =
        Add_Input_Field(x, y, width, text, max_length, fill_color, right_align, cursor_style, cursor_colors, "", help);
    int16_t escaped = 0;
    if (field != 0) {
        down_mouse_button = field;
        escaped = Edit_Field(field, true);
    }
    Clear_Fields();
    Mouse_Clear_Buffers();
    return escaped ? (int16_t)-1 : (int16_t)0;
}
