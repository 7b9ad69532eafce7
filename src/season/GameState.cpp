#include "season/GameState.h"

#include "season/CustomLeague.h"
#include "season/CustomTour.h"

namespace ravel {

void ResetCareerState() {
    CricketData fresh;
    fresh.m_option1 = g_cricket.m_option1;
    fresh.m_autosave = g_cricket.m_autosave;
    fresh.m_matchViewSounds = g_cricket.m_matchViewSounds;
    g_cricket = fresh;
    ResetMatchLists();
    g_sliceBudget = 0;
    g_lostMinutes = 0;
    g_lostOvers = 0;
    g_steppedMatch = 0;
    g_ballState = PublishedBall();
    g_showScorecard = true;
    g_todaysFixtures.clear();
    g_todaysLists = TodaysLists();
    ResetHighlights();
    g_humanSidesToday.clear();
    g_recordEvents.clear();
    g_dayScreenState = DayScreenState();
    g_contractOffers.clear();
    g_overseasCount = -1;
    g_squadRebuilds = 0;
    g_almanackTitle.clear();
    g_lastTurnover = TurnoverCounts();
    ResetResultRatings();
    DayScreens().ResetScreens();
}

void ResetGameState() {
    ResetWorld();
    g_userCoaches.clear();
    ResetCustomLeague();
    ResetCustomTour();
    g_cricket = CricketData();
    ResetCareerState();
}

}  // namespace ravel
