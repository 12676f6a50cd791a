#include "PFL_Perf.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "STU_Log.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"

namespace {

struct Perf_Record {
    const char *name;
    uint64_t start_us;
    uint64_t duration_us;
    uint64_t children_us;
    uint32_t depth;
};

struct Perf_Open_Zone {
    const char *name;
    uint64_t start_us;
    uint64_t children_us;
};

int m_active = 0;
int m_closed = 0;
FILE *m_file = nullptr;
char m_file_buffer[65536];
char m_path[1024] = "";
char m_temp_path[1040] = "";
Perf_Record *m_records = nullptr;
Perf_Open_Zone m_stack[PERF_MAX_STACK];
// The counts of one capture: all zero when a capture starts.
struct Perf_Capture_Counts {
    uint32_t record_count;
    int depth;
    uint32_t drains;
    uint64_t dropped;
    uint64_t stack_overflows;
    uint64_t unbalanced;
    uint64_t skips;
};
Perf_Capture_Counts m_capture = {};
int m_exit_registered = 0;

// Live monitor.
// What Perf_Live_Reset clears; the ring's contents count only up to ring_fill.
struct Perf_Live_State {
    int decided;
    int enabled;
    uint64_t previous_ms;
    int have_previous;
    uint64_t window_start_ms;
    uint32_t window_presents;
    uint32_t window_worst;
    uint32_t ring_next;
    uint32_t ring_fill;
    uint32_t requested_ticks;
    uint32_t waited_ms;
    uint32_t ticks;
    uint32_t idle;
    uint32_t presents;
    uint32_t interval_over;
    uint32_t work_over;
    int lines_ready;
};
Perf_Live_State m_live = {};
uint32_t m_live_ring[PERF_LIVE_RING];
char m_live_fps_line[32] = "";
char m_live_ms_line[32] = "";
char m_live_max_line[32] = "";
char m_live_base_title[128] = "Tolva";
uint64_t (*m_live_clock)(void) = nullptr;

uint64_t Live_Now(void) { return m_live_clock != nullptr ? m_live_clock() : Platform_Get_Millies(); }

// Reads TOLVA_PERF / TOLVA_INPUT_METRICS: null when off, else the file path ("1" gives dflt).
const char *Env_Path(const char *variable, const char *dflt)
{
    const char *value = std::getenv(variable);
    if (value == nullptr || value[0] == '\0' || std::strcmp(value, "0") == 0) {
        return nullptr;
    }
    return std::strcmp(value, "1") == 0 ? dflt : value;
}

void Write_Rows(void)
{
    for (uint32_t i = 0; i < m_capture.record_count; ++i) {
        const Perf_Record &r = m_records[i];
        uint64_t self = r.duration_us > r.children_us ? r.duration_us - r.children_us : 0;
        std::fprintf(m_file, "%10llu %12llu %10llu %10llu %5u  %-40s\n", (unsigned long long)(i + 1),
                     (unsigned long long)r.start_us, (unsigned long long)r.duration_us, (unsigned long long)self,
                     r.depth, r.name != nullptr ? r.name : "?");
    }
    m_capture.record_count = 0;
}

void Write_Summary(void)
{
    std::fprintf(m_file, "#\n");
    std::fprintf(m_file,
                 "#summary  per-zone inclusive duration distribution.  p50/p95/p99/max are nearest-rank over\n");
    std::fprintf(
        m_file, "#summary  every recorded instance -- NEVER a mean, because the fat tail is the thing players feel.\n");
    std::fprintf(m_file, "#summary  over_budget = instances whose INCLUSIVE time exceeded the %d ms tick budget.\n",
                 PERF_BUDGET_MS);
    std::fprintf(m_file, "#head %6s %11s %12s %13s %10s %10s %10s %10s  %-40s\n", "count", "over_budget", "total_ms",
                 "self_total_ms", "p50_ms", "p95_ms", "p99_ms", "max_ms", "zone");
    std::vector<const char *> names;
    bool capped = false;
    for (uint32_t i = 0; i < m_capture.record_count; ++i) {
        const char *name = m_records[i].name;
        bool known = false;
        for (const char *n : names) {
            if (n == name || (n != nullptr && name != nullptr && std::strcmp(n, name) == 0)) {
                known = true;
                break;
            }
        }
        if (!known) {
            if (names.size() >= PERF_MAX_NAMES) {
                capped = true;
                continue;
            }
            names.push_back(name);
        }
    }
    std::vector<uint32_t> durations;
    for (const char *name : names) {
        durations.clear();
        uint32_t over = 0;
        double total_ms = 0.0;
        double self_ms = 0.0;
        for (uint32_t i = 0; i < m_capture.record_count; ++i) {
            const Perf_Record &r = m_records[i];
            if (!(r.name == name || (r.name != nullptr && name != nullptr && std::strcmp(r.name, name) == 0))) {
                continue;
            }
            durations.push_back((uint32_t)std::min<uint64_t>(r.duration_us, UINT32_MAX));
            if (r.duration_us > (uint64_t)PERF_BUDGET_MS * 1000) {
                over += 1;
            }
            total_ms += (double)r.duration_us / 1000.0;
            self_ms += (double)(r.duration_us > r.children_us ? r.duration_us - r.children_us : 0) / 1000.0;
        }
        std::sort(durations.begin(), durations.end());
        uint32_t n = (uint32_t)durations.size();
        double p50 = Perf_Nearest_Rank(durations.data(), n, 50) / 1000.0;
        double p95 = Perf_Nearest_Rank(durations.data(), n, 95) / 1000.0;
        double p99 = Perf_Nearest_Rank(durations.data(), n, 99) / 1000.0;
        double max = n > 0 ? durations[n - 1] / 1000.0 : 0.0;
        const char *shown = name != nullptr ? name : "?";
        std::fprintf(m_file, "#zone %6u %11u %12.3f %13.3f %10.3f %10.3f %10.3f %10.3f  %-40s\n", n, over, total_ms,
                     self_ms, p50, p95, p99, max, shown);
        STU_LOG(SEV_INFO, LC_PFL,
                "[PERF] %-44s n=%-5u over_budget=%-4u total=%.1fms self=%.1fms p50=%.3f p95=%.3f p99=%.3f max=%.3f ms",
                shown, n, over, total_ms, self_ms, p50, p95, p99, max);
    }
    if (capped || names.size() >= PERF_MAX_NAMES) {
        std::fprintf(m_file, "#note distinct_zone_names hit the PERF_MAX_NAMES cap (%u) -- summary is INCOMPLETE\n",
                     PERF_MAX_NAMES);
    }
}

void Perf_At_Exit(void) { Perf_Shutdown(); }

}  // namespace

