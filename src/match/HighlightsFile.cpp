#include "match/HighlightsFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "world/Services.h"

namespace ravel {

HighlightsList g_highlightsList;
uint8_t g_highlightsPrepared = 0;

namespace {

constexpr size_t EVENT_CAPTION_BYTES = 254;
constexpr size_t TEXT_AREA_BYTES = 255;

void PutWord(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}
void PutInt(std::string& out, int32_t value) {
    PutWord(out, static_cast<uint32_t>(value));
}
void PutFloat(std::string& out, float value) {
    PutWord(out, std::bit_cast<uint32_t>(value));
}
void PutByte(std::string& out, uint8_t value) {
    out.push_back(static_cast<char>(value));
}
void PutBytes(std::string& out, const char* bytes, size_t count) {
    out.append(bytes, count);
}

// Places a recorded ball goes: the picture, a ground's width or height beyond
// each of its edges, and heights of up to a ground's height either way. A
// corrupt file's values outside these are brought to the nearest edge, so the
// ground view's arithmetic and its whole pixels stay within range.
constexpr float MIN_X = -GROUND_WIDTH, MAX_X = 2 * GROUND_WIDTH;
constexpr float MIN_Y = -GROUND_HEIGHT, MAX_Y = 2 * GROUND_HEIGHT;
constexpr float MAX_HEIGHT = GROUND_HEIGHT;

// Ticks from a corrupt file are kept within ten hours either way, so the
// ground view's tick arithmetic cannot overflow.
constexpr int32_t TICK_LIMIT = 3600000;

// Reads from content bytes whose length was checked beforehand, counting the
// values it had to bring within range.
class Bytes {
public:
    Bytes(const std::string& content, size_t offset, int& clamped)
        : m_content(content), m_at(offset), m_clamped(clamped) {}
    size_t Left() const { return m_content.size() - m_at; }
    size_t At() const { return m_at; }
    uint32_t Word() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= static_cast<uint32_t>(Byte()) << shift;
        return value;
    }
    int32_t Int() { return static_cast<int32_t>(Word()); }
    // A NaN reads as 0.
    float Float(float lo, float hi) {
        const float value = std::bit_cast<float>(Word());
        const float kept = std::isnan(value) ? 0.0f : std::clamp(value, lo, hi);
        if (kept != value) ++m_clamped;  // a NaN too
        return kept;
    }
    float X() { return Float(MIN_X, MAX_X); }
    float Y() { return Float(MIN_Y, MAX_Y); }
    float Height() { return Float(-MAX_HEIGHT, MAX_HEIGHT); }
    int32_t Tick() {
        const int32_t value = Int();
        const int32_t kept = std::clamp(value, -TICK_LIMIT, TICK_LIMIT);
        if (kept != value) ++m_clamped;
        return kept;
    }
    uint8_t Byte() { return static_cast<uint8_t>(m_content[m_at++]); }
    void Copy(char* to, size_t count) {
        std::memcpy(to, m_content.data() + m_at, count);
        m_at += count;
    }

private:
    const std::string& m_content;
    size_t m_at;
    int& m_clamped;
};

void WriteFigure(std::string& out, GroundFigure& f) {
    f.mi_frame = 0;
    for (int32_t value : {f.mi_pose, f.mi_id, f.mi_fieldPos, f.mi_player, f.mi_kind}) PutInt(out, value);
    for (float value : {f.mf_x, f.mf_y, f.mf_height}) PutFloat(out, value);
}

void ReadFigure(Bytes& in, GroundFigure& f) {
    f.mi_pose = in.Int();
    f.mi_id = in.Int();
    f.mi_fieldPos = in.Int();
    f.mi_player = in.Int();
    f.mi_kind = in.Int();
    f.mf_x = in.X();
    f.mf_y = in.Y();
    f.mf_height = in.Height();
    f.mi_frame = 0;
}

void WriteEvent(std::string& out, const AnimEvent& e) {
    PutWord(out, e.mi_pose);
    PutFloat(out, e.mf_toX);
    PutFloat(out, e.mf_toY);
    PutInt(out, e.mi_end);
    PutInt(out, e.mi_start);
    PutFloat(out, e.mf_arc);
    PutInt(out, e.mi_target);
    PutFloat(out, e.mf_fromX);
    PutFloat(out, e.mf_fromY);
    PutByte(out, e.mb_moveType);
    PutByte(out, e.mb_disabled);
    PutInt(out, e.mi_extra[1]);
    PutInt(out, e.mi_extra[2]);
    PutFloat(out, e.mf_bounceVelocity);
    PutInt(out, e.mi_extra[0]);
    PutBytes(out, e.mc_caption, EVENT_CAPTION_BYTES);
}

void ReadEvent(Bytes& in, AnimEvent& e) {
    e.mi_pose = in.Word();
    e.mf_toX = in.X();
    e.mf_toY = in.Y();
    e.mi_end = in.Tick();
    e.mi_start = in.Tick();
    e.mf_arc = in.Height();
    e.mi_target = in.Int();
    e.mf_fromX = in.X();
    e.mf_fromY = in.Y();
    e.mb_moveType = in.Byte();
    e.mb_disabled = in.Byte();
    e.mi_extra[1] = in.Int();
    e.mi_extra[2] = in.Int();
    e.mf_bounceVelocity = in.Height();
    e.mi_extra[0] = in.Int();
    in.Copy(e.mc_caption, EVENT_CAPTION_BYTES);
}

// The fifteen words in record order.
int32_t* ScriptWords(BallAnimScript& s, size_t k) {
    int32_t* const words[] = {
        &s.mi_striker,         &s.mi_nonStriker, &s.mi_fielder, &s.mi_bowler,      &s.mi_battingSide,
        &s.mi_bowlingSide,     &s.mi_total,      &s.mi_wickets, &s.mi_competition, &s.mi_battingNational,
        &s.mi_bowlingNational, &s.mi_innings,    &s.mi_over,    &s.mi_ball,        &s.mi_outcome};
    return words[k];
}
constexpr size_t SCRIPT_WORDS = 15;

void MarkWritten(BallAnimScript& s) {
    s.mi_clock = 0;
    s.mb_played = 1;
    s.mi_kind = SCRIPT_KIND_COMPLETE;
}

}  // namespace

