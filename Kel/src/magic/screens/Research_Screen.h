// The big book's screens: the human's choice of the next research spell on the research spread,
// the apprentice's browsing, and the scene of a learned spell. Magic_Install_Screens hands the
// choice and the scene to the research rules.
#pragma once

#include <cstdint>

// The research spread of the big book; the candidate slot clicked (0-7), or -1 when left otherwise.
int16_t Research_Choice_Screen(void);
// The apprentice's browsing of the human's big book, opened at the research spread; the left page
// open when it is left.
int16_t Apprentice_Screen(void);
// Installs the magic screens into the magic rules' service table.
void Magic_Install_Screens(void);
