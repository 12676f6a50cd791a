// What the engine core asks of the layers above it. The core links no platform layer: the
// screen engine installs the platform's clock and what it must stop or forget, set by value;
// each unset member has the written-down default, and `= {}` restores them all.
#pragma once

#include <cstdint>

struct Core_Services {
    // The clock that seeds Randomize(), in microseconds; only its differences carry meaning.
    // Unset: the process's steady clock plus an offset from the time of day.
    uint32_t (*read_clock)(void);
    // Stops what the platform runs (music, the system mouse, audio) before a fatal exit.
    // Unset: nothing runs, nothing to stop.
    void (*stop_platform)(void);
    // Disable and restore the mouse around a disk access. Unset: no mouse, nothing to do.
    void (*save_mouse)(void);
    void (*restore_mouse)(void);
    // Told of every archive entry read into memory, so that caches keyed by address forget
    // what was there before. Unset: no such cache.
    void (*forget_area)(const uint8_t *start, uint32_t length);
};

extern Core_Services core_services;
void Core_Set_Services(const Core_Services &services);

inline uint32_t Core_Read_Clock(void)
{
    extern uint32_t Core_Default_Clock(void);
    return core_services.read_clock != nullptr ? core_services.read_clock() : Core_Default_Clock();
}
inline void Core_Stop_Platform(void)
{
    if (core_services.stop_platform != nullptr) core_services.stop_platform();
}
inline void Core_Save_Mouse(void)
{
    if (core_services.save_mouse != nullptr) core_services.save_mouse();
}
inline void Core_Restore_Mouse(void)
{
    if (core_services.restore_mouse != nullptr) core_services.restore_mouse();
}
inline void Core_Forget_Area(const uint8_t *start, uint32_t length)
{
    if (core_services.forget_area != nullptr) core_services.forget_area(start, length);
}
