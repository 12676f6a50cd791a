#include "Tolva.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

#include "Automation_Driver.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "ORV2.h"
#include "Palette.h"
#include "Platform.h"
#include "Replay.h"
#include "SOUND.h"
#include "STU_BRAK.h"
#include "STU_GRAF.h"
#include "STU_INI.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "Settings_Ini.h"
#include "Video.h"
#include "dev/STU_TST.h"
#include "overland/Game_Resources.h"
#include "overland/Intro_And_Credits.h"
#include "random.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"

char tolva_load_file[260];
int32_t tolva_load_flag = 0;
int32_t continue_flag = 0;

namespace {

int m_headless = 0;
// The screen a --screen option names (-1 none): the way into the demonstration screens 200 and 240.
int16_t m_start_screen = -1;

struct Video_Key {
    const char *key;
    int (*from_name)(const char *text, int *out);
    const char *(*name)(int value);
    const char *warning;
};

// Reads one [Video] key: returns 1 and the value when the file has a recognised one; logs the
// warning and keeps the default when the value is not recognised. raw gets the file's text or "".
int Read_Video_Key(const char *settings, const Video_Key &entry, int *value, char *raw, int raw_size)
{
    raw[0] = '\0';
    if (settings == nullptr) return 0;
    char text[64];
    if (!STU_GRAF_Read_Ini_Value(settings, "Video", entry.key, text, sizeof text) || text[0] == '\0') return 0;
    snprintf(raw, (size_t)raw_size, "%s", text);
    if (entry.from_name(text, value)) return 1;
    STU_Log_Write_At(SEV_WARN, LC_TOLVA, __FILE__, __LINE__, __func__, entry.warning, settings, text);
    return 0;
}

void Apply_Video_Settings(void)
{
    const char *settings = Settings_Ini_Path();
    static const Video_Key keys[3] = {
        {"startup_window", Viewport_Window_State_From_Name, Viewport_Window_State_Name,
         "%s [Video] startup_window = \"%s\" is not windowed or fullscreen -- using fullscreen"},
        {"scale_mode", Viewport_Scale_Mode_From_Name, Viewport_Scale_Mode_Name,
         "%s [Video] scale_mode = \"%s\" is not integer, fit_nearest or fit_sharp_bilinear -- using integer"},
        {"aspect_ratio", Viewport_Aspect_Ratio_From_Name, Viewport_Aspect_Ratio_Name,
         "%s [Video] aspect_ratio = \"%s\" is not 16:10 or 4:3 -- using 16:10"},
    };
    int values[3] = {2, 0, 0};  // fullscreen, integer, 16:10
    char raw[3][64];
    for (int i = 0; i < 3; i++) Read_Video_Key(settings, keys[i], &values[i], raw[i], sizeof raw[i]);
    Platform_Set_Video_Settings(values[0], values[1], values[2]);
    STU_LOG(SEV_INFO, LC_TOLVA, "[Video] startup_window = %s (%s), scale_mode = %s (%s), aspect_ratio = %s (%s)",
            keys[0].name(values[0]), raw[0][0] ? raw[0] : "default", keys[1].name(values[1]),
            raw[1][0] ? raw[1] : "default", keys[2].name(values[2]), raw[2][0] ? raw[2] : "default");
}

void Start_Log(const char *settings)
{
    char folder[GRAF_PATH_MAX] = "";
    char unusable[GRAF_PATH_MAX] = "";
    if (settings != nullptr && STU_GRAF_Read_Ini_Value(settings, "Paths", "log_dir", folder, sizeof folder) &&
        folder[0] != '\0' && !STU_GRAF_Make_Path(folder)) {
        // A log_dir that cannot be made gives way to the state folder, never to wherever the
        // program happens to run (possibly the game folder).
        snprintf(unusable, sizeof unusable, "%s", folder);
        folder[0] = '\0';
    }
    if (folder[0] == '\0' && !STU_GRAF_User_State_Dir(folder, sizeof folder)) folder[0] = '\0';
    if (unusable[0] != '\0')
        fprintf(stderr, "Tolva: cannot create the log folder '%s' (Tolva.ini [Paths] log_dir); logging to '%s'\n",
                unusable, folder[0] ? folder : ".");
    STU_Log_Set_Base_Dir(folder[0] ? folder : nullptr);
    STU_Log_Startup(settings);
    if (unusable[0] != '\0')
        STU_LOG(SEV_WARN, LC_TOLVA, "cannot create the log folder \"%s\" ([Paths] log_dir of %s); logging to \"%s\"",
                unusable, settings, folder[0] ? folder : ".");
    Settings_Ini_Log();
}

// The file of a --replay that started; its playback must match its recording for the run to succeed.
const char *m_replay_path = nullptr;

void Set_Unattended(bool unattended)
{
    g_headless_unattended = unattended ? 1 : 0;
    wait_for_input_unattended_frames = unattended ? (int16_t)HEADLESS_UNATTENDED_FRAMES : 0;
}

void Replay_Stopped(void) { Set_Unattended(m_headless && Automation_Driver_Active() == 0); }

// While a headless scenario waits for the turn or a screen, what the world turn asks or shows ends
// by itself: the script has nothing to answer it with.
void Turn_Wait(int waiting)
{
    g_headless_turn_wait = m_headless && waiting != 0 && Platform_Replay_Active() == 0;
    // A box that waits for any key or click (a spell learned, a report) ends by itself as well.
    const bool unattended = g_headless_unattended || g_headless_turn_wait;
    wait_for_input_unattended_frames = unattended ? (int16_t)HEADLESS_UNATTENDED_FRAMES : 0;
}

// Returns 1 when a --scenario or --replay file cannot be used: the run is then refused.
int Option_Loop(int argc, char **argv, const char **capture_dir, int *capture_fps)
{
    int refused = 0;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        bool has_next = i + 1 < argc;
        if (strcmp(arg, "--capture") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --capture flag detected", __FILE__, __LINE__);
            *capture_dir = argv[++i];
        } else if (strcmp(arg, "--capture-fps") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --capture-fps flag detected", __FILE__, __LINE__);
            *capture_fps = atoi(argv[++i]);
        } else if (strcmp(arg, "--record") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --record flag detected", __FILE__, __LINE__);
            Platform_Record_Start(argv[++i]);
        } else if (strcmp(arg, "--replay") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --replay flag detected", __FILE__, __LINE__);
            const char *path = argv[++i];
            if (Platform_Replay_Start(path) == 0) {
                m_replay_path = path;
            } else {
                STU_LOG(SEV_ERROR, LC_TOLVA, "[Tolva] CLI: --replay %s not played: %s", path,
                        Platform_Replay_Start_Error());
                fprintf(stderr, "Tolva: replay %s not played: %s\n", path, Platform_Replay_Start_Error());
                refused = 1;
            }
        } else if (strcmp(arg, "--continue") == 0) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --continue flag detected", __FILE__, __LINE__);
            continue_flag = 1;
        } else if (strcmp(arg, "--load") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --load flag detected", __FILE__, __LINE__);
            const char *name = argv[++i];
            size_t length = strlen(name);
            if (length >= sizeof tolva_load_file) {
                // The name buffer holds 259 characters; a longer name is refused rather than cut,
                // since a cut name would load some other file.
                STU_LOG(SEV_ERROR, LC_TOLVA, "[Tolva] CLI: --load name of %zu bytes is too long (at most %zu); ignored",
                        length, sizeof tolva_load_file - 1);
                fprintf(stderr, "Tolva: the --load file name is too long (%zu bytes, at most %zu); ignored\n", length,
                        sizeof tolva_load_file - 1);
                continue;
            }
            // A device or a pipe is no saved game, and reading one could go on without end.
            struct stat info;
            if (stat(name, &info) == 0 && !S_ISREG(info.st_mode)) {
                STU_LOG(SEV_FATAL, LC_TOLVA, "[Tolva] CLI: --load \"%s\" is not a regular file", name);
                fprintf(stderr, "Tolva: --load \"%s\" is not a regular file\n", name);
                STU_Log_Flush_All();
                exit(1);
            }
            memcpy(tolva_load_file, name, length + 1);
            tolva_load_flag = 1;
            STU_LOG(SEV_INFO, LC_TOLVA, "[Tolva] CLI: --load \"%s\"", tolva_load_file);
            STU_LOG(SEV_INFO, LC_LOADSAVE,
                    "[--load] ASSIGN tolva_load_file: argv[%d]=\"%s\" -> tolva_load_file=%p \"%s\" (len=%d) "
                    "tolva_load_flag=%d",
                    i, name, (void *)tolva_load_file, tolva_load_file, (int)length, tolva_load_flag);
        } else if (strcmp(arg, "--screen") == 0 && has_next) {
            m_start_screen = (int16_t)Automation_Screen_From_Name(argv[++i]);
            STU_LOG(SEV_INFO, LC_TOLVA, "[Tolva] CLI: --screen \"%s\" (%d)", argv[i], (int)m_start_screen);
        } else if (strcmp(arg, "--patch") == 0 && has_next) {
            g_tst_patch_scenario = argv[++i];
            STU_LOG(SEV_INFO, LC_TOLVA, "[Tolva] CLI: --patch \"%s\"", g_tst_patch_scenario);
        } else if (strcmp(arg, "--demo") == 0) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --demo flag detected", __FILE__, __LINE__);
            if (has_next && argv[i + 1][0] != '-')
                Platform_Replay_Start(argv[++i]);
            else
                Platform_Replay_Start("DEMO.KPZ");
        } else if (strcmp(arg, "--scenario") == 0 && has_next) {
            STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: --scenario flag detected", __FILE__, __LINE__);
            // A failed load has said why, in the log and on standard error.
            if (Automation_Driver_Load_Scenario(argv[++i]) == 0)
                Platform_Register_Frame_Callback(Automation_Driver_Frame);
            else
                refused = 1;
        }
    }
    return refused;
}

