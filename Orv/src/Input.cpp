#include "Input.h"

#include <cstring>

#include "Fields.h"
#include "Help.h"
#include "Mouse.h"
#include "Palette.h"
#include "Release.h"
#include "Video.h"
#include "sdl2_PFL.h"

int16_t input_delay = 0;
int16_t wait_for_input_unattended_frames = 0;
namespace {
int16_t (*m_unattended_query)(void) = nullptr;
}  // namespace

void Input_Set_Unattended_Query(int16_t (*frames_when_unattended)(void))
{
    m_unattended_query = frames_when_unattended;
}

bool Input_Unattended_Frame_Done(int16_t *frames)
{
    int16_t limit = wait_for_input_unattended_frames;
    if (limit <= 0 && m_unattended_query != nullptr) limit = m_unattended_query();
    return limit > 0 && ++*frames >= limit;
}
int16_t pointer_offset = 0;
int16_t mouse_cancel_disabled = 0;
int16_t KD_prev_field_idx = 0;
int16_t multi_hotkey_active_field = 0;

namespace {

constexpr int16_t KEY_CODE_PLUS = 43;
constexpr int16_t KEY_CODE_MINUS = 45;
constexpr int16_t DIRECTION_CODE_UP_RIGHT = 25;
constexpr int16_t DIRECTION_CODE_DOWN_RIGHT = 29;

int16_t Upper(int16_t key) { return (key >= 'a' && key <= 'z') ? (int16_t)(key - 32) : key; }

bool Field_Holds(const Field_Record &field, int32_t x, int32_t y)
{
    return x >= field.x1 && x <= field.x2 && y >= field.y1 && y <= field.y2;
}

int16_t Field_Center_X(const Field_Record &field) { return (int16_t)(field.x1 + (field.x2 - field.x1) / 2); }
int16_t Field_Center_Y(const Field_Record &field) { return (int16_t)(field.y1 + (field.y2 - field.y1) / 2); }

bool Valid_Field(int16_t index) { return p_fields != nullptr && index >= 1 && index < fields_count; }

void Redraw_Pointer_At(int16_t x, int16_t y)
{
    Save_Mouse_State();
    Check_Mouse_Shape(x, y);
    Restore_Mouse_On_Page();
    Save_Mouse_On_Page(x, y);
    Draw_Mouse_On_Page(x, y);
    Restore_Mouse_State();
}

// Moves the pointer so that its hot spot lies on the field's centre.
void Move_Pointer_To_Field(int16_t index)
{
    const Field_Record &field = p_fields[index];
    int16_t x = (int16_t)(Field_Center_X(field) - pointer_offset);
    int16_t y = (int16_t)(Field_Center_Y(field) - pointer_offset);
    Set_Pointer_Position(x, y);
    Redraw_Pointer_At(x, y);
}

void Screen_Capture_Without_Pointer(void)
{
    Save_Mouse_State();
    Restore_Mouse_On_Page();
    Screen_Flic_Capture();
    Save_Mouse_On_Page(pointer_x, pointer_y);
    Draw_Mouse_On_Page(pointer_x, pointer_y);
    Restore_Mouse_State();
}

// ---- string fields ----

int16_t String_Field_Max(const Field_Record &field)
{
    int16_t max_length = field.param[5].value;
    if (max_length > (int16_t)sizeof(continuous_string)) max_length = (int16_t)sizeof(continuous_string);
    return max_length;
}

void Load_Edit_Buffer(int16_t index)
{
    const Field_Record &field = p_fields[index];
    std::memset(continuous_string, 0, sizeof(continuous_string));
    int16_t max_length = String_Field_Max(field);
    if (field.param[0].text != nullptr && max_length > 1) {
        std::strncpy(continuous_string, field.param[0].text, (size_t)(max_length - 1));
    }
    Reset_String_Field_Cursor();
}

void Start_String_Editing(int16_t index)
{
    Load_Edit_Buffer(index);
    bool was_active = input_field_active != 0;
    input_field_active = 1;
    active_input_field_number = index;
    if (!was_active) Hw_Textinput_Start();
}

// The edit buffer, without the cursor, into the edited field's text.
void Commit_Edit_Buffer(void)
{
    if (!Valid_Field(active_input_field_number)) return;
    Field_Record &field = p_fields[active_input_field_number];
    int16_t max_length = String_Field_Max(field);
    char text[sizeof(continuous_string) + 1] = {};
    std::memcpy(text, continuous_string, sizeof(continuous_string));
    if (max_length >= 0 && max_length < (int16_t)sizeof(text)) text[max_length] = '\0';
    size_t length = std::strlen(text);
    if (length > 0 && text[length - 1] == '_') text[--length] = '\0';
    if (field.param[0].text == nullptr || max_length < 1) return;
    // The field's buffer holds max_length bytes: the text is cut to fit with its terminator.
    if ((int)length > max_length - 1) length = (size_t)(max_length - 1);
    std::memcpy(field.param[0].text, text, length);
    field.param[0].text[length] = '\0';
}

void Stop_String_Editing(void)
{
    Commit_Edit_Buffer();
    input_field_active = 0;
    active_input_field_number = -1;
    Hw_Textinput_Stop();
}

// Editing reacts to a hit on field f (0 none) by a click.
void String_Editing_On_Click(int16_t f, bool buffered)
{
    if (f == 0) return;
    if (p_fields[f].kind == ft_String) {
        if (buffered && input_field_active && active_input_field_number == f) {
            Commit_Edit_Buffer();
            active_input_field_number = -1;
        } else {
            Start_String_Editing(f);
        }
    } else if (input_field_active) {
        Stop_String_Editing();
    }
}

void Edit_String_With_Key(int16_t key)
{
    if (!input_field_active || !Valid_Field(active_input_field_number)) return;
    const Field_Record &field = p_fields[active_input_field_number];
    int16_t max_length = String_Field_Max(field);
    for (size_t i = 0; i < sizeof(continuous_string); ++i) {
        if (continuous_string[i] == '_') {
            continuous_string[i] = '\0';
            break;
        }
    }
    size_t length = strnlen(continuous_string, sizeof(continuous_string) - 1);
    if (key == KEY_BACKSPACE) {
        if (length > 0) continuous_string[length - 1] = '\0';
        Reset_String_Field_Cursor();
    } else if (Input_Character_Accepted(key)) {
        if ((int)length < max_length - 1 && length + 1 < sizeof(continuous_string)) {
            continuous_string[length] = (char)key;
            continuous_string[length + 1] = '\0';
        }
        Reset_String_Field_Cursor();
    }
}

// ---- the three steps ----

int16_t Keyboard_Step(void)
{
    int16_t field = 0;
    int16_t moved = 0;
    int16_t key = Interpret_Keyboard_Input(&field, &moved);
    if (key == KEY_F11) F11_Key();
    if (key == KEY_F12) Screen_Capture_Without_Pointer();
    if (key == KEY_ESCAPE && mouse_cancel_disabled == 0) return -1;
    if (field != 0 && !moved && p_fields[field].kind == ft_Multi_Hot_Key) return field;
    if (field != 0 && !moved && p_fields[field].hot_key == key) {
        const Field_Record &hit = p_fields[field];
        if (hit.kind == ft_Scroll_Bar) return 0;
        Push_Field_Down(field, Field_Center_X(hit), Field_Center_Y(hit));
        Quick_Call_Auto_Function();
        return field;
    }
    if (key == KEY_ENTER) {
        if (input_field_active) {
            int16_t edited = active_input_field_number;
            if (!Valid_Field(edited)) return -1;
            Commit_Edit_Buffer();
            Quick_Call_Auto_Function();
            return edited;
        }
        int16_t under = Scan_Field();
        if (under == 0) return 0;
        int16_t kind = p_fields[under].kind;
        if (kind == ft_String) Start_String_Editing(under);
        if (kind != ft_Scroll_Bar && kind != ft_String) Push_Field_Down(under, pointer_x, pointer_y);
        Quick_Call_Auto_Function();
        return under;
    }
    if (key == KEY_CODE_PLUS || key == KEY_CODE_MINUS) {
        int16_t under = Scan_Field();
        if (under != 0 && p_fields[under].kind == ft_Scroll_Bar) {
            if (key == KEY_CODE_PLUS) {
                Increment_Scroll_Bar(under);
            } else {
                Decrement_Scroll_Bar(under);
            }
            return under;
        }
    }
    if (input_field_active && Valid_Field(active_input_field_number)) Edit_String_With_Key(key);
    return 0;
}

int16_t Help_Or_Cancel(bool wait_release)
{
    if (help_list_active && Check_Help_List() == 0) {
        Mouse_Clear_Buffers();
        return 0;
    }
    if (mouse_cancel_disabled == 0) {
        if (wait_release) {
            while (Mouse_Button() != 0) Quick_Call_Auto_Function();
        }
        Mouse_Clear_Buffers();
        return -1;
    }
    return 1;
}

int16_t Held_Button_Step(int16_t buttons)
{
    // An injected button added to a real one gives 3; it counts as a left press.
    if (buttons == 3) buttons = 1;
    if (buttons == 2) {
        int16_t answer = Help_Or_Cancel(true);
        if (answer != 1) return answer;
    }
    int16_t held = 0;
    for (;;) {
        pointer_offset = Get_Pointer_Offset();
        int16_t f = Scan_Field();
        if (f == 0) {
            int16_t pressed = down_mouse_button;
            if (Valid_Field(pressed)) {
                int16_t kind = p_fields[pressed].kind;
                if (kind == ft_Scroll_Bar) Invoke_Auto_Function();
                if (kind != ft_List_Item && kind != ft_String) {
                    Save_Mouse_State();
                    Restore_Mouse_On_Page();
                    Draw_Field(pressed, 0);
                    Save_Mouse_On_Page(pointer_x, pointer_y);
                    Draw_Mouse_On_Page(pointer_x, pointer_y);
                    Restore_Mouse_State();
                }
            }
            down_mouse_button = -1;
            Set_Buffer_2(pointer_x, pointer_y);
            held = 0;
            break;
        }
        int16_t kind = p_fields[f].kind;
        bool grid_pressed = Valid_Field(down_mouse_button) && p_fields[down_mouse_button].kind == ft_Grid;
        if (f != down_mouse_button && kind != ft_Input && kind != ft_String && !(kind == ft_Grid && grid_pressed)) {
            if (Valid_Field(down_mouse_button) && p_fields[down_mouse_button].kind == ft_Scroll_Bar) {
                Invoke_Auto_Function();
            }
            Push_Field_Down(f, pointer_x, pointer_y);
        }
        String_Editing_On_Click(f, false);
        auto_input_variable = f;
        held = f;
        if (Mouse_Button() == 0) break;
        Call_Auto_Function();
        if (!Valid_Field(held)) break;
    }
    if (Valid_Field(held) && p_fields[held].kind == ft_Scroll_Bar) Invoke_Auto_Function();
    auto_input_variable = 0;
    if (held != 0) {
        Mouse_Clear_Buffers();
        if (Valid_Field(held) && p_fields[held].kind == ft_Input) Push_Field_Down(held, pointer_x, pointer_y);
    }
    down_mouse_button = -1;
    return buttons == 2 ? (int16_t)-held : held;
}

int16_t Buffered_Click_Step(void)
{
    int16_t button = Mouse_Buffer_Button();
    int16_t x = Mouse_Buffer_X();
    int16_t y = Mouse_Buffer_Y();
    if (button == 3) button = 1;
    if (button == 2) {
        int16_t answer = Help_Or_Cancel(false);
        if (answer != 1) return answer;
    }
    Check_Mouse_Shape(x, y);
    pointer_offset = Get_Pointer_Offset();
    int16_t f = 0;
    for (int16_t i = 1; i < fields_count; ++i) {
        if (Field_Holds(p_fields[i], x + pointer_offset, y + pointer_offset)) {
            f = i;
            break;
        }
    }
    if (f != 0 && p_fields[f].kind != ft_String && p_fields[f].kind != ft_Input) {
        auto_input_variable = f;
        Push_Field_Down(f, x, y);
        Quick_Call_Auto_Function();
    }
    String_Editing_On_Click(f, true);
    if (f != 0 && p_fields[f].kind == ft_Input) Push_Field_Down(f, x, y);
    if (f != 0) Mouse_Buffer2();
    return button == 2 ? (int16_t)-f : f;
}

// The candidate's distances from the pointer along and across a straight move.
void Straight_Distances(const Field_Record &field, int16_t dx, int16_t dy, int32_t px, int32_t py, int32_t *along,
                        int32_t *across)
{
    int32_t cx = Field_Center_X(field);
    int32_t cy = Field_Center_Y(field);
    if (dx != 0) {
        *along = (cx - px) * dx;
        *across = cy - py;
        if (py >= field.y1 && py <= field.y2 && (*across > 6 || *across < -6)) *across = 6;
    } else {
        *along = (cy - py) * dy;
        *across = cx - px;
        if (px >= field.x1 && px <= field.x2 && (*across > 6 || *across < -6)) *across = 6;
    }
}

bool Direction_Candidate(int16_t i, int16_t current)
{
    const Field_Record &field = p_fields[i];
    if (i == current || field.kind < ft_Button || field.kind > ft_String || field.hot_key != 0) return false;
    return !(field.kind == ft_List_Item && !field.selectable);
}

}  // namespace

