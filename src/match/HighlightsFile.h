// The highlights list, the one collection of recorded balls that the match
// player plays back, and the highlights file that stores it. The file holds
// its content as a text-mode stream writes it: every byte 0x0A is stored as
// 0x0D 0x0A, and reading undoes exactly that.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "match/AnimScript.h"

namespace ravel {

inline constexpr int HIGHLIGHTS_TITLE_LENGTH = 50;
inline constexpr int HIGHLIGHTS_NOTE_LENGTH = 255;
// Content bytes of the file's parts, before the 0x0A expansion.
inline constexpr size_t REPLAY_HEADER_BYTES = 359;
inline constexpr size_t REPLAY_SCRIPT_BYTES = 587;
inline constexpr size_t REPLAY_EVENT_BYTES = 308;

struct HighlightsList {
    std::vector<BallAnimScript> mv_scripts;
    int32_t mi_currentClip = 0;
    int32_t mi_totalTicks = 0;
    int32_t mi_elapsedTicks = 0;
    // Only a file fills these; the title and second title and the first
    // 155 bytes of the note are one text area in the file.
    char mc_title[HIGHLIGHTS_TITLE_LENGTH] = {};
    char mc_secondTitle[HIGHLIGHTS_TITLE_LENGTH] = {};
    char mc_note[HIGHLIGHTS_NOTE_LENGTH] = {};
};

extern HighlightsList g_highlightsList;
// Set by the first preparation of a non-empty list; the main loop's Return
// during playback clears it.
extern uint8_t g_highlightsPrepared;

// Empties the list and clears the flag (a new game).
void ResetHighlights();

// The file's content bytes (before expansion). Each script is marked played,
// clock 0, kind 301 before it is written, as the file's reader marks it.
std::string EncodeReplay(HighlightsList& list);
// Fills the list's scripts and texts from content bytes. Every count is
// checked against the bytes left: a record cut short is dropped, and the
// whole records before it are kept. False when the content was cut short.
// Places, heights and ticks beyond the ground's range are brought to its
// edge; `clamped`, when given, counts them.
bool DecodeReplay(const std::string& content, HighlightsList& list, int* clamped = nullptr);

// 0x0A stored as 0x0D 0x0A, and back.
std::string ExpandNewlines(const std::string& content);
std::string CollapseNewlines(const std::string& stored);

// Writes the list; a file that cannot be opened is skipped silently.
void WriteReplayFile(const char* path, HighlightsList& list);
// Replaces the global list's scripts with the file's; a missing file leaves
// it empty. A file cut short or with values brought within range is noted in
// the debug log. The current clip goes back to 0, so whatever was current is no
// longer designated; the counters and the prepared flag stay.
void ReadReplayFile(const char* path);

}  // namespace ravel
