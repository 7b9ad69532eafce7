#include "season/Schedule.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "season/Fixtures.h"
#include "season/News.h"
#include "season/ResultNews.h"
#include "season/Squads.h"
#include "season/Standings.h"
#include "season/Tournaments.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int KNOCKOUT_FIRST_TIE[3] = {0, 4, 6};  // by stage 3, 4, 5
constexpr int KNOCKOUT_TIE_COUNT[3] = {4, 2, 1};

int HomeGround(const Competition& c, int homeId) {
    if (c.m_id >= COMP_TEST_CHAMPIONSHIP || homeId < FIRST_CLUB_ID) return 0;
    const Team* team = TeamById(homeId);
    return team ? team->m_ground : 0;
}

Fixture MakeFixture(const Competition& c, int home, int away, const GameDate& date) {
    Fixture f;
    f.m_home = home;
    f.m_away = away;
    f.m_competition = c.m_id;
    f.m_state = FIXTURE_SCHEDULED;
    f.m_ground = HomeGround(c, home);
    f.m_date = date;
    f.m_match = 0;
    return f;
}

std::vector<RoundDate> RoundsInOrder(const Competition& c) {
    std::vector<RoundDate> rounds = c.mv_rounds;
    std::stable_sort(rounds.begin(), rounds.end(),
                     [](const RoundDate& a, const RoundDate& b) { return a.m_round < b.m_round; });
    return rounds;
}

// False when there are too few round dates (nothing is scheduled).
bool BuildRoundRobin(Competition& c) {
    const int n = c.TeamCount();
    if (n < 2) {
        DebugLog("No schedule for competition %s (%d): %d sides", c.m_name, c.m_id, n);
        return true;
    }
    const auto rounds = RoundRobinRounds(c.mv_teams, c.m_doubleRound != 0);
    const std::vector<RoundDate> dates = RoundsInOrder(c);
    if (dates.size() < rounds.size()) {
        DebugLog("Not enough round dates to generate schedule for competition %s (%d)", c.m_name, c.m_id);
        return false;
    }
    for (size_t r = 0; r < rounds.size(); ++r) {
        const GameDate date = GameDate::FromSeasonDay(dates[r].m_dayOfSeason, c.m_season);
        for (const auto& [home, away] : rounds[r]) {
            Fixture f = MakeFixture(c, home, away, date);
            f.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
            g_world.mv_fixtures.push_back(f);
        }
    }
    return true;
}

// The coach of each human side in the competition hears of its fixtures and
// of what his board expects of it.
void SendSeasonStartNews(const Competition& c) {
    if (c.m_newsCompetition != c.m_id) return;
    for (int32_t side : c.mv_teams)
        PostToSideCoach(side, NEWS_SEASON_START, ExpectationGrade(c),
                        {SideLink(side), {LINK_COMPETITION, c.m_id}, {LINK_SCREEN, LINK_PAGE_TOP_RATED}});
}

// Places relegated from the upper division and promoted from the lower; when
// only one of the two says, it holds for both.
int ExchangePlaces(const Competition& upper, const Competition& lower) {
    const int down = upper.m_relegation;
    const int up = lower.m_promotion;
    return (down > 0 && up > 0) ? std::min(down, up) : std::max(down, up);
}

void Exchange(Competition& upper, Competition& lower) {
    RankDomesticTable(upper);
    RankDomesticTable(lower);
    const int places = std::min({ExchangePlaces(upper, lower), static_cast<int>(upper.mv_standings.size()),
                                 static_cast<int>(lower.mv_standings.size())});
    for (int i = 0; i < places; ++i) {
        const int relegated =
            upper.mv_standings[upper.mv_standings.size() - 1 - static_cast<size_t>(i)].m_team;
        const int promoted = lower.mv_standings[static_cast<size_t>(i)].m_team;
        std::replace(upper.mv_teams.begin(), upper.mv_teams.end(), relegated, promoted);
        std::replace(lower.mv_teams.begin(), lower.mv_teams.end(), promoted, relegated);
        DebugLog("%d promoted to %d, %d relegated to %d", promoted, upper.m_id, relegated, lower.m_id);
    }
}

// A division not yet started for this season still holds last season's table.
bool AwaitingExchange(const Competition& other, int season) {
    return other.m_status == COMP_RUNNING && other.m_season != season;
}

GameDate NextRoundDate(const Competition& c) {
    const int today = g_cricket.m_date.m_dayOfSeason;
    const int season = c.m_season >= 0 ? c.m_season : g_cricket.m_date.m_season;
    int day = today + 1;
    int best = -1;
    for (const RoundDate& r : c.mv_rounds)
        if (r.m_dayOfSeason > today && (best < 0 || r.m_dayOfSeason < best)) best = r.m_dayOfSeason;
    if (best >= 0) day = best;
    return GameDate::FromSeasonDay(day, season);
}

