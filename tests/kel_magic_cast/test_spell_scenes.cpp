// Where the spell scenes take their pictures and sounds, and how long the square scene runs.
#include <string>

#include "Cast_Fixture.h"
#include "magic/Spell_Animations.h"
#include "world/Spell_Data_Record.h"

namespace {

class SpellScenes : public Cast_Test {};

TEST_F(SpellScenes, PicturesComeFromTheSpellsOwnEntryTheSummoningPictureOrTheRealm)
{
    spell_data_table[43].type = 0;  // a summoning that still shows its realm
    spell_data_table[43].magic_realm = 1;
    spell_data_table[44].type = 0;
    spell_data_table[44].magic_realm = 1;
    spell_data_table[120].type = 1;
    spell_data_table[120].magic_realm = 2;
    struct Case {
        int16_t spell;
        const char *archive;
        int16_t entry, large;
    };
    const Case cases[] = {
        {1, "CMBTFX", 14, 1},   {187, "SPECFX", 14, 1}, {58, "SPECFX", 40, 0},
        {109, "CMBTFX", 33, 0}, {43, "SPECFX", 1, 1},   {44, "CMBTFX", 22, 0},
        {137, "CMBTFX", 22, 0}, {120, "SPECFX", 2, 1},  {202, "SPECFX", 13, 0},
    };
    for (const Case &c : cases) {
        const Spell_Picture_Source source = Spell_Animation_Picture(c.spell);
        EXPECT_EQ(std::string(source.archive), c.archive) << c.spell;
        EXPECT_EQ(source.entry, c.entry) << c.spell;
        EXPECT_EQ(source.large, c.large) << c.spell;
    }
}

TEST_F(SpellScenes, ASignedSoundByteChoosesNewsoundAndAShortPictureStillRunsTwelveFrames)
{
    const char *archive = nullptr;
    spell_data_table[7].Sound = 0x00FE;
    EXPECT_EQ(Spell_Sound_Source(7, &archive), 2);
    EXPECT_EQ(std::string(archive), "NEWSOUND");
    spell_data_table[7].Sound = 0x1205;  // only the low byte counts
    EXPECT_EQ(Spell_Sound_Source(7, &archive), 5);
    EXPECT_EQ(std::string(archive), "SOUNDFX");
    EXPECT_EQ(Spell_Sound_Source(0, &archive), -1);
    EXPECT_EQ(Spell_Square_Scene_Passes(5), 15);
    EXPECT_EQ(Spell_Square_Scene_Passes(20), 23);
}

}  // namespace
