// A WAV file from the fuzzer, loaded as the game loads its sounds and played
// through the headless mixer, once and looping.
#include <memory>

#include "FuzzSupport.h"
#include "shell/platform/Sound.h"

using namespace ravel;

namespace {
SoundManager g_sounds;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Expect(g_sounds.Initialize(true, 0) == RESULT_OK, "no headless mixer");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("sound.wav");
    fuzz::WriteInput(path, data, size);
    SoundObject* raw = nullptr;
    if (g_sounds.CreateSound(&raw, path.c_str(), SOUND_CTRL_VOLUME, 0, 2) != RESULT_OK) return 0;
    const std::unique_ptr<SoundObject> sound(raw);
    for (uint32_t flags : {0u, SOUND_PLAY_LOOPING}) {
        sound->Play(0, flags, 0, FREQUENCY_UNCHANGED, 0);
        g_sounds.MixFrames(4096);
        sound->Stop();
    }
    return 0;
}
