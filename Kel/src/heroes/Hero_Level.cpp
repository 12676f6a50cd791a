// A hero's rise in level and the lines that show what its level brings.
#include <cstdio>

#include "heroes/Hero_Popups.h"
#include "heroes/Heroes_Services.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"

const char *const hero_level_titles[9] = {"Hero", "Myrmidon",   "Captain",    "Commander", "Champion",
                                          "Lord", "Grand Lord", "Super Hero", "Demi-God"};

const Hero_Ability_Label hero_ability_labels[NUM_HERO_ABILITY_LABELS] = {
    {0x1, "Leadership", false, 43, 515},         {0x2, "Leadership", true, 43, 515},
    {0x8, "Legendary", false, 45, 516},          {0x10, "Legendary", true, 45, 516},
    {0x40, "Blademaster", false, 47, 517},       {0x80, "Blademaster", true, 47, 517},
    {0x200, "Armsmaster", false, 46, 518},       {0x400, "Armsmaster", true, 46, 518},
    {0x1000, "Constitution", false, 50, 519},    {0x2000, "Constitution", true, 50, 519},
    {0x8000, "Might", false, 52, 520},           {0x10000, "Might", true, 52, 520},
    {0x40000, "Arcane Power", false, 54, 521},   {0x80000, "Arcane Power", true, 54, 521},
    {0x200000, "Sage", false, 61, 522},          {0x400000, "Sage", true, 61, 522},
    {0x1000000, "Prayermaster", false, 57, 523}, {0x2000000, "Prayermaster", true, 57, 523},
    {0x80000000, "Agility", false, 143, 627},    {0x4000000, "Agility", true, 143, 627},
    {0x8000000, "Lucky", false, 58, 524},        {0x10000000, "Charmed", false, 59, 525},
    {0x20000000, "Noble", false, 60, 526},
};

int Hero_Ability_Bonus(uint32_t mask, int level)
{
    const int l1 = level + 1;
    switch (mask) {
    case 0x1: return l1 / 3;
    case 0x2: return l1 / 2;
    case 0x8: return l1 / 3;
    case 0x10: return (9 * l1) / 2;
    case 0x40: return l1 / 2;
    case 0x80: return (3 * l1) / 4;
    case 0x200: return 2 * l1;
    case 0x400: return 3 * l1;
    case 0x200000: return 3 * l1;
    case 0x400000: return (9 * l1) / 2;
    case 0x8000000:
    case 0x10000000:
    case 0x20000000: return 0;
    default: break;
    }
    // Constitution, Might, Arcane Power, Prayermaster, Agility: L+1 plain, 3L+3 super.
    for (const Hero_Ability_Label &label : hero_ability_labels) {
        if (label.mask == mask) return label.super ? 3 * l1 : l1;
    }
    return 0;
}

namespace {

constexpr int HIGHEST_LEVEL = 8;

// The record of a wizard's hero unit, or nullptr.
const Hero_Record *Wizards_Hero(int16_t unit_idx)
{
    if (_UNITS == nullptr || unit_idx < 0 || unit_idx >= _units) return nullptr;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.owner_idx < 0 || unit.owner_idx >= NEUTRAL_PLAYER_IDX || unit.type >= NUM_HERO_TYPES ||
        unit.Hero_Slot < 0 || unit.Hero_Slot >= NUM_HERO_SLOTS || _HEROES2[unit.owner_idx] == nullptr) {
        return nullptr;
    }
    return &_HEROES2[unit.owner_idx][unit.type];
}

}  // namespace

void Hero_Build_Specials_List(int16_t unit_idx, Hero_Special_Line *list, int16_t *count)
{
    *count = 0;
    const Hero_Record *hero = Wizards_Hero(unit_idx);
    if (hero == nullptr) return;
    int level = _UNITS[unit_idx].Level;
    level = level < 0 ? 0 : level > HIGHEST_LEVEL ? HIGHEST_LEVEL : level;
    auto add = [&](int16_t picture, int16_t help) -> char * {
        Hero_Special_Line &line = list[*count];
        line.picture = picture;
        line.help = help;
        (*count)++;
        return line.text;
    };
    snprintf(add((int16_t)(102 + level), (int16_t)(533 + level)), HERO_SPECIAL_TEXT, "%s", hero_level_titles[level]);
    if (level == 2 || level == 5 || level == 8) snprintf(add(125, 543), HERO_SPECIAL_TEXT, "+1 To Hit");
    for (const Hero_Ability_Label &label : hero_ability_labels) {
        if ((hero->abilities & label.mask) == 0 || *count >= HERO_SPECIALS_ROOM - 1) continue;
        const int value = Hero_Ability_Bonus(label.mask, level);
        if (value <= 0) continue;
        char *text = add(label.picture, label.help);
        const char *mark = label.super ? "}" : "";
        if (label.mask == 0x200000 || label.mask == 0x400000) {
            snprintf(text, HERO_SPECIAL_TEXT, "%s%s %d rp", label.text, mark, value);
        } else {
            snprintf(text, HERO_SPECIAL_TEXT, "%s%s +%d", label.text, mark, value);
        }
    }
    if (hero->Casting_Skill > 0 && *count < HERO_SPECIALS_ROOM) {
        Battle_Unit_Record bu = {};
        Load_Battle_Unit(unit_idx, &bu);
        char *text = add(55, 555);
        if (bu.Mana_Left < bu.Caster_Mana) {
            snprintf(text, HERO_SPECIAL_TEXT, "Caster %d (%d) mp", bu.Mana_Left, bu.Caster_Mana);
        } else {
            snprintf(text, HERO_SPECIAL_TEXT, "Caster %d mp", bu.Caster_Mana);
        }
    }
}

void Hero_LevelUp_Popup(int16_t unit_idx)
{
    if (Wizards_Hero(unit_idx) == nullptr) return;
    Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Level > HIGHEST_LEVEL - 1) return;
    unit.Level = (int8_t)(unit.Level + 1);
    Heroes_Level_Up(unit_idx);
}
