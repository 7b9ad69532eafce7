// What the club team page and the country page draw alike: the frame and
// header, the Tactics tab's eleven and Next Match box, and the Fixtures tab.
#include <string>

#include "screens/menus/FixtureRows.h"
#include "screens/team/NextMatchPanel.h"
#include "screens/team/SideScreen.h"
#include "screens/team/SquadRows.h"
#include "screens/team/TeamDraw.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int FIXTURE_TOP = 170;

bool Tournament(int competition) {
    return competition >= COMP_FIRST_TOURNAMENT && competition <= COMP_LAST_TOURNAMENT;
}

}  // namespace

void CSideScreen::DrawHeader() const {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    if (m_page == m_kind.tacticsPage) {
        g_system->ShadeRect(203, 133, 558, 695);
        g_system->ShadeRect(560, 133, 1019, 498);
        g_system->ShadeRect(560, 500, 1019, 695);
    } else {
        g_system->ShadeRect(203, 133, 1019, 695);
    }
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    DrawPicture();
    if (m_kept.side == g_cricket.m_team) DrawCoachName();
    const SideRecord side = Shown();
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s",
                       side ? side.name : "-");
}

void CSideScreen::DrawSelection() const {
    TableText(600, 148, TEXT_LIGHT_GREY, "%s",
              "Right click on player name to set captain, bowlers and keeper");
    TableText(230, 670, TEXT_LIGHT_GREY, "%s", "Right click on player name to choose position in team");
    HeadingText(580, 173, TEXT_YELLOW, "Team Selection");
    if (const SideRecord side = Shown()) DrawElevenPanel(*side.xi, m_kept.battingSlot, m_roleRow);
    DrawNextMatchPanel(m_kept.side, m_next);
}

void CSideScreen::DrawFixturesPage() const {
    g_system->FillRect(210, 168, 980, 170, TEXT_WHITE);
    for (const FixtureColumn& c : m_kind.fixtureColumns) HeadingText(c.x, 150, TEXT_ORANGE, c.heading);
    if (mv_fixtures.empty()) {
        TableText(230, FIXTURE_TOP + 3, TEXT_NOTE, "%s", "No fixtures are available for this season.");
        return;
    }
    const int first = ScrollPosition();
    for (int n = 0; n < m_kind.fixtureRows; ++n) {
        const size_t entry = static_cast<size_t>(first + n);
        if (first + n < 0 || entry >= mv_fixtures.size()) break;
        const FixtureListEntry& row = mv_fixtures[entry];
        const int y = FIXTURE_TOP + 20 * n + 3;
        const bool home = row.m_home == m_kept.side;
        const bool neutral = Tournament(row.m_competition);
        uint32_t colour = home && !neutral ? TEXT_YELLOW : TEXT_WHITE;
        if (row.m_match != -1 || row.m_kind == ROW_PLAYED) colour = TEXT_PLAYED;
        const char* other = SideName(home ? row.m_away : row.m_home);
        std::string venue = neutral ? "Neutral" : home ? "Home" : "Away";
        if (m_kind.venueIsGround) {
            const Ground* ground = GroundById(row.m_ground);
            venue = ground ? ground->m_name : "-";
        }
        const std::string cells[] = {DateText(row), *other ? other : "-", venue, CompetitionLabel(row),
                                     ResultForTeam(row, m_kept.side)};
        for (size_t c = 0; c < std::size(cells); ++c)
            TableText(m_kind.fixtureColumns[c].x, y, colour, "%s", cells[c].c_str());
    }
}

}  // namespace ravel
