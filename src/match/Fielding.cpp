// Fielding: the ball's path off the bat, the fielders who cut it off, chase
// it or get under it, catches taken and dropped, boundaries, runs, run outs,
// stumpings, byes and leg byes. Geometry is worked for a right-hander; a
// left-hander's bearings are mirrored.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include "match/Match.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

struct StrokePath {
    int stroke;
    int bearing;  // centre of the stroke's arc, as for a right-hander
    int spread;   // +- degrees
    float power;  // share of a full hit
};
constexpr StrokePath PATHS[] = {
    {STROKE_FORWARD_DEFENCE, 0, 45, 0.14f}, {STROKE_BACK_DEFENCE, 0, 55, 0.12f},
    {STROKE_STRAIGHT_DRIVE, 0, 14, 0.72f},  {STROKE_COVER_DRIVE, 58, 22, 0.72f},
    {STROKE_ON_DRIVE, 332, 16, 0.68f},      {STROKE_OFF_DRIVE, 25, 15, 0.70f},
    {STROKE_LEG_GLANCE, 215, 20, 0.55f},    {STROKE_CUT, 100, 25, 0.70f},
    {STROKE_PULL, 282, 28, 0.76f},          {STROKE_HOOK, 240, 25, 0.78f},
    {STROKE_SWEEP, 262, 28, 0.64f},
};

// Run-scoring and fielding figures, tuned against real scoring.
constexpr float FULL_HIT = 370.0f;              // pixels a full-power ground stroke would run
constexpr float FIELDER_REACH = 10.0f;          // pixels a fielder covers from where he stands
constexpr float REACH_PER_PIXEL = 0.25f;        // and more the further the ball has to travel to him
constexpr float SKILL_REACH = 0.05f;            // and more the better he fields, per point of skill
constexpr float OUTFIELD_RUN = 215.0f;          // a ball past the ring this far runs on to the rope
constexpr float ONE_DAY_OUTFIELD_RUN = 250.0f;  // unless the deep is patrolled
constexpr float CATCH_RADIUS = 8.0f;            // a skied ball landing this close to a fielder is a chance,
constexpr float CATCH_RUN = 0.12f;              // and further out the deeper he stands
constexpr float CATCH_HANG = 0.05f;             // or the longer the ball hangs
constexpr float EDGE_CARRY = 0.55f;             // share of edges off pace that carry to the cordon
constexpr float EDGE_WIDEST = 80.0f;            // degrees off straight behind of the thickest edges
constexpr float EDGE_DIP = 6.0f;                // a catcher takes an edge dying this far short of him
constexpr float KEEPER_EDGE_REACH = 7.5f;       // across an edge's line: the keeper's dive with gloves,
constexpr float KEEPER_UP_EDGE_REACH = 4.0f;    // standing up,
constexpr float FIELDER_EDGE_REACH = 7.0f;      // a slip's or gully's, for a middling skill
constexpr float SLOW_BOWLING_POWER = 1.3f;      // time to get to the pitch of a slow ball and swing through
constexpr float BYE_CHANCE = 0.07f;             // a ball the keeper misses, per ball he takes
constexpr float LEG_BYE_CHANCE = 0.32f;         // off the pads, a leg bye run
constexpr float RUN_OUT_CHANCE = 0.0018f;       // per run attempted, for a middling fielder
constexpr float ONE_DAY_RUNNING = 1.7f;         // the risk a one-day batsman takes on a run
constexpr float STUMPING_CHANCE = 0.09f;        // beaten by spin while going for a big shot
constexpr float PACE_STUMPING = 0.3f;           // and by a medium pacer with the keeper up
constexpr float NORMAL_STUMPING = 0.8f;         // less often going for an ordinary stroke
constexpr float ONE_DAY_STUMPING = 0.7f;        // and to the flatter one-day spinner
// Edges held: by the keeper with his keeping skill, by a slip with his
// fielding; the keeper up at the stumps has less time; and a dive at full
// stretch is dropped more often.
constexpr float KEEPER_EDGE_HOLD = 0.8f;
constexpr float KEEPER_HOLD_PER_SKILL = 0.0015f;
constexpr float FIELDER_EDGE_HOLD = 0.6f;
constexpr float FIELDER_HOLD_PER_SKILL = 0.003f;
constexpr float KEEPER_UP_HOLD = 0.92f;
constexpr float STRETCH_DIFFICULTY = 0.25f;

float Uniform() {
    return static_cast<float>(Rand() % 10000) * 0.0001f;
}

