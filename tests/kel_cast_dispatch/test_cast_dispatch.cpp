#include "Cast_Fixture.h"
#include "ai/AI_Data.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Enchantment_List.h"
#include "turn/Magic_Power_Research.h"
#include "world/Dispel_Rules.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr uint8_t TYPE_SUMMONING = 0;
constexpr uint8_t TYPE_UNIT_ENCHANTMENT = 1;
constexpr uint8_t TYPE_CITY_ENCHANTMENT = 2;
constexpr uint8_t TYPE_WIZARD = 6;
constexpr uint8_t TYPE_GLOBAL = 9;
constexpr uint8_t TYPE_ITEM = 11;
constexpr uint8_t TYPE_NORMAL_UNITS_ONLY = 15;
constexpr uint8_t REALM_NATURE = 0;
constexpr uint8_t REALM_CHAOS = 2;
constexpr uint8_t REALM_DEATH = 4;

}  // namespace

// ---- fizzles ----

TEST_F(Cast_Test, CastDispatch_FizzleChanceIsWideWithItsDivisorAtLeastOne)
{
    struct Case {
        int16_t difficulty;
        int16_t chance;
    };
    const Case cases[] = {{0, 250}, {1000, 83}, {30000, 4}, {INT16_MAX, 3}, {-500, 32767}, {-32768, 32767}};
    for (const Case &c : cases) EXPECT_EQ(Fizzle_Chance(c.difficulty), c.chance) << c.difficulty;
}

TEST_F(Cast_Test, CastDispatch_EachRivalHolderIsTestedInTurnUntilOneFizzles)
{
    Set_Spell(spl_Stone_Skin, TYPE_GLOBAL, ge_Slot_3, REALM_NATURE);
    _players[1].Globals[ge_Suppress_Magic] = 2;
    _players[2].Globals[ge_Suppress_Magic] = 3;
    // Cost 0: the first holder always stops it, and the second is never asked.
    Start_Cast(0, spl_Stone_Skin, 0);
    Cast_Spell_Overland(0);
    ASSERT_EQ(cast_record.fizzles.size(), 1u);
    EXPECT_EQ(cast_record.fizzles[0], "Ariel's Suppress Magic spell has caused your Spell 7 spell to fizzle.");
    EXPECT_EQ(_players[0].Globals[ge_Slot_3], 0);
    EXPECT_TRUE(Fields_Cleared(0));

    // Difficulty 1000 (chance 83): a seed whose first draw passes and whose second fails.
    uint32_t seed = 1;
    for (;; seed++) {
        Set_Random_Seed(seed);
        int first = RANDOM(250);
        int second = RANDOM(250);
        if (first > 83 && second <= 83) break;
    }
    cast_record.fizzles.clear();
    Set_Random_Seed(seed);
    Start_Cast(0, spl_Stone_Skin, 1000);
    Cast_Spell_Overland(0);
    ASSERT_EQ(cast_record.fizzles.size(), 1u);
    EXPECT_EQ(cast_record.fizzles[0], "Horus' Suppress Magic spell has caused your Spell 7 spell to fizzle.");
}

