// The scorecard's three views: the match summary, the card of one innings
// (batting, bowling or partnerships) and a batsman's page.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "match/Match.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/menus/ScreenFrame.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint32_t ORANGE = 0xFFF05A00;
constexpr uint32_t YELLOW = 0xFFFFFF00;
constexpr uint32_t NOT_OUT = 0xFFFAFA00;
constexpr uint32_t OUT_GREY = 0xFFDCDCDC;
constexpr uint32_t PALE_GREY = 0xFFCDCDCD;
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t BAR_BLUE = 0xFF0000FF;
constexpr int ALL_OUT = 10;

void Text(int x, int y, uint32_t colour, const char* format, ...) __attribute__((format(printf, 4, 5)));
void Text(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, ALIGN_LEFT, colour, g_game->m_fontText.get(), format, args);
    va_end(args);
}

void Centred(int x, int y, uint32_t colour, const char* format, ...) __attribute__((format(printf, 4, 5)));
void Centred(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, ALIGN_CENTRE, colour, g_game->m_fontText.get(), format, args);
    va_end(args);
}

void Icon(int index, int x, int y) {
    if (const CSprite* sprite = g_game->Tile(index)) sprite->Draw(x, y);
}

const Player* PlayerOf(int32_t id) {
    return id >= 0 ? PlayerById(id) : nullptr;
}
const char* Surname(int32_t id) {
    const Player* p = PlayerOf(id);
    return p ? p->m_surname : "";
}
const char* Initials(int32_t id) {
    const Player* p = PlayerOf(id);
    return p ? p->m_initials : "";
}

// "4.3 overs", or "50 overs" on a completed over.
void DrawOvers(int x, int y, const Innings& innings) {
    if (innings.BallsOfOver())
        Text(x, y, WHITE, "%d.%d overs", innings.Overs(), innings.BallsOfOver());
    else
        Text(x, y, WHITE, "%d overs", innings.Overs());
}

void DrawScore(int x, int y, const Innings& innings, bool oneInnings) {
    Text(x, y, WHITE, "%s", InningsScoreText(innings, oneInnings).c_str());
}

// The innings' top batsmen and bowlers, one row each, `step` apart.
void DrawTopPerformers(const Innings& innings, int y, int step, int iconDrop) {
    for (int k = 0; k < 3; ++k, y += step) {
        const int32_t pos = innings.mi_topBatsmen[k];
        if (pos >= 0 && pos < SQUAD_SIZE) {
            const BatsmanFigures& b = innings.m_batsmen[pos];
            Icon(PlayerRoleIconWithKeeper(b.mi_player), 210, y + iconDrop);
            Text(230, y, WHITE, "%s", Surname(b.mi_player));
            Text(430, y, WHITE, b.mi_howOut == HOWOUT_BATTING ? "%d*" : "%d", BatsmanRuns(b));
        }
        const int32_t slot = innings.mi_topBowlers[k];
        if (slot >= 0 && slot < SQUAD_SIZE) {
            const BowlerFigures& w = innings.m_bowlers[slot];
            Icon(PlayerRoleIconWithKeeper(w.mi_player), 710, y + iconDrop);
            Text(730, y, WHITE, "%s", Surname(w.mi_player));
            Text(930, y, WHITE, "%d/%d", w.mi_wickets, w.mi_runs);
        }
    }
}

void DrawBlockFrame(int y, int height, int lineFrom) {
    g_system->ShadeRect(203, y, 1019, y + height);
    g_system->ShadeRect(203, y, 1019, y + 50);
    g_system->FillRect(203, y + lineFrom, 1019, y + lineFrom + 2, WHITE);
}

void DrawOneInningsBlocks(const Match& match) {
    constexpr int BLOCK_Y[2] = {175, 405};
    for (int i = 0; i < 2; ++i) {
        const int y = BLOCK_Y[i];
        DrawBlockFrame(y, 222, 53);
        const Innings& innings = match.m_innings[i];
        if (!innings.mb_started) continue;
        Text(230, y + 8, WHITE, "%s", SideName(innings.mi_battingTeam));
        DrawScore(730, y + 8, innings, true);
        DrawOvers(900, y + 12, innings);
        DrawTopPerformers(innings, y + 65, 30, 0);
    }
}

