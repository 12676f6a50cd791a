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
// The big book's context help: records 2-5 of its list name the shown left page's lines, 6-9 the
// right page's. Big_Book_Help_Load loads the list; Big_Book_Help_Update follows the open spread.
void Big_Book_Help_Load(void);
void Big_Book_Help_Update(void);
