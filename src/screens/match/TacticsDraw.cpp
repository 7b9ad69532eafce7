// The drawing of a bowler's tactics: the field editor and the small field
// diagram, the bowl plan editor and the summary of a plan's balls.
#include <algorithm>

#include "match/Tactics.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/TacticsEditors.h"
#include "shell/Game.h"
#include "shell/Resources.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t YELLOW = 0xffffff00;
constexpr uint32_t ORANGE = 0xfff05a00;
constexpr uint32_t BLACK = 0xff000000;
constexpr uint32_t PANEL = 0xff141414;
constexpr uint32_t EFFORT_LIT = 0xff00ff00;
constexpr uint32_t EFFORT_UNLIT = 0xffc80000;

constexpr int TILE_BALL_ROW = 34;
constexpr int TILE_FREE_POSITION = 141;
constexpr float DIAGRAM_SCALE = 0.20661156f;  // the large ground picture to the small one
constexpr int DIAGRAM_SHIFT = 15;

struct CodeLook {
    int32_t code;
    const char* text;
    int tile;
};
constexpr CodeLook CODE_LOOKS[] = {
    {LENGTH_GOOD, "Good length", 68},
    {LENGTH_SHORT_OFF, "Short outside off", 69},
    {LENGTH_YORKER, "Yorker", 70},
    {LENGTH_BOUNCER, "Bouncer", 71},
    {MOVE_STRAIGHT, "Straight", 72},
    {MOVE_IN_SWING, "In swing", 73},
    {MOVE_OUT_SWING, "Out swing", 74},
    {MOVE_OFF_CUTTER, "Off cutter", 75},
    {MOVE_LEG_CUTTER, "Leg cutter", 76},
    {MOVE_SLOWER, "Slower", 77},
    {MOVE_LEG_BREAK, "Leg break", 134},
    {MOVE_OFF_BREAK, "Off break", 133},
    {MOVE_STRAIGHT_ONE, "Straight one", 135},
    {MOVE_WRONGUN, "Wrongun", 136},
    {MOVE_SPECIALITY, "Speciality", 137},
};

const CodeLook* LookOf(int32_t code) {
    for (const CodeLook& look : CODE_LOOKS) {
        if (look.code == code) return &look;
    }
    return nullptr;
}

void DrawTile(int tile, int x, int y) {
    if (const CSprite* sprite = g_game->Tile(tile)) sprite->Draw(x, y);
}

// A length or movement: its icon, and its text centred where given.
void DrawCode(int32_t code, int iconX, int iconY, int textX) {
    const CodeLook* look = LookOf(code);
    if (!look) return;
    DrawTile(look->tile, iconX, iconY);
    g_system->DrawText(textX, iconY, ALIGN_CENTRE, WHITE, g_game->m_fontTooltip.get(), "%s", look->text);
}

void DrawCodeIcon(int32_t code, int x, int y) {
    if (const CodeLook* look = LookOf(code)) DrawTile(look->tile, x, y);
}

// Ten bars from x, 10 apart; bar i is lit while i is below the effort.
void DrawEffort(int x, int y, int32_t effort) {
    for (int i = 0; i < MAX_EFFORT; ++i) {
        g_system->FillRect(x + 10 * i, y, x + 8 + 10 * i, y + 8, i < effort ? EFFORT_LIT : EFFORT_UNLIT);
    }
}

const char* PositionName(int32_t position) {
    const auto& positions = g_world.mv_fieldPositions;
    return position >= 0 && position < static_cast<int>(positions.size()) ? positions[position].m_name : "";
}

bool InField(const FieldSetup& field, int32_t position) {
    return std::find(std::begin(field.m_positions), std::end(field.m_positions), position) !=
           std::end(field.m_positions);
}

struct Box {
    int left, top, right, bottom;
    uint32_t colour;
};

}  // namespace

