#include <cstring>

#include "Standin.h"

// MESSAGE.LBX entry 0: 91 records of 150 bytes, the numbered messages of warnings, questions and
// notes. A record followed by a name ends in a space or is worded to run on into it (27, 66, 69).
// Records no screen reads carry a placeholder with their number.
namespace {

constexpr int RECORDS = 91;
constexpr int RECORD_SIZE = 150;

struct Message {
    int record;
    const char *text;
};

// clang-format off
const Message Messages[] = {
    {0, "An item can hold at most four powers."},
    {1, "You have chosen no powers. Stop making this item?"},
    {2, "Choose the Spell to Store"},
    {3, "That is not a valid target."},
    {4, "The Wall of Darkness hides that target from your missiles."},
    {5, "You Are Victorious"},
    {6, "You Have Been Defeated"},
    {7, "Your Forces Retreat"},
    {8, "The Battle Ends Undecided"},
    {9, "Your Enemy Has Fled"},
    {10, "Monsters rampage through the city."},
    {11, "Settlers cannot empty a wizard's fortress city."},
    {12, "The planes are sealed: this spell will do nothing. Cast it anyway?"},
    {13, "Every hero slot is taken. Cast it anyway?"},
    {14, "No other wizard holds a global enchantment. Cast it anyway?"},
    {15, "You know no other wizard with a standing fortress. Cast it anyway?"},
    {16, "You already hold this enchantment. Cast it anyway?"},
    {17, "One of your own global enchantments forbids this spell."},
    {18, "More city enchantments were dispelled."},
    {19, "More unit enchantments were dispelled."},
    {20, "Your unit is freed from stasis."},
    {21, "The world holds too many units: the summoning fails."},
    {22, "That unit already has a stronger form of this spell."},
    {23, "That unit already resists the elements by a stronger spell."},
    {24, "That unit already has a spell with the same power."},
    {25, "Your summoning circle is already in that city."},
    {26, "A wizard of death magic cannot be struck by this curse."},
    {27, "There is no wizard to target: the "},
    {28, "Nothing on that square can be disenchanted."},
    {29, "Only normal units without other changes can be given chaos channels."},
    {30, "That node is already warped."},
    {31, "That node has no master."},
    {32, "You cannot warp a node of your own."},
    {34, "The land of a node cannot be changed."},
    {35, "This terrain cannot be changed."},
    {36, "A volcano cannot rise from the water."},
    {37, "A volcano cannot rise on a mountain."},
    {38, "A volcano cannot rise on hills."},
    {39, "A volcano cannot rise on a node."},
    {40, "There is no ore here to transmute."},
    {41, "A node cannot be corrupted."},
    {42, "This land is already corrupted."},
    {43, "Water cannot be corrupted."},
    {44, "This city already has every spell ward."},
    {45, "More battle enchantments were removed."},
    {46, "More city enchantments were removed."},
    {47, "Every hero slot is taken: no hero answers the summons."},
    {48, "No hero answers the summons."},
    {49, "Every hero slot is taken: the incarnation finds no place."},
    {50, "The world holds too many units to summon another."},
    {51, "That hero already serves you."},
    {54, "The planes are sealed: no one may cross between them."},
    {55, "These units cannot cross to the water of the other plane."},
    {56, "Other units hold that square on the other plane."},
    {57, "The other plane has no room for these units."},
    {58, "A floating island can only be raised on water."},
    {59, "Another wizard's units stand there."},
    {60, "Nine of your units already stand there."},
    {62, "A hero cannot become a werewolf."},
    {63, "A fantastic creature cannot become a werewolf."},
    {64, "Magic has already changed that unit."},
    {65, "This city already has a wall of stone."},
    {66, "The world holds too many units to build more in "},
    {67, "Your heroes have found items: hand them out, or they are lost."},
    {68, "You have too little mana to undo that spell."},
    {69, "Normal units cannot be given "},
    {70, "Only chaos and death creatures can be struck by this spell."},
    {71, "This spell cannot touch a bodiless unit."},
    {72, "This spell only helps units that shoot."},
    {73, "That unit sees through illusions."},
    {74, "This spell has no hold on death creatures or the risen dead."},
    {76, "Ten magic vortices are already on the battlefield."},
    {77, "This battle is at your summoning circle already."},
    {78, "None of your units in this battle is a hero."},
    {79, "Your enemies have no chaos or death creatures."},
    {80, "No fallen unit can be animated."},
    {81, "None of your fallen units can be raised."},
    {82, "This battle already has that enchantment."},
    {83, "No unit here can be affected by this spell."},
    {84, "Nine of your units are already on the battlefield."},
    {85, "You cannot recall units while casting the spell of return."},
    {86, "A volcano cannot rise on a river."},
    {87, "That unit already has this power."},
    {88, "A unit already stands there."},
    {90, "That unit has this power by nature."},
};
// clang-format on

}  // namespace

void Write_MESSAGE_LBX(const std::string &folder)
{
    Bytes records((size_t)RECORDS * RECORD_SIZE, 0);
    bool worded[RECORDS] = {};
    for (const Message &message : Messages) {
        size_t length = strlen(message.text);
        if (message.record < 0 || message.record >= RECORDS || length >= RECORD_SIZE)
            Standin_Fail("MESSAGE: record " + std::to_string(message.record) + " does not fit");
        memcpy(records.data() + (size_t)message.record * RECORD_SIZE, message.text, length);
        worded[message.record] = true;
    }
    for (int record = 0; record < RECORDS; ++record) {
        if (worded[record]) continue;
        std::string text = "Stand-in message " + std::to_string(record) + ".";
        memcpy(records.data() + (size_t)record * RECORD_SIZE, text.data(), text.size());
    }
    Standin_Archive archive{"MESSAGE", {}, {}};
    archive.Add_Record_Table(RECORDS, RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}
