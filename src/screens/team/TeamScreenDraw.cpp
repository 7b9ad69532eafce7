// CTeamScreen::Render: the frame and header, then the body of the page shown.
#include <cstdio>
#include <iterator>
#include <span>

#include "match/Conditions.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/NextMatchPanel.h"
#include "screens/team/PlayerLists.h"
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

// Contract marks and their legend show in the first month of the season.
constexpr int CONTRACT_MONTH_DAYS = 30;
constexpr int FORECAST_TOP = 370;
constexpr int FORECAST_STEP = 45;
constexpr uint32_t PANEL_EDGE = 0xff003200;
constexpr uint32_t PANEL_FILL = 0xff006400;
constexpr uint32_t SLOT_FILLED = 0xff006e00;
constexpr uint32_t SLOT_EMPTY = 0xffa00000;
constexpr uint32_t SLOT_POINTED = 0xff323200;
constexpr uint32_t SLOT_SELECTED = 0xff00a000;
constexpr uint32_t SLOT_GREY = 0xffcdcdcd;
// Form past these colours the Tactics figures.
constexpr float GOOD_FORM = 6.0f;
constexpr float BAD_FORM = -6.0f;

struct Heading {
    const char* text;
    int x;
    bool centred;
};

constexpr Heading BASIC_HEADINGS[] = {{"Form", 448, true},  {"Skill", 480, false}, {"Pos", 590, false},
                                      {"L/R", 640, false},  {"Form", 758, true},   {"Style", 800, false},
                                      {"Skill", 870, false}};
constexpr Heading BAT_SKILL_HEADINGS[] = {{"Rating", 500, true}, {"Front", 620, true}, {"Back", 670, true},
                                          {"Off", 720, true},    {"On", 770, true},    {"Pace", 820, true},
                                          {"Spin", 870, true},   {"Speed", 920, true}};
constexpr Heading BOWL_SKILL_HEADINGS[] = {{"Rating", 490, true}, {"Class", 650, true}, {"Skill", 770, true},
                                           {"Cons", 820, true},   {"Vari", 870, true},  {"Mov", 920, true}};
constexpr Heading CONTRACT_HEADINGS[] = {{"Contract Ends", 550, false}, {"Salary", 800, false}};
constexpr Heading AVAILABILITY_HEADINGS[] = {{"Condition", 500, false}, {"Morale", 850, false}};
constexpr Heading BAT_STATS_HEADINGS[] = {
    {"M", 460, true},  {"Inns", 500, true}, {"NO", 540, true},  {"Runs", 600, true}, {"Ave", 665, true},
    {"HS", 730, true}, {"100s", 780, true}, {"50s", 830, true}, {"Ct", 880, true},   {"St", 930, true}};
constexpr int BOWL_X[] = {440, 500, 560, 620, 680, 740, 790, 830, 870, 930};

constexpr int ROLE_MARK_X[] = {775, 810, 845};  // captain, keeper, opening bowler

void Headings(std::span<const Heading> headings) {
    for (const Heading& h : headings) {
        if (h.centred)
            HeadingTextCentred(h.x, 177, TEXT_ORANGE, h.text);
        else
            HeadingText(h.x, 177, TEXT_ORANGE, h.text);
    }
}

const Team* ShownTeam() {
    return ClubById(TS::s_side);
}

bool ContractMonth() {
    return g_cricket.m_date.m_dayOfSeason < CONTRACT_MONTH_DAYS;
}

bool InEleven(const Team& team, int32_t id) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (team.m_xi[i] == id) return true;
    return false;
}

