// A fully paid overland spell takes effect: rivals' enchantments may make it fizzle, then the spell's
// type decides its target and effect, and the wizard's casting fields are cleared whatever happened.
#include <cstdio>
#include <cstring>

#include "Memory_Util.h"
#include "STU_Log.h"
#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "ai/AI_Unit_Wizard_Targets.h"
#include "heroes/Item_Making.h"
#include "magic/City_Node_Spells.h"
#include "magic/Damage_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Fortress_Spells.h"
#include "magic/Global_Enchantment_Screen.h"
#include "magic/Hero_Spells.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Dispel.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spell_Casting_Screen.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Of_Mastery.h"
#include "magic/Spell_Rewards.h"
#include "magic/Terrain_Spells.h"
#include "magic/Unit_Spells.h"
#include "magic/Wizard_Spells.h"
#include "random.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Game_Settings.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

int16_t g_active_spell_idx = 0;

namespace {

// The spell record's type byte.
enum Spell_Type : uint8_t {
    st_Summoning = 0,
    st_Unit_Enchantment = 1,
    st_City_Enchantment = 2,
    st_City_Curse = 3,
    st_Attack_Stack = 4,
    st_Special = 5,
    st_Wizard = 6,
    st_Global_Enchantment = 9,
    st_Item_Creation = 11,
    st_Unit_Enchantment_Normal = 15,
    st_Wizard_Variable = 17,
    st_Disenchant_Area = 19,
    st_Disjunction = 20,
};

enum Spell_Realm_Code : uint8_t {
    realm_Chaos = 2,
    realm_Death = 4,
};

// Numbered messages of the casting.
enum Cast_Message : int16_t {
    msg_Too_Many_Units = 21,
    msg_Stone_Skin_Over_Iron_Skin = 22,
    msg_Resist_Elements_Over_Elemental_Armor = 23,
    msg_Resist_Magic_Over_Wraith_Form = 24,
    msg_Summoning_Circle_There = 25,
    msg_Curse_On_Death_Wizard = 26,
    msg_No_Wizard_Target = 27,
    msg_Nothing_To_Disenchant = 28,
    msg_Unit_Has_Power = 87,
};

constexpr int GS_ENEMY_SPELLS = 13;
constexpr int SPELL_NAME_ROOM = 20;
constexpr int16_t CITY_INDEX_LIMIT = 100;
constexpr int32_t FIZZLE_CHANCE_DIVIDEND = 125000;
constexpr int16_t FIZZLE_DIFFICULTY_BASE = 500;
constexpr int16_t ROLL_SIDES = 250;
constexpr int16_t REASON_ATTACK_SPELL = 8;
constexpr int16_t ATTACK_SPELL_RELATION = -3;
constexpr int16_t SCOUTED_CITY_RADIUS = 5;
constexpr int16_t ITEM_SUMMON_SUBJECT = -1;
constexpr int16_t ITEM_SUMMON_BAND = 3;

int16_t m_caster = 0;
int16_t m_spell = 0;
char m_spell_name[SPELL_NAME_ROOM + 1] = {};

const Spell_Data_Record &Spell(void) { return spell_data_table[m_spell]; }
bool Human_Caster(void) { return m_caster == HUMAN_PLAYER_IDX; }
int16_t Players(void) { return _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players; }
bool Enemy_Spells_Shown(void) { return magic_set.words[GS_ENEMY_SPELLS] != 0; }
bool Human_Watches_Rivals(void) { return _players[HUMAN_PLAYER_IDX].Globals[ge_Spell_Watch] != 0; }
bool Unit_Live(int16_t unit_idx) { return unit_idx >= 0 && unit_idx < _units && _UNITS != nullptr; }
bool City_Live(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities && _CITIES != nullptr; }

int16_t Saturate16(int32_t value) { return (int16_t)(value > INT16_MAX ? INT16_MAX : value < 0 ? 0 : value); }

void Warn_With_Name(const char *before, const char *after)
{
    char text[160];
    snprintf(text, sizeof text, "%s%s%s", before, m_spell_name, after);
    Magic_Warn(text);
}

// ---- fizzles ----

// The caster's spell faces each rival holder of the slot in turn; 1 when one made it fizzle.
int16_t Fizzle_By_Slot(int16_t slot, const char *cause)
{
    const Player_Record &caster = _players[m_caster];
    for (int16_t holder = 0; holder < Players(); holder++) {
        if (holder == m_caster || _players[holder].Globals[slot] == 0) continue;
        int16_t difficulty = Calculate_Dispel_Difficulty(caster.casting_cost_original, m_caster, Spell().magic_realm);
        int16_t chance = Fizzle_Chance(difficulty);
        if (RANDOM(ROLL_SIDES) <= chance) {
            Fizzle_Notification(m_caster, holder, m_spell, cause);
            return 1;
        }
    }
    return 0;
}

int16_t Spell_Fizzles(void)
{
    if (Fizzle_By_Slot(ge_Suppress_Magic, "Suppress Magic")) return 1;
    if (Spell().magic_realm == realm_Chaos) return Fizzle_By_Slot(ge_Tranquility, "Tranquility");
    if (Spell().magic_realm == realm_Death) return Fizzle_By_Slot(ge_Life_Force, "Life Force");
    return 0;
}

// ---- summoning ----

int16_t Cast_Summoning(void)
{
    if (_units >= UNIT_SOFT_CAP_ALL || (!Human_Caster() && _units >= UNIT_SOFT_CAP_COMPUTER)) {
        if (Human_Caster()) Magic_Message_Record(msg_Too_Many_Units);
        return 0;
    }
    if (m_spell == spl_Floating_Island) {
        g_ai_recompute_needed = 1;
        Cast_Floating_Island(m_caster);
        return 1;
    }
    Player_Record &caster = _players[m_caster];
    int16_t unit_type = Spell().Param_Words[0];
    int16_t created =
        Create_Unit(unit_type, m_caster, caster.summon_wx, caster.summon_wy, caster.summon_wp, UNIT_SOURCE_PLAIN);
    if (created) Evict_Weakest_Unit((int16_t)(_units - 1));
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (Human_Caster() || (Enemy_Spells_Shown() && human.Dipl_Contacted[m_caster] != 0 && Human_Watches_Rivals())) {
        g_ai_recompute_needed = 1;
        Magic_Summon_Scene(unit_type, (int16_t)Spell_Band(m_spell), m_caster);
    }
    // A refused creation made no unit: the last unit of the table is somebody else's.
    if (!created || _units < 1) return 1;
    int16_t unit_idx = (int16_t)(_units - 1);
    Unit_Record &unit = _UNITS[unit_idx];
    unit.Finished = 0;
    unit.moves2 = unit.moves2_max;
    if (Human_Caster()) Magic_Select_New_Unit(unit_idx);
    return 1;
}

// ---- unit enchantments ----

struct Power_Refusal {
    int16_t spell;
    uint8_t word;  // 1 immunities, 2 second attributes, 3 abilities
    uint16_t bit;
};

// clang-format off
const Power_Refusal Power_Refusals[] = {
    {spl_Immolation,     2, UI2_IMMOLATION},
    {spl_Cloak_Of_Fear,  2, UI2_CAUSE_FEAR_SPELL},
    {spl_True_Sight,     1, UI_ILLUSIONS_IMMUNITY},
    {spl_Magic_Immunity, 1, UI_MAGIC_IMMUNITY},
    {spl_Planar_Travel,  3, UA_PLANESHIFT},
    {spl_Invisibility,   3, UA_INVISIBILITY},
    {spl_Wraith_Form,    3, UA_NONCORPOREAL},
    {spl_Wind_Walking,   3, UA_WINDWALKING},
    {spl_Regenerate,     3, UA_REGENERATION},
};
// clang-format on

bool Type_Has_Power(const Unit_Type_Record &type, const Power_Refusal &refusal)
{
    switch (refusal.word) {
    case 1: return (type.Attribs_1 & refusal.bit) != 0;
    case 2: return (type.Attribs_2 & refusal.bit) != 0;
    default: return (type.Abilities & refusal.bit) != 0;
    }
}

}  // namespace

