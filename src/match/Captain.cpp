// The captains before each ball: the batting side's aggression for the
// situation, the field for the delivery, and the nightwatchman late in a day.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "match/Match.h"
#include "match/Tactics.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

struct BuiltInPlace {
    int bearing;  // as for a right-hander
    float distance;
};
// Fields used when the world has no usable field setting; to pace the
// slips and gully stand level with the keeper.
const BuiltInPlace PACE_FIELD[FIELD_FIGURES] = {{160, 61}, {152, 64},  {125, 71}, {92, 75},  {55, 115},
                                                {15, 125}, {345, 125}, {268, 78}, {205, 205}};
const BuiltInPlace SPIN_FIELD[FIELD_FIGURES] = {{165, 26},  {250, 20},  {92, 75},  {55, 105}, {12, 115},
                                                {348, 115}, {300, 100}, {265, 80}, {275, 215}};
const BuiltInPlace ONE_DAY_FIELD[FIELD_FIGURES] = {{150, 210}, {95, 80},  {55, 110},  {15, 120}, {345, 120},
                                                   {300, 110}, {260, 85}, {210, 210}, {315, 220}};

// Field positions are kept as places on the field editor's large ground
// picture: the striker at (393, 304), the bowler straight up the page, 4.5
// pixels a yard across and 3.41 down. They turn into a bearing and yards from
// the striker, and so into a place on the ground view, where the rope stands
// some 70 yards from the bat.
constexpr GroundPoint PICTURE_STRIKER = {393.0f, 304.0f};
constexpr float PICTURE_PIXELS_PER_YARD_X = 4.5f;
constexpr float PICTURE_PIXELS_PER_YARD_Y = 3.41f;
constexpr float GROUND_PIXELS_PER_YARD = BOUNDARY_RADIUS / 70.0f;
constexpr float FURTHEST_FIELDER = BOUNDARY_RADIUS - 8.0f;

bool PlaceFromEditor(const FieldPosition& fp, GroundPoint& at) {
    float dx = (static_cast<float>(fp.m_x) - PICTURE_STRIKER.x) / PICTURE_PIXELS_PER_YARD_X;
    float dy = (PICTURE_STRIKER.y - static_cast<float>(fp.m_y)) / PICTURE_PIXELS_PER_YARD_Y;
    float yards = std::hypot(dx, dy);
    if (yards < 1.0f) return false;
    double bearing = std::atan2(dx, dy) * 57.29577951308232;
    at = PointAtBearing(STRIKER_CREASE, bearing, std::min(yards * GROUND_PIXELS_PER_YARD, FURTHEST_FIELDER));
    return true;
}

// The places of a field setting (table position, -1 for none) with the
// built-in field standing in for positions it lacks, worked out once a match.
const PlacedField& PlaceField(BallState& b, int setupPos, const BuiltInPlace* builtIn) {
    const size_t index = static_cast<size_t>(setupPos + 1);
    if (b.mv_placedFields.size() <= index) b.mv_placedFields.resize(index + 1);
    PlacedField& placed = b.mv_placedFields[index];
    if (placed.mp_builtIn == builtIn) return placed;
    placed.mp_builtIn = builtIn;
    const FieldSetup* setup = setupPos >= 0 ? &g_world.mv_fieldSetups[setupPos] : nullptr;
    for (int n = 0; n < FIELD_FIGURES; ++n) {
        placed.mi_position[n] = -1;
        placed.m_at[n] = PointAtBearing(STRIKER_CREASE, builtIn[n].bearing, builtIn[n].distance);
        int p = setup ? setup->m_positions[n] : -1;
        if (p >= 0 && p < static_cast<int>(g_world.mv_fieldPositions.size()) &&
            PlaceFromEditor(g_world.mv_fieldPositions[p], placed.m_at[n])) {
            placed.mi_position[n] = p;
        }
        placed.mf_fromBat[n] = DistanceFromBat(placed.m_at[n]);
    }
    return placed;
}

GroundPoint Mirror(GroundPoint p) {
    return {2.0f * STRIKER_CREASE.x - p.x, p.y};
}

constexpr int ALL_OUT = 10;

