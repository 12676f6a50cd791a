#include <set>
#include <string>

#include "Battle_Fixture.h"

using BattleUnit = Battle_Unit_Test;

TEST_F(BattleUnit, BitNameTablesNameEachBitOnce)
{
    auto check = [](const Bit_Name *table, size_t count) {
        std::set<uint32_t> seen;
        for (size_t i = 0; i < count; i++) {
            EXPECT_NE(table[i].bit, 0u);
            EXPECT_EQ(table[i].bit & (table[i].bit - 1), 0u) << table[i].name;
            EXPECT_TRUE(seen.insert(table[i].bit).second) << table[i].name;
            EXPECT_FALSE(std::string(table[i].name).empty());
        }
    };
    check(unit_enchantment_names, std::size(unit_enchantment_names));
    check(unit_attribute_1_names, std::size(unit_attribute_1_names));
    check(unit_attribute_2_names, std::size(unit_attribute_2_names));
    check(unit_ability_names, std::size(unit_ability_names));
    check(unit_attack_flag_names, std::size(unit_attack_flag_names));
    check(battle_unit_curse_names, std::size(battle_unit_curse_names));
    check(hero_ability_names, std::size(hero_ability_names));
    for (int k = 0; k < NUM_UNIT_ENCHANTMENTS; k++) EXPECT_EQ(unit_enchantment_names[k].bit, 1u << k);
    EXPECT_STREQ(unit_enchantment_names[2].name, "Berserk");
    EXPECT_STREQ(unit_enchantment_names[24].name, "Heroism");
}

TEST_F(BattleUnit, LoadCopiesTheTypeAndSetsTheStartValues)
{
    Unit_Type_Record &type = _unit_type_table[FOOT_TYPE];
    type.To_Hit = 2;
    type.Sight = 3;
    type.Construction = 1;
    type.Attribs_2 = UI2_WEB_SPELL;
    type.Attack_Flags = UAF_POISON | UAF_FIRST_STRIKE;
    type.Spec_Att_Attr = 4;
    type.Hits = 3;
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].Damage = 7;

    Battle_Unit_Record bu;
    memset(&bu, 0xCD, sizeof(bu));
    Load_Battle_Unit(u, &bu);
    EXPECT_EQ(bu.Melee, 5);
    EXPECT_EQ(bu.To_Hit, 2);
    EXPECT_EQ(bu.Ranged_Type, rk_None);
    EXPECT_EQ(bu.Sight, 3);
    EXPECT_EQ(bu.Construction, 1);
    EXPECT_EQ(bu.Attribs_2, UI2_WEB_SPELL);
    EXPECT_EQ(+bu.Move_Flags, MV_FOOT);
    EXPECT_EQ(+bu.Attack_Flags, UAF_POISON | UAF_FIRST_STRIKE);
    // Poison sets the special value aside as its strength.
    EXPECT_EQ(bu.Kept_Spec_Att_Attr, 4);
    EXPECT_EQ(bu.Spec_Att_Attr, 0);
    // 7 damage at 3 hits a figure: two figures dead, one hit on the front figure.
    EXPECT_EQ(bu.Damage, 7);
    EXPECT_EQ(bu.Front_Figure_Damage, 1);
    EXPECT_EQ(bu.Cur_Figures, 4);
    EXPECT_EQ(bu.Max_Figures, 6);
    EXPECT_EQ(+bu.unit_idx, u);
    EXPECT_EQ(bu.owner_idx, 0);
    EXPECT_EQ(+bu.Figure_Set, -1);
    EXPECT_EQ(bu.AI_Target, 0xFF);
    EXPECT_EQ(+bu.Curses, 0);
    EXPECT_EQ(+bu.Combat_Enchantments, 0u);
    EXPECT_EQ(bu.Status, 0);
    EXPECT_EQ(bu.Item_Charges, 0);
    const uint8_t *bytes = (const uint8_t *)&bu;
    for (size_t i = 0; i < BATTLE_UNIT_COMBAT_WORDS_BYTES; i++)
        EXPECT_EQ(bytes[BATTLE_UNIT_COMBAT_WORDS_OFFSET + i], 0);
    // Combat's own bytes survive a load.
    for (size_t i = offsetof(Battle_Unit_Record, Times_Attacked); i < BATTLE_UNIT_COMBAT_WORDS_OFFSET; i++)
        EXPECT_EQ(bytes[i], 0xCD);

    type.Ranged_Type = rk_Doom_Gaze;
    bu = Load(u);
    EXPECT_EQ(bu.Spec_Att_Attr, 4) << "a doom gaze keeps its special value";
}

