#include "ai/AI_World_Hooks.h"

#include "ai/AI_Mercenaries.h"
#include "world/Site_Evaluation.h"

void AI_Install_World_Hooks(void) { Site_Evaluation_Set_Accept_Mercenaries_Hook(AI_Accept_Mercenaries); }
