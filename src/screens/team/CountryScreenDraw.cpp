// CCountryScreen::Render: the frame and header, then the tab shown.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CountryScreen.h"
#include "screens/team/NextMatchPanel.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/SquadRows.h"
#include "screens/team/TeamDraw.h"
#include "season/PlayerIcons.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

using CC = CCountryScreen;

constexpr uint32_t TEXT_RETIRED = 0xff9b9b9bu;

const Country* Shown() {
    return CountryById(CC::s_country);
}

bool InEleven(const Country& country, int32_t id) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (country.m_xi[i] == id) return true;
    return false;
}

bool Listed(const Country& country, int32_t id) {
    const std::vector<int32_t>& list = country.SquadFor(CC::s_squadKind);
    return std::find(list.begin(), list.end(), id) != list.end();
}

uint32_t RowColour(const Country& country, const Player& p) {
    const bool chosen = CC::s_page == COUNTRY_PAGE_POOL ? Listed(country, p.m_id) : InEleven(country, p.m_id);
    if (p.m_injured) return TEXT_INJURED;
    if (chosen) return TEXT_SELECTED;
    return p.m_retiredTest || p.m_retiredOdi ? TEXT_RETIRED : TEXT_WHITE;
}

// The words that name a squad kind.
const char* KindWords(int kind) {
    if (kind == SQUAD_HOME_TEST) return "Home test";
    return kind == SQUAD_TOUR_TEST ? "Tour test" : "One day";
}

void DrawListHeader() {
    if (CC::s_page == COUNTRY_PAGE_TACTICS) {
        HeadingText(240, 173, TEXT_YELLOW, "Current Squad");
        g_system->FillRect(210, 196, 515, 198, TEXT_WHITE);
        HeadingText(430, 174, TEXT_ORANGE, "Bat");
        HeadingText(470, 174, TEXT_ORANGE, "Bowl");
        return;
    }
    HeadingText(210, 142, TEXT_YELLOW, "Select view:");
    HeadingText(630, 142, TEXT_YELLOW, "Sort by:");
    HeadingText(260, 177, TEXT_ORANGE, "Name");
    g_system->FillRect(210, 196, 980, 198, TEXT_WHITE);
    g_system->FillRect(210, 576, 980, 578, TEXT_WHITE);
    DrawViewHeadings(CC::s_view);
}

void DrawRows(const Country& country) {
    const std::vector<int32_t>& list = CC::ShownList();
    const int first = CC::ScrollPosition();
    for (int i = 0; i < COUNTRY_LIST_ROWS; ++i) {
        const size_t entry = static_cast<size_t>(first + i);
        if (first + i < 0 || entry >= list.size()) break;
        const Player* p = PlayerById(list[entry]);
        if (!p) continue;
        const int y = COUNTRY_LIST_TOP + 20 * i;
        DrawTile(PlayerRoleIconWithKeeper(p->m_id), 230, y + 3);
        TableText(260, y + 3, RowColour(country, *p), "%s, %s", p->m_surname, p->m_firstName);
        if (CC::s_page == COUNTRY_PAGE_TACTICS) {
            DrawTile(BatFormIcon(p->m_id), 430, y + 3);
            DrawTile(BowlFormIcon(p->m_id), 470, y + 3);
        } else {
            DrawViewCells(*p, CC::s_view, y, CC::s_country);
        }
    }
}

void DrawSquadBlock(const Country& country) {
    const int kind = CC::s_squadKind;
    const int size = static_cast<int>(country.SquadFor(kind).size());
    const int required = RequiredSquadSize(kind);
    HeadingText(230, 580, TEXT_LIGHT_GREY, "Squad Changes:");
    HeadingText(230, 600, TEXT_LIGHT_GREY, "Squad Type:");
    HeadingText(630, 580, TEXT_LIGHT_GREY, "Required Squad Size:");
    if (CC::SquadLocked())
        TableText(380, 583, TEXT_RED, "%s", "Not allowed");
    else
        TableText(380, 583, TEXT_WHITE, "%s", "Allowed");
    TableText(380, 603, TEXT_WHITE, "%s", KindWords(kind));
    TableText(800, 583, TEXT_WHITE, "%d (%d selected)", required, size);
    if (size < required)
        TableTextCentred(700, 603, TEXT_YELLOW, "%d players more to select", required - size);
    else if (size > required)
        TableTextCentred(700, 603, TEXT_YELLOW, "%d players too many", size - required);
}

