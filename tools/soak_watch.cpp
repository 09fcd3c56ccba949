// Watching a long run of the simulation.
#include "soak_watch.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace {

// Lengthens `run` while `broken` holds, and gives whether it did.
bool extendRun(std::int64_t& run, bool broken, std::int64_t& longest) {
    run = broken ? run + 1 : 0;
    if (run > longest) longest = run;
    return broken;
}

}  // namespace

SoakWatch::SoakWatch(const AnimationState& state) {
    figures_.trailLength = state.settings.trailLength;
    std::size_t count = state.emitters.size();
    for (const Emitter& emitter : state.emitters) count += emitter.streams.size();
    runs_.assign(count, 0);
}

void SoakWatch::observe(const AnimationState& state, int guardFirings) {
    ++figures_.frames;
    figures_.guardFirings += guardFirings;
    bool anyNonFinite = false;
    std::size_t run = 0;
    for (const Emitter& emitter : state.emitters) {
        for (const Stream& stream : emitter.streams) {
            bool broken = false;
            for (const TrailPoint& p : stream.points) {
                for (const float v : {p.x, p.y, p.z}) {
                    if (!std::isfinite(v)) {
                        broken = true;
                    } else if (std::fabs(v) > figures_.largestCoordinate) {
                        figures_.largestCoordinate = std::fabs(v);
                    }
                }
                broken = broken || !std::isfinite(p.hue) || !std::isfinite(p.saturation);
            }
            anyNonFinite |= extendRun(runs_[run++], broken, figures_.longestNonFiniteRun);
        }
        bool broken = false;
        for (std::size_t i = 0; i < emitter.control.size(); ++i) {
            broken = broken || !std::isfinite(emitter.control[i]) || !std::isfinite(emitter.controlVelocity[i]);
        }
        anyNonFinite |= extendRun(runs_[run++], broken, figures_.longestNonFiniteRun);
    }
    if (anyNonFinite) ++figures_.framesWithNonFinite;
}

std::string soakReport(std::uint32_t seed, const SoakFigures& f) {
    char line[320];
    std::snprintf(line, sizeof line,
                  "seed %" PRIu32 ": %" PRId64 " frames, largest coordinate %.6g, range guard fired %" PRId64
                  " times, NaN or infinity after %" PRId64 " frames, longest in one trail %" PRId64
                  " frames (one lap %" PRId64 "): %s\n",
                  seed, f.frames, static_cast<double>(f.largestCoordinate), f.guardFirings, f.framesWithNonFinite,
                  f.longestNonFiniteRun, f.trailLength, f.nonFiniteSurvived() ? "SURVIVED A LAP" : "none survived");
    return line;
}
