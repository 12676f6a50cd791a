// How one wizard's regard for another changes: every cause goes through Change_Relations; the
// turn steps let relations drift and the patience counters recover.
#pragma once

#include <cstdint>

// Order strength of an order set directly (amount -10,000), which no later change replaces.
constexpr int16_t DIPL_ORDER_DIRECT = 10000;

// Changes how wizard b regards wizard a by amount. reason is the statement b will make to the
// human when a is the human; city and param go with that order. Only wizards below _num_players
// that have met take part, never b = 0 (the human's regard is not kept) and never at Final War.
void Change_Relations(int16_t amount, int16_t a, int16_t b, int16_t reason, int16_t city, int16_t param);

// Turn steps: growth under treaties, fear of the human's army, the human's expansion, drift
// toward the default relation, then every pair mirrored.
void Diplomacy_Growth(void);
// Every patience counter below 100 grows by 10.
void End_Of_Turn_Diplomacy_Adjustments(void);
// Negative and low patience recovers by chance; the turn's orders and offers are cleared.
void Modifier_Diplomacy_Adjustments(void);
// Every truce toward another wizard shortens by a turn and stops at 0.
void Decrease_Peace_Duration(void);

// Every treaty patience held toward another wizard is kept within -200..120.
void Clamp_Treaty_Patience(void);
// a's treaty, exchange and peace patience toward b each drop by 10.
void Lower_Patience(int16_t a, int16_t b);

// The wizard on the diplomacy screen, the one the human speaks with (0 until one is set).
int16_t Diplomacy_Wizard_On_Screen(void);
void Diplomacy_Set_Wizard_On_Screen(int16_t player_idx);
// The smallest of the human's treaty, exchange and peace patience toward the wizard on screen;
// 0 when that is not a wizard of the records.
int16_t Lowest_Patience(void);
