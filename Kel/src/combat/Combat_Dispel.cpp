#include "combat/Combat_Dispel.h"

#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Dispel_Rules.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t ROLL_SIDES = 250;
constexpr int16_t COMBAT_CASTER_WIZARD = 20;
constexpr int16_t NEUTRAL_PLAYER = 5;

// The spell behind each bit of the combat-effect word; bit 14 is never dispelled.
constexpr int16_t CURSE_SPELLS[14] = {53, 46, 0, 67, 88, 162, 165, 89, 89, 89, 0, 70, 5, 73};
constexpr int CURSE_CONFUSION_BIT = 1;
constexpr int CURSE_HASTE_BIT = 11;
constexpr int CURSE_WEB_BIT = 12;
// The spell behind each bit of the unit-enchantment words.
constexpr int16_t ENCHANTMENT_SPELLS[NUM_UNIT_ENCHANTMENTS] = {99,  44,  179, 164, 175, 181, 31,  16,  8,   2,  21,
                                                               7,   24,  123, 54,  62,  63,  56,  41,  69,  94, 86,
                                                               131, 124, 130, 121, 141, 4,   138, 126, 144, 143};
// Bits 0-30 are tried; Invulnerability (bit 31) stays.
constexpr int ENCHANTMENT_BITS_TRIED = 31;
constexpr int HEROISM_BIT = 24;
constexpr int FLIGHT_BIT = 17;
constexpr int INVISIBILITY_BIT = 15;
constexpr int HOLY_WEAPON_BIT = 23;
// The spell behind each pair of the battle-wide enchantments.
constexpr int16_t PAIR_SPELLS[15] = {128, 169, 108, 174, 182, 102, 140, 151, 168, 35, 48, 74, 33, 170, 51};
constexpr int INVISIBILITY_PAIR = 11;
constexpr int16_t SPELL_LOCK_SPELL = 54;
constexpr int16_t SPELL_LOCK_STRENGTH = 150;
constexpr int16_t HASTE_SPELL = 70;
constexpr int16_t CONFUSION_SPELL = 46;
constexpr int16_t VORTEX_SPELL = 105;
constexpr int16_t WARP_NODE_SPELL = 186;
constexpr int16_t WALL_OF_FIRE_SPELL = 87;
constexpr int16_t WALL_OF_DARKNESS_SPELL = 178;
constexpr int CITY_ENCHANTMENT_BYTES = 26;
constexpr uint8_t NODE_WARPED = 0x01;
// The general texts of the fifth notice, and the pictures of the effects archive.
constexpr int16_t RECORD_DISPEL_MORE = 19;
constexpr int16_t RECORD_BATTLE_WIDE_MORE = 45;
constexpr int16_t RECORD_CITY_MORE = 46;
constexpr int16_t PICTURE_DISPEL = 51;
constexpr int16_t PICTURE_DISENCHANT = 52;

bool Spell_Valid(int16_t spell) { return spell_data_table != nullptr && spell >= 0 && spell < NUM_SPELLS; }
int16_t Spell_Cost(int16_t spell) { return Spell_Valid(spell) ? spell_data_table[spell].casting_cost : 0; }
int16_t Spell_Realm(int16_t spell) { return Spell_Valid(spell) ? spell_data_table[spell].magic_realm : REALM_NONE; }
const char *Spell_Name(int16_t spell) { return Spell_Valid(spell) ? spell_data_table[spell].name : ""; }

// One draw against the thing made by the spell at the given cost multiple.
bool Dispelled(int16_t strength, int32_t cost, int16_t owner, int16_t realm)
{
    return Dispel_Roll(strength, Calculate_Dispel_Difficulty(cost, owner, realm)) == 1;
}
bool Dispelled_Spell(int16_t strength, int16_t spell, int16_t owner, int32_t times = 1)
{
    return Dispelled(strength, times * Spell_Cost(spell), owner, Spell_Realm(spell));
}

