#include <algorithm>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "match/Tactics.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int RAIN_STEP_SECONDS = 240;
constexpr int CHECK_INTERVAL_MINUTES = 15;
constexpr int CLOSE_GRACE_MINUTES = 30;
constexpr int FREE_MINUTES_LOST = 60;  // lost before overs are taken off the day
constexpr int TEA_PUT_BACK_AFTER = 31;
constexpr int MINUTES_PER_DAY = 24 * 60;

const int RAIN_CHANCE[11] = {2, 4, 7, 10, 20, 30, 50, 80, 130, 200, 400};
const int RAIN_SPREAD[11] = {10, 14, 20, 35, 40, 45, 60, 80, 90, 110, 130};

int MinuteOfDay(const GameDate& time) {
    return time.m_hour * 60 + time.m_minute;
}

bool IsBowlerDecision(int32_t decision) {
    return decision == DECISION_BOWLER1_LIMIT || decision == DECISION_BOWLER2_LIMIT ||
           decision == DECISION_BOWLER1_TIRED || decision == DECISION_BOWLER2_TIRED;
}

}  // namespace

namespace {

// The usual ball moves a clock that reads true on by at most a minute within
// the hour: no day, hour or division to work out. False, the clock as it
// was, for any other.
inline bool AddSecondsWithinHour(GameDate& clock, int seconds) {
    const int total = clock.m_second + seconds;
    const int minute = total >= 60 ? 1 : 0;
    if ((seconds | clock.m_second) < 0 || total >= 120 || static_cast<uint32_t>(clock.m_hour) >= 24u ||
        static_cast<uint32_t>(clock.m_minute) >= static_cast<uint32_t>(60 - minute))
        return false;
    clock.m_minute += minute;
    clock.m_second = total - 60 * minute;
    return true;
}

// The match clock moves on by a ball's seconds, the usual case in line.
inline void MoveClock(GameDate& clock, int seconds) {
    if (!AddSecondsWithinHour(clock, seconds)) AddClockSeconds(clock, seconds);
}

}  // namespace

void AddClockSeconds(GameDate& clock, int seconds) {
    if (AddSecondsWithinHour(clock, seconds)) return;
    int total = clock.m_second + seconds;
    int minutes = total / 60;
    clock.m_second = total % 60;
    if (clock.m_second < 0) {
        clock.m_second += 60;
        --minutes;
    }
    AddClockMinutes(clock, minutes);
}

void AddClockMinutes(GameDate& clock, int minutes) {
    int total = MinuteOfDay(clock) + minutes;
    int days = total / MINUTES_PER_DAY;
    total %= MINUTES_PER_DAY;
    if (total < 0) {
        total += MINUTES_PER_DAY;
        --days;
    }
    clock.m_hour = total / 60;
    clock.m_minute = total % 60;
    // Play never runs back over midnight; a clock that runs past it moves on a day.
    for (int i = 0; i < days; ++i) clock.NextDay();
}

void Match::SetCheckTime() {
    int minute = m_clock.m_minute + CHECK_INTERVAL_MINUTES;
    if (minute < 60) {
        mi_checkMinute = minute;
        mi_checkHour = m_clock.m_hour;
    } else {
        mi_checkMinute = CHECK_INTERVAL_MINUTES;
        mi_checkHour = (m_clock.m_hour + 1) % 24;
    }
}

bool Match::CheckTimeReached() const {
    return MinuteOfDay(m_clock) >= mi_checkHour * 60 + mi_checkMinute;
}

void Match::StartDay() {
    mi_dayFirstScript = static_cast<int32_t>(mv_animScripts.size());
    if (!IsFirstClass()) {
        mi_minutesLost = 0;
        mb_teaPutBack = 0;
        mb_dayStarted = 1;
        return;
    }
    m_clock.m_hour = m_rules.m_times[TIME_START].m_hour;
    m_clock.m_minute = m_rules.m_times[TIME_START].m_minute;
    m_clock.m_second = 0;
    mi_oversLeftToday = m_rules.m_oversForDay;
    if (m_clock.m_day != g_cricket.m_date.m_day) {
        ++mi_dayIndex;
        m_clock.NextDay();
        ++mi_sessionNumber;
        RestOvernight();
    }
    UpdatePitch(PITCH_OVERNIGHT);
    mf_rainLevel = 0.0f;
    const Climate* climate = ClimateById(mi_climate);
    if (climate && !climate->mv_outlook.empty()) mi_weatherRoll = climate->mv_outlook.front();
    mi_condition = CONDITION_PLAY;
    mi_infoBox = 0;
    mi_minutesLost = 0;
    mb_teaPutBack = 0;
    mb_dayStarted = 1;
}

