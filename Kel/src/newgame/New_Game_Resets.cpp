#include "newgame/New_Game_Resets.h"

#include "random.h"
#include "world/ALLOC.h"
#include "world/Events_Record.h"
#include "world/Item_Record.h"
#include "world/Unit_Type_Ids.h"
#include "world/Unit_Type_Record.h"

namespace {

// Carried in the ability word of some hero types; no view lists it.
constexpr uint32_t HAB_BIT_30 = 0x40000000;

constexpr uint32_t LEAD = hab_Leadership;
constexpr uint32_t LEAD_S = hab_Leadership_Super;
constexpr uint32_t LEGEND = hab_Legendary;
constexpr uint32_t LEGEND_S = hab_Legendary_Super;
constexpr uint32_t BLADE = hab_Blademaster;
constexpr uint32_t ARMS = hab_Armsmaster;
constexpr uint32_t CONST = hab_Constitution;
constexpr uint32_t MIGHT = hab_Might;
constexpr uint32_t MIGHT_S = hab_Might_Super;
constexpr uint32_t ARCANE = hab_Arcane_Power;
constexpr uint32_t SAGE = hab_Sage;
constexpr uint32_t PRAYER = hab_Prayermaster;
constexpr uint32_t PRAYER_S = hab_Prayermaster_Super;
constexpr uint32_t AGILE = hab_Agility;
constexpr uint32_t AGILE_S = hab_Agility_Super;
constexpr uint32_t CHARMED = hab_Charmed;
constexpr uint32_t NOBLE = hab_Noble;

// Heroes whose unit casts magic bolts of these ranged kinds may raise Arcane Power to its super grade.
constexpr int ARCANE_SUPER_KIND_FIRST = 31;
constexpr int ARCANE_SUPER_KIND_LAST = 38;
constexpr int HERO_TYPE_NO_ARCANE_PICK = ht_Champion_8;
constexpr int HERO_TYPE_NO_NOBLE_PICK = ht_Incarnation_Hero;
constexpr int16_t NUM_HERO_PICKS = 14;

struct Graded_Ability {
    uint32_t normal;
    uint32_t super;
};

enum Hero_Pick : int16_t {
    hp_Leadership = 1,
    hp_Legendary,
    hp_Armsmaster,
    hp_Blademaster,
    hp_Might,
    hp_Constitution,
    hp_Arcane_Power,
    hp_Prayermaster,
    hp_Casting_Skill,
    hp_Noble,
    hp_Charmed,
    hp_Lucky,
    hp_Agility,
    hp_Sage,
};

bool Holds(uint32_t abilities, uint32_t bits) { return (abilities & bits) != 0; }

// Adds the normal grade, or replaces it with the super grade when already held.
void Add_Or_Raise(uint32_t &abilities, Graded_Ability ability)
{
    if (Holds(abilities, ability.normal)) {
        abilities = (abilities & ~ability.normal) | ability.super;
    } else {
        abilities |= ability.normal;
    }
}

Graded_Ability Graded(int16_t pick)
{
    switch (pick) {
    case hp_Leadership: return {hab_Leadership, hab_Leadership_Super};
    case hp_Legendary: return {hab_Legendary, hab_Legendary_Super};
    case hp_Armsmaster: return {hab_Armsmaster, hab_Armsmaster_Super};
    case hp_Blademaster: return {hab_Blademaster, hab_Blademaster_Super};
    case hp_Might: return {hab_Might, hab_Might_Super};
    case hp_Constitution: return {hab_Constitution, hab_Constitution_Super};
    case hp_Agility: return {hab_Agility, hab_Agility_Super};
    case hp_Arcane_Power: return {hab_Arcane_Power, hab_Arcane_Power_Super};
    case hp_Prayermaster: return {hab_Prayermaster, hab_Prayermaster_Super};
    case hp_Sage: return {hab_Sage, hab_Sage_Super};
    default: return {0, 0};
    }
}

// Applies one drawn pick to the hero being rolled; false when the pick does not apply and is
// drawn again.
bool Apply_Hero_Pick(int16_t pick, int hero_type, int16_t fighter, int16_t mage, uint32_t &abilities, int16_t &skill)
{
    const Unit_Type_Record &type = _unit_type_table[hero_type];
    switch (pick) {
    case hp_Leadership:
    case hp_Legendary:
    case hp_Armsmaster:
    case hp_Blademaster:
    case hp_Might:
    case hp_Constitution:
    case hp_Agility: {
        Graded_Ability ability = Graded(pick);
        if (fighter <= 0 || Holds(abilities, ability.super)) return false;
        Add_Or_Raise(abilities, ability);
        return true;
    }
    case hp_Arcane_Power: {
        if (mage <= 0 || Holds(abilities, hab_Arcane_Power_Super) || hero_type == HERO_TYPE_NO_ARCANE_PICK)
            return false;
        int kind = (uint8_t)type.Ranged_Type;
        if (kind >= ARCANE_SUPER_KIND_FIRST && kind <= ARCANE_SUPER_KIND_LAST) {
            Add_Or_Raise(abilities, Graded(pick));
        } else {
            abilities |= hab_Arcane_Power;
        }
        return true;
    }
    case hp_Prayermaster:
    case hp_Sage: {
        Graded_Ability ability = Graded(pick);
        if (mage <= 0 || Holds(abilities, ability.super)) return false;
        Add_Or_Raise(abilities, ability);
        return true;
    }
    case hp_Casting_Skill:
        if (mage <= 0) return false;
        skill++;
        return true;
    case hp_Noble:
        if (Holds(abilities, hab_Noble) || hero_type == HERO_TYPE_NO_NOBLE_PICK) return false;
        abilities |= hab_Noble;
        return true;
    case hp_Charmed:
        if (Holds(abilities, hab_Charmed) || (type.Attribs_1 & UI_MAGIC_IMMUNITY) != 0) return false;
        abilities |= hab_Charmed;
        return true;
    case hp_Lucky:
        if (Holds(abilities, hab_Lucky)) return false;
        abilities |= hab_Lucky;
        return true;
    default: return false;
    }
}

}  // namespace

