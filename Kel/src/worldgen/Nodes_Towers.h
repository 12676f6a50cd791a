// Magic nodes with their auras and realms, and the towers that join the planes.
#pragma once

#include <cstdint>

constexpr int NODES_ON_DURAVAV = 16;  // nodes 0..15 on plane 0, 16..29 on plane 1
constexpr int16_t TOWER_FIRST_SPACING = 10;

void Generate_Nodes(void);
void Make_Aura(int16_t power, uint8_t *aura_xs, uint8_t *aura_ys, int16_t wx, int16_t wy);
int16_t Aura_Overlap(int16_t node_idx);
void Set_Node_Type(int16_t power, uint8_t *aura_xs, uint8_t *aura_ys, int16_t wp, uint8_t *realm);
void Rebalance_Node_Types(int16_t plane);
void Generate_Towers(void);

// Queries over the feature records while the world is generated.
// 1 when a tower stands at (wx, wy); towers stand on both planes.
int16_t Square_Has_Tower_NewGame(int16_t wx, int16_t wy);
// 1 when a node lies at (wx, wy) on plane wp.
int16_t Square_Is_Node_NewGame(int16_t wx, int16_t wy, int16_t wp);
