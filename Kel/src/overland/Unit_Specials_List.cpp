#include "overland/Unit_Specials_List.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "heroes/Hero_Popups.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit_Record.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

const char *const USW_UnitLevels[6] = {"Recruit", "Regular", "Veteran", "Elite", "Ultra Elite", "Champion"};
const char *const USW_HeroLevels[9] = {"Hero", "Myrmidon",   "Captain",    "Commander", "Champion",
                                       "Lord", "Grand Lord", "Super Hero", "Demi-God"};

const Specials_Label USW_Item_UEs[21] = {
    {"Magic Immunity", 0x80000, 0, 556},
    {"Regenerate", 0x40, 1, 557},
    {"Haste", 0x4000, 2, 558},
    {"True Sight", 0x400000, 3, 559},
    {"Path Finding", 0x80, 4, 560},
    {"Water Walking", 0x100, 5, 561},
    {"Bless", 0x2000000, 6, 562},
    {"Lion Heart", 0x4000000, 7, 563},
    {"Invisibility", 0x8000, 8, 564},
    {"Planar Travel", 0x10000000, 9, 565},
    {"Endurance", 0x2000, 10, 566},
    {"Righteousness", 0x40000000, 11, 567},
    {"Invulnerability", 0x80000000, 12, 568},
    {"Resist Elements", 0x200, 13, 569},
    {"Elemental Armor", 0x400, 14, 570},
    {"Cloak Of Fear", 0x8, 15, 571},
    {"Flight", 0x20000, 16, 572},
    {"Resist Magic", 0x40000, 17, 573},
    {"Guardian Wind", 0x2, 21, 574},
    {"Giant Strength", 0x8000000, 20, 575},
    {"Merging", 0x20000000, 18, 576},
};

const Specials_Label USW_Abilities[15] = {
    {"Large Shield", 0x2, 14, 396},     {"Plane Shift", 0x4, 4, 397},      {"Wall Crusher", 0x8, 15, 398},
    {"Healer", 0x10, 16, 399},          {"Create Outpost", 0x20, 17, 400}, {"Invisibility", 0x40, 18, 401},
    {"Create Undead", 0x80, 19, 402},   {"Long Range", 0x100, 129, 403},   {"Land Corruption", 0x200, 21, 404},
    {"Meld With Node", 0x400, 40, 405}, {"Non Corporeal", 0x800, 22, 406}, {"Wind Walking", 0x1000, 23, 407},
    {"Regeneration", 0x2000, 24, 408},  {"Purify", 0x4000, 25, 409},       {"Negate First Strike", 0x8000, 48, 410},
};

const Specials_Label USW_Attributes_1[10] = {
    {"Lucky", 0x400, 127, 411},           {"Poison Immunity", 0x80, 5, 412},  {"Fire Immunity", 0x1, 6, 413},
    {"Stoning Immunity", 0x2, 7, 414},    {"Weapon Immunity", 0x100, 8, 415}, {"Missiles Immunity", 0x4, 9, 416},
    {"Illusions Immunity", 0x8, 10, 417}, {"Cold Immunity", 0x10, 11, 418},   {"Magic Immunity", 0x20, 12, 419},
    {"Death Immunity", 0x40, 49, 420},
};

const Specials_Label USW_Attributes_2[8] = {
    {"Healing Spell", 0x1, 38, 421},      {"Fire Ball Spell", 0x2, 39, 422},    {"Doombolt Spell", 0x4, 41, 423},
    {"Immolation", 0x8, 32, 424},         {"Cause Fear Spell", 0x20, 132, 425}, {"Web Spell", 0x10, 131, 426},
    {"Resistance To All", 0x40, 33, 427}, {"Holy Bonus", 0x80, 34, 428},
};

const Specials_Label USW_ATK_Flags[11] = {
    {"Armor Piercing", 0x1, 28, 429},
    {"Poison", 0x4, 29, 430},
    {"Life Steal", 0x8, 30, 431},
    {"Automatic Damage", 0x10, 31, 432},
    {"Destruction", 0x20, 140, 433},
    {"Illusion", 0x40, 116, 434},
    {"Stoning Touch", 0x80, 35, 435},
    {"Death Touch", 0x200, 27, 436},
    {"Power Drain", 0x400, 141, 437},
    {"Dispel Evil", 0x800, 142, 438},
    {"", 0x2, 133, 439},
};

