// The players' first values in a new game, after the worlds are built: treasury, casting skill,
// power shares, the computer wizards' characters, summoning circles, the Spell of Mastery's cost,
// report counters, capital races and the starting relations between wizards.
#pragma once

#include <cstdint>

#include "world/Player_Record.h"

constexpr int16_t COMPUTER_WIZARD_START_GOLD = 150;
constexpr int16_t SUMMONING_CIRCLE_REVIEW_BASE = 80;
constexpr int16_t SUMMONING_CIRCLE_REVIEW_SPREAD = 40;
constexpr int16_t MASTERY_COST_RELIEF = 3000;  // for a wizard with a full realm of books
constexpr int16_t STARTING_RELATION_FLOOR = -90;

extern const char *const _personality_type_names[NUM_PERSONALITIES];
extern const char *const _objective_type_names[NUM_OBJECTIVES];

// Runs after the worlds, the computer wizards and the events are made; every step below in order.
void Init_Runtime(void);

void Init_Players(void);
void Init_CP_Strategy(void);
void Init_Magic_Personalities_Objectives(void);
void Init_Summoning_Circle_And_Spell_Of_Mastery(void);
void Initialize_Messages(void);
void Init_Diplomatic_Relations(void);

// The weights a wizard's primary realm (as its record holds it) and retorts give each personality
// and objective.
void Personality_Weights(int16_t player_idx, uint16_t weights[NUM_PERSONALITIES]);
void Objective_Weights(int16_t player_idx, uint16_t weights[NUM_OBJECTIVES]);

// The relation two wizards start the game with, from their books.
int16_t Starting_Relation(int16_t player_a, int16_t player_b);
