// One ball: the dispatcher, the delivery from the bowler's plan, its quality
// and spread, no balls and wides, and the run-up of the ball's animation.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "match/Tactics.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

// Where the ball pitches, by length: pixels from the striker's crease.
float PitchDistance(int length) {
    switch (length) {
        case LENGTH_YORKER:
            return 3.0f;
        case LENGTH_SHORT_OFF:
            return 26.0f;
        case LENGTH_BOUNCER:
            return 34.0f;
        default:
            return 14.0f;
    }
}

float WeatherFactor(int weather, int type) {
    static const float TABLE[3][5] = {
        {1.01f, 1.03f, 1.022f, 1.013f, 1.0f},
        {1.004f, 1.023f, 1.018f, 1.011f, 1.0f},
        {1.003f, 1.02f, 1.013f, 1.002f, 1.0f},
    };
    if (weather >= 1 && weather <= 3) return TABLE[weather - 1][(type >= 1 && type <= 4) ? type - 1 : 4];
    if (weather == 4) return 0.98f;
    if (weather == 5) return 0.97f;
    if (weather == 6) return 0.95f;
    return 1.0f;
}

// The effort's factor on a bowler's spread: a table for the plan's efforts.
constexpr float SpreadFormula(int effort) {
    return effort < 5 ? 1.0f - (5 - effort) * 4 / 100.0f : 1.0f + (3 * effort - 12) * 2 / 100.0f;
}
constexpr std::array<float, EFFORTS> SPREAD_FACTORS = [] {
    std::array<float, EFFORTS> factors{};
    for (int e = 0; e < EFFORTS; ++e) factors[e] = SpreadFormula(e);
    return factors;
}();
float SpreadFactor(int effort) {
    if (static_cast<uint32_t>(effort) < static_cast<uint32_t>(EFFORTS)) [[likely]]
        return SPREAD_FACTORS[effort];
    return SpreadFormula(effort);
}

// The pitch's bounce on a delivery's quality.
float BounceFactor(float bounce) {
    if (bounce < 3.0f) return (1.5f - bounce) * 0.04f + 1.1f;
    if (bounce < 5.0f) return (1.5f - (bounce - 3.0f)) * 0.04f + 1.0f;
    if (bounce < 7.5f) return 1.31f - bounce / 14.0f;
    return 1.5f - bounce * 0.1f;
}

}  // namespace

void Match::PlayBall() {
    if (mi_playState != PLAY_IN_PLAY) return;
    ChooseTactics();
    StageDelivery();
    CheckExtras();
    PlayShot();
    Field();
    EndOfBall();
}

namespace {
// Ticks of the delivery from the hand to the batsman, by bowling type.
constexpr int DELIVERY_TICKS[7] = {62, 48, 50, 52, 56, 71, 72};
constexpr int RUN_UP_TICK = 10;

// When the ball leaves the hand, pitches and reaches the batsman, by bowling type.
struct DeliveryTicks {
    int release, pitch, arrive;
};
constexpr std::array<DeliveryTicks, 7> DELIVERY_TIMES = [] {
    std::array<DeliveryTicks, 7> times{};
    for (int type = 0; type < 7; ++type) {
        int release = RUN_UP_TICK + (IsSpin(type) ? 30 : 70);
        times[type] = {release, release + DELIVERY_TICKS[type] * 2 / 3, release + DELIVERY_TICKS[type]};
    }
    return times;
}();
}  // namespace

int Match::BallTravelTicks() const {
    static const int KEEPER_UP[7] = {14, 15, 15, 16, 18, 19, 20};
    int type = std::clamp(m_ball.mi_bowlType, 0, 6);
    return CurrentFieldKeeperUp() ? KEEPER_UP[type] : DELIVERY_TICKS[type];
}