const Specials_Label USW_SR_Attacks[6] = {
    {"Thrown", 100, 130, 443},      {"Fire Breath", 101, 138, 444}, {"Lightning", 102, 137, 445},
    {"Stoning Gaze", 103, 26, 446}, {"Doom Gaze", 104, 134, 447},   {"Death Gaze", 105, 135, 448},
};

const Specials_Label USW_Combat_FX[15] = {
    {"Vertigo", 0x1, 101, 481},         {"Confusion", 0x2, 111, 482},
    {"Whirlwind", 0x4, 112, 483},       {"Mind Storm", 0x8, 113, 484},
    {"Shatter", 0x10, 95, 485},         {"Weakness", 0x20, 96, 486},
    {"Black Sleep", 0x40, 114, 487},    {"Warp Creature", 0x80, 122, 488},
    {"Warp Creature", 0x100, 123, 489}, {"Warp Creature", 0x200, 124, 490},
    {"Mind Twist", 0x400, 121, 491},    {"Haste", 0x800, 77, 492},
    {"Web", 0x1000, 99, 493},           {"Creature Binding", 0x2000, 100, 494},
    {"Posession", 0x4000, 98, 495},
};

const Specials_Label _unit_mutation_data[3] = {
    {"Chaos Channel", 0x4, 62, 440},
    {"Chaos Channel", 0x8, 63, 441},
    {"Chaos Channel", 0x10, 64, 442},
};

const Specials_Label _unit_enchantment_data[32] = {
    {"Immolation", 0x1, 117, 449},
    {"Guardian Wind", 0x2, 118, 450},
    {"Berserk", 0x4, 128, 451},
    {"Cloak Of Fear", 0x8, 97, 452},
    {"Black Channels", 0x10, 67, 453},
    {"Wraith Form", 0x20, 68, 454},
    {"Regenerate", 0x40, 69, 455},
    {"Path Finding", 0x80, 70, 456},
    {"Water Walking", 0x100, 71, 457},
    {"Elemental Armor", 0x400, 73, 458},
    {"Resist Elements", 0x200, 72, 459},
    {"Stone Skin", 0x800, 74, 460},
    {"Iron Skin", 0x1000, 75, 461},
    {"Endurance", 0x2000, 76, 462},
    {"Spell Lock", 0x4000, 119, 463},
    {"Invisibility", 0x8000, 78, 464},
    {"Wind Walking", 0x10000, 79, 465},
    {"Flight", 0x20000, 80, 466},
    {"Resist Magic", 0x40000, 81, 467},
    {"Magic Immunity", 0x80000, 82, 468},
    {"Flame Blade", 0x100000, 83, 469},
    {"Eldritch Weapon", 0x200000, 84, 470},
    {"True Sight", 0x400000, 85, 471},
    {"Holy Weapon", 0x800000, 86, 472},
    {"Heroism", 0x1000000, 87, 473},
    {"Bless", 0x2000000, 88, 474},
    {"Lion Heart", 0x4000000, 89, 475},
    {"Giant Strength", 0x8000000, 65, 476},
    {"Planar Travel", 0x10000000, 91, 477},
    {"Holy Armor", 0x20000000, 92, 478},
    {"Righteousness", 0x40000000, 93, 479},
    {"Invulnerability", 0x80000000, 94, 480},
};

const Item_Power_Text ITEM_ViewTexts[32] = {
    {"Vampiric", ", life draining", 0x1},
    {"Lightning", ", armor piercing", 0x4},
    {"Cloak of Fear", ", as cloak of fear spell", 0x8},
    {"Destruction", ", resist or be disintegrated", 0x10},
    {"Wraithform", ", as wraithform spell", 0x20},
    {"Regeneration", ", as regeneration spell", 0x40},
    {"Pathfinding", ", as pathfinding spell", 0x80},
    {"Water Walking", ", as water walking spell", 0x100},
    {"Resist Elements", ", as resist elements spell", 0x200},
    {"Elemental Armor", ", as elemental armor spell", 0x400},
    {"Doom", ", ignores armor", 0x800},
    {"Endurance", ", as swiftness spell", 0x2000},
    {"Haste", ", doubles attacks", 0x4000},
    {"Invisibility", ", as the invisibility spell", 0x8000},
    {"Death", ", save at -3 or die", 0x10000},
    {"Flight", ", as flight spell", 0x20000},
    {"Resist Magic", ", as resist magic spell", 0x40000},
    {"Magic Immunity", ", as magic immunity spell", 0x80000},
    {"Power Drain", ", target loses 2-20 mana", 0x1000000},
    {"Holy Avenger", ", as bless & dispel evil spell", 0x200000},
    {"True Sight", ", as true sight spell", 0x400000},
    {"Phantasmal", ", ignores armor & illusion attacks", 0x800000},
    {"Flaming", ", +3 attack strength", 0x100000},
    {"Bless", ", as bless spell", 0x2000000},
    {"Lion Heart", ", as lion heart spell", 0x4000000},
    {"Stoning", ", resist at -1 or be stoned", 0x1000},
    {"Planar Travel", ", as planar travel spell", 0x10000000},
    {"Merging", ", as merging spell", 0x20000000},
    {"Righteousness", ", as righteousness spell", 0x40000000},
    {"Invulnerability", ", as invulnerability spell", 0x80000000},
    {"Guardian Wind", ", as guardian wind spell", 0x2},
    {"Giant Strength", ", as giant strength spell", 0x8000000},
};