void Match::Step() {
    if (mi_resultKind != RESULT_NONE) {
        // A decided match never plays on, whatever a caller set its state to.
        mi_playState = PLAY_MATCH_OVER;
        return;
    }
    if (!mb_dayStarted) {
        // After close of play the next day starts only when the day machine
        // has put the match back in play; stepping it again tonight changes nothing.
        if (mi_playState != PLAY_CLOSE) StartDay();
        return;
    }
    if (mi_battingFirst == 0) {
        // Nobody tossed (a human side's match played without the pre-match
        // screen): toss now rather than send in a side that does not exist.
        if (mi_tossChoice < 1) mi_tossChoice = ComputerTossChoice(mi_climate);
        DecideToss();
    }

    if (IsBowlerDecision(mi_decision) && BowlerMustChange() == 0) mi_decision = DECISION_NONE;
    if (mb_wait && FieldRestrictionsMet()) mb_wait = 0;
    if (mi_decision == DECISION_NONE && !mb_wait) {
        Innings& innings = CurrentInnings();
        if (!IsFirstClass() && SideIsHuman(innings.mi_bowlingTeam) && !FieldRestrictionsMet()) mb_wait = 1;
        if (innings.mi_legalBalls == 0) {
            if (!SideIsHuman(innings.mi_bowlingTeam) && mi_extrasThisOver == 0) ChooseNextBowler();
            innings.mb_started = 1;
        }
    }

    if (mi_playState == PLAY_SLICE_USED || mi_playState == PLAY_INNINGS_BREAK) {
        if (mi_breakCounter > 0) {
            mi_breakCounter -= g_sliceBudget;
        } else {
            mi_playState = PLAY_IN_PLAY;
        }
    }
    if (mi_playState == PLAY_LUNCH || mi_playState == PLAY_TEA) {
        NextSession();
        mi_playState = PLAY_IN_PLAY;
    }
    AskHumanForBowler();
    if (mi_playState != PLAY_IN_PLAY || mb_followOnOpen) return;

    while (mi_playState == PLAY_IN_PLAY && mi_decision == DECISION_NONE && !mb_wait) {
        PlayPass();
    }
}

