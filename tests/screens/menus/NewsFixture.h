// The game's screen table over the built pictures and fonts, with a small
// career world: two clubs in a running league, a few countries, and a human
// coach whose inbox the tests fill. Screenshots go to $RAVEL_SHOTS when set.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "LaunchFixture.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/ScreenTable.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/GameState.h"
#include "shell/gui/Button.h"

namespace ravel {

inline constexpr int CLUB_A = 1301;
inline constexpr int CLUB_B = 1302;
inline constexpr int LEAGUE = 4;
inline constexpr int USER_COACH = 900;

inline CNewsScreen& News() {
    return TheScreen<CNewsScreen>();
}

class NewsWorldTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        BuildWorld();
    }

    // A side with a computer coach in a secure post.
    static Team& AddClub(int id, const char* name) {
        Team& t = LaunchTest::AddClub(id, 2, name);
        t.m_jobSecurity = 90.0f;
        t.m_coach = 1;
        std::snprintf(t.m_shortName, sizeof t.m_shortName, "%.3s", name);
        return t;
    }
    static Country& AddCountry(int id, const char* name) {
        Country& c = AddNation(id, name);
        c.m_jobSecurity = 90.0f;
        c.m_coach = 1;
        std::snprintf(c.m_shortName, sizeof c.m_shortName, "%.3s", name);
        return c;
    }
    static StaffMember& AddStaff(int id, const char* first, const char* surname, float reputation) {
        StaffMember s;
        s.m_id = id;
        std::snprintf(s.m_firstName, sizeof s.m_firstName, "%s", first);
        std::snprintf(s.m_surname, sizeof s.m_surname, "%s", surname);
        s.m_reputation = reputation;
        g_world.mv_staff.push_back(s);
        return g_world.mv_staff.back();
    }

    void BuildWorld() {
        ResetGameState();
        g_world.mv_players.resize(1);
        g_cricket.m_gameMode = MODE_CAREER;
        g_cricket.m_date = GameDate::FromSeasonDay(10, FIRST_SEASON);
        AddCountry(1, "Averland");
        AddCountry(2, "Brenmoor");
        AddCountry(3, "Castria");
        AddClub(CLUB_A, "Northfield");
        AddClub(CLUB_B, "Saltmarsh");
        AddStaff(1, "Tom", "Hale", 70.0f);
        StaffMember& user = AddStaff(USER_COACH, "Ann", "Fletcher", 50.0f);
        user.m_human = 1;
        UserCoach profile;
        profile.m_staff = user;
        g_userCoaches.push_back(profile);
        Competition league;
        league.m_id = LEAGUE;
        std::snprintf(league.m_name, sizeof league.m_name, "County League");
        std::snprintf(league.m_shortName, sizeof league.m_shortName, "CL");
        league.m_status = COMP_RUNNING;
        league.m_kind = COMP_LEAGUE;
        league.mv_teams = {CLUB_A, CLUB_B};
        league.mv_standings = {StandingsRow(CLUB_A, LEAGUE), StandingsRow(CLUB_B, LEAGUE)};
        league.m_knockout[2 * KNOCKOUT_TIES] = -1;
        g_world.mv_competitions.push_back(league);
    }
    // The user takes the club's post as the new-game set-up does.
    static void Appoint(int clubId) {
        Team* t = TeamById(clubId);
        t->m_coach = USER_COACH;
        t->m_human = 1;
        StaffMemberById(USER_COACH)->m_clubJob = clubId;
        g_userCoaches[0].m_staff.m_clubJob = clubId;
        g_cricket.m_team = clubId;
    }
    static InboxMessage& Deliver(const char* headline, int day = 11) {
        InboxMessage m;
        m.m_day = day;
        m.m_month = 4;
        m.m_year = 2006;
        m.m_headline = headline;
        m.m_body = std::string("The story of ") + headline + ".";
        g_userCoaches[0].mv_inbox.push_back(m);
        return g_userCoaches[0].mv_inbox.back();
    }
    // As a new user: the intro loads the world, the start menu's New Career,
    // and the set-up with the first side it lists. Returns that side.
    int StartCareer() {
        TickWith(600, 600, true);
        for (int tick = 0; tick < 1000 && m_game->m_screenId == SCREEN_INTRO; ++tick) Idle();
        EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
        Idle(2);
        Click(TheScreen<CMainMenuScreen>().m_btnNewGame);
        EXPECT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
        Idle(2);
        if (TheScreen<CSetupGameScreen>().Sides().empty()) return 0;
        const int side = TheScreen<CSetupGameScreen>().Sides()[0];
        Click(TheScreen<CSetupGameScreen>().m_rows[0]);
        Idle(2);
        Click(TheScreen<CSetupGameScreen>().m_btnContinue);
        return side;
    }

    // Day of season of the club's first fixture this season; SEASON_DAYS for none.
    static int FirstFixtureDay(int clubId) {
        int first = SEASON_DAYS;
        for (const Fixture& f : g_world.mv_fixtures)
            if ((f.m_home == clubId || f.m_away == clubId) && f.m_date.m_season == g_cricket.m_date.m_season)
                first = std::min(first, f.m_date.m_dayOfSeason);
        return first;
    }
    // One tick with the wheel turned (negative: towards the user).
    void TickWheel(int movement) {
        m_system->HeadlessInput()->TurnWheel(movement);
        TickWith(600, 100, false);
    }
    void Shot(const std::string& name) {
        m_game->RenderFrame();
        const char* dir = std::getenv("RAVEL_SHOTS");
        if (dir && *dir) m_system->SaveScreenshot((std::filesystem::path(dir) / name).string());
    }
};

}  // namespace ravel
