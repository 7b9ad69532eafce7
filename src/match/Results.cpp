#include "match/Results.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int ALL_WICKETS = 10;
constexpr int BONUS_OVERS = 130;  // first-innings bonus points count this many overs

int32_t Other(const Match& match, int32_t sideId) {
    return sideId == match.mi_team1 ? match.mi_team2 : match.mi_team1;
}

// The side that bats in the match's last innings: the fourth innings, or the
// third slot when the follow-on was enforced.
int32_t SideBattingLast(const Match& match) {
    return match.mi_followOnState == INNINGS_FOLLOW_ON ? match.mi_battingFirst : match.mi_bowlingFirst;
}

int32_t KindFor(const Match& match, int32_t winner) {
    return winner == SideBattingLast(match) ? RESULT_WON_BATTING_LAST : RESULT_WON_BOWLING_LAST;
}

// Balls that count for the net run rate: a side bowled out used its full overs.
int32_t RateBalls(const Match& match, const Innings& innings) {
    if (!match.IsFirstClass() && innings.Wickets() >= ALL_WICKETS) return match.mi_length * 6;
    return innings.mi_legalBalls;
}

// The total and wickets of an innings when its first BONUS_OVERS were done.
void ScoreAtBonusCut(const Innings& innings, int32_t& total, int32_t& wickets) {
    total = InningsTotal(innings);
    wickets = innings.Wickets();
    if (static_cast<int>(innings.mv_overs.size()) > BONUS_OVERS) {
        total = innings.mv_overs[BONUS_OVERS - 1].mi_total;
        wickets = 0;
        for (int i = 0; i < BONUS_OVERS; ++i) wickets += innings.mv_overs[i].mi_wickets;
    }
}

void AddBattingRecord(PlayerStats& stats, int32_t runs, bool notOut) {
    ++stats.m_innings;
    if (notOut) ++stats.m_notOuts;
    stats.m_runs += runs;
    if (runs > stats.m_highest || (runs == stats.m_highest && notOut && !stats.m_highestNotOut)) {
        stats.m_highest = runs;
        stats.m_highestNotOut = notOut ? 1 : 0;
    }
    if (runs >= 100) {
        ++stats.m_hundreds;
    } else if (runs >= 50) {
        ++stats.m_fifties;
    }
}

bool BetterBowling(int32_t wickets, int32_t runs, int32_t bestWickets, int32_t bestRuns) {
    return wickets > bestWickets || (wickets == bestWickets && wickets > 0 && runs < bestRuns);
}

// Entries of a player's match, at most one an innings: kept in place, as
// figures are gathered for every player of every match.
template <typename T>
class CPerInnings {
public:
    void Add(const T& item) { ma_items[mi_size++] = item; }
    const T* begin() const { return ma_items.data(); }
    const T* end() const { return ma_items.data() + mi_size; }
    bool empty() const { return mi_size == 0; }

private:
    std::array<T, std::tuple_size_v<decltype(Match::m_innings)>> ma_items{};
    size_t mi_size = 0;
};

// A player's figures in one match, gathered from the four innings.
struct MatchFigures {
    CPerInnings<std::pair<int32_t, bool>> mv_innings;     // runs, not out
    CPerInnings<std::pair<int32_t, int32_t>> mv_bowling;  // wickets, runs
    int32_t mi_balls = 0;
    int32_t mi_maidens = 0;
    int32_t mi_runsConceded = 0;
    int32_t mi_wickets = 0;
    int32_t mi_catches = 0;
    int32_t mi_stumpings = 0;
};

MatchFigures GatherFigures(const Match& match, int32_t sideId, int32_t playerId) {
    MatchFigures figures;
    for (const Innings& innings : match.m_innings) {
        if (!innings.mb_started) continue;
        if (innings.mi_battingTeam == sideId) {
            for (const BatsmanFigures& batsman : innings.m_batsmen) {
                if (batsman.mi_player == playerId && batsman.mi_howOut != 0) {
                    figures.mv_innings.Add({BatsmanRuns(batsman), batsman.mi_howOut < 0});
                    break;
                }
            }
        } else if (innings.mi_bowlingTeam == sideId) {
            for (const BowlerFigures& bowler : innings.m_bowlers) {
                if (bowler.mi_player == playerId && bowler.mi_balls > 0) {
                    figures.mv_bowling.Add({bowler.mi_wickets, bowler.mi_runs});
                    figures.mi_balls += bowler.mi_balls;
                    figures.mi_maidens += bowler.mi_maidens;
                    figures.mi_runsConceded += bowler.mi_runs;
                    figures.mi_wickets += bowler.mi_wickets;
                    break;
                }
            }
            for (const BatsmanFigures& batsman : innings.m_batsmen) {
                if (batsman.mi_fielder != playerId) continue;
                if (batsman.mi_howOut == 2) ++figures.mi_catches;
                if (batsman.mi_howOut == 4) ++figures.mi_stumpings;
            }
        }
    }
    return figures;
}

