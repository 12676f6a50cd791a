// A replay file and its RECORD log (the input, split where its first byte says) go through the
// program's playback: start, injection of every due frame, stop and the comparison of the logs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Fuzz_Temp_Folder.h"
#include "Replay.h"
#include "sdl2_PFL.h"

namespace {

uint64_t m_now = 0;
uint64_t Clock(void) { return m_now; }
int16_t m_pointer_x = 0;
int16_t m_pointer_y = 0;
void Handler(int16_t, int16_t, int16_t) {}
void Set_Seed(uint32_t) {}
uint32_t Get_Seed(void) { return 1; }
void Field_Log(FILE *stream, int x, int y)
{
    if (x >= 100 && y >= 50) fprintf(stream, "  field[1]=(100,50)-(319,199)");
}

}  // namespace

static const std::string &Folder(void)
{
    static const std::string folder = Fuzz_Temp_Folder("replay");
    return folder;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string replay = Folder() + "/game.rpl";
    static const std::string record = Folder() + "/game-RECORD.log";
    static bool ready = false;
    if (!ready) {
        static Platform_Pointer_Hooks hooks{};
        hooks.user_mouse_handler = Handler;
        hooks.pointer_x = &m_pointer_x;
        hooks.pointer_y = &m_pointer_y;
        Platform_Register_Pointer_Hooks(&hooks);
        Platform_Replay_Set_Clock(Clock);
        Platform_Replay_Register_Random_Seed_Callbacks(Get_Seed, Set_Seed);
        Platform_Replay_Register_Field_Log_Callback(Field_Log);
        ready = true;
    }
    size_t split = size > 0 ? 1 + (size_t)data[0] * (size - 1) / 255 : 0;
    Fuzz_Write_File(replay, data + (size > 0 ? 1 : 0), split > 0 ? split - 1 : 0);
    Fuzz_Write_File(record, data + split, size - split);

    m_now = 1000;
    if (Platform_Replay_Start(replay.c_str()) != 0) return 0;
    // Each pass lets more frames fall due; far timestamps are never reached and end the loop.
    for (int pass = 0; pass < 4096 && Replay_Inject_Frame() != 0; ++pass) {
        m_now += (uint64_t)1 << (pass % 40);
        Platform_Keyboard_Buffer_Clear();
    }
    Platform_Replay_Stop();
    Platform_Keyboard_Buffer_Clear();
    const Replay_Result *result = Platform_Replay_Last_Result();
    if (result->verdict == REPLAY_VERDICT_MATCH && result->frames_played < result->frame_count) abort();
    return 0;
}