// What a side's batting to come usually adds, by the wickets already down:
// the average first-class partnership for each wicket from there on.
constexpr int PARTNERSHIP_RUNS[ALL_OUT] = {36, 38, 40, 38, 34, 30, 24, 19, 14, 11};
// And so what the batting to come makes, by the wickets in hand.
constexpr auto BATTING_TO_COME = [] {
    std::array<int, ALL_OUT + 1> runs{};
    for (int inHand = 1; inHand <= ALL_OUT; ++inHand)
        runs[inHand] = runs[inHand - 1] + PARTNERSHIP_RUNS[ALL_OUT - inHand];
    return runs;
}();
// A chase is given up once it needs more than the batting to come makes on
// a good day.
constexpr float GOOD_DAY = 1.5f;
// The rate a chase is given up above: domestic sides chase on the last day
// what a Test side, with a series at stake, would not.
constexpr float TEST_REACH_RATE = 3.0f;
constexpr float DOMESTIC_REACH_RATE = 3.8f;
constexpr float FIRST_CLASS_AGGRESSION = 34.0f;
constexpr float BAT_OUT_TIME = 5.0f;
constexpr float GO_FOR_IT = 48.0f;
constexpr float QUICK_RUNS = 60.0f;
// Fewer overs than it takes to bowl a side out, and a lead the other side
// could chase at four an over.
constexpr int32_t SAVING_OVERS = 60;
constexpr int32_t CHASE_RATE = 4;

// The chase of a side batting last, by the rate it needs (up to 2 an over,
// up to 3, up to its reach, beyond) and its wickets in hand (7 or more, 5
// or 6, 3 or 4, 1 or 2): it plays to win while the runs are there for the
// batting it has left, and bats out time when they are not.
constexpr int CHASE_RATE_BANDS = 4;
constexpr int CHASE_WICKET_BANDS = 4;
constexpr float CHASE[CHASE_RATE_BANDS][CHASE_WICKET_BANDS] = {
    {44.0f, 42.0f, 36.0f, FIRST_CLASS_AGGRESSION},
    {48.0f, 44.0f, BAT_OUT_TIME, BAT_OUT_TIME},
    {54.0f, 46.0f, BAT_OUT_TIME, BAT_OUT_TIME},
    {BAT_OUT_TIME, BAT_OUT_TIME, BAT_OUT_TIME, BAT_OUT_TIME},
};
constexpr float STROLL_RATE = 2.0f;
constexpr float WINNING_RATE = 3.0f;
// More than a day and a half left is too long to bat out: play on.
constexpr int32_t LONGEST_BAT_OUT = 150;
// In the last hour a side with the wickets goes for a target within a
// one-day rate.
constexpr int32_t LAST_HOUR_OVERS = 20;
constexpr float LAST_HOUR_REACH = 6.0f;

int ChaseRateBand(float rate, float reachRate) {
    return rate <= STROLL_RATE ? 0 : rate <= WINNING_RATE ? 1 : rate <= reachRate ? 2 : 3;
}

int ChaseWicketBand(int32_t wicketsInHand) {
    return wicketsInHand >= 7 ? 0 : wicketsInHand >= 5 ? 1 : wicketsInHand >= 3 ? 2 : 3;
}

// A side in its second innings with the other side still to bat: it bats out
// time when the match can no longer be won, and hurries towards a declaration
// with a lead late in the match.
float SecondInningsAggression(int32_t lead, int32_t oversLeft, bool lastTwoDays) {
    // Too little time left to bowl the other side out: only a defeat is to be had.
    if (oversLeft <= SAVING_OVERS && lead < oversLeft * CHASE_RATE) return BAT_OUT_TIME;
    if (lastTwoDays && lead > 150) return QUICK_RUNS;  // before a declaration
    return FIRST_CLASS_AGGRESSION;
}

}  // namespace

LastInningsPlan PlanLastInnings(int32_t runsNeeded, int32_t oversLeft, int32_t wicketsInHand, bool testMatch,
                                bool saving) {
    const int32_t inHand = std::clamp(wicketsInHand, 0, ALL_OUT);
    const int batting = BATTING_TO_COME[inHand];
    const float rate = static_cast<float>(runsNeeded) / static_cast<float>(std::max(oversLeft, 1));
    const float reachRate = testMatch ? TEST_REACH_RATE : DOMESTIC_REACH_RATE;
    const bool batsOut = static_cast<float>(runsNeeded) > batting * GOOD_DAY;
    int band = batsOut ? CHASE_RATE_BANDS - 1 : ChaseRateBand(rate, reachRate);
    // A side that has shut up shop opens up again only for a stroll.
    if (saving && band > 0) band = CHASE_RATE_BANDS - 1;
    LastInningsPlan plan;
    plan.mf_aggression = CHASE[band][ChaseWicketBand(inHand)];
    if (oversLeft <= LAST_HOUR_OVERS && inHand >= 3 && rate > WINNING_RATE && rate <= LAST_HOUR_REACH)
        plan.mf_aggression = GO_FOR_IT + (rate - WINNING_RATE) * 6.0f;
    else if (plan.mf_aggression == BAT_OUT_TIME && oversLeft > LONGEST_BAT_OUT)
        plan.mf_aggression = FIRST_CLASS_AGGRESSION;
    // A side batting out time: its wickets are all that count.
    plan.mb_fieldersAttack = plan.mf_aggression == BAT_OUT_TIME;
    return plan;
}

