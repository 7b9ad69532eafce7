// The shot: the striker's intent for the ball, the leave, the stroke, its
// skill and risk figures, and from the risks whether he misses, edges, mishits,
// is bowled or lbw, or meets the ball cleanly.
#include <algorithm>
#include <cstdio>

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

// Intent weights by the intent value, bands tested from the top.
struct IntentRow {
    int from;
    float weight[INTENTS];
};
const IntentRow INTENT_TABLE[] = {
    {90, {0, 3, 20, 33, 40}},    {80, {2, 5, 24, 35, 20}},  {70, {5, 10, 40, 30, 15}},
    {60, {10, 25, 50, 30, 8}},   {50, {15, 20, 55, 21, 5}}, {40, {20, 39, 45, 15, 3}},
    {30, {25, 50, 37, 10, 3}},   {20, {40, 70, 30, 10, 2}}, {10, {35, 70, 15, 3, 0}},
    {-1000, {60, 50, 12, 3, 0}},
};

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

// Weights of the four core batting skills for each stroke.
struct SkillWeights {
    float w[4];
};
SkillWeights StrokeSkillWeights(int stroke) {
    switch (stroke) {
        case STROKE_FORWARD_DEFENCE:
        case STROKE_STRAIGHT_DRIVE:
            return {{0.5f, 0.0f, 0.25f, 0.25f}};
        case STROKE_BACK_DEFENCE:
            return {{0.0f, 0.5f, 0.25f, 0.25f}};
        case STROKE_CUT:
            return {{0.0f, 0.5f, 0.5f, 0.0f}};
        case STROKE_PULL:
        case STROKE_HOOK:
            return {{0.0f, 0.5f, 0.0f, 0.5f}};
        case STROKE_SWEEP:
            return {{0.5f, 0.0f, 0.0f, 0.5f}};
        case STROKE_COVER_DRIVE:
        case STROKE_OFF_DRIVE:
            return {{0.5f, 0.0f, 0.4f, 0.1f}};  // front foot, off side
        case STROKE_ON_DRIVE:
            return {{0.5f, 0.0f, 0.1f, 0.4f}};
        case STROKE_LEG_GLANCE:
            return {{0.2f, 0.3f, 0.0f, 0.5f}};
        default:
            return {{0.5f, 0.0f, 0.1f, 0.4f}};
    }
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
float IntentBandFactor(int v) {
    static const struct {
        int below;
        float factor;
    } BANDS[] = {{5, 0.74f},  {10, 0.78f}, {20, 0.84f}, {30, 0.9f},   {61, 1.0f},
                 {70, 1.08f}, {80, 1.16f}, {90, 1.26f}, {1000, 1.38f}};
    for (const auto& band : BANDS) {
        if (v < band.below) return band.factor;
    }
    return 1.38f;
}

}  // namespace

float StrokeSkill(const Player& p, int stroke) {
    SkillWeights w = StrokeSkillWeights(stroke);
    float s = 0.0f;
    for (int i = 0; i < 4; ++i) s += w.w[i] * static_cast<float>(p.m_batSkill[i]);
    return s;
}

// Risk figures of a stroke: the chances that it goes wrong, never negative
// and never a division by zero, whatever the skills.
void StrokeRisks(float skill, float quality, float bounce, float eye, std::array<float, 3>& risk) {
    float s = std::max(skill, 1.0f);
    risk = {0.18f / s, 0.15f / s, 0.5f / s};
    // Quality: continuous at 60, harder to play as it rises.
    float qf = quality > 60.0f ? quality / 60.0f : quality * 0.01f + 0.4f;
    float bf;
    if (bounce > 7.5f)
        bf = 0.7f - (bounce - 7.5f) * 0.05f;
    else if (bounce > 5.0f)
        bf = 1.0f - (bounce - 5.0f) / 13.0f;
    else if (bounce >= 2.5f)
        bf = 1.0f + (bounce - 2.5f) * 0.1f;
    else
        bf = 1.05f + (2.5f - bounce) / 14.0f;
    float ef = 1.0f;
    float e = std::min(eye, 10.0f);
    if (e >= 3.0f) ef = 1.0f - e / 110.0f;
    float f = std::max(qf * bf * ef, 0.0f);
    risk[0] *= f;
    risk[1] *= f;
}

