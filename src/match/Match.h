// One match in progress or completed: the two sides, four innings, the
// clock, sessions and interruptions, conditions, the result and the event log.
// Match.cpp holds set-up, MatchStep.cpp the clock and sessions,
// MatchInnings.cpp overs, bowling changes and the ends of innings, Results.cpp
// the result and what a finished match leaves behind; the ball
// itself (delivery, shot, fielding, scoring) lives in Ball.cpp, Shot.cpp,
// Fielding.cpp and Outcome.cpp.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "match/Ball.h"
#include "world/Competitions.h"
#include "world/GameDate.h"

namespace ravel {

struct BallAnimScript;  // match/AnimScript.h

// Play states.
inline constexpr int32_t PLAY_IN_PLAY = 600;
inline constexpr int32_t PLAY_SLICE_USED = 601;
inline constexpr int32_t PLAY_INNINGS_BREAK = 602;
inline constexpr int32_t PLAY_MATCH_OVER = 603;
inline constexpr int32_t PLAY_LUNCH = 606;
inline constexpr int32_t PLAY_TEA = 6061;
inline constexpr int32_t PLAY_CLOSE = 607;

// Decision states: what the human side must answer before play goes on.
inline constexpr int32_t DECISION_NONE = 600;
inline constexpr int32_t DECISION_INFOBOX = 605;
inline constexpr int32_t DECISION_BOWLER1_LIMIT = 609;
inline constexpr int32_t DECISION_BOWLER2_LIMIT = 6091;
inline constexpr int32_t DECISION_BOWLER1_TIRED = 6092;
inline constexpr int32_t DECISION_BOWLER2_TIRED = 6093;
inline constexpr int32_t DECISION_FOLLOW_ON = 6094;  // answered by Match::AnswerFollowOn

// Play conditions.
inline constexpr int32_t CONDITION_PLAY = 5001;
inline constexpr int32_t CONDITION_BAD_LIGHT = 5002;
inline constexpr int32_t CONDITION_RAIN = 5003;
inline constexpr int32_t CONDITION_LIGHT_RESUMING = 5004;  // play due to resume at a set time
inline constexpr int32_t CONDITION_RAIN_STOPPED = 5005;

// Information box codes of an interruption.
inline constexpr int32_t INFO_RAIN_STOPS_PLAY = 6081;
inline constexpr int32_t INFO_PLAY_RESUMES = 6083;

// Event log kinds.
inline constexpr int32_t MATCH_EVENT_DAY_START = 3001;      // day number
inline constexpr int32_t MATCH_EVENT_INNINGS_START = 3002;  // innings, batting side
inline constexpr int32_t MATCH_EVENT_INNINGS_CLOSED =
    3003;  // innings, side, total, wickets, overs, balls, status
inline constexpr int32_t MATCH_EVENT_BREAK =
    3004;  // side, total, wickets, overs, balls, 2 x (player, runs), kind
inline constexpr int32_t MATCH_EVENT_BATSMAN_MILESTONE = 3005;  // player, runs, balls, minutes, 4s, 6s
inline constexpr int32_t MATCH_EVENT_RESULT = 3006;             // winner, loser, kind, margin
inline constexpr int32_t MATCH_EVENT_PARTNERSHIP = 3007;        // partnership number, runs, balls

// UpdatePitch kinds.
inline constexpr int PITCH_OVER = 0;
inline constexpr int PITCH_AFTER_LUNCH = 1;
inline constexpr int PITCH_AFTER_TEA = 2;
inline constexpr int PITCH_OVERNIGHT = 3;

// Break kinds of MATCH_EVENT_BREAK.
inline constexpr int32_t BREAK_LUNCH = 1;
inline constexpr int32_t BREAK_TEA = 2;
inline constexpr int32_t BREAK_CLOSE = 3;

// Innings status.
inline constexpr int32_t INNINGS_FOLLOW_ON = 401;
inline constexpr int32_t INNINGS_DECLARED = 402;
inline constexpr int32_t INNINGS_ALL_OUT = 403;

// Result kinds and the margins that are not runs or wickets.
inline constexpr int32_t RESULT_NONE = 0;
inline constexpr int32_t RESULT_WON_BATTING_LAST = 1;  // margin: wickets in hand
inline constexpr int32_t RESULT_WON_BOWLING_LAST = 2;  // margin: runs
inline constexpr int32_t RESULT_TIE = 3;
inline constexpr int32_t RESULT_DRAW = 4;
inline constexpr int32_t RESULT_WON_BY_INNINGS = 5;  // margin: runs
inline constexpr int32_t RESULT_NO_RESULT = 6;
inline constexpr int32_t MARGIN_RUN_RATE = -25;
inline constexpr int32_t MARGIN_FEWER_WICKETS = -50;
inline constexpr int32_t MARGIN_FIRST_INNINGS_TOTAL = -75;
inline constexpr int32_t MARGIN_FIRST_INNINGS_RATE = -100;

// Side kinds.
inline constexpr int32_t SIDES_CLUBS = 0;
inline constexpr int32_t SIDES_COUNTRIES = 1;
inline constexpr int32_t SIDES_CLUB_V_COUNTRY = 2;

inline constexpr int SQUAD_SIZE = 11;

// A value kept to a side slot or batting position, 0..10; the usual value in
// range costs one test.
inline int SquadSlot(int value) {
    if (static_cast<uint32_t>(value) < static_cast<uint32_t>(SQUAD_SIZE)) [[likely]]
        return value;
    return value < 0 ? 0 : SQUAD_SIZE - 1;
}
// A bearing in degrees brought to 0..359 with one division.
inline int WrapDegrees(int degrees) {
    int d = degrees % 360;
    return d < 0 ? d + 360 : d;
}
inline constexpr int SESSION_SLOTS = 15;
inline constexpr int PARTNERSHIP_STEPS = 15;  // 50, 100, ... 750

// Matches over days are types 1, 3 and 5; limited-overs matches 2, 4 and 6.
inline bool IsFirstClassType(int32_t matchType) {
    return matchType > 0 && (matchType & 1) == 1;  // odd and positive, without a signed division
}

struct PlaySession {
    int32_t mi_day = 0;
    int32_t mi_number = 0;  // 1..15 over the whole match
    int32_t mi_runs = 0;
    int32_t mi_wickets = 0;
    int32_t mi_balls = 0;
    int32_t mi_seconds = 0;

