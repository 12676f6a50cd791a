#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Replay.h"
#include "Test_Temp_Dir.h"
#include "sdl2_PFL.h"

namespace {

uint64_t m_now = 1000;
uint64_t Clock(void) { return m_now; }

int16_t m_pointer_x = 0;
int16_t m_pointer_y = 0;
std::vector<int> m_handler_buttons;
void Handler(int16_t buttons, int16_t wx, int16_t wy) { m_handler_buttons.push_back(buttons); }

uint32_t m_seed = 0;
uint32_t Get_Seed(void) { return 4242; }
void Set_Seed(uint32_t seed) { m_seed = seed; }
void Field_Log(FILE *stream, int x, int y)
{
    if (x >= 100) fprintf(stream, "  field[1]=(100,0)-(319,199)");
}

class Replay : public testing::Test {
protected:
    Test_Temp_Dir dir;
    void SetUp() override
    {
        m_now = 1000;
        m_handler_buttons.clear();
        Platform_Replay_Set_Clock(Clock);
        static Platform_Pointer_Hooks hooks{};
        hooks.user_mouse_handler = Handler;
        hooks.pointer_x = &m_pointer_x;
        hooks.pointer_y = &m_pointer_y;
        Platform_Register_Pointer_Hooks(&hooks);
        Platform_Replay_Register_Random_Seed_Callbacks(Get_Seed, Set_Seed);
        Platform_Replay_Register_Field_Log_Callback(Field_Log);
        Platform_Keyboard_Buffer_Clear();
        key_pressed = 0;
    }
    void TearDown() override
    {
        Platform_Record_Stop();
        Platform_Replay_Stop();
        Platform_Register_Pointer_Hooks(nullptr);
    }

    // One event pass while recording: the state, then the frame, 50 ms apart.
    void Frame(int x, int y, int buttons, std::vector<int32_t> keys = {})
    {
        m_pointer_x = (int16_t)x;
        m_pointer_y = (int16_t)y;
        platform_frame_mouse_buttons = (uint16_t)buttons;
        for (int32_t k : keys) Platform_Keyboard_Buffer_Add_Key_Press(k & 0xFF, k & 0x7FFF0000, (k >> 8) & 0xFF);
        Replay_Capture_Frame();
        Platform_Keyboard_Buffer_Clear();
        key_pressed = 0;
        platform_frame_mouse_buttons = 0;
        m_now += 50;
    }

