// Which ways a stack may move, and the single-unit ability tests.
#include <gtest/gtest.h>

#include <vector>

#include "Paths_Fixture.h"
#include "world/Movement_Modes.h"
#include "world/Unit_Stacks.h"

namespace {

// Unit types made for these tests out of the built-in table's slots (restored by the fixture).
enum : uint8_t { T_FOOT = 100, T_SHIP, T_FLYING_SHIP, T_FLYER, T_SWIMMER, T_GHOST, T_WINDWALKER, T_HERO = 3 };

void Make_Type(uint8_t type, uint16_t move_flags, uint8_t transport, uint16_t abilities)
{
    _unit_type_table[type].Move_Flags = move_flags;
    _unit_type_table[type].Transport = transport;
    _unit_type_table[type].Abilities = abilities;
}

class MovementModes : public Paths_Test {
protected:
    void SetUp() override
    {
        Paths_Test::SetUp();
        Make_Type(T_FOOT, MV_FOOT, 0, 0);
        Make_Type(T_SHIP, MV_SAILING, 3, 0);
        Make_Type(T_FLYING_SHIP, MV_FLYING, 4, 0);
        Make_Type(T_FLYER, MV_FLYING, 0, 0);
        Make_Type(T_SWIMMER, MV_SWIMMING, 0, 0);
        Make_Type(T_GHOST, MV_FOOT, 0, UA_NONCORPOREAL);
        Make_Type(T_WINDWALKER, MV_FOOT, 0, UA_WINDWALKING);
        Make_Type(T_HERO, MV_FOOT, 0, 0);
    }
    int16_t Unit(uint8_t type, uint32_t enchantments = 0)
    {
        Unit_Record &u = _UNITS[_units];
        u = Unit_Record{};
        u.type = type;
        u.owner_idx = 1;
        u.Hero_Slot = -1;
        u.enchantments = enchantments;
        return _units++;
    }
    // A hero of player 1 in hero slot 0, holding one item with the given powers.
    int16_t Hero_With_Item(uint32_t powers)
    {
        int16_t unit = Unit(T_HERO);
        _UNITS[unit].Hero_Slot = 0;
        _players[1].Heroes[0].unit_idx = unit;
        _players[1].Heroes[0].Items[1] = 7;
        _ITEMS[7].Powers = powers;
        return unit;
    }
    std::vector<int> Modes(std::vector<int16_t> units)
    {
        int16_t modes[6];
        Army_Movement_Modes(modes, units.data(), (int16_t)units.size());
        return std::vector<int>(modes, modes + 6);
    }
};

}  // namespace

TEST_F(MovementModes, StackModes)
{
    struct Case {
        const char *name;
        std::vector<uint8_t> types;
        std::vector<uint32_t> enchantments;
        std::vector<int> modes;  // walking, forester, mountaineer, swimming, sailing, flying
    } cases[] = {
        {"foot soldiers: walking is never set", {T_FOOT, T_FOOT}, {}, {0, 0, 0, 0, 0, 0}},
        {"a ship carries foot soldiers", {T_SHIP, T_FOOT, T_FOOT}, {}, {0, 0, 0, 0, 1, 0}},
        {"a flying transport carries foot soldiers", {T_FLYING_SHIP, T_FOOT}, {}, {0, 0, 0, 0, 0, 1}},
        {"a flyer and a swimmer swim together", {T_FLYER, T_SWIMMER}, {}, {0, 0, 0, 1, 0, 0}},
        {"all flying: flying, not swimming", {T_FLYER, T_FLYER}, {}, {0, 0, 0, 0, 0, 1}},
        {"all swimming", {T_SWIMMER, T_SWIMMER}, {}, {0, 0, 0, 1, 0, 0}},
        {"a flyer does not lift a foot soldier", {T_FLYER, T_FOOT}, {}, {0, 0, 0, 0, 0, 0}},
        {"all non corporeal", {T_GHOST, T_GHOST}, {}, {0, 1, 1, 1, 0, 0}},
        {"wraith form counts as non corporeal", {T_FOOT, T_GHOST}, {UE_WRAITHFORM, 0}, {0, 1, 1, 1, 0, 0}},
        {"path finding opens forest and hills", {T_FOOT, T_FOOT}, {UE_PATHFINDING, 0}, {0, 1, 1, 0, 0, 0}},
        {"a wind walker lifts the stack", {T_WINDWALKER, T_FOOT, T_FOOT}, {}, {0, 0, 0, 0, 0, 1}},
        {"water walking for all", {T_FOOT, T_FOOT}, {UE_WATERWALKING, UE_WATERWALKING}, {0, 0, 0, 1, 0, 0}},
        {"flight enchantment on each", {T_FOOT, T_FOOT}, {UE_FLIGHT, UE_FLIGHT}, {0, 0, 0, 0, 0, 1}},
    };
    for (const Case &c : cases) {
        _units = 0;
        std::vector<int16_t> units;
        for (size_t i = 0; i < c.types.size(); i++) {
            units.push_back(Unit(c.types[i], i < c.enchantments.size() ? c.enchantments[i] : 0));
        }
        EXPECT_EQ(Modes(units), c.modes) << c.name;
    }
}

