#include "turn/Offers.h"

#include "heroes/Hero_Popups.h"
#include "heroes/Item_Making.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Items.h"
#include "world/Site_Evaluation.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Ids.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

// Every hero type but the one Incarnation brings; the ordinary heroes first, then the champions.
constexpr int NUM_OFFERED_HERO_TYPES = ht_Incarnation_Hero;
constexpr int NUM_ORDINARY_HERO_TYPES = ht_Champion_1;
constexpr int NUM_CHAMPION_TYPES = NUM_OFFERED_HERO_TYPES - NUM_ORDINARY_HERO_TYPES;
constexpr int16_t HERO_LEVEL_IN_SERVICE = -20;
constexpr int16_t OFFER_UNIT_LIMIT = 947;
constexpr int16_t HERO_UNIT_LIMIT = 999;
constexpr int16_t MODE_FAMOUS = 1;
constexpr int16_t FAME_FOR_MODE_FAMOUS = 200;
constexpr int CHANCE_CAP = 10;
constexpr int COMPUTER_BONUS = 10;
constexpr int MERCHANT_PRICE_FACTOR = 3;
constexpr int16_t MERCHANT_REQUIREMENT = 12;
constexpr int NUM_REQUIREMENTS = 5;

bool Player_Valid(int player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

int Famous_Capped(int player_idx, int chance)
{
    if (_players[player_idx].retorts[rtr_Famous]) {
        chance *= 2;
    }
    return chance > CHANCE_CAP ? CHANCE_CAP : chance;
}

// Whether Create_Unit takes every unit of a band of count made one by one for the owner.
bool Band_Fits(int16_t player_idx, int16_t count)
{
    int32_t last = (int32_t)_units + count - 1;
    if (player_idx != 0 && last > UNIT_SOFT_CAP_COMPUTER) {
        return false;
    }
    return last <= UNIT_SOFT_CAP_ALL && last < UNIT_MAX_IN_USE && _units + count < UNIT_MAX_IN_USE;
}

bool Hero_Qualifies(int16_t player_idx, int16_t hero_type, int fame)
{
    if (_HEROES2[player_idx][hero_type].Level < 0) {
        return false;
    }
    const Player_Record &wizard = _players[player_idx];
    const int book_realm = HERO_TYPE_BOOK_REALMS[hero_type];
    if (book_realm != NO_BOOK_REALM && wizard.spellranks[book_realm] <= 0) {
        return false;
    }
    return (_unit_type_table[hero_type].cost - 100) / 10 <= fame;
}

int16_t Draw_Hero_Type(int16_t kind)
{
    switch (kind) {
    case 1: return (int16_t)(RANDOM(NUM_ORDINARY_HERO_TYPES) - 1);
    case 2: return (int16_t)(RANDOM(NUM_CHAMPION_TYPES) + NUM_ORDINARY_HERO_TYPES - 1);
    default: return (int16_t)(RANDOM(NUM_OFFERED_HERO_TYPES) - 1);
    }
}

void Offer_Item(int16_t player_idx, int16_t fame)
{
    if (RANDOM(100) > Merchant_Offer_Chance(player_idx, fame)) {
        return;
    }
    const int16_t requirements[NUM_REQUIREMENTS] = {MERCHANT_REQUIREMENT, MERCHANT_REQUIREMENT, MERCHANT_REQUIREMENT,
                                                    MERCHANT_REQUIREMENT, MERCHANT_REQUIREMENT};
    int16_t item_idx = Make_Item(0, requirements, 0);
    if (item_idx < 0 || item_idx >= NUM_ITEMS) {
        return;
    }
    if (_players[player_idx].gold_reserve < MERCHANT_PRICE_FACTOR * (int32_t)_ITEMS[item_idx].cost) {
        Remove_Item(item_idx);
        return;
    }
    GUI_InHeroNaming = item_idx;
    Merchant_Popup();
}

void Offer_Mercenaries(int16_t player_idx, int16_t fame)
{
    if (RANDOM(100) > Mercenary_Offer_Chance(player_idx, fame)) {
        return;
    }
    int16_t count = 0;
    int16_t unit_type = 0;
    int16_t price = 0;
    int16_t level = 0;
    Generate_Mercenaries(player_idx, &count, &unit_type, &price, &level);
    Player_Record &wizard = _players[player_idx];
    if (count <= 0 || !Band_Fits(player_idx, count) || wizard.gold_reserve < price) {
        return;
    }
    int16_t accepted = player_idx != 0 ? 1 : Hire_Merc_Popup(unit_type, count, level, price);
    if (accepted != 1) {
        return;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    int created = 0;
    for (int k = 0; k < count; k++) {
        if (!Create_Unit(unit_type, player_idx, fortress.wx, fortress.wy, fortress.wp, UNIT_SOURCE_PLAIN)) {
            break;
        }
        created++;
        int16_t unit_idx = (int16_t)(_units - 1);
        Unit_Record &unit = _UNITS[unit_idx];
        int clamped = level < 0 ? 0 : level >= NUM_UNIT_LEVELS ? NUM_UNIT_LEVELS - 1 : level;
        unit.Level = (int8_t)clamped;
        unit.XP = TBL_Experience[clamped];
        unit.Finished = 0;
        unit.moves2 = unit.moves2_max;
        Evict_Weakest_Unit(unit_idx);
    }
    if (created > 0) {
        int32_t gold = wizard.gold_reserve - (int32_t)price;
        wizard.gold_reserve = (int16_t)(gold < 0 ? 0 : gold);
        if (player_idx == 0) {
            Army_Center_Map(fortress.wx, fortress.wy, fortress.wp);
        }
    }
}

void Offer_Hero(int16_t player_idx, int16_t fame)
{
    if (RANDOM(100) > Hero_Offer_Chance(player_idx, fame) || _units >= HERO_UNIT_LIMIT) {
        return;
    }
    int16_t slot_idx = Hero_Slot_Open(player_idx);
    int16_t hero_type = Pick_Random_Hero(player_idx, 0, 0);
    if (slot_idx < 0 || hero_type < 0) {
        return;
    }
    if (player_idx != 0) {
        AI_Accept_Hero(player_idx, slot_idx, hero_type);
    } else {
        Hire_Hero_Popup(slot_idx, hero_type, 0);
    }
}

}  // namespace

int16_t Merchant_Offer_Chance(int16_t player_idx, int16_t fame)
{
    return Player_Valid(player_idx) ? (int16_t)Famous_Capped(player_idx, fame / 25 + 2) : 0;
}

int16_t Mercenary_Offer_Chance(int16_t player_idx, int16_t fame)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    return (int16_t)(Famous_Capped(player_idx, fame / 20 + 1) + (player_idx != 0 ? COMPUTER_BONUS : 0));
}

