// CTeamScreen::Render: the frame and header, then the body of the page shown.
#include <cstdio>
#include <iterator>
#include <span>

#include "match/Conditions.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/NextMatchPanel.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/SquadRows.h"
#include "screens/team/TeamDraw.h"
#include "screens/team/TeamScreen.h"
#include "season/Finance.h"
#include "season/PlayerIcons.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

using TS = CTeamScreen;

constexpr int FORECAST_TOP = 370;
constexpr int FORECAST_STEP = 45;
// Form past these colours the Tactics figures.
constexpr float GOOD_FORM = 6.0f;
constexpr float BAD_FORM = -6.0f;

bool InEleven(const Team& team, int32_t id) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (team.m_xi[i] == id) return true;
    return false;
}

uint32_t NameColour(const Team& team, const Player& p) {
    if (p.m_injured) return TEXT_INJURED;
    if (p.m_unavailable) return TEXT_UNAVAILABLE;
    return InEleven(team, p.m_id) ? TEXT_SELECTED : TEXT_WHITE;
}

int StatusIcon(const Team& team, const Player& p) {
    if (p.m_injured) return ICON_INJURED;
    if (!p.IsEligibleFor(team.m_country)) return ICON_INELIGIBLE;
    return p.m_unavailable ? ICON_UNAVAILABLE : -1;
}

// The contract that ends this season carries "(Con)"; a player leaving at
// the end of the month "(Tra)".
const char* NameMark(const Player& p) {
    if (!InContractMonth()) return "";
    if (p.m_leaving) return " (Tra)";
    const bool even = g_cricket.m_date.m_season % 2 == 0;
    return (even ? p.m_northSeasons : p.m_southSeasons) == 1 ? " (Con)" : "";
}

// Status icon, role icon and coloured name of a squad row.
void DrawPlayerName(const Team& team, const Player& p, int y) {
    const int status = StatusIcon(team, p);
    if (status >= 0) DrawTile(status, 210, y);
    DrawTile(PlayerRoleIconWithKeeper(p.m_id), 230, y + 3);
    TableText(260, y + 3, NameColour(team, p), "%s, %s%s", p.m_surname, p.m_firstName, NameMark(p));
}

// Calls draw(player, y) for the listed players from the scroll position.
template <class Draw>
void ForSquadRows(const TS& ts, Draw draw) {
    const int first = ts.ScrollPosition();
    for (int n = 0; n < TEAM_SQUAD_ROWS; ++n) {
        const size_t entry = static_cast<size_t>(first + n);
        if (first + n < 0 || entry >= ts.mv_squad.size()) break;
        if (const Player* p = PlayerById(ts.mv_squad[entry]))
            draw(*p, TEAM_LIST_TOP + TEAM_ROW_HEIGHT * (n + 1));
    }
}

void DrawSquadPage(const TS& ts, const Team& team) {
    if (InContractMonth()) {
        TableText(240, 655, TEXT_LIGHT_GREY, "%s", "(Con) - Contract ends this month");
        TableText(510, 655, TEXT_LIGHT_GREY, "%s",
                  "(Tra) - Player is leaving to join another club at the end of the month");
    }
    HeadingText(210, 142, TEXT_YELLOW, "Select view:");
    HeadingText(630, 142, TEXT_YELLOW, "Sort by:");
    HeadingText(260, 177, TEXT_ORANGE, "Name");
    g_system->FillRect(210, 196, 980, 198, TEXT_WHITE);
    DrawViewHeadings(ts.m_view);
    ForSquadRows(ts, [&](const Player& p, int y) {
        DrawPlayerName(team, p, y);
        DrawViewCells(p, ts.m_view, y, ts.Side());
    });
}

uint32_t FormColour(float form) {
    if (form > GOOD_FORM) return TEXT_BRIGHT_GREEN;
    return form < BAD_FORM ? TEXT_RED : TEXT_WHITE;
}

void TacticsCell(const TS& ts, const Player& p, int y) {
    switch (ts.m_teamKept.tacticsOrder) {
        case TACTICS_BATTING:
            TableText(430, y + 3, FormColour(p.m_batForm), "%2.1f", p.BattingMean() + p.m_batForm);
            break;
        case TACTICS_BOWLING:
            TableText(430, y + 3, FormColour(p.m_bowlForm), "%2.1f", p.m_bowlSkill[0] + p.m_bowlForm);
            break;
        case TACTICS_FITNESS:
            if (p.m_injured)
                DrawTile(ICON_INJURED, 430, y);
            else
                TableText(430, y + 3, TEXT_WHITE, "%2.0f%%", p.m_condition);
            break;
        default:
            DrawTile(BatFormIcon(p.m_id), 430, y + 3);
            DrawTile(BowlFormIcon(p.m_id), 470, y + 3);
            break;
    }
}

void TacticsHeading(const TS& ts) {
    switch (ts.m_teamKept.tacticsOrder) {
        case TACTICS_BATTING:
            return HeadingText(430, 174, TEXT_ORANGE, "Batting");
        case TACTICS_BOWLING:
            return HeadingText(430, 174, TEXT_ORANGE, "Bowling");
        case TACTICS_FITNESS:
            return HeadingText(430, 174, TEXT_ORANGE, "Fitness");
        default:
            HeadingText(430, 174, TEXT_ORANGE, "Bat");
            HeadingText(470, 174, TEXT_ORANGE, "Bowl");
    }
}

void DrawTacticsPage(const TS& ts, const Team& team) {
    HeadingText(240, 173, TEXT_YELLOW, "Current Squad");
    g_system->FillRect(210, 196, 515, 198, TEXT_WHITE);
    TacticsHeading(ts);
    ForSquadRows(ts, [&](const Player& p, int y) {
        DrawPlayerName(team, p, y);
        TacticsCell(ts, p, y);
    });
}

