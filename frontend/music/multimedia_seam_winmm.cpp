// The real multimedia seam of the Windows programs: the ANSI entry points of winmm.
#include <windows.h>
#include <mmsystem.h>

#include "multimedia_seam.h"

namespace {

class WinmmSeam final : public MultimediaSeam {
public:
    std::uint32_t sendString(const char* command, char* reply, std::uint32_t replySize) override {
        return mciSendStringA(command, reply, replySize, nullptr);
    }
    bool errorString(std::uint32_t code, char* text, std::uint32_t textSize) override {
        return mciGetErrorStringA(code, text, textSize) != FALSE;
    }
    std::uint32_t waveOutDeviceCount() override { return waveOutGetNumDevs(); }
    void playSound(const char* name, std::uint32_t flags) override {
        PlaySoundA(name, nullptr, flags);
    }
};

}  // namespace

MultimediaSeam& platformMultimediaSeam() {
    static WinmmSeam seam;
    return seam;
}
