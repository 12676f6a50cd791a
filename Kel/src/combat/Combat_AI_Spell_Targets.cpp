// Where the computer aims a combat spell. Every picker walks the battle units once in index order and
// keeps the best score; ties stay with the lower index.
#include <cstdlib>

#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Battlefield_Record.h"
#include "combat/Combat_AI_Spells.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Map_Feature_Records.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

// Spells the pickers treat by number.
constexpr int16_t SPELL_EARTH_TO_MUD = 1;
constexpr int16_t SPELL_RESIST_ELEMENTS = 2;
constexpr int16_t SPELL_WEB = 5;
constexpr int16_t SPELL_STONE_SKIN = 7;
constexpr int16_t SPELL_CRACKS_CALL = 11;
constexpr int16_t SPELL_PETRIFY = 22;
constexpr int16_t SPELL_RESIST_MAGIC = 41;
constexpr int16_t SPELL_PHANTOM_BOLT = 50;
constexpr int16_t SPELL_FLIGHT = 56;
constexpr int16_t SPELL_BANISH = 64;
constexpr int16_t SPELL_CREATURE_BINDING = 73;
constexpr int16_t SPELL_WARP_WOOD = 81;
constexpr int16_t SPELL_DISRUPT = 82;
constexpr int16_t SPELL_SHATTER = 88;
constexpr int16_t SPELL_WARP_CREATURE = 89;
constexpr int16_t SPELL_DISINTEGRATE = 112;
constexpr int16_t SPELL_HOLY_SMITE = 122;
constexpr int16_t SPELL_HEALING = 125;
constexpr int16_t SPELL_DARKNESS = 128;
constexpr int16_t SPELL_HEROISM = 130;
constexpr int16_t SPELL_DISPEL_EVIL = 134;
constexpr int16_t SPELL_RAISE_DEAD = 137;
constexpr int16_t SPELL_MASS_HEALING = 149;
constexpr int16_t SPELL_HOLY_WORD = 150;
constexpr int16_t SPELL_LIFE_DRAIN = 167;
constexpr int16_t SPELL_LIGHT = 169;
constexpr int16_t SPELL_BERSERK = 179;
constexpr int16_t SPELL_RECALL_HERO = 205;

constexpr uint16_t WARP_CREATURE_BITS = BUC_WARP_CREATURE_MELEE | BUC_WARP_CREATURE_DEFENSE | BUC_WARP_CREATURE_RESIST;
constexpr int16_t RACE_FANTASTIC = 15;
constexpr int16_t RACE_CHAOS = 18;
constexpr int16_t RACE_LIFE = 19;
constexpr int16_t RACE_DEATH = 20;
constexpr int16_t SUMMON_DRAWS = 200;
constexpr int16_t SIDE_UNITS_MAX = 9;
constexpr int16_t STRUCTURE_SAILABLE = 6;

