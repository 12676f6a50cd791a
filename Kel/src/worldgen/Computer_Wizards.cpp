// Computer wizards from the presets, shuffled and topped up by difficulty, and the spell libraries.
#include "worldgen/Computer_Wizards.h"
#include "world/Spell_Ids.h"

#include <cstring>

#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Wizard_Presets.h"

namespace {

constexpr int SPELLS_PER_REALM = 40;
constexpr int SPELLS_PER_RARITY = 10;
constexpr int16_t ARCANE_RESEARCHABLE_FIRST = 201;
constexpr int16_t ARCANE_RESEARCHABLE_LAST = 212;
constexpr int16_t SPELL_MAGIC_SPIRIT = 201;
constexpr int16_t SPELL_ENCHANT_ITEM = 207;
constexpr int16_t SPELL_CREATE_ARTIFACT = 211;
// Draw loops that the dice end in practice; past these a fallback keeps generation going.
constexpr int PORTRAIT_DRAWS = 1000;
constexpr int BANNER_DRAWS = 1000;
constexpr int TOP_UP_ROUNDS = 10000;

// Library sizes by books 1..10 (index b - 1); 11 books open the whole realm.
const int m_commons[10] = {3, 5, 6, 7, 8, 9, 10, 10, 10, 10};
const int m_uncommons[10] = {1, 2, 3, 4, 5, 6, 8, 10, 10, 10};
const int m_rares[10] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10};
const int m_very_rares[10] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 10};

int Computer_Players(void) { return _num_players < NEUTRAL_PLAYER_IDX ? _num_players : NEUTRAL_PLAYER_IDX; }

int Total_Books(const Player_Record &player)
{
    int total = 0;
    for (int r = 0; r < NUM_REALMS; r++) {
        total += player.spellranks[r];
    }
    return total;
}

void Draw_Portraits(void)
{
    for (int p = 1; p < Computer_Players(); p++) {
        int preset = -1;
        for (int draw = 0; draw < PORTRAIT_DRAWS && preset < 0; draw++) {
            int candidate = RANDOM(14) - 1;
            bool taken = false;
            for (int q = 0; q < p; q++) {
                taken = taken || _players[q].wizard_id == candidate;
            }
            preset = taken ? -1 : candidate;
        }
        for (int candidate = 0; preset < 0 && candidate < WIZARD_PRESET_CUSTOM; candidate++) {
            bool taken = false;
            for (int q = 0; q < p; q++) {
                taken = taken || _players[q].wizard_id == candidate;
            }
            if (!taken) {
                STU_LOG(SEV_WARN, LC_GENERAL, "Init_Computer_Players: player %d takes the first free picture %d", p,
                        candidate);
                preset = candidate;
            }
        }
        _players[p].wizard_id = (uint8_t)preset;
    }
}

void Take_Preset_Books_And_Retort(int p)
{
    Player_Record &player = _players[p];
    const Wizard_Preset_Record &preset = _wizard_presets_table[player.wizard_id % WIZARD_PRESET_CUSTOM];
    Wizard_Preset_Books(player.wizard_id % WIZARD_PRESET_CUSTOM, player.spellranks);
    if (_difficulty >= 3 && RANDOM(5) == 1) {
        Consolidate_Spell_Book_Realms((int16_t)p);
    }
    memset(player.retorts, 0, sizeof(player.retorts));
    if (preset.retort >= 0 && preset.retort < NUM_RETORTS) {
        player.retorts[preset.retort] = 1;
    }
}

void Reduce_Profile(int p)
{
    Player_Record &player = _players[p];
    int reductions = 0;
    if (_difficulty == 2) {
        reductions = RANDOM(3);
    } else if (_difficulty == 3) {
        reductions = RANDOM(3);
        reductions += RANDOM(3);
    } else if (_difficulty >= 4) {
        reductions = RANDOM(5);
        reductions += RANDOM(5);
    }
    // Draws 1..5 take a book from Life, Death, Chaos, Nature, Sorcery.
    const int realm_by_draw[5] = {sbr_Life, sbr_Death, sbr_Chaos, sbr_Nature, sbr_Sorcery};
    for (int k = 0; k < reductions; k++) {
        int draw = RANDOM(6);
        if (draw == 6) {
            memset(player.retorts, 0, sizeof(player.retorts));
        } else if (player.spellranks[realm_by_draw[draw - 1]] > 1) {
            player.spellranks[realm_by_draw[draw - 1]]--;
        }
    }
}

