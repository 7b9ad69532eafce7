// The highlights file: its byte layout, the 0x0A expansion, round trips,
// and cut or random files that must keep whole scripts and never run wild.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "match/HighlightsFile.h"
#include "world/Random.h"

namespace ravel {
namespace {

BallAnimScript MakeScript(int runs, int events) {
    BallAnimScript s;
    s.mi_striker = 7;
    s.mi_nonStriker = 8;
    s.mi_fielder = 12;
    s.mi_bowler = 21;
    s.mi_battingSide = 1001;
    s.mi_bowlingSide = 1002;
    s.mi_total = 145;
    s.mi_wickets = 3;
    s.mi_competition = 2;
    s.mi_innings = 1;
    s.mi_over = 23;
    s.mi_ball = 4;
    s.mi_outcome = 40;
    s.mi_runs = runs;
    s.mb_celebration = runs >= 4;
    s.mb_wicket = 0;
    s.mb_chance = 1;
    for (int f = 0; f < GROUND_FIGURES; ++f) {
        s.m_figures[f].mi_id = f;
        s.m_figures[f].mi_kind = 50;
        s.m_figures[f].mi_player = 100 + f;
        s.m_figures[f].mf_x = 10.5f * f;
        s.m_figures[f].mf_y = 3.25f * f;
        s.m_figures[f].mi_frame = 3;
    }
    for (int e = 0; e < events; ++e) {
        AnimEvent& ev = s.AddMove(FIG_BALL, 10 * e, 10 * e + 9, -1.0f, -1.0f, 300.0f + e, 200.0f, 12.5f, 2);
        ev.mi_extra[0] = 10 + e;
        ev.mi_extra[1] = 11 + e;
        ev.mi_extra[2] = 12 + e;
        ev.mb_moveType = e % 2 ? MOVE_BOUNCE : MOVE_GLIDE;
        ev.mf_bounceVelocity = 4.5f;
        ev.mb_active = 1;
    }
    s.AddCaption(5, 80, CAPTION_YELLOW, "FOUR!");
    s.SetLength();
    return s;
}

uint32_t WordAt(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int k = 0; k < 4; ++k)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + k])) << (8 * k);
    return value;
}

void ExpectSameScript(const BallAnimScript& a, const BallAnimScript& b) {
    EXPECT_EQ(a.mi_length, b.mi_length);
    EXPECT_EQ(a.mi_striker, b.mi_striker);
    EXPECT_EQ(a.mi_outcome, b.mi_outcome);
    EXPECT_EQ(a.mi_runs, b.mi_runs);
    EXPECT_EQ(a.mb_celebration, b.mb_celebration);
    EXPECT_EQ(a.mb_chance, b.mb_chance);
    for (int f = 0; f < GROUND_FIGURES; ++f) {
        EXPECT_EQ(a.m_figures[f].mi_player, b.m_figures[f].mi_player);
        EXPECT_EQ(a.m_figures[f].mf_x, b.m_figures[f].mf_x);
        EXPECT_EQ(b.m_figures[f].mi_frame, 0);
    }
    ASSERT_EQ(a.mv_events.size(), b.mv_events.size());
    for (size_t e = 0; e < a.mv_events.size(); ++e) {
        const AnimEvent& x = a.mv_events[e];
        const AnimEvent& y = b.mv_events[e];
        EXPECT_EQ(x.mi_start, y.mi_start);
        EXPECT_EQ(x.mi_end, y.mi_end);
        EXPECT_EQ(x.mi_target, y.mi_target);
        EXPECT_EQ(x.mf_toX, y.mf_toX);
        EXPECT_EQ(x.mf_arc, y.mf_arc);
        EXPECT_EQ(x.mb_moveType, y.mb_moveType);
        EXPECT_EQ(x.mf_bounceVelocity, y.mf_bounceVelocity);
        EXPECT_EQ(std::memcmp(x.mi_extra, y.mi_extra, sizeof x.mi_extra), 0);
        EXPECT_EQ(x.mi_pose, y.mi_pose);
        EXPECT_STREQ(x.Caption(), y.Caption());
        EXPECT_EQ(y.mb_active, 0) << "the started flag is not stored";
    }
}

