// The shot: the striker's intent for the ball, the leave, the stroke, its
// skill and risk figures, and from the risks whether he misses, edges, mishits,
// is bowled or lbw, or meets the ball cleanly.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "match/Match.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

// How much likelier a stroke is to go wrong against pace and against spin,
// bowled to the same skill and quality: pace gives the batsman less time.
constexpr float FAST_BOWLING_RISK = 1.4f;
constexpr float SLOW_BOWLING_RISK = 0.55f;

// A one-day batsman going for his runs: the risk of his stroke.
float OneDayChase(int intent) {
    return intent == INTENT_SLOG ? 2.0f : intent == INTENT_ATTACK ? 1.4f : 1.0f;
}

// Intent weights by the intent value in bands of ten, 90 and over first,
// with their running sums and the intent that each draw below the total picks.
constexpr int INTENT_BANDS = 10;
constexpr int INTENT_DRAWS = 160;  // above the largest total
constexpr float INTENT_WEIGHTS[INTENT_BANDS][INTENTS] = {
    {0, 3, 20, 33, 40},  {2, 5, 24, 35, 20},  {5, 10, 40, 30, 15}, {10, 25, 50, 30, 8}, {15, 20, 55, 21, 5},
    {20, 39, 45, 15, 3}, {25, 50, 37, 10, 3}, {40, 70, 30, 10, 2}, {35, 70, 15, 3, 0},  {60, 50, 12, 3, 0},
};
struct IntentRow {
    std::array<float, INTENTS> weight{};
    std::array<float, INTENTS> sum{};
    int total = 1;
    std::array<uint8_t, INTENT_DRAWS> intentAt{};  // offset from INTENT_BLOCK
};
constexpr std::array<IntentRow, INTENT_BANDS> MakeIntentRows() {
    std::array<IntentRow, INTENT_BANDS> rows{};
    for (int band = 0; band < INTENT_BANDS; ++band) {
        IntentRow& row = rows[band];
        float sum = 0.0f;
        for (int i = 0; i < INTENTS; ++i) {
            row.weight[i] = INTENT_WEIGHTS[band][i];
            sum += INTENT_WEIGHTS[band][i];
            row.sum[i] = sum;
        }
        row.total = std::max(static_cast<int>(sum), 1);
        for (int r = 0; r < row.total; ++r) {
            int i = 0;
            while (i < INTENTS - 1 && !(r < row.sum[i])) ++i;
            row.intentAt[r] = static_cast<uint8_t>(i);
        }
    }
    return rows;
}
// A total past INTENT_DRAWS writes outside intentAt and so fails to compile.
constexpr std::array<IntentRow, INTENT_BANDS> INTENT_ROWS = MakeIntentRows();

// The band of an intent value of 0..100, by value.
constexpr int INTENT_VALUES = 101;
constexpr std::array<uint8_t, INTENT_VALUES> INTENT_BAND_OF = [] {
    std::array<uint8_t, INTENT_VALUES> bands{};
    for (int v = 0; v < INTENT_VALUES; ++v)
        bands[v] = static_cast<uint8_t>(INTENT_BANDS - 1 - std::min(v / 10, INTENT_BANDS - 1));
    return bands;
}();

// Attacking stroke weights by movement, in the order of ATTACK_STROKES.
constexpr int ATTACK_STROKES[9] = {STROKE_STRAIGHT_DRIVE, STROKE_COVER_DRIVE, STROKE_ON_DRIVE,
                                   STROKE_OFF_DRIVE,      STROKE_LEG_GLANCE,  STROKE_CUT,
                                   STROKE_PULL,           STROKE_HOOK,        STROKE_SWEEP};
struct MovementRow {
    int movement[2];
    float weight[9];
};
const MovementRow MOVEMENT_TABLE[] = {
    {{9001, 9006}, {30, 25, 21, 27, 20, 23, 22, 11, 9}}, {{9002, 9005}, {30, 14, 33, 19, 29, 14, 32, 15, 14}},
    {{9003, 9004}, {30, 37, 11, 35, 3, 32, 15, 6, 2}},   {{9007, 9007}, {30, 35, 9, 32, 9, 28, 13, 3, 15}},
    {{9008, 9008}, {30, 9, 35, 12, 29, 3, 36, 8, 25}},   {{9009, 9009}, {30, 13, 29, 31, 13, 6, 14, 2, 14}},
    {{9010, 9011}, {30, 24, 29, 34, 1, 14, 23, 1, 14}},
};
const float OTHER_MOVEMENT[9] = {2, 2, 3, 3, 3, 3, 3, 0, 3};