// Positions in PATHS by stroke code from the forward defence on; a stroke
// without a path of its own takes the first.
constexpr int FIRST_PATH_STROKE = STROKE_FORWARD_DEFENCE;
constexpr auto PATH_OF_STROKE = [] {
    std::array<uint8_t, STROKE_OFF_DRIVE - FIRST_PATH_STROKE + 1> at{};
    for (size_t i = 0; i < std::size(PATHS); ++i)
        at[PATHS[i].stroke - FIRST_PATH_STROKE] = static_cast<uint8_t>(i);
    return at;
}();

const StrokePath& PathOf(int stroke) {
    const auto k = static_cast<size_t>(static_cast<uint32_t>(stroke - FIRST_PATH_STROKE));
    return PATHS[k < PATH_OF_STROKE.size() ? PATH_OF_STROKE[k] : 0];
}

float IntentPower(int intent) {
    switch (intent) {
        case INTENT_BLOCK:
            return 0.55f;
        case INTENT_CAUTIOUS:
            return 0.72f;
        case INTENT_NORMAL:
            return 0.9f;
        case INTENT_ATTACK:
            return 0.95f;
        default:
            return 1.0f;
    }
}

float LoftChance(int intent) {
    switch (intent) {
        case INTENT_NORMAL:
            return 0.02f;
        case INTENT_ATTACK:
            return 0.08f;
        case INTENT_SLOG:
            return 0.22f;
        default:
            return 0.0f;
    }
}

void Caption(BallState& b, int start, uint32_t colour, const char* format, const char* name) {
    char line[ANIM_CAPTION_LENGTH + 1];
    std::snprintf(line, sizeof line, format, name);
    b.m_script.AddCaption(start, start + 60, colour, line);
}

const char* Surname(int player) {
    const Player* p = PlayerById(player);
    return p ? p->m_surname : "";
}

