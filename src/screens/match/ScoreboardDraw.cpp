// The scoreboard panel of the live match view: both sides' innings in the
// score strip, the batting and bowling cards of the innings being viewed, the
// state of the match with its condition icons, the info panel's page and the
// result line. It writes the bowler shown on each bowling row and whether
// that row can be clicked.
#include <cstdio>
#include <tuple>
#include <utility>
#include <vector>

#include "match/Match.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/TeamDraw.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Competitions.h"
#include "world/Player.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t TOTAL_BAR = 0xff0f0f0fu;
constexpr int CARD_LEFT = 203, CARD_RIGHT = 685;
constexpr int BOWLING_LEFT = 688, PANEL_RIGHT = 1019;
constexpr int BATTING_ROW_TOP = 195, BATTING_ROW_STEP = 20;
constexpr int BOWLING_ROW_Y[BOWLING_ROWS] = {150, 175, 215, 240, 265};
// Bowling card columns, centred: overs, maidens, runs, wickets.
constexpr int COLUMN_X[4] = {845, 890, 935, 980};
constexpr int BOWLER_NAME_RIGHT = 818;

const Player* PlayerOf(int32_t id) {
    return id >= 0 ? PlayerById(id) : nullptr;
}

bool Shown(const CControl* c) {
    return c && c->mb_visible;
}

bool Covered() {
    const MatchViewUi& ui = MatchView().m_ui;
    return HighlightsWindowShown() || Shown(ui.playerWindow.window) || Shown(ui.planEditor.window) ||
           Shown(ui.fieldEditor.window);
}

bool Declared(const Match& match, const Innings& innings) {
    return match.IsFirstClass() && innings.mi_status == INNINGS_DECLARED;
}

void DrawBackground(const Match& match) {
    CSystem& s = *g_system;
    if (MatchView().m_kept.mv_infoTab != TAB_RECENT_OVERS) s.ShadeRect(203, 452, PANEL_RIGHT, 695);
    s.FillRectBlended(203, 103, 273, 128, MV_BLACK);
    s.FillRectBlended(447, 103, 517, 128, MV_BLACK);
    if (match.IsFirstClass()) {
        for (int left : {275, 359, 519, 603}) s.FillRectBlended(left, 103, left + 82, 128, MV_BLACK);
    } else {
        s.FillRectBlended(275, 103, 441, 128, MV_BLACK);
        s.FillRectBlended(519, 103, 685, 128, MV_BLACK);
    }
    s.FillRectBlended(CARD_LEFT, 415, CARD_RIGHT, 448, MV_BLACK);
    s.FillRectBlended(CARD_LEFT, 415, CARD_RIGHT, 448, TOTAL_BAR);
    s.FillRectBlended(CARD_LEFT, 135, CARD_RIGHT, 194, MV_BLACK);
    s.FillRect(203, 135, 685, 136, MV_LIGHT_GREY);
    s.FillRect(203, 136, 204, 447, MV_LIGHT_GREY);
    s.FillRect(684, 136, 685, 447, MV_LIGHT_GREY);
    s.FillRect(203, 447, 685, 448, MV_LIGHT_GREY);
    s.FillRectBlended(BOWLING_LEFT, 103, PANEL_RIGHT, 128, MV_BLACK);
    s.FillRect(BOWLING_LEFT, 130, PANEL_RIGHT, 297, MV_STRIPE_LIGHT);
    s.ShadeRect(BOWLING_LEFT, 300, PANEL_RIGHT, 448);
}

