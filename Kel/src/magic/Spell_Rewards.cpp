#include "magic/Spell_Rewards.h"

#include <cstdio>

#include "magic/Conquest_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Research.h"
#include "magic/Spell_Values.h"
#include "random.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int COLOUR_REALMS = 5;
constexpr int ARCANE = 5;
constexpr int SPELLS_PER_REALM = 40;
constexpr int BAND_SIZE = 10;
constexpr int BANDS = 4;
constexpr uint8_t STATUS_UNAVAILABLE = 0;
constexpr uint8_t STATUS_RESEARCHABLE = 1;
constexpr uint8_t STATUS_KNOWN = 2;
constexpr int ARCANE_REWARD_SPELLS = 11;  // spells 201..211

// Spells made researchable by the next book, by books already held and band.
constexpr int8_t GRANT_ROWS[11][BANDS] = {
    {3, 1, 0, 0}, {2, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1},
    {1, 2, 1, 1}, {0, 2, 1, 1}, {0, 0, 2, 1}, {0, 0, 2, 1}, {0, 0, 0, 0},
};

}  // namespace

int16_t WIZ_RollSpellReward(int16_t player_idx, int16_t rarity)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    const Player_Record &wizard = _players[player_idx];
    int realms[COLOUR_REALMS + 1];
    int realm_count = 0;
    for (int r = 0; r < COLOUR_REALMS; r++) {
        if (wizard.spellranks[r] > 0) realms[realm_count++] = r;
    }
    if (wizard.retorts[0] != 0 || wizard.retorts[1] != 0) realms[realm_count++] = ARCANE;
    while (realm_count > 0) {
        const int pick = RANDOM(realm_count) - 1;
        const int realm = realms[pick];
        int bands = 3;
        if (realm != ARCANE) {
            const int books = wizard.spellranks[realm];
            bands = books <= 1 ? 2 : books == 2 ? 3 : 4;
        }
        for (int t = 0; t < 4; t++) {
            const int s = RANDOM(10) - 1;
            for (int j = 0; j < BAND_SIZE; j++) {
                int index;
                if (realm == ARCANE) {
                    index = RANDOM(ARCANE_REWARD_SPELLS) - 1;
                } else {
                    index = (s + j) % BAND_SIZE + ((rarity + t - 1) % bands) * BAND_SIZE;
                }
                const int spell = realm * SPELLS_PER_REALM + index + 1;
                if (Player_Spell_Status(player_idx, spell) != STATUS_KNOWN) return (int16_t)spell;
            }
        }
        for (int i = pick; i + 1 < realm_count; i++) realms[i] = realms[i + 1];
        realm_count--;
    }
    return 0;
}

void WIZ_AddSpellRank__WIP(int16_t player_idx, int16_t realm)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || realm < 0 || realm >= COLOUR_REALMS) return;
    Player_Record &wizard = _players[player_idx];
    const int held = wizard.spellranks[realm];
    if (held >= 0 && held <= 10) {
        for (int band = 0; band < BANDS; band++) {
            int list[BAND_SIZE];
            int count = 0;
            for (int i = 0; i < BAND_SIZE; i++) {
                const int spell = realm * SPELLS_PER_REALM + band * BAND_SIZE + i + 1;
                if (Player_Spell_Status(player_idx, spell) == STATUS_UNAVAILABLE) list[count++] = spell;
            }
            int grant = GRANT_ROWS[held][band];
            while (count > 0 && grant > 0) {
                const int r = RANDOM(count) - 1;
                Player_Set_Spell_Status(player_idx, list[r], STATUS_RESEARCHABLE);
                for (int i = r; i + 1 < count; i++) list[i] = list[i + 1];
                count--;
                grant--;
            }
        }
    }
    if (wizard.spellranks[realm] < 32767) wizard.spellranks[realm]++;
    Player_Research_Spells(player_idx);
}