// 0 when the run's --replay was a match (or there was none); otherwise says why on standard
// error and returns 1.
int Replay_Outcome(void)
{
    if (m_replay_path == nullptr) return 0;
    const Replay_Result &r = *Platform_Replay_Last_Result();
    switch (r.verdict) {
    case REPLAY_VERDICT_MATCH: return 0;
    case REPLAY_VERDICT_MISMATCH:
        fprintf(stderr, "Tolva: replay %s does not match its recording: %d mismatches in %d state changes\n",
                m_replay_path, r.mismatches, r.state_changes);
        break;
    case REPLAY_VERDICT_INCOMPLETE:
        fprintf(stderr, "Tolva: replay %s incomplete: stopped at frame %u of %u after %d matching state changes\n",
                m_replay_path, r.frames_played, r.frame_count, r.state_changes);
        break;
    default:
        fprintf(stderr, "Tolva: replay %s not compared with its recording (stopped at frame %u of %u; see the log)\n",
                m_replay_path, r.frames_played, r.frame_count);
        break;
    }
    STU_LOG(SEV_ERROR, LC_TOLVA, "[Tolva] replay %s is not a match (verdict %d, frame %u of %u)", m_replay_path,
            r.verdict, r.frames_played, r.frame_count);
    return 1;
}

}  // namespace