void Add_Books(Player_Record &player, int realm, int n, int excluded_realm)
{
    int16_t &books = player.spellranks[realm];
    if (books >= REALM_BOOKS_MAX || (excluded_realm >= 0 && player.spellranks[excluded_realm] != 0)) {
        return;
    }
    books = (int16_t)(books + n > REALM_BOOKS_MAX ? REALM_BOOKS_MAX : books + n);
}

void Take_Retort(Player_Record &player, int picks, int target)
{
    int retort = RANDOM(NUM_RETORTS) - 1;
    if (retort >= rtr_Chaos_Mastery && retort <= rtr_Divine_Power) {
        uint16_t weights[NUM_REALMS];
        for (int r = 0; r < NUM_REALMS; r++) {
            weights[r] = (uint16_t)(player.spellranks[r] > 0 ? player.spellranks[r] : 0);
        }
        if (player.retorts[rtr_Chaos_Mastery]) weights[sbr_Chaos] = 0;
        if (player.retorts[rtr_Nature_Mastery]) weights[sbr_Nature] = 0;
        if (player.retorts[rtr_Sorcery_Mastery]) weights[sbr_Sorcery] = 0;
        if (player.retorts[rtr_Divine_Power] || picks > target - 2) weights[sbr_Life] = 0;
        if (player.retorts[rtr_Infernal_Power] || picks > target - 2) weights[sbr_Death] = 0;
        if (weights[0] + weights[1] + weights[2] + weights[3] + weights[4] == 0) {
            return;
        }
        const int realm_retort[NUM_REALMS] = {rtr_Nature_Mastery, rtr_Sorcery_Mastery, rtr_Chaos_Mastery,
                                              rtr_Divine_Power, rtr_Infernal_Power};
        player.retorts[realm_retort[Get_Weighted_Choice(weights, NUM_REALMS)]] = 1;
        return;
    }
    if (retort == rtr_Warlord || retort == rtr_Channeler || retort == rtr_Famous) {
        if (picks < target - 1) player.retorts[retort] = 1;
        return;
    }
    if (retort == rtr_Myrran) {
        if (picks < target - 2) player.retorts[retort] = 1;
        return;
    }
    player.retorts[retort] = 1;
}

void Top_Up_Profile(int p)
{
    Player_Record &player = _players[p];
    int target = _difficulty == 3 ? 13 : _difficulty >= 4 ? 15 : 11;
    int picks = Wizard_Picks((int16_t)p);
    for (int round = 0; picks < target; round++) {
        if (round == TOP_UP_ROUNDS) {
            STU_LOG(SEV_WARN, LC_GENERAL, "Init_Computer_Players: player %d stays at %d picks of %d", p, picks, target);
            return;
        }
        int kind = RANDOM(8);
        int n = RANDOM(4) + 1;
        if (n > target - picks) n = target - picks;
        if (Total_Books(player) + n > WIZARD_BOOKS_MAX) n = WIZARD_BOOKS_MAX - Total_Books(player);
        if (n < 1) kind = 6;
        if (kind == 6) n = 1;
        switch (kind) {
        case 1: Add_Books(player, sbr_Life, n, sbr_Death); break;
        case 2: Add_Books(player, sbr_Death, n, sbr_Life); break;
        case 3: Add_Books(player, sbr_Nature, n, -1); break;
        case 4: Add_Books(player, sbr_Sorcery, n, -1); break;
        case 5: Add_Books(player, sbr_Chaos, n, -1); break;
        default: Take_Retort(player, picks, target); break;
        }
        picks = Wizard_Picks((int16_t)p);
    }
}

int Myrran_Computer_Players(void)
{
    int count = 0;
    for (int p = 1; p < Computer_Players(); p++) {
        count += _players[p].retorts[rtr_Myrran] ? 1 : 0;
    }
    return count;
}