// Innings as stored: the first side's are 1 and 3, the second side's 2 and
// 4; with the follow-on the second side's second innings (4) comes third.
void DrawLongMatchBlocks(const Match& match) {
    auto total = [&match](int i) { return InningsTotal(match.m_innings[i]); };
    const bool followOn = match.mi_followOnState == INNINGS_FOLLOW_ON;
    for (int i = 0; i < 4; ++i) {
        const int y = 157 + 120 * i;
        DrawBlockFrame(y, 120, 48);
        const Innings& innings = match.m_innings[i];
        if (!innings.mb_started) continue;
        Text(230, y + 11, WHITE, "%s", SideName(innings.mi_battingTeam));
        if (i < 2) Text(570, y + 18, WHITE, "1st Innings");
        DrawScore(730, y + 11, innings, false);
        DrawOvers(900, y + 15, innings);
        DrawTopPerformers(innings, y + 53, 20, 4);
        if (i == 2 && !followOn) {
            Text(570, 415, WHITE, "2nd Innings");
        } else if (i == 2) {
            Text(570, 403, WHITE, "2nd Innings");
            Text(565, 423, YELLOW, "TARGET: %d", total(1) + total(3) - total(0) + 1);
        } else if (i == 3) {
            Text(570, 523, WHITE, "2nd Innings");
            if (followOn)
                Text(565, 543, YELLOW, "Following on");
            else
                Text(565, 543, YELLOW, "TARGET: %d", total(0) + total(2) - total(1) + 1);
        }
    }
}

std::string DateOf(const GameDate& date) {
    return FormatDate(date.m_day, date.m_month, date.m_year);
}

// The batting card's dismissal columns.
void DrawHowOut(const Innings& innings, const BatsmanFigures& b, int y, uint32_t colour) {
    const int32_t bowlerSlot = b.mi_bowler;
    const char* bowler =
        bowlerSlot >= 0 && bowlerSlot < SQUAD_SIZE ? Surname(innings.m_bowlers[bowlerSlot].mi_player) : "";
    switch (b.mi_howOut) {
        case HOWOUT_BATTING:
            Text(530, y, colour, "Not Out");
            break;
        case HOWOUT_BOWLED:
            Text(600, y, colour, "b %s", bowler);
            break;
        case HOWOUT_LBW:
            Text(435, y, colour, "lbw");
            Text(600, y, colour, "b %s", bowler);
            break;
        case HOWOUT_CAUGHT:
            Text(435, y, colour, "c %s", Surname(b.mi_fielder));
            Text(600, y, colour, "b %s", bowler);
            break;
        case HOWOUT_STUMPED:
            Text(435, y, colour, "st %s", Surname(b.mi_fielder));
            Text(600, y, colour, "b %s", bowler);
            break;
        case HOWOUT_RUN_OUT:
            Text(435, y, colour, "run out");
            break;
        default:
            if (b.mi_howOut > HOWOUT_RUN_OUT) Text(435, y, colour, "%s", DismissalShortText(b.mi_howOut));
            break;
    }
}

