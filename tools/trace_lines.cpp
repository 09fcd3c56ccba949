// Formatting of the simulation trace.
#include "trace_lines.h"

#include <cmath>
#include <cstdio>

std::string formatTraceFloat(float value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string traceLines(int frame, const AnimationState& state) {
    std::string out;
    const std::string prefix = "frame " + std::to_string(frame) + " emitter ";
    for (size_t e = 0; e < state.emitters.size(); ++e) {
        const Emitter& emitter = state.emitters[e];
        out += prefix + std::to_string(e) + " control";
        for (float k : emitter.control) {
            out += ' ';
            out += formatTraceFloat(k);
        }
        out += '\n';
        for (size_t s = 0; s < emitter.streams.size(); ++s) {
            const Stream& stream = emitter.streams[s];
            const TrailPoint& p = stream.points[static_cast<size_t>(stream.head)];
            out += prefix + std::to_string(e) + " stream " + std::to_string(s) + " head " +
                   std::to_string(stream.head) + " point";
            for (float v : {p.x, p.y, p.z, p.hue, p.saturation}) {
                out += ' ';
                out += formatTraceFloat(v);
            }
            out += '\n';
        }
    }
    return out;
}
