// Playing a recorded ball back in the Highlights window: whether a ball is
// shown (the nine highlight filters), starting, stepping and ending its
// playback, the window with its caption line, and the labels of the
// Highlights Options window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

class CButton;
class CDialog;
class Match;
struct BallAnimScript;
struct HighlightFilters;

// Where the ball on show is kept: a match's recorded balls (by match id) or
// a list that lives for the whole run, and the index in it. It is looked up
// again at every use, so a list that has grown or been replaced, or a match
// that is gone, never leaves a dangling script: it is then simply not there.
struct BallSource {
    int32_t mi_matchId = -1;
    std::vector<BallAnimScript>* mp_list = nullptr;
    int32_t mi_index = -1;
};

// The script on show, or nullptr.
BallAnimScript* CurrentScript();
// Plays the ball when the filters (or its shown flag) ask for it: the view
// opens on top, the panels hide and the user's match waits until it ends.
void StartBallAnimation(const BallSource& source);
void StartBallAnimation(Match& match, int scriptIndex);
// One step; at the script's end the playback ends and the ball counts as shown.
void StepBallAnimation();
// Closes the window, stops the sounds, brings the panels back and lets the
// user's match go on.
void EndBallAnimation();

// Whether a ball with these facts is played back under the filters.
bool BallIsShown(const BallAnimScript& script, const HighlightFilters& filters);

// The Highlights window and its ">>" button, in the current screen's list,
// until FreeHighlightsList; the screen that makes them frees them.
void CreateHighlightsList();
void FreeHighlightsList();
extern CDialog* g_highlightsWindow;
extern CButton* g_highlightsNext;
bool HighlightsWindowShown();
// Set by the first ball started; the window then names the ball.
extern uint8_t g_captionLine;

void DrawHighlightsWindow();
void HighlightOptionsDialog();

// Prepares the highlights list for playback, once while the prepared flag
// stays set: the counters, the first clip, the main loop's playback keys.
void StartHighlightsPlayback();
// The main loop's keys while playback is prepared: Space ends the clip,
// Return stops playback and goes back to the first clip.
void HighlightPlaybackKeys();
// One tick of the prepared playback in the Highlights window: `steps`
// animation steps, each clip in turn; after the last, playback stops.
void PlayHighlightsTick(int steps);
// A highlights file's path in the output folder, as the system names it.
std::string HighlightsFilePath(const char* name);

// The engine's balls reach the view from start-up on.
void InstallMatchViewServices();

}  // namespace ravel
