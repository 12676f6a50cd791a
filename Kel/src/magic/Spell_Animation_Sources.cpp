#include <cstddef>

#include "magic/Spell_Animations.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"

namespace {

struct Own_Picture {
    int16_t spell;
    const char *archive;
    int16_t entry;
};

constexpr const char *CMBTFX = "CMBTFX";
constexpr const char *SPECFX = "SPECFX";

// Spells with a picture of their own; the others show their realm's or the summoning picture.
const Own_Picture OWN_PICTURES[] = {
    {1, CMBTFX, 14},   {5, CMBTFX, 13},   {11, CMBTFX, 15},  {13, SPECFX, 11},  {15, SPECFX, 8},   {22, SPECFX, 12},
    {119, SPECFX, 12}, {25, SPECFX, 10},  {35, CMBTFX, 24},  {42, CMBTFX, 26},  {46, CMBTFX, 20},  {50, CMBTFX, 16},
    {52, SPECFX, 13},  {177, SPECFX, 13}, {186, SPECFX, 13}, {192, SPECFX, 13}, {194, SPECFX, 13}, {202, SPECFX, 13},
    {53, CMBTFX, 17},  {58, SPECFX, 40},  {61, SPECFX, 47},  {64, CMBTFX, 19},  {67, CMBTFX, 21},  {68, SPECFX, 53},
    {76, SPECFX, 44},  {81, CMBTFX, 2},   {82, CMBTFX, 1},   {83, CMBTFX, 0},   {85, SPECFX, 7},   {96, CMBTFX, 23},
    {98, SPECFX, 11},  {101, CMBTFX, 3},  {104, CMBTFX, 5},  {105, CMBTFX, 25}, {107, SPECFX, 6},  {109, CMBTFX, 33},
    {112, CMBTFX, 4},  {122, CMBTFX, 9},  {134, CMBTFX, 10}, {167, CMBTFX, 6},  {171, SPECFX, 42}, {172, CMBTFX, 8},
    {187, SPECFX, 14}, {191, SPECFX, 41}, {204, SPECFX, 9},  {210, SPECFX, 48},
};

constexpr int16_t SUMMONING_PICTURE = 22;
constexpr int16_t SPELL_MAGIC_SPIRIT = 43;
constexpr int16_t TYPE_SUMMONING = 0;
constexpr int16_t MIN_SCENE_FRAMES = 12;
constexpr int16_t SCENE_TAIL_PASSES = 3;

}  // namespace

Spell_Picture_Source Spell_Animation_Picture(int16_t spell_idx)
{
    for (const Own_Picture &own : OWN_PICTURES) {
        if (own.spell == spell_idx) return {own.archive, own.entry, (int16_t)(spell_idx == 1 || spell_idx == 187)};
    }
    const bool known = spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS;
    const int16_t type = known ? spell_data_table[spell_idx].type : -1;
    if ((type == TYPE_SUMMONING && spell_idx != SPELL_MAGIC_SPIRIT) || spell_idx == 137 || spell_idx == 195) {
        return {CMBTFX, SUMMONING_PICTURE, 0};
    }
    int16_t realm = known ? spell_data_table[spell_idx].magic_realm : 0;
    if (realm > 5) realm = 5;
    return {SPECFX, realm, 1};
}

int16_t Spell_Sound_Source(int16_t spell_idx, const char **archive)
{
    *archive = "SOUNDFX";
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return -1;
    const int8_t sound = (int8_t)(spell_data_table[spell_idx].Sound & 0xFF);
    if (sound < 0) {
        *archive = "NEWSOUND";
        return (int16_t)-sound;
    }
    return sound;
}

int16_t Spell_Square_Scene_Passes(int16_t frames)
{
    return (int16_t)((frames < MIN_SCENE_FRAMES ? MIN_SCENE_FRAMES : frames) + SCENE_TAIL_PASSES);
}
