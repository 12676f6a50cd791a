#include "info/Info_Services.h"

Info_Screen_Services info_screen_services = {};

void Info_Set_Screen_Services(const Info_Screen_Services &services) { info_screen_services = services; }
