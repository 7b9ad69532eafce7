// A step of the day from the live match view: the user's match, its flags
// raised as pop-ups, then every other match as far in match time.
#include <algorithm>

#include "match/Match.h"
#include "match/MatchDay.h"
#include "match/MatchServices.h"
#include "screens/match/Infobox.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewPlay.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

MatchViewUi& Ui() {
    return MatchView().m_ui;
}

constexpr int MILESTONE_STEP = 50;
constexpr int LAST_BATTING_MILESTONE = 500;

// The breaks and the decisions of the innings, in the order they are raised.
struct EventBox {
    uint8_t Match::*flag;
    int32_t id;
};
constexpr EventBox EVENT_BOXES[] = {
    {&Match::mb_lunchMessage, INFOBOX_LUNCH},         {&Match::mb_teaMessage, INFOBOX_TEA},
    {&Match::mb_closeMessage, INFOBOX_CLOSE_OF_PLAY}, {&Match::mb_followOnEnforced, INFOBOX_FOLLOW_ON},
    {&Match::mb_declared, INFOBOX_DECLARED},
};

// The interruption words and their pop-ups: rain, then bad light, each off,
// inspection, back on.
constexpr int32_t FIRST_INTERRUPTION = INFO_RAIN_STOPS_PLAY;
constexpr int INTERRUPTIONS = 6;

struct BowlerChange {
    int32_t decision;
    bool endOne;
    int32_t kind;
};
constexpr BowlerChange BOWLER_CHANGES[] = {
    {DECISION_BOWLER1_TIRED, true, BOWLER_CHANGE_WORN_OUT},
    {DECISION_BOWLER2_TIRED, false, BOWLER_CHANGE_WORN_OUT},
    {DECISION_BOWLER1_LIMIT, true, BOWLER_CHANGE_OVER_LIMIT},
    {DECISION_BOWLER2_LIMIT, false, BOWLER_CHANGE_OVER_LIMIT},
};

void Disable(CControl* control) {
    control->Disable();
}

void RaiseBowlerChange(const Match& match, int32_t decision) {
    for (const BowlerChange& c : BOWLER_CHANGES) {
        if (c.decision != decision) continue;
        LaunchInfobox(INFOBOX_CHANGE_BOWLER, c.endOne ? match.mi_bowler1 : match.mi_bowler2, c.kind);
        MatchView().mv_bowlerSelectPending = 1;
    }
}

void RaisePartnershipMilestones(Match& match) {
    Innings& innings = match.CurrentInnings();
    const int index = std::min(innings.Wickets(), SQUAD_SIZE - 1);
    Partnership& p = innings.m_partnerships[index];
    for (int k = 1; k <= PARTNERSHIP_STEPS; ++k) {
        if (!p.mb_reached[k - 1] || p.mi_viewMilestone != MILESTONE_STEP * (k - 1)) continue;
        p.mi_viewMilestone = MILESTONE_STEP * k;
        LaunchInfobox(INFOBOX_PARTNERSHIP, match.mi_currentInnings, index, p.mi_viewMilestone);
    }
}

// The striker first, then his partner; each milestone of 50 to 500 once.
void RaiseBattingMilestones(Match& match) {
    Innings& innings = match.CurrentInnings();
    const int partner = match.mi_striker == match.mi_batsman1 ? match.mi_batsman2 : match.mi_batsman1;
    for (int position : {match.mi_striker, partner}) {
        if (position < 0 || position >= SQUAD_SIZE) continue;
        BatsmanFigures& b = innings.m_batsmen[position];
        if (b.mi_viewMilestone > LAST_BATTING_MILESTONE || BatsmanRuns(b) < b.mi_viewMilestone) continue;
        b.mi_viewMilestone += MILESTONE_STEP;
        LaunchInfobox(INFOBOX_BATTING_MILESTONE, match.mi_currentInnings, position);
    }
}

void RaiseNewBall(Match& match) {
    if (match.mb_newBallTaken) {
        match.mb_newBallTaken = 0;
        LaunchInfobox(INFOBOX_NEW_BALL_TAKEN);
    }
    if (match.mb_newBallAvailable && !Ui().newBall->mb_visible) {
        LaunchInfobox(INFOBOX_NEW_BALL_AVAILABLE);
        Ui().newBall->mb_visible = 1;
    }
}

void RaiseInterruption(Match& match) {
    const int32_t word = match.mi_infoBox;
    if (word >= FIRST_INTERRUPTION && word < FIRST_INTERRUPTION + INTERRUPTIONS)
        LaunchInfobox(INFOBOX_RAIN_OFF + (word - FIRST_INTERRUPTION));
    match.mi_infoBox = 0;
}