namespace {

// The chance of a no ball of a bowling type, skill and effort.
float NoBallOdds(int t, float s, int e) {
    struct PaceRow {
        float base, above90, above80, above70;
        float effort9, effort8, effort7, effort2, effort1;
    };
    static const PaceRow PACE[4] = {
        {0.023f, 0.018f, 0.003f, 0.003f, 1.4f, 1.25f, 1.1f, 0.6f, 0.3f},
        {0.02f, 0.014f, 0.0028f, 0.0015f, 1.5f, 1.3f, 1.15f, 0.7f, 0.4f},
        {0.016f, 0.012f, 0.002f, 0.001f, 1.5f, 1.3f, 1.15f, 0.7f, 0.4f},
        {0.017f, 0.012f, 0.0015f, 0.0005f, 1.65f, 1.35f, 1.2f, 0.6f, 0.3f},
    };
    auto effortFactor = [e](float f9, float f8, float f7, float f2, float f1) {
        switch (e) {
            case 9:
                return f9;
            case 8:
                return f8;
            case 7:
                return f7;
            case 2:
                return f2;
            case 1:
                return f1;
            default:
                return 1.0f;
        }
    };
    float n;
    if (t == 0) {
        n = 0.03f;
    } else if (t >= 1 && t <= 4) {
        const PaceRow& row = PACE[t - 1];
        n = row.base;
        if (s > 90) n = row.above90;
        if (s > 80) n -= row.above80;
        if (s > 70) n -= row.above70;
        n *= effortFactor(row.effort9, row.effort8, row.effort7, row.effort2, row.effort1);
    } else if (t == 5 || t == 6) {
        n = 0.003f;
        if (s < 60) n = 0.013f;
        if (s < 45) n += 0.005f;
        if (s > 80) n -= 0.001f;
        if (s > 90) n -= 0.001f;
        n *= effortFactor(1.5f, 1.2f, 1.1f, 0.8f, 0.6f);
    } else {
        n = 0.0106f;
    }
    return n;
}

// The chance of a wide of a bowling type, skill and effort in a kind of match.
float WideOdds(bool firstClass, int t, float s, int e) {
    float w;
    if (firstClass) {
        w = (t >= 1 && t <= 4) ? 0.0023f : t == 0 ? 0.008f : (t == 5 || t == 6) ? 0.0004f : 0.0023f;
        if (e == 10) w *= 2.3f;
        if (t != 1) {
            if (s > 80) w *= 0.85f;
            if (s > 90) w *= 0.88f;
        }
        if ((t == 1 || t == 2) && s < 60 && e >= 6) w *= 1.35f;
    } else {
        w = (t >= 1 && t <= 4) ? 0.016f : t == 0 ? 0.035f : (t == 5 || t == 6) ? 0.002f : 0.016f;
        switch (e) {
            case 0:
                w *= 0.3f;
                break;
            case 1:
                w *= 0.5f;
                break;
            case 2:
                w *= 0.75f;
                break;
            case 9:
                w *= 1.4f;
                break;
            case 10:
                w *= 2.5f;
                break;
            default:
                break;
        }
        if (t == 1) {
            if (s < 60) w *= 1.25f;
        } else {
            if (s > 80) w *= 0.8f;
            if (s > 90) w *= 0.85f;
            if (s < 50) w *= 1.2f;
        }
    }
    return w;
}

// A bowler who has bowled two or more of an extra already is likelier to
// bowl another: the factor on the chance, most from the fourth on.
float RepeatFactor(int already, float most) {
    constexpr float FEW[4] = {1.0f, 1.0f, 1.27f, 1.45f};
    if (static_cast<uint32_t>(already) < 4u) [[likely]]
        return FEW[already];
    return already > 3 ? most : 1.0f;
}

// Match::DecideExtras for the bowler in a side slot with his figures, here
// where CheckExtras takes it in line.
void DecideExtrasFor(Match& m, int bowlerSlot, const BowlerFigures& figures) {
    BallState& b = m.m_ball;
    const int t = b.mi_bowlType;
    const float s = b.mf_skill;
    const int e = b.mi_effort;
    const bool firstClass = m.IsFirstClass();

    // The odds come round with the bowler: each slot keeps its own.
    float n;
    float w;
    if (static_cast<uint32_t>(e) < static_cast<uint32_t>(EFFORTS)) [[likely]] {
        ExtrasOdds& odds = b.m_extrasOdds[bowlerSlot];
        if (odds.mi_type != t || odds.mf_skill != s || odds.mb_firstClass != firstClass) [[unlikely]] {
            odds.mi_type = t;
            odds.mf_skill = s;
            odds.mb_firstClass = firstClass;
            odds.mi_known = 0;
        }
        const auto bit = static_cast<uint16_t>(1u << e);
        if (!(odds.mi_known & bit)) [[unlikely]] {
            odds.mi_known |= bit;
            odds.mf_noBall[e] = NoBallOdds(t, s, e);
            odds.mf_wide[e] = WideOdds(firstClass, t, s, e);
        }
        n = odds.mf_noBall[e];
        w = odds.mf_wide[e];
    } else {
        n = NoBallOdds(t, s, e);
        w = WideOdds(firstClass, t, s, e);
    }

    // No ball.
    n *= RepeatFactor(figures.mi_noBalls, 1.65f);
    b.mf_noBallChance = std::clamp(n, 0.0f, 1.0f);
    m.mb_noBall = n * 1000.0f > static_cast<float>(Rand() % 1001);

    // Wide.
    w *= RepeatFactor(figures.mi_wides, 1.6f);
    b.mf_wideChance = std::clamp(w, 0.0f, 1.0f);
    m.mb_wide = w * 1000.0f > static_cast<float>(Rand() % 1001);

    if (m.mi_extrasThisOver >= 4) {
        m.mb_noBall = 0;
        m.mb_wide = 0;
    }
    if (m.mb_noBall && m.mb_wide) m.mb_wide = 0;
}

}  // namespace

