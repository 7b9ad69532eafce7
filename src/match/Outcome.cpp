// The end of a ball: its time, extras, runs or the wicket, the batsmen's eye,
// partnership and batsman milestones, and for a watched match the ball's
// record and animation script.
#include <algorithm>
#include <iterator>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

int BallSeconds(int bowlType) {
    static const int SECONDS[7] = {35, 42, 40, 40, 35, 30, 30};
    return (bowlType >= 0 && bowlType <= 6) ? SECONDS[bowlType] : 40;
}

}  // namespace

const char* DismissalShortText(int32_t howOut) {
    static const char* const TEXTS[] = {"b",          "c",
                                        "lbw",        "st",
                                        "run out",    "handled ball",
                                        "hit wicket", "hit ball twice",
                                        "obst field", "timed out",
                                        "retired out"};
    if (howOut == HOWOUT_BATTING) return "Not Out";
    if (howOut >= HOWOUT_BOWLED && howOut <= static_cast<int32_t>(std::size(TEXTS))) return TEXTS[howOut - 1];
    return " ";
}

void Match::SwapStrike() {
    mi_striker = mi_striker != mi_batsman1 ? mi_batsman1 : mi_batsman2;
}

// The ball's time: at the crease for both batsmen, in the partnership and
// in the session.
static inline void BookBallTime(Match& m, Innings& in, Partnership& p, PlaySession& session) {
    const int seconds = m.mi_ballSeconds;
    in.m_batsmen[SquadSlot(m.mi_batsman1)].mi_seconds += seconds;
    in.m_batsmen[SquadSlot(m.mi_batsman2)].mi_seconds += seconds;
    p.mi_seconds += seconds;
    session.mi_seconds += seconds;
}

// Books what every scoring routine shares: time at the crease, the
// partnership, the session and the bowler's runs; and the strike. Returns
// the striker's figures.
static inline BatsmanFigures& BookRuns(Match& m, int runs, bool swap) {
    Innings& in = m.CurrentInnings();
    BatsmanFigures& striker = in.m_batsmen[SquadSlot(m.mi_striker)];
    ++striker.mi_scored[runs];
    in.mi_total += runs;
    if (runs > 0) {
        const BallState& b = m.m_ball;
        striker.mi_directionRuns[DirectionIndex(PictureBearing(b))] += runs;
        BowlerFigures& bowler = in.m_bowlers[SquadSlot(m.mi_bowler)];
        bowler.mi_runs += runs;
        bowler.mi_spellRuns += runs;
        bowler.mi_overRuns += runs;
    }
    Partnership& p = in.m_partnerships[SquadSlot(in.Wickets())];
    p.AddRuns(striker.mi_player, runs);
    PlaySession& session = m.CurrentSession();
    BookBallTime(m, in, p, session);
    session.mi_runs += runs;
    if (!m.mb_noBall) ++session.mi_balls;  // the session counts legal balls
    if (swap) m.SwapStrike();
    return striker;
}

void Match::ScoreDot() {
    BookRuns(*this, 0, false);
}
void Match::ScoreOne() {
    BookRuns(*this, 1, true);
}
void Match::ScoreTwo() {
    BookRuns(*this, 2, false);
}
void Match::ScoreThree() {
    BookRuns(*this, 3, true);
}
void Match::ScoreFour() {
    BookRuns(*this, 4, false);
}
void Match::ScoreSix() {
    BookRuns(*this, 6, false);
}

// An extra of one run: no ball, wide or bye.
static void BookExtra(Match& m, int32_t& counter, bool againstBowler, int32_t BowlerFigures::*bowlerCount) {
    Innings& in = m.CurrentInnings();
    ++counter;
    ++in.mi_total;
    if (againstBowler) {
        BowlerFigures& bowler = in.m_bowlers[SquadSlot(m.mi_bowler)];
        ++bowler.mi_runs;
        ++(bowler.*bowlerCount);
        ++bowler.mi_spellRuns;
        ++bowler.mi_overRuns;
    }
    Partnership& p = in.m_partnerships[SquadSlot(in.Wickets())];
    p.AddRuns(-1, 1);
    PlaySession& session = m.CurrentSession();
    BookBallTime(m, in, p, session);
    ++session.mi_runs;
}