    std::string Record_Sample()
    {
        std::string path = dir / "game.rpl";
        EXPECT_EQ(Platform_Record_Start(path.c_str()), 0);
        Frame(10, 20, 0);
        Frame(10, 20, 0);
        Frame(10, 20, 0);
        Frame(150, 90, 1);
        Frame(150, 90, 0, {97 | (97 << 8), 98 | (66 << 8) | 0x10000});
        Frame(150, 90, 0);
        Platform_Record_Stop();
        return path;
    }
};

std::vector<std::string> Lines(const std::string &path)
{
    std::vector<std::string> lines;
    std::stringstream in(Read_Text(path));
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace

TEST_F(Replay, RecordingWritesHeaderFramesAndRuns)
{
    std::string path = Record_Sample();
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "# Tolva Replay v2");
    EXPECT_EQ(lines[1], "# random_seed=4242");
    EXPECT_EQ(lines[5], "# frame_count=6         ");
    EXPECT_EQ(lines[6], "# idx,timestamp_ms,delta_ms,mouse_x,mouse_y,mouse_buttons,key_pressed,key_count,keys...");
    EXPECT_EQ(lines[7], "0,0,0,10,20,0,0,0");
    EXPECT_EQ(lines[10], "3,150,50,150,90,1,0,0");
    // Two waiting presses: key count 1 and only the latest.
    EXPECT_EQ(lines[11], "4,200,50,150,90,0,1,1," + std::to_string(98 | (66 << 8) | 0x10000));

    std::string log = Read_Text(dir / "game-RECORD.log");
    EXPECT_NE(log.find("# mode=RECORD  file=" + path), std::string::npos);
    EXPECT_NE(log.find("REC  idx=0     ..2       mouse=( 10, 20) btn=0  key=0  (3 frames, no change)"),
              std::string::npos);
    EXPECT_NE(log.find("REC  idx=3       mouse=(150, 90) btn=1  key=0  (1 frame)"), std::string::npos);
    EXPECT_NE(
        log.find("idx=3      t=150       mouse=(150, 90) btn=1  key=0 sccc=0x0000  dt=50  field[1]=(100,0)-(319,199)"),
        std::string::npos);
}

// Each event pass takes the next recorded frame whatever the clock says: a playback far slower
// or far faster than the recording delivers every input on the pass it was recorded on.
TEST_F(Replay, PlaybackInjectsOneFramePerPassAndMatchesTheRecording)
{
    struct Case {
        const char *name;
        uint64_t step;  // playback milliseconds between passes; the recording's were 50
    };
    const Case cases[] = {{"as recorded", 50}, {"a loaded machine", 900}, {"a fast machine", 0}};
    std::string path = Record_Sample();
    for (const Case &c : cases) {
        m_now = 5000;
        m_handler_buttons.clear();
        Platform_Keyboard_Buffer_Clear();
        key_pressed = 0;
        ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0) << c.name;
        EXPECT_EQ(m_seed, 4242u);
        EXPECT_EQ(Platform_Record_Start((dir / "other.rpl").c_str()), -1);
        for (int pass = 0; pass < 3; pass++) {
            ASSERT_EQ(Replay_Inject_Frame(), 1) << c.name;
            EXPECT_EQ(m_pointer_x, 10) << c.name << " pass " << pass;
            EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0) << c.name << " pass " << pass;
            m_now += c.step;
        }
        EXPECT_TRUE(m_handler_buttons.empty() || m_handler_buttons.back() == 0) << c.name;
        ASSERT_EQ(Replay_Inject_Frame(), 1);  // pass 3: the click
        EXPECT_EQ(m_pointer_x, 150) << c.name;
        EXPECT_EQ(m_handler_buttons.back(), 1) << c.name;
        EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0) << c.name;
        m_now += c.step;
        ASSERT_EQ(Replay_Inject_Frame(), 1);  // pass 4: the key, not a pass sooner or later
        EXPECT_EQ(key_pressed, 1) << c.name;
        EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 1) << c.name;
        EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), 98 | (66 << 8) | 0x10000) << c.name;
        m_now += c.step;
        ASSERT_EQ(Replay_Inject_Frame(), 1);
        ASSERT_EQ(Replay_Inject_Frame(), 0) << c.name;  // frames used up: playback stops
        EXPECT_EQ(Platform_Replay_Active(), 0);
        const Replay_Result *result = Platform_Replay_Last_Result();
        EXPECT_EQ(result->verdict, REPLAY_VERDICT_MATCH) << c.name;
        EXPECT_EQ(result->frames_played, 6u) << c.name;
        EXPECT_EQ(result->frame_count, 6u);

        std::string log = Read_Text(dir / "game-REPLAY.log");
        EXPECT_NE(log.find("PLAY CLICK  btn=1"), std::string::npos);
        EXPECT_NE(log.find("PLAY KBD_BUF packed=0x00014262  orv_key=98  char=0x42  mod=0x10000"), std::string::npos);
        EXPECT_EQ(Platform_Replay_Compare_Logs(path.c_str()), 0) << c.name;
    }
}

// The run ends before the recording's last frames: the state changes compared agree, but the
// frames after them were never replayed.
TEST_F(Replay, PlaybackStoppedBeforeItsLastFrameIsNoMatch)
{
    std::string path = dir / "idle.rpl";
    ASSERT_EQ(Platform_Record_Start(path.c_str()), 0);
    for (int i = 0; i < 5; i++) Frame(10, 20, 0);
    Platform_Record_Stop();

    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    EXPECT_EQ(Platform_Replay_Last_Result()->verdict, REPLAY_VERDICT_NONE);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    m_now += 10000;
    ASSERT_EQ(Replay_Inject_Frame(), 1);  // frame 1 however late
    Platform_Replay_Stop();               // as the exit path does
    const Replay_Result *result = Platform_Replay_Last_Result();
    EXPECT_EQ(result->verdict, REPLAY_VERDICT_INCOMPLETE);
    EXPECT_EQ(result->frames_played, 3u) << "one idle frame left over counts; the two after it do not";
    EXPECT_EQ(result->frame_count, 5u);
    EXPECT_EQ(result->mismatches, 0);
    EXPECT_EQ(result->state_changes, 1);

    // Without its RECORD log the playback cannot be compared.
    std::filesystem::remove(dir / "idle-RECORD.log");
    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    for (int i = 0; i < 5; i++) ASSERT_EQ(Replay_Inject_Frame(), 1);
    ASSERT_EQ(Replay_Inject_Frame(), 0);
    EXPECT_EQ(Platform_Replay_Last_Result()->verdict, REPLAY_VERDICT_NOT_COMPARED);
    EXPECT_EQ(Platform_Replay_Last_Result()->frames_played, 5u);
}

