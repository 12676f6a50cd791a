#include "world/Battle_Unit.h"

#include <cstring>

#include "world/ALLOC.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int TOP_LEVEL = 8;
constexpr int HEROISM_LEVEL = 3;
constexpr int NORMAL_TOP_LEVEL = 5;
constexpr uint8_t CASTER_40_MANA = 40;
constexpr uint8_t CASTER_20_MANA = 20;
constexpr int FLIGHT_MOVES = 6;

bool Unit_Valid(int unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY; }
bool Owner_Valid(int owner_idx) { return owner_idx >= 0 && owner_idx < NUM_PLAYERS; }
bool Is_Hero(const Unit_Record &unit) { return unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS; }

const Unit_Type_Record &Type_Of(const Unit_Record &unit)
{
    return _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
}

// The hero's record, or null: a unit without an owner reads no player's records.
const Hero_Record *Hero_Record_Of(const Unit_Record &unit)
{
    if (!Owner_Valid(unit.owner_idx) || unit.type >= NUM_HERO_TYPES || _HEROES2[unit.owner_idx] == nullptr) {
        return nullptr;
    }
    return &_HEROES2[unit.owner_idx][unit.type];
}

int Clamp_Level(int level) { return level < 0 ? 0 : level > TOP_LEVEL ? TOP_LEVEL : level; }

// The stored level, lifted to 3 under Heroism.
int Level_With_Heroism(int level, uint32_t enchantments)
{
    level = Clamp_Level(level);
    if (level < HEROISM_LEVEL && (enchantments & UE_HEROISM)) {
        level = HEROISM_LEVEL;
    }
    return level;
}

bool Kind_In(uint8_t kind, int lo, int hi) { return kind >= lo && kind <= hi; }
bool Missile_Or_Thrown(uint8_t kind) { return Kind_In(kind, rk_Missile_First, rk_Bow_Last) || kind == rk_Thrown; }

// What reaching a level adds; an attack step is resistance +1 and +1 to melee and ranged where above 0.
struct Level_Gain {
    uint8_t to_hit;
    uint8_t resist;
    uint8_t defense;
    uint8_t attack_step;
};
constexpr Level_Gain m_normal_level_gains[NORMAL_TOP_LEVEL + 1] = {
    {0, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 1, 0}, {1, 0, 0, 1}, {1, 1, 1, 0}, {1, 0, 0, 1},
};
constexpr Level_Gain m_hero_level_gains[TOP_LEVEL + 1] = {
    {0, 0, 0, 0}, {0, 0, 1, 1}, {1, 0, 0, 1}, {0, 0, 1, 1}, {0, 0, 0, 1},
    {1, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 1}, {1, 0, 0, 1},
};

// Hits per figure added by the level itself.
constexpr int8_t m_level_hits[TOP_LEVEL + 1] = {0, 0, 0, 1, 1, 2, 3, 4, 5};

// A skill in its normal form adds L + 1, in its super form (3L + 3) / 2.
int Skill_Gain(uint32_t abilities, uint32_t normal, uint32_t super_form, int level)
{
    if (abilities & super_form) {
        return (3 * level + 3) / 2;
    }
    if (abilities & normal) {
        return level + 1;
    }
    return 0;
}

// Hits per figure: type, Black Channels, Lion Heart, hero skills and level, Charm of Life. The shown
// hits bonus, when given, gains what Black Channels and Lion Heart add.
int Hit_Points(const Unit_Record &unit, int owner_idx, int level, uint32_t enchantments, int8_t *shown_hits)
{
    int hits = Type_Of(unit).Hits;
    if (enchantments & UE_BLACKCHANNELS) {
        hits += 1;
        if (shown_hits != nullptr) Battle_Unit_Add(*shown_hits, 1);
    }
    if (enchantments & UE_LIONHEART) {
        hits += 3;
        if (shown_hits != nullptr) Battle_Unit_Add(*shown_hits, 3);
    }
    if (Is_Hero(unit)) {
        if (level > 0) hits += 1;
        const Hero_Record *hero = Hero_Record_Of(unit);
        if (hero != nullptr) {
            hits += Skill_Gain(hero->abilities, hab_Constitution, hab_Constitution_Super, level);
        }
        if (level > 3) hits += 1;
        if (level > 1) hits += 1;
    }
    hits += m_level_hits[level];
    if (Owner_Valid(owner_idx) && _players[owner_idx].Globals[ge_Charm_of_Life]) {
        int quarter = hits / 4;
        hits += quarter < 1 ? 1 : quarter;
    }
    return hits;
}

}  // namespace

