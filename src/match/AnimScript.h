// The recorded animation of one ball on the two-dimensional ground view, and
// the ground geometry the engine places figures and balls with.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

// Figures of the ground view, by index.
enum GroundFigureIndex : int {
    FIG_BALL = 0,
    FIG_STRIKER = 1,
    FIG_NON_STRIKER = 2,
    FIG_BOWLER = 3,
    FIG_KEEPER = 4,
    FIG_FIRST_FIELDER = 5,
    FIG_LAST_FIELDER = 13,
    FIG_UMPIRE_BOWLER = 14,
    FIG_UMPIRE_SQUARE = 15,
    GROUND_FIGURES = 16,
};

// Kinds of figure, fixed by index.
enum GroundFigureKind : int {
    FIGKIND_STRIKER = 10,
    FIGKIND_NON_STRIKER = 20,
    FIGKIND_BOWLER = 30,
    FIGKIND_KEEPER = 40,
    FIGKIND_FIELDER = 50,
    FIGKIND_BALL = 60,
    FIGKIND_UMPIRE_BOWLER = 70,
    FIGKIND_UMPIRE_SQUARE = 80,
};

// Target codes of an AnimEvent beyond the figure indices 0..15.
enum AnimTarget : int {
    ANIM_SOUND_FIRST = 101,
    ANIM_SOUND_LAST = 199,
    ANIM_CAPTION = 201,
    ANIM_SCORE_AFTER = 211,
    ANIM_STUMPS_END1 = 221,
    ANIM_STUMPS_END2 = 222,
};

// Sound codes the engine fires during a ball.
enum AnimSound : int {
    SND_BALL_START = 161,
    SND_BAT = 102,
    SND_NO_BALL = 103,
    SND_BOUNDARY = 104,
    SND_WIDE = 105,
    SND_APPEAL = 106,
    SND_STUMPS = 107,
    SND_CATCH = 108,
    SND_CHEER = 109,
};

// Move types of an AnimEvent: a glide (with an arc when it has a height) or a
// bounce that starts from the event's bounce velocity.
inline constexpr uint8_t MOVE_GLIDE = 0;
inline constexpr uint8_t MOVE_BOUNCE = 1;

// Caption colours.
inline constexpr uint32_t CAPTION_WHITE = 0xFFFFFFFF;
inline constexpr uint32_t CAPTION_YELLOW = 0xFFFFFF00;
inline constexpr uint32_t CAPTION_FLASH_RED = 0xFFFEFE00;    // red and white bar: wickets
inline constexpr uint32_t CAPTION_FLASH_GREEN = 0xFF00FE00;  // green and white bar: boundaries

// A figure on the ground view; also the starting snapshot kept in a script.
struct GroundFigure {
    int32_t mi_id = 0;
    int32_t mi_kind = 0;
    int32_t mi_player = -1;    // position in the player table
    int32_t mi_fieldPos = -1;  // table position of the FieldPosition a fielder stands at
    float mf_x = 0.0f;
    float mf_y = 0.0f;
    float mf_height = 0.0f;
    int32_t mi_pose = 0;
    int32_t mi_frame = 0;
};

inline constexpr int ANIM_CAPTION_LENGTH = 255;

// One step of a ball's animation: a move of a figure, a sound, a caption or a
// state change, active between its start and end tick.
class AnimEvent {
public:
    virtual ~AnimEvent() = default;
    virtual const char* Caption() const { return mc_caption; }
    void SetCaption(const char* text);

    uint8_t mb_moveType = MOVE_GLIDE;
    int32_t mi_start = 0;
    int32_t mi_end = 0;
    int32_t mi_target = 0;
    uint8_t mb_disabled = 0;
    float mf_fromX = -1.0f;  // -1 stands for where the figure is when the move starts
    float mf_fromY = -1.0f;
    float mf_toX = -1.0f;
    float mf_toY = -1.0f;
    float mf_arc = 0.0f;
    float mf_bounceVelocity = 0.0f;
    int32_t mi_extra[3] = {};
    uint32_t mi_pose = 0;  // pose of the figure, or the colour of a caption
    uint8_t mb_active = 0;
    char mc_caption[ANIM_CAPTION_LENGTH + 1] = {};
};

inline constexpr int32_t SCRIPT_KIND_COMPLETE = 301;

