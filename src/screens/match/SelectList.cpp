// The selection window's table: the bowling side with type, fitness and
// figures when a bowler is chosen, the batting order with how each batsman
// stands when the next batsman is.
#include <cstdarg>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/System.h"
#include "world/Player.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t YELLOW = 0xffffff00;
constexpr uint32_t GREY = 0xff9b9b9b;
constexpr uint32_t LIGHT_GREY = 0xffcdcdcd;
constexpr uint32_t BAR_BACK = 0xff000000;
constexpr int ROW_TOP = 90;
constexpr int ROW_STEP = 25;

struct Origin {
    int x, y;
};

void PutV(int x, int y, int alignment, uint32_t colour, const char* format, va_list args) {
    g_system->DrawTextV(x, y, alignment, colour, g_game->m_fontText.get(), format, args);
}

__attribute__((format(printf, 5, 6))) void Put(int x, int y, int alignment, uint32_t colour,
                                               const char* format, ...) {
    va_list args;
    va_start(args, format);
    PutV(x, y, alignment, colour, format, args);
    va_end(args);
}

__attribute__((format(printf, 4, 5))) void Text(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    PutV(x, y, ALIGN_LEFT, colour, format, args);
    va_end(args);
}

__attribute__((format(printf, 4, 5))) void Centred(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    PutV(x, y, ALIGN_CENTRE, colour, format, args);
    va_end(args);
}

const char* Surname(int32_t playerId) {
    const Player* p = PlayerById(playerId);
    return p ? p->m_surname : "";
}

void RoleIcon(Origin o, int row, int32_t playerId, bool keeper) {
    const int32_t icon = keeper ? PlayerRoleIconWithKeeper(playerId) : PlayerRoleIcon(playerId);
    if (CSprite* sprite = g_game->Tile(icon)) sprite->Draw(o.x + 10, o.y + 93 + ROW_STEP * row);
}

// Overs as "%d", or "%d.%d" in an unfinished over.
void Overs(int x, int y, int balls, int alignment) {
    if (balls % 6 == 0)
        Put(x, y, alignment, WHITE, "%d", balls / 6);
    else
        Put(x, y, alignment, WHITE, "%d.%d", balls / 6, balls % 6);
}

void FitnessBar(int x, int y, float energy) {
    g_system->FillRect(x, y, x + 50, y + 23, BAR_BACK);
    g_system->FillRect(x + 1, y + 1, x - 1 + static_cast<int>(energy / 2.0f), y + 22, FitnessColour(energy));
    Text(x, y, WHITE, "%d%%", static_cast<int>(energy));
}

void BowlerHeadings(Origin o) {
    const int y = o.y + 65;
    Text(o.x + 300, y, WHITE, "Type");
    Text(o.x + 650, y, WHITE, "Fitness %%");
    Text(o.x + 380, y, WHITE, "Figures");
    switch (MatchView().m_kept.mv_selectStatsView) {
        case FIGURES_BOWL_SKILL:
            return Centred(o.x + 560, y, WHITE, "Skill");
        case FIGURES_INNINGS:
            Text(o.x + 470, y, WHITE, "Overs");
            Text(o.x + 510, y, WHITE, "Maidens");
            Text(o.x + 550, y, WHITE, "Runs");
            return Text(o.x + 590, y, WHITE, "Wickets");
        case FIGURES_SEASON:
        case FIGURES_CAREER:
            Text(o.x + 450, y, WHITE, "Balls");
            return Text(o.x + 550, y, WHITE, "Wickets");
        default:
            return;
    }
}

// The last dash and the wickets move right as the runs grow a digit.
int WidthStep(int runs) {
    return runs < 10 ? 0 : runs < 100 ? 3 : 7;
}