void Match::ChooseTactics() {
    Innings& in = CurrentInnings();
    const bool team1Bats = in.mi_battingTeam == mi_team1;
    const bool humanBats = team1Bats ? mb_team1Human : mb_team2Human;
    MatchTeam& side = team1Bats ? m_team1 : m_team2;
    const int wickets = in.Wickets();

    float base;
    float tail = 0.0f;  // tail-enders swing the bat in a one-day finish
    if (!IsFirstClass()) {
        if (humanBats) return;
        tail = 8.0f;
        const int balls = std::max(mi_length, 1) * 6;
        const int legalBalls = in.mi_legalBalls;
        float progress = static_cast<float>(legalBalls) / static_cast<float>(balls);
        base = 52.0f + 28.0f * progress;
        if (progress > 0.85f) base += 10.0f;
        if (wickets >= 6 && progress < 0.8f) base -= 3.0f * (wickets - 5);
        if (mi_currentInnings == 1) {
            // The chase: up or down with the rate needed against the rate par.
            int target = InningsTotal(m_innings[0]) + 1;
            int ballsLeft = balls - legalBalls;
            if (ballsLeft > 0) {
                float needPerBall = static_cast<float>(target - InningsTotal(in)) / ballsLeft;
                base += (needPerBall - 0.8f) * 35.0f;
            }
        }
    } else {
        base = FIRST_CLASS_AGGRESSION;
        if (IsLastInnings()) {
            const LastInningsPlan plan =
                PlanLastInnings(1 - BattingLead(), RemainingOvers(), ALL_OUT - wickets,
                                mi_matchType == FORMAT_TEST, mb_savingMatch);
            mb_savingMatch = plan.mf_aggression == BAT_OUT_TIME;
            base = plan.mf_aggression;
            // The fielding side's plans follow the chase, the user's excepted.
            if (!(team1Bats ? mb_team2Human : mb_team1Human)) GiveBowlerPlans(plan.mb_fieldersAttack);
        } else if (mi_currentInnings >= 2) {
            base = SecondInningsAggression(BattingLead(), RemainingOvers(), mi_dayIndex >= mi_length - 2);
        }
        if (humanBats) return;
    }
    const int bowlerSlot = SquadSlot(mi_bowler);
    for (int pos : {mi_batsman1, mi_batsman2}) {
        const int p = SquadSlot(pos);
        const float a = base + (p >= 8 ? tail : 0.0f);
        side.m_players[SquadSlot(in.mi_battingOrder[p])].mf_aggression[bowlerSlot] =
            std::clamp(a, 0.0f, 100.0f);
    }
}

namespace {

// Match::StageBowler, here where StageDelivery can take it in line.
bool StageBowlerOf(Match& m, MatchTeam& fielding) {
    BallState& b = m.m_ball;
    b.mb_staged = 1;
    b.mi_bowlerSlot = SquadSlot(m.mi_bowler);
    MatchPlayer& bowler = fielding.m_players[b.mi_bowlerSlot];
    b.mp_bowlerMp = &bowler;
    b.mp_bowler = PlayerById(bowler.mi_player);
    b.mp_planBall = nullptr;
    const std::vector<BowlPlan>& plans = BowlPlanTable(bowler.mb_spinner != 0);
    const auto planCount = static_cast<int>(plans.size());
    if (planCount == 0) return false;
    int slot = SquadSlot(m.mi_striker);
    int plan = bowler.mi_bowlPlan[slot];
    bool inTable =
        static_cast<uint32_t>(plan) < static_cast<uint32_t>(planCount);  // a negative index fails too
    const std::vector<PlanBall>& balls = plans[inTable ? plan : 0].mv_balls;
    const auto ballCount = static_cast<int>(balls.size());
    if (ballCount == 0) return inTable;
    int step = bowler.mi_planStep[slot];
    if (static_cast<uint32_t>(step) >= static_cast<uint32_t>(ballCount)) step = 0;
    b.mp_planBall = &balls[step];
    b.mi_nextPlanStep = step + 1 >= ballCount ? 0 : step + 1;
    return inTable;
}

}  // namespace