    int32_t Overs() const { return mi_balls / 6; }
    int32_t Balls() const { return mi_balls % 6; }
    double RunRate() const;  // runs per over, -1.0 without a ball
};

struct BowlerFigures {
    int32_t mi_player = -1;
    int32_t mi_balls = 0;
    int32_t mi_maidens = 0;
    int32_t mi_wickets = 0;
    int32_t mi_runs = 0;
    int32_t mi_noBalls = 0;
    int32_t mi_wides = 0;
    int32_t mi_spellBalls = 0;
    int32_t mi_spellWickets = 0;
    int32_t mi_spellRuns = 0;
    int32_t mi_spellMaidens = 0;
    int32_t mi_overRuns = 0;  // runs conceded in the over being bowled

    int32_t Overs() const { return mi_balls / 6; }
};

// Batting record of one batting-order position.
struct BatsmanFigures {
    int32_t mi_player = -1;
    int32_t mi_howOut = 0;                      // -1 batting or not out, 0 did not bat, 1.. dismissal code
    int32_t mi_bowler = -1;                     // bowling-record slot credited with the wicket
    int32_t mi_fielder = -1;                    // player id of the catcher or run-out fielder
    int32_t mi_seconds = 0;                     // at the crease
    std::array<int32_t, 7> mi_scored{};         // balls that scored 0 (dots), 1, 2 ... 6 runs
    std::array<int32_t, 6> mi_directionRuns{};  // by where the stroke went, in field order (DirectionIndex)
    int32_t mi_nextMilestone = 50;              // the event log's
    int32_t mi_viewMilestone = 50;              // the next score the match view announces; past 500 none

    int32_t Balls() const {
        const auto& n = mi_scored;
        return n[0] + n[1] + n[2] + n[3] + n[4] + n[5] + n[6];
    }
    // Runs per hundred balls; 0 before a run or a ball.
    double StrikeRate() const;
};

struct Partnership {
    int32_t mi_state = 0;  // 0 not begun, 1 begun, 2 ended
    std::array<int32_t, 2> mi_player{-1, -1};
    std::array<int32_t, 2> mi_runs{};
    std::array<int32_t, 2> mi_balls{};
    std::array<int32_t, 2> mi_batsmanSeconds{};
    int32_t mi_extras = 0;
    int32_t mi_seconds = 0;
    // At the fall of the wicket that ended it.
    int32_t mi_score = 0;
    int32_t mi_wicket = 0;
    int32_t mi_playerOut = -1;
    int32_t mi_overs = 0;
    int32_t mi_ballsOfOver = 0;
    std::array<uint8_t, PARTNERSHIP_STEPS> mb_reached{};
    int32_t mi_lastMilestone = 0;  // the event log's
    int32_t mi_viewMilestone = 0;  // the last one the match view announced

