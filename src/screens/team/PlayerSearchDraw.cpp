// CPlayerSearchScreen::Render and the filter dialog's labels.
#include <cstdarg>
#include <span>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/PlayerSearchScreen.h"
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

using PS = CPlayerSearchScreen;

constexpr uint32_t CLUB_GREY = 0xffe1e1e1u;
constexpr int HEADING_Y = 215;

struct Heading {
    const char* text;
    int x;
};

constexpr Heading BASIC_HEADINGS[] = {
    {"Nation", 580}, {"Born", 650}, {"Bat Pos", 760}, {"Bowling Style", 860}};
constexpr Heading CONTRACT_HEADINGS[] = {
    {"NH End Date", 560}, {"Salary", 670}, {"SH End Date", 820}, {"Salary", 930}};
constexpr Heading BAT_SKILL_HEADINGS[] = {{"Front", 620}, {"Back", 670}, {"Off", 720},  {"On", 770},
                                          {"Pace", 820},  {"Spin", 870}, {"Speed", 920}};
constexpr Heading BOWL_SKILL_HEADINGS[] = {
    {"Type", 620}, {"Skill", 700}, {"Cons", 780}, {"Var", 860}, {"Mov", 940}};
constexpr Heading BAT_STATS_HEADINGS[] = {{"M", 485},   {"Inns", 525}, {"NO", 565},   {"Runs", 625},
                                          {"Ave", 690}, {"HS", 755},   {"100s", 805}, {"50s", 855},
                                          {"Ct", 905},  {"St", 955}};
constexpr Heading BOWL_STATS_HEADINGS[] = {{"Overs", 505}, {"Runs", 585}, {"W", 645},
                                           {"Ave", 705},   {"BB", 765},   {"5w", 815},
                                           {"10w", 855},   {"SR", 905},   {"Eco", 955}};

// The dialog's labels, relative to its top left.
constexpr Heading SWITCH_LABELS[SEARCH_SWITCHES] = {
    {"Openers", 30},
    {"Specialists", 30},
    {"All rounders", 30},
    {"Late order", 30},
    {"Tail enders", 30},
    {"Fast", 180},
    {"Fast Medium", 180},
    {"Medium Fast", 180},
    {"Medium", 180},
    {"Off Spin", 180},
    {"Leg Spin", 180},
    {"None", 180},
    {"Allow injuries", 30},
    {"Wicket Keepers", 180},
    {"Limit to nationality", 310},
    {"Only available players", 350},
};
constexpr int SWITCH_LABEL_Y[SEARCH_SWITCHES] = {55,  75,  95,  115, 135, 55,  75, 95,
                                                 115, 135, 155, 175, 195, 195, 30, 90};

void Text(int x, int y, int align, uint32_t colour, CFont* font, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
void Text(int x, int y, int align, uint32_t colour, CFont* font, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, align, colour, font, format, args);
    va_end(args);
}

// The fonts of the team pages' tables.
CFont* RowFont() {
    return g_game->m_fontTable.get();
}
CFont* HeadingFont() {
    return g_game->m_fontSmallBold.get();
}

void Cell(int x, int y, uint32_t colour, const char* format, int value) {
    Text(x, y, ALIGN_CENTRE, colour, RowFont(), format, value);
}

void Figure(int x, int y, double value, double none, uint32_t colour) {
    if (value == none)
        Text(x, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "-");
    else
        Text(x, y, ALIGN_CENTRE, colour, RowFont(), "%1.2f", value);
}

void Headings(std::span<const Heading> headings, int align) {
    for (const Heading& h : headings) Text(h.x, HEADING_Y, align, TEXT_ORANGE, HeadingFont(), "%s", h.text);
}

const char* CountryShortName(int id) {
    const Country* c = CountryById(id);
    return c ? c->m_shortName : "-";
}

