#include "match/MatchServices.h"

#include "match/Match.h"
#include "match/MatchLists.h"

namespace ravel {

int32_t g_sliceBudget = 0;
int32_t g_lostMinutes = 0;
int32_t g_lostOvers = 0;
int32_t g_steppedMatch = 0;
int32_t g_userMatch = -1;
PublishedBall g_ballState;
bool g_showScorecard = true;

namespace {

CMatchScreenServices g_plainServices;
CMatchScreenServices* g_services = &g_plainServices;

}  // namespace

Match* UserMatch() {
    if (g_userMatch < 0 || static_cast<size_t>(g_userMatch) >= g_currentMatches.size()) return nullptr;
    return g_currentMatches[g_userMatch].get();
}

void InstallMatchScreenServices(CMatchScreenServices* services) {
    g_services = services ? services : &g_plainServices;
}

CMatchScreenServices& MatchScreens() {
    return *g_services;
}

void StartBallAnimation(Match& match, BallAnimScript* script) {
    if (script) g_services->StartBallAnimation(match, script);
}

void HandOverUserMatchEnd(bool showScorecard) {
    g_showScorecard = showScorecard;
    g_cricket.m_dayPhase = DAY_PHASE_USER_MATCH_ENDED;
}

}  // namespace ravel
