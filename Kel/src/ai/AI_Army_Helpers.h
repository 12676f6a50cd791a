// Small questions the computer players' army planning asks of squares, units and types. Every
// square question answers "no" off the map.
#pragma once

#include <cstdint>

#include "Geometry.h"
#include "world/ALLOC.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

inline int16_t AI_On_Map(int wx, int wy, int wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

// Landmass number of a square; 0 (the sea) off the map.
inline int16_t AI_Landmass_At(int wx, int wy, int wp)
{
    return AI_On_Map(wx, wy, wp) ? (int16_t)_landmasses[World_Square_Index(wx, wy, wp)] : (int16_t)0;
}

inline int16_t AI_Distance(int x1, int y1, int x2, int y2)
{
    return Delta_XY_With_Wrap((int16_t)x1, (int16_t)y1, (int16_t)x2, (int16_t)y2, WORLD_WIDTH);
}

// The type record of a living unit, or null.
inline const Unit_Type_Record *AI_Unit_Type(int16_t unit_idx)
{
    if (unit_idx < 0 || unit_idx >= _units || unit_idx >= UNIT_TABLE_CAPACITY) return nullptr;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS || unit.type >= NUM_UNIT_TYPES) return nullptr;
    return &_unit_type_table[unit.type];
}

// The unit flies or can cross water.
inline int16_t AI_Unit_Air_Or_Water(int16_t unit_idx)
{
    return Unit_Has_AirTravel(unit_idx) || Unit_Has_WaterTravel(unit_idx) ? 1 : 0;
}

// Some player below _num_players holds Planar Seal.
inline int16_t AI_Planar_Seal_In_Force(void)
{
    for (int16_t p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
        if (_players[p].Globals[ge_Planar_Seal] != 0) return 1;
    }
    return 0;
}
