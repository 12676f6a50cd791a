#include "info/Army_List.h"

#include <algorithm>
#include <iterator>

#include "world/ALLOC.h"
#include "world/Unit_Record.h"

uint8_t m_armies_wx[ARMY_LIST_ROWS_MAX];
uint8_t m_armies_wy[ARMY_LIST_ROWS_MAX];
uint8_t m_armies_wp[ARMY_LIST_ROWS_MAX];
int16_t m_army_list_count = 0;
int16_t armylist_unit_count = 0;
uint8_t armylist_list_item_count[ARMY_LIST_UNITS_MAX];
int16_t list_armies[ARMY_LIST_UNITS_MAX];
int16_t armylist_first_item = 0;
int16_t armylist_item_count = 0;

namespace {

int16_t Unit_Limit(void) { return _UNITS == nullptr ? 0 : std::clamp<int16_t>(_units, 0, UNIT_TABLE_CAPACITY); }

}  // namespace

void Build_Army_List(void)
{
    m_army_list_count = 0;
    armylist_unit_count = 0;
    for (int16_t u = 0; u < Unit_Limit(); u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != _current_player_idx) continue;
        armylist_unit_count++;
        bool joined = false;
        for (int16_t r = 0; r < m_army_list_count && !joined; r++) {
            joined = m_armies_wx[r] == unit.wx && m_armies_wy[r] == unit.wy &&
                     (m_armies_wp[r] == unit.wp || unit.in_tower == 1);
        }
        if (joined || m_army_list_count >= ARMY_LIST_ROWS_MAX) continue;
        m_armies_wx[m_army_list_count] = unit.wx;
        m_armies_wy[m_army_list_count] = unit.wy;
        m_armies_wp[m_army_list_count] = unit.wp;
        m_army_list_count++;
    }
}

void ArmyList_Set_List_Item_Count(void)
{
    armylist_item_count = std::min<int16_t>(ARMY_LIST_VISIBLE_ROWS, m_army_list_count);
}

void Build_Army_List_Counts(void)
{
    ArmyList_Set_List_Item_Count();
    std::fill(std::begin(armylist_list_item_count), std::end(armylist_list_item_count), 0);
    std::fill(std::begin(list_armies), std::end(list_armies), -1);
    int16_t n = 0;
    for (int16_t j = 0; j < armylist_item_count; j++) {
        int16_t r = (int16_t)(armylist_first_item + j);
        if (r < 0 || r >= m_army_list_count) continue;
        for (int16_t u = 0; u < Unit_Limit() && armylist_list_item_count[j] < ARMY_LIST_ROW_UNITS_MAX; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx != _current_player_idx || unit.wx != m_armies_wx[r] || unit.wy != m_armies_wy[r] ||
                unit.wp != m_armies_wp[r])
                continue;
            list_armies[n++] = u;
            armylist_list_item_count[j]++;
        }
    }
}

void ArmyList_Clamp_First_Item(void)
{
    int16_t last_first = std::max<int16_t>(0, (int16_t)(m_army_list_count - ARMY_LIST_VISIBLE_ROWS));
    armylist_first_item = std::clamp<int16_t>(armylist_first_item, 0, last_first);
}

bool ArmyList_Can_Scroll_Up(void) { return armylist_first_item != 0; }

bool ArmyList_Can_Scroll_Down(void)
{
    return armylist_first_item + ARMY_LIST_VISIBLE_ROWS != m_army_list_count &&
           armylist_item_count != m_army_list_count;
}

bool ArmyList_Scroll_Up(void)
{
    if (armylist_first_item == 0) return false;
    armylist_first_item--;
    Build_Army_List_Counts();
    return true;
}

bool ArmyList_Scroll_Down(void)
{
    if (armylist_first_item + ARMY_LIST_VISIBLE_ROWS >= m_army_list_count) return false;
    armylist_first_item++;
    Build_Army_List_Counts();
    return true;
}

int16_t ArmyList_Visible_Unit_Count(void)
{
    int16_t n = 0;
    for (int16_t j = 0; j < armylist_item_count; j++) n = (int16_t)(n + armylist_list_item_count[j]);
    return n;
}

void ArmyList_UnitFigure_Coordinates(int16_t index, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    int16_t row = 0, before = 0;
    while (row < ARMY_LIST_VISIBLE_ROWS - 1 && index >= before + armylist_list_item_count[row]) {
        before = (int16_t)(before + armylist_list_item_count[row]);
        row++;
    }
    int16_t column = (int16_t)(index - before);
    *x1 = (int16_t)(ARMYLIST_START_X + 18 * column - 1);
    *y1 = (int16_t)(ARMYLIST_START_Y + 22 * row - 1);
    *x2 = (int16_t)(*x1 + 18);
    *y2 = (int16_t)(*y1 + 16);
}

void ArmyList_Hero_Portrait_Coords(int16_t slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    *x1 = (int16_t)(ARMYLIST_HERO_PORTRAIT_START_X + 265 * (slot % 2));
    *y1 = (int16_t)(ARMYLIST_HERO_PORTRAIT_START_Y + 51 * (slot / 2));
    *x2 = (int16_t)(*x1 + 32);
    *y2 = (int16_t)(*y1 + 32);
}

int16_t Get_List_Armies_Index(int16_t unit_idx)
{
    auto find = [unit_idx]() -> int16_t {
        for (int16_t i = 0; i < ArmyList_Visible_Unit_Count() && i < ARMY_LIST_UNITS_MAX; i++)
            if (list_armies[i] == unit_idx) return i;
        return -1;
    };
    int16_t found = find();
    if (found >= 0) return found;
    int16_t kept = armylist_first_item;
    for (armylist_first_item = 0; armylist_first_item < std::max<int16_t>(1, m_army_list_count);
         armylist_first_item++) {
        Build_Army_List_Counts();
        found = find();
        if (found >= 0) return found;
    }
    armylist_first_item = kept;
    Build_Army_List_Counts();
    return -1;
}