// The recorded run's last passes still showed the key that ended it; the replayed program ended
// sooner. Those frames repeat the last state: the replay is complete. A key never injected is not.
TEST_F(Replay, ALastFrameRepeatingTheEndingKeyCountsAsPlayed)
{
    std::string path = dir / "quit.rpl";
    ASSERT_EQ(Platform_Record_Start(path.c_str()), 0);
    Frame(10, 20, 0);
    Frame(10, 20, 0, {113 | (113 << 8)});
    Frame(10, 20, 0, {113 | (113 << 8)});
    Platform_Record_Stop();
    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    ASSERT_EQ(Replay_Inject_Frame(), 1);  // the key; the program ends before the next pass
    Platform_Replay_Stop();
    EXPECT_EQ(Platform_Replay_Last_Result()->verdict, REPLAY_VERDICT_MATCH);
    EXPECT_EQ(Platform_Replay_Last_Result()->frames_played, 3u);
    EXPECT_NE(Read_Text(dir / "quit-REPLAY.log").find("PLAY END    1 frames repeat the last state (idx 2..2)"),
              std::string::npos);

    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    Platform_Replay_Stop();
    EXPECT_EQ(Platform_Replay_Last_Result()->verdict, REPLAY_VERDICT_INCOMPLETE);
    EXPECT_EQ(Platform_Replay_Last_Result()->frames_played, 1u);

    std::string held = dir / "held.rpl";
    ASSERT_EQ(Platform_Record_Start(held.c_str()), 0);
    Frame(10, 20, 0);
    for (int i = 0; i < 4; i++) Frame(10, 20, 0, {113 | (113 << 8)});
    Platform_Record_Stop();
    ASSERT_EQ(Platform_Replay_Start(held.c_str()), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    ASSERT_EQ(Replay_Inject_Frame(), 1);  // the key; three recorded passes more showed it
    Platform_Replay_Stop();
    EXPECT_EQ(Platform_Replay_Last_Result()->verdict, REPLAY_VERDICT_MATCH);
    EXPECT_EQ(Platform_Replay_Last_Result()->frames_played, 5u);
}

// A slow start-up puts the first frame seconds after the recording began; the log's playback
// clock starts at the first event pass from that frame's time.
TEST_F(Replay, PlaybackLogsTimeFromTheFirstFrame)
{
    std::string path = dir / "late.rpl";
    Write_Text(path, "# Tolva Replay v2\n# frame_count=3\n"
                     "0,3924,3924,10,10,0,0,0\n"
                     "1,4225,301,20,20,0,0,0\n"
                     "2,4337,112,30,30,0,0,0\n");
    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    EXPECT_EQ(m_pointer_x, 10);
    m_now += 7;
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    EXPECT_EQ(m_pointer_x, 20);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    EXPECT_EQ(m_pointer_x, 30);
    Platform_Replay_Stop();
    std::string log = Read_Text(dir / "late-REPLAY.log");
    EXPECT_NE(log.find("idx=0      t=3924      mouse=( 10, 10) btn=0  key=0 sccc=0x0000  elapsed=3924"),
              std::string::npos);
    EXPECT_NE(log.find("idx=1      t=4225      mouse=( 20, 20) btn=0  key=0 sccc=0x0000  elapsed=3931"),
              std::string::npos);
}

TEST_F(Replay, RefusedAndShortFiles)
{
    std::string v1 = dir / "old.rpl";
    Write_Text(v1, "# Tolva Replay v1\n# frame_count=1\n0,0,0,1,1,0,0,0\n");
    EXPECT_EQ(Platform_Replay_Start(v1.c_str()), -1);
    EXPECT_STREQ(Platform_Replay_Start_Error(),
                 "is not a Tolva replay file (its first line is not \"# Tolva Replay v2\")");
    EXPECT_EQ(Platform_Replay_Start((dir / "missing.rpl").c_str()), -1);
    EXPECT_STREQ(Platform_Replay_Start_Error(), "cannot be opened");
    EXPECT_EQ(Platform_Replay_Start(dir.path.c_str()), -1);
    EXPECT_STREQ(Platform_Replay_Start_Error(), "is not a regular file");
    EXPECT_EQ(Platform_Replay_Start("/dev/zero"), -1);
    EXPECT_STREQ(Platform_Replay_Start_Error(), "is not a regular file");

    std::string no_count = dir / "nocount.rpl";
    Write_Text(no_count, "# Tolva Replay v2\n0,0,0,1,1,0,0,0\n");
    ASSERT_EQ(Platform_Replay_Start(no_count.c_str()), 0);
    EXPECT_EQ(Replay_Inject_Frame(), 0);
    EXPECT_EQ(Platform_Replay_Active(), 0);
    EXPECT_NE(Read_Text(dir / "nocount-REPLAY.log").find("PEEK FAIL: frame_index=0 >= frame_count=0"),
              std::string::npos);
}

TEST_F(Replay, DamagedFrameLinesAreClampedOrEndPlayback)
{
    std::string path = dir / "damaged.rpl";
    Write_Text(path, "# Tolva Replay v2\n# frame_count=3\n"
                     "0,0,0,900,-40,0,0\n"  // seven fields: no key count; off-screen position
                     "1,0,0,5,5,0,0,1\n"    // key count without its key
                     "2,0\n");              // too few fields
    ASSERT_EQ(Platform_Replay_Start(path.c_str()), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    EXPECT_EQ(m_pointer_x, 319);
    EXPECT_EQ(m_pointer_y, 0);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0);
    ASSERT_EQ(Replay_Inject_Frame(), 1);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 1);
    EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), 0);
    EXPECT_EQ(Replay_Inject_Frame(), 0);
    EXPECT_NE(Read_Text(dir / "damaged-REPLAY.log").find("PEEK FAIL: stu_sscanf < 7 on line: 2,0"), std::string::npos);
}