// The ball's flight and the fielding on the ground view, with the lines of
// commentary that go with them.
void AnimateFielding(Match& m) {
    BallState& b = m.m_ball;
    BallAnimScript& s = b.m_script;
    const char* batsman = Surname(m.StrikerPlayer());
    int t = b.mi_arriveTick;
    int outcome = m.mi_ballOutcome;

    // The stroke itself.
    if (b.mi_stroke == STROKE_LEAVE || b.mi_contact == CONTACT_NONE || b.mi_contact == CONTACT_PADS) {
        const char* line = b.mi_stroke == STROKE_LEAVE ? StrokeLine(STROKE_LEAVE, COMM_GOOD) : MissLine();
        Caption(b, t, CAPTION_WHITE, line, batsman);
    } else if (b.mi_contact == CONTACT_CLEAN) {
        Caption(b, t, CAPTION_WHITE, StrokeLine(b.mi_stroke, COMM_GOOD), batsman);
    } else if (b.mi_contact == CONTACT_EDGE) {
        Caption(b, t, CAPTION_WHITE, EdgeLine(), batsman);
    } else {
        const char* line = StrokeLine(b.mi_stroke, COMM_POOR);
        if (b.mi_stroke == STROKE_STRAIGHT_DRIVE && b.mi_fielderFigure == FIG_BOWLER)
            line = StrokeLine(b.mi_stroke, COMM_POOR_TO_BOWLER);
        Caption(b, t, CAPTION_WHITE, line ? line : MissLine(), batsman);
    }
    if (b.mi_stroke != STROKE_LEAVE) s.AddMarker(SND_BAT, t);

    float distance = GroundDistance(b.m_arrivePoint, b.m_end);
    int travel = std::max(8, static_cast<int>(distance / 3.0f));
    int end = t + travel;
    b.mi_fieldTick = end;
    if (b.mi_contact == CONTACT_CLEAN || b.mi_contact == CONTACT_EDGE || b.mi_contact == CONTACT_MISHIT) {
        if (b.mb_aerial) {
            s.AddMove(FIG_BALL, t, end, b.m_arrivePoint.x, b.m_arrivePoint.y, b.m_end.x, b.m_end.y,
                      std::min(20.0f + distance * 0.3f, 90.0f));
        } else {
            s.AddMove(FIG_BALL, t, end, b.m_arrivePoint.x, b.m_arrivePoint.y, b.m_end.x, b.m_end.y);
        }
        if (b.mi_fielderFigure >= FIG_BOWLER && b.mi_runs < 4) {
            s.AddMove(b.mi_fielderFigure, t, end, -1.0f, -1.0f, b.m_end.x, b.m_end.y);
            // The return to the keeper.
            const GroundFigure& k = s.m_figures[FIG_KEEPER];
            s.AddMove(FIG_BALL, end, end + 25, b.m_end.x, b.m_end.y, k.mf_x, k.mf_y + 6.0f, 10.0f);
        }
    } else {
        const GroundFigure& k = s.m_figures[FIG_KEEPER];
        s.AddMove(FIG_BALL, t, t + 12, b.m_arrivePoint.x, b.m_arrivePoint.y, k.mf_x, k.mf_y + 4.0f);
    }

    // Running between the wickets.
    int runs = outcome == OUTCOME_BYES ? 1 : b.mi_runs < 4 ? b.mi_runs : 0;
    for (int r = 0; r < runs; ++r) {
        int from = t + 10 + r * 40;
        bool out = r % 2 == 0;
        s.AddMove(FIG_STRIKER, from, from + 40, -1.0f, -1.0f, out ? NON_STRIKER_CREASE.x : STRIKER_CREASE.x,
                  out ? NON_STRIKER_CREASE.y : STRIKER_CREASE.y);
        s.AddMove(FIG_NON_STRIKER, from, from + 40, -1.0f, -1.0f,
                  out ? STRIKER_CREASE.x : NON_STRIKER_CREASE.x,
                  out ? STRIKER_CREASE.y : NON_STRIKER_CREASE.y);
    }

    // What came of it.
    int after = end + 5;
    const char* fielder = Surname(b.mi_fielder);
    switch (outcome) {
        case OUTCOME_BOWLED:
            s.AddMarker(ANIM_STUMPS_END1, t + 2);
            s.AddMarker(SND_STUMPS, t + 2);
            s.AddCaption(t + 5, t + 80, CAPTION_FLASH_RED, BOWLED_TEXT);
            s.AddCaption(t + 20, t + 80, CAPTION_WHITE, BowledLine());
            b.m_script.mb_wicket = 1;
            break;
        case OUTCOME_LBW:
            s.AddMarker(SND_APPEAL, t + 2);
            s.AddCaption(t + 5, t + 60, CAPTION_WHITE, LbwAppealLine());
            s.AddCaption(t + 30, t + 90, CAPTION_FLASH_RED, LBW_GIVEN_TEXT);
            b.m_script.mb_wicket = 1;
            break;
        case OUTCOME_CAUGHT:
            s.AddMarker(SND_CATCH, end);
            Caption(b, after, CAPTION_FLASH_RED, CaughtLine(), fielder);
            b.m_script.mb_wicket = 1;
            break;
        case OUTCOME_STUMPED:
            s.AddMarker(ANIM_STUMPS_END1, t + 14);
            Caption(b, t + 16, CAPTION_FLASH_RED, StumpedLine(), batsman);
            b.m_script.mb_wicket = 1;
            break;
        case OUTCOME_RUN_OUT_STRIKER:
        case OUTCOME_RUN_OUT_NON_STRIKER: {
            int out = outcome == OUTCOME_RUN_OUT_STRIKER ? b.mi_strikerPlayer : b.mi_nonStrikerPlayer;
            Caption(b, after + 20, CAPTION_FLASH_RED, RunOutLine(), Surname(out));
            b.m_script.mb_wicket = 1;
            break;
        }
        case OUTCOME_BYES:
            s.AddCaption(t + 10, t + 60, CAPTION_WHITE, ByesLine());
            break;
        default:
            if (b.mb_appeal) {
                s.AddCaption(t + 5, t + 50, CAPTION_WHITE, LbwAppealLine());
                s.AddCaption(t + 30, t + 80, CAPTION_WHITE, LBW_NOT_OUT_TEXT);
                s.AddCaption(t + 45, t + 95, CAPTION_WHITE, LbwRefusedLine(b.mi_length, b.mi_movement));
                b.m_script.mb_chance = 1;
            }
            if (b.mb_dropped) {
                Caption(b, after, CAPTION_YELLOW, DroppedLine(), fielder);
                b.m_script.mb_chance = 1;
            }
            if (b.mi_runs == 6) {
                s.AddMarker(SND_CHEER, end);
                Caption(b, after, CAPTION_FLASH_GREEN, SixLine(), batsman);
                b.m_script.mb_celebration = 1;
            } else if (b.mi_runs == 4) {
                s.AddMarker(SND_BOUNDARY, end);
                Caption(b, after, CAPTION_FLASH_GREEN, FourLine(), batsman);
                b.m_script.mb_celebration = 1;
            } else if (b.mi_runs > 0) {
                Caption(b, after, CAPTION_WHITE, RunsLine(b.mi_runs), batsman);
            } else if (outcome == OUTCOME_RUNS && b.mi_contact != CONTACT_NONE) {
                s.AddCaption(after, after + 40, CAPTION_WHITE, DotLine());
            }
            break;
    }
    s.AddMarker(ANIM_SCORE_AFTER, std::max(after, t + 10 + runs * 40) + 10);
}

