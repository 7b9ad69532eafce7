#include "screens/team/SquadRows.h"

#include <span>

#include "screens/team/PlayerLists.h"
#include "screens/team/TeamDraw.h"
#include "season/PlayerIcons.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

// Contract marks and their legend show in the first month of the season.
constexpr int CONTRACT_MONTH_DAYS = 30;
constexpr uint32_t PANEL_EDGE = 0xff003200;
constexpr uint32_t PANEL_FILL = 0xff006400;
constexpr uint32_t SLOT_FILLED = 0xff006e00;
constexpr uint32_t SLOT_EMPTY = 0xffa00000;
constexpr uint32_t SLOT_POINTED = 0xff323200;
constexpr uint32_t SLOT_SELECTED = 0xff00a000;
constexpr uint32_t SLOT_GREY = 0xffcdcdcd;

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

bool Unavailable(const Player& p) {
    return p.m_injured || p.m_unavailable;
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

void ContractCells(const Player& p, int y, int side) {
    const bool north = p.m_northClub == side;
    const int seasons = north ? p.m_northSeasons : p.m_southSeasons;
    const uint32_t colour = InContractMonth() && seasons == 1 ? TEXT_YELLOW : TEXT_WHITE;
    TableText(550, y + 3, colour, "%s",
              ContractEndDateText(north ? HEMI_NORTH : HEMI_SOUTH, seasons).c_str());
    TableText(800, y + 3, TEXT_WHITE, "%d", north ? p.m_northWage : p.m_southWage);
}

void AvailabilityCells(const Player& p, int y) {
    if (p.m_injured)
        TableText(500, y + 3, TEXT_WHITE, "Out for %s", p.InjuryLengthText().c_str());
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

}  // namespace

void DrawViewHeadings(int view) {
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

void DrawViewCells(const Player& p, int view, int y, int side) {
    switch (view) {
        case VIEW_BASIC:
            return BasicCells(p, y);
        case VIEW_BAT_SKILLS:
            return SkillCells(p, y, true);
        case VIEW_BOWL_SKILLS:
            return SkillCells(p, y, false);
        case VIEW_CONTRACT:
            return ContractCells(p, y, side);
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

int ElevenSlotAt(int x, int y) {
    const bool inside = y > ELEVEN_PANEL_TOP && y < ELEVEN_PANEL_TOP + XI_PLAYERS * ELEVEN_SLOT_HEIGHT &&
                        x >= ELEVEN_PANEL_LEFT && x <= ELEVEN_PANEL_RIGHT;
    return inside ? (y - ELEVEN_PANEL_TOP) / ELEVEN_SLOT_HEIGHT : -1;
}

namespace {

void DrawSlot(const int32_t (&xi)[XI_SIZE], int slot, int selectedSlot, int pointedSlot) {
    const int y = 202 + ELEVEN_SLOT_HEIGHT * slot;
    const int32_t id = xi[slot];
    const Player* p = id > 0 ? PlayerById(id) : nullptr;
    g_system->FillRect(582, y, 928, y + 24, !p || Unavailable(*p) ? SLOT_EMPTY : SLOT_FILLED);
    if (slot == pointedSlot && ElevenSlotAt(g_system->m_mouseX, g_system->m_mouseY) == slot)
        g_system->FillRect(582, y, 928, y + 24, SLOT_POINTED);
    if (slot == selectedSlot)
        g_system->FillRect(583, 203 + ELEVEN_SLOT_HEIGHT * slot, 611, 225 + ELEVEN_SLOT_HEIGHT * slot,
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
    if (xi[XI_CAPTAIN] == id) TableText(ROLE_MARK_X[0], y + 4, TEXT_WHITE, "C");
    if (xi[XI_KEEPER] == id) {
        TableText(ROLE_MARK_X[1], y + 4, TEXT_WHITE, "WK");
        return;
    }
    if (xi[XI_OPEN_BOWLER1] == id) TableText(ROLE_MARK_X[2], y + 4, TEXT_WHITE, "OB1");
    if (xi[XI_OPEN_BOWLER2] == id) TableText(ROLE_MARK_X[2], y + 4, TEXT_WHITE, "OB2");
}

}  // namespace

void DrawElevenPanel(const int32_t (&xi)[XI_SIZE], int selectedSlot, int pointedSlot) {
    g_system->FillRect(580, 200, 930, 477, PANEL_EDGE);
    g_system->FillRect(581, 201, 929, 476, PANEL_FILL);
    for (int slot = 0; slot < XI_PLAYERS; ++slot) DrawSlot(xi, slot, selectedSlot, pointedSlot);
}

bool InContractMonth() {
    return g_cricket.m_date.m_dayOfSeason < CONTRACT_MONTH_DAYS;
}

}  // namespace ravel
