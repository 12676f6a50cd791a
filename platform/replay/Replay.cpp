#include "Replay.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

#include "STU_Log.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"
#include "sdl2_Viewport.h"

#define REPLAY_LOG(...) STU_Log_Write_At(SEV_INFO, LC_REPLAY, "platform/replay/Replay", __LINE__, __func__, __VA_ARGS__)

namespace {

// The last logged input state of a recording or a playback; reset so the first frame differs.
struct Replay_Run {
    int16_t x;
    int16_t y;
    int16_t buttons;
    uint8_t key_pressed;
    uint32_t packed_key;
    uint32_t first_index;
    uint32_t count;
};

struct Replay_Frame {
    int valid;
    uint32_t index;
    unsigned long long timestamp;
    int x;
    int y;
    int buttons;
    int key_pressed;
    unsigned key_count;
    unsigned packed_key;
    unsigned long long delta;
};

int m_recording = 0;
FILE *m_record_file = nullptr;
FILE *m_record_log = nullptr;
uint32_t m_record_frames = 0;
uint64_t m_record_start_ms = 0;
uint64_t m_record_previous_t = 0;
Replay_Run m_record_run;

int m_playing = 0;
FILE *m_play_file = nullptr;
FILE *m_play_log = nullptr;
uint32_t m_play_frame_count = 0;
uint32_t m_play_next_index = 0;
uint64_t m_play_clock_start = 0;
int m_play_clock_started = 0;
// The first frame's timestamp: a recording's clock starts before the program's start-up and the
// playback's at the first event pass, so the playback runs from that frame on.
uint64_t m_play_clock_offset = 0;
char m_play_path[REPLAY_PATH_MAX] = "";
Replay_Frame m_peek = {};
Replay_Run m_play_run;

uint32_t (*m_get_seed)(void) = nullptr;
void (*m_set_seed)(uint32_t) = nullptr;
void (*m_field_log)(FILE *stream, int x, int y) = nullptr;
void (*m_stop_callback)(void) = nullptr;
uint64_t (*m_clock)(void) = nullptr;
uint64_t m_demo_idle_start = 0;
Replay_Result m_last_result = {};
const char *m_start_error = "";
int m_exit_handler_registered = 0;

uint64_t Now(void) { return m_clock != nullptr ? m_clock() : Platform_Get_Millies(); }

// A log that could not be opened sends its lines to standard error.
FILE *Out(FILE *log) { return log != nullptr ? log : stderr; }

void Run_Reset(Replay_Run &run) { run = Replay_Run{-1, -1, -1, 255, 0, 0, 0}; }

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

FILE *Open_Log(const char *path, const char *kind)
{
    char name[REPLAY_PATH_MAX];
    Replay_Log_Name(path, kind, name, sizeof name);
    FILE *log = fopen(name, "w");
    char stamp[32] = "";
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) != nullptr) strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    fprintf(Out(log), "# Tolva Replay Log\n# mode=%s  file=%s\n# timestamp=%s\n#\n", kind, path, stamp);
    return log;
}

void Close_Log(FILE *&log)
{
    if (log != nullptr) fclose(log);
    log = nullptr;
}

void Write_Run_Line(FILE *log, const char *prefix, const Replay_Run &run)
{
    if (run.count == 0) return;
    if (run.count == 1)
        fprintf(Out(log), "%s  idx=%-6u  mouse=(%3d,%3d) btn=%d  key=%d  (1 frame)\n", prefix, run.first_index, run.x,
                run.y, run.buttons, run.key_pressed);
    else
        fprintf(Out(log), "%s  idx=%-6u..%-6u  mouse=(%3d,%3d) btn=%d  key=%d  (%u frames, no change)\n", prefix,
                run.first_index, run.first_index + run.count - 1, run.x, run.y, run.buttons, run.key_pressed,
                run.count);
}

// Returns 1 when the state differs from the run's: the finished run is written and a new one
// begins at this frame; otherwise the run grows.
int Track_Run(FILE *log, const char *prefix, Replay_Run &run, uint32_t index, int x, int y, int buttons,
              int key_pressed, uint32_t packed_key)
{
    if (run.x == x && run.y == y && run.buttons == buttons && run.key_pressed == (uint8_t)key_pressed &&
        run.packed_key == packed_key) {
        if (run.count == 0) run.first_index = index;
        run.count++;
        return 0;
    }
    Write_Run_Line(log, prefix, run);
    run = Replay_Run{(int16_t)x, (int16_t)y, (int16_t)buttons, (uint8_t)key_pressed, packed_key, index, 1};
    return 1;
}