// A closed window or Ctrl+Alt+Shift+Q ends the game through its own way out, so recording,
// replay and capture are finished by the orderly shutdown.
static void Tolva_Quit_Requested(void) { quit_game_flag = 1; }

int Tolva_Headless(void) { return m_headless; }

int Tolva_Save_Dir_From_Ini(const char *settings, char *out, int size)
{
    if (out == nullptr || size <= 0) return 0;
    out[0] = '\0';
    char value[GRAF_PATH_MAX];
    if (settings == nullptr || !STU_GRAF_Read_Ini_Value(settings, "Paths", "save_dir", value, sizeof value) ||
        value[0] == '\0')
        return 0;
    const char *slash = strrchr(settings, '/');
    if (value[0] == '/' || slash == nullptr) {
        if (strlen(value) >= (size_t)size) return 0;
        snprintf(out, (size_t)size, "%s", value);
        return 1;
    }
    // Relative to the folder of the settings file that names it, not to wherever the program runs.
    char folder[GRAF_PATH_MAX];
    snprintf(folder, sizeof folder, "%.*s", (int)(slash - settings + 1), settings);
    if (strlen(folder) + strlen(value) >= (size_t)size) return 0;
    STU_GRAF_Join(out, size, folder, value);
    return 1;
}

void Field_Log_Callback(FILE *stream, int x, int y)
{
    if (stream == nullptr) return;
    if (p_fields == nullptr) return;
    for (int i = 0; i < fields_count && i < FIELDS_MAX; i++) {
        const Field_Record &r = p_fields[i];
        if (x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2) {
            fprintf(stream, "  field[%d]=(%d,%d)-(%d,%d)", i, r.x1, r.y1, r.x2, r.y2);
            return;
        }
    }
}

