#include "shell/platform/Sound.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "shell/platform/Bitmap.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"
#include "world/Paths.h"

namespace ravel {

std::vector<SoundObject*>* g_soundSlots = nullptr;

namespace {

constexpr int RESTORE_RETRIES = 100;  // 1 s of 10 ms waits for a lost buffer

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Get16(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

// Finds the chunk with the id inside [from, end); on success `at` is the
// start of its data and `size` its length, which lies wholly inside.
bool FindChunk(const std::vector<uint8_t>& b, size_t from, size_t end, const char* id, size_t& at,
               uint32_t& size) {
    size_t pos = from;
    while (pos + 8 <= end) {
        const uint32_t length = Get32(b, pos + 4);
        if (std::memcmp(&b[pos], id, 4) == 0) {
            if (length > end - pos - 8) return false;
            at = pos + 8;
            size = length;
            return true;
        }
        const uint64_t next = uint64_t(pos) + 8 + length + (length & 1);
        if (next > end) return false;
        pos = size_t(next);
    }
    return false;
}

}  // namespace

// ---- WaveFile -------------------------------------------------------------

Result WaveFile::Open(const char* name, const WaveFormat* /*format*/, uint32_t mode) {
    if (!name || mode != WAVE_READ) return RESULT_INVALID_ARG;
    mp_format.reset();
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(NativePath(name), bytes)) return RESULT_FAIL;
    return OpenMemory(std::move(bytes));
}

Result WaveFile::OpenMemory(std::vector<uint8_t> bytes) {
    mp_format.reset();
    mv_bytes = std::move(bytes);
    mb_open = true;
    Result r = ReadChunks();
    if (r != RESULT_OK) {
        Close();
        return r;
    }
    r = Reset();
    if (r != RESULT_OK) {
        mp_format.reset();
        Close();
        return r;
    }
    m_dataSize = m_dataLeft;
    return RESULT_OK;
}

Result WaveFile::ReadChunks() {
    const std::vector<uint8_t>& b = mv_bytes;
    auto fail = [this] {
        mp_format.reset();
        return RESULT_FAIL;
    };
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0)
        return fail();
    m_riffStart = 12;
    m_riffEnd = std::min<uint64_t>(b.size(), uint64_t(Get32(b, 4)) + 8);
    size_t at;
    uint32_t size;
    if (!FindChunk(b, m_riffStart, m_riffEnd, "fmt ", at, size) || size < 16) return fail();
    auto format = std::make_unique<WaveFormat>();
    format->formatTag = Get16(b, at);
    format->channels = Get16(b, at + 2);
    format->samplesPerSec = Get32(b, at + 4);
    format->avgBytesPerSec = Get32(b, at + 8);
    format->blockAlign = Get16(b, at + 12);
    format->bitsPerSample = Get16(b, at + 14);
    if (format->formatTag != 1) {
        if (size < 18) return fail();
        format->extraSize = Get16(b, at + 16);
        if (size_t(format->extraSize) > size - 18) return fail();
        format->extra.assign(b.begin() + long(at + 18), b.begin() + long(at + 18 + format->extraSize));
    }
    mp_format = std::move(format);
    return RESULT_OK;
}

Result WaveFile::Reset() {
    if (!mb_open) return RESULT_FAIL;
    size_t at;
    uint32_t size;
    if (!FindChunk(mv_bytes, m_riffStart, m_riffEnd, "data", at, size)) return RESULT_FAIL;
    m_dataPos = at;
    m_dataLeft = size;
    return RESULT_OK;
}

Result WaveFile::Read(uint8_t* buffer, uint32_t count, uint32_t* read) {
    if (!mb_open) return RESULT_NOT_INITIALISED;
    if (!buffer || !read) return RESULT_INVALID_ARG;
    const uint32_t n = std::min(count, m_dataLeft);
    std::memcpy(buffer, mv_bytes.data() + m_dataPos, n);
    m_dataPos += n;
    m_dataLeft -= n;
    *read = n;
    return RESULT_OK;
}

Result WaveFile::Close() {
    mb_open = false;
    mv_bytes.clear();
    mv_bytes.shrink_to_fit();
    return RESULT_OK;
}

// ---- Mixer and buffers ----------------------------------------------------

AudioMixer::~AudioMixer() = default;

void AudioMixer::Add(SoundBuffer* buffer) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    mv_buffers.push_back(buffer);
}

void AudioMixer::Remove(SoundBuffer* buffer) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    mv_buffers.erase(std::remove(mv_buffers.begin(), mv_buffers.end(), buffer), mv_buffers.end());
}

