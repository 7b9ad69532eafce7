#include <algorithm>

#include "match/Match.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr float TIRED_ENERGY = 35.0f;
constexpr float CHANGE_ENERGY = 45.0f;
constexpr float RECOVERY_PER_OVER = 0.6f;
constexpr float BATTING_COST_PER_OVER = 0.25f;
constexpr float BREAK_RECOVERY = 15.0f;
constexpr int ALL_OUT = 10;

// Energy a bowler spends on an over, by bowling type: the quicker, the more.
float OverCost(int32_t bowlType) {
    static const float cost[] = {2.0f, 3.0f, 2.6f, 2.2f, 1.8f, 1.0f, 1.0f};
    return bowlType >= 0 && bowlType <= 6 ? cost[bowlType] : 2.0f;
}

const Player* PlayerOf(const MatchTeam& team, int32_t slot) {
    return PlayerById(team.m_players[SquadSlot(slot)].mi_player);
}

}  // namespace

int32_t Match::OverLimit() const {
    return m_rules.m_maxOversPerBowler;
}

bool Match::AtOverStart() const {
    const Innings& innings = CurrentInnings();
    return innings.mi_legalBalls % 6 == 0 && mi_extrasThisOver == 0;
}

bool Match::MayBowl(int32_t slot) const {
    if (slot < 0 || slot >= SQUAD_SIZE) return false;
    const Innings& innings = CurrentInnings();
    const MatchTeam& fielding = SideOf(innings.mi_bowlingTeam);
    if (slot == fielding.KeeperSlot(mi_currentInnings)) return false;
    if (slot == mi_lastBowler) return false;
    int32_t limit = OverLimit();
    return limit <= 0 || innings.m_bowlers[slot].mi_balls < limit * 6;
}

int Match::BowlerMustChange() const {
    if (!AtOverStart()) return 0;
    if (!MayBowl(mi_bowler)) return 1;
    const MatchTeam& fielding = SideOf(CurrentInnings().mi_bowlingTeam);
    // A side that leaves its bowler on is asked when a captain would rest him.
    return fielding.m_players[mi_bowler].mf_energy < TIRED_ENERGY || SpellOver(mi_bowler) ? 2 : 0;
}

bool Match::SpellOver(int32_t slot) const {
    const Innings& innings = CurrentInnings();
    if (innings.mi_legalBalls == 0 || slot < 0 || slot >= SQUAD_SIZE) return false;
    const BowlerFigures& figures = innings.m_bowlers[slot];
    const Player* player = PlayerOf(SideOf(innings.mi_bowlingTeam), slot);
    const bool spinner = player && IsSpin(player->m_bowlType);
    const int spellOvers = IsFirstClass() ? (spinner ? 15 : 7) : (spinner ? 8 : 5);
    if (figures.mi_spellBalls >= spellOvers * 6) return true;
    // An expensive spell is cut short.
    return figures.mi_spellBalls >= 18 && figures.mi_spellRuns * 6 > figures.mi_spellBalls * 7;
}

void Match::AskHumanSideForBowler() {
    if (!SideIsHuman(CurrentInnings().mi_bowlingTeam) || mi_decision != DECISION_NONE) return;
    int change = BowlerMustChange();
    bool endOne = mi_bowler == mi_bowler1;
    if (change == 1) mi_decision = endOne ? DECISION_BOWLER1_LIMIT : DECISION_BOWLER2_LIMIT;
    if (change == 2) mi_decision = endOne ? DECISION_BOWLER1_TIRED : DECISION_BOWLER2_TIRED;
}

