#include "season/CustomTour.h"

#include <algorithm>
#include <cstdio>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/Career.h"
#include "season/CustomLeague.h"
#include "season/Fixtures.h"
#include "season/Results.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

// A host that plays no series in the world's programme has its tour in its
// summer: from 1 June in the northern season, from Boxing Day in the southern.
constexpr int NORTHERN_FIRST_DAY = 61;  // 1 June
constexpr int SOUTHERN_FIRST_DAY = 86;  // 26 December
constexpr int MATCH_START_HOUR = 11;
constexpr int TEST_DAYS = 5, WARM_UP_DAYS = 4;
// Rest days after a match of several days, and after a one-day match.
constexpr int REST_AFTER_LONG = 3, REST_AFTER_ONE_DAY = 2;

CustomTourState s_tour;
bool sb_started = false;

bool IsNationalSide(int32_t id) {
    const Country* c = CountryById(id);
    return c && c->m_nationalSide == 1;
}

bool IsWarmUp(int32_t kind) {
    return kind == TOUR_EVENT_FOUR_DAY_WARM_UP || kind == TOUR_EVENT_ONE_DAY_WARM_UP;
}

// A playable event: a known kind, a warm-up only when the host has a club.
bool Playable(const TourEvent& e, int32_t host) {
    if (IsWarmUp(e.m_kind)) return WarmUpOpponent(host) > 0;
    return e.m_kind == TOUR_EVENT_TEST || e.m_kind == TOUR_EVENT_ODI;
}

int DaysOf(int32_t kind) {
    if (kind == TOUR_EVENT_TEST) return TEST_DAYS;
    return kind == TOUR_EVENT_FOUR_DAY_WARM_UP ? WARM_UP_DAYS : 1;
}

// Series ids above every one the world holds: odd for Tests, even for one-day.
void ChooseSeriesIds() {
    int32_t top = FIRST_TOUR_SERIES_ID;
    for (const TourSeries& s : g_world.mv_tourSeries) top = std::max(top, s.m_id);
    for (const Series& s : g_world.mv_series) top = std::max(top, s.m_id);
    for (const Fixture& f : g_world.mv_fixtures) top = std::max(top, f.m_competition);
    s_tour.m_tests = SeriesScore{};
    s_tour.m_odis = SeriesScore{};
    const int32_t odd = top % 2 == 0 ? top + 1 : top + 2;
    s_tour.m_tests.m_competition = odd;
    s_tour.m_odis.m_competition = odd + 1;
}

}  // namespace

GameDate CustomTourFirstDay(int32_t host) {
    // The first series the host plays at home in the world's programme.
    const TourSeries* first = nullptr;
    for (const TourSeries& s : g_world.mv_tourSeries) {
        if (s.m_home != host || s.m_season < FIRST_SEASON) continue;
        if (!first || s.m_season < first->m_season ||
            (s.m_season == first->m_season && s.m_startDayOfSeason < first->m_startDayOfSeason))
            first = &s;
    }
    if (first) return GameDate::FromSeasonDay(first->m_startDayOfSeason, first->m_season);
    if (NorthernCountry(host)) return GameDate::FromSeasonDay(NORTHERN_FIRST_DAY, FIRST_SEASON);
    return GameDate::FromSeasonDay(SOUTHERN_FIRST_DAY, FIRST_SEASON + 1);
}

namespace {

void BookFixtures(const CustomTourPlan& plan) {
    const int32_t club = WarmUpOpponent(plan.m_host);
    const Team* opponent = club > 0 ? TeamById(club) : nullptr;
    const std::vector<int32_t> grounds =
        InternationalGrounds(plan.m_host, static_cast<int>(plan.mv_events.size()));
    GameDate date = CustomTourFirstDay(plan.m_host);
    size_t nextGround = 0;
    for (const TourEvent& e : plan.mv_events) {
        if (!Playable(e, plan.m_host)) continue;
        Fixture f;
        f.m_home = plan.m_host;
        f.m_away = plan.m_touring;
        f.m_date = date;
        if (IsWarmUp(e.m_kind)) {
            f.m_home = club;
            f.m_competition =
                e.m_kind == TOUR_EVENT_FOUR_DAY_WARM_UP ? COMP_TOUR_FOUR_DAY : COMP_TOUR_ONE_DAY;
            f.m_ground = opponent ? opponent->m_ground : 0;
        } else {
            f.m_competition =
                e.m_kind == TOUR_EVENT_TEST ? s_tour.m_tests.m_competition : s_tour.m_odis.m_competition;
            f.m_ground = grounds[nextGround++ % grounds.size()];
        }
        s_tour.mv_fixtures.push_back(AddFixture(f));
        const int days = DaysOf(e.m_kind);
        const int gap = days + (days > 1 ? REST_AFTER_LONG : REST_AFTER_ONE_DAY);
        for (int d = 0; d < gap; ++d) date.NextDay();
    }
}

// Squads of the match's kind and the computer's elevens for both countries;
// the tourists' coach has no squad page in a custom game.
void PickSides(const Fixture& f, bool oneDay) {
    for (int32_t id : {f.m_home, f.m_away}) {
        Country* c = id < FIRST_CLUB_ID ? CountryById(id) : nullptr;
        if (!c) continue;
        if (oneDay) {
            c->m_squadKind = SQUAD_ONE_DAY;
            SelectOneDaySquad(*c, 0);
        } else if (id == s_tour.m_host) {
            c->m_squadKind = SQUAD_HOME_TEST;
            SelectTestSquadB(*c, 0);
        } else {
            c->m_squadKind = SQUAD_TOUR_TEST;
            SelectTestSquad(*c, 0);
        }
        c->m_activeSquadKind = c->m_squadKind;
        StoreSelection(ChooseXI(id, true, oneDay, f.m_ground), c->m_xi);
    }
}

SeriesScore* ScoreOf(int32_t competition) {
    if (competition == s_tour.m_tests.m_competition) return &s_tour.m_tests;
    if (competition == s_tour.m_odis.m_competition) return &s_tour.m_odis;
    return nullptr;
}

}  // namespace

