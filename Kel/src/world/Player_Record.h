// One player's state: the 1,224-byte record of _players. The six records form one block of the
// saved game, so every offset here is part of the file format.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_PLAYERS = 6;
// Player 0 is the human wizard, whatever the number of players; 1..4 are the computer wizards.
constexpr int HUMAN_PLAYER_IDX = 0;
constexpr int NEUTRAL_PLAYER_IDX = 5;
constexpr int NUM_HERO_SLOTS = 6;
constexpr int NUM_SPELLS_STATUS = 240;
constexpr int NUM_RETORTS = 18;
constexpr int NUM_OVERLAND_ENCHANTMENTS = 24;

// Gold and mana reserves (signed 16-bit fields). The treasury adders never raise a reserve above
// RESERVE_CAP, and the end of every world turn cuts both reserves back to it.
constexpr int16_t RESERVE_CAP = 30000;
// Income booked during the turn (gold income, mana from magic power) may carry a reserve up to
// INCOME_RESERVE_CAP, above RESERVE_CAP, until the end of the turn cuts it back; the gap keeps the
// booking clear of the field's 32,767 limit.
constexpr int16_t INCOME_RESERVE_CAP = 32000;

// Spell status values
constexpr uint8_t SS_NOT_OBTAINABLE = 0;
constexpr uint8_t SS_RESEARCHABLE = 1;
constexpr uint8_t SS_KNOWN = 2;
constexpr uint8_t SS_RESEARCH_LIST = 3;

// The computer wizards' characters (personality and objective bytes).
enum Personality_Type : int16_t {
    pt_Maniacal = 0,
    pt_Ruthless = 1,
    pt_Aggressive = 2,
    pt_Chaotic = 3,
    pt_Lawful = 4,
    pt_Peaceful = 5,
};
constexpr int NUM_PERSONALITIES = 6;

enum Objective_Type : int16_t {
    obj_Pragmatist = 0,
    obj_Militarist = 1,
    obj_Theurgist = 2,
    obj_Perfectionist = 3,
    obj_Expansionist = 4,
};
constexpr int NUM_OBJECTIVES = 5;

enum Retort_Index : int {
    rtr_Alchemy = 0,
    rtr_Warlord,
    rtr_Chaos_Mastery,
    rtr_Nature_Mastery,
    rtr_Sorcery_Mastery,
    rtr_Infernal_Power,
    rtr_Divine_Power,
    rtr_Sage_Master,
    rtr_Channeler,
    rtr_Myrran,
    rtr_Archmage,
    rtr_Mana_Focusing,
    rtr_Node_Mastery,
    rtr_Famous,
    rtr_Runemaster,
    rtr_Conjurer,
    rtr_Charismatic,
    rtr_Artificer,
};

// Global (overland) enchantments by their slot in Player_Record::Globals; a slot holds the caster
// plus 1 while the wizard keeps the enchantment.
enum Global_Enchantment : int {
    ge_Eternal_Night = 0,
    ge_Evil_Omens = 1,  // counted by the computer players as suppressing Life and Nature
    ge_Zombie_Mastery = 2,
    ge_Slot_3 = 3,
    ge_Wind_Mastery = 4,  // ships of the holder faster, of the others slower
    ge_Suppress_Magic = 5,
    ge_Time_Stop = 6,
    ge_Natures_Awareness = 7,
    ge_Natures_Wrath = 8,
    ge_Unit_Recovery = 9,  // the holder's living units lose their damage each turn
    ge_Chaos_Surge = 10,   // new units of the holder get chaos channels; chaos creatures +2
    ge_Slot_11 = 11,
    ge_Great_Wasting = 12,  // -1 pacification in the other wizards' cities
    ge_Meteor_Storm = 13,
    ge_Armageddon = 14,  // -2 pacification in the other wizards' cities
    ge_Tranquility = 15,
    ge_Life_Force = 16,  // no rebels in the holder's cities
    ge_Crusade = 17,     // +1 level, +2 pacification
    ge_Fame_Bonus = 18,  // +10 fame, +1 pacification
    ge_Holy_Arms = 19,
    ge_Planar_Seal = 20,
    ge_Charm_of_Life = 21,
    ge_Spell_Watch = 22,  // the human sees the rivals' spells being cast
    ge_Awareness = 23,
};

