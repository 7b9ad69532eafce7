#include "season/Tournaments.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "season/Fixtures.h"
#include "season/Schedule.h"
#include "season/Standings.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

using Pairing = std::pair<int32_t, int32_t>;

// Semi-finals in m_knockout[0..3]; the final's sides, as the semi-finals are
// won, in m_knockout[4] and [5].
constexpr int SEMI_FINAL_TIES = 2;
constexpr int FINAL_HOME = 4;
constexpr int FINAL_AWAY = 5;

int SeasonOf(const InternationalTournament& t) {
    return t.m_season > 0 ? t.m_season : g_cricket.m_date.m_season;
}

TournamentStage StageTimes(const InternationalTournament& t, int stage) {
    TournamentStage times;
    times.m_firstDay = -1;
    times.m_matchesPerDay = 2;
    for (const TournamentStage& s : t.mv_stages)
        if (s.m_stage == stage) times = s;
    // A stage reached late (or with no dates of its own) starts on the next
    // day whose fixtures are still to be listed: the day machine draws stages
    // before today's fixtures are listed, or after the date has moved on.
    times.m_firstDay = std::max(times.m_firstDay, g_cricket.m_date.m_dayOfSeason);
    times.m_dayStep = std::max(times.m_dayStep, 1);
    times.m_matchesPerDay = std::max(times.m_matchesPerDay, 1);
    return times;
}

std::vector<int32_t> StageGrounds(const InternationalTournament& t, int stage, int matches) {
    std::vector<int32_t> grounds;
    for (const TournamentVenue& v : t.mv_venues)
        if (v.m_stage == stage && v.m_ground > 0) grounds.push_back(v.m_ground);
    if (grounds.empty()) grounds = InternationalGrounds(t.m_host, std::max(matches, 1));
    return grounds;
}

// The matches of a stage in order, so many a day, on the stage's grounds in turn.
void ScheduleStage(const InternationalTournament& t, int stage, const std::vector<Pairing>& matches) {
    TournamentStage times = StageTimes(t, stage);
    // A stage that started late plays more matches a day so that it is over
    // before the next stage's date.
    int nextStageDay = -1;
    for (const TournamentStage& s : t.mv_stages)
        if (s.m_stage > stage && (nextStageDay < 0 || s.m_firstDay < nextStageDay))
            nextStageDay = s.m_firstDay;
    const int days = (nextStageDay - times.m_firstDay) / times.m_dayStep;
    const int count = static_cast<int>(matches.size());
    if (days > 0 && count > days * times.m_matchesPerDay) times.m_matchesPerDay = (count + days - 1) / days;
    const std::vector<int32_t> grounds = StageGrounds(t, stage, static_cast<int>(matches.size()));
    for (size_t i = 0; i < matches.size(); ++i) {
        Fixture f;
        f.m_home = matches[i].first;
        f.m_away = matches[i].second;
        f.m_competition = t.m_competition;
        f.m_ground = grounds[i % grounds.size()];
        const int day = times.m_firstDay + static_cast<int>(i) / times.m_matchesPerDay * times.m_dayStep;
        f.m_date = GameDate::FromSeasonDay(day, SeasonOf(t));
        f.m_match = 0;
        AddFixture(f);
    }
}

std::vector<int32_t> SidesOf(const std::vector<StandingsRow>& rows) {
    std::vector<int32_t> sides;
    for (const StandingsRow& r : rows) sides.push_back(r.m_team);
    return sides;
}

// Round robins of several tables, round by round across the tables.
std::vector<Pairing> InterleavedRoundRobins(const std::vector<std::vector<int32_t>>& tables) {
    std::vector<std::vector<std::vector<Pairing>>> rounds;
    size_t most = 0;
    for (const auto& sides : tables) {
        rounds.push_back(RoundRobinRounds(sides, false));
        most = std::max(most, rounds.back().size());
    }
    std::vector<Pairing> matches;
    for (size_t r = 0; r < most; ++r)
        for (const auto& table : rounds)
            if (r < table.size()) matches.insert(matches.end(), table[r].begin(), table[r].end());
    return matches;
}

int GroupOf(const InternationalTournament& t, int side) {
    for (size_t g = 0; g < t.mv_groups.size(); ++g)
        if (StandingsRowIndex(t.mv_groups[g], side) >= 0) return static_cast<int>(g);
    return -1;
}