void DrawFieldDiagram(int32_t fieldId, int x, int y) {
    if (MatchView().mv_pitchSmall) MatchView().mv_pitchSmall->Draw(x, y);
    const FieldSetup* field = FieldSetupById(fieldId);
    if (!field) return;
    const auto& positions = g_world.mv_fieldPositions;
    for (int32_t p : field->m_positions) {
        if (p < 0 || p >= static_cast<int>(positions.size())) continue;
        const float dx = static_cast<float>(positions[p].m_x) * DIAGRAM_SCALE - DIAGRAM_SHIFT;
        const float dy = static_cast<float>(positions[p].m_y) * DIAGRAM_SCALE;
        g_system->FillRect(static_cast<int>(x + dx - 1), static_cast<int>(y + dy - 1),
                           static_cast<int>(x + 1 + dx), static_cast<int>(y + 1 + dy), WHITE);
    }
}

void DrawFieldEditor() {
    const CDialog* window = MatchView().m_ui.fieldEditor.window;
    if (!window) return;
    const int x = window->m_x, y = window->m_y;
    CFont* font = g_game->m_fontTiny.get();
    g_game->m_pitch.Draw(x + 203, y + 128);
    g_system->FillRectBlended(x + 203, y + 103, x + 1018, y + 123, BLACK);
    g_system->DrawText(x + 208, y + 108, ALIGN_LEFT, WHITE, font,
                       "Right-click on a player you wish to move and select a new position from the popup "
                       "menu. Only 2 players are allowed behind square on the legside");
    g_system->DrawText(x + 253, y + 613, ALIGN_LEFT, WHITE, font, "Field name");
    const FieldSetup& field = MatchView().mv_editor.m_field;
    const bool choosing = MatchView().mv_editor.mb_fielderMenuOpen != 0;
    const CSprite* fielder = s_groundSprites[SPRITE_FIELDER];
    const auto& positions = g_world.mv_fieldPositions;
    for (int p = 0; p < static_cast<int>(positions.size()); ++p) {
        const int px = positions[p].m_x, py = positions[p].m_y;
        if (InField(field, p)) {
            if (fielder) fielder->Draw(x + 195 + px, y + 95 + py);
        } else if (choosing) {
            DrawTile(TILE_FREE_POSITION, x + 195 + px, y + 95 + py);
            g_system->DrawText(x + 195 + px, y + 113 + py, ALIGN_CENTRE, WHITE, font, "%s",
                               positions[p].m_name);
        }
    }
    for (int32_t p : field.m_positions) {
        if (p < 0 || p >= static_cast<int>(positions.size())) continue;
        g_system->DrawText(x + 195 + positions[p].m_x, y + 113 + positions[p].m_y, ALIGN_CENTRE, WHITE, font,
                           "%s", PositionName(p));
    }
}

