#include "Fields.h"

#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Input_Box.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "Video.h"
#include "sdl2_PFL.h"

Field_Record *p_fields = nullptr;
int16_t fields_count = 1;
int16_t down_mouse_button = -1;
int16_t auto_input_variable = 0;
int16_t down_x = 1;
int16_t down_y = -1;
int16_t auto_function_delay = 2;
int16_t list_field_on = 0;
int16_t input_field_active = 0;
int16_t active_input_field_number = -1;
char continuous_string[30] = {};
int16_t default_help_entry = -1;

namespace {

constexpr int CONTINUOUS_STRING_SIZE = (int)sizeof(continuous_string);

Auto_Function m_auto_function = nullptr;
Auto_Function m_saved_auto_function = nullptr;
int16_t m_auto_function_active = 0;
int16_t m_string_cursor_stage = 0;
int16_t m_list_private_zero = 0;

int16_t Adjusted_Delay(int16_t delay) { return (delay >= 1 && delay <= 9) ? delay : 2; }

// The next record, or nullptr with an ERROR when the list is full.
Field_Record *New_Field(const char *adder)
{
    Fields_Allocate();
    if (fields_count < 1) fields_count = 1;
    if (fields_count >= FIELDS_MAX) {
        STU_LOG(SEV_ERROR, LC_INPUT, "%s: the field list is full (%d fields); field refused", adder, FIELDS_MAX);
        return nullptr;
    }
    Field_Record *field = &p_fields[fields_count];
    std::memset(field, 0, sizeof(*field));
    return field;
}

int16_t Commit_Field(void) { return fields_count++; }

int16_t Text_Max(int16_t max_length)
{
    if (max_length > CONTINUOUS_STRING_SIZE) return CONTINUOUS_STRING_SIZE;
    return max_length < 0 ? 0 : max_length;
}

// The cursor character lives in the edit buffer while it shows.
void Cut_At_Cursor(int16_t max_length)
{
    int16_t limit = Text_Max(max_length);
    for (int i = 0; i < limit && i < CONTINUOUS_STRING_SIZE; ++i) {
        if (continuous_string[i] == '\0') return;
        if (continuous_string[i] == '_') {
            continuous_string[i] = '\0';
            return;
        }
    }
}

void Blink_String_Cursor(int16_t max_length)
{
    if (m_string_cursor_stage == 2) {
        size_t length = strnlen(continuous_string, CONTINUOUS_STRING_SIZE - 1);
        if ((int)length < max_length - 1 && (int)length + 1 < CONTINUOUS_STRING_SIZE) {
            continuous_string[length] = '_';
            continuous_string[length + 1] = '\0';
        }
    } else if (m_string_cursor_stage == 0) {
        Cut_At_Cursor(max_length);
    }
    m_string_cursor_stage = (int16_t)((m_string_cursor_stage + 1) % 4);
}

void Set_Field_Font(const Field_Record &field, int16_t normal)
{
    Set_Font_Style(field.font_style, normal, field.highlight_color, 0);
}

void Draw_List_Item(const Field_Record &field)
{
    Set_Font_Style(field.font_style, field.normal_color, field.highlight_color, 0);
    const int16_t *selected = field.param[2].value_pointer;
    int16_t item_index = field.param[1].value;
    if (selected != nullptr && *selected == item_index) {
        int16_t spacing = (int16_t)(Get_Font_Vertical_Spacing() / 2);
        if (spacing < 1) spacing = 1;
        Gradient_Fill((int16_t)(field.x1 - 1), (int16_t)(field.y1 + spacing + 1), field.x2,
                      (int16_t)(field.y1 + Get_Font_Height() + 1), field.list_fill_kind, field.param[3].value);
    } else if (!field.selectable) {
        Set_Font_Style(field.font_style, field.highlight_color, field.highlight_color, 0);
    }
    if (field.param[0].word != nullptr) Print(field.x1, field.y1, field.param[0].word);
}

void Draw_String_Field(int16_t index, const Field_Record &field)
{
    int16_t shadow = field.param[6].value;
    if (shadow == -1) {
        Set_Font_Style_Shadow_Down(field.font_style, field.normal_color, field.highlight_color, 0);
    } else if (shadow == 1) {
        Set_Font_Style_Shadow_Up(field.font_style, field.normal_color, field.highlight_color, 0);
    } else {
        Set_Font_Style(field.font_style, field.normal_color, field.highlight_color, 0);
    }
    if (field.param[2].value != 0) Fill(field.x1, field.y1, field.x2, field.y2, field.param[2].value);
    if (index == active_input_field_number) {
        Set_Highlight_Colors_On();
        Blink_String_Cursor(field.param[5].value);
        if (field.param[1].picture != nullptr) FLIC_Draw(field.x1, field.y1, field.param[1].picture);
        Print((int16_t)(field.x1 + 10), field.y1, continuous_string);
        Set_Normal_Colors_On();
    } else if (field.param[0].text != nullptr) {
        Print((int16_t)(field.x1 + 10), field.y1, field.param[0].text);
    }
}

void Draw_Button(const Field_Record &field, int16_t pressed)
{
    uint8_t *picture = field.param[5].picture;
    if (picture != nullptr) {
        if (pressed && field.param[3].value != 0) {
            Set_Animation_Frame(picture, 1);
        } else if (pressed) {
            Reset_Animation_Frame(picture);
            FLIC_Draw(field.x1, field.y1, picture);
        } else {
            Reset_Animation_Frame(picture);
        }
        FLIC_Draw(field.x1, field.y1, picture);
    }
    Set_Field_Font(field, field.normal_color);
    const char *label = field.param[0].word;
    if (label == nullptr || label[0] == '\0') return;
    int16_t x = (int16_t)(field.x1 + (field.x2 - field.x1) / 2);
    int16_t y = (int16_t)(field.y1 + (field.y2 - field.y1) / 2 - (Get_Font_Height() - 1) / 2);
    if (pressed) {
        x = (int16_t)(x + down_x);
        y = (int16_t)(y + down_y);
    }
    Print_Centered(x, y, label);
}

int32_t Bar_Range(const Field_Record &field) { return (int32_t)field.param[4].value - field.param[3].value; }

void Store_Bar_Value(Field_Record &field, int32_t value)
{
    int32_t minimum = field.param[0].value;
    int32_t maximum = field.param[1].value;
    if (value > maximum) value = maximum;
    if (value < minimum) value = minimum;
    if (field.param[6].value_pointer != nullptr) *field.param[6].value_pointer = (int16_t)value;
}

}  // namespace