uint32_t Perf_Nearest_Rank(const uint32_t *sorted, uint32_t n, uint32_t percent)
{
    if (n == 0) {
        return 0;
    }
    uint32_t rank = (uint32_t)(((uint64_t)percent * n + 99) / 100);
    rank = std::clamp<uint32_t>(rank, 1, n);
    return sorted[rank - 1];
}

int Perf_Init(const char *backend, const char *build)
{
    if (m_active) {
        return 0;
    }
    const char *path = Env_Path("TOLVA_PERF", PERF_DEFAULT_FILE);
    if (path == nullptr) {
        path = Env_Path("TOLVA_INPUT_METRICS", PERF_DEFAULT_FILE);
    }
    if (path == nullptr) {
        return 0;
    }
    // The profile and the input metrics never share a file: when they would, the profile
    // takes the metrics path with ".perf.fwv" appended.
    std::snprintf(m_path, sizeof(m_path), "%s", path);
    const char *metrics_path = Env_Path("TOLVA_INPUT_METRICS", "tolva_input_metrics.fwv");
    if (metrics_path != nullptr && std::strcmp(metrics_path, path) == 0) {
        std::snprintf(m_path, sizeof(m_path), "%s.perf.fwv", path);
    }
    m_records = (Perf_Record *)std::malloc(sizeof(Perf_Record) * PERF_MAX_RECORDS);
    if (m_records == nullptr) {
        return -1;
    }
    std::snprintf(m_temp_path, sizeof(m_temp_path), "%s.tmp", m_path);
    m_file = std::fopen(m_temp_path, "w");
    if (m_file == nullptr) {
        std::free(m_records);
        m_records = nullptr;
        return -1;
    }
    std::setvbuf(m_file, m_file_buffer, _IOFBF, sizeof(m_file_buffer));
#if defined(PERF_INSTRUMENT) && PERF_INSTRUMENT
    const char *instrument = "on";
#else
    const char *instrument = "off";
#endif
    char backend_text[32];
    char build_text[16];
    std::snprintf(backend_text, sizeof(backend_text), "%s", backend != nullptr ? backend : "?");
    std::snprintf(build_text, sizeof(build_text), "%s", build != nullptr ? build : "?");
    std::fprintf(m_file, "#meta backend=%s build=%s perf_instrument=%s clock=Platform_Get_Micros budget_ms=%d\n",
                 backend_text, build_text, instrument, PERF_BUDGET_MS);
    int threshold = STU_Log_Get_Severity_Threshold();
    bool call_trace = threshold == SEV_TRACE && STU_Log_Category_Enabled(LC_CALL_TRACE);
    std::fprintf(m_file,
                 "#meta log_severity=%s call_trace=%s  (a capture taken with TRACE or CALL_TRACE on measures the "
                 "logger, not the game)\n",
                 STU_Log_Severity_Name(threshold), call_trace ? "ON" : "off");
    std::fprintf(m_file, "#units t_start_us,dur_us,self_us=microseconds  depth=nesting_level  dur=inclusive  "
                         "self=dur_minus_direct_children\n");
    std::fprintf(m_file, "%10s %12s %10s %10s %5s  %-40s\n", "idx", "t_start_us", "dur_us", "self_us", "depth", "zone");
    m_capture = {};
    m_closed = 0;
    m_active = 1;
    if (!m_exit_registered) {
        m_exit_registered = 1;
        std::atexit(Perf_At_Exit);
    }
#if !(defined(PERF_INSTRUMENT) && PERF_INSTRUMENT)
    STU_LOG(SEV_WARN, LC_PFL,
            "[PERF] capture enabled but this build has PERF_INSTRUMENT off -- no zones will be recorded (configure "
            "with -DPERF_INSTRUMENT=ON)");
#endif
    return 0;
}

