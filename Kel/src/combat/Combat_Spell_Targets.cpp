// What the human may aim a combat spell at. Cells and units are read from the action map, which holds
// the units the human can see.
#include "combat/Combat_Spell_Targets.h"

#include <cstdio>

#include "combat/Combat_Checks.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t _combat_spell_target_type = ctk_Empty_Cell;

namespace {

constexpr int16_t HUMAN = 0;
constexpr int16_t RACE_FANTASTIC = 15;
constexpr int16_t RACE_CHAOS = 18;
constexpr int16_t RACE_DEATH = 20;
constexpr int16_t HALF_LINE = 10;  // columns up to here are the defender's half
constexpr int16_t SPELL_WEB = 5;
constexpr int16_t SPELL_HASTE = 70;
constexpr int16_t SPELL_WARP_WOOD = 81;
constexpr int16_t SPELL_CREATURE_BINDING = 73;
constexpr int16_t SPELL_BANISH = 64;
constexpr int16_t SPELL_HOLY_SMITE = 122;
constexpr int16_t SPELL_HEALING = 125;

struct Native_Quality {
    int16_t spell;
    uint16_t Battle_Unit_Record::*word;
    uint16_t bit;
};

// The units the pointer can name: -1 none.
int16_t Unit_At(int16_t x, int16_t y)
{
    if (!Combat_Cell_On_Grid(x, y)) return -1;
    const uint8_t v = g_combat_grid_action_map[y][x];
    return v < MAX_BATTLE_UNITS && v < _combat_total_unit_count ? (int16_t)v : (int16_t)-1;
}

bool Living_Unit_On(int16_t x, int16_t y)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.Grid_X == x && bu.Grid_Y == y) return true;
    }
    return false;
}

bool Vortex_On(int16_t x, int16_t y)
{
    for (int i = 0; i < _vortex_count && i < MAX_VORTEXES; i++) {
        if (_vortexes[i].x == x && _vortexes[i].y == y) return true;
    }
    return false;
}

bool Normal(const Battle_Unit_Record &bu) { return bu.race < RACE_FANTASTIC; }
bool Hero(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot > -1;
}
int16_t Summons_Kind(void) { return _combat_attacker_player == HUMAN ? ctk_Attacker_Half : ctk_Defender_Half; }

bool Kind_Takes_Enemy(int16_t kind, const Battle_Unit_Record &bu)
{
    return kind == ctk_Enemy || kind == ctk_Any_Cell || kind == ctk_Unit_Or_Vortex ||
           (kind == ctk_Enemy_Normal && Normal(bu));
}
bool Kind_Takes_Own(int16_t kind, const Battle_Unit_Record &bu)
{
    return kind == ctk_Own || kind == ctk_Any_Cell || kind == ctk_Unit_Or_Vortex ||
           (kind == ctk_Own_Normal && Normal(bu)) || (kind == ctk_Own_Hero && Hero(bu));
}

void Name_Of(int16_t spell, char *name, int size)
{
    snprintf(name, (size_t)size, "%.*s", (int)sizeof spell_data_table[spell].name, spell_data_table[spell].name);
}

Combat_Target_Verdict Refused(int16_t warning) { return Combat_Target_Verdict{-1, warning, {0}}; }
Combat_Target_Verdict Already_Cast(int16_t spell)
{
    Combat_Target_Verdict v = Refused(0);
    char name[24];
    Name_Of(spell, name, sizeof name);
    snprintf(v.text, sizeof v.text, "That unit already has %s cast on it", name);
    return v;
}

