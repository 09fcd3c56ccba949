// What a long run of the simulation is watched for, frame by frame: how far the points go, how
// often the range guard has to put one back, and whether a NaN or an infinity lives on in a
// trail for longer than one lap of its ring (the range guard and the overwriting of old points
// must clear every one within a lap).
#pragma once

#include "animation_state.h"

#include <cstdint>
#include <string>
#include <vector>

struct SoakFigures {
    std::int64_t frames = 0;
    float largestCoordinate = 0.0f;         // largest |x|, |y| or |z| of a finite point, scene units
    std::int64_t guardFirings = 0;          // points the range guard put back
    std::int64_t framesWithNonFinite = 0;   // frames after which some value was NaN or infinite
    std::int64_t longestNonFiniteRun = 0;   // most frames in a row one stream or emitter held one
    std::int64_t trailLength = 0;           // one lap of a ring, in frames

    // A NaN or infinity outlived one lap: the animation would keep drawing broken points.
    bool nonFiniteSurvived() const { return longestNonFiniteRun > trailLength; }
};

class SoakWatch {
public:
    explicit SoakWatch(const AnimationState& state);
    // Looks at the state after one frame whose step reported `guardFirings`.
    void observe(const AnimationState& state, int guardFirings);
    const SoakFigures& figures() const { return figures_; }

private:
    SoakFigures figures_;
    std::vector<std::int64_t> runs_;  // per stream, then per emitter's control values
};

// One line of figures for seed `seed`, ending in '\n'.
std::string soakReport(std::uint32_t seed, const SoakFigures& figures);