int Perf_Active(void) { return m_active; }

const char *Perf_Path(void) { return m_path; }

void Perf_Zone_Begin(const char *name)
{
    if (!m_active) {
        return;
    }
    if (m_capture.depth >= PERF_MAX_STACK) {
        m_capture.stack_overflows += 1;
        m_capture.skips += 1;
        return;
    }
    m_stack[m_capture.depth].name = name;
    m_stack[m_capture.depth].start_us = Platform_Get_Micros();
    m_stack[m_capture.depth].children_us = 0;
    m_capture.depth += 1;
}

void Perf_Zone_End(void)
{
    if (!m_active) {
        return;
    }
    uint64_t now = Platform_Get_Micros();
    if (m_capture.skips > 0) {
        m_capture.skips -= 1;
        return;
    }
    if (m_capture.depth == 0) {
        m_capture.unbalanced += 1;
        return;
    }
    m_capture.depth -= 1;
    const Perf_Open_Zone zone = m_stack[m_capture.depth];
    uint64_t duration = now >= zone.start_us ? now - zone.start_us : 0;
    if (m_capture.depth > 0) {
        m_stack[m_capture.depth - 1].children_us += duration;
    }
    if (m_capture.record_count >= PERF_MAX_RECORDS) {
        if (m_file == nullptr) {
            m_capture.dropped += 1;
            return;
        }
        m_capture.drains += 1;
        std::fprintf(m_file,
                     "#note buffer_full drain=%u at_t_us=%llu (rows around this point include the cost of writing "
                     "them)\n",
                     m_capture.drains, (unsigned long long)now);
        Write_Rows();
    }
    m_records[m_capture.record_count++] =
        Perf_Record{zone.name, zone.start_us, duration, zone.children_us, (uint32_t)m_capture.depth};
}

void Perf_Shutdown(void)
{
    if (!m_active || m_closed) {
        return;
    }
    m_capture.skips = 0;
    while (m_capture.depth > 0) {
        Perf_Zone_End();
        m_capture.unbalanced += 1;
    }
    m_active = 0;
    m_closed = 1;
    Write_Summary();
    Write_Rows();
    std::fprintf(m_file, "#end drains=%u dropped=%llu stack_overflows=%llu unbalanced=%llu\n", m_capture.drains,
                 (unsigned long long)m_capture.dropped, (unsigned long long)m_capture.stack_overflows,
                 (unsigned long long)m_capture.unbalanced);
    std::fclose(m_file);
    m_file = nullptr;
    std::rename(m_temp_path, m_path);
    std::free(m_records);
    m_records = nullptr;
}

void Perf_Note_Release_Time(int ticks, uint32_t ms_waited)
{
    if (ticks > 0) {
        m_live.requested_ticks += (uint32_t)ticks;
    }
    m_live.waited_ms += ms_waited;
}

void Perf_Live_Set_Base_Title(const char *title)
{
    std::snprintf(m_live_base_title, sizeof(m_live_base_title), "%s", title != nullptr ? title : "Tolva");
}

void Perf_Live_Set_Clock(uint64_t (*clock)(void)) { m_live_clock = clock; }

void Perf_Live_Reset(void) { m_live = {}; }

