#include "Release.h"

int16_t release_flag = 0;

void Release_Version(void) { release_flag = 1; }
int16_t Check_Release_Version(void) { return release_flag; }

// Debug key and screen dump of the DOS engine; a release build has neither, and the flag is
// always set once the game runs.
void F11_Key(void) {}
void Screen_Flic_Capture(void) {}
