// The resets of a new game beside the players: the item pool, every wizard's hero roster and the
// random events.
#pragma once

#include <cstdint>

#include "world/Unit_Record.h"

constexpr int16_t FIRST_EVENT_TURN = 50;
constexpr int NUM_EVENT_STATES = 18;
constexpr int NUM_ROSTER_PLAYERS = 5;  // the neutral player keeps no heroes

enum Hero_Pick_Kind : int16_t {
    hpk_Fighter = 0,
    hpk_Mage = 1,
    hpk_Either = 2,
};

// One record per hero type (the unit types 0 to 34): the random picks its roster entry gets at a
// new game, of which kind, and what it always has.
struct Hero_Premade_Record {
    int16_t picks;
    int16_t pick_kind;  // Hero_Pick_Kind
    uint32_t abilities;
    int16_t casting_skill;
    int16_t spells[4];
};

extern const Hero_Premade_Record _hero_premade_table[NUM_HERO_TYPES];

// Word indices of the events' state words in events_table.
extern const int EVENT_STATE_WORDS[NUM_EVENT_STATES];

// Every item slot free and every prefab item unused.
void Initialize_Items(void);
// Level 0 and this game's random abilities for every hero type of players 0 to 4.
void Init_Heroes(void);
// The events quiet, the first one no earlier than turn 50.
void Initialize_Events(void);
