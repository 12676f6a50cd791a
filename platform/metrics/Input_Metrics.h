// Input metrics: one fixed-width row per presented picture (when, how long the present
// blocked, input polls since the last one and the longest gap, pointer movement), for
// studying input latency. Off unless TOLVA_INPUT_METRICS asks for it.
#pragma once

#include <cstdint>

constexpr uint64_t IM_MAX_ROWS = 2000000;
constexpr uint32_t IM_FLUSH_MS = 500;
constexpr const char *IM_DEFAULT_FILE = "tolva_input_metrics.fwv";

int Input_Metrics_Init(const char *path, const char *backend, const char *video_driver, int scale, int refresh);
int Input_Metrics_Active(void);
void Input_Metrics_Note_Tick(uint64_t ms);
void Input_Metrics_Note_Poll(int x, int y);
void Input_Metrics_Set_Reason(const char *text);
void Input_Metrics_Note_Viewport(int window_w, int window_h, int drawable_w, int drawable_h, const char *scale_mode,
                                 const char *aspect, int scale, int rect_x, int rect_y, int rect_w, int rect_h);
void Input_Metrics_Record_Present(uint64_t before_ms, uint64_t after_ms);
void Input_Metrics_Shutdown(void);
// The path the metrics file was opened with ("" while inactive and never started).
const char *Input_Metrics_Path(void);