int16_t Caster_Player(int16_t caster)
{
    if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) return battle_units[caster].owner_idx;
    return (int16_t)(caster - COMBAT_CASTER_WIZARD);
}
int16_t Other_Side(int16_t player)
{
    return player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

void Dispel_Notice(int16_t spell, int16_t *notices)
{
    if (*notices >= DISPEL_NOTICES_MAX) return;
    const int16_t x = (int16_t)(160 + 10 * *notices);
    const int16_t y = (int16_t)(20 + 25 * *notices);
    if (*notices < DISPEL_NOTICES_MAX - 1) {
        char text[64];
        snprintf(text, sizeof(text), "%s has been dispelled.", Spell_Name(spell));
        Combat_Dispel_Notice(text, -1, x, y, PICTURE_DISPEL);
    } else {
        Combat_Dispel_Notice(nullptr, RECORD_DISPEL_MORE, x, y, PICTURE_DISPEL);
    }
    (*notices)++;
}

void Disenchant_Notice(int16_t spell, int16_t more_record, int16_t *notices)
{
    if (*notices >= DISPEL_NOTICES_MAX) return;
    const int16_t y = (int16_t)(40 + 25 * *notices);
    if (*notices < DISPEL_NOTICES_MAX - 1) {
        char text[64];
        snprintf(text, sizeof(text), "%s has been dispelled.", Spell_Name(spell));
        Combat_Dispel_Notice(text, -1, 160, y, PICTURE_DISENCHANT);
    } else {
        Combat_Dispel_Notice(nullptr, more_record, 160, y, PICTURE_DISENCHANT);
    }
    (*notices)++;
}

void Delete_Vortex(int idx)
{
    for (int i = idx; i + 1 < _vortex_count; i++) _vortexes[i] = _vortexes[i + 1];
    _vortex_count--;
}

const char *Type_Name(int16_t type)
{
    const char *name = type >= 0 && type < NUM_UNIT_TYPES ? _unit_type_table[type].name : nullptr;
    return name != nullptr ? name : "";
}

bool Unit_Valid_Index(int16_t unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < _units; }

// The curses of the caster's own unit go without fail (a draw is still made for each).
void Dispel_Own_Unit(Battle_Unit_Record &bu, int16_t strength, int16_t opponent, int16_t *notices)
{
    for (int bit = 0; bit < 14; bit++) {
        const uint16_t mask = (uint16_t)(1u << bit);
        if (!((uint16_t)bu.Curses & mask) || bit == CURSE_HASTE_BIT) continue;
        if (bit == CURSE_CONFUSION_BIT && bu.Confusion_State == 2) continue;
        const int16_t spell = CURSE_SPELLS[bit];
        const int16_t chance =
            Dispel_Chance(strength, Calculate_Dispel_Difficulty(Spell_Cost(spell), opponent, Spell_Realm(spell)));
        if (RANDOM(ROLL_SIDES) > chance + 500) continue;
        bu.Curses = (int16_t)((uint16_t)bu.Curses & ~mask);
        if (bit == CURSE_WEB_BIT) bu.Web_Strength = 0;
        Dispel_Notice(spell, notices);
    }
}

void Dispel_Enemy_Enchantments(Battle_Unit_Record &bu, int16_t strength, int16_t *notices)
{
    const int16_t owner = bu.owner_idx;
    if (Unit_Valid_Index(bu.unit_idx)) {
        Unit_Record &unit = _UNITS[bu.unit_idx];
        for (int bit = 0; bit < ENCHANTMENT_BITS_TRIED; bit++) {
            const uint32_t mask = 1u << bit;
            if (!(unit.enchantments & mask)) continue;
            if (!Dispelled_Spell(strength, ENCHANTMENT_SPELLS[bit], owner, 5)) continue;
            unit.enchantments &= ~mask;
            if (bit == HEROISM_BIT) unit.Level = (int8_t)Calc_Unit_Level(bu.unit_idx);
            if (bit == FLIGHT_BIT) bu.Move_Flags ^= MV_FLYING;
            Dispel_Notice(ENCHANTMENT_SPELLS[bit], notices);
        }
    }
    const bool side_invisible =
        combat_enchantments[2 * INVISIBILITY_PAIR + (owner == _combat_attacker_player ? 0 : 1)] > 0;
    const bool holy_arms = owner >= 0 && owner < NUM_PLAYERS && _players[owner].Globals[ge_Holy_Arms] > 0;
    for (int bit = 0; bit < ENCHANTMENT_BITS_TRIED; bit++) {
        const uint32_t mask = 1u << bit;
        if (!(bu.Combat_Enchantments & mask)) continue;
        if (bit == INVISIBILITY_BIT && side_invisible) continue;
        if (bit == HOLY_WEAPON_BIT && holy_arms) continue;
        if (!Dispelled_Spell(strength, ENCHANTMENT_SPELLS[bit], owner)) continue;
        bu.Combat_Enchantments &= ~mask;
        if (bit == HEROISM_BIT && Unit_Valid_Index(bu.unit_idx)) {
            _UNITS[bu.unit_idx].Level = (int8_t)Calc_Unit_Level(bu.unit_idx);
        }
        if (bit == FLIGHT_BIT) bu.Move_Flags ^= MV_FLYING;
        Dispel_Notice(ENCHANTMENT_SPELLS[bit], notices);
    }
}

void Dispel_Enemy_Unit(Battle_Unit_Record &bu, int16_t strength, int16_t *notices)
{
    const int16_t owner = bu.owner_idx;
    const bool spell_locked = Unit_Valid_Index(bu.unit_idx) && (_UNITS[bu.unit_idx].enchantments & UE_SPELLLOCK);
    if (spell_locked) {
        if (Dispelled(strength, SPELL_LOCK_STRENGTH, owner, Spell_Realm(SPELL_LOCK_SPELL))) {
            _UNITS[bu.unit_idx].enchantments &= ~(uint32_t)UE_SPELLLOCK;
        }
    } else {
        Dispel_Enemy_Enchantments(bu, strength, notices);
    }
    if ((uint16_t)bu.Curses & BUC_HASTE) {
        if (Dispelled_Spell(strength, HASTE_SPELL, owner)) {
            bu.Curses = (int16_t)((uint16_t)bu.Curses & ~BUC_HASTE);
            Dispel_Notice(HASTE_SPELL, notices);
        }
    }
    if (((uint16_t)bu.Curses & BUC_CONFUSION) && bu.Confusion_State == 2) {
        if (Dispelled_Spell(strength, CONFUSION_SPELL, owner)) {
            bu.owner_idx = (int8_t)Other_Side(owner);
            bu.Curses = (int16_t)((uint16_t)bu.Curses & ~BUC_CONFUSION);
            Dispel_Notice(CONFUSION_SPELL, notices);
        }
    }
}

// The possessive of a name: "' " after a final s, else "'s ".
void Append_Possessive(char *buffer, int size, const char *name)
{
    const size_t length = strlen(name);
    const bool ends_in_s = length > 0 && (name[length - 1] == 's' || name[length - 1] == 'S');
    const size_t used = strlen(buffer);
    snprintf(buffer + used, (size_t)size > used ? (size_t)size - used : 0, "%s%s", name, ends_in_s ? "' " : "'s ");
}

}  // namespace

