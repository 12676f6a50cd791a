// The final picture tiles of a new world.
#pragma once

// Shores, mountains, tundra and hills on both planes.
void Korvad_Autotiling(void);
// Desert edges on both planes.
void Desert_Autotile(void);
// Random look-alike variants of grassland, forest, desert, swamp and tundra on both planes.
void Shuffle_Terrains(void);
