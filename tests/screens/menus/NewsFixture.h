// The game's screen table over the built pictures and fonts, with a small
// career world: two clubs in a running league, a few countries, and a human
// coach whose inbox the tests fill.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/ScreenTable.h"
#include "season/News.h"
#include "shell/ShellFixture.h"
#include "world/World.h"

namespace ravel {

inline constexpr int CLUB_A = 1301;
inline constexpr int CLUB_B = 1302;
inline constexpr int LEAGUE = 4;
inline constexpr int USER_COACH = 900;

class NewsWorldTest : public ShellTest {
protected:
    bool BuildsSideBar() const override { return false; }
    void SetUp() override {
        m_saved = std::filesystem::current_path();
        std::filesystem::current_path(
            GameFolderWithTestSkins(testing::UnitTest::GetInstance()->current_test_info()->name(), {}));
        ShellTest::SetUp();
        m_game->mv_screens.clear();
        RegisterGameScreens();
        m_game->m_shellHooks.buildSideBar = BuildSideBar;
        m_game->m_shellHooks.addSideBarControls = AddSideBarControls;
        ASSERT_TRUE(m_game->CreateGameResources());
        m_game->BeginPlay();
        BuildWorld();
        // The screens' remembered state starts fresh.
        CJobMarketScreen::s_page = JOBS_AVAILABLE;
        CNewsScreen::s_shown = 0;
    }
    void TearDown() override {
        if (m_game->m_screenId != 0) m_game->ChangeScreen(SCREEN_COMPETITION);
        m_game->ShutdownGame();
        g_userCoaches.clear();
        ResetWorld();
        ShellTest::TearDown();
        std::filesystem::current_path(m_saved);
    }

    static Team& AddClub(int id, const char* name) {
        Team t;
        t.m_id = id;
        t.m_country = 2;
        t.m_jobSecurity = 90.0f;
        t.m_coach = 1;
        std::snprintf(t.m_name, sizeof t.m_name, "%s", name);
        std::snprintf(t.m_shortName, sizeof t.m_shortName, "%.3s", name);
        g_world.mv_teams.push_back(t);
        return g_world.mv_teams.back();
    }
    static Country& AddCountry(int id, const char* name) {
        Country c;
        c.m_id = id;
        c.m_nationalSide = 1;
        c.m_jobSecurity = 90.0f;
        c.m_coach = 1;
        std::snprintf(c.m_name, sizeof c.m_name, "%s", name);
        std::snprintf(c.m_shortName, sizeof c.m_shortName, "%.3s", name);
        g_world.mv_countries.push_back(c);
        return g_world.mv_countries.back();
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
        ResetWorld();
        g_userCoaches.clear();
        g_world.mv_players.resize(1);
        g_cricket = CricketData();
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

    std::filesystem::path m_saved;
};

}  // namespace ravel