namespace {

const char *const m_roman_numerals[5] = {"", "I", "II", "III", "IV"};

struct List_Builder {
    Specials_List *list;
    int16_t count;

    // Every row is bounded by the list's size; table sections stop one row earlier.
    bool Add(int limit, int32_t flag, uint8_t *picture, int16_t help, const char *format, ...)
        __attribute__((format(printf, 6, 7)))
    {
        if (count >= limit || count >= SPECIALS_LIST_ROWS) return false;
        va_list args;
        va_start(args, format);
        vsnprintf(list->text[count], SPECIALS_TEXT_SIZE, format, args);
        va_end(args);
        list->flag[count] = flag;
        list->picture[count] = picture;
        list->help[count] = help;
        ++count;
        return true;
    }
    bool Row(uint8_t *picture, int16_t help, const char *text)
    {
        return Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, picture, help, "%s", text);
    }
    // A table section against a bit word.
    void Table(const Specials_Label *table, int size, uint32_t word, bool enchantment_flags = false)
    {
        for (int i = 0; i < size; ++i) {
            if ((word & table[i].mask) == 0) continue;
            int32_t flag = enchantment_flags ? (int32_t)table[i].mask : SPECIALS_FLAG_PLAIN;
            Add(SPECIALS_TABLE_STOP, flag, Special_Picture(table[i].picture), table[i].help, "%s", table[i].text);
        }
    }
};

uint8_t *Item_Power_Picture(int16_t n) { return n >= 0 && n < 22 ? item_power_icons_seg[n] : nullptr; }

void Caster_Mana_Text(char *text, size_t size, const Battle_Unit_Record *bu)
{
    if (bu->Mana_Left < bu->Caster_Mana) {
        snprintf(text, size, "%d (%d)", bu->Mana_Left, bu->Caster_Mana);
    } else {
        snprintf(text, size, "%d", bu->Caster_Mana);
    }
}

void Movement_Rows(List_Builder &rows, uint16_t move_flags)
{
    if (move_flags & MV_MERGING) rows.Row(Item_Power_Picture(18), 547, "Merging");
    if (move_flags & MV_TELEPORTING) rows.Row(Special_Picture(0), 548, "Teleporting");
    if ((move_flags & MV_FORESTER) && (move_flags & MV_MOUNTAINEER)) {
        rows.Row(Special_Picture(20), 549, "Pathfinding");
    } else if (move_flags & MV_FORESTER) {
        rows.Row(Special_Picture(1), 551, "Forester");
    } else if (move_flags & MV_MOUNTAINEER) {
        rows.Row(Special_Picture(2), 550, "Mountaineer");
    }
}

void Scouting_Row(List_Builder &rows, int range)
{
    if (range <= 1) return;
    rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(37), 546, "Scouting %s",
             m_roman_numerals[range > 4 ? 4 : range]);
}

void Attack_Flag_Rows(List_Builder &rows, uint16_t attack_flags, const Battle_Unit_Record *bu)
{
    for (const Specials_Label &label : USW_ATK_Flags) {
        if ((attack_flags & label.mask) == 0) continue;
        uint8_t *picture = Special_Picture(label.picture);
        if (label.mask == UAF_POISON) {
            rows.Add(SPECIALS_TABLE_STOP, SPECIALS_FLAG_PLAIN, picture, label.help, "%s %d", label.text,
                     bu->Kept_Spec_Att_Attr);
        } else if (label.mask == UAF_STONING_TOUCH) {
            rows.Add(SPECIALS_TABLE_STOP, SPECIALS_FLAG_PLAIN, picture, label.help, "%s %d", label.text,
                     bu->Spec_Att_Attr);
        } else {
            rows.Add(SPECIALS_TABLE_STOP, SPECIALS_FLAG_PLAIN, picture, label.help, "%s", label.text);
        }
    }
}