// A seeded side and the table it came through, so that sides of one group
// are kept apart.
struct Seed {
    int32_t m_side = 0;
    int m_group = 0;
};

// The qualifiers from the tables that feed a cup: every table's winner, then
// every runner-up and so on, the sides of one place ranked across the tables,
// until `wanted` are in.
std::vector<Seed> FeederField(const Competition& c, int wanted) {
    std::vector<Competition*> tables;
    for (int32_t id : c.mv_feeders) {
        Competition* feeder = CompetitionById(id);
        if (!feeder || feeder->mv_standings.empty()) continue;
        RankDomesticTable(*feeder);
        tables.push_back(feeder);
    }
    std::vector<Seed> field;
    for (size_t place = 0; static_cast<int>(field.size()) < wanted; ++place) {
        std::vector<std::pair<const StandingsRow*, int>> level;
        for (size_t g = 0; g < tables.size(); ++g)
            if (place < tables[g]->mv_standings.size())
                level.emplace_back(&tables[g]->mv_standings[place], static_cast<int>(g));
        if (level.empty()) break;
        std::stable_sort(level.begin(), level.end(), [&c](const auto& a, const auto& b) {
            return BeforeAcrossTables(*a.first, *b.first, c.m_format);
        });
        for (const auto& [row, group] : level) {
            // clang 14 cannot capture a structured binding in a lambda.
            const int side = row->m_team;
            const bool listed =
                std::any_of(field.begin(), field.end(), [side](const Seed& s) { return s.m_side == side; });
            if (static_cast<int>(field.size()) < wanted && side > 0 && !listed)
                field.push_back({side, group});
        }
    }
    return field;
}

// Sides seeded for a round drawn from tables: the feeding tables of a cup
// that has them, else the competition's own table (or a cup's side list).
std::vector<Seed> SeededField(Competition& c, int wanted) {
    if (!c.mv_feeders.empty()) {
        std::vector<Seed> field = FeederField(c, wanted);
        if (field.empty()) DebugLog("No feeding table to draw competition %s (%d) from", c.m_name, c.m_id);
        return field;
    }
    std::vector<Seed> field;
    if (c.m_kind == COMP_LEAGUE && !c.mv_standings.empty()) {
        RankDomesticTable(c);
        for (const StandingsRow& row : c.mv_standings) field.push_back({row.m_team, 0});
    } else {
        for (int32_t side : c.mv_teams) field.push_back({side, 0});
    }
    if (static_cast<int>(field.size()) > wanted) field.resize(static_cast<size_t>(wanted));
    return field;
}

// The ties of a seeded draw: the top seeds at home, each against the lowest
// seed left from another table where there is one. A short field gives the
// top seeds byes (an away side of 0).
std::vector<std::pair<int32_t, int32_t>> SeededTies(const std::vector<Seed>& field, int ties) {
    const int homes = std::min(ties, static_cast<int>(field.size()));
    std::vector<Seed> away(field.begin() + homes, field.end());
    const int byes = homes - static_cast<int>(away.size());
    std::vector<std::pair<Seed, Seed>> drawn;
    for (int h = 0; h < homes; ++h) {
        const Seed& home = field[static_cast<size_t>(h)];
        if (h < byes) {
            drawn.emplace_back(home, Seed{});
            continue;
        }
        auto pick = std::find_if(away.rbegin(), away.rend(),
                                 [&](const Seed& s) { return s.m_group != home.m_group; });
        const auto taken = pick != away.rend() ? std::prev(pick.base()) : std::prev(away.end());
        drawn.emplace_back(home, *taken);
        away.erase(taken);
    }
    // The last home seeds may be left only their own group's sides: exchange
    // opponents with a tie where that parts both.
    for (auto& a : drawn) {
        if (a.second.m_side <= 0 || a.first.m_group != a.second.m_group) continue;
        for (auto& b : drawn) {
            if (b.second.m_side > 0 && b.second.m_group != a.first.m_group &&
                a.second.m_group != b.first.m_group) {
                std::swap(a.second, b.second);
                break;
            }
        }
    }
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (const auto& [home, other] : drawn) pairs.emplace_back(home.m_side, other.m_side);
    return pairs;
}