void Match::PlayShot() {
    BallState& b = m_ball;
    mi_ballOutcome = OUTCOME_RUNS;
    b.mi_intentDraw = 0;
    b.mf_intentWeight.fill(0.0f);
    b.mf_intentSum.fill(0.0f);
    b.mi_contact = CONTACT_NONE;
    b.mb_aerial = 0;
    b.mf_power = 0.0f;
    b.mb_appeal = 0;
    b.mi_fielder = -1;
    b.mi_fielderFigure = -1;
    b.mb_dropped = 0;
    b.mb_overthrow = 0;

    Innings& in = CurrentInnings();
    int strikerPos = SquadSlot(mi_striker);
    int strikerSlot = SquadSlot(in.mi_battingOrder[strikerPos]);
    int bowlerSlot = SquadSlot(mi_bowler);
    MatchPlayer& mp = BattingSide().m_players[strikerSlot];
    const Player* striker = PlayerById(in.m_batsmen[strikerPos].mi_player);

    b.mi_intentValue = std::clamp(static_cast<int>(mp.mf_aggression[bowlerSlot]), 0, 100);
    b.mf_energy = mp.mf_energy;
    // A long innings tires the batsman.
    int faced = in.m_batsmen[strikerPos].Balls();
    if (faced >= 100) b.mf_energy = std::max(b.mf_energy - (faced - 100) * 0.1f, 20.0f);
    b.mi_skill7 = striker ? striker->m_batSkill[6] : 0;

    const IntentRow* row = &INTENT_TABLE[0];
    for (const IntentRow& r : INTENT_TABLE) {
        row = &r;
        if (b.mi_intentValue >= r.from) break;
    }
    float sum = 0.0f;
    for (int i = 0; i < INTENTS; ++i) {
        b.mf_intentWeight[i] = row->weight[i];
        sum += row->weight[i];
        b.mf_intentSum[i] = sum;
    }
    int r = Rand() % std::max(static_cast<int>(b.mf_intentSum[4]), 1);
    b.mi_intentDraw = r;
    int intent = INTENT_SLOG;
    for (int i = 0; i < INTENTS - 1; ++i) {
        if (r < b.mf_intentSum[i]) {
            intent = INTENT_BLOCK + i;
            break;
        }
    }
    b.mi_intent = intent;
    b.mi_stroke = intent;
    b.mi_strokeFlag = 0;
    b.mi_stroke = ChooseStroke();

    if (b.mi_stroke == STROKE_LEAVE) {
        b.mf_strokeSkill = striker ? StrokeSkill(*striker, STROKE_FORWARD_DEFENCE) : 0.0f;
    } else {
        b.mf_strokeSkill = striker ? StrokeSkill(*striker, b.mi_stroke) : 0.0f;
    }
    float eye = mp.mf_eye[bowlerSlot];
    StrokeRisks(b.mf_strokeSkill, b.mf_quality, mf_bounce, eye, b.mf_risk);
    if (mb_wide) {
        b.mf_risk[0] = 0.0f;
        b.mf_risk[1] = 0.0f;
    }
    float energyFactor = b.mf_energy < 50.0f ? 1.0f + (50.0f - b.mf_energy) / 100.0f : 1.0f;
    // A worn pitch gets harder to bat on, and helps spin most.
    float wearFactor = 1.0f + mf_pitchWear * 0.02f;
    if (IsSpin(b.mi_bowlType) && mf_turn > 5.0f) wearFactor *= 1.0f + (mf_turn - 5.0f) * 0.03f;
    float band = IntentBandFactor(b.mi_intentValue) * energyFactor * wearFactor;
    b.mf_risk[0] *= band;
    b.mf_risk[1] *= band;
    if (!IsFirstClass()) {
        // Going for the runs costs wickets, judged on the intent he chose.
        // One-day bowlers bowl to contain, so fewer balls beat the bat.
        float chase = OneDayChase(b.mi_intent);
        b.mf_risk[0] *= 0.8f * chase;
        b.mf_risk[1] *= chase;
    }

    DecideContact();
}