TEST_F(Cast_Test, CastDispatch_RealmDecidesWhichRivalSlotsAreFaced)
{
    struct Case {
        uint8_t realm;
        int rival_slot;
        const char *fizzle;  // nullptr: the spell takes effect
    };
    const Case cases[] = {
        {REALM_CHAOS, ge_Tranquility, "Ariel's Tranquility spell has caused your Spell 7 spell to fizzle."},
        {REALM_DEATH, ge_Life_Force, "Ariel's Life Force spell has caused your Spell 7 spell to fizzle."},
        {REALM_NATURE, ge_Tranquility, nullptr},
        {REALM_NATURE, ge_Life_Force, nullptr},
        {REALM_CHAOS, ge_Life_Force, nullptr},
        {REALM_DEATH, ge_Tranquility, nullptr},
    };
    for (const Case &c : cases) {
        memset(_players[0].Globals, 0, sizeof _players[0].Globals);
        memset(_players[1].Globals, 0, sizeof _players[1].Globals);
        cast_record.fizzles.clear();
        Set_Spell(spl_Stone_Skin, TYPE_GLOBAL, ge_Slot_3, c.realm);
        _players[1].Globals[c.rival_slot] = 2;
        Start_Cast(0, spl_Stone_Skin, 0);
        Cast_Spell_Overland(0);
        if (c.fizzle != nullptr) {
            ASSERT_EQ(cast_record.fizzles.size(), 1u) << (int)c.realm;
            EXPECT_EQ(cast_record.fizzles[0], c.fizzle);
            EXPECT_EQ(_players[0].Globals[ge_Slot_3], 0);
        } else {
            EXPECT_TRUE(cast_record.fizzles.empty()) << (int)c.realm << " " << c.rival_slot;
            EXPECT_EQ(_players[0].Globals[ge_Slot_3], 1);
        }
        EXPECT_TRUE(Fields_Cleared(0));
    }

    // A Chaos spell faces Suppress Magic first; the first fizzle ends the tests.
    cast_record.fizzles.clear();
    Set_Spell(spl_Stone_Skin, TYPE_GLOBAL, ge_Slot_3, REALM_CHAOS);
    _players[1].Globals[ge_Tranquility] = 0;
    _players[1].Globals[ge_Suppress_Magic] = 2;
    _players[2].Globals[ge_Tranquility] = 3;
    Start_Cast(0, spl_Stone_Skin, 0);
    Cast_Spell_Overland(0);
    ASSERT_EQ(cast_record.fizzles.size(), 1u);
    EXPECT_EQ(cast_record.fizzles[0], "Ariel's Suppress Magic spell has caused your Spell 7 spell to fizzle.");
}

TEST_F(Cast_Test, CastDispatch_CastersOwnSlotsNeverStopItsSpell)
{
    Set_Spell(spl_Stone_Skin, TYPE_GLOBAL, ge_Slot_3, REALM_CHAOS);
    _players[1].Globals[ge_Suppress_Magic] = 2;
    _players[1].Globals[ge_Tranquility] = 2;
    Start_Cast(1, spl_Stone_Skin, 0);
    Cast_Spell_Overland(1);
    EXPECT_TRUE(cast_record.fizzles.empty());
    EXPECT_EQ(_players[1].Globals[ge_Slot_3], 2);
    EXPECT_TRUE(Fields_Cleared(1));
}

TEST_F(Cast_Test, CastDispatch_NoSpellLeavesTheRecordAlone)
{
    _players[0].casting_cost_original = 55;
    _players[0].casting_cost_remaining = 0;
    _players[0].casting_spell_idx = 0;
    Cast_Spell_Overland(0);
    EXPECT_EQ(_players[0].casting_cost_original, 55);
}

// ---- summoning ----

TEST_F(Cast_Test, CastDispatch_SummoningKeepsTheUnitLimits)
{
    struct Case {
        int16_t units;
        int16_t caster;
        bool made;
    };
    const Case cases[] = {{949, 0, true}, {949, 1, true},  {950, 0, true},  {950, 1, false},
                          {979, 0, true}, {979, 2, false}, {980, 0, false}, {980, 1, false}};
    for (const Case &c : cases) {
        World_Clear();
        _num_players = 3;
        cast_record.messages.clear();
        Set_Spell(spl_Stone_Skin, TYPE_SUMMONING, ut_Troll_Cavalry);
        for (int16_t k = 0; k < c.units; k++) Add_Unit(0, ut_Troll_Cavalry, 3, 3);
        _players[c.caster].summon_wx = 20;
        _players[c.caster].summon_wy = 12;
        _players[c.caster].summon_wp = 1;
        Start_Cast(c.caster, spl_Stone_Skin);
        Cast_Spell_Overland(c.caster);
        EXPECT_EQ(_units, c.made ? c.units + 1 : c.units) << c.units << " " << c.caster;
        if (c.made) {
            const Unit_Record &unit = _UNITS[_units - 1];
            EXPECT_EQ(unit.owner_idx, c.caster);
            EXPECT_EQ(unit.type, ut_Troll_Cavalry);
            EXPECT_EQ(unit.wx, 20);
            EXPECT_EQ(unit.wy, 12);
            EXPECT_EQ(unit.wp, 1);
            EXPECT_EQ(unit.Finished, 0);
            EXPECT_EQ(unit.moves2, unit.moves2_max);
        }
        bool told = !cast_record.messages.empty() && cast_record.messages[0] == "record 21";
        EXPECT_EQ(told, !c.made && c.caster == 0) << c.units << " " << c.caster;
        EXPECT_TRUE(Fields_Cleared(c.caster));
    }
}

