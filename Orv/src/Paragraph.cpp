#include "Paragraph.h"

#include <cstring>

#include "Font_Image.h"
#include "Fonts.h"

int16_t paragraph_max_lines = 0;
int16_t paragraph_line_x_start[PARAGRAPH_LINES_MAX];
int16_t paragraph_line_x_end[PARAGRAPH_LINES_MAX];
int16_t paragraph_line_y_start[PARAGRAPH_LINES_MAX];
int16_t paragraph_line_offset[PARAGRAPH_LINES_MAX];
int16_t exclusion_count = 0;

namespace {

struct Exclusion_Area {
    int16_t x1, y1, x2, y2;
};
Exclusion_Area m_exclusions[PARAGRAPH_EXCLUSIONS_MAX];

// A layout that has not ended after this many steps never will (a line feed of 0 with a word
// too wide for the line): it gives up like one that runs off the page.
constexpr int LAYOUT_STEPS_MAX = 4096;

bool Is_Line_End(uint8_t ch)
{
    return ch == TEXT_END || ch == TEXT_LINE_BREAK || ch == TEXT_LINE_BREAK_2 || ch == TEXT_TAB || ch == TEXT_TAB_2;
}

// The two digits after a code 25 or 29; the terminator is never passed.
int Read_Two_Digits(const char *text, int *at)
{
    int value = 0;
    for (int k = 0; k < 2 && text[*at] != 0; ++k, ++*at) value = value * 10 + (text[*at] - '0');
    return value;
}

// Line i's text, up to its break mark or end code, cut to fit the scratch buffer.
const char *Line_Text(const char *text, int i, char *scratch, int size)
{
    const char *from = text + paragraph_line_offset[i];
    int n = 0;
    while (n < size - 1 && from[n] != TEXT_STOP && !Is_Line_End((uint8_t)from[n])) {
        scratch[n] = from[n];
        ++n;
    }
    scratch[n] = 0;
    return scratch;
}

void Print_Lines(char *text, int16_t type, uint8_t *bitmap)
{
    char scratch[256];
    for (int i = 0; i < paragraph_max_lines; ++i) {
        const char *line = Line_Text(text, i, scratch, (int)sizeof scratch);
        int16_t left = paragraph_line_x_start[i];
        int16_t right = paragraph_line_x_end[i];
        int16_t y = paragraph_line_y_start[i];
        int16_t kind = (type == PARAGRAPH_JUSTIFIED && i == paragraph_max_lines - 1) ? (int16_t)PARAGRAPH_LEFT : type;
        switch (kind) {
        case PARAGRAPH_RIGHT:
            if (bitmap)
                Print_Right_To_Bitmap(right, y, line, bitmap);
            else
                Print_Right(right, y, line);
            break;
        case PARAGRAPH_CENTERED:
            if (bitmap)
                Print_Centered_To_Bitmap((int16_t)((left + right) / 2), y, line, bitmap);
            else
                Print_Centered((int16_t)((left + right) / 2), y, line);
            break;
        case PARAGRAPH_JUSTIFIED:
            if (bitmap)
                Print_Full_To_Bitmap(left, y, line, (int16_t)(right - left), bitmap);
            else
                Print_Full(left, y, line, (int16_t)(right - left));
            break;
        default:
            if (bitmap)
                Print_To_Bitmap(left, y, line, bitmap);
            else
                Print(left, y, line);
            break;
        }
    }
    Remove_Paragraph_Marks(text);
    exclusion_count = 0;
}

}  // namespace

