// The player statistics window of the live match view: a bowler's figures
// and the plans he bowls to the two batsmen, or a batsman's innings, his
// standing against each bowler, his batting record and an analysis of his
// innings.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "match/Tactics.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/TacticsEditors.h"
#include "shell/Game.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Player.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t ORANGE = 0xfff05a00;
constexpr uint32_t YELLOW = 0xffffff00;
constexpr uint32_t LIGHT_GREY = 0xffcdcdcd;
constexpr uint32_t BLACK = 0xff000000;
constexpr uint32_t PANEL = 0xff141414;
constexpr uint32_t BAND = 0xff050505;
constexpr uint32_t BLUE = 0xff0000ff;
constexpr uint32_t DARK_BLUE = 0xff000037;
constexpr uint32_t BAR_INNER = 0xff00009b;
constexpr uint32_t BOX_LIT = 0xff00c800;
constexpr uint32_t BOX_UNLIT = 0xff640000;

constexpr int TILE_BOWLER = 34;
constexpr int TILE_BATSMAN = 35;
constexpr int CONFIDENCE_BOXES = 5;
constexpr int FIRST_FORM = 8001;  // the batting statistics drop-down's first value
constexpr int SPIDER_CHART = 1, AREA_CHART = 2, BREAKDOWN_CHART = 3, RUNS_CHART = 4;
constexpr int BOWLER_VALUES = 1, BOWLER_FIGURES = 3;

struct Rect {
    int left, top, right, bottom;
};

void Fill(std::initializer_list<Rect> rects, uint32_t colour) {
    for (const Rect& r : rects) g_system->FillRect(r.left, r.top, r.right, r.bottom, colour);
}

CFont* Heading() {
    return g_game->m_fontHeading.get();
}
CFont* Value() {
    return g_game->m_fontTooltip.get();
}
CFont* Text() {
    return g_game->m_fontText.get();
}

void DrawTile(int tile, int x, int y) {
    if (const CSprite* sprite = g_game->Tile(tile)) sprite->Draw(x, y);
}

void TitleBar(int tile, const Player* player) {
    Fill({{203, 103, 1019, 150}}, BLACK);
    DrawTile(tile, 223, 118);
    DrawTile(tile, 989, 118);
    if (player)
        g_system->DrawText(611, 110, ALIGN_CENTRE, WHITE, g_game->m_fontTitle.get(), "%s %s",
                           player->m_initials, player->m_surname);
}

const Innings* StatsInnings(const Match& match) {
    const int innings = MatchView().mv_statsInnings;
    return innings >= 0 && innings < 4 ? &match.m_innings[innings] : nullptr;
}

// ---- The bowler window ----

void FiguresLine(int y, const char* label, int balls, int maidens, int runs, int wickets) {
    g_system->DrawText(211, y, ALIGN_LEFT, ORANGE, Heading(), "%s", label);
    g_system->DrawText(371, y, ALIGN_LEFT, WHITE, Value(), "Overs: %d.%d", balls / 6, balls % 6);
    g_system->DrawText(480, y, ALIGN_LEFT, WHITE, Value(), "Maidens: %d", maidens);
    g_system->DrawText(609, y, ALIGN_LEFT, WHITE, Value(), "Runs: %d", runs);
    g_system->DrawText(808, y, ALIGN_LEFT, WHITE, Value(), "Wickets: %d", wickets);
}

// One plan of the shown bowler; its scroll bar reaches every ball.
void DrawPlanOf(const MatchPlayer* bowler, int position, int x, int y, CScrollBar* bar) {
    const BowlPlan* plan = bowler ? BowlPlanAt(*bowler, bowler->BowlPlanFor(position)) : nullptr;
    const int balls = plan ? static_cast<int>(plan->mv_balls.size()) : 0;
    if (bar) {
        if (balls > SUMMARY_BALLS) {
            bar->mb_disabled = 0;
            bar->m_min = 0;
            bar->m_max = balls - SUMMARY_BALLS;
            bar->m_position = std::clamp(bar->m_position, 0, bar->m_max);
        } else {
            bar->Disable();
            bar->m_state = STATE_NORMAL;
            bar->m_position = 0;
        }
    }
    if (plan) DrawBowlPlanSummary(*plan, x, y, bar ? bar->m_position : 0);
}

const char* SurnameAt(const Innings& innings, int position) {
    if (position < 0 || position >= SQUAD_SIZE) return "";
    const Player* p = PlayerById(innings.m_batsmen[position].mi_player);
    return p ? p->m_surname : "";
}