// ---- keyboard ----

int16_t Keyboard_Status(void) { return Platform_Keyboard_Buffer_Pending_Count() > 0 ? 1 : 0; }

int16_t Read_Key(void)
{
    Platform_Keyboard_Buffer &kb = platform_keyboard_buffer;
    if (kb.read_index == kb.write_index) {
        key_pressed = 0;
        return 0;
    }
    int32_t entry = kb.entries[kb.read_index];
    kb.read_index = (kb.read_index + 1) % KEYBOARD_BUFFER_SIZE;
    if (kb.read_index == kb.write_index) key_pressed = 0;
    int16_t code = (int16_t)(entry & 0xFF);
    int16_t character = (int16_t)((entry >> 8) & 0xFF);
    if ((entry & KEY_MOD_ALT) != 0 && code >= 65 && code <= 122) return (int16_t)(Upper(code) + 95);
    return character != 0 ? character : code;
}

int16_t Input_Character_Accepted(int16_t key)
{
    return (key >= 'A' && key <= '\\') || (key >= '.' && key <= ':') || key == ' ' || key == '-' ||
           (key >= 'a' && key <= 'z');
}

int16_t Interpret_Keyboard_Input(int16_t *field_out, int16_t *moved)
{
    *field_out = 0;
    *moved = 0;
    int16_t read = Read_Key();
    int16_t key = Upper(read);
    int16_t found = 0;
    bool word_in_progress = false;
    if (Valid_Field(multi_hotkey_active_field) && key - 95 == p_fields[multi_hotkey_active_field].hot_key) {
        found = multi_hotkey_active_field;
    } else {
        multi_hotkey_active_field = 0;
        if (KD_prev_field_idx >= fields_count || KD_prev_field_idx < 0) KD_prev_field_idx = 0;
        for (int pass = 0; pass < 2 && found == 0; ++pass) {
            int16_t from = pass == 0 ? (int16_t)(KD_prev_field_idx + 1) : (int16_t)1;
            int16_t to = pass == 0 ? fields_count : (int16_t)(KD_prev_field_idx + 1);
            for (int16_t i = from; i < to && i < fields_count; ++i) {
                const Field_Record &field = p_fields[i];
                bool multi = field.kind == ft_Multi_Hot_Key;
                if ((!multi && field.hot_key == key && key != 0) || (multi && key - 95 == field.hot_key)) {
                    found = i;
                    break;
                }
            }
        }
        KD_prev_field_idx = found != 0 ? found : fields_count;
        if (KD_prev_field_idx >= fields_count) KD_prev_field_idx = 0;
    }
    if (found != 0) {
        Field_Record &field = p_fields[found];
        pointer_offset = Get_Pointer_Offset();
        if (field.x1 < SCREEN_WIDTH && field.y1 < SCREEN_HEIGHT) Move_Pointer_To_Field(found);
        if (field.kind == ft_Multi_Hot_Key) {
            int16_t position = (int16_t)(field.param[1].value + 1);
            int16_t length = field.param[2].value;
            const char *word = field.param[0].word;
            if (position < length && word != nullptr) {
                field.param[1].value = position;
                field.hot_key = Upper((uint8_t)word[position]);
                multi_hotkey_active_field = found;
                return 0;
            }
            field.param[1].value = 0;
            field.hot_key = Field_Hot_Key_From_Text(word);
            multi_hotkey_active_field = 0;
        }
        *field_out = found;
    } else {
        switch (read) {
        case KEY_LEFT:
        case KEY_RIGHT:
        case KEY_UP:
        case KEY_DOWN:
        case KEY_HOME:
        case KEY_END:
        case DIRECTION_CODE_UP_RIGHT:
        case DIRECTION_CODE_DOWN_RIGHT:
            *field_out = Process_Direction_Key(read);
            *moved = 1;
            break;
        default: break;
        }
    }
    if (multi_hotkey_active_field == 0) {
        for (int16_t i = 1; i < fields_count; ++i) {
            Field_Record &field = p_fields[i];
            if (field.kind != ft_Multi_Hot_Key) continue;
            field.param[1].value = 0;
            field.hot_key = Field_Hot_Key_From_Text(field.param[0].word);
        }
    }
    (void)word_in_progress;
    if (found != 0 && p_fields[found].kind != ft_Multi_Hot_Key && key == p_fields[found].hot_key) return key;
    if (found != 0 && p_fields[found].kind == ft_Multi_Hot_Key) return key;
    return read;
}