void Special_Ranged_Rows(List_Builder &rows, const Battle_Unit_Record *bu)
{
    for (int i = 0; i < 6; ++i) {
        const Specials_Label &label = USW_SR_Attacks[i];
        if (bu->Ranged_Type != label.mask) continue;
        bool gaze = label.mask == rk_Stoning_Gaze || label.mask == rk_Death_Gaze;
        int strength = gaze ? bu->Spec_Att_Attr : bu->Ranged;
        rows.Add(SPECIALS_TABLE_STOP, SPECIALS_FLAG_PLAIN, Special_Picture(label.picture), label.help, "%s %d",
                 label.text, strength);
        if (label.mask == rk_Doom_Gaze) {
            // Doom Gaze carries the next gaze and the previous one.
            for (int other : {i + 1, i - 1}) {
                const Specials_Label &more = USW_SR_Attacks[other];
                rows.Add(SPECIALS_TABLE_STOP, SPECIALS_FLAG_PLAIN, Special_Picture(more.picture), more.help, "%s %d",
                         more.text, bu->Spec_Att_Attr);
            }
        }
    }
}

const Hero_Record *Hero_Record_Of(const Unit_Record &unit)
{
    if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS || unit.type >= NUM_HERO_TYPES) return nullptr;
    if (_HEROES2[unit.owner_idx] == nullptr) return nullptr;
    return &_HEROES2[unit.owner_idx][unit.type];
}

void Hero_Rows(List_Builder &rows, const Unit_Record &unit, const Battle_Unit_Record *bu)
{
    const Hero_Slot_Record &slot = _players[unit.owner_idx].Heroes[unit.Hero_Slot];
    for (int place = 0; place < NUM_ITEM_PLACES; ++place) {
        int16_t item_idx = slot.Items[place];
        if (item_idx >= 0 && item_idx < NUM_ITEMS) {
            // Item names are 30 bytes in the saved game and need not end in a NUL.
            const Item_Record &item = _ITEMS[item_idx];
            char name[SPECIALS_TEXT_SIZE];
            memcpy(name, item.name, SPECIALS_TEXT_SIZE - 1);
            name[SPECIALS_TEXT_SIZE - 1] = '\0';
            uint8_t *icon =
                item.icon_idx >= 0 && item.icon_idx < NUM_ITEM_ICONS ? item_icons_seg[item.icon_idx] : nullptr;
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_ITEM_SLOT, icon, item_idx, "%s", name);
        } else {
            int16_t kind = slot.Item_Slots[place];
            uint8_t *picture = kind >= 1 && kind <= 6 ? item_slot_icons_seg[kind - 1] : nullptr;
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_ITEM_SLOT, picture, (int16_t) - (576 + kind), "%s", "");
        }
    }
    for (const Specials_Label &label : USW_Item_UEs) {
        if (bu->Item_Enchantments & label.mask) {
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Item_Power_Picture(label.picture), label.help, "%s",
                     label.text);
        }
    }
    const Hero_Record *hero = Hero_Record_Of(unit);
    if (hero == nullptr) return;
    int level = unit.Level;
    for (const Hero_Ability_Label &label : hero_ability_labels) {
        if ((hero->abilities & label.mask) == 0) continue;
        int bonus = Hero_Ability_Bonus(label.mask, level);
        char text[SPECIALS_TEXT_SIZE];
        const char *star = label.super ? "}" : "";
        if (label.mask == hab_Sage || label.mask == hab_Sage_Super) {
            snprintf(text, sizeof text, "%s%s %d rp", label.text, star, bonus);
        } else {
            snprintf(text, sizeof text, "%s%s", label.text, star);
        }
        if (level >= 0 && bonus > 0) {
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(label.picture), label.help, "%s +%d",
                     text, bonus);
        } else {
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(label.picture), label.help, "%s", text);
        }
    }
    if (hero->Casting_Skill > 0) {
        char mana[SPECIALS_TEXT_SIZE] = "";
        if (hero->Level >= 0) {
            mana[0] = ' ';
            Caster_Mana_Text(mana + 1, sizeof mana - 1, bu);
        }
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(55), 555, "Caster%s mp", mana);
    }
}

}  // namespace