const char* ClubShortName(int id) {
    const Team* club = id >= 1 ? TeamById(id) : nullptr;
    return club ? club->m_shortName : "-";
}

void ContractCells(int seasons, int wage, int hemisphere, int x, int wageX, int y) {
    CFont* font = g_game->m_fontSmallBold.get();
    if (seasons < 1) {
        Text(x, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "-");
        Text(wageX, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "-");
        return;
    }
    Text(x, y, ALIGN_CENTRE, seasons == 1 ? TEXT_YELLOW : TEXT_WHITE, font, "%s",
         ContractEndDateText(hemisphere, seasons).c_str());
    Text(wageX, y, ALIGN_CENTRE, TEXT_WHITE, font, "%d", wage);
}

void BattingCells(const PlayerStats& s, int y) {
    const int counts[] = {s.m_matches, s.m_innings, s.m_notOuts, s.m_runs};
    for (int i = 0; i < 4; ++i) Cell(BAT_STATS_HEADINGS[i].x, y, TEXT_WHITE, "%d", counts[i]);
    Figure(690, y, s.m_battingAverage, NO_BATTING_AVERAGE, TEXT_YELLOW);
    Cell(755, y, TEXT_WHITE, s.m_highestNotOut ? "%d*" : "%d", s.m_highest);
    const int more[] = {s.m_hundreds, s.m_fifties, s.m_catches, s.m_stumpings};
    for (int i = 0; i < 4; ++i) Cell(BAT_STATS_HEADINGS[6 + i].x, y, TEXT_WHITE, "%d", more[i]);
}

void BowlingCells(const PlayerStats& s, int y) {
    Text(505, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "%d.%d", s.m_balls / 6, s.m_balls % 6);
    Cell(585, y, TEXT_WHITE, "%d", s.m_runsConceded);
    Cell(645, y, TEXT_WHITE, "%d", s.m_wickets);
    Figure(705, y, s.m_bowlingAverage, NO_BOWLING_AVERAGE, TEXT_YELLOW);
    if (s.m_bestInnsWickets < 1)
        Text(765, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "-");
    else
        Text(765, y, ALIGN_CENTRE, TEXT_WHITE, RowFont(), "%d-%d", s.m_bestInnsWickets, s.m_bestInnsRuns);
    Cell(815, y, TEXT_WHITE, "%d", s.m_haulsA);
    Cell(855, y, TEXT_WHITE, "%d", s.m_haulsB);
    Figure(905, y, s.m_strikeRate, NO_BOWLING_AVERAGE, TEXT_WHITE);
    Figure(955, y, s.m_economy, NO_BOWLING_AVERAGE, TEXT_WHITE);
}

