// A reference search over one plane: binary-heap Dijkstra from a square over a cost map of the
// eight neighbours, x wrapping, 0xFF impassable. The yardstick that benchmarks compare whole rule
// passes against.
#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

#include "world/ALLOC.h"

inline uint32_t Plane_Search(const uint8_t *costs, int origin_x, int origin_y, std::vector<uint32_t> &dist)
{
    using Item = std::pair<uint32_t, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> heap;
    dist.assign(WORLD_SIZE, UINT32_MAX);
    const int origin = origin_y * WORLD_WIDTH + origin_x;
    dist[origin] = 0;
    heap.push({0, origin});
    uint32_t reached = 0;
    while (!heap.empty()) {
        const auto [d, sq] = heap.top();
        heap.pop();
        if (d != dist[sq]) continue;
        reached++;
        const int x = sq % WORLD_WIDTH;
        const int y = sq / WORLD_WIDTH;
        for (int dy = -1; dy <= 1; dy++) {
            const int ny = y + dy;
            if (ny < 0 || ny >= WORLD_HEIGHT) continue;
            for (int dx = -1; dx <= 1; dx++) {
                if (dx == 0 && dy == 0) continue;
                const int n = ny * WORLD_WIDTH + (x + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (costs[n] == 0xFF) continue;
                const uint32_t nd = d + costs[n];
                if (nd < dist[n]) {
                    dist[n] = nd;
                    heap.push({nd, n});
                }
            }
        }
    }
    return reached;
}