TEST_F(Replay, ComparisonCountsMismatchesAndEarlyEnds)
{
    auto line = [](int i, int x) {
        char text[128];
        snprintf(text, sizeof text, "idx=%-6d t=%-8d  mouse=(%3d,%3d) btn=0  key=0 sccc=0x0000", i, i * 50, x, 7);
        return std::string(text);
    };
    auto record = [&](std::vector<int> xs) {
        std::string s = "# Tolva Replay Log\n";
        for (size_t i = 0; i < xs.size(); i++) s += line((int)i, xs[i]) + "  dt=50\nREC  run\n";
        return s;
    };
    auto replay = [&](std::vector<int> xs) {
        std::string s = "# Tolva Replay Log\n";
        for (size_t i = 0; i < xs.size(); i++) s += line((int)i, xs[i]) + "  elapsed=" + std::to_string(i * 61) + "\n";
        return s;
    };
    struct Case {
        const char *name;
        std::vector<int> recorded, replayed;
        int mismatches;
    };
    const Case cases[] = {
        {"same states at other times", {1, 2, 3}, {1, 2, 3}, 0},
        {"playback ended early", {1, 2, 3}, {1}, 0},
        {"recording ended early", {1}, {1, 2}, 1},
        {"one differing state", {1, 2, 3}, {1, 9, 3}, 1},
        {"stops at the third mismatch", {1, 2, 3, 4, 5}, {9, 9, 9, 9, 9}, 3},
    };
    for (const Case &c : cases) {
        std::string path = dir / "cmp.rpl";
        Write_Text(dir / "cmp-RECORD.log", record(c.recorded));
        Write_Text(dir / "cmp-REPLAY.log", replay(c.replayed));
        EXPECT_EQ(Platform_Replay_Compare_Logs(path.c_str()), c.mismatches) << c.name;
    }
    EXPECT_EQ(Platform_Replay_Compare_Logs((dir / "none.rpl").c_str()), -1);
}

TEST(Replay_Log_Name, OnlyTheLastComponentsExtensionGoes)
{
    struct Case {
        const char *path, *name;
    };
    const Case cases[] = {
        {"game.rpl", "game-RECORD.log"},
        {"/tmp/run.x1/game.rpl", "/tmp/run.x1/game-RECORD.log"},
        {"/tmp/run.x1/game", "/tmp/run.x1/game-RECORD.log"},
        {"plain", "plain-RECORD.log"},
    };
    for (const Case &c : cases) {
        char out[REPLAY_PATH_MAX];
        Replay_Log_Name(c.path, "RECORD", out, sizeof out);
        EXPECT_STREQ(out, c.name) << c.path;
    }
}

TEST_F(Replay, RecordingIsFinishedWhenTheProgramExits)
{
    std::string path = dir / "exit.rpl";
    EXPECT_EXIT(
        {
            Platform_Record_Start(path.c_str());
            Frame(1, 1, 0);
            Frame(2, 2, 0);
            exit(3);
        },
        testing::ExitedWithCode(3), "");
    EXPECT_EQ(Lines(path)[5], "# frame_count=2         ");
}

TEST(Demo, IdleTimerStartsOnFirstAskAndExpires)
{
    m_now = 500;
    Platform_Replay_Set_Clock(Clock);
    EXPECT_EQ(Platform_Demo_Idle_Expired(DEMO_IDLE_MS), 0);  // starts the timer
    m_now += DEMO_IDLE_MS - 1;
    EXPECT_EQ(Platform_Demo_Idle_Expired(DEMO_IDLE_MS), 0);
    m_now += 1;
    EXPECT_EQ(Platform_Demo_Idle_Expired(DEMO_IDLE_MS), 1);
    Platform_Demo_Reset_Idle_Timer();
    EXPECT_EQ(Platform_Demo_Idle_Expired(DEMO_IDLE_MS), 0);
    Test_Temp_Dir dir;
    std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    EXPECT_EQ(Platform_Demo_Start(), -1);
    std::filesystem::current_path(cwd);
}
