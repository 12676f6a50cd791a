// The human's choices among named lines that completing a spell asks.
#pragma once

#include "magic/Magic_Services.h"

void Magic_Install_Choices(Magic_Services &services);