void AudioMixer::Mix(int16_t* out, int frames) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    std::vector<int32_t> acc(size_t(frames) * m_channels, 0);
    for (SoundBuffer* sb : mv_buffers) {
        if (!sb->mb_playing || sb->mb_lost || !sb->mp_memory) continue;
        const WaveFormat& f = sb->m_format;
        const int bytesPerSample = f.bitsPerSample / 8;
        const int srcChannels = std::max<int>(1, f.channels);
        const size_t frameBytes = size_t(bytesPerSample) * srcChannels;
        const std::vector<uint8_t>& mem = *sb->mp_memory;
        if (f.formatTag != 1 || (bytesPerSample != 1 && bytesPerSample != 2) || mem.size() < frameBytes) {
            sb->mb_playing = false;
            continue;
        }
        const size_t totalFrames = mem.size() / frameBytes;
        const double step = double(f.samplesPerSec) / m_rate;
        for (int i = 0; i < frames; ++i) {
            size_t frame = sb->m_cursor / frameBytes;
            if (frame >= totalFrames) {
                if (!sb->mb_looping) {
                    sb->mb_playing = false;
                    sb->m_cursor = 0;
                    break;
                }
                frame = 0;
                sb->m_cursor = 0;
            }
            for (int c = 0; c < m_channels; ++c) {
                const size_t at = frame * frameBytes + size_t(std::min(c, srcChannels - 1)) * bytesPerSample;
                const int32_t v =
                    bytesPerSample == 1 ? (int32_t(mem[at]) - 128) << 8 : int16_t(mem[at] | mem[at + 1] << 8);
                acc[size_t(i) * m_channels + c] += v;
            }
            sb->m_fraction += step;
            const size_t whole = size_t(sb->m_fraction);
            sb->m_fraction -= double(whole);
            sb->m_cursor += whole * frameBytes;
        }
    }
    for (size_t i = 0; i < acc.size(); ++i) out[i] = int16_t(std::clamp(acc[i], -32768, 32767));
}

Result SoundBuffer::GetStatus(uint32_t* status) {
    if (!status) return RESULT_INVALID_ARG;
    std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
    *status = (mb_playing ? SOUND_STATUS_PLAYING : 0) | (mb_lost ? SOUND_STATUS_LOST : 0);
    return RESULT_OK;
}

Result SoundBuffer::Play(uint32_t, uint32_t flags) {
    std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
    if (mb_lost) return RESULT_FAIL;
    mb_looping = (flags & SOUND_PLAY_LOOPING) != 0;
    // A playing buffer plays on from where it is, as the sound card does.
    mb_playing = true;
    mp_mixer->mv_played.push_back(AudioMixer::PlayRecord{m_name, mb_looping});
    return RESULT_OK;
}

Result SoundBuffer::Stop() {
    std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
    mb_playing = false;
    return RESULT_OK;
}

Result SoundBuffer::Restore() {
    std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
    mb_lost = false;
    return RESULT_OK;
}

Result SoundBuffer::Lock(uint8_t** memory, uint32_t* size) {
    if (!memory || !size || !mp_memory) return RESULT_INVALID_ARG;
    mp_mixer->m_lock.lock();
    *memory = mp_memory->data();
    *size = uint32_t(mp_memory->size());
    return RESULT_OK;
}

Result SoundBuffer::Unlock() {
    mp_mixer->m_lock.unlock();
    return RESULT_OK;
}

void SoundBuffer::MarkLost() {
    std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
    mb_lost = true;
    mb_playing = false;
}

// ---- SoundObject ----------------------------------------------------------

SoundObject::SoundObject(std::vector<std::unique_ptr<SoundBuffer>> buffers, uint32_t bufferSize,
                         std::unique_ptr<WaveFile> wave, uint32_t creationFlags)
    : mv_buffers(std::move(buffers)),
      m_bufferSize(bufferSize),
      mp_wave(std::move(wave)),
      m_creationFlags(creationFlags) {
    if (!mv_buffers.empty()) FillBuffer(mv_buffers[0].get(), false);
}

SoundObject::~SoundObject() {
    for (auto& b : mv_buffers)
        if (b && b->mp_mixer) b->mp_mixer->Remove(b.get());
    mv_buffers.clear();
    if (mp_wave) mp_wave->Close();
}

SoundBuffer* SoundObject::FreeBuffer() {
    if (mv_buffers.empty()) return nullptr;
    for (auto& b : mv_buffers) {
        if (!b) continue;
        uint32_t status = 0;
        b->GetStatus(&status);
        if (!(status & SOUND_STATUS_PLAYING)) return b.get();
    }
    // Not the game's generator: what the sound does must not change a match.
    static std::minstd_rand s_pick;
    return mv_buffers[size_t(s_pick()) % mv_buffers.size()].get();
}

