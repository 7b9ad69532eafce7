#include <cstring>

#include "LaunchFixture.h"
#include "screens/menus/AutoSimScreen.h"
#include "season/DayMachine.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"

namespace ravel {

namespace {

CAutoSimScreen& AS() {
    return TheScreen<CAutoSimScreen>();
}
using SB = CSideBar;

constexpr int CLUB = 1001;
constexpr int NATION = 1;
constexpr int NEW_SEASON_DAY = 183;

// A world with no cricket in it, where a day passes in no time and the next
// season begins on 1 October: the user coaches a club of the southern season.
class AutoSimTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        AddClub(CLUB, 1, "Victoria");
        AddNation(NATION, "Australia");
        for (int season : {EVERY_EVEN_SEASON, EVERY_ODD_SEASON}) {
            CompetitionEvent turn;
            turn.m_season = season;
            turn.m_type = EVENT_NEW_SEASON;
            turn.m_dayOfSeason = NEW_SEASON_DAY;
            g_world.mv_events.push_back(turn);
        }
        UserCoach coach;
        coach.m_staff.m_id = 1;
        std::strcpy(coach.m_staff.m_firstName, "Ada");
        std::strcpy(coach.m_staff.m_surname, "Moss");
        coach.m_staff.m_clubJob = CLUB;
        g_userCoaches = {coach};
        g_cricket.m_gameMode = MODE_CAREER;
        g_cricket.m_team = CLUB;
        m_game->ChangeScreen(SCREEN_NEWS);
        Idle();
    }
    // Ticks until the simulation leaves its screen; false when it never does.
    bool RunToStop(int limit = 400) {
        for (int i = 0; i < limit && m_game->m_screenId == SCREEN_AUTO_SIM; ++i) Idle();
        return m_game->m_screenId != SCREEN_AUTO_SIM;
    }
    static void AddInbox(int count) {
        for (int i = 0; i < count; ++i) {
            InboxMessage message;
            message.m_day = 1 + i % 28;
            message.m_month = 4;
            message.m_year = 2006;
            message.m_headline = "Message " + std::to_string(i);
            g_userCoaches[0].mv_inbox.push_back(message);
        }
    }
};

TEST_F(AutoSimTest, StopRules) {
    struct Case {
        int startDay;
        int rule;
        int fixtureDay;  // a fixture of the user's side on that day; -1 none
        int season, day;
    } const cases[] = {
        {120, AUTO_TO_NEXT_SEASON, -1, FIRST_SEASON + 1, 1},
        {150, AUTO_TO_NEXT_SEASON, 170, FIRST_SEASON, 170},
        {0, 60, -1, FIRST_SEASON, 60},
        {0, 60, 30, FIRST_SEASON, 30},
        {170, SEASON_DAYS + 5, -1, FIRST_SEASON + 1, 1},  // no such day: the season's end
    };
    for (const Case& c : cases) {
        for (CompetitionEvent& e : g_world.mv_events) e.m_fired = 0;
        g_cricket.m_date = GameDate::FromSeasonDay(c.startDay, FIRST_SEASON);
        g_cricket.m_dayPhase = DAY_PHASE_START;
        g_world.mv_fixtures.clear();
        if (c.fixtureDay >= 0) {
            Fixture fixture;
            fixture.m_home = 1002;
            fixture.m_away = CLUB;
            fixture.m_date = GameDate::FromSeasonDay(c.fixtureDay, FIRST_SEASON);
            g_world.mv_fixtures.push_back(fixture);
        }
        StartAutoSimulation(c.rule);
        ASSERT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
        EXPECT_TRUE(g_cricket.m_autoSimulate);
        ASSERT_TRUE(RunToStop()) << c.rule;
        EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
        EXPECT_EQ(g_cricket.m_date.m_season, c.season) << c.rule << " " << c.fixtureDay;
        EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, c.day) << c.rule << " " << c.fixtureDay;
        EXPECT_FALSE(g_cricket.m_autoSimulate);
    }
}

TEST_F(AutoSimTest, BarAndNewsLines) {
    struct Case {
        int day;
        int messages;
        int filled;  // yellow pixels of the bar
        int lines;
    } const cases[] = {
        {0, 0, 0, 0},
        {90, 5, 395, 5},  // 90 / 181 of 796 pixels
        {181, 16, 796, 16},
        {300, 40, 796, 16},
    };
    for (const Case& c : cases) {
        g_userCoaches[0].mv_inbox.clear();
        AddInbox(c.messages);
        g_cricket.m_date = GameDate::FromSeasonDay(c.day, FIRST_SEASON);
        StartAutoSimulation(SEASON_DAYS - 1);
        Frame("auto_sim_" + std::to_string(c.day) + ".png");
        EXPECT_LE(AS().State().m_percent, 100.0f);
        EXPECT_EQ(CountNear(208, 687, 1004, 688, 0xffffff00u), c.filled) << c.day;
        int lines = 0;
        for (int row = 0; row < AUTO_NEWS_LINES + 2; ++row) {
            const int y = 230 + 20 * row;
            lines += CountNear(220, y, 340, y + 20, 0xffffff00u) > 20 &&
                     CountNear(350, y, 600, y + 20, 0xffffffffu) > 20;
        }
        EXPECT_EQ(lines, c.lines) << c.messages;
        m_game->ChangeScreen(SCREEN_NEWS);
    }
}