int16_t Process_Direction_Key(int16_t key)
{
    int16_t dx = 0;
    int16_t dy = 0;
    switch (key) {
    case KEY_LEFT: dx = -1; break;
    case KEY_RIGHT: dx = 1; break;
    case KEY_UP: dy = -1; break;
    case KEY_DOWN: dy = 1; break;
    case KEY_HOME:
        dx = -1;
        dy = -1;
        break;
    case DIRECTION_CODE_UP_RIGHT:
        dx = 1;
        dy = -1;
        break;
    case KEY_END:
        dx = -1;
        dy = 1;
        break;
    case DIRECTION_CODE_DOWN_RIGHT:
        dx = 1;
        dy = 1;
        break;
    default: return 0;
    }
    if (list_field_on && dx == 0) return Move_Dialog_Highlight(dy > 0 ? 1 : 0);
    return Get_Next_Field_In_Direction(dx, dy);
}

int16_t Get_Next_Field_In_Direction(int16_t dx, int16_t dy)
{
    if (p_fields == nullptr) return 0;
    pointer_offset = Get_Pointer_Offset();
    int32_t px = pointer_x + pointer_offset;
    int32_t py = pointer_y + pointer_offset;
    int16_t current = 0;
    for (int16_t i = 1; i < fields_count; ++i) {
        const Field_Record &field = p_fields[i];
        if (field.kind < ft_Button || field.kind > ft_String) continue;
        if (field.kind == ft_List_Item && !field.selectable) continue;
        if (Field_Holds(field, px, py)) {
            current = i;
            break;
        }
    }
    int16_t winner = 0;
    if (dx == 0 || dy == 0) {
        int32_t best = 0;
        for (int16_t i = 1; i < fields_count; ++i) {
            if (!Direction_Candidate(i, current)) continue;
            int32_t along = 0;
            int32_t across = 0;
            Straight_Distances(p_fields[i], dx, dy, px, py, &along, &across);
            if (across >= -5 && across <= 5 && along > 0 && (winner == 0 || along < best)) {
                winner = i;
                best = along;
            }
        }
        if (winner == 0) {
            for (int16_t i = 1; i < fields_count; ++i) {
                if (!Direction_Candidate(i, current)) continue;
                int32_t along = 0;
                int32_t across = 0;
                Straight_Distances(p_fields[i], dx, dy, px, py, &along, &across);
                int32_t along1 = along == 0 ? 1 : along;
                int32_t magnitude = across < 0 ? -across : across;
                int32_t spread = along < 0 ? 500 : magnitude * 100 / along1;
                if (spread > 43) continue;
                int32_t metric = along1 * along1 + across * across;
                if (winner == 0 || metric < best) {
                    winner = i;
                    best = metric;
                }
            }
        }
    } else {
        int32_t best = 0;
        for (int16_t i = 1; i < fields_count; ++i) {
            if (!Direction_Candidate(i, current)) continue;
            int32_t h = (Field_Center_X(p_fields[i]) - px) * dx;
            int32_t v = (Field_Center_Y(p_fields[i]) - py) * dy;
            if (h < 0 || v < 0) continue;
            int32_t smaller = h < v ? h : v;
            int32_t larger = h < v ? v : h;
            int32_t ratio = (h == 0 || v == 0) ? 500 : smaller * 100 / larger;
            if (ratio <= 33) continue;
            int32_t metric = h * h + v * v;
            if (winner == 0 || metric < best) {
                winner = i;
                best = metric;
            }
        }
    }
    if (winner == 0) return current;
    int16_t cx = Field_Center_X(p_fields[winner]);
    int16_t cy = Field_Center_Y(p_fields[winner]);
    if (cx < 1 || cx > SCREEN_WIDTH - 1 || cy < 1 || cy > SCREEN_HEIGHT - 1) return current;
    Move_Pointer_To_Field(winner);
    return winner;
}

