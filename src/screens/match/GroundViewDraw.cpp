// Drawing the ground view: the picture, the stumps, the figures with their
// names, the batting side's score and the caption bars of the ball.
#include <algorithm>
#include <cstdio>

#include "screens/match/GroundView.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewDraw.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Resources.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint32_t NAME_COLOUR = 0xffffff00;
constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t FLASH_RED = 0xffff0000;
constexpr uint32_t FLASH_GREEN = 0xff00ff00;

constexpr int FIGURE_OFFSET = 8;  // figures are centred on their place
constexpr int BALL_OFFSET = 4;
constexpr int STUMPS_X = 389;
constexpr int STUMPS_END1_Y = 242;
constexpr int STUMPS_END2_Y = 302;

// Fielding positions whose fielders are named above their figure.
constexpr int32_t NAMED_ABOVE[] = {23, 24, 25, 28, 34, 36};

// Side and score, and the caption bars, stand at fixed places of the screen.
constexpr int BAR_LEFT = 351, BAR_RIGHT = 871, BAR_TOP = 633, BAR_HEIGHT = 27, BAR_STEP = 35;
constexpr int BAR_TEXT_X = 611;
constexpr int FLASH_PERIOD = 256;  // hundredths of a second: half red, half white
constexpr int FLASH_HALF = 128;

// Whole pixels of a place: defined for any float, a NaN or a place far off
// the canvas landing far off it.
constexpr float PIXEL_LIMIT = 1 << 20;
int Pixel(float v) {
    if (!(v > -PIXEL_LIMIT)) return -static_cast<int>(PIXEL_LIMIT);
    return static_cast<int>(std::min(v, PIXEL_LIMIT));
}

// The top left of a figure lifted by its height.
int LiftedPixel(float place, float height) {
    return Pixel(place - height / 2);
}

void DrawSprite(int slot, int x, int y) {
    if (const CSprite* sprite = s_groundSprites[slot]) sprite->Draw(x, y);
}

int FigureSprite(int32_t kind) {
    switch (kind) {
        case FIGKIND_STRIKER:
            return SPRITE_STRIKER;
        case FIGKIND_NON_STRIKER:
            return SPRITE_NON_STRIKER;
        case FIGKIND_BOWLER:
            return SPRITE_BOWLER;
        case FIGKIND_KEEPER:
            return SPRITE_KEEPER;
        case FIGKIND_FIELDER:
            return SPRITE_FIELDER;
        case FIGKIND_UMPIRE_BOWLER:
            return SPRITE_UMPIRE_BOWLER;
        case FIGKIND_UMPIRE_SQUARE:
            return SPRITE_UMPIRE_SQUARE;
        default:
            return -1;
    }
}

void DrawName(int32_t playerId, int x, int y) {
    const Player* player = PlayerById(playerId);
    if (!player) return;
    g_system->DrawText(x, y, ALIGN_CENTRE, NAME_COLOUR, g_game->m_fontTiny.get(), "%s", player->m_surname);
}

bool NamedAbove(int32_t fieldPosition) {
    return std::find(std::begin(NAMED_ABOVE), std::end(NAMED_ABOVE), fieldPosition) != std::end(NAMED_ABOVE);
}

void DrawBall(const GroundFigure& ball, int x0, int y0, int hx, int hy) {
    if (!(ball.mf_x > 0.0f && ball.mf_x < GROUND_WIDTH && ball.mf_y > 0.0f && ball.mf_y < GROUND_HEIGHT))
        return;
    DrawSprite(SPRITE_BALL_SHADOW, x0 + Pixel(ball.mf_x) - BALL_OFFSET, y0 + Pixel(ball.mf_y) - BALL_OFFSET);
    const int frame = ball.mi_pose == 0 ? 0 : std::clamp(ball.mi_frame, 0, 3);
    DrawSprite(SPRITE_BALL1 + frame, x0 + hx - BALL_OFFSET, y0 + hy - BALL_OFFSET);
}

void DrawFigure(const GroundFigure& f, int index, const BallAnimScript* script, int x0, int y0) {
    const int hx = LiftedPixel(f.mf_x, f.mf_height);
    const int hy = LiftedPixel(f.mf_y, f.mf_height);
    if (f.mi_kind == FIGKIND_BALL) return DrawBall(f, x0, y0, hx, hy);
    const int sprite = FigureSprite(f.mi_kind);
    if (sprite < 0) return;
    DrawSprite(sprite, x0 + hx - FIGURE_OFFSET, y0 + hy - FIGURE_OFFSET);
    if (!script) return;
    switch (f.mi_kind) {
        case FIGKIND_STRIKER:
            return DrawName(script->mi_striker, x0 + hx - FIGURE_OFFSET, y0 + hy + 2);
        case FIGKIND_BOWLER:
            return DrawName(script->mi_bowler, x0 + hx, y0 + hy + 2);
        case FIGKIND_KEEPER:
            return DrawName(script->m_figures[FIG_KEEPER].mi_player, x0 + hx, y0 + hy - 18);
        case FIGKIND_FIELDER:
            return DrawName(script->m_figures[index].mi_player, x0 + hx,
                            y0 + hy + (NamedAbove(f.mi_fieldPos) ? -8 : 2));
        default:
            return;
    }
}