int16_t Unit_Enchantment_Refused(int16_t unit_idx, int16_t spell_idx)
{
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    const Unit_Record &unit = _UNITS[unit_idx];
    const Unit_Type_Record &type = _unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0];
    char name[SPELL_NAME_ROOM + 1] = {};
    memcpy(name, spell.name, sizeof spell.name);
    char text[160];
    int16_t refused = 0;
    if ((unit.enchantments & spell.Param_Mask) != 0) {
        snprintf(text, sizeof text, "That unit already has %s cast on it", name);
        Magic_Warn(text);
        refused = 1;
    }
    if (spell_idx == spl_Stone_Skin && (unit.enchantments & UE_IRONSKIN) != 0) {
        Magic_Message_Record(msg_Stone_Skin_Over_Iron_Skin);
        refused = 1;
    }
    if (spell_idx == spl_Resist_Elements && (unit.enchantments & UE_ELEMENTALARMOR) != 0) {
        Magic_Message_Record(msg_Resist_Elements_Over_Elemental_Armor);
        refused = 1;
    }
    if (spell_idx == spl_Resist_Magic && (unit.enchantments & UE_WRAITHFORM) != 0) {
        Magic_Message_Record(msg_Resist_Magic_Over_Wraith_Form);
        refused = 1;
    }
    if ((spell.type == st_Unit_Enchantment_Normal || spell_idx == spl_Chaos_Channels) && !Unit_Is_Normal(unit_idx)) {
        snprintf(text, sizeof text, "Only normal units may have %s cast on them", name);
        Magic_Warn(text);
        refused = 1;
    }
    for (const Power_Refusal &refusal : Power_Refusals) {
        if (refusal.spell == spell_idx && Type_Has_Power(type, refusal)) {
            Magic_Message_Record(msg_Unit_Has_Power);
            refused = 1;
        }
    }
    if (spell_idx == spl_Black_Channels && !Unit_Is_Normal(unit_idx) && (unit.mutations & UM_UNDEAD) == 0) {
        snprintf(text, sizeof text, "Only normal units and created undead may have %s cast on them", name);
        Magic_Warn(text);
        refused = 1;
    }
    return refused;
}