TEST_F(BattleUnit, DamageBeyondTheFiguresAndATypeWithoutHits)
{
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].Damage = 100;
    EXPECT_EQ(Load(u).Cur_Figures, 0) << "figures alive stop at 0";
    _unit_type_table[FOOT_TYPE].Hits = 0;
    _UNITS[u].Damage = 2;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Hits, 0);
    EXPECT_EQ(bu.Cur_Figures, 4);
    EXPECT_EQ(bu.Front_Figure_Damage, 0);
}

// Cumulative gains of a normal unit with melee and ranged, from level 0 (Recruit) to 5 (Champion).
TEST_F(BattleUnit, NormalUnitLevelsUpToChampion)
{
    Plain_Type(FOOT_TYPE, 5, 2, 10, 4, 5, 1);
    struct Row {
        int level, to_hit, resist, defense, melee, ranged;
    } rows[] = {
        {0, 0, 0, 0, 0, 0}, {1, 0, 1, 0, 1, 1}, {2, 0, 2, 1, 1, 1},
        {3, 1, 3, 1, 2, 2}, {4, 2, 4, 2, 2, 2}, {5, 3, 5, 2, 3, 3},
    };
    for (const Row &row : rows) {
        int16_t u = Add_Unit(FOOT_TYPE, 0, row.level);
        Battle_Unit_Record bu = Load(u);
        EXPECT_EQ(bu.To_Hit, row.to_hit) << "level " << row.level;
        EXPECT_EQ(bu.Resist, 5 + row.resist) << "level " << row.level;
        EXPECT_EQ(bu.Defense, 4 + row.defense) << "level " << row.level;
        EXPECT_EQ(bu.Melee, 5 + row.melee) << "level " << row.level;
        EXPECT_EQ(bu.Ranged, 2 + row.ranged) << "level " << row.level;
        EXPECT_EQ(bu.Shown_Melee_Bonus, 0) << "levels are not shown";
        EXPECT_EQ(bu.Shown_Resist_Bonus, 0);
    }
    // A unit without melee or ranged gains neither.
    Plain_Type(FOOT_TYPE, 0, 0, rk_None, 4, 5, 1);
    Battle_Unit_Record bu = Load(Add_Unit(FOOT_TYPE, 0, 5));
    EXPECT_EQ(bu.Melee, 0);
    EXPECT_EQ(bu.Ranged, 0);
    EXPECT_EQ(bu.Resist, 10);
}

TEST_F(BattleUnit, HeroLevels)
{
    struct Row {
        int level, to_hit, resist, defense, melee;
    } rows[] = {
        {0, 0, 0, 0, 0}, {1, 0, 1, 1, 1}, {2, 1, 2, 1, 2}, {4, 1, 4, 2, 4}, {5, 2, 5, 3, 5}, {8, 3, 8, 4, 8},
    };
    for (const Row &row : rows) {
        Battle_Unit_Record bu = Load(Add_Hero(0, row.level));
        EXPECT_EQ(bu.To_Hit, row.to_hit) << "level " << row.level;
        EXPECT_EQ(bu.Resist, 6 + row.resist) << "level " << row.level;
        EXPECT_EQ(bu.Defense, 4 + row.defense) << "level " << row.level;
        EXPECT_EQ(bu.Melee, 5 + row.melee) << "level " << row.level;
        EXPECT_EQ(bu.Weapon_Quality, wq_Magic) << "heroes fight with magic weapons";
    }
}

TEST_F(BattleUnit, HeroismAtLevelOneCountsAsLevelThree)
{
    int16_t u = Add_Unit(FOOT_TYPE, 0, 1);
    _UNITS[u].enchantments = UE_HEROISM;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.To_Hit, 1);
    EXPECT_EQ(bu.Resist, 5 + 3);
    EXPECT_EQ(bu.Defense, 4 + 1);
    EXPECT_EQ(bu.Melee, 5 + 2);
    EXPECT_EQ(bu.Hits, 1 + 1) << "level 3 adds a hit";

    int16_t champion = Add_Unit(FOOT_TYPE, 0, 5);
    _UNITS[champion].enchantments = UE_HEROISM;
    EXPECT_EQ(Load(champion).To_Hit, 3) << "Heroism never lowers a level";
}