float DefenceWeight(int intent, bool limited) {
    switch (intent) {
        case INTENT_BLOCK:
            return limited ? 55.0f : 90.0f;
        case INTENT_CAUTIOUS:
            return limited ? 25.0f : 55.0f;
        case INTENT_NORMAL:
            return limited ? 4.0f : 20.0f;
        case INTENT_ATTACK:
        case INTENT_SLOG:
            return 0.0f;
        default:
            return 3.0f;
    }
}

// Weights of the four core batting skills for each stroke, by its offset
// from STROKE_LEAVE; a stroke without a row of its own takes the on drive's.
struct SkillWeights {
    float w[4];
};
constexpr SkillWeights OTHER_STROKE_SKILL = {{0.5f, 0.0f, 0.1f, 0.4f}};
constexpr SkillWeights STROKE_SKILL_WEIGHTS[] = {
    OTHER_STROKE_SKILL,            // leave
    {{0.5f, 0.0f, 0.25f, 0.25f}},  // forward defence
    {{0.0f, 0.5f, 0.25f, 0.25f}},  // back defence
    {{0.5f, 0.0f, 0.25f, 0.25f}},  // straight drive
    {{0.5f, 0.0f, 0.4f, 0.1f}},    // cover drive: front foot, off side
    {{0.2f, 0.3f, 0.0f, 0.5f}},    // leg glance
    {{0.0f, 0.5f, 0.5f, 0.0f}},    // cut
    {{0.0f, 0.5f, 0.0f, 0.5f}},    // pull
    {{0.0f, 0.5f, 0.0f, 0.5f}},    // hook
    {{0.5f, 0.0f, 0.0f, 0.5f}},    // sweep
    OTHER_STROKE_SKILL,            // 20110, unused
    {{0.5f, 0.0f, 0.1f, 0.4f}},    // on drive
    {{0.5f, 0.0f, 0.4f, 0.1f}},    // off drive
};
static_assert(STROKE_OFF_DRIVE - STROKE_LEAVE == 12, "one row a stroke code");

const SkillWeights& StrokeSkillWeights(int stroke) {
    const auto k = static_cast<unsigned>(stroke - STROKE_LEAVE);
    return k < std::size(STROKE_SKILL_WEIGHTS) ? STROKE_SKILL_WEIGHTS[k] : OTHER_STROKE_SKILL;
}

bool FieldHasPosition(int setupPos, std::initializer_list<int> numbers) {
    if (setupPos < 0 || setupPos >= static_cast<int>(g_world.mv_fieldSetups.size())) return false;
    const FieldSetup& f = g_world.mv_fieldSetups[setupPos];
    for (int p : f.m_positions) {
        int number = (p >= 0 && p < static_cast<int>(g_world.mv_fieldPositions.size()))
                         ? g_world.mv_fieldPositions[p].m_number
                         : p;
        for (int n : numbers) {
            if (number == n) return true;
        }
    }
    return false;
}

// Risk factor of the intent value: a cautious batsman takes fewer chances.
constexpr std::array<float, INTENT_VALUES> MakeIntentBandFactors() {
    constexpr struct {
        int below;
        float factor;
    } BANDS[] = {{5, 0.74f},  {10, 0.78f}, {20, 0.84f}, {30, 0.9f},   {61, 1.0f},
                 {70, 1.08f}, {80, 1.16f}, {90, 1.26f}, {1000, 1.38f}};
    std::array<float, INTENT_VALUES> factors{};
    for (int v = 0; v < INTENT_VALUES; ++v) {
        int band = 0;
        while (v >= BANDS[band].below) ++band;
        factors[v] = BANDS[band].factor;
    }
    return factors;
}
constexpr std::array<float, INTENT_VALUES> INTENT_BAND_FACTORS = MakeIntentBandFactors();

// The draw of a stroke for one kind of ball: the total of the strokes'
// whole-number shares in ORDER, and the stroke that each draw below it picks.
// A pure function of the length, the movement, the intent and the kind of
// match, so worked out once.
struct StrokeDraw {
    int total = 0;
    std::vector<uint8_t> strokeAt;  // offset from STROKE_LEAVE
};