int16_t Fizzle_Chance(int16_t difficulty)
{
    int32_t divisor = (int32_t)difficulty + FIZZLE_DIFFICULTY_BASE;
    if (divisor < 1) divisor = 1;
    return (int16_t)(FIZZLE_CHANCE_DIVIDEND / divisor > INT16_MAX ? INT16_MAX : FIZZLE_CHANCE_DIVIDEND / divisor);
}

namespace {

int16_t Cast_Unit_Enchantment(void)
{
    int16_t unit_idx = -1;
    if (!Human_Caster()) {
        if (!AITP_Unit_Enchantment(0, &unit_idx, m_spell, m_caster) || !Unit_Live(unit_idx)) return 0;
    } else {
        for (;;) {
            int16_t wy = 0, wp = 0;
            if (!Magic_Spell_Target(stk_Friendly_Unit, &unit_idx, &wy, &wp, m_spell) || !Unit_Live(unit_idx)) return 0;
            if (!Unit_Enchantment_Refused(unit_idx, m_spell)) break;
        }
    }
    Unit_Record &unit = _UNITS[unit_idx];
    if (Human_Caster()) Magic_Square_Scene(m_spell, unit.wx, unit.wy, unit.wp);
    unit.enchantments |= Spell().Param_Mask;
    if (m_spell == spl_Heroism) unit.Level = (int8_t)Calc_Unit_Level(unit_idx);
    if (m_spell == spl_Black_Channels) unit.mutations |= UM_UNDEAD;
    return 1;
}

// ---- city enchantments and curses ----

bool Human_Watches_City(int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    return Human_Caster() || city.owner_idx == HUMAN_PLAYER_IDX ||
           (Enemy_Spells_Shown() && Check_Square_Explored(city.wx, city.wy, city.wp) != 0 && Human_Watches_Rivals());
}

int16_t City_Enchantment_Slot(void)
{
    int16_t slot = Spell().Param_Words[0];
    return slot >= 0 && slot < NUM_CITY_ENCHANTMENTS ? slot : -1;
}

// The human picks a city of the kind until one passes the checks; -1 when he cancels.
int16_t Human_City_Target(int16_t kind)
{
    for (;;) {
        int16_t city_idx = -1, wy = 0, wp = 0;
        if (!Magic_Spell_Target(kind, &city_idx, &wy, &wp, m_spell) || !City_Live(city_idx)) return -1;
        const City_Record &city = _CITIES[city_idx];
        const Player_Record &human = _players[HUMAN_PLAYER_IDX];
        int16_t slot = City_Enchantment_Slot();
        int16_t refused = 0;
        if (kind == stk_Friendly_City && m_spell == spl_Summoning_Circle) {
            if (city.wx == human.summon_wx && city.wy == human.summon_wy && city.wp == human.summon_wp) {
                Magic_Message_Record(msg_Summoning_Circle_There);
                refused = 1;
            }
        } else if (slot >= 0 && city.enchantments[slot] != 0) {
            Warn_With_Name("That city already has ", " cast on it");
            refused = 1;
        }
        if (kind == stk_Enemy_City && m_spell == spl_Evil_Presence && city.owner_idx >= 0 &&
            city.owner_idx < Players() && _players[city.owner_idx].spellranks[realm_Death] > 0) {
            Magic_Message_Record(msg_Curse_On_Death_Wizard);
            refused = 1;
        }
        if (!refused) return city_idx;
    }
}

void Enchant_City(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    bool watched = Human_Watches_City(city_idx);
    if (watched) {
        g_ai_recompute_needed = 1;
        Magic_City_Scene(1, city_idx, m_spell, m_caster);
    }
    if (m_spell == spl_Summoning_Circle) {
        Player_Record &caster = _players[m_caster];
        caster.summon_wx = city.wx;
        caster.summon_wy = city.wy;
        caster.summon_wp = city.wp;
    } else if (City_Enchantment_Slot() >= 0) {
        city.enchantments[City_Enchantment_Slot()] = (uint8_t)(m_caster + 1);
    }
    if (watched) Magic_City_Scene(2, city_idx, m_spell, m_caster);
}

int16_t Cast_City_Enchantment(void)
{
    int16_t city_idx = -1;
    if (!Human_Caster()) {
        if (!AITP_City_Enchantment(stk_Friendly_City, &city_idx, m_spell, m_caster) || !City_Live(city_idx)) return 0;
    } else {
        city_idx = Human_City_Target(stk_Friendly_City);
        if (city_idx < 0) return 0;
    }
    Enchant_City(city_idx);
    const City_Record &city = _CITIES[city_idx];
    if (Human_Caster() && m_spell == spl_Natures_Eye) {
        Set_Square_Explored_Flags_Range(city.wx, city.wy, city.wp, SCOUTED_CITY_RADIUS);
    }
    if (m_spell == spl_Consecration) Apply_Consecration(city_idx);
    return 1;
}

int16_t Cast_City_Curse(void)
{
    int16_t city_idx = -1;
    if (!Human_Caster()) {
        if (!AITP_City_Enchantment(stk_Enemy_City, &city_idx, m_spell, m_caster)) city_idx = -1;
    } else {
        city_idx = Human_City_Target(stk_Enemy_City);
    }
    if (!City_Live(city_idx)) return 0;
    int16_t success = Apply_Automatic_Spell_Counters(m_spell, city_idx, m_caster, Human_Caster() ? 1 : 0);
    if (success) Enchant_City(city_idx);
    // The owner resents the attempt whether or not the city's wards stopped it.
    if (city_idx < CITY_INDEX_LIMIT) Change_Relations_For_Bad_City_Spell(m_caster, m_spell, city_idx);
    return success;
}

// ---- attacks on a stack ----

int16_t Cast_Attack_Stack(void)
{
    int16_t unit_idx = -1, wy = 0, wp = 0;
    if (!Human_Caster()) {
        if (!Get_Map_Square_Target_For_Spell(stk_Enemy_Group, &unit_idx, &wy, &wp, m_spell, m_caster)) return 0;
    } else {
        if (!Magic_Spell_Target(stk_Enemy_Group, &unit_idx, &wy, &wp, m_spell)) return 0;
    }
    if (!Unit_Live(unit_idx)) return 0;
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t success = 1;
    for (int16_t city_idx = 0; city_idx < _cities && _CITIES != nullptr; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.wx == unit.wx && city.wy == unit.wy && city.wp == unit.wp) {
            success = Apply_Automatic_Spell_Counters(m_spell, city_idx, m_caster, Human_Caster() ? 1 : 0);
        }
    }
    if (!success) return 0;
    if (Human_Caster() || unit.owner_idx == HUMAN_PLAYER_IDX ||
        (Check_Square_Scouted(unit.wx, unit.wy, unit.wp) && Enemy_Spells_Shown())) {
        Magic_Square_Scene(m_spell, unit.wx, unit.wy, unit.wp);
        g_ai_recompute_needed = 1;
    }
    Change_Relations(ATTACK_SPELL_RELATION, m_caster, unit.owner_idx, REASON_ATTACK_SPELL, 0, unit_idx);
    Cast_Attack_Spell_On_Enemy_Stack(unit_idx, m_spell);
    return 1;
}

