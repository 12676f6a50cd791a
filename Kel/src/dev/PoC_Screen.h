// Screen 240: a small screen that shows the field system at work: a button that asks through
// a confirmation box, hot keys for the warning, the selection box and the two notifications, a
// text field edited in the input box, and a help area.
#pragma once

#include <cstdint>

constexpr int POC_TEXT_SIZE = 21;

extern char m_poc_text[POC_TEXT_SIZE];
extern int16_t m_poc_last_answer;

void PoC_Screen(void);
void PoC_Screen_Draw(void);