int Match::ChooseStroke() {
    BallState& b = m_ball;
    bool limited = !IsFirstClass();
    int p = Rand() % 100;
    bool mayLeave = true;
    if (b.mb_movementFlag) {
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
                if (limited)
                    mayLeave = false;
                else
                    p = 0;
                break;
            default:
                mayLeave = false;
                break;
        }
        int k = b.mi_skill7;
        if (k > 70) p += k / 8;
        if (k > 90) p += k / 16;
        p = std::clamp(p, 4, 94);
        if (mayLeave && Rand() % 100 >= p) return STROKE_LEAVE;
    }
    int stroke = PickStroke(b.mi_length, b.mi_movement, b.mi_intent, mi_matchType);
    if (mb_wide) stroke = STROKE_LEAVE;
    return stroke;
}

namespace {

// The draw of a stroke for one kind of ball: the whole-number bounds of
// each stroke's share in ORDER, and their total. A pure function of the
// length, the movement, the intent and the kind of match, so worked out once.
struct StrokeDraw {
    int total = 0;
    std::array<int, 12> bounds{};  // share i runs from bounds[i] to bounds[i + 1]
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
    float running = 0.0f;
    for (int i = 0; i < 11; ++i) {
        draw.bounds[i] = static_cast<int>(running);
        running += weight[i];
    }
    draw.bounds[11] = static_cast<int>(running);
    return draw;
}

const StrokeDraw& StrokeDrawFor(int length, int movement, int intent, bool limited) {
    constexpr int LENGTHS = LENGTH_BOUNCER - LENGTH_GOOD + 1;
    constexpr int MOVEMENTS = MOVE_SPECIALITY - MOVE_STRAIGHT + 1;
    static StrokeDraw s_draws[LENGTHS][MOVEMENTS][INTENTS][2];  // a total of 0: not made yet
    static StrokeDraw s_other;
    const bool usual = length >= LENGTH_GOOD && length <= LENGTH_BOUNCER && movement >= MOVE_STRAIGHT &&
                       movement <= MOVE_SPECIALITY && intent >= INTENT_BLOCK &&
                       intent < INTENT_BLOCK + INTENTS;
    if (!usual) {
        s_other = MakeStrokeDraw(length, movement, intent, limited);
        return s_other;
    }
    const int l = length - LENGTH_GOOD, m = movement - MOVE_STRAIGHT, i = intent - INTENT_BLOCK;
    const int k = limited ? 1 : 0;
    StrokeDraw& draw = s_draws[l][m][i][k];
    if (draw.total == 0) draw = MakeStrokeDraw(length, movement, intent, limited);
    return draw;
}

}  // namespace

int Match::PickStroke(int length, int movement, int intent, int value) {
    BallState& b = m_ball;
    const int* ORDER = StrokeOrder();
    const StrokeDraw& draw = StrokeDrawFor(length, movement, intent, !IsFirstClass());
    int r = Rand() % draw.total;
    // The bounds only rise and start at 0: the share is the first that ends past r.
    int i = 0;
    while (i < 10 && r >= draw.bounds[i + 1]) ++i;
    int stroke = ORDER[i];
    if (stroke == STROKE_SWEEP && !IsSpin(b.mi_bowlType)) stroke = STROKE_PULL;
    if (stroke == STROKE_HOOK && b.mi_bowlType > 5) stroke = STROKE_SWEEP;

    if (stroke == STROKE_LEG_GLANCE || stroke == STROKE_HOOK) {
        bool guarded = FieldHasPosition(b.mi_fieldSetup, {13, 28, 29});
        if (stroke == STROKE_HOOK && !guarded) {
            guarded = FieldHasPosition(b.mi_fieldSetup, {3}) ||
                      (Rand() % 3 == 1 && FieldHasPosition(b.mi_fieldSetup, {4}));
        }
        if (guarded) {
            const Player* striker = PlayerById(StrikerPlayer());
            float skill = striker ? StrokeSkill(*striker, stroke) : 0.0f;
            bool keep = Rand() % 103 < skill || Rand() % 6 == 3;
            if (!keep) stroke = Rand() % 30 < 15 ? STROKE_STRAIGHT_DRIVE : STROKE_ON_DRIVE;
        }
    }
    // In the shortest game one stroke in three is hit in the air.
    if (value >= 6 && Rand() % 3 == 1) b.mi_strokeFlag = 1;
    return stroke;
}

}  // namespace ravel