void Match::EndOfBall() {
    BallState& b = m_ball;
    Innings& in = CurrentInnings();
    mi_ballSeconds = BallSeconds(b.mi_bowlType);
    mi_secondsUsed += mi_ballSeconds;

    if (b.mb_recording &&
        (mi_ballOutcome == OUTCOME_RUN_OUT_STRIKER || mi_ballOutcome == OUTCOME_RUN_OUT_NON_STRIKER)) {
        bool striker = mi_ballOutcome == OUTCOME_RUN_OUT_STRIKER;
        int t = b.mi_fieldTick + 30;
        GroundPoint from = striker ? GroundPoint{391.0f, 273.0f} : GroundPoint{391.0f, 305.0f};
        int ticks =
            static_cast<int>(GroundDistance(from, PAVILION) / 0.8f);  // a walk off at 0.08 per tick tenth
        b.m_script.AddMove(striker ? FIG_STRIKER : FIG_NON_STRIKER, t, t + ticks, from.x, from.y, PAVILION.x,
                           PAVILION.y);
        AnimEvent& ground = b.m_script.AddMove(FIG_BALL, b.mi_fieldTick + 20, b.mi_fieldTick + 30, -1.0f,
                                               -1.0f, 376.0f, 263.0f);
        ground.mi_extra[0] = 3;
        ground.mi_extra[1] = 270;
        b.m_script.AddMarker(ANIM_SCORE_AFTER, b.mi_fieldTick + 25);
        b.m_script.AddMarker(striker ? ANIM_STUMPS_END1 : ANIM_STUMPS_END2, b.mi_fieldTick + 20);
    }

    int outcome = mi_ballOutcome;
    if (outcome == OUTCOME_NO_BALL || mb_noBall)
        BookExtra(*this, in.mi_noBalls, true, &BowlerFigures::mi_noBalls);
    if (outcome == OUTCOME_WIDE || mb_wide) BookExtra(*this, in.mi_wides, true, &BowlerFigures::mi_wides);
    if (outcome == OUTCOME_BYES) {
        BookExtra(*this, Rand() % 10 < 6 ? in.mi_legByes : in.mi_byes, false, nullptr);
        SwapStrike();
    }
    // The batsman who scored off the bat: only his runs have moved on.
    BatsmanFigures* scorer = nullptr;
    if (outcome < 300 || outcome > 600) {
        // Five books nothing here; one and three change ends.
        const int runs = b.mi_runs;
        if (outcome == OUTCOME_RUNS && runs >= 0 && runs <= 6 && runs != 5) {
            BatsmanFigures& striker = BookRuns(*this, runs, (runs & 1) != 0);
            if (runs > 0) scorer = &striker;
        }
    } else {
        Dismiss(outcome);
    }

    // The striker's eye: sharper against this bowler, a little against all.
    {
        int pos = b.mi_strikerPos;
        MatchPlayer& mp = BattingSide().m_players[SquadSlot(in.mi_battingOrder[pos])];
        float& own = mp.mf_eye[SquadSlot(mi_bowler)];
        const float ownAfter = std::min(own + (own >= 5.0f ? 0.11f : 0.13f), 10.0f);
        for (float& eye : mp.mf_eye) eye = std::min(eye + 0.1f, 10.0f);
        own = ownAfter;
    }

    // Partnership milestones, each reported once and in order; none before
    // the runs reach the next.
    int wickets = in.Wickets();
    Partnership& p = in.m_partnerships[SquadSlot(wickets)];
    if (p.Runs() >= p.mi_lastMilestone + 50) {
        for (int step = p.mi_lastMilestone / 50;
             step < PARTNERSHIP_STEPS && p.mi_lastMilestone == 50 * step && p.mb_reached[step]; ++step) {
            p.mi_lastMilestone = 50 * (step + 1);
            AddEvent(MATCH_EVENT_PARTNERSHIP, mi_currentInnings,
                     {wickets + 1, p.mi_lastMilestone, p.Balls()});
        }
    }

    // Batsman milestones: 50, 100 ... 500, for the batsman who scored.
    if (scorer && scorer->mi_nextMilestone <= 500 && BatsmanRuns(*scorer) >= scorer->mi_nextMilestone) {
        BatsmanFigures& f = *scorer;
        int reached = f.mi_nextMilestone;
        f.mi_nextMilestone += 50;
        AddEvent(
            MATCH_EVENT_BATSMAN_MILESTONE, mi_currentInnings,
            {f.mi_player, reached, f.Balls(), f.mi_seconds / 60, f.mi_scored[4], f.mi_scored[6], 0, 0, 0, 0});
    }

    if (mb_humanMatch) CompleteBallScript();
}