// ---- special spells ----

int16_t Cast_Special(void)
{
    g_ai_recompute_needed = 1;
    switch (m_spell) {
    case spl_Wall_Of_Stone: return Cast_Wall_Of_Stone(m_caster);
    case spl_Earth_Lore: return Cast_Earth_Lore(m_caster);
    case spl_Change_Terrain: return Cast_Change_Terrain(m_caster);
    case spl_Transmute: return Cast_Transmute(m_caster);
    case spl_Natures_Cures: return Cast_Natures_Cures(m_caster);
    case spl_Earthquake: return Cast_Earthquake(m_caster);
    case spl_Move_Fortress: return Cast_Move_Fortress(m_caster);
    case spl_Word_Of_Recall: return Cast_Word_Of_Recall(m_caster);
    case spl_Enchant_Road: return Cast_Enchant_Road(m_caster);
    case spl_Stasis: return Cast_Stasis(m_caster);
    case spl_Spell_Ward: return Cast_Spell_Ward(m_caster);
    case spl_Great_Unsummoning: Cast_Great_Unsummoning(m_caster); return 1;
    case spl_Spell_Binding: Cast_Spell_Binding(m_caster); return 1;
    case spl_Corruption: return Cast_Corruption(m_caster);
    case spl_Chaos_Channels: return Cast_Chaos_Channels(m_caster);
    case spl_Raise_Volcano: return Cast_Raise_Volcano(m_caster);
    case spl_Call_The_Void: return Cast_Call_The_Void(m_caster);
    case spl_Plane_Shift: return Cast_Plane_Shift(m_caster);
    case spl_Resurrection: Cast_Resurrection(m_caster); return 1;
    case spl_Incarnation: Cast_Incarnation(m_caster); return 1;
    case spl_Lycantrophy: return Cast_Lycantrophy(m_caster);
    case spl_Warp_Node: return Cast_Warp_Node(m_caster);
    case spl_Black_Wind: return Cast_Black_Wind(m_caster);
    case spl_Death_Wish: Cast_Death_Wish(m_caster); return 1;
    case spl_Summon_Hero: Cast_Summon_Hero(m_caster, 1); return 1;
    case spl_Summon_Champion: Cast_Summon_Hero(m_caster, 2); return 1;
    case spl_Spell_Of_Return: Cast_Spell_Of_Return(m_caster); return 1;
    default: return 1;
    }
}