const int* StrokeOrder() {
    // Order of the draw: both defences, then the attacking strokes.
    static constexpr int ORDER[11] = {STROKE_FORWARD_DEFENCE,
                                      STROKE_BACK_DEFENCE,
                                      STROKE_STRAIGHT_DRIVE,
                                      STROKE_COVER_DRIVE,
                                      STROKE_ON_DRIVE,
                                      STROKE_OFF_DRIVE,
                                      STROKE_LEG_GLANCE,
                                      STROKE_CUT,
                                      STROKE_PULL,
                                      STROKE_HOOK,
                                      STROKE_SWEEP};
    return ORDER;
}

StrokeDraw MakeStrokeDraw(int length, int movement, int intent, bool limited) {
    const int* ORDER = StrokeOrder();
    const float* attack = OTHER_MOVEMENT;
    for (const MovementRow& row : MOVEMENT_TABLE) {
        if (movement == row.movement[0] || movement == row.movement[1]) {
            attack = row.weight;
            break;
        }
    }
    float weight[11];
    float defence = DefenceWeight(intent, limited);
    weight[0] = defence;
    weight[1] = defence;
    for (int i = 0; i < 9; ++i) {
        int stroke = ATTACK_STROKES[i];
        int at = 2;
        while (ORDER[at] != stroke) ++at;
        weight[at] = attack[i];
    }
    auto scale = [&weight, ORDER](int stroke, float f) {
        for (int i = 0; i < 11; ++i) {
            if (ORDER[i] == stroke) weight[i] *= f;
        }
    };
    switch (length) {
        case LENGTH_SHORT_OFF:
            scale(STROKE_FORWARD_DEFENCE, 0.3f);
            scale(STROKE_BACK_DEFENCE, 1.4f);
            scale(STROKE_ON_DRIVE, 0.6f);
            scale(STROKE_OFF_DRIVE, 0.6f);
            scale(STROKE_COVER_DRIVE, 1.2f);
            scale(STROKE_CUT, 1.3f);
            scale(STROKE_PULL, 1.3f);
            scale(STROKE_HOOK, 1.3f);
            break;
        case LENGTH_YORKER:
            scale(STROKE_ON_DRIVE, 1.3f);
            scale(STROKE_OFF_DRIVE, 1.3f);
            scale(STROKE_LEG_GLANCE, 1.3f);
            scale(STROKE_COVER_DRIVE, 1.1f);
            scale(STROKE_CUT, 0.2f);
            scale(STROKE_PULL, 0.2f);
            scale(STROKE_HOOK, 0.2f);
            break;
        case LENGTH_BOUNCER:
            scale(STROKE_FORWARD_DEFENCE, 0.1f);
            scale(STROKE_ON_DRIVE, 0.2f);
            scale(STROKE_OFF_DRIVE, 0.2f);
            scale(STROKE_COVER_DRIVE, 0.2f);
            scale(STROKE_LEG_GLANCE, 0.2f);
            scale(STROKE_CUT, 1.8f);
            scale(STROKE_PULL, 1.8f);
            scale(STROKE_HOOK, 1.8f);
            break;
        default:
            break;
    }
    StrokeDraw draw;
    float total = 0.0f;
    for (float w : weight) total += w;
    draw.total = std::max(static_cast<int>(total), 1);
    int bounds[11];  // share i runs from bounds[i] to bounds[i + 1]
    float running = 0.0f;
    for (int i = 0; i < 11; ++i) {
        bounds[i] = static_cast<int>(running);
        running += weight[i];
    }
    // The bounds only rise and start at 0: the share is the first that ends past r.
    draw.strokeAt.resize(static_cast<size_t>(draw.total));
    for (int r = 0; r < draw.total; ++r) {
        int i = 0;
        while (i < 10 && r >= bounds[i + 1]) ++i;
        draw.strokeAt[static_cast<size_t>(r)] = static_cast<uint8_t>(ORDER[i] - STROKE_LEAVE);
    }
    return draw;
}

