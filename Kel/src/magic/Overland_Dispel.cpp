#include "magic/Overland_Dispel.h"

#include <cstdio>

#include "LBX_Load.h"
#include "magic/Magic_Services.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"

namespace {

// The spell behind each unit enchantment bit, bit 0 first.
constexpr int16_t UNIT_ENCHANTMENT_SPELLS[32] = {99,  44,  179, 164, 175, 181, 31,  16,  8,   2,  21,
                                                 7,   24,  123, 54,  62,  63,  56,  41,  69,  94, 86,
                                                 131, 124, 130, 121, 141, 4,   138, 126, 144, 143};
// The enchantment that a dispel attacks alone, leaving the unit's others untouched.
constexpr uint32_t SHIELDING_ENCHANTMENT = 0x4000;
constexpr int32_t SHIELDING_COST = 150;
constexpr int LAST_DISPELLABLE_BIT = 30;
constexpr int32_t UNIT_ENCHANTMENT_HARDNESS = 5;
constexpr uint8_t NODE_WARPED = 0x01;
constexpr int16_t SPELL_WARP_NODE = 186;
constexpr int16_t SPELL_STASIS = 68;
constexpr uint8_t STASIS_FIRST = 0x40;
constexpr uint8_t STASIS_HELD = 0x80;
constexpr int16_t REALM_SORCERY = 1;
constexpr int16_t REALM_CHAOS = 2;
constexpr int16_t NO_OWNER = -1;
constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr int16_t MESSAGE_MORE_CITY_DISPELLED = 18;
constexpr int16_t MESSAGE_MORE_UNIT_DISPELLED = 19;
constexpr int16_t MESSAGE_STASIS_FREED = 20;
constexpr int16_t NOTE_UNIT_PICTURE = 51;
constexpr int16_t NOTE_CITY_PICTURE = 52;
constexpr int16_t NOTE_TOP = 40;
constexpr int16_t NOTE_STEP = 25;

int32_t Spell_Cost(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return 0;
    return spell_data_table[spell_idx].casting_cost;
}

int16_t Spell_Realm_Of(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return -1;
    return spell_data_table[spell_idx].magic_realm;
}

// An owner byte outside the players (a city byte can hold anything) counts as no owner.
int16_t Owner_Or_None(int32_t owner) { return owner >= 0 && owner < NUM_PLAYERS ? (int16_t)owner : NO_OWNER; }

void Message_Record(int16_t record, char *text)
{
    text[0] = '\0';
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MESSAGE_RECORD_SIZE);
    text[MESSAGE_RECORD_SIZE] = '\0';
}

struct Notes {
    bool shown_to_human;
    int16_t count;
};

// A dispelled enchantment's note for the human caster: four by name, the fifth sums up the rest.
void Dispelled_Note(Notes &notes, int16_t spell_idx, int16_t summary_record, int16_t picture)
{
    if (!notes.shown_to_human || notes.count >= DISPEL_NOTES_MAX) return;
    char text[MESSAGE_RECORD_SIZE + 32];
    if (notes.count == DISPEL_NOTES_MAX - 1) {
        Message_Record(summary_record, text);
    } else {
        snprintf(text, sizeof text, "%s has been dispelled.",
                 spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS
                     ? spell_data_table[spell_idx].name
                     : "");
    }
    Magic_Notify((int16_t)(NOTE_TOP + NOTE_STEP * notes.count), text, "SPECFX", picture);
    notes.count++;
}

}  // namespace