void Write_Field(FILE *log, int x, int y)
{
    if (m_field_log != nullptr) m_field_log(Out(log), x, y);
    fputc('\n', Out(log));
}

// ---------------------------------------------------------------- playback frames

// The next frame of the file, kept until it is consumed. 0 when there is none.
int Peek_Frame(void)
{
    if (m_peek.valid) return 1;
    if (m_play_next_index >= m_play_frame_count) {
        fprintf(Out(m_play_log), "PEEK FAIL: frame_index=%u >= frame_count=%u\n", m_play_next_index,
                m_play_frame_count);
        return 0;
    }
    char line[512];
    for (;;) {
        if (fgets(line, sizeof line, m_play_file) == nullptr) {
            fprintf(Out(m_play_log), "PEEK FAIL: fgets returned NULL (frame_index=%u, ftell=%ld, feof=%d, ferror=%d)\n",
                    m_play_next_index, ftell(m_play_file), feof(m_play_file), ferror(m_play_file));
            return 0;
        }
        if (line[0] != '#' && line[0] != '\n' && line[0] != '\r') break;
    }
    // Fields a short line lacks read as 0.
    unsigned index = 0;
    unsigned long long timestamp = 0;
    unsigned long long delta = 0;
    int x = 0;
    int y = 0;
    int buttons = 0;
    int key_pressed = 0;
    unsigned key_count = 0;
    unsigned packed_key = 0;
    int fields = sscanf(line, "%u,%llu,%llu,%d,%d,%d,%d,%u,%u", &index, &timestamp, &delta, &x, &y, &buttons,
                        &key_pressed, &key_count, &packed_key);
    if (fields < 7) {
        fprintf(Out(m_play_log), "PEEK FAIL: stu_sscanf < 7 on line: %s", line);
        if (strchr(line, '\n') == nullptr) fputc('\n', Out(m_play_log));
        return 0;
    }
    if (fields < 8) key_count = 0;
    if (key_count == 0 || fields < 9) packed_key = 0;
    // A damaged line cannot put the pointer off the 320 x 200 screen.
    m_peek = Replay_Frame{1,       index,       timestamp, Clamp(x, 0, 319), Clamp(y, 0, 199),
                          buttons, key_pressed, key_count, packed_key,       delta};
    return 1;
}

void Consume_Frame(void)
{
    m_peek.valid = 0;
    m_play_next_index++;
}

int Compare_Logs(const char *path, uint32_t played, uint32_t count, Replay_Result *result);

void Record_Exit_Handler(void)
{
    // However the program ends, the recording is finished with its frame count.
    if (m_recording) Platform_Record_Stop();
    if (m_playing) Platform_Replay_Stop();
}

}  // namespace

void Replay_Log_Name(const char *path, const char *kind, char *out, int out_size)
{
    const char *slash = strrchr(path, '/');
    const char *dot = strrchr(slash != nullptr ? slash + 1 : path, '.');
    if (dot != nullptr)
        snprintf(out, (size_t)out_size, "%.*s-%s.log", (int)(dot - path), path, kind);
    else
        snprintf(out, (size_t)out_size, "%s-%s.log", path, kind);
}

void Platform_Replay_Set_Clock(uint64_t (*clock)(void)) { m_clock = clock; }

void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t))
{
    m_get_seed = get_seed;
    m_set_seed = set_seed;
}

void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y))
{
    m_field_log = callback;
}

void Platform_Replay_Register_Stop_Callback(void (*callback)(void)) { m_stop_callback = callback; }

// ---------------------------------------------------------------- recording

int Platform_Record_Start(const char *path)
{
    if (m_recording || m_playing || path == nullptr) return -1;
    FILE *file = fopen(path, "w+b");
    if (file == nullptr) return -1;
    uint32_t seed = m_get_seed != nullptr ? m_get_seed() : 0;
    fprintf(file, "%s\n", REPLAY_MAGIC);
    fprintf(file, "# random_seed=%u\n", seed);
    fprintf(file, "# screen_scale=%d\n", Platform_Get_Scale());
    fprintf(file, "# scale_mode=%s\n", Viewport_Scale_Mode_Name(Platform_Video_Scale_Mode()));
    fprintf(file, "# aspect_ratio=%s\n", Viewport_Aspect_Ratio_Name(Platform_Video_Pixel_Aspect()));
    fprintf(file, "# frame_count=%-10u\n", 0u);
    fprintf(file, "# idx,timestamp_ms,delta_ms,mouse_x,mouse_y,mouse_buttons,key_pressed,key_count,keys...\n");
    m_record_file = file;
    m_record_frames = 0;
    m_record_start_ms = Now();
    m_record_previous_t = 0;
    Run_Reset(m_record_run);
    m_recording = 1;
    m_record_log = Open_Log(path, "RECORD");
    if (!m_exit_handler_registered) {
        atexit(Record_Exit_Handler);
        m_exit_handler_registered = 1;
    }
    REPLAY_LOG("REPLAY: recording started -> %s  (random_seed=%u)", path, seed);
    return 0;
}