void Match::Dismiss(int32_t outcome) {
    Innings& in = CurrentInnings();
    int wicketsBefore = in.Wickets();
    if (wicketsBefore >= SQUAD_SIZE - 1) return;  // all out already: nobody left to dismiss
    int nonStriker = mi_striker == mi_batsman1 ? mi_batsman2 : mi_batsman1;
    int outPos = SquadSlot(outcome == OUTCOME_RUN_OUT_NON_STRIKER ? nonStriker : mi_striker);
    BatsmanFigures& out = in.m_batsmen[outPos];

    // The ball counts as faced by the striker.
    BookRuns(*this, 0, false);

    Partnership& ended = in.m_partnerships[SquadSlot(wicketsBefore)];
    switch (outcome) {
        case OUTCOME_BOWLED:
            out.mi_howOut = HOWOUT_BOWLED;
            break;
        case OUTCOME_LBW:
            out.mi_howOut = HOWOUT_LBW;
            break;
        case OUTCOME_STUMPED:
            out.mi_howOut = HOWOUT_STUMPED;
            break;
        case OUTCOME_CAUGHT:
            out.mi_howOut = HOWOUT_CAUGHT;
            break;
        default:
            out.mi_howOut = HOWOUT_RUN_OUT;
            break;
    }
    ++in.mi_wickets;
    bool bowlersWicket = outcome == OUTCOME_BOWLED || outcome == OUTCOME_LBW || outcome == OUTCOME_STUMPED ||
                         outcome == OUTCOME_CAUGHT;
    int bowlerSlot = SquadSlot(mi_bowler);
    if (bowlersWicket) {
        BowlerFigures& bowler = in.m_bowlers[bowlerSlot];
        ++bowler.mi_wickets;
        ++bowler.mi_spellWickets;
        out.mi_bowler = bowlerSlot;
    }
    MatchTeam& fielding = FieldingSide();
    if (outcome == OUTCOME_CAUGHT || outcome == OUTCOME_STUMPED || outcome == OUTCOME_RUN_OUT_STRIKER ||
        outcome == OUTCOME_RUN_OUT_NON_STRIKER) {
        int fielderPlayer = outcome == OUTCOME_STUMPED ? fielding.m_players[m_ball.mi_keeperSlot].mi_player
                                                       : m_ball.mi_fielder;
        out.mi_fielder = fielderPlayer;
        for (MatchPlayer& mp : fielding.m_players) {
            if (mp.mi_player != fielderPlayer || fielderPlayer < 0) continue;
            if (outcome == OUTCOME_CAUGHT)
                ++mp.mi_catches;
            else if (outcome == OUTCOME_STUMPED)
                ++mp.mi_stumpings;
            else
                ++mp.mi_runOuts;
            break;
        }
    }
    ++CurrentSession().mi_wickets;

    int wickets = wicketsBefore + 1;
    ended.mi_state = 2;
    ended.mi_score = InningsTotal(in);
    ended.mi_wicket = wickets;
    ended.mi_playerOut = out.mi_player;
    ended.mi_overs = in.Overs();
    ended.mi_ballsOfOver = in.BallsOfOver();
    mi_lastOut = outPos;
    mi_lastOutInnings = mi_currentInnings;
    mb_fallOfWicket = 1;

    // The next man in takes the place of the one out; none after the tenth wicket.
    if (wickets >= SQUAD_SIZE - 1) return;
    ReorderLateInDay();
    int next = wickets + 1;
    if (next >= SQUAD_SIZE) return;
    in.m_batsmen[next].mi_howOut = HOWOUT_BATTING;
    bool strikerOut = outPos == mi_striker;
    if (outPos == mi_batsman1)
        mi_batsman1 = next;
    else
        mi_batsman2 = next;
    if (strikerOut) mi_striker = next;
    in.m_partnerships[wickets].Begin(in.m_batsmen[std::min(mi_batsman1, mi_batsman2)].mi_player,
                                     in.m_batsmen[std::max(mi_batsman1, mi_batsman2)].mi_player);
}

