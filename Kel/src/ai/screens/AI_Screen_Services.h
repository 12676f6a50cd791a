// The map view that the computer players' turn reads and restores, installed at start-up.
#pragma once

void AI_Install_Screen_Services(void);
