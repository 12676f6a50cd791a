// The battlefield as the combat screen draws it: the backdrop of ground tiles and the lower panel,
// the animated ground and cell markers of each frame, and the depth-sorted things standing on the
// map (trees, rocks, houses, walls, figures, curse marks, missiles).
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Animation counters of the map, advanced once per drawn map.
extern int16_t _combat_road_anim_frame;
extern int16_t _combat_water_anim_frame;
extern int16_t _combat_chaos_node_anim_frame;
extern int16_t _combat_magic_wall_anim_frame;
extern int16_t _combat_curse_anim_frame;
extern int16_t combat_walk_anim_frame;
extern int16_t combat_idle_anim_frame;
extern int16_t _combat_unit_attack_anim_frame;
extern int16_t _combat_unit_defend_anim_frame;
extern int16_t _combat_mud_anim_phase;
extern int16_t frame_anim_cycle;
// The highlighted cells: the active unit's and the one under the mouse.
extern int16_t frame_active_flag, frame_active_cgx, frame_active_cgy;
extern int16_t frame_scanned_flag, frame_scanned_cgx, frame_scanned_cgy;

// The screen point of the scan cell (row j 0..21, column i 0..10) and its grid cell.
void Combat_Scan_Cell(int16_t j, int16_t i, int16_t *x, int16_t *y, int16_t *screen_x, int16_t *screen_y);
// Draws the ground tiles and the lower panel on the off page and copies it to the back page.
void Combat_Compose_Background(void);
// Rebuilds the list of things on the map for this frame.
void Combat_Grid_Entities(void);
// Copies the backdrop, draws the animated ground, the markers and the things on the map.
void Combat_Screen_Map_Draw(void);
// The curse mark a unit shows (0 Vertigo .. 7 Web), -1 none; sets its effect code for Black Sleep
// (1) and Warp Creature (3).
int16_t Battle_Unit_Curse_Effects(Battle_Unit_Record *bu);
// The frame of a unit's figures this frame from its animation state.
int16_t Combat_Figure_Frame(int16_t battle_unit_idx);
