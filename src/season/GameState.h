// The game's state in one place. Everything a career changes is one of these
// process-wide objects, declared beside the code that owns it:
//
//   world tables           g_world (world/World.h)
//   world-state record     g_cricket (world/GameDate.h): date, user's side and
//                          coach, day phase, auto-simulation and options
//   human coaches          g_userCoaches (season/News.h)
//   matches                g_currentMatches, g_completedMatches and the match
//                          ids (match/MatchLists.h)
//   the stepped match      g_sliceBudget, g_lostMinutes, g_lostOvers,
//                          g_steppedMatch, g_userMatch, g_ballState,
//                          g_showScorecard
//                          (match/MatchServices.h)
//   the day machine        g_todaysFixtures, g_humanSidesToday, g_recordEvents,
//                          g_dayScreenState (season/DayMachine.h)
//   contracts              g_contractOffers, g_overseasCount (season/Contracts.h)
//   squads                 g_squadRebuilds (season/Squads.h)
//   the season's turn      g_almanackTitle, g_lastTurnover (season/WorldStep.h)
//   result ratings         the sides' ratings (season/Ratings.h)
//   custom games           the custom league's id and the custom tour
//                          (season/CustomLeague.h, season/CustomTour.h)
//
// The shell and the platform are not part of it; the screens' own state is
// reset with it through the day services (CDayScreenServices::ResetScreens).
// The random generator is seeded apart (world/Random.h).
#pragma once

#include "match/HighlightsFile.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/Contracts.h"
#include "season/DayMachine.h"
#include "season/News.h"
#include "season/Ratings.h"
#include "season/Squads.h"
#include "season/TodaysLists.h"
#include "season/WorldStep.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

// Every part above back to its start: the reset that each test fixture and
// each fresh world calls.
void ResetGameState();
// The same but for the world tables, the human coaches (the new career hands
// them over first) and the options of g_cricket: a new career in the loaded
// world starts from here, with no match, offer or day phase of the last one.
void ResetCareerState();

}  // namespace ravel
