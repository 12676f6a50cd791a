#include "world/Movement_Modes.h"

#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

const uint16_t movement_modes_array[NUM_MOVEMENT_MODES] = {
    MV_FOOT, MV_FORESTER, MV_MOUNTAINEER, MV_SWIMMING, MV_SAILING, MV_FLYING,
};

namespace {

// Item powers that carry over to the unit enchantment of the same bit; Holy Avenger gives Bless.
constexpr uint32_t ITEM_POWERS_AS_ENCHANTMENTS =
    ip_Guardian_Wind | ip_Cloak_of_Fear | ip_Wraithform | ip_Regeneration | ip_Pathfinding | ip_Water_Walking |
    ip_Resist_Elements | ip_Elemental_Armor | ip_Endurance | ip_Invisibility | ip_Flight | ip_Resist_Magic |
    ip_Magic_Immunity | ip_True_Sight | ip_Bless | ip_Lion_Heart | ip_Planar_Travel | ip_Righteousness |
    ip_Invulnerability;
static_assert(ITEM_POWERS_AS_ENCHANTMENTS == 0xD64EA7EAu);

const Unit_Type_Record &Type_Of(int16_t unit_idx) { return _unit_type_table[_UNITS[unit_idx].type]; }

bool Is_Hero(int16_t unit_idx) { return _UNITS[unit_idx].Hero_Slot >= 0; }

}  // namespace

uint32_t Unit_Item_Enchantments(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Hero_Slot < 0 || unit.Hero_Slot >= NUM_HERO_SLOTS || unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) {
        return 0;
    }
    uint32_t enchantments = 0;
    const Hero_Slot_Record &slot = _players[unit.owner_idx].Heroes[unit.Hero_Slot];
    for (int i = 0; i < NUM_ITEM_PLACES; i++) {
        const int16_t item = slot.Items[i];
        if (item < 0 || item >= NUM_ITEMS) {
            continue;
        }
        const uint32_t powers = _ITEMS[item].Powers;
        enchantments |= powers & ITEM_POWERS_AS_ENCHANTMENTS;
        if (powers & ip_Holy_Avenger) {
            enchantments |= UE_BLESS;
        }
    }
    return enchantments;
}

void Army_Movement_Modes(int16_t *modes, const int16_t *units, int16_t n)
{
    for (int j = 0; j < NUM_MOVEMENT_MODES; j++) {
        modes[j] = 0;
    }
    if (n <= 0) {
        return;
    }
    uint32_t item_enchantments[MAX_STACK * 2];
    const int count = n < MAX_STACK * 2 ? n : MAX_STACK * 2;
    for (int i = 0; i < count; i++) {
        item_enchantments[i] = Is_Hero(units[i]) ? Unit_Item_Enchantments(units[i]) : 0;
    }

    int flyers = 0;
    int swimmers = 0;
    for (int j = 0; j < NUM_MOVEMENT_MODES; j++) {
        const uint16_t k = movement_modes_array[j];
        int c = 0;
        for (int i = 0; i < count; i++) {
            const Unit_Record &unit = _UNITS[units[i]];
            const Unit_Type_Record &type = Type_Of(units[i]);
            const uint32_t own = unit.enchantments;
            const uint32_t any = own | item_enchantments[i];
            const bool non_corporeal = (type.Abilities & UA_NONCORPOREAL) != 0;
            const bool wraith = (any & UE_WRAITHFORM) != 0;
            const uint16_t flags = type.Move_Flags & k;

            // One forester, mountaineer, ship or flying transport gives the whole stack its mode.
            if (flags == MV_FORESTER || flags == MV_MOUNTAINEER || flags == MV_SAILING ||
                (flags == MV_FLYING && type.Transport > 0)) {
                modes[j] = 1;
            }
            if ((k == MV_FORESTER || k == MV_MOUNTAINEER) && (any & UE_PATHFINDING)) {
                modes[j] = 1;
            }
            if (k == MV_FLYING) {
                if ((own & UE_WINDWALKING) || (type.Abilities & UA_WINDWALKING)) {
                    modes[j] = 1;
                }
                if ((own & (UE_WINDWALKING | UE_FLIGHT)) && type.Transport > 0) {
                    modes[j] = 1;
                }
            }
            if (flags == k) {
                c++;
                if (k == MV_SWIMMING) {
                    swimmers++;
                }
                if (k == MV_FLYING) {
                    flyers++;
                }
                if (non_corporeal || wraith) {
                    c--;
                }
                if ((k == MV_FLYING && non_corporeal) || wraith) {
                    swimmers--;
                }
            }
            if (k == MV_SWIMMING) {
                if (any & UE_WATERWALKING) {
                    c++;
                    swimmers++;
                }
                if (non_corporeal || wraith) {
                    c++;
                    swimmers++;
                }
            }
            if (k == MV_FLYING &&
                ((any & (UE_WINDWALKING | UE_FLIGHT)) || (unit.mutations & UM_CHAOS_CHANNELS_DEMON_WINGS))) {
                c++;
                flyers++;
                if ((any & UE_WATERWALKING) || non_corporeal || wraith) {
                    swimmers--;
                }
            }
        }
        if (c >= n) {
            modes[j] = 1;
        }
    }

    // Flyers and swimmers together cross water when they are the whole stack.
    if (flyers + swimmers >= n) {
        modes[mm_Swimming] = 1;
        if (flyers <= 0 || swimmers <= 0) {
            modes[mm_Swimming] = 1;
            modes[mm_Flying] = 1;
            if (flyers == 0) {
                modes[mm_Flying] = 0;
            }
            if (swimmers == 0) {
                modes[mm_Swimming] = 0;
            }
        }
    }
    modes[mm_Walking] = 0;
    bool all_non_corporeal = true;
    for (int i = 0; i < count; i++) {
        if (!(Type_Of(units[i]).Abilities & UA_NONCORPOREAL) && !(_UNITS[units[i]].enchantments & UE_WRAITHFORM)) {
            all_non_corporeal = false;
        }
    }
    if (all_non_corporeal) {
        modes[mm_Forester] = 1;
        modes[mm_Mountaineer] = 1;
    }
}