constexpr int LENGTHS = LENGTH_BOUNCER - LENGTH_GOOD + 1;
constexpr int MOVEMENTS = MOVE_SPECIALITY - MOVE_STRAIGHT + 1;
// A draw's place: the length, the movement in sixteen, the intent in eight,
// and the kind of match, found with shifts.
constexpr size_t DrawPlace(unsigned length, unsigned movement, unsigned intent, bool limited) {
    return (length << 8 | movement << 4 | intent << 1 | (limited ? 1u : 0u));
}
static_assert(MOVEMENTS <= 16 && INTENTS <= 8);
StrokeDraw s_draws[DrawPlace(LENGTHS, 0, 0, false)];  // a total of 0: not made yet
StrokeDraw s_otherDraw;

const StrokeDraw& StrokeDrawFor(int length, int movement, int intent, bool limited) {
    const auto l = static_cast<unsigned>(length - LENGTH_GOOD);
    const auto m = static_cast<unsigned>(movement - MOVE_STRAIGHT);
    const auto i = static_cast<unsigned>(intent - INTENT_BLOCK);
    if (l >= LENGTHS || m >= MOVEMENTS || i >= INTENTS) [[unlikely]] {
        s_otherDraw = MakeStrokeDraw(length, movement, intent, limited);
        return s_otherDraw;
    }
    StrokeDraw& draw = s_draws[DrawPlace(l, m, i, limited)];
    if (draw.total == 0) [[unlikely]]
        draw = MakeStrokeDraw(length, movement, intent, limited);
    return draw;
}

inline float SkillFor(const Player& p, int stroke) {
    const SkillWeights& w = StrokeSkillWeights(stroke);
    float s = 0.0f;
    for (int i = 0; i < 4; ++i) s += w.w[i] * static_cast<float>(p.m_batSkill[i]);
    return s;
}

// The pitch's wear on the risks of a stroke and of a block or a leave. A
// pitch over days is kind on the first day and breaks up ever faster, on
// strokes more than on a dead bat; a one-day pitch wears little.
constexpr float FRESH_PITCH = 0.8f;
constexpr float BREAKING_UP = 0.05f;  // by the square of the wear
constexpr float MOST_BROKEN = 1.0f;
constexpr float BLOCK_WEAR = 0.3f;
constexpr float ONE_DAY_WEAR = 0.02f;
void WearFactors(float wear, bool limited, float& stroke, float& block) {
    if (limited) {
        stroke = block = 1.0f + wear * ONE_DAY_WEAR;
        return;
    }
    const float broken = std::min(BREAKING_UP * wear * wear, MOST_BROKEN);
    stroke = FRESH_PITCH * (1.0f + broken);
    block = FRESH_PITCH * (1.0f + broken * BLOCK_WEAR);
}

// The pitch's bounce on the risks of a stroke.
float BounceRiskFactor(float bounce) {
    if (bounce > 7.5f) return 0.7f - (bounce - 7.5f) * 0.05f;
    if (bounce > 5.0f) return 1.0f - (bounce - 5.0f) / 13.0f;
    if (bounce >= 2.5f) return 1.0f + (bounce - 2.5f) * 0.1f;
    return 1.05f + (2.5f - bounce) / 14.0f;
}

// The factor of the delivery, the pitch (its bounce factor bf) and the
// batsman's eye on the two risks that a stroke misses or edges.
inline float DeliveryRiskFactor(float quality, float bf, float eye) {
    // Quality: continuous at 60, harder to play as it rises.
    float qf = quality > 60.0f ? quality / 60.0f : quality * 0.01f + 0.4f;
    float ef = 1.0f;
    float e = std::min(eye, 10.0f);
    if (e >= 3.0f) ef = 1.0f - e / 110.0f;
    return std::max(qf * bf * ef, 0.0f);
}

// The strokes that may be changed after the draw: the sweep and the hook by
// the kind of bowling, the leg glance and the hook by the field.
constexpr uint32_t REDRAWN_STROKES = 1u << (STROKE_LEG_GLANCE - STROKE_LEAVE) |
                                     1u << (STROKE_HOOK - STROKE_LEAVE) | 1u << (STROKE_SWEEP - STROKE_LEAVE);