void Fields_Allocate(void)
{
    if (p_fields != nullptr) return;
    constexpr uint16_t paragraphs = (uint16_t)((FIELDS_MAX * sizeof(Field_Record) + 15) / 16);
    SAMB_ptr block = Allocate_Space(paragraphs);
    p_fields = reinterpret_cast<Field_Record *>(SAMB_Paragraph(block, 1));
    std::memset(p_fields, 0, FIELDS_MAX * sizeof(Field_Record));
    fields_count = 1;
}

void Clear_Fields(void)
{
    Fields_Allocate();
    int16_t in_use = fields_count < 1 ? 1 : (fields_count > FIELDS_MAX ? (int16_t)FIELDS_MAX : fields_count);
    std::memset(p_fields, 0, (size_t)in_use * sizeof(Field_Record));
    fields_count = 1;
    down_mouse_button = -1;
    auto_input_variable = 0;
    input_field_active = 0;
    active_input_field_number = -1;
    Hw_Textinput_Stop();
}

int16_t Clear_Fields_Above(int16_t n)
{
    if (n < 0) n = 0;
    if (n > FIELDS_MAX - 1) n = FIELDS_MAX - 1;
    fields_count = (int16_t)(n + 1);
    down_mouse_button = -1;
    return fields_count;
}

int16_t Auto_Input(void) { return auto_input_variable; }

void Set_Button_Down_Offsets(int16_t dx, int16_t dy)
{
    down_x = dx;
    down_y = dy;
}

int16_t Field_Hot_Key_From_Text(const char *hot_key)
{
    if (hot_key == nullptr || hot_key[0] == '\0') return 0;
    int16_t key = (uint8_t)hot_key[0];
    if (key >= 'a' && key <= 'z') key = (int16_t)(key - 32);
    return key;
}