    void Begin(int32_t player1, int32_t player2);
    // A ball faced by player (runs to him) or, with -1, runs as extras.
    void AddRuns(int32_t player, int32_t runs) {
        if (player < 0) {
            mi_extras += runs;
        } else if (player == mi_player[0] || player == mi_player[1]) {
            const int k = player == mi_player[1] ? 1 : 0;
            mi_runs[k] += runs;
            mi_balls[k] += 1;
        } else {
            NameBatsman(player, runs);
        }
        // Steps are marked from the first up, so the highest tells for all.
        const int reached = std::min(Runs() / 50, PARTNERSHIP_STEPS);
        if (reached > 0 && !mb_reached[reached - 1]) MarkReached(reached);
    }
    void NameBatsman(int32_t player, int32_t runs);
    void MarkReached(int reached);
    int32_t Runs() const { return mi_runs[0] + mi_runs[1] + mi_extras; }
    int32_t BatsmanRuns(int k) const { return mi_runs[k & 1]; }
    int32_t Balls() const { return mi_balls[0] + mi_balls[1]; }
    int32_t BatsmanBalls(int k) const { return mi_balls[k & 1]; }
};

struct BallRecord {
    int32_t mi_bowler = -1;  // player ids
    int32_t mi_batsman = -1;
    int32_t mi_fielder = -1;
    int32_t mi_over = 0;  // 0-based
    int32_t mi_ballOfOver = 0;
    int32_t mi_outcome = 0;
    int32_t mi_runs = 0;
    int32_t mi_length = 0;
    int32_t mi_movement = 0;
    int32_t mi_shot = 0;
    int32_t mi_fieldSetting = 0;
    int32_t mi_x = 0;
    int32_t mi_y = 0;
    int32_t mi_script = -1;  // index of the ball's animation script
};

struct OverRecord {
    int32_t mi_runs = 0;
    int32_t mi_wickets = 0;
    int32_t mi_bowler = -1;  // bowling-record slot
    int32_t mi_total = 0;    // innings total at the end of the over
};

struct Innings {
    int32_t mi_battingTeam = 0;  // side ids
    int32_t mi_bowlingTeam = 0;
    std::array<BowlerFigures, SQUAD_SIZE> m_bowlers{};     // by the fielding side's slot
    std::array<BatsmanFigures, SQUAD_SIZE> m_batsmen{};    // by batting-order position
    std::array<Partnership, SQUAD_SIZE> m_partnerships{};  // n ends with the (n+1)-th wicket
    std::array<int32_t, SQUAD_SIZE> mi_battingOrder{};     // side slot of each batting position
    int32_t mi_legByes = 0;
    int32_t mi_noBalls = 0;
    int32_t mi_wides = 0;
    int32_t mi_byes = 0;
    int32_t mi_legalBalls = 0;
    // The total, kept with every run booked (InningsTotal), and the wickets,
    // kept with every dismissal (Wickets); Recount works both out again from
    // the batting records and extras for code that sets them directly.
    int32_t mi_total = 0;
    int32_t mi_wickets = 0;
    std::array<int32_t, SQUAD_SIZE> mi_bowlingOrder{};  // slots in the order they first bowled, -1 after
    uint8_t mb_started = 0;
    int32_t mi_status = 0;                             // INNINGS_...
    uint8_t mb_closed = 0;                             // the innings is over
    int8_t mi_orderedBowler = -1;                      // the last bowler found in mi_bowlingOrder
    std::array<int32_t, 3> mi_topBatsmen{-1, -1, -1};  // batting positions
    std::array<int32_t, 3> mi_topBowlers{-1, -1, -1};  // bowling slots
    std::vector<BallRecord> mv_balls;                  // kept when a human side plays
    std::vector<OverRecord> mv_overs;