// ---- spells aimed at a wizard ----

constexpr uint8_t WIZARD_SPELL_CRUEL_UNMINDING = 1;
constexpr uint8_t WIZARD_SPELL_DRAIN_POWER = 2;
constexpr uint8_t WIZARD_SPELL_SUBVERSION = 3;

}  // namespace

void Spell_Blast(int16_t caster_idx, int16_t target_idx)
{
    Player_Record &caster = _players[caster_idx];
    Player_Record &target = _players[target_idx];
    // What the target has already put into its spell; never negative, whatever its base cost.
    int32_t put_in = (int32_t)target.casting_cost_original - target.casting_cost_remaining;
    if (put_in < 0) put_in = 0;
    if (caster.mana_reserve < put_in) return;
    if (target_idx == HUMAN_PLAYER_IDX) {
        Fizzle_Notification(HUMAN_PLAYER_IDX, caster_idx, target.casting_spell_idx, "Spell Blast");
    }
    caster.mana_reserve = (int16_t)(caster.mana_reserve - put_in);
    if (target.casting_spell_idx == spl_Spell_Of_Return) {
        target.casting_cost_remaining = Casting_Cost(target_idx, spl_Spell_Of_Return, 0);
    } else {
        target.casting_spell_idx = 0;
        target.casting_cost_remaining = 0;
        target.casting_cost_original = 0;
    }
}