void DrawBowlerWindow(const Match& match, const Innings& innings) {
    const int slot = std::clamp(MatchView().mv_statsPlayer, 0, SQUAD_SIZE - 1);
    const BowlerFigures& f = innings.m_bowlers[slot];
    const Player* player = PlayerById(f.mi_player);
    const bool atEnd = MatchView().mv_statsRole == ROLE_BOWLER1 || MatchView().mv_statsRole == ROLE_BOWLER2;
    Fill({{203, 152, 1019, 182}, {203, 184, 1019, 214}}, PANEL);
    if (atEnd) {
        Fill({{203, 216, 1019, 242}, {203, 457, 1019, 483}}, BAND);
        Fill({{203, 242, 1019, 455}, {203, 483, 1019, 695}}, PANEL);
    } else {
        Fill({{203, 216, 610, 525}, {612, 216, 1019, 525}, {203, 527, 617, 695}, {619, 527, 1019, 695}},
             PANEL);
    }
    TitleBar(TILE_BOWLER, player);
    if (player) g_system->DrawText(861, 110, ALIGN_CENTRE, WHITE, Value(), "%s", player->BowlingTypeText());
    FiguresLine(158, "Innings Figures:", f.mi_balls, f.mi_maidens, f.mi_runs, f.mi_wickets);
    FiguresLine(188, "This Spell Figures:", f.mi_spellBalls, f.mi_spellMaidens, f.mi_spellRuns,
                f.mi_spellWickets);
    const Innings& current = match.CurrentInnings();
    if (atEnd) {
        g_system->DrawText(205, 220, ALIGN_LEFT, WHITE, Text(), "Bowling to %s",
                           SurnameAt(current, match.mi_batsman1));
        g_system->DrawText(205, 461, ALIGN_LEFT, WHITE, Text(), "Bowling to %s",
                           SurnameAt(current, match.mi_batsman2));
    }
    // His plans are his side's entry; a bowler of the side batting now has none to show.
    const MatchPlayer* bowler = nullptr;
    if (innings.mi_bowlingTeam == current.mi_bowlingTeam) {
        const MatchTeam& side = match.SideOf(current.mi_bowlingTeam);
        bowler = &side.m_players[slot];
    }
    auto& w = MatchView().m_ui.playerWindow;
    DrawPlanOf(bowler, match.mi_batsman1, 223, 246, w.scroll[0]);
    DrawPlanOf(bowler, match.mi_batsman2, 208, 487, w.scroll[1]);
}

// ---- The batsman window ----

void ConfidenceBoxes(int x, int y, float confidence) {
    for (int k = 0; k < CONFIDENCE_BOXES; ++k) {
        const bool lit = confidence >= static_cast<float>(2 * k);
        g_system->FillRect(x + 10 * k, y, x + 10 * k + 5, y + 10, lit ? BOX_LIT : BOX_UNLIT);
    }
}

void AggressionBar(int y, float aggression) {
    g_system->FillRect(493, y + 5, 495, y + 15, BLUE);
    g_system->FillRect(495, y + 5, 595, y + 15, DARK_BLUE);
    g_system->FillRect(495, y + 5, 495 + static_cast<int>(aggression), y + 15, BLUE);
}

const MatchPlayer* BatsmanEntry(const Match& match, const Innings& innings, int position) {
    const int slot = innings.mi_battingOrder[position];
    if (slot < 0 || slot >= SQUAD_SIZE) return nullptr;
    return &match.SideOf(innings.mi_battingTeam).m_players[slot];
}

void DrawBowlersList(const Match& match, const Innings& innings, int position, int wy) {
    const int view = MatchView().m_kept.mv_bowlerStatsView;
    g_system->DrawText(213, wy + 120, ALIGN_LEFT, ORANGE, Heading(), "vs Bowler");
    if (view == BOWLER_VALUES) {
        g_system->DrawText(477, wy + 90, ALIGN_CENTRE, ORANGE, Heading(), "Current Values");
        g_system->DrawText(390, wy + 120, ALIGN_LEFT, ORANGE, Heading(), "Confidence");
        g_system->DrawText(493, wy + 120, ALIGN_LEFT, ORANGE, Heading(), "Aggression");
    } else if (view == BOWLER_FIGURES) {
        g_system->DrawText(400, wy + 120, ALIGN_LEFT, ORANGE, Heading(), "Innings Figures");
    }
    const MatchPlayer* batsman = BatsmanEntry(match, innings, position);
    for (int k = 0; k < SQUAD_SIZE; ++k) {
        const int y = wy + 155 + 22 * k;
        const BowlerFigures& f = innings.m_bowlers[k];
        if (const Player* p = PlayerById(f.mi_player))
            g_system->DrawText(213, y, ALIGN_LEFT, WHITE, Text(), "%s %s", p->m_initials, p->m_surname);
        if (view == BOWLER_VALUES && batsman) {
            ConfidenceBoxes(400, y + 5, batsman->mf_eye[k]);
            AggressionBar(y, batsman->mf_aggression[k]);
        } else if (view == BOWLER_FIGURES) {
            g_system->DrawText(413, y, ALIGN_LEFT, WHITE, Text(), "%d.%d %d %d %d", f.mi_balls / 6,
                               f.mi_balls % 6, f.mi_maidens, f.mi_runs, f.mi_wickets);
        }
    }
}