void MoneyRow(int y, const char* label, float month, float year, uint32_t colour) {
    TableText(230, y, TEXT_WHITE, "%s", label);
    TableText(530, y, colour, "\xa3%2.0f", month);
    TableText(730, y, colour, "\xa3%2.0f", year);
}

void DrawFinancesPage(const TS& ts, const Team& team) {
    HeadingText(230, 150, TEXT_ORANGE, "Finances");
    g_system->FillRect(210, 168, 980, 170, TEXT_WHITE);
    HeadingText(530, 180, TEXT_YELLOW, "This Month");
    HeadingText(730, 180, TEXT_YELLOW, "Year Total");
    const int month =
        g_cricket.m_date.m_month >= 1 && g_cricket.m_date.m_month <= 12 ? g_cricket.m_date.m_month : 1;
    HeadingText(230, 200, TEXT_YELLOW, "Income");
    MoneyRow(240, "Gate receipts", team.m_finance[FINANCE_GATE][month], FinanceYearTotal(team, FINANCE_GATE),
             TEXT_WHITE);
    MoneyRow(260, "National Association Handout", team.m_finance[FINANCE_HANDOUT][month],
             FinanceYearTotal(team, FINANCE_HANDOUT), TEXT_WHITE);
    HeadingText(230, 400, TEXT_YELLOW, "Expenditure");
    MoneyRow(440, "Player wages", team.m_finance[FINANCE_WAGES][month], FinanceYearTotal(team, FINANCE_WAGES),
             TEXT_ORANGE);
    HeadingText(230, 500, TEXT_YELLOW, "Balance");
    TableText(530, 500, team.m_money > 0.0f ? TEXT_WHITE : TEXT_ORANGE, "\xa3%2.0f", team.m_money);
    TableText(230, 530, TEXT_WHITE, "%s", "Salary Budget");
    TableText(530, 530, TEXT_WHITE, "\xa3%d", team.m_salaryBudget);
    TableText(230, 560, TEXT_WHITE, "%s", "Current Salary Total");
    const int bill = ts.m_wageBill;
    TableText(530, 560, bill < team.m_salaryBudget ? TEXT_WHITE : TEXT_ORANGE, "\xa3%d", bill);
    if (bill > team.m_salaryBudget)
        TableText(730, 560, TEXT_ORANGE, "\xa3%d over salary budget", bill - team.m_salaryBudget);
    else if (bill < team.m_salaryBudget)
        TableText(730, 560, TEXT_WHITE, "\xa3%d under salary budget", team.m_salaryBudget - bill);
}

void InfoRow(int y, const char* label, const char* value) {
    TableText(230, y, TEXT_LIGHT_GREY, "%s", label);
    TableText(300, y, TEXT_WHITE, "%s", value && *value ? value : "-");
}

void DrawForecast(const Ground& ground, const Climate& climate) {
    char heading[96];
    std::snprintf(heading, sizeof heading, "%d day weather forecast for %s",
                  static_cast<int>(climate.mv_outlook.size()), climate.m_name);
    HeadingText(230, 338, TEXT_ORANGE, heading);
    g_system->FillRect(210, 358, 980, 360, TEXT_WHITE);
    GameDate day = g_cricket.m_date;
    for (size_t i = 0; i < climate.mv_outlook.size(); ++i) {
        const int y = FORECAST_TOP + FORECAST_STEP * static_cast<int>(i);
        if (y > 660) break;
        const int32_t value = climate.mv_outlook[i];
        TableText(230, y, TEXT_YELLOW, "%s", day.DateText().c_str());
        DrawTile(WeatherIcon(ground, value, true), 400, y - 8);
        TableText(500, y, TEXT_WHITE, "%s", WeatherText(WeatherCode(ground, value)));
        day.NextDay();
    }
}

void DrawInfoPage(const Team& team) {
    HeadingText(230, 150, TEXT_ORANGE, "General Information");
    g_system->FillRect(210, 168, 980, 170, TEXT_WHITE);
    InfoRow(200, "Name", team.m_name);
    char coach[48] = "None";
    if (const StaffMember* s = team.m_coach >= 1 ? StaffMemberById(team.m_coach) : nullptr)
        std::snprintf(coach, sizeof coach, "%s %s", s->m_firstName, s->m_surname);
    InfoRow(220, "Coach", coach);
    const Ground* ground = GroundById(team.m_ground);
    InfoRow(240, "Ground", ground ? ground->m_name : "-");
    TableText(300, 260, TEXT_WHITE, "%s", ground ? ground->m_town : "");
    TableText(300, 280, TEXT_WHITE, "%s", ground ? ground->m_region : "");
    const Climate* climate = ground ? ClimateById(ground->m_climate) : nullptr;
    InfoRow(300, "Region", climate ? climate->m_name : "-");
    if (climate) DrawForecast(*ground, *climate);
}

}  // namespace

void CTeamScreen::DrawPicture() const {
    if (m_pictureLoaded) m_picture.Draw(47, 400);
}

void CTeamScreen::Render() {
    const Team* team = TeamById(Side());
    DrawHeader();
    if (team) {
        switch (m_page) {
            case TEAM_PAGE_SQUAD:
                DrawSquadPage(*this, *team);
                break;
            case TEAM_PAGE_TACTICS:
                DrawTacticsPage(*this, *team);
                DrawSelection();
                break;
            case TEAM_PAGE_FIXTURES:
                DrawFixturesPage();
                break;
            case TEAM_PAGE_FINANCES:
                DrawFinancesPage(*this, *team);
                break;
            case TEAM_PAGE_INFO:
                DrawInfoPage(*team);
                break;
            default:
                break;
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