const GroundPoint KEEPER_UP_AT = FromBat(KEEPER_STAND_UP);
const GroundPoint KEEPER_BACK_AT = FromBat(KEEPER_STAND_BACK);
const float KEEPER_UP_CATCH = CATCH_RADIUS + CATCH_RUN * DistanceFromBat(KEEPER_STAND_UP);
const float KEEPER_BACK_CATCH = CATCH_RADIUS + CATCH_RUN * DistanceFromBat(KEEPER_STAND_BACK);
constexpr float FAR_OFF = 1e18f;

// The better the hands, the wider the edge taken: the share of a middling
// catcher's reach for a skill.
float EdgeHands(int skill) {
    return 0.75f + static_cast<float>(std::min(skill, 100)) * 0.005f;
}

// The places of the bowler and the fielders; the keeper's goes with his
// standing, which changes with the bowler.
void PlaceCandidates(BallState& b) {
    CandidateLanes& l = b.m_lanes;
    auto place = [&l](int i, GroundPoint at, float fromBat) {
        const GroundPoint rel = FromBat(at);
        l.mf_x[i] = rel.x;
        l.mf_y[i] = rel.y;
        l.mf_catchReach[i] = CATCH_RADIUS + CATCH_RUN * fromBat;
    };
    static const float BOWLER_FROM_BAT = DistanceFromBat(BOWLER_RELEASE);
    place(1, BOWLER_RELEASE, BOWLER_FROM_BAT);
    for (int i = 0; i < FIELD_FIGURES; ++i) place(i + 2, b.m_fielders[i], b.mf_fielderFromBat[i]);
    const int empty = CandidateLanes::COUNT - 1;
    l.mf_x[empty] = l.mf_y[empty] = FAR_OFF;
}

// The fielding side's players and skills, by side slot, for an innings.
void ReadSlotFielders(BallState& b, const MatchTeam& fielding) {
    for (int slot = 0; slot < static_cast<int>(b.m_slotFielders.size()); ++slot) {
        SlotFielder& f = b.m_slotFielders[slot];
        f.mi_player = fielding.m_players[slot].mi_player;
        const Player* p = PlayerById(f.mi_player);
        f.mi_fieldSkill = p ? std::clamp(p->m_fieldSkill[0], 0, 100) : 0;
        f.mi_keepSkill = p ? std::max(p->m_keepSkill[0], 0) : 0;
        f.mf_stopSkill = f.mi_fieldSkill * SKILL_REACH;
        f.mf_edgeReach = FIELDER_EDGE_REACH * EdgeHands(f.mi_fieldSkill);
    }
}

// Who stands where for this bowler and keeper, and how well each fields.
void FillCandidates(BallState& b, int bowlerSlot, bool keeperUp) {
    CandidateLanes& l = b.m_lanes;
    const GroundPoint keeperAt = keeperUp ? KEEPER_UP_AT : KEEPER_BACK_AT;
    l.mf_x[0] = keeperAt.x;
    l.mf_y[0] = keeperAt.y;
    l.mf_catchReach[0] = keeperUp ? KEEPER_UP_CATCH : KEEPER_BACK_CATCH;
    auto fill = [&b, &l](int i, int slot) -> const SlotFielder& {
        const SlotFielder& f = b.m_slotFielders[SquadSlot(slot)];
        b.m_candidates[i] = {f.mi_player, f.mi_fieldSkill};
        l.mf_stopSkill[i] = f.mf_stopSkill;
        l.mf_edgeReach[i] = f.mf_edgeReach;
        return f;
    };
    b.mi_keepSkill = fill(0, b.mi_keeperSlot).mi_keepSkill;
    b.m_candidates[0].mi_catchSkill = b.mi_keepSkill;
    // The keeper's gloves reach further, but not up at the stumps, where he
    // has no time to move.
    l.mf_edgeReach[0] = (keeperUp ? KEEPER_UP_EDGE_REACH : KEEPER_EDGE_REACH) * EdgeHands(b.mi_keepSkill);
    fill(1, bowlerSlot);
    for (int i = 0; i < FIELD_FIGURES; ++i) fill(i + 2, b.mi_fielderSlot[i]);
}

// The candidates for a new bowler, keeper or standing; new places clear the
// key. Out of line: it runs once an over or so.
[[gnu::noinline]] void NewCandidates(Match& m, int32_t key, int bowlerSlot, bool keeperUp) {
    BallState& b = m.m_ball;
    if (b.mi_candidatesKey == -1) PlaceCandidates(b);
    b.mi_candidatesKey = key;
    const Innings& innings = m.CurrentInnings();
    const int32_t side =
        Match::InningsIndex(m.mi_currentInnings) * 2 + (innings.mi_bowlingTeam == m.mi_team1 ? 1 : 0);
    if (side != b.mi_slotFieldersInnings) {
        b.mi_slotFieldersInnings = side;
        ReadSlotFielders(b, m.SideOf(innings.mi_bowlingTeam));
    }
    FillCandidates(b, bowlerSlot, keeperUp);
}

