// The computer players' lists of land and shore squares by landmass.
#pragma once

// Per plane, the land squares by landmass.
void Build_Land_Linked_List(void);
// Per plane, the shore squares by landmass.
void Build_Dock_Linked_List(void);
