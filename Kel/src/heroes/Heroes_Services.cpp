#include "heroes/Heroes_Services.h"

Heroes_Services heroes_services = {};

void Heroes_Set_Services(const Heroes_Services &services) { heroes_services = services; }