// The batting side and its score on the board, as the match view's header
// has them; all out, the total alone.
void DrawScore(const BallAnimScript& script) {
    const char* name = "-";
    const char* shortName = "-";
    if (script.mi_battingNational) {
        if (const Country* country = CountryById(script.mi_battingSide)) {
            name = country->m_name;
            shortName = country->m_shortName;
        }
    } else if (const Team* team = TeamById(script.mi_battingSide)) {
        name = team->m_name;
        shortName = team->m_shortName;
    }
    const ShownScore score = GroundViewScore(script);
    char text[32];
    if (score.wickets >= 10)
        std::snprintf(text, sizeof text, "%d", score.runs);
    else
        std::snprintf(text, sizeof text, "%d/%d", score.runs, score.wickets);
    DrawBoardLine(name, shortName, text, 0, NAME_COLOUR);
}

// Every caption started so far, the first at the bottom and each further one
// a bar higher. Returns the top of the highest bar, or the bottom of the
// first place when none is drawn.
int DrawCaptionBars(const BallAnimScript& script) {
    const int phase = static_cast<int>(g_system->m_clockSeconds * 100.0f) % FLASH_PERIOD;
    const bool light = phase >= FLASH_HALF;
    CFont* font = g_game->m_fontText.get();
    int top = BAR_TOP;
    for (const AnimEvent& e : script.mv_events) {
        if (e.mi_target != ANIM_CAPTION || e.mb_disabled || e.mi_start > script.mi_clock) continue;
        const uint32_t colour = e.mi_pose;
        uint32_t text = colour;
        if (colour == CAPTION_FLASH_RED) {
            g_system->FillRect(BAR_LEFT, top, BAR_RIGHT, top + BAR_HEIGHT, light ? WHITE : FLASH_RED);
        } else if (colour == CAPTION_FLASH_GREEN) {
            g_system->FillRect(BAR_LEFT, top, BAR_RIGHT, top + BAR_HEIGHT, light ? WHITE : FLASH_GREEN);
            if (!light) text = WHITE;
        } else {
            g_system->ShadeRect(BAR_LEFT, top, BAR_RIGHT, top + BAR_HEIGHT);
        }
        g_system->DrawText(BAR_TEXT_X, top + 2, ALIGN_CENTRE, text, font, "%s", e.Caption());
        top -= BAR_STEP;
    }
    return top + BAR_STEP;
}

// The figures and the ball that stand where the bars are are drawn again over
// them: the captions never hide the play (their names stay beneath).
void DrawFiguresOverBars(int barsTop, int x0, int y0) {
    if (barsTop > BAR_TOP) return;
    for (const GroundFigure& f : g_groundView.m_figures) {
        const int x = x0 + LiftedPixel(f.mf_x, f.mf_height);
        const int y = y0 + LiftedPixel(f.mf_y, f.mf_height);
        const bool overBars = x + FIGURE_OFFSET >= BAR_LEFT && x - FIGURE_OFFSET <= BAR_RIGHT &&
                              y + FIGURE_OFFSET >= barsTop && y - FIGURE_OFFSET <= BAR_TOP + BAR_HEIGHT;
        if (overBars) DrawFigure(f, 0, nullptr, x0, y0);
    }
}

}  // namespace

void DrawGroundView(int x0, int y0) {
    g_game->m_pitch.Draw(x0, y0);
    const GroundView& view = g_groundView;
    if (view.mi_stumpsEnd1 == STUMPS_END1_INTACT || view.mi_stumpsEnd1 == ANIM_STUMPS_END1) {
        const bool broken = view.mi_stumpsEnd1 == ANIM_STUMPS_END1;
        DrawSprite(broken ? SPRITE_STUMPS_BROKEN : SPRITE_STUMPS_INTACT, x0 + STUMPS_X, y0 + STUMPS_END1_Y);
    }
    if (view.mi_stumpsEnd2 == STUMPS_END2_INTACT || view.mi_stumpsEnd2 == ANIM_STUMPS_END2) {
        const bool broken = view.mi_stumpsEnd2 == ANIM_STUMPS_END2;
        DrawSprite(broken ? SPRITE_STUMPS_BROKEN : SPRITE_STUMPS_INTACT, x0 + STUMPS_X, y0 + STUMPS_END2_Y);
    }
    const BallAnimScript* script = CurrentScript();
    for (int i = 0; i < GROUND_FIGURES; ++i) DrawFigure(view.m_figures[i], i, script, x0, y0);
    if (!script) return;
    DrawScore(*script);
    DrawFiguresOverBars(DrawCaptionBars(*script), x0, y0);
}

}  // namespace ravel
