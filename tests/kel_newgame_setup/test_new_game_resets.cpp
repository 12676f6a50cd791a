// Hero rosters, the item pool and the events at a new game.
#include <set>

#include "World_Fixture.h"
#include "magic/Hero_Spells.h"
#include "newgame/New_Game_Resets.h"
#include "random.h"
#include "world/Events_Record.h"
#include "world/Item_Record.h"

namespace {

struct Graded_Bits {
    uint32_t normal, super;
};
const Graded_Bits FIGHTER_ABILITIES[] = {
    {hab_Leadership, hab_Leadership_Super},     {hab_Legendary, hab_Legendary_Super},
    {hab_Blademaster, hab_Blademaster_Super},   {hab_Armsmaster, hab_Armsmaster_Super},
    {hab_Constitution, hab_Constitution_Super}, {hab_Might, hab_Might_Super},
    {hab_Agility, hab_Agility_Super},
};
const Graded_Bits MAGE_ABILITIES[] = {
    {hab_Arcane_Power, hab_Arcane_Power_Super},
    {hab_Sage, hab_Sage_Super},
    {hab_Prayermaster, hab_Prayermaster_Super},
};
const uint32_t EITHER_ABILITIES[] = {hab_Noble, hab_Charmed, hab_Lucky};

uint32_t Bits_Of(const Graded_Bits *list, int count)
{
    uint32_t bits = 0;
    for (int i = 0; i < count; i++) bits |= list[i].normal | list[i].super;
    return bits;
}
const uint32_t FIGHTER_BITS = Bits_Of(FIGHTER_ABILITIES, 7);
const uint32_t MAGE_BITS = Bits_Of(MAGE_ABILITIES, 3);

// Grades held: a normal grade counts 1, a super grade 2, each ungraded ability 1.
int Grades(uint32_t abilities)
{
    int grades = 0;
    for (const Graded_Bits &g : FIGHTER_ABILITIES) grades += (abilities & g.super) ? 2 : (abilities & g.normal) ? 1 : 0;
    for (const Graded_Bits &g : MAGE_ABILITIES) grades += (abilities & g.super) ? 2 : (abilities & g.normal) ? 1 : 0;
    for (uint32_t bit : EITHER_ABILITIES) grades += (abilities & bit) ? 1 : 0;
    return grades;
}

constexpr int8_t MAGIC_BOLT_KIND = 35;
constexpr int8_t BOW_KIND = 20;

}  // namespace

class NewGame_Heroes : public World_Test {
protected:
    void Roll(uint32_t seed)
    {
        Set_Random_Seed(seed);
        Init_Heroes();
    }
};

TEST_F(NewGame_Heroes, PicksGoToTheirKind)
{
    // Every hero's bolts are magic, so each pick shows as one more grade or one more skill point.
    for (int t = 0; t < NUM_HERO_TYPES; t++) _unit_type_table[t].Ranged_Type = MAGIC_BOLT_KIND;
    for (uint32_t seed = 1; seed <= 40; seed++) {
        Roll(seed);
        for (int p = 0; p < NUM_ROSTER_PLAYERS; p++) {
            for (int t = 0; t < NUM_HERO_TYPES; t++) {
                const Hero_Premade_Record &premade = _hero_premade_table[t];
                const Hero_Record &hero = _HEROES2[p][t];
                SCOPED_TRACE(testing::Message() << "seed " << seed << " player " << p << " type " << t);
                EXPECT_EQ(hero.Level, 0);
                EXPECT_EQ(hero.abilities & premade.abilities & ~(FIGHTER_BITS | MAGE_BITS),
                          premade.abilities & ~(FIGHTER_BITS | MAGE_BITS));
                int gained =
                    Grades(hero.abilities) - Grades(premade.abilities) + (hero.Casting_Skill - premade.casting_skill);
                EXPECT_EQ(gained, premade.picks);
                if (premade.pick_kind == hpk_Fighter) {
                    EXPECT_EQ(hero.abilities & MAGE_BITS, premade.abilities & MAGE_BITS);
                    EXPECT_EQ(hero.Casting_Skill, premade.casting_skill);
                }
                if (premade.pick_kind == hpk_Mage) {
                    EXPECT_EQ(hero.abilities & FIGHTER_BITS, premade.abilities & FIGHTER_BITS);
                }
                if (premade.picks == 0) {
                    EXPECT_EQ((uint32_t)hero.abilities, (uint32_t)premade.abilities);
                }
                for (int k = 0; k < 4; k++) EXPECT_EQ(hero.Spells[k], premade.spells[k]);
                for (const Graded_Bits &g : FIGHTER_ABILITIES) {
                    EXPECT_FALSE((hero.abilities & g.normal) && (hero.abilities & g.super)) << "one grade at a time";
                }
                if (t == 34) {
                    EXPECT_EQ(hero.abilities & hab_Noble, 0u);
                }
            }
        }
    }
}

TEST_F(NewGame_Heroes, TableOfFixedValues)
{
    EXPECT_EQ(_hero_premade_table[2].abilities, (uint32_t)hab_Sage);
    EXPECT_EQ(_hero_premade_table[11].abilities, (uint32_t)hab_Agility_Super);
    EXPECT_EQ(_hero_premade_table[27].abilities,
              (uint32_t)(hab_Arcane_Power | hab_Prayermaster_Super | hab_Charmed | hab_Noble | 0x40000000u));
    EXPECT_EQ(_hero_premade_table[24].picks, 5);
    EXPECT_EQ(_hero_premade_table[24].pick_kind, hpk_Either);
    EXPECT_EQ(_hero_premade_table[32].spells[2], 195);
    EXPECT_EQ(_hero_premade_table[23].casting_skill, 5);
    Roll(7);
    EXPECT_EQ(_HEROES2[3][27].Casting_Skill, 4);
    EXPECT_EQ(_HEROES2[3][27].Spells[3], 150);
}

