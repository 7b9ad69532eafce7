// What today's fixtures and today's scoreboard share: the filter drop-down,
// competition headings, ground texts and the sides' innings lines.
#include <cstdarg>
#include <cstring>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TodaysScreens.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/TeamDraw.h"
#include "season/Fixtures.h"
#include "season/TodaysLists.h"
#include "shell/Game.h"
#include "shell/gui/ComboBox.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t INNINGS_GREY = 0xFF9B9B9B;
constexpr uint32_t PERFORMER_GREY = 0xFFCDCDCD;
// The top batsman is named past 30 runs, the top bowler past one wicket.
constexpr int NAMED_RUNS = 30;
constexpr int NAMED_WICKETS = 1;
constexpr size_t NAMED_TEXT_LIMIT = 17;

void DrawPerformers(const Innings& innings, int y) {
    const std::string batsman = getbathighlights(innings);
    if (TopBatsmanRuns(innings) > NAMED_RUNS && batsman.size() < NAMED_TEXT_LIMIT)
        TableText(660, y, PERFORMER_GREY, "%s", batsman.c_str());
    if (TopBowlerWickets(innings) > NAMED_WICKETS)
        TableText(805, y, PERFORMER_GREY, "%s", BowlHighlights(innings).c_str());
}

}  // namespace

void TodaysText(int x, int y, uint32_t colour, CFont* font, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, ALIGN_LEFT, colour, font, format, args);
    va_end(args);
}

void AddFilterItems(CComboBox& combo) {
    combo.AddListItem("All Games", FILTER_ALL);
    combo.AddListItem("International Games", FILTER_INTERNATIONAL);
    for (int f = FILTER_FIRST_COUNTRY; f <= FILTER_LAST_COUNTRY; ++f) {
        if (const Country* country = CountryAt(f - 1)) combo.AddListItem(country->m_name, f);
    }
    combo.AddListItem("Local & Int", FILTER_LOCAL);
}

const char* FilterCaption(int32_t filter, const char* international) {
    if (filter == FILTER_ALL) return "All games";
    if (filter == FILTER_LOCAL) return "Local & Int";
    if (filter == FILTER_INTERNATIONAL) return international;
    const Country* country = CountryAt(filter - 1);
    return country ? country->m_name : "";
}

std::string CompetitionHeading(int32_t c) {
    if (c == COMP_TOUR_THREE_DAY) return "Tour Match - 3 day";
    if (c == COMP_TOUR_ONE_DAY) return "Tour Match - 1 day";
    if (c == COMP_TOUR_FOUR_DAY) return "Tour Match - 4 day";
    if (c >= FIRST_TOUR_SERIES_ID) {
        const TourSeries* series = TourSeriesById(c);
        return series ? FixtureTitle(*series) : "";
    }
    if (c < COMP_TEST_CHAMPIONSHIP || (c >= COMP_FIRST_TOURNAMENT && c <= COMP_LAST_TOURNAMENT)) {
        const Competition* competition = CompetitionById(c);
        return competition ? competition->m_name : "";
    }
    return "";  // the two championships and the further events
}

const char* GroundShortText(int32_t groundId) {
    const Ground* ground = GroundById(groundId);
    return ground ? ground->m_town : "";
}

void DrawGroundWeather(int32_t groundId, int x, int y) {
    const Ground* ground = GroundById(groundId);
    if (!ground) return;
    const Climate* climate = ClimateById(ground->m_climate);
    const int32_t outlook = climate && !climate->mv_outlook.empty() ? climate->mv_outlook.front() : 50;
    if (const CSprite* sprite = g_game->Tile(WeatherIcon(*ground, outlook, true))) sprite->Draw(x, y);
}

// The side batting first shows innings 1 and 3, the other 2 and 4.
int DrawInningsLines(const Match& match, int y) {
    const bool oneInnings = IsLimitedOversFormat(match.mi_matchType);
    const Innings& first = match.m_innings[0];
    const int32_t sideA = first.mb_started ? first.mi_battingTeam : match.mi_team1;
    const int32_t sides[2] = {sideA, sideA == match.mi_team1 ? match.mi_team2 : match.mi_team1};
    for (int k = 0; k < 2; ++k) {
        g_system->FillRect(230, y - 8, 984, y - 6, WHITE);
        TableText(230, y, WHITE, "%s", SideName(sides[k]));
        int lines = 0;
        for (int i = k; i < 4; i += 2) {
            const Innings& innings = match.m_innings[i];
            if (!innings.mb_started) continue;
            const int lineY = y + 20 * lines;
            if (!oneInnings) TableText(450, lineY, INNINGS_GREY, i < 2 ? "1st inn" : "2nd inn");
            TableText(oneInnings ? 430 : 530, lineY, WHITE, "%s",
                      InningsScoreText(innings, oneInnings).c_str());
            DrawPerformers(innings, lineY);
            ++lines;
        }
        y += 20 * (lines > 0 ? lines : 1) + 10;
    }
    return y;
}

void DrawTodaysFrame(const char* title, const char* clock) {
    g_system->ShadeRect(203, 103, 1019, 168);
    g_system->ShadeRect(203, 170, 1019, 695);
    DrawFrameBars(clock);
    DrawCoachName();
    g_system->DrawText(512, 15, ALIGN_CENTRE, WHITE, g_game->m_fontTitle.get(), "%s", title);
    g_system->DrawText(230, 120, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), "%s",
                       g_cricket.m_date.DateText().c_str());
}

void FindTodaysTopPerformers() {
    for (auto& match : g_currentMatches) {
        for (Innings& innings : match->m_innings)
            if (innings.mb_started) innings.FindTopPerformers();
    }
}

}  // namespace ravel