#pragma pack(push, 1)
struct Hero_Slot_Record {
    int16_t unit_idx;  // -1: empty slot, whatever the other bytes hold
    char name[14];
    int16_t Items[3];  // -1: empty item place
    int16_t Item_Slots[3];
};

struct Player_Record {
    uint8_t wizard_id;  // portrait 0..13
    char name[20];
    uint8_t capital_race;
    uint8_t banner_id;
    uint8_t reserved_23;
    int16_t Personality;
    int16_t Objective;
    uint8_t reserved_28[6];
    int16_t som_research_cost;
    int16_t fame;
    int16_t Power_Base;
    int16_t volcanoes;
    uint8_t research_ratio;
    uint8_t mana_ratio;
    uint8_t skill_ratio;
    uint8_t reserved_45;
    int16_t summon_wx;
    int16_t summon_wy;
    int16_t summon_wp;
    int16_t research_spells[8];
    uint8_t reserved_68[4];
    int16_t average_unit_cost;  // the neutral player's record: the monster counter
    int16_t raider_counter;     // the neutral player's record only; 0 in the wizards' records
    int16_t Cmbt_Skill_Left;
    int16_t casting_cost_remaining;
    int16_t casting_cost_original;
    int16_t casting_spell_idx;
    int16_t Skill_Left;
    int16_t Nominal_Skill;
    int16_t tax_rate;
    int16_t spellranks[5];  // books per realm: Nature, Sorcery, Chaos, Life, Death
    uint8_t retorts[NUM_RETORTS];
    Hero_Slot_Record Heroes[NUM_HERO_SLOTS];
    uint8_t reserved_286[2];
    int16_t Vault_Items[4];
    // Diplomacy: one entry per player index.
    uint8_t Dipl_Contacted[6];
    int16_t Dipl_Treaty_Patience[6];
    int16_t Dipl_Peace_Patience[6];
    int16_t Dipl_Exchange_Patience[6];
    int8_t Dipl_Relation[6];
    uint8_t Dipl_Treaty[6];
    int16_t Dipl_Pending_Strength[6];
    uint8_t Dipl_Pending_Order[6];
    int16_t Dipl_Pending_Param[6];
    uint8_t Dipl_Pending_City[6];
    int8_t Dipl_Default_Relation[6];
    uint8_t Dipl_First_Contact[6];
    uint8_t Dipl_Broken_Treaty[6];
    int16_t Dipl_Named_Wizard[6];
    int8_t Dipl_Goodwill[6];
    uint8_t Dipl_Unknown_422[6];
    uint8_t Dipl_Unknown_428[6];
    int16_t Dipl_Tribute_Spell[6];
    uint8_t Dipl_Offer_Spell[6];
    int16_t Dipl_Wanted_Spell[6];
    int16_t Dipl_Exchange_Spells[6][6];
    uint8_t Dipl_Exchange_Count[6];
    int16_t Dipl_Offer_Gold[6];
    uint8_t Dipl_Ally_Enemy[6];
    uint8_t reserved_560[12];
    uint8_t Dipl_Statement_572;
    uint8_t Dipl_Statement_573;
    uint8_t reserved_574[10];
    uint8_t Dipl_Unknown_584[6];
    uint8_t Dipl_Threat_Count[6];
    uint8_t Dipl_Border_Warning[6];
    int16_t research_cost_remaining;
    int16_t mana_reserve;
    int32_t spell_casting_skill;  // casting-skill points; Nominal_Skill derives from it
    int16_t researching_spell_idx;
    uint8_t spells_list[NUM_SPELLS_STATUS];  // status of spell s at index s - 1
    uint16_t banished_mask;
    int16_t gold_reserve;
    uint8_t reserved_856[2];
    int16_t Astr_Magic_Power;
    int16_t Astr_Research;
    int16_t Astr_Army_Strength;
    uint16_t Pop_Div_10k;
    uint8_t Historian[288];
    uint8_t Globals[NUM_OVERLAND_ENCHANTMENTS];
    int16_t Magic_Strategy;
    uint8_t reserved_1180[2];
    int16_t Hostility[6];
    int16_t Reevaluate_Hostility_Countdown;
    int16_t Reevaluate_Magic_Strategy_Countdown;
    int16_t Reevaluate_Magic_Power_Countdown;
    int8_t peace_duration[6];
    int16_t Target_Wizard;
    int16_t Primary_Target;
    int16_t Spell_Group_Target;
    int16_t Secondary_Target;
    uint8_t reserved_1214[6];
    int16_t Prim_Realm;
    int16_t Sec_Realm;
};
#pragma pack(pop)