void ViewCells(const Player& p, int y) {
    const int view = PS::s_view;
    CFont* font = RowFont();
    switch (view) {
        case SEARCH_BASIC:
            Text(580, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", CountryShortName(p.m_country));
            Text(650, y, ALIGN_LEFT, TEXT_WHITE, font, "%d.%d.%d", p.m_birthDay, p.m_birthMonth,
                 p.m_birthYear);
            Text(760, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", p.BattingPositionCode());
            Text(860, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", p.BowlingTypeCode());
            return;
        case SEARCH_CONTRACT:
            ContractCells(p.m_northSeasons, p.m_northWage, HEMI_NORTH, 560, 670, y);
            ContractCells(p.m_southSeasons, p.m_southWage, HEMI_SOUTH, 820, 930, y);
            return;
        case SEARCH_BAT_SKILLS:
            for (int i = 0; i < 7; ++i) Cell(BAT_SKILL_HEADINGS[i].x, y, TEXT_WHITE, "%d", p.m_batSkill[i]);
            return;
        case SEARCH_BOWL_SKILLS:
            Text(620, y, ALIGN_CENTRE, TEXT_YELLOW, font, "%s", p.BowlingTypeCode());
            for (int i = 0; i < 4; ++i)
                Cell(BOWL_SKILL_HEADINGS[1 + i].x, y, TEXT_WHITE, "%d", p.m_bowlSkill[i]);
            return;
        default:
            break;
    }
    const int listView = ListViewOfSearch(view);
    const int block = StatsBlockOfView(listView);
    if (block < 0) return;
    if (IsBowlingStatsView(listView))
        BowlingCells(p.m_stats[block], y);
    else
        BattingCells(p.m_stats[block], y);
}

void ViewHeadings() {
    const int view = PS::s_view;
    CFont* font = HeadingFont();
    Text(260, HEADING_Y, ALIGN_LEFT, TEXT_ORANGE, font, "Name");
    Text(430, HEADING_Y, ALIGN_CENTRE, TEXT_ORANGE, font, "Team");
    const int listView = ListViewOfSearch(view);
    if (view == SEARCH_BASIC)
        Headings(BASIC_HEADINGS, ALIGN_LEFT);
    else if (view == SEARCH_CONTRACT)
        Headings(CONTRACT_HEADINGS, ALIGN_CENTRE);
    else if (view == SEARCH_BAT_SKILLS)
        Headings(BAT_SKILL_HEADINGS, ALIGN_CENTRE);
    else if (view == SEARCH_BOWL_SKILLS)
        Headings(BOWL_SKILL_HEADINGS, ALIGN_CENTRE);
    else if (IsBowlingStatsView(listView))
        Headings(BOWL_STATS_HEADINGS, ALIGN_CENTRE);
    else if (IsStatsView(listView))
        Headings(BAT_STATS_HEADINGS, ALIGN_CENTRE);
}

void Rows() {
    const int count = static_cast<int>(PS::sv_results.size());
    const int first = PS::ScrollPosition();
    for (int r = 0; r < SEARCH_ROWS && first + r < count; ++r) {
        const Player* p = PlayerById(PS::sv_results[static_cast<size_t>(first + r)]);
        if (!p) continue;
        const int y = SEARCH_ROW_TOP + 20 * r;
        DrawTile(PlayerRoleIconWithKeeper(p->m_id), 230, y + 3);
        Text(260, y, ALIGN_LEFT, TEXT_WHITE, RowFont(), "%s %s", p->m_initials, p->m_surname);
        Text(430, y, ALIGN_CENTRE, CLUB_GREY, RowFont(), "%s", ClubShortName(p->CurrentClub()));
        ViewCells(*p, y);
    }
}

}  // namespace

void PS::PlayerSearchFilterPanel() {
    if (!s_dialog) return;
    for (int i = 0; i < SEARCH_SWITCHES; ++i)
        Text(s_dialog->m_x + SWITCH_LABELS[i].x, s_dialog->m_y + SWITCH_LABEL_Y[i], ALIGN_LEFT, TEXT_WHITE,
             RowFont(), "%s", SWITCH_LABELS[i].text);
}

void PS::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    DrawScreenFrame(true);
    Text(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "Player Search");
    const int found = static_cast<int>(sv_results.size());
    if (found == 1)
        Text(611, 660, ALIGN_CENTRE, TEXT_YELLOW, RowFont(), "Found: 1 player");
    else
        Text(611, 660, ALIGN_CENTRE, TEXT_YELLOW, RowFont(), "Found: %d players", found);
    CFont* heavy = HeadingFont();
    const Heading labels[] = {{"Filter", 220}, {"Name Search", 610}};
    for (const Heading& l : labels) Text(l.x, 130, ALIGN_LEFT, TEXT_YELLOW, heavy, "%s", l.text);
    Text(220, 175, ALIGN_LEFT, TEXT_YELLOW, heavy, "View");
    Text(610, 175, ALIGN_LEFT, TEXT_YELLOW, heavy, "Sort by");
    ViewHeadings();
    g_system->FillRect(210, 238, 980, 240, TEXT_WHITE);
    Rows();
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