TEST_F(BattleUnit, BerserkDoublesMeleeAndGivesUpDefence)
{
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].enchantments = UE_BERSERK;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Melee, 10);
    EXPECT_EQ(bu.Shown_Melee_Bonus, 5);
    EXPECT_EQ(bu.Defense, -20);
    EXPECT_EQ(bu.Shown_Defense_Penalty, 4);

    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(bu.Melee, 10) << "the unit's own enchantments take effect once";
    EXPECT_EQ(bu.Shown_Melee_Bonus, 5);
    EXPECT_EQ(bu.Defense, 0);
    EXPECT_EQ(bu.Shown_Defense_Penalty, 4);
}

TEST_F(BattleUnit, WeaponMutations)
{
    Plain_Type(FOOT_TYPE, 5, 2, 10, 4, 5, 1);
    struct Row {
        uint8_t mutation;
        int gain;
        uint8_t quality;
    } rows[] = {{0, 0, wq_None}, {1, 0, 2}, {2, 1, wq_Mithril}, {3, 2, wq_Adamantium}};
    for (const Row &row : rows) {
        int16_t u = Add_Unit(FOOT_TYPE, 0);
        _UNITS[u].mutations = row.mutation;
        Battle_Unit_Record bu = Load(u);
        int to_hit = row.mutation ? 1 : 0;
        EXPECT_EQ(bu.Melee, 5 + row.gain) << (int)row.mutation;
        EXPECT_EQ(bu.Ranged, 2 + row.gain) << (int)row.mutation;
        EXPECT_EQ(bu.Defense, 4 + row.gain) << (int)row.mutation;
        EXPECT_EQ(bu.Shown_Melee_Bonus, row.gain);
        EXPECT_EQ(bu.Shown_Defense_Bonus, row.gain);
        EXPECT_EQ(bu.Melee_To_Hit_Bonus, to_hit);
        EXPECT_EQ(bu.Ranged_To_Hit_Bonus, to_hit);
        EXPECT_EQ(bu.Weapon_Quality, row.quality);
    }
    // Magic ranged attacks are not weapons.
    Plain_Type(FOOT_TYPE, 0, 5, 30, 4, 5, 1);
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].mutations = 3;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Ranged, 5);
    EXPECT_EQ(bu.Melee, 0);
    EXPECT_EQ(bu.Defense, 6);
    EXPECT_EQ(bu.Ranged_To_Hit_Bonus, 0);
}

TEST_F(BattleUnit, HitPointTable)
{
    _unit_type_table[HERO_TYPE].Hits = 5;
    struct Row {
        bool hero;
        int level;
        uint32_t abilities;
        uint32_t enchantments;
        bool charm_of_life;
        int hits;
    } rows[] = {
        // Normal unit of 1 hit: levels add 1 at 3 and 4, 2 at 5.
        {false, 0, 0, 0, false, 1},
        {false, 2, 0, 0, false, 1},
        {false, 3, 0, 0, false, 2},
        {false, 4, 0, 0, false, 2},
        {false, 5, 0, 0, false, 3},
        {false, 1, 0, UE_HEROISM, false, 2},
        {false, 0, 0, UE_BLACKCHANNELS, false, 2},
        {false, 0, 0, UE_LIONHEART, false, 4},
        {false, 0, 0, 0, true, 2},
        {false, 5, 0, UE_LIONHEART, true, 7},
        // Hero of 5 hits: +1 above level 0, 1 and 3, and the level's own hits.
        {true, 0, 0, 0, false, 5},
        {true, 1, 0, 0, false, 6},
        {true, 2, 0, 0, false, 7},
        {true, 4, 0, 0, false, 9},
        {true, 8, 0, 0, false, 13},
        {true, 2, hab_Constitution, 0, false, 10},
        {true, 2, hab_Constitution_Super, 0, false, 11},
        {true, 8, hab_Constitution_Super, 0, true, 32},
    };
    for (const Row &row : rows) {
        _players[0].Globals[ge_Charm_of_Life] = row.charm_of_life ? 1 : 0;
        int16_t u = row.hero ? Add_Hero(0, row.level, row.abilities) : Add_Unit(FOOT_TYPE, 0, row.level);
        _UNITS[u].enchantments = row.enchantments;
        EXPECT_EQ(Unit_Hit_Points(u), row.hits) << "hero " << row.hero << " level " << row.level;
        EXPECT_EQ(Load(u).Hits, row.hits) << "hero " << row.hero << " level " << row.level;
    }
}

