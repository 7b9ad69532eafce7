// Sound: a mixer with sound buffers, WAV files read by our own RIFF parser,
// sounds made of one or more buffers, and the game's event-to-sound map.
// Results are the game's 32-bit result codes.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ravel {

using Result = uint32_t;
inline constexpr Result RESULT_OK = 0;
inline constexpr Result RESULT_NOT_LOST = 1;                     // RestoreBuffer: nothing to restore
inline constexpr Result RESULT_NO_VIRTUALISATION = 0x0878000Au;  // success note
inline constexpr Result RESULT_NOT_INITIALISED = 0x800401F0u;
inline constexpr Result RESULT_INVALID_ARG = 0x80070057u;
inline constexpr Result RESULT_OUT_OF_MEMORY = 0x8007000Eu;
inline constexpr Result RESULT_FAIL = 0x80004005u;
inline bool Failed(Result r) {
    return (r & 0x80000000u) != 0;
}

// Buffer creation flags.
inline constexpr uint32_t SOUND_CTRL_FREQUENCY = 0x20;
inline constexpr uint32_t SOUND_CTRL_PAN = 0x40;
inline constexpr uint32_t SOUND_CTRL_VOLUME = 0x80;
inline constexpr uint32_t SOUND_CTRL_FX = 0x200;
// Play flag.
inline constexpr uint32_t SOUND_PLAY_LOOPING = 1;
// Buffer status bits.
inline constexpr uint32_t SOUND_STATUS_PLAYING = 1;
inline constexpr uint32_t SOUND_STATUS_LOST = 2;
inline constexpr uint32_t FREQUENCY_UNCHANGED = 0xffffffffu;
inline constexpr uint32_t WAVE_READ = 1;  // WaveFile::Open mode

struct WaveFormat {
    uint16_t formatTag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
    std::vector<uint8_t> extra;
};

// A RIFF WAVE file, read whole into memory and walked chunk by chunk.
class WaveFile {
public:
    ~WaveFile() { Close(); }
    // Reading only (mode WAVE_READ, no format); the program has no embedded
    // sounds, so a file that cannot be read fails.
    Result Open(const char* name, const WaveFormat* format, uint32_t mode);
    // Opens a WAV image held in memory (tests, generated sounds).
    Result OpenMemory(std::vector<uint8_t> bytes);
    Result ReadChunks();
    Result Reset();
    Result Read(uint8_t* buffer, uint32_t count, uint32_t* read);
    Result Close();

    const WaveFormat* Format() const { return mp_format.get(); }
    uint32_t m_dataSize = 0;

private:
    std::unique_ptr<WaveFormat> mp_format;
    std::vector<uint8_t> mv_bytes;
    bool mb_open = false;
    size_t m_riffStart = 0;  // just after the form type
    size_t m_riffEnd = 0;
    size_t m_dataPos = 0;  // next byte of sample data
    uint32_t m_dataLeft = 0;
};

class AudioMixer;

// One playable buffer: sample memory (shared between duplicates), a play
// cursor, a looping flag. The mixer plays it on its own thread, so every
// touch of its state goes through the mixer's lock.
class SoundBuffer {
public:
    Result GetStatus(uint32_t* status);
    Result Play(uint32_t priority, uint32_t flags);
    Result Stop();
    Result Restore();
    // The whole sample memory to write into, under the mixer's lock.
    Result Lock(uint8_t** memory, uint32_t* size);
    Result Unlock();
    Result SetVolume(int32_t) { return RESULT_OK; }
    Result SetFrequency(uint32_t) { return RESULT_OK; }
    Result SetPan(int32_t) { return RESULT_OK; }
    // Simulates another program taking the audio memory (tests).
    void MarkLost();

    std::shared_ptr<std::vector<uint8_t>> mp_memory;
    WaveFormat m_format;
    std::shared_ptr<AudioMixer> mp_mixer;  // outlives the manager while buffers exist
    std::string m_name;                    // file it came from, for the record of plays
    bool mb_playing = false;
    bool mb_looping = false;
    bool mb_lost = false;
    size_t m_cursor = 0;    // byte position
    double m_fraction = 0;  // resampling position between frames
};

// Mixes playing buffers to the output: a real audio device, or a recorder.
class AudioMixer {
public:
    struct PlayRecord {
        std::string name;
        bool looped;
    };
    virtual ~AudioMixer();
    std::recursive_mutex m_lock;
    int m_rate = 22050;
    int m_channels = 2;
    std::vector<SoundBuffer*> mv_buffers;
    std::vector<PlayRecord> mv_played;  // every Play, in order

    // Mixes frames of 16-bit output; buffers that reach their end stop.
    void Mix(int16_t* out, int frames);
    void Add(SoundBuffer* buffer);
    void Remove(SoundBuffer* buffer);
};

class SoundObject {
public:
    SoundObject(std::vector<std::unique_ptr<SoundBuffer>> buffers, uint32_t bufferSize,
                std::unique_ptr<WaveFile> wave, uint32_t creationFlags);
    virtual ~SoundObject();

    Result Play(uint32_t priority, uint32_t flags, int32_t volume, uint32_t frequency, int32_t pan);
    Result Stop();
    SoundBuffer* FreeBuffer();
    Result FillBuffer(SoundBuffer* buffer, bool repeat);
    Result RestoreBuffer(SoundBuffer* buffer, bool* restored);
    bool IsPlaying();

    std::vector<std::unique_ptr<SoundBuffer>> mv_buffers;
    uint32_t m_bufferSize;
    std::unique_ptr<WaveFile> mp_wave;
    uint32_t m_creationFlags;
};

class SoundManager {
public:
    ~SoundManager();
    // Opens the audio output; headless, a recording mixer that only plays
    // when MixFrames is called.
    Result Initialize(bool headless, uint32_t cooperativeLevel);
    Result SetPrimaryFormat(uint32_t channels, uint32_t samplesPerSec, uint32_t bitsPerSample);
    Result CreateSound(SoundObject** out, const char* fileName, uint32_t creationFlags, uint32_t algorithm,
                       uint32_t bufferCount);
    void Release();

    AudioMixer* Mixer() { return mp_mixer.get(); }
    // Headless: plays the given number of output frames.
    void MixFrames(int frames);

private:
    Result OpenDevice(uint32_t channels, uint32_t samplesPerSec);

    std::shared_ptr<AudioMixer> mp_mixer;
    uint32_t m_device = 0;
    bool mb_headless = true;
};

// The game's sound slots, filled by the shell once the sounds are loaded.
extern std::vector<SoundObject*>* g_soundSlots;

// Plays the sound of a ground-view animation event; other codes play nothing.
void PlaySoundForEvent(int eventCode);
void StopAllSounds();

}  // namespace ravel
