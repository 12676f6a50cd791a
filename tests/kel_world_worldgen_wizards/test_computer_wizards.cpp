// Computer wizards' profiles, banners and every wizard's spell library, on fixed seeds.
#include <set>

#include "World_Fixture.h"
#include "random.h"
#include "world/Wizard_Presets.h"
#include "worldgen/Computer_Wizards.h"

class WorldGen_Wizards : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        memset(_player_start_spells, 0, sizeof(_player_start_spells));
        Make_Human(0, 1);
    }

    // The human as a preset wizard with its start spells from the default list, as the wizard screens do.
    void Make_Human(int preset, int banner)
    {
        Player_Record &human = _players[0];
        human.wizard_id = (uint8_t)preset;
        human.banner_id = (uint8_t)banner;
        Wizard_Preset_Books((int16_t)preset, human.spellranks);
        memset(human.retorts, 0, sizeof(human.retorts));
        if (_wizard_presets_table[preset].retort >= 0) human.retorts[_wizard_presets_table[preset].retort] = 1;
        memcpy(_player_start_spells[0], _default_spells, sizeof(_default_spells));
    }

    static int Books(int p)
    {
        int total = 0;
        for (int r = 0; r < NUM_REALMS; r++) total += _players[p].spellranks[r];
        return total;
    }

    static uint8_t Status(int p, int spell) { return _players[p].spells_list[spell - 1]; }

    static int Obtainable(int p, int realm, int rarity)
    {
        int count = 0;
        for (int k = 0; k < 10; k++) count += Status(p, realm * 40 + rarity * 10 + k + 1) != 0;
        return count;
    }
};

TEST_F(WorldGen_Wizards, PresetTable)
{
    EXPECT_STREQ(_wizard_presets_table[7].name, "Sss'ra");
    EXPECT_EQ(_wizard_presets_table[7].retort, rtr_Myrran);
    EXPECT_EQ(_wizard_presets_table[1].retort, -1);
    EXPECT_STREQ(_wizard_presets_table[WIZARD_PRESET_CUSTOM].name, "Custom");
    int16_t books[NUM_REALMS];
    Wizard_Preset_Books(12, books);  // Tlaloc: 4 Nature, 5 Death
    EXPECT_EQ(books[sbr_Nature], 4);
    EXPECT_EQ(books[sbr_Death], 5);
    EXPECT_EQ(books[sbr_Life], 0);
    EXPECT_EQ(_default_spells[0], 6);
    EXPECT_EQ(_default_spells[64], 184);
    EXPECT_EQ(Retort_Pick_Cost(rtr_Myrran), 3);
    EXPECT_EQ(Retort_Pick_Cost(rtr_Famous), 2);
    EXPECT_EQ(Retort_Pick_Cost(rtr_Alchemy), 1);
}

TEST_F(WorldGen_Wizards, ProfilesByDifficulty)
{
    for (int difficulty = 0; difficulty <= 4; difficulty++) {
        for (int opponents = 1; opponents <= 4; opponents++) {
            for (uint32_t seed = 1; seed <= 6; seed++) {
                _difficulty = (int16_t)difficulty;
                _num_players = (int16_t)(opponents + 1);
                Make_Human((int)(seed % 14), (int)(seed % 5));
                Set_Random_Seed(seed * 101 + (uint32_t)difficulty);
                Init_Computer_Players();
                std::set<int> portraits = {_players[0].wizard_id};
                std::set<int> banners = {_players[0].banner_id};
                int target = difficulty == 4 ? 15 : difficulty == 3 ? 13 : 11;
                int myrrans = 0;
                for (int p = 1; p <= opponents; p++) {
                    const Player_Record &wizard = _players[p];
                    EXPECT_TRUE(portraits.insert(wizard.wizard_id).second) << "a picture is shared";
                    EXPECT_LT(wizard.wizard_id, 14);
                    EXPECT_STREQ(wizard.name, _wizard_presets_table[wizard.wizard_id].name);
                    EXPECT_TRUE(banners.insert(wizard.banner_id).second) << "a banner is shared";
                    EXPECT_LT(wizard.banner_id, 5);
                    EXPECT_LE(Books(p), 12);
                    for (int r = 0; r < NUM_REALMS; r++) EXPECT_LE(wizard.spellranks[r], 11);
                    EXPECT_FALSE(wizard.spellranks[sbr_Life] > 0 && wizard.spellranks[sbr_Death] > 0);
                    if (difficulty >= 3) {
                        EXPECT_EQ(Wizard_Picks((int16_t)p), target) << difficulty << "/" << p;
                    } else {
                        EXPECT_GE(Wizard_Picks((int16_t)p),
                                  target);  // a preset may start above, and reductions may miss
                    }
                    myrrans += wizard.retorts[rtr_Myrran] != 0;
                    if (wizard.spellranks[sbr_Nature] >= 4 && _players[0].banner_id != 1 && p == 1) {
                        EXPECT_EQ(wizard.banner_id, 1);
                    }
                    for (int k = 0; k < NUM_START_SPELLS; k++)
                        EXPECT_EQ(_player_start_spells[p][k], _default_spells[k]);
                }
                if (opponents >= 3 && difficulty >= 3) {
                    EXPECT_TRUE(myrrans == 1 || myrrans == 2) << myrrans;
                }
                EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].banished_mask, 0);
                EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].average_unit_cost, 0);
            }
        }
    }
}