std::vector<Pairing> SuperEightMatches(const InternationalTournament& t) {
    std::vector<Pairing> matches;
    for (const Pairing& p : InterleavedRoundRobins({SidesOf(t.mv_superEight)}))
        if (GroupOf(t, p.first) != GroupOf(t, p.second)) matches.push_back(p);
    return matches;
}

void DrawSuperEight(InternationalTournament& t) {
    SortGroupStandings(t);
    t.mv_superEight.clear();
    const size_t qualifiers = static_cast<size_t>(std::max(t.m_qualifiers, 1));
    for (const auto& group : t.mv_groups)
        for (size_t i = 0; i < qualifiers && i < group.size(); ++i)
            t.mv_superEight.emplace_back(group[i].m_team, t.m_competition);
    ScheduleStage(t, TSTAGE_SUPER_EIGHT, SuperEightMatches(t));
}

// Semi-finalists, in the order 1 v 4, 2 v 3 is drawn from.
std::vector<int32_t> SemiFinalists(InternationalTournament& t) {
    SortGroupStandings(t);
    if (t.m_superEight && !t.mv_superEight.empty()) return SidesOf(t.mv_superEight);
    if (t.mv_groups.size() == 1) return SidesOf(t.mv_groups[0]);
    if (t.mv_groups.size() == 2 && t.mv_groups[0].size() >= 2 && t.mv_groups[1].size() >= 2) {
        // Each group's winner meets the other group's runner-up.
        const auto& a = t.mv_groups[0];
        const auto& b = t.mv_groups[1];
        return {a[0].m_team, b[0].m_team, a[1].m_team, b[1].m_team};
    }
    // More groups: their winners, ranked on their group records.
    std::vector<StandingsRow> winners;
    for (const auto& group : t.mv_groups)
        if (!group.empty()) winners.push_back(group[0]);
    std::stable_sort(winners.begin(), winners.end(), [](const StandingsRow& x, const StandingsRow& y) {
        return x.m_points != y.m_points ? x.m_points > y.m_points : x.m_netRunRate > y.m_netRunRate;
    });
    return SidesOf(winners);
}

void DrawSemiFinals(InternationalTournament& t) {
    std::vector<int32_t> field = SemiFinalists(t);
    if (field.size() < 4) {
        DebugLog("Tournament %d has %d semi-finalists", t.m_id, static_cast<int>(field.size()));
        return;
    }
    const std::vector<Pairing> semis = {{field[0], field[3]}, {field[1], field[2]}};
    for (int i = 0; i < SEMI_FINAL_TIES; ++i) {
        t.m_knockout[2 * i] = semis[static_cast<size_t>(i)].first;
        t.m_knockout[2 * i + 1] = semis[static_cast<size_t>(i)].second;
    }
    t.m_knockout[FINAL_HOME] = t.m_knockout[FINAL_AWAY] = 0;
    ScheduleStage(t, TSTAGE_SEMI_FINALS, semis);
}

bool DrawFinal(InternationalTournament& t) {
    if (t.m_knockout[FINAL_HOME] <= 0 || t.m_knockout[FINAL_AWAY] <= 0) {
        DebugLog("Tournament %d final drawn before both semi-finals were decided", t.m_id);
        return false;
    }
    ScheduleStage(t, TSTAGE_FINAL, {{t.m_knockout[FINAL_HOME], t.m_knockout[FINAL_AWAY]}});
    return true;
}

int PlayedMatches(const std::vector<StandingsRow>& rows) {
    int played = 0;
    for (const StandingsRow& r : rows) played += r.Played();
    return played / 2;
}

bool StageComplete(const InternationalTournament& t) {
    switch (t.m_stage) {
        case TSTAGE_GROUPS: {
            size_t scheduled = 0;
            int played = 0;
            for (const auto& group : t.mv_groups) {
                scheduled += group.size() * (group.size() - std::min<size_t>(group.size(), 1)) / 2;
                played += PlayedMatches(group);
            }
            return played >= static_cast<int>(scheduled);
        }
        case TSTAGE_SUPER_EIGHT:
            return PlayedMatches(t.mv_superEight) >= static_cast<int>(SuperEightMatches(t).size());
        case TSTAGE_SEMI_FINALS:
            return t.m_knockout[FINAL_HOME] > 0 && t.m_knockout[FINAL_AWAY] > 0;
        default:
            return false;
    }
}

TableRules RulesOf(const InternationalTournament& t) {
    TableRules rules;
    rules.m_competition = t.m_competition;
    std::copy(std::begin(TOURNAMENT_POINTS), std::end(TOURNAMENT_POINTS), rules.m_points);
    rules.m_limitedOvers = true;
    return rules;
}

}  // namespace

