// Recording and replay of the input of every event pass, with a readable log of the state
// changes beside each, a comparison of the two logs when a playback stops, and the demo.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr const char *REPLAY_MAGIC = "# Tolva Replay v2";
constexpr int REPLAY_MAGIC_LENGTH = 17;
constexpr const char *DEMO_FILE_NAME = "DEMO.KPZ";
constexpr uint64_t DEMO_IDLE_MS = 30000;
constexpr int REPLAY_PATH_MAX = 512;

void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t));
void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y));
// Called once a playback has stopped, however it stopped.
void Platform_Replay_Register_Stop_Callback(void (*callback)(void));

int Platform_Record_Start(const char *path);
void Platform_Record_Stop(void);
int Platform_Record_Active(void);

int Platform_Replay_Start(const char *path);
void Platform_Replay_Stop(void);
int Platform_Replay_Active(void);

// Writes the comparison of the RECORD and REPLAY logs of a replay file to the program's log;
// returns the mismatches found, or -1 when either log cannot be opened. A REPLAY log that ends
// before the RECORD log, or a playback that stopped before its last frame, is never reported
// as a perfect match.
int Platform_Replay_Compare_Logs(const char *path);

// How the last playback ended. A match needs every recorded frame replayed and both logs
// compared without a difference.
enum Replay_Verdict : int {
    REPLAY_VERDICT_NONE = 0,  // no playback has stopped yet
    REPLAY_VERDICT_MATCH = 1,
    REPLAY_VERDICT_MISMATCH = 2,      // the logs differ
    REPLAY_VERDICT_INCOMPLETE = 3,    // stopped before the last recorded frame or state change
    REPLAY_VERDICT_NOT_COMPARED = 4,  // a log could not be opened
};
struct Replay_Result {
    int verdict;
    uint32_t frames_played;
    uint32_t frame_count;
    int mismatches;
    int state_changes;
};
const Replay_Result *Platform_Replay_Last_Result(void);
// Why the last Platform_Replay_Start was refused ("" when it was not), for the user.
const char *Platform_Replay_Start_Error(void);

// Called at the end of each event pass while recording.
void Replay_Capture_Frame(void);
// Called by the event pass in place of real input while playing back: injects the next recorded
// frame, one per call whatever the time, and returns 1; 0 once playback has ended.
int Replay_Inject_Frame(void);

int Platform_Demo_Start(void);
void Platform_Demo_Reset_Idle_Timer(void);
int Platform_Demo_Idle_Expired(uint64_t milliseconds);

// The name of a replay file's readable log: the path without its extension, then "-" kind
// ".log". Only a "." in the last path component starts an extension.
void Replay_Log_Name(const char *path, const char *kind, char *out, int out_size);

// Test seam: the layer's millisecond clock (null restores Platform_Get_Millies).
void Platform_Replay_Set_Clock(uint64_t (*clock)(void));