// The animation of one ball with the facts of the ball the view shows.
struct BallAnimScript {
    std::vector<AnimEvent> mv_events;
    int32_t mi_length = 0;
    int32_t mi_clock = -1;
    uint8_t mb_played = 0;
    int32_t mi_kind = 0;
    // The fifteen words, in three-word groups: players, sides, score, match, ball.
    int32_t mi_striker = -1;
    int32_t mi_nonStriker = -1;
    int32_t mi_fielder = -1;
    int32_t mi_bowler = -1;
    int32_t mi_battingSide = 0;
    int32_t mi_bowlingSide = 0;
    int32_t mi_total = 0;
    int32_t mi_wickets = 0;
    int32_t mi_competition = 0;
    int32_t mi_battingNational = 0;
    int32_t mi_bowlingNational = 0;
    int32_t mi_innings = 0;
    int32_t mi_over = 0;
    int32_t mi_ball = 0;
    int32_t mi_outcome = 0;
    int32_t mi_runs = 0;
    uint8_t mb_celebration = 0;
    uint8_t mb_chance = 0;
    uint8_t mb_wicket = 0;
    GroundFigure m_figures[GROUND_FIGURES];

    void Clear();
    // Length in ticks (the last end tick plus the pause after the ball); clock -1.
    void SetLength();
    // A glide of a figure from one point to another; -1 coordinates start from where it stands.
    AnimEvent& AddMove(int figure, int start, int end, float fromX, float fromY, float toX, float toY,
                       float arc = 0.0f, uint32_t pose = 1);
    AnimEvent& AddCaption(int start, int end, uint32_t colour, const char* text);
    AnimEvent& AddMarker(int target, int tick);
    // The script's record in the highlights file (match/HighlightsFile.cpp):
    // Write appends it, marking the script played, clock 0, kind 301 first;
    // Read fills a fresh script from content at offset and moves the offset
    // past it, false (offset unchanged) when the record is cut short; values
    // beyond the ground's range are brought to its edge and counted in
    // `clamped`.
    void Write(std::string& out);
    bool Read(const std::string& content, size_t& offset, int& clamped);
};

// Process-wide sine and cosine of whole degrees 0..360, filled before any
// match is played (at load time) and again by FillTrigTables.
extern double g_sinDegrees[361];
extern double g_cosDegrees[361];
void FillTrigTables();

// The point at a bearing (degrees clockwise from straight down the ground,
// behind the bowler, as the striker looks) and distance in pixels from a point.
struct GroundPoint {
    float x = 0.0f;
    float y = 0.0f;
};
// A bearing rounded to whole degrees, 0..359.
inline int WholeDegrees(double bearing) {
    int d = static_cast<int>(bearing >= 0.0 ? bearing + 0.5 : bearing - 0.5) % 360;
    return d < 0 ? d + 360 : d;
}
// The same for a bearing already in whole degrees 0..359.
inline GroundPoint PointAtWholeBearing(GroundPoint from, int degrees, float distance) {
    return {static_cast<float>(from.x - g_sinDegrees[degrees] * distance),
            static_cast<float>(from.y + g_cosDegrees[degrees] * distance)};
}
inline GroundPoint PointAtBearing(GroundPoint from, double bearing, float distance) {
    return PointAtWholeBearing(from, WholeDegrees(bearing), distance);
}
// Bearing of one point as seen from another, in the same convention, 0..359.
int BearingTo(GroundPoint from, GroundPoint to);
// Worked in double and rounded once to float: the figure std::hypot gives
// for ground-sized floats, without the library call (every ball needs many).
inline float GroundDistance(GroundPoint a, GroundPoint b) {
    const double dx = a.x - b.x, dy = a.y - b.y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// Ground geometry in pixels of the 740 x 556 ground picture. The striker bats
// at the top end, the bowler runs in from the bottom.
inline constexpr float GROUND_WIDTH = 740.0f;
inline constexpr float GROUND_HEIGHT = 556.0f;
inline constexpr GroundPoint GROUND_CENTRE = {390.0f, 278.0f};
inline constexpr GroundPoint STRIKER_CREASE = {391.0f, 262.0f};
inline constexpr GroundPoint NON_STRIKER_CREASE = {398.0f, 305.0f};
inline constexpr GroundPoint BOWLER_RELEASE = {393.0f, 302.0f};
inline constexpr GroundPoint BOWLER_MARK = {395.0f, 350.0f};
// Back to pace some fifteen yards, level with the slips; up to the stumps to spin.
inline constexpr GroundPoint KEEPER_STAND_BACK = {391.0f, 208.0f};
inline constexpr GroundPoint KEEPER_STAND_UP = {391.0f, 248.0f};
inline constexpr GroundPoint UMPIRE_BOWLER_END = {384.0f, 312.0f};
inline constexpr GroundPoint UMPIRE_SQUARE_LEG = {450.0f, 262.0f};
inline constexpr GroundPoint PAVILION = {157.0f, 85.0f};
inline constexpr float BOUNDARY_RADIUS = 250.0f;

}  // namespace ravel
