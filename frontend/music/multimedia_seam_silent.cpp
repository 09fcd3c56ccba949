// The platform seam of native builds, which have no MCI: every command fails as an unknown
// device would, there is no wave device, and nothing is played.
#include "multimedia_seam.h"

namespace {

// The MCI code for a device name the system does not know.
constexpr std::uint32_t kInvalidDeviceName = 256 + 7;

class SilentSeam final : public MultimediaSeam {
public:
    std::uint32_t sendString(const char*, char* reply, std::uint32_t replySize) override {
        if (reply != nullptr && replySize > 0) reply[0] = '\0';
        return kInvalidDeviceName;
    }
    bool errorString(std::uint32_t, char* text, std::uint32_t textSize) override {
        if (text != nullptr && textSize > 0) text[0] = '\0';
        return false;
    }
    std::uint32_t waveOutDeviceCount() override { return 0; }
    void playSound(const char*, std::uint32_t) override {}
};

}  // namespace

MultimediaSeam& platformMultimediaSeam() {
    static SilentSeam seam;
    return seam;
}