namespace {

int16_t Cast_Wizard_Spell(void)
{
    if (!Human_Caster()) {
        int16_t target_idx = -1;
        if (!AITP_Attack_Wizard(&target_idx, m_spell, m_caster) || target_idx < 0 || target_idx >= NUM_PLAYERS) {
            return 0;
        }
        switch (Spell().Param_Bytes[0]) {
        case WIZARD_SPELL_CRUEL_UNMINDING: Apply_Cruel_Unminding(target_idx); break;
        case WIZARD_SPELL_DRAIN_POWER: Apply_Drain_Power(target_idx); break;
        case WIZARD_SPELL_SUBVERSION: Apply_Subversion(target_idx); break;
        default: Spell_Blast(m_caster, target_idx); break;
        }
        return 1;
    }
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    bool any_target = false;
    for (int16_t wizard = 1; wizard < Players(); wizard++) {
        if (human.Dipl_Contacted[wizard] != 0 && _FORTRESSES != nullptr && _FORTRESSES[wizard].active == 1) {
            any_target = true;
        }
    }
    if (!any_target) {
        char tail[SPELL_NAME_ROOM + 24];
        snprintf(tail, sizeof tail, "%s spell has failed.", m_spell_name);
        Magic_Message_Record(msg_No_Wizard_Target, tail);
        return 0;
    }
    Magic_Target_Wizard(m_spell);
    return 1;
}

// ---- global enchantments ----

int16_t Cast_Global_Enchantment(void)
{
    g_ai_recompute_needed = 1;
    Magic_Global_Scene(m_caster, m_spell);
    int16_t slot = Spell().Param_Words[0];
    if (slot >= 0 && slot < NUM_OVERLAND_ENCHANTMENTS) _players[m_caster].Globals[slot] = (uint8_t)(m_caster + 1);
    switch (m_spell) {
    case spl_Time_Stop: g_timestop_player_num = (int16_t)(m_caster + 1); break;
    case spl_Natures_Awareness: Cast_Natures_Awareness(m_caster); break;
    case spl_Holy_Arms: Cast_Holy_Arms(m_caster); break;
    case spl_Crusade:
        for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
            if (_UNITS[unit_idx].owner_idx == m_caster) _UNITS[unit_idx].Level = (int8_t)Calc_Unit_Level(unit_idx);
        }
        break;
    case spl_Awareness: Cast_Awareness(m_caster); break;
    default: break;
    }
    Change_Relations_For_Enchantments(m_caster, m_spell, 1);
    return 1;
}

