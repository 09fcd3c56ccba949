// The particle streams: emitters whose streams grow one trail point per frame by iterating a
// small non-linear map with eight slowly drifting coefficients. No GL here: the drawing reads
// these records, and the simulation runs and is tested without it.
#pragma once

#include <array>
#include <vector>

// One point of a trail, in scene units; hue and saturation in [0, 1].
struct TrailPoint {
    float x = 0.0f;
    float y = 3.0f;
    float z = 0.0f;
    float hue = 0.0f;
    float saturation = 0.0f;
};

// One trail, a ring of points. `head` indexes the newest point.
struct Stream {
    std::vector<TrailPoint> points;
    int head = 0;
    // The map's constant term, fixed by the stream's ordinal within its emitter.
    float ox = 0.0f;
    float oy = 0.0f;
    float oz = 0.0f;
};

inline constexpr int kControlCount = 8;
// The map's coefficients K[0] to K[7], each within [-1, 1], or their per-frame velocities.
using ControlValues = std::array<float, kControlCount>;

struct Emitter {
    std::vector<Stream> streams;
    int randomizeCountdown = 1;  // frames until the control values are redrawn
    ControlValues control{};
    ControlValues controlVelocity{};  // change of each control value per frame
};

// Builds an emitter: its streams with their start trails (no random draws), then the eight
// control values and velocities, drawn K[0], V[0], K[1], V[1], ... Throws std::bad_alloc
// when the trails cannot be had.
Emitter makeEmitter(int streamsPerEmitter, int trailLength, int controlSpeed);

// One frame of an emitter's simulation: redraws the control values when `randomizeInterval`
// (0 to 100) says so, moves them by their velocities (bouncing at -1 and 1), then advances
// every stream, first to last. Gives how many of its streams' range guards fired.
int updateEmitter(Emitter& emitter, int randomizeInterval);

// Writes the stream's next point from its newest one, over its oldest one. Once every lap of
// the ring a point that ran away (beyond 1e9 or not a number) is put back near the origin;
// true when that happened.
bool updateStream(Stream& stream, const ControlValues& K);

// Moves every point of the trail once: scaled by `expansionFactor`, then `windStep` along z.
void driftTrail(Stream& stream, float expansionFactor, float windStep);