void Perf_Live_Note_Present(void)
{
    if (!m_live.decided) {
        m_live.decided = 1;
        const char *value = std::getenv("TOLVA_FPS_TITLE");
        m_live.enabled = !(value != nullptr && std::strcmp(value, "0") == 0);
    }
    if (!m_live.enabled) {
        return;
    }
    uint64_t now = Live_Now();
    if (!m_live.have_previous) {
        m_live.have_previous = 1;
        m_live.previous_ms = now;
        m_live.window_start_ms = now;
        return;
    }
    uint32_t interval = (uint32_t)(now >= m_live.previous_ms ? now - m_live.previous_ms : 0);
    m_live.previous_ms = now;
    uint32_t waited = std::min(m_live.waited_ms, interval);
    uint32_t work = interval - waited;
    m_live.ticks += m_live.requested_ticks + 1;
    m_live.idle += m_live.requested_ticks;
    if (work > (uint32_t)PERF_BUDGET_MS) {
        m_live.work_over += 1;
    }
    m_live.presents += 1;
    if (interval > (uint32_t)PERF_BUDGET_MS) {
        m_live.interval_over += 1;
    }
    m_live.requested_ticks = 0;
    m_live.waited_ms = 0;
    m_live_ring[m_live.ring_next] = interval;
    m_live.ring_next = (m_live.ring_next + 1) % PERF_LIVE_RING;
    if (m_live.ring_fill < (uint32_t)PERF_LIVE_RING) {
        m_live.ring_fill += 1;
    }
    m_live.window_presents += 1;
    m_live.window_worst = std::max(m_live.window_worst, interval);

    if (now - m_live.window_start_ms >= 1000) {
        double fps = (double)m_live.window_presents * 1000.0 / (double)(now - m_live.window_start_ms);
        char title[256];
        std::snprintf(title, sizeof(title), "%s - %.1f fps (worst %u ms)", m_live_base_title, fps, m_live.window_worst);
        Platform_Set_Window_Title(title);
        double ring_fps = 0.0;
        uint32_t p50 = 0, p95 = 0, p99 = 0, max = 0, over = 0;
        if (Perf_Live_Get_Stats(&ring_fps, &p50, &p95, &p99, &max, &over)) {
            STU_LOG(SEV_INFO, LC_PFL,
                    "[PERF-LIVE] %.1f fps  frame_ms p50=%u p95=%u p99=%u max=%u (last %u)  interval_over=%u/%u  "
                    "work_over=%u/%u  ticks=%u idle=%u  (budget %d ms)",
                    fps, p50, p95, p99, max, m_live.ring_fill, m_live.interval_over, m_live.presents, m_live.work_over,
                    m_live.ticks - m_live.idle, m_live.ticks, m_live.idle, PERF_BUDGET_MS);
            std::snprintf(m_live_fps_line, sizeof(m_live_fps_line), "FPS %.1f", fps);
            std::snprintf(m_live_ms_line, sizeof(m_live_ms_line), "MS %u/%u/%u", p50, p95, p99);
            std::snprintf(m_live_max_line, sizeof(m_live_max_line), "MAX %u  OVR %u", max, over);
            m_live.lines_ready = 1;
        }
        m_live.window_start_ms = now;
        m_live.window_presents = 0;
        m_live.window_worst = 0;
    }
}

int Perf_Live_Get_Stats(double *fps, uint32_t *p50, uint32_t *p95, uint32_t *p99, uint32_t *max, uint32_t *over_budget)
{
    if (m_live.ring_fill == 0) {
        return 0;
    }
    uint32_t sorted[PERF_LIVE_RING];
    uint64_t sum = 0;
    uint32_t over = 0;
    for (uint32_t i = 0; i < m_live.ring_fill; ++i) {
        sorted[i] = m_live_ring[i];
        sum += sorted[i];
        over += sorted[i] > (uint32_t)PERF_BUDGET_MS ? 1 : 0;
    }
    std::sort(sorted, sorted + m_live.ring_fill);
    if (fps != nullptr) *fps = sum == 0 ? 0.0 : (double)m_live.ring_fill * 1000.0 / (double)sum;
    if (p50 != nullptr) *p50 = Perf_Nearest_Rank(sorted, m_live.ring_fill, 50);
    if (p95 != nullptr) *p95 = Perf_Nearest_Rank(sorted, m_live.ring_fill, 95);
    if (p99 != nullptr) *p99 = Perf_Nearest_Rank(sorted, m_live.ring_fill, 99);
    if (max != nullptr) *max = sorted[m_live.ring_fill - 1];
    if (over_budget != nullptr) *over_budget = over;
    return 1;
}

int Perf_Live_Get_Display_Lines(char *fps_line, char *ms_line, char *max_line)
{
    if (!m_live.lines_ready) {
        return 0;
    }
    if (fps_line != nullptr) std::snprintf(fps_line, 32, "%s", m_live_fps_line);
    if (ms_line != nullptr) std::snprintf(ms_line, 32, "%s", m_live_ms_line);
    if (max_line != nullptr) std::snprintf(max_line, 32, "%s", m_live_max_line);
    return 1;
}

int Perf_Get_Tick_Accounting(uint32_t *ticks, uint32_t *idle, uint32_t *work_over)
{
    if (ticks != nullptr) *ticks = m_live.ticks;
    if (idle != nullptr) *idle = m_live.idle;
    if (work_over != nullptr) *work_over = m_live.work_over;
    return m_live.ticks > 0 ? 1 : 0;
}