void DrawPlanEditor() {
    const CDialog* window = MatchView().m_ui.planEditor.window;
    if (!window) return;
    const TacticsEditor& editor = MatchView().mv_editor;
    CFont* heading = g_game->m_fontHeading.get();
    CFont* value = g_game->m_fontTooltip.get();
    g_system->FillRectBlended(203, 103, 1019, 150, BLACK);
    g_system->DrawText(611, 110, ALIGN_CENTRE, WHITE, g_game->m_fontTitle.get(), "Bowl Plan Editor");
    const int x = window->m_x, y = window->m_y;
    const Box panels[] = {
        {5, 48, 306, 70, BLACK},     {5, 70, 306, 168, PANEL},    {5, 178, 306, 200, BLACK},
        {5, 200, 306, 398, PANEL},   {5, 418, 306, 440, BLACK},   {5, 440, 306, 587, PANEL},
        {311, 48, 811, 398, PANEL},  {311, 418, 811, 440, BLACK}, {311, 440, 811, 528, PANEL},
        {311, 538, 811, 587, PANEL},
    };
    for (const Box& b : panels)
        g_system->FillRectBlended(x + b.left, y + b.top, x + b.right, y + b.bottom, b.colour);
    g_system->DrawText(x + 10, y + 50, ALIGN_LEFT, ORANGE, heading, "Bowl Plan Name");
    g_system->DrawText(x + 10, y + 180, ALIGN_LEFT, ORANGE, heading, "Select a ball to edit");
    g_system->DrawText(x + 10, y + 420, ALIGN_LEFT, ORANGE, heading, "Ball order functions");
    g_system->DrawText(x + 316, y + 420, ALIGN_LEFT, ORANGE, heading, "Hints");
    CFont* hint = g_game->m_fontTiny.get();
    g_system->DrawText(x + 316, y + 440, ALIGN_LEFT, WHITE, hint,
                       "- You can have as many different balls in a bowl plan as you require");
    g_system->DrawText(x + 316, y + 460, ALIGN_LEFT, WHITE, hint,
                       "- Use the ball ordering buttons to easily alter the order of the balls in the plan");
    g_system->DrawText(x + 316, y + 480, ALIGN_LEFT, WHITE, hint,
                       "- The skill of a bowler will effect his ability to put in place the plan");
    const int balls = editor.BallCount();
    g_system->DrawText(x + 600, y + 10, ALIGN_LEFT, ORANGE, heading, "Editing Ball: %d of %d",
                       editor.mi_ball + 1, balls);
    const struct {
        int dy;
        const char* text;
    } labels[] = {{50, "Bowl Side"},
                  {100, "Ball Length"},
                  {150, "Ball Movement"},
                  {200, "Field"},
                  {350, "Bowler Effort"}};
    for (const auto& l : labels)
        g_system->DrawText(x + 561, y + l.dy, ALIGN_CENTRE, ORANGE, heading, "%s", l.text);

    const int top = PlanListTop();
    for (int r = 0; r < std::min(PLAN_ROWS, balls - top); ++r) {
        const int rowY = y + 200 + 20 * r;
        DrawTile(TILE_BALL_ROW, x + 10, rowY);
        g_system->DrawText(x + 30, rowY, ALIGN_LEFT, top + r == editor.mi_ball ? YELLOW : WHITE,
                           g_game->m_fontText.get(), "Ball %d", top + r + 1);
    }

    const PlanBall& w = editor.m_working;
    g_system->DrawText(x + 561, y + 70, ALIGN_CENTRE, WHITE, value, "%s",
                       w.m_side == 0 ? "Over the wicket" : "Round the wicket");
    DrawCode(w.m_length, x + 400, y + 120, x + 561);
    DrawCode(w.m_movement, x + 400, y + 170, x + 561);
    DrawFieldDiagram(w.m_field, x + 360, y + 220);
    const auto& fields = g_world.mv_fieldSetups;
    if (w.m_field >= 0 && w.m_field < static_cast<int>(fields.size()))
        g_system->DrawText(x + 561, y + 250, ALIGN_CENTRE, WHITE, value, "%s", fields[w.m_field].m_name);
    DrawEffort(x + 500, y + 380, w.m_effort);
}

void DrawBowlPlanSummary(const BowlPlan& plan, int x, int y, int first) {
    CFont* font = g_game->m_fontTooltip.get();
    g_system->DrawText(x + 505, y - 27, ALIGN_LEFT, WHITE, font, "%s", plan.m_name);
    g_system->DrawText(x + 350, y, ALIGN_CENTRE, WHITE, font, "%s", plan.m_description);
    const int n = static_cast<int>(plan.mv_balls.size());
    first = SummaryFirstBall(n, first);
    for (int k = 0; k < std::min(SUMMARY_BALLS, n) && first + k < n; ++k) {
        const PlanBall& ball = plan.mv_balls[first + k];
        const int cx = x + 5 + 200 * k;
        g_system->DrawText(cx, y + 30, ALIGN_LEFT, YELLOW, font, "Ball %d of %d", first + k + 1, n);
        DrawFieldDiagram(ball.m_field, cx, y + 50);
        DrawEffort(x + 25 + 200 * k, y + 165, ball.m_effort);
        DrawCodeIcon(ball.m_length, x + 135 + 200 * k, y + 65);
        DrawCodeIcon(ball.m_movement, x + 135 + 200 * k, y + 105);
    }
}

int SummaryFirstBall(int balls, int first) {
    return std::max(0, std::min(first, balls - SUMMARY_BALLS));
}

}  // namespace ravel