void DrawCareerBlock(const Player& player, int wy) {
    const int form = MatchView().m_kept.mv_statsView - FIRST_FORM;
    if (form >= 0 && form < STATS_BLOCKS) MatchView().m_kept.mv_statsBlock = form;
    const PlayerStats& s = player.m_stats[MatchView().m_kept.mv_statsBlock];
    g_system->DrawText(230, wy + 470, ALIGN_LEFT, WHITE, Heading(), "Batting Statistics");
    const struct {
        int x;
        const char* head;
    } heads[] = {{230, "Mat"}, {280, "Inn"}, {330, "NO"},   {380, "Runs"},
                 {480, "Ave"}, {580, "HS"},  {680, "100s"}, {730, "50s"}};
    for (const auto& h : heads)
        g_system->DrawText(h.x, wy + 500, ALIGN_LEFT, ORANGE, Heading(), "%s", h.head);
    const int y = wy + 530;
    g_system->DrawText(230, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_matches);
    g_system->DrawText(280, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_innings);
    g_system->DrawText(330, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_notOuts);
    g_system->DrawText(380, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_runs);
    if (s.m_battingAverage == NO_BATTING_AVERAGE)
        g_system->DrawText(480, y, ALIGN_LEFT, YELLOW, Text(), "-");
    else
        g_system->DrawText(480, y, ALIGN_LEFT, YELLOW, Text(), "%1.2f", s.m_battingAverage);
    g_system->DrawText(580, y, ALIGN_LEFT, WHITE, Text(), s.m_highestNotOut ? "%d*" : "%d", s.m_highest);
    g_system->DrawText(680, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_hundreds);
    g_system->DrawText(730, y, ALIGN_LEFT, WHITE, Text(), "%d", s.m_fifties);
}

uint32_t RunColour(int runs) {
    constexpr uint32_t COLOURS[] = {0xff1ca09e, 0xffe6e67b, 0xff00ff00, 0xff980a98, 0xffff0000};
    if (runs >= 0 && runs < static_cast<int>(std::size(COLOURS))) return COLOURS[runs];
    return runs == 6 ? 0xff0000ff : 0xff000080;
}

void DrawSpider(const Innings& innings, int32_t playerId) {
    if (MatchView().mv_pitch) MatchView().mv_pitch->Draw(633, 225);
    CFont* legend = g_game->m_fontSmallItalic.get();
    const struct {
        const char* text;
        int runs, x, y, swatch;
    } keys[] = {{"0s", 0, 700, 450, 665}, {"1s", 1, 700, 466, 665}, {"2s", 2, 700, 482, 665},
                {"3s", 3, 980, 450, 945}, {"4s", 4, 980, 466, 945}, {"6s", 6, 980, 482, 945}};
    for (const auto& k : keys) {
        g_system->DrawText(k.x, k.y, ALIGN_LEFT, WHITE, legend, "%s", k.text);
        g_system->FillRect(k.swatch, k.y + 8, k.swatch + 30, k.y + 10, RunColour(k.runs));
    }
    for (const BallRecord& ball : innings.mv_balls) {
        if (ball.mi_batsman != playerId) continue;
        g_system->DrawLine(829, 351, 633 + ball.mi_x / 2, 225 + ball.mi_y / 2, RunColour(ball.mi_runs));
    }
}

void DrawArea(const BatsmanFigures& f) {
    if (MatchView().mv_pitch) MatchView().mv_pitch->Draw(633, 225);
    constexpr std::array<std::array<int, 2>, 6> PLACES = {
        {{760, 270}, {890, 270}, {730, 350}, {930, 350}, {760, 440}, {890, 440}}};
    for (size_t i = 0; i < PLACES.size(); ++i)
        g_system->DrawText(PLACES[i][0], PLACES[i][1], ALIGN_CENTRE, WHITE, Text(), "%d",
                           f.mi_directionRuns[i]);
}

