#include "ai/AI_Services.h"

AI_Services ai_services = {};

void AI_Set_Services(const AI_Services &services) { ai_services = services; }
