#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "PlatformFixture.h"
#include "match/StepTestWorld.h"
#include "season/GameState.h"
#include "shell/platform/Sound.h"
#include "world/Random.h"

namespace ravel {
namespace {

void Add32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
void Add16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void AddId(std::vector<uint8_t>& b, const char* id) {
    b.insert(b.end(), id, id + 4);
}

// A RIFF WAVE image with a "fmt " chunk of fmtSize bytes and the samples.
std::vector<uint8_t> Wave(const std::vector<uint8_t>& samples, uint16_t bits = 16, uint32_t fmtSize = 16,
                          uint16_t tag = 1, const char* form = "WAVE") {
    std::vector<uint8_t> b;
    AddId(b, "RIFF");
    Add32(b, 0);
    AddId(b, form);
    AddId(b, "fmt ");
    Add32(b, fmtSize);
    const size_t fmtStart = b.size();
    Add16(b, tag);
    Add16(b, 1);
    Add32(b, 22050);
    Add32(b, 22050 * bits / 8);
    Add16(b, bits / 8);
    Add16(b, bits);
    while (b.size() < fmtStart + fmtSize) b.push_back(0);
    b.resize(fmtStart + fmtSize);
    AddId(b, "data");
    Add32(b, uint32_t(samples.size()));
    b.insert(b.end(), samples.begin(), samples.end());
    const uint32_t riff = uint32_t(b.size() - 8);
    std::memcpy(&b[4], &riff, 4);
    return b;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(WaveFile, ReadsFormatAndSamples) {
    WaveFile wave;
    ASSERT_EQ(wave.OpenMemory(Wave({1, 2, 3, 4, 5, 6})), RESULT_OK);
    EXPECT_EQ(wave.m_dataSize, 6u);
    EXPECT_EQ(wave.Format()->channels, 1);
    EXPECT_EQ(wave.Format()->bitsPerSample, 16);
    uint8_t buffer[16];
    uint32_t read = 0;
    ASSERT_EQ(wave.Read(buffer, 4, &read), RESULT_OK);
    EXPECT_EQ(read, 4u);
    ASSERT_EQ(wave.Read(buffer, 16, &read), RESULT_OK);
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(buffer[1], 6);
    ASSERT_EQ(wave.Reset(), RESULT_OK);
    ASSERT_EQ(wave.Read(buffer, 16, &read), RESULT_OK);
    EXPECT_EQ(read, 6u);
    EXPECT_EQ(wave.Read(nullptr, 4, &read), RESULT_INVALID_ARG);
    wave.Close();
    EXPECT_EQ(wave.Read(buffer, 4, &read), RESULT_NOT_INITIALISED);
}

TEST(WaveFile, NonPcmFormatKeepsItsExtraBytes) {
    std::vector<uint8_t> b = Wave({0, 0}, 16, 20, 2);
    // Extra size 2 and two extra bytes at the end of the 20-byte "fmt ".
    b[20 + 16] = 2;
    b[20 + 18] = 0xaa;
    b[20 + 19] = 0xbb;
    WaveFile wave;
    ASSERT_EQ(wave.OpenMemory(b), RESULT_OK);
    EXPECT_EQ(wave.Format()->extraSize, 2);
    EXPECT_EQ(wave.Format()->extra, (std::vector<uint8_t>{0xaa, 0xbb}));
}

TEST(WaveFile, DamagedFilesFail) {
    std::vector<uint8_t> notRiff = Wave({0, 0});
    notRiff[0] = 'X';
    std::vector<uint8_t> dataTooLong = Wave({0, 0});
    dataTooLong[dataTooLong.size() - 6] = 0xff;  // data size past the end
    std::vector<uint8_t> extraTooLong = Wave({0, 0}, 16, 18, 2);
    extraTooLong[20 + 16] = 40;
    std::vector<uint8_t> noData = Wave({});
    noData.resize(noData.size() - 8);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"12-byte fmt", Wave({0, 0}, 16, 12)},
        {"not RIFF", notRiff},
        {"not WAVE", Wave({0, 0}, 16, 16, 1, "AVI ")},
        {"data past the end", dataTooLong},
        {"extra bytes past fmt", extraTooLong},
        {"no data chunk", noData},
        {"empty", {}},
        {"header only", {'R', 'I', 'F', 'F'}},
    };
    for (Case& c : cases) {
        WaveFile wave;
        EXPECT_EQ(wave.OpenMemory(c.bytes), RESULT_FAIL) << c.what;
        EXPECT_EQ(wave.Format(), nullptr) << c.what;
    }
    WaveFile wave;
    EXPECT_EQ(wave.Open(nullptr, nullptr, WAVE_READ), RESULT_INVALID_ARG);
    EXPECT_EQ(wave.Open("sound/none.wav", nullptr, WAVE_READ), RESULT_FAIL);
}

TEST(WaveFile, RandomDamageNeverCrashes) {
    const std::vector<uint8_t> good = Wave(std::vector<uint8_t>(64, 7));
    uint32_t state = 99;
    for (int round = 0; round < 2000; ++round) {
        const std::vector<uint8_t> b = Damaged(good, state, 3);
        WaveFile wave;
        if (wave.OpenMemory(b) == RESULT_OK) {
            std::vector<uint8_t> out(wave.m_dataSize);
            uint32_t read = 0;
            EXPECT_EQ(wave.Read(out.data(), wave.m_dataSize, &read), RESULT_OK);
            EXPECT_EQ(read, wave.m_dataSize);
        }
    }
}

// ---- Sounds on the headless mixer -------------------------------------------

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        m_dir = ScratchFolder("sound");
        ASSERT_EQ(m_system->mb_soundOff, 0);
        m_manager = m_system->mp_soundManager;
    }
    void TearDown() override {
        g_soundSlots = nullptr;
        InstallPlatformHooks(nullptr);
        for (SoundObject* s : m_slots) delete s;
        HeadlessTest::TearDown();
    }
    SoundObject* Load(const std::string& name, const std::vector<uint8_t>& samples, uint32_t buffers = 1,
                      uint16_t bits = 16) {
        const std::string path = m_dir + "/" + name;
        WriteFile(path, Wave(samples, bits));
        SoundObject* s = nullptr;
        EXPECT_EQ(m_manager->CreateSound(&s, path.c_str(), 0, 0, buffers), RESULT_OK);
        return s;
    }
    // The eighteen slots of the game, each a short distinct sound.
    void LoadSlots() {
        for (int i = 0; i < 18; ++i)
            m_slots.push_back(Load("slot" + std::to_string(i) + ".wav", std::vector<uint8_t>(400, 1)));
        g_soundSlots = &m_slots;
        m_hooks.m_soundsOn = true;
        InstallPlatformHooks(&m_hooks);
    }
    std::vector<AudioMixer::PlayRecord>& Played() { return m_manager->Mixer()->mv_played; }

    // The game's option for match sounds.
    struct SoundOption : CPlatformHooks {
        bool MatchViewSoundsOn() const override { return m_soundsOn; }
        bool m_soundsOn = false;
    } m_hooks;
    std::string m_dir;
    SoundManager* m_manager = nullptr;
    std::vector<SoundObject*> m_slots;
};