int16_t Move_Dialog_Highlight(int16_t direction)
{
    int16_t last_item = (int16_t)(fields_count - 2);
    if (p_fields == nullptr || last_item < 1) return 0;
    int16_t *selected = p_fields[1].param[2].value_pointer;
    int16_t start = Scan_Input();
    if (start < 1 || start > last_item) {
        start = 0;
        if (selected != nullptr && *selected >= 0) start = (int16_t)(*selected + 1);
        if (start < 1 || start > last_item) {
            start = 0;
            for (int16_t i = 1; i <= last_item; ++i) {
                if (p_fields[i].selectable) {
                    start = i;
                    break;
                }
            }
            if (start == 0) return 0;
        }
    }
    int16_t next = start;
    for (int16_t step = 1; step <= last_item; ++step) {
        int16_t candidate = direction == 1 ? (int16_t)((start - 1 + step) % last_item + 1)
                                           : (int16_t)((start - 1 - step + last_item * 2) % last_item + 1);
        if (p_fields[candidate].selectable) {
            next = candidate;
            break;
        }
    }
    pointer_offset = Get_Pointer_Offset();
    const Field_Record &field = p_fields[next];
    int16_t x = (int16_t)(Field_Center_X(field) - pointer_offset);
    int16_t y = (int16_t)(Field_Center_Y(field) - pointer_offset);
    if (x != pointer_x || y != pointer_y) {
        Move_Pointer_To_Field(next);
        if (selected != nullptr) *selected = (int16_t)(next - 1);
    }
    return next;
}

