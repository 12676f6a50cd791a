// The lairs, combat, cities and map-view services that the army rules ask for through hooks.
#pragma once

// Installs them; once at start-up, after the world is allocated.
void Army_Install_World_Hooks(void);