TEST_F(BattleUnit, BattleHitPointsCountBattleEffectsAndExtraHits)
{
    _unit_type_table[FOOT_TYPE].Hits = 4;
    int16_t u = Add_Unit(FOOT_TYPE, 0, 2);
    Battle_Unit_Record bu = Load(u);
    bu.Combat_Enchantments = UE_LIONHEART;
    bu.Extra_Hits = 2;
    // Crusade lifts level 2 to 3 (+1); Lion Heart +3; extra hits +2.
    _players[0].Globals[ge_Crusade] = 1;
    EXPECT_EQ(Battle_Unit_Hit_Points(&bu), 4 + 1 + 3 + 2);
    EXPECT_EQ(bu.Shown_Hits_Bonus, 3 + 2);
    EXPECT_EQ(Unit_Hit_Points(u), 4) << "the overland count sees neither";

    int16_t creature = Add_Unit(CREATURE_TYPE, 0, 2);
    Battle_Unit_Record summoned = Load(creature);
    EXPECT_EQ(Battle_Unit_Hit_Points(&summoned), 4) << "Crusade lifts no creature";
}

TEST_F(BattleUnit, HeroSkills)
{
    _unit_type_table[HERO_TYPE].Ranged = 4;
    _unit_type_table[HERO_TYPE].Ranged_Type = 30;
    _unit_type_table[HERO_TYPE].Upkeep = 3;
    // Level 2: L + 1 = 3, super (3L + 3) / 2 = 4; Blademaster (L + 1) / 2 = 1, super (3L + 3) / 4 = 2.
    Battle_Unit_Record plain = Load(Add_Hero(0, 2));
    Battle_Unit_Record bu = Load(Add_Hero(0, 2, hab_Might | hab_Agility_Super | hab_Blademaster | hab_Arcane_Power, 2));
    EXPECT_EQ(bu.Melee - plain.Melee, 3);
    EXPECT_EQ(bu.Defense - plain.Defense, 4);
    EXPECT_EQ(bu.To_Hit - plain.To_Hit, 1);
    EXPECT_EQ(bu.Ranged - plain.Ranged, 3);
    EXPECT_EQ(bu.Shown_Melee_Bonus, 0) << "hero skills are not shown";
    EXPECT_EQ(bu.Caster_Mana, (2 + 1) * (2 + 1) * 5 / 2);
    EXPECT_EQ(bu.Mana_Left, bu.Caster_Mana);
    EXPECT_EQ(bu.Upkeep, 3);

    bu = Load(Add_Hero(0, 2, hab_Blademaster_Super | hab_Might_Super | hab_Lucky | hab_Noble));
    EXPECT_EQ(bu.To_Hit - plain.To_Hit, 2 + 1);
    EXPECT_EQ(bu.Melee - plain.Melee, 4);
    EXPECT_EQ(bu.To_Defend_Bonus, 1);
    EXPECT_EQ(bu.Shown_Resist_Bonus, 1);
    EXPECT_EQ(bu.Upkeep, 0) << "a noble hero is paid nothing";

    _unit_type_table[HERO_TYPE].Ranged_Type = 20;
    bu = Load(Add_Hero(0, 2, hab_Arcane_Power));
    EXPECT_EQ(bu.Ranged, 4 + 2) << "Arcane Power only for magic ranged attacks; levels 1 and 2 add 2";

    _players[1].retorts[rtr_Famous] = 1;
    EXPECT_EQ(Load(Add_Hero(1, 0)).Upkeep, 0) << "a famous wizard's heroes are paid nothing";
}