bool Counts(const Battle_Unit_Record &bu) { return bu.Status == bus_Fighting; }
bool Normal(const Battle_Unit_Record &bu) { return bu.race < RACE_FANTASTIC; }
bool Magic_Immune(const Battle_Unit_Record &bu) { return (bu.Attribs_1 & UI_MAGIC_IMMUNITY) != 0; }
bool Righteous(const Battle_Unit_Record &bu) { return (Battle_Unit_Enchantments(&bu) & UE_RIGHTEOUSNESS) != 0; }
bool Visible(const Battle_Unit_Record &bu) { return Target_Is_Visible(&bu) == 1; }
int16_t Realm(int16_t spell) { return spell_data_table[spell].magic_realm; }
bool Protected(const Battle_Unit_Record &bu, int16_t spell)
{
    return Righteous(bu) && (Realm(spell) == REALM_CHAOS || Realm(spell) == REALM_DEATH);
}
bool Is_Hero(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot > -1;
}
// The overland word and the word cast in battle, not the items'.
uint32_t Own_Enchantments(const Battle_Unit_Record &bu)
{
    uint32_t word = bu.Combat_Enchantments;
    if (bu.unit_idx >= 0 && bu.unit_idx < _units) word |= _UNITS[bu.unit_idx].enchantments;
    return word;
}
int32_t Lost_Hits(const Battle_Unit_Record &bu)
{
    return (int32_t)(bu.Max_Figures - bu.Cur_Figures) * bu.Hits + bu.Front_Figure_Damage;
}
int32_t Scaled_Strength(const Battle_Unit_Record &bu, int16_t r)
{
    return ((int32_t)Effective_Battle_Unit_Strength(&bu) * (10 - r) + 9) / 10;
}
bool Ground_Bound(const Battle_Unit_Record &bu)
{
    return Counts(bu) && !(bu.Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING)) &&
           !(bu.Abilities & UA_NONCORPOREAL);
}
bool Attacks_Walled_City(int16_t player) { return player == _combat_attacker_player && battlefield->walls == 1; }
bool Section_Standing(int16_t x, int16_t y)
{
    const int cx = x - COMBAT_CITY_X, cy = y - COMBAT_CITY_Y;
    if (cx < 0 || cx >= COMBAT_CITY_SIZE || cy < 0 || cy >= COMBAT_CITY_SIZE) return false;
    return battlefield->wall_sections[cy][cx] == WALL_SECTION_STANDING;
}
// The first standing wall section in the order a breach is tried.
int16_t Wall_Target(int16_t player, int16_t *x, int16_t *y)
{
    static const int16_t cells[][2] = {{8, 13}, {8, 11}, {8, 10}, {7, 13}, {7, 10}};
    if (!Attacks_Walled_City(player)) return AITP_NONE;
    for (const auto &cell : cells) {
        if (Section_Standing(cell[0], cell[1])) {
            *x = cell[0], *y = cell[1];
            return AITP_NO_UNIT;
        }
    }
    return AITP_NONE;
}

// A pick that keeps the best score; the first index wins ties.
struct Best {
    int32_t score;
    int16_t unit = AITP_NONE;
    void Offer(int32_t s, int i)
    {
        if (s > score) score = s, unit = (int16_t)i;
    }
};

bool Cell_Occupied(int16_t x, int16_t y)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (Counts(bu) && bu.Grid_X == x && bu.Grid_Y == y) return true;
    }
    return false;
}

int16_t Summons_Target(int16_t player, int16_t *x, int16_t *y)
{
    int16_t own = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (Counts(battle_units[i]) && battle_units[i].owner_idx == player) own++;
    }
    if (_units >= UNIT_MAX_IN_USE || own >= SIDE_UNITS_MAX || _combat_total_unit_count >= MAX_BATTLE_UNITS) {
        return AITP_NONE;
    }
    for (int draw = 0; draw < SUMMON_DRAWS; draw++) {
        *x = player == _combat_attacker_player ? (int16_t)(14 - RANDOM(3)) : (int16_t)(7 + RANDOM(3));
        *y = (int16_t)(8 + RANDOM(3));
        if (!Cell_Occupied(*x, *y)) break;
    }
    return AITP_NO_UNIT;
}

int16_t Own_Enchantment_Target(int16_t spell, int16_t player, bool normal_only)
{
    const uint32_t bits = spell_data_table[spell].Param_Mask;
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx != player) continue;
        const uint32_t have = Battle_Unit_Enchantments(&bu);
        if (have & bits) continue;
        if (normal_only) {
            if (!Normal(bu)) continue;
            if (spell == SPELL_HEROISM && bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Level >= 3) {
                continue;
            }
        } else {
            if (spell == SPELL_STONE_SKIN && (have & UE_IRONSKIN)) continue;
            if (spell == SPELL_RESIST_ELEMENTS && (have & UE_ELEMENTALARMOR)) continue;
            if (spell == SPELL_RESIST_MAGIC && (have & UE_WRAITHFORM)) continue;
            if (spell == SPELL_FLIGHT && (bu.Move_Flags & MV_FLYING)) continue;
            if (spell == SPELL_BERSERK) {
                const int16_t t = bu.Target_Battle_Unit;
                if (Is_Hero(bu) || t < 0 || t >= _combat_total_unit_count || t == i) continue;
                if (Range_To_Battle_Unit(&bu, &battle_units[t]) > bu.Move_Halves / 2) continue;
            }
        }
        best.Offer((int32_t)bu.Cur_Figures * 10 + bu.Melee, i);
    }
    return best.unit;
}

