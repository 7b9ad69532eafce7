#include "season/Standings.h"

#include <algorithm>
#include <utility>

#include "world/GameDate.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr float OVERS_PER_BALL = 0.16666667f;
// Championship marker of a series too old to count for either table.
constexpr int32_t SERIES_RETIRED = 502;

void RecomputeNetRunRates(std::vector<StandingsRow>& rows) {
    for (StandingsRow& row : rows) NetRunRate(row);
}

// Limited overs: points, net run rate, wins, fewer losses.
bool BeforeLimitedOvers(const StandingsRow& a, const StandingsRow& b) {
    if (a.m_points != b.m_points) return a.m_points > b.m_points;
    if (a.m_netRunRate != b.m_netRunRate) return a.m_netRunRate > b.m_netRunRate;
    if (a.m_won != b.m_won) return a.m_won > b.m_won;
    return a.m_lost < b.m_lost;
}

// Longer formats: points, wins, fewer losses, bonus points.
bool BeforeMultiDay(const StandingsRow& a, const StandingsRow& b) {
    if (a.m_points != b.m_points) return a.m_points > b.m_points;
    if (a.m_won != b.m_won) return a.m_won > b.m_won;
    if (a.m_lost != b.m_lost) return a.m_lost < b.m_lost;
    return a.m_bonus1 + a.m_bonus2 > b.m_bonus1 + b.m_bonus2;
}

int Rating(int points, int count) {
    return count > 0 ? points / count : 0;
}

// Championship tables: rating, then the lower id.
template <int32_t StandingsRow::*Points, int32_t StandingsRow::*Count>
bool BeforeRating(const StandingsRow& a, const StandingsRow& b) {
    const int ra = Rating(a.*Points, a.*Count);
    const int rb = Rating(b.*Points, b.*Count);
    return ra != rb ? ra > rb : a.m_team < b.m_team;
}

bool BeforeTournament(const StandingsRow& a, const StandingsRow& b) {
    if (a.m_points != b.m_points) return a.m_points > b.m_points;
    return a.m_netRunRate > b.m_netRunRate;
}

// Rows level on every key keep their order, so a table never jitters.
template <typename Before>
void Rank(std::vector<StandingsRow>& rows, Before before) {
    std::stable_sort(rows.begin(), rows.end(), before);
}

// Championship weight of a series by its age in years; 0 once too old.
float SeriesWeight(int age, bool oneDay) {
    if (oneDay) {
        if (age == 3) return 0.33f;
        if (age == 2) return 0.66f;
        return 1.0f;
    }
    return age == 3 ? 0.5f : 1.0f;
}

}  // namespace

float NetRunRate(StandingsRow& row) {
    const float scored = row.m_ballsFaced > 0 ? static_cast<float>(row.m_runsFor) /
                                                    (static_cast<float>(row.m_ballsFaced) * OVERS_PER_BALL)
                                              : 0.0f;
    const float conceded =
        row.m_ballsBowled > 0
            ? static_cast<float>(row.m_runsAgainst) / (static_cast<float>(row.m_ballsBowled) * OVERS_PER_BALL)
            : 0.0f;
    row.m_netRunRate = scored - conceded;
    return row.m_netRunRate;
}

int StandingsRowIndex(const std::vector<StandingsRow>& rows, int sideId) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].m_team == sideId) return static_cast<int>(i);
    return -1;
}

int FindStandingsRow(const Competition& competition, int sideId) {
    return std::max(StandingsRowIndex(competition.mv_standings, sideId), 0);
}

void SortStandings(Competition& competition) {
    if (competition.m_status != COMP_RUNNING) return;
    if (competition.m_id == COMP_TEST_CHAMPIONSHIP) {
        Rank(competition.mv_standings, BeforeRating<&StandingsRow::m_testPoints, &StandingsRow::m_testCount>);
    } else if (competition.m_id == COMP_ODI_CHAMPIONSHIP) {
        Rank(competition.mv_standings, BeforeRating<&StandingsRow::m_odiPoints, &StandingsRow::m_odiCount>);
    } else if (competition.m_id < COMP_TEST_CHAMPIONSHIP) {
        RankDomesticTable(competition);
    }
}