    int32_t Wickets() const { return mi_wickets; }
    // The index-th ball of the per-ball list; an empty record outside it.
    const BallRecord& BallAt(int index) const;
    int32_t Overs() const { return mi_legalBalls / 6; }
    int32_t BallsOfOver() const { return mi_legalBalls % 6; }
    void FindTopPerformers();
    void Recount();
    // Who stands at two batting positions changes places; what either has
    // done stays with the position.
    void SwapBatsmen(int a, int b);
};

inline int32_t BatsmanRuns(const BatsmanFigures& figures) {
    const auto& n = figures.mi_scored;
    return n[1] + 2 * n[2] + 3 * n[3] + 4 * n[4] + 5 * n[5] + 6 * n[6];
}
// Which of the six runs-by-direction totals a stroke on this bearing of the
// ground picture (0 straight down the ground, 180 behind the stumps) adds to,
// in field order: behind the wicket left and right, square left and right,
// in front left and right.
inline int DirectionIndex(int pictureBearing) {
    int bearing = WrapDegrees(pictureBearing);
    int fromStraight = bearing <= 180 ? bearing : 360 - bearing;
    int row = fromStraight > 120 ? 0 : fromStraight >= 60 ? 1 : 2;
    // Bearings below 180 point to the left of the picture.
    return row * 2 + (bearing < 180 ? 0 : 1);
}
// The innings' top batsman, "Surname 45" ("45*" not out), and top bowler,
// "Surname 3/24", as FindTopPerformers last found them; "" for none.
std::string getbathighlights(const Innings& innings);
std::string BowlHighlights(const Innings& innings);
// Runs of the top batsman and wickets of the top bowler; -1 for none.
int32_t TopBatsmanRuns(const Innings& innings);
int32_t TopBowlerWickets(const Innings& innings);
// BatsmanRuns over the eleven batting records plus the extras.
inline int32_t InningsTotal(const Innings& innings) {
    return innings.mi_total;
}
double RunRate(const Innings& innings);  // runs per over, 0.0 before the first legal ball

struct MatchPlayer {
    int32_t mi_player = -1;  // player id (= position in the player table)
    uint8_t mb_spinner = 0;
    float mf_energy = 100.0f;       // falls while bowling, restored by breaks
    float mf_startEnergy = 100.0f;  // energy at the start of the day
    // Per opposing slot: as a batsman against that bowler, as a bowler against that batsman.
    std::array<float, SQUAD_SIZE> mf_aggression{};  // 0..100
    std::array<int32_t, SQUAD_SIZE> mi_aggression{};
    std::array<float, SQUAD_SIZE> mf_eye{};         // 0..10, rises with every ball faced
    std::array<int32_t, SQUAD_SIZE> mi_bowlPlan{};  // plan index against each batting position
    std::array<int32_t, SQUAD_SIZE> mi_planStep{};
    uint8_t mb_attacking = 0;  // his captain gave him his attacking plan against every batsman
    // Match points for the player of the match.
    float mf_points = 0.0f;
    int32_t mi_catches = 0;
    int32_t mi_stumpings = 0;
    int32_t mi_runOuts = 0;

    int32_t BowlPlanFor(int battingPosition) const;
};

struct MatchTeam {
    std::array<MatchPlayer, SQUAD_SIZE> m_players{};
    std::array<int32_t, 4> mi_orderSlotA{};  // captain's slot per innings
    std::array<int32_t, 4> mi_keeperSlot{};
    int32_t mi_openBowler1 = -1;
    int32_t mi_openBowler2 = -1;

    int32_t OrderSlotA(int innings) const;
    void SetOrderSlotA(int innings, int32_t slot);
    int32_t KeeperSlot(int innings) const;
    void SetKeeperSlot(int innings, int32_t slot);
};

// One entry of the match's event log.
struct BallEvent {
    int32_t mi_kind = 0;
    int32_t mi_innings = -1;
    int32_t mi_day = 0;                    // day index when logged
    int32_t mi_hours = 0, mi_minutes = 0;  // match clock when logged
    std::array<int32_t, 10> mi_values{};
};

class Match;
// Replaces the real ball in tests: called where Step would play a ball.
using BallHook = void (*)(Match& match);

class Match {
public:
    Match();
    ~Match();
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    // A finished match lets go of what only its play needed: the ball
    // records and the balls' animations. Its scorecard, events and result stay.
    void ReleaseBalls();