// The start-up music is loaded whatever the setting and played only with "Background Music" on.
static void Play_Start_Music(int16_t entry)
{
    uint8_t *music = LBX_Reload("music", entry, SND_Music_Segment);
    if (magic_set.words[GS_BACKGROUND_MUSIC] == 1) Play_Sound(music, lbxload_entry_length);
}

int KEL_main(int argc, char **argv)
{
    // The engine's clicks read the game's "Sound Effects" word and click sounds through these.
    Sound_Register_Game_Sounds(&magic_set.words[GS_SOUND_EFFECTS], &snd_standard_button_click,
                               &snd_standard_button_click_size, &snd_left_button_click, &snd_left_button_click_size);
    Tolva_Init_Engine();

    bool skip_intro = (argc > 1 && strcmp(argv[1], "ZOLAN") == 0) || continue_flag || tolva_load_flag;
    if (!skip_intro) Draw_Logos();
    Init_Credits();

    Fill(0, 0, 319, 199, 0);
    Set_Page_On();
    Fill(0, 0, 319, 199, 0);
    Set_Page_Off();

    Play_Start_Music(104);

    Load_Palette(0, -1, 0);
    Apply_Palette();

    if (tolva_load_flag) {
        g_load_save_gam_name_override = tolva_load_file;
        STU_LOG(
            SEV_INFO, LC_LOADSAVE,
            "[--load] ASSIGN g_load_save_gam_name_override=%p \"%s\"  (from tolva_load_file=%p \"%s\")  -> entering "
            "scr_Continue, which calls Load_SAVE_GAM(8)",
            (const void *)g_load_save_gam_name_override, g_load_save_gam_name_override, (void *)tolva_load_file,
            tolva_load_file);
        current_screen = scr_Continue;
    } else {
        current_screen = continue_flag ? scr_Continue : scr_Main_Menu_Screen;
    }
    if (m_start_screen >= 0) current_screen = m_start_screen;
    // A headless run that no scenario drives ends by itself; a scenario that failed to load
    // drives nothing. A playback drives the run like the input it recorded, so no screen gives
    // up on the player before the recorded input arrives; once it stops, nothing drives the run.
    bool driven = Automation_Driver_Active() != 0 || Platform_Replay_Active() != 0;
    Set_Unattended(m_headless && !driven);
    Platform_Replay_Register_Stop_Callback(Replay_Stopped);
    Automation_Driver_Register_Turn_Wait_Callback(Turn_Wait);
    Input_Set_Unattended_Query(Unattended_Box_Frames);
    Screen_Control();
    return 0;
}