// ---- item creation ----

int16_t Cast_Item_Creation(void)
{
    int16_t prepared = Human_Caster() ? (int16_t)ITEM_BEING_MADE : (int16_t)(ITEM_BEING_MADE - 1 - m_caster);
    if (Human_Caster()) Magic_Summon_Scene(ITEM_SUMMON_SUBJECT, ITEM_SUMMON_BAND, HUMAN_PLAYER_IDX);
    int16_t item_idx = Activate_Item(prepared);
    if (item_idx < 0) {
        // Every item place is taken: the prepared item is lost and nothing reaches the pool.
        if (Human_Caster()) Magic_Warn("The item could not be made: the world holds too many items.");
    } else if (Human_Caster()) {
        Process_Item_Pool(1, &item_idx);
    } else {
        Player_Process_Item_Pool(m_caster, 1, &item_idx);
    }
    Magic_Back_To_Main_Screen();
    return 1;
}

// ---- disenchanting an area, disjunction ----

// The strength of the caster's dispel: the mana put in, doubled for a Runemaster, tripled for the
// stronger spell of the pair.
int32_t Dispel_Strength(int16_t stronger_spell)
{
    const Player_Record &caster = _players[m_caster];
    int32_t strength = caster.casting_cost_original;
    if (caster.retorts[rtr_Runemaster] != 0) strength *= 2;
    if (m_spell == stronger_spell) strength *= 3;
    return strength;
}

bool Human_Watches_Square(int16_t wx, int16_t wy, int16_t wp)
{
    if (Human_Caster()) return true;
    bool rivals_shown = Enemy_Spells_Shown() && Human_Watches_Rivals();
    for (int16_t city_idx = 0; city_idx < _cities && _CITIES != nullptr; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.wx != wx || city.wy != wy || city.wp != wp) continue;
        if (city.owner_idx == HUMAN_PLAYER_IDX || (rivals_shown && Check_Square_Explored(wx, wy, wp))) return true;
    }
    for (int16_t unit_idx = 0; unit_idx < _units && _UNITS != nullptr; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.wx != wx || unit.wy != wy || unit.wp != wp) continue;
        if (unit.owner_idx == HUMAN_PLAYER_IDX || (rivals_shown && Check_Square_Scouted(wx, wy, wp))) return true;
    }
    return false;
}

int16_t Cast_Disenchant_Area(void)
{
    int16_t wx = 0, wy = 0, wp = 0;
    if (!Human_Caster()) {
        if (!Get_Map_Square_Target_For_Spell(stk_Map_Square, &wx, &wy, &wp, m_spell, m_caster)) return 0;
    } else {
        for (;;) {
            if (!Magic_Spell_Target(stk_Map_Square, &wx, &wy, &wp, m_spell)) return 0;
            if (Square_Has_Disenchant_Target(wx, wy, wp)) break;
            Magic_Message_Record(msg_Nothing_To_Disenchant);
        }
    }
    if (Human_Watches_Square(wx, wy, wp)) {
        g_ai_recompute_needed = 1;
        Magic_Square_Scene(m_spell, wx, wy, wp);
    }
    Cast_Disenchant(wx, wy, wp, m_caster, Saturate16(Dispel_Strength(spl_Disenchant_True)));
    return 1;
}