// The previous round's winners in an open draw.
std::vector<int32_t> DrawnWinners(const Competition& c, int firstSlot, int count) {
    std::vector<int32_t> field;
    for (int i = firstSlot; i < firstSlot + count; ++i)
        if (c.m_knockoutWinners[i] > 0) field.push_back(c.m_knockoutWinners[i]);
    for (int i = static_cast<int>(field.size()) - 1; i > 0; --i)
        std::swap(field[static_cast<size_t>(i)], field[static_cast<size_t>(Rand() % (i + 1))]);
    return field;
}

void TakeFirstFreeSlot(Competition& c, int firstSlot, int count, int side) {
    for (int i = firstSlot; i < firstSlot + count; ++i) {
        if (c.m_knockoutWinners[i] == -1) {
            c.m_knockoutWinners[i] = side;
            return;
        }
    }
}

void ResetKnockout(Competition& c) {
    std::fill(std::begin(c.m_knockout), std::end(c.m_knockout), -1);
    std::fill(std::begin(c.m_knockoutWinners), std::end(c.m_knockoutWinners), -1);
    c.m_stage = STAGE_LEAGUE;
}

}  // namespace

std::vector<std::vector<std::pair<int32_t, int32_t>>> RoundRobinRounds(const std::vector<int32_t>& sides,
                                                                       bool homeAndAway) {
    const int n = static_cast<int>(sides.size());
    std::vector<std::vector<std::pair<int32_t, int32_t>>> schedule;
    if (n < 2) return schedule;
    const int m = n % 2 == 0 ? n : n + 1;  // position m rests when n is odd
    const int bye = n % 2 == 0 ? 0 : m;
    const int rounds = homeAndAway ? 2 * m - 2 : m - 1;
    // Circle method over positions 1..m: the first stays, the rest turn by one.
    std::vector<int> round(static_cast<size_t>(m));
    for (int i = 0; i < m; ++i) round[static_cast<size_t>(i)] = i + 1;
    for (int r = 0; r < rounds; ++r) {
        auto& pairs = schedule.emplace_back();
        for (int k = 0; k < m / 2; ++k) {
            const int a = round[static_cast<size_t>(k)];
            const int b = round[static_cast<size_t>(m - 1 - k)];
            if (a == bye || b == bye) continue;
            const int32_t sideA = sides[static_cast<size_t>(a - 1)];
            const int32_t sideB = sides[static_cast<size_t>(b - 1)];
            pairs.push_back(r % 2 == 1 ? std::pair{sideA, sideB} : std::pair{sideB, sideA});
        }
        std::rotate(round.begin() + 1, round.end() - 1, round.end());
    }
    return schedule;
}

int ExpectationGrade(const Competition& competition) {
    if (competition.TeamCount() < 4) return 1;
    return competition.m_promotion >= 1 ? 3 : 2;
}

int StartLeagueSeason(Competition& competition) {
    competition.m_season = g_cricket.m_date.m_season;
    if (competition.m_status != COMP_RUNNING) {
        competition.m_status = COMP_RUNNING;
    } else {
        PromoteAndRelegate(competition);
    }
    competition.m_lastDay = competition.m_kind == COMP_LEAGUE ? 0 : -1;
    ShuffleTeams(competition);
    GenerateLeagueSchedule(competition);
    competition.mv_standings.clear();
    for (int32_t side : competition.mv_teams) competition.mv_standings.emplace_back(side, competition.m_id);
    ResetKnockout(competition);
    return -1;
}

void GenerateLeagueSchedule(Competition& competition) {
    if (competition.m_kind == COMP_KNOCKOUT) return;
    if (competition.m_kind == COMP_LEAGUE && !BuildRoundRobin(competition)) return;
    SendSeasonStartNews(competition);
}

void PromoteAndRelegate(Competition& competition) {
    const int season = competition.m_season;
    for (Competition& other : g_world.mv_competitions) {
        if (&other == &competition || other.m_id <= 0 || !AwaitingExchange(other, season)) continue;
        if (competition.m_lower == other.m_id || other.m_upper == competition.m_id)
            Exchange(competition, other);
        if (competition.m_upper == other.m_id || other.m_lower == competition.m_id)
            Exchange(other, competition);
    }
}

