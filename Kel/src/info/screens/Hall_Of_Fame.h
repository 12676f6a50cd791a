// The hall of fame (screen 14) and the end-of-game score that enters it.
#pragma once

void Hall_Of_Fame_Screen(void);
