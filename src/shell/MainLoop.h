// The main loop's headless driver: the same passes as CGame::Play, on a
// manual clock moved on one tick at a time, with scripted input and
// screenshots at chosen ticks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

class CGame;

inline constexpr int TICKS_PER_SECOND = 100;
inline constexpr int FRAMES_PER_SECOND = 60;

struct ScriptStep {
    enum Kind { CLICK, KEY, TEXT, CLOSE, SHOT };
    Kind m_kind = CLICK;
    uint64_t m_tick = 0;
    int m_x = 0, m_y = 0;  // CLICK: the point; KEY: m_x is the key code
    std::string m_file;    // SHOT: a PNG path
    std::string m_text;    // TEXT: UTF-8 characters, typed in that tick
};

struct HeadlessScript {
    uint64_t m_ticks = 0;  // the run ends after this many ticks
    std::vector<ScriptStep> mv_steps;
};

// Reads "ticks=N", "click=T:X,Y", "key=T:CODE", "text=T:CHARACTERS",
// "close=T" and "shot=T:FILE" words; false (with the bad word in error) on
// anything else.
bool ParseHeadlessScript(const std::vector<std::string>& words, HeadlessScript& script, std::string& error);

// Runs the game's loop from BeginPlay to EndPlay under the script. A click or
// key is pressed on its tick and released on the next; a screenshot is taken
// of a fresh frame once its tick has run. Returns false when a screenshot
// could not be written.
bool RunHeadless(CGame& game, const HeadlessScript& script);

}  // namespace ravel
