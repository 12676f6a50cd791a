// The panel on which the human picks a rival's global enchantment to dispel or bind.
#pragma once

#include "magic/Magic_Services.h"

void Magic_Install_Global_Enchantment_Panel(Magic_Services &services);