TEST_F(BattleUnit, HeroItems)
{
    _unit_type_table[HERO_TYPE].Ranged = 3;
    _unit_type_table[HERO_TYPE].Ranged_Type = 20;
    _unit_type_table[HERO_TYPE].Attribs_1 = UI_CASTER_20;
    int16_t u = Add_Hero(0, 0);
    Add_Item(10, it_Sword, ip_Flaming | ip_Lightning | ip_Flight, 2, 1);
    _ITEMS[10].charges = 0x0103;
    Add_Item(11, it_Shield, ip_Holy_Avenger);
    _ITEMS[11].defense = 2;
    _ITEMS[11].resistance = 1;
    _ITEMS[11].spell_skill = 5;
    Add_Item(12, it_Bow, ip_Giant_Strength, 1, 2);
    _players[0].Heroes[0].Items[0] = 10;
    _players[0].Heroes[0].Items[1] = 11;
    _players[0].Heroes[0].Items[2] = 12;

    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Melee, 5 + 2 + 3);
    EXPECT_EQ(bu.Shown_Melee_Bonus, 5);
    EXPECT_EQ(bu.Melee_To_Hit_Bonus, 1);
    EXPECT_EQ(+bu.Item_Melee_Attack_Flags, UAF_ARMOR_PIERCING);
    EXPECT_EQ(bu.Ranged, 3 + 1) << "a bow with a bow attack; Giant Strength only for thrown axes";
    EXPECT_EQ(bu.Ranged_To_Hit_Bonus, 2);
    EXPECT_EQ(bu.Defense, 4 + 2);
    EXPECT_EQ(bu.Resist, 6 + 1);
    EXPECT_TRUE(bu.Abilities & UA_LARGESHIELD);
    EXPECT_EQ(bu.Caster_Mana, 0) << "the hero record's casting skill 0 leaves no mana for the item to raise";
    EXPECT_EQ(+bu.Item_Enchantments, (uint32_t)(UE_FLIGHT | UE_BLESS));
    EXPECT_EQ(+bu.Item_Ranged_Attack_Flags, 0);
    EXPECT_TRUE(bu.Move_Flags & MV_FLYING);
    EXPECT_EQ(bu.Move_Halves, 6) << "flying items lift the moves to 6";
    EXPECT_EQ(bu.Item_Charges, 3) << "charges of the first place's item, low byte";

    _HEROES2[0][HERO_TYPE].Casting_Skill = 1;
    bu = Load(u);
    EXPECT_EQ(bu.Caster_Mana, (1 + 1) * 1 * 5 / 2 + 5);
}

TEST_F(BattleUnit, ItemIndicesOutsideTheTableAreNoItem)
{
    Add_Item(NUM_ITEMS - 1, it_Sword, 0, 3);
    for (int16_t index : {(int16_t)-5, (int16_t)NUM_ITEMS, (int16_t)500, (int16_t)(NUM_ITEMS - 1)}) {
        int16_t u = Add_Hero(0, 0);
        _players[0].Heroes[0].Items[0] = index;
        Battle_Unit_Record bu = Load(u);
        EXPECT_EQ(bu.Melee, index == NUM_ITEMS - 1 ? 8 : 5) << index;
        EXPECT_EQ(Battle_Unit_Hero_Item(u, 0), index == NUM_ITEMS - 1 ? index : -1);
    }
}

TEST_F(BattleUnit, ItemPowerMappers)
{
    struct Row {
        uint32_t power;
        uint32_t enchantment;
        uint16_t flag;
    } rows[] = {
        {ip_Guardian_Wind, UE_GUARDIANWIND, 0},
        {ip_Righteousness, UE_RIGHTEOUSNESS, 0},
        {ip_Holy_Avenger, UE_BLESS, UAF_DISPEL_EVIL},
        {ip_Invulnerability, UE_INVULNERABILITY, 0},
        {ip_Vampiric, 0, UAF_LIFE_STEAL},
        {ip_Lightning, 0, UAF_ARMOR_PIERCING},
        {ip_Destruction, 0, UAF_DESTRUCTION},
        {ip_Doom, 0, UAF_AUTOMATIC_DAMAGE},
        {ip_Death, 0, UAF_DEATH_TOUCH},
        {ip_Power_Drain, 0, UAF_POWER_DRAIN},
        {ip_Phantasmal, 0, UAF_ILLUSION},
        {ip_Stoning, 0, UAF_STONING_TOUCH},
        {ip_Flaming, 0, 0},
        {ip_Haste, 0, 0},
        {ip_Giant_Strength, 0, 0},
        {ip_Merging, 0, 0},
    };
    for (const Row &row : rows) {
        Add_Item(5, it_Misc, row.power);
        Battle_Unit_Record bu = {};
        Item_Powers_To_Unit_Enchantments(5, &bu);
        uint16_t flags = 0;
        Item_Powers_To_Attack_Attributes(&flags, 5);
        EXPECT_EQ(+bu.Item_Enchantments, row.enchantment) << std::hex << row.power;
        EXPECT_EQ(flags, row.flag) << std::hex << row.power;
    }
}

