// The chancellor's scroll: what the last world turn cost or gained the human, unrolled over the main
// screen. Modal: returns when the player closes it.
#pragma once

#include <cstdint>

// from_advisor: 0 after the world turn, 1 when the advisor asks for it (then also the events in force).
void Chancellor_Screen__WIP(int16_t from_advisor);

// Its loading, per-frame drawing (the finished scroll and its arrows) and the text on the paper.
void Chancellor_Screen_Load(void);
void Chancellor_Screen_Draw(void);
void Chancellor_Screen_Scroll_Draw__WIP(int16_t from_advisor);

// The scroll's text rows, as Chancellor_Screen_Scroll_Draw__WIP prints them.
constexpr int CHANCELLOR_TEXT_SIZE = 96;
constexpr int CHANCELLOR_TEXT_ROWS_MAX = 9 + 8 + 8 * 20 + 1;
enum Chancellor_Row_Kind : int16_t {
    crk_Heading = 0,  // font 4, centred on x
    crk_Body = 1,     // font 1, from x
};
struct Chancellor_Text_Row {
    int16_t kind;
    int16_t x;
    int16_t row;  // from the text top
    char text[CHANCELLOR_TEXT_SIZE];
};
// Fills rows (room for CHANCELLOR_TEXT_ROWS_MAX) and returns how many there are.
int16_t Chancellor_Report_Text(int16_t from_advisor, Chancellor_Text_Row *rows);

// The scroll's state while it is shown.
extern int16_t _scroll_text_top;
extern int16_t _scroll_start_x;
extern int16_t _scroll_text_height;
extern int16_t m_report_scroll_text_height;