TEST_F(SoundTest, CreateSoundChecksItsArguments) {
    SoundObject* s = nullptr;
    EXPECT_EQ(m_manager->CreateSound(&s, nullptr, 0, 0, 1), RESULT_INVALID_ARG);
    EXPECT_EQ(m_manager->CreateSound(nullptr, "x.wav", 0, 0, 1), RESULT_INVALID_ARG);
    EXPECT_EQ(m_manager->CreateSound(&s, "x.wav", 0, 0, 0), RESULT_INVALID_ARG);
    EXPECT_EQ(m_manager->CreateSound(&s, (m_dir + "/missing.wav").c_str(), 0, 0, 1), RESULT_FAIL);
    WriteFile(m_dir + "/empty.wav", Wave({}));
    EXPECT_EQ(m_manager->CreateSound(&s, (m_dir + "/empty.wav").c_str(), 0, 0, 1), RESULT_FAIL);
    EXPECT_EQ(s, nullptr);
    SoundManager unready;
    EXPECT_EQ(unready.CreateSound(&s, "x.wav", 0, 0, 1), RESULT_NOT_INITIALISED);
    EXPECT_EQ(unready.SetPrimaryFormat(2, 22050, 16), RESULT_NOT_INITIALISED);
}

TEST_F(SoundTest, OneShotStopsAtItsEndAndLoopKeepsGoing) {
    SoundObject* once = Load("once.wav", std::vector<uint8_t>(200, 1));  // 100 frames
    SoundObject* loop = Load("loop.wav", std::vector<uint8_t>(200, 1));
    once->Play(0, 0, 0, 0, 0);
    loop->Play(0, SOUND_PLAY_LOOPING, 0, 0, 0);
    m_manager->MixFrames(50);
    EXPECT_TRUE(once->IsPlaying());
    m_manager->MixFrames(500);
    EXPECT_FALSE(once->IsPlaying());
    EXPECT_TRUE(loop->IsPlaying());
    EXPECT_EQ(loop->Stop(), RESULT_OK);
    EXPECT_FALSE(loop->IsPlaying());
    delete once;
    delete loop;
}