TEST_F(BattleUnit, UnitWithoutOwnerTakesNoPlayersBonuses)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        _players[p].Globals[ge_Holy_Arms] = 1;
        _players[p].Globals[ge_Charm_of_Life] = 1;
        _players[p].retorts[rtr_Famous] = 1;
    }
    _unit_type_table[HERO_TYPE].Upkeep = 2;
    int16_t u = Add_Hero(-1, 2);
    _UNITS[u].Hero_Slot = 0;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.owner_idx, -1);
    EXPECT_EQ(bu.Melee, 5 + 2);
    EXPECT_EQ(bu.Melee_To_Hit_Bonus, 0) << "no Holy Arms";
    EXPECT_EQ(+bu.Combat_Enchantments, 0u);
    EXPECT_EQ(bu.Hits, 5 + 2) << "no Charm of Life, no Constitution";
    EXPECT_EQ(+bu.Item_Enchantments, 0u);

    int16_t owned = Add_Unit(FOOT_TYPE, 0);
    bu = Load(owned);
    EXPECT_TRUE(bu.Combat_Enchantments & UE_HOLYWEAPON);
    EXPECT_EQ(bu.Melee_To_Hit_Bonus, 1);
    EXPECT_EQ(bu.Weapon_Quality, wq_Magic);
    EXPECT_EQ(bu.Hits, 2);
}

TEST_F(BattleUnit, EnchantmentAndMutationEffects)
{
    Plain_Type(FOOT_TYPE, 4, 3, 20, 3, 5, 2);
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].enchantments = UE_BLACKCHANNELS | UE_IRONSKIN | UE_STONESKIN | UE_FLAMEBLADE | UE_ELDRITCHWEAPON |
                             UE_LIONHEART | UE_HOLYARMOR | UE_WRAITHFORM;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Melee, 4 + 2 + 2 + 3);
    EXPECT_EQ(bu.Ranged, 3 + 1 + 2 + 3);
    EXPECT_EQ(bu.Defense, 3 + 1 + 5 + 2) << "Iron Skin wins over Stone Skin";
    EXPECT_EQ(bu.Resist, 5 + 1 + 3);
    EXPECT_EQ(bu.Shown_Defense_Bonus, 8);
    EXPECT_EQ(bu.race, rt_Death);
    EXPECT_EQ(+bu.Attribs_1,
              UI_ILLUSIONS_IMMUNITY | UI_COLD_IMMUNITY | UI_POISON_IMMUNITY | UI_DEATH_IMMUNITY | UI_WEAPON_IMMUNITY);
    EXPECT_TRUE(bu.Abilities & UA_NONCORPOREAL);
    EXPECT_TRUE(bu.Abilities & UA_FANTASTIC);
    EXPECT_EQ(+bu.Item_Melee_Attack_Flags, UAF_ELDRITCH_WEAPON);
    EXPECT_EQ(+bu.Item_Ranged_Attack_Flags, UAF_ELDRITCH_WEAPON);
    EXPECT_EQ(bu.Hits, 2 + 1 + 3);

    int16_t mutant = Add_Unit(FOOT_TYPE, 0);
    _UNITS[mutant].mutations = UM_CHAOS_CHANNELS_DEMON_SKIN | UM_CHAOS_CHANNELS_FIERY_BREATH;
    bu = Load(mutant);
    EXPECT_EQ(bu.Defense, 3 + 3);
    EXPECT_EQ(bu.Ranged, 2);
    EXPECT_EQ(bu.Ranged_Type, rk_Fire_Breath);
    EXPECT_EQ(bu.race, rt_Chaos);
    EXPECT_EQ(bu.Weapon_Quality, wq_None) << "the creature race comes after the magic-weapon test";
}