int16_t Hero_Offer_Chance(int16_t player_idx, int16_t fame)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int chance = Famous_Capped(player_idx, fame / 25 + 3) + (player_idx != 0 ? COMPUTER_BONUS : 0);
    return (int16_t)(chance / ((Player_Hero_Count(player_idx) + 1) / 2 + 1));
}

void Determine_Offer(void)
{
    int16_t fame = 0;
    int wizards = _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players;
    for (int16_t player_idx = 0; player_idx < wizards; player_idx++) {
        if (_players[player_idx].casting_spell_idx == spl_Spell_Of_Return || _FORTRESSES[player_idx].active != 1) {
            continue;
        }
        if (player_idx == 0) {
            fame = Player_Fame(0);
            Offer_Item(player_idx, fame);
        }
        if (_units < OFFER_UNIT_LIMIT) {
            Offer_Mercenaries(player_idx, fame);
            Offer_Hero(player_idx, fame);
        }
    }
}

int16_t Pick_Random_Hero(int16_t player_idx, int16_t mode, int16_t kind)
{
    if (!Player_Valid(player_idx)) {
        return -1;
    }
    int fame = mode == MODE_FAMOUS ? FAME_FOR_MODE_FAMOUS : Player_Fame(player_idx);
    int tries_allowed = mode > 0 ? 100 : 10;
    int tries = 0;
    int16_t hero_type = -1;
    bool qualified = false;
    for (int round = 0; round < 2 && _units < HERO_UNIT_LIMIT; round++) {
        do {
            hero_type = Draw_Hero_Type(kind);
            qualified = Hero_Qualifies(player_idx, hero_type, fame);
            tries++;
        } while (!qualified && tries < tries_allowed);
        if (qualified || kind != 2) {
            break;
        }
        kind = 0;
    }
    return qualified ? hero_type : (int16_t)-1;
}

int16_t Player_Hero_Count(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int16_t count = 0;
    for (int slot_idx = 0; slot_idx < NUM_HERO_SLOTS; slot_idx++) {
        if (_players[player_idx].Heroes[slot_idx].unit_idx >= 0) {
            count++;
        }
    }
    return count;
}

int16_t Player_Dead_Hero_Count(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return 0;
    }
    int16_t count = 0;
    for (int hero_type = 0; hero_type < NUM_OFFERED_HERO_TYPES; hero_type++) {
        int16_t level = _HEROES2[player_idx][hero_type].Level;
        if (level < 0 && level != HERO_LEVEL_IN_SERVICE) {
            count++;
        }
    }
    return count;
}