TEST_F(WorldGen_Wizards, ConsolidationLeavesOnlyPairsItDoesNotMerge)
{
    for (uint32_t seed = 1; seed <= 40; seed++) {
        Player_Record &wizard = _players[1];
        for (int r = 0; r < NUM_REALMS; r++) wizard.spellranks[r] = (int16_t)(r + 1);
        Set_Random_Seed(seed);
        Consolidate_Spell_Book_Realms(1);
        EXPECT_EQ(Books(1), 15);
        std::set<int> holding;
        for (int r = 0; r < NUM_REALMS; r++) {
            if (wizard.spellranks[r] > 0) holding.insert(r);
        }
        // Nature and Chaos, or Life and Death, are the only pairs never merged.
        EXPECT_TRUE(holding.size() == 1 || holding == std::set<int>({sbr_Nature, sbr_Chaos}) ||
                    holding == std::set<int>({sbr_Life, sbr_Death}))
            << seed;
    }
}

TEST_F(WorldGen_Wizards, LibrarySizesByBooks)
{
    _num_players = 1;
    Player_Record &human = _players[0];
    memset(human.retorts, 0, sizeof(human.retorts));
    const struct {
        int books;
        int known;
        int commons, uncommons, rares, very_rares;
    } cases[] = {
        {1, 0, 3, 1, 0, 0},   {2, 1, 5, 2, 1, 0},      {3, 2, 6, 3, 2, 1},
        {6, 5, 9, 6, 5, 4},   {7, 6, 10, 8, 6, 5},     {8, 7, 10, 10, 7, 6},
        {9, 8, 10, 10, 9, 7}, {10, 9, 10, 10, 10, 10}, {11, 13, 10, 10, 10, 10},
    };
    for (const auto &c : cases) {
        memset(human.spellranks, 0, sizeof(human.spellranks));
        human.spellranks[sbr_Sorcery] = (int16_t)c.books;
        Set_Random_Seed((uint32_t)c.books);
        Init_Computer_Players_Spell_Library();
        int known = 0;
        for (int s = 41; s <= 80; s++) known += Status(0, s) == SS_KNOWN;
        EXPECT_EQ(known, c.books == 11 ? 13 : c.known) << c.books;
        EXPECT_EQ(Obtainable(0, sbr_Sorcery, 0), c.commons) << c.books;
        EXPECT_EQ(Obtainable(0, sbr_Sorcery, 1), c.uncommons) << c.books;
        EXPECT_EQ(Obtainable(0, sbr_Sorcery, 2), c.rares) << c.books;
        EXPECT_EQ(Obtainable(0, sbr_Sorcery, 3), c.very_rares) << c.books;
        for (int k = 0; k < c.books - 1 && k < 10; k++) EXPECT_EQ(Status(0, _default_spells[13 + k]), SS_KNOWN);
        for (int s = 1; s <= 200; s++) {
            if (s < 41 || s > 80) {
                EXPECT_EQ(Status(0, s), 0) << s;
            }
        }
    }
    // Eleven books: all ten commons and entries 11 to 13 known, the whole realm obtainable.
    EXPECT_EQ(Status(0, 56), SS_KNOWN);
    EXPECT_EQ(Status(0, 60), SS_KNOWN);
    EXPECT_EQ(Status(0, 65), SS_KNOWN);
    for (int s = 41; s <= 80; s++) EXPECT_NE(Status(0, s), 0);
    // Arcane: 201 and 214 known, 202..212 researchable, 213 not.
    EXPECT_EQ(Status(0, 201), SS_KNOWN);
    for (int s = 202; s <= 212; s++) EXPECT_EQ(Status(0, s), SS_RESEARCHABLE);
    EXPECT_EQ(Status(0, 213), 0);
    EXPECT_EQ(Status(0, 214), SS_KNOWN);
    human.retorts[rtr_Artificer] = 1;
    Init_Computer_Players_Spell_Library();
    EXPECT_EQ(Status(0, 207), SS_KNOWN);
    EXPECT_EQ(Status(0, 211), SS_KNOWN);
}

TEST_F(WorldGen_Wizards, AKnownStartSpellIsNeverLowered)
{
    _num_players = 1;
    Player_Record &human = _players[0];
    memset(human.spellranks, 0, sizeof(human.spellranks));
    memset(human.retorts, 0, sizeof(human.retorts));
    human.spellranks[sbr_Life] = 4;
    // A custom human's picks: an uncommon, a rare and a very rare of Life, and a spell numbered in
    // another realm that lands on the same rank of Life.
    int16_t *row = &_player_start_spells[0][sbr_Life * START_SPELLS_PER_REALM];
    row[0] = 131;
    row[1] = 141;
    row[2] = 35;  // rank 34 of Nature: Life's 155
    for (uint32_t seed = 1; seed <= 30; seed++) {
        Set_Random_Seed(seed);
        Init_Computer_Players_Spell_Library();
        EXPECT_EQ(Status(0, 131), SS_KNOWN);
        EXPECT_EQ(Status(0, 141), SS_KNOWN);
        EXPECT_EQ(Status(0, 155), SS_KNOWN);
        EXPECT_EQ(Status(0, 35), 0);
        EXPECT_EQ(Obtainable(0, sbr_Life, 0), 7);
        EXPECT_EQ(Obtainable(0, sbr_Life, 1), 4);
        EXPECT_EQ(Obtainable(0, sbr_Life, 2), 3);
        EXPECT_EQ(Obtainable(0, sbr_Life, 3), 2);
    }
}

TEST_F(WorldGen_Wizards, OneSeedOneSetOfWizards)
{
    _num_players = 5;
    _difficulty = 4;
    Set_Random_Seed(777);
    Init_Computer_Players();
    std::vector<uint8_t> first(reinterpret_cast<uint8_t *>(_players), reinterpret_cast<uint8_t *>(_players + 6));
    Set_Random_Seed(777);
    Init_Computer_Players();
    std::vector<uint8_t> second(reinterpret_cast<uint8_t *>(_players), reinterpret_cast<uint8_t *>(_players + 6));
    EXPECT_EQ(first, second);
}
