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

bool InEleven(const Country& country, int32_t id) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (country.m_xi[i] == id) return true;
    return false;
}

bool Listed(const CC& cc, const Country& country, int32_t id) {
    const std::vector<int32_t>& list = country.SquadFor(cc.m_squadKind);
    return std::find(list.begin(), list.end(), id) != list.end();
}

uint32_t RowColour(const CC& cc, const Country& country, const Player& p) {
    const bool chosen =
        cc.m_page == COUNTRY_PAGE_POOL ? Listed(cc, country, p.m_id) : InEleven(country, p.m_id);
    if (p.m_injured) return TEXT_INJURED;
    if (chosen) return TEXT_SELECTED;
    return p.m_retiredTest || p.m_retiredOdi ? TEXT_RETIRED : TEXT_WHITE;
}

// The words that name a squad kind.
const char* KindWords(int kind) {
    if (kind == SQUAD_HOME_TEST) return "Home test";
    return kind == SQUAD_TOUR_TEST ? "Tour test" : "One day";
}

void DrawListHeader(const CC& cc) {
    if (cc.m_page == COUNTRY_PAGE_TACTICS) {
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
    DrawViewHeadings(cc.m_view);
}

void DrawRows(const CC& cc, const Country& country) {
    const std::vector<int32_t>& list = cc.ShownList();
    const int first = cc.ScrollPosition();
    for (int i = 0; i < COUNTRY_LIST_ROWS; ++i) {
        const size_t entry = static_cast<size_t>(first + i);
        if (first + i < 0 || entry >= list.size()) break;
        const Player* p = PlayerById(list[entry]);
        if (!p) continue;
        const int y = COUNTRY_LIST_TOP + 20 * i;
        DrawTile(PlayerRoleIconWithKeeper(p->m_id), 230, y + 3);
        TableText(260, y + 3, RowColour(cc, country, *p), "%s, %s", p->m_surname, p->m_firstName);
        if (cc.m_page == COUNTRY_PAGE_TACTICS) {
            DrawTile(BatFormIcon(p->m_id), 430, y + 3);
            DrawTile(BowlFormIcon(p->m_id), 470, y + 3);
        } else {
            DrawViewCells(*p, cc.m_view, y, cc.Side());
        }
    }
}

void DrawSquadBlock(const CC& cc, const Country& country) {
    const int kind = cc.m_squadKind;
    const int size = static_cast<int>(country.SquadFor(kind).size());
    const int required = RequiredSquadSize(kind);
    HeadingText(230, 580, TEXT_LIGHT_GREY, "Squad Changes:");
    HeadingText(230, 600, TEXT_LIGHT_GREY, "Squad Type:");
    HeadingText(630, 580, TEXT_LIGHT_GREY, "Required Squad Size:");
    if (cc.SquadLocked())
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

}  // namespace

void CC::DrawFilterLabels() const {
    if (!m_dialog) return;
    const struct {
        const char* text;
        int x, y;
    } labels[] = {{"Openers", 30, 55},     {"Specialists", 30, 75},     {"All rounders", 30, 95},
                  {"Late order", 30, 115}, {"Tail enders", 30, 135},    {"Allow injuries", 30, 195},
                  {"Fast", 180, 55},       {"Fast Medium", 180, 75},    {"Medium Fast", 180, 95},
                  {"Medium", 180, 115},    {"Off Spin", 180, 135},      {"Leg Spin", 180, 155},
                  {"None", 180, 175},      {"Wicket Keepers", 180, 195}};
    for (const auto& l : labels)
        TableText(m_dialog->m_x + l.x, m_dialog->m_y + l.y, TEXT_WHITE, "%s", l.text);
}

void CC::Render() {
    const Country* country = CountryById(Side());
    DrawHeader();
    if (country) {
        switch (m_page) {
            case COUNTRY_PAGE_SQUAD:
            case COUNTRY_PAGE_POOL:
                DrawListHeader(*this);
                DrawRows(*this, *country);
                DrawSquadBlock(*this, *country);
                break;
            case COUNTRY_PAGE_TACTICS:
                DrawListHeader(*this);
                DrawRows(*this, *country);
                DrawSelection();
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