Result SoundObject::RestoreBuffer(SoundBuffer* buffer, bool* restored) {
    if (!buffer) return RESULT_NOT_INITIALISED;
    if (restored) *restored = false;
    uint32_t status = 0;
    Result r = buffer->GetStatus(&status);
    if (r != RESULT_OK) return r;
    if (!(status & SOUND_STATUS_LOST)) return RESULT_NOT_LOST;
    for (int i = 0; i < RESTORE_RETRIES; ++i) {
        if (buffer->Restore() == RESULT_OK) break;
        Sleep(10);
    }
    if (restored) *restored = true;
    return RESULT_OK;
}

Result SoundObject::FillBuffer(SoundBuffer* buffer, bool repeat) {
    if (!buffer) return RESULT_NOT_INITIALISED;
    Result r = RestoreBuffer(buffer, nullptr);
    if (Failed(r)) return r;
    uint8_t* memory = nullptr;
    uint32_t size = 0;
    r = buffer->Lock(&memory, &size);
    if (r != RESULT_OK) return r;
    const uint8_t silence = buffer->m_format.bitsPerSample == 8 ? 0x80 : 0;
    uint32_t got = 0;
    if (!mp_wave || mp_wave->Reset() != RESULT_OK || mp_wave->Read(memory, size, &got) != RESULT_OK) got = 0;
    if (got == 0) {
        std::memset(memory, silence, size);
    } else if (got < size) {
        if (repeat) {
            uint32_t filled = got;
            while (filled < size) {
                uint32_t more = 0;
                mp_wave->Reset();
                mp_wave->Read(memory + filled, size - filled, &more);
                if (more == 0) break;
                filled += more;
            }
            if (filled < size) std::memset(memory + filled, silence, size - filled);
        } else {
            std::memset(memory + got, silence, size - got);
        }
    }
    return buffer->Unlock();
}

Result SoundObject::Play(uint32_t priority, uint32_t flags, int32_t volume, uint32_t frequency, int32_t pan) {
    if (mv_buffers.empty()) return RESULT_NOT_INITIALISED;
    SoundBuffer* buffer = FreeBuffer();
    if (!buffer) return RESULT_FAIL;
    bool restored = false;
    Result r = RestoreBuffer(buffer, &restored);
    if (Failed(r)) return r;
    if (restored) {
        r = FillBuffer(buffer, false);
        if (Failed(r)) return r;
    }
    if (m_creationFlags & SOUND_CTRL_VOLUME) buffer->SetVolume(volume);
    if ((m_creationFlags & SOUND_CTRL_FREQUENCY) && frequency != FREQUENCY_UNCHANGED)
        buffer->SetFrequency(frequency);
    if (m_creationFlags & SOUND_CTRL_PAN) buffer->SetPan(pan);
    return buffer->Play(priority, flags);
}

Result SoundObject::Stop() {
    if (mv_buffers.empty()) return RESULT_NOT_INITIALISED;
    Result r = RESULT_OK;
    for (auto& b : mv_buffers)
        if (b) r |= b->Stop();
    return r;
}

bool SoundObject::IsPlaying() {
    for (auto& b : mv_buffers) {
        uint32_t status = 0;
        if (b && b->GetStatus(&status) == RESULT_OK && (status & SOUND_STATUS_PLAYING)) return true;
    }
    return false;
}

// ---- SoundManager ---------------------------------------------------------

namespace {
void AudioCallback(void* user, Uint8* stream, int length) {
    auto* mixer = static_cast<AudioMixer*>(user);
    mixer->Mix(reinterpret_cast<int16_t*>(stream), length / int(sizeof(int16_t) * mixer->m_channels));
}
}  // namespace

SoundManager::~SoundManager() {
    Release();
}

Result SoundManager::Initialize(bool headless, uint32_t /*cooperativeLevel*/) {
    Release();
    mb_headless = headless;
    mp_mixer = std::make_shared<AudioMixer>();
    if (headless) return RESULT_OK;
    // Without an output device there is no sound at all.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || OpenDevice(2, 22050) != RESULT_OK) {
        Release();
        return RESULT_FAIL;
    }
    return RESULT_OK;
}

Result SoundManager::OpenDevice(uint32_t channels, uint32_t samplesPerSec) {
    SDL_AudioSpec want{}, have{};
    want.freq = int(samplesPerSec);
    want.format = AUDIO_S16SYS;
    want.channels = Uint8(channels);
    want.samples = 1024;
    want.callback = AudioCallback;
    want.userdata = mp_mixer.get();
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!device) return RESULT_FAIL;
    // The old device goes only once the new one plays.
    if (m_device) SDL_CloseAudioDevice(m_device);
    m_device = device;
    {
        std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
        mp_mixer->m_rate = int(samplesPerSec);
        mp_mixer->m_channels = int(channels);
    }
    SDL_PauseAudioDevice(m_device, 0);
    return RESULT_OK;
}

