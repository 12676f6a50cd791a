#include "turn/Experience_Healing.h"

#include "STU_Log.h"
#include "combat/Battle_Unit_Scores.h"
#include "heroes/Hero_Popups.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Type_Record.h"
#include "world/Units_By_Square.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr uint8_t RACE_DEATH = 20;
constexpr int HEALING_BUILDING = 10;
constexpr int HEALER_SQUARE_LIMIT = 9;
constexpr int16_t STASIS_MODIFIER = -5;
constexpr int16_t STASIS_REALM = 1;

uint8_t m_heal_divisors[UNIT_TABLE_CAPACITY];
// Nobody moves while units train and heal, so each pass gathers the squares' units once.
Units_By_Square m_units_by_square;

bool Unit_Alive(int unit_idx)
{
    return unit_idx >= 0 && unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

const Unit_Type_Record &Type_Of(const Unit_Record &unit)
{
    return _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
}

// Death creatures and the undead neither heal nor are healed.
bool Unit_Heals(const Unit_Record &unit) { return Type_Of(unit).race != RACE_DEATH && !(unit.mutations & UM_UNDEAD); }

// -1 outside Time Stop.
int Time_Stopper(void) { return g_timestop_player_num - 1; }

bool Unit_Moves_In_Time(const Unit_Record &unit)
{
    int stopper = Time_Stopper();
    return stopper < 0 || unit.owner_idx == stopper;
}

void Gain_Experience(Unit_Record &unit, int amount)
{
    int xp = unit.XP + amount;
    unit.XP = (int16_t)(xp > 32767 ? 32767 : xp);
}

bool Is_Hero_Of(const Unit_Record &unit, int player_idx)
{
    return unit.owner_idx == player_idx && unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS &&
           unit.type < NUM_HERO_TYPES;
}

// The training a hero gives its stack: Armsmaster first, else its super form.
int Hero_Training(const Unit_Record &hero)
{
    const Hero_Record &record = _HEROES2[hero.owner_idx][hero.type];
    if (record.abilities & hab_Armsmaster) {
        return (hero.Level + 1) * 2;
    }
    if (record.abilities & hab_Armsmaster_Super) {
        return (hero.Level + 1) * 3;
    }
    return 0;
}

void Heroes_Train_Stacks(int player_idx)
{
    bool done[NUM_HERO_SLOTS] = {};
    for (int slot_idx = 0; slot_idx < NUM_HERO_SLOTS; slot_idx++) {
        int16_t hero_idx = _players[player_idx].Heroes[slot_idx].unit_idx;
        if (done[slot_idx] || !Unit_Alive(hero_idx)) {
            continue;
        }
        const Unit_Record &hero = _UNITS[hero_idx];
        int16_t count = 0;
        int16_t list[ARMY_AT_SQUARE_MAX];
        Army_At_Square_1_By_Square(&m_units_by_square, hero.wx, hero.wy, hero.wp, &count, list);
        done[slot_idx] = true;
        int best = 0;
        for (int k = 0; k < count; k++) {
            const Unit_Record &unit = _UNITS[list[k]];
            if (Is_Hero_Of(unit, player_idx)) {
                done[unit.Hero_Slot] = true;
                int training = Hero_Training(unit);
                if (training > best) {
                    best = training;
                }
            }
        }
        if (best <= 0) {
            continue;
        }
        for (int k = 0; k < count; k++) {
            Unit_Record &unit = _UNITS[list[k]];
            if (unit.Hero_Slot < 0) {
                Gain_Experience(unit, best);
                unit.Level = (int8_t)Calc_Unit_Level(list[k]);
            }
        }
    }
}

void Healer_Treats_Square(const Unit_Record &healer)
{
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1_By_Square(&m_units_by_square, healer.wx, healer.wy, healer.wp, &count, list);
    if (count > HEALER_SQUARE_LIMIT) {
        // A square holds at most 9 units; an overfull one is treated up to that number and never
        // cleared out here.
        STU_LOG(SEV_WARN, LC_GENERAL, "Heal_All_Units: %d units stand on (%d, %d, %d); a square holds %d", count,
                healer.wx, healer.wy, healer.wp, HEALER_SQUARE_LIMIT);
        count = HEALER_SQUARE_LIMIT;
    }
    for (int k = 0; k < count; k++) {
        const Unit_Record &unit = _UNITS[list[k]];
        if (Unit_Heals(unit) && m_heal_divisors[list[k]] != HEAL_DIVISOR_TREATED) {
            Heal_Unit(list[k], 0, 1);
        }
    }
}

}  // namespace