void RankDomesticTable(Competition& competition) {
    if (IsLimitedOversFormat(competition.m_format)) {
        RecomputeNetRunRates(competition.mv_standings);
        Rank(competition.mv_standings, BeforeLimitedOvers);
    } else {
        Rank(competition.mv_standings, BeforeMultiDay);
    }
}

bool BeforeAcrossTables(const StandingsRow& a, const StandingsRow& b, int format) {
    auto perMatch = [](const StandingsRow& r) {
        return r.Played() > 0 ? static_cast<float>(r.m_points) / static_cast<float>(r.Played()) : 0.0f;
    };
    const float pa = perMatch(a);
    const float pb = perMatch(b);
    if (pa != pb) return pa > pb;
    return IsLimitedOversFormat(format) ? BeforeLimitedOvers(a, b) : BeforeMultiDay(a, b);
}

void UpdatePositions(Competition& competition) {
    int place = 1;
    for (StandingsRow& row : competition.mv_standings) {
        row.m_previousPosition = row.m_position;
        row.m_position = place;
        if (row.m_previousPosition == 0) row.m_previousPosition = place;
        ++place;
    }
}

void ShuffleTeams(Competition& competition) {
    const int n = competition.TeamCount();
    if (n <= 0) return;
    for (int i = 0; i < 3 * n; ++i) {
        const int a = Rand() % n;
        const int b = Rand() % n;
        std::swap(competition.mv_teams[static_cast<size_t>(a)], competition.mv_teams[static_cast<size_t>(b)]);
    }
}

void UpdateChampionshipTables(bool oneDay) {
    const int id = oneDay ? COMP_ODI_CHAMPIONSHIP : COMP_TEST_CHAMPIONSHIP;
    Competition* table = CompetitionById(id);
    if (!table) return;
    const int year = g_cricket.m_date.m_year;
    for (StandingsRow& row : table->mv_standings) {
        float count = 0.0f;
        float points = 0.0f;
        for (TourSeries& series : g_world.mv_tourSeries) {
            const bool ofKind = oneDay ? series.m_id % 2 == 0 : (series.m_id > 0 && series.m_id % 2 != 0);
            if (!ofKind || series.m_competition != COMP_ODI_CHAMPIONSHIP) continue;
            const bool home = series.m_home == row.m_team;
            if (!home && series.m_away != row.m_team) continue;
            const int age = year - series.m_startYear;
            if (age > 3) {
                series.m_competition = SERIES_RETIRED;
                continue;
            }
            const float weight = SeriesWeight(age, oneDay);
            count += weight * static_cast<float>(home ? series.m_homeCount : series.m_awayCount);
            points += weight * static_cast<float>(home ? series.m_homePoints : series.m_awayPoints);
        }
        if (oneDay) {
            row.m_odiCount = static_cast<int32_t>(count);
            row.m_odiPoints = static_cast<int32_t>(points);
        } else {
            row.m_testCount = static_cast<int32_t>(count);
            row.m_testPoints = static_cast<int32_t>(points);
        }
    }
}

void SortGroupStandings(InternationalTournament& tournament) {
    for (auto& group : tournament.mv_groups) {
        RecomputeNetRunRates(group);
        Rank(group, BeforeTournament);
    }
    RecomputeNetRunRates(tournament.mv_superEight);
    Rank(tournament.mv_superEight, BeforeTournament);
}

int FindSuperEightRow(const InternationalTournament& tournament, int sideId) {
    const int index = StandingsRowIndex(tournament.mv_superEight, sideId);
    if (index >= 0) return index;
    DebugLog("*********************************** ERRROR ILLEGAL SUPER 8 TEAM ***************************");
    return 0;
}

void SortSeriesStandings(Series& series) {
    Rank(series.mv_standings,
         [](const StandingsRow& a, const StandingsRow& b) { return a.m_points > b.m_points; });
}

}  // namespace ravel
