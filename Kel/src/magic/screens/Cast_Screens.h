// What completing an overland spell shows the human: the target screen, messages, notices and the
// spell scenes, handed to the casting rules through the magic services.
#pragma once

#include "magic/Magic_Services.h"

void Magic_Install_Cast_Screens(Magic_Services &services);