// Reported against the innings it fell in, which a wicket that ended an
// innings has left; his side's next batsman is the user's to choose.
void RaiseFallOfWicket(Match& match) {
    if (!match.mb_fallOfWicket) return;
    match.mb_fallOfWicket = 0;
    LaunchInfobox(INFOBOX_FALL_OF_WICKET, match.mi_lastOutInnings, match.mi_lastOut);
    const bool batsHuman = match.SideIsHuman(match.CurrentInnings().mi_battingTeam);
    if (match.mi_playState != PLAY_MATCH_OVER && batsHuman && match.NextBatsmanToChoose())
        MatchView().mv_batsmanSelectPending = 1;
}

// A stopped match leaves Continue as the only way on.
void OfferContinue() {
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Disable(Ui().aggressionDown[r]);
        Disable(Ui().aggressionUp[r]);
    }
    for (CButton* b : {Ui().ball, Ui().over, Ui().mainScreen, Ui().bowler, Ui().declare}) Disable(b);
    Ui().mainScreen->mb_visible = 0;
    Ui().continueButton->mb_visible = 1;
    Ui().continueButton->mb_disabled = 0;
}

}  // namespace

bool MatchStopped(const Match& match) {
    const int32_t state = match.mi_playState;
    return state == PLAY_INNINGS_BREAK || state == PLAY_MATCH_OVER || state == PLAY_CLOSE;
}

void SettleStoppedControls(const Match& match) {
    if (MatchStopped(match)) OfferContinue();
}

void StepUserMatch() {
    Match* user = UserMatch();
    if (!user || !Ui().ball) return;
    Match& match = *user;
    if (match.CurrentSession().mi_balls == 0 && !MatchView().m_kept.mv_startingBowlersShown) {
        LaunchInfobox(INFOBOX_STARTING_BOWLERS);
        MatchView().m_kept.mv_startingBowlersShown = 1;
        return;
    }
    if (match.mi_playState != PLAY_MATCH_OVER && match.mi_decision != DECISION_INFOBOX) {
        if (!match.mb_dayStarted) match.Step();
        match.Step();
    }
    // Read before the pop-ups below pause the match.
    const int32_t decision = match.mi_decision;

    if (match.mi_playState != PLAY_MATCH_OVER) {
        MatchView().m_kept.mv_matchCompletedShown = 0;
    } else if (!MatchView().m_kept.mv_matchCompletedShown) {
        MatchView().m_kept.mv_matchCompletedShown = 1;
        LaunchInfobox(INFOBOX_MATCH_COMPLETED);
    }
    for (const EventBox& e : EVENT_BOXES) {
        if (!(match.*e.flag)) continue;
        match.*e.flag = 0;
        LaunchInfobox(e.id);
    }
    RaiseBowlerChange(match, decision);
    if (match.mb_fieldRestrictions) {
        match.mb_fieldRestrictions = 0;
        LaunchInfobox(INFOBOX_FIELD_RESTRICTIONS);
    }
    RaisePartnershipMilestones(match);
    RaiseBattingMilestones(match);
    RaiseNewBall(match);
    RaiseInterruption(match);
    RaiseFallOfWicket(match);
    if (match.mb_followOnQuestion) {
        match.mb_followOnQuestion = 0;
        Ui().followOn.window->mb_visible = 1;
    }
    UpdateMatchControls(false);
    SettleStoppedControls(match);
}

void ContinueOver() {
    CMatchViewScreen& view = MatchView();
    Match* match = UserMatch();
    if (!view.mv_overUnderWay || !match || !Ui().ball) return;
    const bool held =
        MatchStopped(*match) || match->mi_decision != DECISION_NONE || !view.mv_infoboxes.empty();
    if (held || match->AtOverStart()) {
        view.mv_overUnderWay = 0;
        return;
    }
    AdvanceMatches();
}

void AdvanceMatches() {
    Match* match = UserMatch();
    if (!match || !Ui().ball) return;
    Ui().ball->m_state = STATE_NORMAL;
    MatchView().mv_viewInnings = Match::InningsIndex(match->mi_currentInnings);
    g_sliceBudget = 0;
    StepUserMatch();
    StepComputerMatches(MatchView().m_kept.mv_infoTab == TAB_OTHER_SCORES);
    if (match->mi_decision == DECISION_INFOBOX) match->mi_decision = DECISION_NONE;

    const bool stopped = MatchStopped(*match);
    if (stopped) {
        for (CButton* b : {Ui().ball, Ui().declare, Ui().bowler}) Disable(b);
        if (match->mi_playState == PLAY_INNINGS_BREAK) Ui().newBall->mb_visible = 0;
        auto& w = Ui().playerWindow;
        for (int k = 0; k < 2; ++k) {
            for (CButton* b : {w.planDown[k], w.planUp[k], w.edit[k]}) Disable(b);
        }
    }
    if (match->CurrentInnings().mi_legalBalls % 6 == 0 && !stopped)
        Ui().bowler->mb_disabled = 0;
    else
        Disable(Ui().bowler);
}

}  // namespace ravel