int16_t Damage_Target(int16_t spell, int16_t player)
{
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player || !Visible(bu) || Magic_Immune(bu) || Protected(bu, spell)) continue;
        if (spell == SPELL_HOLY_SMITE && bu.race != RACE_DEATH && bu.race != RACE_CHAOS) continue;
        if (spell == SPELL_PHANTOM_BOLT && (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) continue;
        if (spell == SPELL_LIFE_DRAIN && (bu.race == RACE_DEATH || (bu.Attribs_1 & UI_DEATH_IMMUNITY))) continue;
        int32_t damage;
        if (spell == SPELL_LIFE_DRAIN) {
            damage = 13 - Combat_Effective_Resistance(REALM_DEATH, &bu);
            if (damage < 0) damage = 0;
        } else {
            int16_t kinds[NUM_DAMAGE_KINDS] = {0, 0, 0};
            Compute_Battle_Unit_Damage_From_Spell(spell, &bu, kinds, 25);
            damage = kinds[0] + kinds[1] + kinds[2];
        }
        int32_t score = damage;
        if (damage > 0) score += 100 - (int32_t)bu.Cur_Figures * bu.Hits + bu.Front_Figure_Damage;
        best.Offer(score, i);
    }
    return best.unit;
}

int16_t Resist_Or_Die_Target(int16_t spell, int16_t player)
{
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player || Magic_Immune(bu) || Protected(bu, spell) || !Visible(bu)) continue;
        if (spell == SPELL_PETRIFY && (bu.Attribs_1 & UI_STONING_IMMUNITY)) continue;
        if (spell == SPELL_DISPEL_EVIL && bu.race != RACE_DEATH && bu.race != RACE_CHAOS) continue;
        if (spell == SPELL_BANISH && Normal(bu)) continue;
        const int16_t r = (int16_t)(Combat_Effective_Resistance(Realm(spell), &bu) + Spell_Resistance_Modifier(spell));
        if (r >= 10) continue;
        best.Offer(spell == SPELL_DISINTEGRATE ? Effective_Battle_Unit_Strength(&bu) : Scaled_Strength(bu, r), i);
    }
    return best.unit;
}

int16_t Curse_Target(int16_t spell, int16_t player, bool normal_only)
{
    const uint16_t bits = (uint16_t)spell_data_table[spell].Param_Mask;
    const int16_t realm = Realm(spell);
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player || ((uint16_t)bu.Curses & bits) || Magic_Immune(bu)) continue;
        if (Protected(bu, spell)) continue;
        if (realm == REALM_SORCERY && (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) continue;
        if (!normal_only && realm == REALM_DEATH && (bu.Attribs_1 & UI_DEATH_IMMUNITY)) continue;
        if (!Visible(bu)) continue;
        if (normal_only && !Normal(bu)) continue;
        if (spell == SPELL_CREATURE_BINDING && Normal(bu)) continue;
        if (spell == SPELL_SHATTER && bu.Melee <= 1 && bu.Ranged <= 1) continue;
        int16_t r = Combat_Effective_Resistance(realm, &bu);
        if (!normal_only) r = (int16_t)(r + Spell_Resistance_Modifier(spell));
        if (r >= 10) continue;
        best.Offer(Scaled_Strength(bu, r), i);
    }
    return best.unit;
}

