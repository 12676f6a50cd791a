#include "ai/AI_Spell_Selectors.h"

#include <initializer_list>

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "ai/AI_Spell_Choice.h"
#include "random.h"
#include "turn/Offers.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"

int16_t AI_OVL_SplPriorities[AI_SPELL_PRIORITIES];

namespace {

constexpr int32_t PRIORITY_MAX = 32767;
constexpr int16_t INCARNATION_UNIT_TYPE = 39;

// The spell each entry stands for in the current selector.
int16_t m_entry_spell[AI_SPELL_PRIORITIES];

int32_t Saturate(int32_t value) { return value > PRIORITY_MAX ? PRIORITY_MAX : (value < 0 ? 0 : value); }

int32_t Cost(int16_t spell)
{
    if (spell_data_table == nullptr || spell <= 0 || spell >= NUM_SPELLS) return 0;
    return spell_data_table[spell].casting_cost;
}

void Clear_Priorities(void)
{
    for (int k = 0; k < AI_SPELL_PRIORITIES; k++) {
        AI_OVL_SplPriorities[k] = 0;
        m_entry_spell[k] = 0;
    }
}

// The entry stands for the spell whether or not it is weighed; a row counts only for a known spell.
bool Set_Entry(int16_t player_idx, int entry, int16_t spell, int32_t priority, bool condition = true)
{
    m_entry_spell[entry] = spell;
    if (!AI_Knows_Spell(player_idx, spell) || !condition) {
        return false;
    }
    AI_OVL_SplPriorities[entry] = (int16_t)Saturate(priority);
    return true;
}

void Two_Thirds(std::initializer_list<int> entries)
{
    for (int e : entries) AI_OVL_SplPriorities[e] = (int16_t)(AI_OVL_SplPriorities[e] * 2 / 3);
}

void Two_Thirds_Range(int first, int last)
{
    for (int e = first; e <= last; e++) Two_Thirds({e});
}

void Cut(int first, int last)
{
    for (int e = first; e <= last; e++) {
        int16_t &p = AI_OVL_SplPriorities[e];
        p = p > 49 ? (int16_t)(p / 2) : (p >= 20 ? (int16_t)(p / 3) : (int16_t)0);
    }
}

int16_t Draw_Spell(void)
{
    uint16_t weights[AI_SPELL_PRIORITIES];
    for (int k = 0; k < AI_SPELL_PRIORITIES; k++) weights[k] = (uint16_t)AI_OVL_SplPriorities[k];
    return m_entry_spell[Get_Weighted_Choice(weights, AI_SPELL_PRIORITIES)];
}

bool Owns_Unit_Of_Type(int16_t player_idx, int16_t type)
{
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        if (_UNITS[unit_idx].owner_idx == player_idx && _UNITS[unit_idx].type == type) return true;
    }
    return false;
}

struct Fixed_Row {
    int16_t entry;
    int16_t spell;
    int16_t priority;
};

}  // namespace

int16_t AI_Select_Spell_Group_Summon(int16_t player_idx)
{
    static const int16_t SQUARED_ROWS[][2] = {
        {1, 6},    {2, 9},    {3, 14},   {4, 20},   {5, 23},   {6, 27},   {7, 32},   {8, 36},
        {9, 39},   {11, 65},  {12, 71},  {13, 78},  {14, 84},  {15, 95},  {16, 97},  {17, 103},
        {18, 92},  {19, 100}, {20, 106}, {21, 111}, {22, 118}, {23, 136}, {24, 147}, {25, 159},
        {27, 161}, {28, 166}, {29, 176}, {31, 184}, {32, 180}, {33, 193}, {34, 200},
    };
    Clear_Priorities();
    for (const auto &row : SQUARED_ROWS) Set_Entry(player_idx, row[0], row[1], Cost(row[1]) / 10);
    Set_Entry(player_idx, 10, 43, Cost(43) / 5, ai_transport_count < 10 && ai_transport_count < _turn / 60);
    // Summons weigh by the square of their price, computed wide and held at the 16-bit limit.
    for (int e = 1; e <= 34; e++) {
        if (e == 11) continue;
        int32_t p = AI_OVL_SplPriorities[e];
        AI_OVL_SplPriorities[e] = (int16_t)Saturate(p * p);
    }
    const Player_Record &wizard = _players[player_idx];
    bool hero_room = Player_Hero_Count(player_idx) < 6;
    Set_Entry(player_idx, 35, 133, 100, hero_room && Player_Dead_Hero_Count(player_idx) > 0);
    Set_Entry(player_idx, 36, 129, AI_NodeOpportunity == 1 ? 200 : 0);
    if (!AI_Knows_Spell(player_idx, 129)) {
        Set_Entry(player_idx, 37, 201, AI_NodeOpportunity == 1 ? 100 : 0);
    }
    bool artificer = wizard.retorts[rtr_Artificer] != 0;
    Set_Entry(player_idx, 38, 207, artificer ? 30 : 20);
    Set_Entry(player_idx, 39, 211, artificer ? 40 : 30);
    bool hero_spell =
        Set_Entry(player_idx, 40, 142, 500, hero_room && Owns_Unit_Of_Type(player_idx, INCARNATION_UNIT_TYPE));
    if (!hero_spell) hero_spell = Set_Entry(player_idx, 41, 212, 400, hero_room);
    if (!hero_spell) Set_Entry(player_idx, 42, 208, 200, hero_room);
    Set_Entry(player_idx, 43, 17, Cost(17) / 5);

    if (SPL_IsLifeSupressed()) Two_Thirds({23, 24, 25, 26, 35, 36, 40});
    if (CRP_SPL_IsNatSuppressed()) {
        Two_Thirds_Range(1, 10);
        Two_Thirds({43});
    }
    if (SPL_IsDthSuppressed()) Cut(27, 34);
    if (SPL_IsChsSuppressed()) Cut(14, 22);
    return Draw_Spell();
}

