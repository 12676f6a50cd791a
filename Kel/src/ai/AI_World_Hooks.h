// The computer players' answers that the world rules ask for through hooks.
#pragma once

// Installs them; once at start-up, after the world is allocated.
void AI_Install_World_Hooks(void);
