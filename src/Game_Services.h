// The services the rules ask of the screens, the computer players and the map view, installed in
// one place at start-up, and emptied again in one place for tests.
#pragma once

// Installs every subsystem's services; once at start-up, after the world is allocated.
void Install_Game_Services(void);
// Empties every service table: the defaults of an unattended run without a screen.
void Reset_Game_Services(void);