int Tolva_Main(int argc, char **argv)
{
    const char *settings = Settings_Ini_Startup();
    Start_Log(settings);

    STU_BRAK_Install();
    Perf_Init("SDL2", "Release");

    STU_GRAF_Set_Settings_Ini(settings);
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    char save_dir[GRAF_PATH_MAX];
    if (Tolva_Save_Dir_From_Ini(settings, save_dir, sizeof save_dir)) STU_GRAF_Set_User_Data_Dir(save_dir);

    Check_Command_Line_Parameters_(argc, argv);

    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--offscreen") == 0 || strcmp(argv[i], "--headless") == 0) {
            static char assignment[] = "SDL_VIDEODRIVER=dummy";
            stu_putenv(assignment);
            m_headless = 1;
            Platform_Set_Headless(1);
            STU_LOG(SEV_INFO, LC_TOLVA, "[offscreen] SDL video driver set to offscreen");
            // Test runs skip the waits between frames; a window always runs on the real clock.
            const char *simulated = getenv("TOLVA_SIMULATED_CLOCK");
            if (simulated != nullptr && strcmp(simulated, "1") == 0) {
                Platform_Set_Simulated_Clock(1);
                STU_LOG(SEV_INFO, LC_TOLVA, "[offscreen] simulated clock: waits pass at once");
            }
            break;
        }
    }

    if (Tolva_Preflight_Game_Data() == 1) return 1;

    bool reseed = false;
    for (int i = 1; i < argc; i++)
        if (strcmp(argv[i], "--orig-files") == 0) reseed = true;
    if (reseed)
        Tolva_Reseed_User_Files();
    else
        Tolva_Seed_User_Files();

    Tolva_Check_Data_Compat();

    Apply_Video_Settings();

    STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: BEFORE: Startup_Platform()", __FILE__, __LINE__);
    Startup_Platform();
    STU_LOG(SEV_INFO, LC_TOLVA, "DEBUG: [%s, %d]: AFTER: Startup_Platform()", __FILE__, __LINE__);
    // Without a display SDL falls back to a driver that shows nothing: the game would run unseen
    // until killed. A run without a window is asked for with --headless.
    if (!m_headless && !Platform_Is_Headless() && Platform_Video_Shows_Nothing()) {
        STU_LOG(SEV_FATAL, LC_TOLVA, "No display found (the video driver shows nothing) and no --headless; stopping");
        fprintf(stderr, "No display found: set DISPLAY, or run with --headless\n");
        Shutdown_Platform();
        STU_Log_Shutdown();
        return 1;
    }
    Platform_Register_Quit_Callback(Tolva_Quit_Requested);

    Platform_Replay_Register_Random_Seed_Callbacks(Get_Random_Seed, Set_Random_Seed);
    Platform_Replay_Register_Field_Log_Callback(Field_Log_Callback);

    const char *capture_dir = nullptr;
    int capture_fps = 0;
    if (Option_Loop(argc, argv, &capture_dir, &capture_fps) != 0) {
        if (Platform_Record_Active()) Platform_Record_Stop();
        if (Platform_Replay_Active()) Platform_Replay_Stop();
        Automation_Driver_Shutdown();
        Shutdown_Platform();
        STU_Log_Shutdown();
        return 1;
    }

    if (capture_dir != nullptr && Platform_Capture_Start(capture_dir, capture_fps) == 0) atexit(Platform_Capture_Stop);

    KEL_main(argc, argv);

    if (Platform_Record_Active()) Platform_Record_Stop();
    if (Platform_Replay_Active()) Platform_Replay_Stop();
    Automation_Driver_Shutdown();
    int status = Replay_Outcome();
    Shutdown_Platform();
    STU_Log_Shutdown();
    return status;
}
