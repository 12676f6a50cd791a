#include "turn/Turn_Services.h"

Turn_Services turn_services = {};

void Turn_Set_Services(const Turn_Services &services) { turn_services = services; }
