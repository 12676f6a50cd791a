// Fonts and text printing: the font image with its eight styles, colour sets from the loaded
// palette, in-line control codes, shadows and outlines, and the printers for the page, the
// clip window and pictures.
#pragma once

#include <cstdint>

// Text control codes.
constexpr uint8_t TEXT_END = 0;
constexpr uint8_t TEXT_NORMAL_COLORS = 1;
constexpr uint8_t TEXT_HIGHLIGHT_COLORS = 2;
constexpr uint8_t TEXT_SPECIAL_COLORS = 3;
constexpr uint8_t TEXT_HIGHLIGHT_COLORS_2 = 4;
constexpr uint8_t TEXT_LINE_BREAK = 13;
constexpr uint8_t TEXT_LINE_BREAK_2 = 20;
constexpr uint8_t TEXT_STOP = 21;
constexpr uint8_t TEXT_TAB = 25;
constexpr uint8_t TEXT_TAB_2 = 29;

constexpr int FONT_STYLE_PARAGRAPHS = 1112;
constexpr int BORDER_STYLE_PARAGRAPHS = 41;
constexpr int FONT_NAME_SIZE = 16;

extern uint8_t *font_style_data;
extern uint8_t *font_header;
extern uint8_t *border_style_data;
extern char font_name[FONT_NAME_SIZE];
extern uint8_t *palette_intensity_remap_table;

extern int16_t print_xpos;
extern int16_t print_ypos;
extern uint8_t outline_color;
extern int16_t draw_alias_flag;

// ---- set-up and state ----
void Load_Font_File(const char *name);
void Set_Font_Style(int16_t style, int16_t normal, int16_t highlight, int16_t special);
void Set_Font_Style_Shadow_Down(int16_t style, int16_t normal, int16_t highlight, int16_t special);
void Set_Font_Style_Shadow_Up(int16_t style, int16_t normal, int16_t highlight, int16_t special);
void Set_Font_Style_Outline(int16_t style, int16_t normal, int16_t highlight, int16_t special);
void Set_Font_Style_Outline_Heavy(int16_t style, int16_t normal, int16_t highlight, int16_t special);
void Set_Font_Colors_15(int16_t style, const uint8_t *colors);
void Set_Outline_Color(uint8_t color);
void Set_Font_LF(int16_t n);
void Set_Font_Spacing(int16_t n);
void Set_Font_Spacing_Width(int16_t n);
void Set_Alias_Color(uint8_t color);
void Save_Alias_Colors(void);
void Restore_Alias_Colors(void);
void Set_Color_Set(int16_t n);
void Set_Normal_Colors_On(void);
void Set_Highlight_Colors_On(void);
void Set_Special_Colors_On(void);
int16_t Get_Current_Font_Style(void);
int16_t Get_Current_Normal_Color(void);
int16_t Get_Current_Highlight_Color(void);
int16_t Get_Current_Special_Color(void);
int16_t Get_Font_Height(void);
int16_t Get_Font_Vertical_Spacing(void);
int16_t Get_String_Width(const char *text);

// ---- printing: each returns the pen's x after the text ----
int16_t Print(int16_t x, int16_t y, const char *text);
int16_t Print_Centered(int16_t x, int16_t y, const char *text);
int16_t Print_Right(int16_t x, int16_t y, const char *text);
// A width with bit 15 set means no justification.
int16_t Print_Full(int16_t x, int16_t y, const char *text, int16_t width);
int16_t Print_Integer(int16_t x, int16_t y, int16_t value);
int16_t Print_Integer_Right(int16_t x, int16_t y, int16_t value);
int16_t Print_Integer_Centered(int16_t x, int16_t y, int16_t value);
int16_t Print_Far(int16_t x, int16_t y, const char *text);
int16_t Print_Centered_Far(int16_t x, int16_t y, const char *text);
int16_t Print_Display(int16_t x, int16_t y, const char *text, int16_t width);

int16_t Clipped_Print(int16_t x, int16_t y, const char *text);
int16_t Clipped_Print_Centered(int16_t x, int16_t y, const char *text);
int16_t Clipped_Print_Right(int16_t x, int16_t y, const char *text);
int16_t Clipped_Print_Integer(int16_t x, int16_t y, int16_t value);
int16_t Clipped_Print_Far(int16_t x, int16_t y, const char *text);

int16_t Print_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap);
int16_t Print_Centered_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap);
int16_t Print_Right_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap);
int16_t Print_Full_To_Bitmap(int16_t x, int16_t y, const char *text, int16_t width, uint8_t *bitmap);
int16_t Print_To_Bitmap_Far(int16_t x, int16_t y, const char *text, uint8_t *bitmap);

// Removes every leading blank and at most one trailing blank, in place. Returns the new
// length, or -1 when there was no trailing blank.
int16_t Trim(char *text);
void String_Copy_Far(char *destination, const char *source);

// Debug printers: inert once the release flag is set, which start-up always does.
void Disp_PSTR(int16_t x, int16_t y, const char *text);
void DBG_Disp_PSTR(int16_t x, int16_t y, const char *text);
void ST_PSTR(int16_t x, int16_t y, const char *text);
void ST_PSTRM(int16_t x, int16_t y, const char *text);
