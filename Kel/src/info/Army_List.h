// The rows of the army list: one row per map square holding units of the player, six rows shown
// at a time, at most nine units a row.
#pragma once

#include <cstdint>

constexpr int ARMY_LIST_ROWS_MAX = 1000;
constexpr int ARMY_LIST_VISIBLE_ROWS = 6;
constexpr int ARMY_LIST_ROW_UNITS_MAX = 9;
constexpr int ARMY_LIST_UNITS_MAX = 54;
constexpr int16_t ARMYLIST_START_X = 77;
constexpr int16_t ARMYLIST_START_Y = 24;
constexpr int16_t ARMYLIST_HERO_PORTRAIT_START_X = 12;
constexpr int16_t ARMYLIST_HERO_PORTRAIT_START_Y = 5;

extern uint8_t m_armies_wx[ARMY_LIST_ROWS_MAX];
extern uint8_t m_armies_wy[ARMY_LIST_ROWS_MAX];
extern uint8_t m_armies_wp[ARMY_LIST_ROWS_MAX];
extern int16_t m_army_list_count;
extern int16_t armylist_unit_count;
// Units shown in each visible row, and the units of the visible rows, row after row.
extern uint8_t armylist_list_item_count[ARMY_LIST_UNITS_MAX];
extern int16_t list_armies[ARMY_LIST_UNITS_MAX];
// The first visible row and the number of visible rows (the city list keeps its own).
extern int16_t armylist_first_item;
extern int16_t armylist_item_count;

// The rows of the current player's units: a unit joins the first row on its square and plane,
// or, standing in a tower, the first row on its square whatever the plane.
void Build_Army_List(void);
// The units of the visible rows, their plane compared exactly.
void Build_Army_List_Counts(void);
void ArmyList_Set_List_Item_Count(void);
// After the rows were rebuilt: the first row brought back so the last page ends at the last row.
void ArmyList_Clamp_First_Item(void);
bool ArmyList_Can_Scroll_Up(void);
bool ArmyList_Can_Scroll_Down(void);
// One row up or down, refilling the visible rows; false when the list is already there.
bool ArmyList_Scroll_Up(void);
bool ArmyList_Scroll_Down(void);
// The number of units in the visible rows.
int16_t ArmyList_Visible_Unit_Count(void);
// The rectangle of the unit at a position of list_armies.
void ArmyList_UnitFigure_Coordinates(int16_t index, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
void ArmyList_Hero_Portrait_Coords(int16_t slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
// The position of the unit in list_armies, scrolling to the lowest first row whose page shows it;
// -1, with the page left as it was, when no row shows it.
int16_t Get_List_Armies_Index(int16_t unit_idx);