int16_t Battle_Unit_Hero_Item(int16_t unit_idx, int place)
{
    if (!Unit_Valid(unit_idx) || place < 0 || place >= NUM_ITEM_PLACES) {
        return -1;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    if (!Is_Hero(unit) || !Owner_Valid(unit.owner_idx) || _ITEMS == nullptr) {
        return -1;
    }
    int16_t item_idx = _players[unit.owner_idx].Heroes[unit.Hero_Slot].Items[place];
    return (item_idx >= 0 && item_idx < NUM_ITEMS) ? item_idx : (int16_t)-1;
}

void Load_Battle_Unit(int16_t unit_idx, Battle_Unit_Record *bu)
{
    if (!Unit_Valid(unit_idx)) {
        memset(bu, 0, sizeof(*bu));
        bu->unit_idx = unit_idx;
        bu->owner_idx = -1;
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    memcpy(bu, &Type_Of(unit).Melee, BATTLE_UNIT_TYPE_BYTES);
    // Combat's own bookkeeping bytes are left as they are: combat loads a unit again in battle.
    bu->Curses = 0;
    bu->To_Hit = 0;
    bu->Melee_To_Hit_Bonus = bu->Ranged_To_Hit_Bonus = bu->To_Defend_Bonus = 0;
    bu->Weapon_Quality = wq_None;
    bu->Item_Melee_Attack_Flags = bu->Item_Ranged_Attack_Flags = 0;
    bu->Item_Enchantments = 0;
    bu->Extra_Hits = 0;
    bu->reserved_57 = 0;
    bu->Shown_Melee_Bonus = bu->Shown_Ranged_Bonus = bu->Shown_Defense_Bonus = 0;
    bu->Shown_Resist_Bonus = bu->Shown_Hits_Bonus = 0;
    bu->Shown_Melee_Penalty = bu->Shown_Ranged_Penalty = 0;
    bu->Shown_Defense_Penalty = bu->Shown_Resist_Penalty = 0;
    bu->Status = 0;
    bu->Drain_Damage = bu->Destroy_Damage = 0;
    bu->Combat_Enchantments = 0;
    bu->reserved_68 = 0;
    bu->Caster_Mana = 0;
    bu->Item_Charges = 0;
    bu->Kept_Spec_Att_Attr = 0;
    bu->Figure_Set = -1;
    bu->AI_Target = 0xFF;
    bu->unit_idx = unit_idx;
    bu->owner_idx = unit.owner_idx;

    int16_t upkeep = Unit_Gold_Upkeep(unit_idx);
    bu->Upkeep = (uint8_t)(upkeep < 0 ? 0 : upkeep > 255 ? 255 : upkeep);

    if (bu->Attack_Flags & UAF_POISON) {
        bu->Kept_Spec_Att_Attr = bu->Spec_Att_Attr;
        if (bu->Ranged_Type != rk_Doom_Gaze) {
            bu->Spec_Att_Attr = 0;
        }
    }

    Battle_Unit_Regular_Stats(bu);
    bu->Mana_Left = bu->Caster_Mana;

    // A type without hits counts one per figure here, so damage never divides by zero.
    int hits = bu->Hits > 0 ? bu->Hits : 1;
    bu->Damage = (uint8_t)unit.Damage;
    bu->Front_Figure_Damage = (uint8_t)(bu->Damage % hits);
    int alive = bu->Max_Figures - bu->Damage / hits;
    bu->Cur_Figures = (uint8_t)(alive < 0 ? 0 : alive);
    memset((uint8_t *)bu + BATTLE_UNIT_COMBAT_WORDS_OFFSET, 0, BATTLE_UNIT_COMBAT_WORDS_BYTES);

    int16_t item_idx = Battle_Unit_Hero_Item(unit_idx, 0);
    if (item_idx >= 0) {
        int8_t charges = (int8_t)(_ITEMS[item_idx].charges & 0xFF);
        if (charges >= 1) {
            bu->Item_Charges = charges;
        }
    }
}

void Battle_Unit_Regular_Stats(Battle_Unit_Record *bu)
{
    int16_t unit_idx = bu->unit_idx;
    if (!Unit_Valid(unit_idx)) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = Type_Of(unit);
    uint8_t mutations = unit.mutations;

    bu->To_Hit = type.To_Hit;
    bu->Defense = type.Defense;
    bu->Resist = type.Resist;
    bu->Melee = type.Melee;
    bu->Ranged = type.Ranged;
    bu->Melee_To_Hit_Bonus = 0;
    bu->Ranged_To_Hit_Bonus = 0;
    bu->To_Defend_Bonus = 0;
    bu->Shown_Melee_Bonus = bu->Shown_Ranged_Bonus = bu->Shown_Defense_Bonus = 0;
    bu->Shown_Resist_Bonus = bu->Shown_Hits_Bonus = 0;
    bu->Shown_Melee_Penalty = bu->Shown_Ranged_Penalty = 0;
    bu->Shown_Defense_Penalty = bu->Shown_Resist_Penalty = 0;

    if (bu->Attribs_1 & UI_CASTER_40) {
        bu->Caster_Mana = CASTER_40_MANA;
    }
    if (bu->Attribs_1 & UI_CASTER_20) {
        bu->Caster_Mana = CASTER_20_MANA;
    }

    Battle_Unit_Level_Stats(unit_idx, bu);

    if (bu->Attribs_1 & UI_LUCKY) {
        Battle_Unit_Add(bu->To_Hit, 1);
        Battle_Unit_Add(bu->To_Defend_Bonus, 1);
        Battle_Unit_Add(bu->Resist, 1);
        Battle_Unit_Add(bu->Shown_Resist_Bonus, 1);
    }

    if (Is_Hero(unit)) {
        if (bu->Weapon_Quality == wq_None) {
            bu->Weapon_Quality = wq_Magic;
        }
        Battle_Unit_Hero_Skill_Stats(unit_idx, bu);
        Battle_Unit_Item_Stats(unit_idx, bu);
    }

    uint32_t enchantments = bu->Item_Enchantments | unit.enchantments;

    int quality = mutations & UM_WEAPON_MASK;
    if (quality > 0) {
        int gain = quality - 1;
        if (bu->Melee > 0) {
            Battle_Unit_Add(bu->Melee, gain);
            Battle_Unit_Add(bu->Shown_Melee_Bonus, gain);
            Battle_Unit_Add(bu->Melee_To_Hit_Bonus, 1);
        }
        if (Missile_Or_Thrown(bu->Ranged_Type)) {
            Battle_Unit_Add(bu->Ranged, gain);
            Battle_Unit_Add(bu->Shown_Ranged_Bonus, gain);
            Battle_Unit_Add(bu->Ranged_To_Hit_Bonus, 1);
        }
        Battle_Unit_Add(bu->Defense, gain);
        Battle_Unit_Add(bu->Shown_Defense_Bonus, gain);
        bu->Weapon_Quality = (uint8_t)(quality + 1);
    }

    if (bu->race == rt_Chaos) {
        bool chaos_surge = false;
        for (int p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
            chaos_surge = chaos_surge || _players[p].Globals[ge_Chaos_Surge] != 0;
        }
        if (chaos_surge) {
            if (bu->Ranged > 0) {
                Battle_Unit_Add(bu->Ranged, 2);
                Battle_Unit_Add(bu->Shown_Ranged_Bonus, 2);
            }
            if (bu->Melee > 0) {
                Battle_Unit_Add(bu->Melee, 2);
                Battle_Unit_Add(bu->Shown_Melee_Bonus, 2);
            }
        }
    }

    bool holy_arms = Owner_Valid(unit.owner_idx) && (int8_t)_players[unit.owner_idx].Globals[ge_Holy_Arms] > 0 &&
                     !(bu->Abilities & UA_FANTASTIC) && !(mutations & UM_UNDEAD);
    if (holy_arms || (enchantments & UE_HOLYWEAPON)) {
        bu->Combat_Enchantments |= UE_HOLYWEAPON;
        Battle_Unit_Add(bu->Melee_To_Hit_Bonus, 1);
        if (Missile_Or_Thrown(bu->Ranged_Type)) {
            Battle_Unit_Add(bu->Ranged_To_Hit_Bonus, 1);
        }
        if (bu->Weapon_Quality == wq_None) {
            bu->Weapon_Quality = wq_Magic;
        }
    }

    if (bu->Weapon_Quality == wq_None && ((bu->Abilities & UA_FANTASTIC) || bu->race >= rt_Any)) {
        bu->Weapon_Quality = wq_Magic;
    }
    if (bu->Abilities & UA_NONCORPOREAL) {
        bu->Move_Flags |= MV_SWIMMING;
    }

    Apply_Enchantment_And_Mutation_Effects(bu, enchantments, mutations);

    int moves = Unit_Moves2(unit_idx);
    if (moves < 3 && (enchantments & UE_FLIGHT)) {
        moves = FLIGHT_MOVES;
    }
    bu->Move_Halves = (uint8_t)(moves < 0 ? 0 : moves > 255 ? 255 : moves);
    int16_t hits = Unit_Hit_Points(unit_idx);
    bu->Hits = (uint8_t)(hits < 0 ? 0 : hits > 255 ? 255 : hits);
}

void Battle_Unit_Level_Stats(int16_t unit_idx, Battle_Unit_Record *bu)
{
    if (!Unit_Valid(unit_idx)) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    int level = Level_With_Heroism(unit.Level, unit.enchantments | bu->Combat_Enchantments);
    bool hero = Is_Hero(unit);
    int top = hero ? TOP_LEVEL : NORMAL_TOP_LEVEL;
    for (int reached = 1; reached <= level && reached <= top; reached++) {
        const Level_Gain &gain = hero ? m_hero_level_gains[reached] : m_normal_level_gains[reached];
        Battle_Unit_Add(bu->To_Hit, gain.to_hit);
        Battle_Unit_Add(bu->Resist, gain.resist);
        Battle_Unit_Add(bu->Defense, gain.defense);
        if (gain.attack_step) {
            Battle_Unit_Add(bu->Resist, 1);
            if (bu->Melee > 0) Battle_Unit_Add(bu->Melee, 1);
            if (bu->Ranged > 0) Battle_Unit_Add(bu->Ranged, 1);
        }
    }
}

void Battle_Unit_Hero_Skill_Stats(int16_t unit_idx, Battle_Unit_Record *bu)
{
    if (!Unit_Valid(unit_idx)) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const Hero_Record *hero = Hero_Record_Of(unit);
    if (hero == nullptr) {
        return;
    }
    uint32_t abilities = hero->abilities;
    int level = Clamp_Level(unit.Level);

    if ((abilities & hab_Noble) || _players[unit.owner_idx].retorts[rtr_Famous]) {
        bu->Upkeep = 0;
    }
    Battle_Unit_Add(bu->Defense, Skill_Gain(abilities, hab_Agility, hab_Agility_Super, level));
    if (abilities & hab_Blademaster_Super) {
        Battle_Unit_Add(bu->To_Hit, (3 * level + 3) / 4);
    } else if (abilities & hab_Blademaster) {
        Battle_Unit_Add(bu->To_Hit, (level + 1) / 2);
    }
    Battle_Unit_Add(bu->Melee, Skill_Gain(abilities, hab_Might, hab_Might_Super, level));
    if (Kind_In(bu->Ranged_Type, rk_Magic_First, rk_Magic_Last)) {
        Battle_Unit_Add(bu->Ranged, Skill_Gain(abilities, hab_Arcane_Power, hab_Arcane_Power_Super, level));
    }
    if (hero->Casting_Skill >= 1) {
        int mana = (hero->Casting_Skill + 1) * (level + 1) * 5 / 2;
        bu->Caster_Mana = (uint8_t)(mana > 255 ? 255 : mana);
    } else {
        bu->Caster_Mana = 0;
    }
    if (abilities & hab_Lucky) {
        Battle_Unit_Add(bu->To_Hit, 1);
        Battle_Unit_Add(bu->To_Defend_Bonus, 1);
        Battle_Unit_Add(bu->Resist, 1);
        Battle_Unit_Add(bu->Shown_Resist_Bonus, 1);
    }
}

uint32_t Battle_Unit_Item_Stats(int16_t unit_idx, Battle_Unit_Record *bu)
{
    bu->Item_Enchantments = 0;
    bu->Item_Melee_Attack_Flags = 0;
    bu->Item_Ranged_Attack_Flags = 0;
    for (int place = 0; place < NUM_ITEM_PLACES; place++) {
        int16_t item_idx = Battle_Unit_Hero_Item(unit_idx, place);
        if (item_idx < 0) {
            continue;
        }
        const Item_Record &item = _ITEMS[item_idx];
        Item_Powers_To_Unit_Enchantments(item_idx, bu);
        if (item.type == it_Shield) {
            bu->Abilities |= UA_LARGESHIELD;
        }
        if (bu->Caster_Mana != 0) {
            Battle_Unit_Add(bu->Caster_Mana, item.spell_skill);
        }
        Battle_Unit_Add(bu->Defense, item.defense);
        Battle_Unit_Add(bu->Shown_Defense_Bonus, item.defense);
        Battle_Unit_Add(bu->Resist, item.resistance);
        Battle_Unit_Add(bu->Shown_Resist_Bonus, item.resistance);
        Battle_Unit_Add(bu->Move_Halves, item.moves2);

        if (item.type <= it_Axe || item.type == it_Misc) {
            Battle_Unit_Add(bu->Melee, item.attack);
            Battle_Unit_Add(bu->Shown_Melee_Bonus, item.attack);
            Battle_Unit_Add(bu->Melee_To_Hit_Bonus, item.tohit);
            if (item.Powers & ip_Flaming) {
                Battle_Unit_Add(bu->Melee, 3);
                Battle_Unit_Add(bu->Shown_Melee_Bonus, 3);
            }
            if (item.Powers & ip_Giant_Strength) {
                Battle_Unit_Add(bu->Melee, 1);
                Battle_Unit_Add(bu->Shown_Melee_Bonus, 1);
            }
            uint16_t flags = bu->Item_Melee_Attack_Flags;
            Item_Powers_To_Attack_Attributes(&flags, item_idx);
            bu->Item_Melee_Attack_Flags = flags;
        }

        uint8_t kind = bu->Ranged_Type;
        bool axe_thrown = item.type == it_Axe && kind == rk_Thrown;
        bool ranged_side =
            (item.type == it_Bow && Kind_In(kind, rk_Bow_First, rk_Bow_Last)) ||
            ((item.type == it_Staff || item.type == it_Wand) && Kind_In(kind, rk_Magic_First, rk_Magic_Last)) ||
            axe_thrown || item.type == it_Misc;
        if (ranged_side) {
            Battle_Unit_Add(bu->Ranged, item.attack);
            Battle_Unit_Add(bu->Shown_Ranged_Bonus, item.attack);
            Battle_Unit_Add(bu->Ranged_To_Hit_Bonus, item.tohit);
            if (item.Powers & ip_Flaming) {
                Battle_Unit_Add(bu->Ranged, 3);
                Battle_Unit_Add(bu->Shown_Ranged_Bonus, 3);
            }
            if ((item.Powers & ip_Giant_Strength) && axe_thrown) {
                Battle_Unit_Add(bu->Ranged, 1);
                Battle_Unit_Add(bu->Shown_Ranged_Bonus, 1);
            }
            uint16_t flags = bu->Item_Ranged_Attack_Flags;
            Item_Powers_To_Attack_Attributes(&flags, item_idx);
            bu->Item_Ranged_Attack_Flags = flags;
        }
    }
    return bu->Item_Enchantments;
}

void Item_Powers_To_Unit_Enchantments(int16_t item_idx, Battle_Unit_Record *bu)
{
    // Powers that are unit enchantments of the same bit, and Holy Avenger, which blesses.
    constexpr uint32_t SAME_BIT_POWERS = ip_Guardian_Wind | ip_Cloak_of_Fear | ip_Wraithform | ip_Regeneration |
                                         ip_Pathfinding | ip_Water_Walking | ip_Resist_Elements | ip_Elemental_Armor |
                                         ip_Endurance | ip_Invisibility | ip_Flight | ip_Resist_Magic |
                                         ip_Magic_Immunity | ip_True_Sight | ip_Bless | ip_Lion_Heart |
                                         ip_Planar_Travel | ip_Righteousness | ip_Invulnerability;
    if (item_idx < 0 || item_idx >= NUM_ITEMS || _ITEMS == nullptr) {
        return;
    }
    uint32_t powers = _ITEMS[item_idx].Powers;
    bu->Item_Enchantments |= powers & SAME_BIT_POWERS;
    if (powers & ip_Holy_Avenger) {
        bu->Item_Enchantments |= UE_BLESS;
    }
}

void Item_Powers_To_Attack_Attributes(uint16_t *flags, int16_t item_idx)
{
    // The game pairs each power with its attack flag this way.
    static constexpr struct {
        uint32_t power;
        uint16_t flag;
    } m_power_flags[] = {
        {ip_Vampiric, UAF_LIFE_STEAL},      {ip_Lightning, UAF_ARMOR_PIERCING}, {ip_Destruction, UAF_DESTRUCTION},
        {ip_Doom, UAF_AUTOMATIC_DAMAGE},    {ip_Death, UAF_DEATH_TOUCH},        {ip_Power_Drain, UAF_POWER_DRAIN},
        {ip_Holy_Avenger, UAF_DISPEL_EVIL}, {ip_Phantasmal, UAF_ILLUSION},      {ip_Stoning, UAF_STONING_TOUCH},
    };
    if (item_idx < 0 || item_idx >= NUM_ITEMS || _ITEMS == nullptr) {
        return;
    }
    uint32_t powers = _ITEMS[item_idx].Powers;
    for (const auto &pair : m_power_flags) {
        if (powers & pair.power) {
            *flags |= pair.flag;
        }
    }
}

int16_t Unit_Hit_Points(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx)) {
        return 0;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    int level = Level_With_Heroism(unit.Level, unit.enchantments);
    int hits = Hit_Points(unit, unit.owner_idx, level, unit.enchantments, nullptr);
    return (int16_t)(hits > 32767 ? 32767 : hits);
}

int16_t Battle_Unit_Hit_Points(Battle_Unit_Record *bu)
{
    if (!Unit_Valid(bu->unit_idx)) {
        return 0;
    }
    const Unit_Record &unit = _UNITS[bu->unit_idx];
    uint32_t enchantments = unit.enchantments | bu->Combat_Enchantments | bu->Item_Enchantments;
    int level = Level_With_Heroism(unit.Level, enchantments);
    if (Owner_Valid(bu->owner_idx) && _players[bu->owner_idx].Globals[ge_Crusade] &&
        !(Type_Of(unit).Abilities & UA_FANTASTIC)) {
        level = Clamp_Level(level + 1);
    }
    int hits = Hit_Points(unit, bu->owner_idx, level, enchantments, &bu->Shown_Hits_Bonus);
    hits += bu->Extra_Hits;
    Battle_Unit_Add(bu->Shown_Hits_Bonus, bu->Extra_Hits);
    return (int16_t)(hits > 32767 ? 32767 : hits < -32768 ? -32768 : hits);
}