// clang-format off
const Hero_Premade_Record _hero_premade_table[NUM_HERO_TYPES] = {
    {0, hpk_Fighter, CONST,                                  0, {0, 0, 0, 0}},
    {0, hpk_Fighter, MIGHT,                                  0, {0, 0, 0, 0}},
    {0, hpk_Mage,    SAGE,                                   2, {42, 48, 0, 0}},
    {0, hpk_Fighter, NOBLE,                                  0, {0, 0, 0, 0}},
    {0, hpk_Fighter, 0,                                      1, {2, 0, 0, 0}},
    {0, hpk_Fighter, LEAD | HAB_BIT_30,                      1, {46, 53, 0, 0}},
    {1, hpk_Fighter, 0,                                      0, {0, 0, 0, 0}},
    {1, hpk_Mage,    HAB_BIT_30,                             2, {125, 0, 0, 0}},
    {1, hpk_Fighter, BLADE | HAB_BIT_30,                     0, {0, 0, 0, 0}},
    {0, hpk_Fighter, CHARMED | HAB_BIT_30 | AGILE,           0, {0, 0, 0, 0}},
    {0, hpk_Fighter, 0,                                      2, {13, 22, 5, 0}},
    {1, hpk_Fighter, AGILE_S,                                0, {0, 0, 0, 0}},
    {1, hpk_Either,  0,                                      1, {86, 88, 94, 0}},
    {1, hpk_Mage,    ARCANE,                                 3, {83, 96, 90, 109}},
    {1, hpk_Fighter, BLADE,                                  0, {0, 0, 0, 0}},
    {1, hpk_Mage,    0,                                      2, {47, 44, 0, 0}},
    {0, hpk_Fighter, MIGHT,                                  1, {2, 7, 0, 0}},
    {2, hpk_Fighter, MIGHT,                                  0, {0, 0, 0, 0}},
    {2, hpk_Mage,    CHARMED | HAB_BIT_30,                   3, {169, 170, 174, 172}},
    {2, hpk_Either,  0,                                      1, {0, 0, 0, 0}},
    {2, hpk_Fighter, BLADE,                                  0, {0, 0, 0, 0}},
    {1, hpk_Fighter, LEAD | LEGEND_S,                        0, {0, 0, 0, 0}},
    {1, hpk_Fighter, BLADE | MIGHT | CHARMED | HAB_BIT_30,   0, {0, 0, 0, 0}},
    {1, hpk_Mage,    0,                                      5, {91, 101, 104, 0}},
    {5, hpk_Either,  0,                                      1, {0, 0, 0, 0}},
    {2, hpk_Mage,    HAB_BIT_30,                             3, {50, 53, 67, 0}},
    {1, hpk_Fighter, LEAD | LEGEND | ARMS | CONST | MIGHT,   0, {0, 0, 0, 0}},
    {0, hpk_Fighter, ARCANE | PRAYER_S | CHARMED | NOBLE | HAB_BIT_30, 4, {134, 125, 140, 150}},
    {1, hpk_Fighter, LEGEND | MIGHT_S | PRAYER,              0, {0, 0, 0, 0}},
    {1, hpk_Fighter, LEGEND | BLADE | CONST | MIGHT,         0, {0, 0, 0, 0}},
    {3, hpk_Either,  BLADE | HAB_BIT_30,                     1, {41, 56, 0, 0}},
    {1, hpk_Fighter, LEAD_S | LEGEND_S | CONST | NOBLE,      0, {0, 0, 0, 0}},
    {2, hpk_Mage,    ARCANE,                                 4, {162, 165, 195, 182}},
    {3, hpk_Either,  CONST | ARCANE,                         3, {0, 0, 0, 0}},
    {2, hpk_Either,  LEAD_S | CONST | MIGHT_S | PRAYER,      5, {128, 125, 126, 141}},
};