void DrawTacticsPage(const Country& country) {
    TableText(600, 148, TEXT_LIGHT_GREY, "%s",
              "Right click on player name to set captain, bowlers and keeper");
    TableText(230, 670, TEXT_LIGHT_GREY, "%s", "Right click on player name to choose position in team");
    HeadingText(580, 173, TEXT_YELLOW, "Team Selection");
    DrawElevenPanel(country.m_xi, CC::s_battingSlot, CC::s_roleRow);
    DrawNextMatchPanel(CC::s_country, CC::s_next);
}

uint32_t FixtureColour(const FixtureListEntry& row) {
    if (row.m_match != -1 || row.m_kind == ROW_PLAYED) return TEXT_PLAYED;
    const bool tournament =
        row.m_competition >= COMP_FIRST_TOURNAMENT && row.m_competition <= COMP_LAST_TOURNAMENT;
    return row.m_home == CC::s_country && !tournament ? TEXT_YELLOW : TEXT_WHITE;
}

void DrawFixturesPage() {
    const struct {
        const char* text;
        int x;
    } headings[] = {{"Date", 230}, {"Opposition", 390}, {"Venue", 600}, {"Comp", 680}, {"Result", 740}};
    for (const auto& h : headings) HeadingText(h.x, 150, TEXT_ORANGE, h.text);
    g_system->FillRect(210, 168, 980, 170, TEXT_WHITE);
    if (CC::sv_fixtures.empty()) {
        TableText(230, COUNTRY_FIXTURE_TOP + 3, TEXT_NOTE, "%s",
                  "No fixtures are available for this season.");
        return;
    }
    const int first = CC::ScrollPosition();
    for (int i = 0; i < COUNTRY_FIXTURE_ROWS; ++i) {
        const size_t entry = static_cast<size_t>(first + i);
        if (first + i < 0 || entry >= CC::sv_fixtures.size()) break;
        const FixtureListEntry& row = CC::sv_fixtures[entry];
        const int y = COUNTRY_FIXTURE_TOP + 20 * i + 3;
        const uint32_t colour = FixtureColour(row);
        const bool home = row.m_home == CC::s_country;
        const bool neutral =
            row.m_competition >= COMP_FIRST_TOURNAMENT && row.m_competition <= COMP_LAST_TOURNAMENT;
        const char* other = SideName(home ? row.m_away : row.m_home);
        TableText(230, y, colour, "%s", DateText(row).c_str());
        TableText(390, y, colour, "%s", *other ? other : "-");
        TableText(600, y, colour, "%s", neutral ? "Neutral" : (home ? "Home" : "Away"));
        TableText(680, y, colour, "%s", CompetitionLabel(row).c_str());
        TableText(740, y, colour, "%s", ResultForTeam(row, CC::s_country).c_str());
    }
}

void DrawHeader(const Country* country) {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    if (CC::s_page == COUNTRY_PAGE_TACTICS) {
        g_system->ShadeRect(203, 133, 558, 695);
        g_system->ShadeRect(560, 133, 1019, 498);
        g_system->ShadeRect(560, 500, 1019, 695);
    } else {
        g_system->ShadeRect(203, 133, 1019, 695);
    }
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    if (CC::s_country == g_cricket.m_team) DrawCoachName();
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s",
                       country ? country->m_name : "-");
}

}  // namespace

void CC::DrawSquadFilterLabels() {
    if (!s_dialog) return;
    const struct {
        const char* text;
        int x, y;
    } labels[] = {{"Openers", 30, 55},     {"Specialists", 30, 75},     {"All rounders", 30, 95},
                  {"Late order", 30, 115}, {"Tail enders", 30, 135},    {"Allow injuries", 30, 195},
                  {"Fast", 180, 55},       {"Fast Medium", 180, 75},    {"Medium Fast", 180, 95},
                  {"Medium", 180, 115},    {"Off Spin", 180, 135},      {"Leg Spin", 180, 155},
                  {"None", 180, 175},      {"Wicket Keepers", 180, 195}};
    for (const auto& l : labels)
        TableText(s_dialog->m_x + l.x, s_dialog->m_y + l.y, TEXT_WHITE, "%s", l.text);
}

void CC::Render() {
    const Country* country = Shown();
    DrawHeader(country);
    if (country) {
        switch (s_page) {
            case COUNTRY_PAGE_SQUAD:
            case COUNTRY_PAGE_POOL:
                DrawListHeader();
                DrawRows(*country);
                DrawSquadBlock(*country);
                break;
            case COUNTRY_PAGE_TACTICS:
                DrawListHeader();
                DrawRows(*country);
                DrawTacticsPage(*country);
                break;
            case COUNTRY_PAGE_FIXTURES:
                DrawFixturesPage();
                break;
            default:
                break;
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
