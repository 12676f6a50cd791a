#include "turn/Treaties.h"

#include <algorithm>
#include <utility>

#include "ai/AI_Unit_Orders.h"
#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "world/ALLOC.h"

namespace {

bool At_War(int16_t a, int16_t b)
{
    uint8_t treaty = _players[a].Dipl_Treaty[b];
    return treaty == tt_War || treaty == tt_Final_War;
}

void Set_Patience_Both_Ways(int16_t a, int16_t b, int16_t treaty, int16_t exchange, int16_t peace)
{
    for (auto [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        _players[x].Dipl_Treaty_Patience[y] = treaty;
        _players[x].Dipl_Exchange_Patience[y] = exchange;
        _players[x].Dipl_Peace_Patience[y] = peace;
    }
}

void Set_Hostility_Both_Ways(int16_t a, int16_t b, int16_t hostility)
{
    _players[a].Hostility[b] = hostility;
    _players[b].Hostility[a] = hostility;
}

void Clear_Orders_If_Current(int16_t a, int16_t b)
{
    if (a == _current_player_idx || b == _current_player_idx) {
        Player_Clear_All_Unit_Orders(a);
        Player_Clear_All_Unit_Orders(b);
    }
}

void Remove_Enchantments_Of(City_Record &city, int16_t caster)
{
    for (uint8_t &enchantment : city.enchantments) {
        if (enchantment == caster + 1) {
            enchantment = 0;
        }
    }
}

}  // namespace

void Set_Treaty(int16_t a, int16_t b, uint8_t status)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    Diplomacy_Set_Pair_Treaty(a, b, status);
    Set_Hostility_Both_Ways(a, b, 0);
    Clear_Orders_If_Current(a, b);
}

void Break_Treaties(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b) || At_War(a, b)) {
        return;
    }
    Player_Record &pa = _players[a];
    const uint8_t treaty = pa.Dipl_Treaty[b];
    int32_t penalty = treaty == tt_Wizard_Pact ? 10 : treaty == tt_Alliance ? 20 : 0;
    if (pa.Personality == pt_Lawful) {
        penalty *= 2;
    }

    Diplomacy_Add_I8(pa.Dipl_Goodwill[b], -penalty);
    for (int16_t k = 0; k < NUM_PLAYERS; k++) {
        if (k != a && k != b) {
            Diplomacy_Add_I8(_players[k].Dipl_Goodwill[b], -5);
        }
    }
    if (treaty == tt_Alliance) {
        int32_t lowered = std::max(pa.Dipl_Default_Relation[b] - penalty, -100);
        pa.Dipl_Default_Relation[b] = static_cast<int8_t>(lowered);
        _players[b].Dipl_Default_Relation[a] = pa.Dipl_Default_Relation[b];
    }
    int32_t relation = pa.Dipl_Relation[b];
    if (treaty != tt_None) {
        pa.Dipl_Broken_Treaty[b] = treaty;
        _players[b].Dipl_Broken_Treaty[a] = treaty;
        relation -= RANDOM(20);
    }
    Diplomacy_Set_Pair_Treaty(a, b, tt_None);
    pa.Dipl_Named_Wizard[b] = 0;
    _players[b].Dipl_Named_Wizard[a] = 0;
    Diplomacy_Set_Pair_Relation(a, b, std::max(relation, -100));
    Set_Patience_Both_Ways(a, b, -200, -200, -200);
    Diplomacy_Reset_Hostility_Countdown(a);
    Diplomacy_Reset_Hostility_Countdown(b);
}

void Declare_War(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    if (a == 0 && _players[0].Dipl_First_Contact[b] == 0) {
        _players[0].Dipl_First_Contact[b] = 1;
    }
    if (b == 0 && _players[0].Dipl_First_Contact[a] == 0) {
        _players[0].Dipl_First_Contact[a] = 1;
    }
    if (At_War(a, b)) {
        return;
    }
    Break_Treaties(a, b);
    for (auto [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        _players[x].Dipl_Default_Relation[y] =
            static_cast<int8_t>(std::max(_players[x].Dipl_Default_Relation[y] - 5, -100));
    }
    Diplomacy_Set_Pair_Relation(a, b, -75 - RANDOM(25));
    Diplomacy_Set_Pair_Treaty(a, b, tt_War);
    Set_Patience_Both_Ways(a, b, -200, -200, -130);
    Set_Hostility_Both_Ways(a, b, 3);
    Diplomacy_Reset_Hostility_Countdown(b);
    Diplomacy_Reset_Hostility_Countdown(a);
}

void Declare_Peace(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    Set_Treaty(a, b, tt_None);
    Diplomacy_Set_Pair_Relation(a, b, std::min(_players[a].Dipl_Relation[b] + 40, 100));
    if (a == 0) {
        _players[0].peace_duration[b] = static_cast<int8_t>(7 + RANDOM(6));
    }
    if (b == 0) {
        _players[0].peace_duration[a] = static_cast<int8_t>(7 + RANDOM(6));
    }
    Remove_Enemy_City_Enchantments(a, b);
    Set_Hostility_Both_Ways(a, b, 0);
    Diplomacy_Reset_Hostility_Countdown(a);
    Diplomacy_Reset_Hostility_Countdown(b);
    Clear_Orders_If_Current(a, b);
}

void Remove_Enemy_City_Enchantments(int16_t a, int16_t b)
{
    const int16_t city_count = static_cast<int16_t>(std::clamp<int>(_cities, 0, NUM_CITIES));
    for (int16_t c = 0; c < city_count; c++) {
        City_Record &city = _CITIES[c];
        if (city.owner_idx == a) {
            Remove_Enchantments_Of(city, b);
        } else if (city.owner_idx == b) {
            Remove_Enchantments_Of(city, a);
        }
    }
}

void G_DIPL_PickSides(void)
{
    const int16_t wizards = static_cast<int16_t>(std::clamp<int>(_num_players, 0, NUM_PLAYERS));
    for (int16_t i = 1; i < wizards; i++) {
        for (int16_t j = static_cast<int16_t>(i + 1); j < wizards; j++) {
            for (int16_t k = static_cast<int16_t>(j + 1); k < wizards; k++) {
                if (_players[j].Dipl_Treaty[k] == tt_War && _players[i].Dipl_Treaty[j] == tt_Alliance &&
                    _players[i].Dipl_Treaty[k] == tt_Alliance) {
                    Break_Treaties(i, j);
                    Break_Treaties(i, k);
                }
            }
        }
    }
}