// A sweep to pace is a pull, a hook to wrist spin a sweep; a leg glance or a
// hook into a field set for it is kept on skill or changed for a drive.
int RedrawnStroke(Match& match, int stroke) {
    BallState& b = match.m_ball;
    if (stroke == STROKE_SWEEP && !IsSpin(b.mi_bowlType)) stroke = STROKE_PULL;
    if (stroke == STROKE_HOOK && b.mi_bowlType > 5) stroke = STROKE_SWEEP;
    if (stroke == STROKE_LEG_GLANCE || stroke == STROKE_HOOK) {
        bool guarded = FieldHasPosition(b.mi_fieldSetup, {13, 28, 29});
        if (stroke == STROKE_HOOK && !guarded) {
            guarded = FieldHasPosition(b.mi_fieldSetup, {3}) ||
                      (Rand() % 3 == 1 && FieldHasPosition(b.mi_fieldSetup, {4}));
        }
        if (guarded) {
            const Player* striker = PlayerById(match.StrikerPlayer());
            float skill = striker ? SkillFor(*striker, stroke) : 0.0f;
            bool keep = Rand() % 103 < skill || Rand() % 6 == 3;
            if (!keep) stroke = Rand() % 30 < 15 ? STROKE_STRAIGHT_DRIVE : STROKE_ON_DRIVE;
        }
    }
    return stroke;
}

inline int PickStrokeFor(Match& match, int length, int movement, int intent, int value, bool limited) {
    const StrokeDraw& draw = StrokeDrawFor(length, movement, intent, limited);
    const int at = draw.strokeAt[static_cast<size_t>(Rand() % draw.total)];
    int stroke = STROKE_LEAVE + at;
    if (REDRAWN_STROKES >> at & 1u) stroke = RedrawnStroke(match, stroke);
    // In the shortest game one stroke in three is hit in the air.
    if (value >= 6 && Rand() % 3 == 1) match.m_ball.mi_strokeFlag = 1;
    return stroke;
}

inline int ChooseStrokeFor(Match& match, bool limited) {
    BallState& b = match.m_ball;
    // The first draw decides nothing: every leave chance below is set by the
    // intent, or there is no leave. It stays so that a seed plays as before.
    Rand();
    if (b.mb_movementFlag) {
        int p = 0;
        bool mayLeave = true;
        switch (b.mi_intent) {
            case INTENT_BLOCK:
                p = limited ? 40 : 30;
                break;
            case INTENT_CAUTIOUS:
                p = limited ? 64 : 50;
                break;
            case INTENT_NORMAL:
                p = limited ? 83 : 64;
                break;
            case INTENT_SLOG:
                mayLeave = !limited;
                break;
            default:
                mayLeave = false;
                break;
        }
        if (mayLeave) {
            int k = b.mi_skill7;
            if (k > 70) p += k / 8;
            if (k > 90) p += k / 16;
            p = std::clamp(p, 4, 94);
            if (Rand() % 100 >= p) return STROKE_LEAVE;
        }
    }
    int stroke = PickStrokeFor(match, b.mi_length, b.mi_movement, b.mi_intent, match.mi_matchType, limited);
    if (match.mb_wide) stroke = STROKE_LEAVE;
    return stroke;
}

// How often the risk figures turn into a ball that beats the bat, an edge or
// a mishit. The risk figures are per-mille sized, so these scale them up.
constexpr float BEATEN_SCALE = 27.0f;
constexpr float OUTSIDE_SCALE = 22.0f;
constexpr float EDGED_SHARE = 0.48f;  // the rest pass the edge
constexpr float MISHIT_SCALE = 14.0f;
constexpr float SURVIVAL_CARE = 0.45f;
constexpr float LEAVE_DANGER = 0.5f;  // a left ball that comes back in

// Share of balls beating the bat that would hit the stumps, by delivery.
float OnTheStumps(int length, int movement) {
    float s = 0.10f;
    if (movement == MOVE_IN_SWING || movement == MOVE_OFF_BREAK || movement == MOVE_STRAIGHT_ONE ||
        movement == MOVE_STRAIGHT || movement == MOVE_WRONGUN)
        s = 0.15f;
    if (length == LENGTH_YORKER) s += 0.15f;
    if (length == LENGTH_BOUNCER) s = 0.02f;
    if (length == LENGTH_SHORT_OFF) s *= 0.5f;
    return s;
}

float Uniform() {
    return static_cast<float>(Rand() % 10000) * 0.0001f;
}

