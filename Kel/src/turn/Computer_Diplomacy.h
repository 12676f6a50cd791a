// The computer wizards' diplomacy in the world turn: first contacts, their treaties with each other,
// what they say to the human and the orders they resolve.
#pragma once

#include <cstdint>

// Turn steps, in this order after the growth of relations.
void Determine_First_Contacts(void);
void NPC_To_NPC_Treaty_Negotiations(void);
void NPC_To_Human_Diplomacy(void);
// Opens the audience of every computer wizard that holds an order for the human, then clears it.
void Resolve_Delayed_Diplomacy_Orders(void);

// a weighs a war on b: surprise wars of "Chaotic" wizards, wars of superiority, wars on the human's
// allies and, at higher difficulty, on disliked neighbours.
void G_DIPL_NeedForWar(int16_t a, int16_t b);
// a goes to war with b, or at difficulty 2 and above breaks its treaty with b.
void G_DIPL_SuperiorityWar(int16_t a, int16_t b);
// The owner complains of the intruder's units near its cities; a treaty partner who stays breaks
// the treaty on the third turn.
void DIPL_GetOffMyLawn(int16_t owner, int16_t intruder);
// Computer wizard k, offended, threatens, breaks its treaty with or declares war on the human; at
// war it may offer peace with a sweetener.
void DIPL_HumanWarOrPeace(int16_t k);
// Computer wizard k's proposal to the human: a pact, an alliance or a spell exchange.
void NPC_Diplo_s74420(int16_t human_idx, int16_t k);
// An ally of the human may name a wizard it wants the human to fight; k's order is dropped.
void NPC_Required_Alliances(int16_t k);

// Spells one wizard could give another, with their values to the receiver (16-bit, never cut).
constexpr int EXCHANGE_LIST_MAX = 10;
struct Exchange_Spell_List {
    int16_t count;
    int16_t spells[EXCHANGE_LIST_MAX];
    int16_t values[EXCHANGE_LIST_MAX];
};
// The spells giver knows and receiver does not that are worth at least minimum to receiver.
Exchange_Spell_List Build_Exchange_Spell_List(int16_t giver, int16_t receiver, int16_t minimum);
// The wizard learns the spell without the learning animation.
void Diplomacy_Give_Spell(int16_t wizard_idx, int16_t spell_idx);

// Sums of the unit-type costs of a's units (sa) and of b's (sb) standing on the plane and the
// landmass of b's fortress. 0 with both sums 0 when either is the neutral player or not a player.
int16_t Army_Strength_Near_Fortress(int16_t a, int16_t b, int32_t *sa, int32_t *sb);
// How far a's strength sa exceeds b's sb, -bound when a has nothing and bound when b has nothing.
int32_t Diplomacy_Superiority(int32_t sa, int32_t sb, int16_t bound);
