// The profiler: a live frame-rate monitor (window title and a once-a-second log summary) and
// a zone recorder that writes one row per timed zone and per-zone percentiles at exit.
// Frame and zone times are judged against one DOS timer tick of 55 ms.
#pragma once

#include <cstdint>

constexpr int PERF_BUDGET_MS = 55;
constexpr uint32_t PERF_MAX_RECORDS = 262144;
constexpr int PERF_MAX_STACK = 64;
constexpr uint32_t PERF_MAX_NAMES = 256;
constexpr int PERF_LIVE_RING = 256;
constexpr const char *PERF_DEFAULT_FILE = "tolva_perf.fwv";

int Perf_Init(const char *backend, const char *build);
void Perf_Shutdown(void);
int Perf_Active(void);
// The path of the profile file ("" until the profiler started).
const char *Perf_Path(void);
void Perf_Zone_Begin(const char *name);
void Perf_Zone_End(void);
void Perf_Note_Release_Time(int ticks, uint32_t ms_waited);

void Perf_Live_Set_Base_Title(const char *title);
void Perf_Live_Note_Present(void);
int Perf_Live_Get_Stats(double *fps, uint32_t *p50, uint32_t *p95, uint32_t *p99, uint32_t *max, uint32_t *over_budget);
int Perf_Live_Get_Display_Lines(char *fps_line, char *ms_line, char *max_line);
int Perf_Get_Tick_Accounting(uint32_t *ticks, uint32_t *idle, uint32_t *work_over);

// Nearest-rank percentile of n sorted values: rank = ceil(percent x n / 100), kept within 1..n.
uint32_t Perf_Nearest_Rank(const uint32_t *sorted, uint32_t n, uint32_t percent);
// Test seam: the millisecond clock of the live monitor (null restores the platform clock).
void Perf_Live_Set_Clock(uint64_t (*clock)(void));
void Perf_Live_Reset(void);

// Zone instrumentation is compiled in only with PERF_INSTRUMENT (CMake option, off by default).
#if defined(PERF_INSTRUMENT) && PERF_INSTRUMENT
#define PERF_ZONE_BEGIN(name) Perf_Zone_Begin(name)
#define PERF_ZONE_END() Perf_Zone_End()
#else
#define PERF_ZONE_BEGIN(name) ((void)0)
#define PERF_ZONE_END() ((void)0)
#endif
