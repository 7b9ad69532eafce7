// What the match engine and the day machine ask of the match screens, and the
// process-wide values they share. The logic owns the interface; the plain
// implementation keeps the engine's behaviour without any screen, and the
// match screens install their own at start-up.
#pragma once

#include <cstdint>

#include "world/GameDate.h"

namespace ravel {

class Match;
struct BallAnimScript;

class CMatchScreenServices {
public:
    virtual ~CMatchScreenServices() = default;
    // Plays a recorded ball in the live match view; showing it sets the
    // match's decision state to 605 until the animation has run.
    virtual void StartBallAnimation(Match& /*match*/, BallAnimScript* /*script*/) {}
};

// Installs the screens' services (nullptr restores the plain ones).
void InstallMatchScreenServices(CMatchScreenServices* services);
CMatchScreenServices& MatchScreens();

void StartBallAnimation(Match& match, BallAnimScript* script);

// Seconds of match time that the user's step used; the other matches of the
// day play until they have used as much.
extern int32_t g_sliceBudget;
// Minutes and overs lost in the last interruption of a human side's match.
extern int32_t g_lostMinutes;
extern int32_t g_lostOvers;
// Position in the current-matches list of the match being stepped.
extern int32_t g_steppedMatch;
// Position in the current-matches list of the user's match, -1 for none. The
// day machine sets it when his match begins; retiring matches keeps it on him.
extern int32_t g_userMatch;
// The user's match, or nullptr when the index is not inside the list.
Match* UserMatch();

// The delivery of the last ball, as the match view shows it.
struct PublishedBall {
    int32_t mi_length = 8001;
    int32_t mi_movement = 9001;
    float mf_skill = 0.0f;
    int32_t mi_spread = 0;
};
extern PublishedBall g_ballState;

// The user's match has ended: the day machine goes on at phase 8, which
// shows the scorecard when asked to, else today's scoreboard.
inline constexpr int32_t DAY_PHASE_USER_MATCH_ENDED = 8;
extern bool g_showScorecard;
void HandOverUserMatchEnd(bool showScorecard);

}  // namespace ravel