TEST_F(BattleUnit, BattlefieldAppliesMutationsOnce)
{
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    _UNITS[u].mutations = UM_CHAOS_CHANNELS_DEMON_SKIN | UM_UNDEAD;
    Battle_Unit_Record bu = Load(u);
    ASSERT_EQ(bu.Defense, 4 + 3);
    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(bu.Defense, 4 + 3);
    EXPECT_EQ(bu.Shown_Defense_Bonus, 3);
}

TEST_F(BattleUnit, BattlefieldSideBonuses)
{
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    _battlefield_leadership[0] = 3;
    _battlefield_holybonus[1] = 2;
    _battlefield_resistall[1] = 4;
    Plain_Type(FOOT_TYPE, 5, 2, 10, 4, 5, 1);

    Battle_Unit_Record attacker = Load(Add_Unit(FOOT_TYPE, 0));
    Battle_Unit_Special_Stats(&attacker);
    EXPECT_EQ(attacker.Melee, 5 + 3);
    EXPECT_EQ(attacker.Ranged, 2 + 1);
    EXPECT_EQ(attacker.Defense, 4);

    Battle_Unit_Record defender = Load(Add_Unit(FOOT_TYPE, 1));
    Battle_Unit_Special_Stats(&defender);
    EXPECT_EQ(defender.Melee, 5 + 2);
    EXPECT_EQ(defender.Defense, 4 + 2);
    EXPECT_EQ(defender.Resist, 5 + 4);
    EXPECT_EQ(defender.Shown_Resist_Bonus, 4);

    // Leadership leads no creature; the node of its realm strengthens it.
    _battlefield_leadership[1] = 3;
    _battlefield_holybonus[1] = 0;
    _battlefield_resistall[1] = 0;
    _combat_node_type = 1;
    Battle_Unit_Record creature = Load(Add_Unit(CREATURE_TYPE, 1));
    Battle_Unit_Special_Stats(&creature);
    EXPECT_EQ(creature.Melee, 6 + 2);
    EXPECT_EQ(creature.Defense, 3 + 2);
    EXPECT_EQ(creature.Resist, 6 + 2);
    _combat_node_type = 0;
    creature = Load(Add_Unit(CREATURE_TYPE, 1));
    Battle_Unit_Special_Stats(&creature);
    EXPECT_EQ(creature.Melee, 6) << "a sorcery node does nothing for nature";
}

TEST_F(BattleUnit, BattleWideEnchantmentsBySide)
{
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    combat_enchantments[15] = 1;  // the defenders' stronger prayer
    combat_enchantments[12] = 1;  // the attackers' prayer
    combat_enchantments[6] = 1;   // the attackers weaken the defenders
    combat_enchantments[22] = 3;  // the attackers are invisible

    Battle_Unit_Record attacker = Load(Add_Unit(FOOT_TYPE, 0));
    Battle_Unit_Special_Stats(&attacker);
    EXPECT_EQ(attacker.To_Hit, 1);
    EXPECT_EQ(attacker.To_Defend_Bonus, 1);
    EXPECT_EQ(attacker.Resist, 5 + 1);
    EXPECT_EQ(attacker.Melee, 5);
    EXPECT_TRUE(attacker.Combat_Enchantments & UE_INVISIBILITY);

    Battle_Unit_Record defender = Load(Add_Unit(FOOT_TYPE, 1));
    Battle_Unit_Special_Stats(&defender);
    EXPECT_EQ(defender.To_Hit, 1);
    EXPECT_EQ(defender.Melee, 5 + 2 - 1);
    EXPECT_EQ(defender.Resist, 5 + 3 - 2);
    EXPECT_EQ(defender.Defense, 4 + 2 - 1);
    EXPECT_EQ(defender.Shown_Melee_Penalty, 1);
    EXPECT_EQ(defender.Shown_Resist_Penalty, 2);
    EXPECT_FALSE(defender.Combat_Enchantments & UE_INVISIBILITY);

    // Light favours Life creatures and weakens Death creatures.
    memset(combat_enchantments, 0, sizeof(combat_enchantments));
    combat_enchantments[1] = 2;
    _unit_type_table[CREATURE_TYPE].race = rt_Life;
    Battle_Unit_Record life = Load(Add_Unit(CREATURE_TYPE, 1));
    Battle_Unit_Special_Stats(&life);
    EXPECT_EQ(life.Melee, 7);
    EXPECT_EQ(life.Defense, 4);
    _unit_type_table[CREATURE_TYPE].race = rt_Death;
    Battle_Unit_Record death = Load(Add_Unit(CREATURE_TYPE, 0));
    Battle_Unit_Special_Stats(&death);
    EXPECT_EQ(death.Melee, 5);
    EXPECT_EQ(death.Shown_Defense_Penalty, 1);
}

