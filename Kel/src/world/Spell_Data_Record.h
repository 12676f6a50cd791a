// One spell of SPELLDAT.LBX entry 0 (215 records of 36 bytes), loaded whole.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_SPELLS = 215;
constexpr int SPELL_DATA_RECORD_SIZE = 36;

#pragma pack(push, 1)
struct Spell_Data_Record {
    char name[19];
    uint8_t AI_Group;
    uint8_t unused_20;
    uint8_t type;                 // decides how the spell takes effect
    uint8_t spell_book_category;  // 0 special .. 5 combat
    uint8_t magic_realm;          // 0 nature .. 4 death, 5 arcane
    uint8_t Eligibility;          // overland, combat, both
    uint8_t unused_25;
    int16_t casting_cost;
    int16_t research_cost;
    int16_t Sound;
    union {
        uint8_t Param_Bytes[4];
        int16_t Param_Words[2];
        uint32_t Param_Mask;
    };
};
#pragma pack(pop)

static_assert(sizeof(Spell_Data_Record) == SPELL_DATA_RECORD_SIZE);
static_assert(offsetof(Spell_Data_Record, type) == 21);
static_assert(offsetof(Spell_Data_Record, magic_realm) == 23);
static_assert(offsetof(Spell_Data_Record, casting_cost) == 26);
static_assert(offsetof(Spell_Data_Record, research_cost) == 28);
static_assert(offsetof(Spell_Data_Record, Param_Bytes) == 32);

extern Spell_Data_Record *spell_data_table;
