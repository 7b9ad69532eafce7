#include "screens/menus/CompetitionMenus.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "screens/menus/ScreenControls.h"
#include "shell/gui/Button.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"
#include "world/Competitions.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

// The ties' side slots; the final's result slot is not a side.
bool InKnockout(const Competition& c, int sideId) {
    return std::find(c.m_knockout, c.m_knockout + 2 * KNOCKOUT_TIES, sideId) !=
           c.m_knockout + 2 * KNOCKOUT_TIES;
}

bool AnyKnockoutDrawn(const Competition& c) {
    return std::any_of(c.m_knockout, c.m_knockout + 2 * KNOCKOUT_TIES, [](int32_t side) { return side > 0; });
}

bool IsChampionship(int id) {
    return id == COMP_TEST_CHAMPIONSHIP || id == COMP_ODI_CHAMPIONSHIP;
}

void FillCompetitions(CPopupMenu& menu, int side) {
    if (side <= 0) return;
    for (const Competition& c : g_world.mv_competitions) {
        bool plays = false;
        if (c.m_kind == COMP_LEAGUE && !IsChampionship(c.m_id)) {
            plays = c.m_status == COMP_RUNNING &&
                    std::find(c.mv_teams.begin(), c.mv_teams.end(), side) != c.mv_teams.end();
        } else if (c.m_kind != COMP_LEAGUE) {
            plays = InKnockout(c, side);
        }
        if (plays) menu.AddListItem(c.m_name, c.m_id);
    }
}

void FillDomestic(CPopupMenu& menu) {
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_id >= COMP_TEST_CHAMPIONSHIP) continue;
        if (c.m_kind == COMP_LEAGUE || AnyKnockoutDrawn(c)) menu.AddListItem(c.m_name, c.m_id);
    }
}

void FillWorldCricket(CPopupMenu& menu) {
    menu.AddListItem("Test Championship", COMP_TEST_CHAMPIONSHIP);
    menu.AddListItem("ODI Championship", COMP_ODI_CHAMPIONSHIP);
    menu.AddListItem("Records", WORLD_RECORDS);
    bool separated = false;
    char text[ITEM_TEXT_SIZE];
    for (size_t i = 0; i < g_world.mv_tours.size(); ++i) {
        const Tour& tour = g_world.mv_tours[i];
        if (tour.m_state != TOUR_RUNNING) continue;
        const Country* visitor = CountryById(tour.m_visitor);
        const Country* host = CountryById(tour.m_host);
        const char* visitorName = visitor ? visitor->m_name : "";
        const char* hostName = host ? host->m_name : "";
        if (tour.m_kind == TOUR_TESTS)
            std::snprintf(text, sizeof text, "%s in %s (Tests)", visitorName, hostName);
        else if (tour.m_kind == TOUR_ONE_DAY)
            std::snprintf(text, sizeof text, "%s in %s (ODIs)", visitorName, hostName);
        else if (tour.m_kind == TOUR_TRIANGULAR)
            std::snprintf(text, sizeof text, "%s Triangular Series", hostName);
        else
            continue;  // a kind the series overview cannot show
        if (!separated) {
            menu.AddListItem("SEPERATOR", SEPARATOR_VALUE);
            separated = true;
        }
        menu.AddListItem(text, WORLD_TOUR_BASE + static_cast<int>(i));
    }
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        if (!t.m_running) continue;
        const Competition* c = CompetitionById(t.m_competition);
        std::snprintf(text, sizeof text, "%s %d", c ? c->m_name : t.m_name, t.m_year);
        menu.AddListItem(text, WORLD_TOURNAMENT_BASE + t.m_competition);
    }
    menu.AddListItem("Domestic Cricket", WORLD_DOMESTIC);
}

}  // namespace

void BuildCompetitionMenus() {
    using SB = CSideBar;
    g_cricket.m_team = CurrentCoachSide();
    DebugLog("m_team = %d", g_cricket.m_team);
    if (SB::s_menuCompetitions) {
        SB::s_menuCompetitions->ClearListItems();
        FillCompetitions(*SB::s_menuCompetitions, g_cricket.m_team);
        if (SB::s_btnCompetitions) {
            if (SB::s_menuCompetitions->ItemCount() == 0)
                SB::s_btnCompetitions->Disable();
            else
                SB::s_btnCompetitions->mb_disabled = 0;
        }
    }
    if (SB::s_menuDomestic) {
        SB::s_menuDomestic->ClearListItems();
        FillDomestic(*SB::s_menuDomestic);
    }
    if (SB::s_menuWorldCricket) {
        SB::s_menuWorldCricket->ClearListItems();
        FillWorldCricket(*SB::s_menuWorldCricket);
    }
}

}  // namespace ravel