Combat_Target_Verdict Check_Enemy(int16_t spell, int16_t idx)
{
    const Battle_Unit_Record &bu = battle_units[idx];
    const Spell_Data_Record &s = spell_data_table[spell];
    if ((spell == SPELL_CREATURE_BINDING || spell == SPELL_BANISH) && Normal(bu))
        return Refused(TARGET_WARN_NORMAL_UNIT);
    if (spell == SPELL_HOLY_SMITE && bu.race != RACE_CHAOS && bu.race != RACE_DEATH) {
        return Refused(TARGET_WARN_NOT_CHAOS_DEATH);
    }
    if (spell == SPELL_WEB && (bu.Abilities & UA_NONCORPOREAL)) return Refused(TARGET_WARN_NON_CORPOREAL);
    const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
    if (spell == SPELL_WARP_WOOD && (kind < 20 || kind > 29)) return Refused(TARGET_WARN_NOT_MISSILE);
    if (s.type == 13 || s.type == 16 || s.type == 14) {
        if (spell != SPELL_WEB && ((uint16_t)bu.Curses & (uint16_t)s.Param_Mask)) return Already_Cast(spell);
        if (spell == SPELL_WEB && bu.Web_Strength > 0) return Already_Cast(spell);
        if (s.magic_realm == REALM_SORCERY && (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
            return Refused(TARGET_WARN_ILLUSIONS_IMMUNE);
        }
        if (s.magic_realm == REALM_DEATH && (bu.Attribs_1 & UI_DEATH_IMMUNITY)) {
            Combat_Target_Verdict v = Refused(0);
            snprintf(v.text, sizeof v.text, "That unit is immune to Death spells");
            return v;
        }
    }
    return Combat_Target_Verdict{idx, 0, {0}};
}

Combat_Target_Verdict Check_Own(int16_t spell, int16_t idx)
{
    static const Native_Quality natives[] = {
        {99, &Battle_Unit_Record::Attribs_1, 0},  // attribute word 2, checked below
        {164, &Battle_Unit_Record::Attribs_1, 0},
        {131, &Battle_Unit_Record::Attribs_1, UI_ILLUSIONS_IMMUNITY},
        {69, &Battle_Unit_Record::Attribs_1, UI_MAGIC_IMMUNITY},
        {138, &Battle_Unit_Record::Abilities, UA_PLANESHIFT},
        {62, &Battle_Unit_Record::Abilities, UA_INVISIBILITY},
        {181, &Battle_Unit_Record::Abilities, UA_NONCORPOREAL},
        {63, &Battle_Unit_Record::Abilities, UA_WINDWALKING},
        {31, &Battle_Unit_Record::Abilities, UA_REGENERATION},
    };
    const Battle_Unit_Record &bu = battle_units[idx];
    const Spell_Data_Record &s = spell_data_table[spell];
    if (spell == SPELL_HEALING) {
        const bool risen = bu.unit_idx >= 0 && bu.unit_idx < _units && (_UNITS[bu.unit_idx].mutations & UM_UNDEAD);
        if (bu.race == RACE_DEATH || risen) return Refused(TARGET_WARN_UNDEAD);
    }
    if ((s.type == 1 || s.type == 15) && spell != SPELL_HASTE && s.Param_Mask != 0 &&
        (Battle_Unit_Enchantments(&bu) & s.Param_Mask) == s.Param_Mask) {
        return Already_Cast(spell);
    }
    if (spell == SPELL_HASTE && ((uint16_t)bu.Curses & BUC_HASTE)) return Already_Cast(spell);
    if ((spell == 99 && (bu.Attribs_2 & UI2_IMMOLATION)) || (spell == 164 && (bu.Attribs_2 & UI2_CAUSE_FEAR_SPELL))) {
        return Refused(TARGET_WARN_NATIVE);
    }
    for (const Native_Quality &q : natives) {
        if (q.spell == spell && q.bit != 0 && (bu.*q.word & q.bit)) return Refused(TARGET_WARN_NATIVE);
    }
    return Combat_Target_Verdict{idx, 0, {0}};
}

}  // namespace