void Replay_Capture_Frame(void)
{
    if (!m_recording || m_record_file == nullptr) return;
    uint64_t t = Now() - m_record_start_ms;
    uint64_t delta = t - m_record_previous_t;
    m_record_previous_t = t;
    int x = Platform_Engine_Pointer_X();
    int y = Platform_Engine_Pointer_Y();
    int buttons = platform_frame_mouse_buttons;
    int pressed = key_pressed;
    // Only the latest waiting key press is kept.
    int key_count = Platform_Keyboard_Buffer_Pending_Count() > 0 ? 1 : 0;
    uint32_t packed = key_count ? (uint32_t)Platform_Keyboard_Buffer_Peek_Latest() : 0;
    fprintf(m_record_file, "%u,%llu,%llu,%d,%d,%d,%d,%d", m_record_frames, (unsigned long long)t,
            (unsigned long long)delta, x, y, buttons, pressed, key_count);
    if (key_count) fprintf(m_record_file, ",%u", packed);
    fputc('\n', m_record_file);
    if (Track_Run(m_record_log, "REC", m_record_run, m_record_frames, x, y, buttons, pressed, packed)) {
        fprintf(Out(m_record_log), "idx=%-6u t=%-8llu  mouse=(%3d,%3d) btn=%d  key=%d sccc=0x%04X  dt=%llu",
                m_record_frames, (unsigned long long)t, x, y, buttons, pressed, packed, (unsigned long long)delta);
        Write_Field(m_record_log, x, y);
    }
    m_record_frames++;
}

void Platform_Record_Stop(void)
{
    if (!m_recording || m_record_file == nullptr) return;
    REPLAY_LOG("REPLAY: recording stopped. %u frames captured.", m_record_frames);
    Write_Run_Line(m_record_log, "REC", m_record_run);
    // The count goes over the padded header line in place; the blanks keep its length.
    fflush(m_record_file);
    fseek(m_record_file, 0, SEEK_SET);
    char line[256];
    long at = 0;
    while (fgets(line, sizeof line, m_record_file) != nullptr) {
        if (strncmp(line, "# frame_count=", 14) == 0) {
            fseek(m_record_file, at, SEEK_SET);
            fprintf(m_record_file, "# frame_count=%-10u", m_record_frames);
            break;
        }
        at = ftell(m_record_file);
    }
    fclose(m_record_file);
    m_record_file = nullptr;
    Close_Log(m_record_log);
    m_recording = 0;
}

int Platform_Record_Active(void) { return m_recording; }

// ---------------------------------------------------------------- playback

