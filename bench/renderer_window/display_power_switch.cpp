// The display-power probe from the command line, for scripts/pace.sh: loads it into the
// running renderer (the window with the renderer's title) and
//   display_power_switch off|on|dimmed   sends that notification of the session's display
//   display_power_switch frames          prints the frames presented since the probe came
//   display_power_switch first-frame     prints the milliseconds from the last notification to
//                                        the frame after it ("none" while there is none)
#include "display_power_remote.h"
#include "running_renderer.h"
#include "windows_probe.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: display_power_switch off|on|dimmed|frames|first-frame\n");
        return 2;
    }
    const HWND window = FindWindowA(kRendererWindowClass, kRendererWindowTitle);
    if (window) e2e::waitUntilIdle(window, 10000);
    e2e::DisplayPowerProbe probe(window);
    if (!probe.ready()) {
        std::fprintf(stderr, "no renderer to load the probe into\n");
        return 1;
    }
    const char* what = argv[1];
    if (std::strcmp(what, "frames") == 0) {
        std::printf("%lu\n", static_cast<unsigned long>(probe.frames()));
    } else if (std::strcmp(what, "first-frame") == 0) {
        const auto us = probe.firstFrameMicroseconds();
        if (us) std::printf("%.2f\n", *us / 1000.0);
        else std::printf("none\n");
    } else if (std::strcmp(what, "off") == 0 || std::strcmp(what, "on") == 0 ||
               std::strcmp(what, "dimmed") == 0) {
        const e2e::PowerNotice notice = what[1] == 'f' ? e2e::kDisplayOff
                                        : what[0] == 'o' ? e2e::kDisplayOn
                                                         : e2e::kDisplayDimmed;
        if (!probe.send(notice)) return 1;
    } else {
        std::fprintf(stderr, "unknown: %s\n", what);
        return 2;
    }
    return 0;
}