uint8_t *Special_Picture(int16_t n) { return n >= 0 && n < NUM_SPECIAL_PICTS ? special_seg[n] : nullptr; }

void USW_Build_Effect_List(int16_t unit_idx, Specials_List *list, int16_t *count)
{
    List_Builder rows{list, 0};
    *count = 0;
    if (unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY || _UNITS == nullptr) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    const Battle_Unit_Record *bu = global_battle_unit;
    int type = unit.type < NUM_UNIT_TYPES ? unit.type : 0;
    const Unit_Type_Record &type_record = _unit_type_table[type];
    int level = unit.Level;
    bool hero =
        unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS;

    if (level >= 0 && type < NUM_SUMMONED_TYPE_FIRST && (unit.mutations & UM_UNDEAD) == 0) {
        const char *name = hero ? USW_HeroLevels[level > 8 ? 8 : level] : USW_UnitLevels[level > 5 ? 5 : level];
        int16_t help = (int16_t)((hero ? 533 : 527) + level);
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture((int16_t)(102 + level)), help, "%s (%d ep)",
                 name, unit.XP);
    }

    const Hero_Record *hero_record = hero ? Hero_Record_Of(unit) : nullptr;
    if (hero) Hero_Rows(rows, unit, bu);

    int kind = bu->Ranged_Type;
    if (kind >= 10 && kind <= 39) {
        bool spells = kind >= rk_Magic_First;
        bool skip = spells && ((bu->Attribs_1 & (UI_CASTER_20 | UI_CASTER_40)) != 0 ||
                               (hero_record != nullptr && hero_record->Casting_Skill > 0));
        if (!skip) {
            const char *what = kind < 20 ? "Rock" : kind == 20 ? "Arrow" : kind < 30 ? "Bullet" : "Spell";
            rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(136), 542, "%s%s x%d", what,
                     bu->Ammo > 1 ? "s" : "", bu->Ammo);
        }
    }
    if (bu->To_Hit > 0) {
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(125), 543, "+%d To Hit", bu->To_Hit);
    } else if (bu->To_Hit < 0) {
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(126), 544, "%d To Hit", bu->To_Hit);
    }
    if (bu->Construction > 0) rows.Row(Special_Picture(36), 545, "Construction");
    Scouting_Row(rows, bu->Sight);
    Movement_Rows(rows, bu->Move_Flags);
    rows.Table(USW_Abilities, 15, bu->Abilities);

    int demons = ((type_record.Attribs_1 & 0x1000) ? 2 : 0) + ((type_record.Attribs_1 & 0x800) ? 1 : 0);
    if (demons > 0)
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(139), 552, "Summon Demons %d", demons);
    if (type_record.Attribs_1 & (UI_CASTER_20 | UI_CASTER_40)) {
        char mana[SPECIALS_TEXT_SIZE];
        Caster_Mana_Text(mana, sizeof mana, bu);
        rows.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(55), 555, "Caster %s mp", mana);
    }
    rows.Table(USW_Attributes_1, 10, type_record.Attribs_1);
    rows.Table(USW_Attributes_2, 8, type_record.Attribs_2);
    Attack_Flag_Rows(rows, bu->Attack_Flags, bu);
    Special_Ranged_Rows(rows, bu);
    rows.Table(USW_Combat_FX, 15, (uint16_t)bu->Curses);
    rows.Table(_unit_mutation_data, 3, unit.mutations);
    if (unit.mutations & UM_UNDEAD) rows.Row(Special_Picture(120), 553, "Undead");
    if (unit.mutations & (UM_STASIS_INIT | UM_STASIS_LINGER)) rows.Row(Special_Picture(115), 554, "Stasis");
    rows.Table(_unit_enchantment_data, 32, unit.enchantments, true);
    *count = rows.count;
}