void AddMatchToStats(PlayerStats& stats, const MatchFigures& figures, bool limitedOvers) {
    ++stats.m_matches;
    for (const auto& [runs, notOut] : figures.mv_innings) AddBattingRecord(stats, runs, notOut);
    stats.m_catches += figures.mi_catches;
    stats.m_stumpings += figures.mi_stumpings;
    stats.m_balls += figures.mi_balls;
    stats.m_maidens += figures.mi_maidens;
    stats.m_runsConceded += figures.mi_runsConceded;
    stats.m_wickets += figures.mi_wickets;
    for (const auto& [wickets, runs] : figures.mv_bowling) {
        if (BetterBowling(wickets, runs, stats.m_bestInnsWickets, stats.m_bestInnsRuns)) {
            stats.m_bestInnsWickets = wickets;
            stats.m_bestInnsRuns = runs;
        }
        if (limitedOvers) {
            if (wickets >= 4) ++stats.m_haulsA;
            if (wickets >= 5) ++stats.m_haulsB;
        } else if (wickets >= 5) {
            ++stats.m_haulsA;
        }
    }
    if (!figures.mv_bowling.empty() && BetterBowling(figures.mi_wickets, figures.mi_runsConceded,
                                                     stats.m_bestMatchWickets, stats.m_bestMatchRuns)) {
        stats.m_bestMatchWickets = figures.mi_wickets;
        stats.m_bestMatchRuns = figures.mi_runsConceded;
    }
    if (!limitedOvers && figures.mi_wickets >= 10) ++stats.m_haulsB;
    stats.RecomputeAverages();
}

}  // namespace

void Match::SetResult(int32_t winner, int32_t loser, int32_t kind, int32_t margin) {
    mi_winner = winner;
    mi_loser = loser;
    mi_resultKind = kind;
    mi_margin = margin;
    mi_playState = PLAY_MATCH_OVER;
    if (mi_decision == DECISION_FOLLOW_ON) mi_decision = DECISION_NONE;
    mb_followOnOpen = 0;
    AddEvent(MATCH_EVENT_RESULT, mi_currentInnings, {winner, loser, kind, margin});
}

void Match::DecideLimitedOvers() {
    const Innings& first = m_innings[0];
    const Innings& second = m_innings[1];
    int32_t runsFirst = InningsTotal(first);
    int32_t runsSecond = InningsTotal(second);
    if (runsSecond > runsFirst) {
        SetResult(mi_bowlingFirst, mi_battingFirst, RESULT_WON_BATTING_LAST, ALL_WICKETS - second.Wickets());
    } else if (runsSecond < runsFirst) {
        SetResult(mi_battingFirst, mi_bowlingFirst, RESULT_WON_BOWLING_LAST, runsFirst - runsSecond);
    } else if (!mb_noDraw) {
        SetResult(-1, -1, RESULT_TIE, 0);
    } else if (first.Wickets() != second.Wickets()) {
        int32_t winner = first.Wickets() < second.Wickets() ? mi_battingFirst : mi_bowlingFirst;
        SetResult(winner, Other(*this, winner), KindFor(*this, winner), MARGIN_FEWER_WICKETS);
    } else {
        // Level on runs and wickets: the quicker scorers win, and with equal
        // balls the side batting second.
        int32_t winner = first.mi_legalBalls < second.mi_legalBalls ? mi_battingFirst : mi_bowlingFirst;
        SetResult(winner, Other(*this, winner), KindFor(*this, winner), MARGIN_RUN_RATE);
    }
}

void Match::DecideLastInnings() {
    const Innings& last = CurrentInnings();
    int32_t batting = last.mi_battingTeam;
    int32_t fielding = last.mi_bowlingTeam;
    int32_t total = InningsTotal(last);
    int32_t target = Target();
    if (total >= target) {
        SetResult(batting, fielding, RESULT_WON_BATTING_LAST, ALL_WICKETS - last.Wickets());
    } else if (total == target - 1) {
        SetResult(-1, -1, RESULT_TIE, 0);
    } else {
        SetResult(fielding, batting, RESULT_WON_BOWLING_LAST, target - 1 - total);
    }
}