void DrawBreakdown(const BatsmanFigures& f) {
    if (MatchView().mv_pitchless) MatchView().mv_pitchless->Draw(633, 225);
    const int balls = f.Balls();
    for (int n = 0; n <= 6; ++n) {
        const int y = 250 + 20 * n;
        if (balls == 0)
            g_system->DrawText(690, y, ALIGN_LEFT, WHITE, Text(), "%d's: -", n);
        else
            g_system->DrawText(690, y, ALIGN_LEFT, WHITE, Text(), "%d's: %d (%1.2f%%)", n, f.mi_scored[n],
                               f.mi_scored[n] * 100.0 / balls);
    }
}

void DrawRunsChart(const BatsmanFigures& f) {
    if (MatchView().mv_pitchless) MatchView().mv_pitchless->Draw(633, 225);
    Fill({{690, 481, 990, 483}, {690, 265, 692, 483}}, WHITE);
    CFont* small = g_game->m_fontTiny.get();
    for (int n = 1; n <= 6; ++n)
        g_system->DrawText(720 + 50 * (n - 1), 483, ALIGN_CENTRE, LIGHT_GREY, small, "%d's", n);
    g_system->DrawText(673, 430, ALIGN_CENTRE, LIGHT_GREY, small, "Runs");
    g_system->DrawText(673, 280, ALIGN_CENTRE, LIGHT_GREY, small, "100");
    g_system->DrawText(673, 380, ALIGN_CENTRE, LIGHT_GREY, small, "50");
    g_system->DrawText(673, 480, ALIGN_CENTRE, LIGHT_GREY, small, "0");
    if (f.Balls() == 0) return;
    constexpr int MOST_COUNTED = 115;  // keeps the tallest label on the chart
    for (int n = 1; n <= 6; ++n) {
        const int x = 741 + 50 * (n - 1);
        const int c = f.mi_scored[n];
        const int r = n * c;
        g_system->DrawText(x - 21, 455 - 2 * n * std::min(c, MOST_COUNTED), ALIGN_CENTRE, WHITE, Text(), "%d",
                           r);
        if (c <= 0) continue;
        g_system->FillRect(x - 46, 480 - 2 * r, x + 2, 480, BLUE);
        g_system->FillRect(x - 44, 482 - 2 * r, x, 478, BAR_INNER);
    }
}

void DrawBatsmanWindow(const Match& match, const Innings& innings, int wx, int wy) {
    const int position = std::clamp(MatchView().mv_statsPlayer, 0, SQUAD_SIZE - 1);
    const BatsmanFigures& f = innings.m_batsmen[position];
    const Player* player = PlayerById(f.mi_player);
    Fill({{203, 152, 1019, 182}, {203, 184, 617, 525}, {619, 184, 1019, 525}, {203, 527, 1019, 695}}, PANEL);
    TitleBar(TILE_BATSMAN, player);
    g_system->DrawText(wx + 436, 191, ALIGN_LEFT, ORANGE, Heading(), "Choose Stats View:");
    g_system->DrawText(230, wy + 440, ALIGN_LEFT, ORANGE, Heading(), "Choose form of Cricket:");
    const int balls = f.Balls();
    g_system->DrawText(211, 155, ALIGN_LEFT, WHITE, Value(), "Runs: %d", BatsmanRuns(f));
    g_system->DrawText(410, 155, ALIGN_LEFT, WHITE, Value(), "Balls faced: %d", balls);
    g_system->DrawText(609, 155, ALIGN_LEFT, WHITE, Value(), "Strike rate: %2.2f", f.StrikeRate());
    g_system->DrawText(808, 155, ALIGN_LEFT, WHITE, Value(), "Scoring shots: %d", balls - f.mi_scored[0]);
    DrawBowlersList(match, innings, position, wy);
    if (player) DrawCareerBlock(*player, wy);
    switch (MatchView().m_kept.mv_chartKind) {
        case SPIDER_CHART:
            return DrawSpider(innings, f.mi_player);
        case AREA_CHART:
            return DrawArea(f);
        case BREAKDOWN_CHART:
            return DrawBreakdown(f);
        case RUNS_CHART:
            return DrawRunsChart(f);
        default:
            return;
    }
}

}  // namespace

void DrawPlayerWindow() {
    const CDialog* window = MatchView().m_ui.playerWindow.window;
    const Match* match = UserMatch();
    if (!window || !match) return;
    const Innings* innings = StatsInnings(*match);
    if (!innings) return;
    switch (MatchView().mv_statsRole) {
        case ROLE_BATSMAN1:
        case ROLE_BATSMAN2:
        case ROLE_OTHER_BATSMAN:
            return DrawBatsmanWindow(*match, *innings, window->m_x, window->m_y);
        case ROLE_BOWLER1:
        case ROLE_BOWLER2:
        case ROLE_OTHER_BOWLER:
            return DrawBowlerWindow(*match, *innings);
        default:
            return;
    }
}

}  // namespace ravel
