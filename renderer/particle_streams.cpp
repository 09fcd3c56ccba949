// The particle-stream map, its control values and the trail rings.
#include "particle_streams.h"

#include "random15.h"

#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kRunawayLimit = 1e9f;

Stream makeStream(int ordinal, int streamsPerEmitter, int trailLength) {
    Stream stream;
    stream.points.assign(static_cast<size_t>(trailLength), TrailPoint{});
    const float k = static_cast<float>(ordinal);
    const float count = static_cast<float>(streamsPerEmitter);
    stream.ox = std::cos(kTwoPi * k / count);
    stream.oy = k / count - 0.5f;
    stream.oz = std::sin(kTwoPi * k / count);
    return stream;
}

// The part of a coordinate that the map takes away: large values shrink towards 1.
float nonLinearTerm(float v) { return v * (1.0f - 1.0f / (v * v + 1.0f)); }

bool ranAway(float v) {
    // Written so that NaN counts as run away too.
    return !(v <= kRunawayLimit && v >= -kRunawayLimit);
}

}  // namespace

Emitter makeEmitter(int streamsPerEmitter, int trailLength, int controlSpeed) {
    Emitter emitter;
    emitter.streams.reserve(static_cast<size_t>(streamsPerEmitter));
    for (int ordinal = 0; ordinal < streamsPerEmitter; ++ordinal) {
        emitter.streams.push_back(makeStream(ordinal, streamsPerEmitter, trailLength));
    }
    emitter.randomizeCountdown = 1;
    const float speedSquared = static_cast<float>(controlSpeed * controlSpeed);
    for (int i = 0; i < kControlCount; ++i) {
        emitter.control[i] = signedDraw();
        emitter.controlVelocity[i] = unitDraw() * speedSquared * 0.000005f + speedSquared * 0.000001f;
    }
    return emitter;
}

int updateEmitter(Emitter& emitter, int randomizeInterval) {
    if (randomizeInterval != 0) {
        --emitter.randomizeCountdown;
        if (emitter.randomizeCountdown <= 0) {
            for (float& k : emitter.control) {
                k = signedDraw();
            }
            const int t = (101 - randomizeInterval) * (101 - randomizeInterval);
            emitter.randomizeCountdown = t + (t * random15()) / 32767;
        }
    }
    for (int i = 0; i < kControlCount; ++i) {
        float& k = emitter.control[i];
        float& v = emitter.controlVelocity[i];
        k += v;
        if (k >= 1.0f) {
            k = 1.0f;
            v = -v;
        }
        if (k <= -1.0f) {
            k = -1.0f;
            v = -v;
        }
    }
    int guardFirings = 0;
    for (Stream& stream : emitter.streams) {
        guardFirings += updateStream(stream, emitter.control) ? 1 : 0;
    }
    return guardFirings;
}

bool updateStream(Stream& stream, const ControlValues& K) {
    const int n = static_cast<int>(stream.points.size());
    const TrailPoint p = stream.points[static_cast<size_t>(stream.head)];
    stream.head = stream.head + 1 == n ? 0 : stream.head + 1;
    TrailPoint& q = stream.points[static_cast<size_t>(stream.head)];

    const float dx = nonLinearTerm(p.x);
    const float dy = nonLinearTerm(p.y);
    const float dz = nonLinearTerm(p.z);
    q.x = stream.ox * K[6] + p.x - dx + K[5] * p.z + K[2] * p.y;
    q.y = stream.oy * K[6] + p.y - dy + K[1] * p.z + K[4] * p.x;
    q.z = stream.oz * K[6] + p.z - dz + K[3] * p.y + K[0] * p.x;

    float hue = dx * dx + dy * dy + dz * dz;
    if (hue > 1.0f) {
        hue = 1.0f;
    }
    hue += K[7];
    if (hue > 1.0f) {
        hue -= 1.0f;
    }
    if (hue < 0.0f) {
        hue += 1.0f;
    }
    q.hue = hue;

    float s = hue + K[0];
    if (s < 0.0f) {
        s = -s;
    }
    s -= std::trunc(s);  // trunc, not a cast: a NaN hue must not be undefined behaviour
    q.saturation = 1.0f - s * s;

    // Checked once per lap, on the point just written; elsewhere a runaway point lives on
    // until it is overwritten.
    if (stream.head == 0 && (ranAway(q.x) || ranAway(q.y) || ranAway(q.z))) {
        q.x = signedDraw();
        q.y = signedDraw();
        q.z = signedDraw();
        return true;
    }
    return false;
}

void driftTrail(Stream& stream, float expansionFactor, float windStep) {
    for (TrailPoint& point : stream.points) {
        point.x *= expansionFactor;
        point.y *= expansionFactor;
        point.z *= expansionFactor;
        point.z += windStep;
    }
}