void Match::DecideLastDay() {
    if (!mb_noDraw || mi_matchType == FORMAT_TEST) {
        SetResult(-1, -1, RESULT_DRAW, 0);
        return;
    }
    int32_t first = InningsTotal(m_innings[0]);
    int32_t second = InningsTotal(m_innings[1]);
    int32_t winner = 0;
    int32_t margin = MARGIN_FIRST_INNINGS_TOTAL;
    if (first != second) {
        winner = first > second ? mi_battingFirst : mi_bowlingFirst;
    } else {
        margin = MARGIN_FIRST_INNINGS_RATE;
        winner = RunRate(m_innings[0]) > RunRate(m_innings[1]) ? mi_battingFirst : mi_bowlingFirst;
    }
    SetResult(winner, Other(*this, winner), KindFor(*this, winner), margin);
}

void Match::DecideAbandonedLimitedOvers() {
    const Innings& first = m_innings[0];
    const Innings& second = m_innings[1];
    int32_t runsSecond = InningsTotal(second);
    if (mi_currentInnings < 1 || !second.mb_started || runsSecond <= 0 || second.Overs() < 1) {
        SetResult(-1, -1, RESULT_NO_RESULT, 0);
        return;
    }
    int32_t rateFirst = InningsTotal(first) / std::max(first.Overs(), 1);
    int32_t rateSecond = runsSecond / second.Overs();
    int32_t winner = rateSecond < rateFirst ? mi_battingFirst : mi_bowlingFirst;
    SetResult(winner, Other(*this, winner), KindFor(*this, winner), MARGIN_RUN_RATE);
}

void Match::StoreRunRateFigures() {
    mi_runRateFigures.fill(0);
    for (const Innings& innings : m_innings) {
        if (!innings.mb_started) continue;
        int k = innings.mi_battingTeam == mi_team1 ? 0 : 2;
        mi_runRateFigures[k] += InningsTotal(innings);
        mi_runRateFigures[k + 1] += RateBalls(*this, innings);
    }
}

void Match::ComputeBonusPoints() {
    mi_bonus.fill(0);
    const Competition* competition = CompetitionById(mi_competition);
    if (!competition) return;
    if (competition->m_bonusRule == BONUS_FIRST_CLASS && IsFirstClass()) {
        for (int inn = 0; inn < 2; ++inn) {
            const Innings& innings = m_innings[inn];
            if (!innings.mb_started) continue;
            int32_t total = 0;
            int32_t wickets = 0;
            ScoreAtBonusCut(innings, total, wickets);
            int bat = innings.mi_battingTeam == mi_team1 ? 0 : 1;
            mi_bonus[bat] = std::clamp((total - 150) / 50, 0, 5);
            mi_bonus[2 + (1 - bat)] = std::min(wickets / 3, 3);
        }
    } else if (competition->m_bonusRule == BONUS_RUN_RATE && !IsFirstClass() &&
               (mi_resultKind == RESULT_WON_BATTING_LAST || mi_resultKind == RESULT_WON_BOWLING_LAST)) {
        StoreRunRateFigures();
        int w = mi_winner == mi_team1 ? 0 : 2;
        int l = 2 - w;
        double winnerRate =
            mi_runRateFigures[w + 1] > 0 ? double(mi_runRateFigures[w]) / mi_runRateFigures[w + 1] : 0.0;
        double loserRate =
            mi_runRateFigures[l + 1] > 0 ? double(mi_runRateFigures[l]) / mi_runRateFigures[l + 1] : 0.0;
        if (winnerRate >= 1.25 * loserRate) mi_bonus[w / 2] = 1;
    }
}

void Match::UpdatePlayerPoints() {
    float best = -1.0f;
    for (int side = 1; side <= 2; ++side) {
        MatchTeam& team = side == 1 ? m_team1 : m_team2;
        int32_t sideId = side == 1 ? mi_team1 : mi_team2;
        for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
            MatchPlayer& player = team.m_players[slot];
            MatchFigures figures = GatherFigures(*this, sideId, player.mi_player);
            float points = 0.0f;
            for (const auto& [runs, notOut] : figures.mv_innings)
                points += static_cast<float>(runs) + (notOut ? 5.0f : 0.0f);
            points += 20.0f * static_cast<float>(figures.mi_wickets);
            points -= static_cast<float>(figures.mi_runsConceded) * 0.1f;
            points += 10.0f * static_cast<float>(figures.mi_catches + figures.mi_stumpings);
            player.mf_points = points;
            player.mi_catches = figures.mi_catches;
            player.mi_stumpings = figures.mi_stumpings;
            if (points > best) {
                best = points;
                mi_playerOfMatch = player.mi_player;
            }
        }
    }
    if (mi_playState == PLAY_MATCH_OVER) mb_playerOfMatchSet = 1;
}

