#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "STU_Compat.h"
#include "STU_GRAF.h"
#include "STU_SHA256.h"
#include "STU_Wrappers.h"
#include "Test_Temp_Dir.h"

namespace {

// Points every per-user folder at a temporary home and restores the environment afterwards.
struct Graf_Env {
    Test_Temp_Dir home;
    std::string cwd = std::filesystem::current_path();
    Graf_Env()
    {
        setenv("HOME", home.path.c_str(), 1);
        for (const char *v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME", "TOLVA_DATA_DIR",
                              "TOLVA_APP_DIR"})
            unsetenv(v);
        std::filesystem::current_path(home.path);
        STU_GRAF_Set_Settings_Ini(nullptr);
        STU_GRAF_Set_User_Data_Dir(nullptr);
        STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    }
    ~Graf_Env()
    {
        std::filesystem::current_path(cwd);
        unsetenv("TOLVA_DATA_DIR");
        unsetenv("TOLVA_APP_DIR");
        STU_GRAF_Reset();
    }
};

std::string Digest_Of(const std::string &text)
{
    SHA256_State s;
    STU_SHA256_Init(&s);
    STU_SHA256_Update(&s, text.data(), text.size());
    char hex[65];
    STU_SHA256_Final_Hex(&s, hex);
    return hex;
}

}  // namespace

TEST(Graf, SearchPathOrder)
{
    Graf_Env env;
    Write_Text(env.home / "data/FONTS.LBX", "x");
    Write_Text(env.home / "GOG Games/Velmora/fonts.lbx", "x");
    Write_Text(env.home / ".config/Tolva/Tolva.ini", "[paths]\n  game_data = \"/from/ini\"  \n");
    setenv("TOLVA_DATA_DIR", (env.home / "data").c_str(), 1);
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    int n = STU_GRAF_Search_Dir_Count();
    ASSERT_GE(n, 5);
    EXPECT_EQ(std::string(STU_GRAF_Search_Dir(0)), env.home / "data");
    EXPECT_EQ(std::string(STU_GRAF_Search_Dir(1)), env.home / ".cache/Tolva/");
    EXPECT_STREQ(STU_GRAF_Search_Dir(2), "/from/ini");
    EXPECT_EQ(std::string(STU_GRAF_Search_Dir(n - 2)), env.home / "GOG Games/Velmora");
    EXPECT_STREQ(STU_GRAF_Search_Dir(n - 1), ".");

    STU_GRAF_Init(GRAF_PROFILE_WINDOWLESS);
    EXPECT_EQ(STU_GRAF_Search_Dir_Count(), 2);
}

TEST(Graf, NinthSearchFolderIsRefused)
{
    Graf_Env env;
    STU_GRAF_Reset();
    for (int i = 0; i < 9; i++) STU_GRAF_Add_Search_Dir(("d" + std::to_string(i)).c_str());
    EXPECT_EQ(STU_GRAF_Search_Dir_Count(), 8);
    STU_GRAF_Add_Search_Dir("");
    EXPECT_EQ(STU_GRAF_Search_Dir_Count(), 8);
}

