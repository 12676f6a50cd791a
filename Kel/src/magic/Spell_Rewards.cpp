#include "magic/Spell_Rewards.h"

#include "magic/Spell_Research.h"
#include "random.h"
#include "world/Player_Record.h"

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