    // Set-up (Match.cpp).
    void Setup(int32_t matchId, int32_t competitionId, int32_t groundId, int32_t team1Id, int32_t team2Id,
               int32_t day, int32_t month, int32_t year, int32_t callerValue);
    void RegisterSquads(int side, const std::array<int32_t, SQUAD_SIZE>& players, int32_t orderSlotA,
                        int32_t keeperSlot, int32_t endOneBowler, int32_t endTwoBowler);
    // Computer sides choose their eleven; national tells ChooseXI the side is a country.
    void SelectComputerTeam(int side, bool national, bool oneDay);
    // A human coach's side plays its own eleven.
    void RegisterHumanTeam(int side, bool national);
    void Start();
    // The human-side flags from the sides' records, by the side kind.
    void ReadHumanSides();
    void ComputerToss();
    void DecideToss();
    void SetUpInnings();
    // Opens an innings; between innings a human side's match waits in
    // PLAY_INNINGS_BREAK, a computer match loses ten minutes.
    void StartInnings(int innings, bool withBreak = true, bool log = true);
    void SetBattingOrderOfSides();
    void LoadDayRules(int dayIndex);
    void NewBall();
    void AgeBall(int kind);

    // Clock, sessions and rain (MatchStep.cpp).
    void Step();
    void NextSession();
    void RainModel();
    bool FieldRestrictionsMet() const;
    int32_t ProgressPercent() const;
    void StartDay();
    void PlayPass();
    void CheckSessionEnds();
    void CloseOfPlay();
    void LogBreak(int32_t kind);
    void SetCheckTime();
    bool CheckTimeReached() const;

    // Overs, bowling changes and ends of innings (MatchInnings.cpp).
    int BowlerMustChange() const;  // 0 may bowl on, 1 must be replaced, 2 tired
    void UpdateSituation();
    // Bands a captain reads: the innings phase (0..2), the chase's pressure
    // (0..3) and the wickets down, worked out when asked.
    std::array<int32_t, 3> Situation() const;
    void EndOfInningsChecks();
    void ChooseNextBowler();
    bool SetBowler(int32_t slot);
    // The user's choice of the next batsman: the player at the position
    // takes the place of the one the engine sent in, before he has faced.
    // False (nothing changed) for a position that has batted or when nobody
    // is waiting to face.
    bool SwapNextBatsman(int position);
    // The batting position of the batsman the engine sent in who has not yet
    // faced, or -1.
    int WaitingBatsman() const;
    // He is waiting and another has still to bat: a choice to make.
    bool NextBatsmanToChoose() const;
    bool Declare();
    // The batting side may declare now: in a match over days, never in the
    // last innings, and in the third innings played only with a lead.
    bool MayDeclare() const;
    void AnswerFollowOn(bool enforce);  // the human side's answer
    void AnswerFollowOnFor(bool enforce);
    bool ComputerEnforcesFollowOn();
    // The computer answers for a side that was human: the follow-on, the
    // end of the break between innings, a new ball on offer, a bowler who
    // may not go on, the wait for a field within the restrictions; nothing
    // waits afterwards.
    void AnswerForComputer();
    void AnswerNewBall(bool take);
    double RequiredRunRate() const;
    int32_t OverLimit() const;  // most overs per bowler, 0 for none
    bool AtOverStart() const;
    bool MayBowl(int32_t slot) const;
    // The bowler in the slot has bowled the spell a captain would give him:
    // by his kind and the match's, or three overs going at more than seven.
    bool SpellOver(int32_t slot) const;
    void EndOfOver();
    void CloseInnings(int32_t status);
    void AfterInnings();
    bool IsLastInnings() const {
        if (!IsFirstClass()) return mi_currentInnings == 1;
        return mi_currentInnings == (mi_followOnState == INNINGS_FOLLOW_ON ? 2 : 3);
    }
    int32_t Target() const;  // runs the side batting last needs to win
    int32_t SideRuns(int32_t sideId) const;
    // Runs the side batting now has over the side fielding, all innings so far
    // (SideRuns of one less the other, in one pass).
    int32_t BattingLead() const;
    int32_t RemainingOvers() const;  // overs left in a match over days
    bool ComputerShouldDeclare() const;
    void RestDuringBreak();
    void RestOvernight();
    // A human fielding side must answer for a bowler who may not go on; a
    // match between two computer sides never asks.
    void AskHumanForBowler() {
        if (HasHumanSide()) AskHumanSideForBowler();
    }
    void AskHumanSideForBowler();
    // A human side's match waits (605) after each ball, or with the
    // complete-the-over flag after the over and after a wicket of a human
    // batting side, whose next batsman is the user's to choose.
    void PauseAfterBall(bool humanWicket);

    // Pitch wear (Conditions.cpp).
    void UpdatePitch(int kind);  // PITCH_...