void Choose_Banners(bool taken[NUM_BANNERS])
{
    // A wizard strong in a realm takes that realm's colour when it is free.
    struct Realm_Banner {
        int realm;
        int banner;
    };
    const Realm_Banner preferred[4] = {{sbr_Nature, 1}, {sbr_Chaos, 3}, {sbr_Sorcery, 0}, {sbr_Death, 2}};
    for (int p = 1; p < Computer_Players(); p++) {
        Player_Record &player = _players[p];
        int banner = -1;
        for (const Realm_Banner &entry : preferred) {
            if (banner < 0 && player.spellranks[entry.realm] >= 4 && !taken[entry.banner]) {
                banner = entry.banner;
            }
        }
        for (int draw = 0; banner < 0 && draw < BANNER_DRAWS; draw++) {
            int candidate = RANDOM(NUM_BANNERS) - 1;
            banner = taken[candidate] ? -1 : candidate;
        }
        for (int candidate = 0; banner < 0 && candidate < NUM_BANNERS; candidate++) {
            banner = taken[candidate] ? -1 : candidate;
        }
        if (banner < 0) {
            STU_LOG(SEV_WARN, LC_GENERAL, "Init_Computer_Players: no banner left for player %d", p);
            banner = 0;
        }
        player.banner_id = (uint8_t)banner;
        taken[banner] = true;
    }
}

void Raise_To_Researchable(uint8_t *status, int byte)
{
    if (status[byte] == SS_NOT_OBTAINABLE) {
        status[byte] = SS_RESEARCHABLE;
    }
}

int Start_Spell_Byte(int realm, int16_t spell)
{
    return spell <= 0 ? -1 : realm * SPELLS_PER_REALM + (spell - 1) % SPELLS_PER_REALM;
}

// Raises random spells of one rarity of the realm until count of them are obtainable or known.
void Draw_Rarity(uint8_t *status, int realm, int rarity, int count)
{
    int first = realm * SPELLS_PER_REALM + rarity * SPELLS_PER_RARITY;
    if (count >= SPELLS_PER_RARITY) {
        for (int k = 0; k < SPELLS_PER_RARITY; k++) {
            Raise_To_Researchable(status, first + k);
        }
        return;
    }
    for (;;) {
        int have = 0;
        for (int k = 0; k < SPELLS_PER_RARITY; k++) {
            have += status[first + k] != SS_NOT_OBTAINABLE ? 1 : 0;
        }
        if (have >= count) {
            return;
        }
        Raise_To_Researchable(status, first + RANDOM(SPELLS_PER_RARITY) - 1);
    }
}

void Realm_Library(uint8_t *status, const int16_t *start_spells, int realm, int books)
{
    if (books >= REALM_BOOKS_MAX) {
        for (int k = 0; k < SPELLS_PER_REALM; k++) {
            Raise_To_Researchable(status, realm * SPELLS_PER_REALM + k);
        }
        for (int k = 0; k < SPELLS_PER_RARITY; k++) {
            status[realm * SPELLS_PER_REALM + k] = SS_KNOWN;
        }
        for (int entry = 10; entry < START_SPELLS_PER_REALM; entry++) {
            int byte = Start_Spell_Byte(realm, start_spells[entry]);
            if (byte >= 0) status[byte] = SS_KNOWN;
        }
        return;
    }
    for (int entry = 0; entry < books - 1; entry++) {
        int byte = Start_Spell_Byte(realm, start_spells[entry]);
        if (byte >= 0) status[byte] = SS_KNOWN;
    }
    Draw_Rarity(status, realm, 0, m_commons[books - 1]);
    Draw_Rarity(status, realm, 1, m_uncommons[books - 1]);
    Draw_Rarity(status, realm, 2, m_rares[books - 1]);
    Draw_Rarity(status, realm, 3, m_very_rares[books - 1]);
}

}  // namespace

int16_t Retort_Pick_Cost(int16_t retort)
{
    switch (retort) {
    case rtr_Myrran: return 3;
    case rtr_Warlord:
    case rtr_Infernal_Power:
    case rtr_Divine_Power:
    case rtr_Channeler:
    case rtr_Famous: return 2;
    default: return 1;
    }
}

int16_t Wizard_Picks(int16_t player_idx)
{
    const Player_Record &player = _players[player_idx];
    int picks = Total_Books(player);
    for (int r = 0; r < NUM_RETORTS; r++) {
        if (player.retorts[r]) picks += Retort_Pick_Cost((int16_t)r);
    }
    return (int16_t)picks;
}