void InningsFigures(Origin o, int y, const BowlerFigures& f) {
    Overs(o.x + 380, y, f.mi_balls, ALIGN_CENTRE);
    Centred(o.x + 395, y, LIGHT_GREY, "-");
    Centred(o.x + 410, y, WHITE, "%d", f.mi_maidens);
    Centred(o.x + 425, y, LIGHT_GREY, "-");
    Centred(o.x + 440, y, WHITE, "%d", f.mi_runs);
    Centred(o.x + 455 + WidthStep(f.mi_runs), y, LIGHT_GREY, "-");
    Centred(o.x + 470 + WidthStep(f.mi_runs), y, WHITE, "%d", f.mi_wickets);
}

void ChosenColumn(Origin o, int y, const Player& player, const BowlerFigures& f) {
    switch (MatchView().m_kept.mv_selectStatsView) {
        case FIGURES_BOWL_SKILL:
            return Centred(o.x + 560, y, WHITE, "%d", player.m_bowlSkill[0]);
        case FIGURES_INNINGS: {
            Overs(o.x + 470, y, f.mi_balls, ALIGN_LEFT);
            Text(o.x + 510, y, WHITE, "%d", f.mi_maidens);
            Text(o.x + 530, y, WHITE, "-");
            Text(o.x + 550, y, WHITE, "%d", f.mi_runs);
            const bool wide = f.mi_runs >= 10;
            Text(o.x + (wide ? 575 : 570), y, WHITE, "-");
            return Text(o.x + (wide ? 595 : 590), y, WHITE, "%d", f.mi_wickets);
        }
        case FIGURES_SEASON:
        case FIGURES_CAREER: {
            const PlayerStats& s =
                player.m_stats[MatchView().m_kept.mv_selectStatsView == FIGURES_SEASON ? STATS_SEASON_FC
                                                                                       : STATS_CAREER_FC];
            Text(o.x + 450, y, WHITE, "%d", s.m_balls);
            return Text(o.x + 550, y, WHITE, "%d", s.m_wickets);
        }
        default:
            return;
    }
}

void BowlerList(Origin o, Match& match) {
    BowlerHeadings(o);
    const Innings& innings = match.CurrentInnings();
    const MatchTeam& fielding = match.FieldingSide();
    const int keeper = fielding.KeeperSlot(match.mi_currentInnings);
    for (int k = 0; k < SQUAD_SIZE; ++k) {
        const int y = o.y + ROW_TOP + ROW_STEP * k;
        const BowlerFigures& f = innings.m_bowlers[k];
        const Player* player = PlayerById(f.mi_player);
        if (!player) continue;
        RoleIcon(o, k, f.mi_player, k == keeper);
        if (k == keeper) {
            Text(o.x + 35, y, GREY, "%s %s", player->m_initials, player->m_surname);
            Text(o.x + 235, y, GREY, "Cannot bowl");
            continue;
        }
        const char* format = k == match.mi_bowler1   ? "%s %s (B1)"
                             : k == match.mi_bowler2 ? "%s %s (B2)"
                                                     : "%s %s";
        Text(o.x + 35, y, WHITE, format, player->m_initials, player->m_surname);
        Text(o.x + 300, y, WHITE, "%s", player->BowlingTypeCode());
        FitnessBar(o.x + 650, y, fielding.m_players[k].mf_energy);
        if (f.mi_balls > 0) InningsFigures(o, y, f);
        ChosenColumn(o, y, *player, f);
    }
}

// The career block of the match's kind of cricket; -1 for a match type
// without one.
int CareerBlock(int32_t matchType) {
    switch (matchType) {
        case FORMAT_TEST:
            return STATS_CAREER_TEST;
        case FORMAT_ODI:
            return STATS_CAREER_ODI;
        case FORMAT_FIRST_CLASS:
        case FORMAT_OTHER_DAYS:
            return STATS_CAREER_FC;
        case FORMAT_LIST_A:
        case FORMAT_TWENTY:
            return STATS_CAREER_LA;
        default:
            return -1;
    }
}