void Match::PlayPass() {
    const bool firstClass = IsFirstClass();  // the match type holds for the whole pass
    bool interrupted = mi_condition != CONDITION_PLAY;
    bool ballPlayed = false;
    bool humanWicket = false;
    if (interrupted) {
        AddClockSeconds(m_clock, RAIN_STEP_SECONDS);
        mi_minutesLost += RAIN_STEP_SECONDS / 60;
        mi_stoppageMinutes += RAIN_STEP_SECONDS / 60;
        if (mi_minutesLost > FREE_MINUTES_LOST) {
            --mi_oversLeftToday;
            ++mi_stoppageOvers;
        }
        if ((mi_session == 1 || mi_session == 2) && !mb_teaPutBack && mi_minutesLost >= TEA_PUT_BACK_AFTER) {
            mb_teaPutBack = 1;
            AddClockMinutes(m_rules.m_times[TIME_TEA], 30);
            AddClockMinutes(m_rules.m_times[TIME_TEA_END], 30);
        }
        if (CheckTimeReached()) {
            if (mi_condition == CONDITION_RAIN) {
                if (mf_rainLevel <= 0.0f) mi_condition = CONDITION_RAIN_STOPPED;
                SetCheckTime();
            } else if (mi_condition == CONDITION_RAIN_STOPPED) {
                if (HasHumanSide()) {
                    mi_infoBox = INFO_PLAY_RESUMES;
                    g_lostMinutes = mi_stoppageMinutes;
                    g_lostOvers = mi_stoppageOvers;
                }
                mb_resumed = 1;
                mi_condition = CONDITION_PLAY;
                mf_rainLevel = 0.0f;
            }
        }
    } else {
        mi_stoppageMinutes = 0;
        mi_stoppageOvers = 0;
        if (mf_rainLevel > 0.5f) {
            mi_condition = CONDITION_RAIN;
            if (HasHumanSide()) mi_infoBox = INFO_RAIN_STOPS_PLAY;
            SetCheckTime();
            interrupted = true;
        } else {
            const Innings& innings = CurrentInnings();
            const int32_t wicketsBefore = innings.Wickets();
            if (m_ballHook) {
                m_ballHook(*this);
            } else {
                PlayBall();
            }
            UpdateSituation();
            ballPlayed = true;
            humanWicket = innings.Wickets() > wicketsBefore && SideIsHuman(innings.mi_battingTeam);
        }
    }

    if (mi_decision == DECISION_NONE && firstClass) RainModel();
    EndOfInningsChecks();

    bool overTestPassed = false;
    if (!mb_sliced) {
        MoveClock(m_clock, mi_secondsUsed);
        mi_secondsUsed = 0;
    } else if (!HasHumanSide()) {
        if (mi_secondsUsed >= g_sliceBudget) {
            mi_breakCounter = g_sliceBudget - mi_secondsUsed;
            MoveClock(m_clock, mi_secondsUsed);
            mi_secondsUsed = 0;
            if (mi_playState == PLAY_IN_PLAY) mi_playState = PLAY_SLICE_USED;
            overTestPassed = true;
        }
    } else {
        // The user's step leaves the seconds it used as the budget for the
        // other matches; the clock keeps pace ball by ball.
        g_sliceBudget += mi_secondsUsed;
        MoveClock(m_clock, mi_secondsUsed);
        mi_secondsUsed = 0;
    }

    if (mi_playState != PLAY_MATCH_OVER && firstClass) {
        bool overEnd = CurrentInnings().mi_legalBalls % 6 == 0 && mi_extrasThisOver == 0;
        if (overEnd || overTestPassed || mi_playState != PLAY_IN_PLAY || interrupted) CheckSessionEnds();
    }
    if (!firstClass && mi_condition != CONDITION_PLAY && m_clock.m_hour >= 23) {
        DecideAbandonedLimitedOvers();
    }
    if (mi_playState == PLAY_CLOSE && firstClass) {
        if (mi_dayIndex + 1 >= mi_length) {
            DecideLastDay();
        } else {
            AddEvent(MATCH_EVENT_DAY_START, -1, {mi_dayIndex + 2});
            NextSession();
        }
    }
    if (mi_playState == PLAY_MATCH_OVER) {
        UpdateSituation();
        if (!firstClass) StoreRunRateFigures();
    }
    // After the rain model and the breaks, which a pause must not hold up.
    if (ballPlayed && HasHumanSide()) PauseAfterBall(humanWicket);
}

void Match::PauseAfterBall(bool humanWicket) {
    if (mi_decision != DECISION_NONE) return;
    if (!mb_completeOver || AtOverStart() || humanWicket) mi_decision = DECISION_INFOBOX;
}

void Match::CheckSessionEnds() {
    int now = MinuteOfDay(m_clock);
    int lunch = MinuteOfDay(m_rules.m_times[TIME_LUNCH]);
    int tea = MinuteOfDay(m_rules.m_times[TIME_TEA]);
    int close = MinuteOfDay(m_rules.m_times[TIME_CLOSE]);

    // A break is due from its time until the next one's, so a clock that
    // jumps over the exact hour still finds it.
    bool lunchDue = mi_session == 0 && now >= lunch && now < tea;
    bool teaDue = mi_session != 2 && now >= tea && now < close;
    if (lunchDue || teaDue) {
        if (!mb_breakPending) {
            mb_breakPending = 1;
        } else {
            mb_breakPending = 0;
            mi_session = lunchDue ? 1 : 2;
            mi_playState = lunchDue ? PLAY_LUNCH : PLAY_TEA;
            LogBreak(lunchDue ? BREAK_LUNCH : BREAK_TEA);
            if (HasHumanSide()) (lunchDue ? mb_lunchMessage : mb_teaMessage) = 1;
        }
        return;
    }

    if (now >= close && mi_session != 0) {
        if (mi_oversLeftToday < 1 || now > close + CLOSE_GRACE_MINUTES) CloseOfPlay();
    } else if (now >= close + CLOSE_GRACE_MINUTES) {
        // A day that never reached its breaks still closes.
        CloseOfPlay();
    }
}