TEST(Graf, CaseInsensitiveOpenMatchesOnlyLastComponent)
{
    Graf_Env env;
    Write_Text(env.home / "Data/fonts.lbx", "font");
    FILE *f = stu_fopen_ci((env.home / "Data/FONTS.LBX").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(stu_fopen_ci((env.home / "DATA/fonts.lbx").c_str(), "rb"), nullptr);
    f = stu_fopen_ci("Data/Fonts.Lbx", "rb");
    ASSERT_NE(f, nullptr);
    fclose(f);

    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir((env.home / "nowhere").c_str());
    STU_GRAF_Add_Search_Dir((env.home / "Data").c_str());
    f = STU_GRAF_Open_Asset("FONTS.LBX", "rb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(STU_GRAF_Open_Asset("NOPE.LBX", "rb"), nullptr);
}

TEST(Graf, UserFoldersAndAppName)
{
    Graf_Env env;
    char folder[1024];
    ASSERT_EQ(STU_GRAF_User_Data_Dir(folder, sizeof folder), 1);
    EXPECT_EQ(std::string(folder), env.home / ".local/share/Tolva/");
    setenv("XDG_CONFIG_HOME", (env.home / "cfg").c_str(), 1);
    ASSERT_EQ(STU_GRAF_User_Config_Dir(folder, sizeof folder), 1);
    EXPECT_EQ(std::string(folder), env.home / "cfg/Tolva/");
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(STU_GRAF_User_State_Dir(folder, sizeof folder), 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    for (const char *bad : {"..", ".", "a/b"}) {
        setenv("TOLVA_APP_DIR", bad, 1);
        EXPECT_STREQ(STU_GRAF_App_Dir_Name(), "Tolva") << bad;
    }
    setenv("TOLVA_APP_DIR", "TolvaTest", 1);
    ASSERT_EQ(STU_GRAF_User_Data_Dir(folder, sizeof folder), 1);
    EXPECT_EQ(std::string(folder), env.home / ".local/share/TolvaTest/");

    STU_GRAF_Set_User_Data_Dir((env.home / "saves").c_str());
    ASSERT_EQ(STU_GRAF_User_Data_Dir(folder, sizeof folder), 1);
    EXPECT_EQ(std::string(folder), env.home / "saves/");

    unsetenv("HOME");
    STU_GRAF_Set_User_Data_Dir(nullptr);
    EXPECT_EQ(STU_GRAF_User_Data_Dir(folder, sizeof folder), 0);
    FILE *f = STU_GRAF_Open_User("RAROZ.SET", "wb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_TRUE(std::filesystem::exists(env.home / "RAROZ.SET")) << "without folders user files live in the CWD";
}

TEST(Graf, MakePathRefusesAFileInTheWay)
{
    Graf_Env env;
    EXPECT_EQ(STU_GRAF_Make_Path((env.home / "a/b/c/").c_str()), 1);
    EXPECT_TRUE(std::filesystem::is_directory(env.home / "a/b/c"));
    Write_Text(env.home / "file", "x");
    EXPECT_EQ(STU_GRAF_Make_Path((env.home / "file").c_str()), 0);
    EXPECT_EQ(STU_GRAF_Make_Path(""), 0);
}

TEST(Graf, SeedingNeverOverwritesAndReseedingBacksUp)
{
    Graf_Env env;
    Write_Text(env.home / "install/SAVE1.GAM", "original");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir((env.home / "install").c_str());
    std::string user = env.home / ".local/share/Tolva/SAVE1.GAM";

    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE1.GAM"), 1);
    EXPECT_EQ(Read_Text(user), "original");
    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE2.GAM"), 0) << "no original";
    Write_Text(user, "mine");
    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE1.GAM"), 1);
    EXPECT_EQ(Read_Text(user), "mine");

    EXPECT_EQ(STU_GRAF_Backup_And_Reseed_User_File("SAVE1.GAM", "backup-1"), 1);
    EXPECT_EQ(Read_Text(user), "original");
    EXPECT_EQ(Read_Text(env.home / ".local/share/Tolva/backup-1/SAVE1.GAM"), "mine");

    // A backup that cannot be made leaves the user's copy alone.
    Write_Text(user, "precious");
    Write_Text(env.home / ".local/share/Tolva/blocked", "a file where the backup folder should go");
    EXPECT_EQ(STU_GRAF_Backup_And_Reseed_User_File("SAVE1.GAM", "blocked"), 0);
    EXPECT_EQ(Read_Text(user), "precious");
    EXPECT_FALSE(std::filesystem::exists(user + ".tmp"));
}

// A user copy that exists but cannot be read is the user's still: never seeded over, and said.
TEST(Graf, UnreadableUserCopyIsLeftAloneAndReported)
{
    Graf_Env env;
    Write_Text(env.home / "install/SAVE1.GAM", "original");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir((env.home / "install").c_str());
    std::filesystem::create_directories(env.home / ".local/share/Tolva");
    std::string user = env.home / ".local/share/Tolva/SAVE1.GAM";
    // A link to itself cannot be opened, whoever runs the test.
    std::filesystem::create_symlink("SAVE1.GAM", user);
    char reason[256];
    EXPECT_EQ(STU_GRAF_User_File_State("SAVE1.GAM", reason, sizeof reason), -1);
    EXPECT_STRNE(reason, "");
    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE1.GAM"), STU_GRAF_SEED_UNREADABLE);
    EXPECT_TRUE(std::filesystem::is_symlink(user)) << "the user's entry was replaced";
    EXPECT_EQ(std::filesystem::read_symlink(user), "SAVE1.GAM");

    // The same under another case of the name.
    std::filesystem::remove(user);
    std::filesystem::create_symlink("save2.gam", env.home / ".local/share/Tolva/save2.gam");
    Write_Text(env.home / "install/SAVE2.GAM", "original");
    EXPECT_EQ(STU_GRAF_User_File_State("SAVE2.GAM", nullptr, 0), -1);
    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE2.GAM"), STU_GRAF_SEED_UNREADABLE);
    EXPECT_FALSE(std::filesystem::exists(env.home / ".local/share/Tolva/SAVE2.GAM"));

    // An absent copy is seeded; a readable one is found.
    EXPECT_EQ(STU_GRAF_User_File_State("SAVE1.GAM", nullptr, 0), 0);
    EXPECT_EQ(STU_GRAF_Seed_User_File("SAVE1.GAM"), 1);
    EXPECT_EQ(STU_GRAF_User_File_State("SAVE1.GAM", nullptr, 0), 1);
    EXPECT_EQ(Read_Text(user), "original");
}

TEST(Compat, FlagsMismatchesAndSkipsExclusions)
{
    Graf_Env env;
    Write_Text(env.home / "d/GOOD.LBX", "good");
    Write_Text(env.home / "d/OLD.LBX", "old");
    Write_Text(env.home / "d/ODD.LBX", "odd");
    Write_Text(env.home / "d/ITEMDATA.LBX", "changed");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir((env.home / "d").c_str());
    std::string good = Digest_Of("good"), old = Digest_Of("old"), upper = Digest_Of("good");
    for (char &c : upper) c = (char)toupper(c);
    const Manifest_Row manifest[] = {
        {"GOOD.LBX", upper.c_str(), "v1.31"},
        {"OLD.LBX", old.c_str(), "v1.2"},
        {"ODD.LBX", good.c_str(), "v1.31"},
        {"ITEMDATA.LBX", good.c_str(), "v1.31"},
        {"MISSING.LBX", good.c_str(), "v1.31"},
        {"NODIGEST.LBX", nullptr, "v1.31"},
        {nullptr, nullptr, nullptr},
    };
    Compat_Result result;
    EXPECT_EQ(STU_GRAF_Check_Compat_Against(manifest, &result), 2);
    EXPECT_EQ(result.manifest_present, 1);
    EXPECT_EQ(result.checked, 3);
    EXPECT_EQ(result.ok, 1);
    EXPECT_STREQ(result.flagged, "OLD.LBX (wrong/unsupported version); ODD.LBX (unrecognized)");

    const Manifest_Row empty[] = {{nullptr, nullptr, nullptr}};
    EXPECT_EQ(STU_GRAF_Check_Compat_Against(empty, &result), 0);
    EXPECT_EQ(result.manifest_present, 0);
}

TEST(Compat, FlaggedListStopsBeforeItsEnd)
{
    Graf_Env env;
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir((env.home / "d").c_str());
    std::vector<std::string> names;
    std::vector<Manifest_Row> manifest;
    std::string none(64, '0');
    for (int i = 0; i < 40; i++) names.push_back("LONGFILENAME" + std::to_string(i) + ".LBX");
    for (const std::string &n : names) {
        Write_Text(env.home / ("d/" + n), n);
        manifest.push_back({n.c_str(), none.c_str(), "v1.31"});
    }
    manifest.push_back({nullptr, nullptr, nullptr});
    Compat_Result result;
    EXPECT_EQ(STU_GRAF_Check_Compat_Against(manifest.data(), &result), 40);
    EXPECT_LT(strlen(result.flagged), 512u);
    EXPECT_GT(strlen(result.flagged), 400u);
}

TEST(Compat, BuiltInManifest)
{
    int rows = 0, with_digest = 0;
    for (const Manifest_Row *r = g_lbx_manifest; r->name; r++, rows++) {
        EXPECT_STREQ(r->version, "v1.31");
        if (r->sha256) with_digest++;
    }
    EXPECT_EQ(rows, 101);
    EXPECT_EQ(with_digest, 1);
}