    // Results and the end of a match (Results.cpp).
    void SetResult(int32_t winner, int32_t loser, int32_t kind, int32_t margin);
    void DecideLimitedOvers();
    void DecideLastInnings();
    void DecideLastDay();
    void DecideAbandonedLimitedOvers();
    void ComputeBonusPoints();
    void StoreRunRateFigures();
    void UpdatePlayerPoints();
    void UpdatePlayerRecords();
    std::string ResultText() const;

    // The event log (Events.cpp).
    void AddEvent(int32_t kind, int32_t innings, std::initializer_list<int32_t> values);

    // The ball (Ball.cpp, Shot.cpp, Fielding.cpp, Outcome.cpp).
    void PlayBall();
    void ChooseTactics();
    // A computer fielding side's captain gives the bowler of the over his
    // plan against every batsman, when it changes: the opening plan, or to
    // attack.
    void GiveBowlerPlans(bool attack);
    void StageDelivery();
    // Finds the bowler and the plan ball he bowls next to the striker for
    // this ball; true when the striker's plan index lies in the plan table.
    bool StageBowler(MatchTeam& fielding);
    void CheckExtras();
    void DecideExtras();
    // Ticks of the ball's travel past the batsman to the keeper: short when
    // the field has the keeper standing up.
    int BallTravelTicks() const;
    bool CurrentFieldKeeperUp() const;  // the field of this ball has its flag byte set
    bool KeeperStandsUp() const;        // to a spinner, or in such a field
    void AnimNoBall();
    void AnimWide(int side);
    void PlayShot();
    // The keeper, bowler and fielders who may get to the ball (m_ball.m_candidates).
    void UpdateFieldCandidates();
    void Field();
    void EndOfBall();
    void ScoreDot();
    void ScoreOne();
    void ScoreTwo();
    void ScoreThree();
    void ScoreFour();
    void ScoreSix();
    void SwapStrike();
    void Dismiss(int32_t outcome);

    // Look-ups.
    const char* TeamName(int32_t sideId) const;
    const char* TeamShortName(int32_t sideId) const;
    BallAnimScript& AnimScript(int index);
    Innings& CurrentInnings() { return m_innings[InningsIndex(mi_currentInnings)]; }
    const Innings& CurrentInnings() const { return m_innings[InningsIndex(mi_currentInnings)]; }
    PlaySession& CurrentSession() { return m_sessions[std::clamp(mi_sessionNumber, 0, SESSION_SLOTS - 1)]; }
    MatchTeam& SideOf(int32_t sideId) { return sideId == mi_team1 ? m_team1 : m_team2; }
    const MatchTeam& SideOf(int32_t sideId) const { return sideId == mi_team1 ? m_team1 : m_team2; }
    MatchTeam& BattingSide() { return SideOf(CurrentInnings().mi_battingTeam); }
    MatchTeam& FieldingSide() { return SideOf(CurrentInnings().mi_bowlingTeam); }
    bool SideIsHuman(int32_t sideId) const { return sideId == mi_team1 ? mb_team1Human : mb_team2Human; }
    bool HasHumanSide() const { return mb_team1Human || mb_team2Human; }
    bool IsFirstClass() const { return IsFirstClassType(mi_matchType); }
    static int InningsIndex(int32_t innings) { return static_cast<uint32_t>(innings) < 4u ? innings : 0; }