void Consolidate_Spell_Book_Realms(int16_t player_idx)
{
    const int pairs[8][2] = {{sbr_Death, sbr_Chaos},   {sbr_Death, sbr_Nature},  {sbr_Death, sbr_Sorcery},
                             {sbr_Life, sbr_Chaos},    {sbr_Life, sbr_Nature},   {sbr_Life, sbr_Sorcery},
                             {sbr_Sorcery, sbr_Chaos}, {sbr_Sorcery, sbr_Nature}};
    int16_t *books = _players[player_idx].spellranks;
    for (const auto &pair : pairs) {
        int16_t &first = books[pair[0]];
        int16_t &second = books[pair[1]];
        if (first <= 0 || second <= 0) {
            continue;
        }
        if (RANDOM(2) == 1) {
            first = (int16_t)(first + second);
            second = 0;
        } else {
            second = (int16_t)(second + first);
            first = 0;
        }
    }
}

void Init_Computer_Players_Wizard_Profile(void)
{
    bool taken[NUM_BANNERS] = {};
    if (_players[0].banner_id < NUM_BANNERS) {
        taken[_players[0].banner_id] = true;
    }
    int rounds = 0;
    int myrrans = 0;
    do {
        Draw_Portraits();
        for (int p = 1; p < Computer_Players(); p++) {
            memset(_players[p].name, 0, sizeof(_players[p].name));
            memcpy(_players[p].name, _wizard_presets_table[_players[p].wizard_id % WIZARD_PRESET_CUSTOM].name,
                   WIZARD_PRESET_NAME_SIZE);
            _players[p].name[WIZARD_PRESET_NAME_SIZE] = 0;
        }
        for (int p = 1; p < Computer_Players(); p++) {
            Take_Preset_Books_And_Retort(p);
        }
        for (int p = 1; p < Computer_Players(); p++) {
            Reduce_Profile(p);
        }
        for (int p = 1; p < Computer_Players(); p++) {
            Top_Up_Profile(p);
        }
        myrrans = Myrran_Computer_Players();
        rounds++;
    } while (_num_players > 3 && _difficulty >= 3 && (myrrans < 1 || myrrans > 2) && rounds < MYRRAN_PROFILE_ROUNDS);
    if (_num_players > 3 && _difficulty >= 3 && (myrrans < 1 || myrrans > 2)) {
        STU_LOG(SEV_WARN, LC_GENERAL, "Init_Computer_Players: %d Myrran wizards after %d rounds; the last round stands",
                myrrans, rounds);
    }
    Choose_Banners(taken);
}

void Init_Computer_Players_Spell_Library(void)
{
    for (int p = 0; p < Computer_Players(); p++) {
        Player_Record &player = _players[p];
        uint8_t *status = player.spells_list;
        memset(status, 0, NUM_SPELLS_STATUS);
        for (int s = ARCANE_RESEARCHABLE_FIRST; s <= ARCANE_RESEARCHABLE_LAST; s++) {
            status[s - 1] = SS_RESEARCHABLE;
        }
        status[spl_Spell_Of_Return - 1] = SS_KNOWN;
        for (int realm = 0; realm < NUM_REALMS; realm++) {
            int books = player.spellranks[realm];
            if (books > 0) {
                Realm_Library(status, &_player_start_spells[p][realm * START_SPELLS_PER_REALM], realm, books);
            }
        }
        status[SPELL_MAGIC_SPIRIT - 1] = SS_KNOWN;
        if (player.retorts[rtr_Artificer]) {
            status[SPELL_ENCHANT_ITEM - 1] = SS_KNOWN;
            status[SPELL_CREATE_ARTIFACT - 1] = SS_KNOWN;
        }
    }
}

void Init_Computer_Players(void)
{
    Init_Computer_Players_Wizard_Profile();
    for (int p = 1; p < Computer_Players(); p++) {
        memcpy(_player_start_spells[p], _default_spells, sizeof(_default_spells));
    }
    Init_Computer_Players_Spell_Library();
    _players[NEUTRAL_PLAYER_IDX].banished_mask = 0;
    _players[NEUTRAL_PLAYER_IDX].average_unit_cost = 0;
}