// The ground figure of a candidate.
int CandidateFigure(int i) {
    return i == 0 ? FIG_KEEPER : i == 1 ? FIG_BOWLER : FIG_FIRST_FIELDER + i - 2;
}

// A lane works the same float arithmetic as one candidate alone, so a lane's
// test passes exactly when his would.
using Lanes = float __attribute__((vector_size(16)));
using LaneTest = int32_t __attribute__((vector_size(16)));
constexpr int LANE_WIDTH = 4;
// A candidate further than this share past a reach is left out without the
// exact distance: far beyond any rounding of the lane's figures.
constexpr float NEAR_SLACK = 1.0001f;
constexpr float UNDERFLOW = 1e-30f;

Lanes LoadLanes(const std::array<float, CandidateLanes::COUNT>& from, int k) {
    Lanes v;
    std::memcpy(&v, &from[k], sizeof v);
    return v;
}

void StoreLanes(std::array<float, CandidateLanes::COUNT>& to, int k, Lanes v) {
    std::memcpy(&to[k], &v, sizeof v);
}

Lanes AbsLanes(Lanes v) {
    return std::bit_cast<Lanes>(std::bit_cast<LaneTest>(v) & 0x7fffffff);
}

// Bit n for lane n that passed.
uint32_t Passed(LaneTest t) {
#if defined(__SSE__)
    return static_cast<uint32_t>(_mm_movemask_ps(std::bit_cast<__m128>(t)));
#else
    return static_cast<uint32_t>((t[0] & 1) | (t[1] & 2) | (t[2] & 4) | (t[3] & 8));
#endif
}

}  // namespace

int StopOnLine(const CandidateLanes& l, GroundPoint dir, float furthest, float pace, float& along) {
    std::array<float, CandidateLanes::COUNT> alongs;
    uint32_t covering = 0;
    for (int k = 0; k < CandidateLanes::COUNT; k += LANE_WIDTH) {
        const Lanes x = LoadLanes(l.mf_x, k), y = LoadLanes(l.mf_y, k);
        const Lanes a = x * dir.x + y * dir.y;
        const Lanes across = AbsLanes(x * dir.y - y * dir.x);
        const Lanes reach = (FIELDER_REACH + a * REACH_PER_PIXEL + LoadLanes(l.mf_stopSkill, k)) * pace;
        covering |= Passed((a > 0.0f) & (a <= furthest) & (across <= reach)) << k;
        StoreLanes(alongs, k, a);
    }
    int best = -1;
    along = 1e9f;
    for (uint32_t m = covering & EVERY_CANDIDATE; m != 0; m &= m - 1u) {
        const int i = std::countr_zero(m);
        if (alongs[i] < along) {
            along = alongs[i];
            best = i;
        }
    }
    return best;
}

uint32_t UnderCatch(const CandidateLanes& l, GroundPoint land, float hang) {
    uint32_t near = 0;
    for (int k = 0; k < CandidateLanes::COUNT; k += LANE_WIDTH) {
        const Lanes x = LoadLanes(l.mf_x, k) - land.x, y = LoadLanes(l.mf_y, k) - land.y;
        const Lanes reach = LoadLanes(l.mf_catchReach, k) + hang;
        near |= Passed(x * x + y * y <= reach * reach * NEAR_SLACK) << k;
    }
    return near & EVERY_CANDIDATE;
}

uint32_t NearestTo(const CandidateLanes& l, GroundPoint stop) {
    std::array<float, CandidateLanes::COUNT> squares;
    Lanes least = Lanes{} + std::numeric_limits<float>::max();
    for (int k = 0; k < CandidateLanes::COUNT; k += LANE_WIDTH) {
        const Lanes x = LoadLanes(l.mf_x, k) - stop.x, y = LoadLanes(l.mf_y, k) - stop.y;
        const Lanes d2 = x * x + y * y;
        least = d2 < least ? d2 : least;
        StoreLanes(squares, k, d2);
    }
    const float window =
        std::min(std::min(least[0], least[1]), std::min(least[2], least[3])) * NEAR_SLACK + UNDERFLOW;
    uint32_t near = 0;
    for (int k = 0; k < CandidateLanes::COUNT; k += LANE_WIDTH)
        near |= Passed(LoadLanes(squares, k) <= window) << k;
    return near & EVERY_CANDIDATE;
}