TEST_F(Cast_Test, CastDispatch_SummoningShowsAndSelectsTheHumansNewUnitOnly)
{
    Set_Spell(spl_Stone_Skin, TYPE_SUMMONING, ut_Troll_Cavalry);
    Start_Cast(0, spl_Stone_Skin);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.summons, std::vector<int>{ut_Troll_Cavalry});
    EXPECT_EQ(cast_record.selected, std::vector<int>{0});
    EXPECT_EQ(g_ai_recompute_needed, 1);

    // A rival's summoning is seen only with Enemy Spells, contact and the watching enchantment.
    Start_Cast(1, spl_Stone_Skin);
    Cast_Spell_Overland(1);
    EXPECT_EQ(cast_record.summons.size(), 1u);
    magic_set.words[13] = 1;
    _players[0].Dipl_Contacted[1] = 1;
    _players[0].Globals[ge_Spell_Watch] = 1;
    Start_Cast(1, spl_Stone_Skin);
    Cast_Spell_Overland(1);
    EXPECT_EQ(cast_record.summons.size(), 2u);
    EXPECT_EQ(cast_record.selected, std::vector<int>{0});
}

TEST_F(Cast_Test, CastDispatch_RefusedCreationLeavesTheLastUnitAlone)
{
    Set_Spell(spl_Stone_Skin, TYPE_SUMMONING, NUM_UNIT_TYPES + 5);
    int16_t last = Add_Unit(1, ut_Troll_Cavalry, 4, 4);
    _UNITS[last].Finished = 1;
    _UNITS[last].moves2 = 0;
    _UNITS[last].moves2_max = 4;
    Start_Cast(0, spl_Stone_Skin);
    Cast_Spell_Overland(0);
    EXPECT_EQ(_units, 1);
    EXPECT_EQ(_UNITS[last].Finished, 1);
    EXPECT_EQ(_UNITS[last].moves2, 0);
    EXPECT_TRUE(cast_record.selected.empty());
    EXPECT_TRUE(Fields_Cleared(0));
}

// ---- unit enchantments ----