void Match::ChooseNextBowler() {
    Innings& innings = CurrentInnings();
    const MatchTeam& fielding = SideOf(innings.mi_bowlingTeam);
    auto score = [&](int32_t slot) {
        const Player* player = PlayerOf(fielding, slot);
        if (!player) return 0.0f;
        float skill = player->m_bowlSkill[0] * 0.6f + player->m_bowlSkill[1] * 0.2f +
                      player->m_bowlSkill[3] * 0.2f + player->m_bowlForm * 0.5f;
        if (player->m_bowlType == 0) skill *= 0.3f;
        if (IsSpin(player->m_bowlType)) {
            skill *= 0.75f + mf_turn * 0.05f + mf_pitchWear * 0.03f;
        } else if (mf_ballValue > 70.0f) {
            skill *= 1.15f;
        }
        return skill * (0.5f + fielding.m_players[slot].mf_energy / 200.0f);
    };

    const bool keep = MayBowl(mi_bowler) && fielding.m_players[mi_bowler].mf_energy >= CHANGE_ENERGY &&
                      !SpellOver(mi_bowler);
    if (keep) return;

    int32_t best = -1;
    float bestScore = -1.0f;
    for (int32_t slot = 0; slot < SQUAD_SIZE; ++slot) {
        if (!MayBowl(slot) || slot == mi_bowler) continue;
        float value = score(slot);
        if (value > bestScore) {
            bestScore = value;
            best = slot;
        }
    }
    // Nobody else may bowl: the current bowler carries on if the laws allow.
    if (best < 0) {
        if (MayBowl(mi_bowler)) return;
        for (int32_t slot = 0; slot < SQUAD_SIZE && best < 0; ++slot) {
            if (slot != mi_lastBowler && slot != fielding.KeeperSlot(mi_currentInnings)) best = slot;
        }
    }
    SetBowler(best);
}

bool Match::SetBowler(int32_t slot) {
    if (!AtOverStart() || !MayBowl(slot)) return false;
    Innings& innings = CurrentInnings();
    // A bowler kept on at the end of his spell starts another.
    if (slot != mi_bowler || SpellOver(slot)) {
        BowlerFigures& figures = innings.m_bowlers[slot];
        figures.mi_spellBalls = 0;
        figures.mi_spellRuns = 0;
        figures.mi_spellWickets = 0;
        figures.mi_spellMaidens = 0;
    }
    mi_bowler = slot;
    (mb_endOne ? mi_bowler1 : mi_bowler2) = slot;
    return true;
}

int Match::WaitingBatsman() const {
    const Innings& innings = CurrentInnings();
    const int waiting = innings.Wickets() + 1;
    if (innings.Wickets() < 1 || waiting >= SQUAD_SIZE) return -1;
    if (waiting != mi_batsman1 && waiting != mi_batsman2) return -1;
    const BatsmanFigures& in = innings.m_batsmen[waiting];
    return in.mi_howOut == HOWOUT_BATTING && in.Balls() == 0 ? waiting : -1;
}

bool Match::NextBatsmanToChoose() const {
    if (WaitingBatsman() < 0) return false;
    const auto& batsmen = CurrentInnings().m_batsmen;
    return std::any_of(batsmen.begin(), batsmen.end(),
                       [](const BatsmanFigures& b) { return b.mi_howOut == HOWOUT_DID_NOT_BAT; });
}

bool Match::SwapNextBatsman(int position) {
    Innings& innings = CurrentInnings();
    const int waiting = WaitingBatsman();
    if (waiting < 0 || position < 0 || position >= SQUAD_SIZE) return false;
    if (position == waiting) return true;  // the man due in anyway
    if (innings.m_batsmen[position].mi_howOut != HOWOUT_DID_NOT_BAT) return false;
    BatsmanFigures& in = innings.m_batsmen[waiting];
    const int32_t replaced = in.mi_player;
    innings.SwapBatsmen(waiting, position);
    Partnership& partnership = innings.m_partnerships[waiting - 1];
    for (int32_t& player : partnership.mi_player) {
        if (player == replaced) player = in.mi_player;
    }
    return true;
}

void Match::UpdateSituation() {
    Innings& innings = CurrentInnings();
    if (mi_bowler != innings.mi_orderedBowler && innings.m_bowlers[SquadSlot(mi_bowler)].mi_balls > 0) {
        for (int32_t& entry : innings.mi_bowlingOrder) {
            if (entry < 0) entry = mi_bowler;
            if (entry == mi_bowler) {
                innings.mi_orderedBowler = static_cast<int8_t>(mi_bowler);
                break;
            }
        }
    }
    if (innings.mi_legalBalls > 0 && innings.mi_legalBalls % 6 == 0 &&
        innings.mi_legalBalls != mi_overBalls) {
        EndOfOver();
    }
}