bool Unavailable(const Player& p) {
    return p.m_injured || p.m_unavailable;
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
    if (!ContractMonth()) return "";
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

void BasicCells(const Player& p, int y) {
    DrawTile(BatFormIcon(p.m_id), 440, y + 3);
    TableText(480, y + 3, p.BattingRatingColour(), "%s", p.BattingRatingWord());
    TableText(590, y + 3, TEXT_WHITE, "%s", p.BattingPositionCode());
    TableText(640, y + 3, TEXT_WHITE, "%s", p.BattingHandCode());
    DrawTile(BowlFormIcon(p.m_id), 750, y + 3);
    TableText(800, y + 3, TEXT_WHITE, "%s", p.BowlingTypeCode());
    TableText(870, y + 3, p.BowlingRatingColour(), "%s", p.BowlingRatingWord());
}

void SkillCells(const Player& p, int y, bool batting) {
    if (batting) {
        TableTextCentred(500, y + 3, p.BattingRatingColour(), "%s", p.BattingRatingWord());
        for (int i = 0; i < 7; ++i) TableTextCentred(620 + 50 * i, y + 3, TEXT_WHITE, "%d", p.m_batSkill[i]);
        return;
    }
    TableTextCentred(490, y + 3, p.BowlingRatingColour(), "%s", p.BowlingRatingWord());
    TableTextCentred(650, y + 3, TEXT_WHITE, "%s", p.BowlingTypeText());
    for (int i = 0; i < 4; ++i) TableTextCentred(770 + 50 * i, y + 3, TEXT_WHITE, "%d", p.m_bowlSkill[i]);
}

void ContractCells(const Player& p, int y) {
    const bool north = p.m_northClub == TS::s_side;
    const int seasons = north ? p.m_northSeasons : p.m_southSeasons;
    const uint32_t colour = ContractMonth() && seasons == 1 ? TEXT_YELLOW : TEXT_WHITE;
    TableText(550, y + 3, colour, "%s", ContractEndDateText(north ? HEMI_NORTH : HEMI_SOUTH, seasons));
    TableText(800, y + 3, TEXT_WHITE, "%d", north ? p.m_northWage : p.m_southWage);
}

void AvailabilityCells(const Player& p, int y) {
    if (p.m_injured)
        TableText(500, y + 3, TEXT_WHITE, "Out for %s", p.InjuryLengthText());
    else
        TableText(500, y + 3, TEXT_WHITE, "%d per cent", static_cast<int>(p.m_condition));
    TableText(850, y + 3, p.MoraleColour(), "%s", p.MoraleText());
}

void FigureOrDash(int x, int y, double value, bool hasValue, uint32_t colour) {
    if (hasValue)
        TableTextCentred(x, y, colour, "%1.2f", value);
    else
        TableTextCentred(x, y, colour, "-");
}

void BattingStatsCells(const PlayerStats& s, int y) {
    const int counts[] = {s.m_matches, s.m_innings, s.m_notOuts, s.m_runs};
    const int countX[] = {460, 500, 540, 600};
    for (int i = 0; i < 4; ++i) TableTextCentred(countX[i], y + 3, TEXT_WHITE, "%d", counts[i]);
    FigureOrDash(665, y + 3, s.m_battingAverage, s.m_battingAverage != NO_BATTING_AVERAGE, TEXT_YELLOW);
    const int more[] = {s.m_highest, s.m_hundreds, s.m_fifties, s.m_catches, s.m_stumpings};
    const int moreX[] = {730, 780, 830, 880, 930};
    for (int i = 0; i < 5; ++i) TableTextCentred(moreX[i], y + 3, TEXT_WHITE, "%d", more[i]);
}

void BowlingStatsCells(const PlayerStats& s, int y, bool season) {
    const int row = y + 3;
    TableTextCentred(BOWL_X[0], row, TEXT_WHITE, "%d.%d", s.m_balls / 6, s.m_balls % 6);
    if (season) TableTextCentred(BOWL_X[1], row, TEXT_WHITE, "%d", s.m_maidens);
    TableTextCentred(BOWL_X[2], row, TEXT_WHITE, "%d", s.m_runsConceded);
    TableTextCentred(BOWL_X[3], row, TEXT_WHITE, "%d", s.m_wickets);
    FigureOrDash(BOWL_X[4], row, s.m_bowlingAverage, s.m_bowlingAverage != NO_BOWLING_AVERAGE, TEXT_YELLOW);
    if (s.m_bestInnsWickets > 0)
        TableTextCentred(BOWL_X[5], row, TEXT_WHITE, "%d-%d", s.m_bestInnsWickets, s.m_bestInnsRuns);
    else
        TableTextCentred(BOWL_X[5], row, TEXT_WHITE, "-");
    TableTextCentred(BOWL_X[6], row, TEXT_WHITE, "%d", s.m_haulsA);
    TableTextCentred(BOWL_X[7], row, TEXT_WHITE, "%d", s.m_haulsB);
    FigureOrDash(BOWL_X[8], row, s.m_strikeRate, s.m_strikeRate != NO_BOWLING_AVERAGE, TEXT_WHITE);
    FigureOrDash(BOWL_X[9], row, s.m_economy, s.m_economy != NO_BOWLING_AVERAGE, TEXT_WHITE);
}

void BowlingStatsHeadings(int view) {
    const int block = StatsBlockOfView(view);
    const bool season = block >= STATS_SEASON_FC;
    const bool limited = IsLimitedOversBlock(block);
    // The haul columns name what they count: four and five wickets in the
    // limited-overs blocks, five in an innings and ten in a match otherwise.
    const char* texts[] = {
        "Overs", "M", "Runs", "W", "Ave", "BB", limited ? "4w" : "5w", limited ? "5w" : "10w", "SR", "Eco"};
    for (int i = 0; i < 10; ++i)
        if (i != 1 || season) HeadingTextCentred(BOWL_X[i], 177, TEXT_ORANGE, texts[i]);
}

void ViewHeadings(int view) {
    switch (view) {
        case VIEW_BASIC:
            return Headings(BASIC_HEADINGS);
        case VIEW_BAT_SKILLS:
            return Headings(BAT_SKILL_HEADINGS);
        case VIEW_BOWL_SKILLS:
            return Headings(BOWL_SKILL_HEADINGS);
        case VIEW_CONTRACT:
            return Headings(CONTRACT_HEADINGS);
        case VIEW_AVAILABILITY:
            return Headings(AVAILABILITY_HEADINGS);
        default:
            break;
    }
    if (IsBowlingStatsView(view))
        BowlingStatsHeadings(view);
    else if (IsStatsView(view))
        Headings(BAT_STATS_HEADINGS);
}

void ViewCells(const Player& p, int view, int y) {
    switch (view) {
        case VIEW_BASIC:
            return BasicCells(p, y);
        case VIEW_BAT_SKILLS:
            return SkillCells(p, y, true);
        case VIEW_BOWL_SKILLS:
            return SkillCells(p, y, false);
        case VIEW_CONTRACT:
            return ContractCells(p, y);
        case VIEW_AVAILABILITY:
            return AvailabilityCells(p, y);
        default:
            break;
    }
    const int block = StatsBlockOfView(view);
    if (block < 0) return;
    if (IsBowlingStatsView(view))
        BowlingStatsCells(p.m_stats[block], y, block >= STATS_SEASON_FC);
    else
        BattingStatsCells(p.m_stats[block], y);
}

int ScrollPosition() {
    return TS::s_scroll && !TS::s_scroll->mb_disabled ? TS::s_scroll->m_position : 0;
}

// Calls draw(player, y) for the listed players from the scroll position.
template <class Draw>
void ForSquadRows(Draw draw) {
    const int first = ScrollPosition();
    for (int n = 0; n < TEAM_SQUAD_ROWS; ++n) {
        const size_t entry = static_cast<size_t>(first + n);
        if (first + n < 0 || entry >= TS::sv_squad.size()) break;
        if (const Player* p = PlayerById(TS::sv_squad[entry]))
            draw(*p, TEAM_LIST_TOP + TEAM_ROW_HEIGHT * (n + 1));
    }
}

void DrawSquadPage(const Team& team) {
    if (ContractMonth()) {
        TableText(240, 655, TEXT_LIGHT_GREY, "%s", "(Con) - Contract ends this month");
        TableText(510, 655, TEXT_LIGHT_GREY, "%s",
                  "(Tra) - Player is leaving to join another club at the end of the month");
    }
    HeadingText(210, 142, TEXT_YELLOW, "Select view:");
    HeadingText(630, 142, TEXT_YELLOW, "Sort by:");
    HeadingText(260, 177, TEXT_ORANGE, "Name");
    g_system->FillRect(210, 196, 980, 198, TEXT_WHITE);
    ViewHeadings(TS::s_view);
    ForSquadRows([&team](const Player& p, int y) {
        DrawPlayerName(team, p, y);
        ViewCells(p, TS::s_view, y);
    });
}

uint32_t FormColour(float form) {
    if (form > GOOD_FORM) return TEXT_BRIGHT_GREEN;
    return form < BAD_FORM ? TEXT_RED : TEXT_WHITE;
}

void TacticsCell(const Player& p, int y) {
    switch (TS::s_tacticsOrder) {
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

void TacticsHeading() {
    switch (TS::s_tacticsOrder) {
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

bool PointerInPanel() {
    const int x = g_system->m_mouseX;
    const int y = g_system->m_mouseY;
    return y > TEAM_PANEL_TOP && y < TEAM_PANEL_TOP + XI_PLAYERS * TEAM_SLOT_HEIGHT && x >= TEAM_PANEL_LEFT &&
           x <= TEAM_PANEL_RIGHT;
}

void DrawSlot(const Team& team, int slot) {
    const int y = 202 + TEAM_SLOT_HEIGHT * slot;
    const int32_t id = team.m_xi[slot];
    const Player* p = id > 0 ? PlayerById(id) : nullptr;
    g_system->FillRect(582, y, 928, y + 24, !p || Unavailable(*p) ? SLOT_EMPTY : SLOT_FILLED);
    if (slot == TS::s_roleRow && PointerInPanel()) g_system->FillRect(582, y, 928, y + 24, SLOT_POINTED);
    if (slot == TS::s_battingSlot)
        g_system->FillRect(583, 203 + TEAM_SLOT_HEIGHT * slot, 611, 225 + TEAM_SLOT_HEIGHT * slot,
                           SLOT_SELECTED);
    if (!p) return;
    TableText(588, y + 4, TEXT_WHITE, "%d", slot + 1);
    DrawTile(PlayerRoleIconWithKeeper(id), 615, y + 2);
    if (Unavailable(*p)) {
        TableText(635, y + 4, SLOT_GREY, "%s %s", p->m_initials, p->m_surname);
        DrawTile(p->m_injured ? ICON_INJURED : ICON_UNAVAILABLE, 900, y + 2);
    } else {
        TableText(635, y + 4, TEXT_WHITE, "%s %s", p->m_initials, p->m_surname);
    }
    if (team.m_xi[XI_CAPTAIN] == id) TableText(ROLE_MARK_X[0], y + 4, TEXT_WHITE, "C");
    if (team.m_xi[XI_KEEPER] == id) {
        TableText(ROLE_MARK_X[1], y + 4, TEXT_WHITE, "WK");
        return;
    }
    if (team.m_xi[XI_OPEN_BOWLER1] == id) TableText(ROLE_MARK_X[2], y + 4, TEXT_WHITE, "OB1");
    if (team.m_xi[XI_OPEN_BOWLER2] == id) TableText(ROLE_MARK_X[2], y + 4, TEXT_WHITE, "OB2");
}

void DrawTacticsPage(const Team& team) {
    HeadingText(240, 173, TEXT_YELLOW, "Current Squad");
    g_system->FillRect(210, 196, 515, 198, TEXT_WHITE);
    TacticsHeading();
    TableText(230, 670, TEXT_LIGHT_GREY, "%s", "Right click on player name to choose position in team");
    ForSquadRows([&team](const Player& p, int y) {
        DrawPlayerName(team, p, y);
        TacticsCell(p, y);
    });
    TableText(600, 148, TEXT_LIGHT_GREY, "%s",
              "Right click on player name to set captain, bowlers and keeper");
    HeadingText(580, 173, TEXT_YELLOW, "Team Selection");
    g_system->FillRect(580, 200, 930, 477, PANEL_EDGE);
    g_system->FillRect(581, 201, 929, 476, PANEL_FILL);
    for (int slot = 0; slot < XI_PLAYERS; ++slot) DrawSlot(team, slot);
    DrawNextMatchPanel(TS::s_side, TS::s_nextMatch);
}

uint32_t FixtureColour(const FixtureListEntry& row) {
    if (row.m_match != -1 || row.m_kind == ROW_PLAYED) return TEXT_PLAYED;
    return row.m_home == TS::s_side ? TEXT_YELLOW : TEXT_WHITE;
}

// Columns wide enough for a ground's name and a result in words.
constexpr Heading FIXTURE_COLUMNS[] = {{"Date", 230, false},
                                       {"Opposition", 340, false},
                                       {"Venue", 490, false},
                                       {"Comp", 670, false},
                                       {"Result", 760, false}};

void DrawFixturesPage() {
    g_system->FillRect(210, 168, 980, 170, TEXT_WHITE);
    for (const Heading& h : FIXTURE_COLUMNS) HeadingText(h.x, 150, TEXT_ORANGE, h.text);
    if (TS::sv_fixtures.empty())
        TableText(230, TEAM_FIXTURE_TOP + 3, TEXT_NOTE, "%s", "No fixtures are available for this season.");
    const int first = ScrollPosition();
    for (int n = 0; n < TEAM_FIXTURE_ROWS; ++n) {
        const size_t entry = static_cast<size_t>(first + n);
        if (first + n < 0 || entry >= TS::sv_fixtures.size()) break;
        const FixtureListEntry& row = TS::sv_fixtures[entry];
        const int y = TEAM_FIXTURE_TOP + TEAM_ROW_HEIGHT * n + 3;
        const uint32_t colour = FixtureColour(row);
        const char* other = SideName(row.m_home == TS::s_side ? row.m_away : row.m_home);
        const Ground* ground = GroundWithId(row.m_ground);
        const char* cells[] = {DateText(row), *other ? other : "-", ground ? ground->m_name : "-",
                               CompetitionLabel(row), ResultForTeam(row, TS::s_side)};
        for (size_t c = 0; c < std::size(cells); ++c)
            TableText(FIXTURE_COLUMNS[c].x, y, colour, "%s", cells[c]);
    }
}

void MoneyRow(int y, const char* label, float month, float year, uint32_t colour) {
    TableText(230, y, TEXT_WHITE, "%s", label);
    TableText(530, y, colour, "\xa3%2.0f", month);
    TableText(730, y, colour, "\xa3%2.0f", year);
}

void DrawFinancesPage(const Team& team) {
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
    const int bill = TS::s_wageBill;
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
        TableText(230, y, TEXT_YELLOW, "%s", day.DateText());
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
    const Ground* ground = GroundWithId(team.m_ground);
    InfoRow(240, "Ground", ground ? ground->m_name : "-");
    TableText(300, 260, TEXT_WHITE, "%s", ground ? ground->m_town : "");
    TableText(300, 280, TEXT_WHITE, "%s", ground ? ground->m_region : "");
    const Climate* climate = ground ? ClimateWithId(ground->m_climate) : nullptr;
    InfoRow(300, "Region", climate ? climate->m_name : "-");
    if (climate) DrawForecast(*ground, *climate);
}

void DrawHeader(const Team* team) {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    if (TS::s_page == TEAM_PAGE_TACTICS) {
        g_system->ShadeRect(203, 133, 558, 695);
        g_system->ShadeRect(560, 133, 1019, 498);
        g_system->ShadeRect(560, 500, 1019, 695);
    } else {
        g_system->ShadeRect(203, 133, 1019, 695);
    }
    DrawFrameBars(g_cricket.m_date.ClockText());
    if (TS::s_pictureLoaded) TS::s_picture.Draw(47, 400);
    if (TS::s_side == g_cricket.m_team) DrawCoachName();
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s",
                       team ? team->m_name : "-");
}

}  // namespace

void CTeamScreen::Render() {
    const Team* team = ShownTeam();
    DrawHeader(team);
    if (team) {
        switch (s_page) {
            case TEAM_PAGE_SQUAD:
                DrawSquadPage(*team);
                break;
            case TEAM_PAGE_TACTICS:
                DrawTacticsPage(*team);
                break;
            case TEAM_PAGE_FIXTURES:
                DrawFixturesPage();
                break;
            case TEAM_PAGE_FINANCES:
                DrawFinancesPage(*team);
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