static_assert(sizeof(Hero_Slot_Record) == 28);
static_assert(sizeof(Player_Record) == 1224);
static_assert(offsetof(Player_Record, Personality) == 24);
static_assert(offsetof(Player_Record, som_research_cost) == 34);
static_assert(offsetof(Player_Record, research_ratio) == 42);
static_assert(offsetof(Player_Record, summon_wx) == 46);
static_assert(offsetof(Player_Record, research_spells) == 52);
static_assert(offsetof(Player_Record, average_unit_cost) == 72);
static_assert(offsetof(Player_Record, raider_counter) == 74);
static_assert(offsetof(Player_Record, Cmbt_Skill_Left) == 76);
static_assert(offsetof(Player_Record, casting_spell_idx) == 82);
static_assert(offsetof(Player_Record, tax_rate) == 88);
static_assert(offsetof(Player_Record, spellranks) == 90);
static_assert(offsetof(Player_Record, retorts) == 100);
static_assert(offsetof(Player_Record, Heroes) == 118);
static_assert(offsetof(Player_Record, Vault_Items) == 288);
static_assert(offsetof(Player_Record, Dipl_Contacted) == 296);
static_assert(offsetof(Player_Record, Dipl_Treaty_Patience) == 302);
static_assert(offsetof(Player_Record, Dipl_Relation) == 338);
static_assert(offsetof(Player_Record, Dipl_Treaty) == 344);
static_assert(offsetof(Player_Record, Dipl_Pending_Order) == 362);
static_assert(offsetof(Player_Record, Dipl_Pending_City) == 380);
static_assert(offsetof(Player_Record, Dipl_Named_Wizard) == 404);
static_assert(offsetof(Player_Record, Dipl_Goodwill) == 416);
static_assert(offsetof(Player_Record, Dipl_Tribute_Spell) == 434);
static_assert(offsetof(Player_Record, Dipl_Offer_Spell) == 446);
static_assert(offsetof(Player_Record, Dipl_Wanted_Spell) == 452);
static_assert(offsetof(Player_Record, Dipl_Exchange_Spells) == 464);
static_assert(offsetof(Player_Record, Dipl_Exchange_Count) == 536);
static_assert(offsetof(Player_Record, Dipl_Offer_Gold) == 542);
static_assert(offsetof(Player_Record, Dipl_Ally_Enemy) == 554);
static_assert(offsetof(Player_Record, Dipl_Statement_572) == 572);
static_assert(offsetof(Player_Record, Dipl_Unknown_584) == 584);
static_assert(offsetof(Player_Record, Dipl_Threat_Count) == 590);
static_assert(offsetof(Player_Record, Dipl_Border_Warning) == 596);
static_assert(offsetof(Player_Record, research_cost_remaining) == 602);
static_assert(offsetof(Player_Record, mana_reserve) == 604);
static_assert(offsetof(Player_Record, spell_casting_skill) == 606);
static_assert(offsetof(Player_Record, researching_spell_idx) == 610);
static_assert(offsetof(Player_Record, spells_list) == 612);
static_assert(offsetof(Player_Record, banished_mask) == 852);
static_assert(offsetof(Player_Record, gold_reserve) == 854);
static_assert(offsetof(Player_Record, Astr_Magic_Power) == 858);
static_assert(offsetof(Player_Record, Astr_Army_Strength) == 862);
static_assert(offsetof(Player_Record, Pop_Div_10k) == 864);
static_assert(offsetof(Player_Record, Historian) == 866);
static_assert(offsetof(Player_Record, Globals) == 1154);
static_assert(offsetof(Player_Record, Magic_Strategy) == 1178);
static_assert(offsetof(Player_Record, Hostility) == 1182);
static_assert(offsetof(Player_Record, Reevaluate_Hostility_Countdown) == 1194);
static_assert(offsetof(Player_Record, peace_duration) == 1200);
static_assert(offsetof(Player_Record, Target_Wizard) == 1206);
static_assert(offsetof(Player_Record, Secondary_Target) == 1212);
static_assert(offsetof(Player_Record, Prim_Realm) == 1220);
static_assert(offsetof(Player_Record, Sec_Realm) == 1222);