void Match::DecideExtras() {
    const int bowlerSlot = SquadSlot(mi_bowler);
    DecideExtrasFor(*this, bowlerSlot, CurrentInnings().m_bowlers[bowlerSlot]);
}

void Match::CheckExtras() {
    BallState& b = m_ball;  // the extras, illegal and quality are set below in every case
    b.mb_movementFlag = 0;
    b.mi_length = LENGTH_GOOD;
    b.mi_movement = MOVE_STRAIGHT;
    b.mi_effort = 5;
    b.mi_runs = 0;
    if (b.mb_recording) b.m_script.AddMarker(SND_BALL_START, 0);

    Innings& in = CurrentInnings();
    if (!b.mb_staged) StageBowler(FieldingSide());
    b.mb_staged = 0;
    int bowlerSlot = b.mi_bowlerSlot;
    const Player* bowler = b.mp_bowler;
    b.mi_bowlType = bowler ? bowler->m_bowlType : 0;
    float skill = bowler ? static_cast<float>(bowler->m_bowlSkill[0]) : 0.0f;
    int second = bowler ? bowler->m_bowlSkill[1] : 0;
    float energy = b.mp_bowlerMp->mf_energy;

    if (const PlanBall* pb = b.mp_planBall) {
        b.mi_length = pb->m_length;
        b.mi_movement = pb->m_movement;
        b.mi_effort = pb->m_effort;
        b.mp_bowlerMp->mi_planStep[SquadSlot(mi_striker)] = b.mi_nextPlanStep;
    }

    skill = std::clamp(skill, 0.0f, 100.0f);
    b.mf_skill = skill;
    int base = 108 - second;

    float q = (energy * 0.005f + 0.5f) * skill;
    if (!(mf_bounce == b.mf_bounceKey)) [[unlikely]] {  // the bounce moves only as the pitch wears
        b.mf_bounceKey = mf_bounce;
        b.mf_bounceFactor = BounceFactor(mf_bounce);
    }
    q *= b.mf_bounceFactor;
    if (mi_ballCount < 10) {  // the ball's count is in overs
        if (b.mi_bowlType == 1)
            q *= 1.025f;
        else if (b.mi_bowlType == 2)
            q *= 1.01f;
        else if (b.mi_bowlType == 3)
            q *= 1.005f;
    }
    int weatherKey = mi_climate * 128 + mi_weatherRoll;
    if (weatherKey != b.mi_weatherKey) {  // the weather changes by the day, not by the ball
        b.mi_weatherKey = weatherKey;
        b.mi_weatherCode = WeatherCodeForClimate(ClimateById(mi_climate), mi_weatherRoll);
        for (int type = 0; type < 7; ++type) b.mf_weatherFactor[type] = WeatherFactor(b.mi_weatherCode, type);
    }
    const int typeIndex = std::clamp(b.mi_bowlType, 0, 6);  // a type outside the tables as the nearest
    q *= b.mf_weatherFactor[typeIndex];

    const float spread = SpreadFactor(b.mi_effort) * static_cast<float>(base);
    b.mi_spread = std::clamp(static_cast<int>(spread), 2, 100);

    int r = Rand() % b.mi_spread;
    q -= r * q * 0.01f;
    b.mf_quality = std::clamp(q, 2.0f, 100.0f);

    // Run-up and the ball's flight.
    const DeliveryTicks& ticks = DELIVERY_TIMES[typeIndex];
    b.mi_runUpTick = RUN_UP_TICK;
    b.mi_releaseTick = ticks.release;
    b.mi_pitchTick = ticks.pitch;
    b.mi_arriveTick = ticks.arrive;
    float wobble = static_cast<float>(b.mi_spread) / 25.0f;
    b.m_pitchPoint = {STRIKER_CREASE.x + wobble, STRIKER_CREASE.y + PitchDistance(b.mi_length)};
    b.m_arrivePoint = {STRIKER_CREASE.x + 2.0f, STRIKER_CREASE.y - 2.0f};
    if (b.mb_recording) {
        BallAnimScript& s = b.m_script;
        GroundPoint mark =
            IsSpin(b.mi_bowlType) ? GroundPoint{BOWLER_RELEASE.x, BOWLER_RELEASE.y + 18.0f} : BOWLER_MARK;
        s.AddMove(FIG_BOWLER, b.mi_runUpTick, b.mi_releaseTick, mark.x, mark.y, BOWLER_RELEASE.x,
                  BOWLER_RELEASE.y);
        s.AddMove(FIG_BALL, b.mi_runUpTick, b.mi_releaseTick, mark.x, mark.y, BOWLER_RELEASE.x,
                  BOWLER_RELEASE.y);
        s.AddMove(FIG_BALL, b.mi_releaseTick, b.mi_pitchTick, BOWLER_RELEASE.x, BOWLER_RELEASE.y,
                  b.m_pitchPoint.x, b.m_pitchPoint.y, 8.0f);
        s.AddMove(FIG_BALL, b.mi_pitchTick, b.mi_arriveTick, b.m_pitchPoint.x, b.m_pitchPoint.y,
                  b.m_arrivePoint.x, b.m_arrivePoint.y, b.mi_length == LENGTH_BOUNCER ? 10.0f : 4.0f);
        s.AddMove(FIG_BOWLER, b.mi_releaseTick, b.mi_releaseTick + 25, BOWLER_RELEASE.x, BOWLER_RELEASE.y,
                  BOWLER_RELEASE.x + 6.0f, BOWLER_RELEASE.y - 14.0f);
    }

    BowlerFigures& figures = in.m_bowlers[bowlerSlot];
    DecideExtrasFor(*this, bowlerSlot, figures);

    if (b.mb_recording) {
        // Fielders walk in with the bowler.
        constexpr GroundPoint WALK_TO = {390.0f, 255.0f};
        for (int f = FIG_FIRST_FIELDER; f <= FIG_LAST_FIELDER; ++f) {
            GroundPoint at{b.m_script.m_figures[f].mf_x, b.m_script.m_figures[f].mf_y};
            float d = GroundDistance(at, WALK_TO);
            if (d > 80.0f) {
                GroundPoint to{at.x + (WALK_TO.x - at.x) * 20.0f / d, at.y + (WALK_TO.y - at.y) * 20.0f / d};
                b.m_script.AddMove(f, b.mi_runUpTick, b.mi_runUpTick + 20, at.x, at.y, to.x, to.y);
            }
        }
    }

    if (mb_noBall || mb_wide) {
        ++mi_extrasThisOver;
        b.mb_illegal = 1;
    } else {
        ++in.mi_legalBalls;
        ++figures.mi_balls;
        ++figures.mi_spellBalls;
        b.mb_illegal = 0;
    }

    if (b.mb_recording) {
        BallAnimScript& s = b.m_script;
        if (mb_noBall) {
            int t = Rand() % 5 + b.mi_releaseTick;
            s.AddMarker(SND_NO_BALL, t);
            s.AddCaption(t, t + 20, CAPTION_YELLOW, "NO BALL!");
            if (const std::string w = ExtrasWarning(figures.mi_noBalls + 1, false); !w.empty())
                s.AddCaption(t + 10, t + 30, CAPTION_WHITE, w.c_str());
            AnimNoBall();
        } else if (mb_wide) {
            int t = Rand() % 5 + b.mi_arriveTick + 2;
            s.AddMarker(SND_WIDE, t);
            s.AddCaption(t, t + 20, CAPTION_YELLOW, "WIDE!");
            if (const std::string w = ExtrasWarning(figures.mi_wides + 1, true); !w.empty())
                s.AddCaption(t + 10, t + 30, CAPTION_WHITE, w.c_str());
            int m = b.mi_movement;
            bool flag = m == 9001 || m == 9003 || m == 9004 || m == 9006 || m == 9007 || m == 9009;
            AnimWide(flag ? 1 : 0);
        }
        char line[160];
        const char* bowlerName = bowler ? bowler->m_surname : "";
        const Player* striker = PlayerById(StrikerPlayer());
        const char* strikerName = striker ? striker->m_surname : "";
        switch (Rand() % 3) {
            case 0:
                std::snprintf(line, sizeof line, RUNUP_TO_STRIKER, bowlerName, strikerName);
                break;
            case 1:
                std::snprintf(line, sizeof line, RUNUP_ON_HIS_WAY, bowlerName);
                break;
            default: {
                const Ground* g = GroundById(mi_ground);
                if (g && g->m_end1[0] && g->m_end2[0])
                    std::snprintf(line, sizeof line, RUNUP_FROM_END, bowlerName,
                                  mi_bowler == mi_bowler1 ? g->m_end1 : g->m_end2);
                else
                    std::snprintf(line, sizeof line, RUNUP_RUNS_IN, bowlerName);
            }
        }
        Rand();
        s.AddCaption(0, 0, CAPTION_WHITE, line);
    }

    switch (b.mi_movement) {
        case 9003:
        case 9004:
            b.mb_movementFlag = 1;
            break;
        case 9006:
        case 9007:
        case 9008:
            b.mb_movementFlag = Rand() % 10 >= 8;
            break;
        default:
            break;
    }
    if (!b.mb_movementFlag) {
        if (b.mi_length == LENGTH_SHORT_OFF)
            b.mb_movementFlag = Rand() % 20 > 13;
        else if (b.mi_length == LENGTH_YORKER)
            b.mb_movementFlag = Rand() % 20 < 17;
        else if (b.mi_length == LENGTH_BOUNCER)
            b.mb_movementFlag = 1;
    }

    if (b.mb_recording) {
        g_ballState.mi_length = b.mi_length;
        g_ballState.mi_movement = b.mi_movement;
        g_ballState.mf_skill = b.mf_skill;
        g_ballState.mi_spread = b.mi_spread;
    }
}