    int32_t mi_competition = 0;
    int32_t mi_fixtureCode = 0;  // -84, -87 and -90 mark a match that must have a winner
    GameDate m_startDate{};
    GameDate m_lastDay{};
    GameDate m_clock{};
    int32_t mi_dayIndex = 0;
    int32_t mi_session = 0;  // 0 before lunch, 1 after lunch, 2 after tea
    int32_t mi_id = 0;
    int32_t mi_matchType = 0;
    int32_t mi_team1 = 0;  // the home side
    int32_t mi_team2 = 0;
    int32_t mi_sideKind = SIDES_CLUBS;
    int32_t mi_callerValue = 0;
    // The knock-out round the match is played in (STAGE_QUARTER_FINALS ..
    // STAGE_FINAL), STAGE_LEAGUE for any other match; set up with the match.
    int32_t mi_stage = STAGE_LEAGUE;
    int32_t mi_length = 0;  // days, or overs per side
    int32_t mi_playState = PLAY_IN_PLAY;
    int32_t mi_decision = DECISION_NONE;
    MatchTeam m_team1{};
    MatchTeam m_team2{};
    int32_t mi_currentInnings = 0;
    int32_t mi_weatherRoll = 0;  // today's weather, 0..100
    int32_t mi_climate = 0;      // climate id of the ground
    float mf_rainLevel = 0.0f;
    int32_t mi_rainKey = -1;  // climate and month the rain class was worked out for
    int32_t mi_rainClass = 0;
    float mf_bounce = 5.0f;  // pitch, 0.0..9.9
    float mf_turn = 5.0f;
    float mf_wear = 0.01f;      // pitch wear per ball
    float mf_pitchWear = 0.0f;  // wear so far: 0 fresh, rising through the match
    // Two figures of the set-up, kept as they were set (-1.0 and 5.0).
    std::array<float, 2> mf_setupFigures{-1.0f, 5.0f};
    PlayingConditions m_rules{};
    float mf_ballValue = 100.0f;
    int32_t mi_ballCount = 0;  // overs bowled with this ball
    uint8_t mb_wait = 0;
    uint8_t mb_lunchMessage = 0;
    uint8_t mb_teaMessage = 0;
    uint8_t mb_closeMessage = 0;
    uint8_t mb_resumed = 0;
    int32_t mi_infoBox = 0;
    uint8_t mb_humanMatch = 0;
    uint8_t mb_dayStarted = 0;
    uint8_t mb_noDraw = 0;
    uint8_t mb_breakPending = 0;
    uint8_t mb_coin = 0;
    int32_t mi_condition = CONDITION_PLAY;
    int32_t mi_checkMinute = 0;
    int32_t mi_checkHour = 0;
    uint8_t mb_team1Human = 0;
    uint8_t mb_team2Human = 0;
    uint8_t mb_sliced = 1;
    int32_t mi_ground = 0;
    int32_t mi_tossWinner = 0;
    int32_t mi_tossChoice = 0;  // 1 bat, 2 bowl
    int32_t mi_battingFirst = 0;
    int32_t mi_bowlingFirst = 0;
    int32_t mi_minutesLost = 0;
    int32_t mi_oversLeftToday = 0;
    int32_t mi_secondsUsed = 0;
    int32_t mi_breakCounter = 0;
    int32_t mi_ballSeconds = 0;
    int32_t mi_sessionNumber = 0;  // index into m_sessions
    int32_t mi_bowler = 0;         // slot of the bowler of this over
    int32_t mi_striker = 0;        // batting positions
    int32_t mi_batsman1 = 0;
    int32_t mi_batsman2 = 1;
    int32_t mi_bowler1 = 0;  // bowlers at end 1 and end 2
    int32_t mi_bowler2 = 1;
    int32_t mi_fieldSetupPos = 0;
    std::array<Innings, 4> m_innings{};
    std::array<PlaySession, SESSION_SLOTS> m_sessions{};
    std::array<int32_t, 4> mi_runRateFigures{};  // runs and balls of team 1, then of team 2
    int32_t mi_winner = -1;
    int32_t mi_loser = -1;
    int32_t mi_resultKind = RESULT_NONE;
    int32_t mi_margin = 0;
    int32_t mi_followOnMargin = 150;
    int32_t mi_followOnState = 0;  // INNINGS_FOLLOW_ON once enforced
    int32_t mi_ballOutcome = 0;
    uint8_t mb_noBall = 0;
    uint8_t mb_wide = 0;
    std::vector<BallAnimScript> mv_animScripts;
    int32_t mi_dayFirstScript = 0;  // the first of today's recorded balls
    std::vector<BallEvent> mv_events;

    // Day and break bookkeeping.
    uint8_t mb_teaPutBack = 0;
    int32_t mi_stoppageMinutes = 0;
    int32_t mi_stoppageOvers = 0;
    int32_t mi_resumeState = PLAY_IN_PLAY;
    uint8_t mb_started = 0;
    uint8_t mb_watched = 0;
    uint8_t mb_stepped = 0;
    uint8_t mb_paused = 0;
    uint8_t mb_completeOver = 0;  // a human side's step plays to the end of the over
    // The human side has still to answer the follow-on question; nothing is
    // played meanwhile, whatever the decision state has been set to.
    uint8_t mb_followOnOpen = 0;

    // Flags for the match view, set here and cleared there.
    uint8_t mb_followOnQuestion = 0;
    uint8_t mb_newBallAvailable = 0;
    uint8_t mb_newBallTaken = 0;
    uint8_t mb_newBallOffered = 0;
    uint8_t mb_fieldRestrictions = 0;
    uint8_t mb_fallOfWicket = 0;
    uint8_t mb_declared = 0;
    uint8_t mb_followOnEnforced = 0;
    int32_t mi_lastOut = -1;        // batting position of the batsman out last
    int32_t mi_lastOutInnings = 0;  // and the innings he was out in