TEST_F(Cast_Test, CastDispatch_EveryUnitEnchantmentRefusalIsTold)
{
    struct Case {
        int16_t spell;
        uint8_t type;
        uint32_t enchantments;
        uint8_t mutations;
        uint16_t attribs_1, abilities;
        uint8_t attribs_2;
        std::vector<std::string> messages;
    };
    const uint32_t mask = 0x100;
    const Case cases[] = {
        {spl_Stone_Skin,
         TYPE_UNIT_ENCHANTMENT,
         mask | UE_IRONSKIN,
         0,
         0,
         0,
         0,
         {"That unit already has Spell 7 cast on it", "record 22"}},
        {spl_Resist_Elements, TYPE_UNIT_ENCHANTMENT, UE_ELEMENTALARMOR, 0, 0, 0, 0, {"record 23"}},
        {spl_Resist_Magic, TYPE_UNIT_ENCHANTMENT, UE_WRAITHFORM, 0, 0, 0, 0, {"record 24"}},
        {spl_Heroism,
         TYPE_NORMAL_UNITS_ONLY,
         0,
         0,
         0,
         UA_FANTASTIC,
         0,
         {"Only normal units may have Spell 130 cast on them"}},
        {spl_Chaos_Channels,
         TYPE_UNIT_ENCHANTMENT,
         0,
         UM_UNDEAD,
         0,
         0,
         0,
         {"Only normal units may have Spell 93 cast on them"}},
        {spl_Immolation, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, 0, UI2_IMMOLATION, {"record 87"}},
        {spl_Cloak_Of_Fear, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, 0, UI2_CAUSE_FEAR_SPELL, {"record 87"}},
        {spl_True_Sight, TYPE_UNIT_ENCHANTMENT, 0, 0, UI_ILLUSIONS_IMMUNITY, 0, 0, {"record 87"}},
        {spl_Magic_Immunity, TYPE_UNIT_ENCHANTMENT, 0, 0, UI_MAGIC_IMMUNITY, 0, 0, {"record 87"}},
        {spl_Planar_Travel, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, UA_PLANESHIFT, 0, {"record 87"}},
        {spl_Invisibility, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, UA_INVISIBILITY, 0, {"record 87"}},
        {spl_Wraith_Form, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, UA_NONCORPOREAL, 0, {"record 87"}},
        {spl_Wind_Walking, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, UA_WINDWALKING, 0, {"record 87"}},
        {spl_Regenerate, TYPE_UNIT_ENCHANTMENT, 0, 0, 0, UA_REGENERATION, 0, {"record 87"}},
        {spl_Black_Channels,
         TYPE_UNIT_ENCHANTMENT,
         0,
         0,
         0,
         UA_FANTASTIC,
         0,
         {"Only normal units and created undead may have Spell 175 cast on them"}},
        {spl_Black_Channels, TYPE_UNIT_ENCHANTMENT, 0, UM_UNDEAD, 0, UA_FANTASTIC, 0, {}},
        // Another spell's power or a type's ability means nothing to this one.
        {spl_Stone_Skin, TYPE_UNIT_ENCHANTMENT, UE_ELEMENTALARMOR, 0, 0, UA_REGENERATION, 0, {}},
    };
    for (const Case &c : cases) {
        World_Clear();
        _num_players = 3;
        cast_record = Cast_Record{};
        Set_Spell(c.spell, c.type, mask);
        int16_t unit = Add_Unit(0, ut_Troll_Cavalry, 5, 5);
        _UNITS[unit].enchantments = c.enchantments;
        _UNITS[unit].mutations = c.mutations;
        Unit_Type_Record &type = _unit_type_table[ut_Troll_Cavalry];
        type.Attribs_1 = c.attribs_1;
        type.Attribs_2 = c.attribs_2;
        type.Abilities = c.abilities;
        cast_record.picks.push_back({unit, 5, 5, 0});  // then the screen is cancelled
        Start_Cast(0, c.spell);
        Cast_Spell_Overland(0);
        EXPECT_EQ(cast_record.messages, c.messages) << c.spell;
        bool refused = !c.messages.empty();
        EXPECT_EQ(cast_record.kinds.size(), refused ? 2u : 1u) << c.spell;
        EXPECT_EQ((_UNITS[unit].enchantments & mask) != 0, !refused || (c.enchantments & mask) != 0) << c.spell;
        EXPECT_TRUE(Fields_Cleared(0));
    }
}

TEST_F(Cast_Test, CastDispatch_UnitEnchantmentTakesHoldOnTheSecondPick)
{
    Set_Spell(spl_Black_Channels, TYPE_UNIT_ENCHANTMENT, UE_BLACKCHANNELS);
    _unit_type_table[ut_Troll_Cavalry].Abilities = 0;
    int16_t holder = Add_Unit(0, ut_Troll_Cavalry, 5, 5);
    _UNITS[holder].enchantments = UE_BLACKCHANNELS;
    int16_t fresh = Add_Unit(0, ut_Troll_Cavalry, 6, 5);
    cast_record.picks = {{holder, 5, 5, 0}, {fresh, 6, 5, 0}};
    Start_Cast(0, spl_Black_Channels);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"That unit already has Spell 175 cast on it"});
    EXPECT_EQ(_UNITS[fresh].enchantments, (uint32_t)UE_BLACKCHANNELS);
    EXPECT_EQ(_UNITS[fresh].mutations & UM_UNDEAD, UM_UNDEAD);
    EXPECT_EQ(cast_record.squares, std::vector<int>{spl_Black_Channels});
    EXPECT_TRUE(Fields_Cleared(0));
}

// ---- city enchantments ----