// ---- the loop ----

int16_t Get_Input(void)
{
    Platform_Event_Handler();
    if (input_delay > 0) {
        --input_delay;
        return 0;
    }
    input_delay = 0;
    if (fields_count <= 1 || p_fields == nullptr) return 0;
    down_mouse_button = -1;
    auto_input_variable = 0;
    pointer_offset = Get_Pointer_Offset();
    int16_t result = 0;
    if (Keyboard_Status()) {
        result = Keyboard_Step();
    } else {
        int16_t buttons = Platform_Get_Mouse_Button_State();
        if (buttons != 0) {
            result = Held_Button_Step(buttons);
        } else if (Mouse_Buffer2()) {
            result = Buffered_Click_Step();
        }
    }
    Set_Page_Off();
    return result;
}

int16_t Scan_Field(void)
{
    if (p_fields == nullptr) return 0;
    Check_Mouse_Shape(pointer_x, pointer_y);
    pointer_offset = Get_Pointer_Offset();
    for (int16_t i = 1; i < fields_count; ++i) {
        if (Field_Holds(p_fields[i], pointer_x + pointer_offset, pointer_y + pointer_offset)) return i;
    }
    return 0;
}

int16_t Scan_Input(void)
{
    int16_t f = Scan_Field();
    if (f == 0) return 0;
    Field_Record &field = p_fields[f];
    if (field.kind == ft_List_Item && !field.selectable) return 0;
    bool grid_pressed = Valid_Field(down_mouse_button) && p_fields[down_mouse_button].kind == ft_Grid;
    if (field.kind == ft_Grid && !grid_pressed) {
        int16_t cell_width = field.param[1].value;
        int16_t cell_height = field.param[2].value;
        if (cell_width > 0 && field.param[3].value_pointer != nullptr) {
            *field.param[3].value_pointer = (int16_t)((pointer_x - field.x1) / cell_width);
        }
        if (cell_height > 0 && field.param[4].value_pointer != nullptr) {
            *field.param[4].value_pointer = (int16_t)((pointer_y - field.y1) / cell_height);
        }
    }
    return f;
}

