// Targets of a computer wizard's completed spells, the error for a spell without a picker, and the
// per-turn check of its overland enchantments.
#include "../kel_ai_economy_rules/AI_Fixture.h"
#include "Log_Capture.h"
#include "Release.h"
#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Unit_Wizard_Targets.h"

namespace {

class AiSpellTargets : public AI_Test {
protected:
    void SetUp() override
    {
        AI_Test::SetUp();
        release_flag = 1;
        for (int n = 0; n < NUM_NODES; n++) {
            _NODES[n] = {};
            _NODES[n].owner_idx = -1;
            _NODES[n].wp = 9;
        }
        for (int p = 0; p < NUM_PLAYERS; p++) {
            memset(_players[p].Globals, 0, sizeof(_players[p].Globals));
            _players[p].casting_spell_idx = 0;
        }
        Set_Spell(200, 0, 10);
        snprintf(spells[200].name, sizeof(spells[200].name), "Gorgon Rain");
    }
    void TearDown() override
    {
        release_flag = 0;
        AI_Test::TearDown();
    }
    int16_t Own_City(int wx, int16_t value, int owner = 1)
    {
        int16_t c = Add_City(owner, rt_Orc, wx, 10, 0, 4, 0);
        _ai_all_own_city_values[c] = value;
        return c;
    }
};

}  // namespace

TEST_F(AiSpellTargets, BestCityRuleTakesTheFirstOfTheGreatestAndNeverAValueOfZero)
{
    using Picker = int16_t (*)(int16_t, int16_t *);
    const Picker pickers[] = {AITP_Gaias_Blessing, AITP_Earth_Gate,       AITP_Wall_Of_Fire,    AITP_Heavenly_Light,
                              AITP_Prosperity,     AITP_Altar_Of_Battle,  AITP_Stream_Of_Life,  AITP_Inspirations,
                              AITP_Astral_Gate,    AITP_Wall_Of_Darkness, AITP_Cloud_Of_Shadow, AITP_Wall_Of_Stone};
    Own_City(10, 0);
    Own_City(20, 0);
    for (Picker pick : pickers) {
        int16_t city = -1;
        EXPECT_EQ(pick(1, &city), 0);
    }
    _ai_all_own_city_values[0] = 5;
    _ai_all_own_city_values[1] = 5;
    int16_t rival = Own_City(30, 9, 2);
    (void)rival;
    for (Picker pick : pickers) {
        int16_t city = -1;
        EXPECT_EQ(pick(1, &city), 1);
        EXPECT_EQ(city, 0) << "the first of equals; the rival's city is not the caster's";
    }
    _CITIES[0].enchantments[ce_Prosperity] = 2;
    int16_t city = -1;
    EXPECT_EQ(AITP_City_Enchantment(5, &city, 145, 1), 1);
    EXPECT_EQ(city, 1) << "Prosperity skips the city that has it";
}

TEST_F(AiSpellTargets, FortressSpellsNeedAFortressCity)
{
    _FORTRESSES[1] = {40, 20, 0, 1};
    int16_t a = Own_City(10, 5);
    int16_t city = -1;
    EXPECT_EQ(AITP_Move_Fortress(1, &city), 0);
    EXPECT_EQ(AITP_Flying_Fortress(1, &city), 0);

    int16_t fortress = Add_City(1, rt_Orc, 40, 20, 0, 6, 0);
    _ai_all_own_garrison_strengths[fortress] = 30;
    _ai_all_own_garrison_strengths[a] = 30;
    EXPECT_EQ(AITP_Move_Fortress(1, &city), 0) << "not stronger than the fortress city";
    _ai_all_own_garrison_strengths[a] = 31;
    EXPECT_EQ(AITP_Move_Fortress(1, &city), 1);
    EXPECT_EQ(city, a);
    EXPECT_EQ(AITP_Flying_Fortress(1, &city), 1);
    EXPECT_EQ(city, fortress);
    _CITIES[fortress].enchantments[ce_Flying_Fortress] = 2;
    EXPECT_EQ(AITP_Flying_Fortress(1, &city), 0);
}

TEST_F(AiSpellTargets, ConsecrationDrawsOnlyWhenTheHumanIsNeitherDeathNorChaos)
{
    Own_City(10, 5);
    int16_t city = -1;
    _players[0].Prim_Realm = 4;
    uint64_t draws = g_random_call_count;
    EXPECT_EQ(AITP_Consecration(1, &city), 1);
    EXPECT_EQ(g_random_call_count, draws);
    _players[0].Prim_Realm = 0;
    _players[0].Sec_Realm = 3;
    int taken = 0;
    for (int k = 0; k < 100; k++) {
        draws = g_random_call_count;
        taken += AITP_Consecration(1, &city);
        EXPECT_EQ(g_random_call_count, draws + 1);
    }
    EXPECT_GT(taken, 0);
    EXPECT_LT(taken, 30);
}