// A label with its value after it, never on top of it.
void LabelAndValue(int labelX, int valueX, int y, uint32_t labelColour, const char* label,
                   const char* value) {
    g_system->DrawText(labelX, y, ALIGN_LEFT, labelColour, Font14Bold(), "%s", label);
    if (!value) return;
    const int after = labelX + CSystem::TextWidth(Font14Bold(), label) + 6;
    g_system->DrawText(valueX > after ? valueX : after, y, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", value);
}

void DrawLimitedOversSituation(const Match& match) {
    char rate[16], required[16];
    std::snprintf(rate, sizeof rate, "%2.2f", RunRate(match.CurrentInnings()));
    LabelAndValue(700, 780, 305, MV_WHITE, "Run Rate", rate);
    if (match.mi_currentInnings != 1) {
        LabelAndValue(860, 940, 305, MV_GREY, "Run Rate Req:", nullptr);
        return;
    }
    const double needed = match.RequiredRunRate();
    std::snprintf(required, sizeof required, "%2.2f", needed < 0.0 ? 0.0 : needed);
    LabelAndValue(860, 940, 305, MV_WHITE, "Run Rate Req:", required);
}

void DrawSession(const Match& match) {
    if (match.mi_playState == PLAY_CLOSE) {
        g_system->DrawText(700, 305, ALIGN_LEFT, MV_WHITE, Font18Bold(), "Close of Play");
        return;
    }
    if (match.mi_playState == PLAY_MATCH_OVER) return;
    struct SessionLine {
        const char* name;
        const char* next;
        int time;
    };
    static constexpr SessionLine SESSIONS[3] = {{"Morning Session", "Lunch at %d:%02d", TIME_LUNCH},
                                                {"Afternoon Session", "Tea at %d:%02d", TIME_TEA},
                                                {"Evening Session", "Scheduled Close %d:%02d", TIME_CLOSE}};
    if (match.mi_session < 0 || match.mi_session > 2) return;
    const SessionLine& s = SESSIONS[match.mi_session];
    const GameDate& at = match.m_rules.m_times[s.time];
    g_system->DrawText(700, 305, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", s.name);
    g_system->DrawText(700, 325, ALIGN_LEFT, MV_WHITE, Font15Italic(), s.next, at.m_hour, at.m_minute);
}

void DrawSituation(const Match& match) {
    if (!match.IsFirstClass()) {
        DrawLimitedOversSituation(match);
    } else {
        DrawSession(match);
        g_system->DrawText(860, 305, ALIGN_LEFT, MV_WHITE, Font18Bold(), "Day %d of %d",
                           match.mi_dayIndex + 1, match.mi_length);
        g_system->DrawText(860, 325, ALIGN_LEFT, MV_WHITE, Font15Italic(), "Min Overs To Go: %d",
                           match.mi_oversLeftToday < 0 ? 0 : match.mi_oversLeftToday);
    }
    DrawBallAgeIcon(match, 805, 360);
    DrawWeatherIcon(match, 965, 360);
    DrawBounceIcon(match, 965, 400);
    DrawTurnIcon(match, 805, 400);
    for (const auto& [x, y, label] :
         {std::tuple{700, 375, "Ball State:"}, std::tuple{860, 375, "Weather:"},
          std::tuple{860, 415, "Ball Bounce:"}, std::tuple{700, 415, "Ball Turn:"}}) {
        g_system->DrawText(x, y, ALIGN_LEFT, MV_WHITE, Font14Bold(), "%s", label);
    }
}

// A strip score: "%d/%d dec" declared, "%d" all out, else "%d/%d"; a text
// too wide for its box takes the smaller font.
void DrawStripScore(const Match& match, int slot, int x, int boxWidth) {
    const Innings& in = match.m_innings[slot];
    if (!in.mb_started) return;
    char text[32];
    if (Declared(match, in))
        std::snprintf(text, sizeof text, "%d/%d dec", InningsTotal(in), in.Wickets());
    else
        std::snprintf(text, sizeof text, "%s", ScoreText(in).c_str());
    CFont* font = Font20Heavy();
    if (CSystem::TextWidth(font, text) > boxWidth - 4) font = Font17Bold();
    const uint32_t colour = slot == Match::InningsIndex(match.mi_currentInnings) ? MV_YELLOW : MV_WHITE;
    g_system->DrawText(x, 107, ALIGN_CENTRE, colour, font, "%s", text);
}

int32_t SideBattingFirst(const Match& match) {
    const int32_t first = match.m_innings[0].mi_battingTeam;
    if (first == match.mi_team1 || first == match.mi_team2) return first;
    return match.mi_battingFirst ? match.mi_battingFirst : match.mi_team1;
}

void DrawScoreStrip(const Match& match) {
    const int32_t first = SideBattingFirst(match);
    const int32_t second = first == match.mi_team1 ? match.mi_team2 : match.mi_team1;
    g_system->DrawText(238, 107, ALIGN_CENTRE, MV_WHITE, Font17Bold(), "%s", match.TeamShortName(first));
    g_system->DrawText(482, 107, ALIGN_CENTRE, MV_WHITE, Font17Bold(), "%s", match.TeamShortName(second));
    if (match.IsFirstClass()) {
        DrawStripScore(match, 0, 316, 82);
        DrawStripScore(match, 2, 400, 82);
        DrawStripScore(match, 1, 560, 82);
        DrawStripScore(match, 3, 644, 82);
    } else {
        DrawStripScore(match, 0, 358, 166);
        DrawStripScore(match, 1, 602, 166);
    }
}

void DrawHeading(const Match& match, int view) {
    auto total = [&match](int slot) { return InningsTotal(match.m_innings[slot]); };
    const bool followOn = match.mi_followOnState == INNINGS_FOLLOW_ON;
    int target = 0;
    if (match.IsFirstClass()) {
        g_system->DrawText(560, 170, ALIGN_LEFT, MV_LIGHT_GREY, Font18Bold(),
                           view < 2 ? "1st Innings" : "2nd Innings");
        if (view == 2 && followOn) target = total(1) + total(3) - total(0) + 1;
        if (view == 3 && !followOn) target = total(0) + total(2) - total(1) + 1;
        if (target)
            g_system->DrawText(560, 140, ALIGN_LEFT, MV_LIGHT_GREY, Font18Bold(), "Target: %d", target);
    } else if (view != 0) {
        g_system->DrawText(560, 170, ALIGN_LEFT, MV_LIGHT_GREY, Font18Bold(), "Target: %d", total(0) + 1);
    }
    const char* name = match.TeamName(match.m_innings[view].mi_battingTeam);
    CFont* font = Font32Italic();
    if (CSystem::TextWidth(font, name) > 550 - 230) font = Font20Heavy();
    g_system->DrawText(230, 160, ALIGN_LEFT, MV_WHITE, font, "%s", name);
}

void DrawDismissal(const Innings& in, const BatsmanFigures& b, int y, uint32_t colour) {
    const char* bowler = PlayerSurname(
        b.mi_bowler >= 0 && b.mi_bowler < SQUAD_SIZE ? in.m_bowlers[b.mi_bowler].mi_player : -1);
    char text[96];
    switch (b.mi_howOut) {
        case HOWOUT_BOWLED:
            std::snprintf(text, sizeof text, "%s %s", DismissalShortText(HOWOUT_BOWLED), bowler);
            break;
        case HOWOUT_LBW:
            std::snprintf(text, sizeof text, "%s b %s", DismissalShortText(HOWOUT_LBW), bowler);
            break;
        case HOWOUT_CAUGHT:
            std::snprintf(text, sizeof text, "c %s b %s", PlayerSurname(b.mi_fielder), bowler);
            break;
        case HOWOUT_STUMPED:
            std::snprintf(text, sizeof text, "st %s b %s", PlayerSurname(b.mi_fielder), bowler);
            break;
        case HOWOUT_RUN_OUT:
            std::snprintf(text, sizeof text, "run out");
            break;
        default:
            std::snprintf(text, sizeof text, "%s", DismissalShortText(b.mi_howOut));
    }
    g_system->DrawText(380, y, ALIGN_LEFT, colour, Font15Italic(), "%s",
                       CutToWidth(Font15Italic(), text, 598 - 380).c_str());
}

// The marks and icon compare the side slot at the batting position with the
// keeper's and the captain's slots of the innings viewed.
void DrawBatsmanRow(const Match& match, int view, int position) {
    const Innings& in = match.m_innings[view];
    const int y = BATTING_ROW_TOP + BATTING_ROW_STEP * position;
    const uint32_t stripe = position % 2 == 0 ? MV_STRIPE_LIGHT : MV_STRIPE_DARK;
    for (const auto& [left, right] : {std::pair{203, 358}, std::pair{360, 598}, std::pair{600, 685}})
        g_system->FillRect(left, y, right, y + 19, stripe);
    const BatsmanFigures& b = in.m_batsmen[position];
    const Player* player = PlayerOf(b.mi_player);
    if (!player) return;
    const uint32_t nameColour = b.mi_howOut == HOWOUT_BATTING ? MV_NOT_OUT
                                : b.mi_howOut > 0             ? MV_DISMISSED
                                                              : MV_WHITE;
    const MatchTeam& side = in.mi_battingTeam == match.mi_team1 ? match.m_team1 : match.m_team2;
    const int32_t slot = in.mi_battingOrder[position];
    const bool keeper = slot == side.KeeperSlot(view);
    const bool captain = slot == side.OrderSlotA(view);
    DrawTile(keeper ? PlayerRoleIconWithKeeper(b.mi_player) : PlayerRoleIcon(b.mi_player), 210, y + 2);
    char name[64];
    std::snprintf(name, sizeof name, "%s%s%s %s", captain ? "*" : "", keeper ? "+" : "", player->m_initials,
                  player->m_surname);
    g_system->DrawText(230, y, ALIGN_LEFT, nameColour, Font18Bold(), "%s",
                       CutToWidth(Font18Bold(), name, 376 - 230).c_str());
    if (b.mi_howOut == HOWOUT_DID_NOT_BAT) return;
    DrawDismissal(in, b, y, nameColour);
    g_system->DrawText(605, y, ALIGN_LEFT, nameColour, Font21(), "%d", BatsmanRuns(b));
    g_system->DrawText(655, y + 3, ALIGN_LEFT, b.mi_howOut == HOWOUT_BATTING ? MV_NOT_OUT : MV_GREY,
                       Font14Bold(), "(%d)", b.Balls());
}

void DrawTotalLine(const Match& match, const Innings& in) {
    const int extras = in.mi_legByes + in.mi_noBalls + in.mi_wides + in.mi_byes;
    if (in.BallsOfOver() == 0)
        g_system->DrawText(210, 422, ALIGN_LEFT, MV_WHITE, Font21(), "Total (after %d overs, %d extras)",
                           in.Overs(), extras);
    else
        g_system->DrawText(210, 422, ALIGN_LEFT, MV_WHITE, Font21(), "Total (after %d.%d overs, %d extras)",
                           in.Overs(), in.BallsOfOver(), extras);
    char score[32];
    int x = 605;
    if (in.Wickets() >= 10) {
        std::snprintf(score, sizeof score, "%d", InningsTotal(in));
    } else if (Declared(match, in)) {
        std::snprintf(score, sizeof score, "%d for %d dec", InningsTotal(in), in.Wickets());
        x = 575;
    } else {
        std::snprintf(score, sizeof score, "%d for %d", InningsTotal(in), in.Wickets());
    }
    g_system->DrawText(LeftWithin(Font21(), score, x, CARD_RIGHT - 4), 422, ALIGN_LEFT, MV_WHITE, Font21(),
                       "%s", score);
}

void DrawBowlerRow(const Innings& in, int slot, int y, bool current) {
    const BowlerFigures& f = in.m_bowlers[slot];
    const uint32_t colour = current ? MV_YELLOW : MV_WHITE;
    DrawTile(PlayerRoleIcon(f.mi_player), 690, y);
    if (const Player* p = PlayerOf(f.mi_player)) {
        char name[64];
        std::snprintf(name, sizeof name, "%s %s", p->m_initials, p->m_surname);
        g_system->DrawText(710, y, ALIGN_LEFT, colour, Font18Bold(), "%s",
                           CutToWidth(Font18Bold(), name, BOWLER_NAME_RIGHT - 710).c_str());
    }
    CFont* font = Font18Bold();
    if (f.mi_balls % 6 == 0)
        g_system->DrawText(COLUMN_X[0], y, ALIGN_CENTRE, colour, font, "%d", f.Overs());
    else
        g_system->DrawText(COLUMN_X[0], y, ALIGN_CENTRE, colour, font, "%d.%d", f.Overs(), f.mi_balls % 6);
    g_system->DrawText(COLUMN_X[1], y, ALIGN_CENTRE, colour, font, "%d", f.mi_maidens);
    g_system->DrawText(COLUMN_X[2], y, ALIGN_CENTRE, colour, font, "%d", f.mi_runs);
    g_system->DrawText(COLUMN_X[3], y, ALIGN_CENTRE, colour, font, "%d", f.mi_wickets);
}

void SetRowSpot(int row, bool usable) {
    CHotSpot* spot = MatchView().m_ui.bowlingRows[row];
    if (!spot) return;
    if (usable) {
        spot->mb_visible = 1;
        spot->mb_disabled = 0;
    } else {
        spot->Disable();
    }
}

// The scroll bar beside the rows from the first free one down; the first of
// the other bowlers to show.
int FitBowlingScroll(int others, int firstRow) {
    CScrollBar* bar = MatchView().m_ui.bowlingScroll;
    if (!bar) return 0;
    const int top = BOWLING_ROW_Y[firstRow];
    bar->SetRect(BOWLING_SCROLL_X, top, 17, BOWLING_ROW_Y[BOWLING_ROWS - 1] + 24 - top);
    return FitScrollBar(*bar, others, BOWLING_ROWS - firstRow, true);
}

void DrawBowlingCard(const Match& match, int view) {
    const Innings& in = match.m_innings[view];
    g_system->DrawText(710, 105, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s Bowling",
                       match.TeamName(in.mi_bowlingTeam));
    constexpr const char* HEADS[4] = {"Overs", "Maidens", "Runs", "Wickets"};
    for (int c = 0; c < 4; ++c)
        g_system->DrawText(COLUMN_X[c], 135, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s", HEADS[c]);
    // The bowlers at the ends and of the over belong to the innings being
    // played; another innings lists its bowlers in slot order.
    const bool playing = view == Match::InningsIndex(match.mi_currentInnings);
    const int current = playing ? match.mi_bowler : -1;
    auto valid = [](int slot) { return slot >= 0 && slot < SQUAD_SIZE; };
    const int ends[2] = {playing ? match.mi_bowler1 : -1, playing ? match.mi_bowler2 : -1};
    int row = 0;
    for (; playing && row < 2; ++row) {
        const int slot = ends[row];
        MatchView().mv_bowlerRowSlots[row] = valid(slot) ? slot : -1;
        const bool bowled = valid(slot) && in.m_bowlers[slot].mi_balls > 0;
        SetRowSpot(row, bowled);
        if (bowled) DrawBowlerRow(in, slot, BOWLING_ROW_Y[row], slot == current);
    }
    // Every other bowler, in slot order, from the rows' scroll position: no
    // one who has bowled is left off the card.
    std::vector<int> others;
    for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
        if (slot != ends[0] && slot != ends[1] && in.m_bowlers[slot].mi_balls > 0) others.push_back(slot);
    }
    const size_t first = static_cast<size_t>(FitBowlingScroll(static_cast<int>(others.size()), row));
    for (size_t k = first; k < others.size() && row < BOWLING_ROWS; ++k, ++row) {
        MatchView().mv_bowlerRowSlots[row] = others[k];
        SetRowSpot(row, true);
        DrawBowlerRow(in, others[k], BOWLING_ROW_Y[row], others[k] == current);
    }
    for (int unused = BOWLING_ROWS - 1; unused >= row; --unused) {
        MatchView().mv_bowlerRowSlots[unused] = -1;
        SetRowSpot(unused, false);
    }
}

// Without an innings to show no bowling row leads anywhere.
void ClearBowlingRows() {
    if (CScrollBar* bar = MatchView().m_ui.bowlingScroll) FitScrollBar(*bar, 0, BOWLING_ROWS, true);
    for (int row = BOWLING_ROWS - 1; row >= 0; --row) {
        MatchView().mv_bowlerRowSlots[row] = -1;
        SetRowSpot(row, false);
    }
}

}  // namespace

void DrawScoreboardPanel(const Match& match) {
    if (Covered()) return;
    DrawBackground(match);
    DrawSituation(match);
    DrawScoreStrip(match);
    const int view = Match::InningsIndex(MatchView().mv_viewInnings);
    const Innings& in = match.m_innings[view];
    if (in.mb_started) {
        DrawHeading(match, view);
        for (int p = 0; p < BATTING_ROWS; ++p) DrawBatsmanRow(match, view, p);
        DrawTotalLine(match, in);
        DrawBowlingCard(match, view);
    } else {
        ClearBowlingRows();
    }
    DrawInfoTab(match);
    if (MatchView().mv_bottomBar) MatchView().mv_bottomBar->Draw(320, 720);
    g_system->DrawText(560, 725, ALIGN_CENTRE, MV_WHITE, Font21(), "%s", match.ResultText().c_str());
}

}  // namespace ravel