const char* AverageHeading(int32_t matchType) {
    switch (CareerBlock(matchType)) {
        case STATS_CAREER_TEST:
            return "Test Ave";
        case STATS_CAREER_ODI:
            return "ODI Ave";
        case STATS_CAREER_FC:
            return "FC Ave";
        case STATS_CAREER_LA:
            return "List-A Ave";
        default:
            return nullptr;
    }
}

void Dismissal(int x, int y, const Innings& innings, const BatsmanFigures& b) {
    const char* text = DismissalShortText(b.mi_howOut);
    const int bowlerSlot = b.mi_bowler;
    const char* bowler =
        bowlerSlot >= 0 && bowlerSlot < SQUAD_SIZE ? Surname(innings.m_bowlers[bowlerSlot].mi_player) : "";
    switch (b.mi_howOut) {
        case HOWOUT_BOWLED:
            return Text(x, y, LIGHT_GREY, "%s %s", text, bowler);
        case HOWOUT_LBW:
            return Text(x, y, LIGHT_GREY, "%s b %s", text, bowler);
        case HOWOUT_CAUGHT:
        case HOWOUT_STUMPED:
            return Text(x, y, LIGHT_GREY, "%s %s b %s", text, Surname(b.mi_fielder), bowler);
        case HOWOUT_RUN_OUT:
            return Text(x, y, LIGHT_GREY, "%s (%s)", text, Surname(b.mi_fielder));
        default:
            return Text(x, y, LIGHT_GREY, "%s", text);
    }
}

void BatsmanList(Origin o, Match& match) {
    const int y0 = o.y + 60;
    Text(o.x + 250, y0, WHITE, "Position");
    Text(o.x + 450, y0, WHITE, "Skill");
    if (const char* heading = AverageHeading(match.mi_matchType)) Text(o.x + 650, y0, WHITE, "%s", heading);
    const Innings& innings = match.CurrentInnings();
    const int keeperSlot = match.BattingSide().KeeperSlot(match.mi_currentInnings);
    const int block = CareerBlock(match.mi_matchType);
    // The man the engine sent in has not faced: he is still a choice.
    const int waiting = match.WaitingBatsman();
    for (int k = 0; k < SQUAD_SIZE; ++k) {
        const int y = o.y + ROW_TOP + ROW_STEP * k;
        const BatsmanFigures& b = innings.m_batsmen[k];
        const Player* player = PlayerById(b.mi_player);
        if (!player) continue;
        RoleIcon(o, k, b.mi_player, innings.mi_battingOrder[k] == keeperSlot);
        if (b.mi_howOut == HOWOUT_BATTING && k != waiting) {
            Text(o.x + 30, y, YELLOW, "%s %s", player->m_initials, player->m_surname);
        } else if (b.mi_howOut <= HOWOUT_DID_NOT_BAT) {
            Text(o.x + 30, y, WHITE, "%s %s", player->m_initials, player->m_surname);
            const double average = block >= 0 ? player->m_stats[block].m_battingAverage : NO_BATTING_AVERAGE;
            if (average != NO_BATTING_AVERAGE) Text(o.x + 650, y, WHITE, "%2.2f", average);
            Text(o.x + 250, y, WHITE, "%s (%s)", player->BattingPositionText(), player->BattingHandText());
            Text(o.x + 450, y, WHITE, "%s", player->BattingRatingWord());
        } else {
            Text(o.x + 30, y, LIGHT_GREY, "%s %s", player->m_initials, player->m_surname);
            Dismissal(o.x + 250, y, innings, b);
        }
    }
}

}  // namespace

void DrawSelectionList() {
    const CDialog* window = MatchView().m_ui.select.window;
    Match* match = UserMatch();
    if (!window || !match) return;
    const Origin o{window->m_x, window->m_y};
    if (MatchView().m_kept.mv_selectMode == SELECT_NEXT_BOWLER)
        BowlerList(o, *match);
    else
        BatsmanList(o, *match);
}

}  // namespace ravel