TEST_F(AutoSimTest, SideBarAfterTheStopFollowsTheCoachsJobs) {
    struct Case {
        int club, nation;
        const char* squad;
        bool squadEnabled;
    } const cases[] = {
        {CLUB, 0, "Victoria", true},
        {CLUB, NATION, "Australia", true},
        {0, 0, "No team", false},
    };
    for (const Case& c : cases) {
        g_userCoaches[0].m_staff.m_clubJob = c.club;
        g_userCoaches[0].m_staff.m_nationalJob = c.nation;
        StartAutoSimulation(AUTO_TO_NEXT_SEASON);
        RestoreSideBarAfterAutoSim();
        EXPECT_STREQ(SB::s_btnSquad->m_caption, c.squad);
        EXPECT_EQ(!SB::s_btnSquad->mb_disabled, c.squadEnabled) << c.squad;
        for (CButton* button : {SB::s_btnExit, SB::s_btnContinue, SB::s_btnMain, SB::s_btnJobs})
            EXPECT_FALSE(button->mb_disabled);
        EXPECT_TRUE(SB::s_btnBack->mb_disabled);
        EXPECT_TRUE(SB::s_btnForward->mb_disabled);
        m_game->ChangeScreen(SCREEN_NEWS);
    }
}

TEST_F(AutoSimTest, SpaceStopsIt) {
    m_game->mv_backHistory = {SCREEN_COMPETITION};
    StartAutoSimulation(AUTO_TO_NEXT_SEASON);
    for (CButton* button : {SB::s_btnExit, SB::s_btnContinue, SB::s_btnSquad, SB::s_btnJobs, SB::s_btnBack})
        EXPECT_TRUE(button->mb_disabled);
    Idle(3);
    const int day = g_cricket.m_date.m_dayOfSeason;
    EXPECT_GT(day, 0);
    m_system->HeadlessInput()->PressKey(DIK_SPACE);
    Idle();
    m_system->HeadlessInput()->ReleaseKey(DIK_SPACE);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_FALSE(g_cricket.m_autoSimulate) << "Space ends the simulation";
    Idle(3);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, day);
    EXPECT_FALSE(SB::s_btnContinue->mb_disabled);
    EXPECT_TRUE(SB::s_btnBack->mb_disabled) << "the simulation is no page to go back to";
}

TEST_F(AutoSimTest, OpenMessageBoxHoldsTheDays) {
    StartAutoSimulation(AUTO_TO_NEXT_SEASON);
    Idle();
    ShowMessage("A message for the user", 201);
    Idle(2);
    ASSERT_TRUE(MessageBoxOpen());
    const int day = g_cricket.m_date.m_dayOfSeason;
    Idle(5);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, day);
    AnswerMessageBox(0);
    Idle(3);
    EXPECT_GT(g_cricket.m_date.m_dayOfSeason, day);
}

TEST_F(AutoSimTest, MessageWaitingForAnAnswerSendsHimToTheNewsAndContinueComesBack) {
    StartAutoSimulation(AUTO_TO_NEXT_SEASON);
    Idle(3);
    AddInbox(3);
    g_userCoaches[0].mv_inbox[1].m_needsAnswer = 1;
    Idle(2);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_TRUE(g_cricket.m_autoSimulate) << "only paused";
    EXPECT_FALSE(SB::s_btnContinue->mb_disabled);

    g_userCoaches[0].mv_inbox[1].m_handled = 1;
    const int day = g_cricket.m_date.m_dayOfSeason;
    Idle(2);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, day);
    Click(SB::s_btnContinue);
    ASSERT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    Idle(2);
    EXPECT_GE(g_cricket.m_date.m_dayOfSeason, day + 2) << "the days run on";
    EXPECT_EQ(AS().State().m_startSeason, FIRST_SEASON);
}

TEST_F(AutoSimTest, CareerOverWaitsForQ) {
    StartAutoSimulation(AUTO_CAREER_OVER);
    ASSERT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    Idle(2);
    Frame("career_over.png");
    const GameDate before = g_cricket.m_date;
    PressKey(DIK_SPACE);
    Idle(5);
    EXPECT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    EXPECT_TRUE(g_cricket.m_date.SameDay(before));
    EXPECT_TRUE(SB::s_btnExit->mb_disabled);
    EXPECT_TRUE(m_game->m_running);
    EXPECT_GT(CountNear(213, 400, 1009, 460, 0xffffff00u), 100) << "the line that says how to quit";
    m_system->HeadlessInput()->PressKey(DIK_Q);
    Idle();
    EXPECT_FALSE(m_game->m_running);
}

}  // namespace

}  // namespace ravel