class HighlightsFile : public ::testing::Test {
protected:
    void SetUp() override { ResetHighlights(); }
    void TearDown() override {
        ResetHighlights();
        std::filesystem::remove(m_path);
    }
    std::string Stored() const {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Store(const std::string& bytes) const {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string m_path =
        (std::filesystem::temp_directory_path() / ("ravel_highlights_" + std::to_string(::getpid()) + ".tv"))
            .string();
};

TEST_F(HighlightsFile, LayoutOfHeaderScriptsAndEvents) {
    HighlightsList list;
    std::snprintf(list.mc_title, sizeof list.mc_title, "Day one");
    std::snprintf(list.mc_secondTitle, sizeof list.mc_secondTitle, "Northfield v Southdown");
    std::string empty = EncodeReplay(list);
    ASSERT_EQ(empty.size(), REPLAY_HEADER_BYTES);
    EXPECT_EQ(WordAt(empty, 355), 0u);
    EXPECT_EQ(empty.compare(100, 100, empty, 0, 100), 0) << "the text area repeats both titles";

    list.mv_scripts.push_back(MakeScript(1, 0));
    list.mv_scripts.back().mv_events.clear();
    list.mv_scripts.push_back(MakeScript(4, 2));
    list.mv_scripts[1].mi_clock = 55;
    const std::string bytes = EncodeReplay(list);
    EXPECT_EQ(bytes.size(), REPLAY_HEADER_BYTES + 2 * REPLAY_SCRIPT_BYTES + 3 * REPLAY_EVENT_BYTES);
    EXPECT_EQ(WordAt(bytes, 355), 2u);
    const size_t second = REPLAY_HEADER_BYTES + REPLAY_SCRIPT_BYTES;
    EXPECT_EQ(WordAt(bytes, second + 583), 3u) << "event count";
    EXPECT_EQ(WordAt(bytes, second + 64), 4u) << "runs";
    EXPECT_EQ(bytes[second + 68], 1) << "celebration";
    EXPECT_EQ(WordAt(bytes, second + 71 + 32 * 2 + 4), 2u) << "figure 2's id";
    const size_t event = second + REPLAY_SCRIPT_BYTES;
    EXPECT_EQ(WordAt(bytes, event + 0), 2u) << "pose";
    EXPECT_EQ(WordAt(bytes, event + 16), 0u) << "start tick";
    EXPECT_EQ(WordAt(bytes, event + 12), 9u) << "end tick";
    EXPECT_EQ(WordAt(bytes, event + 38), 11u) << "word 11";
    EXPECT_EQ(WordAt(bytes, event + 50), 10u) << "word 10";
    for (const BallAnimScript& s : list.mv_scripts) {
        EXPECT_EQ(s.mi_clock, 0);
        EXPECT_EQ(s.mb_played, 1);
        EXPECT_EQ(s.mi_kind, SCRIPT_KIND_COMPLETE);
    }
}

TEST_F(HighlightsFile, RoundTripThroughTheFileExpandsEveryNewline) {
    HighlightsList list;
    std::snprintf(list.mc_note, sizeof list.mc_note, "line one\nline two");
    for (int i = 0; i < 10; ++i) list.mv_scripts.push_back(MakeScript(i % 7, i % 3));
    const std::string content = EncodeReplay(list);
    WriteReplayFile(m_path.c_str(), list);
    const std::string stored = Stored();
    const auto newlines = std::count(content.begin(), content.end(), '\n');
    ASSERT_GE(newlines, 2) << "the count of 10 and the note";
    EXPECT_EQ(stored.size(), content.size() + static_cast<size_t>(newlines));
    // The note's newline comes before the count and moves it on by a byte.
    EXPECT_EQ(stored.substr(356, 5), std::string("\r\n\0\0\0", 5)) << "the count 10 as stored";
    EXPECT_EQ(CollapseNewlines(stored), content);

    ReadReplayFile(m_path.c_str());
    ASSERT_EQ(g_highlightsList.mv_scripts.size(), 10u);
    for (size_t i = 0; i < 10; ++i) ExpectSameScript(list.mv_scripts[i], g_highlightsList.mv_scripts[i]);
    EXPECT_STREQ(g_highlightsList.mc_note, "line one\nline two");
}

TEST_F(HighlightsFile, AReadReplacesTheScriptsAndStartsAtTheFirstClip) {
    g_highlightsList.mv_scripts.assign(3, MakeScript(6, 1));
    g_highlightsList.mi_currentClip = 2;
    g_highlightsList.mi_totalTicks = 900;
    g_highlightsPrepared = 1;
    ReadReplayFile((m_path + ".missing").c_str());
    EXPECT_TRUE(g_highlightsList.mv_scripts.empty());
    EXPECT_EQ(g_highlightsList.mi_currentClip, 0);
    EXPECT_EQ(g_highlightsList.mi_totalTicks, 900) << "counters stay";
    EXPECT_EQ(g_highlightsPrepared, 1);

    HighlightsList one;
    one.mv_scripts.push_back(MakeScript(2, 1));
    WriteReplayFile(m_path.c_str(), one);
    g_highlightsList.mi_currentClip = 4;
    ReadReplayFile(m_path.c_str());
    EXPECT_EQ(g_highlightsList.mv_scripts.size(), 1u);
    EXPECT_EQ(g_highlightsList.mi_currentClip, 0);

    // A folder that cannot hold the file: nothing written, nothing thrown.
    WriteReplayFile((m_path + ".missing/x.tv").c_str(), one);
    EXPECT_FALSE(std::filesystem::exists(m_path + ".missing"));
}

// Every cut keeps exactly the scripts whose records are whole; wild counts
// neither allocate nor loop.
TEST_F(HighlightsFile, CutAndCorruptFilesKeepWholeScripts) {
    HighlightsList list;
    for (int i = 0; i < 3; ++i) list.mv_scripts.push_back(MakeScript(4, 2));
    const std::string content = EncodeReplay(list);
    const size_t record = REPLAY_SCRIPT_BYTES + 3 * REPLAY_EVENT_BYTES;
    for (size_t cut = 0; cut <= content.size(); cut += 97) {
        HighlightsList read;
        const bool whole = DecodeReplay(content.substr(0, cut), read);
        const size_t expected = cut < REPLAY_HEADER_BYTES ? 0 : (cut - REPLAY_HEADER_BYTES) / record;
        EXPECT_EQ(read.mv_scripts.size(), expected) << "cut at " << cut;
        EXPECT_EQ(whole, cut == content.size());
    }

    struct Case {
        const char* name;
        size_t at;
        uint32_t value;
        size_t scripts;
    };
    const Case cases[] = {
        {"script count", 355, 0xFFFFFFFFu, 3},
        {"event count of the second script", REPLAY_HEADER_BYTES + record + 583, 0x7FFFFFFFu, 1},
        {"negative event count", REPLAY_HEADER_BYTES + 583, 0x80000000u, 0},
    };
    for (const Case& c : cases) {
        std::string bad = content;
        for (int k = 0; k < 4; ++k) bad[c.at + k] = static_cast<char>((c.value >> (8 * k)) & 0xFF);
        HighlightsList read;
        EXPECT_FALSE(DecodeReplay(bad, read)) << c.name;
        EXPECT_EQ(read.mv_scripts.size(), c.scripts) << c.name;
    }

    SeedRand(21);
    for (int round = 0; round < 50; ++round) {
        std::string noise(static_cast<size_t>(Rand() % 4000), '\0');
        for (char& b : noise) b = static_cast<char>(Rand() & 0xFF);
        if (round % 2) noise.replace(0, std::min<size_t>(noise.size(), 359), content, 0, 359);
        Store(noise);
        ReadReplayFile(m_path.c_str());
        for (const BallAnimScript& s : g_highlightsList.mv_scripts) {
            for (const GroundFigure& f : s.m_figures) EXPECT_TRUE(std::isfinite(f.mf_x));
            for (const AnimEvent& e : s.mv_events) EXPECT_EQ(e.mc_caption[ANIM_CAPTION_LENGTH], '\0');
        }
        EXPECT_EQ(g_highlightsList.mc_note[HIGHLIGHTS_NOTE_LENGTH - 1], '\0');
    }
}

// Places and heights beyond the ground, infinities and NaNs are brought to
// the ground's edge as they are read, and counted; what is within it is kept
// as it stands, the -1 of a move that starts where its figure stands too.
TEST_F(HighlightsFile, ValuesBeyondTheGroundAreBroughtToItsEdge) {
    constexpr float HUGE_PLACE = 1.7e38f;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    HighlightsList list;
    list.mv_scripts.push_back(MakeScript(4, 2));
    BallAnimScript& s = list.mv_scripts[0];
    s.m_figures[1].mf_x = HUGE_PLACE;
    s.m_figures[2].mf_y = -inf;
    s.m_figures[3].mf_height = nan;
    s.mv_events[0].mf_toX = -HUGE_PLACE;
    s.mv_events[0].mf_arc = inf;
    s.mv_events[1].mf_bounceVelocity = HUGE_PLACE;
    s.mv_events[1].mi_end = INT32_MAX;
    HighlightsList read;
    int clamped = -1;
    ASSERT_TRUE(DecodeReplay(EncodeReplay(list), read, &clamped));
    EXPECT_EQ(clamped, 7);
    const BallAnimScript& r = read.mv_scripts[0];
    EXPECT_EQ(r.m_figures[1].mf_x, 2 * GROUND_WIDTH);
    EXPECT_EQ(r.m_figures[2].mf_y, -GROUND_HEIGHT);
    EXPECT_EQ(r.m_figures[3].mf_height, 0.0f);
    EXPECT_EQ(r.mv_events[0].mf_toX, -GROUND_WIDTH);
    EXPECT_EQ(r.mv_events[0].mf_arc, GROUND_HEIGHT);
    EXPECT_EQ(r.mv_events[1].mf_bounceVelocity, GROUND_HEIGHT);
    EXPECT_EQ(r.mv_events[1].mi_end, 10 * 3600 * 100) << "ten hours of ticks";
    EXPECT_EQ(r.mv_events[0].mf_fromX, -1.0f);
    EXPECT_EQ(r.m_figures[5].mf_x, s.m_figures[5].mf_x);

    // A list within the ground reads back with nothing brought in.
    HighlightsList plain;
    plain.mv_scripts.push_back(MakeScript(1, 3));
    ASSERT_TRUE(DecodeReplay(EncodeReplay(plain), read, &clamped));
    EXPECT_EQ(clamped, 0);
}

TEST(HighlightsText, NewlinesExpandAndOnlyThatExpansionIsUndone) {
    EXPECT_EQ(ExpandNewlines(std::string("a\nb\r\n", 5)), std::string("a\r\nb\r\r\n", 7));
    EXPECT_EQ(CollapseNewlines(std::string("a\r\nb\r\r\n\r", 8)), std::string("a\nb\r\n\r", 6));
}

}  // namespace
}  // namespace ravel