void Match::AnimNoBall() {
    BallState& b = m_ball;
    int o;
    switch (b.mi_movement) {
        case 9002:
            o = Rand() % 3 + 1;
            break;
        case 9003:
            o = -(Rand() % 2) - 1;
            break;
        case 9005:
            o = Rand() % 2 + 1;
            break;
        case 9004:
        case 9007:
            o = -(Rand() % 3) - 1;
            break;
        case 9008:
            o = Rand() % 3;
            break;
        case 9011:
            o = Rand() % 4 - 2;
            break;
        default:
            o = Rand() % 2 - 1;
            break;
    }
    const GroundFigure& keeper = b.m_script.m_figures[FIG_KEEPER];
    float x = keeper.mf_x + static_cast<float>(o);
    float y = keeper.mf_y;
    int end = b.mi_arriveTick + BallTravelTicks();
    b.m_script.AddMove(FIG_BALL, b.mi_arriveTick, end, b.m_arrivePoint.x, b.m_arrivePoint.y, x, y);
    b.m_script.AddMove(FIG_KEEPER, b.mi_arriveTick, end, -1.0f, -1.0f, x, y);
}

void Match::AnimWide(int side) {
    BallState& b = m_ball;
    float offset =
        static_cast<float>(static_cast<int>(std::abs(b.m_arrivePoint.x - b.m_pitchPoint.x)) + Rand() % 2 + 2);
    if (side == 1) offset = -offset;
    const GroundFigure& keeper = b.m_script.m_figures[FIG_KEEPER];
    float x = b.m_arrivePoint.x + offset;
    int end = b.mi_arriveTick + BallTravelTicks();
    b.m_script.AddMove(FIG_BALL, b.mi_arriveTick, end, b.m_arrivePoint.x, b.m_arrivePoint.y, x, keeper.mf_y);
    b.m_script.AddMove(FIG_KEEPER, b.mi_arriveTick, end, -1.0f, -1.0f, x, keeper.mf_y);
}

const char* DismissalText(int32_t howOut) {
    switch (howOut) {
        case HOWOUT_BATTING:
            return "not out";
        case HOWOUT_BOWLED:
            return "bowled";
        case HOWOUT_CAUGHT:
            return "caught";
        case HOWOUT_LBW:
            return "lbw";
        case HOWOUT_STUMPED:
            return "stumped";
        case HOWOUT_RUN_OUT:
            return "run out";
        default:
            return "";
    }
}

}  // namespace ravel