void DrawBattingCard(const Match& match, const Innings& innings, int index) {
    Text(230, 160, ORANGE, "%s", SideName(innings.mi_battingTeam));
    constexpr struct {
        const char* text;
        int x;
    } HEADINGS[] = {{"R", 800}, {"M", 850}, {"B", 900}, {"4", 950}, {"6", 990}};
    for (const auto& h : HEADINGS) Text(h.x, 160, ORANGE, "%s", h.text);
    const int32_t keeper = match.SideOf(innings.mi_battingTeam).KeeperSlot(index);
    for (int p = 0; p < SQUAD_SIZE; ++p) {
        const BatsmanFigures& b = innings.m_batsmen[p];
        const int y = 180 + 20 * p;
        const uint32_t colour = b.mi_howOut == HOWOUT_DID_NOT_BAT ? WHITE
                                : b.mi_howOut == HOWOUT_BATTING   ? NOT_OUT
                                                                  : OUT_GREY;
        const bool isKeeper = innings.mi_battingOrder[p] == keeper;
        Icon(isKeeper ? PlayerRoleIconWithKeeper(b.mi_player) : PlayerRoleIcon(b.mi_player), 210, y);
        Text(230, y, colour, "%s %s", Initials(b.mi_player), Surname(b.mi_player));
        DrawHowOut(innings, b, y, colour);
        if (b.mi_howOut == HOWOUT_DID_NOT_BAT) continue;
        Text(800, y, colour, "%d", BatsmanRuns(b));
        Text(850, y, colour, "%d", b.mi_seconds / 60);
        Text(900, y, colour, "%d", b.Balls());
        Text(950, y, colour, "%d", b.mi_scored[4]);
        Text(990, y, colour, "%d", b.mi_scored[6]);
    }
    const int32_t extras = innings.mi_byes + innings.mi_legByes + innings.mi_wides + innings.mi_noBalls;
    Text(230, 400, WHITE, "Extras");
    Text(380, 400, WHITE, "(b %d, lb %d, w %d, nb %d)", innings.mi_byes, innings.mi_legByes, innings.mi_wides,
         innings.mi_noBalls);
    Text(800, 400, WHITE, "%d", extras);
    const int32_t wickets = innings.Wickets(), total = InningsTotal(innings);
    Text(230, 420, WHITE, "Total");
    if (wickets >= ALL_OUT)
        Text(380, 420, WHITE, "(all out, %d.%d overs)", innings.Overs(), innings.BallsOfOver());
    else
        Text(380, 420, WHITE, "(for %d wickets, %d.%d overs)", wickets, innings.Overs(),
             innings.BallsOfOver());
    Text(800, 420, WHITE, "%d", total);
    const double rate = innings.mi_legalBalls ? total * 6.0 / innings.mi_legalBalls : 0.0;
    Text(850, 420, WHITE, "(at %1.2f rpo)", rate);

    Text(230, 460, ORANGE, "FoW");
    int fallen = 0;
    for (const Partnership& p : innings.m_partnerships) {
        if (p.mi_state != 2) continue;
        const int x = fallen < 5 ? 230 : 630;
        const int y = 480 + 20 * (fallen % 5);
        Text(x, y, WHITE, "%d - %d (%s %s, %d.%d ov)", p.mi_wicket, p.mi_score, Initials(p.mi_playerOut),
             Surname(p.mi_playerOut), p.mi_overs, p.mi_ballsOfOver);
        ++fallen;
    }
}

void DrawBowlingCard(const Match& match, const Innings& innings, int index) {
    Text(230, 160, ORANGE, "%s", SideName(innings.mi_bowlingTeam));
    constexpr struct {
        const char* text;
        int x;
    } HEADINGS[] = {{"Bowling", 230}, {"O", 500}, {"M", 550}, {"R", 600}, {"W", 650}};
    for (const auto& h : HEADINGS) Text(h.x, 180, ORANGE, "%s", h.text);
    int32_t slots[SQUAD_SIZE];
    const int rows = BowlingRows(match, index, slots);
    for (int r = 0; r < rows; ++r) {
        const BowlerFigures& w = innings.m_bowlers[slots[r]];
        const int y = 200 + 20 * r;
        Icon(PlayerRoleIcon(w.mi_player), 210, y);
        Text(230, y, WHITE, "%s %s", Initials(w.mi_player), Surname(w.mi_player));
        if (w.mi_balls % 6)
            Text(500, y, WHITE, "%d.%d", w.mi_balls / 6, w.mi_balls % 6);
        else
            Text(500, y, WHITE, "%d", w.mi_balls / 6);
        Text(550, y, WHITE, "%d", w.mi_maidens);
        Text(600, y, WHITE, "%d", w.mi_runs);
        Text(650, y, WHITE, "%d", w.mi_wickets);
        if (w.mi_noBalls && w.mi_wides)
            Text(700, y, WHITE, "(%dnb, %dw)", w.mi_noBalls, w.mi_wides);
        else if (w.mi_noBalls)
            Text(700, y, WHITE, "(%dnb)", w.mi_noBalls);
        else if (w.mi_wides)
            Text(700, y, WHITE, "(%dw)", w.mi_wides);
    }
}