TEST_F(AiSpellTargets, CursesSkipNeutralConsecratedWardedAndUnknownCities)
{
    struct Case {
        const char *name;
        int owner;
        int enchantment;
        bool known;
        int16_t spell;
        bool target;
    };
    const Case cases[] = {
        {"a known rival city", 2, -1, true, 26, true},
        {"neutral", NEUTRAL_PLAYER_IDX, -1, true, 26, false},
        {"consecrated", 2, ce_Consecration, true, 26, false},
        {"unknown", 2, -1, false, 26, false},
        {"Chaos Ward stops class 0", 2, ce_Chaos_Ward, true, 110, false},
        {"Chaos Ward lets class 1 pass", 2, ce_Chaos_Ward, true, 189, true},
        {"Death Ward stops class 1", 2, ce_Death_Ward, true, 189, false},
        {"the curse already there", 2, ce_Famine, true, 189, false},
        {"Evil Presence needs Death books", 2, -1, true, 183, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        _cities = 0;
        int16_t city = Add_City(c.owner, rt_Orc, 10, 10, 0, 4, 0);
        _ai_all_enemy_city_values[city] = 50;
        if (c.enchantment >= 0) _CITIES[city].enchantments[c.enchantment] = 3;
        _CITIES[city].contacts = c.known ? (1 << 1) : 0;
        int16_t found = -1;
        EXPECT_EQ(AITP_City_Enchantment(6, &found, c.spell, 1), c.target ? 1 : 0);
    }
    _players[2].spellranks[4] = 1;
    int16_t found = -1;
    EXPECT_EQ(AITP_City_Enchantment(6, &found, 183, 1), 1);
}

TEST_F(AiSpellTargets, FloatingIslandSquareClassesAndTheDrawLimit)
{
    struct Case {
        int16_t tile;
        int16_t legal;
    };
    const Case cases[] = {{0, 1},   {1, 0},   {18, 0},  {161, 1}, {162, 0}, {200, 0}, {201, 1}, {232, 1},
                          {233, 0}, {452, 1}, {467, 1}, {468, 0}, {473, 1}, {601, 1}, {602, 0}, {762 + 100, 1}};
    for (const Case &c : cases) {
        Set_Square(5, 5, 0, c.tile);
        EXPECT_EQ(Square_Is_Legal_For_Floating_Island(5, 5, 0), c.legal) << c.tile;
    }
    EXPECT_EQ(Square_Is_Legal_For_Floating_Island(-1, 5, 0), 0);
    EXPECT_EQ(Square_Is_Legal_For_Floating_Island(60, 5, 0), 0);
    EXPECT_EQ(Square_Is_Legal_For_Floating_Island(5, 40, 0), 0);

    int16_t x = 0, y = 0, p = 0;
    EXPECT_EQ(AITP_Floating_Island(1, &x, &y, &p), 0) << "no cities: no draw";
    Own_City(10, 1, 2);
    uint64_t draws = g_random_call_count;
    EXPECT_EQ(AITP_Floating_Island(1, &x, &y, &p), 0);
    EXPECT_EQ(g_random_call_count, draws + 200);

    Own_City(20, 1);
    Set_Square(21, 10, 0, tt_Ocean_Edge);
    EXPECT_EQ(AITP_Floating_Island(1, &x, &y, &p), 1);
    EXPECT_EQ(x, 21) << "east of the city first";
    EXPECT_EQ(y, 10);
}

TEST_F(AiSpellTargets, AttackTerrainKeepsOffColumnZeroAndRowZero)
{
    int16_t city = Add_City(2, rt_Orc, 1, 1, 0, 4, 0);
    _CITIES[city].contacts = 1 << 1;
    _ai_all_enemy_city_values[city] = 10;
    int found = 0;
    for (int k = 0; k < 50; k++) {
        int16_t x = -1, y = -1, p = -1;
        uint64_t draws = g_random_call_count;
        if (AITP_Attack_Terrain(1, &x, &y, &p, 85) == 1) {
            found++;
            EXPECT_GE(x, 1);
            EXPECT_GE(y, 1);
            EXPECT_LE(x, 3);
            EXPECT_LE(y, 3);
        } else {
            EXPECT_EQ(g_random_call_count, draws + 50) << "two draws per try";
        }
    }
    EXPECT_GT(found, 0);
    _CITIES[city].owner_idx = NEUTRAL_PLAYER_IDX;
    int16_t x = -1, y = -1, p = -1;
    EXPECT_EQ(AITP_Attack_Terrain(1, &x, &y, &p, 85), 0);
}

TEST_F(AiSpellTargets, WizardSpellsNeedManaBeyondWhatTheVictimInvested)
{
    int16_t victim = -1;
    EXPECT_EQ(AITP_Attack_Wizard(&victim, 58, 1), 0) << "no hostile opponents";
    _cp_hostile_opponents[0] = 2;
    _cp_hostile_opponent_count = 1;
    _players[2].casting_spell_idx = 0;
    _players[1].mana_reserve = 1000;
    EXPECT_EQ(AITP_Attack_Wizard(&victim, 58, 1), 0) << "the victim casts nothing";
    _players[2].casting_spell_idx = 40;
    _players[2].casting_cost_original = 300;
    _players[2].casting_cost_remaining = 100;
    _players[1].mana_reserve = 249;
    EXPECT_EQ(AITP_Attack_Wizard(&victim, 58, 1), 0);
    _players[1].mana_reserve = 250;
    EXPECT_EQ(AITP_Attack_Wizard(&victim, 58, 1), 1);
    EXPECT_EQ(victim, 2);
}

TEST_F(AiSpellTargets, DisjunctionTakesSuppressMagicFirst)
{
    _players[1].Prim_Realm = 3;  // Life: slot 0 scores 200
    _players[0].Globals[0] = 1;
    _players[2].Globals[5] = 3;
    _players[2].Globals[21] = 3;
    int16_t wizard = -1, slot = -1;
    EXPECT_EQ(AITP_Disjunction(&wizard, &slot, 61, 1), 1);
    EXPECT_EQ(wizard, 2);
    EXPECT_EQ(slot, 5);
    EXPECT_EQ(AITP_Disjunction(&wizard, &slot, 76, 1), 1);
    EXPECT_EQ(wizard, 0) << "Spell Binding: slot 0 scores 100 beside Suppress Magic's 100; the first wins";
    EXPECT_EQ(slot, 0);
    _players[1].Globals[5] = 2;
    memset(_players[0].Globals, 0, sizeof(_players[0].Globals));
    memset(_players[2].Globals, 0, sizeof(_players[2].Globals));
    EXPECT_EQ(AITP_Disjunction(&wizard, &slot, 61, 1), 0) << "the caster's own enchantments do not count";
}

TEST_F(AiSpellTargets, EnchantmentCheckDropsWhatDoesNotSuitAndEverythingWithoutMana)
{
    Player_Record &wizard = _players[1];
    wizard.Prim_Realm = 2;  // Chaos
    wizard.Sec_Realm = 3;   // Life
    wizard.mana_reserve = 10;
    for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) wizard.Globals[k] = 2;
    AI_Sanity_Check_Overland_Enchantments(1);
    EXPECT_EQ(wizard.Globals[0], 0) << "no Death realm";
    EXPECT_EQ(wizard.Globals[1], 0) << "a Life realm";
    EXPECT_EQ(wizard.Globals[10], 2) << "a Chaos realm keeps it";
    EXPECT_EQ(wizard.Globals[15], 0) << "Tranquility with Chaos";
    EXPECT_EQ(wizard.Globals[16], 2);
    EXPECT_EQ(wizard.Globals[5], 2);
    wizard.mana_reserve = 0;
    AI_Sanity_Check_Overland_Enchantments(1);
    for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) EXPECT_EQ(wizard.Globals[k], 0) << k;
}

