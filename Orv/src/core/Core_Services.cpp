#include "Core_Services.h"

#include <chrono>
#include <ctime>

Core_Services core_services = {};

void Core_Set_Services(const Core_Services &services) { core_services = services; }

uint32_t Core_Default_Clock(void)
{
    static const uint32_t start_offset = (uint32_t)((uint64_t)time(nullptr) * 1000000u);
    auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return (uint32_t)micros.count() + start_offset;
}