void BallAnimScript::Write(std::string& out) {
    MarkWritten(*this);
    PutInt(out, mi_length);
    for (size_t k = 0; k < SCRIPT_WORDS; ++k) PutInt(out, *ScriptWords(*this, k));
    PutInt(out, mi_runs);
    PutByte(out, mb_celebration);
    PutByte(out, mb_chance);
    PutByte(out, mb_wicket);
    for (GroundFigure& f : m_figures) WriteFigure(out, f);
    PutInt(out, static_cast<int32_t>(mv_events.size()));
    for (const AnimEvent& e : mv_events) WriteEvent(out, e);
}

bool BallAnimScript::Read(const std::string& content, size_t& offset, int& clamped) {
    if (offset > content.size() || content.size() - offset < REPLAY_SCRIPT_BYTES) return false;
    Bytes in(content, offset, clamped);
    BallAnimScript fresh;
    fresh.mi_length = in.Tick();
    for (size_t k = 0; k < SCRIPT_WORDS; ++k) *ScriptWords(fresh, k) = in.Int();
    fresh.mi_runs = in.Int();
    fresh.mb_celebration = in.Byte();
    fresh.mb_chance = in.Byte();
    fresh.mb_wicket = in.Byte();
    for (GroundFigure& f : fresh.m_figures) ReadFigure(in, f);
    const uint32_t events = in.Word();
    if (events > in.Left() / REPLAY_EVENT_BYTES) return false;
    fresh.mv_events.resize(events);
    for (AnimEvent& e : fresh.mv_events) ReadEvent(in, e);
    MarkWritten(fresh);
    offset = in.At();
    *this = std::move(fresh);
    return true;
}

