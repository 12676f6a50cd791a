// Every city's figures recomputed at once: at the turn's start and end, and after a game is loaded.
#pragma once

// Do_City_Calculations for every city in index order.
void All_City_Calculations(void);
// For every city: its figures, then farmers raised to the fewest that feed it, then its rebels.
void All_Colony_Calculations(void);