void Match::CompleteBallScript() {
    BallState& b = m_ball;
    Innings& in = CurrentInnings();
    BallRecord record;
    record.mi_bowler = BowlerPlayer();
    record.mi_batsman = b.mi_strikerPlayer;
    record.mi_fielder = b.mi_fielder;
    record.mi_over = b.mb_illegal ? in.Overs() : (in.mi_legalBalls - 1) / 6;
    record.mi_ballOfOver = b.mb_illegal ? in.BallsOfOver() : (in.mi_legalBalls - 1) % 6 + 1;
    record.mi_outcome = mi_ballOutcome == OUTCOME_RUNS && mb_noBall ? OUTCOME_NO_BALL : mi_ballOutcome;
    record.mi_runs = b.mi_runs;
    record.mi_length = b.mi_length;
    record.mi_movement = b.mi_movement;
    record.mi_shot = b.mi_stroke;
    record.mi_fieldSetting = b.mi_fieldSetup;
    record.mi_x = static_cast<int32_t>(b.m_end.x);
    record.mi_y = static_cast<int32_t>(b.m_end.y);
    record.mi_script = static_cast<int32_t>(mv_animScripts.size());
    in.mv_balls.push_back(record);

    BallAnimScript& s = b.m_script;
    s.mi_kind = SCRIPT_KIND_COMPLETE;
    s.mi_striker = record.mi_batsman;
    s.mi_nonStriker = b.mi_nonStrikerPlayer;
    s.mi_fielder = b.mi_fielder;
    s.mi_bowler = record.mi_bowler;
    s.mi_battingSide = in.mi_battingTeam;
    s.mi_bowlingSide = in.mi_bowlingTeam;
    s.mi_total = InningsTotal(in);
    s.mi_wickets = in.Wickets();
    s.mb_played = 0;
    s.mi_competition = mi_competition;
    if (mi_sideKind == SIDES_CLUBS) {
        s.mi_battingNational = 0;
        s.mi_bowlingNational = 0;
    } else if (mi_sideKind == SIDES_COUNTRIES) {
        s.mi_battingNational = 1;
        s.mi_bowlingNational = 1;
    } else if (mi_battingFirst != mi_team1) {
        s.mi_battingNational = 1;
        s.mi_bowlingNational = 0;
    } else {
        s.mi_battingNational = 0;
        s.mi_bowlingNational = 1;
    }
    s.mi_innings = mi_currentInnings;
    s.mi_over = record.mi_over;
    s.mi_ball = record.mi_ballOfOver;
    s.mi_outcome = record.mi_outcome;
    s.mi_runs = b.mi_runs + (mi_ballOutcome == OUTCOME_BYES || mb_noBall || mb_wide ? 1 : 0);
    s.mb_wicket = IsDismissal(mi_ballOutcome);
    s.SetLength();
    mv_animScripts.push_back(s);
    if (mv_animScripts.size() > 1) mv_animScripts[mv_animScripts.size() - 2].mb_played = 1;
    if (mb_team1Human || mb_team2Human) StartBallAnimation(*this, &mv_animScripts.back());
}

}  // namespace ravel
