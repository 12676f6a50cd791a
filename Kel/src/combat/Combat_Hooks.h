// What the combat rules must show, load or play goes through these hooks, which the combat screen
// installs. With none installed nothing is drawn, loaded or played.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

struct Combat_Rule_Hooks {
    // Loads the terrain, tree and rock pictures of a battlefield terrain and plane.
    void (*load_terrain_pictures)(int16_t terrain, int16_t plane);
    // Composes the battlefield's backdrop.
    void (*compose_background)(void);
    // Loads a unit type's figures into a figure set.
    void (*figure_load)(int16_t unit_type, int16_t figure_set);
    // Starts and stops a walking unit's movement sound.
    void (*move_sound_start)(Battle_Unit_Record *bu);
    void (*move_sound_stop)(void);
    // Draws the frames of one step of a walking unit (Move_Step already set).
    void (*draw_move_step)(Battle_Unit_Record *bu);
    // Shows a teleporting or tunnelling unit's instant move; the rules then place it.
    void (*instant_move)(Battle_Unit_Record *bu, int16_t x, int16_t y, int16_t tunnel);
};

// Installs the hooks (nullptr removes them all).
void Combat_Set_Rule_Hooks(const Combat_Rule_Hooks *hooks);
// The installed hooks; every member may be null.
const Combat_Rule_Hooks &Combat_Hooks(void);