void Active_Stack_Movement_Modes(int16_t *modes)
{
    const int count = _unit_stack_count < 0 ? 0 : _unit_stack_count > MAX_STACK ? MAX_STACK : _unit_stack_count;
    bool any_active = false;
    for (int i = 0; i < count; i++) {
        if (_unit_stack[i].active == 1) {
            any_active = true;
        }
    }
    bool made_active[MAX_STACK] = {};
    if (!any_active) {
        for (int i = 0; i < count; i++) {
            _unit_stack[i].active = 1;
            made_active[i] = true;
        }
    }
    int16_t units[MAX_STACK] = {};
    int16_t n = 0;
    for (int i = 0; i < count; i++) {
        if (_unit_stack[i].active == 1) {
            units[n++] = _unit_stack[i].unit_idx;
        }
    }
    Army_Movement_Modes(modes, units, n);
    for (int i = 0; i < count; i++) {
        if (made_active[i]) {
            _unit_stack[i].active = 0;
        }
    }
}

int16_t Unit_Has_AirTravel(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    return (unit.enchantments & (UE_WINDWALKING | UE_FLIGHT)) || (Type_Of(unit_idx).Move_Flags & MV_FLYING) ||
           (unit.mutations & UM_CHAOS_CHANNELS_DEMON_WINGS);
}

int16_t Unit_Has_WindWalking(int16_t unit_idx)
{
    return (_UNITS[unit_idx].enchantments & UE_WINDWALKING) || (Type_Of(unit_idx).Abilities & UA_WINDWALKING);
}

int16_t Unit_Has_WaterTravel(int16_t unit_idx)
{
    return (_UNITS[unit_idx].enchantments & UE_WATERWALKING) ||
           (Type_Of(unit_idx).Move_Flags & (MV_SWIMMING | MV_SAILING));
}

int16_t Unit_Has_Sailing(int16_t unit_idx) { return (Type_Of(unit_idx).Move_Flags & MV_SAILING) != 0; }

int16_t Unit_Has_Swimming(int16_t unit_idx)
{
    return (Type_Of(unit_idx).Move_Flags & MV_SWIMMING) || (_UNITS[unit_idx].enchantments & UE_WATERWALKING);
}

int16_t Unit_Has_Endurance(int16_t unit_idx) { return (_UNITS[unit_idx].enchantments & UE_ENDURANCE) != 0; }

int16_t Unit_Has_Invisibility(int16_t unit_idx)
{
    return (Unit_Item_Enchantments(unit_idx) & UE_INVISIBILITY) || (_UNITS[unit_idx].enchantments & UE_INVISIBILITY) ||
           (Type_Of(unit_idx).Abilities & UA_INVISIBILITY);
}

int16_t Unit_Has_NonCorporeal(int16_t unit_idx)
{
    return (Type_Of(unit_idx).Abilities & UA_NONCORPOREAL) || (_UNITS[unit_idx].enchantments & UE_WRAITHFORM) ||
           (Unit_Item_Enchantments(unit_idx) & UE_WRAITHFORM);
}

int16_t Unit_Has_WaterTravel_Item(int16_t unit_idx)
{
    return Is_Hero(unit_idx) && (Unit_Item_Enchantments(unit_idx) & UE_WATERWALKING);
}

int16_t Unit_Has_AirTravel_Item(int16_t unit_idx)
{
    return Is_Hero(unit_idx) && (Unit_Item_Enchantments(unit_idx) & (UE_WINDWALKING | UE_FLIGHT));
}

int16_t Unit_Has_PlanarTravel_Item(int16_t unit_idx)
{
    return Is_Hero(unit_idx) && (Unit_Item_Enchantments(unit_idx) & UE_PLANARTRAVEL);
}

int16_t Unit_Has_WindWalkingItem(int16_t unit_idx)
{
    (void)unit_idx;
    return 0;
}
