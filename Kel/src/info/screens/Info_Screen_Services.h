// Installs the information screens behind the end-of-game rules; start-up calls it once.
#pragma once

void Info_Install_Screen_Services(void);