void Do_All_Units_XP_Check(void)
{
    for (int16_t unit_idx = 0; unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY; unit_idx++) {
        if (!Unit_Alive(unit_idx)) {
            continue;
        }
        Unit_Record &unit = _UNITS[unit_idx];
        if (_players[unit.owner_idx].Globals[ge_Unit_Recovery] && Unit_Heals(unit)) {
            unit.Damage = 0;
        }
        if (unit.mutations & UM_STASIS_LINGER) {
            Load_Battle_Unit(unit_idx, global_battle_unit);
            if (Combat_Resistance_Check(STASIS_MODIFIER, STASIS_REALM, global_battle_unit) == 0) {
                unit.mutations &= (uint8_t)~UM_STASIS_LINGER;
            }
        }
        if (unit.mutations & UM_STASIS_INIT) {
            unit.mutations = (uint8_t)((unit.mutations | UM_STASIS_LINGER) & ~UM_STASIS_INIT);
        }
        if ((Type_Of(unit).Abilities & UA_FANTASTIC) || (unit.mutations & UM_UNDEAD) || !Unit_Moves_In_Time(unit)) {
            continue;
        }
        Gain_Experience(unit, 1);
        int16_t level = Calc_Unit_Level(unit_idx);
        if (unit.owner_idx == 0 && unit.Hero_Slot >= 0 && unit.Level < level) {
            Hero_LevelUp_Popup(unit_idx);
        }
        unit.Level = (int8_t)level;
    }

    Units_By_Square_Build(&m_units_by_square);
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        if (Time_Stopper() >= 0 && player_idx != Time_Stopper()) {
            continue;
        }
        Heroes_Train_Stacks(player_idx);
    }
}

void Heal_Unit(int16_t unit_idx, int16_t divisor, int16_t by_healer)
{
    if (!Unit_Alive(unit_idx)) {
        return;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    int damage = unit.Damage;
    // The hit points are counted only where they matter: most units are unhurt.
    int total = (by_healer || damage > 0) ? Unit_Hit_Points(unit_idx) * Type_Of(unit).Figures : 0;
    if (by_healer) {
        damage -= total / 5;
        m_heal_divisors[unit_idx] = HEAL_DIVISOR_TREATED;
    } else if (damage > 0 && damage < total && divisor > 0) {
        int rest = total;
        while (rest > divisor) {
            damage--;
            rest -= divisor;
        }
        if (rest >= RANDOM(divisor)) {
            damage--;
        }
    }
    unit.Damage = (int8_t)(damage < 0 ? 0 : damage);
}

void Heal_All_Units(void)
{
    for (int unit_idx = 0; unit_idx < UNIT_TABLE_CAPACITY; unit_idx++) {
        m_heal_divisors[unit_idx] = HEAL_DIVISOR_FIELD;
    }
    Units_By_Square_Build(&m_units_by_square);
    for (int16_t city_idx = 0; city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
        int16_t count = 0;
        int16_t list[ARMY_AT_SQUARE_MAX];
        Army_At_City_By_Square(&m_units_by_square, city_idx, &count, list);
        uint8_t divisor =
            _CITIES[city_idx].bldg_status[HEALING_BUILDING] > 0 ? HEAL_DIVISOR_CITY_BUILDING : HEAL_DIVISOR_CITY;
        for (int k = 0; k < count && k < ARMY_LIST_STACK_MAX; k++) {
            if (list[k] >= 0 && list[k] < UNIT_TABLE_CAPACITY) {
                m_heal_divisors[list[k]] = divisor;
            }
        }
    }
    for (int16_t unit_idx = 0; unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY; unit_idx++) {
        if (!Unit_Alive(unit_idx) || !Unit_Moves_In_Time(_UNITS[unit_idx])) {
            continue;
        }
        const Unit_Record &unit = _UNITS[unit_idx];
        if (Unit_Heals(unit)) {
            Heal_Unit(unit_idx, m_heal_divisors[unit_idx], 0);
        }
        if (Type_Of(unit).Abilities & UA_HEALER) {
            Healer_Treats_Square(unit);
        }
    }
}
