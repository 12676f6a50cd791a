#include <cstring>
#include <string>

#include "STU_LE.h"
#include "Standin.h"
#include "heroes/Item_Making.h"
#include "magic/Hero_Spells.h"
#include "world/Unit_Record.h"

// ITEMPOW.LBX entry 0: the 67 item powers of 30 bytes. Stat powers 0..32 in their seven groups,
// magic powers 33..64 (one power bit each, some needing books of a realm, group 9 so they mix),
// 65 the spell charges.
// ITEMDATA.LBX entry 0: 250 prefab items of 56 bytes; costs 50..10,000, the dear ones large
// (kind 2), every seventh needing books, each icon within its type's range.
// NAMES.LBX entry 0: 210 hero names of 13 bytes, 35 hero types for each of six players.
namespace {

const char *const Magic_Power_Names[32] = {
    "Vampiric",      "Guardian Wind",  "Lightning",     "Cloak of Fear",   "Destruction",     "Wraithform",
    "Regeneration",  "Pathfinding",    "Water Walking", "Resist Elements", "Elemental Armor", "Doom",
    "Stoning",       "Endurance",      "Haste",         "Invisibility",    "Death",           "Flight",
    "Resist Magic",  "Magic Immunity", "Flaming",       "Holy Avenger",    "True Sight",      "Phantasmal",
    "Power Drain",   "Bless",          "Lion Heart",    "Giant Strength",  "Planar Travel",   "Merging",
    "Righteousness", "Invulnerability"};

const char *const Item_Adjectives[25] = {
    "Bright", "Grim", "Old",  "Keen",  "Stout", "Pale", "Red",  "Swift", "Silent", "Iron",  "Golden", "Ashen", "Storm",
    "Frost",  "Dawn", "Dusk", "Elder", "True",  "Wild", "Deep", "High",  "Lost",   "Proud", "Sly",    "Quiet"};

const char *const Hero_Names[NUM_HERO_TYPES] = {"Aldric", "Brenna", "Corvin", "Dagny",  "Edrik",  "Fenna",  "Garth",
                                                "Hilde",  "Ivor",   "Jorun",  "Kestra", "Lorcan", "Maren",  "Nils",
                                                "Orla",   "Perrin", "Quilla", "Rurik",  "Sigrid", "Torben", "Ulla",
                                                "Varek",  "Wynna",  "Yorick", "Zelda",  "Anselm", "Bryony", "Cadoc",
                                                "Delia",  "Eamon",  "Freya",  "Gideon", "Halla",  "Isolde", "Jarek"};

constexpr uint16_t WEAPONS = 0x0F;  // Sword, Mace, Axe, Bow
constexpr uint16_t CASTERS = 0x70;  // Staff, Wand, Misc
constexpr uint16_t ARMOUR = 0x380;  // Shield, Chain, Plate
constexpr uint16_t ALL_TYPES = 0x3FF;

void Put_Power(Bytes &records, int p, const std::string &name, uint16_t mask, uint16_t cost, uint8_t group,
               uint8_t realm, uint8_t books, uint32_t bits)
{
    uint8_t *r = records.data() + (size_t)p * ITEM_POWER_RECORD_SIZE;
    Bytes record(ITEM_POWER_RECORD_SIZE, 0);
    Put_Name(record, 0, 18, name);
    memcpy(r, record.data(), 18);
    LE_Put_U16(r + 18, mask);
    LE_Put_U16(r + 20, cost);
    r[22] = group;
    r[23] = realm;
    r[24] = books;
    r[25] = (uint8_t)(p & 1);
    LE_Put_U32(r + 26, bits);
}

}  // namespace