TEST_F(NewGame_Heroes, ArcanePowerRaisedOnlyForMagicBolts)
{
    // Type 13 holds Arcane Power and has one mage pick.
    struct Case {
        int8_t kind;
        bool super_possible;
    };
    for (Case c : {Case{BOW_KIND, false}, Case{MAGIC_BOLT_KIND, true}, Case{-1, false}}) {
        _unit_type_table[13].Ranged_Type = c.kind;
        bool seen_super = false;
        for (uint32_t seed = 1; seed <= 60; seed++) {
            Roll(seed);
            for (int p = 0; p < NUM_ROSTER_PLAYERS; p++) {
                uint32_t a = _HEROES2[p][13].abilities;
                seen_super |= (a & hab_Arcane_Power_Super) != 0;
                EXPECT_NE(a & (hab_Arcane_Power | hab_Arcane_Power_Super), 0u);
            }
        }
        EXPECT_EQ(seen_super, c.super_possible) << (int)c.kind;
    }
}

TEST_F(NewGame_Heroes, CharmedNeverForMagicImmuneHeroes)
{
    for (bool immune : {true, false}) {
        _unit_type_table[24].Attribs_1 = immune ? UI_MAGIC_IMMUNITY : 0;
        bool charmed = false;
        for (uint32_t seed = 1; seed <= 60; seed++) {
            Roll(seed);
            for (int p = 0; p < NUM_ROSTER_PLAYERS; p++) charmed |= (_HEROES2[p][24].abilities & hab_Charmed) != 0;
        }
        EXPECT_EQ(charmed, !immune);
    }
}

TEST_F(NewGame_Heroes, EachPlayerRolledSeparatelyNeutralUntouched)
{
    _HEROES2[NEUTRAL_PLAYER_IDX][6].Level = 3;
    _HEROES2[NEUTRAL_PLAYER_IDX][6].abilities = 0x5;
    Roll(11);
    int differing = 0;
    for (int t = 0; t < NUM_HERO_TYPES; t++) differing += _HEROES2[0][t].abilities != _HEROES2[1][t].abilities;
    EXPECT_GT(differing, 0);
    EXPECT_EQ(_HEROES2[NEUTRAL_PLAYER_IDX][6].Level, 3);
    EXPECT_EQ((uint32_t)_HEROES2[NEUTRAL_PLAYER_IDX][6].abilities, 0x5u);
    std::vector<uint8_t> first = World_Image();
    Roll(11);
    EXPECT_TRUE(first == World_Image());
}

TEST_F(NewGame_Heroes, ItemPlaceKindsByHeroClass)
{
    struct Case {
        uint8_t hero_class;
        int16_t kinds[3];
    };
    const Case cases[] = {
        {0, {1, 5, 6}}, {1, {2, 5, 6}}, {2, {3, 5, 6}}, {3, {4, 6, 6}}, {4, {1, 5, 6}}, {200, {1, 5, 6}},
    };
    for (const Case &c : cases) {
        _unit_type_table[5].hero_class = c.hero_class;
        int16_t kinds[3] = {0, 0, 0};
        Hero_Slot_Types(5, kinds);
        for (int i = 0; i < 3; i++) EXPECT_EQ(kinds[i], c.kinds[i]) << (int)c.hero_class << " " << i;
    }
    for (int16_t type : {(int16_t)-1, (int16_t)NUM_UNIT_TYPES}) {
        int16_t kinds[3] = {0, 0, 0};
        Hero_Slot_Types(type, kinds);
        EXPECT_EQ(kinds[0], 1);
        EXPECT_EQ(kinds[2], 6);
    }
}

TEST_F(NewGame_Heroes, ItemsFreedAndEventsQuiet)
{
    for (int i = 0; i < NUM_ITEMS; i++) {
        _ITEMS[i].cost = (int16_t)(100 + i);
        _ITEMS[i].attack = 3;
    }
    for (int i = 0; i < NUM_PREFAB_ITEMS; i++) _prefab_item_table[i] = 1;
    Initialize_Items();
    for (int i = 0; i < NUM_ITEMS; i++) {
        EXPECT_EQ(_ITEMS[i].cost, 0) << i;
        EXPECT_EQ(_ITEMS[i].attack, 3) << "only the cost frees a slot";
    }
    for (int i = 0; i < NUM_PREFAB_ITEMS; i++) EXPECT_EQ(_prefab_item_table[i], 0) << i;

    for (int w = 0; w < 50; w++) events_table->words[w] = 2;
    Initialize_Events();
    EXPECT_EQ(events_table->words[ev_Last_Event_Turn], 50);
    std::set<int> states(EVENT_STATE_WORDS, EVENT_STATE_WORDS + NUM_EVENT_STATES);
    for (int word : {ev_Population_Boom_State, ev_Good_Moon_State, ev_Bad_Moon_State, ev_Red_Conjunction_State,
                     ev_Green_Conjunction_State, ev_Blue_Conjunction_State, ev_Mana_Short_State}) {
        EXPECT_TRUE(states.count(word)) << word;
    }
    for (int w = 1; w < 50; w++) EXPECT_EQ(events_table->words[w], states.count(w) ? 0 : 2) << w;
}
