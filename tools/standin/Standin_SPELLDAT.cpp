#include "STU_LE.h"
#include "Standin.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Ids.h"

// 215 spells of 36 bytes, numbered as the game numbers spells: record 0 is no spell, then forty to
// each of the five colour realms (spell = realm x 40 + rank + 1, ten to a rarity band), then the
// arcane spells from 201; 213 and 214 close the table. The spells the rules name by number are
// designed one by one below; the others are invented in a cycle (the first eight of a realm summon a
// creature). Costs grow with the rank and the realm.
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

// The invented spells cycle through these types. City spells are only the designed ones, so that each
// city enchantment is made by one spell.
const int Cycled_Types[13] = {1, 5, 5, 4, 5, 10, 15, 16, 17, 18, 19, 21, 22};

// Where a spell may be cast (signed): overland only, in both at one price, in battle only. (0, in
// both but overland at five times the price, is given to no designed spell.)
constexpr int PLACE_OVERLAND = 1;
constexpr int PLACE_BOTH = 4;
constexpr int PLACE_COMBAT = -1;
constexpr int KEEP_CODE = -1;

// A damage spell's parameter: strength, immunity bits that stop it, damage flag word.
constexpr uint32_t Damage(uint32_t strength, uint32_t immunity = 0, uint32_t flags = 0)
{
    return strength | (immunity << 8) | (flags << 16);
}
constexpr uint32_t NO_ROLLS = 0x0010;

// The spells the rules dispatch on by number, each with its own name, the type through which it
// takes effect, where it may be cast and its parameter: the unit-enchantment bit (types 1 and 15),
// the city-enchantment index (types 2 and 3), the global-enchantment slot (type 9), the unit type
// summoned (type 0), the wizard-spell subtype (types 6 and 17), the battle-enchantment slot of the
// attacking side (types 10 and 21), the combat-effect bits (types 13, 14 and 16) or the damage
// (types 4 and 22, and the strikes of spells 109, 115 and 119). The computer wizards weigh unit
// enchantments, city enchantments and attacks by the AI codes 6, 8 and 9; KEEP_CODE keeps the
// spell's own code, so the codes 16, 35, 59 and 81 stay on researchable spells. A null name keeps
// the invented one.
struct Designed_Spell {
    int spell;
    const char *name;
    int type;
    int place;
    uint32_t parameter;
    int ai_group;
};

constexpr int B = PLACE_BOTH;
constexpr int O = PLACE_OVERLAND;
constexpr int C = PLACE_COMBAT;
constexpr int K = KEEP_CODE;