int16_t AI_Select_Spell_Group_Unit_Enchantment(int16_t player_idx)
{
    static const Fixed_Row ROWS[] = {
        {1, 2, 5},     {2, 7, 15},   {3, 21, 5},    {4, 24, 30},   {5, 31, 10},   {6, 41, 5},    {7, 51, 0},
        {9, 69, 20},   {10, 94, 30}, {11, 86, 15},  {12, 99, 10},  {13, 124, 10}, {14, 121, 5},  {15, 126, 10},
        {16, 130, 10}, {17, 131, 5}, {18, 143, 20}, {19, 141, 30}, {20, 144, 5},  {21, 164, 10}, {23, 181, 5},
        {24, 8, 30},   {25, 16, 5},  {26, 33, 0},   {27, 56, 25},  {28, 63, 50},  {29, 123, 10}, {31, 138, 5},
        {32, 19, 5},   {33, 55, 10}, {34, 54, 10},  {35, 62, 40},  {38, 175, 25}, {39, 44, 10},  {40, 4, 10},
    };
    Clear_Priorities();
    for (const Fixed_Row &row : ROWS) Set_Entry(player_idx, row.entry, row.spell, row.priority);
    bool planar_seal = false;
    for (int16_t p = 0; p <= 3; p++) planar_seal = planar_seal || AI_Holds_Enchantment(p, ge_Planar_Seal);
    Set_Entry(player_idx, 30, 132, 20, !planar_seal);
    Set_Entry(player_idx, 36, 93, 25, !AI_Holds_Enchantment(player_idx, 11));
    Set_Entry(player_idx, 37, 173, 25, !AI_Holds_Enchantment(player_idx, 2));

    if (SPL_IsLifeSupressed()) {
        Two_Thirds_Range(13, 20);
        Two_Thirds({29, 30, 31});
    }
    if (CRP_SPL_IsNatSuppressed()) {
        Two_Thirds_Range(1, 5);
        Two_Thirds({24, 25, 26, 32});
        AI_OVL_SplPriorities[40] = (int16_t)(AI_OVL_SplPriorities[40] / 2);
    }
    if (SPL_IsDthSuppressed()) {
        Cut(21, 23);
        Cut(37, 38);
    }
    if (SPL_IsChsSuppressed()) {
        Cut(10, 12);
        Cut(36, 36);
    }
    return Draw_Spell();
}

int16_t AI_Select_Spell_Group_City_Enchantment(int16_t player_idx)
{
    struct City_Row {
        int16_t entry;
        int16_t spell;
        int32_t priority;
    };
    const City_Row rows[] = {
        {1, 3, _turn / 6}, {2, 18, 200},   {3, 15, 50},           {5, 28, _turn / 15},   {6, 37, _turn / 15},
        {7, 29, 300},      {8, 77, 100},   {9, 87, _turn / 20},   {10, 139, _turn / 25}, {11, 148, _turn / 10},
        {12, 152, 300},    {13, 145, 300}, {14, 153, 0},          {15, 163, 100},        {16, 185, _turn / 20},
        {17, 72, 100},     {18, 155, 100}, {19, 178, _turn / 20}, {20, 146, 50},
    };
    Clear_Priorities();
    for (const City_Row &row : rows) {
        m_entry_spell[row.entry] = row.spell;
        if (!AI_Knows_Spell(player_idx, row.spell)) continue;
        int16_t city = 0;
        int16_t ward = 0;
        int16_t wx = 0, wy = 0, wp = 0;
        int16_t found = 0;
        switch (row.spell) {
        case 18: found = AITP_Transmute(player_idx, &wx, &wy, &wp); break;
        case 15: found = AITP_Change_Terrain(player_idx, &wx, &wy, &wp); break;
        case 72: found = AITP_Spell_Ward(player_idx, &city, &ward); break;
        default: found = AITP_City_Enchantment(5, &city, row.spell, player_idx); break;
        }
        if (found == 1) AI_OVL_SplPriorities[row.entry] = (int16_t)Saturate(row.priority);
    }
    if (SPL_IsLifeSupressed()) {
        Two_Thirds_Range(10, 14);
        Two_Thirds({18, 20});
    }
    if (CRP_SPL_IsNatSuppressed()) Two_Thirds_Range(1, 7);
    if (SPL_IsDthSuppressed()) {
        Cut(15, 16);
        Cut(19, 19);
    }
    if (SPL_IsChsSuppressed()) Cut(9, 9);
    return Draw_Spell();
}