InternationalTournament* TournamentForCompetition(int competitionId) {
    for (InternationalTournament& t : g_world.mv_tournaments)
        if (t.m_competition == competitionId && t.m_season == g_cricket.m_date.m_season) return &t;
    for (InternationalTournament& t : g_world.mv_tournaments)
        if (t.m_id == competitionId) return &t;
    return nullptr;
}

void StartTournament(InternationalTournament& tournament) {
    tournament.m_running = 1;
    tournament.m_stage = TSTAGE_GROUPS;
    tournament.m_winner = 0;
    std::fill(std::begin(tournament.m_knockout), std::end(tournament.m_knockout), 0);
    tournament.mv_superEight.clear();
    std::vector<std::vector<int32_t>> groups;
    for (auto& group : tournament.mv_groups) {
        for (StandingsRow& row : group) row = StandingsRow(row.m_team, tournament.m_competition);
        groups.push_back(SidesOf(group));
    }
    ScheduleStage(tournament, TSTAGE_GROUPS, InterleavedRoundRobins(groups));
}

void DrawTournamentStage(InternationalTournament& tournament, int stage) {
    if (!tournament.m_running || stage <= tournament.m_stage) return;
    if (stage == TSTAGE_SUPER_EIGHT && !tournament.m_superEight) return;
    switch (stage) {
        case TSTAGE_SUPER_EIGHT:
            DrawSuperEight(tournament);
            break;
        case TSTAGE_SEMI_FINALS:
            DrawSemiFinals(tournament);
            break;
        case TSTAGE_FINAL:
            if (!DrawFinal(tournament)) return;
            break;
        default:
            return;
    }
    tournament.m_stage = stage;
}

bool StillInTournament(const InternationalTournament& t, int countryId) {
    if (t.m_winner > 0) return false;
    auto inRows = [countryId](const std::vector<StandingsRow>& rows) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const StandingsRow& r) { return r.m_team == countryId; });
    };
    switch (t.m_stage) {
        case TSTAGE_GROUPS:
            return std::any_of(t.mv_groups.begin(), t.mv_groups.end(), inRows);
        case TSTAGE_SUPER_EIGHT:
            return inRows(t.mv_superEight);
        case TSTAGE_SEMI_FINALS:
            for (int i = 0; i < SEMI_FINAL_TIES; ++i) {
                if (t.m_knockout[2 * i] != countryId && t.m_knockout[2 * i + 1] != countryId) continue;
                const int32_t survivor = t.m_knockout[FINAL_HOME + i];
                return survivor <= 0 || survivor == countryId;
            }
            return false;
        default:
            return t.m_knockout[FINAL_HOME] == countryId || t.m_knockout[FINAL_AWAY] == countryId;
    }
}

void RecordTournamentResult(InternationalTournament& t, const MatchOutcome& outcome) {
    switch (t.m_stage) {
        case TSTAGE_GROUPS: {
            const int group = GroupOf(t, outcome.m_side1);
            if (group < 0 || group != GroupOf(t, outcome.m_side2)) {
                DebugLog("Tournament %d: %d v %d is no group match", t.m_id, outcome.m_side1,
                         outcome.m_side2);
                return;
            }
            BookTableResult(t.mv_groups[static_cast<size_t>(group)], RulesOf(t), outcome);
            break;
        }
        case TSTAGE_SUPER_EIGHT:
            BookTableResult(t.mv_superEight, RulesOf(t), outcome);
            break;
        case TSTAGE_SEMI_FINALS:
            for (int i = 0; i < SEMI_FINAL_TIES; ++i) {
                const bool thisTie =
                    (t.m_knockout[2 * i] == outcome.m_side1 && t.m_knockout[2 * i + 1] == outcome.m_side2) ||
                    (t.m_knockout[2 * i] == outcome.m_side2 && t.m_knockout[2 * i + 1] == outcome.m_side1);
                if (thisTie) t.m_knockout[FINAL_HOME + i] = KnockoutSurvivor(outcome);
            }
            break;
        case TSTAGE_FINAL:
            t.m_winner = KnockoutSurvivor(outcome);
            t.m_running = 0;
            break;
        default:
            return;
    }
    UpdateCoachesAndRatings(outcome);
    SortGroupStandings(t);
    if (StageComplete(t))
        DrawTournamentStage(
            t, t.m_stage == TSTAGE_GROUPS && !t.m_superEight ? TSTAGE_SEMI_FINALS : t.m_stage + 1);
}

}  // namespace ravel