namespace {

constexpr int16_t NEUTRAL_PLAYER = 5;
constexpr int CANDIDATES_MAX = 240;
constexpr int DIFFERENTIAL_DRAWS = 100;
constexpr int CONQUEST_SPELLS = 2;
constexpr uint8_t STATUS_RESEARCH_LIST = 3;
constexpr int16_t REASON_BAD_CITY_SPELL = 13;
constexpr int16_t REASON_ENCHANTMENT = 12;
constexpr int16_t REASON_MASTERY = 10;
constexpr int16_t REASON_NONE = 0;
constexpr int REALM_NATURE = 0;
constexpr int REALM_CHAOS = 2;
constexpr int REALM_LIFE = 3;
constexpr int REALM_DEATH = 4;

// Books of the spell's colour realm, or -1 for an Arcane spell.
int Colour_Realm_Books(int16_t player_idx, int16_t spell_idx)
{
    const int realm = (spell_idx - 1) / SPELLS_PER_REALM;
    return realm < COLOUR_REALMS ? _players[player_idx].spellranks[realm] : -1;
}

bool Valid_Player(int16_t player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

const char *Spell_Name(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return "";
    return spell_data_table[spell_idx].name;
}

}  // namespace

int16_t Calc_Spell_Value(int16_t player_idx, int16_t spell_idx)
{
    if (!Valid_Player(player_idx) || spell_idx < 1 || spell_idx > NUM_SPELLS - 1 || spell_data_table == nullptr) {
        return -1;
    }
    const int books = Colour_Realm_Books(player_idx, spell_idx);
    const int index = (spell_idx - 1) % SPELLS_PER_REALM;
    if (books == 0 || (books == 1 && index >= 2 * BAND_SIZE) || (books == 2 && index >= 3 * BAND_SIZE)) return -1;
    const int32_t cost = spell_data_table[spell_idx].research_cost;
    int32_t value = 0;
    switch (Player_Spell_Status(player_idx, spell_idx)) {
    case STATUS_KNOWN: return 0;
    case STATUS_RESEARCH_LIST: value = cost - cost / 10; break;
    case STATUS_RESEARCHABLE: value = cost; break;
    default: value = cost + cost / 2; break;
    }
    return (int16_t)(value > INT16_MAX ? INT16_MAX : value < INT16_MIN ? INT16_MIN : value);
}

int16_t Get_Differential_Spell_List(int16_t a, int16_t b, int16_t minimum, uint8_t *list)
{
    for (int k = 0; k < DIFFERENTIAL_LIST_MAX; k++) list[k] = 0;
    if (!Valid_Player(a) || !Valid_Player(b)) return 0;
    uint8_t candidates[CANDIDATES_MAX];
    int count = 0;
    for (int16_t spell = 1; spell <= NUM_SPELLS - 2 && count < CANDIDATES_MAX; spell++) {
        if (Colour_Realm_Books(a, spell) == 0 || Colour_Realm_Books(b, spell) == 0) continue;
        if (Player_Spell_Status(b, spell) == STATUS_KNOWN && Player_Spell_Status(a, spell) != STATUS_KNOWN) {
            candidates[count++] = (uint8_t)spell;
        }
    }
    int16_t taken = 0;
    for (int draw = 0; count > 0 && draw < DIFFERENTIAL_DRAWS && taken < DIFFERENTIAL_LIST_MAX; draw++) {
        const int pick = RANDOM(count) - 1;
        const uint8_t spell = candidates[pick];
        candidates[pick] = 0;
        if (spell != 0 && Calc_Spell_Value(a, spell) >= minimum) list[taken++] = spell;
    }
    return taken;
}

void Conquest_Spells(int16_t victor_idx, int16_t loser_idx)
{
    if (!Valid_Player(victor_idx) || !Valid_Player(loser_idx)) return;
    if (victor_idx == NEUTRAL_PLAYER || loser_idx == NEUTRAL_PLAYER) return;
    uint8_t list[DIFFERENTIAL_LIST_MAX];
    const int16_t count = Get_Differential_Spell_List(victor_idx, loser_idx, 0, list);
    int16_t found[CONQUEST_SPELLS] = {};
    int16_t taken = 0;
    while (taken < CONQUEST_SPELLS && taken < count) {
        const int pick = RANDOM(count) - 1;
        if (list[pick] == 0) continue;
        found[taken++] = list[pick];
        Player_Gets_Spell(victor_idx, list[pick], 0);
        list[pick] = 0;
    }
    if (victor_idx != HUMAN_PLAYER_IDX) return;
    char text[160];
    if (taken == 0) {
        snprintf(text, sizeof text, "You find no new spells in the ruins.");
    } else if (taken == 1) {
        snprintf(text, sizeof text, "You found a %s spell in the ruins.", Spell_Name(found[0]));
    } else {
        snprintf(text, sizeof text, "You found a %s spell and a %s spell in the ruins.", Spell_Name(found[0]),
                 Spell_Name(found[1]));
    }
    Magic_Notify(40, text, "SPELLSCR", 60);
}

void Change_Relations_For_Bad_City_Spell(int16_t caster_idx, int16_t spell_idx, int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities || _CITIES == nullptr) return;
    int16_t amount = 0;
    switch (spell_idx) {
    case 26: amount = -9; break;
    case 85: amount = -25; break;
    case 98: amount = -50; break;
    case 110:
    case 183:
    case 189:
    case 190: amount = -5; break;
    case 119: amount = -20; break;
    case 196: amount = -8; break;
    default: return;
    }
    Change_Relations(amount, caster_idx, _CITIES[city_idx].owner_idx, REASON_BAD_CITY_SPELL, 0, 0);
}