void Reset_Wait_For_Input(void)
{
    Platform_Keyboard_Buffer_Clear();
    key_pressed = 0;
    while (Mouse_Button() != 0) Call_Auto_Function();
    Mouse_Clear_Buffers();
}

int16_t Wait_For_Input(void)
{
    Reset_Wait_For_Input();
    int16_t kept = fields_count;
    fields_count = 1;
    bool clicked = false;
    int16_t frames = 0;
    for (;;) {
        Call_Auto_Function();
        if (Input_Unattended_Frame_Done(&frames)) break;
        if (Mouse_Button() != 0 || Mouse_Buffer() != 0) {
            clicked = true;
            break;
        }
        if (Keyboard_Status()) {
            int16_t key = Read_Key();
            if (key == KEY_F11) {
                F11_Key();
                continue;
            }
            if (key == KEY_F12) {
                Screen_Capture_Without_Pointer();
                continue;
            }
            break;
        }
        if (Platform_Quit_Requested()) break;
    }
    if (clicked) {
        while (Mouse_Button() != 0) Call_Auto_Function();
    }
    fields_count = kept;
    Mouse_Clear_Buffers();
    return -1;
}

void Set_Input_Delay(int16_t n)
{
    input_delay = n;
    Mouse_Clear_Buffers();
}