TEST_F(BattleUnit, CursesAndBattleEnchantments)
{
    Plain_Type(FOOT_TYPE, 6, 4, 20, 5, 7, 1);
    _unit_type_table[FOOT_TYPE].Move_Flags = MV_FLYING;
    int16_t u = Add_Unit(FOOT_TYPE, 0);
    Battle_Unit_Record bu = Load(u);
    bu.Curses = BUC_WEAKNESS | BUC_WARP_CREATURE_DEFENSE | BUC_WARP_CREATURE_RESIST | BUC_WEB;
    bu.Combat_Enchantments = UE_STONESKIN;
    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(bu.Melee, 4);
    EXPECT_EQ(bu.Ranged, 2);
    EXPECT_EQ(bu.Shown_Melee_Penalty, 2);
    // Stone Skin from battle: 5 + 1 = 6, then Warp Creature takes (6 + 1) / 2.
    EXPECT_EQ(bu.Defense, 3);
    EXPECT_EQ(bu.Shown_Defense_Penalty, 3);
    EXPECT_EQ(bu.Resist, 0);
    EXPECT_EQ(bu.Shown_Resist_Penalty, 7);
    EXPECT_EQ(bu.Move_Flags & MV_FLYING, 0) << "webbed flyers cannot fly";

    bu = Load(u);
    bu.Curses = BUC_MIND_STORM;
    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(bu.Melee, 1);
    EXPECT_EQ(bu.Shown_Melee_Penalty, 5);
    EXPECT_EQ(bu.Ranged, 0) << "no value stays below 0";
    EXPECT_EQ(bu.Defense, 0);
    EXPECT_EQ(bu.Resist, 2);

    bu = Load(u);
    bu.Curses = BUC_SHATTER | BUC_WEAKNESS | BUC_MIND_TWIST;
    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(bu.Melee, 1);
    EXPECT_EQ(bu.Shown_Melee_Penalty, 0) << "Shatter replaces the shown penalties";
    EXPECT_EQ(bu.Ranged, 1);
    EXPECT_EQ(bu.To_Hit, -1);
    EXPECT_EQ(bu.Shown_Resist_Penalty, 1);

    Add_Item(20, it_Misc, ip_Haste);
    int16_t hero = Add_Hero(0, 0);
    _players[0].Heroes[0].Items[2] = 20;
    bu = Load(hero);
    Battle_Unit_Special_Stats(&bu);
    EXPECT_TRUE(bu.Curses & BUC_HASTE);
}

TEST_F(BattleUnit, NeutralBattlefieldChangesNothing)
{
    int16_t u = Add_Unit(FOOT_TYPE, 0, 3);
    Battle_Unit_Record loaded = Load(u);
    Battle_Unit_Record bu = loaded;
    Battle_Unit_Special_Stats(&bu);
    EXPECT_EQ(memcmp(&bu, &loaded, sizeof(bu)), 0);
}

TEST_F(BattleUnit, ChaosSurgeOfAnyPlayerStrengthensChaosCreatures)
{
    _unit_type_table[CREATURE_TYPE].race = rt_Chaos;
    int16_t u = Add_Unit(CREATURE_TYPE, 0);
    _players[3].Globals[ge_Chaos_Surge] = 4;
    EXPECT_EQ(Load(u).Melee, 6) << "player 3 is not in a game of two";
    _players[1].Globals[ge_Chaos_Surge] = 2;
    Battle_Unit_Record bu = Load(u);
    EXPECT_EQ(bu.Melee, 6 + 2);
    EXPECT_EQ(bu.Ranged, 0);
    EXPECT_EQ(bu.Shown_Melee_Bonus, 2);
    EXPECT_EQ(bu.Weapon_Quality, wq_Magic) << "creatures strike as magic weapons";
}