extern Player_Record _players[NUM_PLAYERS];

// The neutral player has no spells; the computer players' landmass tables live in its spell-status
// bytes, one i16 per player. These pointer globals are set by Allocate_Data_Space and are saved with
// the player records.
extern int16_t *_ai_landmass_war_targets[2];
extern int16_t *_ai_reevaluate_continents_countdown;
extern uint8_t *Wiz5_Spell_28h;
extern uint8_t *Wiz5_Spell_3Ch;
extern uint8_t *Wiz5_Spell_50h;
extern uint8_t *Wiz5_Spell_64h;
extern int16_t *_ai_landmass_settler_targets[2];
extern int16_t *_ai_landmass_settler_targets_wx_array[2];
extern int16_t *_ai_landmass_settler_targets_wy_array[2];
extern int16_t *_ai_reevaluate_summoning_circle_countdown;

// Offsets of those arrays inside the neutral record, and their lengths in i16 elements.
constexpr int AI_ARRAYS_OFFSET = 612;
constexpr int AI_WAR_TARGETS_LEN = 6;
constexpr int AI_CONTINENTS_COUNTDOWN_LEN = 8;
constexpr int AI_WIZ5_SPELL_LEN = 20;
constexpr int AI_SETTLER_TARGETS_LEN = 10;
constexpr int AI_SETTLER_TARGETS_WY_LEN = 6;
constexpr int AI_SUMMONING_COUNTDOWN_LEN = 8;

// Bounds-checked access to the scratch arrays, indexed by player: an index outside the array reads
// 0 and writes nothing, so a stray index never reaches the neighbouring array or another record.
int16_t AI_Landmass_War_Target(int plane, int index);
void AI_Set_Landmass_War_Target(int plane, int index, int16_t value);
int16_t AI_Landmass_Settler_Target(int plane, int index);
void AI_Set_Landmass_Settler_Target(int plane, int index, int16_t value);
int16_t AI_Landmass_Settler_Target_WX(int plane, int index);
void AI_Set_Landmass_Settler_Target_WX(int plane, int index, int16_t value);
int16_t AI_Landmass_Settler_Target_WY(int plane, int index);
void AI_Set_Landmass_Settler_Target_WY(int plane, int index, int16_t value);
int16_t AI_Reevaluate_Continents_Countdown(int player_idx);
void AI_Set_Reevaluate_Continents_Countdown(int player_idx, int16_t value);
int16_t AI_Reevaluate_Summoning_Circle_Countdown(int player_idx);
void AI_Set_Reevaluate_Summoning_Circle_Countdown(int player_idx, int16_t value);

// Spell status of a wizard (players below _num_players only; the neutral record's spell bytes are
// the scratch arrays above). Spell numbers 1..240; anything else reads 0 and writes nothing.
uint8_t Player_Spell_Status(int player_idx, int spell_idx);
void Player_Set_Spell_Status(int player_idx, int spell_idx, uint8_t status);

// Nominal casting skill: the smallest n with 2 + 4 + ... + 2n >= the skill points, +10 with Archmage.
int16_t Player_Base_Casting_Skill(int16_t player_idx);