const int EVENT_STATE_WORDS[NUM_EVENT_STATES] = {
    1, 4, 7, 8, 12, 15, 18, 22, 25, 28, 31, 34, 38, 40, 42, 44, 46, 48,
};
// clang-format on

void Initialize_Items(void)
{
    if (_ITEMS != nullptr) {
        for (int i = 0; i < NUM_ITEMS; i++) _ITEMS[i].cost = 0;
    }
    if (_prefab_item_table != nullptr) {
        for (int i = 0; i < NUM_PREFAB_ITEMS; i++) _prefab_item_table[i] = 0;
    }
}

void Init_Heroes(void)
{
    for (int p = 0; p < NUM_ROSTER_PLAYERS; p++) {
        Hero_Record *roster = _HEROES2[p];
        if (roster == nullptr) continue;
        for (int t = 0; t < NUM_HERO_TYPES; t++) {
            const Hero_Premade_Record &premade = _hero_premade_table[t];
            Hero_Record &hero = roster[t];
            hero.Level = 0;
            int16_t fighter = premade.pick_kind == hpk_Mage ? 0 : premade.picks;
            int16_t mage = premade.pick_kind == hpk_Fighter ? 0 : premade.picks;
            uint32_t abilities = premade.abilities;
            int16_t skill = premade.casting_skill;
            while (fighter > 0 || mage > 0) {
                int16_t pick = RANDOM(NUM_HERO_PICKS);
                if (Apply_Hero_Pick(pick, t, fighter, mage, abilities, skill)) {
                    fighter--;
                    mage--;
                }
            }
            hero.abilities = abilities;
            hero.Casting_Skill = (int8_t)skill;
            for (int k = 0; k < 4; k++) hero.Spells[k] = (uint8_t)premade.spells[k];
        }
    }
}

void Initialize_Events(void)
{
    if (events_table == nullptr) return;
    events_table->words[ev_Last_Event_Turn] = FIRST_EVENT_TURN;
    for (int word : EVENT_STATE_WORDS) events_table->words[word] = 0;
}
