// Screen 200: the scroll bar, the grid and the modal list picker at work.
#pragma once

#include <cstdint>

extern int16_t m_test_scroll_value;

void Test_Screen(void);
void Test_Screen_Draw(void);