void Match::CloseOfPlay() {
    mi_session = 0;
    mb_breakPending = 0;
    if (HasHumanSide()) mb_closeMessage = 1;
    LogBreak(BREAK_CLOSE);
    mi_playState = PLAY_CLOSE;
}

void Match::LogBreak(int32_t kind) {
    const Innings& innings = CurrentInnings();
    const BatsmanFigures& one = innings.m_batsmen[SquadSlot(mi_batsman1)];
    const BatsmanFigures& two = innings.m_batsmen[SquadSlot(mi_batsman2)];
    AddEvent(MATCH_EVENT_BREAK, mi_currentInnings,
             {innings.mi_battingTeam, InningsTotal(innings), innings.Wickets(), innings.Overs(),
              innings.BallsOfOver(), one.mi_player, BatsmanRuns(one), two.mi_player, BatsmanRuns(two), kind});
}

void Match::NextSession() {
    if (mi_playState == PLAY_MATCH_OVER) return;
    if (mi_session == 1 || mi_session == 2) {
        bool lunch = mi_session == 1;
        const GameDate& end = m_rules.m_times[lunch ? TIME_LUNCH_END : TIME_TEA_END];
        m_clock.m_hour = end.m_hour;
        m_clock.m_minute = end.m_minute;
        m_clock.m_second = 0;
        UpdatePitch(lunch ? PITCH_AFTER_LUNCH : PITCH_AFTER_TEA);
        RestDuringBreak();
        ++mi_sessionNumber;
        return;
    }
    LoadDayRules(mi_dayIndex + 1);
    mi_secondsUsed = 0;
    mi_breakCounter = 0;
    mb_dayStarted = 0;
}

void Match::RainModel() {
    if (!IsFirstClass()) return;
    if (mf_rainLevel > 0.0f) {
        mf_rainLevel -= 1.0f;
        return;
    }
    mf_rainLevel = 0.0f;
    // The class changes with the month, not with the ball; months out of
    // range all have class 0.
    const int rainKey = mi_climate * 16 + std::clamp(m_clock.m_month, 0, 13);
    if (rainKey != mi_rainKey) {
        mi_rainKey = rainKey;
        mi_rainClass = RainClass(ClimateById(mi_climate), m_clock.m_month);
    }
    if (Rand() % 10000 < RAIN_CHANCE[mi_rainClass] && Rand() % 6 == 2) {
        mf_rainLevel = static_cast<float>(5 + Rand() % RAIN_SPREAD[mi_rainClass]);
    }
}

int32_t Match::ProgressPercent() const {
    if (!IsFirstClass()) {
        int32_t balls = mi_length * 6;
        return balls > 0 ? CurrentInnings().mi_legalBalls * 100 / balls : 0;
    }
    int32_t days = std::max(mi_length, 1);
    int32_t overs = m_rules.m_oversForDay;
    int32_t progress = mi_dayIndex * (100 / days);
    if (overs > 0) progress += (overs - mi_oversLeftToday) * (100 / days) / overs;
    return progress;
}

bool Match::FieldRestrictionsMet() const {
    if (ProgressPercent() >= 30) return true;
    const Innings& innings = CurrentInnings();
    const MatchTeam& fielding = SideOf(innings.mi_bowlingTeam);
    const MatchPlayer& bowler = fielding.m_players[SquadSlot(mi_bowler)];
    const auto& plans = BowlPlanTable(bowler);
    auto allowed = [&plans](int32_t plan) {
        return plan >= 0 && plan < static_cast<int32_t>(plans.size()) && plans[plan].m_manyInField == 1;
    };
    return allowed(bowler.BowlPlanFor(mi_batsman1)) && allowed(bowler.BowlPlanFor(mi_batsman2));
}

}  // namespace ravel
