// Possessive endings for captions, kept within the caller's room.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cities/screens/City_Naming.h"

TEST(City_Naming, PossessiveAddsAnApostropheAfterSAndApostropheSOtherwise)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Kaelis", "Kaelis'"},
        {"Aldren", "Aldren's"},
        {"Merlin", "Merlin's"},
        {"Tlaloc", "Tlaloc's"},
        {"Horus", "Horus'"},
        {"ARES", "ARES'"},
        {"", "'s"},
    };
    for (const auto &c : cases) {
        char text[32] = {};
        strcpy(text, c.first);
        Possessive(text, sizeof text);
        EXPECT_STREQ(text, c.second) << c.first;
    }
}

TEST(City_Naming, PossessiveNeverWritesPastItsRoom)
{
    char text[9] = "Freya";
    char guard = 0x7F;
    Possessive(text, 7);
    EXPECT_STREQ(text, "Freya'");
    EXPECT_EQ(text[8], 0) << "untouched past the room";
    char full[6] = {'A', 'B', 'C', 'D', 'E', 'F'};
    Possessive(full, sizeof full);
    EXPECT_EQ(full[5], 'F') << "a text that fills its room unterminated is left alone";
    (void)guard;
}
