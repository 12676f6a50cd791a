// The offers of merchants, heroes and mercenaries, and the computer wizards' answer to a hero.
#include <cstdint>

#include "cities/City_Records.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "magic/Hero_Spells.h"
#include "world/ALLOC.h"
#include "world/Items.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t GUI_InHeroNaming = -1;
int16_t GAME_HeroHireType = 0;
int16_t GAME_AssetCost = 0;

namespace {

constexpr int16_t HERO_LEVEL_IN_SERVICE = -20;
constexpr int RETURNING_LEVEL_LIMIT = 4;

bool Halves_Prices(int16_t player_idx) { return _players[player_idx].retorts[rtr_Charismatic] > 0; }

// A unit made only for the offer leaves no trace: its record is the last one.
void Remove_Newest_Unit(int16_t unit_idx, int16_t kill_type)
{
    Kill_Unit(unit_idx, kill_type);
    if (unit_idx == _units - 1) _units--;
}

// The hero goes away, a level higher below level 4 when raise is set, and keeps its level.
void Turn_Hero_Away(int16_t unit_idx, bool raise)
{
    Unit_Record &unit = _UNITS[unit_idx];
    if (raise && unit.Level < RETURNING_LEVEL_LIMIT) {
        unit.Level = (int8_t)(unit.Level + 1);
        unit.XP = TBL_Experience[unit.Level];
    }
    Remove_Newest_Unit(unit_idx, kum_Destroyed);
}

}  // namespace

int16_t Hire_Hero_Price(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    const int32_t cost = unit.type < NUM_UNIT_TYPES ? _unit_type_table[unit.type].cost : 0;
    const int32_t price = cost + unit.Level * cost / 4;
    return (int16_t)(price > 32767 ? 32767 : price);
}

void Merchant_Popup(void)
{
    const int16_t item_idx = GUI_InHeroNaming;
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_LIVE_ITEMS || _ITEMS[item_idx].cost < 1) return;
    int16_t price = _ITEMS[item_idx].cost;
    if (Halves_Prices(0)) price = (int16_t)(price / 2);
    GAME_AssetCost = price;
    if (!Heroes_Merchant_Offer(item_idx, price)) {
        Remove_Item(item_idx);
        return;
    }
    Player_Add_Gold(0, -(int32_t)price);
    int16_t pool[1] = {item_idx};
    Process_Item_Pool(1, pool);
}

int16_t Hire_Hero_Popup(int16_t slot_idx, int16_t hero_type, int16_t kind)
{
    GUI_InHeroNaming = 0;
    GAME_HeroHireType = kind;
    if (!Hire_Hero(0, hero_type, slot_idx, 0)) return 0;
    const int16_t unit_idx = (int16_t)(_units - 1);
    int16_t price = Hire_Hero_Price(unit_idx);
    Player_Record &human = _players[0];
    if (kind == 0 && human.gold_reserve < price) {
        Turn_Hero_Away(unit_idx, true);
        return 0;
    }
    if (Halves_Prices(0)) price = (int16_t)(price / 2);
    GAME_AssetCost = price;
    if (!Heroes_Hero_Offer(slot_idx, kind, price)) {
        Turn_Hero_Away(unit_idx, kind == 0);
        return 0;
    }
    GUI_InHeroNaming = 1;
    _HEROES2[0][hero_type].Level = HERO_LEVEL_IN_SERVICE;
    if (kind == 0) Player_Add_Gold(0, -(int32_t)price);
    if (kind == 1 || kind == 3) {
        Unit_Record &unit = _UNITS[unit_idx];
        unit.wx = (uint8_t)human.summon_wx;
        unit.wy = (uint8_t)human.summon_wy;
        unit.wp = (uint8_t)human.summon_wp;
        Evict_Weakest_Unit(unit_idx);
    }
    return 1;
}

int16_t Hire_Merc_Popup(int16_t unit_type, int16_t count, int16_t level, int16_t price)
{
    const Fortress_Record &fortress = _FORTRESSES[0];
    if (!Create_Unit(unit_type, 0, fortress.wx, fortress.wy, fortress.wp, -1)) return 0;
    const int16_t unit_idx = (int16_t)(_units - 1);
    const int clamped = level < 0 ? 0 : level >= NUM_UNIT_LEVELS ? NUM_UNIT_LEVELS - 1 : level;
    _UNITS[unit_idx].Level = (int8_t)clamped;
    _UNITS[unit_idx].XP = TBL_Experience[clamped];
    GAME_AssetCost = price;
    const int16_t answer = Heroes_Merc_Offer(count, price) ? (int16_t)1 : (int16_t)0;
    Remove_Newest_Unit(unit_idx, kum_Plain);
    return answer;
}

void AI_Accept_Hero(int16_t player_idx, int16_t slot_idx, int16_t hero_type)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || hero_type < 0 || hero_type >= NUM_HERO_TYPES) return;
    Player_Record &wizard = _players[player_idx];
    int32_t price = _unit_type_table[hero_type].cost;
    if (Halves_Prices(player_idx)) price /= 2;
    if ((int32_t)wizard.gold_reserve * 90 / 100 < price) return;
    if (!Hire_Hero(player_idx, hero_type, slot_idx, 0)) return;
    Evict_Weakest_Unit((int16_t)(_units - 1));
    Player_Add_Gold(player_idx, -price);
    _HEROES2[player_idx][hero_type].Level = HERO_LEVEL_IN_SERVICE;
}
