#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "LaunchFixture.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/Squads.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"

namespace ravel {

namespace {

CMainMenuScreen& MS() {
    return TheScreen<CMainMenuScreen>();
}

class StartMenuTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        m_game->ChangeScreen(SCREEN_START_MENU);
        Idle();  // the menu has seen the buttons up
    }
    void WriteSave(const char* name, int team, int day, int month, int year, const char* coach) {
        CricketData state;
        state.m_team = team;
        state.m_date.m_day = day;
        state.m_date.m_month = month;
        state.m_date.m_year = year;
        std::ofstream out(m_saves / name, std::ios::binary);
        ASSERT_TRUE(WriteSaveGameHeader(out, state, coach));
    }
    // A club whose first `players` squad slots hold fit players.
    static Team& ClubWithSquad(int id, int players) {
        Team& team = AddClub(id, 2, "Club");
        if (g_world.mv_players.empty()) g_world.mv_players.resize(1);  // id 0 is nobody
        for (int i = 0; i < players; ++i) {
            Player p;
            p.m_id = static_cast<int32_t>(g_world.mv_players.size());
            p.m_country = 2;
            p.m_northClub = id;
            std::fill(std::begin(p.m_batSkill), std::end(p.m_batSkill), 40 + i);
            p.m_bowlType = i % 3 == 0 ? 1 : 0;
            std::fill(std::begin(p.m_bowlSkill), std::end(p.m_bowlSkill), p.m_bowlType ? 60 : 10);
            p.m_keeper = i == 5 ? 1 : 0;
            g_world.mv_players.push_back(p);
            team.m_squad[i] = p.m_id;
        }
        return team;
    }
};

TEST_F(StartMenuTest, SavesAreLabelledFromTheirHeaders) {
    AddClub(1301, 2, "Durham");
    AddNation(2, "England");
    WriteSave("autosave.rsg", 2, 1, 4, 2006, "Bob Lee");
    WriteSave("career.rsg", 1301, 5, 6, 2007, "Ann Fletcher");
    WriteSave("jobless.rsg", 0, 12, 11, 2008, "Cy Young");
    std::ofstream(m_saves / "other.rsg", std::ios::binary) << "YY9fa---and the rest of another version";
    {
        // Cut short after the tag: what is missing keeps the new-game defaults.
        std::ostringstream whole;
        ASSERT_TRUE(WriteSaveGameHeader(whole, CricketData(), "Dee Kay"));
        std::ofstream(m_saves / "short.rsg", std::ios::binary) << whole.str().substr(0, SAVE_TAG_BYTES + 20);
    }
    std::ofstream(m_saves / "notes.txt") << "not a save";

    MS().BuildSavedGameList();
    const char* const labels[] = {
        "(Autosave) Bob Lee - England 1.4.2006",
        "Ann Fletcher - Durham 5.6.2007",
        "Cy Young - Unemployed 12.11.2008",
        "Incompatible with this version",
        " - Unemployed 1.4.2006",
    };
    ASSERT_EQ(MS().m_comboSaves->ItemCount(), static_cast<int>(std::size(labels)));
    ASSERT_EQ(MS().SaveFiles().size(), std::size(labels));
    for (size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_STREQ(MS().m_comboSaves->mv_items[i].m_text, labels[i]);
        EXPECT_EQ(MS().m_comboSaves->mv_items[i].m_value, static_cast<int>(i));
    }
    // The autosave mark belongs to the list only, not to the chosen save's caption.
    EXPECT_EQ(SavedGameLabel("autosave.rsg", ReadSaveGameHeader("autosave.rsg"), false),
              "Bob Lee - England 1.4.2006");

    std::filesystem::remove_all(m_saves);
    std::filesystem::create_directories(m_saves);
    MS().BuildSavedGameList();
    EXPECT_EQ(MS().m_comboSaves->ItemCount(), 0);
    EXPECT_TRUE(MS().SaveFiles().empty());
}

