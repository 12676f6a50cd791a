#include "ai/AI_World_Hooks.h"

#include "ai/AI_Mercenaries.h"
#include "world/Army_Services.h"

void AI_Install_World_Hooks(void)
{
    Army_World_Services services = army_world_services;
    services.accept_mercenaries = AI_Accept_Mercenaries;
    Army_Set_World_Services(services);
}