namespace ravel {

namespace {
// How often the risk figures turn into a ball that beats the bat, an edge or
// a mishit. The risk figures are per-mille sized, so these scale them up.
constexpr float BEATEN_SCALE = 27.0f;
constexpr float EDGE_SCALE = 22.0f;
constexpr float MISHIT_SCALE = 14.0f;
constexpr float SURVIVAL_CARE = 0.35f;
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
}  // namespace

void Match::DecideContact() {
    BallState& b = m_ball;
    const float* risk = b.mf_risk.data();
    if (mb_wide) {
        mi_ballOutcome = OUTCOME_WIDE;
        b.mi_contact = CONTACT_NONE;
        return;
    }
    bool defence = b.mi_stroke == STROKE_FORWARD_DEFENCE || b.mi_stroke == STROKE_BACK_DEFENCE;
    bool slow = IsSpin(b.mi_bowlType);
    float pace = slow ? SLOW_BOWLING_RISK : FAST_BOWLING_RISK;
    // Slogging skies more mishits.
    float mistime = (slow ? SLOW_BOWLING_RISK : 1.0f) *
                    (IsFirstClass() ? 1.0f : 1.0f + (OneDayChase(b.mi_intent) - 1.0f) * 0.25f);
    float u = Uniform();
    if (b.mi_stroke == STROKE_LEAVE) {
        // Leaving a ball that comes back in can cost his wicket.
        bool comesIn = b.mi_movement == MOVE_IN_SWING || b.mi_movement == MOVE_OFF_BREAK ||
                       b.mi_movement == MOVE_WRONGUN || b.mi_movement == MOVE_OFF_CUTTER;
        if (comesIn && u < risk[0] * pace * LEAVE_DANGER * BEATEN_SCALE) {
            b.mb_appeal = 1;
            if (Rand() % 3 == 0)
                mi_ballOutcome = OUTCOME_BOWLED;
            else if (Rand() % 10 < 6)
                mi_ballOutcome = OUTCOME_LBW;
            else
                b.mi_contact = CONTACT_PADS;
        }
        return;
    }
    // A forward or back defensive stroke plays with soft hands and a straight bat.
    // A batsman set on survival gives even less away.
    float care = b.mi_intent == INTENT_BLOCK ? 0.55f : b.mi_intent == INTENT_CAUTIOUS ? 0.8f : 1.0f;
    if (b.mi_intentValue < 10) care *= SURVIVAL_CARE;  // batting to save the match
    float beaten = risk[0] * pace * BEATEN_SCALE * care * (defence ? 0.6f : 1.0f);
    float edge = risk[1] * pace * EDGE_SCALE * care * (defence ? 0.7f : 1.0f);
    float mishit = risk[2] * mistime * MISHIT_SCALE * care * (defence ? 0.3f : 1.0f);
    if (u < beaten) {
        b.mi_contact = CONTACT_NONE;
        if (Uniform() < OnTheStumps(b.mi_length, b.mi_movement)) {
            // Through the gate or plumb in front.
            if (Rand() % 100 < 50) {
                mi_ballOutcome = OUTCOME_BOWLED;
            } else {
                b.mb_appeal = 1;
                if (Rand() % 100 < 65)
                    mi_ballOutcome = OUTCOME_LBW;
                else
                    b.mi_contact = CONTACT_PADS;
            }
        } else if (Rand() % 4 == 0) {
            b.mi_contact = CONTACT_PADS;
        }
    } else if (u < beaten + edge) {
        b.mi_contact = CONTACT_EDGE;
    } else if (u < beaten + edge + mishit) {
        b.mi_contact = CONTACT_MISHIT;
    } else {
        b.mi_contact = CONTACT_CLEAN;
    }
}

}  // namespace ravel
