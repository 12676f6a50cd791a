// The magic screen's state that outlives the screen: the staff locks, cleared when a game resumes.
#include "magic/Magic_Screen.h"

int16_t skill_staff_locked = 0;
int16_t mana_staff_locked = 0;
int16_t research_staff_locked = 0;
