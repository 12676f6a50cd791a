// How a battle unit moves over the grid: the cost map of its way of moving, the cells no one may enter,
// the city's walls and a flying city's edge, the walk itself, the Wall of Fire on the way in.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// 2 flying, 5 swimming, 1 walking (mountaineers and foresters too), 4 sailing.
int16_t Battle_Unit_Movement_Mode(const Battle_Unit_Record *bu);
// 6 teleporting, 7 merging, else 0.
int16_t Battle_Unit_Instant_Movement_Mode(const Battle_Unit_Record *bu);
// Copies into _cmbt_movepath_cost_map the cost grid of the unit's way of moving.
void Set_Movement_Cost_Map(const Battle_Unit_Record *bu);
// Adds the city-wall and flying-city restrictions for the unit to the working map; returns 0.
int16_t Update_Move_Map_City_Area_Restrictions(const Battle_Unit_Record *bu);
// Builds the unit's working map with every cell it may not enter: units, vortices, the centre, walls.
void Combat_Build_Unit_Cost_Map(const Battle_Unit_Record *bu);
// Moves the unit toward the cell; an unreachable cell leaves it, its moves and its facing unchanged.
void Move_Battle_Unit(Battle_Unit_Record *bu, int16_t x, int16_t y);
// Burns a unit stepping from outside into the city through a Wall of Fire.
void Check_Wall_Of_Fire_Attack(Battle_Unit_Record *bu);
