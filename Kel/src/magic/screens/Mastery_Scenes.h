// The Spell of Mastery's announcement, victory and defeat sequences.
#pragma once

#include "magic/Magic_Services.h"

void Magic_Install_Mastery_Scenes(Magic_Services &services);
