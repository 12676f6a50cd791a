// The unit type table as play uses it: upkeep from the cost and the sound of each type.
#pragma once

// Runs once after a game is loaded or begun: types 0-153 pay (cost + 49) / 50, the first unit
// of each race nothing; types 0-147 and 197 get their sound numbers. Other types keep theirs.
void Patch_Units_Upkeep_And_Sound(void);
