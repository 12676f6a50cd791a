// The screens the rules of the turn show: installed into the turn's services at start-up.
#pragma once

#include <cstdint>

struct Diplomacy_Menu;

void Turn_Install_Screen_Services(void);

// The engine's list picker over the audience: the menu's lines under its message or under the
// statement of the audience; the line picked, or a negative value for none.
int16_t Diplomacy_Engine_Pick(const Diplomacy_Menu &menu);