int16_t Web_Target(int16_t spell, int16_t player)
{
    const uint16_t bits = (uint16_t)spell_data_table[spell].Param_Mask;
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player) continue;
        if (spell == SPELL_WEB) {
            if ((bu.Abilities & UA_NONCORPOREAL) || bu.Web_Strength >= 1) continue;
        } else {
            if (((uint16_t)bu.Curses & bits) || Magic_Immune(bu)) continue;
            if (Realm(spell) == REALM_SORCERY && (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) continue;
        }
        if (Protected(bu, spell) || !Visible(bu)) continue;
        int32_t score = Effective_Battle_Unit_Strength(&bu);
        if (spell == SPELL_WEB && (bu.Move_Flags & MV_FLYING)) score += 2000;
        best.Offer(score, i);
    }
    return best.unit;
}

int16_t Special_Target(int16_t spell, int16_t player, int16_t *x, int16_t *y)
{
    switch (spell) {
    case SPELL_HEALING: return AITP_Healing(player);
    case SPELL_MASS_HEALING: return AITP_Healing(player) >= 0 ? AITP_NO_UNIT : AITP_NONE;
    case SPELL_WARP_WOOD: return AITP_WarpWood(player);
    case SPELL_WARP_CREATURE: return AITP_WarpCreature(player);
    case SPELL_EARTH_TO_MUD: return AITP_EarthToMud(player, x, y);
    case SPELL_DISRUPT: return AITP_Disrupt(player, x, y);
    case SPELL_RECALL_HERO: return AITP_RecallHero(player);
    case SPELL_CRACKS_CALL: return AITP_CracksCall(player, x, y);
    case SPELL_RAISE_DEAD: *x = 0, *y = 0; return AITP_NO_UNIT;
    default: return AITP_NONE;
    }
}

int16_t Battlefield_Target(int16_t spell, int16_t player)
{
    const int slot = spell_data_table[spell].Param_Words[0] + (player == _combat_attacker_player ? 0 : 1);
    if (slot >= 0 && slot < NUM_COMBAT_ENCHANTMENTS && combat_enchantments[slot] > 0) return AITP_NONE;
    if (spell == SPELL_DARKNESS || spell == SPELL_LIGHT) return AITP_DarknessLight(spell);
    if (spell == SPELL_HOLY_WORD) return AITP_HolyWord(player);
    return AITP_NO_UNIT;
}

}  // namespace

int16_t AITP_Combat_Spell(int16_t spell, int16_t player, int16_t *grid_x, int16_t *grid_y)
{
    if (spell <= 0 || spell >= NUM_SPELLS) return AITP_NONE;
    switch (spell_data_table[spell].type) {
    case 0: return Summons_Target(player, grid_x, grid_y);
    case 1: return Own_Enchantment_Target(spell, player, false);
    case 15: return Own_Enchantment_Target(spell, player, true);
    case 4:
    case 22: return Damage_Target(spell, player);
    case 5: return Special_Target(spell, player, grid_x, grid_y);
    case 10:
    case 21: return Battlefield_Target(spell, player);
    case 12:
    case 23: return Resist_Or_Die_Target(spell, player);
    case 13: return Curse_Target(spell, player, false);
    case 16: return Curse_Target(spell, player, true);
    case 14: return Web_Target(spell, player);
    case 18: return AITP_DispelMagic(player);
    case 19: return AITP_NO_UNIT;
    default: return AITP_NONE;
    }
}

int16_t AITP_DarknessLight(int16_t spell)
{
    (void)spell;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (Counts(bu) && (bu.race == RACE_LIFE || bu.race == RACE_DEATH)) return AITP_NO_UNIT;
    }
    return AITP_NONE;
}