void Mark_Paragraph(int16_t x, int16_t y0, int16_t width, char *text)
{
    const uint8_t *font = font_header;
    int height = font[FONT_CURRENT_HEIGHT];
    int spacing = font[FONT_HORIZONTAL_SPACING];
    int line_feed = font[FONT_LINE_FEED];
    int y = y0;
    int p = 0;
    int pending_left = -1;
    int has_pending = 0;
    paragraph_max_lines = 0;
    for (int steps = 0; text[p] != TEXT_END; ++steps) {
        if (steps >= LAYOUT_STEPS_MAX) {
            paragraph_max_lines = 0;
            return;
        }
        int left = has_pending ? pending_left : x;
        int right = x + width - 1;
        bool room = left < right;
        for (int a = 0; a < exclusion_count && room; ++a) {
            const Exclusion_Area &area = m_exclusions[a];
            bool concerns = (y >= area.y1 && y <= area.y2) || (y + line_feed >= area.y1 && y + height <= area.y2);
            if (concerns && left < area.x2 && area.x1 < right) {
                if (left < area.x1) {
                    right = area.x1 - 1;
                } else {
                    left = area.x2 + 1;
                }
            }
            room = left < right;
        }
        int end_code = -1;
        int next_y = -1;
        int next_left = -1;
        if (room) {
            if (y + height > 199) {
                paragraph_max_lines = 0;
                return;
            }
            int available = right - left + 1;
            int last_blank = -1;
            int q = p;
            bool full = false;
            for (;; ++q) {
                uint8_t ch = (uint8_t)text[q];
                if (Is_Line_End(ch)) {
                    end_code = ch;
                    break;
                }
                if (ch >= 32 && ch <= 127) {
                    available -= font[FONT_CURRENT_WIDTHS + ch - 32] + spacing;
                    if (ch == ' ') last_blank = q;
                }
                if (available < -spacing) {
                    full = true;
                    break;
                }
            }
            // The table holds 64 lines; a layout that needs more stops there.
            if (paragraph_max_lines >= PARAGRAPH_LINES_MAX) return;
            paragraph_line_x_start[paragraph_max_lines] = (int16_t)left;
            paragraph_line_x_end[paragraph_max_lines] = (int16_t)right;
            paragraph_line_y_start[paragraph_max_lines] = (int16_t)y;
            paragraph_line_offset[paragraph_max_lines] = (int16_t)p;
            ++paragraph_max_lines;
            if (full) {
                if (last_blank >= 0) {
                    text[last_blank] = (char)TEXT_STOP;
                    p = last_blank + 1;
                } else if (line_feed <= 0 && right == x + width - 1) {
                    // The next try would be on the same row: the word can never fit.
                    paragraph_max_lines = 0;
                    return;
                }
                end_code = -1;
            } else if (end_code == TEXT_END) {
                p = q;
            } else if (end_code == TEXT_LINE_BREAK || end_code == TEXT_LINE_BREAK_2) {
                p = q + 1;
            } else {
                int at = q + 1;
                int value = Read_Two_Digits(text, &at);
                p = at;
                if (end_code == TEXT_TAB)
                    next_y = value;
                else
                    next_left = value;
            }
        }
        if (right < x + width - 1) {
            has_pending = 1;
            pending_left = right + 1;
        } else if (next_y >= 0) {
            y = next_y;
            has_pending = 0;
        } else if (next_left >= 0) {
            has_pending = 1;
            pending_left = next_left;
        } else {
            y += line_feed;
            has_pending = 0;
        }
    }
}

void Print_Paragraph(int16_t x, int16_t y, int16_t width, char *text, int16_t type)
{
    Mark_Paragraph(x, y, width, text);
    Print_Lines(text, type, nullptr);
}

void Print_Paragraph_To_Bitmap(int16_t x, int16_t y, int16_t width, char *text, int16_t type, uint8_t *bitmap)
{
    Mark_Paragraph(x, y, width, text);
    Print_Lines(text, type, bitmap);
}

int16_t Get_Paragraph_Max_Height(int16_t width, char *text)
{
    Mark_Paragraph(0, 0, width, text);
    Remove_Paragraph_Marks(text);
    if (paragraph_max_lines == 0) return 0;
    return (int16_t)(paragraph_line_y_start[paragraph_max_lines - 1] + Get_Font_Height());
}

int16_t Get_Paragraph_Max_Width(int16_t width, char *text, int16_t type)
{
    Mark_Paragraph(0, 0, width, text);
    char scratch[256];
    int smallest = 1000;
    int largest = 0;
    for (int i = 0; i < paragraph_max_lines; ++i) {
        int left = paragraph_line_x_start[i];
        int right = paragraph_line_x_end[i];
        int w = Get_String_Width(Line_Text(text, i, scratch, (int)sizeof scratch));
        int from = left, to = right;
        if (type == PARAGRAPH_LEFT) {
            to = left + w;
        } else if (type == PARAGRAPH_RIGHT) {
            from = right - w;
        } else if (type == PARAGRAPH_CENTERED) {
            int half = (right - left) / 2;
            from = half - w / 2;
            to = half + w / 2;
        }
        if (from < smallest) smallest = from;
        if (to > largest) largest = to;
    }
    Remove_Paragraph_Marks(text);
    return (int16_t)(largest - smallest + 1);
}

void Set_Paragraph_Exclusion_Area(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (exclusion_count < 0) exclusion_count = 0;
    if (exclusion_count >= PARAGRAPH_EXCLUSIONS_MAX) return;
    m_exclusions[exclusion_count++] = Exclusion_Area{x1, y1, x2, y2};
}

void Reset_Paragraph_Exclusions(void) { exclusion_count = 0; }

void Remove_Paragraph_Marks(char *text)
{
    for (char *p = text; *p != 0; ++p)
        if (*p == (char)TEXT_STOP) *p = ' ';
}
