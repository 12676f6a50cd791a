// The field list of the current screen: rectangles and keys that the input loop hits, the
// adders that fill it, the fields the engine draws itself, scroll-bar arithmetic, the modal
// list picker and the one redraw callback (the auto function) run while input is awaited.
#pragma once

#include <cstddef>
#include <cstdint>

enum Field_Kind : int16_t {
    ft_Button = 0,
    ft_Toggle_Button = 1,
    ft_Locked_Button = 2,
    ft_Multi_Button = 3,
    ft_Input = 4,
    ft_Picture = 5,
    ft_Scroll_Bar = 6,
    ft_Hidden = 7,
    ft_Multi_Hot_Key = 8,
    ft_Click_Link = 9,
    ft_List_Item = 10,
    ft_String = 11,
    ft_Grid = 12,
};

// One parameter slot: wide enough for a pointer or an i16, as the kind needs.
union Field_Slot {
    int16_t value;
    void *pointer;
    char *text;
    const char *word;
    uint8_t *picture;
    int16_t *value_pointer;
    const uint8_t *colors;
};
static_assert(sizeof(Field_Slot) == 8, "a slot holds a pointer");

struct Field_Record {
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
    int16_t kind;
    int16_t help;
    int16_t font_style;
    int16_t normal_color;
    int16_t list_fill_kind;
    int16_t selectable;
    int16_t highlight_color;
    Field_Slot param[7];  // slots 1..7 at param[0..6]
    int16_t hot_key;
};
static_assert(sizeof(Field_Record) == 88, "Field_Record is 88 bytes");
static_assert(offsetof(Field_Record, kind) == 8, "kind follows the rectangle");
static_assert(offsetof(Field_Record, param) == 24, "slots follow the i16 values");
static_assert(offsetof(Field_Record, hot_key) == 80, "hot key follows the slots");

// Slot numbers as the kinds use them (1-based, as in the record description).
inline Field_Slot &Field_Param(Field_Record &field, int slot) { return field.param[slot - 1]; }

constexpr int FIELDS_MAX = 150;
constexpr int16_t OFF_SCREEN_FIELD = 500;

extern Field_Record *p_fields;
extern int16_t fields_count;
extern int16_t down_mouse_button;
extern int16_t auto_input_variable;
extern int16_t down_x;
extern int16_t down_y;
extern int16_t auto_function_delay;
extern int16_t list_field_on;
extern int16_t input_field_active;
extern int16_t active_input_field_number;
extern char continuous_string[30];
extern int16_t default_help_entry;

// Makes sure the list exists (carved once from the engine's memory blocks).
void Fields_Allocate(void);

void Clear_Fields(void);
int16_t Clear_Fields_Above(int16_t n);
int16_t Auto_Input(void);
void Set_Button_Down_Offsets(int16_t dx, int16_t dy);

// The hot key of a hot-key string: first character, a..z upper-cased, empty gives 0.
int16_t Field_Hot_Key_From_Text(const char *hot_key);

int16_t Add_Button_Field(int16_t x, int16_t y, const char *label, uint8_t *picture, const char *hot_key, int16_t help);
int16_t Add_Input_Field(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length, int16_t fill_color,
                        int16_t right_align, int16_t cursor_style, const uint8_t *cursor_colors, const char *hot_key,
                        int16_t help);
int16_t Add_Continuous_String_Input_Field(int16_t x, int16_t y, int16_t width, char *text, int16_t max_length,
                                          int16_t fill_color, uint8_t *background, int16_t help, int16_t shadow_mode);
int16_t Add_Picture_Field(int16_t x, int16_t y, uint8_t *picture, const char *hot_key, int16_t help);
int16_t Add_Hidden_Field(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const char *hot_key, int16_t help);
int16_t Add_Hot_Key(const char *hot_key);
int16_t Add_Multi_Hot_Key_Field(const char *word);
int16_t Add_Grid_Field(int16_t x, int16_t y, int16_t cell_width, int16_t cell_height, int16_t columns, int16_t rows,
                       int16_t *column_result, int16_t *row_result, int16_t help);
int16_t Add_Scroll_Field(int16_t x, int16_t y, int16_t bar_start, int16_t bar_end, int16_t minimum, int16_t maximum,
                         int16_t width, int16_t height, int16_t *value, const char *hot_key, int16_t help);
int16_t Add_Scroll_Field_Far(int16_t x, int16_t y, int16_t bar_start, int16_t bar_end, int16_t minimum, int16_t maximum,
                             int16_t width, int16_t height, int16_t *value, const char *hot_key, int16_t help);
int16_t Add_List_Item_Field(int16_t x, int16_t y, int16_t width, const char *text, int16_t selectable,
                            int16_t *selected, int16_t item_index, int16_t fill_kind, int16_t remap_table,
                            int16_t gradient1, int16_t gradient2, int16_t gradient3, const char *hot_key, int16_t help);

void Draw_Fields(void);
void Draw_Field(int16_t field, int16_t pressed);
void Push_Field_Down(int16_t field, int16_t x, int16_t y);

void Find_Bar_Position(int16_t field);
void Increment_Scroll_Bar(int16_t field);
void Decrement_Scroll_Bar(int16_t field);

// table: entries of stride bytes, ended by one whose first two bytes are zero.
int16_t Get_List_Field(int16_t x, int16_t y, int16_t width, const char *title, const char *table, int16_t stride,
                       int16_t *selected, const int16_t *selectable, int16_t fill_kind, int16_t remap_table,
                       int16_t gradient1, int16_t gradient2, int16_t gradient3, int16_t help);

typedef void (*Auto_Function)(void);
void Assign_Auto_Function(Auto_Function callback, int16_t delay);
void Save_Auto_Function(void);
void Restore_Auto_Function(void);
void Deactivate_Auto_Function(void);
int16_t Auto_Function_Active(void);
void Invoke_Auto_Function(void);
void Call_Auto_Function(void);
void Quick_Call_Auto_Function(void);

// Cursor blink of the edited string field: restarts at stage 0.
void Reset_String_Field_Cursor(void);
