// The engine's modal boxes: yes/no confirmation, warning, list selection. Each takes over input
// until answered and gives the screen back as it found it; pictures from RESOURCE.LBX.
#pragma once

#include <cstdint>

constexpr int MESSAGE_BOX_TEXT_SIZE = 1000;

extern char message_box_text[MESSAGE_BOX_TEXT_SIZE];
extern int16_t message_box_x;
extern int16_t message_box_y;
extern int16_t confirmation_box_x_offset;
extern int16_t confirmation_box_y_offset;
extern int16_t m_warning_type;

// Colour sets: each name starts five colours into one shared run, and Set_Font_Colors_15 reads
// sixteen from there, so each set borrows the colours of the sets after it.
extern const uint8_t COL_Dialog_Run[41];
extern const uint8_t *const COL_ConfirmShadows;
extern const uint8_t *const COL_Dialog_Text;
extern const uint8_t *const COL_ListSel_Shadows;
extern const uint8_t *const COL_ListSel_Titles;
extern const uint8_t *const COL_Warning1;
extern const uint8_t *const COL_Warning2;

// 1 for Yes, 0 for No.
int16_t Confirmation_Box(const char *text);
void Confirmation_Box_Draw(void);
void Warn0(const char *text);
void Warn1(const char *text);
void Warn(const char *text);
void Warn_Draw(void);
// list: text pointers ended by an empty text; at most rows (up to 10) are shown. The chosen
// index, or -1 for a click outside the box.
int16_t Selection_Box(int16_t rows, const char *const *list, int16_t scroll_column, const char *title);
void Selection_Box_Draw(void);