int16_t AITP_HolyWord(int16_t player)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (Counts(bu) && bu.owner_idx != player && !Normal(bu) && !(Own_Enchantments(bu) & UE_SPELLLOCK)) {
            return AITP_NO_UNIT;
        }
    }
    return AITP_NONE;
}

int16_t AITP_Healing(int16_t player)
{
    Best best{0};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx != player || bu.race == RACE_DEATH) continue;
        const int32_t lost = Lost_Hits(bu);
        best.Offer(lost < 3 ? 0 : lost * (bu.Melee + bu.Ranged), i);
    }
    return best.unit;
}

int16_t AITP_WarpWood(int16_t player)
{
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player || !Visible(bu) || Magic_Immune(bu) || Righteous(bu)) continue;
        const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
        best.Offer(kind >= 20 && kind <= 29 ? (int32_t)bu.Ranged * bu.Ammo * bu.Cur_Figures : -10, i);
    }
    return best.unit;
}

int16_t AITP_WarpCreature(int16_t player)
{
    Best best{-1};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx == player || !Normal(bu) || !Visible(bu) || Magic_Immune(bu) || Righteous(bu) ||
            ((uint16_t)bu.Curses & WARP_CREATURE_BITS)) {
            continue;
        }
        const int16_t r = Combat_Effective_Resistance(Realm(SPELL_WARP_CREATURE), &bu);
        if (r >= 10) continue;
        best.Offer(((int32_t)(bu.Melee + bu.Ranged) * bu.Cur_Figures * (10 - r) + 9) / 10, i);
    }
    return best.unit;
}

int16_t AITP_DispelMagic(int16_t player)
{
    struct Weight {
        uint32_t bit;
        int16_t score;
        int16_t realm_flags;  // 0: always counted
    };
    static const Weight own_curses[] = {
        {BUC_VERTIGO, 20, 0},
        {BUC_MIND_STORM, 40, 0},
        {BUC_SHATTER, 10, 0},
        {BUC_WEAKNESS, 10, 0},
        {BUC_BLACK_SLEEP, 40, 0},
        {BUC_WARP_CREATURE_MELEE, 15, 0},
        {BUC_WARP_CREATURE_DEFENSE, 10, 0},
        {BUC_WARP_CREATURE_RESIST, 10, 0},
        {BUC_MIND_TWIST, 10, 0},
    };
    static const Weight enemy_enchantments[] = {
        {UE_IMMOLATION, 20, 0},
        {UE_GUARDIANWIND, 10, 0},
        {UE_CLOAKOFFEAR, 10, 0},
        {UE_WRAITHFORM, 10, 0},
        {UE_ELEMENTALARMOR, 20, 0x2},
        {UE_STONESKIN, 10, 0},
        {UE_IRONSKIN, 20, 0},
        {UE_SPELLLOCK, -10, 0},
        {UE_INVISIBILITY, 10, 0},
        {UE_MAGICIMMUNITY, 25, 0},
        {UE_TRUESIGHT, 30, 0x1},
        {UE_LIONHEART, 30, 0},
        {UE_RIGHTEOUSNESS, 30, 0x2 | 0x8},
        {UE_INVULNERABILITY, 40, 0},
    };
    const int16_t flags = g_ai_combat_attacker_realm_flags;
    constexpr uint16_t ENEMY_CURSES = BUC_HASTE | BUC_CREATURE_BINDING | BUC_POSESSION;
    int32_t best_score = 0;
    int16_t result = AITP_NONE;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu)) continue;
        const uint16_t curses = (uint16_t)bu.Curses;
        const bool confused_over = (curses & BUC_CONFUSION) && bu.Confusion_State == 2;
        int32_t score = -1;
        if (bu.owner_idx == player) {
            if (!(curses & 0x87FF)) continue;
            score = Effective_Battle_Unit_Strength(&bu);
            for (const Weight &w : own_curses) {
                if (curses & w.bit) score += w.score;
            }
            if ((curses & BUC_CONFUSION) && bu.Confusion_State != 2) score += 30;
        } else {
            const uint32_t words = Own_Enchantments(bu);
            if (!words && !(curses & ENEMY_CURSES) && !confused_over) continue;
            if (!Visible(bu)) continue;
            score = Effective_Battle_Unit_Strength(&bu);
            for (const Weight &w : enemy_enchantments) {
                if ((words & w.bit) && (w.realm_flags == 0 || (flags & w.realm_flags))) score += w.score;
            }
            if ((curses & BUC_CONFUSION) && bu.Confusion_State != 2) score += 30;
            if (curses & BUC_CREATURE_BINDING) score += 70;
            if (curses & BUC_POSESSION) score += 70;
        }
        if (score > best_score) best_score = score, result = (int16_t)i;
    }
    return result;
}