std::array<int32_t, 3> Match::Situation() const {
    const int32_t progress = ProgressPercent();
    const double required = mi_currentInnings == 1 ? RequiredRunRate() : 0.0;
    return {progress < 20 ? 0 : (progress < 80 ? 1 : 2),
            required <= 0.0 ? 0 : (required < 6.0 ? 1 : (required < 9.0 ? 2 : 3)),
            CurrentInnings().Wickets()};
}

void Match::EndOfOver() {
    Innings& innings = CurrentInnings();
    MatchTeam& fielding = SideOf(innings.mi_bowlingTeam);
    MatchTeam& batting = SideOf(innings.mi_battingTeam);
    mi_overBalls = innings.mi_legalBalls;

    BowlerFigures& bowler = innings.m_bowlers[SquadSlot(mi_bowler)];
    OverRecord over;
    over.mi_total = InningsTotal(innings);
    over.mi_runs = over.mi_total - mi_overStartTotal;
    over.mi_wickets = innings.Wickets() - mi_overStartWickets;
    over.mi_bowler = mi_bowler;
    innings.mv_overs.push_back(over);
    if (bowler.mi_runs == mi_overStartBowlerRuns) {
        ++bowler.mi_maidens;
        ++bowler.mi_spellMaidens;
    }
    bowler.mi_overRuns = 0;
    mi_overStartTotal = over.mi_total;
    mi_overStartWickets = innings.Wickets();

    const Player* player = PlayerOf(fielding, mi_bowler);
    // The bowler tires; the rest of the side recover, all in one pass
    // before the bowler's own figure is put right.
    const bool bowlerInSide = mi_bowler >= 0 && mi_bowler < SQUAD_SIZE;
    const float bowlerEnergy = fielding.m_players[SquadSlot(mi_bowler)].mf_energy;
    for (MatchPlayer& fielder : fielding.m_players)
        fielder.mf_energy = std::max(0.0f, std::min(100.0f, fielder.mf_energy + RECOVERY_PER_OVER));
    if (bowlerInSide) {
        fielding.m_players[mi_bowler].mf_energy =
            std::max(0.0f, bowlerEnergy - OverCost(player ? player->m_bowlType : 0));
    }
    for (int32_t position : {mi_batsman1, mi_batsman2}) {
        MatchPlayer& batsman = batting.m_players[innings.mi_battingOrder[SquadSlot(position)]];
        batsman.mf_energy = std::max(0.0f, batsman.mf_energy - BATTING_COST_PER_OVER);
    }

    AgeBall(player && IsSpin(player->m_bowlType) ? 2 : 1);
    UpdatePitch(PITCH_OVER);
    int32_t newBallOvers = m_rules.m_newBallOvers;
    if (IsFirstClass() && newBallOvers > 0 && mi_ballCount >= newBallOvers && !mb_newBallOffered) {
        mb_newBallOffered = 1;
        if (SideIsHuman(innings.mi_bowlingTeam)) {
            mb_newBallAvailable = 1;
        } else {
            AnswerNewBall(true);
        }
    }
    if (IsFirstClass()) --mi_oversLeftToday;
    if (!IsFirstClass() && !mb_restrictionsOver && ProgressPercent() >= 30) {
        mb_restrictionsOver = 1;
        mb_fieldRestrictions = 1;
    }

    mi_extrasThisOver = 0;
    mi_lastBowler = mi_bowler;
    mb_endOne = !mb_endOne;
    mi_bowler = mb_endOne ? mi_bowler1 : mi_bowler2;
    mi_overStartBowlerRuns = innings.m_bowlers[SquadSlot(mi_bowler)].mi_runs;
    SwapStrike();
    if (SideIsHuman(innings.mi_bowlingTeam)) {
        // Without a pause after each ball the next over is checked here too.
        AskHumanForBowler();
    } else {
        ChooseNextBowler();
    }
}