void Toggle_Pages(void)
{
    Save_Mouse_State();
    Draw_Fields();
    Check_Mouse_Shape(pointer_x, pointer_y);
    Save_Mouse_Off_Page(pointer_x, pointer_y);
    Draw_Mouse_Off_Page(pointer_x, pointer_y);
    Page_Flip();
    Restore_Mouse_Off_Page();
    Copy_Mouse_Off_To_Mouse_Back();
    Restore_Mouse_State();
}

void Toggle_Pages_No_Draw_Fields(void)
{
    Save_Mouse_State();
    Check_Mouse_Shape(pointer_x, pointer_y);
    Save_Mouse_Off_Page(pointer_x, pointer_y);
    Draw_Mouse_Off_Page(pointer_x, pointer_y);
    Page_Flip();
    Restore_Mouse_Off_Page();
    Copy_Mouse_Off_To_Mouse_Back();
    Restore_Mouse_State();
}

void Init_Mouse_Keyboard(int16_t input_type)
{
    Fields_Allocate();
    Set_Mouse_List(1, mouse_list_init);
    Init_Mouse_Driver();
    mouse_driver_installed = 1;
    Save_Mouse_On_Page_(init_pointer_x, init_pointer_y);
    input_delay = 0;
    down_mouse_button = -1;
    mouse_cancel_disabled = 0;
    Clear_Fields();
}

void Enable_Cancel(void) { mouse_cancel_disabled = 1; }

void Center_Emulated_Pointer_On_Field(int16_t field) {}

void Input_Reset_State(void)
{
    input_delay = 0;
    pointer_offset = 0;
    mouse_cancel_disabled = 0;
    KD_prev_field_idx = 0;
    multi_hotkey_active_field = 0;
    Platform_Keyboard_Buffer_Clear();
    key_pressed = 0;
}