bool Match::StageBowler(MatchTeam& fielding) {
    return StageBowlerOf(*this, fielding);
}

void Match::StageDelivery() {
    BallState& b = m_ball;
    Innings& in = CurrentInnings();
    MatchTeam& fielding = FieldingSide();
    bool planInTable = StageBowlerOf(*this, fielding);
    int bowlerSlot = b.mi_bowlerSlot;
    b.mi_keeperSlot = SquadSlot(fielding.KeeperSlot(mi_currentInnings));
    b.mi_strikerPos = SquadSlot(mi_striker);
    b.mi_nonStrikerPos = SquadSlot(mi_striker == mi_batsman1 ? mi_batsman2 : mi_batsman1);
    b.mi_strikerPlayer = in.m_batsmen[b.mi_strikerPos].mi_player;
    b.mi_nonStrikerPlayer = in.m_batsmen[b.mi_nonStrikerPos].mi_player;
    const Player* striker = PlayerById(b.mi_strikerPlayer);
    b.mb_leftHander = striker && striker->m_batHand == 1;
    const Player* bowler = b.mp_bowler;
    bool spinner = bowler && IsSpin(bowler->m_bowlType);

    // The field of the plan ball about to be bowled.
    b.mi_fieldSetup = -1;
    const MatchPlayer& bmp = *b.mp_bowlerMp;
    if (planInTable && b.mp_planBall) {
        const PlanBall& pb = *b.mp_planBall;
        if (pb.m_field != b.mi_setupId) {  // a plan keeps its field for many balls: search on a change only
            b.mi_setupId = pb.m_field;
            b.mi_setupPos = FindFieldSetupIndex(pb.m_field);
        }
        b.mi_fieldSetup = b.mi_setupPos;
    }
    mi_fieldSetupPos = b.mi_fieldSetup;

    const BuiltInPlace* builtIn = !IsFirstClass() ? ONE_DAY_FIELD : spinner ? SPIN_FIELD : PACE_FIELD;
    if (b.mi_placedSetup != b.mi_fieldSetup || b.mp_placedBuiltIn != builtIn) {
        b.mi_placedSetup = b.mi_fieldSetup;
        b.mp_placedBuiltIn = builtIn;
        b.mi_candidatesKey = -1;
        const PlacedField& placed = PlaceField(b, b.mi_fieldSetup, builtIn);
        b.m_fielders = placed.m_at;
        b.mf_fielderFromBat = placed.mf_fromBat;
        b.mi_fielderPosition = placed.mi_position;
    }
    const int32_t slotsKey = bowlerSlot * SQUAD_SIZE + b.mi_keeperSlot;
    if (slotsKey != b.mi_slotsKey) {
        b.mi_slotsKey = slotsKey;
        // The side's slots in order, but the bowler's and the keeper's.
        const int low = std::min(bowlerSlot, b.mi_keeperSlot);
        const int high = std::max(bowlerSlot, b.mi_keeperSlot);
        for (int n = 0; n < FIELD_FIGURES; ++n) {
            int slot = n + (n >= low ? 1 : 0);
            b.mi_fielderSlot[n] = slot + (slot >= high && high != low ? 1 : 0);
        }
    }

    b.mb_recording = mb_humanMatch;
    if (!b.mb_recording) return;
    BallAnimScript& s = b.m_script;
    s.Clear();
    for (int f = 0; f < GROUND_FIGURES; ++f) {
        s.m_figures[f].mi_id = f;
    }
    auto place = [&s](int figure, int kind, int player, GroundPoint at) {
        GroundFigure& g = s.m_figures[figure];
        g.mi_kind = kind;
        g.mi_player = player;
        g.mf_x = at.x;
        g.mf_y = at.y;
    };
    int nonStriker = b.mi_nonStrikerPlayer;
    place(FIG_BALL, FIGKIND_BALL, -1, BOWLER_MARK);
    place(FIG_STRIKER, FIGKIND_STRIKER, StrikerPlayer(), STRIKER_CREASE);
    place(FIG_NON_STRIKER, FIGKIND_NON_STRIKER, nonStriker, NON_STRIKER_CREASE);
    place(FIG_BOWLER, FIGKIND_BOWLER, bmp.mi_player, BOWLER_MARK);
    place(FIG_KEEPER, FIGKIND_KEEPER, fielding.m_players[b.mi_keeperSlot].mi_player,
          spinner || CurrentFieldKeeperUp() ? KEEPER_STAND_UP : KEEPER_STAND_BACK);
    for (int i = 0; i < FIELD_FIGURES; ++i) {
        GroundPoint at = b.mb_leftHander ? Mirror(b.m_fielders[i]) : b.m_fielders[i];
        place(FIG_FIRST_FIELDER + i, FIGKIND_FIELDER, fielding.m_players[b.mi_fielderSlot[i]].mi_player, at);
        s.m_figures[FIG_FIRST_FIELDER + i].mi_fieldPos = b.mi_fielderPosition[i];
    }
    place(FIG_UMPIRE_BOWLER, FIGKIND_UMPIRE_BOWLER, -1, UMPIRE_BOWLER_END);
    place(FIG_UMPIRE_SQUARE, FIGKIND_UMPIRE_SQUARE, -1, UMPIRE_SQUARE_LEG);
}