TEST_F(MovementModes, DemonWingsAndHeroItems)
{
    int16_t winged = Unit(T_FOOT);
    _UNITS[winged].mutations = UM_CHAOS_CHANNELS_DEMON_WINGS;
    EXPECT_EQ(Modes({winged}), (std::vector<int>{0, 0, 0, 0, 0, 1}));
    int16_t hero = Hero_With_Item(UE_FLIGHT);
    EXPECT_EQ(Modes({hero}), (std::vector<int>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Modes({hero, winged}), (std::vector<int>{0, 0, 0, 0, 0, 1}));
    // An item index outside the table counts as no item.
    _players[1].Heroes[0].Items[1] = 400;
    EXPECT_EQ(Modes({hero}), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    // A hero without an owner reads no player's record.
    _players[1].Heroes[0].Items[1] = 7;
    _UNITS[hero].owner_idx = -1;
    EXPECT_EQ(Modes({hero}), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

TEST_F(MovementModes, ActiveStack)
{
    int16_t ship = Unit(T_SHIP);
    int16_t foot = Unit(T_FOOT);
    int16_t flyer = Unit(T_FLYER);
    _unit_stack[0] = {ship, 0};
    _unit_stack[1] = {foot, 0};
    _unit_stack[2] = {flyer, 0};
    _unit_stack_count = 3;
    int16_t modes[6];
    Active_Stack_Movement_Modes(modes);
    EXPECT_EQ(modes[mm_Sailing], 1);
    EXPECT_EQ(modes[mm_Flying], 0);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(_unit_stack[i].active, 0);
    }
    // Only the selected flyer: it flies; the selection is kept.
    _unit_stack[2].active = 1;
    Active_Stack_Movement_Modes(modes);
    EXPECT_EQ(modes[mm_Sailing], 0);
    EXPECT_EQ(modes[mm_Flying], 1);
    EXPECT_EQ(_unit_stack[0].active, 0);
    EXPECT_EQ(_unit_stack[2].active, 1);
}

TEST_F(MovementModes, SingleUnitTests)
{
    using Test_Fn = int16_t (*)(int16_t);
    struct Case {
        const char *name;
        Test_Fn fn;
        int16_t unit;
        int16_t expected;
    };
    int16_t foot = Unit(T_FOOT);
    int16_t flyer = Unit(T_FLYER);
    int16_t ship = Unit(T_SHIP);
    int16_t swimmer = Unit(T_SWIMMER);
    int16_t ghost = Unit(T_GHOST);
    int16_t windwalker = Unit(T_WINDWALKER);
    int16_t winged = Unit(T_FOOT);
    _UNITS[winged].mutations = UM_CHAOS_CHANNELS_DEMON_WINGS;
    int16_t enchanted = Unit(T_FOOT, UE_WINDWALKING | UE_WATERWALKING | UE_ENDURANCE | UE_INVISIBILITY | UE_WRAITHFORM);
    int16_t invisible_type = Unit(T_FOOT);
    _unit_type_table[_UNITS[invisible_type].type].Abilities = 0;
    int16_t hero = Hero_With_Item(UE_WATERWALKING | UE_FLIGHT | UE_PLANARTRAVEL | UE_INVISIBILITY | UE_WRAITHFORM);
    // The same powers on a unit that is not a hero give nothing.
    int16_t plain_hero_type = Unit(T_HERO);
    const Case cases[] = {
        {"air: foot", Unit_Has_AirTravel, foot, 0},
        {"air: flyer", Unit_Has_AirTravel, flyer, 1},
        {"air: demon wings", Unit_Has_AirTravel, winged, 1},
        {"air: wind walking", Unit_Has_AirTravel, enchanted, 1},
        {"wind walking: ability", Unit_Has_WindWalking, windwalker, 1},
        {"wind walking: enchantment", Unit_Has_WindWalking, enchanted, 1},
        {"wind walking: flyer", Unit_Has_WindWalking, flyer, 0},
        {"water: ship", Unit_Has_WaterTravel, ship, 1},
        {"water: swimmer", Unit_Has_WaterTravel, swimmer, 1},
        {"water: water walking", Unit_Has_WaterTravel, enchanted, 1},
        {"water: foot", Unit_Has_WaterTravel, foot, 0},
        {"sailing: ship", Unit_Has_Sailing, ship, 1},
        {"sailing: swimmer", Unit_Has_Sailing, swimmer, 0},
        {"swimming: swimmer", Unit_Has_Swimming, swimmer, 1},
        {"swimming: water walking", Unit_Has_Swimming, enchanted, 1},
        {"swimming: ship", Unit_Has_Swimming, ship, 0},
        {"endurance", Unit_Has_Endurance, enchanted, 1},
        {"endurance: none", Unit_Has_Endurance, foot, 0},
        {"invisibility: enchantment", Unit_Has_Invisibility, enchanted, 1},
        {"invisibility: item", Unit_Has_Invisibility, hero, 1},
        {"invisibility: none", Unit_Has_Invisibility, invisible_type, 0},
        {"non corporeal: type", Unit_Has_NonCorporeal, ghost, 1},
        {"non corporeal: wraith form", Unit_Has_NonCorporeal, enchanted, 1},
        {"non corporeal: item", Unit_Has_NonCorporeal, hero, 1},
        {"non corporeal: foot", Unit_Has_NonCorporeal, foot, 0},
        {"water item", Unit_Has_WaterTravel_Item, hero, 1},
        {"water item: not a hero", Unit_Has_WaterTravel_Item, plain_hero_type, 0},
        {"air item", Unit_Has_AirTravel_Item, hero, 1},
        {"air item: enchantment is no item", Unit_Has_AirTravel_Item, enchanted, 0},
        {"planar item", Unit_Has_PlanarTravel_Item, hero, 1},
        {"planar item: none", Unit_Has_PlanarTravel_Item, foot, 0},
        {"wind walking item: never", Unit_Has_WindWalkingItem, hero, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.fn(c.unit) ? 1 : 0, c.expected) << c.name;
    }
    // An item's power 0x200000 composes as Bless.
    _ITEMS[7].Powers = 0x200000;
    EXPECT_EQ(Unit_Item_Enchantments(hero), UE_BLESS);
}