int16_t Combat_Spell_Dispel_Attempt(int16_t counter_strength, int16_t spell_strength, int16_t player, int16_t realm)
{
    return Dispel_Roll(counter_strength, Calculate_Dispel_Difficulty(spell_strength, player, realm));
}

void Combat_Spell_Counter_Text(char *buffer, int size, int16_t caster, int16_t countering_player, int16_t spell,
                               const char *counter_name)
{
    if (size <= 0) return;
    buffer[0] = '\0';
    const auto append = [&](const char *text) {
        const size_t used = strlen(buffer);
        if ((size_t)size > used) snprintf(buffer + used, (size_t)size - used, "%s", text);
    };
    if (countering_player == COUNTER_BY_NODE) {
        append("The power of ");
        const int16_t centre = battlefield != nullptr ? battlefield->centre_code : (int16_t)ccc_None;
        append(centre == ccc_Sorcery_Node ? "Sorcery" : centre == ccc_Chaos_Node ? "Chaos" : "Nature");
        append(" Node has caused ");
    } else if (countering_player == 0) {
        append("Your ");
        append(counter_name);
        append(" spell has caused ");
    } else {
        Append_Possessive(buffer, size,
                          countering_player > 0 && countering_player < NUM_PLAYERS ? _players[countering_player].name
                                                                                   : "");
        append(counter_name);
        append(" spell has caused ");
    }
    if (caster == COMBAT_CASTER_WIZARD) {
        append("your ");
    } else if (caster > COMBAT_CASTER_WIZARD && caster - COMBAT_CASTER_WIZARD < NUM_PLAYERS) {
        Append_Possessive(buffer, size, _players[caster - COMBAT_CASTER_WIZARD].name);
    } else if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) {
        const Battle_Unit_Record &bu = battle_units[caster];
        const Unit_Record *unit = Unit_Valid_Index(bu.unit_idx) ? &_UNITS[bu.unit_idx] : nullptr;
        if (unit != nullptr && unit->Hero_Slot >= 0 && unit->Hero_Slot < NUM_HERO_SLOTS && bu.owner_idx >= 0 &&
            bu.owner_idx < NUM_PLAYERS) {
            char name[sizeof(Hero_Slot_Record::name) + 1] = {};
            memcpy(name, _players[bu.owner_idx].Heroes[unit->Hero_Slot].name, sizeof(Hero_Slot_Record::name));
            Append_Possessive(buffer, size, name);
        } else {
            append("the ");
            Append_Possessive(buffer, size, unit != nullptr ? Type_Name(unit->type) : "");
        }
    }
    append(Spell_Name(spell));
    append(" spell to fizzle.");
}