int16_t Add_Button_Field(int16_t x, int16_t y, const char *label, uint8_t *picture, const char *hot_key, int16_t help)
{
    Field_Record *field = New_Field("Add_Button_Field");
    if (field == nullptr) return 0;
    int16_t width = picture != nullptr ? (int16_t)FLIC_Get_Width(picture) : 0;
    int16_t height = picture != nullptr ? (int16_t)FLIC_Get_Height(picture) : 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + width - 1);
    field->y2 = (int16_t)(y + height - 1);
    field->kind = ft_Button;
    field->help = help;
    field->font_style = Get_Current_Font_Style();
    field->normal_color = Get_Current_Normal_Color();
    field->param[0].word = label;
    field->param[3].value = picture != nullptr ? Get_Full_Store_Flag(picture) : 0;
    field->param[5].picture = picture;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

int16_t Add_Input_Field(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length, int16_t fill_color,
                        int16_t right_align, int16_t cursor_style, const uint8_t *cursor_colors, const char *hot_key,
                        int16_t help)
{
    Field_Record *field = New_Field("Add_Input_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + width);
    field->y2 = (int16_t)(y + Get_Font_Height());
    field->kind = ft_Input;
    field->help = help;
    field->font_style = Get_Current_Font_Style();
    field->normal_color = Get_Current_Normal_Color();
    field->highlight_color = Get_Current_Highlight_Color();
    field->param[0].text = text;
    field->param[2].value = fill_color;
    field->param[3].value = right_align;
    field->param[4].value = cursor_style;
    field->param[5].value = max_length;
    field->param[6].colors = cursor_colors;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

int16_t Add_Continuous_String_Input_Field(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length,
                                          int16_t fill_color, uint8_t *background, int16_t help, int16_t shadow_mode)
{
    Field_Record *field = New_Field("Add_Continuous_String_Input_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + width);
    field->y2 = (int16_t)(y + Get_Font_Height());
    field->kind = ft_String;
    field->help = help;
    field->font_style = Get_Current_Font_Style();
    field->normal_color = Get_Current_Normal_Color();
    field->highlight_color = Get_Current_Highlight_Color();
    field->param[0].text = text;
    field->param[1].picture = background;
    field->param[2].value = fill_color;
    field->param[5].value = max_length;
    field->param[6].value = shadow_mode;
    return Commit_Field();
}

int16_t Add_Picture_Field(int16_t x, int16_t y, uint8_t *picture, const char *hot_key, int16_t help)
{
    Field_Record *field = New_Field("Add_Picture_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + (picture != nullptr ? FLIC_Get_Width(picture) : 0));
    field->y2 = (int16_t)(y + (picture != nullptr ? FLIC_Get_Height(picture) : 0));
    field->kind = ft_Picture;
    field->help = help;
    field->param[5].picture = picture;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

int16_t Add_Hidden_Field(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const char *hot_key, int16_t help)
{
    Field_Record *field = New_Field("Add_Hidden_Field");
    if (field == nullptr) return 0;
    field->x1 = x1;
    field->y1 = y1;
    field->x2 = x2;
    field->y2 = y2;
    field->kind = ft_Hidden;
    field->help = help;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

int16_t Add_Hot_Key(const char *hot_key)
{
    return Add_Hidden_Field(OFF_SCREEN_FIELD, OFF_SCREEN_FIELD, OFF_SCREEN_FIELD, OFF_SCREEN_FIELD, hot_key, -1);
}

int16_t Add_Multi_Hot_Key_Field(const char *word)
{
    Field_Record *field = New_Field("Add_Multi_Hot_Key_Field");
    if (field == nullptr) return 0;
    field->x1 = field->y1 = field->x2 = field->y2 = OFF_SCREEN_FIELD;
    field->kind = ft_Multi_Hot_Key;
    field->help = -1;
    field->param[0].word = word;
    field->param[1].value = 0;
    field->param[2].value = word != nullptr ? (int16_t)strnlen(word, 30) : 0;
    field->hot_key = Field_Hot_Key_From_Text(word);
    return Commit_Field();
}

int16_t Add_Grid_Field(int16_t x, int16_t y, int16_t cell_width, int16_t cell_height, int16_t columns, int16_t rows,
                       int16_t *column_result, int16_t *row_result, int16_t help)
{
    Field_Record *field = New_Field("Add_Grid_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + cell_width * columns - 1);
    field->y2 = (int16_t)(y + cell_height * rows - 1);
    field->kind = ft_Grid;
    field->help = help;
    field->param[1].value = cell_width;
    field->param[2].value = cell_height;
    field->param[3].value_pointer = column_result;
    field->param[4].value_pointer = row_result;
    return Commit_Field();
}

int16_t Add_Scroll_Field_Far(int16_t x, int16_t y, int16_t bar_start, int16_t bar_end, int16_t minimum, int16_t maximum,
                             int16_t width, int16_t height, int16_t *value, const char *hot_key, int16_t help)
{
    Field_Record *field = New_Field("Add_Scroll_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = y;
    field->x2 = (int16_t)(x + width);
    field->y2 = (int16_t)(y + height);
    field->kind = ft_Scroll_Bar;
    field->help = help;
    field->param[0].value = minimum;
    field->param[1].value = maximum;
    field->param[3].value = bar_start;
    field->param[4].value = bar_end;
    field->param[5].value = height >= width ? 1 : 0;
    field->param[6].value_pointer = value;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

int16_t Add_Scroll_Field(int16_t x, int16_t y, int16_t bar_start, int16_t bar_end, int16_t minimum, int16_t maximum,
                         int16_t width, int16_t height, int16_t *value, const char *hot_key, int16_t help)
{
    return Add_Scroll_Field_Far(x, y, bar_start, bar_end, minimum, maximum, width, height, value, hot_key, help);
}

int16_t Add_List_Item_Field(int16_t x, int16_t y, int16_t width, const char *text, int16_t selectable,
                            int16_t *selected, int16_t item_index, int16_t fill_kind, int16_t remap_table,
                            int16_t gradient1, int16_t gradient2, int16_t gradient3, const char *hot_key, int16_t help)
{
    Field_Record *field = New_Field("Add_List_Item_Field");
    if (field == nullptr) return 0;
    field->x1 = x;
    field->y1 = (int16_t)(y - 1);
    field->x2 = (int16_t)(x + width);
    field->y2 = (int16_t)(y + Get_Font_Height() + 1);
    field->kind = ft_List_Item;
    field->help = help;
    field->font_style = Get_Current_Font_Style();
    field->normal_color = Get_Current_Normal_Color();
    field->highlight_color = Get_Current_Highlight_Color();
    field->list_fill_kind = fill_kind;
    field->selectable = selectable;
    field->param[0].word = text;
    field->param[1].value = item_index;
    field->param[2].value_pointer = selected;
    field->param[3].value = remap_table;
    field->param[4].value = gradient1;
    field->param[5].value = gradient2;
    field->param[6].value = gradient3;
    field->hot_key = Field_Hot_Key_From_Text(hot_key);
    return Commit_Field();
}

void Draw_Field(int16_t index, int16_t pressed)
{
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    Field_Record &field = p_fields[index];
    switch (field.kind) {
    case ft_Button: Draw_Button(field, pressed); break;
    case ft_Input:
        if (pressed) Input_Box_Popup(index);
        break;
    case ft_Scroll_Bar:
        if (pressed) Find_Bar_Position(index);
        break;
    case ft_List_Item:
        if (field.param[2].value_pointer != nullptr) {
            if (!pressed) {
                *field.param[2].value_pointer = 0;
            } else if (field.selectable) {
                *field.param[2].value_pointer = field.param[1].value;
            }
        }
        Draw_List_Item(field);
        break;
    case ft_Grid:
        if (pressed) {
            int16_t cell_width = field.param[1].value;
            int16_t cell_height = field.param[2].value;
            int16_t offset = Get_Pointer_Offset();
            if (cell_width > 0 && field.param[3].value_pointer != nullptr) {
                *field.param[3].value_pointer = (int16_t)((Pointer_X() + offset - field.x1) / cell_width);
            }
            if (cell_height > 0 && field.param[4].value_pointer != nullptr) {
                *field.param[4].value_pointer = (int16_t)((Pointer_Y() + offset - field.y1) / cell_height);
            }
        }
        break;
    default: break;
    }
}

void Draw_Fields(void)
{
    if (p_fields == nullptr) return;
    int16_t wx1 = screen_window_x1;
    int16_t wy1 = screen_window_y1;
    int16_t wx2 = screen_window_x2;
    int16_t wy2 = screen_window_y2;
    Reset_Window();
    Set_Page_Off();
    for (int16_t i = 1; i < fields_count && i < FIELDS_MAX; ++i) {
        Field_Record &field = p_fields[i];
        if (i == down_mouse_button && field.kind != ft_Input && field.kind != ft_Grid) {
            Draw_Field(i, 1);
            continue;
        }
        switch (field.kind) {
        case ft_Button: Draw_Field(i, 0); break;
        case ft_Input:
            if (i == down_mouse_button) break;
            Set_Font_Style(field.font_style, field.normal_color, field.highlight_color, 0);
            if (field.param[2].value != 0) Fill(field.x1, field.y1, field.x2, field.y2, field.param[2].value);
            if (field.param[0].text != nullptr) {
                if (field.param[3].value != 0) {
                    Print_Right(field.x2, field.y1, field.param[0].text);
                } else {
                    Print(field.x1, field.y1, field.param[0].text);
                }
            }
            break;
        case ft_Scroll_Bar: {
            int16_t *value = field.param[6].value_pointer;
            if (value == nullptr) break;
            int16_t minimum = field.param[0].value;
            int16_t maximum = field.param[1].value;
            if (minimum >= maximum || *value < minimum) {
                *value = minimum;
            } else if (*value > maximum) {
                *value = maximum;
            }
            break;
        }
        case ft_List_Item: Draw_List_Item(field); break;
        case ft_String: Draw_String_Field(i, field); break;
        default: break;
        }
    }
    Set_Window(wx1, wy1, wx2, wy2);
}

void Push_Field_Down(int16_t index, int16_t x, int16_t y)
{
    if (x < 0 || x >= SCREEN_WIDTH || y < 0 || y >= SCREEN_HEIGHT) return;
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    Save_Mouse_State();
    if (index == down_mouse_button) {
        Restore_Mouse_State();
        return;
    }
    Restore_Mouse_On_Page();
    int16_t old = down_mouse_button;
    if (old >= 1 && old < fields_count) {
        const Field_Record &previous = p_fields[old];
        if (!(previous.kind == ft_List_Item && !previous.selectable)) Draw_Field(old, 0);
    }
    down_mouse_button = index;
    Draw_Field(index, 1);
    if (p_fields[index].kind == ft_Input) {
        x = Pointer_X();
        y = Pointer_Y();
    }
    Save_Mouse_On_Page(x, y);
    Draw_Mouse_On_Page(x, y);
    Set_Pointer_Position(x, y);
    Restore_Mouse_State();
}

void Find_Bar_Position(int16_t index)
{
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    Field_Record &field = p_fields[index];
    int32_t start = field.param[3].value;
    int32_t end = field.param[4].value;
    int32_t value = 0;
    int16_t offset = Get_Pointer_Offset();
    if (field.param[5].value == 0) {
        int32_t p = Pointer_X() + offset;
        if (p >= field.x2) {
            value = end;
        } else if (p <= field.x1) {
            value = start;
        } else {
            value = start + (p - field.x1) * (end - start) / (field.x2 - field.x1);
        }
    } else {
        int32_t p = Pointer_Y() + offset;
        if (p >= field.y2) {
            value = start;
        } else if (p <= field.y1) {
            value = end;
        } else {
            value = start + (field.y2 - p) * (end - start) / (field.y2 - field.y1);
        }
    }
    Store_Bar_Value(field, value);
}

void Increment_Scroll_Bar(int16_t index)
{
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    Field_Record &field = p_fields[index];
    if (field.param[6].value_pointer == nullptr) return;
    int32_t range = Bar_Range(field);
    int32_t start = field.param[3].value;
    // A bar whose start and end coincide has no percentage; a step reaches the end at once.
    int32_t percent = range == 0 ? 101 : ((int32_t)*field.param[6].value_pointer - start) * 100 / range + 5;
    int32_t value = percent > 100 ? field.param[1].value : range * percent / 100 + start;
    if (value > field.param[1].value) value = field.param[1].value;
    *field.param[6].value_pointer = (int16_t)value;
}

void Decrement_Scroll_Bar(int16_t index)
{
    if (p_fields == nullptr || index < 1 || index >= fields_count) return;
    Field_Record &field = p_fields[index];
    if (field.param[6].value_pointer == nullptr) return;
    int32_t range = Bar_Range(field);
    int32_t start = field.param[3].value;
    int32_t percent = range == 0 ? -1 : ((int32_t)*field.param[6].value_pointer - start) * 100 / range - 5;
    int32_t value = percent < 0 ? field.param[0].value : range * percent / 100 + start;
    if (value < field.param[0].value) value = field.param[0].value;
    *field.param[6].value_pointer = (int16_t)value;
}

int16_t Get_List_Field(int16_t x, int16_t y, int16_t width, const char *title, const char *table, int16_t stride,
                       int16_t *selected, const int16_t *selectable, int16_t fill_kind, int16_t remap_table,
                       int16_t gradient1, int16_t gradient2, int16_t gradient3, int16_t help)
{
    list_field_on = 1;
    Set_Input_Delay(1);
    Clear_Fields();
    int16_t line_step = (int16_t)(Get_Font_Height() + Get_Font_Vertical_Spacing());
    int16_t count = 0;
    int16_t first_selectable = -1;
    if (table != nullptr && stride > 0) {
        // The title takes one more field, so at most FIELDS_MAX - 2 items fit.
        while (count < FIELDS_MAX - 2) {
            const char *entry = table + (ptrdiff_t)count * stride;
            if (entry[0] == '\0' && entry[1] == '\0') break;
            int16_t can_choose = selectable != nullptr ? selectable[count] : 1;
            Add_List_Item_Field(x, (int16_t)(y + (count + 1) * line_step), width, entry, can_choose, selected, count,
                                fill_kind, remap_table, gradient1, gradient2, gradient3, "", help);
            if (can_choose && first_selectable < 0) first_selectable = count;
            ++count;
        }
    }
    Set_Font_Style(Get_Current_Font_Style(), Get_Current_Normal_Color(), Get_Current_Special_Color(),
                   Get_Current_Special_Color());
    m_list_private_zero = 0;
    int16_t title_field = Add_List_Item_Field(x, y, width, title, 0, &m_list_private_zero, 0, fill_kind, remap_table,
                                              gradient1, gradient2, gradient3, "", default_help_entry);
    if (selected != nullptr && (*selected < 0 || *selected >= count || *selected < first_selectable)) {
        *selected = first_selectable;
    }
    int16_t result = 0;
    int first_flip = 1;
    for (;;) {
        Mark_Time();
        result = Get_Input();
        // A quit request closes the list as a cancel does.
        if (Platform_Quit_Requested()) {
            result = -1;
            break;
        }
        if (result != 0) {
            int16_t field = result < 0 ? (int16_t)-result : result;
            bool unselectable = field >= 1 && field <= count && !p_fields[field].selectable;
            if (field != title_field && !unselectable) break;
        }
        Invoke_Auto_Function();
        int16_t under = Scan_Input();
        if (under >= 1 && under <= count && selected != nullptr) *selected = (int16_t)(under - 1);
        Apply_Palette();
        Toggle_Pages();
        if (first_flip) {
            Copy_On_To_Off_Page();
            first_flip = 0;
        }
        Release_Time(auto_function_delay);
    }
    Clear_Fields();
    list_field_on = 0;
    Mouse_Clear_Buffers();
    return result < 0 ? (int16_t)-1 : (int16_t)(result - 1);
}

void Assign_Auto_Function(Auto_Function callback, int16_t delay)
{
    m_auto_function = callback;
    m_auto_function_active = 1;
    auto_function_delay = Adjusted_Delay(delay);
}

void Save_Auto_Function(void) { m_saved_auto_function = m_auto_function; }

void Restore_Auto_Function(void)
{
    m_auto_function = m_saved_auto_function;
    m_auto_function_active = 1;
}

void Deactivate_Auto_Function(void) { m_auto_function_active = 0; }

int16_t Auto_Function_Active(void) { return m_auto_function_active; }

void Invoke_Auto_Function(void)
{
    if (m_auto_function_active && m_auto_function != nullptr) m_auto_function();
}

void Call_Auto_Function(void)
{
    if (m_auto_function_active && m_auto_function != nullptr) {
        Mark_Time();
        Set_Page_Off();
        m_auto_function();
        Apply_Palette();
        Toggle_Pages();
        Release_Time(auto_function_delay);
    } else {
        Apply_Palette();
        Toggle_Pages();
    }
}

void Quick_Call_Auto_Function(void)
{
    if (m_auto_function_active && m_auto_function != nullptr) {
        Mark_Time();
        Set_Page_Off();
        m_auto_function();
        Apply_Palette();
        Toggle_Pages();
        Release_Time(1);
    } else {
        Apply_Palette();
        Toggle_Pages();
    }
}

void Reset_String_Field_Cursor(void) { m_string_cursor_stage = 0; }