void Match::UpdatePlayerRecords() {
    if (mb_recordsDone) return;
    mb_recordsDone = 1;
    UpdatePlayerPoints();
    ComputeBonusPoints();
    bool limitedOvers = !IsFirstClass();
    std::vector<int> blocks;
    switch (mi_matchType) {
        case FORMAT_TEST:
            blocks = {STATS_CAREER_TEST, STATS_SEASON_TEST, STATS_CAREER_FC, STATS_SEASON_FC};
            break;
        case FORMAT_ODI:
            blocks = {STATS_CAREER_ODI, STATS_SEASON_ODI, STATS_CAREER_LA, STATS_SEASON_LA};
            break;
        default:
            blocks = limitedOvers ? std::vector<int>{STATS_CAREER_LA, STATS_SEASON_LA}
                                  : std::vector<int>{STATS_CAREER_FC, STATS_SEASON_FC};
            break;
    }
    std::vector<int32_t> counted;
    for (int side = 1; side <= 2; ++side) {
        const MatchTeam& team = side == 1 ? m_team1 : m_team2;
        int32_t sideId = side == 1 ? mi_team1 : mi_team2;
        for (const MatchPlayer& entry : team.m_players) {
            Player* player = PlayerById(entry.mi_player);
            // A player listed twice (an empty slot repaired to player 0) counts once.
            if (!player || std::find(counted.begin(), counted.end(), entry.mi_player) != counted.end())
                continue;
            counted.push_back(entry.mi_player);
            MatchFigures figures = GatherFigures(*this, sideId, entry.mi_player);
            for (int block : blocks) AddMatchToStats(player->m_stats[block], figures, limitedOvers);
        }
    }
}

std::string Match::ResultText() const {
    if (mi_playState == PLAY_MATCH_OVER || mi_resultKind != RESULT_NONE) {
        const char* winner = TeamName(mi_winner);
        switch (mi_resultKind) {
            case RESULT_TIE:
                return "Match tied";
            case RESULT_DRAW:
                return "Match drawn";
            case RESULT_NO_RESULT:
                return "No result";
            case RESULT_WON_BY_INNINGS:
                return Format("%s won by an innings and %d run%s", winner, mi_margin,
                              mi_margin == 1 ? "" : "s");
            default:
                break;
        }
        switch (mi_margin) {
            case MARGIN_RUN_RATE:
                return Format("%s won on run rate", winner);
            case MARGIN_FEWER_WICKETS:
                return Format("%s won, having lost fewer wickets", winner);
            case MARGIN_FIRST_INNINGS_TOTAL:
                return Format("%s won on first innings", winner);
            case MARGIN_FIRST_INNINGS_RATE:
                return Format("%s won on first innings run rate", winner);
            default:
                return Format("%s won by %d %s%s", winner, mi_margin,
                              mi_resultKind == RESULT_WON_BATTING_LAST ? "wicket" : "run",
                              mi_margin == 1 ? "" : "s");
        }
    }
    const Innings& innings = CurrentInnings();
    if (mi_tossWinner < 1 || (mi_currentInnings == 0 && innings.mi_legalBalls == 0 && mi_dayIndex == 0)) {
        return "Match not started";
    }
    int32_t batting = innings.mi_battingTeam;
    if (IsLastInnings()) {
        int32_t need = Target() - InningsTotal(innings);
        return Format("%s need %d more run%s to win", TeamName(batting), need, need == 1 ? "" : "s");
    }
    if (mi_currentInnings == 0) {
        return Format("%s are %d for %d", TeamName(batting), InningsTotal(innings), innings.Wickets());
    }
    int32_t lead = SideRuns(batting) - SideRuns(innings.mi_bowlingTeam);
    if (lead == 0) return "Scores level";
    return Format("%s %s by %d run%s", TeamName(batting), lead > 0 ? "lead" : "trail",
                  lead > 0 ? lead : -lead, (lead == 1 || lead == -1) ? "" : "s");
}

void FinishMatch(int position) {
    if (position < 0 || position >= static_cast<int>(g_currentMatches.size())) return;
    Match& match = *g_currentMatches[position];
    if (match.mi_playState != PLAY_MATCH_OVER) return;
    for (Fixture& fixture : g_world.mv_fixtures) {
        if (fixture.m_match != match.mi_id) continue;
        fixture.m_state = FIXTURE_PLAYED;
        fixture.m_result[0] = match.mi_resultKind;
        fixture.m_result[1] = match.mi_margin;
        fixture.m_result[2] = match.mi_winner;
    }
}

}  // namespace ravel