int EdgeCatcher(const CandidateLanes& l, GroundPoint dir, float carry, float& along, float& across) {
    int best = -1;
    along = std::numeric_limits<float>::max();
    for (int i = 0; i < FIELD_FIGURES + 2; ++i) {
        const float a = l.mf_x[i] * dir.x + l.mf_y[i] * dir.y;
        if (a <= 0.0f || a > carry + EDGE_DIP || a >= along) continue;
        const float off = std::fabs(l.mf_x[i] * dir.y - l.mf_y[i] * dir.x);
        if (off > l.mf_edgeReach[i]) continue;
        along = a;
        across = off;
        best = i;
    }
    return best;
}

bool Match::CurrentFieldKeeperUp() const {
    int pos = m_ball.mi_fieldSetup;
    return static_cast<size_t>(pos) < g_world.mv_fieldSetups.size() &&  // -1 (built in) fails too
           g_world.mv_fieldSetups[static_cast<size_t>(pos)].m_keeperUp == 1;
}

bool Match::KeeperStandsUp() const {
    return IsSpin(m_ball.mi_bowlType) || CurrentFieldKeeperUp();
}

void Match::UpdateFieldCandidates() {
    const int bowlerSlot = SquadSlot(mi_bowler);
    const bool keeperUp = KeeperStandsUp();
    m_ball.mb_keeperUp = keeperUp;
    const int32_t key =
        ((InningsIndex(mi_currentInnings) * 16 + bowlerSlot) * 16 + m_ball.mi_keeperSlot) * 2 +
        (keeperUp ? 1 : 0);
    if (key != m_ball.mi_candidatesKey) NewCandidates(*this, key, bowlerSlot, keeperUp);
}