TEST_F(StartMenuTest, LoadGameIsOfferedButDisabled) {
    Frame("start_menu.png");
    EXPECT_TRUE(MS().m_btnLoadGame->mb_disabled);
    EXPECT_FALSE(MS().m_dlgLoad->mb_visible);
    Click(MS().m_btnLoadGame);
    EXPECT_FALSE(MS().m_dlgLoad->mb_visible);
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
    EXPECT_EQ(m_game->m_screenMode, SCREEN_MODE_FULL);
    // Title and version drawn above the panel.
    EXPECT_GT(CountNear(400, 15, 624, 50, 0xffffffffu), 100);
    EXPECT_GT(CountNear(950, 15, 1010, 50, 0xffffff00u), 50);
}

TEST_F(StartMenuTest, PressHeldFromTheScreenBeforeIsIgnored) {
    const int x = MS().m_btnNewGame->m_x + 20, y = MS().m_btnNewGame->m_y + 10;
    TickWith(x, y, true);
    m_game->ChangeScreen(SCREEN_START_MENU);  // opens under the held button
    TickWith(x, y, true);
    TickWith(x, y, false);
    Idle();
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
    Click(MS().m_btnNewGame);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
}

TEST_F(StartMenuTest, ExitEndsTheRun) {
    Click(MS().m_btnExit);
    EXPECT_FALSE(m_game->m_running);
}

TEST_F(StartMenuTest, NewCareerResetsTheClockAndPicksTheClubsElevens) {
    const int full = ClubWithSquad(1301, 16).m_id;
    const int thin = ClubWithSquad(1302, 15).m_id;
    TeamById(thin)->m_xi[0] = 7;
    Climate climate;
    climate.mv_outlook = {10, 20, 30, 40, 50, 60, 70};
    g_world.mv_climates.push_back(climate);
    g_cricket.m_date = GameDate::FromSeasonDay(200, FIRST_SEASON + 1);
    g_cricket.m_date.m_hour = 17;
    g_cricket.m_date.m_minute = 25;

    Click(MS().m_btnNewGame);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
    const GameDate& d = g_cricket.m_date;
    EXPECT_EQ(d.m_day, 1);
    EXPECT_EQ(d.m_month, 4);
    EXPECT_EQ(d.m_year, 2006);
    EXPECT_EQ(d.m_season, FIRST_SEASON);
    EXPECT_EQ(d.m_dayOfSeason, 0);
    EXPECT_EQ(d.m_hour, 8);
    EXPECT_EQ(d.m_minute, 0);
    EXPECT_EQ(g_cricket.m_climateMonth, 3);
    EXPECT_EQ(g_cricket.m_gameMode, MODE_CAREER);

    const Team& picked = *TeamById(full);
    for (int slot = 0; slot < XI_PLAYERS; ++slot) EXPECT_GT(picked.m_xi[slot], 0) << slot;
    EXPECT_GT(picked.m_xi[XI_CAPTAIN], 0);
    EXPECT_EQ(TeamById(thin)->m_xi[0], 7) << "fifteen players are too few to pick from";
    EXPECT_EQ(TeamById(thin)->m_xi[1], -1);
    ASSERT_EQ(g_world.mv_climates[0].mv_outlook.size(), 7u);
    EXPECT_EQ(g_world.mv_climates[0].mv_outlook[0], 20);
}

TEST_F(StartMenuTest, NewCareerHandsTheEarlierGamesCoachToTheComputer) {
    Team& club = AddClub(1301, 2, "Durham");
    Country& nation = AddNation(3, "India");
    StaffMember coach;
    coach.m_id = 77;
    coach.m_human = 1;
    coach.m_clubJob = 1301;
    coach.m_nationalJob = 3;
    g_world.mv_staff.push_back(coach);
    club.m_coach = nation.m_coach = 77;
    club.m_human = nation.m_human = 1;
    UserCoach profile;
    profile.m_staff = coach;
    g_userCoaches = {profile, profile};
    g_cricket.m_coachIndex = 1;
    g_cricket.m_team = 1301;

    Click(MS().m_btnNewGame);
    EXPECT_TRUE(g_userCoaches.empty());
    EXPECT_EQ(g_cricket.m_coachIndex, 0);
    EXPECT_EQ(g_cricket.m_team, 0);
    EXPECT_EQ(g_world.mv_staff[0].m_human, 0);
    EXPECT_EQ(TeamById(1301)->m_human, 0);
    EXPECT_EQ(CountryById(3)->m_human, 0);
    EXPECT_EQ(TeamById(1301)->m_coach, 77) << "he keeps his job as the computer's coach";
}

}  // namespace

}  // namespace ravel
