#include "Input_Metrics.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sdl2_PFL.h"

namespace {

int m_active = 0;
int m_closed = 0;
FILE *m_file = nullptr;
char m_buffer[65536];
char m_path[1024] = "";
char m_temp_path[1040] = "";
// One capture: all zero when it starts.
struct Capture_State {
    uint64_t rows;
    int capped;
    uint64_t last_flush_ms;
    uint64_t previous_present_ms;
    int poll_x;
    int poll_y;
    int present_x;
    int present_y;
};
Capture_State m_capture = {};
// The polls since the last present: all zero after each present.
struct Poll_Window {
    uint32_t polls;
    uint64_t max_gap_ms;
    uint64_t previous_poll_ms;
};
Poll_Window m_window = {};
char m_reason[12] = "frame";
int m_exit_registered = 0;

int Clamp16(int64_t value) { return value < -32768 ? -32768 : (value > 32767 ? 32767 : (int)value); }

void Input_Metrics_At_Exit(void) { Input_Metrics_Shutdown(); }

}  // namespace

int Input_Metrics_Init(const char *path, const char *backend, const char *video_driver, int scale, int refresh)
{
    if (m_active) {
        return 0;
    }
    const char *file_path = (path != nullptr && path[0] != '\0') ? path : IM_DEFAULT_FILE;
    // Written under a temporary name and renamed when closed, so no half file ever carries the name.
    std::snprintf(m_temp_path, sizeof(m_temp_path), "%s.tmp", file_path);
    FILE *file = std::fopen(m_temp_path, "w");
    if (file == nullptr) {
        return -1;
    }
    std::setvbuf(file, m_buffer, _IOFBF, sizeof(m_buffer));
    m_file = file;
    std::snprintf(m_path, sizeof(m_path), "%s", file_path);
    std::fprintf(file, "#meta backend=%s video_driver=%s scale=%d refresh=%d flush_ms=%u\n",
                 backend != nullptr ? backend : "?",
                 (video_driver != nullptr && video_driver[0] != '\0') ? video_driver : "?", scale < 1 ? 1 : scale,
                 refresh < 0 ? 0 : refresh, IM_FLUSH_MS);
    std::fprintf(file, "#units t_ms,dt_ms,block_ms,max_gap_ms=milliseconds  dx,dy,ptr=game_px  reason=present_cause\n");
    std::fprintf(file, "%10s %10s %7s %8s %6s %8s %5s %5s %6s %6s  %-11s\n", "idx", "t_ms", "dt_ms", "block_ms",
                 "ticks", "max_gap", "dx", "dy", "ptr_x", "ptr_y", "reason");
    m_capture = {};
    m_closed = 0;
    m_capture.last_flush_ms = Platform_Get_Millies();
    m_window = {};
    std::snprintf(m_reason, sizeof(m_reason), "frame");
    m_active = 1;
    if (!m_exit_registered) {
        m_exit_registered = 1;
        std::atexit(Input_Metrics_At_Exit);
    }
    return 0;
}

int Input_Metrics_Active(void) { return m_active; }

const char *Input_Metrics_Path(void) { return m_path; }

void Input_Metrics_Note_Tick(uint64_t ms)
{
    if (!m_active) {
        return;
    }
    if (m_window.previous_poll_ms != 0 && ms >= m_window.previous_poll_ms &&
        ms - m_window.previous_poll_ms > m_window.max_gap_ms) {
        m_window.max_gap_ms = ms - m_window.previous_poll_ms;
    }
    m_window.previous_poll_ms = ms;
    m_window.polls += 1;
}

void Input_Metrics_Note_Poll(int x, int y)
{
    if (!m_active) {
        return;
    }
    m_capture.poll_x = x;
    m_capture.poll_y = y;
}

void Input_Metrics_Set_Reason(const char *text)
{
    if (!m_active) {
        return;
    }
    std::snprintf(m_reason, sizeof(m_reason), "%s", text != nullptr ? text : "frame");
}

void Input_Metrics_Note_Viewport(int window_w, int window_h, int drawable_w, int drawable_h, const char *scale_mode,
                                 const char *aspect, int scale, int rect_x, int rect_y, int rect_w, int rect_h)
{
    if (!m_active || m_capture.capped) {
        return;
    }
    std::fprintf(m_file,
                 "#viewport after_idx=%llu window=%dx%d drawable=%dx%d scale_mode=%s aspect_ratio=%s scale=%d "
                 "rect=%d,%d,%dx%d\n",
                 (unsigned long long)m_capture.rows, window_w, window_h, drawable_w, drawable_h,
                 scale_mode != nullptr ? scale_mode : "?", aspect != nullptr ? aspect : "?", scale, rect_x, rect_y,
                 rect_w, rect_h);
}

void Input_Metrics_Record_Present(uint64_t before_ms, uint64_t after_ms)
{
    if (!m_active) {
        return;
    }
    if (m_capture.rows >= IM_MAX_ROWS && !m_capture.capped) {
        m_capture.capped = 1;
        std::fprintf(m_file, "#end capped=1 rows=%llu (IM_MAX_ROWS reached; recording stopped)\n",
                     (unsigned long long)m_capture.rows);
        std::fflush(m_file);
    }
    if (!m_capture.capped) {
        uint64_t dt = (m_capture.previous_present_ms == 0 || before_ms < m_capture.previous_present_ms)
                          ? 0
                          : before_ms - m_capture.previous_present_ms;
        uint64_t block = after_ms < before_ms ? 0 : after_ms - before_ms;
        std::fprintf(m_file, "%10llu %10llu %7u %8u %6u %8u %5d %5d %6d %6d  %-11s\n",
                     (unsigned long long)(m_capture.rows + 1), (unsigned long long)before_ms, (unsigned)dt,
                     (unsigned)block, m_window.polls, (unsigned)m_window.max_gap_ms,
                     Clamp16((int64_t)m_capture.poll_x - m_capture.present_x),
                     Clamp16((int64_t)m_capture.poll_y - m_capture.present_y), Clamp16(m_capture.poll_x),
                     Clamp16(m_capture.poll_y), m_reason);
        m_capture.rows += 1;
        uint64_t now = after_ms;
        if (now > m_capture.last_flush_ms && now - m_capture.last_flush_ms > IM_FLUSH_MS - 1) {
            std::fflush(m_file);
            m_capture.last_flush_ms = now;
        }
    }
    m_capture.previous_present_ms = before_ms;
    m_window = {};
    m_capture.present_x = m_capture.poll_x;
    m_capture.present_y = m_capture.poll_y;
    std::snprintf(m_reason, sizeof(m_reason), "frame");
}

void Input_Metrics_Shutdown(void)
{
    if (!m_active || m_closed) {
        return;
    }
    if (!m_capture.capped) {
        std::fprintf(m_file, "#end rows=%llu\n", (unsigned long long)m_capture.rows);
    }
    std::fclose(m_file);
    m_file = nullptr;
    std::rename(m_temp_path, m_path);
    m_closed = 1;
    m_active = 0;
}
