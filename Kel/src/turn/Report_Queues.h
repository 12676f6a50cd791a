// What the world turn reports to the human: queues of at most 20 entries, each written only for the
// human's losses and only while its counter is below 20.
#pragma once

#include <cstdint>

constexpr int REPORT_QUEUE_MAX = 20;

// Unit types whose enchantments were dropped for want of mana.
extern uint8_t MSG_UEsLost_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_UEsLost_Count;
// Cities whose enchantments were dropped for want of mana.
extern uint8_t MSG_CEsLost_Array[REPORT_QUEUE_MAX];
extern uint8_t MSG_CEsLost_Count;
// The human's overland enchantments were dropped.
extern uint8_t MSG_GEs_Lost;

// Adds a lost unit (its type and the reason) to the lost-unit queue of the human.
void Report_Unit_Lost(int16_t player_idx, int16_t unit_type, int16_t reason);