void ResetHighlights() {
    g_highlightsList = HighlightsList();
    g_highlightsPrepared = 0;
}

std::string EncodeReplay(HighlightsList& list) {
    std::string out;
    PutBytes(out, list.mc_title, HIGHLIGHTS_TITLE_LENGTH);
    PutBytes(out, list.mc_secondTitle, HIGHLIGHTS_TITLE_LENGTH);
    PutBytes(out, list.mc_title, HIGHLIGHTS_TITLE_LENGTH);
    PutBytes(out, list.mc_secondTitle, HIGHLIGHTS_TITLE_LENGTH);
    PutBytes(out, list.mc_note, TEXT_AREA_BYTES - 2 * HIGHLIGHTS_TITLE_LENGTH);
    PutInt(out, static_cast<int32_t>(list.mv_scripts.size()));
    for (BallAnimScript& script : list.mv_scripts) script.Write(out);
    return out;
}

bool DecodeReplay(const std::string& content, HighlightsList& list, int* clamped) {
    list.mv_scripts.clear();
    int outside = 0;
    if (clamped) *clamped = 0;
    if (content.size() < REPLAY_HEADER_BYTES) return false;
    Bytes in(content, 0, outside);
    in.Copy(list.mc_title, HIGHLIGHTS_TITLE_LENGTH);
    in.Copy(list.mc_secondTitle, HIGHLIGHTS_TITLE_LENGTH);
    // The text area overlays the two titles and the start of the note.
    in.Copy(list.mc_title, HIGHLIGHTS_TITLE_LENGTH);
    in.Copy(list.mc_secondTitle, HIGHLIGHTS_TITLE_LENGTH);
    in.Copy(list.mc_note, TEXT_AREA_BYTES - 2 * HIGHLIGHTS_TITLE_LENGTH);
    std::fill(std::begin(list.mc_note) + (TEXT_AREA_BYTES - 2 * HIGHLIGHTS_TITLE_LENGTH),
              std::end(list.mc_note), '\0');
    list.mc_title[HIGHLIGHTS_TITLE_LENGTH - 1] = '\0';
    list.mc_secondTitle[HIGHLIGHTS_TITLE_LENGTH - 1] = '\0';
    list.mc_note[HIGHLIGHTS_NOTE_LENGTH - 1] = '\0';
    const uint32_t count = in.Word();
    size_t offset = in.At();
    bool whole = true;
    for (uint32_t i = 0; i < count && whole; ++i) {
        BallAnimScript script;
        whole = script.Read(content, offset, outside);
        if (whole) list.mv_scripts.push_back(std::move(script));
    }
    if (clamped) *clamped = outside;
    return whole;
}

std::string ExpandNewlines(const std::string& content) {
    std::string stored;
    stored.reserve(content.size() + content.size() / 16);
    for (char c : content) {
        if (c == '\n') stored.push_back('\r');
        stored.push_back(c);
    }
    return stored;
}

std::string CollapseNewlines(const std::string& stored) {
    std::string content;
    content.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
        content.push_back(stored[i]);
    }
    return content;
}

void WriteReplayFile(const char* path, HighlightsList& list) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return;
    const std::string stored = ExpandNewlines(EncodeReplay(list));
    out.write(stored.data(), static_cast<std::streamsize>(stored.size()));
}

void ReadReplayFile(const char* path) {
    g_highlightsList.mv_scripts.clear();
    g_highlightsList.mi_currentClip = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int clamped = 0;
    if (!DecodeReplay(CollapseNewlines(stored), g_highlightsList, &clamped))
        DebugLog("Highlights file %s is cut short: %zu whole balls kept", path,
                 g_highlightsList.mv_scripts.size());
    if (clamped > 0)
        DebugLog(
            "Highlights file %s: %d values beyond the ground or the ten-hour clock brought to their edge",
            path, clamped);
}

}  // namespace ravel