TEST_F(Cast_Test, CastDispatch_CityEnchantmentRefusalsReopenTheTargetScreen)
{
    Set_Spell(spl_Consecration, TYPE_CITY_ENCHANTMENT, ce_Consecration);
    int16_t held = Add_City(0, 10, 10);
    int16_t free_city = Add_City(0, 12, 10);
    _CITIES[held].enchantments[ce_Consecration] = 1;
    cast_record.picks = {{held, 10, 10, 0}, {free_city, 12, 10, 0}};
    Start_Cast(0, spl_Consecration);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"That city already has Spell 155 cast on it"});
    EXPECT_EQ(_CITIES[free_city].enchantments[ce_Consecration], 1);
    EXPECT_EQ(cast_record.city_halves, (std::vector<int>{1, 2}));

    // The summoning circle moves, unless it already stands there.
    cast_record = Cast_Record{};
    Set_Spell(spl_Summoning_Circle, TYPE_CITY_ENCHANTMENT, 0);
    _players[0].summon_wx = 10;
    _players[0].summon_wy = 10;
    _players[0].summon_wp = 0;
    cast_record.picks = {{held, 10, 10, 0}, {free_city, 12, 10, 0}};
    Start_Cast(0, spl_Summoning_Circle);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"record 25"});
    EXPECT_EQ(_players[0].summon_wx, 12);
    EXPECT_EQ(_CITIES[free_city].enchantments[0], 0);

    // A cancel spends the spell.
    cast_record = Cast_Record{};
    _CITIES[free_city].enchantments[ce_Consecration] = 0;
    Set_Spell(spl_Consecration, TYPE_CITY_ENCHANTMENT, ce_Consecration);
    Start_Cast(0, spl_Consecration);
    Cast_Spell_Overland(0);
    EXPECT_EQ(_CITIES[free_city].enchantments[ce_Consecration], 0);
    EXPECT_TRUE(Fields_Cleared(0));
}

// ---- spells aimed at a wizard ----

TEST_F(Cast_Test, CastDispatch_SpellBlastTakesWhatWasPutIn)
{
    struct Case {
        int16_t target_spell, original, remaining, caster_mana;
        int16_t mana_after;
        bool cleared;
    };
    const Case cases[] = {
        {spl_Stone_Skin, 1000, 400, 700, 100, true},   // 600 put in
        {spl_Stone_Skin, 1000, 400, 500, 500, false},  // too little mana: nothing happens
        {spl_Stone_Skin, 100, 300, 50, 50, true},      // priced above its base: nothing put in
        {spl_Spell_Of_Return, 1000, 400, 700, 100, false},
    };
    for (const Case &c : cases) {
        spell_data_table[spl_Spell_Of_Return].casting_cost = 1000;
        _players[1].mana_reserve = c.caster_mana;
        _players[2].casting_spell_idx = c.target_spell;
        _players[2].casting_cost_original = c.original;
        _players[2].casting_cost_remaining = c.remaining;
        Spell_Blast(1, 2);
        EXPECT_EQ(_players[1].mana_reserve, c.mana_after) << c.target_spell << " " << c.caster_mana;
        EXPECT_EQ(_players[2].casting_spell_idx == 0, c.cleared) << c.target_spell << " " << c.caster_mana;
        if (c.target_spell == spl_Spell_Of_Return) {
            EXPECT_EQ(_players[2].casting_spell_idx, spl_Spell_Of_Return);
            EXPECT_EQ(_players[2].casting_cost_remaining, Casting_Cost(2, spl_Spell_Of_Return, 0));
            EXPECT_GT(_players[2].casting_cost_remaining, 400);
        }
    }
    EXPECT_TRUE(cast_record.fizzles.empty());
    _players[0].casting_spell_idx = spl_Stone_Skin;
    _players[0].casting_cost_original = 100;
    _players[0].casting_cost_remaining = 40;
    _players[1].mana_reserve = 100;
    Spell_Blast(1, 0);
    EXPECT_EQ(cast_record.fizzles,
              std::vector<std::string>{"Ariel's Spell Blast spell has caused your Spell 7 spell to fizzle."});
    EXPECT_EQ(_players[1].mana_reserve, 40);
}

