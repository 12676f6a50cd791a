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
    } else if (k < 8) {
        name = std::string(Realm_Words[realm][k]) + " Beast";
        type = 0;
        parameter = ut_Nature_Creature_1 + (uint32_t)((realm * 8 + k) % 44);
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
    Put_Name(r, 0, 19, name);
    r[19] = (uint8_t)(index % 91);
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
