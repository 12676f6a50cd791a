// The human's first view of the map around the fortress, and the animated ocean squares.
#pragma once

void Init_Square_Explored(void);
void Animate_Oceans(void);