void DrawKnockoutStage(Competition& competition, int stage) {
    if (stage < STAGE_QUARTER_FINALS || stage > STAGE_FINAL) return;
    const int round = stage - STAGE_QUARTER_FINALS;
    const int firstTie = KNOCKOUT_FIRST_TIE[round];
    const int ties = KNOCKOUT_TIE_COUNT[round];
    const bool fromWinners = round > 0 && competition.m_stage == stage - 1;
    // Drawn winners meet in drawn order; an away side of 0 is a bye.
    std::vector<std::pair<int32_t, int32_t>> pairs;
    if (fromWinners) {
        const std::vector<int32_t> field =
            DrawnWinners(competition, KNOCKOUT_FIRST_TIE[round - 1], KNOCKOUT_TIE_COUNT[round - 1]);
        const size_t count = field.size();
        for (size_t i = 0; i < count; i += 2) pairs.emplace_back(field[i], i + 1 < count ? field[i + 1] : 0);
    } else {
        pairs = SeededTies(SeededField(competition, 2 * ties), ties);
    }
    if (pairs.empty()) return;

    for (int t = firstTie; t < firstTie + ties; ++t) {
        competition.m_knockout[2 * t] = competition.m_knockout[2 * t + 1] = -1;
        competition.m_knockoutWinners[t] = -1;
    }
    competition.m_stage = stage;
    const GameDate date = NextRoundDate(competition);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const auto [home, away] = pairs[i];
        const int tie = firstTie + static_cast<int>(i);
        competition.m_knockout[2 * tie] = home;
        competition.m_knockout[2 * tie + 1] = away;
        if (away > 0) {
            AddFixture(MakeFixture(competition, home, away, date));
        } else {
            TakeFirstFreeSlot(competition, firstTie, ties, home);
        }
    }
}

void DrawStageForEvent(Competition& competition, int eventType) {
    // Events 2, 3 and 4 draw the quarter-finals, semi-finals and final.
    if (eventType >= EVENT_DRAW_QUARTER_FINALS && eventType <= EVENT_DRAW_FINAL)
        DrawKnockoutStage(competition, eventType - EVENT_DRAW_QUARTER_FINALS + STAGE_QUARTER_FINALS);
}

void CloseCompetition(Competition& competition) {
    if (competition.m_status != COMP_RUNNING) return;
    HistoryEntry entry;
    entry.m_season = competition.m_season;
    const int finalWinner = competition.m_knockoutWinners[KNOCKOUT_TIES - 1];
    if (competition.m_stage == STAGE_FINAL && finalWinner > 0) {
        const int home = competition.m_knockout[2 * (KNOCKOUT_TIES - 1)];
        const int away = competition.m_knockout[2 * (KNOCKOUT_TIES - 1) + 1];
        entry.m_winner = finalWinner;
        entry.m_runnerUp = std::max(finalWinner == home ? away : home, 0);
    } else if (competition.m_kind == COMP_LEAGUE && !competition.mv_standings.empty()) {
        RankDomesticTable(competition);
        entry.m_winner = competition.mv_standings[0].m_team;
        entry.m_runnerUp = competition.mv_standings.size() > 1 ? competition.mv_standings[1].m_team : 0;
    }
    competition.m_lastDay = g_cricket.m_date.m_dayOfSeason;
    // Competitions that share a history id keep copies of one list.
    auto record = [&](Competition& c) {
        std::erase_if(c.mv_history, [&](const HistoryEntry& e) { return e.m_season == entry.m_season; });
        c.mv_history.push_back(entry);
    };
    record(competition);
    for (Competition& c : g_world.mv_competitions) {
        if (&c != &competition && competition.m_historyId != 0 && c.m_historyId == competition.m_historyId)
            record(c);
    }
    PostChampionsNews(competition, entry);
}

namespace {

void RunTournamentEvent(int type, InternationalTournament& t) {
    switch (type) {
        case EVENT_START_SEASON:
            StartTournament(t);
            break;
        case EVENT_CLOSE:
            t.m_running = 0;
            break;
        case EVENT_DRAW_QUARTER_FINALS:
            DrawTournamentStage(t, t.m_superEight ? TSTAGE_SUPER_EIGHT : TSTAGE_SEMI_FINALS);
            break;
        case EVENT_DRAW_SEMI_FINALS:
            DrawTournamentStage(t, TSTAGE_SEMI_FINALS);
            break;
        case EVENT_DRAW_FINAL:
            DrawTournamentStage(t, TSTAGE_FINAL);
            break;
        default:
            break;
    }
}

}  // namespace

void RunCompetitionEvent(int type, int competitionId) {
    if (competitionId >= COMP_FIRST_TOURNAMENT && competitionId <= COMP_LAST_TOURNAMENT) {
        if (InternationalTournament* t = TournamentForCompetition(competitionId))
            RunTournamentEvent(type, *t);
        return;
    }
    Competition* c = CompetitionById(competitionId);
    if (!c) {
        DebugLog("Competition event %d for unknown competition %d", type, competitionId);
        return;
    }
    switch (type) {
        case EVENT_START_SEASON:
            StartLeagueSeason(*c);
            break;
        case EVENT_CLOSE:
            CloseCompetition(*c);
            break;
        default:
            DrawStageForEvent(*c, type);
            break;
    }
}

}  // namespace ravel