// clang-format off
const Designed_Spell Designed_Spells[] = {
    // Nature
    {1, "Mire Field", 5, C, 0, K},              {2, "Weatherhide", 1, B, 0x200, 6},
    {3, "Stone Ring", 5, B, 0, 8},              {4, "Oak Sinew", 1, B, 0x8000000, 6},
    {5, "Vine Snare", 14, C, 0x1000, K},        {7, "Pebblehide", 1, B, 0x800, 6},
    {8, "Reedstep", 1, B, 0x100, 6},            {10, "Land Sense", 5, O, 0, K},
    {11, "Split Ground", 5, C, 0, K},           {12, "Hawk Sight", 2, O, 14, K},
    {13, "Stone Hail", 22, C, Damage(8), K},    {15, "Reshape Land", 5, O, 0, 8},
    {16, "Trailsense", 1, B, 0x80, 6},          {18, "Ore Turning", 5, O, 0, 8},
    {19, "Green Mending", 5, O, 0, 6},          {21, "Stormhide", 1, B, 0x400, 6},
    {22, "Stone Gaze", 12, C, 0, K},            {24, "Ironbark", 1, B, 0x1000, 6},
    {25, "Thorn Storm", 4, O, Damage(10), 9},   {26, "Groundshake", 5, O, 0, 9},
    {28, "Tower Walk", 5, O, 0, 8},             {29, "Rich Harvest", 2, O, 17, 8},
    {30, "Moss Guardian", 0, C, ut_Nature_Creature_9, K},
    {31, "Rootblood", 1, B, 0x40, 6},           {33, "Tangleroot", 10, C, 24, K},
    {34, "Wild Watch", 9, O, 7, K},
    {35, "Storm Call", 10, C, 18, K},           {37, "Stone Gate", 2, O, 15, 8},
    {38, "Verdant Rule", 9, O, 9, K},           {40, "Deep Roots", 9, O, 8, K},
    // Sorcery
    {41, "Spellshield", 1, B, 0x40000, 6},      {42, "Unweave", 18, C, 0, K},
    {43, "Drifting Isle", 0, O, ut_Sorcery_Creature_1, K},
    {44, "Wind Cloak", 1, B, 0x2, 6},           {45, "Mist Sprite", 0, C, ut_Sorcery_Creature_9, K},
    {46, "Befuddle", 13, C, 0x2, K},            {47, "Homeward", 5, B, 0, K},
    {48, "Counterweave", 10, C, 20, K},         {50, "Glass Shards", 22, C, Damage(6), K},
    {51, nullptr, 1, B, 0, 6},                  {52, "Unmake Area", 19, B, 0, K},
    {53, "Spin Head", 13, C, 0x1, K},           {54, "Runelock", 1, B, 0x4000, 6},
    {55, "Swift Roads", 5, O, 0, 6},            {56, "Skyward", 1, B, 0x20000, 6},
    {57, "Sea Breath", 9, O, 4, K},             {58, "Spell Shatter", 6, O, 4, 9},
    {59, "Veil of Stars", 9, O, 3, K},          {60, "Storm Wyrm", 0, C, ut_Chaos_Creature_9, K},
    {61, "Unbinding", 20, O, 0, K},             {62, "Vanish", 1, B, 0x8000, 6},
    {63, "Wind Stride", 1, B, 0x10000, 6},      {64, "Banishment", 12, C, 0, K},
    {66, "Air Spirit", 0, C, ut_Life_Creature_9, K},
    {67, "Mass Fade", 10, C, 22, K},            {68, "Stillness", 5, O, 0, 9},
    {69, "Null Skin", 1, B, 0x80000, 6},        {72, "Ward Weaving", 5, O, 0, 8},
    {73, "Mind Leash", 13, C, 0x2000, K},       {74, "Mana Bleed", 10, C, 26, K},
    {75, "Great Dismissal", 5, O, 0, K},        {76, "Spell Theft", 5, O, 0, K},
    {77, "Sky Citadel", 2, O, 8, 8},            {79, "Hush of Magic", 9, O, 5, K},
    {80, "Still Hour", 9, O, 6, 9},
    // Chaos
    {81, "Rot Wood", 5, C, 0, K},               {82, "Breach", 5, C, 0, K},
    {83, "Fire Dart", 22, C, Damage(5), K},     {85, "Blight", 5, O, 0, 9},
    {86, "Wild Edge", 1, B, 0x200000, 6},       {87, "Fire Wall", 2, O, 0, 8},
    {88, "Brittle Blade", 13, C, 0x10, K},      {89, "Twist Flesh", 5, C, 0, K},
    {90, "Fire Imp", 0, C, ut_Demon, K},        {91, "Rift Bolt", 22, C, Damage(6, 0, NO_ROLLS), K},
    {93, "Wild Channels", 5, B, 0, 6},          {94, "Flame Edge", 1, B, 0x100000, 6},
    {96, "Fire Lash", 22, C, Damage(5), K},     {98, "Fire Mount", 5, O, 0, 9},
    {99, "Burning Aura", 1, B, 0x1, 6},         {102, "Charged Arms", 10, C, 10, K},
    {105, "Mana Whirl", 5, C, 0, K},            {107, "Flame Burst", 4, O, Damage(12), 9},
    {108, "Smoke Pall", 10, C, 4, K},           {109, "Fire Sweep", 10, C, Damage(6), K},
    {110, "Rift Seed", 3, O, 1, 9},             {112, "Unmaking", 12, C, 0, K},
    {113, "Star Fall", 9, O, 13, K},            {114, "Wasting", 9, O, 12, K},
    {115, "Ember Rain", 10, C, Damage(4, 0, NO_ROLLS), K},
    {116, "Wild Surge", 9, O, 10, K},           {117, "Doom Mark", 9, O, 11, K},
    {119, "Void Call", 5, O, Damage(10), 9},    {120, "Worldfire", 9, O, 14, K},
    // Life
    {121, "Blessing", 1, B, 0x2000000, 6},      {122, "Holy Strike", 4, C, Damage(8), K},
    {123, "Steadfast", 1, B, 0x2000, 6},        {124, "Bright Blade", 1, B, 0x800000, 6},
    {125, "Mend", 5, C, 0, K},                  {126, "Bright Mail", 1, B, 0x20000000, 6},
    {127, "Just Rule", 9, O, 18, K},            {128, "Dawnlight", 10, C, 0, K},
    {130, "Valour", 15, B, 0x1000000, 6},       {131, "Clear Eye", 1, B, 0x400000, 6},
    {132, "Plane Step", 5, O, 0, 6},            {133, "Revival", 5, O, 0, K},
    {134, "Cleanse Evil", 12, C, 0, K},         {135, "Sealed Gates", 9, O, 20, K},
    {137, "Rise Again", 5, C, 0, K},            {138, "Wayfarer", 1, B, 0x10000000, 6},
    {139, "Heaven Glow", 2, O, 21, 8},          {140, "Rally", 10, C, 12, K},
    {141, "Brave Heart", 1, B, 0x4000000, 6},   {142, "Reborn Hero", 5, O, 0, K},
    {143, "Unbreakable", 1, B, 0x80000000u, 6}, {144, "Pure Soul", 1, B, 0x40000000, 6},
    {145, "Plenty", 2, O, 19, 8},               {146, "War Altar", 2, O, 24, 8},
    {148, "Life Spring", 2, O, 16, 8},          {149, "Mass Mend", 10, C, 0, K},
    {150, "Sacred Word", 10, C, 0, K},          {151, "Holy Host", 10, C, 14, K},
    {152, "Muse", 2, O, 18, 8},                 {153, "Star Gate", 2, O, 20, 8},
    {154, "Blessed Arms", 9, O, 19, K},         {155, "Hallowing", 2, O, 22, 8},
    {156, "Vital Force", 9, O, 16, K},          {157, "Calm", 9, O, 15, K},
    {158, "Glory", 9, O, 17, K},                {160, "Guiding Light", 9, O, 21, K},
    // Death
    {162, "Wither", 16, C, 0x20, K},            {163, "Blood Rites", 2, O, 2, 8},
    {164, "Dread Cloak", 1, B, 0x8, 6},         {165, "Deep Sleep", 13, C, 0x40, K},
    {167, "Life Leech", 22, C, Damage(4), K},   {168, "Terror", 10, C, 16, K},
    {169, "Nightfall", 10, C, 2, K},            {171, "Mind Rot", 6, O, 1, 9},
    {172, "Possess", 16, C, 0x4000, K},         {173, "Wolf Curse", 5, O, 0, 6},
    {174, "Dread Pall", 10, C, 6, K},           {175, "Dark Channels", 1, B, 0x10, 6},
    {177, "Mana Drain", 6, O, 2, 9},            {178, "Shadow Wall", 2, O, 23, 8},
    {179, "Blood Rage", 1, C, 0x4, K},          {181, "Ghost Form", 1, B, 0x20, 6},
    {182, "Torment", 10, C, 8, K},              {183, "Gloom Presence", 3, O, 3, 9},
    {185, "Shadow Cloud", 2, O, 6, 8},          {186, "Node Warp", 5, O, 0, 9},
    {187, "Death Gale", 5, O, 0, 9},            {188, "Night Eternal", 9, O, 2, K},
    {189, "Hunger Curse", 3, O, 7, 9},          {190, "Barren Curse", 3, O, 4, 9},
    {191, "Treason", 17, O, 3, 9},              {192, "Soul Rend", 13, C, 0x400, K},
    {194, "Death Word", 10, C, 0, K},           {195, "Grave Call", 5, C, 0, K},
    {196, "Plague Curse", 3, O, 5, 9},          {197, "Dark Zeal", 9, O, 0, K},
    {198, "Evil Sign", 9, O, 1, K},             {199, "Doom Wish", 5, O, 0, K},
    // Arcane
    {201, "Bind Lesser", 0, O, ut_Nature_Creature_1, K},
    {203, "Gather Point", 2, O, 0, K},          {204, "Disperse", 19, B, 0, K},
    {205, "Call Back", 5, C, 0, K},             {206, "Vigil", 9, O, 22, K},
    {207, "Forge Trinket", 11, O, 0, K},        {208, "Hero's Call", 5, O, 0, K},
    {209, "Far Awareness", 9, O, 23, K},        {210, "Sunder", 20, O, 0, K},
    {211, "Forge Relic", 11, O, 0, K},          {212, "Champion's Call", 5, O, 0, K},
    {213, "Spell of Mastery", 5, O, 0, K},      {214, "Spell of Return", 5, O, 0, K},
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

// The unit view draws the creature that spell 111 names as a single figure, whatever its count.
uint32_t Single_Figure_Spell_Parameter(int index, uint32_t parameter)
{
    return index == spl_Chaos_Very_Rare_1 ? (uint32_t)ut_Sorcery_Creature_8 : parameter;
}

const Designed_Spell *Designed(int index)
{
    for (const Designed_Spell &row : Designed_Spells) {
        if (row.spell == index) return &row;
    }
    return nullptr;
}

// The book section of a type: 0 special, 1 summoning, 2 enchantment, 3 city, 4 unit, 5 combat.
int Section_Of(int type)
{
    switch (type) {
    case 0: return 1;
    case 1:
    case 15: return 4;
    case 2:
    case 3: return 3;
    case 9: return 2;
    case 4:
    case 5:
    case 6:
    case 11:
    case 17:
    case 19:
    case 20: return 0;
    default: return 5;
    }
}

// Where an invented spell may be cast follows its type: the types that take effect only in battle
// are cast only there, unit enchantments and area disenchanting in both, the rest overland.
int Casting_Place_Of(int type)
{
    switch (type) {
    case 1:
    case 15:
    case 19: return PLACE_BOTH;
    case 7:
    case 8:
    case 10:
    case 12:
    case 13:
    case 14:
    case 16:
    case 18:
    case 21:
    case 22:
    case 23: return PLACE_COMBAT;
    default: return PLACE_OVERLAND;
    }
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
    if (realm == sbr_Arcane) {
        name = Arcane_Names[k % 12];
        type = 5;
        parameter = (uint32_t)k;
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
        case 4: parameter = (uint32_t)(k % 24); break;
        case 10:
        case 21: parameter = (uint32_t)((k % 5) | ((k % 3) << 8)); break;
        default: parameter = (uint32_t)(k % 4); break;
        }
    }
    int place = Casting_Place_Of(type);
    int ai_group = index % 91;
    if (const Designed_Spell *row = Designed(index)) {
        if (row->name != nullptr) name = row->name;
        type = row->type;
        place = row->place;
        parameter = row->parameter;
        if (row->ai_group != KEEP_CODE) ai_group = row->ai_group;
    }
    Put_Name(r, 0, 19, name);
    r[19] = (uint8_t)ai_group;
    r[21] = (uint8_t)type;
    r[22] = (uint8_t)Section_Of(type);
    r[23] = (uint8_t)realm;
    r[24] = (uint8_t)(int8_t)place;
    int casting = 15 + k * 12 + realm * 3;
    int research = casting * 8 + 40;
    // An item's price is set when it is made, so the two item spells cost nothing of their own.
    if (type == 11) casting = 0;
    if (index >= spl_Spell_Of_Mastery) {
        casting = 5000;
        research = 30000;
    }
    LE_Put_I16(r.data() + 26, (int16_t)casting);
    LE_Put_I16(r.data() + 28, (int16_t)research);
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

// The spell descriptions: 215 records of 110 bytes, each naming its spell, its realm and where it
// may be cast, in words of our own.
void Write_DESC_LBX(const std::string &folder)
{
    static const char *const realms[6] = {"Nature", "Sorcery", "Chaos", "Life", "Death", "Arcane"};
    Bytes records((size_t)NUM_SPELLS * 110, 0);
    for (int i = 1; i < NUM_SPELLS; ++i) {
        Bytes r = Spell_Record(i);
        std::string name(reinterpret_cast<const char *>(r.data()));
        int8_t place = (int8_t)r[24];
        std::string text = name + ": a stand-in " + realms[r[23] % 6] + " spell, cast " +
                           (place < 0    ? "in battle only."
                            : place == 1 ? "overland only."
                                         : "overland and in battle.");
        for (size_t c = 0; c < text.size() && c < 109; ++c) records[(size_t)i * 110 + c] = (uint8_t)text[c];
    }
    Standin_Archive archive{"DESC", {}, {}};
    archive.Add_Record_Table(NUM_SPELLS, 110, records);
    Standin_Write_Archive(folder, archive);
}