int16_t Enchantment_Relation_Change(int16_t spell_idx, int16_t wizard_idx, int16_t divisor, int16_t *reason,
                                    int16_t *applies)
{
    *reason = REASON_ENCHANTMENT;
    *applies = 0;
    if (!Valid_Player(wizard_idx)) return 0;
    const Player_Record &wizard = _players[wizard_idx];
    const auto books = [&wizard](int realm) { return wizard.spellranks[realm] > 0; };
    int16_t amount = 0;
    bool towards = true;
    switch (spell_idx) {
    case 213:
        amount = -50;
        *reason = REASON_MASTERY;
        break;
    case 197: amount = -12; break;
    case 198:
        amount = -20;
        towards = books(REALM_LIFE) || books(REALM_NATURE);
        break;
    case 188: amount = -14; break;
    case 59:
        amount = 10;
        *reason = REASON_NONE;
        break;
    case 57:
    case 79: amount = -4; break;
    case 80:
    case 34:
    case 38:
    case 127: amount = 0; break;
    case 40:
        amount = -20;
        towards = books(REALM_CHAOS) || books(REALM_DEATH);
        break;
    case 116:
        amount = -10;
        towards = !books(REALM_CHAOS);
        break;
    case 117: amount = -8; break;
    case 114: amount = -20; break;
    case 113: amount = -15; break;
    case 120: amount = -25; break;
    case 157:
        amount = -20;
        towards = books(REALM_CHAOS);
        break;
    case 156:
        amount = -20;
        towards = books(REALM_DEATH);
        break;
    case 158: amount = -10; break;
    case 154: amount = -5; break;
    default: return 0;
    }
    if (!towards) return 0;
    *applies = 1;
    return (int16_t)(amount / (divisor == 0 ? 1 : divisor));
}

void Change_Relations_For_Enchantments(int16_t player_idx, int16_t spell_idx, int16_t amount)
{
    for (int16_t wizard = 0; wizard < _num_players && wizard < NUM_PLAYERS; wizard++) {
        if (wizard == player_idx) continue;
        int16_t reason = 0;
        int16_t applies = 0;
        const int16_t change = Enchantment_Relation_Change(spell_idx, wizard, amount, &reason, &applies);
        if (applies != 0) Change_Relations(change, player_idx, wizard, reason, 0, 0);
    }
}