int32_t Match::SideRuns(int32_t sideId) const {
    int32_t runs = 0;
    for (const Innings& innings : m_innings) {
        if (innings.mb_started && innings.mi_battingTeam == sideId) runs += InningsTotal(innings);
    }
    return runs;
}

int32_t Match::Target() const {
    return InningsTotal(CurrentInnings()) - BattingLead() + 1;
}

bool Match::ComputerShouldDeclare() const {
    const Innings& innings = CurrentInnings();
    int32_t total = InningsTotal(innings);
    int32_t lead = BattingLead();
    int32_t remaining = RemainingOvers();
    bool firstInningsOfSide = mi_currentInnings <= 1;
    if (firstInningsOfSide) {
        // A big total with time to bowl the other side out twice.
        int32_t enough = std::min(600, 150 * mi_length);
        return total >= enough && (mi_currentInnings == 0 || lead >= 100) && remaining >= 100;
    }
    if (lead <= 0 || remaining < 40) return false;
    // Set a target the other side must chase at nearly four an over, or one
    // beyond reach, while leaving time to bowl them out. With a series at
    // stake a Test captain sets a stiffer target than a county captain
    // playing for points: five an over, or a lead of 550.
    bool test = mi_matchType == FORMAT_TEST;
    int32_t rateTimesTen = test ? 50 : 38;
    int32_t beyondReach = test ? 550 : 450;
    return lead * 10 >= remaining * rateTimesTen || (lead >= beyondReach && remaining >= 60);
}

void Match::EndOfInningsChecks() {
    if (mi_playState == PLAY_MATCH_OVER || mi_resultKind != RESULT_NONE || mb_followOnOpen) return;
    Innings& innings = CurrentInnings();
    if (!innings.mb_started || innings.mb_closed) return;
    const bool lastInnings = IsLastInnings();
    if (lastInnings && BattingLead() > 0) {  // the target reached
        CloseInnings(0);
    } else if (innings.Wickets() >= ALL_OUT) {
        CloseInnings(INNINGS_ALL_OUT);
    } else if (!IsFirstClass()) {
        if (innings.mi_legalBalls >= mi_length * 6) CloseInnings(0);
    } else if (!lastInnings && AtOverStart() && innings.mi_legalBalls > 0 &&
               !SideIsHuman(innings.mi_battingTeam) && ComputerShouldDeclare()) {
        mb_declared = 1;
        CloseInnings(INNINGS_DECLARED);
    }
}

void Match::CloseInnings(int32_t status) {
    Innings& innings = CurrentInnings();
    innings.mb_closed = 1;
    if (status != 0) innings.mi_status = status;
    AddEvent(MATCH_EVENT_INNINGS_CLOSED, mi_currentInnings,
             {innings.mi_battingTeam, InningsTotal(innings), innings.Wickets(), innings.Overs(),
              innings.BallsOfOver(), status});
    AfterInnings();
}

void Match::AfterInnings() {
    int32_t t0 = InningsTotal(m_innings[0]);
    int32_t t1 = InningsTotal(m_innings[1]);
    if (!IsFirstClass()) {
        if (mi_currentInnings == 0) {
            StartInnings(1);
        } else {
            DecideLimitedOvers();
        }
        return;
    }
    bool followOn = mi_followOnState == INNINGS_FOLLOW_ON;
    switch (mi_currentInnings) {
        case 0:
            StartInnings(1);
            break;
        case 1:
            if (t0 - t1 >= mi_followOnMargin) {
                if (SideIsHuman(mi_battingFirst)) {
                    mi_decision = DECISION_FOLLOW_ON;
                    mb_followOnOpen = 1;
                    mb_followOnQuestion = 1;
                } else {
                    AnswerFollowOnFor(ComputerEnforcesFollowOn());
                }
            } else {
                StartInnings(2);
            }
            break;
        case 2:
            if (followOn) {
                DecideLastInnings();
            } else if (t0 + InningsTotal(m_innings[2]) < t1) {
                SetResult(mi_bowlingFirst, mi_battingFirst, RESULT_WON_BY_INNINGS,
                          t1 - t0 - InningsTotal(m_innings[2]));
            } else {
                StartInnings(3);
            }
            break;
        default:
            if (!followOn) {
                DecideLastInnings();
            } else if (t1 + InningsTotal(m_innings[3]) < t0) {
                SetResult(mi_battingFirst, mi_bowlingFirst, RESULT_WON_BY_INNINGS,
                          t0 - t1 - InningsTotal(m_innings[3]));
            } else {
                StartInnings(2);
            }
            break;
    }
}

