// Cities joined by an unbroken road on one landmass trade with each other: each city keeps the set
// of cities it is joined to (City_Record::road_connections, bit k for city k, always set both ways).
// And the path a road-building stack follows between two squares of one landmass.
#pragma once

#include <cstdint>

// The room a caller gives OVL_GetRoadPath.
constexpr int ROAD_PATH_MAX_STEPS = 256;

void Reset_City_Road_Connection_Bitfields(void);
// Recomputes the sets of the cities whose square has the landmass number of (wx, wy, wp).
void Reset_Landmass_Road_Connection_Bitfields(int16_t wx, int16_t wy, int16_t wp);
// Writes the steps after the start up to the goal, preferring road squares and never leaving the
// start's landmass, into xs and ys, at most ROAD_PATH_MAX_STEPS of them (the first ones of a longer
// path); returns the number written. 0 for a start on water or a goal on another landmass.
int16_t OVL_GetRoadPath(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t wp, int8_t *xs, int8_t *ys);