const char* OrdinalSuffix(int n) {
    static constexpr const char* ORDINALS[] = {"1st", "2nd", "3rd", "4th", "5th",
                                               "6th", "7th", "8th", "9th", "10th"};
    return n >= 1 && n <= 10 ? ORDINALS[n - 1] : "xth";
}

int32_t WarmUpOpponent(int32_t hostId) {
    for (const Team& t : g_world.mv_teams)
        if (t.m_country == hostId && hostId > 0) return t.m_id;
    return 0;
}

bool CanStartCustomTour(const CustomTourPlan& plan) {
    if (plan.m_touring == plan.m_host || !IsNationalSide(plan.m_touring) || !IsNationalSide(plan.m_host))
        return false;
    return std::any_of(plan.mv_events.begin(), plan.mv_events.end(),
                       [&plan](const TourEvent& e) { return Playable(e, plan.m_host); });
}

bool StartCustomTour(const CustomTourPlan& plan) {
    if (!CanStartCustomTour(plan)) return false;
    ResetCustomTour();
    if (!BeginCustomTourCoach(plan.m_touring)) return false;
    sb_started = true;
    s_tour.m_touring = plan.m_touring;
    s_tour.m_host = plan.m_host;
    ChooseSeriesIds();
    BookFixtures(plan);
    g_cricket.m_gameMode = MODE_CUSTOM_LEAGUE;
    return StartNextCustomTourMatch() != nullptr;
}

const CustomTourState* CustomTour() {
    return sb_started ? &s_tour : nullptr;
}

Match* StartNextCustomTourMatch() {
    if (!sb_started || s_tour.m_matchId >= 0) return nullptr;
    while (s_tour.m_next < s_tour.mv_fixtures.size()) {
        const int32_t fixtureId = s_tour.mv_fixtures[s_tour.m_next++];
        Fixture* f = FixtureById(fixtureId);
        if (!f || f->m_state != FIXTURE_SCHEDULED) continue;
        const bool oneDay =
            f->m_competition == COMP_TOUR_ONE_DAY || f->m_competition == s_tour.m_odis.m_competition;
        PickSides(*f, oneDay);
        g_cricket.m_date = f->m_date;
        g_cricket.m_date.m_hour = MATCH_START_HOUR;
        // The weather of the month the match is played in.
        g_cricket.m_climateMonth = f->m_date.m_month - 1;
        for (Climate& climate : g_world.mv_climates) AdvanceForecast(climate);
        int position = 0;
        Match* match = CreateCustomGameMatch(fixtureId, position);
        if (!match) continue;
        g_userMatch = position;
        g_steppedMatch = position;
        s_tour.m_matchId = match->mi_id;
        s_tour.mv_matches.push_back(match->mi_id);
        return match;
    }
    return nullptr;
}

bool FinishCustomTourMatch() {
    if (!sb_started || s_tour.m_matchId < 0) return false;
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        const Match& match = *g_currentMatches[i];
        if (match.mi_id != s_tour.m_matchId) continue;
        if (match.mi_playState != PLAY_MATCH_OVER) return false;
        const MatchOutcome o = OutcomeOf(match);
        if (SeriesScore* score = ScoreOf(match.mi_competition)) {
            if (IsWinningResult(o.m_kind))
                ++(o.m_winner == s_tour.m_host ? score->m_hostWins : score->m_touringWins);
            else if (o.m_kind == RESULT_DRAW)
                ++score->m_draws;
            else
                ++score->m_ties;
        }
        RetireMatch(static_cast<int>(i));
        s_tour.m_matchId = -1;
        return true;
    }
    // Its match is gone: the tour goes on with the next.
    s_tour.m_matchId = -1;
    return false;
}

bool IsCustomTourFixture(int32_t fixtureId) {
    return sb_started && std::ranges::find(s_tour.mv_fixtures, fixtureId) != s_tour.mv_fixtures.end();
}

bool IsCustomTourMatch(int32_t matchId) {
    return sb_started && std::ranges::find(s_tour.mv_matches, matchId) != s_tour.mv_matches.end();
}

void ResetCustomTour() {
    s_tour = CustomTourState{};
    sb_started = false;
}

}  // namespace ravel