Result SoundManager::SetPrimaryFormat(uint32_t channels, uint32_t samplesPerSec, uint32_t bitsPerSample) {
    if (!mp_mixer) return RESULT_NOT_INITIALISED;
    if (channels < 1 || channels > 2 || bitsPerSample != 16 || samplesPerSec < 8000)
        return RESULT_INVALID_ARG;
    if (mb_headless) {
        std::lock_guard<std::recursive_mutex> lock(mp_mixer->m_lock);
        mp_mixer->m_rate = int(samplesPerSec);
        mp_mixer->m_channels = int(channels);
        return RESULT_OK;
    }
    return OpenDevice(channels, samplesPerSec);
}

Result SoundManager::CreateSound(SoundObject** out, const char* fileName, uint32_t creationFlags,
                                 uint32_t /*algorithm*/, uint32_t bufferCount) {
    if (!mp_mixer) return RESULT_NOT_INITIALISED;
    if (!fileName || !out || bufferCount == 0) return RESULT_INVALID_ARG;
    auto wave = std::make_unique<WaveFile>();
    wave->Open(fileName, nullptr, WAVE_READ);
    if (wave->m_dataSize == 0 || !wave->Format()) return RESULT_FAIL;
    const WaveFormat& format = *wave->Format();
    // The mixer plays 8- and 16-bit PCM; anything else cannot make a buffer.
    if (format.formatTag != 1 || (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
        format.channels < 1 || format.channels > 2 || format.samplesPerSec == 0)
        return RESULT_INVALID_ARG;
    std::vector<std::unique_ptr<SoundBuffer>> buffers;
    auto memory = std::make_shared<std::vector<uint8_t>>(wave->m_dataSize);
    for (uint32_t i = 0; i < bufferCount; ++i) {
        auto b = std::make_unique<SoundBuffer>();
        // With effects each buffer has its own memory; otherwise they are
        // duplicates sharing the first one's samples.
        b->mp_memory = (i == 0 || !(creationFlags & SOUND_CTRL_FX))
                           ? memory
                           : std::make_shared<std::vector<uint8_t>>(wave->m_dataSize);
        b->m_format = format;
        b->mp_mixer = mp_mixer;
        b->m_name = fileName;
        mp_mixer->Add(b.get());
        buffers.push_back(std::move(b));
    }
    const uint32_t size = wave->m_dataSize;
    *out = new SoundObject(std::move(buffers), size, std::move(wave), creationFlags);
    return RESULT_OK;
}

void SoundManager::Release() {
    if (m_device) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (mp_mixer && !mb_headless) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mp_mixer.reset();
}

void SoundManager::MixFrames(int frames) {
    if (!mp_mixer || !mb_headless || frames <= 0) return;
    std::vector<int16_t> out(size_t(frames) * mp_mixer->m_channels);
    mp_mixer->Mix(out.data(), frames);
}

// ---- Game sounds ----------------------------------------------------------

namespace {
struct EventSound {
    int code;
    int slot;
    bool looped;
    uint32_t frequency;
};
const EventSound EVENT_SOUNDS[] = {
    {121, 1, false, 0},
    {122, 2, false, 0},
    {103, 3, false, FREQUENCY_UNCHANGED},
    {104, 4, false, FREQUENCY_UNCHANGED},
    {105, 5, false, FREQUENCY_UNCHANGED},
    {161, 6, true, 0},
    {170, 7, false, 0},
    {171, 8, true, 0},
    {181, 9, false, 0},
    {182, 10, false, 0},
    {191, 11, true, 0},
    {123, 12, false, 0},
    {124, 13, false, 0},
    {125, 14, false, 0},
    {141, 15, false, 0},
    {142, 16, false, 0},
    {143, 17, false, 0},
};
}  // namespace

void PlaySoundForEvent(int eventCode) {
    if (!g_system || g_system->mb_soundOff) return;
    if (!PlatformHooks().MatchViewSoundsOn()) return;
    if (!g_soundSlots) return;
    for (const EventSound& e : EVENT_SOUNDS) {
        if (e.code != eventCode) continue;
        if (size_t(e.slot) < g_soundSlots->size() && (*g_soundSlots)[e.slot])
            (*g_soundSlots)[e.slot]->Play(0, e.looped ? SOUND_PLAY_LOOPING : 0, 0, e.frequency, 0);
        return;
    }
}

void StopAllSounds() {
    if (!g_system || g_system->mb_soundOff || !g_soundSlots) return;
    for (SoundObject* s : *g_soundSlots)
        if (s) s->Stop();
}

}  // namespace ravel
