// Frames per second of the real drawing (corvessa-frames --bench, off-screen over OSMesa)
// beside the floor (floor-frames: the same view and veil, 400 textured quads from one vertex
// array) at 320x240 and 1920x1080 per monitor, on one, two and three monitors side by side.
// The ratio is frame time over the floor's. One program runs at a time, so that none takes
// the other's cores.
//   bench_animation_frames [--before PATH]   PATH: another corvessa-frames (an older build)
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 300;
constexpr int kRendererSeed = 1;
constexpr int kFloorSeed = 7;  // the floor's spread of quads since its first figures

// Frames per second that a tool printed, or 0 when it did not run.
double framesPerSecond(const std::string& tool, int seed, const char* size, int monitors) {
    const std::string command = tool + " --seed " + std::to_string(seed) + " --frames " + std::to_string(kFrames) + " --size " +
                                size + " --monitors " + std::to_string(monitors) + " --bench";
    double fps = 0.0;
    if (FILE* out = popen(command.c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, out) != nullptr) {
            const std::string text(line);
            const size_t at = text.find(" frames per second");
            if (at == std::string::npos) continue;
            const size_t from = text.rfind(' ', at - 1);
            fps = std::atof(text.substr(from + 1, at - from - 1).c_str());
        }
        pclose(out);
    }
    return fps;
}

double ratio(double floorFps, double fps) { return fps > 0 ? floorFps / fps : 0.0; }

}  // namespace

int main(int argc, char** argv) {
    std::string before;
    if (argc == 3 && std::string(argv[1]) == "--before") before = argv[2];
    std::printf("%d frames per run, OSMesa (llvmpipe), one program at a time; ratio = frame "
                "time / the floor's\n", kFrames);
    std::printf("%-10s %-8s %10s %10s %8s%s\n", "size", "monitors", "renderer", "floor", "ratio",
                before.empty() ? "" : "     before    ratio");
    for (const char* size : {"320x240", "1920x1080"}) {
        for (int monitors = 1; monitors <= 3; ++monitors) {
            const double now = framesPerSecond(CORVESSA_FRAMES_TOOL, kRendererSeed, size, monitors);
            const double floorFps = framesPerSecond(CORVESSA_FLOOR_TOOL, kFloorSeed, size, monitors);
            std::printf("%-10s %-8d %10.1f %10.1f %7.2fx", size, monitors, now, floorFps,
                        ratio(floorFps, now));
            if (!before.empty()) {
                const double old = framesPerSecond(before, kRendererSeed, size, monitors);
                std::printf(" %10.1f %7.2fx", old, ratio(floorFps, old));
            }
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