TEST_F(Cast_Test, CastDispatch_HumansWizardSpellNeedsAKnownStandingFortress)
{
    Set_Spell(spl_Stone_Skin, TYPE_WIZARD, 1);
    Start_Cast(0, spl_Stone_Skin);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"record 27 Spell 7 spell has failed."});
    EXPECT_EQ(cast_record.wizard_screens, 0);

    _players[0].Dipl_Contacted[2] = 1;
    _FORTRESSES[2].active = 1;
    Start_Cast(0, spl_Stone_Skin);
    Cast_Spell_Overland(0);
    EXPECT_EQ(cast_record.wizard_screens, 1);
    EXPECT_TRUE(Fields_Cleared(0));
}

// ---- global enchantments ----

TEST_F(Cast_Test, CastDispatch_GlobalEnchantmentsHoldAndTakeTheirExtraEffect)
{
    Set_Spell(spl_Time_Stop, TYPE_GLOBAL, ge_Time_Stop);
    Start_Cast(2, spl_Time_Stop);
    Cast_Spell_Overland(2);
    EXPECT_EQ(_players[2].Globals[ge_Time_Stop], 3);
    EXPECT_EQ(g_timestop_player_num, 3);
    EXPECT_EQ(cast_record.globals, 1);

    Set_Spell(spl_Awareness, TYPE_GLOBAL, ge_Awareness);
    _current_player_idx = 0;
    int16_t city = Add_City(2, 30, 20);
    Start_Cast(1, spl_Awareness);
    Cast_Spell_Overland(1);
    EXPECT_EQ(_players[1].Globals[ge_Awareness], 2);
    EXPECT_EQ(_CITIES[city].contacts, 1u << 1);
    EXPECT_TRUE(Fields_Cleared(1));
}

TEST_F(Cast_Test, CastDispatch_SlotsMapToTheirSpells)
{
    const int16_t expected[NUM_OVERLAND_ENCHANTMENTS] = {197, 198, 188, 59,  57,  79,  80,  34,  40,  38,  116, 117,
                                                         114, 113, 120, 157, 156, 158, 127, 154, 135, 160, 206, 209};
    for (int16_t slot = 0; slot < NUM_OVERLAND_ENCHANTMENTS; slot++) {
        EXPECT_EQ(Overland_Enchantment_Spell_Index(slot), expected[slot]) << slot;
    }
    EXPECT_EQ(Overland_Enchantment_Spell_Index(-1), 0);
    EXPECT_EQ(Overland_Enchantment_Spell_Index(24), 0);
}

TEST_F(Cast_Test, CastDispatch_CityEnchantmentSpellsIncludeBothWards)
{
    Set_Spell(spl_Consecration, TYPE_CITY_ENCHANTMENT, ce_Consecration);
    Set_Spell(spl_Evil_Presence, 3, ce_Evil_Presence);
    Set_Spell(spl_Stone_Skin, TYPE_GLOBAL, ce_Famine);  // not a city spell
    EXPECT_EQ(Get_Spell_For_City_Enchantment(ce_Consecration), spl_Consecration);
    EXPECT_EQ(Get_Spell_For_City_Enchantment(ce_Evil_Presence), spl_Evil_Presence);
    EXPECT_EQ(Get_Spell_For_City_Enchantment(ce_Nature_Ward), spl_Spell_Ward);
    EXPECT_EQ(Get_Spell_For_City_Enchantment(ce_Death_Ward), spl_Spell_Ward);
    EXPECT_EQ(Get_Spell_For_City_Enchantment(ce_Famine), 0);
}

// ---- item creation ----

TEST_F(Cast_Test, CastDispatch_ItemCreationWithAFullTableLosesTheItemAndSaysSo)
{
    Set_Spell(spl_Stone_Skin, TYPE_ITEM);
    for (int k = 0; k < NUM_LIVE_ITEMS; k++) _ITEMS[k].cost = 100;
    _ITEMS[ITEM_BEING_MADE].cost = 500;
    Start_Cast(0, spl_Stone_Skin);
    Cast_Spell_Overland(0);
    ASSERT_EQ(cast_record.messages.size(), 1u);
    EXPECT_NE(cast_record.messages[0].find("could not be made"), std::string::npos);
    EXPECT_EQ(cast_record.summons, std::vector<int>{-1});
    for (int k = 0; k < NUM_LIVE_ITEMS; k++) ASSERT_EQ(_ITEMS[k].cost, 100) << k;
    EXPECT_TRUE(Fields_Cleared(0));
}
