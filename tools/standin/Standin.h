// The stand-in installation: invented archives and user files in the DOS game's formats,
// so the program can be run and tested without the original data. Every archive is checked
// with the program's own loaders before it is put in place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// One archive under construction.
struct Standin_Archive {
    std::string name;  // base name, upper case, without ".LBX"
    std::vector<Bytes> entries;
    struct Record_Check {
        int16_t entry;
        int16_t count;
        int16_t size;
    };
    std::vector<Record_Check> record_checks;

    int16_t Add(const Bytes &entry);
    // Adds a record-table entry (u16 count, u16 size, records) and checks it on validation.
    int16_t Add_Record_Table(int16_t count, int16_t size, const Bytes &records);
};

// Validates the archive with the program's loaders in a staging folder, then moves it into
// folder. Ends the generator with a message when anything differs.
void Standin_Write_Archive(const std::string &folder, const Standin_Archive &archive);
void Standin_Write_File(const std::string &folder, const std::string &name, const Bytes &bytes);
[[noreturn]] void Standin_Fail(const std::string &what);

// ---- encoders ----
// A picture frame: width x height palette indices, row-major (pixels[y * width + x]); 0 stays transparent.
struct Standin_Frame {
    int width = 0;
    int height = 0;
    Bytes pixels;
    Standin_Frame(int w, int h, uint8_t colour = 0) : width(w), height(h), pixels((size_t)w * h, colour) {}
    void Fill_Rect(int x1, int y1, int x2, int y2, uint8_t colour);
    void Fill_Ellipse(int cx, int cy, int rx, int ry, uint8_t colour);
};
// The animation form of an archive picture: 18-byte header, u32 frame offsets, then frames of
// column records (plain runs over the non-zero pixels).
Bytes Standin_Picture(const std::vector<Standin_Frame> &frames, uint16_t loop_frame = 0, bool whole_frames = true);
// The same with runs of one colour packed, for large pictures of few colours.
Bytes Standin_Packed_Picture(const std::vector<Standin_Frame> &frames);
// A 5,472-byte palette entry: colours, font colour sets, pointer images, remap recipes.
Bytes Standin_Palette(int variant);
// FONTS.LBX entries 0, 1 and 2 exactly as the program carries them.
Bytes Standin_Font_Image(void);
Bytes Standin_Border_Styles(void);
Bytes Standin_Builtin_Palette(void);
// Decodes every frame with the program's own decoders and fails unless each matches its source.
void Standin_Check_Picture(const Bytes &picture, const std::vector<Standin_Frame> &frames, const std::string &what);

void Put_Name(Bytes &record, size_t offset, size_t width, const std::string &name);

// ---- writers, one per archive or user file ----
void Write_FONTS_LBX(const std::string &folder);
void Write_MAINSCRN_LBX(const std::string &folder);
void Write_WIZARDS_LBX(const std::string &folder);
void Write_SPELLDAT_LBX(const std::string &folder);
void Write_BUILDDAT_LBX(const std::string &folder);
void Write_TERRSTAT_LBX(const std::string &folder);
void Write_TERRTYPE_LBX(const std::string &folder);
void Write_CITYNAME_LBX(const std::string &folder);
void Write_CONFIG_KEL(const std::string &folder);
void Write_SOUNDFX_LBX(const std::string &folder);
void Write_MUSIC_LBX(const std::string &folder);
void Write_VORTEX_LBX(const std::string &folder);
void Write_LOAD_LBX(const std::string &folder);
void Write_RESOURCE_LBX(const std::string &folder);
void Write_HELP_LBX(const std::string &folder);
void Write_HLPENTRY_LBX(const std::string &folder);
// The picture with a palette block of its own: colours first..first+count-1 of the built-in palette.
Bytes Standin_With_Palette(Bytes picture, int first, int count);
void Write_LISTDAT_LBX(const std::string &folder);
void Write_BUILDESC_LBX(const std::string &folder);
void Write_EVENTS_LBX(const std::string &folder);
void Write_EVENTMSG_LBX(const std::string &folder);
void Write_MESSAGE_LBX(const std::string &folder);
void Write_SCROLL_LBX(const std::string &folder);
void Write_COMPIX_LBX(const std::string &folder);
void Write_CMBMAGIC_LBX(const std::string &folder);
void Write_CMBTCITY_LBX(const std::string &folder);
void Write_CHRIVER_LBX(const std::string &folder);
void Write_CITYWALL_LBX(const std::string &folder);
void Write_Combat_Terrain_LBX(const std::string &folder);
void Write_Combat_Sounds_LBX(const std::string &folder);
void Write_DIPLOMSG_LBX(const std::string &folder);
void Write_DIPLOMAC_LBX(const std::string &folder);
void Write_NEWGAME_LBX(const std::string &folder);
void Write_RELOAD_LBX(const std::string &folder);
void Write_ARMYLIST_LBX(const std::string &folder);
void Write_HIRE_LBX(const std::string &folder);
void Write_ITEMPOW_LBX(const std::string &folder);
void Write_ITEMDATA_LBX(const std::string &folder);
void Write_NAMES_LBX(const std::string &folder);
void Write_RAROZ_LBX(const std::string &folder);
void Write_LILWIZ_LBX(const std::string &folder);
void Write_SPELLSCR_LBX(const std::string &folder);
void Write_HALOFAM_LBX(const std::string &folder);
void Write_WIZLAB_LBX(const std::string &folder);
void Write_CONQUEST_LBX(const std::string &folder);
void Write_LOSE_LBX(const std::string &folder);
void Write_WIN_LBX(const std::string &folder);
void Write_SPLMASTR_LBX(const std::string &folder);
void Write_SPELLOSE_LBX(const std::string &folder);
void Write_CMBTFX_LBX(const std::string &folder);
void Write_MONSTER_LBX(const std::string &folder);
void Write_DESC_LBX(const std::string &folder);
void Write_BOOK_LBX(const std::string &folder);
void Write_SPECFX_LBX(const std::string &folder);

// Sound entries (16-byte sound header, then the data).
Bytes Standin_VOC_Entry(const Bytes &samples, uint8_t time_constant);
Bytes Standin_XMIDI_Entry(const Bytes &events);
void Write_Saved_Games(const std::string &folder);