void Write_ITEMPOW_LBX(const std::string &folder)
{
    Standin_Archive archive{"ITEMPOW", {}, {}};
    Bytes records((size_t)NUM_ITEM_POWERS * ITEM_POWER_RECORD_SIZE, 0);
    for (int k = 1; k <= 6; k++) {
        Put_Power(records, k - 1, "+" + std::to_string(k) + " Attack", WEAPONS | 0x40, (uint16_t)(40 * k * k), 0, 0, 0,
                  0);
        Put_Power(records, k + 5, "+" + std::to_string(k) + " Defense", ALL_TYPES, (uint16_t)(30 * k * k), 2, 0, 0, 0);
        Put_Power(records, k + 18, "+" + std::to_string(k) + " Resistance", ALL_TYPES, (uint16_t)(25 * k * k), 6, 0, 0,
                  0);
    }
    for (int k = 1; k <= 3; k++) {
        Put_Power(records, k + 11, "+" + std::to_string(k) + " To Hit", WEAPONS | 0x40, (uint16_t)(100 * k), 1, 0, 0,
                  0);
    }
    for (int k = 1; k <= 4; k++) {
        Put_Power(records, k + 14, "+" + std::to_string(k) + " Movement", CASTERS | ARMOUR, (uint16_t)(60 * k), 5, 0, 0,
                  0);
        Put_Power(records, k + 24, "+" + std::to_string(5 * k) + " Spell Skill", CASTERS, (uint16_t)(80 * k), 3, 0, 0,
                  0);
        Put_Power(records, k + 28, "-" + std::to_string(k) + " Spell Save", CASTERS, (uint16_t)(90 * k), 4, 0, 0, 0);
    }
    for (int b = 0; b < 32; b++) {
        const uint16_t mask = b % 3 == 0 ? WEAPONS : b % 3 == 1 ? ARMOUR | 0x40 : ALL_TYPES;
        const uint8_t books = (uint8_t)(b % 4 == 3 ? 0 : 1 + b % 4);
        Put_Power(records, 33 + b, Magic_Power_Names[b], mask, (uint16_t)(100 + 75 * b), 9, (uint8_t)(b % 5), books,
                  1u << b);
    }
    Put_Power(records, ITEM_POWER_CHARGES, "Spell Charges", 0x30, 0, 8, 1, 1, 0);
    archive.Add_Record_Table(NUM_ITEM_POWERS, ITEM_POWER_RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}

void Write_ITEMDATA_LBX(const std::string &folder)
{
    Standin_Archive archive{"ITEMDATA", {}, {}};
    Bytes records((size_t)NUM_PREFAB_ITEMS * PREFAB_RECORD_SIZE, 0);
    for (int i = 0; i < NUM_PREFAB_ITEMS; i++) {
        uint8_t *r = records.data() + (size_t)i * PREFAB_RECORD_SIZE;
        const int type = i % NUM_ITEM_TYPES;
        const Item_Type_Info &info = item_type_table[type];
        const int icon = info.first_icon + (i / NUM_ITEM_TYPES) % info.icon_count;
        // Costs rise by steps from 50 to 10,000 over the table, each type across the whole range.
        const int cost = 50 + (int)((int64_t)((i * 37) % NUM_PREFAB_ITEMS) * 9950 / (NUM_PREFAB_ITEMS - 1));
        std::string name = std::string(Item_Adjectives[(i / NUM_ITEM_TYPES) % 25]) + " " + info.name;
        Bytes record(PREFAB_RECORD_SIZE, 0);
        Put_Name(record, 0, 30, name);
        memcpy(r, record.data(), 30);
        LE_Put_I16(r + 30, (int16_t)icon);
        r[32] = info.slot_class;
        r[33] = (uint8_t)type;
        LE_Put_I16(r + 34, (int16_t)cost);
        const int bonus = 1 + cost / 2000;
        if (type <= 3) r[36] = (uint8_t)bonus;                      // attack
        if (type <= 3) r[37] = (uint8_t)(i % 3);                    // to hit
        if (type >= 7) r[38] = (uint8_t)bonus;                      // defence
        if (type == 6) r[39] = (uint8_t)(i % 2);                    // whole moves
        if (type == 6 || type >= 7) r[40] = (uint8_t)(i % 4);       // resistance
        if (type == 4 || type == 5) r[41] = (uint8_t)(5 * bonus);   // spell skill
        if (type == 4 || type == 5) r[42] = (uint8_t)(i % 3);       // spell save
        if (type == 4 || type == 5) r[43] = (uint8_t)(1 + i % 40);  // charged spell
        if (type == 4 || type == 5) LE_Put_I16(r + 44, (int16_t)(1 + i % 4));
        LE_Put_U32(r + 46, cost >= 1000 ? 1u << (i % 32) : 0u);
        if (i % 7 == 6) r[50 + (i / 7) % 5] = (uint8_t)(1 + i % 3);
        r[55] = cost > 1000 ? 1 : 0;
    }
    archive.Add_Record_Table(NUM_PREFAB_ITEMS, PREFAB_RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}

void Write_NAMES_LBX(const std::string &folder)
{
    Standin_Archive archive{"NAMES", {}, {}};
    Bytes records((size_t)NAMES_RECORDS * NAMES_RECORD_SIZE, 0);
    for (int p = 0; p < 6; p++) {
        for (int t = 0; t < NUM_HERO_TYPES; t++) {
            Bytes record(NAMES_RECORD_SIZE, 0);
            std::string name = Hero_Names[(t + 7 * p) % NUM_HERO_TYPES];
            Put_Name(record, 0, NAMES_RECORD_SIZE, name);
            memcpy(records.data() + (size_t)(p * NUM_HERO_TYPES + t) * NAMES_RECORD_SIZE, record.data(),
                   NAMES_RECORD_SIZE);
        }
    }
    archive.Add_Record_Table(NAMES_RECORDS, NAMES_RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}