TEST_F(AiSpellTargets, UnitEnchantmentSkipsStacksInCitiesShipsSettlersAndEnchantedUnits)
{
    Add_City(1, rt_Orc, 10, 10, 0, 4, 0);
    _ai_all_own_stacks[0] = {10, 10, 0, 0, 500, 0, 1, 0, 0};
    _ai_all_own_stack_count = 1;
    int16_t unit = -1;
    EXPECT_EQ(AITP_Unit_Enchantment(0, &unit, 7, 1), 0) << "the only stack stands in a city";

    _ai_all_own_stacks[1] = {20, 10, 0, 0, 50, 0, 4, 0, 0};
    _ai_all_own_stack_count = 2;
    _unit_type_table[40].Upkeep = 3;
    _unit_type_table[41].Upkeep = 9;
    _unit_type_table[41].Transport = 2;
    _unit_type_table[42].Upkeep = 9;
    _unit_type_table[42].Abilities = UA_CREATEOUTPOST;
    _unit_type_table[43].Upkeep = 8;
    Add_Unit(41, 1, 20, 10, 0);
    Add_Unit(42, 1, 20, 10, 0);
    int16_t enchanted = Add_Unit(43, 1, 20, 10, 0);
    _UNITS[enchanted].enchantments = UE_STONESKIN;
    int16_t plain = Add_Unit(40, 1, 20, 10, 0);
    EXPECT_EQ(AITP_Unit_Enchantment(0, &unit, 7, 1), 1);
    EXPECT_EQ(unit, plain);
    EXPECT_EQ(AITP_Unit_Enchantment(0, &unit, 93, 1), 1) << "no bit: the enchanted unit counts";
    EXPECT_EQ(unit, enchanted);
    EXPECT_EQ(AITP_Unit_Enchantment(0, &unit, 51, 1), 0);
}

TEST_F(AiSpellTargets, ASpellWithoutAPickerIsLoggedWithTheReleaseFlagAndEndsTheProgramWithout)
{
    int16_t x = 0, y = 0, p = 0;
    {
        Log_Capture log;
        EXPECT_EQ(Get_Map_Square_Target_For_Spell(0, &x, &y, &p, 200, 1), 0);
        std::string text = log.Finish();
        EXPECT_NE(text.find("Gorgon Rain could not be found for CP."), std::string::npos) << text;
        EXPECT_NE(text.find("ERROR"), std::string::npos) << text;
    }
    release_flag = 0;
    EXPECT_EXIT(Get_Map_Square_Target_For_Spell(0, &x, &y, &p, 200, 1), testing::ExitedWithCode(1),
                "Gorgon Rain could not be found for CP.");
}