int Platform_Replay_Start(const char *path)
{
    m_start_error = "";
    if (path == nullptr) {
        m_start_error = "no file named";
        return -1;
    }
    if (m_recording || m_playing) {
        m_start_error = "a recording or playback is already running";
        return -1;
    }
    snprintf(m_play_path, sizeof m_play_path, "%s", path);
    FILE *file = fopen(path, "rb");
    if (file == nullptr) {
        REPLAY_LOG("REPLAY: failed to open %s", path);
        m_start_error = "cannot be opened";
        m_play_path[0] = '\0';
        return -1;
    }
    // A folder or a device never ends like a file does.
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        REPLAY_LOG("REPLAY: failed to open %s (not a regular file)", path);
        m_start_error = "is not a regular file";
        fclose(file);
        m_play_path[0] = '\0';
        return -1;
    }
    char line[512];
    if (fgets(line, sizeof line, file) == nullptr || strncmp(line, REPLAY_MAGIC, REPLAY_MAGIC_LENGTH) != 0) {
        REPLAY_LOG("REPLAY: bad magic in %s", path);
        m_start_error = "is not a Tolva replay file (its first line is not \"# Tolva Replay v2\")";
        fclose(file);
        m_play_path[0] = '\0';
        return -1;
    }
    unsigned seed = 0;
    unsigned scale = 1;
    unsigned frame_count = 0;
    char mode[32] = "not_recorded";
    char aspect[32] = "not_recorded";
    for (;;) {
        long at = ftell(file);
        if (fgets(line, sizeof line, file) == nullptr) break;
        if (line[0] != '#') {
            fseek(file, at, SEEK_SET);
            break;
        }
        if (sscanf(line, "# random_seed=%u", &seed) == 1) continue;
        if (sscanf(line, "# screen_scale=%u", &scale) == 1) continue;
        if (sscanf(line, "# scale_mode=%31s", mode) == 1) continue;
        if (sscanf(line, "# aspect_ratio=%31s", aspect) == 1) continue;
        sscanf(line, "# frame_count=%u", &frame_count);
    }
    if (scale == 0) scale = 1;
    m_play_file = file;
    m_play_frame_count = frame_count;
    m_play_next_index = 0;
    m_play_clock_started = 0;
    m_peek = Replay_Frame{};
    m_last_result = Replay_Result{};
    if (m_set_seed != nullptr) m_set_seed(seed);
    m_playing = 1;
    m_play_log = Open_Log(path, "REPLAY");
    Run_Reset(m_play_run);
    if (!m_exit_handler_registered) {
        atexit(Record_Exit_Handler);
        m_exit_handler_registered = 1;
    }
    REPLAY_LOG(
        "REPLAY: playback started <- %s  (%u frames, random_seed=%u, recorded_screen_scale=%u, current_scale=%d, "
        "recorded_scale_mode=%s, current_scale_mode=%s, recorded_aspect_ratio=%s, current_aspect_ratio=%s)",
        path, frame_count, seed, scale, Platform_Get_Scale(), mode,
        Viewport_Scale_Mode_Name(Platform_Video_Scale_Mode()), aspect,
        Viewport_Aspect_Ratio_Name(Platform_Video_Pixel_Aspect()));
    return 0;
}

int Replay_Inject_Frame(void)
{
    if (!m_playing) return 0;
    uint64_t now = Now();
    if (!m_play_clock_started) {
        m_play_clock_start = now;
        m_play_clock_started = 1;
        m_play_clock_offset = Peek_Frame() ? m_peek.timestamp : 0;
    }
    // The clock only annotates the log: each event pass takes the next recorded frame, so every
    // input arrives on the pass it was recorded on however fast or slow this machine runs.
    unsigned long long elapsed = now - m_play_clock_start + m_play_clock_offset;
    if (!Peek_Frame()) {
        Platform_Replay_Stop();
        return 0;
    }
    Replay_Frame frame = m_peek;
    Consume_Frame();

    int wx = 0;
    int wy = 0;
    Platform_Game_To_Window(frame.x, frame.y, &wx, &wy);
    Platform_Engine_Set_Pointer((int16_t)frame.x, (int16_t)frame.y);

    uint32_t packed = frame.key_count ? frame.packed_key : 0;
    if (Track_Run(m_play_log, "PLAY", m_play_run, frame.index, frame.x, frame.y, frame.buttons, frame.key_pressed,
                  packed)) {
        fprintf(Out(m_play_log), "idx=%-6u t=%-8llu  mouse=(%3d,%3d) btn=%d  key=%d sccc=0x%04X  elapsed=%llu",
                frame.index, frame.timestamp, frame.x, frame.y, frame.buttons, frame.key_pressed, packed, elapsed);
        Write_Field(m_play_log, frame.x, frame.y);
    }

    if (frame.buttons != 0)
        fprintf(Out(m_play_log),
                "PLAY CLICK  btn=%d at window=(%d,%d) -> game=(%d,%d)  mouse_enabled=%d  "
                "mouse_interrupt_active=%d\n",
                frame.buttons, wx, wy, frame.x, frame.y, Platform_Engine_Mouse_Enabled(), 0);
    Platform_Engine_User_Mouse_Handler((int16_t)frame.buttons, (int16_t)wx, (int16_t)wy);
    if (frame.buttons != 0)
        fprintf(Out(m_play_log),
                "PLAY AFTER  pointer=(%d,%d)  platform_frame_mouse_buttons=%d  mouse_buffer_x=%d  "
                "mouse_buffer_y=%d\n",
                Platform_Engine_Pointer_X(), Platform_Engine_Pointer_Y(), platform_frame_mouse_buttons,
                Platform_Engine_Pointer_X(), Platform_Engine_Pointer_Y());

    if (frame.key_count != 0) {
        int32_t code = (int32_t)(packed & 0xFF);
        int32_t character = (int32_t)((packed >> 8) & 0xFF);
        int32_t modifiers = (int32_t)(packed & 0xFFFF0000u);
        fprintf(Out(m_play_log),
                "PLAY KBD_BUF packed=0x%08X  orv_key=%d  char=0x%02X  mod=0x%X  key_pressed_before=%d\n", packed, code,
                character, (unsigned)modifiers, key_pressed);
        Platform_Keyboard_Buffer_Add_Key_Press(code, modifiers, character);
        fprintf(Out(m_play_log), "PLAY KBD_BUF DONE  key_pressed_after=%d\n", key_pressed);
    }
    return 1;
}