// A ball that beats the bat: bowled, lbw, off the pads or through to the keeper.
void Beaten(Match& match) {
    BallState& b = match.m_ball;
    b.mi_contact = CONTACT_NONE;
    if (Uniform() < OnTheStumps(b.mi_length, b.mi_movement)) {
        // Through the gate or plumb in front.
        if (Rand() % 100 < 50) {
            match.mi_ballOutcome = OUTCOME_BOWLED;
        } else {
            b.mb_appeal = 1;
            if (Rand() % 100 < 65)
                match.mi_ballOutcome = OUTCOME_LBW;
            else
                b.mi_contact = CONTACT_PADS;
        }
    } else if (Rand() % 4 == 0) {
        b.mi_contact = CONTACT_PADS;
    }
}

// Leaving a ball that comes back in can cost his wicket.
void Left(Match& match, float u, float pace) {
    BallState& b = match.m_ball;
    bool comesIn = b.mi_movement == MOVE_IN_SWING || b.mi_movement == MOVE_OFF_BREAK ||
                   b.mi_movement == MOVE_WRONGUN || b.mi_movement == MOVE_OFF_CUTTER;
    if (comesIn && u < b.mf_risk[0] * pace * LEAVE_DANGER * BEATEN_SCALE) {
        b.mb_appeal = 1;
        if (Rand() % 3 == 0)
            match.mi_ballOutcome = OUTCOME_BOWLED;
        else if (Rand() % 10 < 6)
            match.mi_ballOutcome = OUTCOME_LBW;
        else
            b.mi_contact = CONTACT_PADS;
    }
}

inline void DecideContactFor(Match& match, bool limited) {
    BallState& b = match.m_ball;
    if (match.mb_wide) {
        match.mi_ballOutcome = OUTCOME_WIDE;
        b.mi_contact = CONTACT_NONE;
        return;
    }
    const bool slow = IsSpin(b.mi_bowlType);
    const float pace = slow ? SLOW_BOWLING_RISK : FAST_BOWLING_RISK;
    const float u = Uniform();
    if (b.mi_stroke == STROKE_LEAVE) {
        Left(match, u, pace);
        return;
    }
    // A forward or back defensive stroke plays with soft hands and a straight bat.
    // A batsman set on survival gives even less away.
    const bool defence = b.mi_stroke == STROKE_FORWARD_DEFENCE || b.mi_stroke == STROKE_BACK_DEFENCE;
    float care = b.mi_intent == INTENT_BLOCK ? 0.55f : b.mi_intent == INTENT_CAUTIOUS ? 0.8f : 1.0f;
    if (b.mi_intentValue < 10) care *= SURVIVAL_CARE;  // batting to save the match
    const float beaten = b.mf_risk[0] * pace * BEATEN_SCALE * care * (defence ? 0.6f : 1.0f);
    if (u < beaten) {
        Beaten(match);
        return;
    }
    // Of the balls that find the outside of the bat's line, some take the
    // edge; the rest pass it and go through to the keeper.
    const float outside = b.mf_risk[1] * pace * OUTSIDE_SCALE * care * (defence ? 0.7f : 1.0f);
    if (u < beaten + outside) {
        b.mi_contact = u < beaten + outside * EDGED_SHARE ? CONTACT_EDGE : CONTACT_NONE;
        return;
    }
    // Slogging skies more mishits.
    const float mistime = (slow ? SLOW_BOWLING_RISK : 1.0f) *
                          (limited ? 1.0f + (OneDayChase(b.mi_intent) - 1.0f) * 0.25f : 1.0f);
    const float mishit = b.mf_risk[2] * mistime * MISHIT_SCALE * care * (defence ? 0.3f : 1.0f);
    b.mi_contact = u < beaten + outside + mishit ? CONTACT_MISHIT : CONTACT_CLEAN;
}

}  // namespace

float StrokeSkill(const Player& p, int stroke) {
    return SkillFor(p, stroke);
}

// Risk figures of a stroke: the chances that it goes wrong, never negative
// and never a division by zero, whatever the skills.
void StrokeRisks(float skill, float quality, float bounce, float eye, std::array<float, 3>& risk) {
    float s = std::max(skill, 1.0f);
    float f = DeliveryRiskFactor(quality, BounceRiskFactor(bounce), eye);
    risk = {0.18f / s * f, 0.15f / s * f, 0.5f / s};
}