void DrawPartnerships(const Innings& innings) {
    Text(230, 160, ORANGE, "%s", SideName(innings.mi_battingTeam));
    constexpr struct {
        const char* text;
        int x;
    } HEADINGS[] = {{"Fell", 230}, {"Runs", 300},    {"O", 360},
                    {"Mins", 420}, {"Batsman", 480}, {"Batsman", 700}};
    for (const auto& h : HEADINGS) Text(h.x, 180, ORANGE, "%s", h.text);
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        const Partnership& p = innings.m_partnerships[i];
        if (p.Balls() < 1) continue;
        const int y = 200 + 20 * i;
        if (p.mi_state == 2)
            Text(230, y, WHITE, "%d", p.mi_score);
        else
            Text(230, y, WHITE, "-");
        Text(300, y, WHITE, "%d", p.Runs());
        Text(360, y, WHITE, "%d.%d", p.Balls() / 6, p.Balls() % 6);
        Text(420, y, WHITE, "%d", p.mi_seconds / 60);
        for (int k = 0; k < 2; ++k) {
            const int32_t id = p.mi_player[k];
            Icon(PlayerRoleIconWithKeeper(id), 480 + 220 * k, y);
            Text(500 + 220 * k, y, WHITE, "%s %s (%d)", Initials(id), Surname(id), p.BatsmanRuns(k));
        }
    }
}

}  // namespace

std::string InningsScoreText(const Innings& innings, bool oneInnings) {
    const int32_t runs = InningsTotal(innings), wickets = innings.Wickets();
    if (wickets >= ALL_OUT) return Format(oneInnings ? "%d" : "%d all out", runs);
    if (!oneInnings && innings.mi_status == INNINGS_DECLARED) return Format("%d/%d dec", runs, wickets);
    return Format("%d/%d", runs, wickets);
}

int BowlingRows(const Match& match, int innings, int32_t (&slots)[SQUAD_SIZE]) {
    const Innings& in = match.m_innings[Match::InningsIndex(innings)];
    int rows = 0;
    for (int32_t slot : in.mi_bowlingOrder) {
        if (slot >= 0 && slot < SQUAD_SIZE && in.m_bowlers[slot].mi_balls > 0) slots[rows++] = slot;
    }
    return rows;
}

void DrawScorecardSummary(const Match& match) {
    const bool oneInnings = IsLimitedOversFormat(match.mi_matchType);
    g_system->ShadeRect(203, 103, 1019, 130);
    g_system->ShadeRect(203, 640, 1019, 695);
    g_system->ShadeRect(203, 132, 1019, oneInnings ? 171 : 155);
    if (match.mi_competition < COMP_TEST_CHAMPIONSHIP) {
        const auto& bonus = match.mi_bonus;
        Text(860, 642, WHITE, "%s: %d b.pts", match.TeamShortName(match.mi_team1), bonus[0] + bonus[2]);
        Text(860, 657, WHITE, "%s: %d b.pts", match.TeamShortName(match.mi_team2), bonus[1] + bonus[3]);
    }
    if (match.mi_playState == PLAY_MATCH_OVER && match.mb_playerOfMatchSet)
        Text(860, 672, WHITE, "MOM: %s %s", Initials(match.mi_playerOfMatch),
             Surname(match.mi_playerOfMatch));
    Centred(611, 658, YELLOW, "%s", match.ResultText().c_str());
    if (oneInnings) {
        Centred(611, 142, WHITE, "Match Played: %s", DateOf(match.m_startDate).c_str());
        DrawOneInningsBlocks(match);
    } else {
        Centred(611, 138, WHITE, "Match Played: %s - %s", DateOf(match.m_startDate).c_str(),
                DateOf(match.m_lastDay).c_str());
        DrawLongMatchBlocks(match);
    }
}

