// The renderer watch's decision.
#include "renderer_watch.h"

bool RendererWatch::saverShouldEnd(const WatchObservation& seen) {
    if (seen.rendererWindowExists) {
        windowSeen_ = true;
        return false;
    }
    return windowSeen_ || seen.rendererProcessEnded || seen.elapsedMs >= startupLimitMs_;
}
