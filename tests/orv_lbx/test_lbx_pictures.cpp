// Archive pictures are checked once when loaded; a damaged one ends the program through the
// archive error path, naming the archive and the entry, before anything draws it.
#include <gtest/gtest.h>

#include "../orv_pictures/picture_fixture.h"
#include "Allocate.h"
#include "LBX_Pictures.h"
#include "lbx_fixture.h"

namespace {

Bytes Good_Animation(int frames = 2)
{
    std::vector<Bytes> columns;
    for (int f = 0; f < frames; ++f) columns.push_back(Encode_Frame(2, 2, Bytes{1, 2, 3, 4}, false));
    return Animation(2, 2, columns);
}

// The animation with palette information appended: main block of 2 colours, per-frame entries.
Bytes With_Palette(Bytes a, uint16_t data_at_shift = 0, uint8_t frame_count = 1)
{
    uint16_t count = LE_U16(a.data() + FLIC_FRAME_COUNT);
    uint32_t info = (uint32_t)a.size();
    uint32_t data = info + 8 + 4 * (count - 1);
    Bytes p(8 + 4 * (count - 1) + 6, 0);
    LE_Put_U16(p.data() + 0, (uint16_t)(data + data_at_shift));
    LE_Put_U16(p.data() + 2, 10);
    LE_Put_U16(p.data() + 4, 2);
    p[6] = 1;
    for (int f = 1; f < count; ++f) {
        LE_Put_U16(p.data() + 8 + 4 * (f - 1), (uint16_t)data);
        p[8 + 4 * (f - 1) + 2] = 20;
        p[8 + 4 * (f - 1) + 3] = frame_count;
    }
    a.insert(a.end(), p.begin(), p.end());
    LE_Put_U16(a.data() + FLIC_PALETTE_INFO, (uint16_t)info);
    return a;
}

}  // namespace

TEST(LBX_Pictures, SoundEntriesLoadAndDamagedOnesEndTheProgramNamingThem)
{
    Pool_Init_Guard_Mode(0);
    LBX_Folder folder;
    Bytes good = Good_Animation();
    Bytes good_palette = With_Palette(Good_Animation(3));
    struct Case {
        const char *what;
        Bytes entry;
        bool sound;
    };
    std::vector<Case> cases;
    cases.push_back({"plain", good, true});
    cases.push_back({"with palettes", good_palette, true});
    cases.push_back({"shorter than the header", Bytes(good.begin(), good.begin() + 17), false});
    Bytes offsets = good;  // the damage that crashed the main menu
    LE_Put_U32(offsets.data() + FLIC_FRAME_OFFSETS, 0x80000000u);
    LE_Put_U32(offsets.data() + FLIC_FRAME_OFFSETS + 4, 0x80000100u);
    cases.push_back({"frame offsets far outside", offsets, false});
    Bytes last = good;
    LE_Put_U32(last.data() + FLIC_FRAME_OFFSETS + 8, (uint32_t)good.size() + 1);
    cases.push_back({"last offset one past the end", last, false});
    Bytes order = good;
    LE_Put_U32(order.data() + FLIC_FRAME_OFFSETS + 4, LE_U32(good.data() + FLIC_FRAME_OFFSETS));
    cases.push_back({"empty frame", order, false});
    Bytes into_table = good;
    LE_Put_U32(into_table.data() + FLIC_FRAME_OFFSETS, 20);
    cases.push_back({"frame inside the offset table", into_table, false});
    Bytes count = good;
    LE_Put_U16(count.data() + FLIC_FRAME_COUNT, 0xFFFF);
    cases.push_back({"frame count beyond the table", count, false});
    Bytes no_frames = good;
    LE_Put_U16(no_frames.data() + FLIC_FRAME_COUNT, 0);
    cases.push_back({"no frames", no_frames, false});
    Bytes info = good;
    LE_Put_U16(info.data() + FLIC_PALETTE_INFO, (uint16_t)(good.size() - 4));
    cases.push_back({"palette information past the end", info, false});
    cases.push_back({"palette colours past the end", With_Palette(Good_Animation(3), 4), false});
    cases.push_back({"frame colours past the end", With_Palette(Good_Animation(3), 0, 3), false});
    for (const Case &c : cases) {
        folder.Write("PICS.LBX", LBX_Writer_Archive({Pattern(4, 0), c.entry}));
        LBX_Close();
        if (c.sound) {
            uint8_t *picture = LBX_Load_Picture("pics.lbx", 1);
            EXPECT_EQ(Bytes(picture, picture + c.entry.size()), c.entry) << c.what;
            continue;
        }
        EXPECT_EXIT(LBX_Load_Picture("pics.lbx", 1), testing::ExitedWithCode(1),
                    "PICS\\.LBX \\[entry 1\\]  has been corrupted\\.")
            << c.what;
    }
}

TEST(LBX_Pictures, EveryLoaderChecks)
{
    Pool_Init_Guard_Mode(0);
    LBX_Folder folder;
    Bytes bad = Good_Animation();
    LE_Put_U32(bad.data() + FLIC_FRAME_OFFSETS, 0x80000000u);
    Bytes bitmap = Bitmap(4, 3, 7);
    bitmap.resize(16 + 12);
    Bytes short_bitmap(bitmap.begin(), bitmap.end() - 1);
    folder.Write("PICS.LBX", LBX_Writer_Archive({Good_Animation(), bad, bitmap, short_bitmap}));
    SAMB_ptr block = Allocate_Space(64);
    LBX_Reload_Picture("PICS", 0, block);
    LBX_Reload_Next_Picture("PICS", 0, block);
    EXPECT_NE(LBX_Reload_Bitmap("PICS", 2, block), nullptr);
    EXPECT_EXIT(LBX_Reload_Picture("PICS", 1, block), testing::ExitedWithCode(1),
                "PICS\\.LBX \\[entry 1\\]  has been corrupted\\.");
    EXPECT_EXIT(LBX_Reload_Next_Picture("PICS", 1, block), testing::ExitedWithCode(1), "PICS\\.LBX \\[entry 1\\]");
    EXPECT_EXIT(LBX_Reload_Bitmap("PICS", 3, block), testing::ExitedWithCode(1),
                "PICS\\.LBX \\[entry 3\\]  has been corrupted\\.");
}

TEST(LBX_Error_Handler, NamesTheBaseNameAndTheArchiveFolder)
{
    LBX_Folder folder;
    folder.Write("RECS.LBX", LBX_Writer_Archive({Record_Table(2, 6)}));
    // A name passed with its extension is named once, with the folder it came from.
    EXPECT_EXIT(Error_Handler("RECS.LBX", 9, 0, 0), testing::ExitedWithCode(1),
                "^RECS\\.LBX \\[entry 0\\]  has an incorrect record size\nArchive folder: " + folder.Path());
    EXPECT_EXIT(LBX_Load("gone.lbx", 2), testing::ExitedWithCode(1),
                "^GONE\\.LBX \\[entry 2\\]  could not be found\\.\nArchive folders searched: " + folder.Path());
}
