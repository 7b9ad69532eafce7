// International cricket between countries: tours with their dated steps (the
// squads and a warm-up match against a club of the host, the Test or one-day
// series, the end of the tour), triangular one-day tournaments with best-of-
// three finals, the series' bookkeeping and texts, the international
// tournaments' start and results, and the championship tables' yearly step.
#pragma once

#include <string>

#include "season/Results.h"
#include "world/Competitions.h"

namespace ravel {

// Triangular tournaments: points for a win, a tie or no result, a loss; the
// bonus point for a run rate 1.25 times the loser's costs the loser his point.
inline constexpr int32_t TRIANGULAR_POINTS[POINTS_RULES] = {5, 3, 3, 1};
inline constexpr float BONUS_RUN_RATE_FACTOR = 1.25f;
inline constexpr int TRIANGULAR_FINALS = 3;  // best of three
// Days from the warm-up match to the first match of the series.
inline constexpr int WARM_UP_LEAD_DAYS = 6;
// Championship rating of a country that has none yet.
inline constexpr int DEFAULT_RATING = 100;

// A national squad stays together when the country's next engagement starts
// within this many days of the last one's end.
inline constexpr int SQUAD_RELEASE_GAP = 7;

// The tour's work for today's day of season (squads, start, end).
void DailyTourStep(Tour& tour);
// The series of the running tour a country hosts or makes; nullptr for none.
TourSeries* RunningSeriesOf(int countryId);
// Fixtures of a tour's series: Tests or one-day internationals at the host's
// grounds, or a triangular round robin whose finals follow.
void ScheduleTourSeries(const Tour& tour, TourSeries& series);
// Ends a series: finished, championship figures set.
void FinishTourSeries(TourSeries& series);

// A finished match of competition id 600 or more, to every series it counts for.
void RouteSeriesResult(int competitionId, const MatchOutcome& outcome);
// The result into a Test or one-day series between two countries.
void RecordTourSeriesResult(TourSeries& series, const MatchOutcome& outcome);
// The result into a triangular tournament: its table, then its finals.
void RecordSeriesResult(Series& series, const MatchOutcome& outcome);
// Winner of a triangular tournament's finals; 0 while undecided.
int TriangularWinner(const Series& series);

// "Finals to be played", "%s lead the finals %d-%d", "Finals level at %d-%d"
// or "%s won the tournament".
std::string TournamentStatusText(const Series& series);
// "Apr 2006", or "Apr 2006 - May 2006" when the series spans months.
std::string DateRangeText(const TourSeries& series);

// The country has a tour between its squad day and its end, a tournament from
// its squad day until it is out or the final is won, or an unplayed fixture,
// today or within `withinDays` days.
bool HasInternationalEngagement(int countryId, int withinDays);
// Every national side with players on duty and no engagement near lets them
// go back to their clubs.
void ReleaseIdleNationalSquads();

// Tournaments of this season whose start is near get their squads and groups.
void StartDueTournaments();
// A finished tournament match; the final's result goes into the history.
void WorldCupDaily(InternationalTournament& tournament, const MatchOutcome& outcome);

// 1 January: the Test (false) or one-day (true) championship table rebuilt.
void YearlyChampionshipStep(bool oneDay);

}  // namespace ravel