void Match::PlayShot() {
    BallState& b = m_ball;
    mi_ballOutcome = OUTCOME_RUNS;
    b.mi_contact = CONTACT_NONE;
    b.mb_aerial = 0;
    b.mf_power = 0.0f;
    b.mb_appeal = 0;
    b.mi_fielder = -1;
    b.mi_fielderFigure = -1;
    b.mb_dropped = 0;
    b.mb_overthrow = 0;

    Innings& in = CurrentInnings();
    const int strikerPos = SquadSlot(mi_striker);
    const int strikerSlot = SquadSlot(in.mi_battingOrder[strikerPos]);
    const int bowlerSlot = SquadSlot(mi_bowler);
    const MatchPlayer& mp = SideOf(in.mi_battingTeam).m_players[strikerSlot];
    const BatsmanFigures& figures = in.m_batsmen[strikerPos];
    const Player* striker = PlayerById(figures.mi_player);
    const bool limited = !IsFirstClass();

    const int intentValue = std::clamp(static_cast<int>(mp.mf_aggression[bowlerSlot]), 0, 100);
    b.mi_intentValue = intentValue;
    float energy = mp.mf_energy;
    // A long innings tires the batsman.
    const int faced = figures.Balls();
    if (faced >= 100) energy = std::max(energy - (faced - 100) * 0.1f, 20.0f);
    b.mf_energy = energy;
    b.mi_skill7 = striker ? striker->m_batSkill[6] : 0;

    const IntentRow& row = INTENT_ROWS[INTENT_BAND_OF[intentValue]];
    b.mf_intentWeight = row.weight;
    b.mf_intentSum = row.sum;
    const int r = Rand() % row.total;
    b.mi_intentDraw = r;
    const int intent = INTENT_BLOCK + row.intentAt[r];
    b.mi_intent = intent;
    b.mi_strokeFlag = 0;
    const int stroke = ChooseStrokeFor(*this, limited);
    b.mi_stroke = stroke;

    const float skill =
        striker ? SkillFor(*striker, stroke == STROKE_LEAVE ? STROKE_FORWARD_DEFENCE : stroke) : 0.0f;
    b.mf_strokeSkill = skill;
    const float s = std::max(skill, 1.0f);
    if (!(mf_bounce == b.mf_riskBounceKey)) [[unlikely]] {  // the bounce moves only as the pitch wears
        b.mf_riskBounceKey = mf_bounce;
        b.mf_riskBounceFactor = BounceRiskFactor(mf_bounce);
    }
    const float f = DeliveryRiskFactor(b.mf_quality, b.mf_riskBounceFactor, mp.mf_eye[bowlerSlot]);
    float risk0 = 0.18f / s * f;
    float risk1 = 0.15f / s * f;
    if (mb_wide) {
        risk0 = 0.0f;
        risk1 = 0.0f;
    }
    const float energyFactor = energy < 50.0f ? 1.0f + (50.0f - energy) / 100.0f : 1.0f;
    // A worn pitch gets harder to bat on, and helps spin most.
    if (!(mf_pitchWear == b.mf_wearKey)) [[unlikely]] {  // the wear moves once an over
        b.mf_wearKey = mf_pitchWear;
        WearFactors(mf_pitchWear, limited, b.mf_strokeWear, b.mf_blockWear);
    }
    const bool blocking =
        stroke == STROKE_LEAVE || stroke == STROKE_FORWARD_DEFENCE || stroke == STROKE_BACK_DEFENCE;
    float wearFactor = blocking ? b.mf_blockWear : b.mf_strokeWear;
    if (IsSpin(b.mi_bowlType) && mf_turn > 5.0f) wearFactor *= 1.0f + (mf_turn - 5.0f) * 0.03f;
    const float band = INTENT_BAND_FACTORS[intentValue] * energyFactor * wearFactor;
    risk0 *= band;
    risk1 *= band;
    if (limited) {
        // Going for the runs costs wickets, judged on the intent he chose.
        // One-day bowlers bowl to contain, so fewer balls beat the bat.
        const float chase = OneDayChase(intent);
        risk0 *= 0.8f * chase;
        risk1 *= chase;
    }
    b.mf_risk = {risk0, risk1, 0.5f / s};

    DecideContactFor(*this, limited);
}

int Match::ChooseStroke() {
    return ChooseStrokeFor(*this, !IsFirstClass());
}

int Match::PickStroke(int length, int movement, int intent, int value) {
    return PickStrokeFor(*this, length, movement, intent, value, !IsFirstClass());
}

void Match::DecideContact() {
    DecideContactFor(*this, !IsFirstClass());
}

}  // namespace ravel