void Cast_Disenchant(int16_t wx, int16_t wy, int16_t wp, int16_t caster_idx, int16_t strength)
{
    Notes notes = {caster_idx == HUMAN_PLAYER_IDX, 0};
    if (_NODES != nullptr) {
        for (int n = 0; n < NUM_NODES; n++) {
            Node_Record &node = _NODES[n];
            if (node.wx != wx || node.wy != wy || node.wp != wp || (node.flags & NODE_WARPED) == 0) continue;
            const int16_t difficulty = Calculate_Dispel_Difficulty(Spell_Cost(SPELL_WARP_NODE), NO_OWNER, REALM_CHAOS);
            if (Dispel_Roll(strength, difficulty)) node.flags = (uint8_t)(node.flags & ~NODE_WARPED);
        }
    }
    for (int16_t c = 0; _CITIES != nullptr && c < _cities; c++) {
        City_Record &city = _CITIES[c];
        if (city.wx != wx || city.wy != wy || city.wp != wp) continue;
        for (int16_t e = 0; e < NUM_CITY_ENCHANTMENTS; e++) {
            const uint8_t holder = city.enchantments[e];
            if (holder == 0 || holder == caster_idx + 1) continue;
            const int16_t spell = Get_Spell_For_City_Enchantment(e);
            const int16_t difficulty =
                Calculate_Dispel_Difficulty(Spell_Cost(spell), Owner_Or_None(holder - 1), Spell_Realm_Of(spell));
            if (!Dispel_Roll(strength, difficulty)) continue;
            city.enchantments[e] = 0;
            Dispelled_Note(notes, spell, MESSAGE_MORE_CITY_DISPELLED, NOTE_CITY_PICTURE);
        }
    }
    for (int16_t u = 0; _UNITS != nullptr && u < _units; u++) {
        Unit_Record &unit = _UNITS[u];
        if (unit.wx != wx || unit.wy != wy || unit.wp != wp) continue;
        const int16_t owner = Owner_Or_None(unit.owner_idx);
        if (owner == NO_OWNER) continue;
        if (owner != caster_idx) {
            if ((unit.enchantments & SHIELDING_ENCHANTMENT) != 0) {
                const int16_t difficulty = Calculate_Dispel_Difficulty(SHIELDING_COST, owner, REALM_SORCERY);
                if (Dispel_Roll(strength, difficulty)) unit.enchantments &= ~SHIELDING_ENCHANTMENT;
                continue;
            }
            for (int bit = 0; bit <= LAST_DISPELLABLE_BIT; bit++) {
                const uint32_t mask = (uint32_t)1 << bit;
                if ((unit.enchantments & mask) == 0) continue;
                const int16_t spell = UNIT_ENCHANTMENT_SPELLS[bit];
                const int16_t difficulty = Calculate_Dispel_Difficulty(UNIT_ENCHANTMENT_HARDNESS * Spell_Cost(spell),
                                                                       owner, Spell_Realm_Of(spell));
                if (!Dispel_Roll(strength, difficulty)) continue;
                unit.enchantments &= ~mask;
                Dispelled_Note(notes, spell, MESSAGE_MORE_UNIT_DISPELLED, NOTE_UNIT_PICTURE);
            }
        } else if ((unit.mutations & (STASIS_FIRST | STASIS_HELD)) != 0) {
            const int16_t difficulty =
                Calculate_Dispel_Difficulty(Spell_Cost(SPELL_STASIS), owner, Spell_Realm_Of(SPELL_STASIS));
            if (!Dispel_Roll(strength, difficulty)) continue;
            if (unit.mutations == STASIS_FIRST) {
                unit.mutations = (uint8_t)(unit.mutations & ~STASIS_FIRST);
            } else {
                unit.mutations = (uint8_t)(unit.mutations ^ STASIS_HELD);
            }
            if (notes.shown_to_human) {
                char text[MESSAGE_RECORD_SIZE + 1];
                Message_Record(MESSAGE_STASIS_FREED, text);
                Magic_Notify((int16_t)(NOTE_TOP + NOTE_STEP * (notes.count < DISPEL_NOTES_MAX ? notes.count : 0)), text,
                             "SPECFX", NOTE_UNIT_PICTURE);
            }
        }
    }
}

int16_t Square_Has_Disenchant_Target(int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t c = 0; _CITIES != nullptr && c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp) return 1;
    }
    for (int n = 0; _NODES != nullptr && n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.wx == wx && node.wy == wy && node.wp == wp && (node.flags & NODE_WARPED) != 0) return 1;
    }
    for (int16_t u = 0; _UNITS != nullptr && u < _units; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx == wx && unit.wy == wy && unit.wp == wp) return 1;
    }
    return 0;
}
