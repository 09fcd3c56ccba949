// Cost of the animation's simulation alone (no drawing): one whole frame with the fixed
// settings, one stream step, and the start-up build of the emitters.
#include "animation_state.h"
#include "particle_streams.h"
#include "random15.h"
#include "renderer_settings.h"

#include <benchmark/benchmark.h>

namespace {

void simulationFrame(benchmark::State& state) {
    startRandom15(1);
    AnimationState animation;
    buildAnimation(animation, fixedRendererSettings());
    for (auto _ : state) {
        stepSimulation(animation);
        benchmark::DoNotOptimize(animation.emitters.data());
    }
    state.SetLabel("2 emitters x 2 streams x 100 points, fixed settings");
}
BENCHMARK(simulationFrame);

void streamStep(benchmark::State& state) {
    startRandom15(1);
    Emitter emitter = makeEmitter(2, 100, 100);
    for (auto _ : state) {
        updateStream(emitter.streams[0], emitter.control);
        benchmark::DoNotOptimize(emitter.streams[0].head);
    }
}
BENCHMARK(streamStep);

void buildAtStartUp(benchmark::State& state) {
    for (auto _ : state) {
        startRandom15(1);
        AnimationState animation;
        benchmark::DoNotOptimize(buildAnimation(animation, fixedRendererSettings()));
    }
}
BENCHMARK(buildAtStartUp);

}  // namespace

BENCHMARK_MAIN();
