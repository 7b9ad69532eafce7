// The state of the ball being played: the delivery, the shot and the
// fielding, rewritten for every ball and read by the steps after them.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "match/AnimScript.h"
#include "match/Commentary.h"

namespace ravel {

// Intent codes, most cautious first.
enum IntentCode : int32_t {
    INTENT_BLOCK = 19000,
    INTENT_CAUTIOUS = 19001,
    INTENT_NORMAL = 19002,
    INTENT_ATTACK = 19003,
    INTENT_SLOG = 19004,
};

// Ball outcome codes; 300..600 are dismissals.
enum BallOutcome : int32_t {
    OUTCOME_RUNS = 0,
    OUTCOME_NO_BALL = 180,
    OUTCOME_WIDE = 181,
    OUTCOME_BYES = 298,
    OUTCOME_BOWLED = 320,
    OUTCOME_LBW = 330,
    OUTCOME_STUMPED = 345,
    OUTCOME_CAUGHT = 400,
    OUTCOME_RUN_OUT_STRIKER = 490,
    OUTCOME_RUN_OUT_NON_STRIKER = 491,
};
inline bool IsDismissal(int32_t outcome) {
    return outcome >= 300 && outcome <= 600;
}

// How-out codes of a batting record.
enum HowOut : int32_t {
    HOWOUT_BATTING = -1,
    HOWOUT_DID_NOT_BAT = 0,
    HOWOUT_BOWLED = 1,
    HOWOUT_CAUGHT = 2,
    HOWOUT_LBW = 3,
    HOWOUT_STUMPED = 4,
    HOWOUT_RUN_OUT = 5,
};
// The way a batsman's innings ended in a word: "not out", "bowled"...;
// empty when he did not bat or for an unknown code.
const char* DismissalText(int32_t howOut);
// "b", "c", "lbw", "st", "run out", the rarer dismissals 6 to 11 and "Not
// Out"; a single blank for 0 and unknown codes.
const char* DismissalShortText(int32_t howOut);

// How the bat met the ball: what the fielding takes over from the shot.
enum Contact : int32_t {
    CONTACT_NONE = 0,  // left alone, or beaten and through to the keeper
    CONTACT_CLEAN = 1,
    CONTACT_MISHIT = 2,  // poor contact, often in the air
    CONTACT_EDGE = 3,    // outside edge towards the keeper and slips
    CONTACT_PADS = 4,    // off the pads: leg byes possible
};

inline constexpr int INTENTS = 5;
inline constexpr int FIELD_FIGURES = 9;  // fielders besides the bowler and the keeper

struct Player;
struct PlanBall;
struct MatchPlayer;
// Weighted sum of the striker's four core batting skills for a stroke.
float StrokeSkill(const Player& player, int stroke);
// The three risk figures of a stroke of that skill against a delivery.
void StrokeRisks(float skill, float quality, float bounce, float eye, std::array<float, 3>& risk);

// One of the fielding side as the fielding takes him, by side slot; the
// skills are a player's own, which do not change during a match.
struct SlotFielder {
    int32_t mi_player = -1;
    int32_t mi_fieldSkill = 0;  // 0..100
    int32_t mi_keepSkill = 0;   // not below 0
    float mf_stopSkill = 0.0f;  // the reach his fielding adds to a stop
    float mf_edgeReach = 0.0f;  // how far across an edge's line he reaches
};

// One who may get to the ball off the bat: the keeper, the bowler or one of
// the nine fielders, as he stands for this ball.
struct FieldCandidate {
    int32_t mi_player = -1;
    int32_t mi_catchSkill = 0;  // the keeper catches with his keeping skill
};

// Where the candidates stand, in lanes of four for the searches along a
// ball's line (Fielding.cpp): each place less the striker's crease, the
// reach his fielding adds to a stop, his catching reach before the ball's
// hang time, and how far across the line of an edge flying past him he can
// reach (the keeper with his gloves furthest). The last lane is empty and
// stands far off.
struct CandidateLanes {
    static constexpr int COUNT = FIELD_FIGURES + 3;
    alignas(16) std::array<float, COUNT> mf_x{};
    alignas(16) std::array<float, COUNT> mf_y{};
    alignas(16) std::array<float, COUNT> mf_stopSkill{};
    alignas(16) std::array<float, COUNT> mf_catchReach{};
    alignas(16) std::array<float, COUNT> mf_edgeReach{};