namespace {

// A program that ends sooner than the run it recorded leaves the recording's last frames
// unplayed. They count as played when they repeat the last injected state and that state ends
// the run with a key or a button still held (the recorder kept capturing while the program
// closed); an idle state left over counts for one frame at most.
void Settle_Last_Frames(void)
{
    if (!m_play_clock_started || m_play_next_index >= m_play_frame_count || m_play_run.count == 0) return;
    bool ending_input = m_play_run.packed_key != 0 || m_play_run.buttons > 0;
    uint32_t first = m_play_next_index;
    uint32_t settled = 0;
    while (m_play_next_index < m_play_frame_count && Peek_Frame()) {
        uint32_t packed = m_peek.key_count ? m_peek.packed_key : 0;
        bool same = m_peek.x == m_play_run.x && m_peek.y == m_play_run.y && m_peek.buttons == m_play_run.buttons &&
                    (uint8_t)m_peek.key_pressed == m_play_run.key_pressed && packed == m_play_run.packed_key;
        if (!same || (!ending_input && settled == 1)) break;
        Consume_Frame();
        settled++;
    }
    if (m_play_next_index < m_play_frame_count) return;
    if (settled > 0)
        fprintf(Out(m_play_log), "PLAY END    %u frames repeat the last state (idx %u..%u)\n", settled, first,
                first + settled - 1);
}

}  // namespace

void Platform_Replay_Stop(void)
{
    if (!m_playing || m_play_file == nullptr) return;
    Settle_Last_Frames();
    REPLAY_LOG("REPLAY: playback stopped at frame %u / %u", m_play_next_index, m_play_frame_count);
    Write_Run_Line(m_play_log, "PLAY", m_play_run);
    uint32_t played = m_play_next_index;
    uint32_t count = m_play_frame_count;
    m_last_result = Replay_Result{REPLAY_VERDICT_NOT_COMPARED, played, count, 0, 0};
    fclose(m_play_file);
    m_play_file = nullptr;
    Close_Log(m_play_log);
    m_playing = 0;
    m_play_frame_count = 0;
    m_play_next_index = 0;
    m_play_clock_started = 0;
    m_peek = Replay_Frame{};
    if (m_play_path[0] != '\0') {
        char path[REPLAY_PATH_MAX];
        snprintf(path, sizeof path, "%s", m_play_path);
        m_play_path[0] = '\0';
        Compare_Logs(path, played, count, &m_last_result);
    }
    if (m_stop_callback != nullptr) m_stop_callback();
}

int Platform_Replay_Active(void) { return m_playing; }

const Replay_Result *Platform_Replay_Last_Result(void) { return &m_last_result; }

const char *Platform_Replay_Start_Error(void) { return m_start_error; }

// ---------------------------------------------------------------- comparison