int16_t Combat_Spell_Target_Kind(int16_t spell)
{
    if (spell <= 0 || spell >= NUM_SPELLS) return ctk_Empty_Cell;
    switch (spell_data_table[spell].type) {
    case 0: return Summons_Kind();
    case 1: return ctk_Own;
    case 4:
    case 12:
    case 13:
    case 14:
    case 22:
    case 23: return ctk_Enemy;
    case 15: return ctk_Own_Normal;
    case 16: return ctk_Enemy_Normal;
    case 18: return ctk_Unit_Or_Vortex;
    case 5:
        switch (spell) {
        case 125:
        case 47: return ctk_Own;
        case 137:
        case 195: return Summons_Kind();
        case 89:
        case 73:
        case 81: return ctk_Enemy;
        case 1:
        case 11: return ctk_Any_Cell;
        case 105: return ctk_Empty_Cell;
        case 82: return ctk_Wall_Cell;
        case 205: return ctk_Own_Hero;
        default: return ctk_Any_Cell;  // a special spell without a kind of its own takes any cell
        }
    default: return ctk_Any_Cell;
    }
}

int16_t Combat_Target_Cell_Allowed(int16_t kind, int16_t x, int16_t y)
{
    bool allowed;
    const int16_t idx = Unit_At(x, y);
    if (idx < 0) {
        allowed = kind <= 9;
    } else {
        _scanned_battle_unit = idx;
        const Battle_Unit_Record &bu = battle_units[idx];
        allowed = bu.owner_idx != HUMAN ? Kind_Takes_Enemy(kind, bu) : Kind_Takes_Own(kind, bu);
    }
    if (kind == ctk_Attacker_Half && x <= HALF_LINE) allowed = false;
    if (kind == ctk_Defender_Half && x > HALF_LINE) allowed = false;
    if (kind == ctk_Wall_Cell) allowed = Combat_Grid_Cell_Has_City_Wall(x, y) != 0;
    if (kind == ctk_Unit_Or_Vortex && Vortex_On(x, y)) allowed = true;
    return allowed ? 1 : 0;
}

Combat_Target_Verdict Combat_Spell_Target_Check(int16_t spell, int16_t kind, int16_t x, int16_t y)
{
    if (spell < 0 || spell >= NUM_SPELLS || !Combat_Cell_On_Grid(x, y)) return Refused(0);
    const int16_t idx = Unit_At(x, y);
    if (kind == ctk_Wall_Cell) {
        return Combat_Grid_Cell_Has_City_Wall(x, y) ? Combat_Target_Verdict{COMBAT_TARGET_CELL, 0, {0}} : Refused(0);
    }
    if (kind == ctk_Unit_Or_Vortex && Vortex_On(x, y) && idx < 0)
        return Combat_Target_Verdict{COMBAT_TARGET_CELL, 0, {0}};
    if (idx < 0) {
        if (kind == ctk_Empty_Cell || kind == ctk_Any_Cell) return Combat_Target_Verdict{COMBAT_TARGET_CELL, 0, {0}};
        if ((kind == ctk_Defender_Half && x <= HALF_LINE) || (kind == ctk_Attacker_Half && x > HALF_LINE)) {
            if (Living_Unit_On(x, y)) return Refused(TARGET_WARN_OCCUPIED);
            return Combat_Target_Verdict{COMBAT_TARGET_CELL, 0, {0}};
        }
        return Refused(0);
    }
    const Battle_Unit_Record &bu = battle_units[idx];
    if (kind == ctk_Attacker_Half || kind == ctk_Defender_Half) {
        const bool own_half = kind == ctk_Defender_Half ? x <= HALF_LINE : x > HALF_LINE;
        return Refused(own_half ? TARGET_WARN_OCCUPIED : 0);
    }
    if (bu.owner_idx != HUMAN) return Kind_Takes_Enemy(kind, bu) ? Check_Enemy(spell, idx) : Refused(0);
    return Kind_Takes_Own(kind, bu) ? Check_Own(spell, idx) : Refused(0);
}

void Combat_Spell_Target_Prompt(int16_t spell, char *text, int size)
{
    char name[24] = "";
    if (spell > 0 && spell < NUM_SPELLS) Name_Of(spell, name, sizeof name);
    snprintf(text, (size_t)size, "Select a target for a %s spell.", name);
}