    GroundPoint At(int i) const { return {mf_x[i], mf_y[i]}; }
};
inline constexpr uint32_t EVERY_CANDIDATE = (1u << (FIELD_FIGURES + 2)) - 1u;  // all but the empty lane

// The searches along a ball's line, the candidates four at a time; each picks
// what a search one candidate at a time would. StopOnLine: of the candidates
// whose stopping reach, (10 + along / 4 + skill reach) * pace, covers the line
// from the bat on dir somewhere past the bat and no further than furthest,
// the nearest along it (the first of equals); -1 for none, along how far.
int StopOnLine(const CandidateLanes& lanes, GroundPoint dir, float furthest, float pace, float& along);
// The candidate who gets to an edge flying from the bat on dir and carrying
// that far: of those it passes within their edge reach, the first along its
// line (the first of equals); -1 for none, along and across how far from the
// bat it passed him.
int EdgeCatcher(const CandidateLanes& lanes, GroundPoint dir, float carry, float& along, float& across);
// A bit for every candidate who may be within catching reach (his own plus
// hang, hang not negative) of a ball coming down at land; those left out are not.
uint32_t UnderCatch(const CandidateLanes& lanes, GroundPoint land, float hang);
// A bit for every candidate who may be the nearest to stop, distances worked
// as GroundDistance works them: the nearest, and all as near, are among them.
uint32_t NearestTo(const CandidateLanes& lanes, GroundPoint stop);

// The nine places of one field setting as worked out for the ground view.
struct PlacedField {
    const void* mp_builtIn = nullptr;  // the built-in field that filled its gaps; nullptr not worked out yet
    std::array<GroundPoint, FIELD_FIGURES> m_at{};
    std::array<int32_t, FIELD_FIGURES> mi_position{};  // FieldPosition table positions, -1 built in
    std::array<float, FIELD_FIGURES> mf_fromBat{};     // how far each stands from the striker's crease
};

// A place less the striker's crease, and how far that is.
inline GroundPoint FromBat(GroundPoint at) {
    return {at.x - STRIKER_CREASE.x, at.y - STRIKER_CREASE.y};
}
inline float DistanceFromBat(GroundPoint at) {
    return GroundDistance(FromBat(at), {0.0f, 0.0f});
}

inline constexpr int EFFORTS = 11;  // a plan ball's effort, 0..10
inline constexpr int BOWLER_SLOTS = FIELD_FIGURES + 2;

// A bowler's chances of a no ball and a wide by effort, before the extras he
// has already bowled, for the bowling type, skill and kind of match they
// were worked out for.
struct ExtrasOdds {
    int32_t mi_type = INT32_MIN;
    float mf_skill = -1.0f;
    uint8_t mb_firstClass = 0;
    uint16_t mi_known = 0;  // bit e: the odds for effort e are worked out
    std::array<float, EFFORTS> mf_noBall{};
    std::array<float, EFFORTS> mf_wide{};
};

struct BallState {
    // Delivery.
    int32_t mi_length = 8001;
    int32_t mi_movement = 9001;
    int32_t mi_effort = 5;
    int32_t mi_bowlType = 0;
    float mf_skill = 0.0f;
    int32_t mi_spread = 2;
    float mf_quality = 0.0f;
    float mf_noBallChance = 0.0f;
    float mf_wideChance = 0.0f;
    uint8_t mb_movementFlag = 0;
    uint8_t mb_illegal = 0;
    int32_t mi_runs = 0;         // runs of the ball
    int32_t mi_fieldSetup = -1;  // FieldSetup table position used for this ball, -1 the built-in field
    int32_t mi_weatherKey = -1;  // climate and roll the weather code was worked out for
    int32_t mi_weatherCode = 0;
    std::array<float, 7> mf_weatherFactor{};  // the weather's effect on a delivery, by bowling type 0..6
    float mf_bounceKey = std::numeric_limits<float>::quiet_NaN();  // the bounce the factor was worked out for
    float mf_bounceFactor = 1.0f;
    // The bowler as StageDelivery found him for CheckExtras: his side's
    // record and player, and the plan ball he bowls next (nullptr none) with
    // the step after it. Good for the one ball only.
    uint8_t mb_staged = 0;
    int32_t mi_bowlerSlot = 0;
    MatchPlayer* mp_bowlerMp = nullptr;
    const Player* mp_bowler = nullptr;
    const PlanBall* mp_planBall = nullptr;
    int32_t mi_nextPlanStep = 0;
    std::array<ExtrasOdds, BOWLER_SLOTS> m_extrasOdds{};  // by the bowler's side slot
    // Shot.
    int32_t mi_intentValue = 0;
    int32_t mi_intentDraw = 0;  // the random number that chose the intent
    int32_t mi_intent = INTENT_NORMAL;
    int32_t mi_stroke = STROKE_LEAVE;
    float mf_strokeSkill = 0.0f;
    std::array<float, 3> mf_risk{};
    float mf_riskBounceKey =
        std::numeric_limits<float>::quiet_NaN();  // the bounce the factor was worked out for
    float mf_riskBounceFactor = 1.0f;
    float mf_wearKey = std::numeric_limits<float>::quiet_NaN();  // the pitch wear the factors are for
    float mf_strokeWear = 1.0f;                                  // its factor on the risks of a stroke
    float mf_blockWear = 1.0f;                                   // and of a block or a leave
    int32_t mi_strokeFlag = 0;
    float mf_energy = 100.0f;
    int32_t mi_skill7 = 0;
    std::array<float, INTENTS> mf_intentWeight{};  // the intent distribution of this ball
    std::array<float, INTENTS> mf_intentSum{};
    int32_t mi_contact = CONTACT_NONE;
    uint8_t mb_aerial = 0;  // the ball goes in the air off the bat
    float mf_power = 0.0f;  // 0..1.5 of a full hit
    int32_t mi_bearing = 0;
    uint8_t mb_appeal = 0;
    // Fielding: the nine fielders' places (as for a right-hander) and side slots.
    std::array<GroundPoint, FIELD_FIGURES> m_fielders{};
    std::array<float, FIELD_FIGURES> mf_fielderFromBat{};
    std::array<int32_t, FIELD_FIGURES> mi_fielderSlot{};
    std::array<int32_t, FIELD_FIGURES> mi_fielderPosition{};  // FieldPosition table positions, -1 built in
    int32_t mi_keeperSlot = 0;
    int32_t mi_placedSetup = -2;  // the field the places above were worked out for
    // Every field used so far in the match, by FieldSetup table position + 1
    // (0 the built-in field): a field comes round again with the bowler and
    // the striker, its places do not change.
    std::vector<PlacedField> mv_placedFields;
    int32_t mi_slotsKey = -1;        // bowler and keeper slots the fielders' slots were given for
    int32_t mi_setupId = INT32_MIN;  // the plan ball's field id last looked up, and its table position
    int32_t mi_setupPos = -1;
    const void* mp_placedBuiltIn = nullptr;
    // The candidates change with the places, the bowler and the keeper, not
    // with the ball: UpdateFieldCandidates works them out again when its key
    // changes; new places clear the key.
    std::array<FieldCandidate, FIELD_FIGURES + 2> m_candidates{};
    CandidateLanes m_lanes;
    int32_t mi_candidatesKey = -1;
    std::array<SlotFielder, FIELD_FIGURES + 2> m_slotFielders{};  // the fielding side of innings
    int32_t mi_slotFieldersInnings = -1;                          // (index * 2 + 1 for the first side)
    int32_t mi_keepSkill = 0;
    uint8_t mb_keeperUp = 0;  // the keeper stands up to this bowler
    // A field setting was changed in place: the next ball looks it up and
    // places its fielders again.
    void ForgetField() {
        mi_placedSetup = -2;
        mv_placedFields.clear();
        mi_setupId = INT32_MIN;
        mi_setupPos = -1;
    }
    int32_t mi_strikerPos = 0;  // batting positions and players at the crease as the ball is bowled
    int32_t mi_nonStrikerPos = 1;
    int32_t mi_strikerPlayer = -1;
    int32_t mi_nonStrikerPlayer = -1;
    uint8_t mb_leftHander = 0;
    int32_t mi_fielder = -1;        // player id of the fielder involved
    int32_t mi_fielderFigure = -1;  // ground figure of that fielder
    uint8_t mb_dropped = 0;
    uint8_t mb_overthrow = 0;
    GroundPoint m_end{};  // where the ball finishes
    // Animation ticks of this ball.
    int32_t mi_runUpTick = 0;
    int32_t mi_releaseTick = 0;
    int32_t mi_pitchTick = 0;
    int32_t mi_arriveTick = 0;
    int32_t mi_fieldTick = 0;
    GroundPoint m_pitchPoint{};
    GroundPoint m_arrivePoint{};
    // The ball's script while it is being recorded (matches with a human side).
    BallAnimScript m_script;
    uint8_t mb_recording = 0;
};

// The ball's bearing (0..359) as the picture shows it: a left-hander's
// strokes are mirrored.
inline int PictureBearing(const BallState& b) {
    return b.mb_leftHander && b.mi_bearing > 0 ? 360 - b.mi_bearing : b.mi_bearing;
}

}  // namespace ravel
