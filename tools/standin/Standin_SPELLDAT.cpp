#include "STU_LE.h"
#include "Standin.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Ids.h"

// 215 invented spells of 36 bytes, numbered as the game numbers spells: record 0 is no spell, then
// forty to each of the five colour realms (spell = realm x 40 + rank + 1; the first eight of each
// summon a creature), then the arcane spells from 201; 213 and 214 close the table.
namespace {

const char *const Realm_Words[5][8] = {
    {"Moss", "Thorn", "Fern", "Root", "Bramble", "Willow", "Stag", "Loam"},
    {"Mist", "Gale", "Glass", "Echo", "Cloud", "Veil", "Tide", "Wisp"},
    {"Cinder", "Ash", "Ember", "Slag", "Blaze", "Rift", "Char", "Sear"},
    {"Dawn", "Halo", "Balm", "Candle", "Grace", "Lark", "Vow", "Gleam"},
    {"Dusk", "Bone", "Grave", "Shade", "Rot", "Crypt", "Hollow", "Gloom"},
};
const char *const Spell_Nouns[5] = {"Ward", "Call", "Surge", "Mark", "Veil"};
const char *const Arcane_Names[12] = {"Bind Lesser", "Far Sight", "Recall",      "Unseal",
                                      "Quell",       "Seek Lore", "Mirror Step", "Bind Greater",
                                      "Null Field",  "Rune Ward", "Arcane Tide", "Sever"};

const int Cycled_Types[13] = {1, 2, 3, 4, 5, 10, 15, 16, 17, 18, 19, 21, 22};

int Section_Of(int type)
{
    switch (type) {
    case 0: return 1;
    case 1: return 3;
    case 2:
    case 3: return 2;
    case 4: return 4;
    case 10:
    case 15:
    case 16:
    case 21:
    case 22: return 5;
    default: return 0;
    }
}

int Casting_Place_Of(int type)
{
    switch (type) {
    case 10:
    case 15:
    case 16:
    case 21:
    case 22: return 1;
    case 18:
    case 19: return 2;
    default: return 0;
    }
}

// The spells the computer wizards choose and aim: each has the type through which a completed cast
// reaches its target picker, and the spells of the unit-enchantment, city-enchantment and attack
// choices carry the AI group codes 6, 8 and 9 that weigh those choices. The parameter is the unit
// enchantment bit (type 1), the city enchantment (types 2 and 3), the global-enchantment slot
// (type 9) or the wizard-spell subtype (types 6 and 17). Code -1 keeps the spell's own code, so the
// codes 16, 35, 59 and 81 stay on researchable spells (16, 35, 59, 81, 198 among them).
struct Computer_Spell_Row {
    int spell;
    int type;
    int parameter;
    int ai_group;
};

// clang-format off
const Computer_Spell_Row Computer_Spell_Rows[] = {
    // unit enchantments
    {2, 1, 1 << 9, 6},    {4, 1, 1 << 27, 6},   {7, 1, 1 << 11, 6},   {8, 1, 1 << 8, 6},
    {16, 1, 1 << 7, 6},   {21, 1, 1 << 10, 6},  {24, 1, 1 << 12, 6},  {31, 1, 1 << 6, 6},
    {41, 1, 1 << 18, 6},  {44, 1, 1 << 1, 6},   {51, 1, 0, 6},        {54, 1, 1 << 14, 6},
    {56, 1, 1 << 17, 6},  {62, 1, 1 << 15, 6},  {63, 1, 1 << 16, 6},  {69, 1, 1 << 19, 6},
    {86, 1, 1 << 21, 6},  {93, 5, 0, 6},        {94, 1, 1 << 20, 6},  {99, 1, 1 << 0, 6},
    {121, 1, 1 << 25, 6}, {123, 1, 1 << 13, 6}, {124, 1, 1 << 23, 6}, {126, 1, 1 << 29, 6},
    {130, 1, 1 << 24, 6}, {131, 1, 1 << 22, 6}, {132, 5, 0, 6},       {138, 1, 1 << 28, 6},
    {141, 1, 1 << 26, 6}, {143, 1, (int)(1u << 31), 6}, {144, 1, 1 << 30, 6}, {164, 1, 1 << 3, 6},
    {173, 5, 0, 6},       {175, 1, 1 << 4, 6},  {181, 1, 1 << 5, 6},  {19, 5, 0, 6},
    {55, 5, 0, 6},
    // city enchantments
    {3, 5, 0, 8},         {18, 5, 0, 8},        {15, 5, 0, 8},        {28, 5, 0, 8},
    {37, 2, 15, 8},       {29, 2, 17, 8},       {77, 2, 8, 8},        {87, 2, 0, 8},
    {139, 2, 21, 8},      {148, 2, 16, 8},      {152, 2, 18, 8},      {145, 2, 19, 8},
    {153, 2, 20, 8},      {163, 2, 2, 8},       {185, 2, 6, 8},       {72, 5, 0, 8},
    {155, 2, 22, 8},      {178, 2, 23, 8},      {146, 2, 24, 8},
    // attacks
    {25, 4, 0, 9},        {26, 5, 0, 9},        {58, 6, 4, 9},        {68, 5, 0, 9},
    {80, 9, 6, 9},        {85, 5, 0, 9},        {107, 4, 0, 9},       {98, 5, 0, 9},
    {110, 3, 1, 9},       {119, 5, 0, 9},       {189, 3, 7, 9},       {186, 5, 0, 9},
    {187, 5, 0, 9},       {171, 6, 1, 9},       {183, 3, 3, 9},       {177, 6, 2, 9},
    {196, 3, 5, 9},       {190, 3, 4, 9},       {191, 17, 3, 9},
    // suppression and global enchantments
    {40, 9, 8, -1},       {156, 9, 16, -1},     {157, 9, 15, -1},     {198, 9, 1, -1},
    {38, 9, 9, -1},       {57, 9, 4, -1},       {59, 9, 3, -1},       {75, 5, 0, -1},
    {79, 9, 5, -1},       {76, 5, 0, -1},       {114, 9, 12, -1},     {116, 9, 10, -1},
    {117, 9, 11, -1},     {113, 9, 13, -1},     {120, 9, 14, -1},     {127, 9, 18, -1},
    {135, 9, 20, -1},     {154, 9, 19, -1},     {160, 9, 21, -1},     {158, 9, 17, -1},
    {197, 9, 0, -1},      {199, 5, 0, -1},      {188, 9, 2, -1},      {209, 9, 23, -1},
    // disenchanting, disjunction, special summons and the summoning circle
    {52, 19, 0, -1},      {204, 19, 0, -1},     {61, 20, 0, -1},      {210, 20, 0, -1},
    {43, 0, 0, -1},       {133, 5, 0, -1},      {142, 5, 0, -1},      {208, 5, 0, -1},
    {212, 5, 0, -1},      {203, 2, 0, -1},
};
// clang-format on

// The summons the computer wizards weigh: type 0, each calling one creature.
const int Computer_Summons[] = {6,   9,   14,  17,  20,  23,  27,  32,  36,  39,  65,  71,  78,  84,  92,  95, 97,
                                100, 103, 106, 111, 118, 129, 136, 147, 159, 161, 166, 176, 180, 184, 193, 200};

bool Is_Computer_Summon(int index)
{
    for (int spell : Computer_Summons) {
        if (spell == index) return true;
    }
    return false;
}

const Computer_Spell_Row *Computer_Spell(int index)
{
    for (const Computer_Spell_Row &row : Computer_Spell_Rows) {
        if (row.spell == index) return &row;
    }
    return nullptr;
}

// The unit view draws the creature that spell 111 names as a single figure, whatever its count.
uint32_t Single_Figure_Spell_Parameter(int index, uint32_t parameter)
{
    return index == spl_Chaos_Very_Rare_1 ? (uint32_t)ut_Sorcery_Creature_8 : parameter;
}

Bytes Spell_Record(int index)
{
    Bytes r(36, 0);
    if (index == 0) return r;
    int realm = index < FIRST_ARCANE_SPELL ? Spell_Realm(index) : sbr_Arcane;
    int k = index < FIRST_ARCANE_SPELL ? Spell_Rank(index) : index - FIRST_ARCANE_SPELL;
    std::string name;
    int type;
    uint32_t parameter;
    if (index == spl_Spell_Of_Mastery) {
        name = "Spell of Mastery";
        type = 5;
        parameter = 0;
    } else if (index == spl_Spell_Of_Return) {
        name = "Spell of Return";
        type = 5;
        parameter = 0;
    } else if (realm == 5) {
        name = Arcane_Names[k];
        type = (k == 0) ? 0 : 5;
        // The level rule reads spell 201's first parameter word as the bound of the unit types
        // that gain levels: the first summoned creature.
        parameter = (k == 0) ? (uint32_t)ut_Nature_Creature_1 : (uint32_t)k;
    } else if (k < 8 || Is_Computer_Summon(index)) {
        name = k < 8 ? std::string(Realm_Words[realm][k]) + " Beast"
                     : std::string(Realm_Words[realm][k % 8]) + " " + Spell_Nouns[(k - 8) / 8 % 5];
        type = 0;
        parameter = ut_Nature_Creature_1 + (uint32_t)((realm * 8 + k % 8) % 44);
    } else {
        name = std::string(Realm_Words[realm][k % 8]) + " " + Spell_Nouns[(k - 8) / 8 % 5];
        type = Cycled_Types[k % 13];
        switch (type) {
        case 1: parameter = 1u << (k % 16); break;
        case 3: parameter = (uint32_t)(k % 26); break;
        case 4: parameter = (uint32_t)(k % 24); break;
        case 10:
        case 21: parameter = (uint32_t)((k % 5) | ((k % 3) << 8)); break;
        default: parameter = (uint32_t)(k % 4); break;
        }
    }
    int ai_group = index % 91;
    if (const Computer_Spell_Row *row = Computer_Spell(index)) {
        type = row->type;
        parameter = (uint32_t)row->parameter;
        if (row->ai_group >= 0) ai_group = row->ai_group;
    }
    Put_Name(r, 0, 19, name);
    r[19] = (uint8_t)ai_group;
    r[21] = (uint8_t)type;
    r[22] = (uint8_t)Section_Of(type);
    r[23] = (uint8_t)realm;
    r[24] = (uint8_t)Casting_Place_Of(type);
    int casting = 15 + k * 12 + realm * 3;
    if (index >= spl_Spell_Of_Mastery) casting = 5000;
    LE_Put_I16(r.data() + 26, (int16_t)casting);
    LE_Put_I16(r.data() + 28, (int16_t)(index >= spl_Spell_Of_Mastery ? 30000 : casting * 8 + 40));
    LE_Put_I16(r.data() + 30, (int16_t)((k % 12) - 2));
    LE_Put_U32(r.data() + 32, Single_Figure_Spell_Parameter(index, parameter));
    return r;
}

}  // namespace

void Write_SPELLDAT_LBX(const std::string &folder)
{
    Standin_Archive archive{"SPELLDAT", {}, {}};
    Bytes records;
    for (int i = 0; i < NUM_SPELLS; ++i) {
        Bytes r = Spell_Record(i);
        records.insert(records.end(), r.begin(), r.end());
    }
    archive.Add_Record_Table(NUM_SPELLS, SPELL_DATA_RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}