int16_t AITP_EarthToMud(int16_t player, int16_t *grid_x, int16_t *grid_y)
{
    if (_combat_structure == STRUCTURE_SAILABLE) return AITP_NONE;
    int32_t best = 0;
    int16_t result = AITP_NONE;
    for (int16_t x = 0; x < COMBAT_GRID_WIDTH; x++) {
        for (int16_t y = 0; y < COMBAT_GRID_HEIGHT; y++) {
            int32_t sum = 0;
            for (int i = 0; i < _combat_total_unit_count; i++) {
                const Battle_Unit_Record &bu = battle_units[i];
                if (!Ground_Bound(bu)) continue;
                const int dx = abs(bu.Grid_X - x), dy = abs(bu.Grid_Y - y);
                const int d = dx > dy ? dx : dy;
                if (d > 2) continue;
                sum += bu.owner_idx == player ? -(3 - d) : 3 - d;
            }
            if (sum > best) {
                best = sum, result = AITP_NO_UNIT;
                *grid_x = x, *grid_y = y;
            }
        }
    }
    return result;
}

int16_t AITP_Disrupt(int16_t player, int16_t *grid_x, int16_t *grid_y) { return Wall_Target(player, grid_x, grid_y); }

int16_t AITP_CracksCall(int16_t player, int16_t *grid_x, int16_t *grid_y)
{
    Best best{0};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Ground_Bound(bu) || bu.owner_idx == player || !Visible(bu)) continue;
        int32_t value = Effective_Battle_Unit_Strength(&bu);
        if (Attacks_Walled_City(player) && bu.Grid_X >= 5 && bu.Grid_X <= 7 && bu.Grid_Y >= 11 && bu.Grid_Y <= 13 &&
            Section_Standing(bu.Grid_X, bu.Grid_Y)) {
            value += 30;
        }
        best.Offer(value, i);
    }
    if (best.unit >= 0) {
        *grid_x = battle_units[best.unit].Grid_X, *grid_y = battle_units[best.unit].Grid_Y;
        return best.unit;
    }
    return Wall_Target(player, grid_x, grid_y);
}

int16_t AITP_RecallHero(int16_t player)
{
    if (player < 0 || player >= NUM_FORTRESSES) return AITP_NONE;
    const Fortress_Record &home = _FORTRESSES[player];
    if (home.wx == _combat_wx && home.wy == _combat_wy && home.wp == _combat_wp) return AITP_NONE;
    Best best{0};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Counts(bu) || bu.owner_idx != player || !Is_Hero(bu)) continue;
        const int32_t strength = Effective_Battle_Unit_Strength(&bu);
        // Each product is a 16-bit quantity, held there rather than wrapped.
        int32_t whole = (int32_t)bu.Max_Figures * bu.Hits;
        int32_t left = (int32_t)bu.Cur_Figures * bu.Hits - bu.Front_Figure_Damage;
        if (whole > 32767) whole = 32767;
        if (left > 32767) left = 32767;
        best.Offer(left == 0 ? strength : strength * whole / left, i);
    }
    return best.unit;
}