// Flattened: the searches and the candidates' check run inline, once a ball.
[[gnu::flatten]] void Match::Field() {
    BallState& b = m_ball;
    UpdateFieldCandidates();
    const int keepSkill = b.mi_keepSkill;
    bool spinner = IsSpin(b.mi_bowlType);
    b.m_end = KEEPER_STAND_BACK;
    b.mi_fieldTick = b.mi_arriveTick;

    int fielderIndex = 0;
    auto setFielder = [&b, &fielderIndex](int i) {
        fielderIndex = i;
        b.mi_fielderFigure = CandidateFigure(i);
        b.mi_fielder = b.m_candidates[i].mi_player;
    };
    auto runAttempt = [&](int runs, float tightness) {
        // Each run taken risks a run out, more so when the throw is close
        // and the fielder who picks up and throws is good, and when the
        // batsmen are set on runs, one-day batsmen most of all.
        b.mi_runs = runs;
        if (runs <= 0 || mb_wide) return;
        const float arm =
            0.5f + static_cast<float>(std::min(b.m_candidates[fielderIndex].mi_catchSkill, 100)) * 0.01f;
        const float hurry =
            (IsFirstClass() ? 1.0f : ONE_DAY_RUNNING) * (b.mi_intent >= INTENT_ATTACK ? 1.6f : 1.0f);
        const float chance = RUN_OUT_CHANCE * static_cast<float>(runs) * tightness * hurry * arm;
        if (Uniform() < chance) {
            mi_ballOutcome = Rand() % 2 ? OUTCOME_RUN_OUT_STRIKER : OUTCOME_RUN_OUT_NON_STRIKER;
            b.mi_runs = 0;
        }
    };

    if (mi_ballOutcome == OUTCOME_WIDE || IsDismissal(mi_ballOutcome)) {
        b.mi_runs = 0;
    } else if (b.mi_contact == CONTACT_NONE || b.mi_contact == CONTACT_PADS) {
        // Through to the keeper, or off the pads.
        setFielder(0);
        // In a limited-overs match the batsmen run for anything that passes the bat.
        float keenForByes = IsFirstClass() ? 1.0f : 1.5f;
        float byes = BYE_CHANCE * keenForByes * (1.3f - keepSkill / 150.0f) * (spinner ? 1.3f : 1.0f);
        if (b.mi_contact == CONTACT_PADS && Uniform() < LEG_BYE_CHANCE * keenForByes) {
            mi_ballOutcome = OUTCOME_BYES;
        } else if (b.mi_contact == CONTACT_NONE && Uniform() < byes) {
            mi_ballOutcome = OUTCOME_BYES;
        } else if (b.mi_contact == CONTACT_NONE && b.mb_keeperUp && b.mi_intent >= INTENT_NORMAL &&
                   b.mi_stroke != STROKE_LEAVE) {
            // Out of his ground and beaten, with the keeper up at the stumps;
            // an attacking batsman is out of it more often than one playing
            // an ordinary stroke, and a spinner giving the ball air beats him
            // by more than a pacer or a one-day spinner.
            float stumping = STUMPING_CHANCE * (0.5f + keepSkill / 200.0f);
            if (!spinner) stumping *= PACE_STUMPING;
            if (!IsFirstClass()) stumping *= ONE_DAY_STUMPING;
            if (b.mi_intent == INTENT_NORMAL) stumping *= NORMAL_STUMPING;
            if (Uniform() < stumping) mi_ballOutcome = OUTCOME_STUMPED;
        }
    } else {
        const StrokePath& path = PathOf(b.mi_stroke);
        float skill = std::clamp(b.mf_strokeSkill, 0.0f, 100.0f);
        // A loose ball goes further than a good one.
        float power = path.power * (0.55f + 0.45f * skill / 100.0f) * IntentPower(b.mi_intent) *
                      (1.25f - b.mf_quality / 200.0f) * (0.55f + 0.9f * Uniform()) *
                      (spinner ? SLOW_BOWLING_POWER : 1.0f);
        int bearing = path.bearing + (Rand() % (2 * path.spread + 1)) - path.spread;
        bool aerial = b.mi_strokeFlag || Uniform() < LoftChance(b.mi_intent);
        bool defence = b.mi_stroke == STROKE_FORWARD_DEFENCE || b.mi_stroke == STROKE_BACK_DEFENCE;
        if (defence) aerial = false;
        float catchEase = 1.0f;
        if (b.mi_contact == CONTACT_EDGE) {
            // The thinner the edge, the finer it flies: most behind on the off
            // side, to the keeper, the slips and gully, some fine down the leg side.
            const float thickness = Uniform();
            const int deflection = static_cast<int>(EDGE_WIDEST * thickness * std::sqrt(thickness));
            bearing = Rand() % 5 == 0 ? 180 + deflection / 2 : 180 - deflection;
            power = spinner ? 0.07f + 0.09f * Uniform() : 0.14f + 0.16f * Uniform();
            aerial = Uniform() < (spinner ? EDGE_CARRY * 0.5f : EDGE_CARRY);
            catchEase = 0.85f;
        } else if (b.mi_contact == CONTACT_MISHIT) {
            bearing += Rand() % 61 - 30;
            power *= 0.35f + 0.4f * Uniform();
            aerial = Rand() % 100 < 50;
            catchEase = 1.1f;
        }
        b.mi_bearing = WrapDegrees(bearing);
        b.mf_power = power;
        b.mb_aerial = aerial;
        float distance = power * FULL_HIT;
        const int mirrored = PictureBearing(b);
        GroundPoint dir = PointAtWholeBearing({0.0f, 0.0f}, b.mi_bearing, 1.0f);

        // A chance to the catcher, held or dropped (a single taken one time
        // in runOneIn); the ball ends that far out.
        auto chance = [&](int catcher, float hold, int runOneIn, float at) {
            setFielder(catcher);
            b.mb_dropped = Uniform() >= hold;
            if (!b.mb_dropped) {
                mi_ballOutcome = OUTCOME_CAUGHT;
                b.mi_runs = 0;
            } else {
                runAttempt(Rand() % runOneIn == 0 ? 1 : 0, 0.5f);
            }
            b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, at);
        };
        bool done = false;
        if (aerial) {
            float carry = distance * (b.mi_contact == CONTACT_EDGE    ? 1.0f
                                      : b.mi_contact == CONTACT_CLEAN ? 0.9f
                                                                      : 0.7f);
            float along = 0.0f, across = 0.0f;
            const int edgeCatcher =
                b.mi_contact == CONTACT_EDGE ? EdgeCatcher(b.m_lanes, dir, carry, along, across) : -1;
            if (b.mi_contact == CONTACT_CLEAN && carry >= BOUNDARY_RADIUS * 1.02f) {
                b.mi_runs = 6;
                b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, carry);
                done = true;
            } else if (edgeCatcher >= 0) {
                // The keeper or a slip in the edge's way: a catch, the wider the harder.
                const float hands =
                    static_cast<float>(std::min(b.m_candidates[edgeCatcher].mi_catchSkill, 100));
                float hold = edgeCatcher == 0 ? KEEPER_EDGE_HOLD + hands * KEEPER_HOLD_PER_SKILL
                                              : FIELDER_EDGE_HOLD + hands * FIELDER_HOLD_PER_SKILL;
                if (edgeCatcher == 0 && b.mb_keeperUp) hold *= KEEPER_UP_HOLD;
                const float stretch = across / b.m_lanes.mf_edgeReach[edgeCatcher];
                hold -= STRETCH_DIFFICULTY * stretch * stretch;
                chance(edgeCatcher, hold, 4, along);
                done = true;
            } else {
                GroundPoint land = {dir.x * carry, dir.y * carry};
                int best = -1;
                float bestGap = 1e9f, bestShare = 1.0f;
                // A share of at most one: nobody beyond his reach gets there.
                const float hang = CATCH_HANG * carry;
                const uint32_t near = hang >= 0.0f ? UnderCatch(b.m_lanes, land, hang) : EVERY_CANDIDATE;
                for (uint32_t m = near; m != 0; m &= m - 1u) {
                    const int i = std::countr_zero(m);
                    float gap = GroundDistance(b.m_lanes.At(i), land);
                    float reach = b.m_lanes.mf_catchReach[i] + hang;
                    if (gap < reach * bestShare) {
                        bestShare = gap / reach;
                        bestGap = gap;
                        best = i;
                    }
                }
                if (best >= 0) {
                    int fs = b.m_candidates[best].mi_catchSkill;
                    chance(best, (0.62f + 0.33f * fs / 100.0f) * catchEase - bestGap * 0.006f, 3, carry);
                    done = true;
                } else if (carry >= BOUNDARY_RADIUS) {
                    b.mi_runs = 4;  // lands short of the rope and runs on
                    b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, BOUNDARY_RADIUS);
                    done = true;
                }
            }
        }
        if (!done) {
            // Along the ground: the first fielder whose reach covers the line.
            float bestAlong;
            // A hard-hit ball beats a fielder that a soft one would not.
            const float pace = std::max(1.1f - power * 0.8f, 0.3f);
            const int best = StopOnLine(b.m_lanes, dir, distance + 25.0f, pace, bestAlong);
            if (best >= 0) {
                setFielder(best);
                float d = std::min(bestAlong, distance);
                // Whether they run depends on how far the ball went and how keen they are.
                float keen = b.mi_intent >= INTENT_ATTACK ? 1.0f : b.mi_intent == INTENT_NORMAL ? 0.9f : 0.5f;
                int runs = 0;
                float u = Uniform();
                if (d < 50.0f)
                    runs = u < 0.25f * keen ? 1 : 0;
                else if (d < 150.0f)
                    runs = u < 0.02f ? 2 : u < 0.02f + (IsFirstClass() ? 0.43f : 0.6f) * keen ? 1 : 0;
                else
                    runs = u < 0.3f ? 2 : 1;
                runAttempt(runs, d < 150.0f ? 1.6f : 1.0f);
                b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, d);
            } else if (distance >= (IsFirstClass() ? OUTFIELD_RUN : ONE_DAY_OUTFIELD_RUN)) {
                b.mi_runs = 4;  // through the ring with nobody in the deep
                b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, BOUNDARY_RADIUS);
            } else {
                // Into a gap: the nearest fielder chases it down.
                GroundPoint stop = {dir.x * distance, dir.y * distance};
                float chase = 1e9f;
                int nearest = 0;
                for (uint32_t m = NearestTo(b.m_lanes, stop); m != 0; m &= m - 1u) {
                    const int i = std::countr_zero(m);
                    float gap = GroundDistance(b.m_lanes.At(i), stop);
                    if (gap < chase) {
                        chase = gap;
                        nearest = i;
                    }
                }
                setFielder(nearest);
                float effort = distance * 0.5f + chase;
                float u = Uniform();
                int runs = effort < 150.0f ? 1 : effort < 250.0f ? (u < 0.7f ? 1 : 2) : (u < 0.8f ? 2 : 3);
                runAttempt(runs, 0.8f);
                b.m_end = PointAtWholeBearing(STRIKER_CREASE, mirrored, distance);
                if (runs == 3 && Rand() % 40 == 0) {
                    b.mb_overthrow = 1;  // a wild throw to the keeper's end runs away to the rope
                    if (mi_ballOutcome == OUTCOME_RUNS) b.mi_runs = 4;
                }
            }
        }
    }

    // Off a no ball only a run out can end an innings.
    if (mb_noBall && IsDismissal(mi_ballOutcome) && mi_ballOutcome != OUTCOME_RUN_OUT_STRIKER &&
        mi_ballOutcome != OUTCOME_RUN_OUT_NON_STRIKER) {
        mi_ballOutcome = OUTCOME_RUNS;
        b.mi_runs = 0;
        b.mb_appeal = 0;
    }
    // A no ball with nothing off the bat stays outcome 0: the batsman faced it (a dot).
    if (mb_noBall && mi_ballOutcome == OUTCOME_BYES) mi_ballOutcome = OUTCOME_NO_BALL;
    if (mb_wide && !IsDismissal(mi_ballOutcome)) mi_ballOutcome = OUTCOME_WIDE;

    if (b.mb_recording) AnimateFielding(*this);
}

}  // namespace ravel
