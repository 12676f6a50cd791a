// Watches the world state for values that would make drawing read outside the map data, and the
// engine arena's guards. Reports through the log and changes nothing in the world.
#pragma once

#include <cstdint>

constexpr int INTEGRITY_MAX_TERRAIN = 762;
constexpr int INTEGRITY_MAX_GUARD_REPORTS = 16;

// Runs every check; returns the number of failing checks plus the number of damaged arena guards.
int Integrity_Checkpoint(const char *name);
int Integrity_Terrain_Square_Is_Valid(int16_t wx, int16_t wy, int16_t wp);
// latch: the caller's own i16, 1 while it has refused squares, so each change is logged once.
void Integrity_Report_Refused_Squares(const char *name, int16_t *latch, int count, int16_t wx, int16_t wy, int16_t wp);
// Sets the checkpoint's latches back to 0 (tests start from a fresh run's state).
void Integrity_Reset_Latches(void);
