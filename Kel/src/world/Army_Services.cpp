#include "world/Army_Services.h"

Army_World_Services army_world_services = {};

void Army_Set_World_Services(const Army_World_Services &services) { army_world_services = services; }
