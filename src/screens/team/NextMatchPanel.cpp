#include "screens/team/NextMatchPanel.h"

#include "match/Conditions.h"
#include "screens/menus/FixtureRows.h"
#include "screens/team/TeamDraw.h"
#include "season/Fixtures.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint32_t GREY = 0xffcdcdcd;

const char* NameOr(const char* name) {
    return name && *name ? name : "-";
}

// Leagues and cups of the clubs, and the international tournaments, carry a
// label; Tests, one-day internationals and tour matches do not.
bool LabelledCompetition(int id) {
    return id < COMP_TEST_CHAMPIONSHIP || (id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT);
}

void DrawDateLine(const GameDate& d, int daysAway) {
    if (daysAway == 0)
        TableText(700, 507, TEXT_YELLOW, "%d.%d.%d  (today)", d.m_day, d.m_month, d.m_year);
    else if (daysAway == 1)
        TableText(700, 507, TEXT_YELLOW, "%d.%d.%d  (tomorrow)", d.m_day, d.m_month, d.m_year);
    else if (daysAway >= 2)
        TableText(700, 507, TEXT_YELLOW, "%d.%d.%d  (%d days away)", d.m_day, d.m_month, d.m_year, daysAway);
}

void DrawPitch(const Ground* ground, bool matchDay) {
    CFont* font = g_game->m_fontTable.get();
    if (!matchDay || !ground) {
        g_system->DrawTextInRect(580, 620, 1018, 659, ALIGN_LEFT, GREY, font, "%s",
                                 matchDay ? "-" : "Pitch report available on day of match");
        return;
    }
    DrawTile(PitchBounceIcon(ground->m_bounce), 600, 620);
    g_system->DrawTextInRect(650, 620, 1018, 659, ALIGN_LEFT, TEXT_WHITE, font, "%s",
                             PitchBounceText(ground->m_bounce));
    DrawTile(PitchTurnIcon(ground->m_turn), 600, 660);
    g_system->DrawTextInRect(650, 660, 1018, 699, ALIGN_LEFT, TEXT_WHITE, font, "%s",
                             PitchTurnText(ground->m_turn));
}

void DrawForecast(const GameDate& day, const Ground* ground, int daysAway) {
    CFont* font = g_game->m_fontTable.get();
    const Climate* climate = ground ? ClimateById(ground->m_climate) : nullptr;
    const bool known = climate && daysAway >= 0 && daysAway < FORECAST_DAYS &&
                       daysAway < static_cast<int>(climate->mv_outlook.size());
    if (!known) {
        g_system->DrawTextInRect(580, 580, 1018, 619, ALIGN_LEFT, GREY, font, "%s",
                                 "Weather forecast available one week before match");
        return;
    }
    const int32_t outlook = climate->mv_outlook[static_cast<size_t>(daysAway)];
    DrawTile(WeatherIcon(*ground, outlook, false), 600, 580);
    g_system->DrawTextInRect(650, 580, 1018, 619, ALIGN_LEFT, TEXT_WHITE, font, "Forecast for %d/%d: %s",
                             day.m_day, day.m_month, WeatherText(WeatherCode(*ground, outlook)));
}

}  // namespace

void DrawNextMatchPanel(int sideId, const NextMatch& next) {
    TableText(580, 505, TEXT_YELLOW, "%s", "Next Match:");
    if (!next.m_known) {
        TableText(580, 530, GREY, "%s", "No future matches");
        return;
    }
    const bool fixture =
        next.m_fixture >= 0 && static_cast<size_t>(next.m_fixture) < g_world.mv_fixtures.size();
    const int daysAway = DaysBetween(g_cricket.m_date, next.m_date);
    DrawDateLine(next.m_date, daysAway);
    if (LabelledCompetition(next.m_competition)) {
        const Competition* c = CompetitionById(next.m_competition);
        TableText(960, 507, TEXT_YELLOW, "%s", c ? NameOr(c->m_shortName) : "-");
    }
    const Ground* ground =
        fixture ? GroundById(g_world.mv_fixtures[static_cast<size_t>(next.m_fixture)].m_ground) : nullptr;
    const bool home = next.m_home == sideId;
    if (next.m_away <= 0)
        TableText(580, 530, TEXT_WHITE, "In %s, opponents to be drawn", NameOr(SideName(next.m_host)));
    else
        TableText(580, 530, TEXT_WHITE, home ? "%s (H), %s" : "%s (A), %s",
                  NameOr(SideName(home ? next.m_away : next.m_home)), ground ? NameOr(ground->m_name) : "-");
    DrawPitch(ground, fixture && daysAway == 0);
    DrawForecast(next.m_date, ground, daysAway);
}

}  // namespace ravel
