// The computer wizards' and the neutral player's turn.
#pragma once

// They move their units, build and act; runs inside the world turn.
void AI_Next_Turn(void);