void Combat_Spell_Counter_Message(int16_t caster, int16_t countering_player, int16_t spell, const char *counter_name)
{
    char text[256];
    Combat_Spell_Counter_Text(text, sizeof(text), caster, countering_player, spell, counter_name);
    Combat_Show_Spell_Countered(text);
}

void Combat_Cast_Dispel(int16_t x, int16_t y, int16_t caster, int16_t strength, int16_t *notices)
{
    const int16_t player = Caster_Player(caster);
    const int16_t opponent = Other_Side(player);
    for (int i = 0; i < _vortex_count;) {
        if (_vortexes[i].x == x && _vortexes[i].y == y && Dispelled_Spell(strength, VORTEX_SPELL, _vortexes[i].owner)) {
            Delete_Vortex(i);
        } else {
            i++;
        }
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Grid_X != x || bu.Grid_Y != y) continue;
        if (bu.owner_idx == player) {
            Dispel_Own_Unit(bu, strength, opponent, notices);
        } else {
            Dispel_Enemy_Unit(bu, strength, notices);
        }
    }
}

void Combat_Cast_Disenchant(int16_t caster, int16_t strength)
{
    const int16_t player = Caster_Player(caster);
    const bool attacker = player == _combat_attacker_player;
    const int side = attacker ? 1 : 0;
    const int16_t opponent = attacker ? _combat_defender_player : _combat_attacker_player;
    int16_t notices = 0;
    if (opponent != NEUTRAL_PLAYER) {
        for (int pair = 0; pair < 15; pair++) {
            int8_t &entry = combat_enchantments[2 * pair + side];
            if (entry <= 0 || !Dispelled_Spell(strength, PAIR_SPELLS[pair], opponent)) continue;
            entry = 0;
            if (pair == INVISIBILITY_PAIR) {
                for (int i = 0; i < _combat_total_unit_count; i++) {
                    if (battle_units[i].owner_idx == opponent) battle_units[i].Combat_Enchantments ^= UE_INVISIBILITY;
                }
            }
            Disenchant_Notice(PAIR_SPELLS[pair], RECORD_BATTLE_WIDE_MORE, &notices);
        }
        Combat_Refresh_Enchantment_Icons();
    }
    if (_NODES != nullptr) {
        for (int n = 0; n < NUM_NODES; n++) {
            Node_Record &node = _NODES[n];
            if (!(node.flags & NODE_WARPED) || node.owner_idx != player || node.wx != _combat_wx ||
                node.wy != _combat_wy || node.wp != _combat_wp)
                continue;
            if (Dispelled_Spell(strength, WARP_NODE_SPELL, -1)) node.flags &= (uint8_t)~NODE_WARPED;
        }
    }
    for (int i = 0; i < _vortex_count;) {
        if (_vortexes[i].owner != player && Dispelled_Spell(strength, VORTEX_SPELL, _vortexes[i].owner)) {
            Delete_Vortex(i);
        } else {
            i++;
        }
    }
    if (battlefield != nullptr) {
        for (int16_t e = 0; e < CITY_ENCHANTMENT_BYTES; e++) {
            const uint8_t holder = battlefield->city_enchantments[e];
            if (holder == 0 || holder == player + 1) continue;
            const int16_t spell = Get_Spell_For_City_Enchantment(e);
            if (!Dispelled_Spell(strength, spell, (int16_t)(holder - 1))) continue;
            battlefield->city_enchantments[e] = 0;
            if (spell == WALL_OF_FIRE_SPELL) battlefield->wall_of_fire = 0;
            if (spell == WALL_OF_DARKNESS_SPELL) battlefield->wall_of_darkness = 0;
            Disenchant_Notice(spell, RECORD_CITY_MORE, &notices);
        }
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status != bus_Fighting) continue;
        Combat_Cast_Dispel(battle_units[i].Grid_X, battle_units[i].Grid_Y, caster, strength, &notices);
    }
}
