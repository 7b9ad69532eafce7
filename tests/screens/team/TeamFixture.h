// The club team page over the small news world: the user coaches Northfield,
// whose squad of 23 has a keeper, bowlers and batsmen with figures, on a
// ground with a climate and its week's outlook, with fixtures this season
// and last. Helpers read the texts of the last frame.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "screens/menus/NewsFixture.h"
#include "screens/menus/ScreenTable.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/TeamScreen.h"
#include "season/DayMachine.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/platform/Clock.h"

namespace ravel {

inline constexpr int GROUND = 7;
inline constexpr int CLIMATE = 3;
inline constexpr int SQUAD_SIZE = 23;

// The screen table's club team page.
inline CTeamScreen& TeamPage() {
    return TheScreen<CTeamScreen>();
}

// Opening the page and driving it as a player does, and reading the texts
// of the last frame.
class TeamPageDriver : public NewsWorldTest {
protected:
    void OpenPage(int side = CLUB_A) {
        m_game->OpenScreen(SCREEN_TEAM, {side});
        Idle(2);
    }
    void Frame() { m_game->RenderFrame(); }

    const std::vector<DrawnText>& Texts() const { return m_system->HeadlessInput()->mv_texts; }
    // The first text of the frame that reads exactly so; nullptr for none.
    const DrawnText* FindText(const std::string& text) const {
        for (const DrawnText& t : Texts())
            if (t.text == text) return &t;
        return nullptr;
    }
    const DrawnText* TextAt(int x, int y) const {
        for (const DrawnText& t : Texts())
            if (t.x == x && t.y == y) return &t;
        return nullptr;
    }
    bool Drawn(const std::string& text) const { return FindText(text) != nullptr; }
    // The texts of a row, left to right.
    std::vector<std::string> RowTexts(int y) const {
        std::vector<const DrawnText*> row;
        for (const DrawnText& t : Texts())
            if (t.y == y) row.push_back(&t);
        std::stable_sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x < b->x; });
        std::vector<std::string> texts;
        for (const DrawnText* t : row) texts.push_back(t->text);
        return texts;
    }

    // Opens a drop-down and picks its item at that index.
    void Choose(CComboBox* combo, int index) {
        Tap(combo);
        Idle(2);
        ASSERT_EQ(combo->m_comboState, COMBO_OPEN);
        ASSERT_FALSE(combo->mb_scrolling);
        ClickAt(combo->m_x + 40, combo->m_y + combo->m_collapsedHeight + ITEM_HEIGHT * index + 10);
        Idle();
    }
    // Picks the item at that index of an open pop-up menu.
    void ChooseFromMenu(const CPopupMenu* menu, int index) {
        ASSERT_EQ(menu->m_menuState, MENU_OPEN);
        ASSERT_LT(index, menu->m_visibleCount);
        Idle(2);
        const int top = menu->m_y + (menu->mb_scrolling ? SCROLL_STRIP : 0);
        ClickAt(menu->m_x + 40, top + ITEM_HEIGHT * index + 10);
        Idle();
    }
};

class TeamPageTest : public TeamPageDriver {
protected:
    void SetUp() override {
        TeamPageDriver::SetUp();
        g_world.mv_seasons = {{362, "2006"}, {363, "2006-07"}, {364, "2007"}};
        Ground g;
        g.m_id = GROUND;
        g.m_climate = CLIMATE;
        g.m_bounce = 6.0f;
        g.m_turn = 3.0f;
        std::snprintf(g.m_name, sizeof g.m_name, "Mill Lane");
        std::snprintf(g.m_town, sizeof g.m_town, "Northfield");
        std::snprintf(g.m_region, sizeof g.m_region, "The Vale");
        g_world.mv_grounds.push_back(g);
        Climate c;
        c.m_id = CLIMATE;
        std::snprintf(c.m_name, sizeof c.m_name, "Temperate North");
        const int thresholds[6] = {20, 40, 60, 75, 90, 100};
        std::copy(std::begin(thresholds), std::end(thresholds), c.m_thresholds);
        c.mv_outlook = {10, 30, 50, 70, 80, 95, 15};
        g_world.mv_climates.push_back(c);
        Team& club = *TeamById(CLUB_A);
        club.m_ground = GROUND;
        club.m_money = 250000.0f;
        club.m_salaryBudget = 400000;
        TeamById(CLUB_B)->m_ground = GROUND;
        for (int i = 0; i < SQUAD_SIZE; ++i) club.m_squad[i] = AddSquadPlayer(i);
        Appoint(CLUB_A);
    }

    // Player i of the squad: "Surname<i>" with skills that make the first
    // a keeper, the next eight batsmen and the rest bowlers.
    static int AddSquadPlayer(int i) {
        Player p;
        p.m_id = static_cast<int32_t>(g_world.mv_players.size());
        std::snprintf(p.m_firstName, sizeof p.m_firstName, "First%d", i);
        std::snprintf(p.m_surname, sizeof p.m_surname, "Surname%02d", i);
        std::snprintf(p.m_initials, sizeof p.m_initials, "F");
        p.m_country = 2;
        p.m_northClub = CLUB_A;
        p.m_northSeasons = 2;
        p.m_northWage = 10000 + 100 * i;
        p.m_batPosition = i < 9 ? 1 + i : 11;
        const bool bowler = i >= 9;
        std::fill(std::begin(p.m_batSkill), std::end(p.m_batSkill), bowler ? 30 : 70);
        std::fill(std::begin(p.m_bowlSkill), std::end(p.m_bowlSkill), bowler ? 70 : 20);
        p.m_bowlType = bowler ? 1 + i % 6 : 0;
        p.m_keeper = i == 0 ? 1 : 0;
        p.m_keepSkill[0] = p.m_keepSkill[1] = i == 0 ? 80 : 10;
        p.m_morale = 60;
        p.m_condition = 95.0f;
        g_world.mv_players.push_back(p);
        return p.m_id;
    }
    static Player& SquadPlayer(int i) { return *PlayerById(TeamById(CLUB_A)->m_squad[i]); }
    // The first eleven of the squad with the keeper, a captain and two
    // opening bowlers.
    static void PickEleven() {
        Team& club = *TeamById(CLUB_A);
        for (int i = 0; i < XI_PLAYERS; ++i) club.m_xi[i] = club.m_squad[i];
        club.m_xi[XI_KEEPER] = club.m_squad[0];
        club.m_xi[XI_CAPTAIN] = club.m_squad[1];
        club.m_xi[XI_OPEN_BOWLER1] = club.m_squad[9];
        club.m_xi[XI_OPEN_BOWLER2] = club.m_squad[10];
    }
    static Fixture& AddFixture(int home, int away, int dayOfSeason, int season,
                               int state = FIXTURE_SCHEDULED) {
        Fixture f;
        f.m_home = home;
        f.m_away = away;
        f.m_competition = LEAGUE;
        f.m_ground = GROUND;
        f.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
        f.m_state = state;
        f.m_date = GameDate::FromSeasonDay(dayOfSeason, season);
        g_world.mv_fixtures.push_back(f);
        return g_world.mv_fixtures.back();
    }
};

}  // namespace ravel