    // Overs and bowling.
    int32_t mi_extrasThisOver = 0;
    int32_t mi_lastBowler = -1;       // slot that bowled the previous over
    uint8_t mb_endOne = 1;            // this over is bowled from end 1
    uint8_t mb_restrictionsOver = 0;  // the fielding restrictions of this innings have ended
    int32_t mi_overBalls = -1;        // legal balls at which the over was last closed
    int32_t mi_overStartTotal = 0;
    int32_t mi_overStartWickets = 0;
    int32_t mi_overStartBowlerRuns = 0;  // a maiden leaves the bowler's runs here
    int32_t mi_playerOfMatch = -1;
    uint8_t mb_playerOfMatchSet = 0;
    std::array<int32_t, 4> mi_bonus{};  // first bonus of team 1 and 2, then second bonus
    uint8_t mb_recordsDone = 0;         // the players' statistics hold this match

    BallHook m_ballHook = nullptr;  // tests only

    // The ball being played (Ball.cpp, Shot.cpp, Fielding.cpp, Outcome.cpp, Captain.cpp).
    BallState m_ball{};
    uint8_t mb_reordered = 0;    // the batting order was changed late in a day
    uint8_t mb_savingMatch = 0;  // the side batting last is batting out time
    int ChooseStroke();
    int PickStroke(int length, int movement, int intent, int value);
    void DecideContact();
    void ReorderLateInDay();
    void CompleteBallScript();
    int32_t StrikerPlayer() const { return CurrentInnings().m_batsmen[SquadSlot(mi_striker)].mi_player; }
    int32_t BowlerPlayer() const { return CurrentInnings().m_bowlers[SquadSlot(mi_bowler)].mi_player; }
};

inline int32_t MatchTeam::KeeperSlot(int innings) const {
    return mi_keeperSlot[Match::InningsIndex(innings)];
}

inline int32_t Match::BattingLead() const {
    const Innings& current = CurrentInnings();
    int32_t lead = 0;
    for (const Innings& innings : m_innings) {
        if (!innings.mb_started) continue;
        if (innings.mi_battingTeam == current.mi_battingTeam) lead += InningsTotal(innings);
        if (innings.mi_battingTeam == current.mi_bowlingTeam) lead -= InningsTotal(innings);
    }
    return lead;
}

inline int32_t Match::RemainingOvers() const {
    int32_t perDay = m_rules.m_oversForDay;
    return std::max(0, mi_oversLeftToday) + std::max(0, mi_length - mi_dayIndex - 1) * perDay;
}

// The last innings of a match over days as the captains play it: the
// batting side's aggression for the runs it needs, the overs left and its
// wickets in hand, and whether the fielding side attacks (when the batting
// side cannot win in the time).
struct LastInningsPlan {
    float mf_aggression = 0.0f;
    bool mb_fieldersAttack = false;
};
LastInningsPlan PlanLastInnings(int32_t runsNeeded, int32_t oversLeft, int32_t wicketsInHand, bool testMatch,
                                bool saving);

// A bowler's plans, as indices of his table (BowlPlanTable): the plan a
// bowler of this type opens with against every batsman; whether a plan is
// one he bowls (a pace plan for a pacer; for a spinner, spin whose turning
// balls mostly turn his way, the wrong'un only from a wrist spinner); and
// of those, the one whose fields attack most (the opening plan when none).
int32_t OpeningPlanFor(int32_t bowlType);
bool PlanFitsBowler(const BowlPlan& plan, const Player& bowler);
int32_t AttackingPlanFor(const Player& bowler);

// "Home vs Away", or for a knock-out round "<competition> Final",
// "<competition> Semi Final", "<competition> Quarter Final".
std::string MatchTitle(const Match& match);

// The computer's choice at the toss: 2 (bowl) where the climate's damp (its
// last value) reaches its third weather threshold, else 1 (bat).
int32_t ComputerTossChoice(int32_t climateId);

// Match clock arithmetic; hours wrap and a clock past midnight moves on a day.
void AddClockSeconds(GameDate& clock, int seconds);
void AddClockMinutes(GameDate& clock, int minutes);

// Creates the match of a fixture, writes its id into the fixture and appends
// it to the current matches.
void CreateMatchForFixture(int32_t fixtureId);

}  // namespace ravel