TEST_F(SoundTest, SeveralBuffersPlayOneCopyEach) {
    SoundObject* s = Load("multi.wav", std::vector<uint8_t>(2000, 1), 3);
    SeedRand(1);
    s->Play(0, 0, 0, 0, 0);
    s->Play(0, 0, 0, 0, 0);
    s->Play(0, 0, 0, 0, 0);
    int playing = 0;
    for (auto& b : s->mv_buffers) playing += b->mb_playing;
    EXPECT_EQ(playing, 3);
    // All busy: one of them is picked again, no fourth voice appears.
    EXPECT_EQ(s->Play(0, 0, 0, 0, 0), RESULT_OK);
    EXPECT_EQ(s->mv_buffers[0]->mp_memory, s->mv_buffers[2]->mp_memory);  // duplicates share
    delete s;
}

TEST_F(SoundTest, ShortDataIsPaddedWithSilenceOfItsWidth) {
    struct Case {
        uint16_t bits;
        uint8_t silence;
    } cases[] = {{8, 0x80}, {16, 0x00}};
    for (const Case& c : cases) {
        SoundObject* s = Load("pad.wav", {9, 9, 9, 9}, 1, c.bits);
        SoundBuffer& b = *s->mv_buffers[0];
        b.mp_memory->assign(10, 0x55);  // a buffer larger than the data
        ASSERT_EQ(s->FillBuffer(&b, false), RESULT_OK);
        EXPECT_EQ(*b.mp_memory, (std::vector<uint8_t>{9, 9, 9, 9, c.silence, c.silence, c.silence, c.silence,
                                                      c.silence, c.silence}));
        ASSERT_EQ(s->FillBuffer(&b, true), RESULT_OK);  // repeat fills with the data again
        EXPECT_EQ(*b.mp_memory, (std::vector<uint8_t>{9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
        delete s;
    }
}

TEST_F(SoundTest, LostBufferIsRestoredAndRefilledOnPlay) {
    SoundObject* s = Load("lost.wav", {4, 4, 4, 4});
    SoundBuffer& b = *s->mv_buffers[0];
    bool restored = true;
    EXPECT_EQ(s->RestoreBuffer(&b, &restored), RESULT_NOT_LOST);
    EXPECT_FALSE(restored);
    b.MarkLost();
    b.mp_memory->assign(4, 0);
    EXPECT_EQ(s->Play(0, 0, 0, 0, 0), RESULT_OK);
    EXPECT_EQ(*b.mp_memory, (std::vector<uint8_t>{4, 4, 4, 4}));
    EXPECT_TRUE(s->IsPlaying());
    EXPECT_EQ(s->RestoreBuffer(nullptr, &restored), RESULT_NOT_INITIALISED);
    delete s;
}

TEST_F(SoundTest, EventCodesPlayTheirSlots) {
    LoadSlots();
    struct Case {
        int code, slot;
        bool looped;
    } cases[] = {{121, 1, false},  {122, 2, false},  {103, 3, false},  {104, 4, false},  {105, 5, false},
                 {161, 6, true},   {170, 7, false},  {171, 8, true},   {181, 9, false},  {182, 10, false},
                 {191, 11, true},  {123, 12, false}, {124, 13, false}, {125, 14, false}, {141, 15, false},
                 {142, 16, false}, {143, 17, false}};
    for (const Case& c : cases) {
        Played().clear();
        PlaySoundForEvent(c.code);
        ASSERT_EQ(Played().size(), 1u) << c.code;
        EXPECT_EQ(Played()[0].name, m_dir + "/slot" + std::to_string(c.slot) + ".wav") << c.code;
        EXPECT_EQ(Played()[0].looped, c.looped) << c.code;
    }
    Played().clear();
    for (int code : {100, 120, 150, 190, 0, -1, 201}) PlaySoundForEvent(code);
    EXPECT_TRUE(Played().empty());
}

TEST_F(SoundTest, CrowdLoopSurvivesOtherEffectsUntilStopAll) {
    LoadSlots();
    PlaySoundForEvent(161);
    PlaySoundForEvent(121);
    m_manager->MixFrames(2000);
    EXPECT_TRUE(m_slots[6]->IsPlaying());
    EXPECT_FALSE(m_slots[1]->IsPlaying());
    StopAllSounds();
    EXPECT_FALSE(m_slots[6]->IsPlaying());
}

TEST_F(SoundTest, SameCodeTwiceReplaysTheOneBuffer) {
    LoadSlots();
    PlaySoundForEvent(181);
    PlaySoundForEvent(181);
    EXPECT_EQ(Played().size(), 2u);
    EXPECT_TRUE(m_slots[9]->IsPlaying());
}

TEST_F(SoundTest, OptionOffPlaysNothingButStopAllStillStops) {
    LoadSlots();
    PlaySoundForEvent(191);
    m_hooks.m_soundsOn = false;
    Played().clear();
    PlaySoundForEvent(121);
    EXPECT_TRUE(Played().empty());
    StopAllSounds();
    EXPECT_FALSE(m_slots[11]->IsPlaying());
}

TEST_F(SoundTest, SoundOffSilencesEverything) {
    LoadSlots();
    PlaySoundForEvent(161);
    m_system->mb_soundOff = 1;
    Played().clear();
    PlaySoundForEvent(121);
    EXPECT_TRUE(Played().empty());
    StopAllSounds();  // does nothing: the loop keeps playing
    EXPECT_TRUE(m_slots[6]->IsPlaying());
    m_system->mb_soundOff = 0;
}

TEST_F(SoundTest, SoundsOutliveTheManager) {
    SoundObject* s = Load("late.wav", {1, 1});
    m_system->CloseSystem();
    EXPECT_EQ(s->Play(0, 0, 0, 0, 0), RESULT_OK);
    delete s;
}

TEST_F(SoundTest, BusySoundsLeaveTheMatchAsItWas) {
    SoundObject* sound = Load("busy.wav", std::vector<uint8_t>(40000, 1), 2);
    ASSERT_NE(sound, nullptr);
    auto play = [&](bool busySounds) {
        test::BuildWorld();
        Match& match = test::StartComputerMatch(test::COMP_ONE_DAY);
        for (int step = 0; step < 100000 && match.mi_playState != PLAY_MATCH_OVER; ++step) {
            // Three plays on two buffers: the last finds both busy.
            for (int k = 0; busySounds && k < 3; ++k) sound->Play(0, 0, 0, 0, 0);
            match.Step();
        }
        std::vector<int32_t> result{match.mi_winner, match.mi_resultKind, match.mi_margin};
        for (const Innings& in : match.m_innings)
            result.insert(result.end(), {InningsTotal(in), in.Wickets()});
        ResetGameState();
        return result;
    };
    EXPECT_EQ(play(true), play(false));
    m_slots.push_back(sound);
}

}  // namespace
}  // namespace ravel