bool Match::ComputerEnforcesFollowOn() {
    return RemainingOvers() < 150 || Rand() % 10 < 7;
}

void Match::AnswerForComputer() {
    if (mb_followOnOpen) AnswerFollowOnFor(ComputerEnforcesFollowOn());
    // The break between innings waits for the user's Continue, not the clock.
    if (mi_playState == PLAY_INNINGS_BREAK) mi_playState = PLAY_IN_PLAY;
    mb_wait = 0;
    mi_decision = DECISION_NONE;
    if (mb_newBallOffered) AnswerNewBall(true);  // as a computer captain would have
    if (BowlerMustChange() != 0) ChooseNextBowler();
}

void Match::AnswerFollowOnFor(bool enforce) {
    mi_decision = DECISION_NONE;
    mb_followOnOpen = 0;
    if (enforce) {
        mi_followOnState = INNINGS_FOLLOW_ON;
        mb_followOnEnforced = 1;
        StartInnings(3);
        m_innings[3].mi_status = INNINGS_FOLLOW_ON;
    } else {
        StartInnings(2);
    }
}

void Match::AnswerFollowOn(bool enforce) {
    // The match view may have moved the decision state on meanwhile; the open
    // question is what counts.
    if (!mb_followOnOpen) return;
    AnswerFollowOnFor(enforce);
}

void Match::AnswerNewBall(bool take) {
    // Taken, the offer ends; the next comes when this ball is as old.
    if (take) {
        NewBall();
        mb_newBallTaken = 1;
        mb_newBallOffered = 0;
    }
    mb_newBallAvailable = 0;
    if (mi_decision == DECISION_INFOBOX) mi_decision = DECISION_NONE;
}

bool Match::Declare() {
    if (!IsFirstClass() || mi_playState == PLAY_MATCH_OVER || mi_resultKind != RESULT_NONE) return false;
    const Innings& innings = CurrentInnings();
    if (!innings.mb_started || innings.mb_closed || IsLastInnings()) return false;
    CloseInnings(INNINGS_DECLARED);
    return true;
}

bool Match::MayDeclare() const {
    if (!IsFirstClass() || IsLastInnings()) return false;
    if (mi_currentInnings < 2) return true;
    // The third innings played: the side batting second bats it when it follows on.
    auto total = [this](int slot) { return InningsTotal(m_innings[slot]); };
    if (mi_followOnState == INNINGS_FOLLOW_ON) return total(1) + total(3) > total(0);
    return total(0) + total(2) > total(1);
}

double Match::RequiredRunRate() const {
    if (IsFirstClass()) return 0.0;
    const Innings& second = m_innings[1];
    int32_t balls = mi_length * 6;
    if (second.mi_legalBalls == balls) return 0.0;
    return static_cast<double>(InningsTotal(m_innings[0]) + 1 - InningsTotal(second)) /
           (balls - second.mi_legalBalls) * 6.0;
}

void Match::RestDuringBreak() {
    for (MatchTeam* team : {&m_team1, &m_team2}) {
        for (MatchPlayer& player : team->m_players)
            player.mf_energy = std::min(100.0f, player.mf_energy + BREAK_RECOVERY);
    }
}

void Match::RestOvernight() {
    for (MatchTeam* team : {&m_team1, &m_team2}) {
        for (MatchPlayer& player : team->m_players) {
            player.mf_energy = 100.0f;
            player.mf_startEnergy = 100.0f;
        }
    }
}

}  // namespace ravel
