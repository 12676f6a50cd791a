// Paragraph layout: a text broken into lines that fit a width in the current font style,
// flowing around up to four exclusion areas, printed with one of four alignments.
#pragma once

#include <cstdint>

constexpr int PARAGRAPH_LINES_MAX = 64;
constexpr int PARAGRAPH_EXCLUSIONS_MAX = 4;

enum Paragraph_Alignment : int16_t {
    PARAGRAPH_LEFT = 0,
    PARAGRAPH_RIGHT = 1,
    PARAGRAPH_CENTERED = 2,
    PARAGRAPH_JUSTIFIED = 3,  // the last line left-aligned
};

extern int16_t paragraph_max_lines;  // lines of the last layout
extern int16_t paragraph_line_x_start[PARAGRAPH_LINES_MAX];
extern int16_t paragraph_line_x_end[PARAGRAPH_LINES_MAX];
extern int16_t paragraph_line_y_start[PARAGRAPH_LINES_MAX];
extern int16_t paragraph_line_offset[PARAGRAPH_LINES_MAX];
extern int16_t exclusion_count;

// The layout writes code 21 at the blanks where it breaks lines: texts must be writable.
void Mark_Paragraph(int16_t x, int16_t y, int16_t width, char *text);
void Print_Paragraph(int16_t x, int16_t y, int16_t width, char *text, int16_t type);
void Print_Paragraph_To_Bitmap(int16_t x, int16_t y, int16_t width, char *text, int16_t type, uint8_t *bitmap);
int16_t Get_Paragraph_Max_Height(int16_t width, char *text);
int16_t Get_Paragraph_Max_Width(int16_t width, char *text, int16_t type);
void Set_Paragraph_Exclusion_Area(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
void Reset_Paragraph_Exclusions(void);
void Remove_Paragraph_Marks(char *text);