int16_t Cast_Disjunction(void)
{
    if (Human_Caster()) return Global_Enchantment_Screen(m_spell, m_caster);
    int16_t target_idx = -1, slot = -1;
    if (!AITP_Disjunction(&target_idx, &slot, m_spell, m_caster)) return 0;
    if (target_idx < 0 || target_idx >= NUM_PLAYERS || slot < 0 || slot >= NUM_OVERLAND_ENCHANTMENTS) return 0;
    if (Global_Enchantment_Attempt(Dispel_Strength(spl_Disjunction_True), m_caster, target_idx, slot, 0)) {
        Fizzle_Notification(target_idx, m_caster, Overland_Enchantment_Spell_Index(slot), "Disjunction");
    }
    return 1;
}

int16_t Dispatch_By_Type(void)
{
    switch (Spell().type) {
    case st_Summoning: return Cast_Summoning();
    case st_Unit_Enchantment:
    case st_Unit_Enchantment_Normal: return Cast_Unit_Enchantment();
    case st_City_Enchantment: return Cast_City_Enchantment();
    case st_City_Curse: return Cast_City_Curse();
    case st_Attack_Stack: return Cast_Attack_Stack();
    case st_Special: return Cast_Special();
    case st_Wizard:
    case st_Wizard_Variable: return Cast_Wizard_Spell();
    case st_Global_Enchantment: return Cast_Global_Enchantment();
    case st_Item_Creation: return Cast_Item_Creation();
    case st_Disenchant_Area: return Cast_Disenchant_Area();
    case st_Disjunction: return Cast_Disjunction();
    default: return 1;  // the types that act only in battle
    }
}

bool Rival_Holds_Natures_Wrath(void)
{
    for (int16_t player = 0; player < Players(); player++) {
        if (player != m_caster && _players[player].Globals[ge_Natures_Wrath] != 0) return true;
    }
    return false;
}

}  // namespace

void Cast_Spell_Overland(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    Player_Record &wizard = _players[player_idx];
    int16_t spell_idx = wizard.casting_spell_idx;
    if (spell_idx == 0) return;
    if (spell_idx > 0 && spell_idx < NUM_SPELLS && spell_data_table != nullptr) {
        m_caster = player_idx;
        m_spell = spell_idx;
        memset(m_spell_name, 0, sizeof m_spell_name);
        memcpy(m_spell_name, Spell().name, sizeof Spell().name);
        g_ai_recompute_needed = 0;
        int16_t success = Spell_Fizzles() ? 0 : 1;
        if (success) {
            g_active_spell_idx = spell_idx;
            if (spell_idx == spl_Spell_Of_Mastery) {
                Spell_Of_Mastery(player_idx);
                g_ai_recompute_needed = 1;
            } else {
                success = Dispatch_By_Type();
            }
        }
        uint8_t realm = Spell().magic_realm;
        if (success == 1 && Rival_Holds_Natures_Wrath() && (realm == realm_Chaos || realm == realm_Death)) {
            g_ai_recompute_needed = 1;
            Call_Forth_The_Force_Of_Nature(player_idx);
        }
        STU_LOG(SEV_INFO, LC_SPELLBOOK, "[CAST] player=%d spell=%d success=%d", (int)player_idx, (int)spell_idx,
                (int)success);
    }
    wizard.casting_cost_remaining = 0;
    wizard.casting_cost_original = 0;
    wizard.casting_spell_idx = 0;
}

void Cast_Awareness(int16_t player_idx)
{
    for (int16_t city_idx = 0; city_idx < _cities && _CITIES != nullptr; city_idx++) {
        City_Record &city = _CITIES[city_idx];
        if (player_idx == _current_player_idx) {
            Set_Square_Explored_Flags_Range(city.wx, city.wy, city.wp, 1);
        } else {
            Set_Bit_Field(player_idx, (uint8_t *)&city.contacts);
        }
    }
}
