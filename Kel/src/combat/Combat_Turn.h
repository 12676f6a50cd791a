// The combat turn, whoever commands a side: what a new turn does to every battle unit, when the battle
// is decided, the confused and the invisible, and the order in which the two sides act. The screen
// runs the human's part through these; an automatic battle on the screen runs only through them.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// From this combat turn on an undecided battle goes to the defender.
constexpr int16_t COMBAT_TURN_LIMIT = 51;

extern int16_t _ai_immobile_counter;
extern int16_t _ai_stay_in_city;
extern int16_t _ai_disable_hero_melee_safety_check;
extern int16_t m_wizard_cast_available;
extern int16_t m_cp_took_turn;
extern int16_t m_turn_is_local;
extern int16_t _human_out_of_moves;
extern int16_t _human_handle_immobile;
extern int16_t _human_fled;
extern int16_t _computer_player_did_flee;
extern int16_t _computer_player_city_seige;
extern int16_t _scanned_battle_unit;

// The turn state of a new battle: nobody fled, no turn played, the wizard may cast.
void Combat_Turn_State_Reset(void);
// Starts a combat turn: the per-turn spells, then every fighting unit's statistics, moves, webs,
// sleep, confusion and regeneration.
void Begin_Combat_Turn(void);
// The winning player, or -1 while the battle goes on. A computer side may flee here.
int16_t Check_For_Winner(void);
// A confused unit wanders to a random cell of the action map it may reach; then it is done.
void Move_Confused(Battle_Unit_Record *bu);
// Whether an invisible unit is seen (display state 4) or hidden (5) this moment.
void Battle_Unit_Set_Invisibility_Effect(Battle_Unit_Record *bu);
// 1 when the unit has a spell of its own it may cast.
int16_t Battle_Unit_Has_Spell_Ability(const Battle_Unit_Record *bu);
// 1 when the unit can cast now: it has moves and 3 mana, a spell ability or item charges.
int16_t Battle_Unit_Can_Cast(const Battle_Unit_Record *bu);

// A whole side's turn by the computer: its wizard casts, then its units act.
void Auto_Cast_Spell_And_Do_Combat_Turn(int16_t player);
// Ends the human's part of a turn: the computer's part, the next turn's start, the defender first.
void Combat_Next_Turn(void);
// Picks the human's next unit to command.
void Next_Battle_Unit(int16_t player);
// Closes the unit's turn (its switch word and moves 0, done); a confused unit that served the other
// side goes back to its own.
void Combat_Close_Battle_Unit(Battle_Unit_Record *bu);
// The human flees: every unit of the human's side leaves; the remote side wins.
void Combat_Human_Flees(void);
// The end code of the battle the winner won (Combat_Result_Code: won, lost, fled, turn limit, computer fled).
int16_t Combat_End_Code(int16_t winner);
