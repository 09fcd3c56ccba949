// How a frame reads a trail: oldest point first, so that the newest lands on top, its lightness
// rising along the way. The one walk for every way of drawing the points.
#pragma once

#include "particle_streams.h"

#include <cstddef>

// Calls visit(point, placeFromNewest, lightness) for every point of the trail, oldest first;
// placeFromNewest is 0 for the newest, and the lightness rises by `hueStep` from `hueStep`.
template <typename Visit>
void walkTrail(const Stream& stream, float hueStep, Visit&& visit) {
    const int n = static_cast<int>(stream.points.size());
    float lightness = hueStep;
    for (int i = 1; i <= n; ++i) {
        visit(stream.points[static_cast<std::size_t>((stream.head + i) % n)], n - i, lightness);
        lightness += hueStep;
    }
}