void DrawInningsCard(const Match& match, int index, int card) {
    g_system->ShadeRect(203, 103, 1019, 130);
    g_system->ShadeRect(203, 132, 1019, 648);
    g_system->ShadeRect(203, 650, 1019, 695);
    const Innings& innings = match.m_innings[Match::InningsIndex(index)];
    if (innings.mi_legalBalls == 0) {
        Text(230, 200, WHITE, "Innings hasn't started");
        return;
    }
    if (card == CARD_BOWLING)
        DrawBowlingCard(match, innings, index);
    else if (card == CARD_PARTNERSHIPS)
        DrawPartnerships(innings);
    else
        DrawBattingCard(match, innings, index);
}

void DrawBatsmanPage(const Match& match, int index, int position) {
    g_system->ShadeRect(203, 103, 1019, 130);
    g_system->ShadeRect(203, 132, 1019, 648);
    g_system->ShadeRect(203, 650, 1019, 695);
    const Innings& innings = match.m_innings[Match::InningsIndex(index)];
    const BatsmanFigures& b = innings.m_batsmen[std::clamp(position, 0, SQUAD_SIZE - 1)];
    DrawScorecardPitch(660, 160);
    const Player* player = PlayerOf(b.mi_player);
    Text(230, 150, WHITE, "%s %s", player ? player->m_firstName : "", player ? player->m_surname : "");
    Text(230, 180, WHITE, "%s", SideName(innings.mi_battingTeam));
    const int32_t runs = BatsmanRuns(b), balls = b.Balls();
    Text(230, 220, WHITE, "Runs: %d", runs);
    Text(230, 240, WHITE, "Balls: %d", balls);
    Text(230, 260, WHITE, "Minutes: %d", b.mi_seconds / 60);
    Text(230, 280, WHITE, "Strike rate: %1.2f", balls && runs ? runs * 100.0 / balls : 0.0);
    for (int k = 0; k <= 6; ++k) {
        Text(660, 440 + 20 * k, WHITE, "%d's: %d (%1.2f%%)", k, b.mi_scored[k],
             balls ? b.mi_scored[k] * 100.0 / balls : 0.0);
    }
    constexpr int AREA_X[6] = {740, 870, 910, 740, 870, 710};
    constexpr int AREA_Y[6] = {200, 200, 280, 370, 370, 280};
    for (int k = 0; k < 6; ++k) Centred(AREA_X[k], AREA_Y[k], YELLOW, "%d", b.mi_directionRuns[k]);

    // Runs from 1's to 6's at two pixels a run, cut at the frame's top.
    constexpr int BASE = 600, TOP = 410;
    g_system->ShadeRect(210, 400, 620, 620);
    g_system->FillRect(268, 410, 270, 602, WHITE);
    g_system->FillRect(270, BASE, 600, 602, WHITE);
    for (int k = 1; k <= 6; ++k) {
        if (b.mi_scored[k] <= 0) continue;
        const int kRuns = k * b.mi_scored[k];
        const int top = std::max(TOP, BASE - 2 * kRuns);
        const int x = 270 + 50 * (k - 1);
        g_system->FillRect(x, top, x + 48, BASE, BAR_BLUE);
        Centred(x + 24, std::max(top - 20, TOP), WHITE, "%d", kRuns);
    }
    for (int k = 1; k <= 6; ++k) Centred(295 + 50 * (k - 1), BASE, PALE_GREY, "%d's", k);
    constexpr struct {
        const char* text;
        int y;
    } MARKS[] = {{"Runs", 410}, {"75", 450}, {"50", 500}, {"25", 550}, {"0", 600}};
    for (const auto& m : MARKS) Text(m.text[0] == 'R' ? 220 : 250, m.y, PALE_GREY, "%s", m.text);
}

}  // namespace ravel