namespace {

// The next "idx=" line of a log, without its line end and cut to 58 characters.
int Next_State_Line(FILE *log, char *line, int size)
{
    while (fgets(line, size, log) != nullptr) {
        if (strncmp(line, "idx=", 4) != 0) continue;
        line[strcspn(line, "\r\n")] = '\0';
        if (strlen(line) > 58) line[58] = '\0';
        return 1;
    }
    return 0;
}

size_t Compared_Length(const char *line, const char *tail)
{
    const char *at = strstr(line, tail);
    return at != nullptr ? (size_t)(at - line) : strlen(line);
}

void Log_Rest_Of_Record(FILE *record, const char *first)
{
    REPLAY_LOG("  %s", first);
    char line[1024];
    for (int i = 0; i < 5 && Next_State_Line(record, line, sizeof line); i++) REPLAY_LOG("  %s", line);
}

// played and count: the frames of the playback that just stopped (0 and 0 for a comparison on
// its own). The result holds the verdict; the mismatches are returned, or -1 when a log is missing.
int Compare_Logs(const char *path, uint32_t played, uint32_t count, Replay_Result *result)
{
    bool stopped_short = played < count;
    *result = Replay_Result{REPLAY_VERDICT_NOT_COMPARED, played, count, 0, 0};
    char record_name[REPLAY_PATH_MAX];
    char replay_name[REPLAY_PATH_MAX];
    Replay_Log_Name(path, "RECORD", record_name, sizeof record_name);
    Replay_Log_Name(path, "REPLAY", replay_name, sizeof replay_name);
    FILE *record = fopen(record_name, "r");
    if (record == nullptr) {
        REPLAY_LOG("COMPARE: cannot open %s", record_name);
        return -1;
    }
    FILE *replay = fopen(replay_name, "r");
    if (replay == nullptr) {
        REPLAY_LOG("COMPARE: cannot open %s", replay_name);
        fclose(record);
        return -1;
    }
    char dashes[61];
    memset(dashes, '-', 60);
    dashes[60] = '\0';
    REPLAY_LOG("\n========== REPLAY LOG COMPARISON ==========");
    REPLAY_LOG("%-60s | %-60s", "RECORD", "REPLAY");
    REPLAY_LOG("%-60s | %-60s", dashes, dashes);

    int changes = 0;
    int mismatches = 0;
    bool replay_ended = false;
    char left[1024];
    char right[1024];
    for (;;) {
        int has_left = Next_State_Line(record, left, sizeof left);
        int has_right = Next_State_Line(replay, right, sizeof right);
        if (!has_left && !has_right) break;
        changes++;
        if (has_left && has_right) {
            size_t l = Compared_Length(left, "  dt=");
            size_t r = Compared_Length(right, "  elapsed=");
            if (l == r && memcmp(left, right, l) == 0) {
                REPLAY_LOG("%-60s | %-60s", left, right);
                continue;
            }
            REPLAY_LOG("%-60s | %-60s  <-- MISMATCH", left, right);
            if (++mismatches > 2) {
                REPLAY_LOG("\n--- Too many mismatches, stopping. ---");
                REPLAY_LOG("--- REPLAY should have been: ---");
                Log_Rest_Of_Record(record, left);
                break;
            }
            continue;
        }
        if (has_left) {
            REPLAY_LOG("%-60s | %-60s  <-- REPLAY ended", left, "(end)");
            REPLAY_LOG("\n--- REPLAY should have continued with: ---");
            Log_Rest_Of_Record(record, left);
            replay_ended = true;
            break;
        }
        REPLAY_LOG("%-60s | %-60s  <-- RECORD ended", "(end)", right);
        mismatches++;
        break;
    }
    int verdict = REPLAY_VERDICT_MATCH;
    if (mismatches > 0) {
        verdict = REPLAY_VERDICT_MISMATCH;
        REPLAY_LOG("\n=== COMPARISON DONE: %d mismatches found in %d state changes. ===", mismatches, changes);
    } else if (stopped_short) {
        verdict = REPLAY_VERDICT_INCOMPLETE;
        REPLAY_LOG("\n=== REPLAY INCOMPLETE: stopped at frame %u of %u; %d state changes compared, all identical. ===",
                   played, count, changes);
    } else if (replay_ended) {
        verdict = REPLAY_VERDICT_INCOMPLETE;
        REPLAY_LOG("\n=== REPLAY INCOMPLETE: the replay ended before the recording; %d state changes compared, all "
                   "identical. ===",
                   changes);
    } else {
        REPLAY_LOG("\n=== PERFECT MATCH: %d state changes compared, all identical. ===", changes);
    }
    *result = Replay_Result{verdict, played, count, mismatches, changes};
    fclose(record);
    fclose(replay);
    return mismatches;
}

}  // namespace

int Platform_Replay_Compare_Logs(const char *path)
{
    Replay_Result result;
    return Compare_Logs(path, 0, 0, &result);
}

// ---------------------------------------------------------------- demo

int Platform_Demo_Start(void)
{
    FILE *probe = fopen(DEMO_FILE_NAME, "rb");
    if (probe == nullptr) return -1;
    fclose(probe);
    return Platform_Replay_Start(DEMO_FILE_NAME);
}

void Platform_Demo_Reset_Idle_Timer(void) { m_demo_idle_start = Now(); }

int Platform_Demo_Idle_Expired(uint64_t milliseconds)
{
    if (m_demo_idle_start == 0) {
        m_demo_idle_start = Now();
        return 0;
    }
    return Now() - m_demo_idle_start >= milliseconds ? 1 : 0;
}