void Prod_Build_Specials_List(int16_t unit_type, Specials_List *list, int16_t *count)
{
    List_Builder rows{list, 0};
    *count = 0;
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) return;
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    const Battle_Unit_Record *bu = global_battle_unit;
    if (type.Construction > 0) rows.Row(Special_Picture(36), 545, "Construction");
    Scouting_Row(rows, type.Sight);
    if (type.Move_Flags & MV_TELEPORTING) rows.Row(Special_Picture(0), 548, "Teleporting");
    if (type.Move_Flags & MV_FORESTER) rows.Row(Special_Picture(1), 551, "Forester");
    if (type.Move_Flags & MV_MOUNTAINEER) rows.Row(Special_Picture(2), 550, "Mountaineer");
    // Only the special ranged attack rows keep the table stop here; the rest are bounded by the list.
    List_Builder unchecked = rows;
    auto table = [&unchecked](const Specials_Label *labels, int size, uint32_t word) {
        for (int i = 0; i < size; ++i) {
            if (word & labels[i].mask) {
                unchecked.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, Special_Picture(labels[i].picture),
                              labels[i].help, "%s", labels[i].text);
            }
        }
    };
    table(USW_Abilities, 15, type.Abilities);
    table(USW_Attributes_1, 10, type.Attribs_1);
    table(USW_Attributes_2, 8, type.Attribs_2);
    for (const Specials_Label &label : USW_ATK_Flags) {
        if ((type.Attack_Flags & label.mask) == 0) continue;
        uint8_t *picture = Special_Picture(label.picture);
        if (label.mask == UAF_POISON) {
            unchecked.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, picture, label.help, "%s %d", label.text,
                          bu->Kept_Spec_Att_Attr);
        } else if (label.mask == UAF_STONING_TOUCH) {
            unchecked.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, picture, label.help, "%s %d", label.text,
                          bu->Spec_Att_Attr);
        } else {
            unchecked.Add(SPECIALS_LIST_ROWS, SPECIALS_FLAG_PLAIN, picture, label.help, "%s", label.text);
        }
    }
    Special_Ranged_Rows(unchecked, bu);
    *count = unchecked.count;
}

void ITEM_GetPowerNames(int16_t item_idx, char names[ITEM_POWER_LINES][ITEM_POWER_NAME_SIZE],
                        char descriptions[ITEM_POWER_LINES][ITEM_POWER_TEXT_SIZE], int16_t *count)
{
    for (int i = 0; i < ITEM_POWER_LINES; ++i) descriptions[i][0] = '\0';
    *count = 0;
    if (item_idx < 0 || item_idx >= NUM_ITEMS || _ITEMS == nullptr) return;
    const Item_Record &item = _ITEMS[item_idx];
    int lines = 0;
    const struct {
        int8_t value;
        const char *what;
    } bonuses[6] = {{item.attack, " Attack"},   {item.tohit, " To Hit"},          {item.defense, " Defense"},
                    {item.moves2, " Movement"}, {item.resistance, " Resistance"}, {item.spell_skill, " Spell Skill"}};
    for (const auto &bonus : bonuses) {
        if (bonus.value > 0 && lines < ITEM_POWER_LINES) {
            snprintf(names[lines++], ITEM_POWER_NAME_SIZE, "+%d%s", bonus.value, bonus.what);
        }
    }
    if (item.spell_save > 0 && lines < ITEM_POWER_LINES) {
        snprintf(names[lines++], ITEM_POWER_NAME_SIZE, "-%d Spell Save", item.spell_save);
    }
    if (item.Spell > 0 && lines < ITEM_POWER_LINES) {  // 0: no spell
        char spell[20] = "";
        if (spell_data_table != nullptr && item.Spell < NUM_SPELLS) {
            memcpy(spell, spell_data_table[item.Spell].name, sizeof spell - 1);
            spell[sizeof spell - 1] = '\0';
        }
        snprintf(names[lines++], ITEM_POWER_NAME_SIZE, "%s x %d", spell, item.charges);
    }
    for (const Item_Power_Text &power : ITEM_ViewTexts) {
        if ((item.Powers & power.power) && lines < ITEM_POWER_LINES) {
            snprintf(names[lines], ITEM_POWER_NAME_SIZE, "%s", power.name);
            snprintf(descriptions[lines], ITEM_POWER_TEXT_SIZE, "%s", power.description);
            ++lines;
        }
    }
    *count = (int16_t)lines;
}

void Get_Unit_Enchantment_Names(int16_t unit_idx, char names[][UNIT_ENCHANTMENT_NAME_SIZE], int16_t *count)
{
    *count = 0;
    if (unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY || _UNITS == nullptr) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    int n = 0;
    for (const Specials_Label &label : _unit_enchantment_data) {
        if (unit.enchantments & label.mask) snprintf(names[n++], UNIT_ENCHANTMENT_NAME_SIZE, "%s", label.text);
    }
    for (const Specials_Label &label : _unit_mutation_data) {
        if (unit.mutations & label.mask) snprintf(names[n++], UNIT_ENCHANTMENT_NAME_SIZE, "%s", label.text);
    }
    *count = (int16_t)n;
}
