// The choice of what the current city builds (screen 108).
#pragma once

void Production_Screen(void);