int32_t OpeningPlanFor(int32_t bowlType) {
    if (!IsSpin(bowlType)) return 2;
    return bowlType == BOWL_FINGER_SPIN ? 5 : 4;
}

bool PlanFitsBowler(const BowlPlan& plan, const Player& bowler) {
    if (!IsSpin(bowler.m_bowlType)) return plan.m_pace != 0;
    if (!plan.m_spin) return false;
    // A right-arm finger spinner's and a left-arm wrist spinner's stock ball
    // turns in to the right-hander like an off break; the others' leaves
    // him like a leg break. Only a wrist spinner bowls the wrong'un.
    const bool wrist = bowler.m_bowlType == BOWL_WRIST_SPIN;
    const bool turnsIn = wrist == (bowler.m_bowlArm == 1);
    int own = 0, other = 0;
    for (const PlanBall& ball : plan.mv_balls) {
        if (ball.m_movement == MOVE_WRONGUN && !wrist) return false;
        if (ball.m_movement == MOVE_OFF_BREAK) (turnsIn ? own : other) += 1;
        if (ball.m_movement == MOVE_LEG_BREAK) (turnsIn ? other : own) += 1;
    }
    return own >= other;
}

int32_t AttackingPlanFor(const Player& bowler) {
    const std::vector<BowlPlan>& plans = BowlPlanTable(IsSpin(bowler.m_bowlType));
    int32_t best = -1;
    float bestValue = 0.0f;
    for (size_t i = 0; i < plans.size(); ++i) {
        const BowlPlan& plan = plans[i];
        if (plan.mv_balls.empty() || !PlanFitsBowler(plan, bowler)) continue;
        // How attacking its fields are, ball by ball.
        float value = 0.0f;
        for (const PlanBall& ball : plan.mv_balls) {
            const FieldSetup* field = FieldSetupById(ball.m_field);
            value += field ? static_cast<float>(field->m_total) : 0.0f;
        }
        value /= static_cast<float>(plan.mv_balls.size());
        if (best < 0 || value > bestValue) {
            best = static_cast<int32_t>(i);
            bestValue = value;
        }
    }
    return best >= 0 ? best : OpeningPlanFor(bowler.m_bowlType);
}

void Match::GiveBowlerPlans(bool attack) {
    MatchPlayer& bowler = FieldingSide().m_players[SquadSlot(mi_bowler)];
    if (bowler.mb_attacking == (attack ? 1 : 0)) return;
    bowler.mb_attacking = attack ? 1 : 0;
    const Player* player = PlayerById(bowler.mi_player);
    const int32_t type = player ? player->m_bowlType : BOWL_NONE;
    bowler.mb_spinner = IsSpin(type) ? 1 : 0;  // the plans are read from his type's table
    bowler.mi_bowlPlan.fill(attack && player ? AttackingPlanFor(*player) : OpeningPlanFor(type));
}

void Match::ReorderLateInDay() {
    // A nightwatchman: with little of the day left and the top order still
    // to come, a lower-order batsman goes in ahead of the next specialist.
    Innings& in = CurrentInnings();
    int wickets = in.Wickets();
    if (mb_reordered || !IsFirstClass() || mi_oversLeftToday >= 5 || wickets >= 5) return;
    if (SideIsHuman(in.mi_battingTeam)) return;
    int next = wickets + 1;
    int watchman = 8;
    if (next >= watchman || next >= SQUAD_SIZE) return;
    BatsmanFigures& a = in.m_batsmen[next];
    BatsmanFigures& w = in.m_batsmen[watchman];
    if (a.mi_howOut != HOWOUT_DID_NOT_BAT || w.mi_howOut != HOWOUT_DID_NOT_BAT) return;
    in.SwapBatsmen(next, watchman);
    mb_reordered = 1;
}

}  // namespace ravel