int16_t AI_Select_Spell_Group_Disenchant(int16_t player_idx)
{
    if (AI_Knows_Spell(player_idx, 52)) return 52;
    if (AI_Knows_Spell(player_idx, 204)) return 204;
    return 0;
}

int16_t AI_Select_Spell_Group_Disjunction(int16_t player_idx)
{
    if (AI_Knows_Spell(player_idx, 61)) return 61;
    if (AI_Knows_Spell(player_idx, 210)) return 210;
    return 0;
}

int16_t AI_Select_Spell_Group_Attack(int16_t player_idx)
{
    struct Attack_Row {
        int16_t entry;
        int16_t spell;
        int16_t divisor;
        bool needs_city;
    };
    static const Attack_Row ROWS[] = {
        {1, 25, 10, false},   {2, 26, 10, true},   {3, 58, 2, false},  {4, 68, 5, false},    {6, 85, 5, true},
        {7, 107, 10, false},  {10, 110, 3, true},  {11, 119, 2, true}, {12, 189, 5, true},   {13, 186, 3, true},
        {14, 187, 10, false}, {15, 171, 5, false}, {16, 183, 5, true}, {17, 177, 10, false}, {18, 196, 2, true},
        {19, 190, 5, true},   {20, 191, 5, false},
    };
    Clear_Priorities();
    bool known_city = AI_Has_Targetable_City(player_idx) != 0;
    for (const Attack_Row &row : ROWS) {
        Set_Entry(player_idx, row.entry, row.spell, Cost(row.spell) / row.divisor, known_city || !row.needs_city);
    }
    Set_Entry(player_idx, 5, 80, Cost(80) / 10, _players[player_idx].mana_reserve >= 3000);
    Set_Entry(player_idx, 8, 98, Cost(98) / 10, known_city && !AI_Holds_Enchantment(player_idx, ge_Armageddon));
    if (CRP_SPL_IsNatSuppressed()) Two_Thirds({1, 2});
    if (SPL_IsDthSuppressed()) Cut(12, 20);
    if (SPL_IsChsSuppressed()) Cut(7, 11);
    return Draw_Spell();
}

int16_t AI_Select_Spell_Group_Suppression(int16_t player_idx)
{
    Clear_Priorities();
    Set_Entry(player_idx, 1, 40, Cost(40) / 10);
    Set_Entry(player_idx, 2, 156, Cost(156) / 10);
    Set_Entry(player_idx, 3, 157, Cost(157) / 10);
    Set_Entry(player_idx, 4, 198, Cost(198) / 10);
    if (SPL_IsLifeSupressed()) Two_Thirds({2, 3});
    if (CRP_SPL_IsNatSuppressed()) Two_Thirds({1});
    if (SPL_IsDthSuppressed()) Cut(4, 4);
    return Draw_Spell();
}

int16_t AI_Select_Spell_Group_Global(int16_t player_idx)
{
    static const int16_t ROWS[][3] = {
        // entry, spell, slot that must not be held (-1 none)
        {1, 38, 9},    {2, 57, 4},   {3, 59, 3},    {4, 75, -1},   {5, 79, 5},    {6, 76, -1},   {7, 114, 12},
        {8, 116, 10},  {9, 117, 11}, {10, 113, 13}, {11, 120, 14}, {12, 127, 18}, {14, 154, 19}, {15, 160, 21},
        {16, 158, 17}, {17, 197, 0}, {18, 199, -1}, {19, 188, 2},  {20, 209, 23},
    };
    Clear_Priorities();
    for (const auto &row : ROWS) {
        Set_Entry(player_idx, row[0], row[1], Cost(row[1]) / 10,
                  row[2] < 0 || !AI_Holds_Enchantment(player_idx, row[2]));
    }
    Set_Entry(player_idx, 13, 135, Cost(135) / 20,
              !AI_Holds_Enchantment(player_idx, ge_Planar_Seal) && AI_Has_More_Dudaze_Cities(player_idx) == 1);
    if (SPL_IsLifeSupressed()) Two_Thirds_Range(12, 16);
    if (CRP_SPL_IsNatSuppressed()) Two_Thirds({1});
    if (SPL_IsDthSuppressed()) Cut(17, 19);
    if (SPL_IsChsSuppressed()) Cut(7, 11);
    return Draw_Spell();
}
